#include "VnBinaryString.h"

namespace {

int NibbleOf(char c)
{
    const int code = static_cast<unsigned char>(c);
    if (code < 'A')
        return code - 48;
    if (code < 'a')
        return code - 55;
    return code - 87;
}

} // namespace

VnBinaryString::VnBinaryString(std::string_view hex)
{
    bytes_.resize(hex.size() / 2);
    for (std::size_t k = 0; k < bytes_.size(); ++k) {
        const int value = NibbleOf(hex[2 * k]) * 16 + NibbleOf(hex[2 * k + 1]);
        bytes_[k] = static_cast<std::uint8_t>(value & 0xFF);
    }
}
