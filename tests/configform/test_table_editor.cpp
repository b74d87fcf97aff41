// The table editor over the simulated switch: a walk of a table with two
// index columns, a row added with createAndGo at the typed index, edited,
// and deleted with the delete value; the Add and Edit forms' behaviour
// around failures and the rows they borrow.
#include <QCheckBox>
#include <QComboBox>
#include <QHeaderView>
#include <QLineEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QTest>
#include <QTextBlock>
#include <QTextLayout>
#include <QTreeWidget>

#include <gtest/gtest.h>

#include "TConfigForm.h"
#include "TCtrlBtnPanel.h"
#include "TEditsPanel.h"
#include "TListViewPanel.h"
#include "TMsgPanel.h"
#include "TSNMPListViewPanel.h"
#include "VnMessageBox.h"
#include "VnMessages.h"
#include "configform_support.h"

using namespace formtest;

namespace {

using Record = std::vector<std::vector<std::string>>;

std::vector<unsigned> AccessFlags(const VnSNMPVarList& list)
{
    std::vector<unsigned> flags;
    for (int i = 0; i < list.Count(); ++i)
        flags.push_back(list.Item(i).access);
    return flags;
}

class TableEditorTest : public FormSwitchTest {
protected:
    // The form goes while the switch can still answer its last read.
    void TearDown() override
    {
        form.reset();
        FormSwitchTest::TearDown();
    }
    void Build(const char* addValue = "createAndGo", const char* deleteValue = "destroy")
    {
        form = std::make_unique<TConfigForm>();
        auto binder = MakeBinder(form.get(), kTable, MVT_FMV, 2, port());
        this->binder = binder.get();
        panel = form->SetListViewPanel(std::move(binder), addValue ? kStatus : -1, addValue,
                                       deleteValue ? kStatus : -1, deleteValue);
        list = panel->ListViewPanel->ListView;
        column = panel->CtrlBtnPanel;
        memo = panel->StatusPanel()->Memo;
        form->setWindowTitle("Port Priority Table: 127.0.0.1");
    }
    void ShowAndWalk(int rows)
    {
        form->show();
        ASSERT_TRUE(RunUntil([&] { return !binder->Busy() && list->topLevelItemCount() == rows; }))
            << list->topLevelItemCount();
    }
    QLineEdit* Edit(int row) const
    {
        return qobject_cast<QLineEdit*>(panel->EditsPanel->Rows[static_cast<std::size_t>(row)].InputCtrl);
    }
    QComboBox* Combo(int row) const
    {
        return qobject_cast<QComboBox*>(panel->EditsPanel->Rows[static_cast<std::size_t>(row)].InputCtrl);
    }
    QCheckBox* Box(int row) const { return panel->EditsPanel->Rows[static_cast<std::size_t>(row)].CheckBox; }
    // The set button of the open Add or Edit form.
    static QPushButton* SetButton(QDialog* dialog)
    {
        return dialog->findChild<TCtrlBtnPanel*>()->SetCheckedBtn;
    }
    void Select(int row) { list->setCurrentItem(list->topLevelItem(row)); }
    // In the Add form: the row 30.1 named "printer", the name ticked.
    void TypePrinterRow()
    {
        Edit(kVlan)->setText("30");
        Edit(kPort)->setText("1");
        Edit(kRowName)->setText("printer");
        Box(kRowName)->click();
    }
    QStringList Row(int row) const
    {
        QStringList texts;
        for (int c = 0; c < list->columnCount(); ++c)
            texts << list->topLevelItem(row)->text(c);
        return texts;
    }

    std::unique_ptr<TConfigForm> form;
    VnSNMPRequest2Edits* binder = nullptr;
    TSNMPListViewPanel* panel = nullptr;
    QTreeWidget* list = nullptr;
    TCtrlBtnPanel* column = nullptr;
    QPlainTextEdit* memo = nullptr;
};

}  // namespace

