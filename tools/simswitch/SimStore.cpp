#include "SimStore.h"

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

bool SimStore::HasObjectOf(const SimOid& oid) const
{
    if (oid.size() < 2)
        return false;
    if (auto row = RowOf(oid); row && ColumnType(SimOid(oid.begin(), oid.begin() + row->entry.size() + 1)))
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
    for (const auto& known : rowStatusColumns_) {
        if (known == column)
            return;
    }
    rowStatusColumns_.push_back(column);
}

std::optional<SimStore::RowRef> SimStore::RowOf(const SimOid& oid) const
{
    for (const auto& column : rowStatusColumns_) {
        SimOid entry(column.begin(), column.end() - 1);
        if (oid.size() <= column.size() || !SimOidHasPrefix(oid, entry))
            continue;
        return RowRef{entry, column, SimOid(oid.begin() + column.size(), oid.end())};
    }
    return std::nullopt;
}

bool SimStore::IsRowStatus(const SimOid& oid) const
{
    auto row = RowOf(oid);
    return row && SimOidHasPrefix(oid, row->column);
}

bool SimStore::RowExists(const RowRef& row) const
{
    return Find(Concat(row.column, row.index)) != nullptr;
}

std::optional<SimType> SimStore::ColumnType(const SimOid& columnOid) const
{
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
        if (!IsRowStatus(vb.oid) || vb.value.type != SimType::Integer)
            continue;
        if ((vb.value.number == kCreateAndGo || vb.value.number == kCreateAndWait) && !Find(vb.oid))
            created.insert(vb.oid);
    }

    for (std::size_t i = 0; i < varbinds.size(); ++i) {
        const auto& vb = varbinds[i];
        const SimValue* current = Find(vb.oid);
        if (AccessOf(vb.oid) == Access::ReadOnly) {
            status[i] = kNotWritable;
            continue;
        }
        if (IsRowStatus(vb.oid)) {
            if (vb.value.type != SimType::Integer) {
                status[i] = kWrongType;
                continue;
            }
            switch (vb.value.number) {
            case kActive:
            case kNotInService:
                if (!current && !created.count(vb.oid))
                    status[i] = kInconsistentValue;
                break;
            case kCreateAndGo:
            case kCreateAndWait:
                if (current)
                    status[i] = kInconsistentValue;
                break;
            case kDestroy:
                break;
            default:
                status[i] = kWrongValue;
            }
            continue;
        }
        if (current) {
            if (current->type != vb.value.type)
                status[i] = kWrongType;
            continue;
        }
        auto row = RowOf(vb.oid);
        if (!row || !(RowExists(*row) || created.count(Concat(row->column, row->index)))) {
            status[i] = kNoCreation;
            continue;
        }
        SimOid column(vb.oid.begin(), vb.oid.begin() + row->entry.size() + 1);
        if (auto type = ColumnType(column); type && *type != vb.value.type)
            status[i] = kWrongType;
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

    std::vector<RowRef> destroyed;
    for (const auto& vb : varbinds) {
        if (!IsRowStatus(vb.oid)) {
            remember(vb.oid);
            values_[vb.oid] = vb.value;
            continue;
        }
        SimValue status = vb.value;
        switch (vb.value.number) {
        case kDestroy:
            destroyed.push_back(*RowOf(vb.oid));
            continue;
        case kCreateAndGo:
            status.number = kActive;
            break;
        case kCreateAndWait:
            status.number = kNotInService;
            break;
        default:
            break;
        }
        remember(vb.oid);
        values_[vb.oid] = status;
    }

    // A destroyed row goes with every column, whatever else the PDU set in it.
    for (const auto& row : destroyed) {
        std::vector<SimOid> doomed;
        for (auto it = values_.upper_bound(row.entry);
             it != values_.end() && SimOidHasPrefix(it->first, row.entry); ++it) {
            const SimOid& oid = it->first;
            if (oid.size() == row.column.size() + row.index.size() &&
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
