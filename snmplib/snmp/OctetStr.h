#pragma once
// An octet string: raw bytes, which may hold zeros.
#include <cstddef>
#include <string>
#include <vector>

class OctetStr {
public:
    OctetStr() = default;
    OctetStr(const char* text);  // NOLINT: the characters of the text
    OctetStr(const std::string& bytes);  // NOLINT
    OctetStr(const unsigned char* data, std::size_t length);

    bool valid() const { return true; }
    std::size_t len() const { return bytes_.size(); }
    const unsigned char* data() const { return bytes_.data(); }
    unsigned char operator[](std::size_t i) const { return bytes_[i]; }
    const std::vector<unsigned char>& bytes() const { return bytes_; }
    // The bytes as a std::string (zeros included).
    std::string str() const { return std::string(bytes_.begin(), bytes_.end()); }

    // The characters when every byte is printable text, otherwise the hex
    // form; the empty text for an empty string.
    std::string get_printable() const;
    // "0A FF 10": two upper-case digits per byte, blank-separated.
    std::string get_printable_hex() const;

    friend bool operator==(const OctetStr& a, const OctetStr& b) { return a.bytes_ == b.bytes_; }

private:
    std::vector<unsigned char> bytes_;
};
