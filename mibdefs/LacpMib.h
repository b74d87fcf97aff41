#pragma once
// Enterprise 802.3ad (1.3.6.1.4.1.88406.12.4): descriptor tables and option
// lists.
// The option lists have static storage: built before main in the order they
// are defined, destroyed after it returns (no InitLacpMibOptionLists /
// FreeLacpMibOptionLists calls). See README.md.
#include "VnOptionList.h"
#include "VnSNMPVarList.h"

// ---- Aggregators
extern const VnOptionList LacpTrueFalseList;  // 1 true, 2 false
extern const VnSNMPVarDesc AggregatorTable[];  // key count 1

// ---- Aggregation ports, by port index; the state octets are bit strings
extern const VnSNMPVarDesc AggregatorPortTable[];  // key count 1
