// Access-profile masks of the ports (.12.9.2) and of the CPU filter
// (.12.9.4). Column 1 of every mask table is the mask ID, the one index
// column; the last is the row status. The enumerations the rule tables
// share (enabled/disabled, row status, protocol type) are their lists.
#include "AclMib.h"

namespace {

const VnIntOption aclMacMaskStateOptions[] = {
    {1, "other"}, {2, "dst-MAC-addr"}, {3, "src-MAC-addr"}, {4, "dst-src-MAC-addr"}, {0, nullptr}};
// The CPU filter's agent names its fourth state so.
const VnIntOption cpuMacMaskStateOptions[] = {
    {1, "other"}, {2, "dst-MAC-addr"}, {3, "src-MAC-addr"}, {4, "dst-src-MACMAC-addr"}, {0, nullptr}};
const VnIntOption aclIpMaskStateOptions[] = {
    {1, "other"}, {2, "dst-IP-addr"}, {3, "src-IP-addr"}, {4, "dst-src-IP-addr"}, {0, nullptr}};
const VnIntOption aclIcmpOptionOptions[] = {{1, "none"}, {2, "type"}, {3, "code"}, {4, "type-code"}, {0, nullptr}};
const VnIntOption aclEnableOptions[] = {{1, "enable"}, {2, "disable"}, {0, nullptr}};
const VnIntOption aclPortOptionOptions[] = {
    {1, "other"}, {2, "dst-addr"}, {3, "src-addr"}, {4, "dst-src-addr"}, {0, nullptr}};
const VnIntOption aclIpv6MaskStateOptions[] = {
    {1, "other"}, {2, "dst-IPV6-addr"}, {3, "src-IPV6-addr"}, {4, "dst-src-IPV6-addr"}, {0, nullptr}};

}  // namespace

const VnOptionList AclMacMaskStateList(aclMacMaskStateOptions);
const VnOptionList CpuMacMaskStateList(cpuMacMaskStateOptions);
const VnOptionList AclIpMaskStateList(aclIpMaskStateOptions);
const VnOptionList AclIcmpOptionList(aclIcmpOptionOptions);
const VnOptionList AclEnableList(aclEnableOptions);
const VnOptionList AclPortOptionList(aclPortOptionOptions);
const VnOptionList AclIpv6MaskStateList(aclIpv6MaskStateOptions);

namespace S = VnSyntax;
namespace A = VnAccess;

// ---- masks of the port access profiles

constinit const VnSNMPVarDesc AclEthernetMaskTable[] = {
    {"1.3.6.1.4.1.88406.12.9.2.1.1.1", "Ethernet MASK ID ", S::Integer, A::ReadOnly},
    {"1.3.6.1.4.1.88406.12.9.2.1.1.2", "Use Vlan", S::Integer, A::ReadWrite, &AclRuleEnabledList},
    {"1.3.6.1.4.1.88406.12.9.2.1.1.3", "MAC Address Mask State", S::Integer, A::ReadWrite, &AclMacMaskStateList},
    {"1.3.6.1.4.1.88406.12.9.2.1.1.4", "MAC Address Mask Source", S::MacAddress, A::ReadWrite},
    {"1.3.6.1.4.1.88406.12.9.2.1.1.5", "MAC Address Mask Destination", S::MacAddress, A::ReadWrite},
    {"1.3.6.1.4.1.88406.12.9.2.1.1.6", "Use 802.1P", S::Integer, A::ReadWrite, &AclRuleEnabledList},
    {"1.3.6.1.4.1.88406.12.9.2.1.1.7", "Use Ethernet Type", S::Integer, A::ReadWrite, &AclRuleEnabledList},
    {"1.3.6.1.4.1.88406.12.9.2.1.1.8", "Row Status", S::Integer, A::ReadWrite, &AclRuleStatusList},
    {},
};

