#pragma once
// One Qt application object for a whole test program, made before the first
// test and ended after the last; widget programs run offscreen unless the
// caller chose a platform. A program registers it once, e.g.
//     ::testing::AddGlobalTestEnvironment(new QtAppEnvironment<QApplication>("test_x"));
#include <QCoreApplication>
#include <QtGlobal>

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <type_traits>
#include <utility>

#include "EventLoopWait.h"

// Programs with the program's widgets: a message box or a modal window a
// test leaves unanswered fails that test instead of hanging it.
#if __has_include("VnMessageBox.h")
#include <QDialog>
#include <QEvent>
#include <QPointer>
#include <QTimer>
#include <QWidget>

#include "VnMessageBox.h"
#include "VnTestFont.h"

// A message box no test captured (VnMessageBoxCapture) fails the test and
// is answered at once, as closing it would.
inline VnMsgAnswer VnUnexpectedMessageBox(const VnMessageBoxArgs& args)
{
    ADD_FAILURE() << "a message box no test expected: \"" << args.text.toStdString() << "\"";
    switch (args.buttons) {
    case VnMsgButtons::OkCancel:
        return VnMsgAnswer::Cancel;
    case VnMsgButtons::YesNo:
        return VnMsgAnswer::No;
    case VnMsgButtons::Ok:
        break;
    }
    return VnMsgAnswer::Ok;
}

// A modal window still open a little past the test patience after it was
// shown was left open by a failed step (a wait inside it has run out by
// then): the test fails and the window closes, well before ctest's limit.
class VnModalWatchdog : public QObject {
protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() != QEvent::Show || !watched->isWidgetType())
            return false;
        auto* window = static_cast<QWidget*>(watched);
        if (!window->isWindow() || !window->isModal())
            return false;
        // Each showing gets its own limit: a window shown again starts anew.
        const int showing = window->property("vnTestShowing").toInt() + 1;
        window->setProperty("vnTestShowing", showing);
        QTimer::singleShot(kTestPatienceMs + 15000, this, [window = QPointer<QWidget>(window), showing] {
            if (!window || !window->isVisible() || window->property("vnTestShowing").toInt() != showing)
                return;
            ADD_FAILURE() << "a modal window was left open: \"" << window->windowTitle().toStdString() << "\"";
            if (auto* dialog = qobject_cast<QDialog*>(window.data()))
                dialog->reject();
            else
                window->close();
        });
        return false;
    }
};
#endif

template <typename App>
class QtAppEnvironment : public ::testing::Environment {
public:
    explicit QtAppEnvironment(std::string programName) : name_(std::move(programName)) {}

    void SetUp() override
    {
        if (QCoreApplication::instance())
            return;
        if constexpr (!std::is_same_v<App, QCoreApplication>) {
            if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
                qputenv("QT_QPA_PLATFORM", "offscreen");
        }
        argv_[0] = name_.data();
        app_ = std::make_unique<App>(argc_, argv_);
#if __has_include("VnMessageBox.h")
        if constexpr (!std::is_same_v<App, QCoreApplication>) {
            // Every widget test measures in the same font on every machine.
            const std::string missing = VnTestFontMissing();
            if (!missing.empty())
                GTEST_FAIL() << missing;
            VnUseTestFont();
            previousBoxes_ = VnSetMessageBoxHandler(VnUnexpectedMessageBox);
            watchdog_ = std::make_unique<VnModalWatchdog>();
            app_->installEventFilter(watchdog_.get());
        }
#endif
    }
    void TearDown() override
    {
#if __has_include("VnMessageBox.h")
        if (watchdog_) {
            VnSetMessageBoxHandler(previousBoxes_);
            watchdog_.reset();
        }
#endif
        app_.reset();
    }

private:
    std::string name_;
    // The application keeps references to these for its lifetime.
    int argc_ = 1;
    char* argv_[2] = {nullptr, nullptr};
    std::unique_ptr<App> app_;
#if __has_include("VnMessageBox.h")
    VnMessageBoxFn previousBoxes_;
    std::unique_ptr<VnModalWatchdog> watchdog_;
#endif
};
