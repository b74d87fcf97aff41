// Generic editors of "Layer 3 Management": the global switches, IP
// interfaces and routes, BOOTP and DNS relay, OSPF, VRRP, PIM, RIP timers
// and IGMP.
#include "IgmpMib.h"
#include "L3Mib.h"
#include "PimMib.h"
#include "SwitchMib.h"
#include "VnCommandTable.h"
#include "VrrpMib.h"

namespace {

using K = VnCommandKind;

constexpr VnEditorStep kIpControlSteps[] = {VnFormat(2, "%s{l12}"), VnFormat(4, "%s{l32}")};
constexpr VnEditorStep kStaticRoutingSteps[] = {VnFormat(4, "%i{n1x65535l5}")};
constexpr VnEditorStep kBootpSteps[] = {VnFormat(1, "%i{n1x16l2}"), VnFormat(2, "%u{n0x65535l5}")};
constexpr VnEditorStep kHostSteps[] = {VnFormat(2, "%u{n0x65535l5}")};
constexpr VnEditorStep kVrrpOperationSteps[] = {
    VnFormat(1, "%i{n1x255l3}"), VnFormat(5, "%i{n0x255l3}"), VnFormat(11, "%i{n1x255l3}")};
// "Local Route Preference" (column 3) has no format of its own: only its
// syntax bounds it.
constexpr VnEditorStep kRoutePreferenceSteps[] = {
    VnFormat(0, "%i{n1x999l3}"), VnFormat(1, "%i{n1x999l3}"), VnFormat(2, "%i{n1x999l3}"),
    VnFormat(4, "%i{n1x999l3}"), VnFormat(5, "%i{n1x999l3}"), VnFormat(6, "%i{n1x999l3}"),
};
constexpr VnEditorStep kCbsrEntrySteps[] = {VnFormat(0, "%u{n1x2147483647l10}"), VnFormat(1, "%i{n-1x255l3}")};
constexpr VnEditorStep kPimInformationSteps[] = {VnFormat(0, "%u{n1x2147483647l10}"), VnFormat(1, "%u{l32}")};
constexpr VnEditorStep kIgmpInterfaceSteps[] = {
    VnFormat(2, "%u{n1x31744l5}"), VnFormat(3, "%u{n1x3l1}"),  VnFormat(4, "%u{n10x250l3}"),
    VnFormat(6, "%u{n1x255l3}"),   VnFormat(7, "%u{n1x25l2}"),
};

constexpr VnEditorCommand kCommands[] = {
    // The layer-3 page of "Device Control" as an editor of its own.
    {.name = "Layer3GlobalSwitch1Click", .kind = K::ScalarEditor, .title = "Layer 3 Global Switch",
     .table = Layer3ControlTable, .itemType = SVT_SV, .steps = kLayer3ControlSteps},
    // ---- IP Management
    {.name = "ARPAgingTimeManagement1Click", .kind = K::ScalarEditor, .title = "ARP Aging Time Management",
     .table = ArpAgingTimeTable, .itemType = SVT_SV},
    {.name = "IPControlTable1Click", .kind = K::TableEditor, .title = "IP Control Table", .table = IpControlTable,
     .itemType = MVT_UMV, .keyCount = 1, .addColumn = 8, .addValue = "createAndGo", .deleteColumn = 8,
     .deleteValue = "destroy", .steps = kIpControlSteps},
    {.name = "IPForwardingTable1Click", .kind = K::TableEditor, .title = "IP Forwarding Table",
     .table = IpForwardingTable, .itemType = MVT_FMV, .keyCount = 1},
    {.name = "IPStaticRoutingTable1Click", .kind = K::TableEditor, .title = "IP Static Routing Table",
     .table = IpStaticRoutingTable, .itemType = MVT_UMV, .keyCount = 3, .addColumn = 5, .addValue = "valid",
     .deleteColumn = 5, .deleteValue = "invalid", .steps = kStaticRoutingSteps},
    // ---- BOOTP and DNS relay
    {.name = "BOOTPBasicConfiguration1Click", .kind = K::ScalarEditor, .title = "BOOTP Basic Configuration",
     .table = BootpBasicTable, .itemType = SVT_SV, .steps = kBootpSteps},
    {.name = "DNSRelayGlobalSettings1Click", .kind = K::ScalarEditor, .title = "DNS Relay Global Settings",
     .table = DnsRelayGlobalTable, .itemType = SVT_SV},
    {.name = "DNSRelayStaticTable1Click", .kind = K::TableEditor, .title = "DNS Relay Static Table",
     .table = DnsRelayStaticTable, .itemType = MVT_UMV, .keyCount = 2, .addColumn = 2, .addValue = "valid",
     .deleteColumn = 2, .deleteValue = "invalid"},
    {.name = "RIPTimerManagement1Click", .kind = K::ScalarEditor, .title = "RIP Timer Management",
     .table = RipTimerTable, .itemType = SVT_SV},
    // ---- OSPF
    {.name = "VirtualInterfaceTable1Click", .kind = K::TableEditor, .title = "Virtual Interface Table",
     .table = OspfVirtualInterfaceTable, .itemType = MVT_UMV, .keyCount = 2, .addColumn = 11,
     .addValue = "createAndGo", .deleteColumn = 11, .deleteValue = "destroy"},
    {.name = "HostTable1Click", .kind = K::TableEditor, .title = "Host Table", .table = OspfHostTable,
     .itemType = MVT_UMV, .keyCount = 2, .addColumn = 4, .addValue = "createAndGo", .deleteColumn = 4,
     .deleteValue = "destroy", .steps = kHostSteps},
    {.name = "RoutePreference1Click", .kind = K::ScalarEditor, .title = "Route Preference",
     .table = RoutePreferenceTable, .itemType = SVT_SV, .steps = kRoutePreferenceSteps},
    // ---- VRRP
    {.name = "VRRPControl1Click", .kind = K::ScalarEditor, .title = "VRRP Control", .table = VrrpControlTable,
     .itemType = SVT_SV},
    {.name = "VRRPOperation1Click", .kind = K::TableEditor, .title = "VRRP Operations", .table = VrrpOperationTable,
     .itemType = MVT_UMV, .keyCount = 2, .steps = kVrrpOperationSteps},
    {.name = "VirtualRouteAddress1Click", .kind = K::TableEditor, .title = "Virtual Route Address Table",
     .table = VrrpAssociatedAddressTable, .itemType = MVT_UMV, .keyCount = 3, .addColumn = 3,
     .addValue = "createAndGo", .deleteColumn = 3, .deleteValue = "destroy"},
    {.name = "VRRPErrorStatistics1Click", .kind = K::ScalarEditor, .title = "VRRP Error Statistics Table",
     .table = VrrpErrorStatisticsTable, .itemType = SVT_SV},
    {.name = "VirtualRouteStatistics1Click", .kind = K::TableEditor, .title = "Virtual Router Statistics Table",
     .table = VrrpRouterStatisticsTable, .itemType = MVT_FMV, .keyCount = 2},
    // ---- PIM-MIB
    {.name = "PIMInterfceTable1Click", .kind = K::TableEditor, .title = "PIM Interface Tale",
     .table = PimInterfaceTable, .itemType = MVT_FMV, .keyCount = 1},
    {.name = "PIMNeighborTable1Click", .kind = K::TableEditor, .title = "PIM  Neighbor Tale",
     .table = PimNeighborTable, .itemType = MVT_FMV, .keyCount = 1},
    {.name = "PIMIpMRouteTable1Click", .kind = K::TableEditor, .title = "PIM IpMRoute Table",
     .table = PimIpMRouteTable, .itemType = MVT_FMV, .keyCount = 3},
    {.name = "PIMRPSetTable1Click", .kind = K::TableEditor, .title = "PIM RP Set Table", .table = PimRpSetTable,
     .itemType = MVT_FMV, .keyCount = 4},
    {.name = "PIMCandidateRPTable1Click", .kind = K::TableEditor, .title = "PIM Candidate RP Table",
     .table = PimCandidateRpTable, .itemType = MVT_FMV, .keyCount = 2},
    // ---- PIM Management
    {.name = "PIMCBSRInfomation1Click", .kind = K::ScalarEditor, .title = "PIM C-BSR Infomation",
     .table = PimCbsrInformationTable, .itemType = SVT_SV},
    {.name = "PIMCBSREntry1Click", .kind = K::TableEditor, .title = "PIM C-BSR Entry", .table = PimCbsrEntryTable,
     .itemType = MVT_UMV, .keyCount = 1, .steps = kCbsrEntrySteps},
    {.name = "PIMCandidateRPManagemnt1Click", .kind = K::ScalarEditor, .title = "PIM CandidateRP Managemnt",
     .table = PimCandidateRpManagementTable, .itemType = SVT_SV},
    {.name = "PIMSptManagement1Click", .kind = K::ScalarEditor, .title = "PIM Spt Management",
     .table = PimSptManagementTable, .itemType = SVT_SV},
    {.name = "PIMRegeisterChecksumIncludingDataInfor1Click", .kind = K::TableEditor,
     .title = "PIM Regeister Checksum Including Data Information", .table = PimRegisterChecksumTable,
     .itemType = MVT_UMV, .keyCount = 1, .addColumn = 1, .addValue = "createAndGo", .deleteColumn = 1,
     .deleteValue = "destroy"},
    {.name = "PIMRegisterTime1Click", .kind = K::ScalarEditor, .title = "PIM Register Time",
     .table = PimRegisterTimeTable, .itemType = SVT_SV},
    // The "%u{l32}" of "DR Priority" bounds only its length; the gauge's
    // own range bounds the value.
    {.name = "PIMInformationTable1Click", .kind = K::TableEditor, .title = "PIM Information Table",
     .table = PimInformationTable, .itemType = MVT_UMV, .keyCount = 1, .steps = kPimInformationSteps},
    {.name = "PIMStaticRPTable1Click", .kind = K::TableEditor, .title = "PIM Static RP Table",
     .table = PimStaticRpTable, .itemType = MVT_FMV, .keyCount = 3, .addColumn = 3, .addValue = "createAndGo",
     .deleteColumn = 3, .deleteValue = "destroy"},
    // ---- IGMP: the interface table has a RowStatus column but no Add or
    // Delete.
    {.name = "IGMPInterface1Click", .kind = K::TableEditor, .title = "IGMP Interface", .table = IgmpInterfaceTable,
     .itemType = MVT_UMV, .keyCount = 1, .steps = kIgmpInterfaceSteps},
    {.name = "IGMPCache1Click", .kind = K::TableEditor, .title = "IGMP Cache", .table = IgmpCacheTable,
     .itemType = MVT_FMV, .keyCount = 2},
    // Its caption is set directly; DialogTitle keeps the last editor's.
    {.name = "SourceList1Click", .kind = K::TableEditor, .title = "Source List", .caption = "Source List: ",
     .table = IgmpSourceListTable, .itemType = MVT_FMV, .keyCount = 3},
};

}  // namespace

std::span<const VnEditorCommand> VnLayer3EditorCommands() { return kCommands; }
