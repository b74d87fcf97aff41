#include "OctetStr.h"

#include <algorithm>

OctetStr::OctetStr(const char* text)
{
    if (text)
        bytes_.assign(text, text + std::char_traits<char>::length(text));
}

OctetStr::OctetStr(const std::string& bytes) : bytes_(bytes.begin(), bytes.end()) {}

OctetStr::OctetStr(const unsigned char* data, std::size_t length)
{
    if (data)
        bytes_.assign(data, data + length);
}

std::string OctetStr::get_printable() const
{
    const bool printable = std::all_of(bytes_.begin(), bytes_.end(), [](unsigned char c) {
        return (c >= 0x20 && c < 0x7F) || c == '\t' || c == '\r' || c == '\n';
    });
    return printable ? str() : get_printable_hex();
}

std::string OctetStr::get_printable_hex() const
{
    static const char kDigits[] = "0123456789ABCDEF";
    std::string text;
    for (std::size_t i = 0; i < bytes_.size(); ++i) {
        if (i)
            text += ' ';
        text += kDigits[bytes_[i] >> 4];
        text += kDigits[bytes_[i] & 0x0F];
    }
    return text;
}
