#pragma once
// The one way a slot, a timer or an event handler ends an exception:
//
//     VnGuarded(VnErrorLanding::StatusLine(binder), [&] { ... });
//
// runs the body, and whatever it raises is written where the landing says
// and goes no further. Library code that converts an exception or raises it
// again keeps its own try block.
#include <QPointer>

#include <exception>
#include <functional>
#include <memory>
#include <optional>
#include <string>

#include "VnMessageBox.h"
#include "VnMessages.h"

class QPlainTextEdit;
class QWidget;
class VnSNMPRequest2Controls;
class VnStatusBar;

class VnErrorLanding {
public:
    // Silent.
    VnErrorLanding() = default;

    // A message box over `owner` (null: a box of its own).
    static VnErrorLanding MessageBox(QWidget* owner, VnMsgIcon icon = VnMsgIcon::None);
    // The binder's status line, in its current template; a binder without
    // a status output shows it in a message box over its owner, as it shows
    // its own errors.
    static VnErrorLanding StatusLine(VnSNMPRequest2Controls* binder);
    // The bare text in panel 0 of the bar; a bar without panels takes it as
    // its status line.
    static VnErrorLanding FirstPanel(VnStatusBar* bar);
    // A new line of the memo.
    static VnErrorLanding MemoLine(QPlainTextEdit* memo);
    // Handed to `land`: a place known only when the exception comes.
    static VnErrorLanding Call(std::function<void(const std::string& message)> land);
    static VnErrorLanding Silent();

    // The same place, given `text` instead of the exception's message.
    VnErrorLanding Saying(std::string text) const;

    // Writes the message (or the text it was given) where this landing
    // says; never raises. A place that has gone meanwhile takes nothing.
    void Land(const std::string& message) const noexcept;

private:
    enum class Kind { MessageBox, StatusLine, FirstPanel, MemoLine, Call, Silent };
    VnErrorLanding(Kind kind, QWidget* widget) : kind_(kind), widget_(widget) {}
    void LandText(const std::string& text) const;

    Kind kind_ = Kind::Silent;
    QPointer<QWidget> widget_;  // the box's owner, the bar or the memo
    VnMsgIcon icon_ = VnMsgIcon::None;
    VnSNMPRequest2Controls* binder_ = nullptr;
    std::shared_ptr<const bool> binderAlive_;
    std::function<void(const std::string&)> call_;
    std::optional<std::string> text_;
};

// Runs `body`; an exception it raises is landed and swallowed. True when
// the body ran to its end, so the caller can skip its closing steps.
template <typename Body>
bool VnGuarded(const VnErrorLanding& landing, Body&& body) noexcept
{
    try {
        body();
        return true;
    } catch (const std::exception& e) {
        landing.Land(e.what());
    } catch (...) {
        landing.Land(VnErrorText(kVnErrUnknown));
    }
    return false;
}
