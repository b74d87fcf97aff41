#include "VnErrorLanding.h"

#include <QPlainTextEdit>
#include <QString>

#include <utility>

#include "VnSNMPRequest2Controls.h"
#include "VnStatusOutput.h"

VnErrorLanding VnErrorLanding::MessageBox(QWidget* owner, VnMsgIcon icon)
{
    VnErrorLanding landing(Kind::MessageBox, owner);
    landing.icon_ = icon;
    return landing;
}

VnErrorLanding VnErrorLanding::StatusLine(VnSNMPRequest2Controls* binder)
{
    VnErrorLanding landing(Kind::StatusLine, nullptr);
    landing.binder_ = binder;
    if (binder)
        landing.binderAlive_ = binder->AliveToken();
    return landing;
}

VnErrorLanding VnErrorLanding::FirstPanel(VnStatusBar* bar)
{
    return {Kind::FirstPanel, bar};
}

VnErrorLanding VnErrorLanding::MemoLine(QPlainTextEdit* memo)
{
    return {Kind::MemoLine, memo};
}

VnErrorLanding VnErrorLanding::Call(std::function<void(const std::string& message)> land)
{
    VnErrorLanding landing(Kind::Call, nullptr);
    landing.call_ = std::move(land);
    return landing;
}

VnErrorLanding VnErrorLanding::Silent()
{
    return {};
}

VnErrorLanding VnErrorLanding::Saying(std::string text) const
{
    VnErrorLanding landing = *this;
    landing.text_ = std::move(text);
    return landing;
}

void VnErrorLanding::Land(const std::string& message) const noexcept
{
    try {
        LandText(text_ ? *text_ : message);
    } catch (...) {
        // Reporting a failure must not fail the handler that caught it.
    }
}

void VnErrorLanding::LandText(const std::string& text) const
{
    switch (kind_) {
    case Kind::MessageBox:
        VnMessageBox(widget_, QString::fromStdString(text), VnMsgButtons::Ok, icon_);
        return;
    case Kind::StatusLine:
        // The body may have ended the binder's form, and the binder with it.
        if (binder_ && binderAlive_ && *binderAlive_)
            binder_->ShowError(text);
        return;
    case Kind::FirstPanel:
        if (auto* bar = dynamic_cast<VnStatusBar*>(widget_.data())) {
            if (VnStatusPanel* panel = bar->Panel(0))
                panel->SetText(QString::fromStdString(text));
            else
                bar->SetStatusLine(QString::fromStdString(text));
        }
        return;
    case Kind::MemoLine:
        if (auto* memo = qobject_cast<QPlainTextEdit*>(widget_.data()))
            VnAppendMemoLine(memo, QString::fromStdString(text));
        return;
    case Kind::Call:
        if (call_)
            call_(text);
        return;
    case Kind::Silent:
        return;
    }
}
