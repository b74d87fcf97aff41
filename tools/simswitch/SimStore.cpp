#include "SimStore.h"

#include <algorithm>
#include <iterator>
#include <set>

namespace {

// RFC 2579 RowStatus values.
enum RowStatus {
    kActive = 1,
    kNotInService = 2,
    kCreateAndGo = 4,
    kCreateAndWait = 5,
    kDestroy = 6,
};

enum Status {
    kWrongType = 7,
    kWrongValue = 10,
    kNoCreation = 11,
    kInconsistentValue = 12,
    kNotWritable = 17,
};

SimOid Concat(const SimOid& a, const SimOid& b)
{
    SimOid out = a;
    out.insert(out.end(), b.begin(), b.end());
    return out;
}

}  // namespace

const SimValue* SimStore::Find(const SimOid& oid) const
{
    auto it = values_.find(oid);
    return it == values_.end() ? nullptr : &it->second;
}

const std::pair<const SimOid, SimValue>* SimStore::Next(const SimOid& oid, bool inclusive) const
{
    auto it = inclusive ? values_.lower_bound(oid) : values_.upper_bound(oid);
    return it == values_.end() ? nullptr : &*it;
}

const std::pair<const SimOid, SimValue>* SimStore::Before(const SimOid& oid) const
{
    auto it = values_.lower_bound(oid);
    return it == values_.begin() ? nullptr : &*std::prev(it);
}

bool SimStore::HasObjectOf(const SimOid& oid) const
{
    if (oid.size() < 2)
        return false;
    if (auto row = RowOf(oid); row && ColumnType(SimOid(oid.begin(), oid.begin() + row->entry.size() + 1)))
        return true;
    if (auto cell = CellOf(oid); cell && cell->table->columns.count(cell->column))
        return true;
    SimOid parent(oid.begin(), oid.end() - 1);
    auto it = values_.upper_bound(parent);
    return it != values_.end() && SimOidHasPrefix(it->first, parent);
}

void SimStore::DeclareAccess(const SimOid& prefix, Access access)
{
    access_[prefix] = access;
}

SimStore::Access SimStore::AccessOf(const SimOid& oid) const
{
    std::size_t bestLength = 0;
    Access best = Access::ReadWrite;
    for (const auto& [prefix, access] : access_) {
        if (prefix.size() >= bestLength && SimOidHasPrefix(oid, prefix)) {
            bestLength = prefix.size();
            best = access;
        }
    }
    return best;
}

void SimStore::DeclareRowStatus(const SimOid& column)
{
    DeclareStatus(StatusColumn{column});
}

void SimStore::DeclareValidStatus(const SimOid& column, std::int64_t valid, std::int64_t invalid)
{
    DeclareStatus(StatusColumn{column, false, valid, invalid});
}

void SimStore::DeclareStatus(const StatusColumn& declared)
{
    for (auto& known : statusColumns_) {
        if (known.column == declared.column) {
            known = declared;
            return;
        }
    }
    statusColumns_.push_back(declared);
}

void SimStore::DeclareTable(const SimOid& entry, const std::vector<SimIndexKind>& index)
{
    tables_[entry] = SimTable{index, {}};
}

bool SimStore::DeclareColumn(const SimOid& column, const SimColumn& declared, std::string& error)
{
    auto table = tables_.find(SimOid(column.begin(), column.end() - 1));
    if (table == tables_.end()) {
        error = "no table line for the entry above " + SimFormatOid(column);
        return false;
    }
    if (declared.indexPart) {
        error = table->second.CheckIndexColumn(declared);
        if (!error.empty())
            return false;
    }
    table->second.columns[column.back()] = declared;
    return true;
}

std::optional<SimStore::RowRef> SimStore::RowOf(const SimOid& oid) const
{
    for (const auto& status : statusColumns_) {
        const SimOid& column = status.column;
        SimOid entry(column.begin(), column.end() - 1);
        if (oid.size() <= column.size() || !SimOidHasPrefix(oid, entry))
            continue;
        return RowRef{entry, &status, SimOid(oid.begin() + column.size(), oid.end())};
    }
    return std::nullopt;
}

