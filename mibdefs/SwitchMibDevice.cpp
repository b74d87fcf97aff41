// Device information, modules, control and alarms of the enterprise
// layer-2 switch group (.11.59.5.2.1, with the layer-3 switches of
// .11.59.5.3 on the device-control page).
#include "SwitchMib.h"

namespace {

const VnIntOption swStateOptions[] = {{2, "disabled"}, {3, "enabled"}, {0, nullptr}};
const VnIntOption swCleanCountersOptions[] = {{1, "normal"}, {2, "active"}, {0, nullptr}};

}  // namespace

const VnOptionList SwStateList(swStateOptions);
const VnOptionList SwCleanCountersList(swCleanCountersOptions);

constinit const VnSNMPVarDesc DeviceInformationTable[] = {
    {"1.3.6.1.4.1.88406.11.59.5.2.1.1.1", "Total Number Of Port", VnSyntax::Integer, VnAccess::ReadOnly},
    {"1.3.6.1.4.1.88406.11.59.5.2.1.1.2", "Number Of Port In Use", VnSyntax::Integer, VnAccess::ReadOnly},
    {},
};

// The module ID has no value of its own to show: it is the row's instance.
constinit const VnSNMPVarDesc DeviceModuleTable[] = {
    {"1.3.6.1.4.1.88406.11.59.5.2.1.1.3.1.1", "Module ID", VnSyntax::Integer, VnAccess::NotAccess},
    {"1.3.6.1.4.1.88406.11.59.5.2.1.1.3.1.3", "Module Name", VnSyntax::DisplayStr, VnAccess::ReadOnly},
    {"1.3.6.1.4.1.88406.11.59.5.2.1.1.3.1.4", "Module Reversion", VnSyntax::DisplayStr, VnAccess::ReadOnly},
    {"1.3.6.1.4.1.88406.11.59.5.2.1.1.3.1.5", "Module Serial", VnSyntax::DisplayStr, VnAccess::ReadOnly},
    {"1.3.6.1.4.1.88406.11.59.5.2.1.1.3.1.6", "Module Description", VnSyntax::DisplayStr, VnAccess::ReadOnly},
    {},
};

constinit const VnSNMPVarDesc Layer2ControlTable[] = {
    {"1.3.6.1.4.1.88406.11.59.5.2.1.2.1", "Spanning Tree Algorithm", VnSyntax::Integer, VnAccess::ReadWrite,
     &SwStateList},
    {"1.3.6.1.4.1.88406.11.59.5.2.1.2.2", "IGMP Snooping", VnSyntax::Integer, VnAccess::ReadWrite, &SwStateList},
    {"1.3.6.1.4.1.88406.11.59.5.2.1.2.4", "Clean All Statistic Counter", VnSyntax::Integer, VnAccess::ReadWrite,
     &SwCleanCountersList},
    {"1.3.6.1.4.1.88406.11.59.5.2.1.2.5", "Vlan ID Of FDB Table [1-4094]", VnSyntax::Integer,
     VnAccess::ReadWrite},
    {"1.3.6.1.4.1.88406.11.59.5.2.1.2.6", "MAC Notify State", VnSyntax::Integer, VnAccess::ReadWrite,
     &SwStateList},
    {"1.3.6.1.4.1.88406.11.59.5.2.1.2.7", "MAC Notify History Size [1-500]", VnSyntax::Integer,
     VnAccess::ReadWrite},
    {"1.3.6.1.4.1.88406.11.59.5.2.1.2.8", "MAC Notify Interval [1-2147483647 second(s)]", VnSyntax::Integer,
     VnAccess::ReadWrite},
    {"1.3.6.1.4.1.88406.11.59.5.2.1.2.14.1", "Telnet State", VnSyntax::Integer, VnAccess::ReadWrite,
     &SwStateList},
    {"1.3.6.1.4.1.88406.11.59.5.2.1.2.14.2", "Telnet Tcp Port", VnSyntax::Integer, VnAccess::ReadWrite},
    {},
};

constinit const VnSNMPVarDesc Layer3ControlTable[] = {
    {"1.3.6.1.4.1.88406.11.59.5.3.1.1.1", "RIP State", VnSyntax::Integer, VnAccess::ReadWrite, &SwStateList},
    {"1.3.6.1.4.1.88406.11.59.5.3.1.1.2", "OSPF State", VnSyntax::Integer, VnAccess::ReadWrite, &SwStateList},
    {"1.3.6.1.4.1.88406.11.59.5.3.1.1.3", "DVMRP State", VnSyntax::Integer, VnAccess::ReadWrite, &SwStateList},
    {"1.3.6.1.4.1.88406.11.59.5.3.1.1.4", "PIM State", VnSyntax::Integer, VnAccess::ReadWrite, &SwStateList},
    {"1.3.6.1.4.1.88406.11.59.5.3.1.1.5", "VRRP State", VnSyntax::Integer, VnAccess::ReadWrite, &SwStateList},
    {"1.3.6.1.4.1.88406.11.59.5.3.2.4", "Arp Aging Time[0-65535]", VnSyntax::Integer, VnAccess::ReadWrite},
    {},
};

constinit const VnSNMPVarDesc AlarmControlTable[] = {
    {"1.3.6.1.4.1.88406.11.59.5.2.1.3.1", "New Root Alarm", VnSyntax::Integer, VnAccess::ReadWrite, &SwStateList},
    {"1.3.6.1.4.1.88406.11.59.5.2.1.3.2", "Topology Change Alarm", VnSyntax::Integer, VnAccess::ReadWrite,
     &SwStateList},
    {"1.3.6.1.4.1.88406.11.59.5.2.1.3.3", "Link Change Alarm", VnSyntax::Integer, VnAccess::ReadWrite,
     &SwStateList},
    {},
};
