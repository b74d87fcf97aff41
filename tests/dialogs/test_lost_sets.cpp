// A set the agent did not answer in time may still have been carried out:
// a slow switch applies the request, or its retry, after the module gave up.
// Every family of forms says so after the time-out and reads its list again
// once the agent answers, so that the user sees what the switch did.
//
// The switch holds each request under the case's prefix ten minutes, far
// past the module's time-out; the test then gives the switch the row the
// set asked for, as a slow switch would have applied it, and lets the
// agent answer again.
#include <QComboBox>
#include <QDir>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QTreeWidget>

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "EthernetMaskDialog.h"
#include "Ethernetmaskinformationformunit.h"
#include "TConfigForm.h"
#include "TCtrlBtnPanel.h"
#include "TEditsPanel.h"
#include "TListViewPanel.h"
#include "TMsgPanel.h"
#include "TSNMPListViewPanel.h"
#include "Vlanstaticformunit.h"
#include "VnMessageBox.h"
#include "VnMessages.h"
#include "VnSNMPRequest2Edits.h"
#include "VnStatusOutput.h"
#include "configform_support.h"
#include "dialog_test_support.h"

using namespace dialogtest;

namespace {

// Ten minutes: the request is never answered while the test runs.
constexpr int kHeldMs = 600000;
// The module's own time-out (1 s, one retry) and a quick second try.
constexpr int kTimeout = 100;
constexpr int kRereadMs = 200;

QString TimeOutText()
{
    return QString::fromStdString(VnErrorText(kVnErrTimeout));
}

// The last line a status output shows, a walk's passing progress aside.
QString LastLasting(QWidget* output)
{
    if (auto* memo = qobject_cast<QPlainTextEdit*>(output)) {
        QStringList lines = MemoLines(memo);
        while (!lines.isEmpty() && lines.last().startsWith("Reading..."))
            lines.removeLast();
        return lines.isEmpty() ? QString() : lines.last();
    }
    if (auto* bar = dynamic_cast<VnStatusBar*>(output))
        return bar->StatusLine();
    return {};
}

int ListRows(const QTreeWidget* list)
{
    return list ? list->topLevelItemCount() : -1;
}

// One form of a family, open and read, on the switch of the test.
class Subject {
public:
    virtual ~Subject() = default;
    virtual VnSNMPRequest2Edits& Binder() = 0;
    virtual QWidget* StatusOutput() = 0;
    virtual QWidget* Window() = 0;
    // Types the new row or value and presses the command; `then` runs once
    // the set has ended (inside a row form that stays open, for the
    // editor's Add).
    virtual void Act(const std::function<void()>& then) = 0;
    // Whether the form shows what the switch applied.
    virtual bool ShowsApplied() = 0;
};

class VlanDialogAdd : public Subject {
public:
    explicit VlanDialogAdd(const VnDialogContext& context) : form_(std::make_unique<TVlanStaticForm>(nullptr, context))
    {
        form_->show();
        EXPECT_TRUE(WaitIdle(*form_));
        rows_ = ListRows(form_->LV_dot1qVlanStaticEntry);
    }
    VnSNMPRequest2Edits& Binder() override { return *form_->StaticRequest; }
    QWidget* Window() override { return form_.get(); }
    QWidget* StatusOutput() override { return form_->Memo1; }
    void Act(const std::function<void()>& then) override
    {
        form_->ED_VLANID->setText("70");
        form_->ED_VLANName->setText("cameras");
        form_->AddBtn->click();
        // Asynchronous: the set ends in its completion.
        ASSERT_TRUE(RunUntil([&] { return !Binder().Busy() && LastLasting(StatusOutput()).contains(TimeOutText()); }));
        then();
    }
    bool ShowsApplied() override { return ListRows(form_->LV_dot1qVlanStaticEntry) == rows_ + 1; }

private:
    std::unique_ptr<TVlanStaticForm> form_;
    int rows_ = 0;
};

class MaskDialogAdd : public Subject {
public:
    explicit MaskDialogAdd(const VnDialogContext& context)
        : form_(std::make_unique<TEthernetMaskInformationForm>(nullptr, context))
    {
        form_->show();
        EXPECT_TRUE(WaitIdle(*form_));
        rows_ = ListRows(form_->ListView1);
    }
    VnSNMPRequest2Edits& Binder() override { return *form_->Binder; }
    QWidget* Window() override { return form_.get(); }
    QWidget* StatusOutput() override { return form_->StatusBar1; }
    void Act(const std::function<void()>& then) override
    {
        form_->IDEdit->setText("3");
        form_->RowStatusComBo->setCurrentIndex(1);
        form_->BT_Set->click();  // blocking: over when the click returns
        then();
    }
    bool ShowsApplied() override { return ListRows(form_->ListView1) == rows_ + 1; }

private:
    std::unique_ptr<TEthernetMaskInformationForm> form_;
    int rows_ = 0;
};

class TableEditorAdd : public Subject {
public:
    explicit TableEditorAdd(std::uint16_t port) : form_(std::make_unique<TConfigForm>())
    {
        auto binder = formtest::MakeBinder(form_.get(), formtest::kTable, MVT_FMV, 2, port);
        binder_ = binder.get();
        panel_ = form_->SetListViewPanel(std::move(binder), formtest::kStatus, "createAndGo", formtest::kStatus,
                                         "destroy");
        form_->show();
        EXPECT_TRUE(RunUntil([&] { return !binder_->Busy() && ListRows(List()) > 0; }));
        rows_ = ListRows(List());
    }
    VnSNMPRequest2Edits& Binder() override { return *binder_; }
    QWidget* Window() override { return form_.get(); }
    QWidget* StatusOutput() override { return panel_->StatusPanel()->Memo; }
    void Act(const std::function<void()>& then) override
    {
        formtest::OnModal add([&](QDialog* dialog) {
            Edit(formtest::kVlan)->setText("20");
            Edit(formtest::kPort)->setText("3");
            Edit(formtest::kRowName)->setText("camera");
            panel_->EditsPanel->Rows[formtest::kRowName].CheckBox->click();
            dialog->findChild<TCtrlBtnPanel*>()->SetCheckedBtn->click();
            // A set without an answer keeps the form open for another try;
            // the list behind it is read again meanwhile.
            EXPECT_TRUE(dialog->isVisible());
            then();
            dialog->reject();
        });
        panel_->CtrlBtnPanel->AddBtn->click();
        EXPECT_TRUE(add.Ran());
    }
    bool ShowsApplied() override { return ListRows(List()) == rows_ + 1; }

private:
    QTreeWidget* List() const { return panel_->ListViewPanel->ListView; }
    QLineEdit* Edit(int row) const
    {
        return qobject_cast<QLineEdit*>(panel_->EditsPanel->Rows[static_cast<std::size_t>(row)].InputCtrl);
    }