bool SimStore::IsStatus(const RowRef& row, const SimOid& oid) const
{
    return SimOidHasPrefix(oid, row.status->column);
}

bool SimStore::RowExists(const RowRef& row) const
{
    return Find(Concat(row.status->column, row.index)) != nullptr;
}

std::optional<SimStore::Cell> SimStore::CellOf(const SimOid& oid) const
{
    for (const auto& [entry, table] : tables_) {
        if (oid.size() > entry.size() + 1 && SimOidHasPrefix(oid, entry))
            return Cell{&table, oid[entry.size()], SimOid(oid.begin() + entry.size() + 1, oid.end())};
    }
    return std::nullopt;
}

bool SimStore::CanCreate(const RowRef& row) const
{
    auto table = tables_.find(row.entry);
    if (table == tables_.end())
        return true;
    auto parts = table->second.Split(row.index);
    if (!parts)
        return false;
    for (const auto& [number, column] : table->second.columns) {
        if (column.indexPart && !table->second.IndexValue(column, *parts))
            return false;
    }
    return true;
}

int SimStore::CheckIndexCell(const SimOid& oid, const SimValue& value) const
{
    auto cell = CellOf(oid);
    if (!cell)
        return 0;
    auto column = cell->table->columns.find(cell->column);
    if (column == cell->table->columns.end() || !column->second.indexPart)
        return 0;
    auto parts = cell->table->Split(cell->index);
    if (!parts)
        return 0;
    auto shown = cell->table->IndexValue(column->second, *parts);
    return shown && !(*shown == value) ? kInconsistentValue : 0;
}

SimStore::StatusAction SimStore::ActionOf(const StatusColumn& status, const SimValue& value)
{
    if (value.type != SimType::Integer)
        return StatusAction::Refuse;
    if (!status.rowStatus) {
        if (value.number == status.valid)
            return StatusAction::Create;
        return value.number == status.invalid ? StatusAction::Remove : StatusAction::Refuse;
    }
    switch (value.number) {
    case kCreateAndGo:
    case kCreateAndWait:
        return StatusAction::Create;
    case kActive:
    case kNotInService:
        return StatusAction::Keep;
    case kDestroy:
        return StatusAction::Remove;
    default:
        return StatusAction::Refuse;
    }
}

int SimStore::CheckStatus(const RowRef& row, const SimValue& value, bool exists, bool createdHere) const
{
    if (value.type != SimType::Integer)
        return kWrongType;
    switch (ActionOf(*row.status, value)) {
    case StatusAction::Create:
        // Setting valid again is fine; createAndGo on a row is not.
        if (exists)
            return row.status->rowStatus ? kInconsistentValue : 0;
        return CanCreate(row) ? 0 : kNoCreation;
    case StatusAction::Keep:
        return exists || createdHere ? 0 : kInconsistentValue;
    case StatusAction::Remove:
        return 0;
    case StatusAction::Refuse:
        break;
    }
    return kWrongValue;
}

std::optional<SimType> SimStore::ColumnType(const SimOid& columnOid) const
{
    if (columnOid.size() >= 2) {
        auto table = tables_.find(SimOid(columnOid.begin(), columnOid.end() - 1));
        if (table != tables_.end()) {
            auto column = table->second.columns.find(columnOid.back());
            if (column != table->second.columns.end())
                return column->second.type;
        }
    }
    auto it = values_.upper_bound(columnOid);
    if (it == values_.end() || !SimOidHasPrefix(it->first, columnOid))
        return std::nullopt;
    return it->second.type;
}

