// Generic editors of "Layer 2 Management" and the two commands of the port
// buttons' pop-up menu.
#include <string>

#include "AclMib.h"
#include "LacpMib.h"
#include "SwitchMib.h"
#include "TMainForm.h"
#include "VnCommandKinds.h"
#include "VnCommandTable.h"
#include "VnException.h"
#include "VnSNMPRequest2Edits.h"

namespace {

using K = VnCommandKind;

// The pop-up's editors read and write the one row of the port whose button
// the menu opened on: every item is addressed at its OID and the port
// number. That button becomes the selected port and stays so.
void ShowPopupPortRow(VnEditorContext& context)
{
    VnSpeedButton* button = context.mainForm.PopupPortButton();
    // Run without a port (by name, or the panel rebuilt under the menu):
    // an editor over no row would write to whatever its items' OIDs name.
    if (!button)
        throw VnException("Choose a port first.");
    context.mainForm.ReleasePortButtons();
    button->SetDown(true);
    context.binder->request.varList.name = std::to_string(button->Tag);
}

constexpr VnEditorStep kPortInformationSteps[] = {VnGrowEditsPanelWidth(70), VnSetHeight(450)};
constexpr VnEditorStep kPortControlSteps[] = {VnGrowEditsPanelWidth(100), VnSetHeight(450)};
constexpr VnEditorStep kPortSecuritySteps[] = {VnFormat(1, "%i{n0x64l2}"), VnSetHeight(450)};
constexpr VnEditorStep kQosBasicSteps[] = {VnGrowHeight(20)};
constexpr VnEditorStep kBandwidthSteps[] = {VnFormat(1, "%u{n1x10000l5}"), VnFormat(2, "%u{n1x10000l5}")};
constexpr VnEditorStep kSchedulingSteps[] = {VnFormat(1, "%i{n0x15l2}")};
constexpr VnEditorStep kUserPrioritySteps[] = {VnFormat(1, "%i{n0x6l1}")};
constexpr VnEditorStep kDefaultPrioritySteps[] = {VnFormat(1, "%i{n0x7l1}")};
constexpr VnEditorStep kIgmpControlSteps[] = {
    VnFormat(1, "%i{n1x65535l5}"),    VnFormat(2, "%i{n1x25l2}"),       VnFormat(3, "%i{n1x255l3}"),
    VnFormat(4, "%i{n1x25l2}"),       VnFormat(5, "%i{n1x16711450l8}"), VnFormat(6, "%i{n1x16711450l8}"),
    VnFormat(7, "%i{n1x16711450l8}"), VnSetHeight(450),
};
constexpr VnEditorStep kTallTableSteps[] = {VnSetHeight(450)};
constexpr VnEditorStep kTrafficControlSteps[] = {VnFormat(2, "%i{n0x255l3}"), VnSetHeight(450)};
constexpr VnEditorStep kAggregatorSteps[] = {
    VnFormat(2, "%i{n0x65535l5}"), VnFormat(5, "%i{n0x65535l5}"), VnFormat(10, "%i{n0x65535l5}")};
constexpr VnEditorStep kPopupInformationSteps[] = {VnGrowEditWidth(70), VnGrowWidth(50)};
constexpr VnEditorStep kPopupConfigurationSteps[] = {VnGrowEditWidth(80), VnGrowWidth(80)};

constexpr VnEditorCommand kCommands[] = {
    // The layer-2 page of "Device Control" as an editor of its own.
    {.name = "Layer2GlobalSwitch1Click", .kind = K::ScalarEditor, .title = "Layer 2 Global Switch",
     .table = Layer2ControlTable, .itemType = SVT_SV, .steps = kLayer2ControlSteps},
    // ---- Port Management
    {.name = "JumboFrameControl1Click", .kind = K::ScalarEditor, .title = "Jumbo Frame Ctrl",
     .table = JumboFrameTable, .itemType = SVT_SV},
    {.name = "PortInformationTable1Click", .kind = K::TableEditor, .title = "Port Information Table",
     .table = PortInformationTable, .itemType = MVT_FMV, .keyCount = 1, .steps = kPortInformationSteps},
    {.name = "PortControlTable1Click", .kind = K::TableEditor, .title = "Port Control Table",
     .table = PortControlTable, .itemType = MVT_UMV, .keyCount = 1, .steps = kPortControlSteps},
    {.name = "PortCableSituation1Click", .kind = K::TableEditor, .title = "Port Cable Situation",
     .table = CableDiagnosisTable, .itemType = MVT_UMV, .keyCount = 2},
    {.name = "TrunkBasicInformation1Click", .kind = K::ScalarEditor, .title = "Trunk Information",
     .table = TrunkInformationTable, .itemType = SVT_SV},
    {.name = "PortSecurityTable1Click", .kind = K::TableEditor, .title = "Port Security Table",
     .table = PortSecurityTable, .itemType = MVT_UMV, .keyCount = 1, .steps = kPortSecuritySteps},
    {.name = "DeleteControl1Click", .kind = K::ScalarEditor, .title = "Delete Control For Port Security",
     .table = PortSecurityDeleteTable, .itemType = SVT_SV},
    // ---- QoS Management
    {.name = "BasicConfiguration4Click", .kind = K::ScalarEditor, .title = "QOS Basic Configuration",
     .table = QosBasicConfigurationTable, .itemType = SVT_SV, .steps = kQosBasicSteps},
    {.name = "BandwidthControlTable1Click", .kind = K::TableEditor, .title = "Bandwidth Control Table",
     .table = BandwidthControlTable, .itemType = MVT_UMV, .keyCount = 1, .steps = kBandwidthSteps},
    {.name = "SchedulingTable1Click", .kind = K::TableEditor, .title = "Scheduling Table", .table = SchedulingTable,
     .itemType = MVT_UMV, .keyCount = 1, .steps = kSchedulingSteps},
    {.name = "N8021pUserPriorityTable1Click", .kind = K::TableEditor, .title = "8021p User Priority Table",
     .table = UserPriorityClassTable, .itemType = MVT_UMV, .keyCount = 1, .steps = kUserPrioritySteps},
    {.name = "N8021pDefaultPriorityTable1Click", .kind = K::TableEditor, .title = "8021p Default Priority Table",
     .table = DefaultPriorityTable, .itemType = MVT_UMV, .keyCount = 1, .steps = kDefaultPrioritySteps},
    // ---- IGMP Snooping
    {.name = "BasicInformation4Click", .kind = K::ScalarEditor, .title = "IGMP Snooping Basic Information",
     .table = IgmpSnoopingBasicTable, .itemType = SVT_SV},
    {.name = "ControlTable1Click", .kind = K::TableEditor, .title = "IGMP Snooping Control",
     .table = IgmpSnoopingControlTable, .itemType = MVT_UMV, .keyCount = 1, .steps = kIgmpControlSteps},
    {.name = "QueryInformation1Click", .kind = K::TableEditor, .title = "IGMP Snooping Query Information",
     .table = IgmpSnoopingQueryTable, .itemType = MVT_FMV, .keyCount = 1, .steps = kTallTableSteps},
    {.name = "GroupInformation1Click", .kind = K::TableEditor, .title = "IGMP Information",
     .table = IgmpSnoopingGroupTable, .itemType = MVT_FMV, .keyCount = 1, .steps = kTallTableSteps},
    // ---- storm control, CPU filtering, 802.3ad
    {.name = "TrafficControlTable1Click", .kind = K::TableEditor, .title = "Traffic Control Table",
     .table = TrafficControlTable, .itemType = MVT_UMV, .keyCount = 1, .steps = kTrafficControlSteps},
    {.name = "CPUInterfaceFilterState1Click", .kind = K::ScalarEditor, .title = "CPU Interface Filter State",
     .table = CpuInterfaceFilterStateTable, .itemType = SVT_SV},
    {.name = "AggregatorTable1Click", .kind = K::TableEditor, .title = "Aggregator Table", .table = AggregatorTable,
     .itemType = MVT_UMV, .keyCount = 1, .steps = kAggregatorSteps},
    // ---- the port pop-up: one table row, addressed through the list's name
    {.name = "PortInformation1Click", .kind = K::ScalarEditor, .title = "Port Information Table",
     .table = PortInformationTable, .itemType = MVT_SV, .keyCount = 0, .steps = kPopupInformationSteps,
     .afterPanel = ShowPopupPortRow},
    {.name = "PortConfiguration2Click", .kind = K::ScalarEditor, .title = "Port Configuration",
     .table = PortControlTable, .itemType = MVT_SV, .keyCount = 0, .steps = kPopupConfigurationSteps,
     .afterPanel = ShowPopupPortRow},
};

}  // namespace

std::span<const VnEditorCommand> VnLayer2EditorCommands() { return kCommands; }
