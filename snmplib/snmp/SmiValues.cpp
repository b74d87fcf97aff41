#include "SmiValues.h"

IpAddress::IpAddress(const char* dotted) : IpAddress(std::string(dotted ? dotted : "")) {}

IpAddress::IpAddress(const std::string& dotted)
{
    valid_ = ParseDottedQuad(dotted, bytes_);
    if (!valid_)
        bytes_ = {};
}

bool IpAddress::ParseDottedQuad(const std::string& text, std::array<unsigned char, 4>& bytes)
{
    std::size_t pos = 0;
    for (std::size_t part = 0; part < 4; ++part) {
        if (part) {
            if (pos >= text.size() || text[pos] != '.')
                return false;
            ++pos;
        }
        unsigned value = 0;
        std::size_t digits = 0;
        while (pos < text.size() && text[pos] >= '0' && text[pos] <= '9' && digits < 4) {
            value = value * 10 + static_cast<unsigned>(text[pos] - '0');
            ++pos;
            ++digits;
        }
        if (digits == 0 || digits > 3 || value > 255)
            return false;
        bytes[part] = static_cast<unsigned char>(value);
    }
    return pos == text.size();
}

std::string IpAddress::get_printable() const
{
    if (!valid_)
        return {};
    return std::to_string(bytes_[0]) + '.' + std::to_string(bytes_[1]) + '.' + std::to_string(bytes_[2]) + '.' +
           std::to_string(bytes_[3]);
}
