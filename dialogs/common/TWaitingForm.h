#pragma once
// Follows a long file-system operation of the switch: polls the file-system
// control status every few passes of a 10 ms timer, moves its bar, shows
// the process value as a percentage, and closes itself as soon as the
// status is anything but "in-process".
#include <QDialog>
#include <QTimer>

#include <memory>

class QLabel;
class QProgressBar;
class VnSNMPRequest2Edits;
class VnStatusBar;

class TWaitingForm : public QDialog {
public:
    static constexpr int kProgressMax = 658;
    static constexpr int kPassInterval = 10;  // milliseconds

    // `statusBar` is the opener's status bar (the media-format dialog's
    // StatusBar1): the status request's lines go to it as simple text, an
    // exception of the loop to its panel 0.
    TWaitingForm(QWidget* owner, VnStatusBar* statusBar);
    ~TWaitingForm() override;

    QProgressBar* ProgressBar = nullptr;
    QLabel* Label1 = nullptr;  // the status label (hidden)
    QLabel* Label2 = nullptr;  // the process value

    bool Running() const { return running_; }

protected:
    void showEvent(QShowEvent* event) override;

private:
    void FormActivate();
    void Pass();
    void Finish();
    // After an exception, landed in panel 0 of the status bar: stops and
    // closes the form.
    void Abandon();

    VnStatusBar* statusBar_;
    std::unique_ptr<VnSNMPRequest2Edits> request_;
    QTimer passTimer_;
    bool activated_ = false;
    bool running_ = false;
    int passCounter_ = 1;
    int lastProcess_ = 0;
};

// Set by the opener while the form runs.
extern TWaitingForm* WaitingForm;
