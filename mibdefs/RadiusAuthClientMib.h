#pragma once
// RADIUS-AUTH-CLIENT-MIB: descriptor tables and option lists.
// No option lists. See README.md.
#include "VnOptionList.h"
#include "VnSNMPVarList.h"
