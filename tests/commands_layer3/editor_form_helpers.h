#pragma once
// Opening a generic editor, its Add or Edit form, and filling rows: shared
// by the layer-3 and the SNMPv3/management command tests.
#include <QDir>
#include <QFont>
#include <QPointer>
#include <QtTest/QTest>

#include <functional>
#include <string>
#include <utility>
#include <vector>

#include "EventLoopWait.h"
#include "VnCommandKinds.h"
#include "VnEditConstraint.h"
#include "test_commands_layer2_support.h"

namespace editortest {

inline TConfigForm* AsConfigForm(QWidget* window)
{
    auto* form = qobject_cast<TConfigForm*>(window);
    EXPECT_NE(form, nullptr) << "the modal window is no generic editor";
    return form;
}

inline QTreeWidget& ListOf(TConfigForm& form)
{
    return *form.findChild<TSNMPListViewPanel*>()->ListViewPanel->ListView;
}

// Opens `command`'s editor and waits for its first walk; `inForm` works in
// it. Returns whether the editor came up.
inline bool WithEditor(TMainForm& main, const char* command,
                       const std::function<void(TConfigForm&, TSNMPEditorPanel&)>& inForm)
{
    return commandtest::WithModal([&] { VnRunCommand(main, command); }, [&](QWidget* window) {
        TConfigForm* form = AsConfigForm(window);
        ASSERT_TRUE(form && commandtest::WaitForRefresh(*form));
        auto* panel = form->findChild<TSNMPEditorPanel*>();
        ASSERT_TRUE(panel);
        inForm(*form, *panel);
    });
}

// Opens `command`'s table editor, then its Add form (row -1) or the Edit
// form of list row `row`; `inForm` fills it. Returns whether both came up.
inline bool WithRowForm(TMainForm& main, const char* command, int row,
                        const std::function<void(TSNMPListViewPanel&, QDialog&)>& inForm)
{
    bool opened = false;
    const bool shown = WithEditor(main, command, [&](TConfigForm& form, TSNMPEditorPanel& panel) {
        auto* table = qobject_cast<TSNMPListViewPanel*>(&panel);
        ASSERT_TRUE(table);
        QPushButton* button = table->CtrlBtnPanel->AddBtn;
        if (row >= 0) {
            QTreeWidget& view = ListOf(form);
            ASSERT_LT(row, view.topLevelItemCount());
            view.setCurrentItem(view.topLevelItem(row));
            button = table->CtrlBtnPanel->EditBtn;
        }
        opened = layer2test::WithModalOver(&form, [&] { button->click(); },
                                           [&](QDialog* dialog) { inForm(*table, *dialog); });
        commandtest::WaitForRefresh(form);
    });
    return shown && opened;
}

inline bool WithAddForm(TMainForm& main, const char* command,
                        const std::function<void(TSNMPListViewPanel&, QDialog&)>& inAdd)
{
    return WithRowForm(main, command, -1, inAdd);
}

// Types `text` into row `row` of a form (a line edit, or a combo box's
// label) and ticks the row.
inline void Fill(TSNMPEditorPanel& panel, int row, const QString& text)
{
    const _EditRow_s& r = layer2test::RowOf(panel, row);
    if (QComboBox* combo = layer2test::ComboOf(panel, row))
        combo->setCurrentIndex(combo->findText(text));
    else if (QLineEdit* edit = layer2test::EditOf(panel, row))
        edit->setText(text);
    else
        ADD_FAILURE() << "row " << row << " has no input";
    r.CheckBox->setChecked(true);
}

inline void ClickSet(QWidget& form) { form.findChild<TCtrlBtnPanel*>()->SetCheckedBtn->click(); }

// Unticks every row the user could untick. A form with one row to send
// shows no boxes: that row stays ticked (untick it and Set is off).
inline void UntickAll(TSNMPEditorPanel& edits)
{
    for (const auto& row : edits.EditsPanel->Rows) {
        if (VnIsShown(row.CheckBox) && row.CheckBox->isChecked())
            row.CheckBox->setChecked(false);
    }
}

// Ticks nothing but `row` of a scalar editor or an Edit form, fills it and
// sets.
inline void SetOneRow(TSNMPEditorPanel& edits, QWidget& form, int row, const QString& text)
{
    UntickAll(edits);
    Fill(edits, row, text);
    ClickSet(form);
}

inline std::string Caption(const VnEditorCommand& command)
{
    return (command.caption ? std::string(command.caption) : std::string(command.title) + ": ") + "127.0.0.1";
}

// Runs `command` and checks its editor: caption and title, a walk that
// ends well, every scalar with a value, a table's columns under their
// labels with a first row, and Add and Delete only where the record has
// them. Returns whether the editor came up.
inline bool ExpectEditorReads(TMainForm& main, const VnEditorCommand& command)
{
    main.DialogTitle = "before";
    return commandtest::WithModal([&] { EXPECT_TRUE(VnRunCommand(main, command.name)); }, [&](QWidget* window) {
        TConfigForm* form = AsConfigForm(window);
        ASSERT_TRUE(form);
        EXPECT_EQ(form->windowTitle().toStdString(), Caption(command));
        EXPECT_EQ(main.DialogTitle, command.caption ? "before" : command.title);
        ASSERT_TRUE(commandtest::WaitForRefresh(*form));
        auto* panel = form->findChild<TSNMPEditorPanel*>();
        ASSERT_TRUE(panel);
        const QString status = layer2test::StatusText(*panel);
        EXPECT_TRUE(status.startsWith("Get: (VnSNMP++) Ok!")) << status.toStdString();
        const VnSNMPVarList& list = form->Requests()[0]->request.varList;
        if (command.kind == VnCommandKind::ScalarEditor) {
            for (int i = 0; i < list.Count(); ++i) {
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
        const QStringList first = layer2test::RowTexts(*view.topLevelItem(0));
        EXPECT_FALSE(first.contains(kVnNotDoneValue)) << first.join("|").toStdString();
        EXPECT_EQ(table->CtrlBtnPanel->AddBtn->isHidden(), command.addValue == nullptr);
        EXPECT_EQ(table->CtrlBtnPanel->DeleteBtn->isHidden(), command.deleteValue == nullptr);
    });
}

// A table editor's rows as the switch serves them: how many, and texts of
// the first.
struct TableCase {
    const char* command;
    int rows;
    std::vector<std::pair<int, QString>> firstRow;  // column, text
    const char* why;
};

inline void ExpectTableRows(TMainForm& main, const TableCase& c)
{
    SCOPED_TRACE(std::string(c.command) + ": " + c.why);
    EXPECT_TRUE(WithEditor(main, c.command, [&](TConfigForm& form, TSNMPEditorPanel&) {
        const QTreeWidget& view = ListOf(form);
        ASSERT_EQ(view.topLevelItemCount(), c.rows);
        const QStringList row = layer2test::RowTexts(*view.topLevelItem(0));
        for (const auto& [column, text] : c.firstRow) {
            ASSERT_LT(column, row.size());
            EXPECT_EQ(row[column], text) << "column " << column << ": " << row.join("|").toStdString();
        }
    }));
}

// Closes `command`'s editor while the switch holds back the replies under
// `slow`: the form goes at once, and the late replies find nobody.
inline void ExpectCloseDuringSlowWalk(TMainForm& main, SimSwitch& sim, const char* command, const std::string& slow)
{
    SCOPED_TRACE(command);
    sim.delay(slow, 700);
    QPointer<TConfigForm> closed;
    commandtest::WithModal([&] { VnRunCommand(main, command); }, [&](QWidget* window) {
        TConfigForm* form = AsConfigForm(window);
        ASSERT_TRUE(form);
        closed = form;
        ASSERT_TRUE(RunUntil([&] { return form->ActiveRequest() && form->ActiveRequest()->Busy(); }));
    });
    EXPECT_TRUE(closed.isNull());
    RunEvents(1000);
    sim.clearFaults();
    for (QWidget* window : QApplication::topLevelWidgets())
        EXPECT_EQ(qobject_cast<TConfigForm*>(window), nullptr);
}

// Types `text` into row `row` as a user would and leaves the field: the
// row's format refuses it, the field keeps its value.
inline void ExpectRefusedOnLeaving(TSNMPEditorPanel& panel, int row, const char* text)
{
    QLineEdit* input = layer2test::EditOf(panel, row);
    ASSERT_NE(input, nullptr);
    VnEditConstraint& constraints = panel.Request->Constraints();
    ASSERT_NE(constraints.Find(input), nullptr) << "row " << row << " has a format";
    const QString before = input->text();
    input->selectAll();
    QTest::keyClicks(input, text);
    EXPECT_FALSE(constraints.OnEditExit(input));
    EXPECT_EQ(input->text(), before) << "the refused text is not kept";
}

// Pictures for a person to look at go to VN_SCREENSHOT_DIR, when set.
inline QString ScreenFolder() { return qEnvironmentVariable("VN_SCREENSHOT_DIR"); }

// Saves `command`'s editor as `file`.png and, with `withAdd`, its Add form
// as `file`-add.png.
inline void ShootEditor(TMainForm& main, const VnEditorCommand& command, const QString& file, bool withAdd)
{
    QDir().mkpath(ScreenFolder());
    const bool shown = commandtest::WithModal([&] { VnRunCommand(main, command.name); }, [&](QWidget* window) {
        auto* form = qobject_cast<TConfigForm*>(window);
        ASSERT_TRUE(form && commandtest::WaitForRefresh(*form, 20000));
        RunEvents(300);  // inputs and columns fit their texts
        EXPECT_TRUE(window->grab().save(ScreenFolder() + "/" + file + ".png"));
        auto* table = form->findChild<TSNMPListViewPanel*>();
        if (!table || !withAdd)
            return;
        EXPECT_TRUE(layer2test::WithModalOver(form, [&] { table->CtrlBtnPanel->AddBtn->click(); },
                                              [&](QDialog* add) {
                                                  RunEvents(100);
                                                  EXPECT_TRUE(add->grab().save(ScreenFolder() + "/" + file + "-add.png"));
                                              }));
    });
    EXPECT_TRUE(shown) << file.toStdString();
}

// The same at FontScale 1.25 with a font to match, as `file`-125.
inline void ShootEditorLarge(TMainForm& main, const VnEditorCommand& command, const QString& file, bool withAdd)
{
    const QFont font = QApplication::font();
    QFont large = font;
    large.setPointSizeF(font.pointSizeF() * 1.25);
    QApplication::setFont(large);
    main.FontScale = 1.25f;
    ShootEditor(main, command, file + "-125", withAdd);
    main.FontScale = 1.0f;
    QApplication::setFont(font);
}

} // namespace editortest
