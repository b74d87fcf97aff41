// The IP-MAC map of the layer-3 configuration (.11.59.5.3.2.6).
#include "L3Mib.h"

constinit const VnSNMPVarDesc IpMacMapTable[] = {
    {"1.3.6.1.4.1.88406.11.59.5.3.2.6.1.1.1", "IPMAC Map MAC Offset", VnSyntax::Integer, VnAccess::NotAccess},
    {"1.3.6.1.4.1.88406.11.59.5.3.2.6.1.1.2", "IPMAC Map Interface Name", VnSyntax::DisplayStr, VnAccess::ReadWrite},
    {},
};
