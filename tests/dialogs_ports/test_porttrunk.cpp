// The port trunk dialog over the switch: the exact varbinds of Add, Set and
// Delete, the access words Delete puts back on every path, the ordered
// checks (message, focus, nothing sent), and the index edit as mode switch.
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QTest>

#include <algorithm>
#include <functional>

#include "Porttrunk.h"
#include "Stackingportuitformunit.h"
#include "VnMessages.h"
#include "VnSNMPRequest2Edits.h"
#include "ports_test_support.h"

using namespace portstest;

namespace {

const std::string kTrunk = std::string(kEnterprise) + ".11.59.5.2.9.3.1.";

std::string Col(int column, int index)
{
    return kTrunk + std::to_string(column) + "." + std::to_string(index);
}

class PortTrunk : public PortsSwitchTest {
protected:
    static void Check(TPortTrunkForm& form, int unit, std::initializer_list<int> ports)
    {
        for (int port : ports)
            form.MemberPorts->Box(unit, port)->setChecked(true);
    }
    // A new group 3 the checks let through: master unit 1 port 10, members
    // 10 and 11, static.
    static void FillNewGroup(TPortTrunkForm& form)
    {
        form.ED_Index->setText("3");
        form.ED_Name->setText("lab");
        form.UnitEdit->setText("1");
        form.PortEdit->setText("10");
        form.Combo_Type->setCurrentText("static");
        Check(form, 1, {10, 11});
    }
    static std::vector<unsigned> Words(TPortTrunkForm& form)
    {
        std::vector<unsigned> words;
        for (int i = 0; i <= TPortTrunkForm::kFloodingPort; ++i)
            words.push_back(form.Binder->request.varList.Item(i).access);
        return words;
    }
};

TEST_F(PortTrunk, OpensWithTheGroupsInAddMode)
{
    auto form = Open<TPortTrunkForm>();
    EXPECT_EQ(form->windowTitle(), "Port Trunk Table :127.0.0.1");
    EXPECT_EQ(ColumnTexts(form->LV_PortTrunk, "Index"), QStringList({"1", "2"}));
    EXPECT_EQ(ColumnTexts(form->LV_PortTrunk, "Master Port"), QStringList({"1", "65"}));
    EXPECT_TRUE(form->ED_Index->isEnabled());
    EXPECT_EQ(form->UnitInformationTrunkList.size(), 2u);
    EXPECT_EQ(form->UnitInformationTrunkList.at(1).portCount, 50);
}

TEST_F(PortTrunk, RowClickShowsTheMasterAsUnitAndPortAndEntersSetMode)
{
    auto form = Open<TPortTrunkForm>();
    ASSERT_TRUE(SelectRow(form->LV_PortTrunk, "Index", "2"));
    EXPECT_FALSE(form->ED_Index->isEnabled());
    EXPECT_EQ(form->UnitEdit->text(), "2");
    EXPECT_EQ(form->PortEdit->text(), "1");
    EXPECT_EQ(form->ComboBox1->currentText(), "disable");
    EXPECT_TRUE(form->MemberPorts->Box(2, 2)->isChecked());
    EXPECT_FALSE(form->MemberPorts->Box(1, 1)->isChecked());
    form->LV_PortTrunk->clearSelection();
    EXPECT_TRUE(form->ED_Index->isEnabled());
}

TEST_F(PortTrunk, AddSendsExactlyTheWritableColumnsAndCreatesAWholeRow)
{
    auto form = Open<TPortTrunkForm>();
    FillNewGroup(*form);
    form->BT_AddClick();
    const std::string members = Bitmap({{1, 10}, {1, 11}});
    const std::vector<std::vector<std::string>> expected = {{
        Col(2, 3) + "=" + Hex("lab"),
        Col(3, 3) + "=10",
        Col(4, 3) + "=" + members,
        Col(6, 3) + "=2",
        Col(7, 3) + "=4",
    }};
    EXPECT_EQ(SetRecord(), expected);
    EXPECT_EQ(members.size(), 192u);
    EXPECT_EQ(ColumnTexts(form->LV_PortTrunk, "Index"), QStringList({"1", "2", "3"}));
    // The read-only columns of the new row come from the switch.
    EXPECT_EQ(sim().get(Col(1, 3))->value, "3");
    EXPECT_TRUE(sim().get(Col(5, 3)).has_value());
}

TEST_F(PortTrunk, SetSendsTheSelectedGroupWithTheChosenStateAndReturnsToAddMode)
{
    auto form = Open<TPortTrunkForm>();
    ASSERT_TRUE(SelectRow(form->LV_PortTrunk, "Index", "1"));
    form->ED_Name->setText("up2");
    form->ComboBox1->setCurrentText("disable");
    form->SetBtnClick();
    const std::vector<std::vector<std::string>> expected = {{
        Col(2, 1) + "=" + Hex("up2"),
        Col(3, 1) + "=1",
        Col(4, 1) + "=" + Bitmap({{1, 1}, {1, 2}, {1, 3}, {1, 4}}),
        Col(6, 1) + "=2",
        Col(7, 1) + "=2",
    }};
    EXPECT_EQ(SetRecord(), expected);
    EXPECT_TRUE(form->ED_Index->isEnabled());
    EXPECT_TRUE(form->ED_Index->text().isEmpty());
    EXPECT_EQ(form->ComboBox1->currentText(), "disable");
}

TEST_F(PortTrunk, DeleteSendsTypeAndDestroyAndPutsTheWordsBackOnEveryPath)
{
    const std::vector<unsigned> fixed = {VnAccess::ReadOnly, VnAccess::ReadWrite, VnAccess::ReadWrite,
                                         VnAccess::ReadWrite, VnAccess::ReadOnly};
    struct Case {
        const char* name;
        std::function<void(SimSwitch&)> fault;
        bool gone;
    };
    const Case cases[] = {
        {"agent error", [](SimSwitch& s) { s.error(kTrunk.substr(0, kTrunk.size() - 1), "genErr", "set"); }, false},
        {"time-out", [](SimSwitch& s) { s.drop(kTrunk + "6"); }, false},
        {"success", [](SimSwitch&) {}, true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        sim().clearFaults();
        sim().clearSets();
        auto form = Open<TPortTrunkForm>();
        ASSERT_TRUE(SelectRow(form->LV_PortTrunk, "Index", "2"));
        c.fault(sim());
        form->BT_DeleteClick();
        sim().clearFaults();
        EXPECT_EQ(Words(*form), fixed);
        if (c.gone) {
            const std::vector<std::vector<std::string>> expected = {{Col(6, 2) + "=3", Col(7, 2) + "=6"}};
            EXPECT_EQ(SetRecord(), expected);
            EXPECT_EQ(ColumnTexts(form->LV_PortTrunk, "Index"), QStringList({"1"}));
        } else {
            EXPECT_FALSE(form->StatusPanel->text().isEmpty());
            EXPECT_TRUE(sim().get(Col(7, 2)).has_value());
        }
        EXPECT_TRUE(form->ED_Index->isEnabled());
    }
}

TEST_F(PortTrunk, AddChecksStopInOrderWithTheirMessageAndFocusAndSendNothing)
{
    struct Case {
        const char* name;
        std::function<void(TPortTrunkForm&)> change;
        const char* message;
        const char* focus;  // empty: no focus asked
        VnDialogContext context = PortsContext();
    };
    const Case cases[] = {
        {"index empty", [](TPortTrunkForm& f) { f.ED_Index->clear(); }, TPortTrunkForm::kIndexMissing, "ED_Index"},
        {"index listed", [](TPortTrunkForm& f) { f.ED_Index->setText("1"); f.UnitEdit->clear(); },
         TPortTrunkForm::kIndexTaken, "ED_Index"},
        // Another spelling of a listed index addresses that group.
        {"index listed as 02", [](TPortTrunkForm& f) { f.ED_Index->setText("02"); },
         TPortTrunkForm::kIndexTaken, "ED_Index"},
        {"unit empty", [](TPortTrunkForm& f) { f.UnitEdit->clear(); }, TPortTrunkForm::kUnitMissing, "UnitEdit"},
        {"port empty", [](TPortTrunkForm& f) { f.PortEdit->clear(); }, TPortTrunkForm::kPortMissing, "PortEdit"},
        {"port 51", [](TPortTrunkForm& f) { f.UnitEdit->setText("2"); f.PortEdit->setText("51"); },
         TPortTrunkForm::kInvalidMaster, "PortEdit"},
        {"port 0", [](TPortTrunkForm& f) { f.PortEdit->setText("0"); }, TPortTrunkForm::kInvalidMaster, "PortEdit"},
        {"unit not shown", [](TPortTrunkForm& f) { f.UnitEdit->setText("3"); }, TPortTrunkForm::kInvalidMaster,
         "UnitEdit"},
        {"port beyond the unit", [](TPortTrunkForm& f) { f.PortEdit->setText("25"); },
         TPortTrunkForm::kInvalidMaster, "PortEdit"},
        {"unit not configured", [](TPortTrunkForm& f) { f.UnitEdit->setText("2"); }, TPortTrunkForm::kInvalidMaster,
         "UnitEdit", dialogtest::Context({{"1", "RQ-4024S"}, {"2", "Usr-Not-Cfg"}})},
        {"no type", [](TPortTrunkForm& f) { f.Combo_Type->setCurrentIndex(-1); }, TPortTrunkForm::kTypeMissing,
         "Combo_Type"},
        {"master of another group",
         [](TPortTrunkForm& f) {
             f.PortEdit->setText("1");
             f.MemberPorts->Box(1, 1)->setChecked(true);
         },
         TPortTrunkForm::kMasterTaken, "UnitEdit"},
        {"master not checked", [](TPortTrunkForm& f) { f.MemberPorts->Box(1, 10)->setChecked(false); },
         TPortTrunkForm::kMasterUnchecked, "PortEdit"},
        {"one member", [](TPortTrunkForm& f) { f.MemberPorts->Box(1, 11)->setChecked(false); },
         TPortTrunkForm::kTooFewMembers, ""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        auto form = Open<TPortTrunkForm>(c.context);
        FillNewGroup(*form);
        c.change(*form);
        VnMessageBoxCapture boxes;
        form->BT_AddClick();
        EXPECT_EQ(boxes.Texts(), QStringList({c.message}));
        if (*c.focus) {
            EXPECT_EQ(form->focusWidget() ? form->focusWidget()->objectName() : QString(), c.focus);
        }
        EXPECT_TRUE(sim().sets().empty());
    }
}

TEST_F(PortTrunk, SetChecksTheMasterAndMembersOfTheSelectedGroup)
{
    struct Case {
        const char* name;
        std::function<void(TPortTrunkForm&)> change;
        const char* message;
    };
    const Case cases[] = {
        {"unit empty", [](TPortTrunkForm& f) { f.UnitEdit->clear(); }, TPortTrunkForm::kUnitMissing},
        {"port 51", [](TPortTrunkForm& f) { f.PortEdit->setText("51"); }, TPortTrunkForm::kInvalidMaster},
        {"unit not shown", [](TPortTrunkForm& f) { f.UnitEdit->setText("4"); }, TPortTrunkForm::kInvalidMaster},
        {"master not a member", [](TPortTrunkForm& f) { f.PortEdit->setText("9"); },
         TPortTrunkForm::kMasterUnchecked},
        {"one member left",
         [](TPortTrunkForm& f) {
             for (int port : {2, 3, 4})
                 f.MemberPorts->Box(1, port)->setChecked(false);
         },
         TPortTrunkForm::kTooFewMembers},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        auto form = Open<TPortTrunkForm>();
        ASSERT_TRUE(SelectRow(form->LV_PortTrunk, "Index", "1"));
        c.change(*form);
        VnMessageBoxCapture boxes;
        form->SetBtnClick();
        EXPECT_EQ(boxes.Texts(), QStringList({c.message}));
        EXPECT_TRUE(sim().sets().empty());
    }
}

TEST_F(PortTrunk, TheNinthMemberOfTheMastersUnitIsUncheckedAndNothingSent)
{
    auto form = Open<TPortTrunkForm>();
    FillNewGroup(*form);
    Check(*form, 1, {12, 13, 14, 15, 16, 17, 18});
    // Other units' boxes are not counted.
    Check(*form, 2, {5, 6});
    VnMessageBoxCapture boxes;
    form->BT_AddClick();
    EXPECT_EQ(boxes.Texts(), QStringList({TPortTrunkForm::kTooManyMembers}));
    EXPECT_TRUE(form->MemberPorts->Box(1, 17)->isChecked());
    EXPECT_FALSE(form->MemberPorts->Box(1, 18)->isChecked());
    EXPECT_TRUE(sim().sets().empty());
}

TEST_F(PortTrunk, SetAndDeleteWithoutASelectedGroupSendNothing)
{
    auto form = Open<TPortTrunkForm>();
    // An index typed in Add mode names no chosen group.
    form->ED_Index->setText("1");
    form->UnitEdit->setText("1");
    form->PortEdit->setText("1");
    Check(*form, 1, {1, 2});
    VnMessageBoxCapture boxes;
    form->SetBtnClick();
    form->BT_DeleteClick();
    EXPECT_EQ(boxes.Texts(), QStringList({TPortTrunkForm::kNoGroupSelected, TPortTrunkForm::kNoGroupSelected}));
    EXPECT_TRUE(sim().sets().empty());
    EXPECT_EQ(ColumnTexts(form->LV_PortTrunk, "Index"), QStringList({"1", "2"}));
}

// A member bitmap shorter than the grid stops the fill at the grid: type
// and state would still show the group selected before.
TEST_F(PortTrunk, AGroupWithAShortBitmapTakesNoEarlierGroupsValues)
{
    sim().set(Col(4, 1), "OCTETSTR", "F0");
    VnMessageBoxCapture boxes;
    auto form = Open<TPortTrunkForm>();
    ASSERT_TRUE(SelectRow(form->LV_PortTrunk, "Index", "2"));
    ASSERT_TRUE(SelectRow(form->LV_PortTrunk, "Index", "1"));
    EXPECT_EQ(boxes.Texts(), QStringList({QString::fromStdString(VnErrorText(kVnErrIndexOutOfRange))}));
    EXPECT_NE(form->Combo_Type->currentText(), "lacp");

    boxes.Clear();
    form->UnitEdit->setText("1");
    form->PortEdit->setText("1");
    form->SetBtnClick();
    EXPECT_EQ(boxes.Texts().size(), 1);
    EXPECT_TRUE(sim().sets().empty());

    // Delete still reaches the group, with its own type.
    form->BT_DeleteClick();
    const std::vector<std::vector<std::string>> expected = {{Col(6, 1) + "=2", Col(7, 1) + "=6"}};
    EXPECT_EQ(SetRecord(), expected);
}

// A state the combo cannot show (missing, createAndWait) shows no choice:
// Set then sends no state, never the state of the group clicked before.
TEST_F(PortTrunk, AGroupWithoutAShownStateSendsNoStateUnlessOneIsChosen)
{
    struct Case {
        const char* name;
        std::function<void(SimSwitch&)> second;
        const char* chosen;  // empty: the combo left alone
        std::string state;   // the state sent for group 2; empty: none
    };
    const Case cases[] = {
        {"state missing", [](SimSwitch& s) { s.unset(Col(7, 2)); }, "", ""},
        {"createAndWait", [](SimSwitch& s) { s.set(Col(7, 2), "INTEGER", "5"); }, "", ""},
        {"state missing, enable chosen", [](SimSwitch& s) { s.unset(Col(7, 2)); }, "enable", Col(7, 2) + "=1"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        sim().set(Col(7, 1), "INTEGER", "2");
        c.second(sim());
        auto form = Open<TPortTrunkForm>();
        ASSERT_TRUE(SelectRow(form->LV_PortTrunk, "Index", "1"));
        EXPECT_EQ(form->ComboBox1->currentText(), "disable");
        ASSERT_TRUE(SelectRow(form->LV_PortTrunk, "Index", "2"));
        EXPECT_EQ(form->ComboBox1->currentIndex(), -1);
        if (*c.chosen)
            form->ComboBox1->setCurrentText(c.chosen);
        sim().clearSets();
        form->SetBtnClick();
        const std::vector<std::vector<std::string>> record = SetRecord();
        ASSERT_EQ(record.size(), 1u);
        const std::vector<std::string>& sent = record.front();
        const auto state = std::find_if(sent.begin(), sent.end(),
                                        [](const std::string& v) { return v.rfind(Col(7, 2) + "=", 0) == 0; });
        EXPECT_EQ(state == sent.end() ? std::string() : *state, c.state);
        EXPECT_TRUE(std::none_of(sent.begin(), sent.end(),
                                 [](const std::string& v) { return v.rfind(Col(7, 1), 0) == 0; }));
    }
}

TEST_F(PortTrunk, UnitAndPortEditsTakeDigitsAndStillEdit)
{
    auto form = Open<TPortTrunkForm>();
    form->UnitEdit->clear();
    QTest::keyClicks(form->UnitEdit, "1a2 ");
    EXPECT_EQ(form->UnitEdit->text(), "12");
    QTest::keyClick(form->UnitEdit, Qt::Key_Backspace);
    QTest::keyClicks(form->UnitEdit, "3");
    EXPECT_EQ(form->UnitEdit->text(), "13");
    QTest::keyClick(form->UnitEdit, Qt::Key_Home);
    QTest::keyClick(form->UnitEdit, Qt::Key_Delete);
    EXPECT_EQ(form->UnitEdit->text(), "3");
}

}  // namespace
