#include "VnText.h"

bool IsBlankOrControl(char c) noexcept
{
    return static_cast<unsigned char>(c) <= ' ';
}

std::string TrimBlanks(std::string_view text)
{
    std::size_t first = 0;
    std::size_t last = text.size();
    while (first < last && IsBlankOrControl(text[first]))
        ++first;
    while (last > first && IsBlankOrControl(text[last - 1]))
        --last;
    return std::string(text.substr(first, last - first));
}

static char AsciiLower(char c) noexcept
{
    return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c;
}

bool SameText(std::string_view a, std::string_view b) noexcept
{
    if (a.size() != b.size())
        return false;
    for (std::size_t i = 0; i < a.size(); ++i) {
        if (AsciiLower(a[i]) != AsciiLower(b[i]))
            return false;
    }
    return true;
}

std::string ReplaceAll(std::string_view text, std::string_view search,
                       std::string_view replacement)
{
    if (search.empty())
        return std::string(text);
    std::string result;
    std::size_t from = 0;
    for (std::size_t at = text.find(search); at != std::string_view::npos;
         at = text.find(search, from)) {
        result.append(text.substr(from, at - from));
        result.append(replacement);
        from = at + search.size();
    }
    result.append(text.substr(from));
    return result;
}

std::size_t SpanOfChars(std::string_view text, std::size_t start, std::string_view set) noexcept
{
    if (start < 1 || start > text.size())
        return 0;
    std::size_t pos = start;
    while (pos <= text.size() && set.find(text[pos - 1]) != std::string_view::npos)
        ++pos;
    return pos - 1 >= start ? pos - 1 : 0;
}

std::string BytesToHex(std::span<const std::uint8_t> bytes)
{
    static constexpr char kDigits[] = "0123456789ABCDEF";
    std::string text;
    text.reserve(bytes.size() * 2);
    for (std::uint8_t b : bytes) {
        text += kDigits[b >> 4];
        text += kDigits[b & 0x0F];
    }
    return text;
}

static int HexDigitValue(char c) noexcept
{
    if (c >= '0' && c <= '9')
        return c - '0';
    if (c >= 'A' && c <= 'F')
        return c - 'A' + 10;
    if (c >= 'a' && c <= 'f')
        return c - 'a' + 10;
    return -1;
}

std::optional<std::vector<std::uint8_t>> HexToBytes(std::string_view text)
{
    std::vector<std::uint8_t> bytes;
    bytes.reserve(text.size() / 2);
    int high = -1;
    for (char c : text) {
        if (c == ' ')
            continue;
        const int digit = HexDigitValue(c);
        if (digit < 0)
            return std::nullopt;
        if (high < 0) {
            high = digit;
            continue;
        }
        bytes.push_back(static_cast<std::uint8_t>(high * 16 + digit));
        high = -1;
    }
    if (high >= 0)
        return std::nullopt;
    return bytes;
}
