#include "VnSNMPLedColorMapList.h"

#include <cassert>

VnSNMPLedColorMapList::VnSNMPLedColorMapList(const VnLedColorEntry* table, std::uint8_t valueMask,
                                             std::uint8_t blinkMask, std::uint32_t offColor,
                                             std::uint32_t absentColor)
    : valueMask_(valueMask), blinkMask_(blinkMask), offColor_(offColor), absentColor_(absentColor)
{
    AppendTable(table);
}

int VnSNMPLedColorMapList::CountTable(const VnLedColorEntry* table)
{
    if (!table)
        return 0;
    int n = 0;
    while (table[n].color != kVnLedTableEnd)
        ++n;
    return n;
}

void VnSNMPLedColorMapList::AppendTable(const VnLedColorEntry* table)
{
    const int n = CountTable(table);
    entries_.insert(entries_.end(), table, table + n);
}

int VnSNMPLedColorMapList::IndexOf(std::uint8_t value) const
{
    for (std::size_t i = 0; i < entries_.size(); ++i) {
        if (entries_[i].value == value)
            return static_cast<int>(i);
    }
    return -1;
}

std::uint32_t VnSNMPLedColorMapList::ColorOf(std::uint8_t value) const
{
    const int i = IndexOf(value);
    return i < 0 ? kVnColorBlack : entries_[static_cast<std::size_t>(i)].color;
}

const VnLedColorEntry& VnSNMPLedColorMapList::Item(int i) const
{
    assert(i >= 0 && i < Count());
    return entries_[static_cast<std::size_t>(i)];
}
