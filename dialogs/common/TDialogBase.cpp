#include "TDialogBase.h"

#include <QCloseEvent>
#include <QLabel>
#include <QTreeWidget>

#include <string>

#include "Stackingportuitformunit.h"
#include "VnMessageBox.h"
#include "VnSNMPRequest2Edits.h"

namespace {

constexpr int kFormPointSize = 8;

}  // namespace

int VnScaledDimension(int laidOut, bool largeFonts)
{
    if (!largeFonts)
        return laidOut;
    return static_cast<int>(static_cast<double>(laidOut) * 1.25);
}

void VnFieldMessage(QWidget* form, const QString& text, QWidget* focus)
{
    VnMessageBox(form, text);
    if (!focus || !focus->isVisible() || !focus->isEnabled() || focus->focusPolicy() == Qt::NoFocus)
        return;
    focus->setFocus(Qt::OtherFocusReason);
}

void VnShowRowCount(QLabel* count, const QTreeWidget* listView)
{
    if (!count || !listView)
        return;
    count->setText(QString::number(listView->topLevelItemCount()));
}

TDialogBase::TDialogBase(QWidget* owner, VnDialogContext context, int width, int height)
    : QDialog(owner), context_(std::move(context))
{
    // The forms were laid out for an 8 point font; their sizes assume it.
    QFont formFont = font();
    formFont.setPointSize(kFormPointSize);
    setFont(formFont);
    resize(VnScaledDimension(width, context_.largeFonts), VnScaledDimension(height, context_.largeFonts));
}

TDialogBase::~TDialogBase()
{
    ShutDownBinders();
}

void TDialogBase::SetTitle(std::string_view title)
{
    setWindowTitle(QString::fromStdString(std::string(title) + context_.agentAddress));
}

VnSNMPRequest2Edits* TDialogBase::NewBinder(VnSNMPRequest2Edits*& member)
{
    auto binder = std::make_unique<VnSNMPRequest2Edits>(this);
    member = binder.get();
    binders_.push_back({std::move(binder), &member});
    return member;
}

void TDialogBase::OwnGrid(TStackingPortUitForm*& member)
{
    grids_.push_back(&member);
}

bool TDialogBase::AnyBinderBusy() const
{
    for (const OwnedBinder& owned : binders_) {
        if (owned.binder && owned.binder->Busy())
            return true;
    }
    return false;
}

bool TDialogBase::CommandAllowed() const
{
    return !shutDown_ && !shuttingDown_ && !AnyBinderBusy();
}

void TDialogBase::ShutDownBinders()
{
    if (shutDown_ || shuttingDown_)
        return;
    shuttingDown_ = true;
    for (OwnedBinder& owned : binders_)
        owned.binder->request.keepGoing = false;
    // One binder at a time: while one is waited for, the others' replies
    // arrive too, so the later waits end at once.
    for (OwnedBinder& owned : binders_)
        owned.binder->StopAndWait(-1);
    for (OwnedBinder& owned : binders_) {
        *owned.member = nullptr;
        owned.binder.reset();
    }
    binders_.clear();
    for (TStackingPortUitForm** grid : grids_) {
        delete *grid;
        *grid = nullptr;
    }
    grids_.clear();
    shutDown_ = true;
    shuttingDown_ = false;
}

void TDialogBase::BeforeDestroy()
{
    ShutDownBinders();
    for (QObject* child : findChildren<QObject*>())
        QObject::disconnect(child, nullptr, this, nullptr);
}

void TDialogBase::done(int result)
{
    // A second close while the first still waits for its binders.
    if (shuttingDown_)
        return;
    ShutDownBinders();
    QDialog::done(result);
}

void TDialogBase::closeEvent(QCloseEvent* event)
{
    if (shuttingDown_) {
        event->ignore();
        return;
    }
    ShutDownBinders();
    QDialog::closeEvent(event);
}
