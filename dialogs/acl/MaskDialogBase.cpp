#include "MaskDialogBase.h"

#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QTreeWidget>

#include "VnAccessScope.h"
#include "VnDialogFrame.h"
#include "VnFieldSizes.h"
#include "VnSNMPRequest2Edits.h"
#include "VnSNMPVarList.h"
#include "VnStatusOutput.h"

namespace {

// Panel 0 takes a failed command's message; the binder's line stands beside it.
constexpr int kPanel0Width = 50;

}  // namespace

TMaskDialogBase::TMaskDialogBase(QWidget* owner, const VnDialogContext& context, const VnMaskVariant& variant,
                                 const VnMaskButtons& buttons)
    : TDialogBase(owner, context, variant.width, variant.height), variant_(variant)
{
    setWindowTitle(variant.layoutCaption);
    VnDialogFrame frame(*this);
    ListView1 = frame.ListView("ListView1");
    fieldArea_ = frame.EditArea("Panel2");
    StatusBar1 = frame.StatusBar("StatusBar1");
    StatusBar1->AddPanel(kPanel0Width);
    refresh_ = frame.Button(buttons.refresh, "Refresh");
    set_ = frame.Button(buttons.set, buttons.setCaption);
    add_ = frame.Button(buttons.add, "Add");
    delete_ = frame.Button(buttons.remove, "Delete");
    SetErrorLanding(VnErrorLanding::FirstPanel(StatusBar1));

    On(refresh_, &QPushButton::clicked, [this] { RefreshCommand(); });
    On(set_, &QPushButton::clicked, [this] { SetCommand(); });
    On(add_, &QPushButton::clicked, [this] { AddCommand(); });
    On(delete_, &QPushButton::clicked, [this] { DeleteCommand(); });
}

void TMaskDialogBase::Open(std::vector<VnBinding> rows, const std::function<void()>& presets, bool clear,
                           const char* rowCount)
{
    if (variant_.title)
        SetTitle(variant_.title);
    rows.insert(rows.begin(), VnBinding{-1, VnControlKind::ListView, "ListView1"});
    bindings_ = VnBindingTable{.descriptors = variant_.table,
                               .itemType = MVT_UMV,
                               .keyCount = 1,
                               .rows = std::move(rows),
                               .statusOutput = "StatusBar1",
                               .rowCount = rowCount,
                               .mode = VnSNMPRequest2Controls::kModeSync};
    OpenBinder(Binder, bindings_, VnErrorLanding::FirstPanel(StatusBar1), [this, presets](VnSNMPRequest2Edits& b) {
        b.OnRowSelected = [this](QTreeWidgetItem*) { ListView1Click(); };
        if (presets)
            presets();
    });
    NoRowState();
    if (clear)
        ClearEdits();
}

void TMaskDialogBase::NoRowState()
{
    // The selection goes too, so that the buttons and the list agree.
    if (!ListView1->selectedItems().isEmpty())
        ListView1->clearSelection();
    set_->setEnabled(false);
    add_->setEnabled(true);
    delete_->setEnabled(false);
    id_->setEnabled(true);
}

void TMaskDialogBase::ListView1Click()
{
    if (ListView1->selectedItems().isEmpty()) {
        NoRowState();
        return;
    }
    set_->setEnabled(true);
    add_->setEnabled(false);
    delete_->setEnabled(true);
    id_->setEnabled(false);
}

void TMaskDialogBase::RefreshCommand()
{
    if (!CommandAllowed())
        return;
    VnGuarded(VnErrorLanding::FirstPanel(StatusBar1), [this] { Binder->Refresh(); });
    NoRowState();
    ClearEdits();
}

void TMaskDialogBase::DeleteCommand()
{
    if (!CommandAllowed())
        return;
    maskcolumns::Items leftOut;
    for (int i = 1; i + 1 < Binder->request.varList.Count(); ++i)
        leftOut.insert(i);
    rowStatus_->setCurrentIndex(kDestroy);
    Send(leftOut, At::SelectedRow);
}

bool TMaskDialogBase::Send(const maskcolumns::Items& leftOut, At at)
{
    bool sent = false;
    const bool finished = VnGuarded(VnErrorLanding::FirstPanel(StatusBar1), [&] {
        VnAccessScope scope(Binder->request.varList);
        for (int i : leftOut)
            scope.LeaveOut(i);
        if (!VnSizesFit(*Binder, this))
            return;
        sent = at == At::SelectedRow
                   ? Binder->ApplyToSelectedRow(false)
                   : Binder->ApplyNewRow(false, set_->text().remove(u'&').toStdString());
        scope.Restore();
        if (sent)
            Binder->Refresh();
    });
    if (finished && !sent)
        return false;
    NoRowState();
    ClearEdits();
    return sent;
}

bool TMaskDialogBase::Refuse(bool failed, const char* text, QWidget* focus)
{
    if (failed)
        VnFieldMessage(this, text, focus);
    return failed;
}

bool TMaskDialogBase::RefuseEmptySent(const maskcolumns::Items& leftOut, int item, QLineEdit* field,
                                      const char* text)
{
    return Refuse(!leftOut.contains(item) && Blank(field), text, field);
}

bool TMaskDialogBase::Blank(const QLineEdit* field)
{
    const QString text = field->text();
    return text.isEmpty() || IsNoValueText(text.toStdString());
}
