// A set the agent refuses, in one dialog of each family: the status bar
// says so in words and nothing in it says "Ok", also where the dialog
// reads its list again after the set. The switch received the set once.
#include <QDir>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTreeWidget>

#include <functional>
#include <memory>
#include <string>

#include "Cpuethernetinformationruleunit.h"
#include "Ethernetmaskinformationformunit.h"
#include "Methodlistformunit.h"
#include "Porttrunk.h"
#include "Protcolvlanunit.h"
#include "VnMessageBox.h"
#include "VnMessages.h"
#include "VnStatusOutput.h"
#include "Vlanstaticformunit.h"
#include "dialog_test_support.h"

using namespace dialogtest;

namespace {

constexpr const char* kWrongValue = "(SNMP) Cannot create/set variable, Wrong Value!";

void SelectFirstRow(QTreeWidget* list)
{
    ASSERT_GT(list->topLevelItemCount(), 0);
    list->setCurrentItem(list->topLevelItem(0));
}

// Every text of the form's status bars (panels and line) and the memo
// lines written since `memoLinesBefore`.
QString StatusText(const TDialogBase& form, int memoLinesBefore)
{
    QStringList parts;
    for (const VnStatusBar* bar : form.findChildren<VnStatusBar*>()) {
        for (int i = 0; i < bar->PanelCount(); ++i)
            parts << bar->Panel(i)->Text();
        parts << bar->StatusLine();
    }
    for (const QPlainTextEdit* memo : form.findChildren<QPlainTextEdit*>())
        parts << MemoLines(memo).mid(memoLinesBefore);
    parts.removeAll(QString());
    return parts.join(" | ");
}

int MemoLineCount(const TDialogBase& form)
{
    const QPlainTextEdit* memo = form.findChild<QPlainTextEdit*>();
    return memo ? static_cast<int>(MemoLines(memo).size()) : 0;
}

struct Case {
    const char* name;
    const char* dataFile;
    const char* refused;  // the table whose sets the switch refuses
    std::function<std::unique_ptr<TDialogBase>()> open;
    std::function<void(TDialogBase&)> press;
};

template <typename Form>
std::function<std::unique_ptr<TDialogBase>()> Opener()
{
    return [] { return std::unique_ptr<TDialogBase>(std::make_unique<Form>(nullptr, Context())); };
}

template <typename Form>
std::function<void(TDialogBase&)> Press(std::function<void(Form&)> press)
{
    return [press](TDialogBase& form) { press(static_cast<Form&>(form)); };
}

const Case kCases[] = {
    {"protocol VLAN Delete (reads the list after a set)", "dialogs-ports.sim", "1.3.6.1.4.1.88406.12.16.1.1.1",
     Opener<TProtocolVlanForm>(), Press<TProtocolVlanForm>([](TProtocolVlanForm& f) {
         SelectFirstRow(f.ListView1);
         f.Delete->click();
     })},
    {"port trunk Delete (reads the list whatever the set did)", "dialogs-ports.sim",
     "1.3.6.1.4.1.88406.11.59.5.2.9.3.1", Opener<TPortTrunkForm>(), Press<TPortTrunkForm>([](TPortTrunkForm& f) {
         SelectFirstRow(f.LV_PortTrunk);
         f.BT_Delete->click();
     })},
    {"Ethernet mask Set (blocking, a line beside panel 0)", "dialogs-acl.sim", "1.3.6.1.4.1.88406.12.9.2.1",
     Opener<TEthernetMaskInformationForm>(),
     Press<TEthernetMaskInformationForm>([](TEthernetMaskInformationForm& f) {
         SelectFirstRow(f.ListView1);
         f.SetButton()->click();
     })},
    {"CPU Ethernet rule Delete (blocking)", "dialogs-acl.sim", "1.3.6.1.4.1.88406.12.9.5.1.1",
     Opener<TCPUEthernetInformationRuleForm>(),
     Press<TCPUEthernetInformationRuleForm>([](TCPUEthernetInformationRuleForm& f) {
         SelectFirstRow(f.ListView1);
         f.DeleteButtonClick();
     })},
    {"static VLAN Delete (asynchronous, a memo)", "dialogs-vlan.sim", "1.3.6.1.2.1.17.7.1.4.3.1",
     Opener<TVlanStaticForm>(), Press<TVlanStaticForm>([](TVlanStaticForm& f) {
         SelectFirstRow(f.LV_dot1qVlanStaticEntry);
         f.DeleteBtn->click();
     })},
    {"enable method list Delete (fields under the list)", "dialogs-mgmt.sim", "1.3.6.1.4.1.88406.12.5.4.1",
     Opener<TEnableMethodForm>(), Press<TEnableMethodForm>([](TEnableMethodForm& f) {
         SelectFirstRow(f.ListView1);
         f.DeleteButton->click();
     })},
};

class RefusedSets : public SessionSwitchTest {
protected:
    RefusedSets() : SessionSwitchTest("dialogs-vlan.sim") {}
};

TEST_F(RefusedSets, TheRefusalStandsWithNothingBesideItThatSaysOk)
{
    const QString ok = QString::fromStdString(VnErrorText(kVnOk));
    for (const Case& c : kCases) {
        SCOPED_TRACE(c.name);
        sim_ = std::make_unique<SimSwitch>(withDataFile(c.dataFile));
        AimDefaults(port());
        VnMessageBoxCapture boxes;
        std::unique_ptr<TDialogBase> form = c.open();
        form->show();
        ASSERT_TRUE(WaitIdle(*form));
        const int memoLines = MemoLineCount(*form);
        sim().error(c.refused, "wrongValue", "set");
        c.press(*form);
        ASSERT_TRUE(WaitIdle(*form));

        const auto sets = sim().sets();
        ASSERT_EQ(sets.size(), 1u);
        EXPECT_EQ(sets[0].status, "received");
        const QString status = StatusText(*form, memoLines);
        EXPECT_TRUE(status.contains(kWrongValue)) << status.toStdString();
        EXPECT_FALSE(status.contains(ok)) << status.toStdString();
        EXPECT_FALSE(status.contains("Ok")) << status.toStdString();
        // A picture for a person to look at, with VN_SCREENSHOT_DIR set.
        if (const QString folder = qEnvironmentVariable("VN_SCREENSHOT_DIR"); !folder.isEmpty()) {
            QDir().mkpath(folder);
            EXPECT_TRUE(form->grab().save(folder + "/refused_set_" + QString::number(&c - kCases) + ".png"));
        }
        form.reset();
    }
}

// A set that went through and the read after it: the read's line is added,
// the set's stays in view.
TEST_F(RefusedSets, AReadAfterASetThatWentThroughKeepsTheSetsLine)
{
    for (const Case& c : kCases) {
        SCOPED_TRACE(c.name);
        sim_ = std::make_unique<SimSwitch>(withDataFile(c.dataFile));
        AimDefaults(port());
        VnMessageBoxCapture boxes;
        std::unique_ptr<TDialogBase> form = c.open();
        form->show();
        ASSERT_TRUE(WaitIdle(*form));
        const int memoLines = MemoLineCount(*form);
        c.press(*form);
        ASSERT_TRUE(WaitIdle(*form));
        ASSERT_EQ(sim().sets().size(), 1u);
        const QString status = StatusText(*form, memoLines);
        EXPECT_TRUE(status.contains("Set: " + QString::fromStdString(VnErrorText(kVnOk)))) << status.toStdString();
        form.reset();
    }
}

}  // namespace
