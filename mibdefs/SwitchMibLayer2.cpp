// Layer-2 management of the enterprise switch group (.11.59.5.2): ports,
// cable diagnosis, jumbo frames, trunking, port security, QoS, IGMP
// snooping and storm control.
#include "SwitchMib.h"

namespace {

const VnIntOption portTypeOptions[] = {
    {1, "portType-100Base-TX"},
    {2, "portType-100Base-FX"},
    {3, "portType-100Base-FL"},
    {4, "portType-1000Base-TX"},
    {5, "portType-1000Base-SX"},
    {6, "portType-1000Base-LX"},
    {7, "portType-1000Base-SX-GBIC"},
    {8, "portType-1000Base-LX-GBIC"},
    {9, "portType-1000Base-TX-GBIC"},
    {10, "portType-1000Base-1394"},
    {11, "portType-1000Base-TX-GBIC-COMBO"},
    {12, "portType-1000Base-none-GBIC"},
    {13, "portType-1000Base-SX-MGBIC"},
    {14, "portType-1000Base-LX-MGBIC"},
    {15, "portType-1000Base-TX-MGBIC"},
    {16, "portType-1000Base-none-MGBIC"},
    {17, "portType-SIO"},
    {18, "portType-10G"},
    {19, "portType-none"},
    {0, nullptr}};
const VnIntOption linkStatusOptions[] = {{2, "link-pass"}, {3, "link-fail"}, {0, nullptr}};
const VnIntOption nwayStatusOptions[] = {
    {0, "other"},        {1, "empty"},        {2, "link-down"},     {3, "half-10Mbps"},   {4, "full-10Mbps"},
    {5, "half-100Mbps"}, {6, "full-100Mbps"}, {7, "half-1Gigabps"}, {8, "full-1Gigabps"}, {9, "full-10Gigabps"},
    {0, nullptr}};
const VnIntOption nwayStateOptions[] = {
    {1, "other"},
    {2, "nway-enabled"},
    {3, "nway-disabled-10Mbps-Half"},
    {4, "nway-disabled-10Mbps-Full"},
    {5, "nway-disabled-100Mbps-Half"},
    {6, "nway-disabled-100Mbps-Full"},
    {7, "nway-disabled-1Gigabps-Half"},
    {8, "nway-disabled-1Gigabps-Full"},
    {9, "nway-disabled-1Gigabps-Full-master"},
    {10, "nway-disabled-1Gigabps-Full-slave"},
    {0, nullptr}};
const VnIntOption cableStatusOptions[] = {{0, "ok"},   {1, "open"},          {2, "short"},
                                          {3, "fail"}, {4, "not-supported"}, {5, "unknown"},
                                          {0, nullptr}};
const VnIntOption trunkAlgorithmOptions[] = {{2, "MAC-source"}, {3, "MAC-destination"}, {4, "MAC-source-dest"},
                                             {5, "IP-source"},  {6, "IP-destination"},  {7, "IP-source-dest"},
                                             {0, nullptr}};
const VnIntOption portSecurityModeOptions[] = {
    {2, "permanent"}, {3, "deleteOnTimeout"}, {4, "deleteOnReset"}, {0, nullptr}};
// 2 is enable here and 3 disable, the reverse of the group's other lists.
const VnIntOption portSecurityAdminOptions[] = {{2, "enable"}, {3, "disable"}, {0, nullptr}};
const VnIntOption portSecurityActivityOptions[] = {{1, "none"}, {2, "start"}, {0, nullptr}};
const VnIntOption qosSchedulingOptions[] = {{1, "strict"}, {3, "weightfair"}, {0, nullptr}};
const VnIntOption igmpQuerierOptions[] = {{1, "other"}, {2, "querier"}, {3, "non-querier"}, {0, nullptr}};
const VnIntOption swEnableOptions[] = {{2, "disable"}, {3, "enable"}, {0, nullptr}};

}  // namespace

const VnOptionList SwPortTypeList(portTypeOptions);
const VnOptionList SwLinkStatusList(linkStatusOptions);
const VnOptionList SwNwayStatusList(nwayStatusOptions);
const VnOptionList SwNwayStateList(nwayStateOptions);
const VnOptionList SwCableStatusList(cableStatusOptions);
const VnOptionList SwTrunkAlgorithmList(trunkAlgorithmOptions);
const VnOptionList SwPortSecurityModeList(portSecurityModeOptions);
const VnOptionList SwPortSecurityAdminList(portSecurityAdminOptions);
const VnOptionList SwPortSecurityActivityList(portSecurityActivityOptions);
const VnOptionList SwQosSchedulingList(qosSchedulingOptions);
const VnOptionList SwIgmpQuerierList(igmpQuerierOptions);
const VnOptionList SwEnableList(swEnableOptions);

