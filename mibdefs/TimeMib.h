#pragma once
// Enterprise time: clock, SNTP, summer time (1.3.6.1.4.1.88406.12.10):
// descriptor tables and option lists.
// The option lists have static storage: built before main in the order they
// are defined, destroyed after it returns (no InitTimeMibOptionLists /
// FreeTimeMibOptionLists calls). See README.md.
#include "VnOptionList.h"
#include "VnSNMPVarList.h"

// ---- Clock and network time
extern const VnOptionList TimeTrueFalseList;  // 1 true, 2 false
extern const VnOptionList TimeSntpStateList;  // 2 disabled, 3 enabled
extern const VnOptionList TimeSourceList;     // 0 system, 1 server1, 2 server2
extern const VnSNMPVarDesc SystemTimeTable[];   // scalars
extern const VnSNMPVarDesc NetworkTimeTable[];  // scalars
