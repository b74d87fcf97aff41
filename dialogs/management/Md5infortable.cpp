#include "Md5infortable.h"

#include <QComboBox>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTreeWidget>

#include "L3Mib.h"
#include "VnDialogFrame.h"
#include "VnListRows.h"
#include "VnSNMPRequest2Edits.h"

TMd5InformationForm* Md5InformationForm = nullptr;
TMd5EditForm* Md5EditForm = nullptr;

namespace {

using K = VnControlKind;
using F = TMd5InformationForm;

// Entries of the status combo box.
constexpr int kActiveEntry = 0;
constexpr int kCreateAndGoEntry = 1;
constexpr int kDestroyEntry = 2;

// The edit form's fields are bound to the list's binder.
const VnBindingTable kMd5Bindings{
    .descriptors = Md5KeyTable,
    .itemType = MVT_UMV,
    .keyCount = 1,
    .rows = {{-1, K::ListView, "ListView1"},
             {F::kKeyId, K::Edits, "KeyIDEdit", "%i{n1x255}"},
             {F::kKey, K::Edits, "KeyEdit", "%s{l16}"},
             {F::kStatus, K::ComboBox, "ComboBox1"}},
    .statusOutput = "Memo1",
    .rowCount = "StaticText1",
};

}  // namespace

TMd5InformationForm::TMd5InformationForm(QWidget* owner, const VnDialogContext& context)
    : TListFormBase(owner, context, kWidth, kHeight)
{
    SetFormPointer(Md5InformationForm);
    setWindowTitle("MD5 Information Table");
    BuildLayout();
    FormCreate();
}

void TMd5InformationForm::BuildLayout()
{
    VnDialogFrame frame(*this);
    ListView1 = frame.ListView("ListView1");
    Memo1 = frame.Memo("Memo1");
    GetButton = frame.Button("GetButton", "Refresh");
    EditButton = frame.Button("EditButton", "Edit");
    StaticText1 = VnSunkenText(this, "StaticText1");
    StaticText1->hide();
    DeleteButton = frame.Button("DeleteButton", "Delete");
    AddButton = frame.Button("AddButton", "Add");
    SetErrorLanding(VnErrorLanding::MemoLine(Memo1));

    On(GetButton, &QPushButton::clicked, [this] { GetButtonClick(); });
    On(EditButton, &QPushButton::clicked, [this] { EditButtonClick(); });
    On(ListView1, &QTreeWidget::itemDoubleClicked, [this] { EditButtonClick(); });
    On(AddButton, &QPushButton::clicked, [this] { AddButtonClick(); });
    On(DeleteButton, &QPushButton::clicked, [this] { DeleteButtonClick(); });
    FollowSelection(ListView1, [this](bool selected) { EditButton->setEnabled(selected); });
}

void TMd5InformationForm::FormCreate()
{
    MakeEditForm(Md5EditForm)->SetErrorLanding(VnErrorLanding::MemoLine(Memo1));
    OpenListBinder(Request, kMd5Bindings, VnErrorLanding::MemoLine(Memo1));
    EditButton->setEnabled(false);
    // Few columns: each as wide as its texts.
    ListView1->header()->setSectionResizeMode(QHeaderView::ResizeToContents);
}

QString TMd5InformationForm::EditCaption(bool adding) const
{
    return QString(kTitle) + QString::fromStdString(Context().agentAddress) + (adding ? "(Add)" : "");
}

void TMd5InformationForm::GetButtonClick()
{
    if (!CommandAllowed())
        return;
    Request->Refresh();
    EditButton->setEnabled(false);
}

void TMd5InformationForm::EditButtonClick()
{
    if (!CommandAllowed())
        return;
    if (SelectedCell(kKeyId)) {
        Md5EditForm->setWindowTitle(EditCaption(false));
        OpenEditForm(VnEditMode::Edit);
    }
    EditButton->setEnabled(false);
}

void TMd5InformationForm::AddButtonClick()
{
    if (!CommandAllowed())
        return;
    Md5EditForm->setWindowTitle(EditCaption(true));
    OpenEditForm(VnEditMode::Add);
    EditButton->setEnabled(false);
}

void TMd5InformationForm::DeleteButtonClick()
{
    if (!CommandAllowed())
        return;
    // Exactly the selected row, with the key it was read with, whatever an
    // Add left in the fields.
    if (!Request->ShowSelectedRow()) {
        VnFieldMessage(this, kVnNoRowSelectedText, DeleteButton);
    } else {
        Md5EditForm->ComboBox1->setCurrentIndex(kDestroyEntry);
        ApplyScoped(true, true, {});
    }
    EditButton->setEnabled(false);
}

TMd5EditForm::TMd5EditForm(TDialogBase* listForm) : TEditFormBase(listForm, kWidth, kHeight)
{
    setWindowTitle("Md5 Edit");
    VnDialogFrame frame(*this);
    QWidget* panel2 = frame.EditArea("Panel2");
    SetButton = frame.Button("SetButton", "Set");
    CloseButton = frame.Button("CloseButton", "Close");
    VnFieldGrid fields(panel2);
    KeyIDEdit = fields.Add<QLineEdit>(0, 0, "Key ID [1..255]", "KeyIDEdit");
    KeyEdit = fields.Add<QLineEdit>(1, 0, "Key", "KeyEdit");
    ComboBox1 = fields.Add<QComboBox>(2, 0, "Status", "ComboBox1");
    fields.Layout()->setRowStretch(3, 1);
    KeyIDEdit->setEnabled(false);

    On(SetButton, &QPushButton::clicked, [this] { SetButtonClick(); });
    On(CloseButton, &QPushButton::clicked, [this] { reject(); });
}

void TMd5EditForm::FormActivate()
{
    const bool adding = EditMode == VnEditMode::Add;
    KeyIDEdit->setEnabled(adding);
    KeyEdit->setEnabled(true);
    if (adding) {
        KeyIDEdit->clear();
        KeyEdit->clear();
    }
    ComboBox1->setCurrentIndex(adding ? kCreateAndGoEntry : kActiveEntry);
    ComboBox1->setEnabled(false);
}

bool TMd5EditForm::FieldsAccepted()
{
    if (EditMode == VnEditMode::Add) {
        if (KeyIDEdit->text().isEmpty()) {
            VnFieldMessage(this, kKeyIdMissing, KeyIDEdit);
            return false;
        }
        if (Md5InformationForm && VnKeyListed(*Md5InformationForm->Request, F::kKeyId, KeyIDEdit->text())) {
            VnFieldMessage(this, kKeyIdTaken, KeyIDEdit);
            return false;
        }
    }
    if (KeyEdit->text().isEmpty()) {
        VnFieldMessage(this, kKeyMissing, KeyEdit);
        return false;
    }
    if (KeyEdit->text().contains(' ')) {
        VnFieldMessage(this, kKeyInvalid, KeyEdit);
        return false;
    }
    return true;
}

void TMd5EditForm::SetButtonClick()
{
    if (!Md5InformationForm || !Md5InformationForm->CommandAllowed() || !FieldsAccepted())
        return;
    bool sent = false;
    const bool finished = VnGuarded(VnErrorLanding::MemoLine(Md5InformationForm->Memo1), [&] {
        // Editing addresses the selected row, adding the typed ID.
        sent = Md5InformationForm->ApplyKey(EditMode == VnEditMode::Edit);
    });
    // A refused input and an exception leave the form open for correcting.
    if (finished && sent)
        accept();
}
