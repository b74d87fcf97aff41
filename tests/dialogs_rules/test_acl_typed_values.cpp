// What the access-profile dialogs make of typed keys and hex values: an
// Add never lands on a listed rule however its IDs are written, and a mask,
// a chunk or an address goes out with the number of bytes its column has,
// or not at all.
#include <QPushButton>

#include <functional>

#include "Cpuethernetinformationruleunit.h"
#include "Cpuipmaskinformationformunit.h"
#include "Cpuipruleunit.h"
#include "Cpuipv6maskinformationunit.h"
#include "Cpuipv6ruleunit.h"
#include "Cpuuserdefinedruleunit.h"
#include "Cpuusermaskinforunit.h"
#include "Ethernetinformationruleunit.h"
#include "Ipmaskinformationformunit.h"
#include "Ipruleunit.h"
#include "Ipv6maskinformationunit.h"
#include "Ipv6ruleunit.h"
#include "Userdefinedruleunit.h"
#include "Usermaskinforunit.h"
#include "VnMessageBox.h"
#include "rules_test_support.h"

using namespace ruletest;

namespace {

class AclTypedValues : public RuleSwitchTest {
protected:
    using Opener = std::function<std::unique_ptr<TDialogBase>()>;

    template <typename Form>
    Opener Opens()
    {
        return [this]() -> std::unique_ptr<TDialogBase> { return Open<Form>(); };
    }

    // The eight rule dialogs.
    std::vector<std::pair<const char*, Opener>> RuleDialogs()
    {
        return {{"port Ethernet", Opens<TEthernetInformationRuleForm>()},
                {"port IPv4", Opens<TIPRuleForm>()},
                {"port IPv6", Opens<TIPv6RuleForm>()},
                {"port user-defined", Opens<TUserDefinedInformationRuleForm>()},
                {"CPU Ethernet", Opens<TCPUEthernetInformationRuleForm>()},
                {"CPU IPv4", Opens<TCPUIPRuleForm>()},
                {"CPU IPv6", Opens<TCPUIPv6RuleForm>()},
                {"CPU user-defined", Opens<TCPUUserDefinedInformationRuleForm>()}};
    }