std::vector<int> SimStore::CheckSet(const std::vector<SimVarbind>& varbinds) const
{
    std::vector<int> status(varbinds.size(), 0);

    // Rows this PDU creates: their other columns may be set with them.
    std::set<SimOid> created;
    for (const auto& vb : varbinds) {
        auto row = RowOf(vb.oid);
        if (row && IsStatus(*row, vb.oid) && ActionOf(*row->status, vb.value) == StatusAction::Create &&
            !Find(vb.oid))
            created.insert(vb.oid);
    }

    for (std::size_t i = 0; i < varbinds.size(); ++i) {
        const auto& vb = varbinds[i];
        const SimValue* current = Find(vb.oid);
        if (AccessOf(vb.oid) == Access::ReadOnly) {
            status[i] = kNotWritable;
            continue;
        }
        auto row = RowOf(vb.oid);
        if (row && IsStatus(*row, vb.oid)) {
            status[i] = CheckStatus(*row, vb.value, current != nullptr, created.count(vb.oid) > 0);
            continue;
        }
        if (current) {
            status[i] = current->type != vb.value.type ? kWrongType : CheckIndexCell(vb.oid, vb.value);
            continue;
        }
        if (!row || !(RowExists(*row) || created.count(Concat(row->status->column, row->index)))) {
            status[i] = kNoCreation;
            continue;
        }
        SimOid column(vb.oid.begin(), vb.oid.begin() + row->entry.size() + 1);
        if (auto type = ColumnType(column); type && *type != vb.value.type)
            status[i] = kWrongType;
        else
            status[i] = CheckIndexCell(vb.oid, vb.value);
    }
    return status;
}

SimUndo SimStore::ApplySet(const std::vector<SimVarbind>& varbinds)
{
    SimUndo undo;
    std::set<SimOid> touched;
    auto remember = [&](const SimOid& oid) {
        if (!touched.insert(oid).second)
            return;
        const SimValue* old = Find(oid);
        undo.emplace_back(oid, old ? std::optional<SimValue>(*old) : std::nullopt);
    };

    std::vector<RowRef> created;
    std::vector<RowRef> destroyed;
    for (const auto& vb : varbinds) {
        auto row = RowOf(vb.oid);
        if (!row || !IsStatus(*row, vb.oid)) {
            remember(vb.oid);
            values_[vb.oid] = vb.value;
            continue;
        }
        SimValue status = vb.value;
        switch (ActionOf(*row->status, vb.value)) {
        case StatusAction::Remove:
            destroyed.push_back(*row);
            continue;
        case StatusAction::Create:
            if (!Find(vb.oid))
                created.push_back(*row);
            if (row->status->rowStatus)
                status.number = vb.value.number == kCreateAndGo ? kActive : kNotInService;
            break;
        default:
            break;
        }
        remember(vb.oid);
        values_[vb.oid] = status;
    }

    // A new row of a declared table gets every column the PDU left out:
    // index columns their part of the instance, the others their default.
    for (const auto& row : created) {
        auto table = tables_.find(row.entry);
        if (table == tables_.end())
            continue;
        auto parts = table->second.Split(row.index);
        if (!parts)
            continue;
        for (const auto& [number, column] : table->second.columns) {
            SimOid oid = Concat(Concat(row.entry, {number}), row.index);
            auto value = column.indexPart ? table->second.IndexValue(column, *parts) : column.initial;
            if (Find(oid) || !value)
                continue;
            remember(oid);
            values_[oid] = *value;
        }
    }

    // A removed row goes with every column, whatever else the PDU set in it.
    for (const auto& row : destroyed) {
        const std::size_t length = row.status->column.size() + row.index.size();
        std::vector<SimOid> doomed;
        for (auto it = values_.upper_bound(row.entry);
             it != values_.end() && SimOidHasPrefix(it->first, row.entry); ++it) {
            const SimOid& oid = it->first;
            if (oid.size() == length &&
                std::equal(row.index.begin(), row.index.end(), oid.end() - row.index.size()))
                doomed.push_back(oid);
        }
        for (const auto& oid : doomed) {
            remember(oid);
            values_.erase(oid);
        }
    }
    return undo;
}

void SimStore::Restore(const SimUndo& undo)
{
    for (auto it = undo.rbegin(); it != undo.rend(); ++it) {
        if (it->second)
            values_[it->first] = *it->second;
        else
            values_.erase(it->first);
    }
}
