// The syslog host dialogs over the simulated switch: what Add, Edit and
// Delete send (the boxes choose the columns; Delete at the selected row,
// whatever an Add typed), the Add checks, and closing during a walk.
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>
#include <QTreeWidget>

#include <memory>

#include "Systemloghostunit.h"
#include "VnMessageBox.h"
#include "VnSNMPRequest2Edits.h"
#include "mgmt_test_support.h"

using namespace dialogtest;
using namespace mgmttest;

namespace {

constexpr const char* kEntry = "1.3.6.1.4.1.88406.12.12.2.1";

std::string Column(int column, int index, const std::string& value)
{
    return std::string(kEntry) + "." + std::to_string(column) + "." + std::to_string(index) + "=" + value;
}

using Record = std::vector<std::vector<std::string>>;

class SyslogHost : public MgmtSwitchTest {
protected:
    std::unique_ptr<TSystemLogHostForm> Open()
    {
        auto form = std::make_unique<TSystemLogHostForm>(nullptr, Context());
        form->show();
        EXPECT_TRUE(WaitIdle(*form));
        return form;
    }
    static void Select(TSystemLogHostForm& form, const char* index)
    {
        ASSERT_TRUE(SelectRow(form.ListView1, 0, index)) << index;
    }
    // Opens the edit form with `button` and runs `inside` in it.
    static bool InEditForm(QPushButton* button, const std::function<void(TLogHostEditForm&)>& inside)
    {
        return WhileShown(LogHostEditForm, [&] { button->click(); }, [&] { inside(*LogHostEditForm); });
    }
    VnMessageBoxCapture boxes;
};

TEST_F(SyslogHost, ListsTheHostsAndTheirCount)
{
    auto form = Open();
    EXPECT_EQ(form->ListView1->topLevelItemCount(), 2);
    EXPECT_EQ(form->StaticText1->text(), "2");
    EXPECT_FALSE(form->EditButton->isEnabled());
    Select(*form, "3");
    EXPECT_TRUE(form->EditButton->isEnabled());
    // Keyboard and refresh move the button too.
    QTest::keyClick(form->ListView1, Qt::Key_Up);
    EXPECT_EQ(form->ListView1->currentItem()->text(0), "1");
    form->GetButton->click();
    ASSERT_TRUE(WaitIdle(*form));
    EXPECT_FALSE(form->EditButton->isEnabled());
}

TEST_F(SyslogHost, AddSendsTheStateAndTheCheckedColumns)
{
    struct Case {
        std::vector<int> boxes;
        Record expected;
        const char* why;
    };
    const Case cases[] = {
        {{}, {{Column(6, 2, "2"), Column(7, 2, "4")}}, "no box: state and createAndGo only"},
        {{1, 4}, {{Column(2, 2, "10.9.8.7"), Column(5, 2, "6001"), Column(6, 2, "2"), Column(7, 2, "4")}},
         "address and port boxes"},
        {{5}, {{Column(6, 2, "2"), Column(7, 2, "4")}}, "the state box changes nothing in an Add"},
    };
    for (const Case& c : cases) {
        auto form = Open();
        sim().clearSets();
        EXPECT_TRUE(InEditForm(form->AddButton, [&](TLogHostEditForm& edit) {
            EXPECT_EQ(edit.windowTitle(), form->windowTitle() + " (Add)");
            EXPECT_TRUE(edit.IndexEdit->isEnabled());
            EXPECT_EQ(edit.FacComboBox->currentText(), "local0");
            EXPECT_EQ(edit.SevComboBox->currentText(), "all");
            EXPECT_EQ(edit.StateComboBox->currentText(), "disabled");
            EXPECT_EQ(edit.RowComboBox->currentText(), "createAndGo");
            edit.IndexEdit->setText("2");
            edit.IPAddrEdit->setText("10.9.8.7");
            edit.PortEdit->setText("6001");
            for (int n : c.boxes)
                edit.findChild<QCheckBox*>(QString("CheckBox%1").arg(n))->setChecked(true);
            edit.SetButton->click();
            EXPECT_FALSE(edit.isVisible()) << c.why;
        }));
        ASSERT_TRUE(WaitIdle(*form));
        EXPECT_EQ(SetRecord(), c.expected) << c.why;
        EXPECT_EQ(form->ListView1->topLevelItemCount(), 3) << c.why;
        for (int column = 2; column <= 7; ++column)
            sim().unset(std::string(kEntry) + "." + std::to_string(column) + ".2");
    }
}

TEST_F(SyslogHost, EditSendsTheActiveStatusAndTheCheckedColumnsAtTheRow)
{
    struct Case {
        std::vector<int> boxes;
        Record expected;
        const char* why;
    };
    const Case cases[] = {
        {{}, {{Column(7, 3, "1")}}, "no box: the row status only"},
        {{2}, {{Column(3, 3, "7"), Column(7, 3, "1")}}, "facility"},
        {{3}, {{Column(4, 3, "3"), Column(7, 3, "1")}}, "severity"},
        {{5}, {{Column(6, 3, "3"), Column(7, 3, "1")}}, "state"},
        {{1, 2, 3, 4, 5},
         {{Column(2, 3, "192.168.1.20"), Column(3, 3, "7"), Column(4, 3, "3"), Column(5, 3, "6000"), Column(6, 3, "3"),
           Column(7, 3, "1")}},
         "every box"},
    };
    auto form = Open();
    for (const Case& c : cases) {
        sim().clearSets();
        Select(*form, "3");
        EXPECT_TRUE(InEditForm(form->EditButton, [&](TLogHostEditForm& edit) {
            EXPECT_FALSE(edit.IndexEdit->isEnabled());
            EXPECT_EQ(edit.IndexEdit->text(), "3");
            EXPECT_EQ(edit.RowComboBox->currentText(), "active");
            edit.StateComboBox->setCurrentIndex(1);
            for (int n : c.boxes)
                edit.findChild<QCheckBox*>(QString("CheckBox%1").arg(n))->setChecked(true);
            edit.SetButton->click();
        }));
        ASSERT_TRUE(WaitIdle(*form));
        EXPECT_EQ(SetRecord(), c.expected) << c.why;
    }
}

// Fields the user changes go out without their boxes touched; the user can
// untick a box again, and what the program shows ticks nothing.
TEST_F(SyslogHost, WhatTheUserChangesIsSentWithoutTouchingTheBoxes)
{
    auto form = Open();
    sim().clearSets();
    EXPECT_TRUE(InEditForm(form->AddButton, [&](TLogHostEditForm& edit) {
        QTest::keyClicks(edit.IndexEdit, "2");
        QTest::keyClicks(edit.IPAddrEdit, "10.9.8.7");
        QTest::keyClick(edit.FacComboBox, Qt::Key_Down);
        QTest::keyClick(edit.SevComboBox, Qt::Key_Down);
        QTest::keyClicks(edit.PortEdit, "6001");
        edit.SetButton->click();
    }));
    ASSERT_TRUE(WaitIdle(*form));
    EXPECT_EQ(SetRecord(), (Record{{Column(2, 2, "10.9.8.7"), Column(3, 2, "1"), Column(4, 2, "2"),
                                    Column(5, 2, "6001"), Column(6, 2, "2"), Column(7, 2, "4")}}));

    sim().clearSets();
    Select(*form, "3");
    EXPECT_TRUE(InEditForm(form->EditButton, [&](TLogHostEditForm& edit) {
        for (int n = 1; n <= TLogHostEditForm::kBoxCount; ++n)
            EXPECT_FALSE(edit.findChild<QCheckBox*>(QString("CheckBox%1").arg(n))->isChecked()) << n;
        edit.PortEdit->selectAll();
        QTest::keyClicks(edit.PortEdit, "6002");
        // Another state chosen, then its box unticked: the state after all not.
        QTest::keyClick(edit.StateComboBox, edit.StateComboBox->currentIndex() == 0 ? Qt::Key_Down : Qt::Key_Up);
        EXPECT_TRUE(edit.CheckBox5->isChecked());
        edit.CheckBox5->click();
        edit.SetButton->click();
    }));
    ASSERT_TRUE(WaitIdle(*form));
    EXPECT_EQ(SetRecord(), (Record{{Column(5, 3, "6002"), Column(7, 3, "1")}}));
}

TEST_F(SyslogHost, TheSendBoxesStandAtTheLeftOfTheirFields)
{
    auto form = Open();
    EXPECT_TRUE(InEditForm(form->AddButton, [&](TLogHostEditForm& edit) {
        const std::pair<QCheckBox*, QWidget*> pairs[] = {{edit.CheckBox1, edit.IPAddrEdit},
                                                         {edit.CheckBox2, edit.FacComboBox},
                                                         {edit.CheckBox3, edit.SevComboBox},
                                                         {edit.CheckBox4, edit.PortEdit},
                                                         {edit.CheckBox5, edit.StateComboBox}};
        for (const auto& [box, field] : pairs) {
            const QRect boxRect = box->geometry();
            const QRect fieldRect = field->geometry();
            EXPECT_LT(boxRect.right(), fieldRect.left()) << field->objectName().toStdString();
            for (const QLabel* label : edit.findChildren<QLabel*>()) {
                if (label->buddy() == field) {
                    EXPECT_LT(boxRect.right(), label->x()) << field->objectName().toStdString();
                }
            }
            EXPECT_TRUE(boxRect.center().y() >= fieldRect.top() && boxRect.center().y() <= fieldRect.bottom())
                << field->objectName().toStdString();
        }
    }));
}

TEST_F(SyslogHost, AddChecksSendNothing)
{
    struct Case {
        const char* index;
        const char* message;
    };
    const Case cases[] = {
        {"", TLogHostEditForm::kIndexMissing},
        {"3", TLogHostEditForm::kIndexTaken},
    };
    auto form = Open();
    for (const Case& c : cases) {
        boxes.Clear();
        EXPECT_TRUE(InEditForm(form->AddButton, [&](TLogHostEditForm& edit) {
            edit.IndexEdit->setText(c.index);
            edit.SetButton->click();
            EXPECT_TRUE(edit.isVisible());
        }));
        EXPECT_EQ(boxes.Texts(), QStringList{c.message});
    }
    // A bad address is refused by its syntax, the form stays open.
    boxes.Clear();
    InEditForm(form->AddButton, [&](TLogHostEditForm& edit) {
        edit.IndexEdit->setText("4");
        edit.IPAddrEdit->setText("10.0.0");
        edit.findChild<QCheckBox*>("CheckBox1")->setChecked(true);
        edit.SetButton->click();
        EXPECT_TRUE(edit.isVisible());
    });
    EXPECT_EQ(boxes.Texts().size(), 1);
    ASSERT_TRUE(WaitIdle(*form));
    EXPECT_TRUE(SetRecord().empty());
}

TEST_F(SyslogHost, DeleteDestroysTheSelectedRowOnly)
{
    auto form = Open();
    Select(*form, "3");
    // An Add closed with another index typed leaves it in the index field.
    InEditForm(form->AddButton, [&](TLogHostEditForm& edit) { edit.IndexEdit->setText("1"); });
    EXPECT_EQ(LogHostEditForm->IndexEdit->text(), "1");
    form->DeleteButton->click();
    ASSERT_TRUE(WaitIdle(*form));
    EXPECT_EQ(SetRecord(), (Record{{Column(7, 3, "6")}}));
    EXPECT_EQ(form->ListView1->topLevelItemCount(), 1);
    EXPECT_EQ(form->StaticText1->text(), "1");
}

TEST_F(SyslogHost, DeleteWithoutARowSendsNothing)
{
    auto form = Open();
    // Delete, as Edit, follows the selection.
    EXPECT_FALSE(form->DeleteButton->isEnabled());
    Select(*form, "3");
    EXPECT_TRUE(form->DeleteButton->isEnabled());
    form->ListView1->clearSelection();
    EXPECT_FALSE(form->DeleteButton->isEnabled());
    form->DeleteButtonClick();
    ASSERT_TRUE(WaitIdle(*form));
    EXPECT_EQ(boxes.Texts(), QStringList{kVnNoRowSelectedText});
    EXPECT_TRUE(SetRecord().empty());
}

TEST_F(SyslogHost, ADelayedDeleteShowsTheListWithoutTheRow)
{
    auto form = Open();
    sim().delay(std::string(kEntry) + ".7", 50);
    Select(*form, "1");
    form->DeleteButton->click();
    ASSERT_TRUE(WaitIdle(*form));
    EXPECT_EQ(SetRecord(), (Record{{Column(7, 1, "6")}}));
    ASSERT_EQ(form->ListView1->topLevelItemCount(), 1);
    EXPECT_EQ(form->ListView1->topLevelItem(0)->text(0), "3");
}

TEST_F(SyslogHost, ARefusedDeleteKeepsItsSetLineAndTheAccessWords)
{
    auto form = Open();
    std::vector<unsigned> words;
    for (int i = 0; i < form->Request->request.varList.Count(); ++i)
        words.push_back(form->Request->request.varList.Item(i).access);
    sim().error(std::string(kEntry) + ".7", "genErr", "set");
    Select(*form, "1");
    form->DeleteButton->click();
    ASSERT_TRUE(WaitIdle(*form));
    const QStringList lines = MemoLines(form->Memo1);
    ASSERT_FALSE(lines.isEmpty());
    EXPECT_TRUE(std::any_of(lines.begin(), lines.end(), [](const QString& l) { return l.startsWith("Set:"); }))
        << form->Memo1->toPlainText().toStdString();
    for (int i = 0; i < form->Request->request.varList.Count(); ++i)
        EXPECT_EQ(form->Request->request.varList.Item(i).access, words[static_cast<std::size_t>(i)]) << i;
    EXPECT_EQ(form->ListView1->topLevelItemCount(), 2);
}

TEST_F(SyslogHost, ClosingDuringAWalkSendsNothingMore)
{
    auto form = Open();
    sim().delay(kEntry, 40);
    form->GetButton->click();
    RunEvents(10);
    form->reject();
    EXPECT_FALSE(form->Request->Busy());
    form.reset();
    EXPECT_EQ(SystemLogHostForm, nullptr);
    EXPECT_EQ(LogHostEditForm, nullptr);
    EXPECT_TRUE(SetRecord().empty());
}

}  // namespace