// ---- ports (.3)

constinit const VnSNMPVarDesc PortInformationTable[] = {
    {"1.3.6.1.4.1.88406.11.59.5.2.3.1.1.1", "Index", VnSyntax::Integer, VnAccess::ReadOnly},
    {"1.3.6.1.4.1.88406.11.59.5.2.3.1.1.2", "Unit Index", VnSyntax::Integer, VnAccess::ReadOnly},
    {"1.3.6.1.4.1.88406.11.59.5.2.3.1.1.3", "Port Type", VnSyntax::Integer, VnAccess::ReadOnly, &SwPortTypeList},
    {"1.3.6.1.4.1.88406.11.59.5.2.3.1.1.4", "Link Status", VnSyntax::Integer, VnAccess::ReadOnly,
     &SwLinkStatusList},
    {"1.3.6.1.4.1.88406.11.59.5.2.3.1.1.5", "Nway Status", VnSyntax::Integer, VnAccess::ReadOnly,
     &SwNwayStatusList},
    {},
};

constinit const VnSNMPVarDesc PortControlTable[] = {
    {"1.3.6.1.4.1.88406.11.59.5.2.3.2.1.1", "Index", VnSyntax::Integer, VnAccess::ReadOnly},
    {"1.3.6.1.4.1.88406.11.59.5.2.3.2.1.2", "Unit Index", VnSyntax::Integer, VnAccess::ReadOnly},
    {"1.3.6.1.4.1.88406.11.59.5.2.3.2.1.3", "Admin State", VnSyntax::Integer, VnAccess::ReadWrite, &SwStateList},
    {"1.3.6.1.4.1.88406.11.59.5.2.3.2.1.4", "Nway State", VnSyntax::Integer, VnAccess::ReadWrite,
     &SwNwayStateList},
    {"1.3.6.1.4.1.88406.11.59.5.2.3.2.1.5", "Flow Control State", VnSyntax::Integer, VnAccess::ReadWrite,
     &SwStateList},
    {"1.3.6.1.4.1.88406.11.59.5.2.3.2.1.6", "Lock State", VnSyntax::Integer, VnAccess::ReadWrite, &SwStateList},
    {"1.3.6.1.4.1.88406.11.59.5.2.3.2.1.7", "MAC Notify State", VnSyntax::Integer, VnAccess::ReadWrite,
     &SwStateList},
    {},
};

constinit const VnSNMPVarDesc JumboFrameTable[] = {
    {"1.3.6.1.4.1.88406.11.59.5.2.3.3", "Jumbo Frame Status", VnSyntax::Integer, VnAccess::ReadWrite,
     &SwStateList},
    {},
};

constinit const VnSNMPVarDesc CableDiagnosisTable[] = {
    {"1.3.6.1.4.1.88406.11.59.5.2.3.4.1.1", "Diagnosis Port Index", VnSyntax::Integer, VnAccess::NotAccess},
    {"1.3.6.1.4.1.88406.11.59.5.2.3.4.1.2", "Diagnosis Pair Index", VnSyntax::Integer, VnAccess::NotAccess},
    {"1.3.6.1.4.1.88406.11.59.5.2.3.4.1.3", "Diagnosis Pair Status", VnSyntax::Integer, VnAccess::ReadOnly,
     &SwCableStatusList},
    {"1.3.6.1.4.1.88406.11.59.5.2.3.4.1.4", "Diagnosis Pair Length", VnSyntax::Integer, VnAccess::ReadOnly},
    {},
};

// ---- QoS (.6)

constinit const VnSNMPVarDesc BandwidthControlTable[] = {
    {"1.3.6.1.4.1.88406.11.59.5.2.6.1.1.1", "Port Index", VnSyntax::Integer, VnAccess::NotAccess},
    {"1.3.6.1.4.1.88406.11.59.5.2.6.1.1.2", "Receive Rate", VnSyntax::Integer, VnAccess::ReadWrite},
    {"1.3.6.1.4.1.88406.11.59.5.2.6.1.1.3", "Transmit Rate", VnSyntax::Integer, VnAccess::ReadWrite},
    {},
};

constinit const VnSNMPVarDesc SchedulingTable[] = {
    {"1.3.6.1.4.1.88406.11.59.5.2.6.2.1.1", "Class Index", VnSyntax::Integer, VnAccess::NotAccess},
    {"1.3.6.1.4.1.88406.11.59.5.2.6.2.1.2", "Scheduling Max Pkts", VnSyntax::Integer, VnAccess::ReadWrite},
    {"1.3.6.1.4.1.88406.11.59.5.2.6.2.1.3", "Scheduling Mechanism", VnSyntax::Integer, VnAccess::ReadOnly,
     &SwQosSchedulingList},
    {},
};

