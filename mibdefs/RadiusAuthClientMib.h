#pragma once
// RADIUS authentication client (1.3.6.1.2.1.67.1): descriptor tables.
// The option lists have static storage: built before main in the order they
// are defined, destroyed after it returns. See README.md.
#include "VnOptionList.h"
#include "VnSNMPVarList.h"

extern const VnSNMPVarDesc RadiusAuthInformationTable[];
extern const VnSNMPVarDesc RadiusAuthServerTable[];