    static void Type(QWidget& form, const char* name, const QString& text)
    {
        if (QLineEdit* edit = Edit(form, name))
            edit->setText(text);
    }
    static void Choose(QWidget& form, const char* name, int entry)
    {
        if (QComboBox* combo = Combo(form, name))
            combo->setCurrentIndex(entry);
    }
    static void Click(QWidget& form, const char* name)
    {
        auto* button = form.findChild<QPushButton*>(name);
        ASSERT_NE(button, nullptr) << name;
        button->click();
    }
};

// Rule 1.1 with its IDs written as the set would still read them: the Add
// must find the listed rule, also with the row status "active" and its box
// unticked, where the set would otherwise change that rule.
TEST_F(AclTypedValues, ARuleAddRefusesEveryWritingOfAListedKey)
{
    struct Variant {
        const char* what;
        QString mask;    // "%1": the listed mask ID
        QString access;  // "%1": the listed access ID
    };
    const Variant variants[] = {
        {"a leading zero on the mask ID", "0%1", "%1"},
        {"leading zeros on the access ID", "%1", "00%1"},
        {"leading zeros on both", "0%1", "0%1"},
        {"a blank before the mask ID", " %1", "%1"},
        {"a plus sign", "+%1", "+%1"},
    };
    for (const auto& [name, open] : RuleDialogs()) {
        SCOPED_TRACE(name);
        auto form = open();
        auto* rules = dynamic_cast<TRuleDialogBase*>(form.get());
        ASSERT_NE(rules, nullptr);
        ASSERT_GT(rules->ListView1->topLevelItemCount(), 0);
        const QTreeWidgetItem* listed = rules->ListView1->topLevelItem(0);
        const QString mask = listed->text(0);
        const QString access = listed->text(1);
        QLineEdit* maskField = rules->EditOf(0);
        QLineEdit* accessField = rules->EditOf(1);
        ASSERT_TRUE(maskField && accessField);
        for (const Variant& v : variants) {
            SCOPED_TRACE(v.what);
            VnMessageBoxCapture boxes;
            maskField->setText(v.mask.arg(mask));
            accessField->setText(v.access.arg(access));
            rules->ComboOf(rules->Shape().columns.rowStatus)->setCurrentText("active");
            rules->BoxOf(rules->Shape().columns.rowStatus)->setChecked(false);
            rules->AddButtonClick();
            ASSERT_TRUE(dialogtest::WaitIdle(*rules));
            EXPECT_TRUE(sim().sets().empty());
            EXPECT_EQ(boxes.Texts(), QStringList{rules->Shape().duplicate});
            rules->ClearEditor();
        }
    }
}

struct SizeCase {
    const char* what;
    std::function<std::unique_ptr<TDialogBase>()> open;
    std::function<void(QWidget&)> prepare;
    const char* command;  // the button that sends
    QString message;
};

// Each field whose column has a size, typed with another: one message that
// names the field and its size, nothing sent, the status line says so.
TEST_F(AclTypedValues, HexFieldsOfAFixedSizeRefuseAnyOther)
{
    const auto ipv4Mask = [](const char* field, int protocol, const QString& text) {
        return [=](QWidget& f) {
            Type(f, "IPIDEdit", "5");
            Choose(f, "UseProTypeComBo", protocol);
            Choose(f, "TCPOptionComBo", 2);  // src-addr: the source port mask goes out
            Choose(f, "ProOptionComBo", 0);  // enable: the protocol ID mask goes out
            Type(f, field, text);
        };
    };
    const auto ipv6Mask = [](QWidget& f) {
        Type(f, "edtIPv6MaskID", "5");
        Choose(f, "cbxClass", 0);
        Choose(f, "cbxFlowLabel", 0);
        Choose(f, "cbxIPv6MaskState", 2);  // src-IPV6-addr
        Choose(f, "cbxRowStatus", 1);
        Type(f, "edtIPv6SrcMask", "FFFF");
    };
    const auto userMask = [](QWidget& f) {
        Type(f, "Edit1", "6");
        Choose(f, "ComboBox1", 1);
        Type(f, "Edit5", "FF");
    };
    // A new rule 7.77 with one field ticked and typed.
    const auto rule = [](const char* idField, const char* accessField, const char* box, const char* field,
                         const QString& text) {
        return [=](QWidget& f) {
            Type(f, idField, "7");
            Type(f, accessField, "77");
            Check(f, {box});
            Type(f, field, text);
        };
    };
    const QString port = "TCP or UDP Srouce Port Mask: 'FF' is not 2 bytes (4 hex digits).";
    const QString protocolId = "Protocol ID Mask: 'FFFF' is not 4 bytes (8 hex digits).";
    const QString ipv6Address = "IPv6 Source Address: 'FF' is not 16 bytes (32 hex digits).";
    const QString chunk = "Packet(s) Offset [0 to 15]: '00FF' is not 16 bytes (32 hex digits).";
    const QString userMask4 = "User Mask: 'FF' is not 4 bytes (8 hex digits).";
    const std::vector<SizeCase> cases = {
        {"port IPv4 mask, port mask", Opens<TIPv4MaskInformationForm>(), ipv4Mask("TCPUDPSrcMaskEdit", 3, "FF"),
         "BT_Add", port},
        {"CPU IPv4 mask, port mask of 3 bytes", Opens<TCPUIPMaskInformationForm>(),
         ipv4Mask("TCPUDPSrcMaskEdit", 3, "FFFFFF"), "BT_Add",
         "TCP or UDP Srouce Port Mask: 'FFFFFF' is not 2 bytes (4 hex digits)."},
        {"port IPv4 mask, protocol ID mask", Opens<TIPv4MaskInformationForm>(),
         ipv4Mask("ProIDMaskEdit", 5, "FFFF"), "BT_Add", protocolId},
        {"CPU IPv4 mask, protocol ID mask", Opens<TCPUIPMaskInformationForm>(),
         ipv4Mask("ProIDMaskEdit", 5, "FFFF"), "BT_Add", protocolId},
        {"port IPv4 mask, eight characters but three bytes with blanks", Opens<TIPv4MaskInformationForm>(),
         ipv4Mask("ProIDMaskEdit", 5, "FF FF FF"), "BT_Add",
         "Protocol ID Mask: 'FF FF FF' is not 4 bytes (8 hex digits)."},
        {"port IPv6 mask", Opens<TIPv6MaskInformationForm>(), ipv6Mask, "btnAdd",
         "IPv6 Source Address Mask: 'FFFF' is not 16 bytes (32 hex digits)."},
        {"CPU IPv6 mask", Opens<TCPUIPv6MaskInformationForm>(), ipv6Mask, "btnAdd",
         "IPv6 Source Address Mask: 'FFFF' is not 16 bytes (32 hex digits)."},
        {"port user-defined mask", Opens<TUserMaskInfoForm>(), userMask, "AddButton",
         "Filtered Port(s) [0 to 15]: 'FF' is not 16 bytes (32 hex digits)."},
        {"CPU user-defined mask", Opens<TCPUUserMaskInfoForm>(), userMask, "AddButton",
         "Filtered Port(s) [0 to 15]: 'FF' is not 16 bytes (32 hex digits)."},
        {"port Ethernet rule, Ethernet type", Opens<TEthernetInformationRuleForm>(),
         rule("MaskIDEdit", "AccessEdit", "cbxEtherType", "EthTypeEdit", "800"), "AddButton",
         "Ethernet Type Rule: '800' is not 2 bytes (4 hex digits)."},
        {"CPU Ethernet rule, Ethernet type ticked and empty", Opens<TCPUEthernetInformationRuleForm>(),
         rule("MaskIDEdit", "AccessEdit", "cbxEtherType", "EthTypeEdit", ""), "AddButton",
         "Ethernet Type Rule: '' is not 2 bytes (4 hex digits)."},
        {"port IPv4 rule, user mask", Opens<TIPRuleForm>(),
         rule("IPRuleEdit", "AccessIDEdit", "cbxUserMask", "UserMaskEdit", "FF"), "AddButton", userMask4},
        {"CPU IPv4 rule, user mask", Opens<TCPUIPRuleForm>(),
         rule("IPRuleEdit", "AccessIDEdit", "cbxUserMask", "UserMaskEdit", "FF"), "AddButton", userMask4},
        {"port IPv6 rule, source address", Opens<TIPv6RuleForm>(),
         rule("edtIPv6ProfileID", "edtIPv6AccessID", "ckIPv6SrcAdd", "edtIPv6SrcAddr", "FF"), "AddButton",
         ipv6Address},
        {"CPU IPv6 rule, source address", Opens<TCPUIPv6RuleForm>(),
         rule("edtIPv6ProfileID", "edtIPv6AccessID", "ckIPv6SrcAdd", "edtIPv6SrcAddr", "FF"), "AddButton",
         ipv6Address},
        {"CPU IPv6 rule, flow label past its 4 bytes", Opens<TCPUIPv6RuleForm>(),
         rule("edtIPv6ProfileID", "edtIPv6AccessID", "ckFlowLabel", "edtFlowLabel", "0102030405"), "AddButton",
         "Flow Label: '0102030405' is more than 4 bytes (8 hex digits)."},
        {"port user-defined rule, a chunk", Opens<TUserDefinedInformationRuleForm>(),
         rule("ProfileIDEdit", "AccessIDEdit", "cbxGroupFirst", "OffsetGroupFirstEdit", "00FF"), "AddButton",
         chunk},
        {"CPU user-defined rule, a chunk edited on a listed rule", Opens<TCPUUserDefinedInformationRuleForm>(),
         [](QWidget& f) {
             auto& rules = dynamic_cast<TRuleDialogBase&>(f);
             rules.ListView1->setCurrentItem(rules.ListView1->topLevelItem(0));
             Check(f, {"cbxGroupFirst"});
             Type(f, "OffsetGroupFirstEdit", "00FF");
         },
         "EditButton", chunk},
    };
    for (const SizeCase& c : cases) {
        SCOPED_TRACE(c.what);
        sim().clearSets();
        auto form = c.open();
        VnMessageBoxCapture boxes;
        c.prepare(*form);
        Click(*form, c.command);
        ASSERT_TRUE(dialogtest::WaitIdle(*form));
        EXPECT_TRUE(sim().sets().empty());
        EXPECT_EQ(boxes.Texts(), QStringList{c.message});
        const auto* bar = form->findChild<VnStatusBar*>("StatusBar1");
        ASSERT_NE(bar, nullptr);
        EXPECT_TRUE(bar->StatusLine().contains(kVnNothingSentText)) << bar->StatusLine().toStdString();
    }
}

// The sizes that fit go out as typed.
TEST_F(AclTypedValues, HexFieldsOfTheirSizeAreSent)
{
    auto form = Open<TCPUIPv6RuleForm>();
    Type(*form, "edtIPv6ProfileID", "7");
    Type(*form, "edtIPv6AccessID", "77");
    Check(*form, {"ckFlowLabel", "ckIPv6DstAdd"});
    Type(*form, "edtFlowLabel", "0ABC");
    Type(*form, "edtIPv6DstAddr", "FE800000000000000000000000000001");
    form->AddButtonClick();
    ASSERT_TRUE(dialogtest::WaitIdle(*form));
    EXPECT_EQ(OnlySet("1.3.6.1.4.1.88406.12.9.5.4.1"),
              (std::vector<std::string>{"4.7.77=0ABC", "6.7.77=FE800000000000000000000000000001", "8.7.77=4"}));
}

}  // namespace
