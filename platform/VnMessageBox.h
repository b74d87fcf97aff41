#pragma once
// Every message box of the program goes through VnMessageBox, so that tests
// can put a handler in place that records the texts and answers at once.
#include <QString>
#include <QStringList>

#include <functional>
#include <vector>

class QWidget;

enum class VnMsgButtons { Ok, OkCancel, YesNo };
enum class VnMsgIcon { None, Information, Warning, Error, Question };
enum class VnMsgAnswer { Ok, Cancel, Yes, No };

struct VnMessageBoxArgs {
    QWidget* owner = nullptr;
    QString text;
    QString caption;
    VnMsgButtons buttons = VnMsgButtons::Ok;
    VnMsgIcon icon = VnMsgIcon::None;
};

using VnMessageBoxFn = std::function<VnMsgAnswer(const VnMessageBoxArgs&)>;

// Puts `handler` in place of the current one and returns that one; an empty
// handler brings back the real message box.
VnMessageBoxFn VnSetMessageBoxHandler(VnMessageBoxFn handler);

// Shows `text` in a modal box over `owner`, captioned with
// VnMessageCaption(), and returns the button pressed. Closing a box without
// pressing a button answers Cancel (OK and Cancel), No (Yes and No) or Ok.
VnMsgAnswer VnMessageBox(QWidget* owner, const QString& text,
                         VnMsgButtons buttons = VnMsgButtons::Ok,
                         VnMsgIcon icon = VnMsgIcon::None);

// The program file's name without its folder; the application name when no
// application object exists yet.
QString VnProgramName();

// The caption of every message box: the module's name once the program has
// given it (the file's name says nothing to a user of the host), else
// VnProgramName(). An empty name goes back to the file's name.
void VnSetModuleName(const QString& name);
QString VnMessageCaption();

// For tests: while it lives, message boxes are not shown but recorded and
// answered with the chosen answer; the previous handler comes back after.
class VnMessageBoxCapture {
public:
    explicit VnMessageBoxCapture(VnMsgAnswer answer = VnMsgAnswer::Ok);
    ~VnMessageBoxCapture();
    VnMessageBoxCapture(const VnMessageBoxCapture&) = delete;
    VnMessageBoxCapture& operator=(const VnMessageBoxCapture&) = delete;

    void SetAnswer(VnMsgAnswer answer) { answer_ = answer; }
    // Runs while a box is "shown" (before it is answered), e.g. to look at
    // the focus at that moment.
    void SetOnShow(std::function<void(const VnMessageBoxArgs&)> onShow) { onShow_ = std::move(onShow); }
    const std::vector<VnMessageBoxArgs>& Shown() const { return shown_; }
    QStringList Texts() const;
    void Clear() { shown_.clear(); }

private:
    VnMsgAnswer answer_;
    std::function<void(const VnMessageBoxArgs&)> onShow_;
    std::vector<VnMessageBoxArgs> shown_;
    VnMessageBoxFn previous_;
};
