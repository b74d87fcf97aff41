// The four rule dialogs of the CPU filter over the simulated switch: the
// same base, blocking, without port grid or action group. What Edit, Add,
// remove mode and Delete send, the refusals, and the failures that land in
// the first panel of the status bar.
#include <QPushButton>

#include <functional>

#include "AclMib.h"
#include "Cpuethernetinformationruleunit.h"
#include "Cpuipruleunit.h"
#include "Cpuipv6ruleunit.h"
#include "Cpuuserdefinedruleunit.h"
#include "VnMessageBox.h"
#include "rules_test_support.h"

using namespace ruletest;

namespace {

const std::string kEthernet = "1.3.6.1.4.1.88406.12.9.5.1.1";
const std::string kIpv4 = "1.3.6.1.4.1.88406.12.9.5.2.1";
const std::string kUser = "1.3.6.1.4.1.88406.12.9.5.3.1";
const std::string kIpv6 = "1.3.6.1.4.1.88406.12.9.5.4.1";

using CpuRules = RuleSwitchTest;
using Ethernet = TCPUEthernetInformationRuleForm;

bool EditorEmpty(const TRuleDialogBase& form)
{
    for (const QLineEdit* edit : form.findChildren<QLineEdit*>()) {
        if (!edit->text().isEmpty())
            return false;
    }
    for (const QCheckBox* box : form.findChildren<QCheckBox*>()) {
        if (box->isChecked())
            return false;
    }
    return !form.EditButton->isEnabled() && form.AddButton->isEnabled();
}

TEST_F(CpuRules, EthernetEditSendsExactlyTheCheckedColumns)
{
    struct Case {
        const char* what;
        std::function<void(Ethernet&)> choose;
        std::vector<std::string> sent;
    };
    const std::vector<Case> cases = {
        {"the VLAN",
         [](Ethernet& f) {
             Check(f, {"cbxVlan"});
             Edit(f, "VlanRuleEdit")->setText("office");
         },
         {"3.1.1=" + Hex("office")}},
        {"everything",
         [](Ethernet& f) {
             f.CheckAllClick();
             Edit(f, "SourceMACEdit")->setText("00aabbccddef");
         },
         {"3.1.1=" + Hex("office"), "4.1.1=00AABBCCDDEF", "5.1.1=000000000000", "6.1.1=0", "7.1.1=0800", "8.1.1=2",
          "9.1.1=1"}},
        {"destroy with its box unchecked: the checked columns only",
         [](Ethernet& f) {
             Check(f, {"cbxPermit"});
             Combo(f, "PermitComboBox")->setCurrentText("deny");
             Combo(f, "RowComboBox")->setCurrentText("destroy");
         },
         {"8.1.1=1"}},
    };
    auto form = Open<Ethernet>();
    EXPECT_FALSE(form->findChild<QWidget*>("gbPortlist"));
    EXPECT_EQ(form->CheckAllButton->objectName(), "AddCheckButton");
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        sim().clearSets();
        Select(*form, "1.1");
        c.choose(*form);
        form->EditButtonClick();
        EXPECT_FALSE(form->AnyBinderBusy());
        EXPECT_EQ(OnlySet(kEthernet), c.sent);
        EXPECT_TRUE(EditorEmpty(*form));
        EXPECT_EQ(Keys(*form), QStringList({"1.1", "2.1"}));
    }
}

TEST_F(CpuRules, EditWithNoBoxCheckedSendsNothingAndSaysSo)
{
    auto form = Open<Ethernet>();
    VnMessageBoxCapture boxes;
    Select(*form, "2.1");
    form->EditButtonClick();
    EXPECT_TRUE(sim().sets().empty());
    EXPECT_EQ(boxes.Texts(), QStringList({"(VnSNMP++) No value to set!"}));
    EXPECT_TRUE(StatusLine(*form).contains(kVnNothingSentText)) << StatusLine(*form).toStdString();
}

TEST_F(CpuRules, RemoveModeDeleteAndAddSendTheRowStatus)
{
    auto form = Open<Ethernet>();
    Select(*form, "1.1");
    form->CheckAllClick();
    Combo(*form, "RowComboBox")->setCurrentText("destroy");
    form->EditButtonClick();
    EXPECT_EQ(OnlySet(kEthernet), std::vector<std::string>{"9.1.1=6"});

    sim().clearSets();
    Select(*form, "2.1");
    form->DeleteButtonClick();
    EXPECT_EQ(OnlySet(kEthernet), std::vector<std::string>{"9.2.1=6"});
    EXPECT_TRUE(Keys(*form).isEmpty());
    EXPECT_EQ(form->StaticText1->text(), "0");

    // Add always sends the row status, whatever its box.
    sim().clearSets();
    Combo(*form, "RowComboBox")->setCurrentText("createAndGo");
    Edit(*form, "MaskIDEdit")->setText("5");
    Edit(*form, "AccessEdit")->setText("6");
    form->AddButtonClick();
    EXPECT_EQ(OnlySet(kEthernet), std::vector<std::string>{"9.5.6=4"});
    EXPECT_EQ(Keys(*form), QStringList({"5.6"}));
}

