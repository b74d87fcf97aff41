// The layer-3 IGMP editors' objects: router interfaces (.12.18.1.4), the
// group cache (.12.18.1.6) and source lists (.12.18.1.10), and the RIP
// timers (.12.32.3).
#include "IgmpMib.h"

namespace {

const VnIntOption igmpRowStatusOptions[] = {{1, "active"}, {4, "createAndGo"}, {6, "destroy"}, {0, nullptr}};
const VnIntOption igmpFilterModeOptions[] = {{1, "include"}, {2, "exclude"}, {0, nullptr}};

}  // namespace

const VnOptionList IgmpRowStatusList(igmpRowStatusOptions);
const VnOptionList IgmpFilterModeList(igmpFilterModeOptions);

constinit const VnSNMPVarDesc RipTimerTable[] = {
    {"1.3.6.1.4.1.88406.12.32.3.1", "Update Interval", VnSyntax::Integer, VnAccess::ReadWrite},
    {"1.3.6.1.4.1.88406.12.32.3.2", "Timeout Interval", VnSyntax::Integer, VnAccess::ReadWrite},
    {"1.3.6.1.4.1.88406.12.32.3.3", "Garbage Collect Interval", VnSyntax::Integer, VnAccess::ReadWrite},
    {},
};

constinit const VnSNMPVarDesc IgmpInterfaceTable[] = {
    {"1.3.6.1.4.1.88406.12.18.1.4.1.1", "IF Index", VnSyntax::Integer, VnAccess::NotAccess},
    {"1.3.6.1.4.1.88406.12.18.1.4.1.3", "Querier", VnSyntax::OctetStr, VnAccess::ReadOnly},
    {"1.3.6.1.4.1.88406.12.18.1.4.1.4", "Query Interval", VnSyntax::Gauge, VnAccess::ReadWrite},
    {"1.3.6.1.4.1.88406.12.18.1.4.1.6", "Version", VnSyntax::Gauge, VnAccess::ReadWrite},
    {"1.3.6.1.4.1.88406.12.18.1.4.1.7", "Query Max Response Time", VnSyntax::Gauge, VnAccess::ReadWrite},
    {"1.3.6.1.4.1.88406.12.18.1.4.1.9", "Querier Expiry Time", VnSyntax::TimeTicks, VnAccess::ReadOnly},
    {"1.3.6.1.4.1.88406.12.18.1.4.1.14", "Robustness", VnSyntax::Gauge, VnAccess::ReadWrite},
    {"1.3.6.1.4.1.88406.12.18.1.4.1.15", "Last Member Query Interval", VnSyntax::Gauge, VnAccess::ReadWrite},
    {"1.3.6.1.4.1.88406.12.18.1.4.1.5", "Status", VnSyntax::Integer, VnAccess::ReadWrite, &IgmpRowStatusList},
    {},
};

constinit const VnSNMPVarDesc IgmpCacheTable[] = {
    {"1.3.6.1.4.1.88406.12.18.1.6.1.2", "IF Index", VnSyntax::Integer, VnAccess::NotAccess},
    {"1.3.6.1.4.1.88406.12.18.1.6.1.3", "Address", VnSyntax::IpAddress, VnAccess::NotAccess},
    {"1.3.6.1.4.1.88406.12.18.1.6.1.4", "Last Reporter", VnSyntax::IpAddress, VnAccess::ReadOnly},
    {"1.3.6.1.4.1.88406.12.18.1.6.1.6", "Expiry Time", VnSyntax::TimeTicks, VnAccess::ReadOnly},
    {"1.3.6.1.4.1.88406.12.18.1.6.1.8", "Version1 Host Timer", VnSyntax::TimeTicks, VnAccess::ReadOnly},
    {"1.3.6.1.4.1.88406.12.18.1.6.1.9", "Version2 Host Timer", VnSyntax::TimeTicks, VnAccess::ReadOnly},
    {"1.3.6.1.4.1.88406.12.18.1.6.1.10", "Source Filter Mode", VnSyntax::Integer, VnAccess::ReadOnly,
     &IgmpFilterModeList},
    {"1.3.6.1.4.1.88406.12.18.1.6.1.7", "Status", VnSyntax::Integer, VnAccess::ReadOnly, &IgmpRowStatusList},
    {},
};

constinit const VnSNMPVarDesc IgmpSourceListTable[] = {
    {"1.3.6.1.4.1.88406.12.18.1.10.1.2", "Router Source List IF Index", VnSyntax::Integer, VnAccess::NotAccess},
    {"1.3.6.1.4.1.88406.12.18.1.10.1.3", "Router Source List Address", VnSyntax::IpAddress, VnAccess::NotAccess},
    {"1.3.6.1.4.1.88406.12.18.1.10.1.4", "Router Source List Host Address", VnSyntax::IpAddress,
     VnAccess::NotAccess},
    {"1.3.6.1.4.1.88406.12.18.1.10.1.5", "Router Source List Source Timer", VnSyntax::TimeTicks,
     VnAccess::ReadOnly},
    {},
};
