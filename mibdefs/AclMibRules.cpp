// Access rules of the port access profiles (.12.9.3) and of the CPU
// filter (.12.9.5). The first two columns of every rule table are the
// profile and access IDs: index columns, never sent as values.
#include "AclMib.h"

namespace {

const VnIntOption aclRuleEnabledOptions[] = {{1, "enabled"}, {2, "disabled"}, {0, nullptr}};
const VnIntOption aclRulePermitOptions[] = {{1, "deny"}, {2, "permit"}, {0, nullptr}};
const VnIntOption aclRuleStatusOptions[] = {{1, "active"}, {4, "createAndGo"}, {6, "destroy"}, {0, nullptr}};
const VnIntOption aclRuleProtocolOptions[] = {{1, "none"}, {2, "icmp"},       {3, "igmp"}, {4, "tcp"},
                                              {5, "udp"},  {6, "protocolId"}, {0, nullptr}};

}  // namespace

const VnOptionList AclRuleEnabledList(aclRuleEnabledOptions);
const VnOptionList AclRulePermitList(aclRulePermitOptions);
const VnOptionList AclRuleStatusList(aclRuleStatusOptions);
const VnOptionList AclRuleProtocolList(aclRuleProtocolOptions);

namespace S = VnSyntax;
namespace A = VnAccess;

// ---- rules of the port access profiles

constinit const VnSNMPVarDesc AclEthernetRuleTable[] = {
    {"1.3.6.1.4.1.88406.12.9.3.1.1.1", "Mask ID", S::Integer, A::NotAccess},
    {"1.3.6.1.4.1.88406.12.9.3.1.1.2", "Access ID", S::Integer, A::NotAccess},
    {"1.3.6.1.4.1.88406.12.9.3.1.1.3", "VLAN Rule", S::DisplayStr, A::ReadWrite},
    {"1.3.6.1.4.1.88406.12.9.3.1.1.4", "Source MAC Address Rule", S::MacAddress, A::ReadWrite},
    {"1.3.6.1.4.1.88406.12.9.3.1.1.5", "Destination MAC Address Rule", S::MacAddress, A::ReadWrite},
    {"1.3.6.1.4.1.88406.12.9.3.1.1.6", "802.1P Rule", S::Integer, A::ReadWrite},
    {"1.3.6.1.4.1.88406.12.9.3.1.1.7", "Ethernet Type Rule", S::OctetStr, A::ReadWrite},
    {"1.3.6.1.4.1.88406.12.9.3.1.1.8", "Enable Priority Rule", S::Integer, A::ReadWrite, &AclRuleEnabledList},
    {"1.3.6.1.4.1.88406.12.9.3.1.1.9", "Priority Rule", S::Integer, A::ReadWrite},
    {"1.3.6.1.4.1.88406.12.9.3.1.1.10", "Replace Priority Rule", S::Integer, A::ReadWrite, &AclRuleEnabledList},
    {"1.3.6.1.4.1.88406.12.9.3.1.1.11", "Enable Replace DSCP Rule", S::Integer, A::ReadWrite, &AclRuleEnabledList},
    {"1.3.6.1.4.1.88406.12.9.3.1.1.12", "Rule Replace DSCP Rule", S::Integer, A::ReadWrite},
    {"1.3.6.1.4.1.88406.12.9.3.1.1.13", "Permit Rule", S::Integer, A::ReadWrite, &AclRulePermitList},
    {"1.3.6.1.4.1.88406.12.9.3.1.1.14", "Port", S::BitStr, A::ReadWrite},
    {"1.3.6.1.4.1.88406.12.9.3.1.1.15", "Row Status", S::Integer, A::ReadWrite, &AclRuleStatusList},
    {},
};