TEST_F(CpuRules, RefusalsSendNothing)
{
    struct Case {
        const char* what;
        const char* mask;
        const char* access;
        std::function<void(Ethernet&)> more;
        bool add;
        QString message;
        const char* focus;
    };
    const auto nothing = [](Ethernet&) {};
    const std::vector<Case> cases = {
        {"add without mask ID", "", "3", nothing, true, "Mask ID must be set.", "MaskIDEdit"},
        {"add without access ID", "3", "", nothing, true, "Access ID must be set.", "AccessEdit"},
        {"add of a listed rule", "1", "1", nothing, true,
         "Has already a record with the same Mask ID and Access ID. Please change eithor of them.", "MaskIDEdit"},
        {"add, its box checked, active shown", "3", "3",
         [](Ethernet& f) {
             Check(f, {"cbxRow"});
             Combo(f, "RowComboBox")->setCurrentText("active");
         },
         true, "Row State must be createAndGo.", "RowComboBox"},
        {"add with destroy shown", "3", "3",
         [](Ethernet& f) { Combo(f, "RowComboBox")->setCurrentText("destroy"); }, true,
         "Row State must be createAndGo.", "RowComboBox"},
        {"add with a destination MAC that is no hex", "3", "3",
         [](Ethernet& f) {
             Check(f, {"cbxDestination"});
             Edit(f, "DestMACEdit")->setText("0011223344");
         },
         true, "", nullptr},
        {"edit without mask ID keeps the focus", "", "1",
         [](Ethernet& f) { Edit(f, "VlanRuleEdit")->setFocus(); }, false, "Mask ID must be set.", "VlanRuleEdit"},
    };
    auto form = Open<Ethernet>();
    form->activateWindow();
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        VnMessageBoxCapture boxes;
        Edit(*form, "MaskIDEdit")->setText(c.mask);
        Edit(*form, "AccessEdit")->setText(c.access);
        c.more(*form);
        c.add ? form->AddButtonClick() : form->EditButtonClick();
        // A failed check of the dialog's own leaves the editor as it was.
        if (!c.message.isEmpty()) {
            EXPECT_EQ(Edit(*form, "MaskIDEdit")->text(), c.mask);
        }
        ExpectRefused(*form, boxes, c.message, c.focus);
        form->ClearEditor();
    }
}

// The switch refuses the creation: the refusal lands in panel 0.
TEST_F(CpuRules, AnAgentRefusalLandsInTheFirstPanelAndTheWordsComeBack)
{
    sim().error(kEthernet + ".9.3.1", "inconsistentValue", "set");
    auto form = Open<Ethernet>();
    std::vector<unsigned> words;
    for (int i = 0; i < form->Request->request.varList.Count(); ++i)
        words.push_back(form->Request->request.varList.Item(i).access);
    Edit(*form, "MaskIDEdit")->setText("3");
    Edit(*form, "AccessEdit")->setText("1");
    Check(*form, {"cbxVlan"});
    Edit(*form, "VlanRuleEdit")->setText("x");
    form->AddButtonClick();
    const auto record = SetRecord();
    ASSERT_EQ(record.size(), 1u);
    EXPECT_EQ(record[0].back(), kEthernet + ".9.3.1=4");
    EXPECT_FALSE(FirstPanel(*form).isEmpty());
    EXPECT_TRUE(EditorEmpty(*form));
    for (int i = 0; i < form->Request->request.varList.Count(); ++i)
        EXPECT_EQ(form->Request->request.varList.Item(i).access, words[static_cast<std::size_t>(i)]) << i;
    EXPECT_EQ(sim().get(kEthernet + ".3.1.1")->value, Hex("mgmt"));
}

TEST_F(CpuRules, AnInjectedErrorAndATimeOutLandInTheFirstPanel)
{
    auto form = Open<Ethernet>();
    sim().error(kEthernet + ".9.7.7", "genErr", "set");
    Edit(*form, "MaskIDEdit")->setText("7");
    Edit(*form, "AccessEdit")->setText("7");
    form->AddButtonClick();
    const QString error = FirstPanel(*form);
    EXPECT_FALSE(error.isEmpty());
    EXPECT_TRUE(EditorEmpty(*form));

    sim().drop(kEthernet);
    Select(*form, "1.1");
    Check(*form, {"cbxVlan"});
    form->EditButtonClick();
    EXPECT_FALSE(FirstPanel(*form).isEmpty());
    EXPECT_NE(FirstPanel(*form), error);
    EXPECT_TRUE(EditorEmpty(*form));
    EXPECT_FALSE(form->AnyBinderBusy());
}

