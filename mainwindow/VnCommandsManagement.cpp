// Generic editors of the system log, CPU, dual image and current time
// commands of "Basic Configuration", the MSTP commands of "Bridge" and the
// "Single IP" commands.
#include "SingleIpMib.h"
#include "SwitchMib.h"
#include "SyslogFileSystemMib.h"
#include "TimeMib.h"
#include "VnCommandTable.h"

namespace {

using K = VnCommandKind;

constexpr VnEditorStep kMstpConfigurationSteps[] = {
    VnFormat(0, "%s{l32}"), VnFormat(1, "%i{n0x65535l5}"), VnGrowHeight(20)};
// The eight VLAN ranges are bitmaps of 64 VLANs, 8 octets typed as 16 hex
// digits, no more and no fewer: a switch takes a shorter map as it comes
// and drops the instance's VLANs the map lacks. The check by syntax
// refuses a non-hex digit.
constexpr VnEditorStep kMstpInstanceSteps[] = {
    VnFormat(1, "%s{l16f}"), VnFormat(2, "%s{l16f}"), VnFormat(3, "%s{l16f}"), VnFormat(4, "%s{l16f}"),
    VnFormat(5, "%s{l16f}"), VnFormat(6, "%s{l16f}"), VnFormat(7, "%s{l16f}"), VnFormat(8, "%s{l16f}"),
    VnFormat(11, "%i{n0x61440l5}"),
};
constexpr VnEditorStep kMstpPortStateSteps[] = {VnFormat(1, "%i{n100x1000l4}"), VnFormat(4, "%i{n0x200000000l9}")};
constexpr VnEditorStep kMstpPortSteps[] = {VnFormat(3, "%i{n0x200000000l9}"), VnFormat(4, "%i{n0x240l3}")};
constexpr VnEditorStep kSingleIpControlSteps[] = {VnFormat(2, "%i{n100x255l3}"), VnFormat(3, "%i{n30x90l2}")};
constexpr VnEditorStep kMyInformationSteps[] = {VnGrowEditWidth(10), VnGrowWidth(10)};

constexpr VnEditorCommand kCommands[] = {
    {.name = "SystemLogControl1Click", .kind = K::ScalarEditor, .title = "System Log Control",
     .table = SyslogControlTable, .itemType = SVT_SV},
    {.name = "CPUUtilization1Click", .kind = K::ScalarEditor, .title = "CPU Utilization Table",
     .table = CpuUtilizationTable, .itemType = SVT_SV},
    {.name = "DualImageInformation1Click", .kind = K::TableEditor, .title = "Firmware Information Table",
     .table = FirmwareInformationTable, .itemType = MVT_FMV, .keyCount = 1},
    {.name = "DualImageFile1Click", .kind = K::TableEditor, .title = "Firmware Image File Information Table",
     .table = FirmwareFileTable, .itemType = MVT_UMV, .keyCount = 1},
    // "Current Clock" has no format: the DateAndTime syntax checks it.
    {.name = "CurrentTime1Click", .kind = K::ScalarEditor, .title = "Time Control", .table = TimeControlTable,
     .itemType = SVT_SV},
    // ---- MSTP
    {.name = "ConfigurationIdentification1Click", .kind = K::ScalarEditor,
     .title = "MSTP Configuration Identication", .table = MstpConfigurationTable, .itemType = SVT_SV,
     .steps = kMstpConfigurationSteps},
    {.name = "InstanceInformation1Click", .kind = K::TableEditor, .title = "MSTP Instance Control",
     .table = MstpInstanceTable, .itemType = MVT_UMV, .keyCount = 1, .steps = kMstpInstanceSteps},
    {.name = "PortStateInformation1Click", .kind = K::TableEditor, .title = "MSTP Port State Information",
     .table = MstpPortStateTable, .itemType = MVT_UMV, .keyCount = 1, .steps = kMstpPortStateSteps},
    {.name = "PortMSTPInformation1Click", .kind = K::TableEditor, .title = "Port MSTP Information",
     .table = MstpPortInstanceTable, .itemType = MVT_UMV, .keyCount = 2, .steps = kMstpPortSteps},
    // ---- Single IP
    {.name = "SingleIPControl1Click", .kind = K::ScalarEditor, .title = "Single IP Control",
     .table = SingleIpControlTable, .itemType = SVT_SV, .steps = kSingleIpControlSteps},
    {.name = "MyInformation1Click", .kind = K::ScalarEditor, .title = "My Information",
     .table = SingleIpMyInformationTable, .itemType = SVT_SV, .steps = kMyInformationSteps},
    {.name = "CandidateSwitch1Click", .kind = K::TableEditor, .title = "Candidate Switch",
     .table = CandidateSwitchTable, .itemType = MVT_FMV, .keyCount = 1},
    {.name = "GroupInformation2Click", .kind = K::TableEditor, .title = "Group Information",
     .table = SingleIpGroupTable, .itemType = MVT_FMV, .keyCount = 1},
    {.name = "NeighborSwitch1Click", .kind = K::TableEditor, .title = "Neighbor Switch",
     .table = NeighborSwitchTable, .itemType = MVT_FMV, .keyCount = 2},
};

}  // namespace

std::span<const VnEditorCommand> VnManagementEditorCommands() { return kCommands; }
