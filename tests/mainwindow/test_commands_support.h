#pragma once
// Helpers of the menu-command tests: a main window aimed at the simulated
// switch (built without parameters, so it reads no device view of its own),
// and running a command whose window is modal while a test looks at it.
#include <QApplication>
#include <QDialog>
#include <QEvent>
#include <QSize>
#include <QTimer>

#include <gtest/gtest.h>

#include <cstdlib>
#include <deque>
#include <functional>
#include <memory>
#include <string>
#include <unistd.h>
#include <vector>

#include "EventLoopWait.h"
#include "SessionSwitchTest.h"
#include "SimSwitchTest.h"
#include "TConfigForm.h"
#include "TEditsPanel.h"
#include "TMainForm.h"
#include "TSNMPPanel.h"
#include "VnCommandKinds.h"
#include "VnCommandTable.h"
#include "VnMessageBox.h"
#include "VnSNMPDefaults.h"
#include "VnSNMPRequest2Edits.h"

namespace commandtest {

// The session writes its boot counter into the current folder: keep it out
// of the build tree.
inline void EnterScratchFolder()
{
    static bool entered = false;
    if (entered)
        return;
    char folder[] = "/tmp/vn-commands-test-XXXXXX";
    ASSERT_NE(mkdtemp(folder), nullptr);
    ASSERT_EQ(chdir(folder), 0);
    entered = true;
}

// Runs `command`, which shows a modal window; once the window is up,
// `inspect` gets it, and the window is closed afterwards, unless
// `closesItself` says it goes on its own. Returns whether a modal window
// appeared.
inline bool WithModal(const std::function<void()>& command, const std::function<void(QWidget*)>& inspect,
                      const std::function<bool(QWidget*)>& closesItself = {})
{
    bool seen = false;
    QTimer poll;
    poll.setInterval(10);
    QObject::connect(&poll, &QTimer::timeout, [&] {
        QWidget* modal = QApplication::activeModalWidget();
        if (!modal || seen)
            return;
        seen = true;
        poll.stop();
        inspect(modal);
        if (closesItself && closesItself(modal))
            return;
        if (auto* dialog = qobject_cast<QDialog*>(modal))
            dialog->reject();
        else
            modal->close();
    });
    poll.start();
    command();
    poll.stop();
    return seen;
}

// Waits until a generic editor's first refresh has ended.
inline bool WaitForRefresh(TConfigForm& form, int timeoutMs = kTestPatienceMs)
{
    return RunUntil(
        [&] {
            VnSNMPRequest2Edits* binder = form.ActiveRequest();
            return binder && !binder->Busy();
        },
        timeoutMs);
}

// Waits until a generic editor has ended its first read and fitted itself
// to what it read: sizes taken then do not depend on when the read ended.
inline bool WaitUntilSettled(TConfigForm& form)
{
    return RunUntil([&] { return form.Settled(); });
}

// The sizes of a generic editor: as built, when it first shows (its read is
// posted then and cannot have widened it yet), and once it has read and
// fitted itself to what it read. The first carry a command's size steps
// alone; the second add what the values and the font need.
struct EditorSizes {
    QSize built;
    QSize settled;
    int editWidth = 0;  // the edits panel's chosen input width
};

class FirstShowWatcher : public QObject {
public:
    explicit FirstShowWatcher(QSize& size) : size_(size) { qApp->installEventFilter(this); }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::Show && !size_.isValid() && qobject_cast<TConfigForm*>(watched))
            size_ = static_cast<QWidget*>(watched)->size();
        return false;
    }

private:
    QSize& size_;
};

// The record of a command without its steps of one kind, to compare with.
inline VnEditorCommand Without(const VnEditorCommand& command, VnEditorStepKind left)
{
    // A record only views its steps: they are kept to the end of the run,
    // where a later one does not move them.
    static std::deque<std::vector<VnEditorStep>> kept;
    std::vector<VnEditorStep> steps;
    for (const VnEditorStep& step : command.steps) {
        if (step.kind != left)
            steps.push_back(step);
    }
    kept.push_back(std::move(steps));
    VnEditorCommand copy = command;
    copy.steps = kept.back();
    return copy;
}

inline EditorSizes MeasureEditor(TMainForm& main, const VnEditorCommand& command)
{
    EditorSizes sizes;
    FirstShowWatcher watcher(sizes.built);
    WithModal([&] { VnRunEditorCommand(main, command); }, [&](QWidget* window) {
        auto* form = qobject_cast<TConfigForm*>(window);
        ASSERT_TRUE(form && WaitUntilSettled(*form));
        sizes.settled = form->size();
        if (auto* panel = form->findChild<TSNMPEditorPanel*>())
            sizes.editWidth = panel->EditsPanel->EditWidth;
    });
    EXPECT_TRUE(sizes.built.isValid() && sizes.settled.isValid()) << command.name;
    return sizes;
}

// A main window over the switch of the test, with the editors' objects.
class MainFormTest : public SimSwitchTest {
protected:
    SimSwitchOptions switchOptions() const override
    {
        SimSwitchOptions options;
        options.dataFiles = {SimSwitch::dataPath("commands-device.sim")};
        return options;
    }

    void SetUp() override
    {
        EnterScratchFolder();
        SimSwitchTest::SetUp();
        boxes_ = std::make_unique<VnMessageBoxCapture>();
        // Without parameters the window says so (captured) and reads nothing.
        main_ = std::make_unique<TMainForm>(std::vector<std::string>{});
        boxes_->Clear();
        main_->AgentAddress = simswitch::kAddress;
        main_->ReadCommunity = simswitch::kReadCommunity;
        main_->WriteCommunity = simswitch::kWriteCommunity;
        VnDefaultDevice.address = simswitch::kAddress;
        VnDefaultDevice.port = port();
        VnDefaultTimeout = kTestSnmpTimeout;
        VnDefaultSecurity.version = 1;
        VnDefaultSecurity.readCommunity = simswitch::kReadCommunity;
        VnDefaultSecurity.writeCommunity = simswitch::kWriteCommunity;
    }

    void TearDown() override
    {
        if (main_)
            main_->SetConfirmClose(false);
        main_.reset();
        boxes_.reset();
        SimSwitchTest::TearDown();
    }

    TMainForm& Main() { return *main_; }
    VnMessageBoxCapture& Boxes() { return *boxes_; }

    std::unique_ptr<VnMessageBoxCapture> boxes_;
    std::unique_ptr<TMainForm> main_;
};

} // namespace commandtest
