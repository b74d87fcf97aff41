// The RMON, bridge, VLAN-priority and "Layer 2 Management" editors against
// the simulated switch: every one opens, reads and closes; the spanning-tree
// notes and set; a row of the port control table; values refused before
// anything is sent; sizes; failures and closing during a walk.
#include <QAction>
#include <QLabel>
#include <QPointer>
#include <QScrollArea>
#include <QScrollBar>
#include <QtTest/QTest>

#include <gtest/gtest.h>

#include "VnCommandKinds.h"
#include "VnMainMenu.h"
#include "VnMessages.h"
#include "VnProcess.h"
#include "test_commands_layer2_support.h"

using namespace commandtest;
using namespace layer2test;

namespace {

const std::string kEnt = "1.3.6.1.4.1.88406";

TEST_F(Layer2CommandTest, EveryEditorOpensReadsItsObjectsAndCloses)
{
    int opened = 0;
    for (const VnEditorCommand* command : Layer2Editors()) {
        if (IsPopupEditor(*command))
            continue;  // they need a port button: test_commands_layer2_window.cpp
        SCOPED_TRACE(command->name);
        Boxes().Clear();
        const bool shown = WithModal([&] { EXPECT_TRUE(VnRunCommand(Main(), command->name)); }, [&](QWidget* window) {
            TConfigForm* form = qobject_cast<TConfigForm*>(window);
            ASSERT_TRUE(form);
            ++opened;
            EXPECT_EQ(form->windowTitle().toStdString(), std::string(command->title) + ": 127.0.0.1");
            ASSERT_TRUE(WaitForRefresh(*form));
            auto* panel = form->findChild<TSNMPEditorPanel*>();
            ASSERT_TRUE(panel);
            EXPECT_TRUE(StatusText(*panel).startsWith("Get: (VnSNMP++) Ok!")) << StatusText(*panel).toStdString();
            const VnSNMPVarList& list = form->Requests()[0]->request.varList;
            if (command->kind == VnCommandKind::ScalarEditor) {
                for (int i = 0; i < list.Count(); ++i) {
                    EXPECT_FALSE(list.Item(i).value.empty()) << list.Item(i).label << ": the switch serves it";
                    EXPECT_FALSE(IsNoValueText(list.Item(i).value)) << list.Item(i).label;
                }
                return;
            }
            auto* table = qobject_cast<TSNMPListViewPanel*>(panel);
            ASSERT_TRUE(table);
            const QTreeWidget& view = *table->ListViewPanel->ListView;
            ASSERT_EQ(view.columnCount(), list.Count());
            for (int c = 0; c < list.Count(); ++c)
                EXPECT_EQ(view.headerItem()->text(c).toStdString(), list.Item(c).label) << "blanks kept";
            ASSERT_GT(view.topLevelItemCount(), 0);
            EXPECT_FALSE(RowTexts(*view.topLevelItem(0)).contains(kVnNotDoneValue))
                << RowTexts(*view.topLevelItem(0)).join("|").toStdString();
            EXPECT_TRUE(table->CtrlBtnPanel->AddBtn->isHidden());
            EXPECT_TRUE(table->CtrlBtnPanel->DeleteBtn->isHidden());
        });
        EXPECT_TRUE(shown);
        EXPECT_TRUE(Boxes().Texts().isEmpty()) << Boxes().Texts().join("|").toStdString();
    }
    EXPECT_EQ(opened, 32);
}

struct TableCase {
    const char* command;
    int rows;
    QStringList firstRow;
    const char* why;
};

const TableCase kTableCases[] = {
    {"PortTable1Click", 74, {"1", "128", "forwarding", "enabled", "false", "false", "Auto", "20000"},
     "the RSTP columns joined to the STP rows"},
    {"DefaultUserPrioritiesofEachPort1Click", 74, {"1", "0", "4"}, "keyed by the BRIDGE-MIB port number"},
    {"RegeneratedUserPriorities1Click", 24 * 8, {"1", "0", "0"}, "port and priority from the instance"},
    {"PortOutboundAccessPriorities1Click", 24 * 8, {"1", "0", "0"}, "both keys from another table"},
    {"UnicastForwardingInformation1Click", 3, {"1", "001A2B3C4D00", "0", "self"}, "a MAC address index"},
    {"PortCableSituation1Click", 74 * 4, {"1", "1", "ok", "11"}, "port and wire pair"},
    {"PortInformationTable1Click", 74, {"1", "1", "portType-1000Base-TX", "link-pass", "full-1Gigabps"},
     "option labels"},
    {"GroupInformation1Click", 2, {"1", "239.1.1.1", "01005E010101", "F0000000", "4"}, "addresses and a port map"},
};

TEST_F(Layer2CommandTest, TablesReadTheirRowsWithTheirKeys)
{
    for (const TableCase& c : kTableCases) {
        SCOPED_TRACE(c.command);
        SCOPED_TRACE(c.why);
        WithModal([&] { VnRunCommand(Main(), c.command); }, [&](QWidget* window) {
            TConfigForm* form = qobject_cast<TConfigForm*>(window);
            ASSERT_TRUE(form && WaitForRefresh(*form, 20000));
            const QTreeWidget& view = *form->findChild<TSNMPListViewPanel*>()->ListViewPanel->ListView;
            ASSERT_EQ(view.topLevelItemCount(), c.rows);
            EXPECT_EQ(RowTexts(*view.topLevelItem(0)), c.firstRow);
        });
    }
}

TEST_F(Layer2CommandTest, CpuFilterStateOffersEnabledFirst)
{
    WithModal([&] { VnRunCommand(Main(), "CPUInterfaceFilterState1Click"); }, [&](QWidget* window) {
        TConfigForm* form = qobject_cast<TConfigForm*>(window);
        ASSERT_TRUE(form && WaitForRefresh(*form));
        auto* panel = form->findChild<TSNMPEditorPanel*>();
        QComboBox* combo = ComboOf(*panel, 0);
        ASSERT_TRUE(combo);
        EXPECT_EQ(ComboItems(*combo), (QStringList{"enabled", "disabled"}));
        EXPECT_EQ(combo->currentText(), "disabled");
    });
}

// ---- spanning tree control

TEST_F(Layer2CommandTest, StpControlShowsTheNotesAndSendsWhatTheUserTicked)
{
    const bool shown = WithModal([&] { VnRunCommand(Main(), "STPControl1Click"); }, [&](QWidget* window) {
        TConfigForm* form = qobject_cast<TConfigForm*>(window);
        ASSERT_TRUE(form && WaitForRefresh(*form));
        EXPECT_EQ(form->windowTitle(), "Spanning Tree Control: 127.0.0.1");
        auto* panel = form->findChild<TSNMPEditorPanel*>();
        RunEvents(50);  // the rows fit their values

        const QList<QLabel*> notes = panel->EditsPanel->findChildren<QLabel*>("StpNote");
        ASSERT_EQ(notes.size(), 2);
        EXPECT_EQ(notes[0]->text(), "Notes : 2*(Forward Delay - 100) >= Max Age");
        EXPECT_EQ(notes[1]->text(), "Notes : Max Age >= 2*(Hello Time + 100)");
        const QWidget* lastInput = RowOf(*panel, 6).InputCtrl;
        const int rowsBottom = lastInput->mapTo(form, QPoint(0, lastInput->height())).y();
        int above = rowsBottom;
        for (QLabel* note : notes) {
            EXPECT_EQ(note->palette().color(QPalette::WindowText), QColor(255, 0, 0));
            EXPECT_TRUE(note->isVisibleTo(form));
            const QRect onForm(note->mapTo(form, QPoint(0, 0)), note->size());
            EXPECT_GT(onForm.top(), above) << "below the rows and each other";
            EXPECT_TRUE(form->rect().contains(onForm)) << "shown whole";
            above = onForm.bottom();
        }
        EXPECT_FALSE(panel->EditsPanel->ScrollBox()->verticalScrollBar()->isVisible()) << "no row hidden";

        // Max age 4000 with forward delay 400 breaks the first note's rule;
        // the notes only inform, so both go as ticked.
        EditOf(*panel, 1)->setText("4000");
        RowOf(*panel, 1).CheckBox->setChecked(true);
        EditOf(*panel, 3)->setText("400");
        RowOf(*panel, 3).CheckBox->setChecked(true);
        EXPECT_TRUE(panel->SetCheckedBtnClick(panel->CtrlBtnPanel->SetCheckedBtn));
    });
    ASSERT_TRUE(shown);
    EXPECT_EQ(SetVarbinds(sim()),
              (std::vector<std::string>{kEnt + ".12.15.1.3.0=4000", kEnt + ".12.15.1.5.0=400"}));
    EXPECT_TRUE(Boxes().Texts().isEmpty()) << Boxes().Texts().join("|").toStdString();
}

TEST_F(Layer2CommandTest, AFailedSetSaysSoAndChangesNothing)
{
    sim().error(kEnt + ".12.15.1.3", "genErr", "set");
    std::string status;
    WithModal([&] { VnRunCommand(Main(), "STPControl1Click"); }, [&](QWidget* window) {
        TConfigForm* form = qobject_cast<TConfigForm*>(window);
        ASSERT_TRUE(form && WaitForRefresh(*form));
        auto* panel = form->findChild<TSNMPEditorPanel*>();
        EditOf(*panel, 1)->setText("3000");
        RowOf(*panel, 1).CheckBox->setChecked(true);
        EXPECT_FALSE(panel->SetCheckedBtnClick(panel->CtrlBtnPanel->SetCheckedBtn));
        ASSERT_TRUE(WaitForRefresh(*form));
        status = LastStatusLine(*panel);
    });
    EXPECT_EQ(sim().sets().size(), 1u);
    EXPECT_EQ(status.rfind("Set: ", 0), 0u) << status;
    EXPECT_EQ(status.find(VnErrorText(kVnOk)), std::string::npos) << status;
    EXPECT_EQ(sim().get(kEnt + ".12.15.1.3.0")->value, "2000");
}

// ---- formats

struct RangeCase {
    const char* command;
    int row;
    double minimum;
    double maximum;
    int maxLength;
    const char* refused;
};

const RangeCase kRangeCases[] = {
    {"STPControl1Click", 1, 600, 4000, 4, "599"},
    {"STPControl1Click", 2, 100, 1000, 4, "1001"},
    {"STPControl1Click", 3, 400, 3000, 4, "399"},
    {"STPControl1Click", 4, 1, 20, 2, "21"},
    {"STPControl1Click", 5, 1, 10, 2, "0"},
    {"Information1Click", 2, 10, 1000000, 7, "9"},
    {"Layer2GlobalSwitch1Click", 3, 1, 4094, 4, "0"},
    {"Layer2GlobalSwitch1Click", 5, 1, 500, 3, "0"},
    {"Layer2GlobalSwitch1Click", 6, 1, 2147483647, 10, "0"},
    {"Layer2GlobalSwitch1Click", 8, 1, 65535, 5, "0"},
    {"PortSecurityTable1Click", 1, 0, 64, 2, "65"},
    {"DefaultUserPrioritiesofEachPort1Click", 1, 0, 7, 1, "8"},
    {"UserPrioritiesToTrafficClass1Click", 2, 0, 6, 1, "7"},
    {"N8021pUserPriorityTable1Click", 1, 0, 6, 1, "7"},
    {"BandwidthControlTable1Click", 2, 1, 10000, 5, "0"},
};

TEST_F(Layer2CommandTest, FormatsBoundToTheirRowsRefuseValuesOutOfRange)
{
    for (const RangeCase& c : kRangeCases) {
        SCOPED_TRACE(std::string(c.command) + " row " + std::to_string(c.row));
        WithModal([&] { VnRunCommand(Main(), c.command); }, [&](QWidget* window) {
            TConfigForm* form = qobject_cast<TConfigForm*>(window);
            ASSERT_TRUE(form && WaitForRefresh(*form));
            auto* panel = form->findChild<TSNMPEditorPanel*>();
            QLineEdit* edit = EditOf(*panel, c.row);
            ASSERT_NE(edit, nullptr);
            VnEditConstraint& constraints = form->Requests()[0]->Constraints();
            _EditConstraint_s* record = constraints.Find(edit);
            ASSERT_NE(record, nullptr);
            EXPECT_EQ(record->minimum, c.minimum);
            EXPECT_EQ(record->maximum, c.maximum);
            EXPECT_EQ(record->maxLength, c.maxLength);
            if (!edit->isVisibleTo(form))
                return;  // a table editor's row: typed in its Edit form
            Boxes().Clear();
            edit->selectAll();
            QTest::keyClicks(edit, c.refused);
            EXPECT_FALSE(constraints.OnEditExit(edit));
            EXPECT_EQ(Boxes().Texts().size(), 1);
            Boxes().Clear();
        });
    }
}

// ---- a row of a table

TEST_F(Layer2CommandTest, PortControlSetCarriesOnlyThatRowsWritableColumns)
{
    WithModal([&] { VnRunCommand(Main(), "PortControlTable1Click"); }, [&](QWidget* window) {
        TConfigForm* form = qobject_cast<TConfigForm*>(window);
        ASSERT_TRUE(form && WaitForRefresh(*form, 20000));
        auto* panel = form->findChild<TSNMPListViewPanel*>();
        QTreeWidget* view = panel->ListViewPanel->ListView;
        ASSERT_EQ(view->topLevelItemCount(), 74);
        view->setCurrentItem(view->topLevelItem(4));  // port 5
        const bool edited = WithModalOver(form, [&] { panel->CtrlBtnPanel->EditBtn->click(); }, [&](QDialog* edit) {
            EXPECT_EQ(EditOf(*panel, 0)->text(), "5");
            for (int row = 2; row <= 6; ++row) {
                ASSERT_NE(ComboOf(*panel, row), nullptr) << "row " << row << " is a combo box";
            }
            EXPECT_EQ(ComboItems(*ComboOf(*panel, 2)), (QStringList{"disabled", "enabled"}));
            EXPECT_EQ(ComboOf(*panel, 3)->count(), 10);
            EXPECT_EQ(ComboOf(*panel, 3)->itemText(9), "nway-disabled-1Gigabps-Full-slave");
            ComboOf(*panel, 2)->setCurrentText("disabled");
            ComboOf(*panel, 5)->setCurrentText("enabled");
            edit->findChild<TCtrlBtnPanel*>()->CheckAllBtn->click();
            edit->findChild<TCtrlBtnPanel*>()->SetCheckedBtn->click();
        });
        EXPECT_TRUE(edited);
        ASSERT_TRUE(WaitForRefresh(*form, 20000));
    });
    const std::string column = kEnt + ".11.59.5.2.3.2.1.";
    EXPECT_EQ(SetVarbinds(sim()), (std::vector<std::string>{column + "3.5=2", column + "4.5=2", column + "5.5=2",
                                                            column + "6.5=3", column + "7.5=2"}));
}

// ---- values that are no value of their syntax

struct RefusalCase {
    const char* command;
    int column;
    const char* text;
    const char* sent;  // the varbind a valid text makes; null: refused
};

const RefusalCase kRefusalCases[] = {
    {"PortTable2Click", 1, "", nullptr},
    {"PortTable2Click", 1, "abc", nullptr},
    {"PortTable2Click", 1, "4294967296", nullptr},
    {"PortTable1Click", 7, "abc", nullptr},
    {"PortTable2Click", 1, "64", "1.3.6.1.2.1.17.2.15.1.2.1=64"},
    {"DeleteControl1Click", 2, "00-11-zz-33-44-55", nullptr},
    {"DeleteControl1Click", 2, "0011223344", nullptr},
    {"DeleteControl1Click", 1, "abc", nullptr},
    {"DeleteControl1Click", 2, "001122334455", "1.3.6.1.4.1.88406.11.59.5.2.7.2.3.0=001122334455"},
    {"ProbeBasicInformation1Click", 8, "10.1.1", nullptr},
    {"ProbeBasicInformation1Click", 5, "10.1.1.256", nullptr},
    {"ProbeBasicInformation1Click", 8, "10.1.1.1", "1.3.6.1.2.1.16.19.12.0=10.1.1.1"},
};

// Types `text` into the column's edit, ticks it alone and sets: in the
// Edit form of the first row for a table, in the editor for scalars.
void TypeAndSet(TConfigForm& form, int column, const char* text)
{
    auto* panel = form.findChild<TSNMPEditorPanel*>();
    const auto typeAndSet = [&](QWidget* setForm) {
        panel->ClearChecksBtnClick();
        QLineEdit* edit = EditOf(*panel, column);
        ASSERT_NE(edit, nullptr);
        edit->setText(QString::fromUtf8(text));
        RowOf(*panel, column).CheckBox->setChecked(true);
        setForm->findChild<TCtrlBtnPanel*>()->SetCheckedBtn->click();
    };
    auto* table = qobject_cast<TSNMPListViewPanel*>(panel);
    if (!table) {
        typeAndSet(&form);
        return;
    }
    QTreeWidget* view = table->ListViewPanel->ListView;
    view->setCurrentItem(view->topLevelItem(0));
    EXPECT_TRUE(WithModalOver(&form, [&] { table->CtrlBtnPanel->EditBtn->click(); },
                              [&](QDialog* edit) { typeAndSet(edit); }));
}

TEST_F(Layer2CommandTest, ValuesThatAreNoValueOfTheirSyntaxAreRefusedBeforeAnythingIsSent)
{
    for (const RefusalCase& c : kRefusalCases) {
        SCOPED_TRACE(std::string(c.command) + " column " + std::to_string(c.column) + " '" + c.text + "'");
        sim().clearSets();
        Boxes().Clear();
        WithModal([&] { VnRunCommand(Main(), c.command); }, [&](QWidget* window) {
            TConfigForm* form = qobject_cast<TConfigForm*>(window);
            ASSERT_TRUE(form && WaitForRefresh(*form, 20000));
            TypeAndSet(*form, c.column, c.text);
            WaitForRefresh(*form, 20000);
        });
        if (c.sent) {
            EXPECT_EQ(SetVarbinds(sim()), std::vector<std::string>{c.sent});
            continue;
        }
        EXPECT_TRUE(sim().sets().empty()) << "sent: " << (SetVarbinds(sim()).empty() ? "" : SetVarbinds(sim())[0]);
        EXPECT_FALSE(Boxes().Texts().isEmpty()) << "the user is told";
    }
}

// ---- sizes

TEST_F(Layer2CommandTest, SizeStepsScaleWhereTheyShould)
{
    Main().FontScale = 1.25f;
    const auto command = [](const char* name) { return *VnFindEditorCommand(name); };
    const int plainEdit = TEditsPanel::kDefaultEditWidth;

    // The edits panel alone widens: the form keeps the width of its twin,
    // as built and once both have read.
    for (const auto& [name, grow] : {std::pair{"PortInformationTable1Click", 87}, {"PortControlTable1Click", 125}}) {
        SCOPED_TRACE(name);
        const EditorSizes twin = MeasureEditor(Main(), Without(command(name), VnEditorStepKind::GrowEditsPanelWidth));
        const EditorSizes sized = MeasureEditor(Main(), command(name));
        EXPECT_EQ(sized.editWidth, plainEdit + grow);
        EXPECT_EQ(sized.built.width(), twin.built.width()) << "no refit";
        EXPECT_EQ(sized.settled.width(), twin.settled.width()) << "no refit";
        EXPECT_EQ(sized.built.height(), 562);
        EXPECT_EQ(sized.settled.height(), 562);
    }
    EXPECT_EQ(MeasureEditor(Main(), command("DefaultUserPrioritiesofEachPort1Click")).built.height(), 450)
        << "unscaled";
    EXPECT_EQ(MeasureEditor(Main(), command("RegeneratedUserPriorities1Click")).built.height(), 562);

    // The inputs widen first, and the form then grows beyond what they need;
    // the read widens it only where its values need more.
    const VnEditorCommand probeCommand = command("ProbeBasicInformation1Click");
    const EditorSizes probeTwin = MeasureEditor(Main(), Without(probeCommand, VnEditorStepKind::GrowWidth));
    const EditorSizes probe = MeasureEditor(Main(), probeCommand);
    EXPECT_EQ(probe.editWidth, plainEdit + 50);
    EXPECT_EQ(probe.built.width(), probeTwin.built.width() + 50);
    EXPECT_EQ(probe.settled.width(), std::max(probe.built.width(), probeTwin.settled.width()));

    const EditorSizes stpTwin = MeasureEditor(Main(), Without(command("STPControl1Click"), VnEditorStepKind::GrowHeight));
    EXPECT_GE(MeasureEditor(Main(), command("STPControl1Click")).built.height(), stpTwin.built.height() + 31);
}

// ---- closing while the switch is slow

TEST_F(Layer2CommandTest, ClosingDuringADelayedWalkLeavesNothingBehind)
{
    for (const auto& [command, slow] :
         {std::pair{"PortControlTable1Click", kEnt + ".11.59.5.2.3.2"}, {"STPControl1Click", kEnt + ".12.15.1"}}) {
        SCOPED_TRACE(command);
        sim().delay(slow, 700);
        QPointer<TConfigForm> closed;
        WithModal([&] { VnRunCommand(Main(), command); }, [&](QWidget* window) {
            TConfigForm* form = qobject_cast<TConfigForm*>(window);
            ASSERT_TRUE(form);
            closed = form;
            ASSERT_TRUE(RunUntil([&] { return form->ActiveRequest() && form->ActiveRequest()->Busy(); }));
        });
        EXPECT_TRUE(closed.isNull()) << "the form is gone once the command returns";
        RunEvents(1000);  // the late replies arrive for nobody
        sim().clearFaults();
    }
    for (QWidget* window : QApplication::topLevelWidgets())
        EXPECT_EQ(qobject_cast<TConfigForm*>(window), nullptr);
}

// ---- commands of these menus that are no editors

TEST_F(Layer2CommandTest, DialogItemsStayDisabledUntilTheirDialogsExist)
{
    const char* dialogs[] = {
        "IfXTable1", "BasicConfigure1", "GARP1", "PortCapability1", "BasicConfigure2", "PortsInformation1",
        "TpGroupDestinationForwarded1", "MulticastForwardingInformation1", "ForwardUnregisteredInformation1",
        "StaticTable2", "CurrentTable1", "UnicastInformation1", "MulticastInformation1", "IPv6MaskInformation1",
        "IPv6RuleInformation1", "CPUEthernetMaskInformation1", "CPUEthernetRuleInformation1",
        "CPUIPv4MaskInformation1", "CPUIPv4RuleInformation1", "CPUUserDefinedMaskInformation1",
        "CPUUserDefinedRuleInformation1", "CPUIPv6MaskInformation1", "CPUIPv6RuleInformation1", "PortTrunk2",
        "PortMirrorTable1", "TrafficSegmentationTable1", "EthernetMask1", "RuleOfEthernetInformation1",
        "IPMaskInformation1", "IPRule1", "UserDefinedMaskInformation1", "UserDefinedInformationRule1",
        "AggreatorPortTable1", "ProtocolVlan"};
    for (const char* name : dialogs) {
        SCOPED_TRACE(name);
        const VnDialogCommand* record = VnFindDialogCommand(std::string(name) + "Click");
        ASSERT_NE(record, nullptr);
        QAction* action = VnMenuAction(Main(), name);
        ASSERT_NE(action, nullptr);
        EXPECT_EQ(action->isEnabled(), record->factory != nullptr);
    }
    EXPECT_TRUE(VnMenuAction(Main(), "StaticTable2")->isEnabled()) << "built already";
}

struct ModuleCase {
    const char* item;
    const char* program;
    const char* table;
};

const ModuleCase kModuleCases[] = {
    {"GeneralTable1", "IFMib", "/TIFMib_LastChangeTable"},
    {"IFTable1", "MIB", "/TMIB_IFTable"},
    {"SNMPCounters1", "MIB", "/TMIB_SNMPCounters"},
    {"dot3Statistics1", "EthernetLike", "/TEthernetLike_dot3StatsTable"},
    {"RmonStatistics1", "Rmon", "/TRmon_Statistics"},
    {"RmonHistory1", "Rmon", "/TRmon_History"},
    {"RmonAlarmEvent1", "Rmon", "/TRmon_AlarmEvent"},
    {"ForwardingTable1", "Bridge", "/TBridge_Forwarding"},
    {"PortCounters1", "Bridge", "/TBridge_TpPortInfo"},
};

TEST_F(Layer2CommandTest, SiblingItemsStartTheirModuleForThisAgent)
{
    std::vector<std::pair<std::string, std::vector<std::string>>> started;
    VnScopedProcessStarter starter([&](const std::string& program, const std::vector<std::string>& args) {
        started.emplace_back(program, args);
        return true;
    });
    for (const ModuleCase& c : kModuleCases) {
        SCOPED_TRACE(c.item);
        started.clear();
        QAction* action = VnMenuAction(Main(), c.item);
        ASSERT_TRUE(action && action->isEnabled());
        action->trigger();
        ASSERT_EQ(started.size(), 1u);
        EXPECT_EQ(started[0].first, c.program);
        EXPECT_EQ(started[0].second, (std::vector<std::string>{"/I127.0.0.1", "/Rqorvel", "/Wtamisko", c.table}));
    }
}

} // namespace
