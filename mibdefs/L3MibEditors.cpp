// The layer-3 editors' objects under 1.3.6.1.4.1.88406.11.59.5.3: IP
// interfaces (.2.1), forwarding (.2.2) and static routes (.2.5), ARP aging
// (.2.4), BOOTP and DNS relay (.3), OSPF hosts (.6) and virtual interfaces
// (.7), route preference (.9) and the PIM settings (.11).
#include "L3Mib.h"

namespace {

const VnIntOption l3StateOptions[] = {{2, "disabled"}, {3, "enabled"}, {0, nullptr}};
const VnIntOption l3IpModeOptions[] = {{2, "manual"}, {3, "bootp"}, {4, "dhcp"}, {0, nullptr}};
const VnIntOption l3TrueFalseOptions[] = {{1, "true"}, {2, "false"}, {0, nullptr}};
const VnIntOption l3UpDownOptions[] = {{2, "up"}, {3, "down"}, {0, nullptr}};
const VnIntOption l3RouteTypeOptions[] = {{2, "static"}, {3, "dynamic"}, {0, nullptr}};
const VnIntOption l3BackupStateOptions[] = {{1, "primary"}, {2, "backup"}, {0, nullptr}};
const VnIntOption l3VirtIfStateOptions[] = {{1, "down"}, {4, "pointToPoint"}, {0, nullptr}};
const VnIntOption l3OspfAuthOptions[] = {{1, "none"}, {2, "simple"}, {3, "MD5"}, {0, nullptr}};

}  // namespace

const VnOptionList L3StateList(l3StateOptions);
const VnOptionList L3IpModeList(l3IpModeOptions);
const VnOptionList L3TrueFalseList(l3TrueFalseOptions);
const VnOptionList L3UpDownList(l3UpDownOptions);
const VnOptionList L3RouteTypeList(l3RouteTypeOptions);
const VnOptionList L3BackupStateList(l3BackupStateOptions);
const VnOptionList L3VirtIfStateList(l3VirtIfStateOptions);
const VnOptionList L3OspfAuthList(l3OspfAuthOptions);

// "Admin State" (.8) is shown after "Operational State" (.9).
constinit const VnSNMPVarDesc IpControlTable[] = {
    {"1.3.6.1.4.1.88406.11.59.5.3.2.1.1.1.1", "IP Address", VnSyntax::IpAddress, VnAccess::NotAccess},
    {"1.3.6.1.4.1.88406.11.59.5.3.2.1.1.1.2", "Interface Index", VnSyntax::Integer, VnAccess::ReadOnly},
    {"1.3.6.1.4.1.88406.11.59.5.3.2.1.1.1.3", "Interface Name", VnSyntax::DisplayStr, VnAccess::ReadWrite},
    {"1.3.6.1.4.1.88406.11.59.5.3.2.1.1.1.4", "Subnet Mask", VnSyntax::IpAddress, VnAccess::ReadWrite},
    {"1.3.6.1.4.1.88406.11.59.5.3.2.1.1.1.5", "VLAN Name", VnSyntax::DisplayStr, VnAccess::ReadWrite},
    {"1.3.6.1.4.1.88406.11.59.5.3.2.1.1.1.6", "Mode", VnSyntax::Integer, VnAccess::ReadWrite, &L3IpModeList},
    {"1.3.6.1.4.1.88406.11.59.5.3.2.1.1.1.7", "Secondary", VnSyntax::Integer, VnAccess::ReadWrite, &L3TrueFalseList},
    {"1.3.6.1.4.1.88406.11.59.5.3.2.1.1.1.9", "Operational State", VnSyntax::Integer, VnAccess::ReadOnly,
     &L3UpDownList},
    {"1.3.6.1.4.1.88406.11.59.5.3.2.1.1.1.8", "Admin State", VnSyntax::Integer, VnAccess::ReadWrite,
     &L3RowStatusList},
    {},
};

