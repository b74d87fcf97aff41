#pragma once
// The binder of a table indexed by stack-unit number (the unit table, the
// slot-module table). The walk is blocking, and an agent whose table
// never ends, or lists units no stack has, would hold the window for
// ever. Rows come in OID order, so once a unit above kVnMaxStackUnits has
// come no unit can follow: the walk stops there. A row that is no unit
// at all (unit 0, a number that does not read) can come before the real
// units: it is skipped and named. The walk also stops after
// kVnMaxStackUnits rows of either kind.
#include <string>

#include "VnSNMPRequest2Edits.h"

class VnStackTableBinder : public VnSNMPRequest2Edits {
public:
    using VnSNMPRequest2Edits::VnSNMPRequest2Edits;

    // Where the last walk was stopped ("at unit 13", "after 12 rows"); empty
    // when the table ended by itself.
    const std::string& StopReason() const { return stopReason_; }
    // The units of the rows the last walk skipped ("0, x"); empty for none.
    const std::string& SkippedUnits() const { return skipped_; }

protected:
    void BeforeRefresh() override;
    void AddRow() override;
    void AfterRefresh() override;

private:
    int rows_ = 0;
    int skippedRows_ = 0;
    std::string stopReason_;
    std::string skipped_;
};