TEST_F(TableEditorTest, AddEditAndDeleteARow)
{
    VnMessageBoxCapture boxes;
    Build();
    ShowAndWalk(3);
    EXPECT_EQ(Row(0), (QStringList{"1", "1", "uplink", "7", "active"}));
    EXPECT_EQ(Row(2), (QStringList{"10", "5", "voice", "5", "active"}));
    EXPECT_EQ(column->CountText->text(), "3");
    const auto flags = AccessFlags(binder->request.varList);

    // Add: the index is typed, the status goes out as createAndGo.
    OnModal add([&](QDialog* dialog) {
        EXPECT_EQ(dialog->windowTitle(), "Port Priority Table: 127.0.0.1 (Add)");
        EXPECT_TRUE(Box(kVlan)->isChecked());
        EXPECT_FALSE(Box(kVlan)->isEnabled());
        EXPECT_FALSE(Edit(kVlan)->isReadOnly());
        EXPECT_EQ(Combo(kStatus)->currentText(), "createAndGo");
        EXPECT_FALSE(Combo(kStatus)->isEnabled());
        Edit(kVlan)->setText("20");
        Edit(kPort)->setText("3");
        Edit(kRowName)->setText("camera");
        Box(kRowName)->click();
        SetButton(dialog)->click();
    });
    column->AddBtn->click();
    EXPECT_TRUE(add.Ran());
    EXPECT_EQ(SetRecord(), (Record{{FORMTEST_T(3) ".20.3=63616D657261", FORMTEST_T(5) ".20.3=4"}}));
    ASSERT_TRUE(RunUntil([&] { return !binder->Busy() && list->topLevelItemCount() == 4; }));
    EXPECT_EQ(Row(2), (QStringList{"10", "5", "voice", "5", "active"}));
    EXPECT_EQ(Row(3), (QStringList{"20", "3", "camera", "(NOTDONE)", "active"})) << "no priority given";
    EXPECT_EQ(AccessFlags(binder->request.varList), flags);

    // Edit: only the ticked column goes out, at the selected row's index.
    sim().clearSets();
    Select(3);
    EXPECT_TRUE(column->EditBtn->isEnabled());
    OnModal edit([&](QDialog* dialog) {
        EXPECT_EQ(dialog->windowTitle(), "Port Priority Table: 127.0.0.1");
        EXPECT_TRUE(Edit(kVlan)->isReadOnly()) << "the index is not changed through Edit";
        EXPECT_EQ(Edit(kRowName)->text(), "camera");
        EXPECT_EQ(Combo(kStatus)->findText("createAndGo"), -1);
        EXPECT_EQ(Combo(kStatus)->findText("destroy"), -1);
        EXPECT_FALSE(SetButton(dialog)->isEnabled());
        Edit(kPriority)->setText("6");
        Box(kPriority)->click();
        SetButton(dialog)->click();
    });
    column->EditBtn->click();
    EXPECT_TRUE(edit.Ran());
    EXPECT_EQ(SetRecord(), (Record{{FORMTEST_T(4) ".20.3=6"}}));
    ASSERT_TRUE(RunUntil([&] { return !binder->Busy() && list->topLevelItemCount() == 4; }));
    EXPECT_EQ(Row(3), (QStringList{"20", "3", "camera", "6", "active"}));
    EXPECT_NE(Combo(kStatus)->findText("createAndGo"), -1) << "the values are back after the form";
    EXPECT_NE(Combo(kStatus)->findText("destroy"), -1);

    // Delete: only the status, with the delete value, at the row's index.
    sim().clearSets();
    Select(3);
    column->DeleteBtn->click();
    EXPECT_EQ(boxes.Texts(), QStringList{"Are you sure to delete it?"});
    EXPECT_EQ(SetRecord(), (Record{{FORMTEST_T(5) ".20.3=6"}}));
    EXPECT_EQ(list->topLevelItemCount(), 3) << "read again, blocking, before the click returned";
    EXPECT_EQ(column->CountText->text(), "3");
    EXPECT_EQ(AccessFlags(binder->request.varList), flags);
    EXPECT_EQ(binder->mode, VnSNMPRequest2Controls::kModeAsync);
    EXPECT_FALSE(sim().get(FORMTEST_T(3) ".20.3").has_value());
}