    std::unique_ptr<TConfigForm> form_;
    VnSNMPRequest2Edits* binder_ = nullptr;
    TSNMPListViewPanel* panel_ = nullptr;
    int rows_ = 0;
};

class ScalarEditorSet : public Subject {
public:
    explicit ScalarEditorSet(std::uint16_t port) : form_(std::make_unique<TConfigForm>())
    {
        auto binder = formtest::MakeBinder(form_.get(), formtest::kScalars, SVT_SV, 0, port);
        binder_ = binder.get();
        panel_ = form_->SetEditorPanel(std::move(binder));
        form_->show();
        EXPECT_TRUE(RunUntil([&] { return !binder_->Busy() && !Edit(formtest::kUptime)->text().isEmpty(); }));
        uptime_ = Edit(formtest::kUptime)->text();
    }
    VnSNMPRequest2Edits& Binder() override { return *binder_; }
    QWidget* Window() override { return form_.get(); }
    QWidget* StatusOutput() override { return panel_->StatusPanel()->Memo; }
    void Act(const std::function<void()>& then) override
    {
        Edit(formtest::kName)->setText("edge-switch");
        panel_->EditsPanel->Rows[formtest::kName].CheckBox->click();
        panel_->CtrlBtnPanel->SetCheckedBtn->click();  // blocking
        then();
    }
    // The switch's clock has moved on since the first read.
    bool ShowsApplied() override
    {
        return Edit(formtest::kName)->text() == "edge-switch" && Edit(formtest::kUptime)->text() != uptime_;
    }

private:
    QLineEdit* Edit(int row) const
    {
        return qobject_cast<QLineEdit*>(panel_->EditsPanel->Rows[static_cast<std::size_t>(row)].InputCtrl);
    }

    std::unique_ptr<TConfigForm> form_;
    VnSNMPRequest2Edits* binder_ = nullptr;
    TSNMPEditorPanel* panel_ = nullptr;
    QString uptime_;
};

class LostSet : public DialogSwitchTest {
protected:
    SimSwitchOptions switchOptions() const override
    {
        SimSwitchOptions options;
        for (const char* file : {"dialogs-vlan.sim", "dialogs-acl.sim", "configform-tables.sim"})
            options.dataFiles.push_back(SimSwitch::dataPath(file));
        return options;
    }

