// Message processing and dispatching counters (SNMP-MPD-MIB snmpMPDStats,
// .11.2.1).
#include "SnmpMpdStatsMib.h"

constinit const VnSNMPVarDesc SnmpMpdStatsTable[] = {
    {"1.3.6.1.6.3.11.2.1.1", "Unknown Security Models", VnSyntax::Counter, VnAccess::ReadOnly},
    {"1.3.6.1.6.3.11.2.1.2", "Invalid Message", VnSyntax::Counter, VnAccess::ReadOnly},
    {"1.3.6.1.6.3.11.2.1.3", "Unknown PDU Handlers", VnSyntax::Counter, VnAccess::ReadOnly},
    {},
};
