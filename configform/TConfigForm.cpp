#include "TConfigForm.h"

#include <QCoreApplication>
#include <QEvent>
#include <QPlainTextEdit>
#include <QScreen>
#include <QSignalBlocker>
#include <QStyle>
#include <QTabBar>
#include <QTabWidget>
#include <QVBoxLayout>

#include <algorithm>
#include <exception>

#include "TMsgPanel.h"
#include "TSNMPListViewPanel.h"
#include "TSNMPPanel.h"
#include "VnException.h"
#include "VnSNMPRequest2Edits.h"
#include "VnErrorLanding.h"

namespace {

// The form as first laid out, before any panel: its client area.
constexpr int kInitialClientWidth = 151;
constexpr int kInitialClientHeight = 78;

constexpr const char* kPageTag = "vnPageTag";

}  // namespace

TConfigForm::TConfigForm(QWidget* owner) : QDialog(owner)
{
    setWindowTitle("ConfigForm");
    resize(kInitialClientWidth, kInitialClientHeight);
}

TConfigForm::~TConfigForm()
{
    if (pageControl_)
        pageControl_->disconnect(this);
    DetachPanels();
    activeRequest_ = nullptr;
    requests_.clear();
}

void TConfigForm::RequireNoType()
{
    if (formType_ != kTypeNone)
        throw VnException("Can not change Type of a Config Form!");
}

void TConfigForm::GrowClientTo(QWidget* widget)
{
    resize(std::max(width(), widget->width()), std::max(height(), widget->height()));
}

TSNMPEditorPanel* TConfigForm::SetEditorPanel(std::unique_ptr<VnSNMPRequest2Edits> request)
{
    RequireNoType();
    formType_ = kTypeEditor;
    // The panel fills the client area SetForm gave the form (800 x 550 at
    // most), so the form has nothing more to grow to.
    return AddEditorPanel(this, std::move(request));
}

TSNMPListViewPanel* TConfigForm::SetListViewPanel(std::unique_ptr<VnSNMPRequest2Edits> request, int addStatusColumn,
                                                  const char* addStatusValue, int deleteStatusColumn,
                                                  const char* deleteStatusValue)
{
    RequireNoType();
    formType_ = kTypeListView;
    return AddListViewPanel(this, std::move(request), addStatusColumn, addStatusValue, deleteStatusColumn,
                            deleteStatusValue);
}

void TConfigForm::SetPageMode()
{
    RequireNoType();
    formType_ = kTypePages;
    pageControl_ = new QTabWidget(this);
    pageControl_->resize(0, 0);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(pageControl_);
    connect(pageControl_, &QTabWidget::currentChanged, this, [this](int index) { PageControlChange(index); });
}

TSNMPEditorPanel* TConfigForm::AddEditorPage(const QString& caption, std::unique_ptr<VnSNMPRequest2Edits> request)
{
    if (formType_ != kTypePages)
        throw VnException("Can not add editor page to a none-page pannel!");
    auto* sheet = new QWidget;
    sheet->setProperty(kPageTag, pageControl_->count());
    sheet->resize(0, 0);
    {
        // Joining a page is not turning to it.
        const QSignalBlocker quiet(pageControl_);
        pageControl_->addTab(sheet, caption);
    }
    TSNMPEditorPanel* panel = AddEditorPanel(sheet, std::move(request));
    sheet->resize(std::max(sheet->width(), panel->width()), std::max(sheet->height(), panel->height()));
    // The tabs and the frame round the pages.
    const int tabHeight = pageControl_->tabBar()->sizeHint().height()
                          + 2 * pageControl_->style()->pixelMetric(QStyle::PM_DefaultFrameWidth);
    pageControl_->resize(std::max(pageControl_->width(), sheet->width()),
                         std::max(pageControl_->height(), tabHeight + sheet->height()));
    GrowClientTo(pageControl_);
    return panel;
}

TSNMPEditorPanel* TConfigForm::AddEditorPanel(QWidget* container, std::unique_ptr<VnSNMPRequest2Edits> request)
{
    VnSNMPRequest2Edits* binder = request.get();
    requests_.push_back(std::move(request));
    auto* panel = new TSNMPEditorPanel(container, binder);
    panel->StatusPanel()->Memo->setReadOnly(true);
    panel->SetForm(this);
    return panel;
}

