#pragma once
// Enterprise access profiles and CPU-interface filtering
// (1.3.6.1.4.1.88406.12.9): descriptor tables and option lists.
// The option lists have static storage: built before main in the order they
// are defined, destroyed after it returns (no InitAclMibOptionLists /
// FreeAclMibOptionLists calls). See README.md.
#include "VnOptionList.h"
#include "VnSNMPVarList.h"

// ---- CPU-interface filtering
extern const VnOptionList CpuFilterStateList;  // 3 enabled, 2 disabled: shown in that order
extern const VnSNMPVarDesc CpuInterfaceFilterStateTable[];  // scalars

// ---- access rules: port profiles (.12.9.3) and CPU filter (.12.9.5); AclMibRules.cpp
extern const VnOptionList AclRuleEnabledList;   // 1 enabled, 2 disabled
extern const VnOptionList AclRulePermitList;    // 1 deny, 2 permit
extern const VnOptionList AclRuleStatusList;    // 1 active, 4 createAndGo, 6 destroy
extern const VnOptionList AclRuleProtocolList;  // 1 none, 2 icmp, 3 igmp, 4 tcp, 5 udp, 6 protocolId
extern const VnSNMPVarDesc AclEthernetRuleTable[];     // .12.9.3.1.1, 15 columns
extern const VnSNMPVarDesc AclIpRuleTable[];           // .12.9.3.2.1, 22 columns
extern const VnSNMPVarDesc AclUserDefinedRuleTable[];  // .12.9.3.3.1, 15 columns
extern const VnSNMPVarDesc AclIpv6RuleTable[];         // .12.9.3.4.1, 12 columns
extern const VnSNMPVarDesc CpuEthernetRuleTable[];     // .12.9.5.1.1, 9 columns
extern const VnSNMPVarDesc CpuIpRuleTable[];           // .12.9.5.2.1, 16 columns
extern const VnSNMPVarDesc CpuUserDefinedRuleTable[];  // .12.9.5.3.1, 9 columns
extern const VnSNMPVarDesc CpuIpv6RuleTable[];         // .12.9.5.4.1, 8 columns

// ---- access-profile masks: port profiles (.12.9.2) and CPU filter (.12.9.4); AclMibMasks.cpp
extern const VnOptionList AclMacMaskStateList;   // 1 other, 2 dst-MAC-addr, 3 src-MAC-addr, 4 dst-src-MAC-addr
extern const VnOptionList CpuMacMaskStateList;   // as above, 4 dst-src-MACMAC-addr
extern const VnOptionList AclIpMaskStateList;    // 1 other, 2 dst-IP-addr, 3 src-IP-addr, 4 dst-src-IP-addr
extern const VnOptionList AclIcmpOptionList;     // 1 none, 2 type, 3 code, 4 type-code
extern const VnOptionList AclEnableList;         // 1 enable, 2 disable
extern const VnOptionList AclPortOptionList;     // 1 other, 2 dst-addr, 3 src-addr, 4 dst-src-addr
extern const VnOptionList AclIpv6MaskStateList;  // 1 other, 2 dst-IPV6-addr, 3 src-IPV6-addr, 4 dst-src-IPV6-addr
extern const VnSNMPVarDesc AclEthernetMaskTable[];     // .12.9.2.1.1, 8 columns
extern const VnSNMPVarDesc AclIpMaskTable[];           // .12.9.2.2.1, 18 columns
extern const VnSNMPVarDesc AclUserDefinedMaskTable[];  // .12.9.2.3.1, 7 columns
extern const VnSNMPVarDesc AclIpv6MaskTable[];         // .12.9.2.4.1, 7 columns
extern const VnSNMPVarDesc CpuEthernetMaskTable[];     // .12.9.4.1.1, 8 columns
extern const VnSNMPVarDesc CpuIpMaskTable[];           // .12.9.4.2.1, 18 columns
extern const VnSNMPVarDesc CpuUserDefinedMaskTable[];  // .12.9.4.3.1, 7 columns
extern const VnSNMPVarDesc CpuIpv6MaskTable[];         // .12.9.4.4.1, 7 columns
