#pragma once
// Where a dialog's command handler lands an exception it caught: the
// binder's status line (Get or Set template), the bare text in the first
// panel of the dialog's status bar, a line of its status memo, or nowhere.
// A landed exception never ends the dialog and never shows a message box.
#include <QPointer>

#include <exception>
#include <string>

#include "VnException.h"
#include "VnMessages.h"

class QPlainTextEdit;
class VnSNMPRequest2Controls;
class VnStatusBar;

class VnErrorLanding {
public:
    static VnErrorLanding StatusLine(VnSNMPRequest2Controls* binder);
    static VnErrorLanding FirstPanel(VnStatusBar* bar);
    static VnErrorLanding MemoLine(QPlainTextEdit* memo);
    static VnErrorLanding Silent();

    // Writes the message where this landing says; never raises.
    void Land(const std::string& message) const noexcept;

private:
    enum class Kind { StatusLine, FirstPanel, MemoLine, Silent };
    Kind kind_ = Kind::Silent;
    VnSNMPRequest2Controls* binder_ = nullptr;
    QPointer<VnStatusBar> bar_;
    QPointer<QPlainTextEdit> memo_;
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
