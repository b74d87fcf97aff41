#include "VnListEditPair.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTreeWidget>

#include <algorithm>

#include "VnAccessScope.h"
#include "VnListRows.h"
#include "VnSNMPRequest2Edits.h"
#include "VnStatusOutput.h"

namespace {

// A button's caption as the user reads it; empty without a button.
std::string ButtonCaption(const QPushButton* button)
{
    return button ? button->text().remove(u'&').toStdString() : std::string();
}

}  // namespace

TEditFormBase::TEditFormBase(TDialogBase* listForm, int width, int height)
    : TDialogBase(listForm, listForm->Context(), width, height)
{
}

int TEditFormBase::ShowModal(VnEditMode mode)
{
    EditMode = mode;
    return exec();
}

void TEditFormBase::showEvent(QShowEvent* event)
{
    TDialogBase::showEvent(event);
    Guard([this] { FormActivate(); });
}

TListFormBase::TListFormBase(QWidget* owner, const VnDialogContext& context, int width, int height)
    : TDialogBase(owner, context, width, height)
{
}

bool TListFormBase::OpenListBinder(VnSNMPRequest2Edits*& member, const VnBindingTable& table,
                                   const VnErrorLanding& landing,
                                   const std::function<void(VnSNMPRequest2Edits&)>& beforeRead)
{
    return OpenBinder(member, table, landing, [this, &member, &beforeRead](VnSNMPRequest2Edits& binder) {
        listBinder_ = member;
        if (editForm_)
            binder.SetConstraintOwner(editForm_);
        if (beforeRead)
            beforeRead(binder);
    });
}

std::optional<QString> TListFormBase::SelectedCell(int item) const
{
    if (!listBinder_ || !listBinder_->ListView())
        return std::nullopt;
    const QList<QTreeWidgetItem*> selected = listBinder_->ListView()->selectedItems();
    const std::vector<int>& columns = listBinder_->ColumnItems();
    const auto column = std::find(columns.begin(), columns.end(), item);
    if (selected.isEmpty() || column == columns.end())
        return std::nullopt;
    return selected.first()->text(static_cast<int>(column - columns.begin()));
}

bool TListFormBase::RefuseMalformedRow(QWidget* field)
{
    if (!listBinder_ || !listBinder_->RefuseMalformedRow())
        return false;
    if (field && field->isVisible() && field->isEnabled())
        field->setFocus(Qt::OtherFocusReason);
    return true;
}

void TListFormBase::FollowSelection(QTreeWidget* listView, std::function<void(bool selected)> follow)
{
    On(listView, &QTreeWidget::itemSelectionChanged,
       [listView, follow = std::move(follow)] { follow(!listView->selectedItems().isEmpty()); });
}

int TListFormBase::OpenEditForm(VnEditMode mode)
{
    if (!editForm_ || !listBinder_)
        return -1;
    if (mode == VnEditMode::Edit && (RefuseMalformedRow(nullptr) || !listBinder_->ShowSelectedRow()))
        return -1;
    return editForm_->ShowModal(mode);
}

bool TListFormBase::ApplyScoped(bool atSelectedRow, bool refreshAfterApply,
                                const std::function<void(VnAccessScope&)>& choose)
{
    if (!listBinder_)
        return false;
    VnAccessScope scope(listBinder_->request.varList);
    if (choose)
        choose(scope);
    if (atSelectedRow)
        return listBinder_->ApplyToSelectedRow(refreshAfterApply);
    return listBinder_->ApplyNewRow(refreshAfterApply, ButtonCaption(rowChanger_));
}

void TFieldsListFormBase::OpenFieldsBinder(VnSNMPRequest2Edits*& member, const VnBindingTable& table,
                                           FieldsParts parts)
{
    parts_ = std::move(parts);
    OpenBinder(member, table, VnErrorLanding::FirstPanel(parts_.statusBar), [this](VnSNMPRequest2Edits& binder) {
        binder_ = &binder;
        // After the binder's own enabling of the controls.
        binder.OnRowSelected = [this](QTreeWidgetItem*) { ShowNoSelection(); };
        ClearEdits();
        parts_.rowStatus->setCurrentIndex(kCreateAndGoEntry);
        ShowNoSelection();
    });
}

void TFieldsListFormBase::ShowNoSelection()
{
    const bool selected = !parts_.listView->selectedItems().isEmpty();
    parts_.editButton->setEnabled(selected);
    parts_.deleteButton->setEnabled(selected);
    for (QWidget* key : parts_.keyFields)
        key->setEnabled(!selected);
    parts_.addButton->setEnabled(!selected);
}

void TFieldsListFormBase::ClearEdits()
{
    for (QLineEdit* field : parts_.clearedFields)
        field->clear();
    VnShowRowCount(parts_.count, parts_.listView);
}

void TFieldsListFormBase::RefreshAndClear()
{
    VnGuarded(VnErrorLanding::FirstPanel(parts_.statusBar), [this] { binder_->Refresh(); });
    parts_.listView->clearSelection();
    ShowNoSelection();
    ClearEdits();
}

void TFieldsListFormBase::ApplyThenRead(bool atSelectedRow, const std::function<void(VnAccessScope&)>& choose)
{
    bool sent = false;
    const bool finished = VnGuarded(VnErrorLanding::FirstPanel(parts_.statusBar), [&] {
        {
            VnAccessScope scope(binder_->request.varList);
            choose(scope);
            sent = atSelectedRow ? binder_->ApplyToSelectedRow(false)
                                 : binder_->ApplyNewRow(false, ButtonCaption(parts_.editButton));
        }
        if (sent)
            binder_->Refresh();
    });
    if (finished && !sent)
        return;
    parts_.listView->clearSelection();
    ShowNoSelection();
    ClearEdits();
}
