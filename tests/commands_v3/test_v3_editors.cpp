// The "SNMP V3", system log, CPU, dual image, time, MSTP and single-IP
// editors against the simulated switch: every one opens, reads and closes;
// IMPLIED, length-prefixed, OID and MAC keys show decoded; the read-only
// community view; the dialog items; closing during a slow walk.
#include <QAction>

#include <gtest/gtest.h>

#include <utility>

#include "VnCommandKinds.h"
#include "VnMainMenu.h"
#include "test_v3_support.h"

using namespace commandtest;
using namespace layer2test;
using namespace v3test;

namespace {

TEST_F(V3CommandTest, EveryEditorOpensReadsItsObjectsAndCloses)
{
    int opened = 0;
    for (const VnEditorCommand* command : V3AndManagementEditors()) {
        SCOPED_TRACE(command->name);
        Boxes().Clear();
        opened += ExpectEditorReads(Main(), *command) ? 1 : 0;
        EXPECT_TRUE(Boxes().Texts().isEmpty()) << Boxes().Texts().join("|").toStdString();
    }
    EXPECT_EQ(opened, 26);
}

TEST_F(V3CommandTest, HiddenItemsStillRunByName)
{
    for (const char* name : {"DualImageFile1", "CurrentTime1"}) {
        SCOPED_TRACE(name);
        QAction* action = VnMenuAction(Main(), name);
        ASSERT_NE(action, nullptr);
        EXPECT_FALSE(action->isVisible());
        EXPECT_TRUE(WithEditor(Main(), (std::string(name) + "Click").c_str(), [](TConfigForm&, TSNMPEditorPanel&) {}));
    }
}

const TableCase kTableCases[] = {
    {"TargetAddressTable1Click", 2,
     {{0, "nms"}, {1, "1.3.6.1.6.1.1"}, {2, "0A5A5A0100A2"}, {3, "1500"}, {7, "nonVolatile"}, {8, "active"}},
     "an IMPLIED name key"},
    {"TargetParameters1Click", 1, {{0, "p1"}, {1, "3"}, {2, "admin"}, {3, "authPriv"}}, "IMPLIED"},
    {"UserTable1Click", 2,
     {{0, "80001F8880"}, {1, "admin"}, {2, "admin"}, {3, "MD5"}, {4, "DES"}, {5, "active"}},
     "a length-prefixed engine ID and user name; OID-valued options by label"},
    {"SecurityGroupTable1Click", 1, {{0, "3"}, {1, "admin"}, {2, "admins"}}, "model, then a name"},
    {"AccessTable1Click", 2,
     {{0, "admins"}, {1, ""}, {2, "3"}, {3, "authPriv"}, {4, "all"}, {7, "active"}},
     "an empty context prefix decoded from its zero length"},
    {"ViewMIBTreeFamilyTable1Click", 1, {{0, "all"}, {1, "1.3.6.1"}, {2, "included"}}, "name and subtree"},
    {"NotifyTable1Click", 1, {{0, "n1"}, {1, "trap"}, {2, "trap"}}, "IMPLIED"},
    {"TargetAddressTable2Click", 2, {{0, "nms"}, {1, "484"}}, "the message size of another table's rows"},
    {"InstanceInformation1Click", 2, {{0, "0"}, {1, "9FFFFFFFFFFFFFFF"}, {9, "cist"}, {23, "active"}},
     "24 columns"},
    {"PortMSTPInformation1Click", 2, {{0, "1"}, {1, "1"}, {5, "forwarding"}, {6, "desinated"}}, "port, instance"},
    {"GroupInformation2Click", 1, {{0, "001A2B3C4D01"}, {1, "grp"}}, "a MAC key"},
    {"NeighborSwitch1Click", 1, {{0, "5"}, {1, "001A2B3C4D07"}, {2, "candidate"}}, "port, then MAC"},
};

TEST_F(V3CommandTest, TablesShowTheirKeysDecoded)
{
    for (const TableCase& c : kTableCases)
        ExpectTableRows(Main(), c);
}

// The v3 objects come from the data file, not from an agent module of the
// switch: the engine ID is the file's, not the switch's own.
TEST_F(V3CommandTest, TheEngineShownIsTheDataFilesNotTheSwitchs)
{
    EXPECT_EQ(sim().get("1.3.6.1.6.3.10.2.1.1.0")->value, "80001F888059DC486145A26322");
    EXPECT_TRUE(WithEditor(Main(), "SNMPEngine1Click", [&](TConfigForm&, TSNMPEditorPanel& panel) {
        EXPECT_EQ(EditOf(panel, 0)->text(), "80001F888059DC486145A26322");
        EXPECT_EQ(EditOf(panel, 1)->text(), "7");
        for (int row = 0; row < 4; ++row)
            EXPECT_FALSE(VnIsEnabled(RowOf(panel, row).CheckBox)) << "read-only: no way to set it";
    }));
}

TEST_F(V3CommandTest, TheCommunityTargetViewOffersNoChange)
{
    EXPECT_TRUE(WithEditor(Main(), "TargetAddressTable2Click", [&](TConfigForm&, TSNMPEditorPanel& panel) {
        auto* table = qobject_cast<TSNMPListViewPanel*>(&panel);
        ASSERT_TRUE(table);
        EXPECT_TRUE(table->CtrlBtnPanel->AddBtn->isHidden());
        EXPECT_TRUE(table->CtrlBtnPanel->DeleteBtn->isHidden());
        EXPECT_FALSE(VnIsEnabled(table->CtrlBtnPanel->EditBtn)) << "nothing in it is writable";
    }));
}

TEST_F(V3CommandTest, DialogItemsAreEnabledOnlyWithTheirDialogs)
{
    const std::pair<const char*, const char*> dialogs[] = {
        {"SystemLogHost1", "System Log Host Table: "},
        {"MemberSwitch1", "Member Switch Information Table"},
        {"CommunityStringTable1", "Community String Table: "},
    };
    for (const auto& [name, caption] : dialogs) {
        SCOPED_TRACE(name);
        const VnDialogCommand* record = VnFindDialogCommand(std::string(name) + "Click");
        ASSERT_NE(record, nullptr);
        QAction* action = VnMenuAction(Main(), name);
        ASSERT_NE(action, nullptr);
        EXPECT_EQ(action->isEnabled(), record->factory != nullptr);
        EXPECT_STREQ(record->caption, caption);
    }
    EXPECT_FALSE(VnFindDialogCommand("MemberSwitch1Click")->withAddress);
}

TEST_F(V3CommandTest, ClosingDuringADelayedWalkLeavesNothingBehind)
{
    ExpectCloseDuringSlowWalk(Main(), sim(), "InstanceInformation1Click", kEnt + ".12.15.2.3.1");
    ExpectCloseDuringSlowWalk(Main(), sim(), "SNMPEngine1Click", "1.3.6.1.6.3.10.2.1");
    ExpectCloseDuringSlowWalk(Main(), sim(), "AccessTable1Click", "1.3.6.1.6.3.16.1.4.1");
}

} // namespace
