#include "VnCommandTable.h"

#include <algorithm>

namespace {

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
    VnDeviceEditorCommands, VnBridgeEditorCommands, VnLayer2EditorCommands,
    VnSecurityEditorCommands, VnLayer3EditorCommands, VnSnmpV3EditorCommands, VnManagementEditorCommands,
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
