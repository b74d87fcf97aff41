// The request's conversion operations: item values to and from bindings
// and instance sub-identifiers, keys of the current row, expressions.
#include "VnSNMPRequest.h"

#include "Vb.h"
#include "VnException.h"
#include "VnExpression.h"
#include "VnItemConversion.h"
#include "VnMessages.h"
#include "VnOptionList.h"
#include "VnValueText.h"

#include <algorithm>
#include <span>

namespace {

bool KeepsEmptyValue(unsigned syntax)
{
    namespace S = VnSyntax;
    return syntax == S::BitStr || syntax == S::OctetStr || syntax == S::Opaque
           || syntax == S::MacAddress || syntax == S::Ipv6Address;
}

// The item's value as it travels: an option label turned into its value.
std::string WireText(const VnSNMPVarItem& item)
{
    return item.options ? item.options->ValueOfLabel(item.value) : item.value;
}

std::string ShownText(const VnSNMPVarItem& item, std::string text)
{
    return item.options ? item.options->LabelOfValue(text) : text;
}

// A value the set cannot send, refused with the field's name.
[[noreturn]] void RefuseItem(const VnSNMPVarItem& item, const std::string& why, int code)
{
    const std::string& name = item.label.empty() ? item.oid : item.label;
    throw VnSetRefused(name + ": " + why, code);
}

} // namespace

std::string VnSNMPRequest::ColumnOid(int i) const
{
    const std::string& oid = varList.Item(i).oid;
    return varList.name.empty() ? oid : oid + "." + varList.name;
}

// IMPLIED applies to the last key item only.
static bool IndexIsImplied(const VnSNMPVarList& list, int i)
{
    return static_cast<unsigned>(i) + 1 == list.keyCount && list.IsImplied(i);
}

std::string VnSNMPRequest::IndexToItemValue(int i, const std::string& instance)
{
    VnSNMPVarItem& item = varList.Item(i);
    const VnSubIds ids = ParseSubIds(instance);
    const VnIndexValue decoded = DecodeIndexValue(item.syntax, IndexIsImplied(varList, i), ids);
    item.value = ShownText(item, decoded.text);
    return JoinSubIds(std::span(ids).subspan(decoded.consumed));
}

std::string VnSNMPRequest::ItemValueToIndex(int i)
{
    const VnSNMPVarItem& item = varList.Item(i);
    try {
        return JoinSubIds(EncodeIndexValue(item.syntax, IndexIsImplied(varList, i), WireText(item)));
    } catch (const VnValueRefused& e) {
        RefuseItem(item, e.what(), kVnErrBadKeyCount);
    }
}

void VnSNMPRequest::VbToItemValue(int i, const Vb& vb)
{
    VnSNMPVarItem& item = varList.Item(i);
    std::string text = VbToValueText(item.syntax, vb);
    if (!KeepsEmptyValue(item.syntax) && vb.get_printable_value().empty())
        text = item.syntax == VnSyntax::DisplayStr ? "" : "(NULL)";
    item.value = ShownText(item, std::move(text));
}

void VnSNMPRequest::ItemValueToVb(int i, Vb& vb)
{
    const VnSNMPVarItem& item = varList.Item(i);
    const std::string text = WireText(item);
    if (text == "(NULL)") {
        vb.set_null();
        return;
    }
    try {
        ValueTextToVb(item.syntax, text, vb);
    } catch (const VnValueRefused& e) {
        RefuseItem(item, e.what(), kVnErrBadDataValue);
    }
}

bool VnSNMPRequest::IsEndOfColumn(const std::string& column, const std::string& previous,
                                  const std::string& returned)
{
    return IsEndOfColumnText(varList.itemType, column, previous, returned);
}

std::string VnSNMPRequest::KeyIndex()
{
    if (rowInstance)
        return *rowInstance;
    const int keys = std::min<int>(static_cast<int>(varList.keyCount), varList.Count());
    std::string index;
    for (int k = 0; k < keys; ++k) {
        if (k > 0)
            index.push_back('.');
        index += ItemValueToIndex(k);
    }
    return index;
}

int VnSNMPRequest::KeyWithoutValue() const
{
    if (rowInstance)
        return rowInstance->empty() ? 0 : -1;
    const int keys = std::min<int>(static_cast<int>(varList.keyCount), varList.Count());
    for (int k = 0; k < keys; ++k) {
        const VnSNMPVarItem& item = varList.Item(k);
        if (IsNoValueText(item.value))
            return k;
        if (item.value.empty() && !KeyMayBeEmpty(item.syntax, IndexIsImplied(varList, k)))
            return k;
        if (IsNumberSyntax(item.syntax) && !IsNumberText(WireText(item)))
            return k;
    }
    return -1;
}

std::string VnSNMPRequest::MalformedKeyText(const std::string& instance)
{
    return instance + " (malformed instance)";
}

void VnSNMPRequest::SetKeysFromIndex(const std::string& instance)
{
    if (varList.keyCount > static_cast<unsigned>(varList.Count()))
        VnRaise(kVnErrBadKeyCount);
    readRowInstance_ = instance;
    readRowMalformed_.clear();
    const VnSubIds ids = ParseSubIds(instance);
    std::span<const std::uint32_t> rest(ids);
    const int keys = static_cast<int>(varList.keyCount);
    for (int k = 0; k < keys && readRowMalformed_.empty(); ++k) {
        VnSNMPVarItem& item = varList.Item(k);
        const bool implied = IndexIsImplied(varList, k);
        const VnIndexValue decoded = DecodeIndexValue(item.syntax, implied, rest);
        if (!IndexDecodesExactly(item.syntax, implied, rest, decoded)) {
            const std::string& name = item.label.empty() ? item.oid : item.label;
            readRowMalformed_ = rest.empty() ? "the instance ends before the index column " + name
                                             : "the index column " + name + " does not decode exactly";
            break;
        }
        item.value = ShownText(item, decoded.text);
        rest = rest.subspan(decoded.consumed);
    }
    if (readRowMalformed_.empty() && keys > 0 && !rest.empty())
        readRowMalformed_ = "sub-identifiers are left over after the index";
    if (readRowMalformed_.empty() && (ids.empty() || JoinSubIds(ids) != instance))
        readRowMalformed_ = "the instance is no list of sub-identifiers";
    for (int k = 0; k < keys; ++k) {
        VnSNMPVarItem& item = varList.Item(k);
        if (!readRowMalformed_.empty())
            item.value = MalformedKeyText(instance);
        if (!varList.IsReadable(k))
            item.lastOid = ColumnOid(k) + "." + instance;
    }
}

std::string VnSNMPRequest::ExpandItemReferences(const std::string& expression, bool quoteOtherValues,
                                                const std::string& marker)
{
    return ::ExpandItemReferences(varList, expression, quoteOtherValues, marker);
}

void VnSNMPRequest::ApplyItemExpression(int i, bool afterGet)
{
    VnSNMPVarItem& item = varList.Item(i);
    const std::optional<std::string>& expression = afterGet ? item.readExpr : item.writeExpr;
    if (!expression)
        return;
    const double result = EvaluateArithmetic(ExpandItemReferences(*expression, false, "$"));
    item.value = ShownText(item, ExpressionResultToValue(result, item.syntax));
}

bool VnSNMPRequest::EvaluateCondition(const std::string& condition)
{
    if (condition.empty())
        return true;
    return EvaluateLogical(ExpandItemReferences(condition, true, "$"));
}
