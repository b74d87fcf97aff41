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
#include <QTimer>
#include <QTreeWidget>

#include <algorithm>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "EthernetMaskDialog.h"
#include "Ethernetmaskinformationformunit.h"
#include "TConfigForm.h"
#include "UdpRelay.h"
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

// The lines of a memo that report a set.
qsizetype SetLines(const QPlainTextEdit* memo)
{
    const QStringList lines = MemoLines(memo);
    return std::count_if(lines.begin(), lines.end(), [](const QString& line) { return line.startsWith("Set: "); });
}

// One form of a family, open and read, on the switch of the test.
class Subject {
public:
    virtual ~Subject() = default;
    // Another row for the next Act, where one switch serves several cases.
    void UseRow(int variant) { variant_ = variant; }
    virtual VnSNMPRequest2Edits& Binder() = 0;
    virtual QWidget* StatusOutput() = 0;
    virtual QWidget* Window() = 0;
    // Types the new row or value and presses the command; `then` runs once
    // the set has ended (inside a row form that stays open, for the
    // editor's Add).
    virtual void Act(const std::function<void()>& then) = 0;
    // Whether the form shows what the switch applied.
    virtual bool ShowsApplied() = 0;

protected:
    QString Row(int first) const { return QString::number(first + variant_); }

private:
    int variant_ = 0;
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
        form_->ED_VLANID->setText(Row(70));
        form_->ED_VLANName->setText("cameras");
        const qsizetype before = SetLines(form_->Memo1);
        form_->AddBtn->click();
        // Asynchronous: the set ends in its completion, with its line.
        ASSERT_TRUE(RunUntil([&] { return !Binder().Busy() && SetLines(form_->Memo1) > before; }));
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
        form_->IDEdit->setText(Row(3));
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
    // `formStays`: the set is not to go through, and the row form stays
    // open for another try.
    explicit TableEditorAdd(std::uint16_t port, bool formStays = true)
        : form_(std::make_unique<TConfigForm>()), formStays_(formStays)
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
            Edit(formtest::kPort)->setText(Row(3));
            Edit(formtest::kRowName)->setText("camera");
            // Ticked, also when an earlier Add left it ticked.
            if (!panel_->EditsPanel->Rows[formtest::kRowName].CheckBox->isChecked())
                panel_->EditsPanel->Rows[formtest::kRowName].CheckBox->click();
            dialog->findChild<TCtrlBtnPanel*>()->SetCheckedBtn->click();
            // A set without an answer keeps the form open for another try;
            // the list behind it is read again meanwhile.
            if (formStays_)
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
    bool formStays_ = true;
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
        if (!panel_->EditsPanel->Rows[formtest::kName].CheckBox->isChecked())
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

std::vector<LostSetCase> LostSetCases()
{
    const QString table = kVnSetMayBeDoneTableText;
    const QString scalars = kVnSetMayBeDoneScalarText;
    return {
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
}

TEST_F(LostSet, TheFormSaysTheSetMayBeDoneAndShowsWhatTheSwitchDidOnceItAnswers)
{
    VnMessageBoxCapture boxes;
    const std::vector<LostSetCase> cases = LostSetCases();
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

// What a status output says of the last set: a memo's last "Set:" line,
// a status bar's line (where a read after the set stands beside it).
QString SetText(QWidget* output)
{
    if (auto* memo = qobject_cast<QPlainTextEdit*>(output)) {
        const QStringList lines = MemoLines(memo);
        for (auto line = lines.rbegin(); line != lines.rend(); ++line) {
            if (line->startsWith("Set: "))
                return *line;
        }
        return {};
    }
    return LastLasting(output);
}

std::string Varbinds(const SimSwitch::SetPdu& pdu)
{
    std::string text;
    for (const SimSwitch::Varbind& vb : pdu.varbinds)
        text += vb.oid + " " + vb.type + " " + vb.value + "\n";
    return text;
}

VnSNMPSecurity Security(bool v3)
{
    VnSNMPSecurity security;
    security.version = 1;
    security.readCommunity = simswitch::kReadCommunity;
    security.writeCommunity = simswitch::kWriteCommunity;
    if (!v3)
        return security;
    security.version = 3;
    security.securityModel = 3;
    security.securityLevel = 3;
    security.securityName = simswitch::kMd5DesUser;
    security.authProtocol = 2;
    security.privProtocol = 2;
    security.authPassword = simswitch::kMd5Password;
    security.privPassword = simswitch::kDesPassword;
    return security;
}

// The binder of `subject` talks to the switch through `relay`, in the
// version given, with a short time-out; a first read through the relay
// finds an SNMPv3 engine before any set.
void AimThroughRelay(Subject& subject, const UdpRelay& relay, bool v3, int retries)
{
    VnSNMPRequest2Edits& binder = subject.Binder();
    binder.request.device.port = relay.port();
    binder.request.security = Security(v3);
    binder.request.timeout = kTimeout;
    binder.request.retries = retries;
    binder.rereadIntervalMs = kRereadMs;
    binder.Refresh();
    EXPECT_TRUE(RunUntil([&] { return !binder.Busy(); }));
}

struct RetriedSetCase {
    const char* family;
    bool createsRow;  // a second copy of the set is refused: the row exists
    std::function<std::unique_ptr<Subject>(std::uint16_t port, bool formStays)> open;
};

// The switch stalls, then works through its queue: the set's first try and
// the copy the module sent when the first got no answer reach it together.
// The first creates the row and the copy is refused, as the row exists by
// then. Over SNMPv3 the module takes only the answer to its last copy (each
// copy has a message ID of its own): the refusal may follow a set that was
// carried out, so the form says so and reads its list, which shows the row.
// Over v2c both answers carry one request ID and the first, Ok, is taken.
// Whatever is said, the switch got exactly the set the user made, twice.
TEST_F(LostSet, ARefusalOfASetSentAgainSaysTheFirstTryMayBeDoneAndTheListShowsIt)
{
    VnMessageBoxCapture boxes;
    const QString ok = QString::fromStdString(VnErrorText(kVnOk));
    const RetriedSetCase cases[] = {
        {"VLAN dialog Add (asynchronous, memo)", true,
         [](std::uint16_t, bool) { return std::make_unique<VlanDialogAdd>(Context()); }},
        {"mask dialog Add (blocking, status bar)", true,
         [](std::uint16_t, bool) { return std::make_unique<MaskDialogAdd>(Context()); }},
        {"table editor Add", true,
         [](std::uint16_t port, bool formStays) { return std::make_unique<TableEditorAdd>(port, formStays); }},
        {"scalar editor Set (the copy is carried out too)", false,
         [](std::uint16_t port, bool) { return std::make_unique<ScalarEditorSet>(port); }},
    };
    for (const bool v3 : {false, true}) {
        for (const RetriedSetCase& c : cases) {
            SCOPED_TRACE(std::string(c.family) + (v3 ? ", SNMPv3" : ", SNMPv2c"));
            sim().clearFaults();
            sim().clearSets();
            const bool doubt = v3 && c.createsRow;
            std::unique_ptr<Subject> subject = c.open(port(), doubt);
            UdpRelay relay(port());
            ASSERT_NE(relay.port(), 0);
            // Retries to spare: the answers may come late on a busy machine.
            AimThroughRelay(*subject, relay, v3, 4);
            subject->UseRow(v3 ? 1 : 0);
            VnSNMPRequest2Edits& binder = subject->Binder();
            relay.HoldRequests(2);

            subject->Act([&] {
                const QString said = SetText(subject->StatusOutput());
                if (doubt) {
                    EXPECT_TRUE(said.contains(kVnFirstTryMayBeDoneTableText)) << said.toStdString();
                    EXPECT_FALSE(said.startsWith("Set: " + ok)) << said.toStdString();
                } else {
                    EXPECT_TRUE(said.startsWith("Set: " + ok)) << said.toStdString();
                }
                EXPECT_TRUE(RunUntil([&] { return !binder.RereadPending() && !binder.Busy(); }));
                if (const QString folder = qEnvironmentVariable("VN_SCREENSHOT_DIR"); !folder.isEmpty() && doubt) {
                    QDir().mkpath(folder);
                    const QString name = QString("retried_set_%1.png").arg(&c - cases);
                    EXPECT_TRUE(subject->Window()->grab().save(QDir(folder).filePath(name)));
                }
            });
            EXPECT_TRUE(RunUntil([&] { return !binder.Busy() && !binder.RereadPending(); }));
            if (c.createsRow) {
                EXPECT_TRUE(subject->ShowsApplied());
                EXPECT_TRUE(LastLasting(subject->StatusOutput()).contains("Get: " + ok))
                    << LastLasting(subject->StatusOutput()).toStdString();
            }
            const std::vector<SimSwitch::SetPdu> sets = sim().sets();
            ASSERT_FALSE(sets.empty());
            EXPECT_EQ(sets[0].status, "applied");
            if (c.createsRow) {
                ASSERT_EQ(sets.size(), 2u);
                EXPECT_EQ(Varbinds(sets[1]), Varbinds(sets[0]));
                EXPECT_EQ(sets[1].status, "received");
            }
            for (const SimSwitch::SetPdu& copy : sets)
                EXPECT_EQ(Varbinds(copy), Varbinds(sets[0]));
            EXPECT_TRUE(boxes.Texts().isEmpty()) << boxes.Texts().join("|").toStdString();
            boxes.Clear();
        }
    }
}

// A set times out, the switch carries it out and answers again, and the
// user makes the same set before the form has read its list: the switch
// refuses the row it now holds. That refusal may come from the earlier set
// having been carried out: the form says so and reads the list, which
// shows the row. A set that goes through brings the read too.
TEST_F(LostSet, ANewSetBeforeThePromisedReadEndsWithThatRead)
{
    VnMessageBoxCapture boxes;
    const QString ok = QString::fromStdString(VnErrorText(kVnOk));
    for (const LostSetCase& c : LostSetCases()) {
        SCOPED_TRACE(c.family);
        sim().clearFaults();
        sim().clearSets();
        std::unique_ptr<Subject> subject = c.open(port());
        UdpRelay relay(port());
        ASSERT_NE(relay.port(), 0);
        AimThroughRelay(*subject, relay, false, 1);
        VnSNMPRequest2Edits& binder = subject->Binder();
        // The form would ask the switch again only after the test.
        binder.rereadIntervalMs = kHeldMs;
        // Dropped, not held: a switch holding a read back queues every set
        // behind it.
        sim().drop(c.heldPrefix);

        const int before = relay.RequestsSeen();
        subject->Act([] {});
        EXPECT_TRUE(binder.RereadPending());
        // The set, its copy, then the first question whether the switch
        // answers again, which goes unanswered too (as does the table
        // editor's read when its Add form closes).
        ASSERT_TRUE(RunUntil([&] { return relay.RequestsSeen() >= before + 3 && !binder.Busy(); }));
        ApplyTheHeldSet(c.rowStatusColumn, c.alsoOnTheSwitch);
        sim().undrop(c.heldPrefix);
        EXPECT_FALSE(subject->ShowsApplied()) << "not read yet";
        const std::string first = Varbinds(sim().sets().front());
        sim().clearSets();

        subject->Act([&] {
            const QString said = SetText(subject->StatusOutput());
            if (c.rowStatusColumn.empty())
                EXPECT_TRUE(said.startsWith("Set: " + ok)) << said.toStdString();
            else
                EXPECT_TRUE(said.contains(kVnEarlierSetMayBeDoneTableText)) << said.toStdString();
            EXPECT_TRUE(RunUntil([&] { return subject->ShowsApplied() && !binder.RereadPending(); }));
        });
        EXPECT_TRUE(RunUntil([&] { return !binder.Busy() && !binder.RereadPending(); }));
        EXPECT_TRUE(subject->ShowsApplied());
        EXPECT_TRUE(LastLasting(subject->StatusOutput()).contains("Get: " + ok))
            << LastLasting(subject->StatusOutput()).toStdString();
        const std::vector<SimSwitch::SetPdu> sets = sim().sets();
        ASSERT_EQ(sets.size(), 1u);
        EXPECT_EQ(Varbinds(sets[0]), first) << "the same set, as the user made it again";
        EXPECT_TRUE(boxes.Texts().isEmpty()) << boxes.Texts().join("|").toStdString();
        boxes.Clear();
    }
}

// The switch answers the one-row question whether it answers again, but
// never the walk's step to the second row: the read after the lost set
// times out, is tried once more when the switch answers again, and then
// given up with a word on how to read, instead of one more line every few
// seconds for as long as the form is open.
TEST_F(LostSet, AReadAfterALostSetThatFailsTheSameWayTwiceIsGivenUp)
{
    VnMessageBoxCapture boxes;
    VlanDialogAdd subject(Context());
    VnSNMPRequest2Edits& binder = subject.Binder();
    binder.request.timeout = kTimeout;
    binder.rereadIntervalMs = kRereadMs;
    const std::string table = "1.3.6.1.2.1.17.7.1.4.3";
    sim().delay(table, kHeldMs);
    subject.Act([] {});
    ASSERT_TRUE(binder.RereadPending());
    ApplyTheHeldSet(table + ".1.5", {});
    sim().delay(table, 0);
    // Every step past the first row goes unanswered.
    const QTreeWidget* list = subject.Window()->findChild<QTreeWidget*>("LV_dot1qVlanStaticEntry");
    ASSERT_TRUE(list && list->topLevelItemCount() >= 2);
    const std::string second = list->topLevelItem(1)->text(0).toStdString();
    for (int column = 1; column <= 5; ++column)
        sim().drop(table + ".1." + std::to_string(column) + "." + second);

    ASSERT_TRUE(RunUntil([&] { return !binder.RereadPending() && !binder.Busy(); }));
    const QStringList lines = MemoLines(qobject_cast<QPlainTextEdit*>(subject.StatusOutput()));
    const QString timedOut = "Get: " + TimeOutText();
    const qsizetype failures = std::count_if(lines.begin(), lines.end(),
                                             [&](const QString& line) { return line.startsWith(timedOut); });
    EXPECT_EQ(failures, 2) << lines.join("\n").toStdString();
    EXPECT_TRUE(LastLasting(subject.StatusOutput()).contains(kVnRereadEndsTableText))
        << LastLasting(subject.StatusOutput()).toStdString();
    EXPECT_TRUE(boxes.Texts().isEmpty()) << boxes.Texts().join("|").toStdString();
}

// A form closed while its question whether the switch answers again is on
// its way goes at once: the question is dropped, not waited for (the
// switch holds it far past the module's time-out).
TEST_F(LostSet, AFormWhoseQuestionIsOnItsWayClosesAtOnce)
{
    VnMessageBoxCapture boxes;
    auto subject = std::make_unique<VlanDialogAdd>(Context());
    UdpRelay relay(port());
    ASSERT_NE(relay.port(), 0);
    AimThroughRelay(*subject, relay, false, 1);
    subject->Binder().rereadIntervalMs = kHeldMs;
    sim().delay("1.3.6.1.2.1.17.7.1.4.3", kHeldMs);
    const int before = relay.RequestsSeen();
    subject->Act([] {});
    ASSERT_TRUE(subject->Binder().RereadPending());
    // The set, its copy, then the question.
    ASSERT_TRUE(RunUntil([&] { return relay.RequestsSeen() >= before + 3; }));

    // Nothing runs the event loop while the form goes: a wait would.
    bool loopRan = false;
    QTimer::singleShot(0, [&] { loopRan = true; });
    subject.reset();
    EXPECT_FALSE(loopRan) << "the form waited for its question";
    RunUntil([&] { return loopRan; });
}

}  // namespace