TEST_F(TableEditorTest, DeleteNeedsTheConfirmation)
{
    VnMessageBoxCapture boxes(VnMsgAnswer::Cancel);
    Build();
    ShowAndWalk(3);
    Select(1);
    column->DeleteBtn->click();
    RunEvents(100);
    EXPECT_TRUE(SetRecord().empty());
    EXPECT_EQ(list->topLevelItemCount(), 3);

    // Confirmed, but with no row there is no instance to address.
    boxes.SetAnswer(VnMsgAnswer::Ok);
    list->clearSelection();
    panel->DeleteBtnClick(column->DeleteBtn);
    RunEvents(100);
    EXPECT_TRUE(SetRecord().empty());
}

TEST_F(TableEditorTest, AFailedAddKeepsTheFormAndTheInput)
{
    Build();
    ShowAndWalk(3);
    sim().error(FORMTEST_T(5), "inconsistentValue", "set");
    bool stayedOpen = false;
    QString nameAfterFailure;
    std::string statusLine;
    OnModal add([&](QDialog* dialog) {
        TypePrinterRow();
        SetButton(dialog)->click();
        stayedOpen = dialog->isVisible();
        nameAfterFailure = Edit(kRowName)->text();
        statusLine = LastLine(*memo);
        // Once the switch takes it, the same form writes it and closes.
        sim().clearFaults();
        SetButton(dialog)->click();
    });
    column->AddBtn->click();
    EXPECT_TRUE(stayedOpen);
    EXPECT_EQ(nameAfterFailure, "printer");
    EXPECT_EQ(statusLine.rfind("Set: ", 0), 0u) << statusLine;
    EXPECT_NE(statusLine, "Set: " + VnErrorText(kVnOk) + ". Receive at T.");
    EXPECT_EQ(SetRecord().size(), 2u);
    EXPECT_EQ(SetRecord()[1], (std::vector<std::string>{FORMTEST_T(3) ".30.1=7072696E746572", FORMTEST_T(5) ".30.1=4"}));
    ASSERT_TRUE(RunUntil([&] { return !binder->Busy() && list->topLevelItemCount() == 4; }));
}

TEST_F(TableEditorTest, TheAddFormStartsFromResetRows)
{
    Build();
    ShowAndWalk(3);
    // An Edit form left with ticks and a status row without choices.
    Select(0);
    OnModal edit([&](QDialog* dialog) {
        Box(kRowName)->click();
        Box(kPriority)->click();
        dialog->reject();
    });
    column->EditBtn->click();
    ASSERT_TRUE(RunUntil([&] { return !binder->Busy(); }));

    bool namesUnticked = false;
    bool indexTyped = false;
    OnModal add([&](QDialog* dialog) {
        namesUnticked = !Box(kRowName)->isChecked() && !Box(kPriority)->isChecked();
        indexTyped = Edit(kVlan)->text().isEmpty() && !Edit(kVlan)->isReadOnly();
        dialog->reject();
    });
    column->AddBtn->click();
    EXPECT_TRUE(namesUnticked);
    EXPECT_TRUE(indexTyped);
    EXPECT_TRUE(SetRecord().empty());
}