TSNMPListViewPanel* TConfigForm::AddListViewPanel(QWidget* container, std::unique_ptr<VnSNMPRequest2Edits> request,
                                                  int addStatusColumn, const char* addStatusValue,
                                                  int deleteStatusColumn, const char* deleteStatusValue)
{
    VnSNMPRequest2Edits* binder = request.get();
    requests_.push_back(std::move(request));
    auto* panel = new TSNMPListViewPanel(container, binder);
    panel->StatusPanel()->Memo->setReadOnly(true);
    panel->SetForm(this);
    if (addStatusValue)
        panel->SetAddStatus(addStatusColumn, addStatusValue);
    if (deleteStatusValue)
        panel->SetDeleteStatus(deleteStatusColumn, deleteStatusValue);
    return panel;
}

void TConfigForm::Refresh()
{
    if (closing_ || closed_)
        return;
    VnSNMPRequest2Edits* binder = nullptr;
    switch (formType_) {
    case kTypeNone:
        return;
    case kTypeEditor:
    case kTypeListView:
        if (requests_.empty())
            return;
        binder = requests_.front().get();
        break;
    case kTypePages: {
        if (!pageControl_ || pageControl_->count() == 0 || !pageControl_->currentWidget())
            return;
        const int tag = pageControl_->currentWidget()->property(kPageTag).toInt();
        if (tag < 0 || tag >= static_cast<int>(requests_.size()))
            return;
        binder = requests_[static_cast<std::size_t>(tag)].get();
        break;
    }
    default:
        throw VnException("Refresh a Form with unknown Form Type!");
    }
    // A walk still running on the page left sends nothing more.
    if (activeRequest_)
        activeRequest_->request.keepGoing = false;
    activeRequest_ = binder;
    binder->request.keepGoing = true;
    // A read still under way on this binder goes on and shows its outcome.
    if (binder->Busy())
        return;
    VnGuarded(VnErrorLanding::StatusLine(binder), [binder] { binder->Refresh(); });
}

void TConfigForm::PageControlChange(int)
{
    VnGuarded(VnErrorLanding::MessageBox(this), [this] { Refresh(); });
}

void TConfigForm::OnRefreshMessage()
{
    firstReadStarted_ = true;
    VnGuarded(VnErrorLanding::MessageBox(this), [this] { Refresh(); });
}

bool TConfigForm::Settled() const
{
    if (!firstReadStarted_)
        return false;
    for (const auto& binder : requests_) {
        if (binder->Busy())
            return false;
    }
    const QList<TSNMPPanel*> panels = findChildren<TSNMPPanel*>();
    return std::none_of(panels.begin(), panels.end(), [](const TSNMPPanel* panel) { return panel->FitPending(); });
}

bool TConfigForm::event(QEvent* event)
{
    if (event->type() == static_cast<QEvent::Type>(kRefreshMessage)) {
        OnRefreshMessage();
        return true;
    }
    return QDialog::event(event);
}

void TConfigForm::showEvent(QShowEvent* event)
{
    QDialog::showEvent(event);
    if (refreshPosted_)
        return;
    refreshPosted_ = true;
    // Handled by the modal loop, once the form is on screen.
    QCoreApplication::postEvent(this, new QEvent(static_cast<QEvent::Type>(kRefreshMessage)));
}

void TConfigForm::DetachPanels()
{
    for (TSNMPPanel* panel : findChildren<TSNMPPanel*>())
        panel->DetachRequest();
}

void TConfigForm::FormClose()
{
    if (closing_ || closed_)
        return;
    closing_ = true;
    for (const auto& binder : requests_)
        binder->request.keepGoing = false;
    // The panels let go first: nothing the wait lets run reaches a binder
    // on its way out.
    DetachPanels();
    for (auto& binder : requests_) {
        binder->StopAndWait(-1);
        binder.reset();
    }
    requests_.clear();
    activeRequest_ = nullptr;
    closed_ = true;
    closing_ = false;
}

void TConfigForm::done(int result)
{
    // A second close while the first waits: the first one finishes.
    if (closing_)
        return;
    FormClose();
    QDialog::done(result);
}
