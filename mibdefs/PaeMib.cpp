// IEEE 802.1X PAE: system control and the per-port configuration, statistics,
// diagnostics and session tables.
#include "PaeMib.h"

namespace {

const VnIntOption paeEnabledDisabledOptions[] = {{1, "enabled"}, {2, "disabled"}, {0, nullptr}};
const VnIntOption paePaeStateOptions[] = {
    {1, "initialize"}, {2, "disconnected"}, {3, "connecting"}, {4, "authenticating"}, {5, "authenticated"},
    {6, "aborting"},   {7, "held"},         {8, "forceAuth"},  {9, "forceUnauth"},    {0, nullptr}};
const VnIntOption paeBackendStateOptions[] = {{1, "request"}, {2, "response"}, {3, "success"},    {4, "fail"},
                                              {5, "timeout"}, {6, "idle"},     {7, "initialize"}, {0, nullptr}};
const VnIntOption paeControlledDirectionsOptions[] = {{0, "both"}, {1, "in"}, {0, nullptr}};
const VnIntOption paePortStatusOptions[] = {{1, "authorized"}, {2, "unauthorized"}, {0, nullptr}};
const VnIntOption paePortControlOptions[] = {
    {1, "forceUnauthorized"}, {2, "auto"}, {3, "forceAuthorized"}, {0, nullptr}};
const VnIntOption paeTrueFalseOptions[] = {{1, "true"}, {2, "false"}, {0, nullptr}};
const VnIntOption paeAuthenticMethodOptions[] = {{1, "remoteAuthServer"}, {2, "localAuthServer"}, {0, nullptr}};
const VnIntOption paeTerminateCauseOptions[] = {{1, "supplicantLogoff"},
                                                {2, "portFailure"},
                                                {3, "supplicantRestart"},
                                                {4, "reauthFailed"},
                                                {5, "authControlForceUnauth"},
                                                {6, "portReInit"},
                                                {7, "portAdminDisabled"},
                                                {999, "notTerminatedYet"},
                                                {0, nullptr}};

}  // namespace

const VnOptionList PaeEnabledDisabledList(paeEnabledDisabledOptions);
const VnOptionList PaePaeStateList(paePaeStateOptions);
const VnOptionList PaeBackendStateList(paeBackendStateOptions);
const VnOptionList PaeControlledDirectionsList(paeControlledDirectionsOptions);
const VnOptionList PaePortStatusList(paePortStatusOptions);
const VnOptionList PaePortControlList(paePortControlOptions);
const VnOptionList PaeTrueFalseList(paeTrueFalseOptions);
const VnOptionList PaeAuthenticMethodList(paeAuthenticMethodOptions);
const VnOptionList PaeTerminateCauseList(paeTerminateCauseOptions);

// "802.1X" > "Configuration"
constinit const VnSNMPVarDesc Dot1xConfigurationTable[] = {
    {"1.0.8802.1.1.1.1.1.1", "System Authentication Control", VnSyntax::Integer, VnAccess::ReadWrite,
     &PaeEnabledDisabledList},
    {},
};