// Values typed into the Add and Edit forms go out without their boxes
// touched; what the program fills in ticks nothing, and a box the user
// unticks keeps its column out.
TEST_F(TableEditorTest, WhatTheUserTypesIsSentWithoutTouchingTheBoxes)
{
    Build();
    ShowAndWalk(3);
    OnModal add([&](QDialog* dialog) {
        QTest::keyClicks(Edit(kVlan), "21");
        QTest::keyClicks(Edit(kPort), "4");
        QTest::keyClicks(Edit(kRowName), "cam");
        QTest::keyClicks(Edit(kPriority), "5");
        SetButton(dialog)->click();
    });
    column->AddBtn->click();
    EXPECT_TRUE(add.Ran());
    EXPECT_EQ(SetRecord(), (Record{{FORMTEST_T(3) ".21.4=63616D", FORMTEST_T(4) ".21.4=5", FORMTEST_T(5) ".21.4=4"}}));
    ASSERT_TRUE(RunUntil([&] { return !binder->Busy() && list->topLevelItemCount() == 4; }));

    sim().clearSets();
    Select(1);
    bool nothingTicked = false;
    OnModal edit([&](QDialog* dialog) {
        nothingTicked = !Box(kRowName)->isChecked() && !Box(kPriority)->isChecked() &&
                        !SetButton(dialog)->isEnabled();
        Edit(kPriority)->selectAll();
        QTest::keyClicks(Edit(kPriority), "2");
        QTest::keyClicks(Edit(kRowName), "x");
        Box(kRowName)->click();  // the name after all not
        SetButton(dialog)->click();
    });
    column->EditBtn->click();
    EXPECT_TRUE(edit.Ran());
    EXPECT_TRUE(nothingTicked) << "the row the program showed ticks nothing";
    EXPECT_EQ(SetRecord(), (Record{{FORMTEST_T(4) ".1.2=2"}})) << "the priority alone, at the selected row";
    ASSERT_TRUE(RunUntil([&] { return !binder->Busy(); }));
}

// Commands pressed while a walk waits for the switch: each is named as not
// done, on the progress line and once the walk is over; nothing is sent.
TEST_F(TableEditorTest, EveryCommandRefusedDuringAWalkIsNamed)
{
    VnMessageBoxCapture boxes;
    // The last row's status is held back far longer than a loaded machine
    // needs to press the buttons; the walk waits for it.
    constexpr int kHeldBackMs = 8000;
    sim().delay(FORMTEST_T(5) ".10.5", kHeldBackMs);
    Build();
    binder->request.timeout = 3 * kHeldBackMs / 10;
    form->show();
    const auto last = [&] { return QString::fromStdString(LastLine(*memo)); };
    ASSERT_TRUE(RunUntil([&] { return last() == "Reading... 2 rows"; })) << last().toStdString();
    Select(0);
    const struct {
        QPushButton* button;
        const char* said;
    } presses[] = {
        {column->DeleteBtn, "Delete"},
        {column->RefreshBtn, "Delete, Refresh"},
        {column->DeleteBtn, "Delete, Refresh"},
    };
    for (const auto& press : presses) {
        press.button->click();
        EXPECT_EQ(last(), QString("Reading... 2 rows - Busy reading from the agent: %1 not done.").arg(press.said));
    }
    EXPECT_TRUE(boxes.Texts().isEmpty()) << "no question before the refusal";

    ASSERT_TRUE(RunUntil([&] { return !binder->Busy(); }));
    EXPECT_EQ(list->topLevelItemCount(), 3);
    EXPECT_TRUE(memo->toPlainText().split('\n').contains("Busy reading from the agent: Delete, Refresh not done."))
        << memo->toPlainText().toStdString();
    EXPECT_TRUE(SetRecord().empty());
}

TEST_F(TableEditorTest, ClickingBesideTheRowsEmptiesTheEdits)
{
    Build();
    ShowAndWalk(3);
    Select(1);
    EXPECT_EQ(Edit(kRowName)->text(), "server");
    const QRect last = list->visualItemRect(list->topLevelItem(2));
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, QPoint(5, last.bottom() + 30));
    EXPECT_TRUE(list->selectedItems().isEmpty());
    EXPECT_TRUE(Edit(kRowName)->text().isEmpty());
    EXPECT_FALSE(column->EditBtn->isEnabled());
    EXPECT_FALSE(column->DeleteBtn->isEnabled());
}

