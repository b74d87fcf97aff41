// The "Layer 3 Management" editors against the simulated switch: every one
// opens, reads and closes; tables read their rows under their keys; index
// columns without objects come from the instance alone; the captions; the
// global switch's shared table; the dialog and sibling-module items;
// closing during a slow walk.
#include <QAction>

#include <gtest/gtest.h>

#include <set>
#include <utility>

#include "SwitchMib.h"
#include "VnCommandKinds.h"
#include "VnMainMenu.h"
#include "VnProcess.h"
#include "test_layer3_support.h"

using namespace commandtest;
using namespace layer2test;
using namespace layer3test;

namespace {

TEST_F(Layer3CommandTest, EveryEditorOpensReadsItsObjectsAndCloses)
{
    int opened = 0;
    for (const VnEditorCommand* command : Layer3Editors()) {
        SCOPED_TRACE(command->name);
        Boxes().Clear();
        opened += ExpectEditorReads(Main(), *command) ? 1 : 0;
        EXPECT_TRUE(Boxes().Texts().isEmpty()) << Boxes().Texts().join("|").toStdString();
    }
    EXPECT_EQ(opened, 33);
}

TEST_F(Layer3CommandTest, TheHiddenVirtualInterfaceItemStillRunsByName)
{
    QAction* action = VnMenuAction(Main(), "VirtualInterfaceTable1");
    ASSERT_NE(action, nullptr);
    EXPECT_FALSE(action->isVisible());
    EXPECT_TRUE(WithEditor(Main(), "VirtualInterfaceTable1Click", [&](TConfigForm& form, TSNMPEditorPanel&) {
        const QTreeWidget& view = ListOf(form);
        ASSERT_EQ(view.topLevelItemCount(), 1);
        EXPECT_EQ(view.topLevelItem(0)->text(0), "0.0.0.1");
        EXPECT_EQ(view.topLevelItem(0)->text(1), "10.90.90.2");
        EXPECT_EQ(view.topLevelItem(0)->text(8), "MD5");
    }));
}

const TableCase kTableCases[] = {
    {"IPControlTable1Click", 2,
     {{0, "10.90.90.90"}, {1, "1"}, {2, "System"}, {5, "manual"}, {7, "up"}, {8, "active"}},
     "the IP key from the instance; Operational State before Admin State"},
    {"IPForwardingTable1Click", 2, {{0, "10.0.0.0"}, {1, "255.0.0.0"}, {3, "dynamic"}}, "IP key"},
    {"IPStaticRoutingTable1Click", 1,
     {{0, "172.16.0.0"}, {1, "255.255.0.0"}, {2, "primary"}, {3, "10.90.90.254"}, {4, "3"}, {5, "valid"}},
     "three readable keys, the third by its label"},
    {"DNSRelayStaticTable1Click", 1, {{0, "host.lan"}, {1, "10.1.1.7"}, {2, "valid"}},
     "a length-prefixed name, then an address"},
    {"HostTable1Click", 1, {{0, "10.90.90.7"}, {1, "0"}, {2, "10"}, {3, "0.0.0.1"}, {4, "active"}}, "IP and TOS"},
    {"VRRPOperation1Click", 2,
     {{0, "1"}, {1, "1"}, {2, "00005E000101"}, {3, "master"}, {5, "100"}, {8, "10.90.90.90"}, {15, "active"}},
     "ifIndex and VRID"},
    {"VirtualRouteAddress1Click", 1, {{0, "1"}, {1, "1"}, {2, "10.90.90.90"}, {3, "active"}},
     "ifIndex, VRID and address"},
    {"VirtualRouteStatistics1Click", 2, {{0, "1"}, {1, "1"}, {2, "101"}, {13, "1201"}}, "each counter its own"},
    {"PIMInterfceTable1Click", 2, {{0, "1"}, {1, "10.90.90.90"}, {3, "sparse"}, {6, "active"}}, "by ifIndex"},
    {"PIMNeighborTable1Click", 1, {{0, "192.168.5.9"}, {1, "2"}, {4, "sparse"}}, "by address"},
    {"PIMRPSetTable1Click", 1,
     {{0, "1"}, {1, "224.0.0.0"}, {2, "240.0.0.0"}, {3, "10.9.9.1"}, {4, "150"}},
     "component first, then three addresses"},
    {"PIMCandidateRPTable1Click", 1, {{0, "239.0.0.0"}, {1, "255.0.0.0"}, {2, "10.90.90.90"}}, "group and mask"},
    {"PIMStaticRPTable1Click", 1, {{0, "224.0.0.0"}, {1, "240.0.0.0"}, {2, "10.9.9.1"}, {3, "active"}},
     "three address keys"},
    {"IGMPInterface1Click", 2, {{0, "1"}, {1, "0A5A5A5A"}, {2, "125"}, {8, "active"}}, "RowStatus column last"},
    {"IGMPCache1Click", 1, {{0, "1"}, {1, "239.1.1.1"}, {2, "10.90.90.50"}, {6, "exclude"}, {7, "active"}},
     "ifIndex and group"},
    {"SourceList1Click", 1, {{0, "1"}, {1, "239.1.1.1"}, {2, "10.90.90.60"}}, "three keys"},
};

TEST_F(Layer3CommandTest, TablesReadTheirRowsWithTheirKeys)
{
    for (const TableCase& c : kTableCases)
        ExpectTableRows(Main(), c);
}

// Group, source and mask are the multicast route table's index: the
// extension has no objects for them, so they are shown from the instance
// and never asked for.
TEST_F(Layer3CommandTest, IpMRouteKeysComeFromTheInstanceOnly)
{
    EXPECT_TRUE(WithEditor(Main(), "PIMIpMRouteTable1Click", [&](TConfigForm& form, TSNMPEditorPanel& panel) {
        const VnSNMPVarList& list = form.Requests()[0]->request.varList;
        for (int k = 0; k < 3; ++k) {
            EXPECT_EQ(list.Item(k).oid, " ");
            EXPECT_FALSE(list.IsReadable(k)) << "column " << k << " is never read";
        }
        EXPECT_TRUE(StatusText(panel).startsWith("Get: (VnSNMP++) Ok!"));
        const QTreeWidget& view = ListOf(form);
        ASSERT_EQ(view.topLevelItemCount(), 1);
        EXPECT_EQ(RowTexts(*view.topLevelItem(0)).mid(0, 5),
                  (QStringList{"239.1.1.1", "10.90.90.60", "255.255.255.255", "0:00:00.00", "20"}));
        EXPECT_EQ(view.topLevelItem(0)->text(7), "SPT");
    }));
}

TEST_F(Layer3CommandTest, SourceListSetsItsCaptionAndLeavesTheTitle)
{
    Main().DialogTitle = "IGMP Cache";
    const bool shown = WithModal([&] { VnRunCommand(Main(), "SourceList1Click"); }, [&](QWidget* window) {
        EXPECT_EQ(window->windowTitle(), "Source List: 127.0.0.1");
    });
    EXPECT_TRUE(shown);
    EXPECT_EQ(Main().DialogTitle, "IGMP Cache");
}

// "Layer 3 Global Switch" is the "Layer3 Control" page of "Device Control"
// on its own: the same objects and formats.
TEST_F(Layer3CommandTest, TheGlobalSwitchEditsTheDeviceControlPage)
{
    const VnEditorCommand* global = VnFindEditorCommand("Layer3GlobalSwitch1Click");
    const VnEditorCommand* device = VnFindEditorCommand("DeviceControl1Click");
    ASSERT_TRUE(global && device);
    ASSERT_EQ(device->pages.size(), 2u);
    EXPECT_EQ(global->table, Layer3ControlTable);
    EXPECT_EQ(device->pages[1].table, Layer3ControlTable);
    EXPECT_EQ(global->steps.data(), device->pages[1].steps.data());
    EXPECT_TRUE(WithEditor(Main(), "Layer3GlobalSwitch1Click", [&](TConfigForm&, TSNMPEditorPanel& panel) {
        EXPECT_EQ(ComboOf(panel, 0)->currentText(), "disabled");
        EXPECT_EQ(EditOf(panel, 5)->text(), "20");
        EXPECT_NE(panel.Request->Constraints().Find(EditOf(panel, 5)), nullptr) << "0-65535";
    }));
}

// ---- the dialog and sibling-module items of this menu

TEST_F(Layer3CommandTest, DialogItemsAreEnabledOnlyWithTheirDialogs)
{
    const std::pair<const char*, const char*> dialogs[] = {
        {"MD5Information1", "MD5 Information Table: "},
        {"BOOTPCtrlTable1", "BOOTP Ctrl Table: "},
        {"RouteRedistributionTable1", nullptr},
        {"IPMACMap1", "IP MAC Map: "},
    };
    for (const auto& [name, caption] : dialogs) {
        SCOPED_TRACE(name);
        const VnDialogCommand* record = VnFindDialogCommand(std::string(name) + "Click");
        ASSERT_NE(record, nullptr);
        EXPECT_EQ(VnCommandAvailable(record->name), record->factory != nullptr);
        QAction* action = VnMenuAction(Main(), name);
        ASSERT_NE(action, nullptr);
        if (action->isVisible()) {  // a hidden action is never enabled
            EXPECT_EQ(action->isEnabled(), record->factory != nullptr);
        }
        if (caption) {
            EXPECT_STREQ(record->caption, caption);
        } else {
            EXPECT_EQ(record->caption, nullptr);
        }
    }
}

TEST_F(Layer3CommandTest, SiblingItemsStartTheLayer3Module)
{
    const std::pair<const char*, const char*> items[] = {
        {"CIDRRFC20961", "/TLayer3_RIP"},      {"RIPRFC17241", "/TLayer3_RIP2"},
        {"OSPFGeneral1", "/TLayer3_OSPF"},     {"AreaInfo1", "/TLayer3_Area"},
        {"LsdbInfo1", "/TLayer3_Lsdb"},        {"NeighborInfo1", "/TLayer3_Neighbor"},
        {"InterfaceTable1", "/TLayer3_Interface"}, {"IpMroute1", "/TLayer3_IPM"},
        {"DVMRP1", "/TLayer3_DVMRP"},
    };
    for (const auto& [name, argument] : items) {
        SCOPED_TRACE(name);
        std::vector<std::pair<std::string, std::vector<std::string>>> started;
        VnScopedProcessStarter starter([&](const std::string& program, const std::vector<std::string>& args) {
            started.emplace_back(program, args);
            return true;
        });
        QAction* action = VnMenuAction(Main(), name);
        ASSERT_NE(action, nullptr);
        action->trigger();
        ASSERT_EQ(started.size(), 1u);
        EXPECT_TRUE(started[0].first.ends_with("Layer3")) << started[0].first;
        EXPECT_EQ(started[0].second,
                  (std::vector<std::string>{"/I127.0.0.1", std::string("/R") + simswitch::kReadCommunity,
                                            std::string("/W") + simswitch::kWriteCommunity, argument}));
    }
}

// ---- closing while the switch is slow

TEST_F(Layer3CommandTest, ClosingDuringADelayedWalkLeavesNothingBehind)
{
    ExpectCloseDuringSlowWalk(Main(), sim(), "VRRPOperation1Click", "1.3.6.1.2.1.68.1.3.1");
    ExpectCloseDuringSlowWalk(Main(), sim(), "RoutePreference1Click", kL3 + ".9");
    ExpectCloseDuringSlowWalk(Main(), sim(), "PIMIpMRouteTable1Click", "1.3.6.1.3.61.1.1.4.1");
}

} // namespace
