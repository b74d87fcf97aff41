#include "Msinfortable.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTreeWidget>

#include "SingleIpMib.h"
#include "VnAccessScope.h"
#include "VnDialogFrame.h"
#include "VnEditConstraint.h"
#include "VnSNMPRequest2Edits.h"

TMSInformationForm* MSInformationForm = nullptr;
TMSEditForm* MSEditForm = nullptr;

namespace {

using K = VnControlKind;
using E = TMSEditForm;

// Entries of the row-status combo box.
constexpr int kCreateAndGoEntry = 1;
constexpr int kDestroyEntry = 2;
// The access word Delete puts back on the columns it left out.
constexpr unsigned kReadWriteWord = 6;

const VnBindingTable kMemberBindings{
    .descriptors = MemberSwitchTable,
    .itemType = MVT_UMV,
    .keyCount = 1,
    .rows = {{-1, K::ListView, "ListView1"}},
    .statusOutput = "Memo1",
    .rowCount = "StaticText1",
};

// The status output is the list's memo, given when the list form is made.
const VnBindingTable kWriteBindings{
    .descriptors = MemberWriteTable,
    .itemType = MVT_SV,
    .keyCount = 1,
    // The ID is also the member's index: a negative number is no index.
    .rows = {{E::kCandidate, K::Edits, "KeyIDEdit", "%i{n0}"},
             {E::kPassword, K::Edits, "MS_Password", "%s"},
             {E::kRowStatus, K::ComboBox, "Row_Status"}},
};

}  // namespace

TMSInformationForm::TMSInformationForm(QWidget* owner, const VnDialogContext& context)
    : TListFormBase(owner, context, kWidth, kHeight)
{
    SetFormPointer(MSInformationForm);
    setWindowTitle("MSInformationForm");
    BuildLayout();
    FormCreate();
}

void TMSInformationForm::BuildLayout()
{
    VnDialogFrame frame(*this);
    ListView1 = frame.ListView("ListView1");
    Memo1 = frame.Memo("Memo1");
    GetButton = frame.Button("GetButton", "Refresh");
    AddButton = frame.Button("AddButton", "Add");
    DeleteButton = frame.Button("DeleteButton", "Delete");
    EditButton = frame.Button("EditButton", "Edit");
    EditButton->hide();
    StaticText1 = VnSunkenText(this, "StaticText1");
    StaticText1->hide();
    SetErrorLanding(VnErrorLanding::MemoLine(Memo1));

    On(GetButton, &QPushButton::clicked, [this] { GetButtonClick(); });
    On(AddButton, &QPushButton::clicked, [this] { AddButtonClick(); });
    On(DeleteButton, &QPushButton::clicked, [this] { DeleteButtonClick(); });
    On(EditButton, &QPushButton::clicked, [this] { EditButtonClick(); });
    FollowSelection(ListView1, [this](bool selected) { EditButton->setEnabled(selected); });
}

void TMSInformationForm::FormCreate()
{
    MakeEditForm(MSEditForm)->SetErrorLanding(VnErrorLanding::MemoLine(Memo1));
    // The edit form's sets say their outcome where the list's reads do.
    MSEditForm->Binder->SetStatusOutput(Memo1);
    OpenListBinder(Request, kMemberBindings, VnErrorLanding::MemoLine(Memo1),
                   [](VnSNMPRequest2Edits& binder) { binder.request.timeout = kListTimeout; });
    // A set of the edit form that timed out may still be carried out: the
    // list shows what the switch did once it answers.
    MSEditForm->Binder->SetLister(*Request);
}

void TMSInformationForm::GetButtonClick()
{
    if (!CommandAllowed())
        return;
    Request->Refresh();
}

void TMSInformationForm::ReadListAfterSet()
{
    // The edit form's set is asynchronous: read what it changed, not what
    // was there before.
    MSEditForm->WaitForWalksToEnd();
    // A refusal stays the last word, as after any refused set: the list is
    // read again by the next Refresh. After a set that timed out the list
    // is read once the switch answers.
    if (!IsClosed() && MSEditForm->Binder->SetWentThrough())
        Request->Refresh();
}

void TMSInformationForm::AddButtonClick()
{
    if (!CommandAllowed() || MSEditForm->AnyBinderBusy())
        return;
    OpenEditForm(VnEditMode::Add);
    ReadListAfterSet();
}

void TMSInformationForm::EditButtonClick()
{
    if (!CommandAllowed() || MSEditForm->AnyBinderBusy())
        return;
    const std::optional<QString> id = SelectedCell(kMemberId);
    if (!id || RefuseMalformedRow(EditButton))
        return;
    MSEditForm->EditMode = VnEditMode::Edit;
    MSEditForm->KeyIDEdit->setText(*id);
    MSEditForm->ShowModal(VnEditMode::Edit);
    ReadListAfterSet();
}

