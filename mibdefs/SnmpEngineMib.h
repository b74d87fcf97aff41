#pragma once
// SNMP-FRAMEWORK-MIB snmpEngine: descriptor tables and option lists.
// No option lists. See README.md.
#include "VnOptionList.h"
#include "VnSNMPVarList.h"

// ---- snmpEngine scalars; SnmpEngineMib.cpp
extern const VnSNMPVarDesc SnmpEngineTable[];  // .10.2.1.1-.4
