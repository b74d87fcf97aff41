#pragma once
// The line syntax of ini files, shared by the settings-file read and the
// registry stand-in: "[section]" lines and "name=value" entries. What a
// comment is, how quotes are taken off and which of several same-named
// sections or entries counts is left to the reader.
#include <functional>
#include <istream>
#include <string_view>

struct VnIniLine {
    enum class Kind { Blank, Section, Entry };
    Kind kind = Kind::Blank;
    std::string_view text;   // the whole line, trimmed
    std::string_view name;   // the section's or the entry's name, trimmed
    std::string_view value;  // an entry's text after its '=', trimmed, quotes kept
    bool hasValue = false;   // the entry has a '='
};

// Where a section name ends: at the first ']' (settings files) or at the
// last (registry key paths, which may hold one). Without a ']' the name
// runs to the end of the line.
enum class VnIniSectionEnd { FirstBracket, LastBracket };

// The text without blanks, tabs and line ends at either end.
std::string_view TrimIni(std::string_view text) noexcept;

// One line taken apart; the views point into `line`.
VnIniLine ParseIniLine(std::string_view line, VnIniSectionEnd sectionEnd) noexcept;

// Hands each line of `in` to `visit`, taken apart, until `visit` returns
// false or the lines run out. A UTF-8 byte-order mark at the start is no
// part of the first line.
void ReadIniLines(std::istream& in, VnIniSectionEnd sectionEnd,
                  const std::function<bool(const VnIniLine&)>& visit);
