// The IPv4, IPv6 and user-defined rule dialogs of the port access profiles
// over the simulated switch: what each adds to the Ethernet dialog (the
// protocol table, the field checks and hand-overs, the offset limit and the
// port grid kept across commands).
#include <QPushButton>

#include <functional>

#include "Ipruleunit.h"
#include "Ipv6ruleunit.h"
#include "Userdefinedruleunit.h"
#include "VnMessageBox.h"
#include "rules_test_support.h"

using namespace ruletest;
using dialogtest::WaitIdle;

namespace {

const std::string kIpv4 = "1.3.6.1.4.1.88406.12.9.3.2.1";
const std::string kIpv6 = "1.3.6.1.4.1.88406.12.9.3.4.1";
const std::string kUser = "1.3.6.1.4.1.88406.12.9.3.3.1";
// Rule 1.1 of the IPv4 table: unit 1 port 4, unit 3 port 1.
const std::string kIpv4Ports = Ports({{0, 0x10}, {16, 0x80}});

using AclRuleKinds = RuleSwitchTest;

TEST_F(AclRuleKinds, Ipv4EditSendsTheLayer4ColumnsOfTheRulesProtocolOnly)
{
    struct Case {
        const char* protocol;
        std::vector<std::string> layer4;
    };
    const std::vector<Case> cases = {
        {"tcp", {"10.1.1=80", "11.1.1=8080", "12.1.1=18"}},
        {"none", {}},
        {"icmp", {"8.1.1=0", "9.1.1=0"}},
        {"protocolId", {"13.1.1=0", "14.1.1=00000000"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.protocol);
        sim().clearSets();
        auto form = Open<TIPRuleForm>();
        Select(*form, "1.1");
        EXPECT_EQ(Combo(*form, "ProtocolComboBox")->currentText(), "tcp");
        form->CheckAllClick();
        Combo(*form, "ProtocolComboBox")->setCurrentText(c.protocol);
        form->EditButtonClick();
        ASSERT_TRUE(WaitIdle(*form));
        std::vector<std::string> expected = {"3.1.1=" + Hex("10"), "4.1.1=10.0.0.1", "5.1.1=10.0.0.254", "6.1.1=0"};
        expected.insert(expected.end(), c.layer4.begin(), c.layer4.end());
        for (const char* rest : {"15.1.1=1", "16.1.1=3", "17.1.1=2", "18.1.1=2", "19.1.1=0", "20.1.1=2"})
            expected.push_back(rest);
        expected.push_back("21.1.1=" + kIpv4Ports);
        expected.push_back("22.1.1=1");
        EXPECT_EQ(OnlySet(kIpv4), expected);
    }
}

TEST_F(AclRuleKinds, Ipv4AddNeverSendsTheProtocolAndTheRowGetsItsDefault)
{
    auto form = Open<TIPRuleForm>();
    Edit(*form, "IPRuleEdit")->setText("3");
    Edit(*form, "AccessIDEdit")->setText("1");
    Combo(*form, "ProtocolComboBox")->setCurrentText("udp");
    Check(*form, {"cbxProtocol", "cbxSourcePort", "cbxDestPort", "cbxType", "cbxSourceIP"});
    Edit(*form, "SourcePortEdit")->setText("53");
    Edit(*form, "DestPortEdit")->setText("5353");
    Edit(*form, "RuleTypeEdit")->setText("3");
    Edit(*form, "SourceIPEdit")->setText("192.168.1.7");
    form->AddButtonClick();
    ASSERT_TRUE(WaitIdle(*form));
    EXPECT_EQ(OnlySet(kIpv4), (std::vector<std::string>{"4.3.1=192.168.1.7", "10.3.1=53", "11.3.1=5353", "22.3.1=4"}));
    EXPECT_EQ(sim().get(kIpv4 + ".7.3.1")->value, "1");
    EXPECT_TRUE(Keys(*form).contains("3.1"));
}

TEST_F(AclRuleKinds, Ipv4RefusalsSendNothing)
{
    struct Case {
        const char* what;
        std::function<void(TIPRuleForm&)> prepare;
        bool add;
        QString message;
        const char* focus;
    };
    const std::vector<Case> cases = {
        {"add, protocol box checked, none chosen",
         [](TIPRuleForm& f) {
             Edit(f, "IPRuleEdit")->setText("3");
             Edit(f, "AccessIDEdit")->setText("2");
             Check(f, {"cbxProtocol"});
             Combo(f, "ProtocolComboBox")->setCurrentIndex(-1);
         },
         true, "Rule Protocol must be chosed.", "ProtocolComboBox"},
        {"edit with destroy, protocol box checked, none chosen",
         [](TIPRuleForm& f) {
             Select(f, "2.3");
             Check(f, {"cbxProtocol", "cbxRow"});
             Combo(f, "ProtocolComboBox")->setCurrentIndex(-1);
             Combo(f, "RowComboBox")->setCurrentText("destroy");
         },
         false, "Rule Protocol must be chosed.", "ProtocolComboBox"},
        {"add of a listed rule",
         [](TIPRuleForm& f) {
             Edit(f, "IPRuleEdit")->setText("2");
             Edit(f, "AccessIDEdit")->setText("3");
         },
         true, "Has already a record with the same IP Rule ID and Access ID. Please change eithor of them.",
         "IPRuleEdit"},
        {"add with an address that is none",
         [](TIPRuleForm& f) {
             Edit(f, "IPRuleEdit")->setText("3");
             Edit(f, "AccessIDEdit")->setText("2");
             Check(f, {"cbxDestIP"});
             Edit(f, "DestIPEdit")->setText("300.1.1.1");
         },
         true, "", nullptr},
        {"add with a user mask that is no hex",
         [](TIPRuleForm& f) {
             Edit(f, "IPRuleEdit")->setText("3");
             Edit(f, "AccessIDEdit")->setText("2");
             Combo(f, "ProtocolComboBox")->setCurrentText("protocolId");
             Check(f, {"cbxUserMask"});
             Edit(f, "UserMaskEdit")->setText("FFFF00GG");
         },
         true, "", nullptr},
    };
    auto form = Open<TIPRuleForm>();
    form->activateWindow();
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        VnMessageBoxCapture boxes;
        form->ListView1->clearSelection();
        c.prepare(*form);
        c.add ? form->AddButtonClick() : form->EditButtonClick();
        ASSERT_TRUE(WaitIdle(*form));
        ExpectRefused(*form, boxes, c.message, c.focus);
        form->ClearEditor();
    }
    EXPECT_EQ(Keys(*form), QStringList({"1.1", "1.2", "2.3"}));
}

TEST_F(AclRuleKinds, Ipv6PriorityDisabledLeavesThePriorityOut)
{
    auto form = Open<TIPv6RuleForm>();
    Select(*form, "1.1");
    form->CheckAllClick();
    Combo(*form, "cbxEnablePriority")->setCurrentText("disabled");
    form->EditButtonClick();
    ASSERT_TRUE(WaitIdle(*form));
    EXPECT_EQ(OnlySet(kIpv6),
              (std::vector<std::string>{"3.1.1=5", "4.1.1=0001E240", "5.1.1=20010DB8000000000000000000000001",
                                        "6.1.1=FE800000000000000000000000000001", "7.1.1=2", "9.1.1=2", "10.1.1=2",
                                        "11.1.1=" + Ports({{2, 0x01}, {16, 0x08}}), "12.1.1=1"}));
}

TEST_F(AclRuleKinds, Ipv6AddressesAndFlowLabelArriveByteExact)
{
    auto form = Open<TIPv6RuleForm>();
    Edit(*form, "edtIPv6ProfileID")->setText("3");
    Edit(*form, "edtIPv6AccessID")->setText("9");
    Check(*form, {"ckFlowLabel", "ckIPv6SrcAdd", "ckIPv6DstAdd"});
    Edit(*form, "edtFlowLabel")->setText("000abcde");
    Edit(*form, "edtIPv6SrcAddr")->setText("20010db8000000000000000000000042");
    Edit(*form, "edtIPv6DstAddr")->setText("FF0200000000000000000000000000FB");
    form->AddButtonClick();
    ASSERT_TRUE(WaitIdle(*form));
    EXPECT_EQ(OnlySet(kIpv6), (std::vector<std::string>{"4.3.9=000ABCDE", "5.3.9=20010DB8000000000000000000000042",
                                                        "6.3.9=FF0200000000000000000000000000FB", "12.3.9=4"}));
}

TEST_F(AclRuleKinds, Ipv6HandsCreateAndGoToAddAndDestroyToDelete)
{
    auto form = Open<TIPv6RuleForm>();
    {
        VnMessageBoxCapture boxes;
        Select(*form, "1.1");
        Combo(*form, "cbxRowStatus")->setCurrentText("createAndGo");
        form->EditButtonClick();
        EXPECT_EQ(boxes.Texts(), QStringList({"Has already a record with the same IPv6 Rule ID and Access ID. Please "
                                              "change eithor of them."}));
        EXPECT_TRUE(sim().sets().empty());
        // A failed check empties the editor.
        EXPECT_TRUE(Edit(*form, "edtIPv6ProfileID")->text().isEmpty());
        EXPECT_FALSE(form->EditButton->isEnabled());
    }
    Select(*form, "1.1");
    form->CheckAllClick();
    Box(*form, "ckRowStatus")->setChecked(false);
    Combo(*form, "cbxRowStatus")->setCurrentText("destroy");
    form->EditButtonClick();
    ASSERT_TRUE(WaitIdle(*form));
    EXPECT_EQ(OnlySet(kIpv6), std::vector<std::string>{"12.1.1=6"});
    EXPECT_TRUE(Keys(*form).isEmpty());
}

TEST_F(AclRuleKinds, Ipv6FieldChecksInOrderThenTheEditorIsEmptied)
{
    struct Case {
        std::vector<const char*> checked;
        QString message;
        const char* focus;
    };
    const std::vector<Case> cases = {
        {{"ckClass", "ckFlowLabel"}, "Class should not be null.", "edtClass"},
        {{"ckFlowLabel", "ckIPv6DstAdd"}, "Flow Label should not be null.", "edtFlowLabel"},
        {{"ckIPv6SrcAdd"}, "IPv6 Source Address should not be null.", "edtIPv6SrcAddr"},
        {{"ckIPv6DstAdd"}, "IPv6 Destination Address should not be null.", "edtIPv6DstAddr"},
        {{"ckPriority"}, "Priority should not be null.", "edtPriority"},
        {{"ckRowStatus"}, "", nullptr},
    };
    auto form = Open<TIPv6RuleForm>();
    form->activateWindow();
    for (const Case& c : cases) {
        VnMessageBoxCapture boxes;
        Edit(*form, "edtIPv6ProfileID")->setText("3");
        Edit(*form, "edtIPv6AccessID")->setText("5");
        for (const char* box : c.checked)
            Box(*form, box)->setChecked(true);
        Combo(*form, "cbxRowStatus")->setCurrentText(c.message.isEmpty() ? "destroy" : "createAndGo");
        form->AddButtonClick();
        const QString expected = c.message.isEmpty() ? "Row State must choose createAndGo." : c.message;
        EXPECT_EQ(boxes.Texts(), QStringList({expected}));
        if (c.focus) {
            EXPECT_EQ(form->focusWidget(), form->findChild<QWidget*>(c.focus)) << c.focus;
        }
        EXPECT_TRUE(Edit(*form, "edtIPv6ProfileID")->text().isEmpty());
        EXPECT_FALSE(Box(*form, "ckClass")->isChecked());
    }
    EXPECT_TRUE(sim().sets().empty());
}

// A cell the walk left out is no value to send: a checked field showing
// it is refused as empty, not silently dropped from the set.
TEST_F(AclRuleKinds, Ipv6EditRefusesACheckedFieldOfAMissingCell)
{
    sim().unset(kIpv6 + ".3.1.1");
    auto form = Open<TIPv6RuleForm>();
    form->activateWindow();
    Select(*form, "1.1");
    Box(*form, "ckClass")->setChecked(true);
    VnMessageBoxCapture boxes;
    form->EditButtonClick();
    EXPECT_EQ(boxes.Texts(), QStringList({"Class should not be null."}));
    EXPECT_EQ(form->focusWidget(), form->findChild<QWidget*>("edtClass"));
    EXPECT_TRUE(sim().sets().empty());
}

TEST_F(AclRuleKinds, UserDefinedAcceptsFourOffsetsNotFive)
{
    auto form = Open<TUserDefinedInformationRuleForm>();
    const char* offsets[] = {"OffsetGroupFirstEdit", "OffsetGroupSecondEdit", "OffsetGroupThirdEdit",
                             "OffsetGroupForthEdit", "OffsetGroupFifthEdit"};
    auto type = [&] {
        Edit(*form, "ProfileIDEdit")->setText("2");
        Edit(*form, "AccessIDEdit")->setText("2");
        for (const char* offset : offsets)
            Edit(*form, offset)->setText("00112233445566778899aabbccddeeff");
    };
    {
        VnMessageBoxCapture boxes;
        type();
        form->CheckAllClick();
        form->AddButtonClick();
        Select(*form, "1.1");
        form->CheckAllClick();
        form->EditButtonClick();
        EXPECT_EQ(boxes.Texts(), QStringList({"The offset number is too much.", "The offset number is too much."}));
        EXPECT_TRUE(sim().sets().empty());
    }
    form->ClearEditor();
    form->ListView1->clearSelection();
    type();
    Combo(*form, "RowComboBox")->setCurrentText("createAndGo");
    Check(*form, {"cbxGroupFirst", "cbxGroupSecond", "cbxGroupForth", "cbxGroupFifth"});
    form->AddButtonClick();
    ASSERT_TRUE(WaitIdle(*form));
    const std::string chunk = "00112233445566778899AABBCCDDEEFF";
    // The grid still shows the ports of the rule clicked before.
    EXPECT_EQ(OnlySet(kUser), (std::vector<std::string>{"3.2.2=" + chunk, "4.2.2=" + chunk, "6.2.2=" + chunk,
                                                        "7.2.2=" + chunk, "14.2.2=" + Ports({{16, 0x60}}),
                                                        "15.2.2=4"}));
}

// The offset limit comes after the row-status decisions of Edit.
TEST_F(AclRuleKinds, UserDefinedRemovesARuleWithFiveOffsetsChecked)
{
    auto form = Open<TUserDefinedInformationRuleForm>();
    Select(*form, "1.1");
    form->CheckAllClick();
    Combo(*form, "RowComboBox")->setCurrentText("destroy");
    form->EditButtonClick();
    ASSERT_TRUE(WaitIdle(*form));
    EXPECT_EQ(OnlySet(kUser), std::vector<std::string>{"15.1.1=6"});
}

TEST_F(AclRuleKinds, UserDefinedKeepsItsPortsForTheNextAdd)
{
    auto form = Open<TUserDefinedInformationRuleForm>();
    Select(*form, "1.1");
    form->EditButtonClick();
    ASSERT_TRUE(WaitIdle(*form));
    const std::string ports = Ports({{16, 0x60}});
    EXPECT_EQ(OnlySet(kUser), std::vector<std::string>{"14.1.1=" + ports});
    EXPECT_TRUE(form->PortGrid->Box(3, 2)->isChecked());
    EXPECT_TRUE(Edit(*form, "ProfileIDEdit")->text().isEmpty());

    sim().clearSets();
    Combo(*form, "RowComboBox")->setCurrentText("createAndGo");
    Edit(*form, "ProfileIDEdit")->setText("4");
    Edit(*form, "AccessIDEdit")->setText("4");
    form->AddButtonClick();
    ASSERT_TRUE(WaitIdle(*form));
    EXPECT_EQ(OnlySet(kUser), (std::vector<std::string>{"14.4.4=" + ports, "15.4.4=4"}));
}

TEST_F(AclRuleKinds, UserDefinedEditWithCreateAndGoCheckedRunsAdd)
{
    auto form = Open<TUserDefinedInformationRuleForm>();
    VnMessageBoxCapture boxes;
    Select(*form, "1.1");
    Combo(*form, "RowComboBox")->setCurrentText("createAndGo");
    Check(*form, {"cbxRow"});
    form->EditButtonClick();
    EXPECT_EQ(boxes.Texts(), QStringList({"There is already a record with the same Profile ID and Access ID. Please "
                                          "modified eithor of them."}));
    EXPECT_TRUE(sim().sets().empty());
}

}  // namespace
