#pragma once
// Enterprise layer 3 (1.3.6.1.4.1.88406.11.59.5.3): descriptor tables and
// option lists.
// The option lists have static storage: built before main in the order they
// are defined, destroyed after it returns (no InitL3MibOptionLists /
// FreeL3MibOptionLists calls). See README.md.
#include "VnOptionList.h"
#include "VnSNMPVarList.h"