constinit const VnSNMPVarDesc AclIpRuleTable[] = {
    {"1.3.6.1.4.1.88406.12.9.3.2.1.1", "IP Rule ID", S::Integer, A::NotAccess},
    {"1.3.6.1.4.1.88406.12.9.3.2.1.2", "IP Rule Access ID", S::Integer, A::NotAccess},
    {"1.3.6.1.4.1.88406.12.9.3.2.1.3", "Apply VLAN", S::DisplayStr, A::ReadWrite},
    {"1.3.6.1.4.1.88406.12.9.3.2.1.4", "Source IP Address", S::IpAddress, A::ReadWrite},
    {"1.3.6.1.4.1.88406.12.9.3.2.1.5", "Destination IP address", S::IpAddress, A::ReadWrite},
    {"1.3.6.1.4.1.88406.12.9.3.2.1.6", "DSCP", S::Integer, A::ReadWrite},
    {"1.3.6.1.4.1.88406.12.9.3.2.1.7", "Rule Protocol", S::Integer, A::ReadOnly, &AclRuleProtocolList},
    {"1.3.6.1.4.1.88406.12.9.3.2.1.8", "Rule Type", S::Integer, A::ReadWrite},
    {"1.3.6.1.4.1.88406.12.9.3.2.1.9", "Rule Code", S::Integer, A::ReadWrite},
    {"1.3.6.1.4.1.88406.12.9.3.2.1.10", "Source Port", S::Integer, A::ReadWrite},
    {"1.3.6.1.4.1.88406.12.9.3.2.1.11", "Destination Port", S::Integer, A::ReadWrite},
    {"1.3.6.1.4.1.88406.12.9.3.2.1.12", "Flag Bits", S::Integer, A::ReadWrite},
    {"1.3.6.1.4.1.88406.12.9.3.2.1.13", "Protocol ID", S::Integer, A::ReadWrite},
    {"1.3.6.1.4.1.88406.12.9.3.2.1.14", "User Mask", S::OctetStr, A::ReadWrite},
    {"1.3.6.1.4.1.88406.12.9.3.2.1.15", "Enable Priority", S::Integer, A::ReadWrite, &AclRuleEnabledList},
    {"1.3.6.1.4.1.88406.12.9.3.2.1.16", "Priority", S::Integer, A::ReadWrite},
    {"1.3.6.1.4.1.88406.12.9.3.2.1.17", "Replace Priority", S::Integer, A::ReadWrite, &AclRuleEnabledList},
    {"1.3.6.1.4.1.88406.12.9.3.2.1.18", "Enable Replace Dscp", S::Integer, A::ReadWrite, &AclRuleEnabledList},
    {"1.3.6.1.4.1.88406.12.9.3.2.1.19", "DSCP Value", S::Integer, A::ReadWrite},
    {"1.3.6.1.4.1.88406.12.9.3.2.1.20", "Permit", S::Integer, A::ReadWrite, &AclRulePermitList},
    {"1.3.6.1.4.1.88406.12.9.3.2.1.21", "Port", S::BitStr, A::ReadWrite},
    {"1.3.6.1.4.1.88406.12.9.3.2.1.22", "Row Status", S::Integer, A::ReadWrite, &AclRuleStatusList},
    {},
};

constinit const VnSNMPVarDesc AclUserDefinedRuleTable[] = {
    {"1.3.6.1.4.1.88406.12.9.3.3.1.1", "Profile ID", S::Integer, A::NotAccess},
    {"1.3.6.1.4.1.88406.12.9.3.3.1.2", "Access ID", S::Integer, A::NotAccess},
    {"1.3.6.1.4.1.88406.12.9.3.3.1.3", "Packet(s) Offset [0 to 15]", S::OctetStr, A::ReadWrite},
    {"1.3.6.1.4.1.88406.12.9.3.3.1.4", "Packet(s) Offset [16 to 31]", S::OctetStr, A::ReadWrite},
    {"1.3.6.1.4.1.88406.12.9.3.3.1.5", "Packet(s) Offset [32 to 47]", S::OctetStr, A::ReadWrite},
    {"1.3.6.1.4.1.88406.12.9.3.3.1.6", "Packet(s) Offset [48 to 63]", S::OctetStr, A::ReadWrite},
    {"1.3.6.1.4.1.88406.12.9.3.3.1.7", "Packet(s) Offset [64 to 79]", S::OctetStr, A::ReadWrite},
    {"1.3.6.1.4.1.88406.12.9.3.3.1.8", "Enable Priority", S::Integer, A::ReadWrite, &AclRuleEnabledList},
    {"1.3.6.1.4.1.88406.12.9.3.3.1.9", "Priority", S::Integer, A::ReadWrite},
    {"1.3.6.1.4.1.88406.12.9.3.3.1.10", "Replace Priority", S::Integer, A::ReadWrite, &AclRuleEnabledList},
    {"1.3.6.1.4.1.88406.12.9.3.3.1.11", "Enable Replace DSCP", S::Integer, A::ReadWrite, &AclRuleEnabledList},
    {"1.3.6.1.4.1.88406.12.9.3.3.1.12", "Replace DSCP", S::Integer, A::ReadWrite},
    {"1.3.6.1.4.1.88406.12.9.3.3.1.13", "Permit", S::Integer, A::ReadWrite, &AclRulePermitList},
    {"1.3.6.1.4.1.88406.12.9.3.3.1.14", "Port", S::BitStr, A::ReadWrite},
    {"1.3.6.1.4.1.88406.12.9.3.3.1.15", "Row Status", S::Integer, A::ReadWrite, &AclRuleStatusList},
    {},
};

