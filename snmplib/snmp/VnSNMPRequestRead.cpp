// Reading a reply into the request's items: the scalars of a get, one row
// of a table walk, and how a walk ends.
#include "VnSNMPRequest.h"

#include "Pdu.h"
#include "Vb.h"
#include "VnException.h"
#include "VnItemConversion.h"
#include "VnMessages.h"
#include "VnReplyCheck.h"
#include "VnSNMPDefaults.h"

#include <algorithm>
#include <span>

namespace {

// A reply without a binding for every item asked.
constexpr int kShortReply = -400 + SnmpResult::InvalidPdu;

std::size_t SubIdCount(const std::string& dotted)
{
    return static_cast<std::size_t>(std::count(dotted.begin(), dotted.end(), '.')) + 1;
}

bool StartsColumn(const std::string& column, const std::string& oid)
{
    return oid.size() > column.size() && oid.compare(0, column.size(), column) == 0
           && oid[column.size()] == '.';
}

} // namespace

bool VnSNMPRequest::ColumnEnded(int i) const
{
    const auto k = static_cast<std::size_t>(i);
    return i >= 0 && k < columnEnded_.size() && columnEnded_[k];
}

void VnSNMPRequest::EndColumn(int i)
{
    if (columnEnded_.size() < static_cast<std::size_t>(varList.Count()))
        columnEnded_.resize(static_cast<std::size_t>(varList.Count()), false);
    columnEnded_[static_cast<std::size_t>(i)] = true;
    varList.Item(i).value = kVnNotDoneValue;
}

void VnSNMPRequest::NoteBadReply(std::string text)
{
    // The first one tells the user what is wrong; later ones are alike.
    if (badReply_.empty())
        badReply_ = std::move(text);
}

std::string VnSNMPRequest::TakeBadReply()
{
    std::string text;
    text.swap(badReply_);
    return text;
}

VnSNMPRequest::AskedList VnSNMPRequest::ReadableItems() const
{
    AskedList asked;
    for (int i = 0; i < varList.Count(); ++i) {
        if (varList.IsReadable(i))
            asked.push_back({i, {}});
    }
    return asked;
}

VnSNMPRequest::ReadOutcome VnSNMPRequest::ReadResponse(const Pdu& pdu, const AskedList& asked,
                                                       bool noSuchName, bool readBack)
{
    if (noSuchName)
        return ReadNoSuchName(pdu, asked);
    if (static_cast<std::size_t>(pdu.get_vb_count()) < asked.size())
        VnRaise(kShortReply);
    return IsTable() ? ReadTableStep(pdu, asked, readBack) : ReadSingleValues(pdu, asked);
}

VnSNMPRequest::ReadOutcome VnSNMPRequest::ReadNoSuchName(const Pdu& pdu, const AskedList& asked)
{
    // An SNMPv1 agent past the end of its MIB refuses the whole get-next
    // and names the binding: that column has left its table, the others
    // ask again. It answers with the OIDs it was asked for.
    const std::vector<Vb>& vbs = pdu.vbs();
    const int index = pdu.get_error_index();
    if (index >= 1 && static_cast<std::size_t>(index) <= std::min(asked.size(), vbs.size())) {
        const Asked& failed = asked[static_cast<std::size_t>(index - 1)];
        if (vbs[static_cast<std::size_t>(index - 1)].get_printable_oid() != failed.oid)
            return ReadOutcome::NoSuchName;
        EndColumn(failed.item);
        const bool othersLeft = std::any_of(asked.begin(), asked.end(),
                                            [&](const Asked& a) { return !ColumnEnded(a.item); });
        if (othersLeft)
            return ReadOutcome::Retry;
    } else if (asked.empty() || vbs.empty() || vbs[0].get_printable_oid() != asked[0].oid) {
        return ReadOutcome::NoSuchName;
    }
    for (int i = 0; i < varList.Count(); ++i) {
        if (varList.IsReadable(i))
            EndColumn(i);
    }
    return ReadOutcome::MibEnded;
}

