// "System Log Control": the syslog global state (.12.12.1).
#include "SyslogFileSystemMib.h"

constinit const VnSNMPVarDesc SyslogControlTable[] = {
    {"1.3.6.1.4.1.88406.12.12.1", "Syslog Global State", VnSyntax::Integer, VnAccess::ReadWrite, &SyslogStateList},
    {},
};