constinit const VnSNMPVarDesc UserPriorityClassTable[] = {
    {"1.3.6.1.4.1.88406.11.59.5.2.6.3.1.1", "User Priority Index", VnSyntax::Integer, VnAccess::NotAccess},
    {"1.3.6.1.4.1.88406.11.59.5.2.6.3.1.2", "8021p User Priority Class", VnSyntax::Integer, VnAccess::ReadWrite},
    {},
};

constinit const VnSNMPVarDesc DefaultPriorityTable[] = {
    {"1.3.6.1.4.1.88406.11.59.5.2.6.4.1.1", "Priority Index", VnSyntax::Integer, VnAccess::NotAccess},
    {"1.3.6.1.4.1.88406.11.59.5.2.6.4.1.2", "8021p Default Priority", VnSyntax::Integer, VnAccess::ReadWrite},
    {},
};

constinit const VnSNMPVarDesc QosBasicConfigurationTable[] = {
    {"1.3.6.1.4.1.88406.11.59.5.2.6.5", "QOS Scheduling Mechanism Status", VnSyntax::Integer, VnAccess::ReadWrite,
     &SwQosSchedulingList},
    {"1.3.6.1.4.1.88406.11.59.5.2.6.6", "QOS Hol Prevention Status", VnSyntax::Integer, VnAccess::ReadWrite,
     &SwStateList},
    {},
};

// ---- port security (.7)

constinit const VnSNMPVarDesc PortSecurityTable[] = {
    {"1.3.6.1.4.1.88406.11.59.5.2.7.1.1.1", "Port Index", VnSyntax::Integer, VnAccess::ReadOnly},
    {"1.3.6.1.4.1.88406.11.59.5.2.7.1.1.2", "Max Learn Address", VnSyntax::Integer, VnAccess::ReadWrite},
    {"1.3.6.1.4.1.88406.11.59.5.2.7.1.1.3", "Security Mode", VnSyntax::Integer, VnAccess::ReadWrite,
     &SwPortSecurityModeList},
    {"1.3.6.1.4.1.88406.11.59.5.2.7.1.1.4", "Admin State", VnSyntax::Integer, VnAccess::ReadWrite,
     &SwPortSecurityAdminList},
    {},
};

constinit const VnSNMPVarDesc PortSecurityDeleteTable[] = {
    {"1.3.6.1.4.1.88406.11.59.5.2.7.2.1", "Port Security Del Vlan Name", VnSyntax::DisplayStr, VnAccess::ReadWrite},
    {"1.3.6.1.4.1.88406.11.59.5.2.7.2.2", "Port Security Del Port", VnSyntax::Integer, VnAccess::ReadWrite},
    {"1.3.6.1.4.1.88406.11.59.5.2.7.2.3", "Port Security Del MAC Address", VnSyntax::MacAddress,
     VnAccess::ReadWrite},
    {"1.3.6.1.4.1.88406.11.59.5.2.7.2.4", "Port Security Del Activity", VnSyntax::Integer, VnAccess::ReadWrite,
     &SwPortSecurityActivityList},
    {},
};

// ---- trunks (.9)

constinit const VnSNMPVarDesc TrunkInformationTable[] = {
    {"1.3.6.1.4.1.88406.11.59.5.2.9.1", "Trunk Max Supported Entries", VnSyntax::Integer, VnAccess::ReadOnly},
    {"1.3.6.1.4.1.88406.11.59.5.2.9.2", "Trunk Current Entries Number", VnSyntax::Integer, VnAccess::ReadOnly},
    {"1.3.6.1.4.1.88406.11.59.5.2.9.4", "Trunk Algorithm", VnSyntax::Integer, VnAccess::ReadWrite,
     &SwTrunkAlgorithmList},
    {},
};

// ---- IGMP snooping (.11)

constinit const VnSNMPVarDesc IgmpSnoopingBasicTable[] = {
    {"1.3.6.1.4.1.88406.11.59.5.2.11.1", "IGMP Max Supported Vlans", VnSyntax::Integer, VnAccess::ReadOnly},
    {"1.3.6.1.4.1.88406.11.59.5.2.11.2", "IGMP Max Ip Group Num Per Vlan", VnSyntax::Integer, VnAccess::ReadOnly},
    {},
};

