// P-BRIDGE per-port GARP timers and 802.1 capabilities, indexed by
// dot1dBasePort.
#include "BridgeMib.h"

constinit const VnSNMPVarDesc GarpPortTable[] = {
    {"1.3.6.1.2.1.17.1.4.1.1", "Port Number", VnSyntax::Integer, VnAccess::NotAccess},
    {"1.3.6.1.2.1.17.6.1.3.1.1.1", "GARP Join Time", VnSyntax::Integer, VnAccess::ReadWrite},
    {"1.3.6.1.2.1.17.6.1.3.1.1.2", "GARP Leave Time", VnSyntax::Integer, VnAccess::ReadWrite},
    {"1.3.6.1.2.1.17.6.1.3.1.1.3", "GARP Leave All Time", VnSyntax::Integer, VnAccess::ReadWrite},
    {},
};

constinit const VnSNMPVarDesc PortCapabilitiesTable[] = {
    {"1.3.6.1.2.1.17.1.4.1.1", "Port Number", VnSyntax::Integer, VnAccess::NotAccess},
    {"1.3.6.1.2.1.17.6.1.1.4.1.1", "Port Capabilities", VnSyntax::BitStr, VnAccess::ReadOnly},
    {},
};
