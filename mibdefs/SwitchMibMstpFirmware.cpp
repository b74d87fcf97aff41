// CPU utilization (.12.1.1.6), firmware images (.12.1.2.7 and .8) and MSTP
// (.12.15.2): configuration name, instances, port states and per-instance
// ports.
#include "SwitchMib.h"

namespace {

const VnIntOption fwActionOptions[] = {
    {1, "other"}, {2, "update"}, {3, "delete"}, {4, "config-as-bootup-fw"}, {0, nullptr}};
const VnIntOption mstpInstanceTypeOptions[] = {{0, "cist"}, {1, "msti"}, {0, nullptr}};
const VnIntOption mstpEnabledOptions[] = {{1, "enabled"}, {2, "disabled"}, {0, nullptr}};
const VnIntOption mstpRowStatusOptions[] = {{1, "active"}, {4, "createAndGo"}, {6, "destroy"}, {0, nullptr}};
const VnIntOption mstpTrueFalseOptions[] = {{1, "true"}, {2, "false"}, {0, nullptr}};
const VnIntOption mstpP2pOptions[] = {{0, "true"}, {1, "false"}, {2, "auto"}, {0, nullptr}};
const VnIntOption mstpPortStatusOptions[] = {{1, "other"},      {2, "disabled"}, {3, "discarding"},
                                             {4, "learning"},   {5, "forwarding"}, {6, "broken"},
                                             {7, "no-STP-enabled"}, {0, nullptr}};
const VnIntOption mstpPortRoleOptions[] = {{0, "disable"},   {1, "alternate"}, {2, "backup"}, {3, "root"},
                                           {4, "desinated"}, {5, "master"},    {6, "nonSTP"}, {0, nullptr}};

}  // namespace

const VnOptionList FirmwareActionList(fwActionOptions);
const VnOptionList MstpInstanceTypeList(mstpInstanceTypeOptions);
const VnOptionList MstpEnabledList(mstpEnabledOptions);
const VnOptionList MstpRowStatusList(mstpRowStatusOptions);
const VnOptionList MstpTrueFalseList(mstpTrueFalseOptions);
const VnOptionList MstpP2pList(mstpP2pOptions);
const VnOptionList MstpPortStatusList(mstpPortStatusOptions);
const VnOptionList MstpPortRoleList(mstpPortRoleOptions);

constinit const VnSNMPVarDesc CpuUtilizationTable[] = {
    {"1.3.6.1.4.1.88406.12.1.1.6.1", "CPU Utilization In 5 seconds", VnSyntax::Integer, VnAccess::ReadOnly},
    {"1.3.6.1.4.1.88406.12.1.1.6.2", "CPU Utilization In 1 minute", VnSyntax::Integer, VnAccess::ReadOnly},
    {"1.3.6.1.4.1.88406.12.1.1.6.3", "CPU Utilization In 5 minutes", VnSyntax::Integer, VnAccess::ReadOnly},
    {},
};

constinit const VnSNMPVarDesc FirmwareInformationTable[] = {
    {"1.3.6.1.4.1.88406.12.1.2.7.1.1", "Firmware Image", VnSyntax::Integer, VnAccess::NotAccess},
    {"1.3.6.1.4.1.88406.12.1.2.7.1.2", "Firmware Version", VnSyntax::DisplayStr, VnAccess::ReadOnly},
    {"1.3.6.1.4.1.88406.12.1.2.7.1.3", "Firmware Size", VnSyntax::Integer, VnAccess::ReadOnly},
    {"1.3.6.1.4.1.88406.12.1.2.7.1.4", "Update Time", VnSyntax::DisplayStr, VnAccess::ReadOnly},
    {"1.3.6.1.4.1.88406.12.1.2.7.1.5", "TFTP Server IP", VnSyntax::DisplayStr, VnAccess::ReadOnly},
    {"1.3.6.1.4.1.88406.12.1.2.7.1.6", "Download User", VnSyntax::DisplayStr, VnAccess::ReadOnly},
    {},
};

