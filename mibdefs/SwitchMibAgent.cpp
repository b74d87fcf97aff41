// The enterprise agent group (.12.1): capabilities, console, configuration
// and firmware transfer, reset, IP configuration and severities.
#include "SwitchMib.h"

namespace {

const VnIntOption agentProtocolOptions[] = {
    {1, "other"}, {2, "SNMP-IP"}, {3, "SNMP-IPX"}, {4, "SNMP-IP-IPX"}, {0, nullptr}};
const VnIntOption agentConsoleOptions[] = {{1, "other"}, {2, "in-use"}, {3, "not-in-use"}, {0, nullptr}};
const VnIntOption agentConfigStatusOptions[] = {
    {1, "other"}, {2, "proceeding"}, {3, "completed"}, {4, "failed"}, {0, nullptr}};
const VnIntOption agentDownloadStatusOptions[] = {
    {1, "other"},          {2, "in-process"}, {3, "invalid-file"}, {4, "violation"}, {5, "file-not-found"},
    {6, "disk-full"},      {7, "complete"},   {8, "time-out"},     {0, nullptr}};
const VnIntOption agentTransferStatusOptions[] = {
    {1, "other"},     {2, "in-process"}, {3, "invalid-file"}, {4, "violation"},   {5, "file-not-found"},
    {6, "disk-full"}, {7, "complete"},   {8, "time-out"},     {9, "not-format"}, {10, "memory-full"},
    {0, nullptr}};
const VnIntOption agentMibTypeOptions[] = {
    {1, "other"}, {2, "standard"}, {3, "proprietary"}, {4, "experiment"}, {0, nullptr}};
const VnIntOption agentResetOptions[] = {{2, "cold-start"}, {4, "no-reset"}, {0, nullptr}};
const VnIntOption agentRs232Options[] = {{2, "console"}, {3, "out-of-band"}, {4, "notAvail"}, {0, nullptr}};
const VnIntOption agentSaveConfigOptions[] = {{1, "other"}, {2, "cfg"}, {3, "log"}, {4, "all"}, {0, nullptr}};
const VnIntOption agentGetIpFromOptions[] = {{2, "disabled"}, {3, "bootp"}, {4, "dhcp"}, {0, nullptr}};
const VnIntOption agentEnabledOptions[] = {{1, "enabled"}, {2, "disabled"}, {0, nullptr}};
const VnIntOption agentTransferTypeOptions[] = {{2, "network-load"}, {0, nullptr}};
const VnIntOption agentFileTypeOptions[] = {{1, "runtime-code"}, {2, "log-file"}, {3, "cfg-file"}, {0, nullptr}};
const VnIntOption agentLoadTypeOptions[] = {{2, "upload"}, {3, "download"}, {0, nullptr}};
const VnIntOption agentTrueFalseOptions[] = {{1, "true"}, {2, "false"}, {0, nullptr}};
const VnIntOption agentUpdateStatusOptions[] = {
    {2, "inactive"}, {3, "start"}, {4, "delete"}, {5, "config-as-bootup-fw"}, {0, nullptr}};
const VnIntOption agentSeverityOptions[] = {{0, "critical"}, {1, "warning"}, {2, "information"}, {0, nullptr}};

}  // namespace

const VnOptionList AgentProtocolList(agentProtocolOptions);
const VnOptionList AgentConsoleList(agentConsoleOptions);
const VnOptionList AgentConfigStatusList(agentConfigStatusOptions);
const VnOptionList AgentDownloadStatusList(agentDownloadStatusOptions);
const VnOptionList AgentTransferStatusList(agentTransferStatusOptions);
const VnOptionList AgentMibTypeList(agentMibTypeOptions);
const VnOptionList AgentResetList(agentResetOptions);
const VnOptionList AgentRs232List(agentRs232Options);
const VnOptionList AgentSaveConfigList(agentSaveConfigOptions);
const VnOptionList AgentGetIpFromList(agentGetIpFromOptions);
const VnOptionList AgentEnabledList(agentEnabledOptions);
const VnOptionList AgentTransferTypeList(agentTransferTypeOptions);
const VnOptionList AgentFileTypeList(agentFileTypeOptions);
const VnOptionList AgentLoadTypeList(agentLoadTypeOptions);
const VnOptionList AgentTrueFalseList(agentTrueFalseOptions);
const VnOptionList AgentUpdateStatusList(agentUpdateStatusOptions);
const VnOptionList AgentSeverityList(agentSeverityOptions);

constinit const VnSNMPVarDesc AgentBasicInformationTable[] = {
    {"1.3.6.1.4.1.88406.12.1.1.1", "Protocol Capability", VnSyntax::Integer, VnAccess::ReadOnly,
     &AgentProtocolList},
    {"1.3.6.1.4.1.88406.12.1.1.3", "Console Status", VnSyntax::Integer, VnAccess::ReadOnly, &AgentConsoleList},
    {"1.3.6.1.4.1.88406.12.1.1.4", "Device Configuration Status", VnSyntax::Integer, VnAccess::ReadOnly,
     &AgentConfigStatusList},
    {"1.3.6.1.4.1.88406.12.1.1.5", "Firmware Download Status", VnSyntax::Integer, VnAccess::ReadOnly,
     &AgentDownloadStatusList},
    {},
};

