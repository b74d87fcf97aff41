// Enterprise authentication, 802.1X, RADIUS servers and TACACS+ (.12.3, .12.5).
#include "AuthMib.h"

namespace {

const VnIntOption authUserAuthProtocolOptions[] = {
    {2, "authProtocolLocal"}, {4, "authProtocolRadiusEap"}, {0, nullptr}};
const VnIntOption authDeviceAuthModeOptions[] = {{1, "portBase"}, {2, "MACBase"}, {3, "none"}, {0, nullptr}};
const VnIntOption authPaeStateOptions[] = {
    {1, "initialize"}, {2, "disconnected"}, {3, "connecting"}, {4, "authenticating"}, {5, "authenticated"},
    {6, "aborting"},   {7, "held"},         {8, "forceAuth"},  {9, "forceUnauth"},    {0, nullptr}};
const VnIntOption authBackendStateOptions[] = {{1, "request"}, {2, "response"}, {3, "success"},    {4, "fail"},
                                               {5, "timeout"}, {6, "idle"},     {7, "initialize"}, {0, nullptr}};
const VnIntOption authPortStatusOptions[] = {{1, "authorized"}, {2, "unauthorized"}, {0, nullptr}};
const VnIntOption authAuthenticMethodOptions[] = {{1, "remoteAuthServer"}, {2, "localAuthServer"}, {0, nullptr}};
const VnIntOption authTerminateCauseOptions[] = {{1, "supplicantLogoff"},
                                                 {2, "portFailure"},
                                                 {3, "supplicantRestart"},
                                                 {4, "reauthFailed"},
                                                 {5, "authControlForceUnauth"},
                                                 {6, "portReInit"},
                                                 {7, "portAdminDisabled"},
                                                 {999, "notTerminatedYet"},
                                                 {0, nullptr}};
const VnIntOption authRadiusServerIndexOptions[] = {{1, "swRadiusServerIndex-first"},
                                                    {2, "swRadiusServerIndex-second"},
                                                    {3, "swRadiusServerIndex-third"},
                                                    {0, nullptr}};
const VnIntOption authRowStatusOptions[] = {{1, "active"}, {4, "createAndGo"}, {6, "destroy"}, {0, nullptr}};
const VnIntOption authDisabledEnabledOptions[] = {{2, "disabled"}, {3, "enabled"}, {0, nullptr}};
const VnIntOption authServerProtocolOptions[] = {{1, "tacacs"}, {2, "xtacacs"}, {3, "tacacs-plus"}, {4, "radius"},
                                                 {5, "none"},   {6, "other"},   {0, nullptr}};

}  // namespace

const VnOptionList AuthUserAuthProtocolList(authUserAuthProtocolOptions);
const VnOptionList AuthDeviceAuthModeList(authDeviceAuthModeOptions);
const VnOptionList AuthPaeStateList(authPaeStateOptions);
const VnOptionList AuthBackendStateList(authBackendStateOptions);
const VnOptionList AuthPortStatusList(authPortStatusOptions);
const VnOptionList AuthAuthenticMethodList(authAuthenticMethodOptions);
const VnOptionList AuthTerminateCauseList(authTerminateCauseOptions);
const VnOptionList AuthRadiusServerIndexList(authRadiusServerIndexOptions);
const VnOptionList AuthRowStatusList(authRowStatusOptions);
const VnOptionList AuthDisabledEnabledList(authDisabledEnabledOptions);
const VnOptionList AuthServerProtocolList(authServerProtocolOptions);

// "Authentication Mode Setting"
constinit const VnSNMPVarDesc AuthenticationModeTable[] = {
    {"1.3.6.1.4.1.88406.12.3.1.1", "User Authentication Protocol", VnSyntax::Integer, VnAccess::ReadWrite,
     &AuthUserAuthProtocolList},
    {"1.3.6.1.4.1.88406.12.3.1.2", "Device Authentication Mode", VnSyntax::Integer, VnAccess::ReadWrite,
     &AuthDeviceAuthModeList},
    {},
};

// "802.1X" > "MAC Based Authentication" > "State Table"
constinit const VnSNMPVarDesc MacAuthStateTable[] = {
    {"1.3.6.1.4.1.88406.12.3.6.1.1.1", "Port Access Entity MAC Address", VnSyntax::MacAddress, VnAccess::ReadOnly},
    {"1.3.6.1.4.1.88406.12.3.6.1.1.2", "Port Access Entity Port Number", VnSyntax::Integer, VnAccess::ReadOnly},
    {"1.3.6.1.4.1.88406.12.3.6.1.1.3", "Port Access Entity State", VnSyntax::Integer, VnAccess::ReadOnly,
     &AuthPaeStateList},
    {"1.3.6.1.4.1.88406.12.3.6.1.1.4", "Backend Authentication State", VnSyntax::Integer, VnAccess::ReadOnly,
     &AuthBackendStateList},
    {"1.3.6.1.4.1.88406.12.3.6.1.1.5", "Controlled Port Status", VnSyntax::Integer, VnAccess::ReadOnly,
     &AuthPortStatusList},
    {},
};