constinit const VnSNMPVarDesc FirmwareFileTable[] = {
    {"1.3.6.1.4.1.88406.12.1.2.8.1.1", "Firmware Control ID", VnSyntax::Integer, VnAccess::NotAccess},
    {"1.3.6.1.4.1.88406.12.1.2.8.1.2", "Firmware File Source Address", VnSyntax::IpAddress, VnAccess::ReadWrite},
    {"1.3.6.1.4.1.88406.12.1.2.8.1.3", "Firmware File Name", VnSyntax::DisplayStr, VnAccess::ReadWrite},
    {"1.3.6.1.4.1.88406.12.1.2.8.1.4", "Firmware File Control Action", VnSyntax::Integer, VnAccess::ReadWrite,
     &FirmwareActionList},
    {},
};

constinit const VnSNMPVarDesc MstpConfigurationTable[] = {
    {"1.3.6.1.4.1.88406.12.15.2.1", "MSTP Name", VnSyntax::DisplayStr, VnAccess::ReadWrite},
    {"1.3.6.1.4.1.88406.12.15.2.2", "MSTP Revision Level", VnSyntax::Integer, VnAccess::ReadWrite},
    {},
};

// The VLAN ranges are bitmaps of 64 VLANs each, shown and typed as hex.
constinit const VnSNMPVarDesc MstpInstanceTable[] = {
    {"1.3.6.1.4.1.88406.12.15.2.3.1.1", "MSTP Inst ID", VnSyntax::Integer, VnAccess::NotAccess},
    {"1.3.6.1.4.1.88406.12.15.2.3.1.2", "Vlan Range [1-64]", VnSyntax::OctetStr, VnAccess::ReadWrite},
    {"1.3.6.1.4.1.88406.12.15.2.3.1.3", "Vlan Range [65-128]", VnSyntax::OctetStr, VnAccess::ReadWrite},
    {"1.3.6.1.4.1.88406.12.15.2.3.1.4", "Vlan Range [129-192]", VnSyntax::OctetStr, VnAccess::ReadWrite},
    {"1.3.6.1.4.1.88406.12.15.2.3.1.5", "Vlan Range [193-256]", VnSyntax::OctetStr, VnAccess::ReadWrite},
    {"1.3.6.1.4.1.88406.12.15.2.3.1.6", "Vlan Range [257-320]", VnSyntax::OctetStr, VnAccess::ReadWrite},
    {"1.3.6.1.4.1.88406.12.15.2.3.1.7", "Vlan Range [321-384]", VnSyntax::OctetStr, VnAccess::ReadWrite},
    {"1.3.6.1.4.1.88406.12.15.2.3.1.8", "Vlan Range [385-448]", VnSyntax::OctetStr, VnAccess::ReadWrite},
    {"1.3.6.1.4.1.88406.12.15.2.3.1.9", "Vlan Range [449-512]", VnSyntax::OctetStr, VnAccess::ReadWrite},
    {"1.3.6.1.4.1.88406.12.15.2.3.1.10", "Type", VnSyntax::Integer, VnAccess::ReadOnly, &MstpInstanceTypeList},
    {"1.3.6.1.4.1.88406.12.15.2.3.1.11", "Status", VnSyntax::Integer, VnAccess::ReadOnly, &MstpEnabledList},
    {"1.3.6.1.4.1.88406.12.15.2.3.1.12", "Priority", VnSyntax::Integer, VnAccess::ReadWrite},
    {"1.3.6.1.4.1.88406.12.15.2.3.1.13", "Designated Root Bridge", VnSyntax::OctetStr, VnAccess::ReadOnly},
    {"1.3.6.1.4.1.88406.12.15.2.3.1.14", "External Root Cost", VnSyntax::Integer, VnAccess::ReadOnly},
    {"1.3.6.1.4.1.88406.12.15.2.3.1.15", "Regional Root Bridge", VnSyntax::OctetStr, VnAccess::ReadOnly},
    {"1.3.6.1.4.1.88406.12.15.2.3.1.16", "Internal Root Cost", VnSyntax::Integer, VnAccess::ReadOnly},
    {"1.3.6.1.4.1.88406.12.15.2.3.1.17", "Designated Bridge", VnSyntax::OctetStr, VnAccess::ReadOnly},
    {"1.3.6.1.4.1.88406.12.15.2.3.1.18", "Root Port", VnSyntax::Integer, VnAccess::ReadOnly},
    {"1.3.6.1.4.1.88406.12.15.2.3.1.19", "Max Age", VnSyntax::Integer, VnAccess::ReadOnly},
    {"1.3.6.1.4.1.88406.12.15.2.3.1.20", "Forward Delay", VnSyntax::Integer, VnAccess::ReadOnly},
    {"1.3.6.1.4.1.88406.12.15.2.3.1.21", "Last Topology Change", VnSyntax::TimeTicks, VnAccess::ReadOnly},
    {"1.3.6.1.4.1.88406.12.15.2.3.1.22", "Top Changes Count", VnSyntax::Counter, VnAccess::ReadOnly},
    {"1.3.6.1.4.1.88406.12.15.2.3.1.23", "Remain Hops", VnSyntax::Integer, VnAccess::ReadOnly},
    {"1.3.6.1.4.1.88406.12.15.2.3.1.24", "Row Status", VnSyntax::Integer, VnAccess::ReadWrite, &MstpRowStatusList},
    {},
};

