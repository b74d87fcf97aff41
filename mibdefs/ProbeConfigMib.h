#pragma once
// RMON2-MIB probeConfig: descriptor tables and option lists.
// The option lists have static storage: built before main in the order they
// are defined, destroyed after it returns (no InitProbeConfigMibOptionLists /
// FreeProbeConfigMibOptionLists calls). See README.md.
#include "VnOptionList.h"
#include "VnSNMPVarList.h"
