// A row whose instance does not decode exactly for its table's index is
// listed but never written. In every dialog family the status line says
// why as soon as the row is clicked, and again when a command is pressed
// for it; nothing is sent and no edit form opens.
#include <QDir>
#include <QPlainTextEdit>
#include <QTreeWidget>

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "Cpuethernetinformationruleunit.h"
#include "Cpuipruleunit.h"
#include "Cpuipv6ruleunit.h"
#include "Cpuuserdefinedruleunit.h"
#include "Ethernetinformationruleunit.h"
#include "Ifxuseunit.h"
#include "Ipmacmapunit.h"
#include "Ipruleunit.h"
#include "Ipv6ruleunit.h"
#include "Md5infortable.h"
#include "Multicastforwardingformunit.h"
#include "Userdefinedruleunit.h"
#include "VnMessageBox.h"
#include "VnStatusOutput.h"
#include "dialog_test_support.h"
#include "mgmt_test_support.h"

using namespace dialogtest;

namespace {

// What the form says last: its memo's last line, else its status bar's line.
QString LastWord(const TDialogBase& form)
{
    if (const auto* memo = form.findChild<QPlainTextEdit*>())
        return MemoLines(memo).value(MemoLines(memo).size() - 1);
    if (const auto* bar = form.findChild<VnStatusBar*>())
        return bar->StatusLine();
    return {};
}

bool SelectMalformed(QTreeWidget* list)
{
    for (int row = 0; row < list->topLevelItemCount(); ++row) {
        QTreeWidgetItem* item = list->topLevelItem(row);
        for (int column = 0; column < list->columnCount(); ++column) {
            if (item->text(column).endsWith("(malformed instance)")) {
                list->setCurrentItem(item);
                return true;
            }
        }
    }
    return false;
}

// Row `to` of a table: a copy of row `from`, cell by cell.
void CopyRow(SimSwitch& sim, const std::string& entry, int lastColumn, const std::string& from,
             const std::string& to)
{
    for (int column = 1; column <= lastColumn; ++column) {
        const std::string prefix = entry + "." + std::to_string(column) + ".";
        if (const auto cell = sim.get(prefix + from))
            sim.set(prefix + to, cell->type, cell->value);
    }
}

// A command pressed: its form, and whether an edit form showed for it.
using Press = std::function<bool(TDialogBase&)>;

struct Case {
    const char* name;
    const char* dataFile;
    std::string entry;  // the table's entry
    int lastColumn;
    std::string from;  // a listed row
    std::string malformed;
    std::function<std::unique_ptr<TDialogBase>()> open;
    std::function<QTreeWidget*(TDialogBase&)> list;
    std::vector<std::pair<const char*, Press>> commands;
};

template <typename Form>
std::function<std::unique_ptr<TDialogBase>()> Opener()
{
    return [] { return std::unique_ptr<TDialogBase>(std::make_unique<Form>(nullptr, Context())); };
}

template <typename Form>
std::function<QTreeWidget*(TDialogBase&)> ListOf(QTreeWidget* Form::*member)
{
    return [member](TDialogBase& form) { return static_cast<Form&>(form).*member; };
}

// A command of the form; none shows an edit form.
template <typename Form>
Press Command(void (Form::*handler)())
{
    return [handler](TDialogBase& form) {
        (static_cast<Form&>(form).*handler)();
        return false;
    };
}

// A command that would show `editForm` modally; whether it did.
template <typename Form, typename Edit>
Press EditCommand(void (Form::*handler)(), Edit*& editForm)
{
    return [handler, &editForm](TDialogBase& form) {
        return mgmttest::WhileShown(editForm, [&] { (static_cast<Form&>(form).*handler)(); });
    };
}

template <typename Form>
Case RuleCase(const char* name, const std::string& table)
{
    return {name,
            "dialogs-acl.sim",
            "1.3.6.1.4.1.88406.12.9." + table,
            22,
            "1.1",
            "1.1.9",
            Opener<Form>(),
            ListOf<TRuleDialogBase>(&TRuleDialogBase::ListView1),
            {{"Edit", Command<TRuleDialogBase>(&TRuleDialogBase::EditButtonClick)},
             {"Delete", Command<TRuleDialogBase>(&TRuleDialogBase::DeleteButtonClick)}}};
}

std::vector<Case> Cases()
{
    return {
        RuleCase<TEthernetInformationRuleForm>("Ethernet rules", "3.1.1"),
        RuleCase<TIPRuleForm>("IPv4 rules", "3.2.1"),
        RuleCase<TUserDefinedInformationRuleForm>("user-defined rules", "3.3.1"),
        RuleCase<TIPv6RuleForm>("IPv6 rules", "3.4.1"),
        RuleCase<TCPUEthernetInformationRuleForm>("CPU Ethernet rules", "5.1.1"),
        RuleCase<TCPUIPRuleForm>("CPU IPv4 rules", "5.2.1"),
        RuleCase<TCPUUserDefinedInformationRuleForm>("CPU user-defined rules", "5.3.1"),
        RuleCase<TCPUIPv6RuleForm>("CPU IPv6 rules", "5.4.1"),
        {"MD5 keys",
         "dialogs-mgmt2.sim",
         "1.3.6.1.4.1.88406.11.59.5.3.4.1",
         3,
         "7",
         "7.9",
         Opener<TMd5InformationForm>(),
         ListOf<TMd5InformationForm>(&TMd5InformationForm::ListView1),
         {{"Edit", EditCommand<TMd5InformationForm>(&TMd5InformationForm::EditButtonClick, Md5EditForm)},
          {"Delete", Command<TMd5InformationForm>(&TMd5InformationForm::DeleteButtonClick)}}},
        {"interface aliases",
         "dialogs-mgmt2.sim",
         "1.3.6.1.2.1.31.1.1.1",
         19,
         "3",
         "3.9",
         Opener<TIfxForm>(),
         ListOf<TIfxForm>(&TIfxForm::lvIfxInformation),
         {{"Edit", EditCommand<TIfxForm>(&TIfxForm::EditSelectedInterface, IfxEditForm)}}},
        {"IP-MAC map",
         "dialogs-mgmt.sim",
         "1.3.6.1.4.1.88406.11.59.5.3.2.6.1.1",
         2,
         "3",
         "3.9",
         Opener<TIPMACMapForm>(),
         ListOf<TIPMACMapForm>(&TIPMACMapForm::lvData),
         {{"Edit", EditCommand<TIPMACMapForm>(&TIPMACMapForm::OpenEditForm, IPMACMapEditForm)}}},
        {"forward unregistered",
         "dialogs-qbridge.sim",
         "1.3.6.1.2.1.17.7.1.2.5.1",
         3,
         "1",
         "1.9",
         Opener<TForwardUnregisteredInformationForm>(),
         ListOf<TForwardingForm>(&TForwardingForm::ListView),
         {{"Set", Command<TForwardingForm>(&TForwardingForm::SetBtnClick)}}},
    };
}

class UnwritableRows : public SessionSwitchTest {
protected:
    UnwritableRows() : SessionSwitchTest("dialogs-vlan.sim") {}
};

TEST_F(UnwritableRows, TheStatusLineSaysWhyAtTheClickAndAtEveryCommand)
{
    for (const Case& c : Cases()) {
        SCOPED_TRACE(c.name);
        sim_ = std::make_unique<SimSwitch>(withDataFile(c.dataFile));
        AimDefaults(port());
        CopyRow(sim(), c.entry, c.lastColumn, c.from, c.malformed);
        VnMessageBoxCapture boxes;
        std::unique_ptr<TDialogBase> form = c.open();
        form->show();
        ASSERT_TRUE(WaitIdle(*form));
        const QString instance = QString::fromStdString("instance " + c.malformed + " ");

        ASSERT_TRUE(SelectMalformed(c.list(*form)));
        EXPECT_TRUE(LastWord(*form).contains(instance)) << LastWord(*form).toStdString();
        EXPECT_TRUE(LastWord(*form).endsWith("it cannot be changed here.")) << LastWord(*form).toStdString();
        EXPECT_TRUE(boxes.Texts().isEmpty()) << "a click is answered on the status line only";
        if (const QString folder = qEnvironmentVariable("VN_SCREENSHOT_DIR"); !folder.isEmpty()) {
            RunEvents(50);
            const QString file = "unwritable-row-" + QString(c.name).replace(' ', '-') + ".png";
            EXPECT_TRUE(form->grab().save(QDir(folder).filePath(file)));
        }

        for (const auto& [command, press] : c.commands) {
            SCOPED_TRACE(command);
            boxes.Clear();
            ASSERT_TRUE(SelectMalformed(c.list(*form)));
            EXPECT_FALSE(press(*form)) << "no edit form for a row that cannot be changed";
            ASSERT_TRUE(WaitIdle(*form));
            EXPECT_TRUE(SetRecord().empty());
            EXPECT_TRUE(LastWord(*form).contains(instance)) << LastWord(*form).toStdString();
            EXPECT_TRUE(LastWord(*form).contains("Nothing sent")) << LastWord(*form).toStdString();
            ASSERT_EQ(boxes.Texts().size(), 1);
            EXPECT_TRUE(boxes.Texts()[0].contains(instance)) << boxes.Texts()[0].toStdString();
        }
        form.reset();
    }
}

}  // namespace
