#include "VnDialogRegistrations.h"

#include <QPointer>
#include <QTreeWidget>

#include <memory>
#include <type_traits>

#include "Bootctrltableformunit.h"
#include "Communitystringtableformunit.h"
#include "Cpuethernetinformationruleunit.h"
#include "Cpuethernetmaskinformationformunit.h"
#include "Cpuipmaskinformationformunit.h"
#include "Cpuipruleunit.h"
#include "Cpuipv6maskinformationunit.h"
#include "Cpuipv6ruleunit.h"
#include "Cpuuserdefinedruleunit.h"
#include "Cpuusermaskinforunit.h"
#include "Dot1xstatisticsformunit.h"
#include "Equipmentbasicinfoformunit.h"
#include "Directoryoperunit.h"
#include "Fileoperationunits.h"
#include "Filesystemmedia.h"
#include "Targetdirectoryunit.h"
#include "Ethernetinformationruleunit.h"
#include "Ethernetmaskinformationformunit.h"
#include "Ifxuseunit.h"
#include "Ipmacmapunit.h"
#include "Systemloghostunit.h"
#include "Methodlistformunit.h"
#include "Serverinfounit.h"
#include "Accservercontrol.h"
#include "Summertimeconfigformunit.h"
#include "Ipmaskinformationformunit.h"
#include "Ipruleunit.h"
#include "Ipv6maskinformationunit.h"
#include "Ipv6ruleunit.h"
#include "Md5infortable.h"
#include "Msinfortable.h"
#include "Routeredistributformunit.h"
#include "Aggregatorporttableformunit.h"
#include "Garpformunit.h"
#include "Multicastforwardingformunit.h"
#include "Pbridgeconfigformunit.h"
#include "Staticfilterformunit.h"
#include "Portcapabilities8021dformunit.h"
#include "Portmirror.h"
#include "Porttrunk.h"
#include "Protcolvlanunit.h"
#include "Trafficforwardunit1.h"
#include "TMainForm.h"
#include "Userdefinedruleunit.h"
#include "Usermaskinforunit.h"
#include "Vlanstaticformunit.h"
#include "Vlancurrenttableformunit.h"
#include "Vlangeneralinfounit.h"
#include "Vlanportinfomationunit.h"
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
    {"SystemLogHost1Click", "TSystemLogHostForm", O::MainWindow, "System Log Host Table: ", true, 0,
     Make<TSystemLogHostForm>},
    {"BasicInformation1Click", "TEquipmentBasicInfoForm", O::Application, "Equipment Basic Information: ", true, 0,
     Make<TEquipmentBasicInfoForm>},
    {"DaylightSavingTime1Click", "TSummerTimeConfigForm", O::Application, "Summer Time Configuration: ", true, 0,
     Make<TSummerTimeConfigForm>},
    {"MediaInformation2Click", "TMediaInfoForm", O::Application, nullptr, true, 0, Make<TMediaInfoForm>},
    {"MediaFormat1Click", "TMediaFormatForm", O::Application, nullptr, true, 0, Make<TMediaFormatForm>},
    {"FileSystemInformation1Click", "TTargetDirectoryForm", O::Application, nullptr, true, 0,
     Make<TTargetDirectoryForm>},
    {"mdmkdir1Click", "TDirectoryForm", O::Application, nullptr, true, 11, Make<TDirectoryForm>},
    {"rdrmdir1Click", "TDirectoryForm", O::Application, nullptr, true, 12, Make<TDirectoryForm>},
    {"RenameFile1Click", "TFileRenameForm", O::Application, nullptr, true, 13, Make<TFileRenameForm>},
    {"DeleteFile1Click", "TFileDeleteForm", O::Application, nullptr, true, 14, Make<TFileDeleteForm>},
    {"CopyFile1Click", "TFileCopyForm", O::Application, nullptr, true, 15, Make<TFileCopyForm>},
    {"IfXTable1Click", "TIfxForm", O::Application, "IfX Table: ", true, 0, Make<TIfxForm>},
    {"CommunityStringTable1Click", "TCommunityStringTableForm", O::Application, "Community String Table: ", true, 0,
     Make<TCommunityStringTableForm>},
    // The VLAN dialogs caption themselves.
    {"BasicConfigure1Click", "TPBridgeConfigForm", O::Application, nullptr, true, 0, Make<TPBridgeConfigForm>},
    {"GARP1Click", "TGARPForm", O::Application, nullptr, true, 0, Make<TGARPForm>},
    {"PortCapability1Click", "TPortCapabilities8021dForm", O::Application, nullptr, true, 0,
     Make<TPortCapabilities8021dForm>},
    {"BasicConfigure2Click", "TVLanGeneralInfoForm", O::Application, nullptr, true, 0, Make<TVLanGeneralInfoForm>},
    {"PortsInformation1Click", "TVLanPortInfomationForm", O::Application, nullptr, true, 0, Make<TVLanPortInfomationForm>},
    {"TpGroupDestinationForwarded1Click", "TTpGroupDestinationForwardedForm", O::Application, nullptr, true, 0, Make<TTpGroupDestinationForwardedForm>},
    {"MulticastForwardingInformation1Click", "TMulticastForwardingInformationForm", O::Application, nullptr, true, 0, Make<TMulticastForwardingInformationForm>},
    {"ForwardUnregisteredInformation1Click", "TForwardUnregisteredInformationForm", O::Application, nullptr, true, 0, Make<TForwardUnregisteredInformationForm>},
    {"StaticTable2Click", "TVlanStaticForm", O::Application, nullptr, true, 0, Make<TVlanStaticForm>},
    {"CurrentTable1Click", "TVLanCurrentTableForm", O::Application, nullptr, true, 0, Make<TVLanCurrentTableForm>},
    {"UnicastInformation1Click", "TUnicastFilterInformationForm", O::Application, nullptr, true, 0, Make<TUnicastFilterInformationForm>},
    {"MulticastInformation1Click", "TMulticastFilterInformationForm", O::Application, nullptr, true, 0, Make<TMulticastFilterInformationForm>},
    {"ProtocolVlanClick", "TProtocolVlanForm", O::MainWindow, "Protocol VLAN: ", true, 0, Make<TProtocolVlanForm>},
    {"DiagnosticsInformation1Click", "TDiagnosticsInformationForm", O::MainWindow, nullptr, true, 0,
     Make<TDiagnosticsInformationForm>},
    {"StatisticTable1Click", "TMacStatisticTableForm", O::MainWindow, nullptr, true, 0, Make<TMacStatisticTableForm>},
    {"LoginMethodControlClick", "TLoginMethodListForm", O::Application, nullptr, true, 0, Make<TLoginMethodListForm>},
    {"EnableMethodControlClick", "TEnableMethodForm", O::Application, nullptr, true, 0, Make<TEnableMethodForm>},
    {"ServerInformation1Click", "TServerInformationForm", O::Application, nullptr, true, 0,
     Make<TServerInformationForm>},
    {"ServerControlClick", "TfrmACCServerCtrl", O::MainWindow, "AAC Control Table: ", true, 0,
     Make<TfrmACCServerCtrl>},
    {"PortTrunk2Click", "TPortTrunkForm", O::Application, nullptr, true, 0, Make<TPortTrunkForm>},
    {"PortMirrorTable1Click", "TPortMirrorForm", O::Application, nullptr, true, 0, Make<TPortMirrorForm>},
    {"TrafficSegmentationTable1Click", "TTrafficSegmentationForm", O::Application, nullptr, true, 0,
     Make<TTrafficSegmentationForm>},
    {"EthernetMask1Click", "TEthernetMaskInformationForm", O::Application, "Ethernet Mask Information: ", true, 0,
     Make<TEthernetMaskInformationForm>},
    {"RuleOfEthernetInformation1Click", "TEthernetInformationRuleForm", O::Application,
     "Ethernet Rule Information: ", true, 0, Make<TEthernetInformationRuleForm>},
    {"IPMaskInformation1Click", "TIPv4MaskInformationForm", O::Application, "IPv4 Mask Information: ", true, 0,
     Make<TIPv4MaskInformationForm>},
    {"IPRule1Click", "TIPRuleForm", O::Application, "IPv4 Rule Information: ", true, 0, Make<TIPRuleForm>},
    {"UserDefinedMaskInformation1Click", "TUserMaskInfoForm", O::Application, "User Defined Mask Information: ", true,
     0, Make<TUserMaskInfoForm>},
    {"UserDefinedInformationRule1Click", "TUserDefinedInformationRuleForm", O::Application,
     "User Defined Rule Information: ", true, 0, Make<TUserDefinedInformationRuleForm>},
    {"IPv6MaskInformation1Click", "TIPv6MaskInformationForm", O::Application, "IPv6 Mask Information: ", true, 0,
     Make<TIPv6MaskInformationForm>},
    {"IPv6RuleInformation1Click", "TIPv6RuleForm", O::Application, "IPv6 Rule Information: ", true, 0,
     Make<TIPv6RuleForm>},
    {"CPUEthernetMaskInformation1Click", "TCPUEthernetMaskInformationForm", O::Application,
     "CPU Ethernet Mask Information: ", true, 0, Make<TCPUEthernetMaskInformationForm>},
    {"CPUEthernetRuleInformation1Click", "TCPUEthernetInformationRuleForm", O::Application,
     "CPU Ethernet Rule Information: ", true, 0, Make<TCPUEthernetInformationRuleForm>},
    {"CPUIPv4MaskInformation1Click", "TCPUIPMaskInformationForm", O::Application, "CPU IPv4 Mask Information: ",
     true, 0, Make<TCPUIPMaskInformationForm>},
    {"CPUIPv4RuleInformation1Click", "TCPUIPRuleForm", O::Application, "CPU IPv4 Rule Information: ", true, 0,
     Make<TCPUIPRuleForm>},
    {"CPUUserDefinedMaskInformation1Click", "TCPUUserMaskInfoForm", O::Application,
     "CPU User Defined Mask Information: ", true, 0, Make<TCPUUserMaskInfoForm>},
    {"CPUUserDefinedRuleInformation1Click", "TCPUUserDefinedInformationRuleForm", O::Application,
     "CPU User Defined Rule Information: ", true, 0, Make<TCPUUserDefinedInformationRuleForm>},
    {"CPUIPv6MaskInformation1Click", "TCPUIPv6MaskInformationForm", O::Application, "CPU IPv6 Mask Information: ",
     true, 0, Make<TCPUIPv6MaskInformationForm>},
    {"CPUIPv6RuleInformation1Click", "TCPUIPv6RuleForm", O::Application, "CPU IPv6 Rule Information: ", true, 0,
     Make<TCPUIPv6RuleForm>},
    {"AggreatorPortTable1Click", "TAggregatorPortTableForm", O::MainWindow, nullptr, true, 0,
     Make<TAggregatorPortTableForm>},
    {"MD5Information1Click", "TMd5InformationForm", O::MainWindow, "MD5 Information Table: ", true, 0,
     Make<TMd5InformationForm>},
    {"IPMACMap1Click", "TIPMACMapForm", O::Application, "IP MAC Map: ", true, 0, Make<TIPMACMapForm>},
    {"BOOTPCtrlTable1Click", "TBOOTCtrlTableForm", O::MainWindow, "BOOTP Ctrl Table: ", true, 0,
     Make<TBOOTCtrlTableForm>},
    {"RouteRedistributionTable1Click", "TRouteRedistributForm", O::MainWindow, nullptr, true, 0,
     Make<TRouteRedistributForm>},
    // The member-switch table's caption carries no address.
    {"MemberSwitch1Click", "TMSInformationForm", O::MainWindow, "Member Switch Information Table", false, 0,
     Make<TMSInformationForm>},
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
