#pragma once
// The switch's objects: an ordered map of instances, the access declared per
// OID prefix and the RowStatus columns that create and destroy rows. A set
// is checked and applied for the whole PDU at once.
#include "SimValue.h"

#include <map>
#include <optional>
#include <vector>

struct SimVarbind {
    SimOid oid;
    SimValue value;
};

// Values touched by an applied set, as they were before (nullopt: absent).
using SimUndo = std::vector<std::pair<SimOid, std::optional<SimValue>>>;

class SimStore {
public:
    enum class Access { ReadOnly, ReadWrite };

    void Put(const SimOid& oid, const SimValue& value) { values_[oid] = value; }
    bool Erase(const SimOid& oid) { return values_.erase(oid) > 0; }
    const SimValue* Find(const SimOid& oid) const;
    // First instance after `oid` (at or after it when `inclusive`).
    const std::pair<const SimOid, SimValue>* Next(const SimOid& oid, bool inclusive) const;
    // True when `oid` less its last sub-identifier is a prefix of an
    // instance: the object exists, only this instance is missing.
    bool HasObjectOf(const SimOid& oid) const;
    const std::map<SimOid, SimValue>& Values() const { return values_; }

    // The longest declared prefix wins; read-write where nothing is declared.
    void DeclareAccess(const SimOid& prefix, Access access);
    Access AccessOf(const SimOid& oid) const;

    // `column` is the RowStatus column; its parent is the table entry.
    void DeclareRowStatus(const SimOid& column);

    // Error status per varbind (0 where it may be set) for one set PDU.
    std::vector<int> CheckSet(const std::vector<SimVarbind>& varbinds) const;
    // Applies a PDU that CheckSet passed; returns what restores it.
    SimUndo ApplySet(const std::vector<SimVarbind>& varbinds);
    void Restore(const SimUndo& undo);

private:
    struct RowRef {
        SimOid entry;   // table entry OID
        SimOid column;  // RowStatus column OID
        SimOid index;   // instance part after entry.column
    };
    std::optional<RowRef> RowOf(const SimOid& oid) const;
    bool IsRowStatus(const SimOid& oid) const;
    bool RowExists(const RowRef& row) const;
    std::optional<SimType> ColumnType(const SimOid& columnOid) const;

    std::map<SimOid, SimValue> values_;
    std::map<SimOid, Access> access_;
    std::vector<SimOid> rowStatusColumns_;
};