TEST_F(TableEditorTest, TheRowHintListsEveryColumn)
{
    QTreeWidget list;
    list.setHeaderLabels({"Index", "Name"});
    QTreeWidgetItem row(&list, QStringList{"3", "abc"});
    EXPECT_EQ(TSNMPListViewPanel::RowHint(list, row), "Index  3\nName\t  abc\n");

    Build();
    ShowAndWalk(3);
    panel->ListViewMouseMove(list.visualItemRect(&row).center());  // another list: nothing
    const QTreeWidgetItem* first = this->list->topLevelItem(0);
    panel->ListViewMouseMove(this->list->visualItemRect(first).center());
    EXPECT_EQ(first->toolTip(2), "VLAN\t\t\t\t  1\nPort\t\t\t\t  1\nName\t\t\t\t  uplink\nPriority  7\nStatus\t\t  active\n");
}

TEST_F(TableEditorTest, AFailedDeletePutsEverythingBack)
{
    VnMessageBoxCapture boxes;
    Build();
    ShowAndWalk(3);
    sim().error(FORMTEST_T(5), "genErr", "set");
    const auto flags = AccessFlags(binder->request.varList);
    Select(0);
    const qsizetype linesBefore = memo->toPlainText().split('\n', Qt::SkipEmptyParts).size();
    column->DeleteBtn->click();
    EXPECT_EQ(SetRecord().size(), 1u);
    EXPECT_EQ(list->topLevelItemCount(), 3);
    // The refusal once, and the list read again after it says no "Ok".
    const QStringList since = memo->toPlainText().split('\n', Qt::SkipEmptyParts).mid(linesBefore);
    ASSERT_EQ(since.size(), 1) << since.join("|").toStdString();
    EXPECT_TRUE(since[0].startsWith("Set: (SNMP) Cannot perform operation, General Error!")) << since[0].toStdString();
    EXPECT_FALSE(since[0].contains("Ok")) << since[0].toStdString();
    EXPECT_EQ(AccessFlags(binder->request.varList), flags);
    EXPECT_EQ(binder->mode, VnSNMPRequest2Controls::kModeAsync);
}

namespace {

const VnIntOption kValidArray[] = {{1, "valid"}, {2, "invalid"}, {0, nullptr}};
const VnOptionList kValidOptions(kValidArray);
// The status column offers nothing but the add and delete values.
const VnSNMPVarDesc kValidTable[] = {
    {" ", "VLAN", S::Integer, A::NotAccess},
    {" ", "Port", S::Integer, A::NotAccess},
    {FORMTEST_T(3), "Name", S::DisplayStr, A::ReadWrite},
    {FORMTEST_T(4), "Priority", S::Integer, A::ReadWrite},
    {FORMTEST_T(5), "Status", S::Integer, A::ReadWrite, &kValidOptions},
    {},
};
// Nothing to edit: index and read-only columns.
const VnSNMPVarDesc kFixedTable[] = {
    {" ", "VLAN", S::Integer, A::NotAccess},
    {" ", "Port", S::Integer, A::NotAccess},
    {FORMTEST_T(3), "Name", S::DisplayStr, A::ReadOnly},
    {},
};

}  // namespace

TEST_F(TableEditorTest, AStatusRowWithNothingLeftIsNotOfferedByEdit)
{
    form = std::make_unique<TConfigForm>();
    auto binder = MakeBinder(form.get(), kValidTable, MVT_FMV, 2, port());
    this->binder = binder.get();
    panel = form->SetListViewPanel(std::move(binder), kStatus, "valid", kStatus, "invalid");
    list = panel->ListViewPanel->ListView;
    column = panel->CtrlBtnPanel;
    ShowAndWalk(3);
    const auto flags = AccessFlags(this->binder->request.varList);
    Select(0);
    bool statusHidden = false;
    OnModal edit([&](QDialog* dialog) {
        statusHidden = Combo(kStatus)->isHidden() && Box(kStatus)->isHidden();
        Edit(kRowName)->setText("trunk");
        Box(kRowName)->click();
        SetButton(dialog)->click();
    });
    column->EditBtn->click();
    EXPECT_TRUE(statusHidden);
    EXPECT_EQ(SetRecord(), (Record{{FORMTEST_T(3) ".1.1=7472756E6B"}}));
    EXPECT_FALSE(Combo(kStatus)->isHidden()) << "the row is back after the form";
    EXPECT_EQ(Combo(kStatus)->count(), 2);
    EXPECT_EQ(AccessFlags(this->binder->request.varList), flags);
}