    // What a slow switch does with the set it received: its bindings, a
    // row created with createAndGo (4) standing as active (1).
    void ApplyTheHeldSet(const std::string& rowStatusColumn, const std::vector<SimSwitch::Varbind>& more)
    {
        const std::vector<SimSwitch::SetPdu> sets = sim().sets();
        ASSERT_FALSE(sets.empty());
        for (SimSwitch::Varbind vb : sets.front().varbinds) {
            if (!rowStatusColumn.empty() && vb.oid.rfind(rowStatusColumn + ".", 0) == 0 && vb.value == "4")
                vb.value = "1";
            sim().set(vb.oid, vb.type, vb.value);
        }
        for (const SimSwitch::Varbind& vb : more)
            sim().set(vb.oid, vb.type, vb.value);
    }
};

struct LostSetCase {
    const char* family;
    const char* heldPrefix;       // every request under it waits
    std::string rowStatusColumn;  // empty: no row is created
    std::vector<SimSwitch::Varbind> alsoOnTheSwitch;
    QString note;                 // what follows the time-out text
    std::function<std::unique_ptr<Subject>(std::uint16_t port)> open;
};

TEST_F(LostSet, TheFormSaysTheSetMayBeDoneAndShowsWhatTheSwitchDidOnceItAnswers)
{
    VnMessageBoxCapture boxes;
    const QString table = kVnSetMayBeDoneTableText;
    const QString scalars = kVnSetMayBeDoneScalarText;
    const LostSetCase cases[] = {
        {"VLAN dialog Add (asynchronous, memo)", "1.3.6.1.2.1.17.7.1.4.3", "1.3.6.1.2.1.17.7.1.4.3.1.5", {}, table,
         [](std::uint16_t) { return std::make_unique<VlanDialogAdd>(Context()); }},
        {"mask dialog Add (blocking, status bar)", "1.3.6.1.4.1.88406.12.9.2.1", "1.3.6.1.4.1.88406.12.9.2.1.1.8",
         // The mask ID column the switch fills for a row it creates.
         {{"1.3.6.1.4.1.88406.12.9.2.1.1.1.3", "INTEGER", "3"}}, table,
         [](std::uint16_t) { return std::make_unique<MaskDialogAdd>(Context()); }},
        {"table editor Add", "1.3.6.1.4.1.88406.996.2", FORMTEST_T(5), {}, table,
         [](std::uint16_t port) { return std::make_unique<TableEditorAdd>(port); }},
        {"scalar editor Set", "1.3.6.1.4.1.88406.996.1", "", {{FORMTEST_S(4) ".0", "TIMETICKS", "8650000"}}, scalars,
         [](std::uint16_t port) { return std::make_unique<ScalarEditorSet>(port); }},
    };
    const QString folder = qEnvironmentVariable("VN_SCREENSHOT_DIR");
    int shot = 0;
    for (const LostSetCase& c : cases) {
        SCOPED_TRACE(c.family);
        ++shot;
        sim().clearFaults();
        sim().clearSets();
        std::unique_ptr<Subject> subject = c.open(port());
        VnSNMPRequest2Edits& binder = subject->Binder();
        binder.request.timeout = kTimeout;
        binder.rereadIntervalMs = kRereadMs;
        sim().delay(c.heldPrefix, kHeldMs);

        subject->Act([&] {
            const QString said = LastLasting(subject->StatusOutput());
            EXPECT_TRUE(said.startsWith("Set: " + TimeOutText() + c.note)) << said.toStdString();
            if (!folder.isEmpty()) {
                QDir().mkpath(folder);
                EXPECT_TRUE(subject->Window()->grab().save(QString("%1/lost_set_%2.png").arg(folder).arg(shot)));
            }
            EXPECT_FALSE(subject->ShowsApplied());
            ASSERT_FALSE(sim().sets().empty()) << "the set reached the switch";
            EXPECT_EQ(sim().sets().front().status, "received") << "and waits there";

            ApplyTheHeldSet(c.rowStatusColumn, c.alsoOnTheSwitch);
            sim().delay(c.heldPrefix, 0);
            EXPECT_TRUE(RunUntil([&] { return subject->ShowsApplied() && !binder.RereadPending(); }));
        });
        EXPECT_TRUE(RunUntil([&] { return !binder.Busy(); }));
        EXPECT_TRUE(subject->ShowsApplied());
        EXPECT_TRUE(LastLasting(subject->StatusOutput()).contains("Get: " + QString::fromStdString(VnErrorText(kVnOk))))
            << LastLasting(subject->StatusOutput()).toStdString();
        EXPECT_TRUE(boxes.Texts().isEmpty()) << boxes.Texts().join("|").toStdString();
        boxes.Clear();
    }
}

}  // namespace
