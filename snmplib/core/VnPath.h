#pragma once
// Folder joining and the unsigned power used by the byte-value conversions.
#include <cstdint>
#include <string>
#include <string_view>

// folder + "/" + name; an empty folder gives the name, a folder that already
// ends in "/" gets no second one.
std::string JoinPath(std::string_view folder, std::string_view name);

// base raised to exponent in unsigned 32-bit arithmetic (wrapping);
// 1 for exponent 0.
std::uint32_t IntPower(std::uint32_t base, std::uint32_t exponent) noexcept;
