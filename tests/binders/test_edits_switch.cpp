// Forms bound through the edits binder against the simulated switch: a
// scalar editor and a table editor read, change and write their values.
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTest>
#include <QTreeWidget>
#include <QWidget>

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "QtPrint.h"
#include "VnMessageBox.h"
#include "VnMessages.h"
#include "VnRadioGroup.h"
#include "VnSNMPRequest2Edits.h"
#include "test_controls_support.h"

using namespace bindertest;

namespace {

std::string OkLine(const char* kind)
{
    return std::string(kind) + ": " + VnErrorText(kVnOk) + ". Receive at T.";
}

std::string LastLine(const QPlainTextEdit& memo)
{
    const QStringList lines = memo.toPlainText().split('\n');
    return WithoutTime(lines.back());
}

// A scalar editor: one control of each kind.
struct ScalarForm {
    QWidget form;
    QPlainTextEdit memo{&form};
    QLineEdit name{&form};
    QComboBox state{&form};
    QCheckBox flag{&form};
    std::vector<QCheckBox*> ports;
    std::vector<QLineEdit*> address;
    VnRadioGroup mode{&form};
    QLabel uptime{&form};
    QLabel description{&form};
    std::unique_ptr<VnSNMPRequest2Edits> binder = std::make_unique<VnSNMPRequest2Edits>(&form);

    ScalarForm()
    {
        for (int k = 0; k < 32; ++k)
            ports.push_back(new QCheckBox(&form));
        for (int k = 0; k < 4; ++k)
            address.push_back(new QLineEdit(&form));
    }
    void Bind()
    {
        binder->BindEdits(kName, "%s{l32}", {&name});
        binder->BindComboBox(kState, &state);
        binder->BindCheckBox(kFlag, &flag);
        std::string bits;
        for (int b = 0; b < 32; ++b)
            bits += (b ? "," : "") + std::to_string(b);
        binder->BindCheckBoxList(kPorts, bits, ports);
        binder->BindEdits(kAddress, "%u{x255}%u{x255}%u{x255}%u{x255}", address);
        binder->BindControl(kMode, &mode);
        binder->BindLabel(kUptime, &uptime);
        binder->BindStaticText(kDescription, &description);
        binder->SetStatusOutput(&memo);
    }
};

class EditsSwitchTest : public BinderSwitchTest {
protected:
    bool WaitIdle(VnSNMPRequest2Edits& binder)
    {
        return RunUntil([&] { return !binder.Busy(); });
    }
};

} // namespace

TEST_F(EditsSwitchTest, ScalarFormReadsAndWritesEachKindOfControl)
{
    ScalarForm f;
    Use(f.binder->request, kScalars, SVT_SV, 0);
    f.Bind();
    f.binder->Refresh();
    ASSERT_TRUE(WaitIdle(*f.binder));
    EXPECT_EQ(LastLine(f.memo), OkLine("Get"));
    EXPECT_EQ(f.name.text(), "core-switch");
    EXPECT_EQ(f.state.currentText(), "enabled");
    EXPECT_FALSE(f.flag.isChecked()) << "2 is the list's first entry: unchecked";
    EXPECT_TRUE(f.ports[0]->isChecked());
    EXPECT_FALSE(f.ports[1]->isChecked());
    EXPECT_TRUE(f.ports[31]->isChecked());
    EXPECT_EQ(f.address[3]->text(), "3");
    EXPECT_EQ(f.mode.SelectedText(), "manual");
    EXPECT_EQ(f.uptime.text(), "1 day 0:00:00.01");
    EXPECT_EQ(f.description.text(), "read only");

    f.name.setText("edge");
    f.flag.setChecked(true);
    f.ports[1]->setChecked(true);
    f.address[3]->setText("4");
    // Only what changed goes out, as the editors mark it.
    const std::string changed = std::to_string(kName) + "," + std::to_string(kFlag) + ","
                                + std::to_string(kPorts) + "," + std::to_string(kAddress);
    ASSERT_TRUE(f.binder->Apply(true, true, changed));
    ASSERT_TRUE(WaitIdle(*f.binder));
    EXPECT_EQ(LastLine(f.memo), OkLine("Set"));
    const auto sets = SetRecord();
    ASSERT_EQ(sets.size(), 1u);
    EXPECT_EQ(sets[0], (std::vector<std::string>{BINDERTEST_S(1) ".0=65646765", BINDERTEST_S(3) ".0=3",
                                                 BINDERTEST_S(4) ".0=C0000001", BINDERTEST_S(5) ".0=10.1.2.4"}));
}