constinit const VnSNMPVarDesc AclIpMaskTable[] = {
    {"1.3.6.1.4.1.88406.12.9.2.2.1.1", "IP ID", S::Integer, A::ReadOnly},
    {"1.3.6.1.4.1.88406.12.9.2.2.1.2", "Use VLAN", S::Integer, A::ReadWrite, &AclRuleEnabledList},
    {"1.3.6.1.4.1.88406.12.9.2.2.1.3", "IP Address Mask State", S::Integer, A::ReadWrite, &AclIpMaskStateList},
    {"1.3.6.1.4.1.88406.12.9.2.2.1.4", "IP Address Mask Source", S::IpAddress, A::ReadWrite},
    {"1.3.6.1.4.1.88406.12.9.2.2.1.5", "IP Address Mask Destination", S::IpAddress, A::ReadWrite},
    {"1.3.6.1.4.1.88406.12.9.2.2.1.6", "Use DSCP", S::Integer, A::ReadWrite, &AclRuleEnabledList},
    {"1.3.6.1.4.1.88406.12.9.2.2.1.7", "Use Protocol Type", S::Integer, A::ReadWrite, &AclRuleProtocolList},
    {"1.3.6.1.4.1.88406.12.9.2.2.1.8", "ICMP Option", S::Integer, A::ReadWrite, &AclIcmpOptionList},
    {"1.3.6.1.4.1.88406.12.9.2.2.1.9", "IGMP Option", S::Integer, A::ReadWrite, &AclEnableList},
    {"1.3.6.1.4.1.88406.12.9.2.2.1.10", "TCP Option", S::Integer, A::ReadWrite, &AclPortOptionList},
    {"1.3.6.1.4.1.88406.12.9.2.2.1.11", "UDP Option", S::Integer, A::ReadWrite, &AclPortOptionList},
    {"1.3.6.1.4.1.88406.12.9.2.2.1.12", "TCP or UDP Srouce Port Mask", S::OctetStr, A::ReadWrite},
    {"1.3.6.1.4.1.88406.12.9.2.2.1.13", "TCP or UDP Destination Port Mask", S::OctetStr, A::ReadWrite},
    {"1.3.6.1.4.1.88406.12.9.2.2.1.14", "TCP Flag Bit", S::Integer, A::ReadWrite, &AclEnableList},
    {"1.3.6.1.4.1.88406.12.9.2.2.1.15", "TCP Flag Bit Mask", S::Integer, A::ReadWrite},
    {"1.3.6.1.4.1.88406.12.9.2.2.1.16", "Protocol ID Option", S::Integer, A::ReadWrite, &AclEnableList},
    {"1.3.6.1.4.1.88406.12.9.2.2.1.17", "Protocol ID Mask", S::OctetStr, A::ReadWrite},
    {"1.3.6.1.4.1.88406.12.9.2.2.1.18", "Row Status", S::Integer, A::ReadWrite, &AclRuleStatusList},
    {},
};

constinit const VnSNMPVarDesc AclUserDefinedMaskTable[] = {
    {"1.3.6.1.4.1.88406.12.9.2.3.1.1", "Mask Entry ID", S::Integer, A::NotAccess},
    {"1.3.6.1.4.1.88406.12.9.2.3.1.2", "Filtered Port(s) [0 to 15]", S::OctetStr, A::ReadWrite},
    {"1.3.6.1.4.1.88406.12.9.2.3.1.3", "Filtered Port(s) [16 to 31]", S::OctetStr, A::ReadWrite},
    {"1.3.6.1.4.1.88406.12.9.2.3.1.4", "Filtered Port(s) [32 to 47]", S::OctetStr, A::ReadWrite},
    {"1.3.6.1.4.1.88406.12.9.2.3.1.5", "Filtered Port(s) [48 to 63]", S::OctetStr, A::ReadWrite},
    {"1.3.6.1.4.1.88406.12.9.2.3.1.6", "Filtered Port(s) [64 to 79]", S::OctetStr, A::ReadWrite},
    {"1.3.6.1.4.1.88406.12.9.2.3.1.7", "Row Status", S::Integer, A::ReadWrite, &AclRuleStatusList},
    {},
};

