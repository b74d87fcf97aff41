#pragma once
// Enterprise layer 3 (1.3.6.1.4.1.88406.11.59.5.3): descriptor tables and
// option lists.
// The option lists have static storage: built before main in the order they
// are defined, destroyed after it returns (no InitL3MibOptionLists /
// FreeL3MibOptionLists calls). See README.md.
#include "VnOptionList.h"
#include "VnSNMPVarList.h"

// ---- MD5 keys, BOOTP relay, route redistribution; L3MibPeriphery.cpp
extern const VnOptionList L3RowStatusList;          // 1 active, 4 createAndGo, 6 destroy
extern const VnOptionList L3ValidStateList;         // 2 invalid, 3 valid
extern const VnOptionList L3RedistSourceList;       // 2 RIP, 3 OSPF, 4 static, 5 local
extern const VnOptionList L3RedistDestinationList;  // 2 RIP, 3 OSPF
extern const VnOptionList L3RedistTypeList;         // 2 all .. 10 extType2
extern const VnSNMPVarDesc Md5KeyTable[];               // .4.1, key count 1
extern const VnSNMPVarDesc BootpRelayTable[];           // .3.1.4.1, key count 2 (name, server)
extern const VnSNMPVarDesc RouteRedistributionTable[];  // .5.1, key count 2 (source, destination)

// ---- IP-MAC map: the IP interface named for each MAC offset
extern const VnSNMPVarDesc IpMacMapTable[];  // offset (index), interface name

// ---- the layer-3 generic editors; L3MibEditors.cpp
extern const VnOptionList L3StateList;        // 2 disabled, 3 enabled
extern const VnOptionList L3IpModeList;       // 2 manual, 3 bootp, 4 dhcp
extern const VnOptionList L3TrueFalseList;    // 1 true, 2 false
extern const VnOptionList L3UpDownList;       // 2 up, 3 down
extern const VnOptionList L3RouteTypeList;    // 2 static, 3 dynamic
extern const VnOptionList L3BackupStateList;  // 1 primary, 2 backup
extern const VnOptionList L3VirtIfStateList;  // 1 down, 4 pointToPoint
extern const VnOptionList L3OspfAuthList;     // 1 none, 2 simple, 3 MD5
extern const VnSNMPVarDesc IpControlTable[];             // .2.1.1.1, key: IP address
extern const VnSNMPVarDesc IpForwardingTable[];          // .2.2.1.1, key: IP address
extern const VnSNMPVarDesc IpStaticRoutingTable[];       // .2.5.1, keys: destination, mask, backup state
extern const VnSNMPVarDesc ArpAgingTimeTable[];          // .2.4
extern const VnSNMPVarDesc BootpBasicTable[];            // .3.1
extern const VnSNMPVarDesc DnsRelayGlobalTable[];        // .3.2
extern const VnSNMPVarDesc DnsRelayStaticTable[];        // .3.2.6.1, keys: domain name, IP address
extern const VnSNMPVarDesc OspfVirtualInterfaceTable[];  // .7.1, keys: area, neighbour
extern const VnSNMPVarDesc OspfHostTable[];              // .6.1, keys: IP address, TOS
extern const VnSNMPVarDesc RoutePreferenceTable[];       // .9
extern const VnSNMPVarDesc PimCbsrInformationTable[];        // .11.1
extern const VnSNMPVarDesc PimCbsrEntryTable[];              // .11.1.3.1, key: interface
extern const VnSNMPVarDesc PimCandidateRpManagementTable[];  // .11.2
extern const VnSNMPVarDesc PimSptManagementTable[];          // .11.3
extern const VnSNMPVarDesc PimRegisterChecksumTable[];       // .11.4.1, key: RP address
extern const VnSNMPVarDesc PimRegisterTimeTable[];           // .11.5
extern const VnSNMPVarDesc PimInformationTable[];            // .11.5.3.1, key: interface
extern const VnSNMPVarDesc PimStaticRpTable[];               // .11.6.1, keys: group, mask, RP address
