#pragma once
// PIM-MIB (1.3.6.1.3.61): descriptor tables and option lists.
// The option lists have static storage: built before main in the order they
// are defined, destroyed after it returns (no InitPimMibOptionLists /
// FreePimMibOptionLists calls). See README.md.
#include "VnOptionList.h"
#include "VnSNMPVarList.h"

// ---- the PIM-MIB generic editors; PimMibRouting.cpp
extern const VnOptionList PimInterfaceModeList;  // 1 dense, 2 sparse, 3 sparseDense
extern const VnOptionList PimNeighborModeList;   // 1 dense, 2 sparse
extern const VnOptionList PimTrueFalseList;      // 1 true, 2 false
extern const VnOptionList PimRowStatusList;      // 1 active, 4 createAndGo, 6 destroy
extern const VnSNMPVarDesc PimInterfaceTable[];    // .1.1.2.1, key: ifIndex
extern const VnSNMPVarDesc PimNeighborTable[];     // .1.1.3.1, key: address
extern const VnSNMPVarDesc PimIpMRouteTable[];     // .1.1.4.1, keys: group, source, mask (no objects)
extern const VnSNMPVarDesc PimRpSetTable[];        // .1.1.6.1, keys: component, group, mask, address
extern const VnSNMPVarDesc PimCandidateRpTable[];  // .1.1.11.1, keys: group, mask