TEST_F(EditsSwitchTest, RefusedInputSendsNothing)
{
    VnMessageBoxCapture boxes;
    ScalarForm f;
    Use(f.binder->request, kScalars, SVT_SV, 0);
    f.Bind();
    f.form.show();
    f.binder->Refresh();
    ASSERT_TRUE(WaitIdle(*f.binder));
    // Typed, and the Set button pressed without the edit losing the focus.
    f.address[0]->setFocus();
    f.address[0]->clear();
    QTest::keyClicks(f.address[0], "300");
    EXPECT_FALSE(f.binder->Apply());
    EXPECT_EQ(boxes.Texts().size(), 1) << "the rule that failed is named";
    EXPECT_EQ(LastLine(f.memo), "Set: " + std::string(kVnNothingSentText) + ". Receive at T.");
    EXPECT_EQ(f.address[0]->text(), "10") << "the last accepted text comes back";
    RunEvents(100);
    EXPECT_TRUE(SetRecord().empty());
}

TEST_F(EditsSwitchTest, TableFormSelectsChangesAndRefreshes)
{
    VnMessageBoxCapture boxes;
    QWidget form;
    QPlainTextEdit memo(&form);
    QTreeWidget list(&form);
    QLineEdit name(&form);
    QComboBox state(&form);
    std::vector<QCheckBox*> ports;
    for (int k = 0; k < 16; ++k)
        ports.push_back(new QCheckBox(&form));
    VnSNMPRequest2Edits binder(&form);
    Use(binder.request, kTable, MVT_FMV, 1);
    binder.BindListView(&list);
    binder.BindEdits(kRowName, "%s{l32}", {&name});
    binder.BindComboBox(kRowState, &state);
    binder.BindCheckBoxList(kRowPorts, "0,1,2,3,4,5,6,7,8,9,10,11,12,13,14,15", ports);
    binder.SetStatusOutput(&memo);

    binder.Refresh();
    ASSERT_TRUE(WaitIdle(binder));
    ASSERT_EQ(list.topLevelItemCount(), 5);
    EXPECT_EQ(list.topLevelItem(2)->text(1), "charlie");
    EXPECT_FALSE(name.isEnabled()) << "controls wait for a row";

    list.setCurrentItem(list.topLevelItem(2));
    EXPECT_TRUE(name.isEnabled());
    EXPECT_EQ(name.text(), "charlie");
    EXPECT_EQ(state.currentText(), "enabled");
    EXPECT_TRUE(ports[15]->isChecked());
    EXPECT_FALSE(ports[0]->isChecked());

    state.setCurrentIndex(0);
    ASSERT_TRUE(binder.Apply(true, true, std::to_string(kRowState)));
    ASSERT_TRUE(RunUntil([&] { return !binder.Busy() && LastLine(memo) == OkLine("Get"); }));
    const auto sets = SetRecord();
    ASSERT_EQ(sets.size(), 1u);
    EXPECT_EQ(sets[0], std::vector<std::string>{BINDERTEST_T(3) ".3=2"});
    ASSERT_EQ(list.topLevelItemCount(), 5) << "the table is read again after the set";
    EXPECT_EQ(list.topLevelItem(2)->text(2), "disabled");

    // Row 2's bitmap has one byte: the second byte's boxes must not keep
    // row 3's bits.
    list.setCurrentItem(list.topLevelItem(2));
    EXPECT_TRUE(ports[15]->isChecked());
    list.setCurrentItem(list.topLevelItem(1));
    EXPECT_EQ(boxes.Texts().size(), 1);
    EXPECT_FALSE(ports[15]->isChecked());
    EXPECT_TRUE(ports[4]->isChecked());
}

TEST_F(EditsSwitchTest, ClosingTheFormDuringAWalk)
{
    auto form = std::make_unique<QWidget>();
    auto* list = new QTreeWidget(form.get());
    auto* name = new QLineEdit(form.get());
    auto binder = std::make_unique<VnSNMPRequest2Edits>(form.get());
    Use(binder->request, kTable, MVT_FMV, 1);
    binder->BindListView(list);
    binder->BindEdits(kRowName, "%s", {name});
    sim().delay(BINDERTEST_T(1) ".3", 300);
    binder->Refresh();
    bool closed = false;
    QTimer::singleShot(100, [&] {
        EXPECT_TRUE(binder->StopAndWait());
        EXPECT_EQ(list->topLevelItemCount(), 3);
        binder.reset();
        form.reset();
        closed = true;
    });
    ASSERT_TRUE(RunUntil([&] { return closed; }));
    RunEvents(200);
}