constinit const VnSNMPVarDesc AclIpv6MaskTable[] = {
    {"1.3.6.1.4.1.88406.12.9.2.4.1.1", "IPv6 Mask ID", S::Integer, A::NotAccess},
    {"1.3.6.1.4.1.88406.12.9.2.4.1.2", "Class", S::Integer, A::ReadWrite, &AclEnableList},
    {"1.3.6.1.4.1.88406.12.9.2.4.1.3", "Flow Label", S::Integer, A::ReadWrite, &AclEnableList},
    {"1.3.6.1.4.1.88406.12.9.2.4.1.4", "IPv6 Address Mask State", S::Integer, A::ReadWrite, &AclIpv6MaskStateList},
    {"1.3.6.1.4.1.88406.12.9.2.4.1.5", "IPv6 Source Address Mask", S::OctetStr, A::ReadWrite},
    {"1.3.6.1.4.1.88406.12.9.2.4.1.6", "IPv6 Destination Address Mask", S::OctetStr, A::ReadWrite},
    {"1.3.6.1.4.1.88406.12.9.2.4.1.7", "Row Status", S::Integer, A::ReadWrite, &AclRuleStatusList},
    {},
};

// ---- masks of the CPU filter

constinit const VnSNMPVarDesc CpuEthernetMaskTable[] = {
    {"1.3.6.1.4.1.88406.12.9.4.1.1.1", "Ethernet MASK ID", S::Integer, A::NotAccess},
    {"1.3.6.1.4.1.88406.12.9.4.1.1.2", "Use VLAN", S::Integer, A::ReadWrite, &AclRuleEnabledList},
    {"1.3.6.1.4.1.88406.12.9.4.1.1.3", "MAC Address Mask State", S::Integer, A::ReadWrite, &CpuMacMaskStateList},
    {"1.3.6.1.4.1.88406.12.9.4.1.1.4", "MAC Address Mask Source", S::MacAddress, A::ReadWrite},
    {"1.3.6.1.4.1.88406.12.9.4.1.1.5", "MAC Address Mask Destination", S::MacAddress, A::ReadWrite},
    {"1.3.6.1.4.1.88406.12.9.4.1.1.6", "Use 802.1P", S::Integer, A::ReadWrite, &AclRuleEnabledList},
    {"1.3.6.1.4.1.88406.12.9.4.1.1.7", "Use Ethernet Type", S::Integer, A::ReadWrite, &AclRuleEnabledList},
    {"1.3.6.1.4.1.88406.12.9.4.1.1.8", "Row Status", S::Integer, A::ReadWrite, &AclRuleStatusList},
    {},
};

