// The send boxes of the rule dialogs: what the user types or chooses in a
// field ticks its box and goes out; what the program fills in (a row
// click, a refresh) ticks nothing, and a box the user unticks stays out.
#include <QTest>

#include <functional>

#include "Cpuethernetinformationruleunit.h"
#include "Cpuipruleunit.h"
#include "Cpuipv6ruleunit.h"
#include "Cpuuserdefinedruleunit.h"
#include "Ethernetinformationruleunit.h"
#include "Ipruleunit.h"
#include "Ipv6ruleunit.h"
#include "Userdefinedruleunit.h"
#include "rules_test_support.h"

using namespace ruletest;
using dialogtest::WaitIdle;

namespace {

const std::string kEthernet = "1.3.6.1.4.1.88406.12.9.3.1.1";
const std::string kCpuIpv6 = "1.3.6.1.4.1.88406.12.9.5.4.1";

using RuleSendBoxes = RuleSwitchTest;

// As the user does it: keys into an edit, an entry picked from a list.
void Types(QWidget& form, const char* name, const QString& text)
{
    auto* edit = form.findChild<QLineEdit*>(name);
    ASSERT_NE(edit, nullptr) << name;
    edit->selectAll();
    QTest::keyClicks(edit, text);
}

void Picks(QWidget& form, const char* name, const QString& entry)
{
    auto* combo = form.findChild<QComboBox*>(name);
    ASSERT_NE(combo, nullptr) << name;
    const int index = combo->findText(entry);
    ASSERT_GE(index, 0) << entry.toStdString();
    combo->setCurrentIndex(index);
    emit combo->activated(index);
}

QStringList Ticked(const TRuleDialogBase& form)
{
    QStringList names;
    for (const QCheckBox* box : form.findChildren<QCheckBox*>()) {
        if (box->isChecked() && !box->objectName().isEmpty())
            names << box->objectName();
    }
    return names;
}

template <typename Form>
std::unique_ptr<TRuleDialogBase> OpenRule()
{
    return std::make_unique<Form>(nullptr, dialogtest::Context());
}

struct Case {
    const char* what;
    std::function<void(TRuleDialogBase&)> user;
    bool edit;  // Edit of rule 1.1, else Add
    std::vector<std::string> sent;
};

TEST_F(RuleSendBoxes, PortRulesSendWhatTheUserTypedChoseAndTicked)
{
    const std::string port11 = Ports({{0, 0x80}});
    const std::vector<Case> cases = {
        {"a new deny rule for a destination MAC on one port",
         [](TRuleDialogBase& f) {
             Types(f, "MaskIDEdit", "4");
             Types(f, "AccessEdit", "4");
             Types(f, "DestMACEdit", "00AABBCCDDEE");
             Picks(f, "PermitComboBox", "deny");
             QTest::mouseClick(f.PortGrid->Box(1, 1), Qt::LeftButton);
         },
         false, {"5.4.4=00AABBCCDDEE", "13.4.4=1", "14.4.4=" + port11, "15.4.4=4"}},
        {"a listed rule's VLAN typed over",
         [](TRuleDialogBase& f) { Types(f, "VlanRuleEdit", "lab"); }, true,
         {"3.1.1=" + Hex("lab"), "14.1.1=" + Ports({{0, 0xC0}, {16, 0x08}})}},
        {"a field typed, then its box unticked by the user",
         [](TRuleDialogBase& f) {
             Types(f, "VlanRuleEdit", "lab");
             Types(f, "EthTypeEdit", "86DD");
             QTest::mouseClick(Box(f, "cbxVlan"), Qt::LeftButton);
         },
         true, {"7.1.1=86DD", "14.1.1=" + Ports({{0, 0xC0}, {16, 0x08}})}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        sim().clearSets();
        auto form = Open<TEthernetInformationRuleForm>();
        if (c.edit) {
            Select(*form, "1.1");
            // The row's values came from the program: no box is ticked.
            EXPECT_EQ(Ticked(*form), QStringList{});
        }
        c.user(*form);
        if (c.edit)
            form->EditButtonClick();
        else
            form->AddButtonClick();
        ASSERT_TRUE(WaitIdle(*form));
        EXPECT_EQ(OnlySet(kEthernet), c.sent);
    }
}

TEST_F(RuleSendBoxes, CpuRulesSendWhatTheUserTypedAndChose)
{
    auto form = Open<TCPUIPv6RuleForm>();
    Select(*form, "1.1");
    EXPECT_EQ(Ticked(*form), QStringList{});
    form->GetButtonClick();
    EXPECT_EQ(Ticked(*form), QStringList{});
    Types(*form, "edtIPv6ProfileID", "7");
    Types(*form, "edtIPv6AccessID", "77");
    Types(*form, "edtClass", "9");
    Types(*form, "edtIPv6SrcAddr", "FE800000000000000000000000000001");
    Picks(*form, "cbxPermit", "deny");
    Picks(*form, "cbxRowStatus", "createAndGo");
    EXPECT_EQ(Ticked(*form), QStringList({"ckClass", "ckIPv6SrcAdd", "ckPermit", "ckRowStatus"}));
    form->AddButtonClick();
    EXPECT_EQ(OnlySet(kCpuIpv6),
              (std::vector<std::string>{"3.7.77=9", "5.7.77=FE800000000000000000000000000001", "7.7.77=1", "8.7.77=4"}));
}

// A box the user ticked on one rule says nothing about the next rule
// clicked: its fields show what the switch holds, so Edit must not write
// any of it back unasked.
TEST_F(RuleSendBoxes, ARowClickUnticksTheBoxesOfTheRuleBefore)
{
    struct Dialog {
        const char* name;
        std::string entry;  // the rule table's entry
        std::unique_ptr<TRuleDialogBase> (*open)();
        const char* box;  // of the rule's first field, column 3
    };
    const std::string acl = "1.3.6.1.4.1.88406.12.9.";
    const Dialog dialogs[] = {
        {"Ethernet", acl + "3.1.1", OpenRule<TEthernetInformationRuleForm>, "cbxVlan"},
        {"IPv4", acl + "3.2.1", OpenRule<TIPRuleForm>, "cbxVlan"},
        {"user-defined", acl + "3.3.1", OpenRule<TUserDefinedInformationRuleForm>, "cbxGroupFirst"},
        {"IPv6", acl + "3.4.1", OpenRule<TIPv6RuleForm>, "ckClass"},
        {"CPU Ethernet", acl + "5.1.1", OpenRule<TCPUEthernetInformationRuleForm>, "cbxVlan"},
        {"CPU IPv4", acl + "5.2.1", OpenRule<TCPUIPRuleForm>, "cbxVlan"},
        {"CPU user-defined", acl + "5.3.1", OpenRule<TCPUUserDefinedInformationRuleForm>, "cbxGroupFirst"},
        {"CPU IPv6", acl + "5.4.1", OpenRule<TCPUIPv6RuleForm>, "ckClass"},
    };
    for (const Dialog& d : dialogs) {
        SCOPED_TRACE(d.name);
        // Rule 1.9: a copy of rule 1.1, cell by cell.
        for (int column = 3; column <= 30; ++column) {
            const std::string prefix = d.entry + "." + std::to_string(column) + ".";
            if (const auto cell = sim().get(prefix + "1.1"))
                sim().set(prefix + "1.9", cell->type, cell->value);
        }
        auto form = d.open();
        form->show();
        ASSERT_TRUE(WaitIdle(*form));
        Select(*form, "1.1");
        QTest::mouseClick(Box(*form, d.box), Qt::LeftButton);
        ASSERT_EQ(Ticked(*form), QStringList({d.box})) << "ticked by the user on rule 1.1";
        Select(*form, "1.9");
        EXPECT_EQ(Ticked(*form), QStringList{}) << "rule 1.9 shows the switch's values";
        sim().clearSets();
        form->EditButtonClick();
        ASSERT_TRUE(WaitIdle(*form));
        for (const auto& pdu : SetRecord()) {
            for (const std::string& vb : pdu)
                EXPECT_EQ(vb.rfind(d.entry + ".3.", 0), std::string::npos) << vb << " was never asked for";
        }
    }
}

}  // namespace
