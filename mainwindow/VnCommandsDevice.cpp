// Generic editors of "Basic Configuration": device, equipment, agent and
// time management.
#include "EquipmentMib.h"
#include "SwitchMib.h"
#include "TimeMib.h"
#include "VnCommandTable.h"

constexpr VnEditorStep kLayer2ControlSteps[4] = {
    VnFormat(3, "%i{n1x4094l4}"),
    VnFormat(5, "%i{n1x500l3}"),
    VnFormat(6, "%i{n1x2147483647l10}"),
    VnFormat(8, "%i{n1x65535l5}"),
};

constexpr VnEditorStep kLayer3ControlSteps[1] = {VnFormat(5, "%i{n0x65535l5}")};

namespace {

using K = VnCommandKind;

constexpr VnEditorPage kDeviceControlPages[] = {
    {"Layer2 Control", Layer2ControlTable, SVT_SV, 0, kLayer2ControlSteps},
    {"Layer3 Control", Layer3ControlTable, SVT_SV, 0, kLayer3ControlSteps},
};

constexpr VnEditorStep kUnitTableSteps[] = {VnFormat(11, "%i{n1x16l2}"), VnSetHeight(450)};
constexpr VnEditorStep kTallTableSteps[] = {VnSetHeight(450)};
constexpr VnEditorStep kMibCapabilitiesSteps[] = {VnSetHeight(450), VnGrowWidth(100)};
constexpr VnEditorStep kUpdateFilesSteps[] = {VnFormat(4, "%s{l64}"), VnFormat(8, "%i{n1x2l1}")};
constexpr VnEditorStep kSystemSeveritySteps[] = {VnGrowHeight(20)};
constexpr VnEditorStep kSystemTimeSteps[] = {VnFormat(4, "%i{n-779x839l4}")};
constexpr VnEditorStep kNetworkTimeSteps[] = {VnFormat(4, "%i{n30x99999l5}")};

constexpr VnEditorCommand kCommands[] = {
    {.name = "DeviceInformation1Click", .kind = K::ScalarEditor, .title = "Device Information",
     .table = DeviceInformationTable, .itemType = SVT_SV},
    {.name = "DeviceModuleInformation1Click", .kind = K::TableEditor, .title = "Device Module Information",
     .table = DeviceModuleTable, .itemType = MVT_FMV, .keyCount = 1},
    // The one page form: its caption is "Device Control: " and the address;
    // it leaves DialogTitle alone.
    {.name = "DeviceControl1Click", .kind = K::PageEditor, .title = "Device Control",
     .pages = kDeviceControlPages},
    {.name = "AlarmControl1Click", .kind = K::ScalarEditor, .title = "Alarm Control", .table = AlarmControlTable,
     .itemType = SVT_SV},
    {.name = "UnitTable1Click", .kind = K::TableEditor, .title = "Unit Table", .table = UnitTable,
     .itemType = MVT_FMV, .keyCount = 1, .steps = kUnitTableSteps},
    {.name = "PowerTable1Click", .kind = K::TableEditor, .title = "Power Table", .table = PowerTable,
     .itemType = MVT_FMV, .keyCount = 1, .steps = kTallTableSteps},
    {.name = "FanInformation1Click", .kind = K::TableEditor, .title = "Fan Information", .table = FanTable,
     .itemType = MVT_FMV, .keyCount = 2, .steps = kTallTableSteps},
    {.name = "BasicInformation2Click", .kind = K::ScalarEditor, .title = "Basic Information",
     .table = AgentBasicInformationTable, .itemType = SVT_SV},
    {.name = "MIBCapabilities1Click", .kind = K::TableEditor, .title = "Mib Capabilities",
     .table = MibCapabilitiesTable, .itemType = MVT_FMV, .keyCount = 1, .steps = kMibCapabilitiesSteps},
    {.name = "BasicConfiguration2Click", .kind = K::ScalarEditor, .title = "Basic Configuration",
     .table = AgentBasicConfigurationTable, .itemType = SVT_SV},
    {.name = "AgentSupportedUpdateFiles1Click", .kind = K::TableEditor, .title = "Agent Supported Update Files",
     .table = AgentUpdateFilesTable, .itemType = MVT_UMV, .keyCount = 1, .steps = kUpdateFilesSteps},
    {.name = "IPProtocolConfigure1Click", .kind = K::ScalarEditor, .title = "IP Protocol Configure",
     .table = IpProtocolConfigureTable, .itemType = SVT_SV},
    {.name = "SystemSeverity1Click", .kind = K::ScalarEditor, .title = "System Severity",
     .table = SystemSeverityTable, .itemType = SVT_SV, .steps = kSystemSeveritySteps},
    // "System Time" opens the editor titled "Current Time".
    {.name = "SystemTime1Click", .kind = K::ScalarEditor, .title = "Current Time", .table = SystemTimeTable,
     .itemType = SVT_SV, .steps = kSystemTimeSteps},
    {.name = "NetworkTime1Click", .kind = K::ScalarEditor, .title = "Network Time", .table = NetworkTimeTable,
     .itemType = SVT_SV, .steps = kNetworkTimeSteps},
};

}  // namespace

std::span<const VnEditorCommand> VnDeviceEditorCommands() { return kCommands; }
