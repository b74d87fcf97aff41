#include "TSNMPPanel.h"

#include <QCheckBox>
#include <QDialog>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QSplitter>
#include <QVBoxLayout>

#include <algorithm>
#include <exception>

#include "TCtrlBtnPanel.h"
#include "TEditsPanel.h"
#include "TMsgPanel.h"
#include "VnAccessScope.h"
#include "VnException.h"
#include "VnFieldSizes.h"
#include "VnMessageBox.h"
#include "VnSNMPRequest2Edits.h"
#include "VnErrorLanding.h"

namespace {

// The widget fills its parent, as a client-aligned control does.
void FillParent(QWidget* widget)
{
    QWidget* parent = widget->parentWidget();
    if (!parent || qobject_cast<QSplitter*>(parent))
        return;
    QLayout* layout = parent->layout();
    if (!layout) {
        layout = new QVBoxLayout(parent);
        layout->setContentsMargins(0, 0, 0, 0);
        layout->setSpacing(0);
    }
    if (layout->indexOf(widget) < 0)
        layout->addWidget(widget);
}

}  // namespace

TSNMPPanel* VnHostPanel(QWidget* control)
{
    for (QWidget* w = control ? control->parentWidget() : nullptr; w; w = w->parentWidget()) {
        if (auto* panel = qobject_cast<TSNMPPanel*>(w))
            return panel;
    }
    return nullptr;
}

TSNMPPanel::TSNMPPanel(QWidget* owner, VnSNMPRequest2Edits* request, TMsgPanel* msgPanel)
    : QFrame(owner), Request(request)
{
    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    rightSplitter_ = new QSplitter(Qt::Horizontal, this);
    rightSplitter_->setHandleWidth(kSplitterWidth);
    rightSplitter_->setChildrenCollapsible(false);
    layout->addWidget(rightSplitter_);

    WorkPanel = new QSplitter(Qt::Vertical);
    WorkPanel->setHandleWidth(kSplitterWidth);
    WorkPanel->setChildrenCollapsible(false);
    rightSplitter_->addWidget(WorkPanel);
    CtrlBtnPanel = new TCtrlBtnPanel(rightSplitter_);
    rightSplitter_->addWidget(CtrlBtnPanel);
    rightSplitter_->setStretchFactor(0, 1);
    rightSplitter_->setStretchFactor(1, 0);

    connect(CtrlBtnPanel->RefreshBtn, &QPushButton::clicked, this, [this] {
        // The user's Refresh, not a read-back after a set: said when refused,
        // and the last set's outcome gives way to it.
        if (Request && Request->Busy()) {
            Request->RefuseWhileBusy("Refresh");
            return;
        }
        if (Request)
            Request->ReleaseSetOutcome();
        RefreshBtnClick();
    });
    connect(CtrlBtnPanel->CloseBtn, &QPushButton::clicked, this, [this] { CloseBtnClick(); });

    if (msgPanel) {
        MsgPanel = nullptr;
        statusPanel_ = msgPanel;
    } else {
        MsgPanel = new TMsgPanel(WorkPanel);
        WorkPanel->addWidget(MsgPanel);
        WorkPanel->setStretchFactor(WorkPanel->indexOf(MsgPanel), 0);
        statusPanel_ = MsgPanel;
    }
    if (Request)
        Request->SetStatusOutput(statusPanel_->Memo);
    resize(0, 0);
}

TSNMPPanel::~TSNMPPanel()
{
    CtrlBtnPanel->RefreshBtn->disconnect(this);
    CtrlBtnPanel->CloseBtn->disconnect(this);
}

