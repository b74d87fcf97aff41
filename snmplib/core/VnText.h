#pragma once
// Small text helpers shared by the library: trimming, case-insensitive
// comparison, replacing, scanning and hex text. Positions are 1-based where
// noted.
#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

// True for the characters the library trims: blanks and control characters
// (every byte up to and including the space).
bool IsBlankOrControl(char c) noexcept;

// The text without leading and trailing blanks and control characters.
std::string TrimBlanks(std::string_view text);

// Equality without regard to ASCII letter case.
bool SameText(std::string_view a, std::string_view b) noexcept;

// Every occurrence of `search`, left to right, replaced by `replacement`;
// replaced text is not searched again. An empty search leaves the text as is.
std::string ReplaceAll(std::string_view text, std::string_view search,
                       std::string_view replacement);

// From 1-based position `start`, the position of the last character of the
// run of characters taken from `set`; 0 when the character at `start` is not
// in the set or `start` lies outside the text.
std::size_t SpanOfChars(std::string_view text, std::size_t start, std::string_view set) noexcept;

// Two upper-case hex digits per byte, no separators.
std::string BytesToHex(std::span<const std::uint8_t> bytes);
// Hex text as bytes: blanks (spaces) are dropped, every other character
// must be a hex digit of either case, two per byte. None for anything else:
// a stray character or an odd digit would shift or change every byte after it.
std::optional<std::vector<std::uint8_t>> HexToBytes(std::string_view text);
