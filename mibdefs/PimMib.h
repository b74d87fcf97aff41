#pragma once
// PIM-MIB (1.3.6.1.3.61): descriptor tables and option lists.
// The option lists have static storage: built before main in the order they
// are defined, destroyed after it returns (no InitPimMibOptionLists /
// FreePimMibOptionLists calls). See README.md.
#include "VnOptionList.h"
#include "VnSNMPVarList.h"
