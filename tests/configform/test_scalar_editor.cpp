// The scalar editor over the simulated switch: the first refresh inside the
// modal showing, Set Checked sending only the ticked rows, the empty-row
// warning, failures in the status line, and everything put back afterwards.
#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

#include <gtest/gtest.h>

#include "TConfigForm.h"
#include "TCtrlBtnPanel.h"
#include "TEditsPanel.h"
#include "TMsgPanel.h"
#include "TSNMPPanel.h"
#include "VnMessageBox.h"
#include "VnMessages.h"
#include "configform_support.h"

using namespace formtest;

namespace {

std::string OkLine(const char* kind)
{
    return std::string(kind) + ": " + VnErrorText(kVnOk) + ". Receive at T.";
}

QLineEdit* Edit(TSNMPEditorPanel* panel, int row)
{
    return qobject_cast<QLineEdit*>(panel->EditsPanel->Rows[static_cast<std::size_t>(row)].InputCtrl);
}

QCheckBox* Box(TSNMPEditorPanel* panel, int row)
{
    return panel->EditsPanel->Rows[static_cast<std::size_t>(row)].CheckBox;
}

std::vector<unsigned> AccessFlags(const VnSNMPVarList& list)
{
    std::vector<unsigned> flags;
    for (int i = 0; i < list.Count(); ++i)
        flags.push_back(list.Item(i).access);
    return flags;
}

class ScalarEditorTest : public FormSwitchTest {
protected:
    void TearDown() override
    {
        form.reset();
        FormSwitchTest::TearDown();
    }
    void Build()
    {
        form = std::make_unique<TConfigForm>();
        auto binder = MakeBinder(form.get(), kScalars, SVT_SV, 0, port());
        this->binder = binder.get();
        panel = form->SetEditorPanel(std::move(binder));
        memo = panel->StatusPanel()->Memo;
        form->setWindowTitle("System Information: 127.0.0.1");
    }
    void ShowAndRead()
    {
        form->show();
        ASSERT_TRUE(RunUntil([&] { return !binder->Busy() && !memo->toPlainText().isEmpty(); }));
        ASSERT_EQ(LastLine(*memo), OkLine("Get"));
    }

    std::unique_ptr<TConfigForm> form;
    VnSNMPRequest2Edits* binder = nullptr;
    TSNMPEditorPanel* panel = nullptr;
    QPlainTextEdit* memo = nullptr;
};

}  // namespace

TEST_F(ScalarEditorTest, FirstRefreshRunsInsideTheModalShowing)
{
    Build();
    RunEvents(100);
    EXPECT_TRUE(memo->toPlainText().isEmpty()) << "nothing is read before the form is shown";

    std::string seen;
    OnModal inside([&](QDialog* dialog) {
        RunUntil([&] { return !binder->Busy() && !memo->toPlainText().isEmpty(); });
        seen = Edit(panel, kName)->text().toStdString();
        dialog->close();
    });
    form->exec();
    EXPECT_TRUE(inside.Ran());
    EXPECT_EQ(seen, "core-switch");
    EXPECT_TRUE(form->Requests().empty()) << "closing deleted the binder";
}

TEST_F(ScalarEditorTest, SetCheckedSendsOnlyTheTickedRows)
{
    Build();
    ShowAndRead();
    EXPECT_EQ(Edit(panel, kContact)->text(), "noc@example.net");
    TCtrlBtnPanel* column = panel->CtrlBtnPanel;
    EXPECT_FALSE(column->SetCheckedBtn->isEnabled()) << "nothing ticked yet";

    Edit(panel, kName)->setText("edge-7");
    Edit(panel, kContact)->setText("changed, not ticked");
    Box(panel, kName)->click();
    EXPECT_TRUE(column->SetCheckedBtn->isEnabled());
    // An item the command left out of every request stays left out.
    binder->request.varList.Item(kDescription).access |= VnAccess::Invalid;
    const auto flagsBefore = AccessFlags(binder->request.varList);
    column->SetCheckedBtn->click();

    EXPECT_EQ(LastLine(*memo), OkLine("Set"));
    EXPECT_EQ(SetRecord(), (std::vector<std::vector<std::string>>{{FORMTEST_S(1) ".0=656467652D37"}}));
    EXPECT_EQ(AccessFlags(binder->request.varList), flagsBefore) << "unticked rows take part in reads again";
    EXPECT_EQ(binder->mode, VnSNMPRequest2Controls::kModeAsync);

    // A refresh reads what the switch now holds, the unticked row included.
    column->RefreshBtn->click();
    ASSERT_TRUE(RunUntil([&] { return !binder->Busy(); }));
    EXPECT_EQ(Edit(panel, kName)->text(), "edge-7");
    EXPECT_EQ(Edit(panel, kContact)->text(), "noc@example.net");
}