void TMSInformationForm::DeleteButtonClick()
{
    if (!CommandAllowed() || MSEditForm->AnyBinderBusy())
        return;
    const std::optional<QString> id = SelectedCell(kMemberId);
    if (!id) {
        VnFieldMessage(this, kVnNoRowSelectedText, DeleteButton);
        return;
    }
    if (RefuseMalformedRow(DeleteButton))
        return;
    MSEditForm->EditMode = VnEditMode::Edit;
    MSEditForm->Row_Status->setCurrentIndex(kDestroyEntry);
    bool sent = false;
    {
        // The row status alone; the two columns come back read-write on
        // every path, so the next Add sends all three.
        VnAccessScope scope(MSEditForm->Binder->request.varList, {E::kCandidate, E::kPassword});
        scope.RestoreAs(E::kCandidate, kReadWriteWord);
        scope.RestoreAs(E::kPassword, kReadWriteWord);
        sent = MSEditForm->ApplyAt(*id);
    }
    if (sent)
        ReadListAfterSet();
}

TMSEditForm::TMSEditForm(TDialogBase* listForm) : TEditFormBase(listForm, kWidth, kHeight)
{
    setWindowTitle("MS Add");
    VnDialogFrame frame(*this);
    QWidget* panel = frame.EditArea("Panel2");
    SetButton = frame.Button("SetButton", "Set");
    CloseButton = frame.Button("CloseButton", "Close");
    VnFieldGrid fields(panel);
    KeyIDEdit = fields.Add<QLineEdit>(0, 0, "Member Candidate Source", "KeyIDEdit");
    MS_Password = fields.Add<QLineEdit>(1, 0, "Member Password", "MS_Password");
    Row_Status = fields.Add<QComboBox>(2, 0, "Member Row Status", "Row_Status");
    fields.Layout()->setRowStretch(3, 1);
    KeyIDEdit->setEnabled(false);

    NewBinder(Binder);
    Binder->request.varList =
        VnSNMPVarList(kWriteBindings.descriptors, kWriteBindings.itemType, kWriteBindings.keyCount);
    VnApplyBindings(*this, *Binder, kWriteBindings);
    // Closing leaves a set running; the binder goes with the form.
    SetWalkOnClose(VnWalkOnClose::RunToEnd);

    On(SetButton, &QPushButton::clicked, [this] { SetButtonClick(); });
    On(CloseButton, &QPushButton::clicked, [this] { reject(); });
}

void TMSEditForm::FormActivate()
{
    if (EditMode == VnEditMode::Edit) {
        KeyIDEdit->setEnabled(false);
        return;
    }
    KeyIDEdit->setEnabled(true);
    MS_Password->setEnabled(true);
    KeyIDEdit->clear();
    MS_Password->clear();
    Row_Status->setCurrentIndex(kCreateAndGoEntry);
    Row_Status->setEnabled(false);
}

namespace {

// The index as the number the field holds ("+3", "03" and "3" are one
// member); a text that is no number is refused by the field's check.
std::string MemberIndex(const QString& memberId)
{
    bool isNumber = false;
    const qlonglong id = memberId.trimmed().toLongLong(&isNumber);
    return (isNumber ? QString::number(id) : memberId).toStdString();
}

}  // namespace

bool TMSEditForm::ApplyAt(const QString& memberId)
{
    Binder->request.varList.name = MemberIndex(memberId);
    return Binder->Apply(true, true, {}, nullptr);
}

bool TMSEditForm::IdAccepted()
{
    // However the ID got into the field (typed, pasted, set), it is the
    // user's: checked as typed, so a negative number is refused by name
    // before it becomes an index no OID can hold.
    VnEditConstraint& constraints = Binder->Constraints();
    if (_EditConstraint_s* rule = constraints.Find(KeyIDEdit))
        rule->lastText.clear();
    return constraints.OnEditExit(KeyIDEdit);
}

void TMSEditForm::SetButtonClick()
{
    if (!MSInformationForm || AnyBinderBusy())
        return;
    if (EditMode == VnEditMode::Add && KeyIDEdit->text().isEmpty()) {
        VnFieldMessage(this, kIdMissing, KeyIDEdit);
        return;
    }
    if (EditMode == VnEditMode::Add && !IdAccepted())
        return;
    // A listed member is no new one: the set would write over it. The ID
    // is named by the field it was typed into.
    if (EditMode == VnEditMode::Add && MSInformationForm->Request
        && MSInformationForm->Request->RefuseListedInstance(MemberIndex(KeyIDEdit->text()), {},
                                                            {Binder->request.varList.Item(kCandidate).label}))
        return;
    bool sent = false;
    const bool finished = VnGuarded(VnErrorLanding::MemoLine(MSInformationForm->Memo1),
                                    [&] { sent = ApplyAt(KeyIDEdit->text()); });
    if (finished && sent)
        accept();
}
