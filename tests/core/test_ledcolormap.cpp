#include "SwitchMib.h"
#include "VnSNMPLedColorMapList.h"

#include <gtest/gtest.h>

#include <cstdint>

namespace {

const VnLedColorEntry kEdgeTable[] = {
    {0, kVnColorWhite}, {1, kVnColorWhite}, {2, kVnColorWhite},
    {3, kVnColorGreen}, {4, kVnColorBlue},  {5, kVnColorRed},
    {0, kVnLedTableEnd},
};
const VnLedColorEntry kTwice[] = {{7, kVnColorRed}, {7, kVnColorBlue}, {0, kVnLedTableEnd}};
const VnLedColorEntry kEmpty[] = {{9, kVnLedTableEnd}};

TEST(LedColorMap, CountTableStopsAtTheEndColourNotAtWhite)
{
    EXPECT_EQ(VnSNMPLedColorMapList::CountTable(nullptr), 0);
    EXPECT_EQ(VnSNMPLedColorMapList::CountTable(kEmpty), 0);
    // White 0xFFFFFF is a colour, only 0xFFFFFFFF ends the table.
    EXPECT_EQ(VnSNMPLedColorMapList::CountTable(kEdgeTable), 6);
}

TEST(LedColorMap, AppendKeepsTableOrderAndFirstEntryWins)
{
    VnSNMPLedColorMapList map(nullptr, 7, 0x80, kVnColorBlack, kVnColorWhite);
    EXPECT_EQ(map.Count(), 0);
    EXPECT_EQ(map.ColorOf(0), kVnColorBlack) << "empty map paints black";

    map.AppendTable(kTwice);
    map.AppendTable(kEdgeTable);
    ASSERT_EQ(map.Count(), 8);
    EXPECT_EQ(map.Item(0).color, kVnColorRed);
    EXPECT_EQ(map.Item(7).value, 5);
    EXPECT_EQ(map.IndexOf(7), 0);
    EXPECT_EQ(map.ColorOf(7), kVnColorRed) << "a value listed twice takes the first colour";
    EXPECT_EQ(map.IndexOf(3), 5);
    EXPECT_EQ(map.IndexOf(6), -1);

    map.Clear();
    EXPECT_EQ(map.Count(), 0);
    EXPECT_EQ(map.IndexOf(7), -1);
    EXPECT_EQ(map.ValueMask(), 7) << "Clear drops the entries only";
}

struct ByteCase {
    const char* why;
    std::uint8_t byte;
    std::uint32_t color;
    bool blinks;
};

TEST(LedColorMap, ByteMasksPickColourAndBlink)
{
    const VnSNMPLedColorMapList map(kEdgeTable, 7, 0x80, kVnColorBlack, kVnColorWhite);
    const ByteCase cases[] = {
        {"blink bit set, code 3", 0x83, kVnColorGreen, true},
        {"steady red", 0x05, kVnColorRed, false},
        {"code 6 is not in the map", 0x06, kVnColorBlack, false},
        {"bits outside both masks are ignored", 0x7C, kVnColorBlue, false},
        {"blink of an unknown code still blinks", 0xFF, kVnColorBlack, true},
    };
    for (const ByteCase& c : cases) {
        SCOPED_TRACE(c.why);
        EXPECT_EQ(map.ColorOfByte(c.byte), c.color);
        EXPECT_EQ(map.Blinks(c.byte), c.blinks);
    }
}

TEST(LedColorMap, FrontPanelMapsSettings)
{
    for (const VnSNMPLedColorMapList* map : {&LedColorMapA, &LedColorMapB, &LedColorMapC}) {
        EXPECT_EQ(map->ValueMask(), 0x07);
        EXPECT_EQ(map->BlinkMask(), 0x80);
        EXPECT_EQ(map->OffColor(), kVnColorBlack);
        EXPECT_EQ(map->AbsentColor(), kVnColorWhite);
    }
    EXPECT_EQ(LedColorMapA.Count(), 6);
    EXPECT_EQ(LedColorMapB.Count(), 6);
    EXPECT_EQ(LedColorMapC.Count(), 3);
}

struct MapCase {
    std::uint8_t byte;
    std::uint32_t a, b, c;
};

TEST(LedColorMap, FrontPanelMapsColourEveryCode)
{
    constexpr std::uint32_t W = kVnColorWhite, G = kVnColorGreen, B = kVnColorBlue,
                            R = kVnColorRed, K = kVnColorBlack;
    // Codes 6 and 7 are in no map; codes missing from map C paint black.
    const MapCase cases[] = {
        {0, W, W, W}, {1, W, W, K}, {2, W, G, G}, {3, G, G, K},
        {4, B, B, G}, {5, R, R, K}, {6, K, K, K}, {7, K, K, K},
        {0x8B, G, G, K},  // 0x8B & 7 = 3, blinking
    };
    for (const MapCase& c : cases) {
        SCOPED_TRACE(testing::Message() << "byte 0x" << std::hex << int(c.byte));
        EXPECT_EQ(LedColorMapA.ColorOfByte(c.byte), c.a);
        EXPECT_EQ(LedColorMapB.ColorOfByte(c.byte), c.b);
        EXPECT_EQ(LedColorMapC.ColorOfByte(c.byte), c.c);
    }
}

}  // namespace
