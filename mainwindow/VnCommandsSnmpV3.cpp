// Generic editors of "SNMP V3": the agent's engine, message processing,
// targets, USM users, VACM groups, access and views, notifications, and the
// read-only target view under "Community".
#include "SnmpEngineMib.h"
#include "SnmpMpdStatsMib.h"
#include "SnmpTargetMib.h"
#include "UsmMib.h"
#include "VacmMib.h"
#include "VnCommandKinds.h"
#include "VnCommandTable.h"
#include "VnSNMPRequest2Edits.h"

namespace {

using K = VnCommandKind;

constexpr VnEditorStep kEngineSteps[] = {VnGrowEditWidth(30), VnGrowWidth(20)};
// The tag list (column 5) is a SnmpTagList, text of 0 to 255 octets such as
// "trap". A numeric constraint there would refuse every tag list and,
// once a row holding one is read, every set with that column ticked.
constexpr VnEditorStep kTargetAddressSteps[] = {
    VnFormat(0, "%s{l32}"),      VnFormat(2, "%s{l255}"), VnFormat(3, "%u{n0x2147483647l10}"),
    VnFormat(4, "%u{n0x255l3}"), VnFormat(5, "%s{l255}"), VnFormat(6, "%s{l32}"),
};
// The transport address (column 2) is as long as its row's domain
// (column 1) makes it: 6 octets for UDP over IPv4.
void SizeAddressByDomain(VnEditorContext& context)
{
    context.binder->SizeByDomain(2, 1);
}

constexpr VnEditorStep kTargetParamsSteps[] = {
    VnFormat(0, "%s{l32}"), VnFormat(1, "%u{n1x2147483647l10}"), VnFormat(2, "%s{l255}")};
constexpr VnEditorStep kUserSteps[] = {VnGrowEditsPanelWidth(30)};
constexpr VnEditorStep kSecurityGroupSteps[] = {
    VnGrowEditsPanelWidth(70), VnFormat(0, "%u{n1x2147483647l10}"), VnFormat(1, "%s{l32}"), VnFormat(2, "%s{l32}")};
constexpr VnEditorStep kAccessSteps[] = {
    VnFormat(0, "%s{l32}"), VnFormat(1, "%s{l32}"), VnFormat(2, "%u{n0x2147483647l10}"),
    VnFormat(4, "%s{l32}"), VnFormat(5, "%s{l32}"), VnFormat(6, "%s{l32}"),
};
constexpr VnEditorStep kViewTreeSteps[] = {VnFormat(0, "%s{l32}")};
constexpr VnEditorStep kNotifySteps[] = {VnFormat(0, "%s{l32}"), VnFormat(1, "%s{l32}")};

constexpr VnEditorCommand kCommands[] = {
    {.name = "SNMPEngine1Click", .kind = K::ScalarEditor, .title = "SNMP Engine", .table = SnmpEngineTable,
     .itemType = SVT_SV, .steps = kEngineSteps},
    {.name = "MessageProcessingandDispatching1Click", .kind = K::ScalarEditor,
     .title = "Message Processingand Dispatching", .table = SnmpMpdStatsTable, .itemType = SVT_SV},
    // ---- SNMP Target MIB
    {.name = "GeneralInformation1Click", .kind = K::ScalarEditor, .title = "General Information",
     .table = TargetGeneralTable, .itemType = SVT_SV},
    {.name = "TargetAddressTable1Click", .kind = K::TableEditor, .title = "Target Address Table",
     .table = TargetAddressTable, .itemType = MVT_UMV, .keyCount = 1, .addColumn = 8, .addValue = "createAndGo",
     .deleteColumn = 8, .deleteValue = "destroy", .steps = kTargetAddressSteps, .afterPanel = SizeAddressByDomain},
    {.name = "TargetParameters1Click", .kind = K::TableEditor, .title = "Target Parameters",
     .table = TargetParamsTable, .itemType = MVT_UMV, .keyCount = 1, .addColumn = 4, .addValue = "createAndGo",
     .deleteColumn = 4, .deleteValue = "destroy", .steps = kTargetParamsSteps},
    // ---- USM: users are deleted here, never added
    {.name = "Statistics1Click", .kind = K::ScalarEditor, .title = "Statistics", .table = UsmStatisticsTable,
     .itemType = SVT_SV},
    {.name = "UserTable1Click", .kind = K::TableEditor, .title = "User Table", .table = UsmUserTable,
     .itemType = MVT_UMV, .keyCount = 2, .deleteColumn = 5, .deleteValue = "destroy", .steps = kUserSteps},
    // ---- VACM
    {.name = "SecurityGroupTable1Click", .kind = K::TableEditor, .title = "Security Group Table",
     .table = VacmSecurityGroupTable, .itemType = MVT_UMV, .keyCount = 2, .addColumn = 3,
     .addValue = "createAndGo", .deleteColumn = 3, .deleteValue = "destroy", .steps = kSecurityGroupSteps},
    {.name = "AccessTable1Click", .kind = K::TableEditor, .title = "Access Table", .table = VacmAccessTable,
     .itemType = MVT_UMV, .keyCount = 4, .addColumn = 7, .addValue = "createAndGo", .deleteColumn = 7,
     .deleteValue = "destroy", .steps = kAccessSteps},
    {.name = "ViewMIBTreeFamilyTable1Click", .kind = K::TableEditor, .title = "View MIB Tree Family Table",
     .table = VacmViewTreeTable, .itemType = MVT_FMV, .keyCount = 2, .addColumn = 3, .addValue = "createAndGo",
     .deleteColumn = 3, .deleteValue = "destroy", .steps = kViewTreeSteps},
    // ---- notifications
    {.name = "NotifyTable1Click", .kind = K::TableEditor, .title = "Notify Table", .table = NotifyTable,
     .itemType = MVT_UMV, .keyCount = 1, .addColumn = 4, .addValue = "createAndGo", .deleteColumn = 4,
     .deleteValue = "destroy", .steps = kNotifySteps},
    // ---- "Community": the target addresses with their message size, read only
    {.name = "TargetAddressTable2Click", .kind = K::TableEditor, .title = "Target Address Table",
     .table = CommunityTargetAddressTable, .itemType = MVT_UMV, .keyCount = 1},
};

}  // namespace

std::span<const VnEditorCommand> VnSnmpV3EditorCommands() { return kCommands; }
