#pragma once
// SNMP-MPD-MIB statistics: descriptor tables and option lists.
// No option lists. See README.md.
#include "VnOptionList.h"
#include "VnSNMPVarList.h"

// ---- snmpMPDStats scalars; SnmpMpdStatsMib.cpp
extern const VnSNMPVarDesc SnmpMpdStatsTable[];  // .11.2.1.1-.3
