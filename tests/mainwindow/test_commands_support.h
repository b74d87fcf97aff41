#pragma once
// Helpers of the menu-command tests: a main window aimed at the simulated
// switch (built without parameters, so it reads no device view of its own),
// and running a command whose window is modal while a test looks at it.
#include <QApplication>
#include <QDialog>
#include <QTimer>

#include <gtest/gtest.h>

#include <cstdlib>
#include <functional>
#include <memory>
#include <string>
#include <unistd.h>
#include <vector>

#include "EventLoopWait.h"
#include "SessionSwitchTest.h"
#include "SimSwitchTest.h"
#include "TConfigForm.h"
#include "TMainForm.h"
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