// "802.1X" > "MAC Based Authentication" > "Session Information"
constinit const VnSNMPVarDesc MacAuthSessionTable[] = {
    {"1.3.6.1.4.1.88406.12.3.6.1.1.1", "Port Access Entity MAC Address", VnSyntax::MacAddress, VnAccess::NotAccess},
    {"1.3.6.1.4.1.88406.12.3.6.1.1.2", "Port Number", VnSyntax::UInteger, VnAccess::NotAccess},
    {"1.3.6.1.4.1.88406.12.3.6.4.1.1", "During Session Octets Rx", VnSyntax::Integer, VnAccess::ReadOnly},
    {"1.3.6.1.4.1.88406.12.3.6.4.1.2", "During Session Octets Tx", VnSyntax::Integer, VnAccess::ReadOnly},
    {"1.3.6.1.4.1.88406.12.3.6.4.1.3", "During Session Frames Rx", VnSyntax::Counter, VnAccess::ReadOnly},
    {"1.3.6.1.4.1.88406.12.3.6.4.1.4", "During Session Frames Tx", VnSyntax::Counter, VnAccess::ReadOnly},
    {"1.3.6.1.4.1.88406.12.3.6.4.1.5", "Session Id", VnSyntax::DisplayStr, VnAccess::ReadOnly},
    {"1.3.6.1.4.1.88406.12.3.6.4.1.6", "Session Authentication Methord", VnSyntax::Integer, VnAccess::ReadOnly,
     &AuthAuthenticMethodList},
    {"1.3.6.1.4.1.88406.12.3.6.4.1.7", "Session Time", VnSyntax::TimeTicks, VnAccess::ReadOnly},
    {"1.3.6.1.4.1.88406.12.3.6.4.1.8", "Session Termination Cause", VnSyntax::Integer, VnAccess::ReadOnly,
     &AuthTerminateCauseList},
    {"1.3.6.1.4.1.88406.12.3.6.4.1.9", "Session UserName", VnSyntax::DisplayStr, VnAccess::ReadOnly},
    {},
};

// "Radius Management" > "Radius Server Table"
constinit const VnSNMPVarDesc RadiusServerTable[] = {
    {"1.3.6.1.4.1.88406.12.3.2.4.1.1", "Index", VnSyntax::Integer, VnAccess::ReadOnly, &AuthRadiusServerIndexList},
    {"1.3.6.1.4.1.88406.12.3.2.4.1.2", "Ip Address", VnSyntax::IpAddress, VnAccess::ReadOnly},
    {"1.3.6.1.4.1.88406.12.3.2.4.1.3", "Key", VnSyntax::DisplayStr, VnAccess::NotAccess},
    {"1.3.6.1.4.1.88406.12.3.2.4.1.4", "Port Number", VnSyntax::Gauge, VnAccess::ReadOnly},
    {"1.3.6.1.4.1.88406.12.3.2.4.1.5", "Accounting Port Number", VnSyntax::Gauge, VnAccess::ReadOnly},
    {"1.3.6.1.4.1.88406.12.3.2.4.1.6", "Status", VnSyntax::Integer, VnAccess::ReadOnly, &AuthRowStatusList},
    {},
};

// "TACACS+" > "TACACS+ Control"
constinit const VnSNMPVarDesc TacacsControlTable[] = {
    {"1.3.6.1.4.1.88406.12.5.1.1", "AAC Authentication Administration State", VnSyntax::Integer, VnAccess::ReadWrite,
     &AuthDisabledEnabledList},
    {},
};

// "TACACS+" > "TACACS+ Information"
constinit const VnSNMPVarDesc TacacsInformationTable[] = {
    {"1.3.6.1.4.1.88406.12.5.2.1", "AAC Max Method List", VnSyntax::Integer, VnAccess::ReadOnly},
    {"1.3.6.1.4.1.88406.12.5.2.2", "AAC Max Enable Method List", VnSyntax::Integer, VnAccess::ReadOnly},
    {"1.3.6.1.4.1.88406.12.5.2.3", "AAC Max ServerGroup", VnSyntax::Integer, VnAccess::ReadOnly},
    {"1.3.6.1.4.1.88406.12.5.2.4", "AAC Max Server", VnSyntax::Integer, VnAccess::ReadOnly},
    {"1.3.6.1.4.1.88406.12.5.8.1", "AAC Response Timeout", VnSyntax::Integer, VnAccess::ReadWrite},
    {"1.3.6.1.4.1.88406.12.5.8.2", "AAC Attempt", VnSyntax::Integer, VnAccess::ReadWrite},
    {},
};