TEST_F(CpuRules, Ipv4ProtocolDecidesTheLayer4ColumnsAndIsNeverSent)
{
    struct Case {
        const char* protocol;
        std::vector<const char*> checked;
        std::vector<std::string> sent;
    };
    const std::vector<Case> cases = {
        {"tcp", {},
         {"3.1.1=" + Hex("10"), "4.1.1=10.0.0.1", "5.1.1=10.0.0.254", "6.1.1=0", "10.1.1=23", "11.1.1=23",
          "12.1.1=2", "15.1.1=2", "16.1.1=1"}},
        {"none", {}, {"3.1.1=" + Hex("10"), "4.1.1=10.0.0.1", "5.1.1=10.0.0.254", "6.1.1=0", "15.1.1=2", "16.1.1=1"}},
        {"protocolId", {},
         {"3.1.1=" + Hex("10"), "4.1.1=10.0.0.1", "5.1.1=10.0.0.254", "6.1.1=0", "13.1.1=0", "14.1.1=00000000",
          "15.1.1=2", "16.1.1=1"}},
        {"", {"cbxType"}, {"8.1.1=0"}},
    };
    auto form = Open<TCPUIPRuleForm>();
    for (const Case& c : cases) {
        SCOPED_TRACE(c.protocol);
        sim().clearSets();
        Select(*form, "1.1");
        if (c.checked.empty()) {
            form->CheckAllClick();
            Combo(*form, "ProtocolComboBox")->setCurrentText(c.protocol);
        } else {
            Combo(*form, "ProtocolComboBox")->setCurrentIndex(-1);
            for (const char* name : c.checked)
                Box(*form, name)->setChecked(true);
        }
        form->EditButtonClick();
        EXPECT_EQ(OnlySet(kIpv4), c.sent);
    }

    // No protocol chosen with its box checked: refused, before a destroy too.
    VnMessageBoxCapture boxes;
    sim().clearSets();
    Select(*form, "1.2");
    Check(*form, {"cbxProtocol", "cbxRow"});
    Combo(*form, "ProtocolComboBox")->setCurrentIndex(-1);
    Combo(*form, "RowComboBox")->setCurrentText("destroy");
    form->EditButtonClick();
    EXPECT_EQ(boxes.Texts(), QStringList({"Rule Protocol must be chosed."}));
    EXPECT_TRUE(sim().sets().empty());
}

TEST_F(CpuRules, Ipv6ChecksHandOversAndByteExactAddresses)
{
    auto form = Open<TCPUIPv6RuleForm>();
    {
        VnMessageBoxCapture boxes;
        Select(*form, "1.1");
        Combo(*form, "cbxRowStatus")->setCurrentText("createAndGo");
        form->EditButtonClick();
        Select(*form, "2.7");
        Check(*form, {"ckClass"});
        Edit(*form, "edtClass")->clear();
        Combo(*form, "cbxRowStatus")->setCurrentText("active");
        form->EditButtonClick();
        EXPECT_EQ(boxes.Texts(),
                  QStringList({"Has already a record with the same IPv6 Rule ID and Access ID. Please change eithor of "
                               "them.",
                               "Class should not be null."}));
        EXPECT_TRUE(sim().sets().empty());
        EXPECT_TRUE(EditorEmpty(*form));
    }
    Edit(*form, "edtIPv6ProfileID")->setText("3");
    Edit(*form, "edtIPv6AccessID")->setText("100");
    Check(*form, {"ckFlowLabel", "ckIPv6SrcAdd", "ckIPv6DstAdd", "ckPermit"});
    Edit(*form, "edtFlowLabel")->setText("0001abcd");
    Edit(*form, "edtIPv6SrcAddr")->setText("fe80000000000000020000fffe000001");
    Edit(*form, "edtIPv6DstAddr")->setText("FF020000000000000000000000010002");
    Combo(*form, "cbxPermit")->setCurrentText("deny");
    Combo(*form, "cbxRowStatus")->setCurrentText("createAndGo");
    form->AddButtonClick();
    EXPECT_EQ(OnlySet(kIpv6), (std::vector<std::string>{"4.3.100=0001ABCD", "5.3.100=FE80000000000000020000FFFE000001",
                                                        "6.3.100=FF020000000000000000000000010002", "7.3.100=1",
                                                        "8.3.100=4"}));

    // Destroy hands Edit to Delete, its box unchecked or not.
    sim().clearSets();
    Select(*form, "2.7");
    Combo(*form, "cbxRowStatus")->setCurrentText("destroy");
    form->EditButtonClick();
    EXPECT_EQ(OnlySet(kIpv6), std::vector<std::string>{"8.2.7=6"});
    EXPECT_EQ(Keys(*form), QStringList({"1.1", "3.100"}));
}

TEST_F(CpuRules, UserDefinedOffsetsArriveByteExact)
{
    auto form = Open<TCPUUserDefinedInformationRuleForm>();
    Select(*form, "1.1");
    form->CheckAllClick();
    Edit(*form, "OffsetGroupFifthEdit")->setText("0102030405060708090a0b0c0d0e0f10");
    form->EditButtonClick();
    const std::string zero(32, '0');
    EXPECT_EQ(OnlySet(kUser),
              (std::vector<std::string>{"3.1.1=AABBCCDDEEFF00112233445566778899", "4.1.1=" + zero, "5.1.1=" + zero,
                                        "6.1.1=" + zero, "7.1.1=0102030405060708090A0B0C0D0E0F10", "8.1.1=1",
                                        "9.1.1=1"}));
}

}  // namespace