// "802.1X" > "Port Configuration"
constinit const VnSNMPVarDesc PaePortConfigurationTable[] = {
    {"1.0.8802.1.1.1.1.1.2.1.1", "Port Number", VnSyntax::Integer, VnAccess::NotAccess},
    {"1.0.8802.1.1.1.1.2.1.1.1", "Pae State", VnSyntax::Integer, VnAccess::ReadOnly, &PaePaeStateList},
    {"1.0.8802.1.1.1.1.2.1.1.2", "Backend State", VnSyntax::Integer, VnAccess::ReadOnly, &PaeBackendStateList},
    {"1.0.8802.1.1.1.1.2.1.1.3", "Administrative Controlled Directions", VnSyntax::Integer, VnAccess::ReadWrite,
     &PaeControlledDirectionsList},
    {"1.0.8802.1.1.1.1.2.1.1.4", "Operational Controlled Directions", VnSyntax::Integer, VnAccess::ReadOnly,
     &PaeControlledDirectionsList},
    {"1.0.8802.1.1.1.1.2.1.1.5", "Port Status", VnSyntax::Integer, VnAccess::ReadOnly, &PaePortStatusList},
    {"1.0.8802.1.1.1.1.2.1.1.6", "Port Control", VnSyntax::Integer, VnAccess::ReadWrite, &PaePortControlList},
    {"1.0.8802.1.1.1.1.2.1.1.7", "Quiet Period", VnSyntax::Gauge, VnAccess::ReadWrite},
    {"1.0.8802.1.1.1.1.2.1.1.8", "Tx Period", VnSyntax::Gauge, VnAccess::ReadWrite},
    {"1.0.8802.1.1.1.1.2.1.1.9", "SuppTimeout", VnSyntax::Gauge, VnAccess::ReadWrite},
    {"1.0.8802.1.1.1.1.2.1.1.10", "ServerTimeout", VnSyntax::Gauge, VnAccess::ReadWrite},
    {"1.0.8802.1.1.1.1.2.1.1.11", "MaxReq", VnSyntax::Gauge, VnAccess::ReadWrite},
    {"1.0.8802.1.1.1.1.2.1.1.12", "ReAuthenticate Period", VnSyntax::Gauge, VnAccess::ReadWrite},
    {"1.0.8802.1.1.1.1.2.1.1.13", "ReAuthenticate Enabled", VnSyntax::Integer, VnAccess::ReadWrite, &PaeTrueFalseList},
    {"1.0.8802.1.1.1.1.2.1.1.14", "KeyTx Enabled", VnSyntax::Integer, VnAccess::ReadOnly, &PaeTrueFalseList},
    {},
};

// "802.1X" > "Port Statistics"
// Keyed by the port as the sibling tables are: the instance fills the key
// column, so every counter keeps its own column.
constinit const VnSNMPVarDesc PaePortStatisticsTable[] = {
    {"1.0.8802.1.1.1.1.1.2.1.1", "Port Number", VnSyntax::Integer, VnAccess::NotAccess},
    {"1.0.8802.1.1.1.1.2.2.1.1", "EAPOL Frames Rx", VnSyntax::Counter, VnAccess::ReadOnly},
    {"1.0.8802.1.1.1.1.2.2.1.2", "EAPOL Frames Tx", VnSyntax::Counter, VnAccess::ReadOnly},
    {"1.0.8802.1.1.1.1.2.2.1.3", "EAPOL Start Frames Rx", VnSyntax::Counter, VnAccess::ReadOnly},
    {"1.0.8802.1.1.1.1.2.2.1.4", "EAPOL Logoff Frames Rx", VnSyntax::Counter, VnAccess::ReadOnly},
    {"1.0.8802.1.1.1.1.2.2.1.5", "EAPOL Resp/Ip Frames Rx", VnSyntax::Counter, VnAccess::ReadOnly},
    {"1.0.8802.1.1.1.1.2.2.1.6", "EAPOL Response Frames Rx", VnSyntax::Counter, VnAccess::ReadOnly},
    {"1.0.8802.1.1.1.1.2.2.1.7", "EAPOL Req/Id FramesTx", VnSyntax::Counter, VnAccess::ReadOnly},
    {"1.0.8802.1.1.1.1.2.2.1.8", "EAPOL Response Frames Tx", VnSyntax::Counter, VnAccess::ReadOnly},
    {"1.0.8802.1.1.1.1.2.2.1.9", "Invalid EAPOL FramesRx", VnSyntax::Counter, VnAccess::ReadOnly},
    {"1.0.8802.1.1.1.1.2.2.1.10", "EAPOL Length Error Frames Rx", VnSyntax::Counter, VnAccess::ReadOnly},
    {"1.0.8802.1.1.1.1.2.2.1.11", "Last EAPOL Frame Version", VnSyntax::Gauge, VnAccess::ReadOnly},
    {"1.0.8802.1.1.1.1.2.2.1.12", "Last EAPOLF rame Source", VnSyntax::MacAddress, VnAccess::ReadOnly},
    {},
};