constinit const VnSNMPVarDesc IpForwardingTable[] = {
    {"1.3.6.1.4.1.88406.11.59.5.3.2.2.1.1.1", "IPAddress", VnSyntax::IpAddress, VnAccess::NotAccess},
    {"1.3.6.1.4.1.88406.11.59.5.3.2.2.1.1.2", "Subnet Mask", VnSyntax::IpAddress, VnAccess::ReadOnly},
    {"1.3.6.1.4.1.88406.11.59.5.3.2.2.1.1.3", "Port Number", VnSyntax::Integer, VnAccess::ReadOnly},
    {"1.3.6.1.4.1.88406.11.59.5.3.2.2.1.1.4", "Type", VnSyntax::Integer, VnAccess::ReadOnly, &L3RouteTypeList},
    {},
};

constinit const VnSNMPVarDesc IpStaticRoutingTable[] = {
    {"1.3.6.1.4.1.88406.11.59.5.3.2.5.1.1", "Destination", VnSyntax::IpAddress, VnAccess::ReadOnly},
    {"1.3.6.1.4.1.88406.11.59.5.3.2.5.1.2", "Mask", VnSyntax::IpAddress, VnAccess::ReadOnly},
    {"1.3.6.1.4.1.88406.11.59.5.3.2.5.1.3", "Backup State", VnSyntax::Integer, VnAccess::ReadOnly,
     &L3BackupStateList},
    {"1.3.6.1.4.1.88406.11.59.5.3.2.5.1.4", "Next Hop", VnSyntax::IpAddress, VnAccess::ReadWrite},
    {"1.3.6.1.4.1.88406.11.59.5.3.2.5.1.5", "Metric", VnSyntax::Integer, VnAccess::ReadWrite},
    {"1.3.6.1.4.1.88406.11.59.5.3.2.5.1.6", "Status", VnSyntax::Integer, VnAccess::ReadWrite, &L3ValidStateList},
    {},
};

constinit const VnSNMPVarDesc ArpAgingTimeTable[] = {
    {"1.3.6.1.4.1.88406.11.59.5.3.2.4", "ARP Aging Time", VnSyntax::Integer, VnAccess::ReadWrite},
    {},
};

constinit const VnSNMPVarDesc BootpBasicTable[] = {
    {"1.3.6.1.4.1.88406.11.59.5.3.3.1.1", "Bootp State", VnSyntax::Integer, VnAccess::ReadWrite, &L3StateList},
    {"1.3.6.1.4.1.88406.11.59.5.3.3.1.2", "Bootp Hop Count", VnSyntax::Integer, VnAccess::ReadWrite},
    {"1.3.6.1.4.1.88406.11.59.5.3.3.1.3", "Bootp Time Threshold", VnSyntax::Integer, VnAccess::ReadWrite},
    {},
};

constinit const VnSNMPVarDesc DnsRelayGlobalTable[] = {
    {"1.3.6.1.4.1.88406.11.59.5.3.3.2.1", "DNS Relay Status", VnSyntax::Integer, VnAccess::ReadWrite, &L3StateList},
    {"1.3.6.1.4.1.88406.11.59.5.3.3.2.2", "Primary Server", VnSyntax::IpAddress, VnAccess::ReadWrite},
    {"1.3.6.1.4.1.88406.11.59.5.3.3.2.3", "Secondary Server", VnSyntax::IpAddress, VnAccess::ReadWrite},
    {"1.3.6.1.4.1.88406.11.59.5.3.3.2.4", "DNSR Cache Status", VnSyntax::Integer, VnAccess::ReadWrite, &L3StateList},
    {"1.3.6.1.4.1.88406.11.59.5.3.3.2.5", "DNSR Static Table Status", VnSyntax::Integer, VnAccess::ReadWrite,
     &L3StateList},
    {},
};

constinit const VnSNMPVarDesc DnsRelayStaticTable[] = {
    {"1.3.6.1.4.1.88406.11.59.5.3.3.2.6.1.1", "Domain Name", VnSyntax::DisplayStr, VnAccess::NotAccess},
    {"1.3.6.1.4.1.88406.11.59.5.3.3.2.6.1.2", "IP Address", VnSyntax::IpAddress, VnAccess::NotAccess},
    {"1.3.6.1.4.1.88406.11.59.5.3.3.2.6.1.3", "State", VnSyntax::Integer, VnAccess::ReadWrite, &L3ValidStateList},
    {},
};

