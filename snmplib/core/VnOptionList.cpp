#include "VnOptionList.h"

#include <cassert>
#include <charconv>
#include <optional>

namespace {

char FoldAscii(char c)
{
    return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c;
}

bool EqualText(std::string_view a, std::string_view b, bool caseSensitive)
{
    if (a.size() != b.size())
        return false;
    if (caseSensitive)
        return a == b;
    for (std::size_t i = 0; i < a.size(); ++i) {
        if (FoldAscii(a[i]) != FoldAscii(b[i]))
            return false;
    }
    return true;
}

// A whole text in decimal, with an optional sign; anything else (blanks,
// hex, "(NULL)", out of range) is no number.
std::optional<int> ParseDecimal(std::string_view text)
{
    if (!text.empty() && text.front() == '+') {
        text.remove_prefix(1);
        if (!text.empty() && text.front() == '-')
            return std::nullopt;
    }
    int value = 0;
    const char* end = text.data() + text.size();
    auto [ptr, ec] = std::from_chars(text.data(), end, value, 10);
    if (ec != std::errc() || ptr != end)
        return std::nullopt;
    return value;
}

}  // namespace

VnOptionList::VnOptionList(const VnIntOption* table, unsigned kind, bool caseSensitive)
    : kind_(kind), caseSensitive_(caseSensitive)
{
    AppendTable(table);
}

VnOptionList::VnOptionList(const VnStrOption* table, unsigned kind, bool caseSensitive)
    : kind_(kind), caseSensitive_(caseSensitive)
{
    AppendTable(table);
}

int VnOptionList::CountTable(const VnIntOption* table)
{
    int n = 0;
    if (table) {
        while (table[n].label)
            ++n;
    }
    return n;
}

int VnOptionList::CountTable(const VnStrOption* table)
{
    int n = 0;
    if (table) {
        while (table[n].label)
            ++n;
    }
    return n;
}

void VnOptionList::AppendTable(const VnIntOption* table)
{
    const int n = CountTable(table);
    items_.reserve(items_.size() + n);
    for (int i = 0; i < n; ++i)
        items_.push_back({std::to_string(table[i].value), table[i].label});
}

void VnOptionList::AppendTable(const VnStrOption* table)
{
    const int n = CountTable(table);
    items_.reserve(items_.size() + n);
    for (int i = 0; i < n; ++i)
        items_.push_back({table[i].value ? table[i].value : "", table[i].label});
}

void VnOptionList::Clear()
{
    items_.clear();
    items_.shrink_to_fit();
}

const VnOptionItem& VnOptionList::Item(int i) const
{
    assert(i >= 0 && i < Count());
    return items_[static_cast<std::size_t>(i)];
}

// Whole or prefix comparison by the list's kind and case rule.
bool VnOptionList::TextMatches(std::string_view text, const std::string& entry) const
{
    if (kind_ == VnOptionKind::Prefix) {
        if (entry.size() > text.size())
            return false;
        return EqualText(text.substr(0, entry.size()), entry, caseSensitive_);
    }
    return EqualText(text, entry, caseSensitive_);
}

int VnOptionList::IndexOfLabel(std::string_view text) const
{
    if (kind_ != VnOptionKind::Integer && kind_ != VnOptionKind::String &&
        kind_ != VnOptionKind::Prefix)
        return -1;
    for (int i = 0; i < Count(); ++i) {
        if (TextMatches(text, items_[i].label))
            return i;
    }
    return -1;
}

int VnOptionList::IndexOfValue(std::string_view text) const
{
    if (kind_ == VnOptionKind::Integer) {
        const std::optional<int> number = ParseDecimal(text);
        if (!number)
            return -1;
        for (int i = 0; i < Count(); ++i) {
            if (ParseDecimal(items_[i].value) == number)
                return i;
        }
        return -1;
    }
    if (kind_ != VnOptionKind::String && kind_ != VnOptionKind::Prefix)
        return -1;
    for (int i = 0; i < Count(); ++i) {
        if (TextMatches(text, items_[i].value))
            return i;
    }
    return -1;
}

std::string VnOptionList::LabelOfValue(std::string_view text) const
{
    const int i = IndexOfValue(text);
    if (i < 0)
        return std::string(text);
    const VnOptionItem& item = items_[i];
    if (kind_ == VnOptionKind::Prefix)
        return item.label + std::string(text.substr(item.value.size()));
    return item.label;
}

std::string VnOptionList::ValueOfLabel(std::string_view text) const
{
    const int i = IndexOfLabel(text);
    if (i < 0)
        return std::string(text);
    const VnOptionItem& item = items_[i];
    if (kind_ == VnOptionKind::Prefix)
        return item.value + std::string(text.substr(item.label.size()));
    return item.value;
}
