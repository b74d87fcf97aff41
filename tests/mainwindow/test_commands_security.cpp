// The "Security Management" editors against the simulated switch: every
// one opens, reads and closes; port-keyed counters under their own labels;
// the session caption; a secret column never read; server groups added and
// deleted; a row of the 802.1X port table set; values refused before
// anything is sent; sizes; closing during a walk.
#include <QAction>
#include <QPointer>
#include <QtTest/QTest>

#include <gtest/gtest.h>

#include <utility>

#include "VnCommandKinds.h"
#include "VnMainMenu.h"
#include "VnMessages.h"
#include "test_commands_security_support.h"

using namespace commandtest;
using namespace layer2test;
using securitytest::kEnt;
using securitytest::SecurityCommandTest;
using securitytest::SecurityEditors;

namespace {

TConfigForm* AsConfigForm(QWidget* window)
{
    auto* form = qobject_cast<TConfigForm*>(window);
    EXPECT_NE(form, nullptr) << "the modal window is no generic editor";
    return form;
}

QTreeWidget& ListOf(TConfigForm& form) { return *form.findChild<TSNMPListViewPanel*>()->ListViewPanel->ListView; }

std::string Caption(const VnEditorCommand& command)
{
    return (command.caption ? std::string(command.caption) : std::string(command.title) + ": ") + "127.0.0.1";
}

TEST_F(SecurityCommandTest, EveryEditorOpensReadsItsObjectsAndCloses)
{
    int opened = 0;
    for (const VnEditorCommand* command : SecurityEditors()) {
        SCOPED_TRACE(command->name);
        Boxes().Clear();
        Main().DialogTitle = "before";
        const bool shown = WithModal([&] { EXPECT_TRUE(VnRunCommand(Main(), command->name)); }, [&](QWidget* window) {
            TConfigForm* form = AsConfigForm(window);
            ASSERT_TRUE(form);
            ++opened;
            EXPECT_EQ(form->windowTitle().toStdString(), Caption(*command));
            EXPECT_EQ(Main().DialogTitle, command->caption ? "before" : command->title);
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
                EXPECT_EQ(view.headerItem()->text(c).toStdString(), list.Item(c).label);
            ASSERT_GT(view.topLevelItemCount(), 0);
            EXPECT_FALSE(RowTexts(*view.topLevelItem(0)).contains(kVnNotDoneValue))
                << RowTexts(*view.topLevelItem(0)).join("|").toStdString();
            const bool addsRows = command->addValue != nullptr;
            EXPECT_EQ(table->CtrlBtnPanel->AddBtn->isHidden(), !addsRows);
            EXPECT_EQ(table->CtrlBtnPanel->DeleteBtn->isHidden(), !addsRows);
        });
        EXPECT_TRUE(shown);
        EXPECT_TRUE(Boxes().Texts().isEmpty()) << Boxes().Texts().join("|").toStdString();
    }
    EXPECT_EQ(opened, 25);
}

TEST_F(SecurityCommandTest, TheHiddenDiffieHellmanItemStillRunsByName)
{
    QAction* action = VnMenuAction(Main(), "DiffieHellmanAlgorithm1");
    ASSERT_NE(action, nullptr);
    EXPECT_FALSE(action->isVisible());
    const bool shown = WithModal([&] { EXPECT_TRUE(VnRunCommand(Main(), "DiffieHellmanAlgorithm1Click")); },
                                 [&](QWidget* window) {
                                     TConfigForm* form = AsConfigForm(window);
                                     ASSERT_TRUE(form && WaitForRefresh(*form));
                                     auto* panel = form->findChild<TSNMPEditorPanel*>();
                                     EXPECT_EQ(ComboOf(*panel, 0)->currentText(), "disabled");
                                 });
    EXPECT_TRUE(shown);
}

struct TableCase {
    const char* command;
    int rows;
    std::vector<std::pair<int, QString>> firstRow;  // column, text
    const char* why;
};

const TableCase kTableCases[] = {
    {"PortStatistics1Click", 8,
     {{0, "1"}, {1, "101"}, {2, "201"}, {10, "1001"}, {11, "1101"}, {12, "001A2B3C4D01"}},
     "the port in the key column, each counter under its own label"},
    {"PortDiagnostics1Click", 8, {{0, "1"}, {1, "101"}, {2, "201"}, {18, "1801"}}, "the same for diagnostics"},
    {"PortSessionStatistics1Click", 8,
     {{0, "1"}, {1, "5000000000001"}, {2, "201"}, {5, "session-1"}, {6, "remoteAuthServer"},
      {8, "notTerminatedYet"}},
     "a 64-bit count shown whole"},
    {"PortConfiguration1Click", 8, {{0, "1"}, {1, "authenticated"}, {6, "auto"}, {7, "60"}, {11, "2"}},
     "gauges and option labels"},
    {"StateTable1Click", 2,
     {{0, "001A2B3C4D01"}, {1, "1"}, {2, "authenticated"}, {3, "idle"}, {4, "authorized"}},
     "readable MAC and port keys"},
    {"SessionInformation1Click", 2, {{0, "001A2B3C4D01"}, {1, "1"}, {2, "101"}, {7, "localAuthServer"}},
     "not-accessible keys from the instance"},
    {"RadiusServerTable1Click", 3,
     {{0, "swRadiusServerIndex-first"}, {1, "10.90.90.21"}, {2, ""}, {3, "1812"}, {5, "active"}},
     "an index shown by its label, the key never read"},
    {"AuthenticationTable1Click", 2, {{0, "1"}, {1, "10.90.90.11"}, {2, "1812"}, {14, "1501"}}, "by server index"},
    {"ServerTable1Click", 2, {{0, "1"}, {1, "10.90.90.11"}, {2, "1813"}, {12, "1301"}}, "by server index"},
    {"AACServerGroupTable1Click", 1,
     {{0, "grp1"}, {1, "10.90.90.31"}, {2, "tacacs-plus"}, {4, "radius"}, {6, "none"}, {17, "active"}},
     "a length-prefixed name key"},
};

TEST_F(SecurityCommandTest, TablesReadTheirRowsWithTheirKeys)
{
    for (const TableCase& c : kTableCases) {
        SCOPED_TRACE(c.command);
        SCOPED_TRACE(c.why);
        WithModal([&] { VnRunCommand(Main(), c.command); }, [&](QWidget* window) {
            TConfigForm* form = AsConfigForm(window);
            ASSERT_TRUE(form && WaitForRefresh(*form, 20000));
            const QTreeWidget& view = ListOf(*form);
            ASSERT_EQ(view.topLevelItemCount(), c.rows);
            const QStringList row = RowTexts(*view.topLevelItem(0));
            for (const auto& [column, text] : c.firstRow) {
                ASSERT_LT(column, row.size());
                EXPECT_EQ(row[column], text) << "column " << column << ": " << row.join("|").toStdString();
            }
        });
    }
}

// The RADIUS key is a secret the switch does not give out: the walk never
// asks for it, so a switch that would never answer such a request does not
// hold the walk up, and the column stays empty.
TEST_F(SecurityCommandTest, TheRadiusWalkNeitherRequestsTheKeyNorStopsOnIt)
{
    sim().drop(kEnt + ".12.3.2.4.1.3");
    WithModal([&] { VnRunCommand(Main(), "RadiusServerTable1Click"); }, [&](QWidget* window) {
        TConfigForm* form = AsConfigForm(window);
        ASSERT_TRUE(form && WaitForRefresh(*form));
        auto* panel = form->findChild<TSNMPEditorPanel*>();
        EXPECT_TRUE(StatusText(*panel).startsWith("Get: (VnSNMP++) Ok!")) << StatusText(*panel).toStdString();
        const QTreeWidget& view = ListOf(*form);
        ASSERT_EQ(view.topLevelItemCount(), 3);
        for (int r = 0; r < 3; ++r) {
            EXPECT_EQ(view.topLevelItem(r)->text(2), "") << "row " << r;
            EXPECT_EQ(view.topLevelItem(r)->text(3), "1812") << "row " << r << ": the columns after it are read";
        }
    });
}

// ---- server groups

// Opens the group table, then its Add form; `inAdd` works in it.
void WithAddForm(TMainForm& main, const std::function<void(TSNMPListViewPanel&, QDialog&)>& inAdd)
{
    const bool shown = WithModal([&] { VnRunCommand(main, "AACServerGroupTable1Click"); }, [&](QWidget* window) {
        TConfigForm* form = AsConfigForm(window);
        ASSERT_TRUE(form && WaitForRefresh(*form));
        auto* table = form->findChild<TSNMPListViewPanel*>();
        EXPECT_TRUE(WithModalOver(form, [&] { table->CtrlBtnPanel->AddBtn->click(); },
                                  [&](QDialog* add) { inAdd(*table, *add); }));
        ASSERT_TRUE(WaitForRefresh(*form));
    });
    EXPECT_TRUE(shown);
}

const std::string kGroupStatus = kEnt + ".12.5.9.1.18";

TEST_F(SecurityCommandTest, AddingAGroupSendsOnlyItsCreateAndGo)
{
    WithAddForm(Main(), [&](TSNMPListViewPanel& table, QDialog& add) {
        EXPECT_EQ(ComboOf(table, 17)->currentText(), "createAndGo");
        EditOf(table, 0)->setText("grp2");
        add.findChild<TCtrlBtnPanel*>()->SetCheckedBtn->click();
        EXPECT_FALSE(add.isVisible()) << "closes once the row is written";
    });
    EXPECT_EQ(SetVarbinds(sim()), std::vector<std::string>{kGroupStatus + ".4.103.114.112.50=4"});
    EXPECT_EQ(sim().get(kGroupStatus + ".4.103.114.112.50")->value, "1");
    EXPECT_EQ(sim().get(kEnt + ".12.5.9.1.3.4.103.114.112.50")->value, "5") << "a declared row";
}

// A listed group is no new one: refused before anything goes out.
TEST_F(SecurityCommandTest, AddingAnExistingGroupIsRefusedAndTheFormStaysOpen)
{
    WithAddForm(Main(), [&](TSNMPListViewPanel& table, QDialog& add) {
        EditOf(table, 0)->setText("grp1");
        add.findChild<TCtrlBtnPanel*>()->SetCheckedBtn->click();
        EXPECT_TRUE(add.isVisible()) << "the input stays for another try";
        const std::string status = LastStatusLine(table);
        EXPECT_EQ(status.rfind("Set: (VnSNMP++) Nothing sent!", 0), 0u) << status;
    });
    EXPECT_TRUE(sim().sets().empty()) << SetVarbinds(sim())[0];
    EXPECT_EQ(Boxes().Texts(), QStringList{"A row with ServerGroup Name grp1 is listed already: select it and use "
                                           "Edit to change it. Nothing sent."});
    EXPECT_EQ(sim().get(kGroupStatus + ".4.103.114.112.49")->value, "1") << "unchanged";
}

// The empty-row rule of every editor holds for the name too: an empty key
// names no group, and nothing goes out.
TEST_F(SecurityCommandTest, AnEmptyGroupNameIsNotSent)
{
    QString label;
    WithAddForm(Main(), [&](TSNMPListViewPanel& table, QDialog& add) {
        EditOf(table, 0)->clear();
        label = QString::fromStdString(table.Request->request.varList.Item(0).label);
        add.findChild<TCtrlBtnPanel*>()->SetCheckedBtn->click();
    });
    EXPECT_TRUE(sim().sets().empty()) << SetVarbinds(sim())[0];
    EXPECT_EQ(Boxes().Texts(), QStringList{"Some items are empty! (" + label + ")"});
}

TEST_F(SecurityCommandTest, DeletingAGroupSendsOnlyItsDestroy)
{
    WithModal([&] { VnRunCommand(Main(), "AACServerGroupTable1Click"); }, [&](QWidget* window) {
        TConfigForm* form = AsConfigForm(window);
        ASSERT_TRUE(form && WaitForRefresh(*form));
        auto* table = form->findChild<TSNMPListViewPanel*>();
        QTreeWidget& view = ListOf(*form);
        ASSERT_EQ(view.topLevelItemCount(), 1);
        view.setCurrentItem(view.topLevelItem(0));
        table->CtrlBtnPanel->DeleteBtn->click();
        ASSERT_TRUE(WaitForRefresh(*form));
        EXPECT_EQ(view.topLevelItemCount(), 0);
    });
    EXPECT_EQ(SetVarbinds(sim()), std::vector<std::string>{kGroupStatus + ".4.103.114.112.49=6"});
    EXPECT_FALSE(sim().get(kGroupStatus + ".4.103.114.112.49"));
}

// ---- a row of the 802.1X port table

// Opens the port table's Edit form on port 3; `inEdit` works in it.
void WithPortEditForm(TMainForm& main, const std::function<void(TSNMPListViewPanel&, QDialog&)>& inEdit)
{
    WithModal([&] { VnRunCommand(main, "PortConfiguration1Click"); }, [&](QWidget* window) {
        TConfigForm* form = AsConfigForm(window);
        ASSERT_TRUE(form && WaitForRefresh(*form));
        auto* table = form->findChild<TSNMPListViewPanel*>();
        QTreeWidget& view = ListOf(*form);
        ASSERT_EQ(view.topLevelItemCount(), 8);
        view.setCurrentItem(view.topLevelItem(2));
        EXPECT_TRUE(WithModalOver(form, [&] { table->CtrlBtnPanel->EditBtn->click(); },
                                  [&](QDialog* edit) { inEdit(*table, *edit); }));
        WaitForRefresh(*form);
    });
}

const std::string kPortColumn = "1.0.8802.1.1.1.1.2.1.1.";

TEST_F(SecurityCommandTest, PortConfigurationSetCarriesTheTickedColumnsAtThatPort)
{
    WithPortEditForm(Main(), [&](TSNMPListViewPanel& table, QDialog& edit) {
        EXPECT_EQ(EditOf(table, 0)->text(), "3");
        table.ClearChecksBtnClick();
        ComboOf(table, 6)->setCurrentText("forceAuthorized");
        RowOf(table, 6).CheckBox->setChecked(true);
        EditOf(table, 7)->setText("120");
        RowOf(table, 7).CheckBox->setChecked(true);
        ComboOf(table, 13)->setCurrentText("true");
        RowOf(table, 13).CheckBox->setChecked(true);
        edit.findChild<TCtrlBtnPanel*>()->SetCheckedBtn->click();
    });
    EXPECT_EQ(SetVarbinds(sim()), (std::vector<std::string>{kPortColumn + "6.3=3", kPortColumn + "7.3=120",
                                                            kPortColumn + "13.3=1"}));
}

struct RangeCase {
    int row;
    double minimum;
    double maximum;
    const char* refused;
};

const RangeCase kPortRanges[] = {
    {7, 0, 65535, "65536"}, {8, 1, 65535, "0"},  {9, 1, 65535, "65536"},
    {10, 1, 65535, "0"},    {11, 1, 10, "11"},   {12, 1, 65535, "0"},
};

TEST_F(SecurityCommandTest, PortTimersOutOfRangeAreRefusedAndNothingIsSent)
{
    for (const RangeCase& c : kPortRanges) {
        SCOPED_TRACE("row " + std::to_string(c.row) + " '" + c.refused + "'");
        sim().clearSets();
        Boxes().Clear();
        WithPortEditForm(Main(), [&](TSNMPListViewPanel& table, QDialog&) {
            QLineEdit* input = EditOf(table, c.row);
            ASSERT_NE(input, nullptr);
            VnEditConstraint& constraints = table.Request->Constraints();
            _EditConstraint_s* record = constraints.Find(input);
            ASSERT_NE(record, nullptr);
            EXPECT_EQ(record->minimum, c.minimum);
            EXPECT_EQ(record->maximum, c.maximum);
            const QString before = input->text();
            input->selectAll();
            QTest::keyClicks(input, c.refused);
            EXPECT_FALSE(constraints.OnEditExit(input));
            EXPECT_EQ(input->text(), before) << "the refused text is not kept";
        });
        EXPECT_TRUE(sim().sets().empty()) << SetVarbinds(sim())[0];
        EXPECT_FALSE(Boxes().Texts().isEmpty()) << "the user is told";
    }
}

// ---- values that are no value of their syntax

struct RefusalCase {
    const char* command;
    int row;
    const char* text;
    const char* sent;  // the varbind a valid text makes; null: refused
};

const RefusalCase kRefusalCases[] = {
    {"CertificateFileInformation1Click", 0, "10.1.1", nullptr},
    {"CertificateFileInformation1Click", 0, "10.1.1.256", nullptr},
    {"CertificateFileInformation1Click", 0, "10.1.1.9", "1.3.6.1.4.1.88406.12.7.2.1.0=10.1.1.9"},
    {"SSLManagement1Click", 1, "ZZ", nullptr},
    {"SSLManagement1Click", 1, "F", nullptr},
    {"SSLManagement1Click", 1, "C0", "1.3.6.1.4.1.88406.12.7.1.2.0=C0"},
};

TEST_F(SecurityCommandTest, ValuesThatAreNoValueOfTheirSyntaxAreRefusedBeforeAnythingIsSent)
{
    for (const RefusalCase& c : kRefusalCases) {
        SCOPED_TRACE(std::string(c.command) + " row " + std::to_string(c.row) + " '" + c.text + "'");
        sim().clearSets();
        Boxes().Clear();
        WithModal([&] { VnRunCommand(Main(), c.command); }, [&](QWidget* window) {
            TConfigForm* form = AsConfigForm(window);
            ASSERT_TRUE(form && WaitForRefresh(*form));
            auto* panel = form->findChild<TSNMPEditorPanel*>();
            panel->ClearChecksBtnClick();
            EditOf(*panel, c.row)->setText(QString::fromUtf8(c.text));
            RowOf(*panel, c.row).CheckBox->setChecked(true);
            panel->CtrlBtnPanel->SetCheckedBtn->click();
            WaitForRefresh(*form);
        });
        if (c.sent) {
            EXPECT_EQ(SetVarbinds(sim()), std::vector<std::string>{c.sent});
            continue;
        }
        EXPECT_TRUE(sim().sets().empty()) << SetVarbinds(sim())[0];
        EXPECT_FALSE(Boxes().Texts().isEmpty()) << "the user is told";
    }
}

// The one-octet limit stops typing past two digits but never cuts a value
// the switch shows.
TEST_F(SecurityCommandTest, CipherSuitesShowALongerValueWhole)
{
    sim().set(kEnt + ".12.7.1.2.0", "BITSTR", "F0A5");
    WithModal([&] { VnRunCommand(Main(), "SSLManagement1Click"); }, [&](QWidget* window) {
        TConfigForm* form = AsConfigForm(window);
        ASSERT_TRUE(form && WaitForRefresh(*form));
        QLineEdit* edit = EditOf(*form->findChild<TSNMPEditorPanel*>(), 1);
        EXPECT_EQ(edit->text(), "F0A5");
        EXPECT_GT(edit->maxLength(), 4);
    });
}

// ---- sizes

TEST_F(SecurityCommandTest, SizeStepsScaleWithTheFont)
{
    for (const float scale : {1.0f, 1.25f}) {
        SCOPED_TRACE(scale);
        Main().FontScale = scale;
        const VnEditorCommand mode = *VnFindEditorCommand("AuthenticationModeSetting1Click");
        VnEditorCommand plain = mode;
        plain.steps = {};
        const EditorSizes bare = MeasureEditor(Main(), plain);
        const EditorSizes sized = MeasureEditor(Main(), mode);
        EXPECT_EQ(sized.editWidth, static_cast<int>(142 * scale));
        EXPECT_GE(sized.built.height(), bare.built.height() + static_cast<int>(10 * scale));
        EXPECT_GE(sized.settled.height(), bare.settled.height() + static_cast<int>(10 * scale));

        const VnEditorCommand radius = *VnFindEditorCommand("RadiusServerTable1Click");
        const EditorSizes server = MeasureEditor(Main(), radius);
        EXPECT_EQ(server.editWidth, TEditsPanel::kDefaultEditWidth + static_cast<int>(70 * scale));
        EXPECT_EQ(server.built.height(), static_cast<int>(450 * scale));
        EXPECT_EQ(server.settled.height(), static_cast<int>(450 * scale));
    }
}

// ---- closing while the switch is slow

TEST_F(SecurityCommandTest, ClosingDuringADelayedWalkLeavesNothingBehind)
{
    for (const auto& [command, slow] : {std::pair{"PortConfiguration1Click", std::string("1.0.8802.1.1.1.1.2.1")},
                                        {"SSHManagement1Click", kEnt + ".12.6.1"}}) {
        SCOPED_TRACE(command);
        sim().delay(slow, 700);
        QPointer<TConfigForm> closed;
        WithModal([&] { VnRunCommand(Main(), command); }, [&](QWidget* window) {
            TConfigForm* form = AsConfigForm(window);
            ASSERT_TRUE(form);
            closed = form;
            ASSERT_TRUE(RunUntil([&] { return form->ActiveRequest() && form->ActiveRequest()->Busy(); }));
        });
        EXPECT_TRUE(closed.isNull());
        RunEvents(1000);  // the late replies arrive for nobody
        sim().clearFaults();
    }
    for (QWidget* window : QApplication::topLevelWidgets())
        EXPECT_EQ(qobject_cast<TConfigForm*>(window), nullptr);
}

// ---- the dialog items of this menu

TEST_F(SecurityCommandTest, DialogItemsStayDisabledUntilTheirDialogsExist)
{
    const char* dialogs[] = {"DiagnosticsInformation1", "StatisticTable1", "LoginMethodControl",
                             "EnableMethodControl",     "ServerInformation1", "ServerControl"};
    for (const char* name : dialogs) {
        SCOPED_TRACE(name);
        const VnDialogCommand* record = VnFindDialogCommand(std::string(name) + "Click");
        ASSERT_NE(record, nullptr);
        QAction* action = VnMenuAction(Main(), name);
        ASSERT_NE(action, nullptr);
        EXPECT_EQ(action->isEnabled(), record->factory != nullptr);
    }
    EXPECT_STREQ(VnFindDialogCommand("ServerControlClick")->caption, "AAC Control Table: ");
}

} // namespace
