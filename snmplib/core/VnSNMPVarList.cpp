#include "VnSNMPVarList.h"

#include "VnOptionList.h"

#include <cassert>

namespace {

std::optional<std::string> OptionalText(const char* text)
{
    if (!text)
        return std::nullopt;
    return std::string(text);
}

// A null label would be a slip in a table; show it as an empty caption.
std::string Text(const char* text)
{
    return text ? std::string(text) : std::string();
}

const VnIntOption itemTypeNames[] = {
    {SVT_SV, "SVT_SV"},
    {MVT_SV, "MVT_SV"},
    {MVT_FMV, "MVT_FMV"},
    {MVT_UMV, "MVT_UMV"},
    {0, nullptr},
};

const VnIntOption syntaxNames[] = {
    {VnSyntax::Integer, "integer"},
    {VnSyntax::BitStr, "bitstr"},
    {VnSyntax::OctetStr, "octetstr"},
    {VnSyntax::Null, "null"},
    {VnSyntax::ObjectId, "objectid"},
    {VnSyntax::IpAddress, "ipaddress"},
    {VnSyntax::Counter, "counter"},
    {VnSyntax::Gauge, "guage"},
    {VnSyntax::TimeTicks, "timeticks"},
    {VnSyntax::Opaque, "opaque"},
    {VnSyntax::Counter64, "counter64"},
    {VnSyntax::Boolean, "boolean"},
    {VnSyntax::NsapAddr, "nsapaddr"},
    {VnSyntax::UInteger, "uinteger"},
    {VnSyntax::Double, "double"},
    {VnSyntax::MacAddress, "macaddress"},
    {VnSyntax::DateTime, "datetime"},
    {VnSyntax::BcdDateTime, "bcdatetime"},
    {VnSyntax::DisplayStr, "displaystr"},
    {VnSyntax::Bool8, "bool8"},
    {VnSyntax::Int8, "int8"},
    {VnSyntax::UInt8, "uint8"},
    {VnSyntax::Bool16, "bool16"},
    {VnSyntax::Int16, "int16"},
    {VnSyntax::UInt16, "uint16"},
    {VnSyntax::Ipv6Address, "ipv6address"},
    {0, nullptr},
};

const VnIntOption accessNames[] = {
    {VnAccess::NotAccess, "notaccess"},
    {VnAccess::ReadOnly, "readonly"},
    {VnAccess::WriteOnly, "writeonly"},
    {VnAccess::ReadWrite, "readwrite"},
    {VnAccess::Derived, "derived"},
    {VnAccess::Hidden, "hidden"},
    {VnAccess::Invalid, "invalid"},
    {0, nullptr},
};

}  // namespace

const VnOptionList VnItemTypeNames(itemTypeNames);
const VnOptionList VnSyntaxNames(syntaxNames);
const VnOptionList VnAccessNames(accessNames);

VnSNMPVarList::VnSNMPVarList(const VnSNMPVarDesc* table, unsigned char type,
                             unsigned keys)
    : keyCount(keys), itemType(type)
{
    AppendTable(table);
}

VnSNMPVarList::VnSNMPVarList(const VnSNMPVarList& other)
{
    Assign(other);
}

VnSNMPVarList& VnSNMPVarList::operator=(const VnSNMPVarList& other)
{
    Assign(other);
    return *this;
}

int VnSNMPVarList::CountTableItems(const VnSNMPVarDesc* table)
{
    int n = 0;
    if (table) {
        while (table[n].oid)
            ++n;
    }
    return n;
}

void VnSNMPVarList::AppendTable(const VnSNMPVarDesc* table)
{
    const int n = CountTableItems(table);
    items_.reserve(items_.size() + n);
    for (int i = 0; i < n; ++i) {
        const VnSNMPVarDesc& d = table[i];
        auto item = std::make_unique<VnSNMPVarItem>();
        item->oid = d.oid;
        item->label = Text(d.label);
        item->syntax = d.syntax;
        item->access = d.access;
        item->options = d.options;
        item->readExpr = OptionalText(d.readExpr);
        item->writeExpr = OptionalText(d.writeExpr);
        item->spare = OptionalText(d.spare);
        item->value = Text(d.value);
        item->lastOid = Text(d.lastOid);
        items_.push_back(std::move(item));
    }
}

void VnSNMPVarList::Clear()
{
    items_.clear();
    items_.shrink_to_fit();
}

void VnSNMPVarList::Assign(const VnSNMPVarList& other)
{
    // Clearing first would empty the source too when it is this list.
    if (&other == this)
        return;
    Clear();
    itemType = other.itemType;
    keyCount = other.keyCount;
    caption = other.caption;
    items_.reserve(other.items_.size());
    for (const auto& item : other.items_)
        items_.push_back(std::make_unique<VnSNMPVarItem>(*item));
}

VnSNMPVarItem& VnSNMPVarList::Item(int i)
{
    assert(i >= 0 && i < Count());
    return *items_[static_cast<std::size_t>(i)];
}

const VnSNMPVarItem& VnSNMPVarList::Item(int i) const
{
    assert(i >= 0 && i < Count());
    return *items_[static_cast<std::size_t>(i)];
}

bool VnSNMPVarList::IsImplied(int i) const
{
    return (Item(i).access & VnAccess::Implied) != 0;
}

bool VnSNMPVarList::IsReadable(int i) const
{
    const unsigned a = Item(i).access;
    return !(a & VnAccess::Invalid) && (a & VnAccess::ReadOnly);
}

// Index columns of a table count as writable whatever their flags: a set
// addresses the row through them.
bool VnSNMPVarList::IsWritable(int i) const
{
    const unsigned a = Item(i).access;
    if (a & VnAccess::Invalid)
        return false;
    if (a & VnAccess::WriteOnly)
        return true;
    const bool table = itemType == MVT_FMV || itemType == MVT_UMV;
    return table && static_cast<unsigned>(i) < keyCount;
}

bool VnSNMPVarList::IsVisible(int i) const
{
    const unsigned a = Item(i).access;
    if (a & (VnAccess::Invalid | VnAccess::Hidden))
        return false;
    return (a & (VnAccess::NotAccess | VnAccess::Derived | VnAccess::ReadOnly)) != 0;
}

bool VnSNMPVarList::IsWriteOnlyOrHidden(int i) const
{
    const unsigned a = Item(i).access;
    return a == VnAccess::WriteOnly || (a & (VnAccess::Invalid | VnAccess::Hidden));
}

int VnSNMPVarList::VisibleCount() const
{
    int n = 0;
    for (int i = 0; i < Count(); ++i)
        n += IsVisible(i) ? 1 : 0;
    return n;
}

int VnSNMPVarList::WriteOnlyOrHiddenCount() const
{
    int n = 0;
    for (int i = 0; i < Count(); ++i)
        n += IsWriteOnlyOrHidden(i) ? 1 : 0;
    return n;
}
