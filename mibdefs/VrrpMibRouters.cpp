// The VRRP editors' objects: node scalars (.1.1-.1.2), virtual routers
// (.1.3), their associated addresses (.1.4) and the statistics (.2). The
// router rows are keyed by ifIndex and VRID.
#include "VrrpMib.h"

namespace {

const VnIntOption vrrpEnabledOptions[] = {{1, "enabled"}, {2, "disabled"}, {0, nullptr}};
const VnIntOption vrrpRouterStateOptions[] = {{1, "initialize"}, {2, "backup"}, {3, "master"}, {0, nullptr}};
const VnIntOption vrrpAdminStateOptions[] = {{1, "up"}, {2, "down"}, {0, nullptr}};
const VnIntOption vrrpAuthTypeOptions[] = {
    {1, "noAuthentication"}, {2, "simpleTextPassword"}, {3, "IPAuthenticationHeader"}, {0, nullptr}};
const VnIntOption vrrpTrueFalseOptions[] = {{1, "true"}, {2, "false"}, {0, nullptr}};
const VnIntOption vrrpProtocolOptions[] = {{1, "IP"}, {2, "bridge"}, {3, "decnet"}, {4, "other"}, {0, nullptr}};
const VnIntOption vrrpRowStatusOptions[] = {{1, "active"}, {4, "createAndGo"}, {6, "destroy"}, {0, nullptr}};

}  // namespace

const VnOptionList VrrpEnabledList(vrrpEnabledOptions);
const VnOptionList VrrpRouterStateList(vrrpRouterStateOptions);
const VnOptionList VrrpAdminStateList(vrrpAdminStateOptions);
const VnOptionList VrrpAuthTypeList(vrrpAuthTypeOptions);
const VnOptionList VrrpTrueFalseList(vrrpTrueFalseOptions);
const VnOptionList VrrpProtocolList(vrrpProtocolOptions);
const VnOptionList VrrpRowStatusList(vrrpRowStatusOptions);

constinit const VnSNMPVarDesc VrrpControlTable[] = {
    {"1.3.6.1.2.1.68.1.1", "vrrp Node Version", VnSyntax::Integer, VnAccess::ReadOnly},
    {"1.3.6.1.2.1.68.1.2", "vrrp Notification Cntl", VnSyntax::Integer, VnAccess::ReadWrite, &VrrpEnabledList},
    {},
};

constinit const VnSNMPVarDesc VrrpOperationTable[] = {
    {"1.3.6.1.2.1.2.2.1.1", "IF Index", VnSyntax::Integer, VnAccess::NotAccess},
    {"1.3.6.1.2.1.68.1.3.1.1", "VRID", VnSyntax::Integer, VnAccess::NotAccess},
    {"1.3.6.1.2.1.68.1.3.1.2", "Virtual MAC Address", VnSyntax::MacAddress, VnAccess::ReadOnly},
    {"1.3.6.1.2.1.68.1.3.1.3", "Virtual Router State", VnSyntax::Integer, VnAccess::ReadOnly, &VrrpRouterStateList},
    {"1.3.6.1.2.1.68.1.3.1.4", "Administrate State", VnSyntax::Integer, VnAccess::ReadWrite, &VrrpAdminStateList},
    {"1.3.6.1.2.1.68.1.3.1.5", "Virtual Router Priority", VnSyntax::Integer, VnAccess::ReadWrite},
    {"1.3.6.1.2.1.68.1.3.1.6", "IP Address Count", VnSyntax::Integer, VnAccess::ReadOnly},
    {"1.3.6.1.2.1.68.1.3.1.7", "Master IP Address", VnSyntax::IpAddress, VnAccess::ReadOnly},
    {"1.3.6.1.2.1.68.1.3.1.8", "Primary IP Address", VnSyntax::IpAddress, VnAccess::ReadWrite},
    {"1.3.6.1.2.1.68.1.3.1.9", "Authentication Type", VnSyntax::Integer, VnAccess::ReadWrite, &VrrpAuthTypeList},
    {"1.3.6.1.2.1.68.1.3.1.10", "Authentication Key", VnSyntax::DisplayStr, VnAccess::ReadWrite},
    {"1.3.6.1.2.1.68.1.3.1.11", "Advertisement Interval", VnSyntax::Integer, VnAccess::ReadWrite},
    {"1.3.6.1.2.1.68.1.3.1.12", "Preempt Mode", VnSyntax::Integer, VnAccess::ReadWrite, &VrrpTrueFalseList},
    {"1.3.6.1.2.1.68.1.3.1.13", "Virtual Router UpTime", VnSyntax::TimeTicks, VnAccess::ReadOnly},
    {"1.3.6.1.2.1.68.1.3.1.14", "Operate Protocol", VnSyntax::Integer, VnAccess::ReadWrite, &VrrpProtocolList},
    {"1.3.6.1.2.1.68.1.3.1.15", "Row Status", VnSyntax::Integer, VnAccess::ReadWrite, &VrrpRowStatusList},
    {},
};