// "802.1X" > "Port Diagnostics"
// Keyed by the port as the sibling tables are: the instance fills the key
// column, so every counter keeps its own column.
constinit const VnSNMPVarDesc PaePortDiagnosticsTable[] = {
    {"1.0.8802.1.1.1.1.1.2.1.1", "Port Number", VnSyntax::Integer, VnAccess::NotAccess},
    {"1.0.8802.1.1.1.1.2.3.1.1", "Enters Connecting", VnSyntax::Counter, VnAccess::ReadOnly},
    {"1.0.8802.1.1.1.1.2.3.1.2", "Eap Logoffs While Connecting", VnSyntax::Counter, VnAccess::ReadOnly},
    {"1.0.8802.1.1.1.1.2.3.1.3", "Enters Authenticating", VnSyntax::Counter, VnAccess::ReadOnly},
    {"1.0.8802.1.1.1.1.2.3.1.4", "Auth Success While Authenticating", VnSyntax::Counter, VnAccess::ReadOnly},
    {"1.0.8802.1.1.1.1.2.3.1.5", "Auth Timeouts While Authenticating", VnSyntax::Counter, VnAccess::ReadOnly},
    {"1.0.8802.1.1.1.1.2.3.1.6", "Auth Fail While Authenticating", VnSyntax::Counter, VnAccess::ReadOnly},
    {"1.0.8802.1.1.1.1.2.3.1.7", "Auth Reauths While Authenticating", VnSyntax::Counter, VnAccess::ReadOnly},
    {"1.0.8802.1.1.1.1.2.3.1.8", "Auth Eap Starts While Authenticating", VnSyntax::Counter, VnAccess::ReadOnly},
    {"1.0.8802.1.1.1.1.2.3.1.9", "Auth Eap Logoff While Authenticating", VnSyntax::Counter, VnAccess::ReadOnly},
    {"1.0.8802.1.1.1.1.2.3.1.10", "Auth Reauths While Authenticated", VnSyntax::Counter, VnAccess::ReadOnly},
    {"1.0.8802.1.1.1.1.2.3.1.11", "Auth Eap Starts While Authenticated", VnSyntax::Counter, VnAccess::ReadOnly},
    {"1.0.8802.1.1.1.1.2.3.1.12", "Auth Eap Logoff While Authenticated", VnSyntax::Counter, VnAccess::ReadOnly},
    {"1.0.8802.1.1.1.1.2.3.1.13", "Backend Responses", VnSyntax::Counter, VnAccess::ReadOnly},
    {"1.0.8802.1.1.1.1.2.3.1.14", "Backend Access Challenges", VnSyntax::Counter, VnAccess::ReadOnly},
    {"1.0.8802.1.1.1.1.2.3.1.15", "Backend Other Requests To Supplicant", VnSyntax::Counter, VnAccess::ReadOnly},
    {"1.0.8802.1.1.1.1.2.3.1.16", "Backend Non Nak Responses From Supplicant", VnSyntax::Counter, VnAccess::ReadOnly},
    {"1.0.8802.1.1.1.1.2.3.1.17", "Backend Auth Successes", VnSyntax::Counter, VnAccess::ReadOnly},
    {"1.0.8802.1.1.1.1.2.3.1.18", "Backend Auth Fails", VnSyntax::Counter, VnAccess::ReadOnly},
    {},
};

// "802.1X" > "Port Session Statistics"
constinit const VnSNMPVarDesc PaePortSessionStatisticsTable[] = {
    {"1.0.8802.1.1.1.1.1.2.1.1", "Instance", VnSyntax::Integer, VnAccess::NotAccess},
    {"1.0.8802.1.1.1.1.2.4.1.1", "Octets Rx", VnSyntax::Counter64, VnAccess::ReadOnly},
    {"1.0.8802.1.1.1.1.2.4.1.2", "Octets Tx", VnSyntax::Counter64, VnAccess::ReadOnly},
    {"1.0.8802.1.1.1.1.2.4.1.3", "Frames Rx", VnSyntax::Counter, VnAccess::ReadOnly},
    {"1.0.8802.1.1.1.1.2.4.1.4", "Frames Tx", VnSyntax::Counter, VnAccess::ReadOnly},
    {"1.0.8802.1.1.1.1.2.4.1.5", "ID", VnSyntax::DisplayStr, VnAccess::ReadOnly},
    {"1.0.8802.1.1.1.1.2.4.1.6", "Authentic Method", VnSyntax::Integer, VnAccess::ReadOnly, &PaeAuthenticMethodList},
    {"1.0.8802.1.1.1.1.2.4.1.7", "Time", VnSyntax::TimeTicks, VnAccess::ReadOnly},
    {"1.0.8802.1.1.1.1.2.4.1.8", "Terminate Cause", VnSyntax::Integer, VnAccess::ReadOnly, &PaeTerminateCauseList},
    {"1.0.8802.1.1.1.1.2.4.1.9", "User Name", VnSyntax::DisplayStr, VnAccess::ReadOnly},
    {},
};
