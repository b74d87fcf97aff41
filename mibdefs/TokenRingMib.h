#pragma once
// TOKEN-RING-RMON-MIB ring station and source routing: descriptor tables and
// option lists.
// The option lists have static storage: built before main in the order they
// are defined, destroyed after it returns (no InitTokenRingMibOptionLists /
// FreeTokenRingMibOptionLists calls). See README.md.
#include "VnOptionList.h"
#include "VnSNMPVarList.h"
