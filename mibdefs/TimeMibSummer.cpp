// Daylight saving time (.12.10.12).
#include "TimeMib.h"

namespace {

const VnIntOption timeSummerStatusOptions[] = {{0, "disable"}, {1, "repeating"}, {2, "annual"}, {0, nullptr}};

}  // namespace

const VnOptionList TimeSummerStatusList(timeSummerStatusOptions);

constinit const VnSNMPVarDesc SummerTimeModeTable[] = {
    {"1.3.6.1.4.1.88406.12.10.12.1", "swSummerTimeStatus", VnSyntax::Integer, VnAccess::ReadWrite,
     &TimeSummerStatusList},
    {"1.3.6.1.4.1.88406.12.10.12.2", "swSummerTimeOffset", VnSyntax::Integer, VnAccess::ReadWrite},
    {},
};

constinit const VnSNMPVarDesc SummerTimeAnnualTable[] = {
    {"1.3.6.1.4.1.88406.12.10.12.5", "swAnnualSummerTimeStart", VnSyntax::OctetStr, VnAccess::ReadWrite},
    {"1.3.6.1.4.1.88406.12.10.12.6", "swAnnualSummerTimeEnd", VnSyntax::OctetStr, VnAccess::ReadWrite},
    {},
};

constinit const VnSNMPVarDesc SummerTimeRepeatTable[] = {
    {"1.3.6.1.4.1.88406.12.10.12.3", "swRepeatSummerTimeStart", VnSyntax::OctetStr, VnAccess::ReadWrite},
    {"1.3.6.1.4.1.88406.12.10.12.4", "swRepeatSummerTimeEnd", VnSyntax::OctetStr, VnAccess::ReadWrite},
    {},
};