void TSNMPPanel::SetClientControl(QWidget* control)
{
    if (ClientControl && ClientControl != control)
        ClientControl->hide();
    ClientControl = control;
    if (!control)
        return;
    // Above the message panel, which stays last.
    WorkPanel->insertWidget(0, control);
    WorkPanel->setStretchFactor(WorkPanel->indexOf(control), 1);
    control->show();

    const int width = control->width() + CtrlBtnPanel->width() + kSplitterWidth + 3;
    int height = control->height() + (MsgPanel ? TMsgPanel::kHeight : 0) + kSplitterWidth;
    height = std::max(height, CtrlBtnPanel->NeededHeight());
    // The splitters give the button column and the message panel their own
    // size and the work control the rest.
    resize(width, height);
    updateGeometry();
}

void TSNMPPanel::SetForm(QDialog* form)
{
    OwnerForm = form;
    if (!form)
        return;
    QSize client = form->size();
    client.setWidth(std::max(client.width(), width()));
    client.setHeight(std::max(client.height(), height()));
    client.setHeight(std::min(client.height(), kMaxClientHeight));
    client.setWidth(std::min(client.width(), kMaxClientWidth));
    form->resize(client);
    FillParent(this);
}

void TSNMPPanel::GrowToClientControl()
{
    if (!ClientControl)
        return;
    const int needed = ClientControl->sizeHint().width() + CtrlBtnPanel->width() + kSplitterWidth + 3;
    const int grow = needed - width();
    if (grow <= 0)
        return;
    resize(needed, height());
    updateGeometry();
    QWidget* form = window();
    if (form == this)
        return;
    const int limit = std::max(form->width(), kMaxClientWidth);
    form->resize(std::min(form->width() + grow, limit), form->height());
}

QSize TSNMPPanel::sizeHint() const
{
    return size();
}

void TSNMPPanel::RefreshBtnClick()
{
    if (!Request)
        return;
    VnGuarded(VnErrorLanding::StatusLine(Request), [this] { Request->Refresh(); });
}

void TSNMPPanel::CloseBtnClick()
{
    if (!OwnerForm) {
        VnMessageBox(nullptr, "Please initial close form");
        return;
    }
    OwnerForm->close();
}

void TSNMPPanel::DetachRequest()
{
    Request = nullptr;
}

TSNMPEditorPanel::TSNMPEditorPanel(QWidget* owner, VnSNMPRequest2Edits* request)
    : TSNMPPanel(owner, request, nullptr)
{
    EditsPanel = new TEditsPanel(WorkPanel, request);
    TCtrlBtnPanel* column = CtrlBtnPanel;
    connect(column->SetCheckedBtn, &QPushButton::clicked, this,
            [this, column] {
                VnGuarded(VnErrorLanding::MessageBox(window()), [&] { SetCheckedBtnClick(column->SetCheckedBtn); });
            });
    column->SetCheckedBtn->setEnabled(false);
    connect(column->CheckAllBtn, &QPushButton::clicked, this, [this] { CheckAllBtnClick(); });
    connect(column->ClearChecksBtn, &QPushButton::clicked, this, [this] { ClearChecksBtnClick(); });
    EditsPanel->ArrangeCtrlBtn(column);
    SetClientControl(EditsPanel);
}

void TSNMPEditorPanel::SetVarFormat(int i, const char* format)
{
    if (Request)
        Request->Unbind(i);
    if (i < 0 || i >= EditsPanel->RowCount())
        throw VnException("Unknow UI Control type!");
    _EditRow_s& row = EditsPanel->Rows[static_cast<std::size_t>(i)];
    if (row.CtrlType == 3)
        throw VnException("Can not set Var format to a ComboBox!");
    if (row.CtrlType != 1 && row.CtrlType != 2)
        throw VnException("Unknow UI Control type!");
    if (!Request)
        return;
    const std::string text = format ? format : "";
    Request->BindEdits(i, text, {qobject_cast<QLineEdit*>(row.InputCtrl)});
    row.Format = QString::fromStdString(text);
    // The inputs widen to the longest text the constraint admits.
    EditsPanel->FitToTexts();
}

void TSNMPEditorPanel::SetEditWidth(int width)
{
    EditsPanel->SetEditWidth(width, TEditsPanel::kLayoutRows);
    SetClientControl(EditsPanel);
    if (OwnerForm)
        SetForm(OwnerForm);
}

