#pragma once
// Enterprise access profiles and CPU-interface filtering
// (1.3.6.1.4.1.88406.12.9): descriptor tables and option lists.
// The option lists have static storage: built before main in the order they
// are defined, destroyed after it returns (no InitAclMibOptionLists /
// FreeAclMibOptionLists calls). See README.md.
#include "VnOptionList.h"
#include "VnSNMPVarList.h"

// ---- CPU-interface filtering
extern const VnOptionList CpuFilterStateList;  // 3 enabled, 2 disabled: shown in that order
extern const VnSNMPVarDesc CpuInterfaceFilterStateTable[];  // scalars
