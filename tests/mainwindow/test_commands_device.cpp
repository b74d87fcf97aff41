// The device, equipment, agent and time commands against the simulated
// switch: captions, columns, one refresh, a set, constraints and sizes.
#include <QAction>
#include <QComboBox>
#include <QCheckBox>
#include <QLineEdit>
#include <QPushButton>
#include <QTabWidget>
#include <QPointer>
#include <QTreeWidget>
#include <QtTest/QTest>

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <cxxabi.h>
#include <string>
#include <typeinfo>

#include "TCtrlBtnPanel.h"
#include "TEditsPanel.h"
#include "TListViewPanel.h"
#include "TSNMPListViewPanel.h"
#include "TSNMPPanel.h"
#include "VnCommandKinds.h"
#include "VnException.h"
#include "VnMainMenu.h"
#include "VnProcess.h"
#include "test_commands_support.h"

using namespace commandtest;

namespace {

TConfigForm* AsConfigForm(QWidget* window)
{
    auto* form = qobject_cast<TConfigForm*>(window);
    EXPECT_NE(form, nullptr) << "the modal window is no generic editor";
    return form;
}

// The panel of the form's first binder (a page form: of the page shown).
template <typename Panel>
Panel* PanelOf(QWidget* form)
{
    auto* panel = form->findChild<Panel*>();
    EXPECT_NE(panel, nullptr);
    return panel;
}

QString InputText(const _EditRow_s& row)
{
    if (auto* combo = qobject_cast<QComboBox*>(row.InputCtrl))
        return combo->currentText();
    if (auto* edit = qobject_cast<QLineEdit*>(row.InputCtrl))
        return edit->text();
    return "?";
}

QStringList RowTexts(const QTreeWidgetItem& row)
{
    QStringList texts;
    for (int c = 0; c < row.columnCount(); ++c)
        texts << row.text(c);
    return texts;
}

QStringList HeaderTexts(const QTreeWidget& list)
{
    QStringList texts;
    for (int c = 0; c < list.columnCount(); ++c)
        texts << list.headerItem()->text(c);
    return texts;
}

class DeviceCommands : public MainFormTest {};

TEST_F(DeviceCommands, AlarmControlReadsItsScalarsAndSetsTheTickedOne)
{
    Main().DialogTitle = "earlier";
    const bool shown = WithModal([&] { VnRunCommand(Main(), "AlarmControl1Click"); }, [&](QWidget* window) {
        TConfigForm* form = AsConfigForm(window);
        ASSERT_TRUE(form);
        EXPECT_EQ(form->windowTitle(), "Alarm Control: 127.0.0.1");
        EXPECT_EQ(Main().DialogTitle, "Alarm Control");
        // A window of its own that opens over the main window.
        EXPECT_EQ(form->parentWidget(), &Main());
        EXPECT_TRUE(form->isWindow());
        ASSERT_TRUE(WaitForRefresh(*form));
        auto* panel = PanelOf<TSNMPEditorPanel>(form);
        ASSERT_TRUE(panel);
        const auto& rows = panel->EditsPanel->Rows;
        ASSERT_GE(rows.size(), 3u);
        EXPECT_EQ(InputText(rows[0]), "enabled");
        EXPECT_EQ(InputText(rows[1]), "enabled");
        EXPECT_EQ(InputText(rows[2]), "disabled");

        // Link change alarm on, only its row ticked: one varbind goes out.
        qobject_cast<QComboBox*>(rows[2].InputCtrl)->setCurrentText("enabled");
        rows[2].CheckBox->setChecked(true);
        panel->SetCheckedBtnClick(panel->CtrlBtnPanel->SetCheckedBtn);
    });
    ASSERT_TRUE(shown);

    const auto pdus = sim().sets();
    ASSERT_EQ(pdus.size(), 1u);
    ASSERT_EQ(pdus[0].varbinds.size(), 1u);
    EXPECT_EQ(pdus[0].varbinds[0].oid, "1.3.6.1.4.1.88406.11.59.5.2.1.3.3.0");
    EXPECT_EQ(pdus[0].varbinds[0].value, "3");
    EXPECT_EQ(pdus[0].status, "applied");
    EXPECT_EQ(sim().get("1.3.6.1.4.1.88406.11.59.5.2.1.3.3.0")->value, "3");
    EXPECT_TRUE(Boxes().Texts().isEmpty()) << Boxes().Texts().join("|").toStdString();
}

struct TableCase {
    const char* command;
    const char* caption;
    QStringList columns;
    QStringList firstRow;
    int rows;
    const char* why;
};

const TableCase kTableCases[] = {
    {"UnitTable1Click", "Unit Table: 127.0.0.1",
     {"Unit ID", "State", "MAC Address", "Start Port Index", "Port Range", "Mgmt Current Mode", "Version",
      "ModuleName", "Prom Version", "Firmware Version", "Hardware Version", "Management Priority"},
     {"1", "exist", "001A2B3C4D01", "1", "24", "master", "1.0", "RQ-4024S", "1.00.002", "4.30.R09", "0A1", "16"},
     3, "a readable index column and option labels"},
    {"FanInformation1Click", "Fan Information: 127.0.0.1", {"Fan Unit Index", "Fan ID", "Fan Status"},
     {"1", "1", "working"}, 3, "two index columns that come from the instance only"},
    {"PowerTable1Click", "Power Table: 127.0.0.1", {"Power Unit Index", "Power ID", "Power Status"},
     {"1", "1", "working"}, 3, "a plain read-only table"},
    {"DeviceModuleInformation1Click", "Device Module Information: 127.0.0.1",
     {"Module ID", "Module Name", "Module Reversion", "Module Serial", "Module Description"},
     {"1", "-", "-", "-", "Empty slot"}, 2, "a not-accessible index"},
    {"MIBCapabilities1Click", "Mib Capabilities: 127.0.0.1", {"Index", "Description", "Version", "Type"},
     {"1", "RFC1213 MIB-II", "2", "standard"}, 4, "the title differs from the menu caption"},
    {"AgentSupportedUpdateFiles1Click", "Agent Supported Update Files: 127.0.0.1",
     {"File Index", "Description", "IP Address", "Transfer Type", "File Name", "File Type ", "Load Type",
      "increment[parameter just for download cfg-file]", "Image ID", "Status"},
     {"1", "Runtime image", "10.90.90.2", "network-load", "rq4024s_430.had", "runtime-code", "download", "false",
      "1", "inactive"},
     2, "a writable table walked as MVT_UMV"},
};

TEST_F(DeviceCommands, TableEditorsShowTheirColumnsAndRowsWithoutAddOrDelete)
{
    for (const TableCase& c : kTableCases) {
        SCOPED_TRACE(c.command);
        SCOPED_TRACE(c.why);
        const bool shown = WithModal([&] { VnRunCommand(Main(), c.command); }, [&](QWidget* window) {
            TConfigForm* form = AsConfigForm(window);
            ASSERT_TRUE(form);
            EXPECT_EQ(form->windowTitle(), c.caption);
            ASSERT_TRUE(WaitForRefresh(*form));
            auto* panel = PanelOf<TSNMPListViewPanel>(form);
            ASSERT_TRUE(panel);
            const QTreeWidget& list = *panel->ListViewPanel->ListView;
            EXPECT_EQ(HeaderTexts(list), c.columns);
            ASSERT_EQ(list.topLevelItemCount(), c.rows);
            EXPECT_EQ(RowTexts(*list.topLevelItem(0)), c.firstRow);
            EXPECT_TRUE(panel->CtrlBtnPanel->AddBtn->isHidden());
            EXPECT_TRUE(panel->CtrlBtnPanel->DeleteBtn->isHidden());
        });
        EXPECT_TRUE(shown);
    }
    EXPECT_TRUE(Boxes().Texts().isEmpty()) << Boxes().Texts().join("|").toStdString();
}

TEST_F(DeviceCommands, HiddenDeviceControlIsAPageFormThatStillWorks)
{
    QAction* action = VnMenuAction(Main(), "DeviceControl1");
    ASSERT_NE(action, nullptr);
    EXPECT_FALSE(action->isVisible());
    Main().DialogTitle = "earlier";

    const bool shown = WithModal([&] { action->trigger(); }, [&](QWidget* window) {
        TConfigForm* form = AsConfigForm(window);
        ASSERT_TRUE(form);
        EXPECT_EQ(form->windowTitle(), "Device Control: 127.0.0.1");
        EXPECT_EQ(Main().DialogTitle, "earlier") << "the page form leaves the title alone";
        EXPECT_EQ(form->parentWidget(), &Main());
        ASSERT_NE(form->PageControl(), nullptr);
        ASSERT_EQ(form->PageControl()->count(), 2);
        EXPECT_EQ(form->PageControl()->tabText(0), "Layer2 Control");
        EXPECT_EQ(form->PageControl()->tabText(1), "Layer3 Control");
        ASSERT_EQ(form->Requests().size(), 2u);

        ASSERT_TRUE(WaitForRefresh(*form));
        EXPECT_EQ(form->ActiveRequest(), form->Requests()[0].get());
        const VnSNMPVarList& layer2 = form->Requests()[0]->request.varList;
        EXPECT_EQ(layer2.Item(7).value, "enabled");  // telnet state
        EXPECT_EQ(layer2.Item(8).value, "23");       // telnet port

        form->PageControl()->setCurrentIndex(1);
        ASSERT_TRUE(WaitForRefresh(*form));
        EXPECT_EQ(form->ActiveRequest(), form->Requests()[1].get());
        EXPECT_EQ(form->Requests()[1]->request.varList.Item(5).value, "20");  // ARP aging
    });
    EXPECT_TRUE(shown);
    EXPECT_TRUE(Boxes().Texts().isEmpty()) << Boxes().Texts().join("|").toStdString();
}

struct RangeCase {
    const char* command;
    const char* caption;
    int row;
    const char* current;
    double minimum;
    double maximum;
    int maxLength;
    const char* refused;
    const char* message;
};

const RangeCase kRangeCases[] = {
    {"SystemTime1Click", "Current Time: 127.0.0.1", 4, "480", -779, 839, 4, "840",
     "Please enter a number between -779 and 839!"},
    {"NetworkTime1Click", "Network Time: 127.0.0.1", 4, "720", 30, 99999, 5, "29",
     "Please enter a number between 30 and 99999!"},
};

TEST_F(DeviceCommands, TimeEditorsRefuseValuesOutsideTheirRange)
{
    for (const RangeCase& c : kRangeCases) {
        SCOPED_TRACE(c.command);
        const bool shown = WithModal([&] { VnRunCommand(Main(), c.command); }, [&](QWidget* window) {
            TConfigForm* form = AsConfigForm(window);
            ASSERT_TRUE(form);
            EXPECT_EQ(form->windowTitle(), c.caption);
            ASSERT_TRUE(WaitForRefresh(*form));
            auto* panel = PanelOf<TSNMPEditorPanel>(form);
            ASSERT_TRUE(panel);
            auto* edit = qobject_cast<QLineEdit*>(panel->EditsPanel->Rows[c.row].InputCtrl);
            ASSERT_NE(edit, nullptr);
            EXPECT_EQ(edit->text(), c.current);
            _EditConstraint_s* record = form->Requests()[0]->Constraints().Find(edit);
            ASSERT_NE(record, nullptr);
            EXPECT_EQ(record->conversion, 'i');
            EXPECT_EQ(record->minimum, c.minimum);
            EXPECT_EQ(record->maximum, c.maximum);
            EXPECT_EQ(record->maxLength, c.maxLength);

            Boxes().Clear();
            // Typed, as the user would: text the program sets counts as accepted.
            edit->selectAll();
            QTest::keyClicks(edit, c.refused);
            EXPECT_EQ(edit->text(), c.refused);
            EXPECT_FALSE(form->Requests()[0]->Constraints().OnEditExit(edit));
            const std::string& label = form->Requests()[0]->request.varList.Item(c.row).label;
            EXPECT_EQ(Boxes().Texts(), QStringList{QString::fromStdString(label + ": ") + c.message})
                << "the field is named";
            EXPECT_EQ(edit->text(), c.current) << "the last accepted text comes back";
            Boxes().Clear();
        });
        EXPECT_TRUE(shown);
    }
}

// A twin of a command without a size step shows what the step did; the
// read then widens either form only where its values need more.
TEST_F(DeviceCommands, SizeStepsApplyInOrderAndScale)
{
    Main().FontScale = 1.25f;
    const VnEditorCommand* mib = VnFindEditorCommand("MIBCapabilities1Click");
    const VnEditorCommand* severity = VnFindEditorCommand("SystemSeverity1Click");
    ASSERT_TRUE(mib && severity);

    const EditorSizes mibTwin = MeasureEditor(Main(), Without(*mib, VnEditorStepKind::GrowWidth));
    const EditorSizes mibSized = MeasureEditor(Main(), *mib);
    EXPECT_EQ(mibSized.built.height(), 562) << "450 x 1.25, truncated";
    EXPECT_EQ(mibSized.settled.height(), 562);
    EXPECT_EQ(mibSized.built.width(), mibTwin.built.width() + 125);
    EXPECT_EQ(mibSized.settled.width(), std::max(mibSized.built.width(), mibTwin.settled.width()));

    const EditorSizes severityTwin = MeasureEditor(Main(), Without(*severity, VnEditorStepKind::GrowHeight));
    const EditorSizes severitySized = MeasureEditor(Main(), *severity);
    EXPECT_EQ(severitySized.built.height(), severityTwin.built.height() + 25);
    EXPECT_EQ(severitySized.settled.height(), severityTwin.settled.height() + 25);
    EXPECT_EQ(severitySized.settled.width(), severityTwin.settled.width());
}

TEST_F(DeviceCommands, SystemInformationStartsTheMibModuleForThisAgent)
{
    std::vector<std::pair<std::string, std::vector<std::string>>> started;
    VnScopedProcessStarter starter([&](const std::string& program, const std::vector<std::string>& args) {
        started.emplace_back(program, args);
        return true;
    });
    ASSERT_TRUE(VnRunCommand(Main(), "SystemInformation1Click"));
    ASSERT_EQ(started.size(), 1u);
    EXPECT_EQ(started[0].first, "MIB");
    EXPECT_EQ(started[0].second,
              (std::vector<std::string>{"/I127.0.0.1", "/Rqorvel", "/Wtamisko", "/TMIB_Info"}));
}

} // namespace