constinit const VnSNMPVarDesc CpuIpMaskTable[] = {
    {"1.3.6.1.4.1.88406.12.9.4.2.1.1", "IP ID", S::Integer, A::NotAccess},
    {"1.3.6.1.4.1.88406.12.9.4.2.1.2", "Use VLAN", S::Integer, A::ReadWrite, &AclRuleEnabledList},
    {"1.3.6.1.4.1.88406.12.9.4.2.1.3", "IP Address Mask State", S::Integer, A::ReadWrite, &AclIpMaskStateList},
    {"1.3.6.1.4.1.88406.12.9.4.2.1.4", "IP Address Mask Source", S::IpAddress, A::ReadWrite},
    {"1.3.6.1.4.1.88406.12.9.4.2.1.5", "IP Address Mask Destination", S::IpAddress, A::ReadWrite},
    {"1.3.6.1.4.1.88406.12.9.4.2.1.6", "Use DSCP", S::Integer, A::ReadWrite, &AclRuleEnabledList},
    {"1.3.6.1.4.1.88406.12.9.4.2.1.7", "Use Protocol Type", S::Integer, A::ReadWrite, &AclRuleProtocolList},
    {"1.3.6.1.4.1.88406.12.9.4.2.1.8", "ICMP Option", S::Integer, A::ReadWrite, &AclIcmpOptionList},
    {"1.3.6.1.4.1.88406.12.9.4.2.1.9", "IGMP Option", S::Integer, A::ReadWrite, &AclEnableList},
    {"1.3.6.1.4.1.88406.12.9.4.2.1.10", "TCP Option", S::Integer, A::ReadWrite, &AclPortOptionList},
    {"1.3.6.1.4.1.88406.12.9.4.2.1.11", "UDP Option", S::Integer, A::ReadWrite, &AclPortOptionList},
    {"1.3.6.1.4.1.88406.12.9.4.2.1.12", "TCP or UDP Srouce Port Mask", S::OctetStr, A::ReadWrite},
    {"1.3.6.1.4.1.88406.12.9.4.2.1.13", "TCP or UDP Destination Port Mask", S::OctetStr, A::ReadWrite},
    {"1.3.6.1.4.1.88406.12.9.4.2.1.14", "TCP Flag Bit", S::Integer, A::ReadWrite, &AclEnableList},
    {"1.3.6.1.4.1.88406.12.9.4.2.1.15", "TCP Flag Bit Mask", S::Integer, A::ReadWrite},
    {"1.3.6.1.4.1.88406.12.9.4.2.1.16", "Protocol ID Option", S::Integer, A::ReadWrite, &AclEnableList},
    {"1.3.6.1.4.1.88406.12.9.4.2.1.17", "Protocol ID Mask", S::OctetStr, A::ReadWrite},
    {"1.3.6.1.4.1.88406.12.9.4.2.1.18", "Row Status", S::Integer, A::ReadWrite, &AclRuleStatusList},
    {},
};

constinit const VnSNMPVarDesc CpuUserDefinedMaskTable[] = {
    {"1.3.6.1.4.1.88406.12.9.4.3.1.1", "Mask Entry ID", S::Integer, A::NotAccess},
    {"1.3.6.1.4.1.88406.12.9.4.3.1.2", "Filtered Port(s) [0 to 15]", S::OctetStr, A::ReadWrite},
    {"1.3.6.1.4.1.88406.12.9.4.3.1.3", "Filtered Port(s) [16 to 31]", S::OctetStr, A::ReadWrite},
    {"1.3.6.1.4.1.88406.12.9.4.3.1.4", "Filtered Port(s) [32 to 47]", S::OctetStr, A::ReadWrite},
    {"1.3.6.1.4.1.88406.12.9.4.3.1.5", "Filtered Port(s) [48 to 63]", S::OctetStr, A::ReadWrite},
    {"1.3.6.1.4.1.88406.12.9.4.3.1.6", "Filtered Port(s) [64 to 79]", S::OctetStr, A::ReadWrite},
    {"1.3.6.1.4.1.88406.12.9.4.3.1.7", "Row Status", S::Integer, A::ReadWrite, &AclRuleStatusList},
    {},
};

constinit const VnSNMPVarDesc CpuIpv6MaskTable[] = {
    {"1.3.6.1.4.1.88406.12.9.4.4.1.1", "IPv6 Mask ID", S::Integer, A::NotAccess},
    {"1.3.6.1.4.1.88406.12.9.4.4.1.2", "Class", S::Integer, A::ReadWrite, &AclEnableList},
    {"1.3.6.1.4.1.88406.12.9.4.4.1.3", "Flow Label", S::Integer, A::ReadWrite, &AclEnableList},
    {"1.3.6.1.4.1.88406.12.9.4.4.1.4", "IPv6 Address Mask State", S::Integer, A::ReadWrite, &AclIpv6MaskStateList},
    {"1.3.6.1.4.1.88406.12.9.4.4.1.5", "IPv6 Source Address Mask", S::OctetStr, A::ReadWrite},
    {"1.3.6.1.4.1.88406.12.9.4.4.1.6", "IPv6 Destination Address Mask", S::OctetStr, A::ReadWrite},
    {"1.3.6.1.4.1.88406.12.9.4.4.1.7", "Row Status", S::Integer, A::ReadWrite, &AclRuleStatusList},
    {},
};
