// The data check over every command record: a wrong OID or option value
// would send the wrong thing to a real switch, so the records are checked
// against each other and against the rules the editors depend on.
// Menu areas added later register their tables in kUnits below.
#include <QLineEdit>

#include <gtest/gtest.h>

#include <cmath>
#include <map>
#include <set>
#include <string>
#include <string_view>
#include <vector>

#include "AclMib.h"
#include "AuthMib.h"
#include "BridgeMib.h"
#include "EquipmentMib.h"
#include "IgmpMib.h"
#include "L3Mib.h"
#include "LacpMib.h"
#include "PaeMib.h"
#include "PimMib.h"
#include "ProbeConfigMib.h"
#include "RadiusAccClientMib.h"
#include "RadiusAuthClientMib.h"
#include "SingleIpMib.h"
#include "SnmpEngineMib.h"
#include "SnmpMpdStatsMib.h"
#include "SnmpTargetMib.h"
#include "SshSslMib.h"
#include "SwitchMib.h"
#include "SyslogFileSystemMib.h"
#include "TimeMib.h"
#include "UsmMib.h"
#include "VacmMib.h"
#include "VnCommandTable.h"
#include "VnDeviceViewTables.h"
#include "VnEditConstraint.h"
#include "VnException.h"
#include "VnMenuTree.h"
#include "VnMessageBox.h"
#include "VnOptionList.h"
#include "VnOwnCommands.h"
#include "VrrpMib.h"

