// SNMP-TARGET-MIB scalars (.12.1.1, .4, .5), addresses (.12.1.2) and
// parameters (.12.1.3); SNMP-NOTIFICATION-MIB snmpNotifyTable (.13.1.1);
// the addresses with their maximum message size (SNMP-COMMUNITY-MIB
// snmpTargetAddrExtTable, .18.1.2). Names are IMPLIED keys.
#include "SnmpTargetMib.h"

namespace {

const VnIntOption targetStorageTypeOptions[] = {
    {1, "other"}, {2, "volatile"}, {3, "nonVolatile"}, {4, "permanent"}, {5, "readOnly"}, {0, nullptr}};
const VnIntOption targetRowStatusOptions[] = {{1, "active"}, {4, "createAndGo"}, {6, "destroy"}, {0, nullptr}};
const VnIntOption targetSecurityLevelOptions[] = {
    {1, "noAuthNoPriv"}, {2, "authNoPriv"}, {3, "authPriv"}, {0, nullptr}};
const VnIntOption notifyTypeOptions[] = {{1, "trap"}, {2, "inform"}, {0, nullptr}};

}  // namespace

const VnOptionList TargetStorageTypeList(targetStorageTypeOptions);
const VnOptionList TargetRowStatusList(targetRowStatusOptions);
const VnOptionList TargetSecurityLevelList(targetSecurityLevelOptions);
const VnOptionList NotifyTypeList(notifyTypeOptions);

constinit const VnSNMPVarDesc TargetGeneralTable[] = {
    {"1.3.6.1.6.3.12.1.1", "snmpTargetSpinLock", VnSyntax::Integer, VnAccess::ReadOnly},
    {"1.3.6.1.6.3.12.1.4", "snmpUnavailableContexts", VnSyntax::Counter, VnAccess::ReadOnly},
    {"1.3.6.1.6.3.12.1.5", "snmpUnknownContexts", VnSyntax::Counter, VnAccess::ReadOnly},
    {},
};

constinit const VnSNMPVarDesc TargetAddressTable[] = {
    {"1.3.6.1.6.3.12.1.2.1.1", "snmpTargetAddrName", VnSyntax::DisplayStr, VnAccess::NotAccess | VnAccess::Implied},
    {"1.3.6.1.6.3.12.1.2.1.2", "snmpTargetAddrTDomain", VnSyntax::ObjectId, VnAccess::ReadWrite},
    {"1.3.6.1.6.3.12.1.2.1.3", "snmpTargetAddrTAddress", VnSyntax::BitStr, VnAccess::ReadWrite},
    {"1.3.6.1.6.3.12.1.2.1.4", "snmpTargetAddrTimeout", VnSyntax::Integer, VnAccess::ReadWrite},
    {"1.3.6.1.6.3.12.1.2.1.5", "snmpTargetAddrRetryCount", VnSyntax::Integer, VnAccess::ReadWrite},
    {"1.3.6.1.6.3.12.1.2.1.6", "snmpTargetAddrTagList", VnSyntax::DisplayStr, VnAccess::ReadWrite},
    {"1.3.6.1.6.3.12.1.2.1.7", "snmpTargetAddrParams", VnSyntax::DisplayStr, VnAccess::ReadWrite},
    {"1.3.6.1.6.3.12.1.2.1.8", "snmpTargetAddrStorageType", VnSyntax::Integer, VnAccess::ReadWrite,
     &TargetStorageTypeList},
    {"1.3.6.1.6.3.12.1.2.1.9", "snmpTargetAddrRowStatus", VnSyntax::Integer, VnAccess::ReadWrite,
     &TargetRowStatusList},
    {},
};

constinit const VnSNMPVarDesc TargetParamsTable[] = {
    {"1.3.6.1.6.3.12.1.3.1.1", "snmpTargetParamsName", VnSyntax::DisplayStr, VnAccess::NotAccess | VnAccess::Implied},
    {"1.3.6.1.6.3.12.1.3.1.3", "snmpTargetParamsSecurityModel", VnSyntax::Integer, VnAccess::ReadWrite},
    {"1.3.6.1.6.3.12.1.3.1.4", "snmpTargetParamsSecurityName", VnSyntax::DisplayStr, VnAccess::ReadWrite},
    {"1.3.6.1.6.3.12.1.3.1.5", "snmpTargetParamsSecurityLevel", VnSyntax::Integer, VnAccess::ReadWrite,
     &TargetSecurityLevelList},
    {"1.3.6.1.6.3.12.1.3.1.7", "snmpTargetParamsRowStatus", VnSyntax::Integer, VnAccess::ReadWrite,
     &TargetRowStatusList},
    {},
};

constinit const VnSNMPVarDesc NotifyTable[] = {
    {"1.3.6.1.6.3.13.1.1.1.1", "Name", VnSyntax::DisplayStr, VnAccess::NotAccess | VnAccess::Implied},
    {"1.3.6.1.6.3.13.1.1.1.2", "Tag", VnSyntax::DisplayStr, VnAccess::ReadWrite},
    {"1.3.6.1.6.3.13.1.1.1.3", "Type", VnSyntax::Integer, VnAccess::ReadWrite, &NotifyTypeList},
    {"1.3.6.1.6.3.13.1.1.1.4", "Storage Type", VnSyntax::Integer, VnAccess::ReadWrite, &TargetStorageTypeList},
    {"1.3.6.1.6.3.13.1.1.1.5", "Row Status", VnSyntax::Integer, VnAccess::ReadWrite, &TargetRowStatusList},
    {},
};

constinit const VnSNMPVarDesc CommunityTargetAddressTable[] = {
    {"1.3.6.1.6.3.12.1.2.1.1", "Target Addr Name", VnSyntax::DisplayStr, VnAccess::NotAccess | VnAccess::Implied},
    {"1.3.6.1.6.3.18.1.2.1.2", "Target Addr MMS", VnSyntax::Integer, VnAccess::ReadOnly},
    {},
};
