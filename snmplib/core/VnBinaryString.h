#pragma once
// A counted byte string made from hex text, used by the port-bitmap dialogs.
#include <cstdint>
#include <string_view>
#include <vector>

class VnBinaryString {
public:
    VnBinaryString() = default;
    // Two hex digits per byte, high nibble first; an odd last character is
    // ignored. No character is rejected: a non-digit gives whatever nibble
    // its code yields, kept to 8 bits per byte.
    explicit VnBinaryString(std::string_view hex);

    // Copies are deep; assigning a string to itself leaves it unchanged.
    VnBinaryString(const VnBinaryString&) = default;
    VnBinaryString& operator=(const VnBinaryString&) = default;

    std::uint32_t Length() const noexcept { return static_cast<std::uint32_t>(bytes_.size()); }
    // The bytes, or null when the length is 0.
    const std::uint8_t* Bytes() const noexcept { return bytes_.empty() ? nullptr : bytes_.data(); }
    std::uint8_t operator[](std::uint32_t i) const { return bytes_[i]; }

private:
    std::vector<std::uint8_t> bytes_;
};
