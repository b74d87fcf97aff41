// "Time Control": the clock's capabilities, the current time to set and
// whether a reboot resets it (.12.10.1-.3).
#include "TimeMib.h"

constinit const VnSNMPVarDesc TimeControlTable[] = {
    {"1.3.6.1.4.1.88406.12.10.1", "Time Capacity", VnSyntax::BitStr, VnAccess::ReadOnly},
    {"1.3.6.1.4.1.88406.12.10.2", "Current Clock(Example 1992-5-26,13:30:15.0)", VnSyntax::DateTime,
     VnAccess::ReadWrite},
    {"1.3.6.1.4.1.88406.12.10.3", "Clock Reset On Reboot", VnSyntax::Integer, VnAccess::ReadOnly, &TimeTrueFalseList},
    {},
};
