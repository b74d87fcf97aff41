#include "Ifxuseunit.h"

#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTreeWidget>

#include "SwitchMib.h"
#include "VnAccessScope.h"
#include "VnDialogFrame.h"
#include "VnSNMPRequest2Edits.h"

TIfxForm* IfxForm = nullptr;
TIfxEditForm* IfxEditForm = nullptr;

namespace {

using K = VnControlKind;
using F = TIfxForm;

// The edit form's fields are bound to the list's binder.
const VnBindingTable kIfxBindings{
    .descriptors = IfxTable,
    .itemType = MVT_UMV,
    .keyCount = 1,
    .rows = {{-1, K::ListView, "lvIfxInformation"},
             {F::kIfIndex, K::Edits, "edtIfIndex", "%i"},
             {F::kName, K::Edits, "edtName", "%s"},
             {F::kAlias, K::Edits, "edtAlias", "%s{l64}"}},
    .statusOutput = "Memo1",
    .rowCount = "ST_Count",
};

}  // namespace

TIfxForm::TIfxForm(QWidget* owner, const VnDialogContext& context) : TListFormBase(owner, context, kWidth, kHeight)
{
    SetFormPointer(IfxForm);
    setWindowTitle("IfX Table");
    BuildLayout();
    FormCreate();
}

void TIfxForm::BuildLayout()
{
    VnDialogFrame frame(*this);
    lvIfxInformation = frame.ListView("lvIfxInformation");
    Memo1 = frame.Memo("Memo1");
    ST_Count = frame.Count("ST_Count", "Sample");
    btnRefresh = frame.Button("btnRefresh", "Refresh");
    btnEdit = frame.Button("btnEdit", "Edit");
    btnClose = frame.Button("btnClose", "Close");
    SetErrorLanding(VnErrorLanding::MemoLine(Memo1));

    On(btnRefresh, &QPushButton::clicked, [this] { btnRefreshClick(); });
    On(btnEdit, &QPushButton::clicked, [this] { EditSelectedInterface(); });
    On(lvIfxInformation, &QTreeWidget::itemDoubleClicked, [this] { EditSelectedInterface(); });
    On(btnClose, &QPushButton::clicked, [this] { reject(); });
    FollowSelection(lvIfxInformation, [this](bool selected) { btnEdit->setEnabled(selected); });
}

void TIfxForm::FormCreate()
{
    MakeEditForm(IfxEditForm)->SetErrorLanding(VnErrorLanding::MemoLine(Memo1));
    // Closing waits for a running walk to read to its end.
    SetWalkOnClose(VnWalkOnClose::RunToEnd);
    OpenListBinder(Request, kIfxBindings, VnErrorLanding::MemoLine(Memo1));
    btnEdit->setEnabled(false);
}

void TIfxForm::btnRefreshClick()
{
    if (!CommandAllowed())
        return;
    Request->Refresh();
}

void TIfxForm::EditSelectedInterface()
{
    // The edit form may open while rows still arrive; its Set waits for them.
    if (!IsClosed() && SelectedCell(kIfIndex)) {
        Result = 0;
        IfxEditForm->setWindowTitle(QString(kTitle) + QString::fromStdString(Context().agentAddress));
        OpenEditForm(VnEditMode::Edit);
        if (Result > 0) {
            // The alias alone: the trap switch read with the row is no choice
            // of the user's.
            ApplyScoped(true, true, [](VnAccessScope& scope) { scope.LeaveOutAllBut({kIfIndex, kAlias}); });
        }
    }
    btnEdit->setEnabled(false);
}

TIfxEditForm::TIfxEditForm(TDialogBase* listForm) : TEditFormBase(listForm, kWidth, kHeight)
{
    setWindowTitle("Ifx Edit");
    VnDialogFrame frame(*this);
    QWidget* panel = frame.EditArea("Panel2");
    btnSet = frame.Button("btnSet", "Set");
    btnClose = frame.Button("btnClose", "Close");
    VnFieldGrid fields(panel);
    edtIfIndex = fields.Add<QLineEdit>(0, 0, "ifIndex", "edtIfIndex");
    edtName = fields.Add<QLineEdit>(1, 0, "Name", "edtName");
    edtAlias = fields.Add<QLineEdit>(2, 0, "Alias", "edtAlias");
    fields.Layout()->setRowStretch(3, 1);
    edtIfIndex->setReadOnly(true);
    edtName->setReadOnly(true);

    On(btnSet, &QPushButton::clicked, [this] { btnSetClick(); });
    On(btnClose, &QPushButton::clicked, [this] { reject(); });
}

void TIfxEditForm::FormActivate()
{
    edtIfIndex->setEnabled(false);
    edtName->setEnabled(false);
    edtAlias->setEnabled(true);
}

bool TIfxEditForm::IsValidAlias(const QString& alias)
{
    return !alias.contains(' ');
}

void TIfxEditForm::btnSetClick()
{
    if (!IfxForm)
        return;
    if (!IsValidAlias(edtAlias->text())) {
        VnFieldMessage(this, kAliasInvalid, edtAlias);
        IfxForm->Result = 0;
        return;
    }
    if (IfxForm->AnyBinderBusy()) {
        VnFieldMessage(this, kGetNotComplete);
        return;
    }
    IfxForm->Result = 1;
    accept();
}
