#pragma once
// Enterprise 802.1X and RADIUS (1.3.6.1.4.1.88406.12.3), login/enable methods
// and servers (.12.5), RMON etherStats: descriptor tables and option lists.
// The option lists have static storage: built before main in the order they
// are defined, destroyed after it returns (no InitAuthMibOptionLists /
// FreeAuthMibOptionLists calls). See README.md.
#include "VnOptionList.h"
#include "VnSNMPVarList.h"
