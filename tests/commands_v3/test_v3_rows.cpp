// Rows of the v3 tables added, changed and deleted, and values refused
// before anything is sent: what the switch received after each action.
#include <gtest/gtest.h>

#include "test_v3_support.h"

using namespace commandtest;
using namespace layer2test;
using namespace v3test;

namespace {

// The switch records octet strings as upper-case hex: "trap" is 74726170.
const std::string kTargetAddr = "1.3.6.1.6.3.12.1.2.1";
const std::string kTrap1 = "116.114.97.112.49";
const std::string kTrap2 = "116.114.97.112.50";
const std::string kAccess = "1.3.6.1.6.3.16.1.4.1";
const std::string kAdminsNoPrefix = "6.97.100.109.105.110.115.0.3.3";

TEST_F(V3CommandTest, ATargetAddressIsAddedUnderItsImpliedNameAndDeleted)
{
    EXPECT_TRUE(WithAddForm(Main(), "TargetAddressTable1Click", [&](TSNMPListViewPanel& table, QDialog& add) {
        Fill(table, 0, "trap2");
        Fill(table, 5, "trap");
        ClickSet(add);
        EXPECT_FALSE(add.isVisible()) << "closes once the row is written";
    }));
    ASSERT_EQ(sim().sets().size(), 1u);
    EXPECT_EQ(SetVarbinds(sim()), (std::vector<std::string>{kTargetAddr + ".6." + kTrap2 + "=74726170",
                                                            kTargetAddr + ".9." + kTrap2 + "=4"}));
    sim().clearSets();
    EXPECT_TRUE(WithEditor(Main(), "TargetAddressTable1Click", [&](TConfigForm& form, TSNMPEditorPanel& panel) {
        QTreeWidget& view = ListOf(form);
        ASSERT_EQ(view.topLevelItemCount(), 3);
        EXPECT_EQ(view.topLevelItem(2)->text(0), "trap2");
        EXPECT_EQ(view.topLevelItem(2)->text(5), "trap");
        view.setCurrentItem(view.topLevelItem(2));
        qobject_cast<TSNMPListViewPanel*>(&panel)->CtrlBtnPanel->DeleteBtn->click();
        ASSERT_TRUE(WaitForRefresh(form));
        EXPECT_EQ(view.topLevelItemCount(), 2);
    }));
    EXPECT_EQ(SetVarbinds(sim()), std::vector<std::string>{kTargetAddr + ".9." + kTrap2 + "=6"});
}

// A row whose tag list is text ("trap") can be changed: the tag list's
// format takes any text of up to 255 characters.
TEST_F(V3CommandTest, ARowWithATextTagListCanBeChanged)
{
    EXPECT_TRUE(WithRowForm(Main(), "TargetAddressTable1Click", 1, [&](TSNMPListViewPanel& table, QDialog& edit) {
        EXPECT_EQ(EditOf(table, 5)->text(), "trap");
        UntickAll(table);
        Fill(table, 3, "3000");
        Fill(table, 5, "trap");
        ClickSet(edit);
    }));
    EXPECT_EQ(SetVarbinds(sim()), (std::vector<std::string>{kTargetAddr + ".4." + kTrap1 + "=3000",
                                                            kTargetAddr + ".6." + kTrap1 + "=74726170"}));
    EXPECT_TRUE(Boxes().Texts().isEmpty()) << Boxes().Texts().join("|").toStdString();
}

// vacmAccessContextPrefix is empty in ordinary rows: such a row is changed
// and deleted at its zero-length instance part.
TEST_F(V3CommandTest, TheEmptyContextPrefixRowIsChangedAndDeleted)
{
    EXPECT_TRUE(WithRowForm(Main(), "AccessTable1Click", 0, [&](TSNMPListViewPanel& table, QDialog& edit) {
        EXPECT_EQ(EditOf(table, 1)->text(), "");
        SetOneRow(table, edit, 4, "v2");
    }));
    EXPECT_EQ(SetVarbinds(sim()), std::vector<std::string>{kAccess + ".5." + kAdminsNoPrefix + "=7632"});
    EXPECT_TRUE(Boxes().Texts().isEmpty()) << Boxes().Texts().join("|").toStdString();

    sim().clearSets();
    EXPECT_TRUE(WithEditor(Main(), "AccessTable1Click", [&](TConfigForm& form, TSNMPEditorPanel& panel) {
        QTreeWidget& view = ListOf(form);
        view.setCurrentItem(view.topLevelItem(0));
        qobject_cast<TSNMPListViewPanel*>(&panel)->CtrlBtnPanel->DeleteBtn->click();
        ASSERT_TRUE(WaitForRefresh(form));
        EXPECT_EQ(view.topLevelItemCount(), 1);
    }));
    EXPECT_EQ(SetVarbinds(sim()), std::vector<std::string>{kAccess + ".9." + kAdminsNoPrefix + "=6"});
}

TEST_F(V3CommandTest, AnAccessRowIsAddedWithAnEmptyContextPrefix)
{
    EXPECT_TRUE(WithAddForm(Main(), "AccessTable1Click", [&](TSNMPListViewPanel& table, QDialog& add) {
        Fill(table, 0, "grp");
        Fill(table, 1, "");
        Fill(table, 2, "3");
        Fill(table, 3, "authPriv");
        Fill(table, 4, "v1");
        Fill(table, 7, "createAndGo");
        ClickSet(add);
    }));
    const std::string row = ".3.103.114.112.0.3.3";
    EXPECT_EQ(SetVarbinds(sim()), (std::vector<std::string>{kAccess + ".5" + row + "=7631",
                                                            kAccess + ".9" + row + "=4"}))
        << Boxes().Texts().join("|").toStdString();
    EXPECT_TRUE(Boxes().Texts().isEmpty()) << Boxes().Texts().join("|").toStdString();
}

TEST_F(V3CommandTest, AUserIsDeletedNeverAdded)
{
    EXPECT_TRUE(WithEditor(Main(), "UserTable1Click", [&](TConfigForm& form, TSNMPEditorPanel& panel) {
        auto* table = qobject_cast<TSNMPListViewPanel*>(&panel);
        EXPECT_TRUE(table->CtrlBtnPanel->AddBtn->isHidden());
        QTreeWidget& view = ListOf(form);
        view.setCurrentItem(view.topLevelItem(0));
        table->CtrlBtnPanel->DeleteBtn->click();
        ASSERT_TRUE(WaitForRefresh(form));
    }));
    EXPECT_EQ(SetVarbinds(sim()),
              std::vector<std::string>{"1.3.6.1.6.3.15.1.2.2.1.13.5.128.0.31.136.128.5.97.100.109.105.110=6"});
}

TEST_F(V3CommandTest, AViewIsAddedAtItsNameAndSubtree)
{
    EXPECT_TRUE(WithAddForm(Main(), "ViewMIBTreeFamilyTable1Click", [&](TSNMPListViewPanel& table, QDialog& add) {
        Fill(table, 0, "v1");
        Fill(table, 1, "1.3.6.1.2.1");
        Fill(table, 2, "included");
        ClickSet(add);
    }));
    EXPECT_EQ(SetVarbinds(sim()), (std::vector<std::string>{"1.3.6.1.6.3.16.1.5.2.1.4.2.118.49.6.1.3.6.1.2.1=1",
                                                            "1.3.6.1.6.3.16.1.5.2.1.6.2.118.49.6.1.3.6.1.2.1=4"}))
        << Boxes().Texts().join("|").toStdString();
}

TEST_F(V3CommandTest, AVlanRangeGoesOutAsEightOctets)
{
    EXPECT_TRUE(WithRowForm(Main(), "InstanceInformation1Click", 1, [&](TSNMPListViewPanel& table, QDialog& edit) {
        SetOneRow(table, edit, 1, "7000000000000001");
    }));
    ASSERT_EQ(sim().sets().size(), 1u);
    ASSERT_EQ(sim().sets()[0].varbinds.size(), 1u);
    const SimSwitch::Varbind sent = sim().sets()[0].varbinds[0];
    EXPECT_EQ(sent.oid, kEnt + ".12.15.2.3.1.2.1");
    EXPECT_EQ(sent.type, "OCTETSTR");
    EXPECT_EQ(sent.value, "7000000000000001") << "eight octets";
}

// ---- a row without one of its cells

struct HoleCase {
    const char* command;
    std::string hole;           // the cell taken out of list row 0
    int holeColumn;             // its column in the list and row in the Edit form
    std::vector<std::pair<int, QString>> kept;  // list row 0: column, text
    std::vector<std::pair<int, QString>> next;  // list row 1: column, text
    int edited;                 // the row ticked and typed in the Edit form
    QString typed;
    std::string sent;           // the one varbind the Edit sends
};

const HoleCase kHoles[] = {
    {"AccessTable1Click", kAccess + ".6." + kAdminsNoPrefix, 5,
     {{0, "admins"}, {1, ""}, {4, "all"}, {6, "all"}, {7, "active"}},
     {{1, "ctx"}, {4, "all"}, {5, ""}, {6, "all"}},
     4, "v2", kAccess + ".5." + kAdminsNoPrefix + "=7632"},
    {"TargetAddressTable1Click", kTargetAddr + ".7.110.109.115", 6,
     {{0, "nms"}, {3, "1500"}, {5, ""}, {7, "nonVolatile"}, {8, "active"}},
     {{0, "trap1"}, {5, "trap"}, {6, "p1"}},
     3, "3000", kTargetAddr + ".4.110.109.115=3000"},
};

TEST_F(V3CommandTest, AMissingCellStaysEmptyAndIsNeverSentBack)
{
    for (const HoleCase& c : kHoles) {
        SCOPED_TRACE(c.command);
        sim().clearSets();
        Boxes().Clear();
        sim().unset(c.hole);
        EXPECT_TRUE(WithEditor(Main(), c.command, [&](TConfigForm& form, TSNMPEditorPanel&) {
            const QTreeWidget& view = ListOf(form);
            ASSERT_EQ(view.topLevelItemCount(), 2);
            const QStringList first = RowTexts(*view.topLevelItem(0));
            const QStringList second = RowTexts(*view.topLevelItem(1));
            const std::string hole = first[c.holeColumn].toStdString();
            EXPECT_TRUE(IsNoValueText(hole)) << first.join("|").toStdString();
            for (const auto& [column, text] : c.kept)
                EXPECT_EQ(first[column], text) << "column " << column << ": " << first.join("|").toStdString();
            for (const auto& [column, text] : c.next)
                EXPECT_EQ(second[column], text) << "column " << column << ": " << second.join("|").toStdString();
        }));

        EXPECT_TRUE(WithRowForm(Main(), c.command, 0, [&](TSNMPListViewPanel& table, QDialog& edit) {
            SetOneRow(table, edit, c.edited, c.typed);
        }));
        EXPECT_EQ(SetVarbinds(sim()), std::vector<std::string>{c.sent}) << Boxes().Texts().join("|").toStdString();
        EXPECT_FALSE(sim().get(c.hole)) << "the hole is not filled in";

        // Ticked alone and left as shown, the missing cell is no value to send.
        sim().clearSets();
        Boxes().Clear();
        EXPECT_TRUE(WithRowForm(Main(), c.command, 0, [&](TSNMPListViewPanel& table, QDialog& edit) {
            UntickAll(table);
            RowOf(table, c.holeColumn).CheckBox->setChecked(true);
            ClickSet(edit);
            EXPECT_TRUE(edit.isVisible());
        }));
        EXPECT_TRUE(sim().sets().empty()) << SetVarbinds(sim())[0];
        EXPECT_EQ(Boxes().Texts().size(), 1) << "the user is told";
        EXPECT_FALSE(sim().get(c.hole));
    }
}

// ---- refused before anything is sent

struct RefusalCase {
    const char* command;
    int listRow;  // -2: scalar editor, -1: Add form, else the Edit form's row
    std::vector<std::pair<int, QString>> typed;
    const char* why;
};

const RefusalCase kRefusals[] = {
    {"TargetAddressTable1Click", 0, {{1, "udp"}}, "a transport domain is an OID"},
    {"TargetAddressTable1Click", 0, {{2, "0A5A5AZZ00A2"}}, "the address is hex"},
    {"InstanceInformation1Click", 1, {{1, "GGFFFFFFFFFFFFFF"}}, "a VLAN range is hex"},
    {"ViewMIBTreeFamilyTable1Click", -1, {{0, "v1"}, {1, "1.3.x"}, {2, "included"}}, "a typed subtree is a dotted OID"},
    {"TargetAddressTable1Click", -1, {{0, ""}, {5, "trap"}}, "an IMPLIED name cannot be empty"},
    {"CurrentTime1Click", -2, {{1, "tomorrow"}}, "a DateAndTime"},
    {"CurrentTime1Click", -2, {{1, "2006-13-7,10:15:30.0"}}, "month 13"},
    {"DualImageFile1Click", 0, {{1, "10.90.90"}}, "an IP address"},
};

TEST_F(V3CommandTest, ValuesThatAreNoValueOfTheirSyntaxAreRefused)
{
    for (const RefusalCase& c : kRefusals) {
        SCOPED_TRACE(std::string(c.command) + ": " + c.why);
        sim().clearSets();
        Boxes().Clear();
        const auto fill = [&](TSNMPEditorPanel& panel, QWidget& form) {
            if (c.listRow != -1)
                UntickAll(panel);
            for (const auto& [row, text] : c.typed)
                Fill(panel, row, text);
            ClickSet(form);
        };
        if (c.listRow == -2) {
            EXPECT_TRUE(WithEditor(Main(), c.command, [&](TConfigForm& form, TSNMPEditorPanel& panel) {
                fill(panel, form);
                WaitForRefresh(form);
            }));
        } else {
            EXPECT_TRUE(WithRowForm(Main(), c.command, c.listRow,
                                    [&](TSNMPListViewPanel& table, QDialog& dialog) { fill(table, dialog); }));
        }
        EXPECT_TRUE(sim().sets().empty()) << SetVarbinds(sim())[0];
        EXPECT_FALSE(Boxes().Texts().isEmpty()) << "the user is told";
    }
}

TEST_F(V3CommandTest, SingleIpControlRefusesHoldTimeAndIntervalOutOfRange)
{
    const std::pair<int, const char*> cases[] = {{2, "99"}, {3, "91"}, {3, "29"}};
    for (const auto& [row, text] : cases) {
        SCOPED_TRACE(std::string("row ") + std::to_string(row) + " '" + text + "'");
        Boxes().Clear();
        EXPECT_TRUE(WithEditor(Main(), "SingleIPControl1Click", [&](TConfigForm&, TSNMPEditorPanel& panel) {
            ExpectRefusedOnLeaving(panel, row, text);
        }));
        EXPECT_FALSE(Boxes().Texts().isEmpty()) << "the user is told";
    }
    EXPECT_TRUE(sim().sets().empty());
}

TEST_F(V3CommandTest, ACurrentClockIsSetAsDateAndTime)
{
    EXPECT_TRUE(WithEditor(Main(), "CurrentTime1Click", [&](TConfigForm& form, TSNMPEditorPanel& panel) {
        SetOneRow(panel, form, 1, "2007-3-7,14:5:9.0");
        WaitForRefresh(form);
    }));
    ASSERT_EQ(SetVarbinds(sim()).size(), 1u);
    EXPECT_EQ(sim().sets()[0].varbinds[0].oid, kEnt + ".12.10.2.0");
    EXPECT_TRUE(Boxes().Texts().isEmpty()) << Boxes().Texts().join("|").toStdString();
}

} // namespace
