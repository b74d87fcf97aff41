#pragma once
// Enterprise IGMP snooping (1.3.6.1.4.1.88406.12.18) and one scalar group
// (.12.32): descriptor tables and option lists.
// The option lists have static storage: built before main in the order they
// are defined, destroyed after it returns (no InitIgmpMibOptionLists /
// FreeIgmpMibOptionLists calls). See README.md.
#include "VnOptionList.h"
#include "VnSNMPVarList.h"
