#include "VnDialogRegistrations.h"

#include <QPointer>
#include <QTreeWidget>

#include <memory>
#include <type_traits>

#include "Equipmentbasicinfoformunit.h"
#include "TMainForm.h"
#include "Vlanstaticformunit.h"
#include "VnCommandTable.h"
#include "VnModelFamily.h"

namespace {

// Columns of UnitListView: the caption, then state, start port, port range
// and model text.
enum UnitColumn { kUnitId, kUnitState, kUnitStartPort, kUnitPortRange, kUnitModel };

std::string Text(const QTreeWidgetItem* row, int column)
{
    return row->text(column).toStdString();
}

TMainForm* MainFormOf(const VnDialogArgs& args)
{
    return args.mainForm ? args.mainForm : MainForm;
}

// The factory of a dialog whose constructor takes (owner, context), or
// (owner, context, mode) for a dialog the menu opens in a mode.
template <typename Form>
std::unique_ptr<QDialog> Make(const VnDialogArgs& args)
{
    if constexpr (std::is_constructible_v<Form, QWidget*, VnDialogContext, int>)
        return std::make_unique<Form>(args.owner, VnDialogContextOf(MainFormOf(args)), args.mode);
    else
        return std::make_unique<Form>(args.owner, VnDialogContextOf(MainFormOf(args)));
}

using O = VnDialogOwner;

// {handler, dialog class, owner, caption, with address, mode, factory}; a
// dialog not built yet has no factory.
constexpr VnDialogCommand kDialogs[] = {
    {"SystemLogHost1Click", "TSystemLogHostForm", O::MainWindow, "System Log Host Table: "},
    {"BasicInformation1Click", "TEquipmentBasicInfoForm", O::Application, "Equipment Basic Information: ", true, 0,
     Make<TEquipmentBasicInfoForm>},
    {"DaylightSavingTime1Click", "TSummerTimeConfigForm", O::Application, "Summer Time Configuration: "},
    {"MediaInformation2Click", "TMediaInfoForm"},
    {"MediaFormat1Click", "TMediaFormatForm"},
    {"FileSystemInformation1Click", "TTargetDirectoryForm"},
    {"mdmkdir1Click", "TDirectoryForm", O::Application, nullptr, true, 11},
    {"rdrmdir1Click", "TDirectoryForm", O::Application, nullptr, true, 12},
    {"RenameFile1Click", "TFileRenameForm", O::Application, nullptr, true, 13},
    {"DeleteFile1Click", "TFileDeleteForm", O::Application, nullptr, true, 14},
    {"CopyFile1Click", "TFileCopyForm", O::Application, nullptr, true, 15},
    {"IfXTable1Click", "TIfxForm", O::Application, "IfX Table: "},
    {"CommunityStringTable1Click", "TCommunityStringTableForm", O::Application, "Community String Table: "},
    // The VLAN dialogs caption themselves.
    {"BasicConfigure1Click", "TPBridgeConfigForm"},
    {"GARP1Click", "TGARPForm"},
    {"PortCapability1Click", "TPortCapabilities8021dForm"},
    {"BasicConfigure2Click", "TVLanGeneralInfoForm"},
    {"PortsInformation1Click", "TVLanPortInfomationForm"},
    {"TpGroupDestinationForwarded1Click", "TTpGroupDestinationForwardedForm"},
    {"MulticastForwardingInformation1Click", "TMulticastForwardingInformationForm"},
    {"ForwardUnregisteredInformation1Click", "TForwardUnregisteredInformationForm"},
    {"StaticTable2Click", "TVlanStaticForm", O::Application, nullptr, true, 0, Make<TVlanStaticForm>},
    {"CurrentTable1Click", "TVLanCurrentTableForm"},
    {"UnicastInformation1Click", "TUnicastFilterInformationForm"},
    {"MulticastInformation1Click", "TMulticastFilterInformationForm"},
    {"ProtocolVlanClick", "TProtocolVlanForm", O::MainWindow, "Protocol VLAN: "},
    {"DiagnosticsInformation1Click", "TDiagnosticsInformationForm", O::MainWindow},
    {"StatisticTable1Click", "TMacStatisticTableForm", O::MainWindow},
    {"LoginMethodControlClick", "TLoginMethodListForm"},
    {"EnableMethodControlClick", "TEnableMethodForm"},
    {"ServerInformation1Click", "TServerInformationForm"},
    {"ServerControlClick", "TfrmACCServerCtrl", O::MainWindow, "AAC Control Table: "},
    {"PortTrunk2Click", "TPortTrunkForm"},
    {"PortMirrorTable1Click", "TPortMirrorForm"},
    {"TrafficSegmentationTable1Click", "TTrafficSegmentationForm"},
    {"EthernetMask1Click", "TEthernetMaskInformationForm", O::Application, "Ethernet Mask Information: "},
    {"RuleOfEthernetInformation1Click", "TEthernetInformationRuleForm", O::Application,
     "Ethernet Rule Information: "},
    {"IPMaskInformation1Click", "TIPv4MaskInformationForm", O::Application, "IPv4 Mask Information: "},
    {"IPRule1Click", "TIPRuleForm", O::Application, "IPv4 Rule Information: "},
    {"UserDefinedMaskInformation1Click", "TUserMaskInfoForm", O::Application, "User Defined Mask Information: "},
    {"UserDefinedInformationRule1Click", "TUserDefinedInformationRuleForm", O::Application,
     "User Defined Rule Information: "},
    {"IPv6MaskInformation1Click", "TIPv6MaskInformationForm", O::Application, "IPv6 Mask Information: "},
    {"IPv6RuleInformation1Click", "TIPv6RuleForm", O::Application, "IPv6 Rule Information: "},
    {"CPUEthernetMaskInformation1Click", "TCPUEthernetMaskInformationForm", O::Application,
     "CPU Ethernet Mask Information: "},
    {"CPUEthernetRuleInformation1Click", "TCPUEthernetInformationRuleForm", O::Application,
     "CPU Ethernet Rule Information: "},
    {"CPUIPv4MaskInformation1Click", "TCPUIPMaskInformationForm", O::Application, "CPU IPv4 Mask Information: "},
    {"CPUIPv4RuleInformation1Click", "TCPUIPRuleForm", O::Application, "CPU IPv4 Rule Information: "},
    {"CPUUserDefinedMaskInformation1Click", "TCPUUserMaskInfoForm", O::Application,
     "CPU User Defined Mask Information: "},
    {"CPUUserDefinedRuleInformation1Click", "TCPUUserDefinedInformationRuleForm", O::Application,
     "CPU User Defined Rule Information: "},
    {"CPUIPv6MaskInformation1Click", "TCPUIPv6MaskInformationForm", O::Application, "CPU IPv6 Mask Information: "},
    {"CPUIPv6RuleInformation1Click", "TCPUIPv6RuleForm", O::Application, "CPU IPv6 Rule Information: "},
    {"AggreatorPortTable1Click", "TAggregatorPortTableForm", O::MainWindow},
    {"MD5Information1Click", "TMd5InformationForm", O::MainWindow, "MD5 Information Table: "},
    {"IPMACMap1Click", "TIPMACMapForm", O::Application, "IP MAC Map: "},
    {"BOOTPCtrlTable1Click", "TBOOTCtrlTableForm", O::MainWindow, "BOOTP Ctrl Table: "},
    {"RouteRedistributionTable1Click", "TRouteRedistributForm", O::MainWindow},
    // The member-switch table's caption carries no address.
    {"MemberSwitch1Click", "TMSInformationForm", O::MainWindow, "Member Switch Information Table", false},
};

}  // namespace

std::span<const VnDialogCommand> VnDialogCommands() { return kDialogs; }

VnDialogContext VnDialogContextOf(TMainForm* mainForm)
{
    VnDialogContext context;
    context.portsPerUnitForModel = [](std::string_view model) { return PortsPerUnitForModel(model); };
    if (!mainForm)
        return context;
    context.agentAddress = mainForm->AgentAddress;
    context.largeFonts = mainForm->LargeFonts;
    QPointer<TMainForm> form(mainForm);
    context.stackUnits = [form] {
        std::vector<VnStackUnitRow> rows;
        if (!form || !form->UnitListView)
            return rows;
        for (int i = 0; i < form->UnitListView->topLevelItemCount(); ++i) {
            const QTreeWidgetItem* row = form->UnitListView->topLevelItem(i);
            rows.push_back({Text(row, kUnitId), Text(row, kUnitState), Text(row, kUnitStartPort),
                            Text(row, kUnitPortRange), Text(row, kUnitModel)});
        }
        return rows;
    };
    // The main window's own read: it reports a failure in its status bar.
    context.refreshStackUnits = [form] {
        if (form)
            form->LoadStackUnits();
    };
    return context;
}