// "TACACS+" > "Login Information"
constinit const VnSNMPVarDesc LoginInformationTable[] = {
    {"1.3.6.1.4.1.88406.12.5.7.1.1", "AP Console LoginMethod", VnSyntax::DisplayStr, VnAccess::ReadWrite},
    {"1.3.6.1.4.1.88406.12.5.7.2.1", "AP Console EnableMethod", VnSyntax::DisplayStr, VnAccess::ReadWrite},
    {"1.3.6.1.4.1.88406.12.5.7.1.2", "AP Telnet LoginMethod", VnSyntax::DisplayStr, VnAccess::ReadWrite},
    {"1.3.6.1.4.1.88406.12.5.7.2.2", "AP Telnet EnableMethod", VnSyntax::DisplayStr, VnAccess::ReadWrite},
    {"1.3.6.1.4.1.88406.12.5.7.1.3", "AP SSH LoginMethod", VnSyntax::DisplayStr, VnAccess::ReadWrite},
    {"1.3.6.1.4.1.88406.12.5.7.2.3", "AP SSH EnableMethod", VnSyntax::DisplayStr, VnAccess::ReadWrite},
    {"1.3.6.1.4.1.88406.12.5.7.1.4", "AP Http LoginMethod", VnSyntax::DisplayStr, VnAccess::ReadWrite},
    {"1.3.6.1.4.1.88406.12.5.7.2.4", "AP Http EnableMethod", VnSyntax::DisplayStr, VnAccess::ReadWrite},
    {},
};

// "TACACS+" > "AAC Server Group Table"
constinit const VnSNMPVarDesc AacServerGroupTable[] = {
    {"1.3.6.1.4.1.88406.12.5.9.1.1", "ServerGroup Name", VnSyntax::DisplayStr, VnAccess::NotAccess},
    {"1.3.6.1.4.1.88406.12.5.9.1.2", "ServerGroup IPAddr1", VnSyntax::IpAddress, VnAccess::ReadOnly},
    {"1.3.6.1.4.1.88406.12.5.9.1.3", "ServerGroup AuthProtocol1", VnSyntax::Integer, VnAccess::ReadOnly,
     &AuthServerProtocolList},
    {"1.3.6.1.4.1.88406.12.5.9.1.4", "ServerGroup IPAddr2", VnSyntax::IpAddress, VnAccess::ReadOnly},
    {"1.3.6.1.4.1.88406.12.5.9.1.5", "ServerGroup AuthProtocol2", VnSyntax::Integer, VnAccess::ReadOnly,
     &AuthServerProtocolList},
    {"1.3.6.1.4.1.88406.12.5.9.1.6", "ServerGroup IPAddr3", VnSyntax::IpAddress, VnAccess::ReadOnly},
    {"1.3.6.1.4.1.88406.12.5.9.1.7", "ServerGroup AuthProtocol3", VnSyntax::Integer, VnAccess::ReadOnly,
     &AuthServerProtocolList},
    {"1.3.6.1.4.1.88406.12.5.9.1.8", "ServerGroup IPAddr4", VnSyntax::IpAddress, VnAccess::ReadOnly},
    {"1.3.6.1.4.1.88406.12.5.9.1.9", "ServerGroup AuthProtocol4", VnSyntax::Integer, VnAccess::ReadOnly,
     &AuthServerProtocolList},
    {"1.3.6.1.4.1.88406.12.5.9.1.10", "ServerGroup IPAddr5", VnSyntax::IpAddress, VnAccess::ReadOnly},
    {"1.3.6.1.4.1.88406.12.5.9.1.11", "ServerGroup AuthProtocol5", VnSyntax::Integer, VnAccess::ReadOnly,
     &AuthServerProtocolList},
    {"1.3.6.1.4.1.88406.12.5.9.1.12", "ServerGroup IPAddr6", VnSyntax::IpAddress, VnAccess::ReadOnly},
    {"1.3.6.1.4.1.88406.12.5.9.1.13", "ServerGroup AuthProtocol6", VnSyntax::Integer, VnAccess::ReadOnly,
     &AuthServerProtocolList},
    {"1.3.6.1.4.1.88406.12.5.9.1.14", "ServerGroup IPAddr7", VnSyntax::IpAddress, VnAccess::ReadOnly},
    {"1.3.6.1.4.1.88406.12.5.9.1.15", "ServerGroup AuthProtocol7", VnSyntax::Integer, VnAccess::ReadOnly,
     &AuthServerProtocolList},
    {"1.3.6.1.4.1.88406.12.5.9.1.16", "ServerGroup IPAddr8", VnSyntax::IpAddress, VnAccess::ReadOnly},
    {"1.3.6.1.4.1.88406.12.5.9.1.17", "ServerGroup AuthProtocol8", VnSyntax::Integer, VnAccess::ReadOnly,
     &AuthServerProtocolList},
    {"1.3.6.1.4.1.88406.12.5.9.1.18", "ServerGroup RowStatus", VnSyntax::Integer, VnAccess::ReadWrite,
     &AuthRowStatusList},
    {},
};
