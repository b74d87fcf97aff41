#include "TPopupProcessBarForm.h"

#include <QProgressBar>
#include <QShowEvent>
#include <QVBoxLayout>

#include "TMainForm.h"
#include "VnErrorLanding.h"

TPopupProcessBarForm::TPopupProcessBarForm(TMainForm* owner) : QDialog(owner), mainForm_(owner)
{
    setObjectName("PopupProcessBarForm");
    setWindowTitle("Refresh Panel");
    ProgressBar = new QProgressBar(this);
    ProgressBar->setObjectName("ProgressBar");
    ProgressBar->setRange(0, 100);
    ProgressBar->setValue(0);
    ProgressBar->setTextVisible(false);
    ProgressBar->setFixedSize(396, 24);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(12, 12, 12, 12);
    layout->addWidget(ProgressBar);
    layout->setSizeConstraint(QLayout::SetFixedSize);

    Timer1.setInterval(1000);
    connect(&Timer1, &QTimer::timeout, this, [this] { Timer1Timer(); });
    Timer1.start();
}

void TPopupProcessBarForm::Timer1Timer()
{
    if (!Timer1.isActive() || !ProgressBar)
        return;
    ProgressBar->setValue(ProgressBar->value() + 1);
    if (ProgressBar->value() == ProgressBar->maximum())
        ProgressBar->setValue(ProgressBar->minimum());
}

void TPopupProcessBarForm::showEvent(QShowEvent* event)
{
    QDialog::showEvent(event);
    if (activated_)
        return;
    activated_ = true;
    // Once the modal run has started, so that its closing ends the run.
    QTimer::singleShot(0, this, [this] { FormActivate(); });
}

void TPopupProcessBarForm::FormActivate()
{
    // The device view reports its own failures.
    VnGuarded(VnErrorLanding::Silent(), [this] {
        if (mainForm_)
            mainForm_->RefreshDeviceView(false);
    });
    Timer1.stop();
    QTimer::singleShot(0, this, [this] { accept(); });
}