TEST_F(TableEditorTest, ADoubleClickOpensEditEvenWithoutTheButton)
{
    form = std::make_unique<TConfigForm>();
    auto binder = MakeBinder(form.get(), kFixedTable, MVT_FMV, 2, port());
    this->binder = binder.get();
    panel = form->SetListViewPanel(std::move(binder), -1, nullptr, -1, nullptr);
    list = panel->ListViewPanel->ListView;
    column = panel->CtrlBtnPanel;
    ShowAndWalk(3);
    EXPECT_TRUE(column->EditBtn->isHidden());
    Select(1);
    bool onlyClose = false;
    OnModal edit([&](QDialog* dialog) {
        TCtrlBtnPanel* buttons = dialog->findChild<TCtrlBtnPanel*>();
        onlyClose = buttons->SetCheckedBtn->isHidden() && buttons->RefreshBtn->isHidden()
                    && !buttons->CloseBtn->isHidden();
        buttons->CloseBtn->click();
    });
    const QRect row = list->visualItemRect(list->topLevelItem(1));
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, row.center());
    QTest::mouseDClick(list->viewport(), Qt::LeftButton, {}, row.center());
    EXPECT_TRUE(edit.Ran());
    EXPECT_TRUE(onlyClose);
}

// Rows wider than their captions: once they are in, the columns, the list
// and the form grow until every column shows, and the Edit form's inputs
// have room for the row's texts.
TEST_F(TableEditorTest, LongTextsWidenTheColumnsAndTheForm)
{
    const QString name = "uplink to the core switch of building four";
    sim().set(FORMTEST_T(3) ".1.1", "STRING", name.toStdString());
    Build();
    const int shownWidth = form->width();  // before any row is in
    ShowAndWalk(3);
    ASSERT_TRUE(RunUntil([&] { return list->horizontalScrollBar()->maximum() == 0 && form->width() > shownWidth; }, 2000))
        << "a column is still cut: " << list->horizontalScrollBar()->maximum();
    EXPECT_LE(form->width(), 800);
    const QAbstractItemView* view = list;
    EXPECT_GE(list->header()->sectionSize(kRowName), view->sizeHintForColumn(kRowName));

    Select(0);
    OnModal edit([&](QDialog* dialog) {
        const QWidget* input = panel->EditsPanel->Rows[kRowName].InputCtrl;
        EXPECT_GE(input->width(), QFontMetrics(input->font()).horizontalAdvance(name));
        dialog->reject();
    });
    column->EditBtn->click();
    EXPECT_TRUE(edit.Ran());
}

namespace {

// The first line of the memo's view: the block it is in and its line there.
std::pair<int, int> TopOfView(const QPlainTextEdit& memo)
{
    const QTextCursor top = memo.cursorForPosition(QPoint(0, 0));
    const QTextLine line = top.block().layout()->lineForTextPosition(top.positionInBlock());
    return {top.block().blockNumber(), line.lineNumber()};
}

QStringList MemoLines(const QPlainTextEdit* memo)
{
    return memo->toPlainText().split('\n', Qt::SkipEmptyParts);
}

}  // namespace

