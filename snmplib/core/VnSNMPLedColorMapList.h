#pragma once
// How the byte of one front-panel LED becomes a colour: a mask picks the
// colour code out of the byte, a second mask the blink bit, and a table maps
// the code to a colour. Colours are 0x00BBGGRR (0x0000FF red).
#include <cstdint>
#include <vector>

// One entry of a static colour table; a table ends with an entry whose
// colour is kVnLedTableEnd.
struct VnLedColorEntry {
    std::uint8_t value;
    std::uint32_t color;
};

inline constexpr std::uint32_t kVnLedTableEnd = 0xFFFFFFFF;
// As the absent colour: a byte missing from the LED status is an error.
inline constexpr std::uint32_t kVnLedAbsentIsError = 0xFFFFFFFF;

inline constexpr std::uint32_t kVnColorBlack = 0x000000;
inline constexpr std::uint32_t kVnColorWhite = 0xFFFFFF;
inline constexpr std::uint32_t kVnColorRed = 0x0000FF;
inline constexpr std::uint32_t kVnColorGreen = 0x00FF00;
inline constexpr std::uint32_t kVnColorBlue = 0xFF0000;

class VnSNMPLedColorMapList {
public:
    // Stores the settings, then appends the table's entries (a null table
    // gives an empty map).
    VnSNMPLedColorMapList(const VnLedColorEntry* table, std::uint8_t valueMask,
                          std::uint8_t blinkMask, std::uint32_t offColor, std::uint32_t absentColor);

    // Entries before the one with colour kVnLedTableEnd; 0 for a null table.
    static int CountTable(const VnLedColorEntry* table);
    // Appends copies of the table's entries after the present ones.
    void AppendTable(const VnLedColorEntry* table);
    void Clear() { entries_.clear(); }

    // Index of the first entry with that value, -1 when none.
    int IndexOf(std::uint8_t value) const;
    // Colour of the first entry with that value, black when none.
    std::uint32_t ColorOf(std::uint8_t value) const;

    int Count() const { return static_cast<int>(entries_.size()); }
    // No bounds check beyond a debug assert: callers keep 0 <= i < Count().
    const VnLedColorEntry& Item(int i) const;

    std::uint8_t ValueMask() const { return valueMask_; }
    std::uint8_t BlinkMask() const { return blinkMask_; }
    std::uint32_t OffColor() const { return offColor_; }
    std::uint32_t AbsentColor() const { return absentColor_; }

    // The colour an LED's byte asks for, and whether it blinks.
    std::uint32_t ColorOfByte(std::uint8_t byte) const { return ColorOf(byte & valueMask_); }
    bool Blinks(std::uint8_t byte) const { return (byte & blinkMask_) != 0; }

private:
    std::uint8_t valueMask_;
    std::uint8_t blinkMask_;
    std::uint32_t offColor_;
    std::uint32_t absentColor_;
    std::vector<VnLedColorEntry> entries_;
};
