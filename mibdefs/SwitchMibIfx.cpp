// IF-MIB ifXTable (1.3.6.1.2.1.31.1.1.1) with ifTable's ifIndex as its
// first column.
#include "SwitchMib.h"

namespace {

const VnIntOption ifxEnabledOptions[] = {{1, "enabled"}, {2, "disabled"}, {0, nullptr}};
const VnIntOption ifxTruthOptions[] = {{1, "true"}, {2, "false"}, {0, nullptr}};

}  // namespace

const VnOptionList IfxEnabledList(ifxEnabledOptions);
const VnOptionList IfxTruthList(ifxTruthOptions);

constinit const VnSNMPVarDesc IfxTable[] = {
    {"1.3.6.1.2.1.2.2.1.1", "IF Index", VnSyntax::Integer, VnAccess::ReadOnly},
    {"1.3.6.1.2.1.31.1.1.1.1", "Name", VnSyntax::DisplayStr, VnAccess::ReadOnly},
    {"1.3.6.1.2.1.31.1.1.1.2", "In Multicast Pkts", VnSyntax::Counter, VnAccess::ReadOnly},
    {"1.3.6.1.2.1.31.1.1.1.3", "In Broadcast Pkts", VnSyntax::Counter, VnAccess::ReadOnly},
    {"1.3.6.1.2.1.31.1.1.1.4", "Out Multicast Pkts", VnSyntax::Counter, VnAccess::ReadOnly},
    {"1.3.6.1.2.1.31.1.1.1.5", "Out Broadcast Pkts", VnSyntax::Counter, VnAccess::ReadOnly},
    {"1.3.6.1.2.1.31.1.1.1.6", "HC In Octets", VnSyntax::Counter64, VnAccess::ReadOnly},
    {"1.3.6.1.2.1.31.1.1.1.7", "HC In Ucast Pkts", VnSyntax::Counter64, VnAccess::ReadOnly},
    {"1.3.6.1.2.1.31.1.1.1.8", "HC In Multicast Pkts", VnSyntax::Counter64, VnAccess::ReadOnly},
    {"1.3.6.1.2.1.31.1.1.1.9", "HC In BroadcastPkts", VnSyntax::Counter64, VnAccess::ReadOnly},
    {"1.3.6.1.2.1.31.1.1.1.10", "HC Out Octets", VnSyntax::Counter64, VnAccess::ReadOnly},
    {"1.3.6.1.2.1.31.1.1.1.11", "HC Out Ucast Pkts", VnSyntax::Counter64, VnAccess::ReadOnly},
    {"1.3.6.1.2.1.31.1.1.1.12", "HC Out Multicast Pkts", VnSyntax::Counter64, VnAccess::ReadOnly},
    {"1.3.6.1.2.1.31.1.1.1.13", "HC Out Broadcast Pkts", VnSyntax::Counter64, VnAccess::ReadOnly},
    {"1.3.6.1.2.1.31.1.1.1.14", "Link Up Down Trap Enable", VnSyntax::Integer, VnAccess::ReadWrite,
     &IfxEnabledList},
    {"1.3.6.1.2.1.31.1.1.1.15", "High Speed", VnSyntax::Gauge, VnAccess::ReadOnly},
    {"1.3.6.1.2.1.31.1.1.1.16", "Promiscuous Mode", VnSyntax::Integer, VnAccess::ReadOnly, &IfxTruthList},
    {"1.3.6.1.2.1.31.1.1.1.17", "Connector Present", VnSyntax::Integer, VnAccess::ReadOnly, &IfxTruthList},
    {"1.3.6.1.2.1.31.1.1.1.18", "Alias", VnSyntax::DisplayStr, VnAccess::ReadWrite},
    {"1.3.6.1.2.1.31.1.1.1.19", "ifCounter Discontinuity Time", VnSyntax::TimeTicks, VnAccess::ReadOnly},
    {},
};