constinit const VnSNMPVarDesc OspfVirtualInterfaceTable[] = {
    {"1.3.6.1.4.1.88406.11.59.5.3.7.1.1", "Area ID", VnSyntax::IpAddress, VnAccess::NotAccess},
    {"1.3.6.1.4.1.88406.11.59.5.3.7.1.2", "Neighbor Route ID", VnSyntax::IpAddress, VnAccess::NotAccess},
    {"1.3.6.1.4.1.88406.11.59.5.3.7.1.3", "Transmit Delay", VnSyntax::Integer, VnAccess::ReadWrite},
    {"1.3.6.1.4.1.88406.11.59.5.3.7.1.4", "Retransmit Interval", VnSyntax::Integer, VnAccess::ReadWrite},
    {"1.3.6.1.4.1.88406.11.59.5.3.7.1.5", "Hello Interval", VnSyntax::Integer, VnAccess::ReadWrite},
    {"1.3.6.1.4.1.88406.11.59.5.3.7.1.6", "Router Dead Interval", VnSyntax::Integer, VnAccess::ReadWrite},
    {"1.3.6.1.4.1.88406.11.59.5.3.7.1.7", "State", VnSyntax::Integer, VnAccess::ReadOnly, &L3VirtIfStateList},
    {"1.3.6.1.4.1.88406.11.59.5.3.7.1.8", "Number of Events", VnSyntax::Counter, VnAccess::ReadOnly},
    {"1.3.6.1.4.1.88406.11.59.5.3.7.1.9", "Authentication Type", VnSyntax::Integer, VnAccess::ReadWrite,
     &L3OspfAuthList},
    {"1.3.6.1.4.1.88406.11.59.5.3.7.1.10", "Authentication Key", VnSyntax::DisplayStr, VnAccess::ReadWrite},
    {"1.3.6.1.4.1.88406.11.59.5.3.7.1.11", "MD5 Key ID", VnSyntax::Integer, VnAccess::ReadWrite},
    {"1.3.6.1.4.1.88406.11.59.5.3.7.1.12", "Status", VnSyntax::Integer, VnAccess::ReadWrite, &L3RowStatusList},
    {},
};

constinit const VnSNMPVarDesc OspfHostTable[] = {
    {"1.3.6.1.4.1.88406.11.59.5.3.6.1.1", "IP Address", VnSyntax::IpAddress, VnAccess::ReadOnly},
    {"1.3.6.1.4.1.88406.11.59.5.3.6.1.2", "Type Of Service", VnSyntax::Integer, VnAccess::ReadOnly},
    {"1.3.6.1.4.1.88406.11.59.5.3.6.1.3", "Metric", VnSyntax::Integer, VnAccess::ReadWrite},
    {"1.3.6.1.4.1.88406.11.59.5.3.6.1.4", "Area ID", VnSyntax::IpAddress, VnAccess::ReadWrite},
    {"1.3.6.1.4.1.88406.11.59.5.3.6.1.5", "Status", VnSyntax::Integer, VnAccess::ReadWrite, &L3RowStatusList},
    {},
};

constinit const VnSNMPVarDesc RoutePreferenceTable[] = {
    {"1.3.6.1.4.1.88406.11.59.5.3.9.1", "RIP Route Preference", VnSyntax::Integer, VnAccess::ReadWrite},
    {"1.3.6.1.4.1.88406.11.59.5.3.9.2", "OSPF Intra Route Preference", VnSyntax::Integer, VnAccess::ReadWrite},
    {"1.3.6.1.4.1.88406.11.59.5.3.9.3", "Static Route Preference", VnSyntax::Integer, VnAccess::ReadWrite},
    {"1.3.6.1.4.1.88406.11.59.5.3.9.4", "Local Route Preference", VnSyntax::Integer, VnAccess::ReadWrite},
    {"1.3.6.1.4.1.88406.11.59.5.3.9.5", "OSPF Interval Route Preference", VnSyntax::Integer, VnAccess::ReadWrite},
    {"1.3.6.1.4.1.88406.11.59.5.3.9.6", "OSPF Extand T1 Route Preference", VnSyntax::Integer, VnAccess::ReadWrite},
    {"1.3.6.1.4.1.88406.11.59.5.3.9.7", "OSPF Extand T2 Route Preference", VnSyntax::Integer, VnAccess::ReadWrite},
    {},
};

