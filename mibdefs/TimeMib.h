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

// ---- "Time Control"; TimeMibControl.cpp
extern const VnSNMPVarDesc TimeControlTable[];  // scalars .12.10.1-.3

// ---- Summer time (.12.10.12): the mode and offset, and the start and end of
// the annual and of the repeating period (octet strings)
extern const VnOptionList TimeSummerStatusList;  // 0 disable, 1 repeating, 2 annual
extern const VnSNMPVarDesc SummerTimeModeTable[];     // scalars: status, offset
extern const VnSNMPVarDesc SummerTimeAnnualTable[];   // scalars: start, end
extern const VnSNMPVarDesc SummerTimeRepeatTable[];   // scalars: start, end
