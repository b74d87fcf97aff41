// The single-IP editors (.12.8.1): this switch's information (.1) and
// control (.2), candidate switches (.4), groups by MAC address (.5) and
// neighbours by port and MAC address (.6).
#include "SingleIpMib.h"

namespace {

const VnIntOption singleIpStateOptions[] = {{2, "disabled"}, {3, "enabled"}, {0, nullptr}};
const VnIntOption singleIpRoleOptions[] = {{1, "cs"}, {2, "cas"}, {3, "ms"}, {0, nullptr}};
const VnIntOption neighborRoleOptions[] = {{1, "commander"}, {2, "candidate"}, {3, "member"}, {0, nullptr}};

}  // namespace

const VnOptionList SingleIpStateList(singleIpStateOptions);
const VnOptionList SingleIpRoleList(singleIpRoleOptions);
const VnOptionList SingleIpNeighborRoleList(neighborRoleOptions);

constinit const VnSNMPVarDesc SingleIpControlTable[] = {
    {"1.3.6.1.4.1.88406.12.8.1.2.1", "SingleIP Status", VnSyntax::Integer, VnAccess::ReadWrite, &SingleIpStateList},
    {"1.3.6.1.4.1.88406.12.8.1.2.2", "SingleIP Role", VnSyntax::Integer, VnAccess::ReadWrite, &SingleIpRoleList},
    {"1.3.6.1.4.1.88406.12.8.1.2.3", "SingleIP Holdtime", VnSyntax::Integer, VnAccess::ReadWrite},
    {"1.3.6.1.4.1.88406.12.8.1.2.4", "Time Interval", VnSyntax::Integer, VnAccess::ReadWrite},
    {},
};

constinit const VnSNMPVarDesc SingleIpMyInformationTable[] = {
    {"1.3.6.1.4.1.88406.12.8.1.1.1", "Version", VnSyntax::DisplayStr, VnAccess::ReadOnly},
    {"1.3.6.1.4.1.88406.12.8.1.1.2", "Capability", VnSyntax::DisplayStr, VnAccess::ReadOnly},
    {"1.3.6.1.4.1.88406.12.8.1.1.3", "Platform", VnSyntax::DisplayStr, VnAccess::ReadOnly},
    {},
};

constinit const VnSNMPVarDesc CandidateSwitchTable[] = {
    {"1.3.6.1.4.1.88406.12.8.1.4.1.1", "CaS ID", VnSyntax::Integer, VnAccess::NotAccess},
    {"1.3.6.1.4.1.88406.12.8.1.4.1.2", "Device Name", VnSyntax::DisplayStr, VnAccess::ReadOnly},
    {"1.3.6.1.4.1.88406.12.8.1.4.1.3", "MAC Addr", VnSyntax::MacAddress, VnAccess::ReadOnly},
    {"1.3.6.1.4.1.88406.12.8.1.4.1.4", "Firmware Version", VnSyntax::DisplayStr, VnAccess::ReadOnly},
    {"1.3.6.1.4.1.88406.12.8.1.4.1.5", "Capability", VnSyntax::DisplayStr, VnAccess::ReadOnly},
    {"1.3.6.1.4.1.88406.12.8.1.4.1.6", "Platform", VnSyntax::DisplayStr, VnAccess::ReadOnly},
    {"1.3.6.1.4.1.88406.12.8.1.4.1.7", "Holdtime", VnSyntax::Integer, VnAccess::ReadOnly},
    {},
};

constinit const VnSNMPVarDesc SingleIpGroupTable[] = {
    {"1.3.6.1.4.1.88406.12.8.1.5.1.1", "Group MAC Address", VnSyntax::MacAddress, VnAccess::NotAccess},
    {"1.3.6.1.4.1.88406.12.8.1.5.1.2", "Group Name", VnSyntax::DisplayStr, VnAccess::ReadOnly},
    {"1.3.6.1.4.1.88406.12.8.1.5.1.3", "Device Name", VnSyntax::DisplayStr, VnAccess::ReadOnly},
    {"1.3.6.1.4.1.88406.12.8.1.5.1.4", "Member Count", VnSyntax::Integer, VnAccess::ReadOnly},
    {"1.3.6.1.4.1.88406.12.8.1.5.1.5", "Firmware Version", VnSyntax::DisplayStr, VnAccess::ReadOnly},
    {"1.3.6.1.4.1.88406.12.8.1.5.1.6", "Capability", VnSyntax::DisplayStr, VnAccess::ReadOnly},
    {"1.3.6.1.4.1.88406.12.8.1.5.1.7", "Platform", VnSyntax::DisplayStr, VnAccess::ReadOnly},
    {"1.3.6.1.4.1.88406.12.8.1.5.1.8", "Holdtime", VnSyntax::Integer, VnAccess::ReadOnly},
    {},
};

constinit const VnSNMPVarDesc NeighborSwitchTable[] = {
    {"1.3.6.1.4.1.88406.12.8.1.6.1.1", "Received Port", VnSyntax::Integer, VnAccess::NotAccess},
    {"1.3.6.1.4.1.88406.12.8.1.6.1.2", "MAC Address", VnSyntax::MacAddress, VnAccess::NotAccess},
    {"1.3.6.1.4.1.88406.12.8.1.6.1.3", "Role", VnSyntax::Integer, VnAccess::ReadOnly, &SingleIpNeighborRoleList},
    {},
};
