#pragma once
// The switch's objects: an ordered map of instances, the access declared per
// OID prefix, the status columns that create and remove rows and the
// declared tables that fill a new row. A set is checked and applied for the
// whole PDU at once.
#include "SimTable.h"
#include "SimValue.h"

#include <map>
#include <optional>
#include <string>
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
    // Last instance before `oid`.
    const std::pair<const SimOid, SimValue>* Before(const SimOid& oid) const;
    // True when `oid` less its last sub-identifier is a prefix of an
    // instance: the object exists, only this instance is missing.
    bool HasObjectOf(const SimOid& oid) const;
    const std::map<SimOid, SimValue>& Values() const { return values_; }

    // The longest declared prefix wins; read-write where nothing is declared.
    void DeclareAccess(const SimOid& prefix, Access access);
    Access AccessOf(const SimOid& oid) const;

    // `column` is a status column; its parent is the table entry. A
    // RowStatus column creates rows with createAndGo and createAndWait and
    // removes them with destroy; a valid/invalid column creates a missing
    // row when set to `valid` and removes it when set to `invalid`.
    void DeclareRowStatus(const SimOid& column);
    void DeclareValidStatus(const SimOid& column, std::int64_t valid, std::int64_t invalid);

    // Starts the declaration of the table at `entry` afresh.
    void DeclareTable(const SimOid& entry, const std::vector<SimIndexKind>& index);
    // Adds a column to the declared table above it; false with `error` when
    // there is no such table or the column cannot show its index part.
    bool DeclareColumn(const SimOid& column, const SimColumn& declared, std::string& error);

    // Error status per varbind (0 where it may be set) for one set PDU.
    std::vector<int> CheckSet(const std::vector<SimVarbind>& varbinds) const;
    // Applies a PDU that CheckSet passed; returns what restores it.
    SimUndo ApplySet(const std::vector<SimVarbind>& varbinds);
    void Restore(const SimUndo& undo);

private:
    struct StatusColumn {
        SimOid column;
        bool rowStatus = true;     // else valid/invalid
        std::int64_t valid = 0;    // the values of a valid/invalid column
        std::int64_t invalid = 0;
    };
    enum class StatusAction { Create, Keep, Remove, Refuse };
    void DeclareStatus(const StatusColumn& declared);
    struct RowRef {
        SimOid entry;                // table entry OID
        const StatusColumn* status;  // its status column
        SimOid index;                // instance part after entry.column
    };
    std::optional<RowRef> RowOf(const SimOid& oid) const;
    bool IsStatus(const RowRef& row, const SimOid& oid) const;
    bool RowExists(const RowRef& row) const;
    static StatusAction ActionOf(const StatusColumn& status, const SimValue& value);
    int CheckStatus(const RowRef& row, const SimValue& value, bool exists, bool createdHere) const;
    // The declared table `oid` lies in, with the column number and instance.
    struct Cell {
        const SimTable* table;
        std::uint32_t column;
        SimOid index;
    };
    std::optional<Cell> CellOf(const SimOid& oid) const;
    // A new row's instance must cut into the declared index parts.
    bool CanCreate(const RowRef& row) const;
    // inconsistentValue when `oid` is an index column sent another value
    // than its part of the instance.
    int CheckIndexCell(const SimOid& oid, const SimValue& value) const;
    std::optional<SimType> ColumnType(const SimOid& columnOid) const;

    std::map<SimOid, SimValue> values_;
    std::map<SimOid, Access> access_;
    std::vector<StatusColumn> statusColumns_;
    std::map<SimOid, SimTable> tables_;  // by entry OID
};
