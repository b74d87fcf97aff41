// The switch's clock and its network time client (.12.10).
#include "TimeMib.h"

namespace {

const VnIntOption timeTrueFalseOptions[] = {{1, "true"}, {2, "false"}, {0, nullptr}};
const VnIntOption timeSntpStateOptions[] = {{2, "disabled"}, {3, "enabled"}, {0, nullptr}};
const VnIntOption timeSourceOptions[] = {{0, "system"}, {1, "server1"}, {2, "server2"}, {0, nullptr}};

}  // namespace

const VnOptionList TimeTrueFalseList(timeTrueFalseOptions);
const VnOptionList TimeSntpStateList(timeSntpStateOptions);
const VnOptionList TimeSourceList(timeSourceOptions);

constinit const VnSNMPVarDesc SystemTimeTable[] = {
    {"1.3.6.1.4.1.88406.12.10.3", "Clock Reset On Reboot", VnSyntax::Integer, VnAccess::ReadOnly,
     &TimeTrueFalseList},
    {"1.3.6.1.4.1.88406.12.10.10.1", "Current Time", VnSyntax::DisplayStr, VnAccess::ReadOnly},
    {"1.3.6.1.4.1.88406.12.10.10.2", "System UpTime", VnSyntax::DisplayStr, VnAccess::ReadOnly},
    {"1.3.6.1.4.1.88406.12.10.10.3", "System BootTime", VnSyntax::DisplayStr, VnAccess::ReadOnly},
    {"1.3.6.1.4.1.88406.12.10.10.4", "System Time Zone [ -779..839]", VnSyntax::Integer, VnAccess::ReadWrite},
    {},
};

constinit const VnSNMPVarDesc NetworkTimeTable[] = {
    {"1.3.6.1.4.1.88406.12.10.11.1", "Network Time State", VnSyntax::Integer, VnAccess::ReadWrite,
     &TimeSntpStateList},
    {"1.3.6.1.4.1.88406.12.10.11.2", "Time Source", VnSyntax::Integer, VnAccess::ReadOnly, &TimeSourceList},
    {"1.3.6.1.4.1.88406.12.10.11.3", "Server1 IPAddr", VnSyntax::IpAddress, VnAccess::ReadWrite},
    {"1.3.6.1.4.1.88406.12.10.11.4", "Server2 IPAddr", VnSyntax::IpAddress, VnAccess::ReadWrite},
    {"1.3.6.1.4.1.88406.12.10.11.5", "Poll Interval[30..99999]", VnSyntax::Integer, VnAccess::ReadWrite},
    {},
};
