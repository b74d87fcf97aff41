#pragma once
// The progress box of "Refresh Panel": when first shown it rebuilds the
// device view and closes itself; its bar moves while the rebuild waits.
#include <QDialog>
#include <QTimer>

class QProgressBar;
class TMainForm;

class TPopupProcessBarForm : public QDialog {
public:
    explicit TPopupProcessBarForm(TMainForm* owner);

    QProgressBar* ProgressBar = nullptr;  // 0 to 100
    QTimer Timer1;                        // 1000 ms

    void Timer1Timer();

protected:
    void showEvent(QShowEvent* event) override;

private:
    void FormActivate();

    TMainForm* mainForm_;
    bool activated_ = false;
};
