// The Ethernet rule dialog of the port access profiles over the simulated
// switch, standing for the rule-dialog base: what Edit, Add, remove mode
// and Delete send, the refusals, the port lists of short and empty values,
// the permit gate, and a write that is slow, refused or closed on.
#include <QPushButton>

#include <functional>

#include "Ethernetinformationruleunit.h"
#include "VnMessageBox.h"
#include "rules_test_support.h"

using namespace ruletest;
using dialogtest::WaitIdle;

namespace {

const std::string kEntry = "1.3.6.1.4.1.88406.12.9.3.1.1";
// Ports of rule 1.1: unit 1 ports 1-2, unit 3 port 5 (byte 16, bit 0x08).
const std::string kRule11Ports = Ports({{0, 0xC0}, {16, 0x08}});

using Form = TEthernetInformationRuleForm;
using EthernetRules = RuleSwitchTest;

TEST_F(EthernetRules, OpensWithTheRulesInTheNewRuleState)
{
    auto form = Open<Form>();
    EXPECT_EQ(Keys(*form), QStringList({"1.1", "1.2", "2.5"}));
    EXPECT_EQ(form->StaticText1->text(), "3");
    EXPECT_EQ(Combo(*form, "RowComboBox")->currentText(), "createAndGo");
    EXPECT_FALSE(form->EditButton->isEnabled());
    EXPECT_FALSE(form->DeleteButton->isEnabled());
    EXPECT_TRUE(form->AddButton->isEnabled());
    EXPECT_TRUE(Edit(*form, "MaskIDEdit")->isEnabled());
    EXPECT_EQ(form->CheckAllButton->objectName(), "AddCheckButton");
}

struct EditCase {
    const char* what;
    std::function<void(Form&)> choose;
    std::vector<std::string> sent;
};

TEST_F(EthernetRules, EditSendsTheCheckedColumnsAndThePortList)
{
    const std::vector<EditCase> cases = {
        {"nothing checked: the port list alone", [](Form&) {}, {"14.1.1=" + kRule11Ports}},
        {"the VLAN checked",
         [](Form& f) {
             Check(f, {"cbxVlan"});
             Edit(f, "VlanRuleEdit")->setText("office");
         },
         {"3.1.1=" + Hex("office"), "14.1.1=" + kRule11Ports}},
        {"everything checked, permit",
         [](Form& f) {
             f.CheckAllClick();
             Edit(f, "VlanRuleEdit")->setText("office");
         },
         {"3.1.1=" + Hex("office"), "4.1.1=001122334455", "5.1.1=FFFFFFFFFFFF", "6.1.1=3", "7.1.1=0800",
          "8.1.1=1", "9.1.1=5", "10.1.1=1", "11.1.1=2", "12.1.1=0", "13.1.1=2", "14.1.1=" + kRule11Ports,
          "15.1.1=1"}},
        {"deny drops the actions even when their boxes are checked again",
         [](Form& f) {
             f.CheckAllClick();
             Edit(f, "VlanRuleEdit")->setText("office");
             Combo(f, "PermitComboBox")->setCurrentText("deny");
             Check(f, {"cbxEnablePriority", "cbxPriority", "cbxReplacePriority", "cbxEnableReplace",
                       "cbxRuleReplace"});
         },
         {"3.1.1=" + Hex("office"), "4.1.1=001122334455", "5.1.1=FFFFFFFFFFFF", "6.1.1=3", "7.1.1=0800",
          "13.1.1=1", "14.1.1=" + kRule11Ports, "15.1.1=1"}},
        {"permit unchecked, row status unchecked",
         [](Form& f) {
             Check(f, {"cbxIEEE802dot1P", "cbxEtherType"});
             Edit(f, "EthTypeEdit")->setText("86dd");
         },
         {"6.1.1=3", "7.1.1=86DD", "14.1.1=" + kRule11Ports}},
        {"ports changed on the grid",
         [](Form& f) {
             f.PortGrid->Box(1, 1)->setChecked(false);
             f.PortGrid->Box(3, 50)->setChecked(true);
         },
         {"14.1.1=" + Ports({{0, 0x40}, {16, 0x08}, {22, 0x40}})}},
    };
    for (const EditCase& c : cases) {
        SCOPED_TRACE(c.what);
        sim().clearSets();
        auto form = Open<Form>();
        Select(*form, "1.1");
        c.choose(*form);
        form->EditButtonClick();
        ASSERT_TRUE(WaitIdle(*form));
        EXPECT_EQ(OnlySet(kEntry), c.sent);
        // Closing steps: the editor empty, no row, every box unchecked.
        EXPECT_TRUE(Edit(*form, "MaskIDEdit")->text().isEmpty());
        EXPECT_FALSE(form->EditButton->isEnabled());
        EXPECT_TRUE(form->AddButton->isEnabled());
        EXPECT_FALSE(Box(*form, "cbxVlan")->isChecked());
        EXPECT_FALSE(form->PortGrid->Box(1, 2)->isChecked());
    }
}

TEST_F(EthernetRules, RemoveModeAndDeleteSendTheRowStatusAloneAtTheClickedRow)
{
    auto form = Open<Form>();
    Select(*form, "1.2");
    form->CheckAllClick();
    Combo(*form, "RowComboBox")->setCurrentText("destroy");
    form->EditButtonClick();
    ASSERT_TRUE(WaitIdle(*form));
    EXPECT_EQ(OnlySet(kEntry), std::vector<std::string>{"15.1.2=6"});
    EXPECT_EQ(Keys(*form), QStringList({"1.1", "2.5"}));

    sim().clearSets();
    Select(*form, "2.5");
    form->DeleteButtonClick();
    ASSERT_TRUE(WaitIdle(*form));
    EXPECT_EQ(OnlySet(kEntry), std::vector<std::string>{"15.2.5=6"});
    EXPECT_EQ(Keys(*form), QStringList({"1.1"}));
    EXPECT_EQ(form->StaticText1->text(), "1");
    EXPECT_EQ(Combo(*form, "RowComboBox")->currentText(), "destroy");
}

TEST_F(EthernetRules, AddSendsTheCheckedColumnsThePortsAndCreateAndGo)
{
    auto form = Open<Form>();
    Edit(*form, "MaskIDEdit")->setText("3");
    Edit(*form, "AccessEdit")->setText("3");
    Check(*form, {"cbxVlan", "cbxRow"});
    Edit(*form, "VlanRuleEdit")->setText("guest");
    form->PortGrid->Box(3, 5)->setChecked(true);
    form->AddButtonClick();
    ASSERT_TRUE(WaitIdle(*form));
    const std::string ports = Ports({{16, 0x08}});
    EXPECT_EQ(OnlySet(kEntry), (std::vector<std::string>{"3.3.3=" + Hex("guest"), "14.3.3=" + ports, "15.3.3=4"}));
    EXPECT_EQ(ports.substr(32, 2), "08");
    EXPECT_EQ(Keys(*form), QStringList({"1.1", "1.2", "2.5", "3.3"}));
    EXPECT_EQ(sim().get(kEntry + ".14.3.3")->value, ports);

    // Without a port the rule is created without a port list.
    sim().clearSets();
    Edit(*form, "MaskIDEdit")->setText("3");
    Edit(*form, "AccessEdit")->setText("4");
    form->AddButtonClick();
    ASSERT_TRUE(WaitIdle(*form));
    EXPECT_EQ(OnlySet(kEntry), std::vector<std::string>{"15.3.4=4"});
}

struct RefusalCase {
    const char* what;
    std::function<void(Form&)> prepare;
    bool add;
    QString message;    // empty: the library's own refusal
    const char* focus;  // the control holding the focus afterwards
};

TEST_F(EthernetRules, RefusalsSendNothing)
{
    auto typed = [](const char* mask, const char* access) {
        return [=](Form& f) {
            Edit(f, "MaskIDEdit")->setText(mask);
            Edit(f, "AccessEdit")->setText(access);
        };
    };
    const std::vector<RefusalCase> cases = {
        {"add without mask ID", typed("", "4"), true, "Mask ID must be set.", "MaskIDEdit"},
        {"add without access ID", typed("4", ""), true, "Access ID must be set.", "AccessEdit"},
        {"add of a listed rule", typed("1", "2"), true,
         "Has already a record with the same Mask ID and Access ID. Please change eithor of them.", "MaskIDEdit"},
        {"add with destroy shown, its box unchecked",
         [&](Form& f) {
             typed("4", "4")(f);
             Combo(f, "RowComboBox")->setCurrentText("destroy");
         },
         true, "Row State must be createAndGo.", "RowComboBox"},
        {"add with active shown, its box checked",
         [&](Form& f) {
             typed("4", "4")(f);
             Combo(f, "RowComboBox")->setCurrentText("active");
             Check(f, {"cbxRow"});
         },
         true, "Row State must be createAndGo.", "RowComboBox"},
        {"add with a source MAC that is no hex",
         [&](Form& f) {
             typed("4", "4")(f);
             Check(f, {"cbxSource"});
             Edit(f, "SourceMACEdit")->setText("00112233445G");
         },
         true, "", nullptr},
        {"add with an odd Ethernet type",
         [&](Form& f) {
             typed("4", "4")(f);
             Check(f, {"cbxEtherType"});
             Edit(f, "EthTypeEdit")->setText("800");
         },
         true, "", nullptr},
        {"edit with an emptied mask ID keeps the focus",
         [](Form& f) {
             Select(f, "1.1");
             Edit(f, "MaskIDEdit")->setText("");
             Edit(f, "VlanRuleEdit")->setFocus();
         },
         false, "Mask ID must be set.", "VlanRuleEdit"},
        {"edit with a destination MAC that is no hex",
         [](Form& f) {
             Select(f, "1.1");
             Check(f, {"cbxDestination"});
             Edit(f, "DestMACEdit")->setText("zz");
         },
         false, "", nullptr},
    };
    auto form = Open<Form>();
    form->activateWindow();
    for (const RefusalCase& c : cases) {
        SCOPED_TRACE(c.what);
        VnMessageBoxCapture boxes;
        form->ListView1->clearSelection();
        c.prepare(*form);
        if (c.add)
            form->AddButtonClick();
        else
            form->EditButtonClick();
        ASSERT_TRUE(WaitIdle(*form));
        ExpectRefused(*form, boxes, c.message, c.focus);
        form->ClearEditor();
    }
}

// The binder clears the boxes a short bitmap does not reach: an Edit never
// writes an earlier row's ports.
TEST_F(EthernetRules, AShortPortListReplacesTheEarlierRowsPorts)
{
    auto form = Open<Form>();
    Select(*form, "1.1");
    VnMessageBoxCapture boxes;
    Select(*form, "1.2");
    // The status line says the list is shorter than the grid, with no box;
    // the row is shown and can be edited all the same.
    EXPECT_TRUE(boxes.Texts().isEmpty()) << boxes.Texts().join('|').toStdString();
    EXPECT_EQ(StatusLine(*form),
              "Rule 1.2: its port list holds 8 ports, the grid 768; the ports past the list are shown unticked.");
    EXPECT_FALSE(form->PortGrid->Box(3, 5)->isChecked());
    EXPECT_TRUE(form->PortGrid->Box(1, 3)->isChecked());
    EXPECT_TRUE(form->EditButton->isEnabled());
    EXPECT_EQ(Combo(*form, "RowComboBox")->currentText(), "active");
    form->EditButtonClick();
    ASSERT_TRUE(WaitIdle(*form));
    EXPECT_EQ(OnlySet(kEntry), std::vector<std::string>{"14.1.2=" + Ports({{0, 0x20}})});
}

// A rule whose port cell the walk did not bring: its grid shows no ports,
// and an Edit must not write that as a list of none, nor the ports of the
// rule shown before it.
TEST_F(EthernetRules, ARuleWithoutAPortCellKeepsItsPortsOutOfAnEdit)
{
    sim().unset(kEntry + ".14.2.5");
    auto form = Open<Form>();
    Select(*form, "1.1");
    Select(*form, "2.5");
    EXPECT_FALSE(form->PortGrid->Box(1, 1)->isChecked());
    Check(*form, {"cbxVlan"});
    Edit(*form, "VlanRuleEdit")->setText("office");
    form->EditButtonClick();
    ASSERT_TRUE(WaitIdle(*form));
    EXPECT_EQ(OnlySet(kEntry), std::vector<std::string>{"3.2.5=" + Hex("office")});
}

TEST_F(EthernetRules, AnEmptyPortValueIsWrittenAsNinetySixZeroBytes)
{
    auto form = Open<Form>();
    Select(*form, "2.5");
    form->EditButtonClick();
    ASSERT_TRUE(WaitIdle(*form));
    EXPECT_EQ(OnlySet(kEntry), std::vector<std::string>{"14.2.5=" + kEmptyPorts});
}

TEST_F(EthernetRules, DenyDisablesAndUnchecksTheActionGroup)
{
    const char* const actionBoxes[] = {"cbxEnablePriority", "cbxPriority", "cbxReplacePriority", "cbxEnableReplace",
                                       "cbxRuleReplace"};
    auto form = Open<Form>();
    Select(*form, "1.2");  // a deny rule
    for (const char* name : actionBoxes)
        EXPECT_FALSE(Box(*form, name)->isEnabled()) << name;
    EXPECT_FALSE(Edit(*form, "PriorityEdit")->isEnabled());
    EXPECT_FALSE(Combo(*form, "EnableReplDSCPComboBox")->isEnabled());

    // Deny chosen over a permit rule with every box checked: the action
    // group goes, the rest of the choice stays.
    Select(*form, "1.1");
    form->CheckAllClick();
    EXPECT_TRUE(Box(*form, "cbxPriority")->isChecked());
    Combo(*form, "PermitComboBox")->setCurrentText("deny");
    for (const char* name : actionBoxes) {
        EXPECT_FALSE(Box(*form, name)->isEnabled()) << name;
        EXPECT_FALSE(Box(*form, name)->isChecked()) << name;
    }
    EXPECT_FALSE(Edit(*form, "PriorityEdit")->isEnabled());
    EXPECT_TRUE(Box(*form, "cbxVlan")->isChecked());
    Combo(*form, "PermitComboBox")->setCurrentText("permit");
    EXPECT_TRUE(Edit(*form, "PriorityEdit")->isEnabled());
    EXPECT_TRUE(Box(*form, "cbxPriority")->isEnabled());
    EXPECT_FALSE(Box(*form, "cbxPriority")->isChecked());
    EXPECT_FALSE(Edit(*form, "MaskIDEdit")->isEnabled());
    EXPECT_TRUE(form->DeleteButton->isEnabled());
}

// The list is read again from the set's completion: no command starts
// until that read has ended, and the list then shows the new row.
TEST_F(EthernetRules, ADelayedAddHoldsEveryCommandUntilTheReadAfterItEnds)
{
    auto form = Open<Form>();
    sim().delay(kEntry, 200);
    Edit(*form, "MaskIDEdit")->setText("3");
    Edit(*form, "AccessEdit")->setText("1");
    form->AddButtonClick();
    EXPECT_TRUE(form->AnyBinderBusy());
    Edit(*form, "MaskIDEdit")->setText("3");
    Edit(*form, "AccessEdit")->setText("2");
    form->AddButtonClick();
    form->GetButtonClick();
    ASSERT_TRUE(RunUntil([&] { return !sim().sets().empty(); }));
    EXPECT_TRUE(form->AnyBinderBusy());
    ASSERT_TRUE(WaitIdle(*form));
    EXPECT_EQ(SetRecord().size(), 1u);
    EXPECT_EQ(Keys(*form), QStringList({"1.1", "1.2", "2.5", "3.1"}));
    // The set's line stays, the read after it adds its own.
    EXPECT_TRUE(StatusLine(*form).startsWith("Set: ")) << StatusLine(*form).toStdString();
    EXPECT_TRUE(StatusLine(*form).contains("Get: ")) << StatusLine(*form).toStdString();
}

TEST_F(EthernetRules, ARefusedSetKeepsItsLine)
{
    sim().error(kEntry + ".15.3.1", "inconsistentValue", "set");
    auto form = Open<Form>();
    Edit(*form, "MaskIDEdit")->setText("3");
    Edit(*form, "AccessEdit")->setText("1");
    form->AddButtonClick();
    ASSERT_TRUE(WaitIdle(*form));
    RunEvents(100);
    const QString line = StatusLine(*form);
    EXPECT_TRUE(line.startsWith("Set: ")) << line.toStdString();
    EXPECT_FALSE(line.contains(QString::fromStdString(VnErrorText(kVnOk)))) << line.toStdString();
    EXPECT_EQ(Keys(*form), QStringList({"1.1", "1.2", "2.5"}));
}

TEST_F(EthernetRules, ClosingDuringAWalkOrAnOutstandingSetSendsNothingMore)
{
    sim().delay(kEntry, 200);
    {
        auto form = std::make_unique<Form>(nullptr, dialogtest::Context());
        form->show();
        ASSERT_TRUE(form->AnyBinderBusy());
        form->reject();
        EXPECT_FALSE(form->AnyBinderBusy());
        form.reset();
    }
    sim().delay(kEntry, 0);
    auto form = Open<Form>();
    sim().delay(kEntry, 200);
    Select(*form, "1.1");
    form->EditButtonClick();
    ASSERT_TRUE(form->AnyBinderBusy());
    form->reject();
    form.reset();
    RunEvents(500);
    EXPECT_LE(SetRecord().size(), 1u);
}

}  // namespace