constinit const VnSNMPVarDesc AclIpv6RuleTable[] = {
    {"1.3.6.1.4.1.88406.12.9.3.4.1.1", "IPv6 Rule ID", S::Integer, A::NotAccess},
    {"1.3.6.1.4.1.88406.12.9.3.4.1.2", "IPv6 Rule Access ID", S::Integer, A::NotAccess},
    {"1.3.6.1.4.1.88406.12.9.3.4.1.3", "Class", S::Integer, A::ReadWrite},
    {"1.3.6.1.4.1.88406.12.9.3.4.1.4", "Flow Label", S::OctetStr, A::ReadWrite},
    {"1.3.6.1.4.1.88406.12.9.3.4.1.5", "IPv6 Source Address", S::OctetStr, A::ReadWrite},
    {"1.3.6.1.4.1.88406.12.9.3.4.1.6", "IPv6 Destination Address", S::OctetStr, A::ReadWrite},
    {"1.3.6.1.4.1.88406.12.9.3.4.1.7", "Enable Priority", S::Integer, A::ReadWrite, &AclRuleEnabledList},
    {"1.3.6.1.4.1.88406.12.9.3.4.1.8", "Priority", S::Integer, A::ReadWrite},
    {"1.3.6.1.4.1.88406.12.9.3.4.1.9", "Replace Priority", S::Integer, A::ReadWrite, &AclRuleEnabledList},
    {"1.3.6.1.4.1.88406.12.9.3.4.1.10", "Permit", S::Integer, A::ReadWrite, &AclRulePermitList},
    {"1.3.6.1.4.1.88406.12.9.3.4.1.11", "Port", S::BitStr, A::ReadWrite},
    {"1.3.6.1.4.1.88406.12.9.3.4.1.12", "Row Status", S::Integer, A::ReadWrite, &AclRuleStatusList},
    {},
};

// ---- rules of the CPU filter

constinit const VnSNMPVarDesc CpuEthernetRuleTable[] = {
    {"1.3.6.1.4.1.88406.12.9.5.1.1.1", "Mask ID", S::Integer, A::NotAccess},
    {"1.3.6.1.4.1.88406.12.9.5.1.1.2", "Access ID", S::Integer, A::NotAccess},
    {"1.3.6.1.4.1.88406.12.9.5.1.1.3", "VLAN Rule", S::DisplayStr, A::ReadWrite},
    {"1.3.6.1.4.1.88406.12.9.5.1.1.4", "Source MAC Address Rule", S::MacAddress, A::ReadWrite},
    {"1.3.6.1.4.1.88406.12.9.5.1.1.5", "Destination MAC Address Rule", S::MacAddress, A::ReadWrite},
    {"1.3.6.1.4.1.88406.12.9.5.1.1.6", "802.1P Rule", S::Integer, A::ReadWrite},
    {"1.3.6.1.4.1.88406.12.9.5.1.1.7", "Ethernet Type Rule", S::OctetStr, A::ReadWrite},
    {"1.3.6.1.4.1.88406.12.9.5.1.1.8", "Permit Rule", S::Integer, A::ReadWrite, &AclRulePermitList},
    {"1.3.6.1.4.1.88406.12.9.5.1.1.9", "Row Status", S::Integer, A::ReadWrite, &AclRuleStatusList},
    {},
};