VnSNMPRequest::ReadOutcome VnSNMPRequest::ReadTableStep(const Pdu& pdu, const AskedList& asked, bool readBack)
{
    const auto ended = [&](int i) { return !readBack && ColumnEnded(i); };
    const auto end = [&](int i) {
        if (readBack)
            varList.Item(i).value = kVnNotDoneValue;
        else
            EndColumn(i);
    };
    const std::vector<Vb>& vbs = pdu.vbs();
    struct Cell {
        int item;
        const Vb* vb;
        std::string column;
        std::string returned;
        std::span<const std::uint32_t> instance;
    };
    std::vector<Cell> cells;
    cells.reserve(asked.size());
    std::span<const std::uint32_t> row;
    bool anyInColumn = false;
    for (std::size_t k = 0; k < asked.size(); ++k) {
        const int i = asked[k].item;
        const Vb& vb = vbs[k];
        std::string column = ColumnOid(i);
        std::string returned = vb.get_printable_oid();
        VnSNMPVarItem& item = varList.Item(i);
        const std::vector<std::uint32_t>& ids = vb.get_oid().ids();
        const std::size_t columnLength = SubIdCount(column);
        if (ended(i) || IsEndOfColumn(column, item.lastOid, returned) || ids.size() <= columnLength) {
            // This column has left its table; the others go on without it.
            // An agent that went back or stood still ends it too, in the
            // column or out of it, and the walk's outcome names the OID: a
            // get-next answer is never before the OID asked. The end of the
            // agent's MIB comes back under the OID asked, and is no fault.
            if (!readBack && !ended(i) && !vb.is_exception() && IsOidNotAfter(returned, asked[k].oid))
                NoteBadReply(NonIncreasingOidText(returned, asked[k].oid));
            end(i);
            item.lastOid = std::move(returned);
            continue;
        }
        const std::span<const std::uint32_t> instance = std::span(ids).subspan(columnLength);
        // Instances compare as OIDs, number by number: 1.2 comes before 1.10.
        if (!anyInColumn || std::ranges::lexicographical_compare(instance, row))
            row = instance;
        anyInColumn = true;
        cells.push_back({i, &vb, std::move(column), std::move(returned), instance});
    }
    // Columns that ended in an earlier step stay without value.
    for (int i = 0; i < varList.Count(); ++i) {
        if (ended(i))
            varList.Item(i).value = kVnNotDoneValue;
    }
    if (!anyInColumn)
        return ReadOutcome::WalkEnded;

    const std::string instance = JoinSubIds(row);
    for (Cell& cell : cells) {
        VnSNMPVarItem& item = varList.Item(cell.item);
        if (!std::ranges::equal(cell.instance, row)) {
            // The row lacks this cell: no value here, and the next step
            // asks from this row again so the cell found is not lost.
            item.value = kVnNotDoneValue;
            item.lastOid = cell.column + "." + instance;
            continue;
        }
        if (VbFitsSyntax(item.syntax, *cell.vb)) {
            VbToItemValue(cell.item, *cell.vb);
        } else {
            item.value = kVnNotDoneValue;
            NoteBadReply(WrongTypeText(*cell.vb, item.syntax));
        }
        item.lastOid = std::move(cell.returned);
    }
    SetKeysFromIndex(instance);
    for (int i = 0; i < varList.Count(); ++i)
        ApplyItemExpression(i, true);
    return ReadOutcome::Row;
}

VnSNMPRequest::ReadOutcome VnSNMPRequest::ReadSingleValues(const Pdu& pdu, const AskedList& asked)
{
    const std::vector<Vb>& vbs = pdu.vbs();
    // A list read with get-next takes whatever instance the item's column
    // holds after the one named; a get takes exactly the OID it asked for.
    const bool nextOf = varList.itemType == MVT_SV && getNextMode;
    bool bad = false;
    for (std::size_t k = 0; k < asked.size(); ++k) {
        const int i = asked[k].item;
        const Vb& vb = vbs[k];
        VnSNMPVarItem& item = varList.Item(i);
        std::string returned = vb.get_printable_oid();
        if (!asked[k].oid.empty()) {
            const bool oidFits = nextOf ? StartsColumn(item.oid, returned)
                                              || (vb.is_exception() && returned == asked[k].oid)
                                        : returned == asked[k].oid;
            if (!oidFits) {
                item.value = kVnNotDoneValue;
                NoteBadReply(WrongOidText(vb, nextOf ? item.oid : asked[k].oid, nextOf));
                bad = true;
                continue;
            }
        }
        if (!VbFitsSyntax(item.syntax, vb)) {
            item.value = kVnNotDoneValue;
            NoteBadReply(WrongTypeText(vb, item.syntax));
            bad = true;
        } else {
            VbToItemValue(i, vb);
        }
        item.lastOid = std::move(returned);
    }
    if (bad)
        return ReadOutcome::BadReply;
    for (int i = 0; i < varList.Count(); ++i)
        ApplyItemExpression(i, true);
    return ReadOutcome::Row;
}
