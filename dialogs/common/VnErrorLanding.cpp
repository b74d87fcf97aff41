#include "VnErrorLanding.h"

#include <QPlainTextEdit>

#include "VnSNMPRequest2Controls.h"
#include "VnStatusOutput.h"

VnErrorLanding VnErrorLanding::StatusLine(VnSNMPRequest2Controls* binder)
{
    VnErrorLanding landing;
    landing.kind_ = Kind::StatusLine;
    landing.binder_ = binder;
    return landing;
}

VnErrorLanding VnErrorLanding::FirstPanel(VnStatusBar* bar)
{
    VnErrorLanding landing;
    landing.kind_ = Kind::FirstPanel;
    landing.bar_ = bar;
    return landing;
}

VnErrorLanding VnErrorLanding::MemoLine(QPlainTextEdit* memo)
{
    VnErrorLanding landing;
    landing.kind_ = Kind::MemoLine;
    landing.memo_ = memo;
    return landing;
}

VnErrorLanding VnErrorLanding::Silent()
{
    return {};
}

void VnErrorLanding::Land(const std::string& message) const noexcept
{
    try {
        const QString text = QString::fromStdString(message);
        switch (kind_) {
        case Kind::StatusLine:
            if (binder_)
                binder_->ShowStatus(message);
            return;
        case Kind::FirstPanel:
            if (!bar_)
                return;
            if (VnStatusPanel* panel = bar_->Panel(0))
                panel->SetText(text);
            return;
        case Kind::MemoLine:
            if (memo_)
                memo_->appendPlainText(text);
            return;
        case Kind::Silent:
            return;
        }
    } catch (...) {
        // Reporting a failure must not fail the handler that caught it.
    }
}