constinit const VnSNMPVarDesc IgmpSnoopingControlTable[] = {
    {"1.3.6.1.4.1.88406.11.59.5.2.11.3.1.1", "VID", VnSyntax::Integer, VnAccess::ReadOnly},
    {"1.3.6.1.4.1.88406.11.59.5.2.11.3.1.2", "Query Interval", VnSyntax::Integer, VnAccess::ReadWrite},
    {"1.3.6.1.4.1.88406.11.59.5.2.11.3.1.3", "Max Response Time", VnSyntax::Integer, VnAccess::ReadWrite},
    {"1.3.6.1.4.1.88406.11.59.5.2.11.3.1.4", "Robustness", VnSyntax::Integer, VnAccess::ReadWrite},
    {"1.3.6.1.4.1.88406.11.59.5.2.11.3.1.5", "Last Member Query Interval", VnSyntax::Integer, VnAccess::ReadWrite},
    {"1.3.6.1.4.1.88406.11.59.5.2.11.3.1.6", "Host Timeout", VnSyntax::Integer, VnAccess::ReadWrite},
    {"1.3.6.1.4.1.88406.11.59.5.2.11.3.1.7", "Route Timeout", VnSyntax::Integer, VnAccess::ReadWrite},
    {"1.3.6.1.4.1.88406.11.59.5.2.11.3.1.8", "Leave Timer", VnSyntax::Integer, VnAccess::ReadWrite},
    {"1.3.6.1.4.1.88406.11.59.5.2.11.3.1.9", "Query State", VnSyntax::Integer, VnAccess::ReadWrite, &SwStateList},
    {"1.3.6.1.4.1.88406.11.59.5.2.11.3.1.10", "Current State", VnSyntax::Integer, VnAccess::ReadOnly,
     &SwIgmpQuerierList},
    {"1.3.6.1.4.1.88406.11.59.5.2.11.3.1.11", "Control State", VnSyntax::Integer, VnAccess::ReadWrite,
     &SwEnableList},
    {"1.3.6.1.4.1.88406.11.59.5.2.11.3.1.12", "Fast Leave State", VnSyntax::Integer, VnAccess::ReadWrite,
     &SwEnableList},
    {},
};

constinit const VnSNMPVarDesc IgmpSnoopingQueryTable[] = {
    {"1.3.6.1.4.1.88406.11.59.5.2.11.4.1.1", "VID", VnSyntax::Integer, VnAccess::ReadOnly},
    {"1.3.6.1.4.1.88406.11.59.5.2.11.4.1.2", "Query Count", VnSyntax::Integer, VnAccess::ReadOnly},
    {"1.3.6.1.4.1.88406.11.59.5.2.11.4.1.3", "Tx Query Count", VnSyntax::Integer, VnAccess::ReadOnly},
    {},
};

constinit const VnSNMPVarDesc IgmpSnoopingGroupTable[] = {
    {"1.3.6.1.4.1.88406.11.59.5.2.11.5.1.1", "VID", VnSyntax::Integer, VnAccess::ReadOnly},
    {"1.3.6.1.4.1.88406.11.59.5.2.11.5.1.2", "Group IP Address", VnSyntax::IpAddress, VnAccess::ReadOnly},
    {"1.3.6.1.4.1.88406.11.59.5.2.11.5.1.3", "MAC Address", VnSyntax::MacAddress, VnAccess::ReadOnly},
    {"1.3.6.1.4.1.88406.11.59.5.2.11.5.1.4", "Port Map", VnSyntax::OctetStr, VnAccess::ReadOnly},
    {"1.3.6.1.4.1.88406.11.59.5.2.11.5.1.5", "IP Group Report Count", VnSyntax::Integer, VnAccess::ReadOnly},
    {},
};

// ---- storm control (.13)

constinit const VnSNMPVarDesc TrafficControlTable[] = {
    {"1.3.6.1.4.1.88406.11.59.5.2.13.1.1.1", "Group Index", VnSyntax::Integer, VnAccess::ReadOnly},
    {"1.3.6.1.4.1.88406.11.59.5.2.13.1.1.2", "Unit Index", VnSyntax::Integer, VnAccess::ReadOnly},
    {"1.3.6.1.4.1.88406.11.59.5.2.13.1.1.3", "Broadcast/Multicast Storm Threshold", VnSyntax::Integer,
     VnAccess::ReadWrite},
    {"1.3.6.1.4.1.88406.11.59.5.2.13.1.1.4", "Broadcast Storm Control", VnSyntax::Integer, VnAccess::ReadWrite,
     &SwStateList},
    {"1.3.6.1.4.1.88406.11.59.5.2.13.1.1.5", "Multicast Storm Control", VnSyntax::Integer, VnAccess::ReadWrite,
     &SwStateList},
    {"1.3.6.1.4.1.88406.11.59.5.2.13.1.1.6", "Destination Lookup Fail Control", VnSyntax::Integer,
     VnAccess::ReadWrite, &SwStateList},
    {},
};
