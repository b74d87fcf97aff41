#pragma once
// Enterprise single-IP management (1.3.6.1.4.1.88406.12.8): descriptor tables
// and option lists.
// The option lists have static storage: built before main in the order they
// are defined, destroyed after it returns (no InitSingleIpMibOptionLists /
// FreeSingleIpMibOptionLists calls). See README.md.
#include "VnOptionList.h"
#include "VnSNMPVarList.h"

// ---- member switches (.12.8.1.3.1); SingleIpMibMembers.cpp
extern const VnOptionList MemberRowStatusList;   // 1 active, 4 createAndGo, 6 destroy
extern const VnSNMPVarDesc MemberSwitchTable[];  // key count 1
extern const VnSNMPVarDesc MemberWriteTable[];   // .8, .9, .10 at one member (MVT_SV)

// ---- the single-IP editors; SingleIpMibEditors.cpp
extern const VnOptionList SingleIpStateList;         // 2 disabled, 3 enabled
extern const VnOptionList SingleIpRoleList;          // 1 cs, 2 cas, 3 ms
extern const VnOptionList SingleIpNeighborRoleList;  // 1 commander, 2 candidate, 3 member
extern const VnSNMPVarDesc SingleIpControlTable[];        // .12.8.1.2
extern const VnSNMPVarDesc SingleIpMyInformationTable[];  // .12.8.1.1
extern const VnSNMPVarDesc CandidateSwitchTable[];        // .12.8.1.4.1, key: CaS ID
extern const VnSNMPVarDesc SingleIpGroupTable[];          // .12.8.1.5.1, key: MAC address
extern const VnSNMPVarDesc NeighborSwitchTable[];         // .12.8.1.6.1, keys: port, MAC address