// ---- PIM settings (.11)

constinit const VnSNMPVarDesc PimCbsrInformationTable[] = {
    {"1.3.6.1.4.1.88406.11.59.5.3.11.1.1", "C-BSR Boot Strap Period", VnSyntax::Integer, VnAccess::ReadWrite},
    {"1.3.6.1.4.1.88406.11.59.5.3.11.1.2", "C-BSR Hash Mask Len", VnSyntax::Integer, VnAccess::ReadWrite},
    {},
};

constinit const VnSNMPVarDesc PimCbsrEntryTable[] = {
    {"1.3.6.1.4.1.88406.11.59.5.3.11.1.3.1.1", "C-BSR Interface", VnSyntax::Integer, VnAccess::NotAccess},
    {"1.3.6.1.4.1.88406.11.59.5.3.11.1.3.1.2", "C-BSR Priority", VnSyntax::Integer, VnAccess::ReadWrite},
    {},
};

constinit const VnSNMPVarDesc PimCandidateRpManagementTable[] = {
    {"1.3.6.1.4.1.88406.11.59.5.3.11.2.1", "Candidate RP Holdtime", VnSyntax::Integer, VnAccess::ReadWrite},
    {"1.3.6.1.4.1.88406.11.59.5.3.11.2.2", "Candidate RP Priority", VnSyntax::Integer, VnAccess::ReadWrite},
    {"1.3.6.1.4.1.88406.11.59.5.3.11.2.3", "Candidate RP Wildcard PrefixCnt", VnSyntax::Integer, VnAccess::ReadWrite},
    {},
};

constinit const VnSNMPVarDesc PimSptManagementTable[] = {
    {"1.3.6.1.4.1.88406.11.59.5.3.11.3.1", "Last Hop SPT Threshold", VnSyntax::DisplayStr, VnAccess::ReadWrite},
    {"1.3.6.1.4.1.88406.11.59.5.3.11.3.2", "RP SPT Threshold", VnSyntax::DisplayStr, VnAccess::ReadWrite},
    {},
};

constinit const VnSNMPVarDesc PimRegisterChecksumTable[] = {
    {"1.3.6.1.4.1.88406.11.59.5.3.11.4.1.1", "RR Address", VnSyntax::IpAddress, VnAccess::NotAccess},
    {"1.3.6.1.4.1.88406.11.59.5.3.11.4.1.2", "Status", VnSyntax::Integer, VnAccess::ReadWrite, &L3RowStatusList},
    {},
};

constinit const VnSNMPVarDesc PimRegisterTimeTable[] = {
    {"1.3.6.1.4.1.88406.11.59.5.3.11.5.1", "Register Probe Time", VnSyntax::Integer, VnAccess::ReadWrite},
    {"1.3.6.1.4.1.88406.11.59.5.3.11.5.2", "Register Suppression Time", VnSyntax::Integer, VnAccess::ReadWrite},
    {},
};

constinit const VnSNMPVarDesc PimInformationTable[] = {
    {"1.3.6.1.4.1.88406.11.59.5.3.11.5.3.1.1", "Interface", VnSyntax::Integer, VnAccess::NotAccess},
    {"1.3.6.1.4.1.88406.11.59.5.3.11.5.3.1.2", "DR Priority", VnSyntax::Gauge, VnAccess::ReadWrite},
    {},
};

constinit const VnSNMPVarDesc PimStaticRpTable[] = {
    {"1.3.6.1.4.1.88406.11.59.5.3.11.6.1.1", "Static RP Group Address", VnSyntax::IpAddress, VnAccess::NotAccess},
    {"1.3.6.1.4.1.88406.11.59.5.3.11.6.1.2", "Static RP Group Mask", VnSyntax::IpAddress, VnAccess::NotAccess},
    {"1.3.6.1.4.1.88406.11.59.5.3.11.6.1.3", "Static RP Address", VnSyntax::IpAddress, VnAccess::NotAccess},
    {"1.3.6.1.4.1.88406.11.59.5.3.11.6.1.4", "Static RP Row Status", VnSyntax::Integer, VnAccess::ReadWrite,
     &L3RowStatusList},
    {},
};
