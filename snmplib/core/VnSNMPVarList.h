#pragma once
// Descriptor tables and the variable lists built from them: the MIB variables
// one request reads or writes, how it addresses them, and which of them are
// read, written and shown.
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

class VnOptionList;

// Syntax codes: 2-6 and 0x40-0x47 are the SNMP BER tags, the rest are our
// own presentation syntaxes.
namespace VnSyntax {
inline constexpr unsigned Boolean = 0x01;
inline constexpr unsigned Integer = 0x02;
inline constexpr unsigned BitStr = 0x03;
inline constexpr unsigned OctetStr = 0x04;
inline constexpr unsigned Null = 0x05;
inline constexpr unsigned ObjectId = 0x06;
inline constexpr unsigned IpAddress = 0x40;
inline constexpr unsigned Counter = 0x41;
inline constexpr unsigned Gauge = 0x42;
inline constexpr unsigned TimeTicks = 0x43;
inline constexpr unsigned Opaque = 0x44;
inline constexpr unsigned NsapAddr = 0x45;
inline constexpr unsigned Counter64 = 0x46;
inline constexpr unsigned UInteger = 0x47;
inline constexpr unsigned Double = 0x48;
inline constexpr unsigned MacAddress = 0x49;
inline constexpr unsigned DateTime = 0x4A;
inline constexpr unsigned BcdDateTime = 0x4B;
inline constexpr unsigned DisplayStr = 0x4C;
inline constexpr unsigned Ipv6Address = 0x4D;
inline constexpr unsigned Bool8 = 0xC1;
inline constexpr unsigned Int8 = 0xC2;
inline constexpr unsigned UInt8 = 0xC3;
inline constexpr unsigned Bool16 = 0xC4;
inline constexpr unsigned Int16 = 0xC5;
inline constexpr unsigned UInt16 = 0xC6;
}  // namespace VnSyntax

// Syntaxes whose value text is one decimal number.
inline bool IsNumberSyntax(unsigned syntax) noexcept
{
    namespace S = VnSyntax;
    return syntax == S::Integer || syntax == S::Counter || syntax == S::Gauge || syntax == S::UInteger
           || syntax == S::Counter64;
}

// Value texts of an item that has no value: a column that ended before the
// others during a walk, and a binding received without value. They are no
// data: nothing parses them into bytes, and a set leaves such items out.
inline constexpr const char* kVnNotDoneValue = "(NOTDONE)";
inline constexpr const char* kVnNullValue = "(NULL)";
inline bool IsNoValueText(std::string_view text) noexcept
{
    return text == kVnNotDoneValue || text == kVnNullValue;
}

// Access flags, a bit set.
namespace VnAccess {
inline constexpr unsigned NotAccess = 1;   // shown, never read or written except as an index
inline constexpr unsigned ReadOnly = 2;
inline constexpr unsigned WriteOnly = 4;
inline constexpr unsigned ReadWrite = 6;
inline constexpr unsigned Derived = 8;     // not read from the agent, but shown
inline constexpr unsigned Hidden = 16;
inline constexpr unsigned Invalid = 32;    // left out of every request; forms set it around a set
inline constexpr unsigned Implied = 64;    // last index column encoded without a length sub-identifier
inline constexpr unsigned MayBeEmpty = 128;  // a string index column whose empty value names a row of its own
}  // namespace VnAccess

// Item types: how a request addresses the items.
inline constexpr unsigned char SVT_SV = 0;   // scalars, OID + ".0"
inline constexpr unsigned char MVT_SV = 1;   // single values at the OID as written
inline constexpr unsigned char MVT_FMV = 2;  // table walked row by row
inline constexpr unsigned char MVT_UMV = 3;  // table, no special handling after a refresh

// One record of a static descriptor table; a table ends with a record whose
// oid is null (write it as {}). An oid of a single blank is an index column
// with no object of its own. Rows usually give the first five fields only.
//
// Tables hold only constants and addresses, so they can be declared
// `constinit` and may point at option lists of any unit without caring about
// the order in which units are initialised.
struct VnSNMPVarDesc {
    const char* oid = nullptr;
    const char* label = nullptr;
    unsigned syntax = 0;
    unsigned access = 0;
    const VnOptionList* options = nullptr;
    const char* readExpr = nullptr;
    const char* writeExpr = nullptr;
    const char* spare = nullptr;
    const char* value = nullptr;
    const char* lastOid = nullptr;
};

// The working copy of one record, owned by its list. readExpr, writeExpr and
// spare are absent when the record's field was null, which differs from an
// empty text.
struct VnSNMPVarItem {
    std::string oid;                    // column or scalar, dotted, without instance
    std::string label;
    unsigned syntax = 0;
    unsigned access = 0;
    const VnOptionList* options = nullptr;  // borrowed static list, or none
    std::optional<std::string> readExpr;    // applied to a value after a get
    std::optional<std::string> writeExpr;   // applied to a value before a set
    std::optional<std::string> spare;       // carried along, read by nobody
    std::string value;                  // current value as display text
    std::string lastOid;                // full OID last received, or to be sent next
};

// The fields name, keyCount, itemType and caption are public: plain settings
// with nothing to guard. The items are reached through Item(i) and Count();
// each item stays at its address until Clear, also across AppendTable.
class VnSNMPVarList {
public:
    // Instance suffix appended to every OID when not empty. Not copied by
    // Assign, so it is set on the request's own list after assigning.
    std::string name;
    unsigned keyCount = 0;         // leading items that are the table's index columns
    unsigned char itemType = SVT_SV;
    std::string caption;           // shown in the status line; copied by Assign

    VnSNMPVarList() = default;
    VnSNMPVarList(const VnSNMPVarDesc* table, unsigned char itemType, unsigned keyCount);
    VnSNMPVarList(const VnSNMPVarList& other);
    VnSNMPVarList& operator=(const VnSNMPVarList& other);
    ~VnSNMPVarList() = default;

    // Records before the first null oid; 0 for a null table.
    static int CountTableItems(const VnSNMPVarDesc* table);

    // Appends copies of the table's records; a null table appends nothing.
    void AppendTable(const VnSNMPVarDesc* table);
    void Clear();
    // Deep copy of item type, key count, caption and items (option lists
    // shared); the name stays. Assigning a list to itself changes nothing.
    void Assign(const VnSNMPVarList& other);

    // No bounds check beyond a debug assert: callers keep 0 <= i < Count().
    VnSNMPVarItem& Item(int i);
    const VnSNMPVarItem& Item(int i) const;
    int Count() const { return static_cast<int>(items_.size()); }

    bool IsImplied(int i) const;
    bool IsReadable(int i) const;
    bool IsWritable(int i) const;
    bool IsVisible(int i) const;
    bool IsWriteOnlyOrHidden(int i) const;
    int VisibleCount() const;
    int WriteOnlyOrHiddenCount() const;

private:
    std::vector<std::unique_ptr<VnSNMPVarItem>> items_;
};

// The library's names of item types, syntax codes and access flags, as
// integer option lists (value = code, label = name). Built before main and
// destroyed after it returns; there is no InitVarListOptionLists /
// FreeVarListOptionLists step to call.
extern const VnOptionList VnItemTypeNames;
extern const VnOptionList VnSyntaxNames;
extern const VnOptionList VnAccessNames;
