#include "TWaitingForm.h"

#include <QLabel>
#include <QProgressBar>
#include <QShowEvent>
#include <QVBoxLayout>

#include <algorithm>
#include <exception>

#include "SyslogFileSystemMib.h"
#include "VnErrorLanding.h"
#include "VnSNMPRequest2Edits.h"
#include "VnStatusOutput.h"

TWaitingForm* WaitingForm = nullptr;

namespace {

constexpr int kProgressStep = 5;
constexpr int kPassesPerRead = 5;

// The process value as the original read it: -1 when it is no number.
int ProcessValue(const QString& text)
{
    bool ok = false;
    const int value = text.toInt(&ok);
    return ok ? value : -1;
}

} // namespace

TWaitingForm::TWaitingForm(QWidget* owner, VnStatusBar* statusBar) : QDialog(owner), statusBar_(statusBar)
{
    setObjectName("WaitingForm");
    setWindowTitle("Refreshing panel");
    ProgressBar = new QProgressBar(this);
    ProgressBar->setObjectName("ProgressBar");
    ProgressBar->setRange(0, kProgressMax);
    ProgressBar->setValue(0);
    ProgressBar->setTextVisible(false);
    ProgressBar->setFixedSize(396, 22);
    Label1 = new QLabel(this);
    Label1->setObjectName("Label1");
    Label1->hide();
    Label2 = new QLabel(this);
    Label2->setObjectName("Label2");
    Label2->setAlignment(Qt::AlignCenter);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(12, 12, 12, 12);
    layout->addWidget(ProgressBar);
    layout->addWidget(Label2);
    layout->setSizeConstraint(QLayout::SetFixedSize);

    passTimer_.setInterval(kPassInterval);
    connect(&passTimer_, &QTimer::timeout, this, [this] { Pass(); });
}

TWaitingForm::~TWaitingForm()
{
    passTimer_.stop();
    if (request_) {
        request_->request.keepGoing = false;
        request_->StopAndWait(-1);
    }
}

void TWaitingForm::showEvent(QShowEvent* event)
{
    QDialog::showEvent(event);
    if (activated_)
        return;
    activated_ = true;
    QTimer::singleShot(0, this, [this] { FormActivate(); });
}

void TWaitingForm::FormActivate()
{
    const bool finished = VnGuarded(VnErrorLanding::FirstPanel(statusBar_), [this] {
        auto request = std::make_unique<VnSNMPRequest2Edits>(this);
        request->request.varList = VnSNMPVarList(FileSystemCtrlStatusTable, SVT_SV, 0);
        request->BindLabel(0, Label1);
        request->BindLabel(1, Label2);
        request->SetStatusOutput(statusBar_);
        request->mode = VnSNMPRequest2Controls::kModeSync;
        request_ = std::move(request);
        running_ = true;
        request_->Refresh();
        passCounter_ = 1;
        lastProcess_ = 0;
        // One pass every 10 ms, with the event loop running in between.
        passTimer_.start();
    });
    if (!finished)
        Abandon();
}

void TWaitingForm::Pass()
{
    const bool finished = VnGuarded(VnErrorLanding::FirstPanel(statusBar_), [this] {
        if (Label1->text() != "in-process") {
            if (Label2->text() == "100")
                Label2->setText("100%");
            running_ = false;
            Finish();
            return;
        }
        if (lastProcess_ > 0 && (lastProcess_ + 1) % kProgressStep == 0) {
            ProgressBar->setValue(std::min(ProgressBar->value() + kProgressStep, ProgressBar->maximum()));
            if (ProgressBar->value() == ProgressBar->maximum())
                ProgressBar->setValue(ProgressBar->minimum());
        }
        if (Label2->text() != "100") {
            lastProcess_ = ProcessValue(Label2->text());
            if (lastProcess_ >= 0 && lastProcess_ < 100)
                Label2->setText(Label2->text() + "%");
        }
        if (passCounter_ != 0 && passCounter_ % kPassesPerRead == 0) {
            request_->Refresh();
            passCounter_ = 0;
        } else {
            ++passCounter_;
        }
    });
    if (!finished)
        Abandon();
}

void TWaitingForm::Finish()
{
    passTimer_.stop();
    Label2->repaint();
    if (request_) {
        request_->request.keepGoing = false;
        request_->StopAndWait(-1);
        request_.reset();
    }
    QTimer::singleShot(0, this, [this] { done(QDialog::Accepted); });
}

void TWaitingForm::Abandon()
{
    running_ = false;
    passTimer_.stop();
    request_.reset();
    QTimer::singleShot(0, this, [this] { done(QDialog::Rejected); });
}
