// Login and enable method lists, authentication servers and the members of
// the server groups (.12.5).
#include "AuthMib.h"

namespace {

const VnIntOption aacEnableMethodTypeOptions[] = {{1, "tacacs"},       {2, "xtacacs"},      {3, "tacacs-plus"},
                                                  {4, "radius"},       {5, "server-group"}, {7, "local-enable"},
                                                  {8, "none"},         {9, "other"},        {0, nullptr}};
const VnIntOption aacLoginMethodTypeOptions[] = {{1, "tacacs"}, {2, "xtacacs"},      {3, "tacacs-plus"},
                                                 {4, "radius"}, {5, "server-group"}, {6, "local"},
                                                 {8, "none"},   {9, "other"},        {0, nullptr}};
const VnIntOption aacServerAuthProtocolOptions[] = {{1, "tacacs"}, {2, "xtacacs"}, {3, "tacacs-plus"}, {4, "radius"},
                                                    {0, nullptr}};
const VnIntOption aacMemberActionOptions[] = {{1, "add"}, {2, "delete"}, {0, nullptr}};

}  // namespace

const VnOptionList AacEnableMethodTypeList(aacEnableMethodTypeOptions);
const VnOptionList AacLoginMethodTypeList(aacLoginMethodTypeOptions);
const VnOptionList AacServerAuthProtocolList(aacServerAuthProtocolOptions);
const VnOptionList AacMemberActionList(aacMemberActionOptions);

constinit const VnSNMPVarDesc EnableMethodListTable[] = {
    {"1.3.6.1.4.1.88406.12.5.4.1.1", "Enable MethodList Name", VnSyntax::DisplayStr, VnAccess::NotAccess},
    {"1.3.6.1.4.1.88406.12.5.4.1.2", "Enable Method1 Type", VnSyntax::Integer, VnAccess::ReadWrite,
     &AacEnableMethodTypeList},
    {"1.3.6.1.4.1.88406.12.5.4.1.3", "Enable Method1 ServerGroup", VnSyntax::DisplayStr, VnAccess::ReadWrite},
    {"1.3.6.1.4.1.88406.12.5.4.1.4", "Enable Method2 Type", VnSyntax::Integer, VnAccess::ReadWrite,
     &AacEnableMethodTypeList},
    {"1.3.6.1.4.1.88406.12.5.4.1.5", "Enable Method2 ServerGroup", VnSyntax::DisplayStr, VnAccess::ReadWrite},
    {"1.3.6.1.4.1.88406.12.5.4.1.6", "Enable Method3Type", VnSyntax::Integer, VnAccess::ReadWrite,
     &AacEnableMethodTypeList},
    {"1.3.6.1.4.1.88406.12.5.4.1.7", "Enable Method3 ServerGroup", VnSyntax::DisplayStr, VnAccess::ReadWrite},
    {"1.3.6.1.4.1.88406.12.5.4.1.8", "Enable Method4 Type", VnSyntax::Integer, VnAccess::ReadWrite,
     &AacEnableMethodTypeList},
    {"1.3.6.1.4.1.88406.12.5.4.1.9", "Enable Method4 ServerGroup", VnSyntax::DisplayStr, VnAccess::ReadWrite},
    {"1.3.6.1.4.1.88406.12.5.4.1.10", "Enable MethodList RowStatus", VnSyntax::Integer, VnAccess::ReadWrite,
     &AuthRowStatusList},
    {},
};

constinit const VnSNMPVarDesc LoginMethodListTable[] = {
    {"1.3.6.1.4.1.88406.12.5.3.1.1", "AAC Login Method List Name", VnSyntax::DisplayStr, VnAccess::NotAccess},
    {"1.3.6.1.4.1.88406.12.5.3.1.2", "Method1 Type", VnSyntax::Integer, VnAccess::ReadWrite, &AacLoginMethodTypeList},
    {"1.3.6.1.4.1.88406.12.5.3.1.3", "Method1 ServerGroup", VnSyntax::DisplayStr, VnAccess::ReadWrite},
    {"1.3.6.1.4.1.88406.12.5.3.1.4", "Method2 Type", VnSyntax::Integer, VnAccess::ReadWrite, &AacLoginMethodTypeList},
    {"1.3.6.1.4.1.88406.12.5.3.1.5", "Method2 ServerGroup", VnSyntax::DisplayStr, VnAccess::ReadWrite},
    {"1.3.6.1.4.1.88406.12.5.3.1.6", "Method3 Type", VnSyntax::Integer, VnAccess::ReadWrite, &AacLoginMethodTypeList},
    {"1.3.6.1.4.1.88406.12.5.3.1.7", "Method3 ServerGroup", VnSyntax::DisplayStr, VnAccess::ReadWrite},
    {"1.3.6.1.4.1.88406.12.5.3.1.8", "Method4 Type", VnSyntax::Integer, VnAccess::ReadWrite, &AacLoginMethodTypeList},
    {"1.3.6.1.4.1.88406.12.5.3.1.9", "Method4 ServerGroup", VnSyntax::DisplayStr, VnAccess::ReadWrite},
    {"1.3.6.1.4.1.88406.12.5.3.1.10", "MethodList RowStatus", VnSyntax::Integer, VnAccess::ReadWrite,
     &AuthRowStatusList},
    {},
};

constinit const VnSNMPVarDesc AacServerTable[] = {
    {"1.3.6.1.4.1.88406.12.5.10.1.1", "Server IP", VnSyntax::IpAddress, VnAccess::NotAccess},
    {"1.3.6.1.4.1.88406.12.5.10.1.2", "Server Auth Protocol", VnSyntax::Integer, VnAccess::NotAccess,
     &AacServerAuthProtocolList},
    {"1.3.6.1.4.1.88406.12.5.10.1.3", "Server Auth Port", VnSyntax::Integer, VnAccess::ReadWrite},
    {"1.3.6.1.4.1.88406.12.5.10.1.4", "Server Auth Key", VnSyntax::DisplayStr, VnAccess::ReadWrite},
    {"1.3.6.1.4.1.88406.12.5.10.1.5", "Server Timeout", VnSyntax::Integer, VnAccess::ReadWrite},
    {"1.3.6.1.4.1.88406.12.5.10.1.6", "Server Retry Count", VnSyntax::Integer, VnAccess::ReadWrite},
    {"1.3.6.1.4.1.88406.12.5.10.1.7", "Server Row Status", VnSyntax::Integer, VnAccess::ReadWrite, &AuthRowStatusList},
    {},
};

constinit const VnSNMPVarDesc AacServerGroupMemberTable[] = {
    {"1.3.6.1.4.1.88406.12.5.12.1.1", "Server Group Name", VnSyntax::DisplayStr, VnAccess::NotAccess},
    {"1.3.6.1.4.1.88406.12.5.12.1.2", "Server IP Address", VnSyntax::IpAddress, VnAccess::NotAccess},
    {"1.3.6.1.4.1.88406.12.5.12.1.3", "Server Authentication Protocol", VnSyntax::Integer, VnAccess::NotAccess,
     &AacServerAuthProtocolList},
    {"1.3.6.1.4.1.88406.12.5.12.1.4", "Server Row State", VnSyntax::Integer, VnAccess::ReadWrite,
     &AacMemberActionList},
    {},
};