constinit const VnSNMPVarDesc MstpPortStateTable[] = {
    {"1.3.6.1.4.1.88406.12.15.2.4.1.1", "MSTP Port", VnSyntax::Integer, VnAccess::NotAccess},
    {"1.3.6.1.4.1.88406.12.15.2.4.1.2", "Administrate HelloTime", VnSyntax::Integer, VnAccess::ReadWrite},
    {"1.3.6.1.4.1.88406.12.15.2.4.1.3", "Operate HelloTime", VnSyntax::Integer, VnAccess::ReadOnly},
    {"1.3.6.1.4.1.88406.12.15.2.4.1.4", "MSTP Port Enable", VnSyntax::Integer, VnAccess::ReadWrite, &MstpEnabledList},
    {"1.3.6.1.4.1.88406.12.15.2.4.1.5", "MSTP Port External Path Cost", VnSyntax::Integer, VnAccess::ReadWrite},
    {"1.3.6.1.4.1.88406.12.15.2.4.1.6", "MSTP Port Migration", VnSyntax::Integer, VnAccess::ReadWrite,
     &MstpTrueFalseList},
    {"1.3.6.1.4.1.88406.12.15.2.4.1.7", "MSTP Port Admin Edge Port", VnSyntax::Integer, VnAccess::ReadWrite,
     &MstpTrueFalseList},
    {"1.3.6.1.4.1.88406.12.15.2.4.1.8", "MSTP Port Oper Edge Port", VnSyntax::Integer, VnAccess::ReadOnly,
     &MstpTrueFalseList},
    {"1.3.6.1.4.1.88406.12.15.2.4.1.9", "MSTP Port Admin P2P", VnSyntax::Integer, VnAccess::ReadWrite, &MstpP2pList},
    {"1.3.6.1.4.1.88406.12.15.2.4.1.10", "MSTP Port Oper P2P", VnSyntax::Integer, VnAccess::ReadOnly, &MstpP2pList},
    {},
};

constinit const VnSNMPVarDesc MstpPortInstanceTable[] = {
    {"1.3.6.1.4.1.88406.12.15.2.5.1.1", "Master Port", VnSyntax::Integer, VnAccess::NotAccess},
    {"1.3.6.1.4.1.88406.12.15.2.5.1.2", "MSTP Instance ID", VnSyntax::Integer, VnAccess::NotAccess},
    {"1.3.6.1.4.1.88406.12.15.2.5.1.3", "Designated Bridge", VnSyntax::OctetStr, VnAccess::ReadOnly},
    {"1.3.6.1.4.1.88406.12.15.2.5.1.4", "Internal Path Cost", VnSyntax::Integer, VnAccess::ReadWrite},
    {"1.3.6.1.4.1.88406.12.15.2.5.1.5", "Priority", VnSyntax::Integer, VnAccess::ReadWrite},
    {"1.3.6.1.4.1.88406.12.15.2.5.1.6", "Status", VnSyntax::Integer, VnAccess::ReadOnly, &MstpPortStatusList},
    {"1.3.6.1.4.1.88406.12.15.2.5.1.7", "Role", VnSyntax::Integer, VnAccess::ReadOnly, &MstpPortRoleList},
    {},
};
