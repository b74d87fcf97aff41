#include "VnPath.h"

std::string JoinPath(std::string_view folder, std::string_view name)
{
    std::string path(folder);
    if (!path.empty() && path.back() != '/')
        path += '/';
    path += name;
    return path;
}

std::uint32_t IntPower(std::uint32_t base, std::uint32_t exponent) noexcept
{
    // Square-and-multiply: the same wrapped product as multiplying
    // `exponent` times, without a loop of up to four billion steps.
    std::uint32_t result = 1;
    while (exponent != 0) {
        if (exponent & 1u)
            result *= base;
        base *= base;
        exponent >>= 1;
    }
    return result;
}