TEST_F(ScalarEditorTest, CheckAllAndClearChecksFollowTheEnabledBoxes)
{
    Build();
    ShowAndRead();
    TCtrlBtnPanel* column = panel->CtrlBtnPanel;
    column->CheckAllBtn->click();
    EXPECT_TRUE(Box(panel, kName)->isChecked());
    EXPECT_TRUE(Box(panel, kState)->isChecked());
    EXPECT_TRUE(Box(panel, kContact)->isChecked());
    EXPECT_FALSE(Box(panel, kUptime)->isChecked()) << "read-only rows cannot be ticked";
    EXPECT_TRUE(column->SetCheckedBtn->isEnabled());

    qobject_cast<QComboBox*>(panel->EditsPanel->Rows[kState].InputCtrl)->setCurrentIndex(0);
    column->SetCheckedBtn->click();
    EXPECT_EQ(SetRecord(), (std::vector<std::vector<std::string>>{
                               {FORMTEST_S(1) ".0=636F72652D737769746368", FORMTEST_S(2) ".0=2",
                                FORMTEST_S(3) ".0=6E6F63406578616D706C652E6E6574"}}));

    column->ClearChecksBtn->click();
    EXPECT_FALSE(Box(panel, kName)->isChecked());
    EXPECT_FALSE(column->SetCheckedBtn->isEnabled());
}

TEST_F(ScalarEditorTest, AnEmptyTickedRowSendsNothing)
{
    VnMessageBoxCapture boxes;
    Build();
    ShowAndRead();
    Edit(panel, kContact)->clear();
    Box(panel, kContact)->click();
    Box(panel, kName)->click();
    const auto flagsBefore = AccessFlags(binder->request.varList);
    EXPECT_FALSE(panel->SetCheckedBtnClick(panel->CtrlBtnPanel->SetCheckedBtn));
    ASSERT_EQ(boxes.Texts(), QStringList{"Some items are empty! (Contact)"}) << "names the empty field";
    EXPECT_EQ(boxes.Shown()[0].icon, VnMsgIcon::Warning);
    RunEvents(100);
    EXPECT_TRUE(SetRecord().empty());
    EXPECT_EQ(AccessFlags(binder->request.varList), flagsBefore);
    EXPECT_EQ(binder->mode, VnSNMPRequest2Controls::kModeAsync);
}

TEST_F(ScalarEditorTest, AFailedSetIsShownAndPutsEverythingBack)
{
    Build();
    ShowAndRead();
    sim().error(FORMTEST_S(1), "wrongValue", "set");
    Box(panel, kName)->click();
    const auto flagsBefore = AccessFlags(binder->request.varList);
    EXPECT_FALSE(panel->SetCheckedBtnClick(panel->CtrlBtnPanel->SetCheckedBtn));
    EXPECT_EQ(LastLine(*memo).rfind("Set: ", 0), 0u) << LastLine(*memo);
    EXPECT_NE(LastLine(*memo), OkLine("Set"));
    EXPECT_EQ(AccessFlags(binder->request.varList), flagsBefore);
    EXPECT_EQ(binder->mode, VnSNMPRequest2Controls::kModeAsync);
}

TEST_F(ScalarEditorTest, ARefusedInputSendsNothing)
{
    VnMessageBoxCapture boxes;
    Build();
    panel->SetVarFormat(kContact, "%i{n5x10}");
    ShowAndRead();
    // "3" passes while typed and fails the range once checked.
    QLineEdit* contact = Edit(panel, kContact);
    contact->setText("");
    contact->setFocus();
    QTest::keyClicks(contact, "3");
    EXPECT_TRUE(Box(panel, kContact)->isChecked()) << "typing ticks the row";
    // Checked again before the set, whatever has the focus.
    EXPECT_FALSE(panel->SetCheckedBtnClick(panel->CtrlBtnPanel->SetCheckedBtn));
    EXPECT_EQ(boxes.Texts().size(), 1);
    RunEvents(100);
    EXPECT_TRUE(SetRecord().empty());
}

// A state the agent holds that the option list does not know: the combo
// shows it as it stands, Check All and Set pass, and the value goes back
// to the agent only when the user chose one; a set of nothing but it
// names the field.
TEST_F(ScalarEditorTest, AValueOutsideTheOptionListIsShownAndNotSentUntouched)
{
    VnMessageBoxCapture boxes;
    sim().set(FORMTEST_S(2) ".0", "INTEGER", "5");
    Build();
    ShowAndRead();
    auto* state = qobject_cast<QComboBox*>(panel->EditsPanel->Rows[kState].InputCtrl);
    ASSERT_NE(state, nullptr);
    EXPECT_EQ(state->currentText(), "5");

    panel->CtrlBtnPanel->CheckAllBtn->click();
    EXPECT_TRUE(panel->SetCheckedBtnClick(panel->CtrlBtnPanel->SetCheckedBtn));
    EXPECT_TRUE(boxes.Texts().isEmpty()) << boxes.Texts().join("|").toStdString();
    const auto record = SetRecord();
    ASSERT_EQ(record.size(), 1u);
    for (const std::string& varbind : record[0])
        EXPECT_EQ(varbind.find(FORMTEST_S(2) ".0="), std::string::npos) << "untouched: " << varbind;

    sim().clearSets();
    panel->CtrlBtnPanel->ClearChecksBtn->click();
    Box(panel, kState)->click();
    EXPECT_FALSE(panel->SetCheckedBtnClick(panel->CtrlBtnPanel->SetCheckedBtn));
    EXPECT_EQ(boxes.Texts().value(0), QString("State: ") + kVnNoValueToSetText);
    EXPECT_TRUE(SetRecord().empty());

    boxes.Clear();
    state->setCurrentText("enabled");
    EXPECT_TRUE(panel->SetCheckedBtnClick(panel->CtrlBtnPanel->SetCheckedBtn));
    EXPECT_EQ(SetRecord(), (std::vector<std::vector<std::string>>{{FORMTEST_S(2) ".0=3"}})) << "the user's choice";
}