namespace {

// ---- dedicated dialogs and failures

struct DialogCase {
    const char* command;
    const char* caption;  // what the dialog shows; "own" when the command sets none
    bool mainWindowOwns;
    int mode;
    const char* why;
};

const DialogCase kDialogCases[] = {
    {"BasicInformation1Click", "Equipment Basic Information: 127.0.0.1", false, 0, "caption set by the command"},
    {"DaylightSavingTime1Click", "Summer Time Configuration: 127.0.0.1", false, 0, "owned by the application"},
    {"CopyFile1Click", "own", false, 15, "hidden, mode 15, caption left alone"},
    {"MemberSwitch1Click", "Member Switch Information Table", true, 0, "caption without the address"},
};

// What the stand-in factory was handed and made: a factory is a plain
// function, so it reports here.
struct StandInLog {
    VnDialogArgs args;
    QPointer<QDialog> made;
};
StandInLog standIn;

std::unique_ptr<QDialog> MakeStandIn(const VnDialogArgs& args)
{
    standIn.args = args;
    auto dialog = std::make_unique<QDialog>(args.owner);
    dialog->setWindowTitle("own");
    standIn.made = dialog.get();
    return dialog;
}

// A dialog command's record with a stand-in for its dialog.
VnDialogCommand WithStandIn(const char* command, VnDialogFactory factory = MakeStandIn)
{
    const VnDialogCommand* record = VnFindDialogCommand(command);
    EXPECT_NE(record, nullptr);
    VnDialogCommand copy = record ? *record : VnDialogCommand{command, "TNone"};
    copy.factory = factory;
    return copy;
}

class DialogCommands : public MainFormTest {};

TEST_F(DialogCommands, TheDialogIsMadeCaptionedShownAndDeleted)
{
    for (const DialogCase& c : kDialogCases) {
        SCOPED_TRACE(c.command);
        SCOPED_TRACE(c.why);
        standIn = {};
        const VnDialogCommand command = WithStandIn(c.command);
        QString shownCaption;
        const bool shown = WithModal([&] { VnRunDialogCommand(Main(), command); },
                                     [&](QWidget* window) { shownCaption = window->windowTitle(); });
        EXPECT_TRUE(shown);
        EXPECT_EQ(shownCaption, c.caption);
        EXPECT_EQ(standIn.args.owner, c.mainWindowOwns ? static_cast<QWidget*>(&Main()) : nullptr);
        EXPECT_EQ(standIn.args.mode, c.mode);
        EXPECT_EQ(standIn.args.mainForm, &Main());
        EXPECT_TRUE(standIn.made.isNull()) << "the dialog is deleted when it returns";
    }
}

// The class a window is, as its source names it.
std::string ClassName(const QWidget& window)
{
    int status = 0;
    char* name = abi::__cxa_demangle(typeid(window).name(), nullptr, nullptr, &status);
    std::string text = status == 0 && name ? name : typeid(window).name();
    std::free(name);
    return text;
}

// Every built dialog opens from its registration: the factory makes the
// class the row names, owned as the row says, and the command captions it.
TEST_F(DialogCommands, EveryBuiltDialogOpensFromItsRegistration)
{
    int built = 0;
    for (const VnDialogCommand& command : VnDialogCommands()) {
        if (!command.factory)
            continue;
        SCOPED_TRACE(command.name);
        ++built;
        ASSERT_TRUE(VnCommandAvailable(command.name));
        const bool shown = WithModal([&] { EXPECT_TRUE(VnRunCommand(Main(), command.name)); }, [&](QWidget* window) {
            EXPECT_EQ(ClassName(*window), command.dialogClass);
            const QWidget* owner = command.owner == VnDialogOwner::MainWindow ? &Main() : nullptr;
            EXPECT_EQ(window->parentWidget(), owner);
            if (command.caption) {
                const std::string address = command.withAddress ? Main().AgentAddress : "";
                EXPECT_EQ(window->windowTitle().toStdString(), command.caption + address);
            }
        });
        EXPECT_TRUE(shown);
    }
    EXPECT_GE(built, 2) << "the equipment and static VLAN dialogs at least";
}

TEST_F(DialogCommands, AFailingCommandIsReportedInAMessageBox)
{
    const VnDialogCommand failing =
        WithStandIn("BasicInformation1Click", [](const VnDialogArgs&) -> std::unique_ptr<QDialog> {
            throw VnException("Dialog could not be made");
        });
    try {
        VnRunDialogCommand(Main(), failing);
        ADD_FAILURE() << "the factory's exception was lost";
    } catch (const VnException& e) {
        EXPECT_STREQ(e.what(), "Dialog could not be made");
    }

    // Not built yet: the menu entry says so in a box, nothing leaves it.
    const auto commands = VnDialogCommands();
    const auto unbuilt =
        std::find_if(commands.begin(), commands.end(), [](const VnDialogCommand& c) { return !c.factory; });
    if (unbuilt == commands.end())
        return;  // every dialog is built
    ASSERT_FALSE(VnCommandAvailable(unbuilt->name));
    VnExecuteCommand(Main(), unbuilt->name);
    EXPECT_EQ(Boxes().Texts(), QStringList{QString(unbuilt->dialogClass) + " is not available."});
}

// A command whose editor cannot be built releases it: no window is shown,
// and the refresh the form posted to itself dies with it (a refresh of the
// deleted form would be a use after free, which the sanitizer build sees).
TEST_F(DialogCommands, AnEditorThatFailsToBuildIsNeverShownNorRefreshed)
{
    VnEditorCommand broken = *VnFindEditorCommand("AgentSupportedUpdateFiles1Click");
    broken.addColumn = 9;
    broken.addValue = "createAndGo";  // not a label of the status column

    bool shown = false;
    QTimer watch;
    QObject::connect(&watch, &QTimer::timeout, [&] { shown = shown || QApplication::activeModalWidget(); });
    watch.start(5);
    EXPECT_THROW(VnRunEditorCommand(Main(), broken), VnException);
    RunEvents(200);
    watch.stop();
    EXPECT_FALSE(shown);
    for (QWidget* window : QApplication::topLevelWidgets())
        EXPECT_EQ(qobject_cast<TConfigForm*>(window), nullptr) << "a form was left behind";
}

} // namespace