constinit const VnSNMPVarDesc VrrpAssociatedAddressTable[] = {
    {"1.3.6.1.2.1.2.2.1.1", "IF Index", VnSyntax::Integer, VnAccess::NotAccess},
    {"1.3.6.1.2.1.68.1.3.1.1", "vrrp Oper Vr Id", VnSyntax::Integer, VnAccess::NotAccess},
    {"1.3.6.1.2.1.68.1.4.1.1", "vrrp Asso IP Addr", VnSyntax::IpAddress, VnAccess::NotAccess},
    {"1.3.6.1.2.1.68.1.4.1.2", "vrrp Asso I PAddr Row Status", VnSyntax::Integer, VnAccess::ReadWrite,
     &VrrpRowStatusList},
    {},
};

constinit const VnSNMPVarDesc VrrpErrorStatisticsTable[] = {
    {"1.3.6.1.2.1.68.2.1", "vrrp Router Checksum Errors", VnSyntax::Counter, VnAccess::ReadOnly},
    {"1.3.6.1.2.1.68.2.2", "vrrp Router Version Errors", VnSyntax::Counter, VnAccess::ReadOnly},
    {"1.3.6.1.2.1.68.2.3", "vrrp Router Vr Id Errors", VnSyntax::Counter, VnAccess::ReadOnly},
    {},
};

constinit const VnSNMPVarDesc VrrpRouterStatisticsTable[] = {
    {"1.3.6.1.2.1.2.2.1.1", "IF Index", VnSyntax::Integer, VnAccess::NotAccess},
    {"1.3.6.1.2.1.68.1.3.1.1", "VRID", VnSyntax::Integer, VnAccess::NotAccess},
    {"1.3.6.1.2.1.68.2.4.1.1", "Become Master Time", VnSyntax::Counter, VnAccess::ReadOnly},
    {"1.3.6.1.2.1.68.2.4.1.2", "Advertisement Received", VnSyntax::Counter, VnAccess::ReadOnly},
    {"1.3.6.1.2.1.68.2.4.1.3", "Advertisement Interval Errors", VnSyntax::Counter, VnAccess::ReadOnly},
    {"1.3.6.1.2.1.68.2.4.1.4", "Authentication Failures", VnSyntax::Counter, VnAccess::ReadOnly},
    {"1.3.6.1.2.1.68.2.4.1.5", "IP TTL Errors", VnSyntax::Counter, VnAccess::ReadOnly},
    {"1.3.6.1.2.1.68.2.4.1.6", "Priority Zero Packets Received", VnSyntax::Counter, VnAccess::ReadOnly},
    {"1.3.6.1.2.1.68.2.4.1.7", "Priority Zero Packets Sent", VnSyntax::Counter, VnAccess::ReadOnly},
    {"1.3.6.1.2.1.68.2.4.1.8", "Invalid Type Packets Received", VnSyntax::Counter, VnAccess::ReadOnly},
    {"1.3.6.1.2.1.68.2.4.1.9", "Address List Errors", VnSyntax::Counter, VnAccess::ReadOnly},
    {"1.3.6.1.2.1.68.2.4.1.10", "Invalid Authentication Type", VnSyntax::Counter, VnAccess::ReadOnly},
    {"1.3.6.1.2.1.68.2.4.1.11", "Authentication Type Mismatch", VnSyntax::Counter, VnAccess::ReadOnly},
    {"1.3.6.1.2.1.68.2.4.1.12", "Packet Length Errors", VnSyntax::Counter, VnAccess::ReadOnly},
    {},
};
