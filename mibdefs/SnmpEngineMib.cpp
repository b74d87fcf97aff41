// The agent's own SNMP engine (SNMP-FRAMEWORK-MIB snmpEngine, .10.2.1).
#include "SnmpEngineMib.h"

constinit const VnSNMPVarDesc SnmpEngineTable[] = {
    {"1.3.6.1.6.3.10.2.1.1", "Engine ID", VnSyntax::OctetStr, VnAccess::ReadOnly},
    {"1.3.6.1.6.3.10.2.1.2", "Engine Boot Numbers", VnSyntax::Integer, VnAccess::ReadOnly},
    {"1.3.6.1.6.3.10.2.1.3", "Engine Time", VnSyntax::Integer, VnAccess::ReadOnly},
    {"1.3.6.1.6.3.10.2.1.4", "Engine Max Message Size", VnSyntax::Integer, VnAccess::ReadOnly},
    {},
};