constinit const VnSNMPVarDesc CpuIpRuleTable[] = {
    {"1.3.6.1.4.1.88406.12.9.5.2.1.1", "IP Rule ID", S::Integer, A::NotAccess},
    {"1.3.6.1.4.1.88406.12.9.5.2.1.2", "IP Rule Access ID", S::Integer, A::NotAccess},
    {"1.3.6.1.4.1.88406.12.9.5.2.1.3", "Apply VLAN", S::DisplayStr, A::ReadWrite},
    {"1.3.6.1.4.1.88406.12.9.5.2.1.4", "Source IP Address", S::IpAddress, A::ReadWrite},
    {"1.3.6.1.4.1.88406.12.9.5.2.1.5", "Destination IP address", S::IpAddress, A::ReadWrite},
    {"1.3.6.1.4.1.88406.12.9.5.2.1.6", "DSCP", S::Integer, A::ReadWrite},
    {"1.3.6.1.4.1.88406.12.9.5.2.1.7", "Rule Protocol", S::Integer, A::ReadOnly, &AclRuleProtocolList},
    {"1.3.6.1.4.1.88406.12.9.5.2.1.8", "Rule Type", S::Integer, A::ReadWrite},
    {"1.3.6.1.4.1.88406.12.9.5.2.1.9", "Rule Code", S::Integer, A::ReadWrite},
    {"1.3.6.1.4.1.88406.12.9.5.2.1.10", "Source Port", S::Integer, A::ReadWrite},
    {"1.3.6.1.4.1.88406.12.9.5.2.1.11", "Destination Port", S::Integer, A::ReadWrite},
    {"1.3.6.1.4.1.88406.12.9.5.2.1.12", "Flag Bits", S::Integer, A::ReadWrite},
    {"1.3.6.1.4.1.88406.12.9.5.2.1.13", "Protocol ID", S::Integer, A::ReadWrite},
    {"1.3.6.1.4.1.88406.12.9.5.2.1.14", "User Mask", S::OctetStr, A::ReadWrite},
    {"1.3.6.1.4.1.88406.12.9.5.2.1.15", "Permit", S::Integer, A::ReadWrite, &AclRulePermitList},
    {"1.3.6.1.4.1.88406.12.9.5.2.1.16", "Row Status", S::Integer, A::ReadWrite, &AclRuleStatusList},
    {},
};

constinit const VnSNMPVarDesc CpuUserDefinedRuleTable[] = {
    {"1.3.6.1.4.1.88406.12.9.5.3.1.1", "Profile ID", S::Integer, A::NotAccess},
    {"1.3.6.1.4.1.88406.12.9.5.3.1.2", "Access ID", S::Integer, A::NotAccess},
    {"1.3.6.1.4.1.88406.12.9.5.3.1.3", "Packet(s) Offset [0 to 15]", S::OctetStr, A::ReadWrite},
    {"1.3.6.1.4.1.88406.12.9.5.3.1.4", "Packet(s) Offset [16 to 31]", S::OctetStr, A::ReadWrite},
    {"1.3.6.1.4.1.88406.12.9.5.3.1.5", "Packet(s) Offset [32 to 47]", S::OctetStr, A::ReadWrite},
    {"1.3.6.1.4.1.88406.12.9.5.3.1.6", "Packet(s) Offset [48 to 63]", S::OctetStr, A::ReadWrite},
    {"1.3.6.1.4.1.88406.12.9.5.3.1.7", "Packet(s) Offset [64 to 79]", S::OctetStr, A::ReadWrite},
    {"1.3.6.1.4.1.88406.12.9.5.3.1.8", "Permit", S::Integer, A::ReadWrite, &AclRulePermitList},
    {"1.3.6.1.4.1.88406.12.9.5.3.1.9", "Row Status", S::Integer, A::ReadWrite, &AclRuleStatusList},
    {},
};

constinit const VnSNMPVarDesc CpuIpv6RuleTable[] = {
    {"1.3.6.1.4.1.88406.12.9.5.4.1.1", "IPv6 Rule ID", S::Integer, A::NotAccess},
    {"1.3.6.1.4.1.88406.12.9.5.4.1.2", "IPv6 Rule Access ID", S::Integer, A::NotAccess},
    {"1.3.6.1.4.1.88406.12.9.5.4.1.3", "Class", S::Integer, A::ReadWrite},
    {"1.3.6.1.4.1.88406.12.9.5.4.1.4", "Flow Label", S::OctetStr, A::ReadWrite},
    {"1.3.6.1.4.1.88406.12.9.5.4.1.5", "IPv6 Source Address", S::OctetStr, A::ReadWrite},
    {"1.3.6.1.4.1.88406.12.9.5.4.1.6", "IPv6 Destination Address", S::OctetStr, A::ReadWrite},
    {"1.3.6.1.4.1.88406.12.9.5.4.1.7", "Permit", S::Integer, A::ReadWrite, &AclRulePermitList},
    {"1.3.6.1.4.1.88406.12.9.5.4.1.8", "Row Status", S::Integer, A::ReadWrite, &AclRuleStatusList},
    {},
};