bool TSNMPEditorPanel::FitPending() const
{
    return EditsPanel->FitPending();
}

bool TSNMPEditorPanel::SetCheckedBtnClick(QPushButton* sender)
{
    if (!Request)
        return false;
    VnSNMPRequest2Edits& binder = *Request;
    if (binder.Busy()) {
        binder.RefuseWhileBusy(sender ? sender->text().remove(u'&').toStdString() : std::string());
        return false;
    }
    QStringList emptyRows;
    bool done = false;
    {
        // The set is finished, reply and all, when the click returns.
        VnBinderModeScope blocking(binder, VnSNMPRequest2Controls::kModeSync);
        VnAccessScope marks(binder.request.varList);
        VnSNMPVarList& list = binder.request.varList;
        for (int i = 0; i < list.Count() && i < EditsPanel->RowCount(); ++i) {
            if (!EditsPanel->Rows[static_cast<std::size_t>(i)].CheckBox->isChecked())
                marks.LeaveOut(i);
            // An index column that may be empty is sent as it stands.
            const unsigned access = list.Item(i).access;
            if (!(access & (VnAccess::Invalid | VnAccess::MayBeEmpty)) && EditsPanel->IsRowEmpty(i))
                emptyRows << QString::fromStdString(list.Item(i).label);
        }
        if (!emptyRows.isEmpty()) {
            // Which ones: a long form leaves the user searching otherwise.
            VnMessageBox(window(), "Some items are empty! (" + emptyRows.join(", ") + ")", VnMsgButtons::Ok,
                         VnMsgIcon::Warning);
            return false;
        }
        // An octet string of another size than its column holds would be
        // taken as it comes (a short VLAN map clears the VLANs it lacks).
        if (!VnSizesFit(binder, sender ? sender->window() : window()))
            return false;
        VnGuarded(VnErrorLanding::StatusLine(&binder), [&] {
            done = addingRow_ ? binder.ApplyNewRow(false, TCtrlBtnPanel::kEditCaption) : binder.Apply(false, true);
        });
    }
    // The Add and Edit forms close once their row is written, not before:
    // after a failure the user's input stays for another try.
    if (done && VnButtonTag(sender) == 1) {
        if (auto* form = qobject_cast<QDialog*>(sender->window()))
            form->accept();
    }
    return done;
}

void TSNMPEditorPanel::CheckAllBtnClick()
{
    // A row hidden from the form (a status with no value left to choose)
    // has nothing to send: ticking it would only make Set refuse the form.
    const VnSNMPVarList* list = Request ? &Request->request.varList : nullptr;
    for (int i = 0; i < EditsPanel->RowCount(); ++i) {
        const _EditRow_s& row = EditsPanel->Rows[static_cast<std::size_t>(i)];
        if (list && i < list->Count() && (list->Item(i).access & VnAccess::Hidden))
            continue;
        if (VnIsEnabled(row.CheckBox))
            row.CheckBox->setChecked(true);
    }
    if (EditsPanel->CheckedBoxCount() > 0) {
        if (TSNMPPanel* host = VnHostPanel(EditsPanel))
            host->CtrlBtnPanel->SetCheckedBtn->setEnabled(true);
    }
}

void TSNMPEditorPanel::ClearChecksBtnClick()
{
    for (const _EditRow_s& row : EditsPanel->Rows) {
        if (VnIsEnabled(row.CheckBox))
            row.CheckBox->setChecked(false);
    }
    if (EditsPanel->CheckedBoxCount() == 0) {
        if (TSNMPPanel* host = VnHostPanel(EditsPanel))
            host->CtrlBtnPanel->SetCheckedBtn->setEnabled(false);
    }
}

void TSNMPEditorPanel::DetachRequest()
{
    TSNMPPanel::DetachRequest();
    EditsPanel->EditCtrl = nullptr;
}
