#include "TDialogBase.h"

#include <QAbstractButton>
#include <QAbstractItemModel>
#include <QCloseEvent>
#include <QEventLoop>
#include <QLabel>
#include <QShowEvent>
#include <QTimer>
#include <QTreeWidget>

#include <string>

#include "VnListRows.h"
#include "VnMessageBox.h"
#include "VnSNMPRequest2Edits.h"

namespace {

constexpr int kFormPointSize = 8;
// How often a form being deleted looks whether its walks have ended.
constexpr int kWalkEndPollMs = 20;

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

TDialogBase::TDialogBase(QWidget* owner, VnDialogContext context, int width, int height)
    : QDialog(owner), context_(std::move(context)), handlers_(std::make_unique<QObject>())
{
    // The forms were laid out for an 8 point font; their sizes assume it.
    QFont formFont = font();
    formFont.setPointSize(kFormPointSize);
    setFont(formFont);
    resize(VnScaledDimension(width, context_.largeFonts), VnScaledDimension(height, context_.largeFonts));
    // Unless the dialog says otherwise, a handler's exception goes to the
    // status line of its first binder.
    landing_ = VnErrorLanding::Call([this](const std::string& message) {
        if (!binders_.empty())
            binders_.front().binder->ShowStatus(message);
    });
}

TDialogBase::~TDialogBase()
{
    // The derived part is gone: no handler may run from here on, not even
    // for the signals the widgets send while they are deleted.
    handlers_.reset();
    for (OwnedBinder& owned : binders_) {
        owned.binder->OnRowSelecting = nullptr;
        owned.binder->OnRowSelected = nullptr;
        owned.binder->OnSelectionCleared = nullptr;
        owned.binder->OnRefreshDone = nullptr;
    }
    if (walkOnClose_ == VnWalkOnClose::RunToEnd)
        WaitForWalksToEnd();
    for (OwnedBinder& owned : binders_)
        owned.binder->request.keepGoing = false;
    // One binder at a time: while one is waited for, the others' replies
    // arrive too, so the later waits end at once.
    for (OwnedBinder& owned : binders_)
        owned.binder->StopAndWait(-1);
    if (beforeBindersGo_)
        beforeBindersGo_();
    binders_.clear();
    if (clearFormPointer_)
        clearFormPointer_();
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

bool TDialogBase::OpenBinder(VnSNMPRequest2Edits*& member, const VnBindingTable& table,
                             const std::function<void(VnSNMPRequest2Edits&)>& beforeRead)
{
    VnSNMPRequest2Edits* binder = NewBinder(member);
    return RunBindingSteps(*binder, table, VnErrorLanding::StatusLine(binder), beforeRead);
}

bool TDialogBase::OpenBinder(VnSNMPRequest2Edits*& member, const VnBindingTable& table,
                             const VnErrorLanding& landing,
                             const std::function<void(VnSNMPRequest2Edits&)>& beforeRead)
{
    return RunBindingSteps(*NewBinder(member), table, landing, beforeRead);
}

bool TDialogBase::RunBindingSteps(VnSNMPRequest2Edits& binder, const VnBindingTable& table,
                                  const VnErrorLanding& landing,
                                  const std::function<void(VnSNMPRequest2Edits&)>& beforeRead)
{
    tables_.push_back(&table);
    return VnGuarded(landing, [&] {
        binder.request.varList = VnSNMPVarList(table.descriptors, table.itemType, table.keyCount);
        binder.mode = table.mode;
        VnApplyBindings(*this, binder, table);
        FollowRowCount(binder, table);
        if (beforeRead)
            beforeRead(binder);
        binder.Refresh();
        if (*table.rowCount)
            VnShowRowCount(findChild<QLabel*>(table.rowCount), binder.ListView());
    });
}

void TDialogBase::FollowRowCount(VnSNMPRequest2Edits& binder, const VnBindingTable& table)
{
    auto* count = findChild<QLabel*>(table.rowCount);
    QTreeWidget* listView = binder.ListView();
    if (!*table.rowCount || !count || !listView)
        return;
    // The list view's change event: the count follows each arriving row.
    auto show = [count, listView] { VnShowRowCount(count, listView); };
    QAbstractItemModel* rows = listView->model();
    On(rows, &QAbstractItemModel::rowsInserted, show);
    On(rows, &QAbstractItemModel::rowsRemoved, show);
    On(rows, &QAbstractItemModel::modelReset, show);
}

void TDialogBase::WaitForWalksToEnd()
{
    if (!AnyBinderBusy())
        return;
    QEventLoop loop;
    QTimer poll;
    QObject::connect(&poll, &QTimer::timeout, &loop, [this, &loop] {
        if (!AnyBinderBusy())
            loop.quit();
    });
    poll.start(kWalkEndPollMs);
    loop.exec();
}

bool TDialogBase::AnyBinderBusy() const
{
    for (const OwnedBinder& owned : binders_) {
        if (owned.binder->Busy())
            return true;
    }
    return false;
}

bool TDialogBase::CommandAllowed() const
{
    if (closing_ || closed_)
        return false;
    for (const OwnedBinder& owned : binders_) {
        if (!owned.binder->Busy())
            continue;
        std::string command;
        if (const auto* button = qobject_cast<const QAbstractButton*>(sender_))
            command = button->text().remove(u'&').toStdString();
        owned.binder->RefuseWhileBusy(command);
        return false;
    }
    for (const OwnedBinder& owned : binders_)
        owned.binder->ReleaseSetOutcome();
    return true;
}

void TDialogBase::StopBinders()
{
    if (closing_ || closed_)
        return;
    closing_ = true;
    if (walkOnClose_ == VnWalkOnClose::Stop) {
        for (OwnedBinder& owned : binders_)
            owned.binder->request.keepGoing = false;
        for (OwnedBinder& owned : binders_)
            owned.binder->StopAndWait(-1);
    }
    closing_ = false;
    closed_ = true;
}

void TDialogBase::done(int result)
{
    // A second close while the first still waits for its binders.
    if (closing_)
        return;
    StopBinders();
    QDialog::done(result);
}

void TDialogBase::closeEvent(QCloseEvent* event)
{
    if (closing_) {
        event->ignore();
        return;
    }
    StopBinders();
    QDialog::closeEvent(event);
}

void TDialogBase::showEvent(QShowEvent* event)
{
    // Shown again after a close: the stopped requests may read again.
    if (closed_) {
        for (OwnedBinder& owned : binders_)
            owned.binder->request.keepGoing = true;
        closed_ = false;
    }
    QDialog::showEvent(event);
}
