#pragma once
// The binder of a table indexed by stack-unit number (the unit table, the
// slot-module table). The walk is blocking, and an agent whose table
// never ends, or lists units no stack has, would hold the window for
// ever: the walk stops at the first row that is no unit 1 to
// kVnMaxStackUnits, and after that many rows at most. Rows in OID order
// grow, so no unit can follow such a row.
#include <string>

#include "VnSNMPRequest2Edits.h"

class VnStackTableBinder : public VnSNMPRequest2Edits {
public:
    using VnSNMPRequest2Edits::VnSNMPRequest2Edits;

    // Where the last walk was stopped ("at unit 13", "after 12 rows"); empty
    // when the table ended by itself.
    const std::string& StopReason() const { return stopReason_; }

protected:
    void BeforeRefresh() override;
    void AddRow() override;
    void AfterRefresh() override;

private:
    int rows_ = 0;
    std::string stopReason_;
};