// A line taller than the memo's view is read from its first words: the
// time-out of a set says first that it timed out, then what may follow.
// A line that fits leaves the memo at its end.
TEST_F(TableEditorTest, ALongLineIsShownFromItsStart)
{
    Build();
    ShowAndWalk(3);
    binder->request.timeout = 50;
    // Neither the set nor its retry is answered.
    sim().drop(FORMTEST_T(5));
    int newest = -1;
    int linesOfNewest = 0;
    std::pair<int, int> top;
    QString timedOut;
    OnModal add([&](QDialog* dialog) {
        TypePrinterRow();
        SetButton(dialog)->click();
        newest = memo->document()->blockCount() - 1;
        linesOfNewest = memo->document()->lastBlock().layout()->lineCount();
        top = TopOfView(*memo);
        timedOut = memo->document()->lastBlock().text();
        if (const QString folder = qEnvironmentVariable("VN_SCREENSHOT_DIR"); !folder.isEmpty()) {
            EXPECT_TRUE(form->grab().save(folder + "/table-editor-set-timed-out.png"));
        }
        sim().undrop(FORMTEST_T(5));
        dialog->reject();
    });
    column->AddBtn->click();
    ASSERT_TRUE(add.Ran());
    const std::vector<std::string> sent = {FORMTEST_T(3) ".30.1=7072696E746572", FORMTEST_T(5) ".30.1=4"};
    ASSERT_FALSE(SetRecord().empty());
    for (const std::vector<std::string>& pdu : SetRecord())
        EXPECT_EQ(pdu, sent) << "the set and its retries";
    EXPECT_TRUE(timedOut.startsWith(QString::fromStdString("Set: " + VnErrorText(kVnErrTimeout))))
        << timedOut.toStdString();
    ASSERT_GT(linesOfNewest, memo->viewport()->height() / memo->fontMetrics().lineSpacing())
        << "the time-out line is taller than the memo's view";
    EXPECT_EQ(top, std::make_pair(newest, 0)) << "the view starts at the time-out's first line";

    // The read after the form finds the switch answering again: its short
    // line is at the memo's end, in view.
    ASSERT_TRUE(RunUntil([&] { return !binder->Busy() && !binder->RereadPending(); }));
    EXPECT_EQ(list->topLevelItemCount(), 3) << "the dropped set made no row";
    EXPECT_EQ(LastLine(*memo), "Get: " + VnErrorText(kVnOk) + ". Receive at T.");
    EXPECT_EQ(memo->verticalScrollBar()->value(), memo->verticalScrollBar()->maximum());
}

// The switch refuses the set of the Add or the Edit form: the memo says so
// once, and the read after the form (which shows the rows as they were)
// writes no second copy and no "Ok" under it.
TEST_F(TableEditorTest, ARefusalThroughTheAddOrEditFormIsWrittenOnce)
{
    struct Case {
        const char* why;
        bool add;  // else an Edit of the second row's priority
        std::vector<std::string> sent;
    };
    const Case cases[] = {
        {"Add", true, {FORMTEST_T(3) ".30.1=7072696E746572", FORMTEST_T(5) ".30.1=4"}},
        {"Edit of the second row", false, {FORMTEST_T(4) ".1.2=6"}},
    };
    Build();
    ShowAndWalk(3);
    const QStringList rows = {Row(0).join(' '), Row(1).join(' '), Row(2).join(' ')};
    sim().error(FORMTEST_T(4), "wrongValue", "set");
    sim().error(FORMTEST_T(5), "wrongValue", "set");
    for (const Case& c : cases) {
        SCOPED_TRACE(c.why);
        sim().clearSets();
        Select(1);
        const qsizetype before = MemoLines(memo).size();
        OnModal form([&](QDialog* dialog) {
            if (c.add) {
                TypePrinterRow();
            } else {
                Edit(kPriority)->setText("6");
                Box(kPriority)->click();
            }
            SetButton(dialog)->click();
            EXPECT_TRUE(dialog->isVisible()) << "the input stays for another try";
            dialog->reject();
        });
        (c.add ? column->AddBtn : column->EditBtn)->click();
        ASSERT_TRUE(form.Ran());
        ASSERT_TRUE(RunUntil([&] { return !binder->Busy(); }));
        EXPECT_EQ(SetRecord(), (Record{c.sent}));
        const QStringList since = MemoLines(memo).mid(before);
        ASSERT_EQ(since.size(), 1) << since.join("\n").toStdString();
        EXPECT_EQ(LastLine(*memo), "Set: (SNMP) Cannot create/set variable, Wrong Value!. Receive at T.");
        EXPECT_EQ((QStringList{Row(0).join(' '), Row(1).join(' '), Row(2).join(' ')}), rows);
    }
}
