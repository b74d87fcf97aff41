#pragma once
// IEEE 802.1X PAE (1.0.8802.1.1.1): descriptor tables and option lists.
// The option lists have static storage: built before main in the order they
// are defined, destroyed after it returns. See README.md.
#include "VnOptionList.h"
#include "VnSNMPVarList.h"

extern const VnOptionList PaeEnabledDisabledList;  // 1 enabled, 2 disabled
extern const VnOptionList PaePaeStateList;
extern const VnOptionList PaeBackendStateList;
extern const VnOptionList PaeControlledDirectionsList;  // 0 both, 1 in
extern const VnOptionList PaePortStatusList;  // 1 authorized, 2 unauthorized
extern const VnOptionList PaePortControlList;  // 1 forceUnauthorized, 2 auto, 3 forceAuthorized
extern const VnOptionList PaeTrueFalseList;  // 1 true, 2 false
extern const VnOptionList PaeAuthenticMethodList;  // 1 remoteAuthServer, 2 localAuthServer
extern const VnOptionList PaeTerminateCauseList;
extern const VnSNMPVarDesc Dot1xConfigurationTable[];
extern const VnSNMPVarDesc PaePortConfigurationTable[];
extern const VnSNMPVarDesc PaePortStatisticsTable[];
extern const VnSNMPVarDesc PaePortDiagnosticsTable[];
extern const VnSNMPVarDesc PaePortSessionStatisticsTable[];
