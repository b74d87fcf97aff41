#include "VnCommandTable.h"

#include <algorithm>

namespace {

using O = VnDialogOwner;

// {name, dialog class, owner, caption, with address, mode}
constexpr VnDialogCommand kDialogs[] = {
    {"SystemLogHost1Click", "TSystemLogHostForm", O::MainWindow, "System Log Host Table: "},
    {"BasicInformation1Click", "TEquipmentBasicInfoForm", O::Application, "Equipment Basic Information: "},
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
    {"StaticTable2Click", "TVlanStaticForm"},
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

constexpr VnModuleCommand kModules[] = {
    {"SystemInformation1Click", "/TMIB_Info"},
    {"GeneralTable1Click", "/TIFMib_LastChangeTable"},
    {"IFTable1Click", "/TMIB_IFTable"},
    {"IFCounters1Click", "/TMIB_IFCounters"},
    {"IPCounters1Click", "/TMIB_IPCounters"},
    {"IPRouting1Click", "/TMIB_IPRouting"},
    {"IPAddressTable1Click", "/TMIB_IPAddress"},
    {"ICMPCounters1Click", "/TMIB_ICMPCounters"},
    {"UDPCounters1Click", "/TMIB_UDPCounters"},
    {"SNMPCounters1Click", "/TMIB_SNMPCounters"},
    {"dot3Statistics1Click", "/TEthernetLike_dot3StatsTable"},
    {"RmonStatistics1Click", "/TRmon_Statistics"},
    {"RmonHistory1Click", "/TRmon_History"},
    {"RmonAlarmEvent1Click", "/TRmon_AlarmEvent"},
    {"ForwardingTable1Click", "/TBridge_Forwarding"},
    {"PortCounters1Click", "/TBridge_TpPortInfo"},
    {"CIDRRFC20961Click", "/TLayer3_RIP"},
    {"RIPRFC17241Click", "/TLayer3_RIP2"},
    {"OSPFGeneral1Click", "/TLayer3_OSPF"},
    {"AreaInfo1Click", "/TLayer3_Area"},
    {"LsdbInfo1Click", "/TLayer3_Lsdb"},
    {"NeighborInfo1Click", "/TLayer3_Neighbor"},
    {"InterfaceTable1Click", "/TLayer3_Interface"},
    {"IpMroute1Click", "/TLayer3_IPM"},
    {"DVMRP1Click", "/TLayer3_DVMRP"},
};

// The generic editors of each menu area; a new area adds its line.
std::span<const VnEditorCommand> (*const kEditorAreas[])() = {
    VnDeviceEditorCommands,
};

template <typename Record>
const Record* FindByName(std::span<const Record> records, std::string_view name)
{
    auto it = std::find_if(records.begin(), records.end(), [&](const Record& r) { return name == r.name; });
    return it == records.end() ? nullptr : &*it;
}

}  // namespace

const std::vector<const VnEditorCommand*>& VnEditorCommands()
{
    static const std::vector<const VnEditorCommand*> all = [] {
        std::vector<const VnEditorCommand*> records;
        for (auto area : kEditorAreas) {
            for (const VnEditorCommand& command : area())
                records.push_back(&command);
        }
        return records;
    }();
    return all;
}

std::span<const VnDialogCommand> VnDialogCommands() { return kDialogs; }

std::span<const VnModuleCommand> VnModuleCommands() { return kModules; }

const VnEditorCommand* VnFindEditorCommand(std::string_view name)
{
    for (const VnEditorCommand* command : VnEditorCommands()) {
        if (name == command->name)
            return command;
    }
    return nullptr;
}

const VnDialogCommand* VnFindDialogCommand(std::string_view name)
{
    return FindByName(VnDialogCommands(), name);
}

const VnModuleCommand* VnFindModuleCommand(std::string_view name)
{
    return FindByName(VnModuleCommands(), name);
}