namespace {

namespace S = VnSyntax;
namespace A = VnAccess;

// The catalogue of MIB definition units: the areas their objects lie in
// and the tables of theirs that commands use.
struct MibUnit {
    const char* name;
    std::vector<std::string> areas;
    std::vector<const VnSNMPVarDesc*> tables;
};

const std::string kEnt = "1.3.6.1.4.1.88406";

const std::vector<MibUnit> kUnits = {
    {"SwitchMib",
     {kEnt + ".11.59.5", kEnt + ".12.15", kEnt + ".12.1", "1.3.6.1.2.1.17.2", "1.3.6.1.2.1.2.2", "1.3.6.1.2.1.31.1.1"},
     {DeviceInformationTable, DeviceModuleTable, Layer2ControlTable, Layer3ControlTable, AlarmControlTable,
      AgentBasicInformationTable, MibCapabilitiesTable, AgentBasicConfigurationTable, AgentUpdateFilesTable,
      IpProtocolConfigureTable, SystemSeverityTable, SpanningTreeAlgorithmTable, StpControlTable, StpPortTable,
      PortInformationTable, PortControlTable, JumboFrameTable, CableDiagnosisTable, BandwidthControlTable,
      SchedulingTable, UserPriorityClassTable, DefaultPriorityTable, QosBasicConfigurationTable,
      PortSecurityTable, PortSecurityDeleteTable, TrunkInformationTable, IgmpSnoopingBasicTable,
      IgmpSnoopingControlTable, IgmpSnoopingQueryTable, IgmpSnoopingGroupTable, TrafficControlTable,
      CpuUtilizationTable, FirmwareInformationTable, FirmwareFileTable, MstpConfigurationTable, MstpInstanceTable,
      MstpPortStateTable, MstpPortInstanceTable}},
    {"EquipmentMib", {kEnt + ".12.11"}, {UnitTable, PowerTable, FanTable}},
    {"TimeMib", {kEnt + ".12.10"}, {SystemTimeTable, NetworkTimeTable, TimeControlTable}},
    {"ProbeConfigMib", {"1.3.6.1.2.1.16.19"}, {ProbeBasicInformationTable}},
    {"BridgeMib",
     {"1.3.6.1.2.1.17.1", "1.3.6.1.2.1.17.4", "1.3.6.1.2.1.17.6", "1.3.6.1.2.1.17.7"},
     {Bridge8021dInformationTable, DefaultUserPriorityTable, RegeneratedUserPriorityTable, TrafficClassTable,
      OutboundAccessPriorityTable, UnicastForwardingTable}},
    {"LacpMib", {kEnt + ".12.4"}, {AggregatorTable}},
    {"AclMib", {kEnt + ".12.9"}, {CpuInterfaceFilterStateTable}},
    {"PaeMib", {"1.0.8802.1.1.1"},
     {Dot1xConfigurationTable, PaePortConfigurationTable, PaePortStatisticsTable, PaePortDiagnosticsTable,
      PaePortSessionStatisticsTable}},
    {"RadiusAuthClientMib", {"1.3.6.1.2.1.67.1"}, {RadiusAuthInformationTable, RadiusAuthServerTable}},
    {"RadiusAccClientMib", {"1.3.6.1.2.1.67.2"}, {RadiusAccInformationTable, RadiusAccServerTable}},
    {"AuthMib", {kEnt + ".12.3", kEnt + ".12.5"},
     {AuthenticationModeTable, MacAuthStateTable, MacAuthSessionTable, RadiusServerTable, TacacsControlTable,
      TacacsInformationTable, LoginInformationTable, AacServerGroupTable}},
    {"SshSslMib", {kEnt + ".12.6", kEnt + ".12.7"},
     {SshManagementTable, SshDiffieHellmanTable, SshEncryptionAlgorithmTable, SshAuthenticationMethodTable,
      SshHmacAlgorithmTable, SshPublicKeyAlgorithmTable, SslManagementTable, SslCertificateFileTable}},
    {"L3Mib", {kEnt + ".11.59.5.3"},
     {ArpAgingTimeTable, IpControlTable, IpForwardingTable, IpStaticRoutingTable, BootpBasicTable,
      DnsRelayGlobalTable, DnsRelayStaticTable, OspfVirtualInterfaceTable, OspfHostTable, RoutePreferenceTable,
      PimCbsrInformationTable, PimCbsrEntryTable, PimCandidateRpManagementTable, PimSptManagementTable,
      PimRegisterChecksumTable, PimRegisterTimeTable, PimInformationTable, PimStaticRpTable}},
    // The routers' keys: ifIndex of the IF-MIB, then the VRID.
    {"VrrpMib", {"1.3.6.1.2.1.68", "1.3.6.1.2.1.2.2.1.1"},
     {VrrpControlTable, VrrpOperationTable, VrrpAssociatedAddressTable, VrrpErrorStatisticsTable,
      VrrpRouterStatisticsTable}},
    {"PimMib", {"1.3.6.1.3.61"},
     {PimInterfaceTable, PimNeighborTable, PimIpMRouteTable, PimRpSetTable, PimCandidateRpTable}},
    {"IgmpMib", {kEnt + ".12.18", kEnt + ".12.32"},
     {RipTimerTable, IgmpInterfaceTable, IgmpCacheTable, IgmpSourceListTable}},
    {"SnmpEngineMib", {"1.3.6.1.6.3.10"}, {SnmpEngineTable}},
    {"SnmpMpdStatsMib", {"1.3.6.1.6.3.11"}, {SnmpMpdStatsTable}},
    {"SnmpTargetMib", {"1.3.6.1.6.3.12", "1.3.6.1.6.3.13", "1.3.6.1.6.3.18"},
     {TargetGeneralTable, TargetAddressTable, TargetParamsTable, NotifyTable, CommunityTargetAddressTable}},
    {"UsmMib", {"1.3.6.1.6.3.15"}, {UsmStatisticsTable, UsmUserTable}},
    {"VacmMib", {"1.3.6.1.6.3.16"}, {VacmSecurityGroupTable, VacmAccessTable, VacmViewTreeTable}},
    {"SyslogFileSystemMib", {kEnt + ".12.12"}, {SyslogControlTable}},
    {"SingleIpMib", {kEnt + ".12.8"},
     {SingleIpControlTable, SingleIpMyInformationTable, CandidateSwitchTable, SingleIpGroupTable,
      NeighborSwitchTable}},
    // The main window's own RMON state scalar, which "RMON Control" edits.
    {"VnDeviceViewTables", {kEnt + ".11.59.5.2.1.2.3"}, {RmonStateTable}},
};

// Tables whose entries AUGMENT another: their columns share its rows, so
// an editor may show both entries' columns in one list.
const std::map<std::string, std::string> kAugments = {
    {"1.3.6.1.2.1.17.2.19.1", "1.3.6.1.2.1.17.2.15.1"},  // dot1dStpExtPortEntry -> dot1dStpPortEntry
};

// The entry a column's rows belong to.
std::string RowsOf(const std::string& entry)
{
    auto it = kAugments.find(entry);
    return it == kAugments.end() ? entry : it->second;
}

// Whether `oid` is `area` or lies below it (whole sub-identifiers only).
bool InArea(const std::string& oid, const std::string& area)
{
    return oid == area || (oid.size() > area.size() && oid.compare(0, area.size(), area) == 0 && oid[area.size()] == '.');
}

bool WellFormedOid(const std::string& oid)
{
    if (oid.empty() || oid.front() == '.' || oid.back() == '.' || oid.find("..") != std::string::npos)
        return false;
    if (oid.find_first_not_of("0123456789.") != std::string::npos)
        return false;
    if (oid[0] > '2' || (oid.size() > 1 && oid[1] != '.'))
        return false;
    return oid.find('.') != std::string::npos;
}

std::string Parent(const std::string& oid) { return oid.substr(0, oid.rfind('.')); }

const MibUnit* UnitOf(const VnSNMPVarDesc* table)
{
    const MibUnit* found = nullptr;
    for (const MibUnit& unit : kUnits) {
        for (const VnSNMPVarDesc* t : unit.tables) {
            if (t == table) {
                EXPECT_EQ(found, nullptr) << "a table listed in two units";
                found = &unit;
            }
        }
    }
    return found;
}

bool IsNumericSyntax(unsigned syntax)
{
    switch (syntax) {
    case S::Integer: case S::Counter: case S::Gauge: case S::TimeTicks: case S::Counter64: case S::UInteger:
    case S::Int8: case S::UInt8: case S::Int16: case S::UInt16:
        return true;
    default:
        return false;
    }
}

bool IsIndexSyntax(unsigned syntax)
{
    switch (syntax) {
    case S::Integer: case S::Gauge: case S::UInteger: case S::OctetStr: case S::DisplayStr: case S::IpAddress:
    case S::MacAddress: case S::ObjectId: case S::Ipv6Address:
        return true;
    default:
        return false;
    }
}

// Which syntaxes a conversion of the constraint language may edit.
bool SuitsSyntax(char conversion, unsigned syntax)
{
    switch (conversion) {
    case 'i': case 'u':
        return IsNumericSyntax(syntax);
    case 'f':
        return IsNumericSyntax(syntax) || syntax == S::Double;
    case 'h':
        return syntax == S::OctetStr || syntax == S::BitStr || syntax == S::Opaque || syntax == S::MacAddress;
    case 's':
        return !IsNumericSyntax(syntax) || syntax == S::Counter64;
    case 'n':
        return syntax == S::DisplayStr || syntax == S::OctetStr || syntax == S::IpAddress || syntax == S::ObjectId ||
               syntax == S::BitStr;
    default:
        return false;
    }
}

int Digits(double value)
{
    const std::string text = std::to_string(static_cast<long long>(value));
    return static_cast<int>(text.size());
}

// Parses `format` as an edit would and checks it against its column.
void CheckFormat(const VnSNMPVarDesc* table, int count, int column, const char* format)
{
    SCOPED_TRACE(std::string("format ") + format + " on column " + std::to_string(column));
    ASSERT_GE(column, 0);
    ASSERT_LT(column, count);
    const VnSNMPVarDesc& record = table[column];
    EXPECT_EQ(record.options, nullptr) << "a column with options is a combo box: no format fits it";

    QLineEdit edit;
    VnEditConstraint constraints(nullptr, true);
    try {
        constraints.AddConstraint(format, &edit);
    } catch (const VnException& e) {
        FAIL() << "does not parse: " << e.what();
    }
    const _EditConstraint_s* parsed = constraints.Find(&edit);
    ASSERT_NE(parsed, nullptr);
    EXPECT_TRUE(SuitsSyntax(parsed->conversion, record.syntax)) << "conversion " << parsed->conversion
                                                                 << " on syntax " << record.syntax;
    if (parsed->conversion == 'i' || parsed->conversion == 'u') {
        EXPECT_LE(parsed->minimum, parsed->maximum);
        const double low = parsed->conversion == 'i' ? -2147483648.0 : 0.0;
        const double high = parsed->conversion == 'i' ? 2147483647.0 : 4294967295.0;
        EXPECT_GE(parsed->minimum, low);
        EXPECT_LE(parsed->maximum, high);
        EXPECT_EQ(parsed->minimum, std::floor(parsed->minimum));
        EXPECT_EQ(parsed->maximum, std::floor(parsed->maximum));
        // The length limit must let both bounds be typed.
        if (parsed->maxLength > 0) {
            EXPECT_GE(parsed->maxLength, Digits(parsed->maximum));
            EXPECT_GE(parsed->maxLength, Digits(parsed->minimum));
        }
    }
}

void CheckSteps(const VnSNMPVarDesc* table, int count, std::span<const VnEditorStep> steps)
{
    std::set<int> formatted;
    for (const VnEditorStep& step : steps) {
        if (step.kind == VnEditorStepKind::Format) {
            EXPECT_TRUE(formatted.insert(step.column).second) << "column " << step.column << " formatted twice";
            CheckFormat(table, count, step.column, step.format);
        } else {
            EXPECT_GT(step.pixels, 0);
            EXPECT_EQ(step.format, nullptr);
        }
    }
}

void CheckRecords(const VnSNMPVarDesc* table)
{
    const MibUnit* unit = UnitOf(table);
    ASSERT_NE(unit, nullptr) << "the table is in no unit of the catalogue";
    SCOPED_TRACE(unit->name);
    const int count = VnSNMPVarList::CountTableItems(table);
    ASSERT_GT(count, 0);
    std::set<std::string> oids;
    for (int i = 0; i < count; ++i) {
        const VnSNMPVarDesc& r = table[i];
        SCOPED_TRACE(std::string("record ") + std::to_string(i) + " " + r.oid);
        ASSERT_NE(r.label, nullptr);
        EXPECT_STRNE(r.label, "");
        EXPECT_GE(VnSyntaxNames.IndexOfValue(std::to_string(r.syntax)), 0) << "unknown syntax";
        EXPECT_TRUE(r.access == A::NotAccess || r.access == A::ReadOnly || r.access == A::ReadWrite ||
                    r.access == (A::NotAccess | A::Implied) || r.access == (A::NotAccess | A::MayBeEmpty))
            << "access " << r.access;
        if (r.access & A::MayBeEmpty) {
            EXPECT_TRUE(r.syntax == VnSyntax::DisplayStr || r.syntax == VnSyntax::OctetStr)
                << "only a string index may be empty";
        }
        EXPECT_EQ(r.readExpr, nullptr);
        EXPECT_EQ(r.writeExpr, nullptr);
        EXPECT_EQ(r.value, nullptr);
        if (r.options) {
            EXPECT_GT(r.options->Count(), 0);
            if (r.options->Kind() == VnOptionKind::Integer) {
                EXPECT_TRUE(IsNumericSyntax(r.syntax)) << "integer options on a text syntax";
            }
        }
        if (std::string_view(r.oid) == " ")
            continue;
        EXPECT_TRUE(WellFormedOid(r.oid));
        bool inside = false;
        for (const std::string& area : unit->areas)
            inside = inside || InArea(r.oid, area);
        EXPECT_TRUE(inside) << "outside the unit's MIB area";
        EXPECT_TRUE(oids.insert(r.oid).second) << "the same object twice";
    }
}

void CheckScalarTable(const VnSNMPVarDesc* table, unsigned char itemType, unsigned keyCount)
{
    CheckRecords(table);
    EXPECT_TRUE(itemType == SVT_SV || itemType == MVT_SV);
    EXPECT_EQ(keyCount, 0u);
    for (int i = 0; i < VnSNMPVarList::CountTableItems(table); ++i) {
        EXPECT_STRNE(table[i].oid, " ") << "a scalar needs an object";
        EXPECT_EQ(table[i].access & A::NotAccess, 0u) << table[i].oid << ": a scalar nobody can read";
    }
}

void CheckStatusColumn(const VnSNMPVarDesc* table, int count, int column, const char* value)
{
    if (!value) {
        EXPECT_EQ(column, -1) << "no button, no column";
        return;
    }
    SCOPED_TRACE(std::string("status value ") + value);
    ASSERT_GE(column, 0);
    ASSERT_LT(column, count);
    const VnSNMPVarDesc& record = table[column];
    EXPECT_EQ(record.access, A::ReadWrite);
    ASSERT_NE(record.options, nullptr);
    EXPECT_GE(record.options->IndexOfLabel(value), 0) << "not a label of the column's option list";
}

void CheckTableEditor(const VnEditorCommand& command)
{
    const VnSNMPVarDesc* table = command.table;
    CheckRecords(table);
    EXPECT_TRUE(command.itemType == MVT_FMV || command.itemType == MVT_UMV);
    const int count = VnSNMPVarList::CountTableItems(table);
    const int keys = static_cast<int>(command.keyCount);
    EXPECT_GE(keys, 1) << "a table walk needs its index";
    EXPECT_LE(keys, count);
    std::set<std::string> entries;
    bool readable = false;
    for (int i = 0; i < count; ++i) {
        const VnSNMPVarDesc& r = table[i];
        SCOPED_TRACE(std::string("column ") + std::to_string(i));
        const bool key = i < keys;
        if (key) {
            EXPECT_TRUE(IsIndexSyntax(r.syntax)) << "syntax " << r.syntax << " cannot be an index";
        }
        if (!key) {
            // A not-accessible column outside the key (a secret) is never
            // read nor sent; it still names an object of the table's rows.
            EXPECT_STRNE(r.oid, " ") << "only an index may lack an object";
            EXPECT_FALSE((r.access & A::NotAccess) && r.options) << "options for a value never shown";
        }
        if (r.access & A::Implied) {
            EXPECT_EQ(i, keys - 1) << "IMPLIED only on the last key";
        }
        if (!(r.access & A::NotAccess))
            readable = true;
        // An index may be a column of another entry (the P-BRIDGE tables
        // are indexed by dot1dBasePort): only the other columns must share
        // their rows.
        if (!key)
            entries.insert(RowsOf(Parent(r.oid)));
    }
    EXPECT_TRUE(readable) << "nothing to walk";
    EXPECT_EQ(entries.size(), 1u) << "columns of more than one table's rows";
    CheckStatusColumn(table, count, command.addColumn, command.addValue);
    CheckStatusColumn(table, count, command.deleteColumn, command.deleteValue);
    CheckSteps(table, count, command.steps);
}

TEST(CommandData, EveryEditorRecordIsSound)
{
    VnMessageBoxCapture quiet;
    std::set<std::string> titles;
    for (const VnEditorCommand* command : VnEditorCommands()) {
        SCOPED_TRACE(command->name);
        ASSERT_NE(command->title, nullptr);
        EXPECT_STRNE(command->title, "");
        switch (command->kind) {
        case VnCommandKind::ScalarEditor:
            ASSERT_NE(command->table, nullptr);
            CheckScalarTable(command->table, command->itemType, command->keyCount);
            CheckSteps(command->table, VnSNMPVarList::CountTableItems(command->table), command->steps);
            EXPECT_EQ(command->addValue, nullptr);
            EXPECT_EQ(command->deleteValue, nullptr);
            EXPECT_TRUE(command->pages.empty());
            break;
        case VnCommandKind::TableEditor:
            ASSERT_NE(command->table, nullptr);
            CheckTableEditor(*command);
            EXPECT_TRUE(command->pages.empty());
            break;
        case VnCommandKind::PageEditor:
            EXPECT_EQ(command->table, nullptr);
            ASSERT_FALSE(command->pages.empty());
            for (const VnEditorPage& page : command->pages) {
                SCOPED_TRACE(page.caption);
                CheckScalarTable(page.table, page.itemType, page.keyCount);
                CheckSteps(page.table, VnSNMPVarList::CountTableItems(page.table), page.steps);
            }
            for (const VnEditorStep& step : command->steps) {
                EXPECT_NE(step.kind, VnEditorStepKind::Format) << "a page form's formats belong to its pages";
            }
            break;
        default:
            ADD_FAILURE() << "not an editor kind";
        }
    }
    EXPECT_TRUE(quiet.Texts().isEmpty());
}

TEST(CommandData, DialogAndModuleRecordsAreSound)
{
    for (const VnDialogCommand& command : VnDialogCommands()) {
        SCOPED_TRACE(command.name);
        ASSERT_NE(command.dialogClass, nullptr);
        EXPECT_EQ(command.dialogClass[0], 'T');
        EXPECT_TRUE(command.mode == 0 || (command.mode >= 11 && command.mode <= 15));
        if (command.caption && command.withAddress) {
            EXPECT_TRUE(std::string_view(command.caption).ends_with(": "));
        }
    }
    const std::set<std::string> modules = {"MIB", "IFMib", "EthernetLike", "Rmon", "Bridge", "Layer3"};
    for (const VnModuleCommand& command : VnModuleCommands()) {
        SCOPED_TRACE(command.name);
        const std::string argument = command.argument;
        ASSERT_TRUE(argument.starts_with("/T"));
        const std::size_t underscore = argument.find('_');
        ASSERT_NE(underscore, std::string::npos);
        EXPECT_TRUE(modules.count(argument.substr(2, underscore - 2)));
        EXPECT_GT(argument.size(), underscore + 1) << "a table name";
    }
}

// A registration alone makes an item a dialog item, so each must name an
// item that can carry a command: one of the menu, not a submenu nor a
// separator. (The menu test's count of dialog items catches a lost one.)
TEST(CommandData, EveryDialogRegistrationNamesALeafItem)
{
    std::map<std::string, bool> leaves;  // item name -> has no children
    for (auto items : {VnMainMenuItems(), VnPortPopupItems()}) {
        for (std::size_t i = 0; i < items.size(); ++i)
            leaves[items[i].name] = i + 1 == items.size() || items[i + 1].depth <= items[i].depth;
    }
    for (const VnDialogCommand& command : VnDialogCommands()) {
        SCOPED_TRACE(command.name);
        const std::string handler = command.name;
        ASSERT_TRUE(handler.ends_with("Click"));
        const VnMenuItem* item = VnFindMenuItem(handler.substr(0, handler.size() - 5));
        ASSERT_NE(item, nullptr) << "no menu item has this handler";
        EXPECT_TRUE(leaves[item->name]) << "a submenu opens no dialog";
        EXPECT_FALSE(VnIsSeparator(*item));
        EXPECT_EQ(item->kind, VnCommandKind::Dialog);
    }
}

TEST(CommandData, CommandNamesAreUniqueOverAllKinds)
{
    std::map<std::string, int> names;
    for (const VnEditorCommand* command : VnEditorCommands())
        ++names[command->name];
    for (const VnDialogCommand& command : VnDialogCommands())
        ++names[command.name];
    for (const VnModuleCommand& command : VnModuleCommands())
        ++names[command.name];
    for (const char* own : {"Exit1Click", "RefreshPanel1Click", "Help2Click", "About1Click"}) {
        EXPECT_NE(VnFindOwnCommand(own), nullptr) << own;
        ++names[own];
    }
    for (const auto& [name, count] : names) {
        EXPECT_EQ(count, 1) << name;
    }
}

// The checks themselves must catch what they are for.
TEST(CommandData, TheChecksCatchBrokenRecords)
{
    EXPECT_TRUE(WellFormedOid("1.3.6.1.4.1.88406.12.1.1.1"));
    EXPECT_FALSE(WellFormedOid("1.3.6.1..4"));
    EXPECT_FALSE(WellFormedOid(".1.3.6"));
    EXPECT_FALSE(WellFormedOid("1.3.6.1.4.1.88406.12.1.1.1 "));
    EXPECT_TRUE(InArea(kEnt + ".12.1.2.8.1", kEnt + ".12.1"));
    EXPECT_FALSE(InArea(kEnt + ".12.10.3", kEnt + ".12.1")) << "time is not the agent group";
    EXPECT_TRUE(SuitsSyntax('i', S::Integer));
    EXPECT_FALSE(SuitsSyntax('i', S::DisplayStr));
    EXPECT_FALSE(SuitsSyntax('s', S::Integer));
    EXPECT_EQ(RowsOf("1.3.6.1.2.1.17.2.19.1"), "1.3.6.1.2.1.17.2.15.1") << "RSTP columns share the STP rows";
    EXPECT_NE(RowsOf("1.3.6.1.2.1.17.6.1.2.2.1"), RowsOf("1.3.6.1.2.1.17.6.1.2.4.1")) << "no other table does";
}

} // namespace
