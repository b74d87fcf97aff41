#pragma once
// One enumeration of MIB values with their display labels ("enabled" for 3).
// Values are what travels in SNMP, labels what the user sees; the list turns
// one into the other and finds entries by either.
#include <string>
#include <string_view>
#include <vector>

// Static option arrays, each ended by an entry whose label is null (the value
// of that entry is not read).
struct VnIntOption {
    int value;
    const char* label;
};

struct VnStrOption {
    const char* value;
    const char* label;
};

// How a list compares value texts and labels.
namespace VnOptionKind {
inline constexpr unsigned Integer = 1;  // integer values, compared as numbers
inline constexpr unsigned String = 2;   // string values, compared whole
inline constexpr unsigned Prefix = 3;   // string values, matched as the start of a text
}  // namespace VnOptionKind

// One entry, owned by its list. Integer values are held in decimal, so every
// kind hands out its value the same way.
struct VnOptionItem {
    std::string value;
    std::string label;
};

// Kinds other than the three above are accepted but match and convert nothing.
//
// Without the case-sensitive flag, labels and string values compare with
// ASCII case folding only: A-Z equal a-z, every other byte must be equal.
// That is independent of the process locale (the SNMP library sets LC_CTYPE
// from the environment) and safe on UTF-8; every label of this system is ASCII.
//
// The lists of the MIB definition data are objects with static storage built
// before main. A descriptor record may point at one from any unit (it stores
// only the address), but no code may read a list during static initialisation.
class VnOptionList {
public:
    explicit VnOptionList(const VnIntOption* table, unsigned kind = VnOptionKind::Integer,
                          bool caseSensitive = false);
    explicit VnOptionList(const VnStrOption* table, unsigned kind = VnOptionKind::String,
                          bool caseSensitive = false);

    // Entries before the first null label; 0 for a null table.
    static int CountTable(const VnIntOption* table);
    static int CountTable(const VnStrOption* table);

    // Appends copies of the table's entries after the present ones. An integer
    // value is kept as its decimal text; a null string value as an empty text.
    void AppendTable(const VnIntOption* table);
    void AppendTable(const VnStrOption* table);
    void Clear();

    // No bounds check beyond a debug assert: callers keep 0 <= i < Count().
    const VnOptionItem& Item(int i) const;
    int Count() const { return static_cast<int>(items_.size()); }
    unsigned Kind() const { return kind_; }
    bool CaseSensitive() const { return caseSensitive_; }

    // First matching entry in list order, or -1.
    int IndexOfLabel(std::string_view text) const;
    int IndexOfValue(std::string_view text) const;

    // The label of a value text and the value text of a label; a text that
    // matches no entry comes back unchanged. With the prefix kind the part of
    // the text after the matched prefix is kept ("1.3.6.1" -> "X.1").
    std::string LabelOfValue(std::string_view text) const;
    std::string ValueOfLabel(std::string_view text) const;

private:
    bool TextMatches(std::string_view text, const std::string& entry) const;

    unsigned kind_;
    bool caseSensitive_;
    std::vector<VnOptionItem> items_;
};