constinit const VnSNMPVarDesc MibCapabilitiesTable[] = {
    {"1.3.6.1.4.1.88406.12.1.1.2.1.1", "Index", VnSyntax::Integer, VnAccess::ReadOnly},
    {"1.3.6.1.4.1.88406.12.1.1.2.1.2", "Description", VnSyntax::DisplayStr, VnAccess::ReadOnly},
    {"1.3.6.1.4.1.88406.12.1.1.2.1.3", "Version", VnSyntax::Integer, VnAccess::ReadOnly},
    {"1.3.6.1.4.1.88406.12.1.1.2.1.4", "Type", VnSyntax::Integer, VnAccess::ReadOnly, &AgentMibTypeList},
    {},
};

constinit const VnSNMPVarDesc AgentBasicConfigurationTable[] = {
    {"1.3.6.1.4.1.88406.12.1.1.1", "Protocol Capability", VnSyntax::Integer, VnAccess::ReadOnly,
     &AgentProtocolList},
    {"1.3.6.1.4.1.88406.12.1.1.3", "Console Status", VnSyntax::Integer, VnAccess::ReadOnly, &AgentConsoleList},
    {"1.3.6.1.4.1.88406.12.1.1.4", "Save Status", VnSyntax::Integer, VnAccess::ReadOnly, &AgentConfigStatusList},
    {"1.3.6.1.4.1.88406.12.1.1.5", "File Transfer Status", VnSyntax::Integer, VnAccess::ReadOnly,
     &AgentTransferStatusList},
    {"1.3.6.1.4.1.88406.12.1.2.3", "System Reset State", VnSyntax::Integer, VnAccess::ReadWrite, &AgentResetList},
    {"1.3.6.1.4.1.88406.12.1.2.4", "Rs232 Port Config", VnSyntax::Integer, VnAccess::ReadOnly, &AgentRs232List},
    {"1.3.6.1.4.1.88406.12.1.2.6", "Save Config", VnSyntax::Integer, VnAccess::ReadWrite, &AgentSaveConfigList},
    {"1.3.6.1.4.1.88406.12.1.3.1", "IP Num Of If", VnSyntax::Integer, VnAccess::ReadOnly},
    {"1.3.6.1.4.1.88406.12.1.3.3", "Get IP From", VnSyntax::Integer, VnAccess::ReadWrite, &AgentGetIpFromList},
    {"1.3.6.1.4.1.88406.12.1.3.4", "IP Auto Config State", VnSyntax::Integer, VnAccess::ReadWrite,
     &AgentEnabledList},
    {},
};

// The file index is the row's instance only.
constinit const VnSNMPVarDesc AgentUpdateFilesTable[] = {
    {"1.3.6.1.4.1.88406.12.1.2.1.1.1", "File Index", VnSyntax::Integer, VnAccess::NotAccess},
    {"1.3.6.1.4.1.88406.12.1.2.1.1.2", "Description", VnSyntax::DisplayStr, VnAccess::ReadOnly},
    {"1.3.6.1.4.1.88406.12.1.2.1.1.3", "IP Address", VnSyntax::IpAddress, VnAccess::ReadWrite},
    {"1.3.6.1.4.1.88406.12.1.2.1.1.4", "Transfer Type", VnSyntax::Integer, VnAccess::ReadWrite,
     &AgentTransferTypeList},
    {"1.3.6.1.4.1.88406.12.1.2.1.1.5", "File Name", VnSyntax::DisplayStr, VnAccess::ReadWrite},
    {"1.3.6.1.4.1.88406.12.1.2.1.1.6", "File Type ", VnSyntax::Integer, VnAccess::ReadOnly, &AgentFileTypeList},
    {"1.3.6.1.4.1.88406.12.1.2.1.1.7", "Load Type", VnSyntax::Integer, VnAccess::ReadWrite, &AgentLoadTypeList},
    {"1.3.6.1.4.1.88406.12.1.2.1.1.9", "increment[parameter just for download cfg-file]", VnSyntax::Integer,
     VnAccess::ReadWrite, &AgentTrueFalseList},
    {"1.3.6.1.4.1.88406.12.1.2.1.1.10", "Image ID", VnSyntax::Integer, VnAccess::ReadWrite},
    {"1.3.6.1.4.1.88406.12.1.2.1.1.8", "Status", VnSyntax::Integer, VnAccess::ReadWrite, &AgentUpdateStatusList},
    {},
};

constinit const VnSNMPVarDesc IpProtocolConfigureTable[] = {
    {"1.3.6.1.4.1.88406.12.1.3.1", "IP Num Of If", VnSyntax::Integer, VnAccess::ReadOnly},
    {"1.3.6.1.4.1.88406.12.1.3.3", "IP Get IP From", VnSyntax::Integer, VnAccess::ReadWrite, &AgentGetIpFromList},
    {},
};

constinit const VnSNMPVarDesc SystemSeverityTable[] = {
    {"1.3.6.1.4.1.88406.12.1.2.8.1", "System Severity Trap", VnSyntax::Integer, VnAccess::ReadWrite,
     &AgentSeverityList},
    {"1.3.6.1.4.1.88406.12.1.2.8.2", "System Severity Log", VnSyntax::Integer, VnAccess::ReadWrite,
     &AgentSeverityList},
    {},
};
