// The switch's syslog servers (.12.12.2).
#include "SyslogFileSystemMib.h"

namespace {

const VnIntOption syslogFacilityOptions[] = {{0, "local0"}, {1, "local1"}, {2, "local2"}, {3, "local3"},
                                             {4, "local4"}, {5, "local5"}, {6, "local6"}, {7, "local7"},
                                             {0, nullptr}};
const VnIntOption syslogSeverityOptions[] = {{1, "all"}, {2, "warning"}, {3, "informational"}, {0, nullptr}};
const VnIntOption syslogStateOptions[] = {{2, "disabled"}, {3, "enabled"}, {0, nullptr}};
const VnIntOption syslogRowStatusOptions[] = {{1, "active"}, {4, "createAndGo"}, {6, "destroy"}, {0, nullptr}};

}  // namespace

const VnOptionList SyslogFacilityList(syslogFacilityOptions);
const VnOptionList SyslogSeverityList(syslogSeverityOptions);
const VnOptionList SyslogStateList(syslogStateOptions);
const VnOptionList SyslogRowStatusList(syslogRowStatusOptions);

constinit const VnSNMPVarDesc SyslogHostTable[] = {
    {"1.3.6.1.4.1.88406.12.12.2.1.1", "Server Index", VnSyntax::Integer, VnAccess::NotAccess},
    {"1.3.6.1.4.1.88406.12.12.2.1.2", "Server IP Address", VnSyntax::IpAddress, VnAccess::ReadWrite},
    {"1.3.6.1.4.1.88406.12.12.2.1.3", "Server Facility", VnSyntax::Integer, VnAccess::ReadWrite, &SyslogFacilityList},
    {"1.3.6.1.4.1.88406.12.12.2.1.4", "Server Severity", VnSyntax::Integer, VnAccess::ReadWrite, &SyslogSeverityList},
    {"1.3.6.1.4.1.88406.12.12.2.1.5", "Server UDP Port", VnSyntax::Integer, VnAccess::ReadWrite},
    {"1.3.6.1.4.1.88406.12.12.2.1.6", "Server State", VnSyntax::Integer, VnAccess::ReadWrite, &SyslogStateList},
    {"1.3.6.1.4.1.88406.12.12.2.1.7", "Server Row Status", VnSyntax::Integer, VnAccess::ReadWrite,
     &SyslogRowStatusList},
    {},
};
