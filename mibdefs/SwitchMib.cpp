#include "SwitchMib.h"

namespace {

const VnLedColorEntry ledColorTableA[] = {
    {0, kVnColorWhite}, {1, kVnColorWhite}, {2, kVnColorWhite},
    {3, kVnColorGreen}, {4, kVnColorBlue},  {5, kVnColorRed},
    {0, kVnLedTableEnd},
};

const VnLedColorEntry ledColorTableB[] = {
    {0, kVnColorWhite}, {1, kVnColorWhite}, {2, kVnColorGreen},
    {3, kVnColorGreen}, {4, kVnColorBlue},  {5, kVnColorRed},
    {0, kVnLedTableEnd},
};

const VnLedColorEntry ledColorTableC[] = {
    {0, kVnColorWhite}, {2, kVnColorGreen}, {4, kVnColorGreen},
    {0, kVnLedTableEnd},
};

constexpr std::uint8_t kLedValueMask = 0x07;
constexpr std::uint8_t kLedBlinkMask = 0x80;

}  // namespace

const VnSNMPLedColorMapList LedColorMapA(ledColorTableA, kLedValueMask, kLedBlinkMask, kVnColorBlack,
                                         kVnColorWhite);
const VnSNMPLedColorMapList LedColorMapB(ledColorTableB, kLedValueMask, kLedBlinkMask, kVnColorBlack,
                                         kVnColorWhite);
const VnSNMPLedColorMapList LedColorMapC(ledColorTableC, kLedValueMask, kLedBlinkMask, kVnColorBlack,
                                         kVnColorWhite);
