#include "Systemloghostunit.h"

#include <QCheckBox>
#include <QComboBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTreeWidget>
#include <QVBoxLayout>

#include <array>

#include "SyslogFileSystemMib.h"
#include "VnAccessScope.h"
#include "VnDialogFrame.h"
#include "VnListRows.h"
#include "VnSNMPRequest2Edits.h"
#include "VnSendBoxes.h"

TSystemLogHostForm* SystemLogHostForm = nullptr;
TLogHostEditForm* LogHostEditForm = nullptr;

namespace {

using K = VnControlKind;
using F = TSystemLogHostForm;

// The edit form's controls are bound to the list's binder.
const VnBindingTable kHostBindings{
    .descriptors = SyslogHostTable,
    .itemType = MVT_UMV,
    .keyCount = 1,
    .rows = {{-1, K::ListView, "ListView1"},
             {F::kIndex, K::Edits, "IndexEdit", "%i{n1x4l1}"},
             {F::kAddress, K::Edits, "IPAddrEdit", "%s{l16}"},
             {F::kSeverity, K::ComboBox, "SevComboBox"},
             {F::kUdpPort, K::Edits, "PortEdit", "%i{l5}"},
             {F::kFacility, K::ComboBox, "FacComboBox"},
             {F::kState, K::ComboBox, "StateComboBox"},
             {F::kRowStatus, K::ComboBox, "RowComboBox"}},
    .statusOutput = "Memo1",
    .rowCount = "StaticText1",
};

QPushButton* NewButton(QWidget* form, QVBoxLayout* column, const char* name, const char* caption)
{
    auto* button = new QPushButton(caption, form);
    button->setObjectName(name);
    button->setAutoDefault(false);
    column->addWidget(button);
    return button;
}

}  // namespace

TSystemLogHostForm::TSystemLogHostForm(QWidget* owner, const VnDialogContext& context)
    : TListFormBase(owner, context, kWidth, kHeight)
{
    SetFormPointer(SystemLogHostForm);
    setWindowTitle("System Log Host");
    BuildLayout();
    FormCreate();
}

void TSystemLogHostForm::BuildLayout()
{
    VnDialogFrame frame(*this);
    ListView1 = frame.ListView("ListView1");
    Memo1 = frame.Memo("Memo1");
    GetButton = frame.Button("GetButton", "Refresh");
    EditButton = frame.Button("EditButton", "Edit");
    AddButton = frame.Button("AddButton", "Add");
    DeleteButton = frame.Button("DeleteButton", "Delete");
    StaticText1 = frame.Count("StaticText1", "Entries");
    SetErrorLanding(VnErrorLanding::MemoLine(Memo1));

    On(GetButton, &QPushButton::clicked, [this] { GetButtonClick(); });
    On(EditButton, &QPushButton::clicked, [this] { EditButtonClick(); });
    On(ListView1, &QTreeWidget::itemDoubleClicked, [this] { EditButtonClick(); });
    On(AddButton, &QPushButton::clicked, [this] { AddButtonClick(); });
    On(DeleteButton, &QPushButton::clicked, [this] { DeleteButtonClick(); });
    FollowSelection(ListView1, [this](bool selected) { ListView1SelectItem(selected); });
    ChangeRowsWith(EditButton);
}

void TSystemLogHostForm::FormCreate()
{
    MakeEditForm(LogHostEditForm)->SetErrorLanding(VnErrorLanding::MemoLine(Memo1));
    OpenListBinder(Request, kHostBindings, VnErrorLanding::MemoLine(Memo1));
    ListView1SelectItem(false);
}

void TSystemLogHostForm::GetButtonClick()
{
    if (!CommandAllowed())
        return;
    Request->Refresh();
}

void TSystemLogHostForm::ListView1SelectItem(bool selected)
{
    // Both act on the selected row only.
    EditButton->setEnabled(selected);
    DeleteButton->setEnabled(selected);
}

void TSystemLogHostForm::EditButtonClick()
{
    if (!CommandAllowed() || !SelectedCell(kIndex))
        return;
    LogHostEditForm->setWindowTitle(windowTitle());
    OpenEditForm(VnEditMode::Edit);
}

void TSystemLogHostForm::AddButtonClick()
{
    if (!CommandAllowed())
        return;
    LogHostEditForm->setWindowTitle(windowTitle() + " (Add)");
    OpenEditForm(VnEditMode::Add);
}

void TSystemLogHostForm::DeleteButtonClick()
{
    if (!CommandAllowed())
        return;
    // The selected row's index and "destroy" only; the refresh after the
    // set shows the row gone.
    LogHostEditForm->RowComboBox->setCurrentIndex(kDestroyEntry);
    ApplyScoped(true, true, [](VnAccessScope& scope) { scope.LeaveOutAllBut({kIndex, kRowStatus}); });
}

TLogHostEditForm::TLogHostEditForm(TDialogBase* listForm) : TEditFormBase(listForm, kWidth, kHeight)
{
    setWindowTitle("Log Host Edit");
    auto* layout = new QHBoxLayout(this);
    auto* fieldsArea = new QWidget(this);
    fieldsArea->setObjectName("Panel2");
    VnFieldGrid fields(fieldsArea);
    // Pair 1: the send boxes take the column at the left edge.
    IndexEdit = fields.Add<QLineEdit>(0, 1, "Server Index [1..4]", "IndexEdit");
    IPAddrEdit = fields.Add<QLineEdit>(1, 1, "Server IP Address", "IPAddrEdit");
    FacComboBox = fields.Add<QComboBox>(2, 1, "Server Facility", "FacComboBox");
    SevComboBox = fields.Add<QComboBox>(3, 1, "Server Severity", "SevComboBox");
    PortEdit = fields.Add<QLineEdit>(4, 1, "Server UDP Port [514 or 6000-65535]", "PortEdit");
    StateComboBox = fields.Add<QComboBox>(5, 1, "Server State", "StateComboBox");
    RowComboBox = fields.Add<QComboBox>(6, 1, "Server Row Status", "RowComboBox");
    fields.Layout()->setRowStretch(7, 1);
    // Each box on the row of the field it sends; a change the user makes
    // to the field ticks it.
    std::array<QCheckBox**, kBoxCount> boxes{&CheckBox1, &CheckBox2, &CheckBox3, &CheckBox4, &CheckBox5};
    const std::array<QWidget*, kBoxCount> sent{IPAddrEdit, FacComboBox, SevComboBox, PortEdit, StateComboBox};
    for (int n = 1; n <= kBoxCount; ++n) {
        auto* box = new QCheckBox(fieldsArea);
        box->setObjectName(QString("CheckBox%1").arg(n));
        fields.Layout()->addWidget(box, n, 0);
        *boxes[static_cast<std::size_t>(n - 1)] = box;
        VnTickOnUserEdit(sent[static_cast<std::size_t>(n - 1)], box);
    }
    layout->addWidget(fieldsArea, 1);

    auto* column = new QVBoxLayout;
    SetButton = NewButton(this, column, "SetButton", "Set");
    AllButton = NewButton(this, column, "AllButton", "Check All");
    ClearButton = NewButton(this, column, "ClearButton", "Clear Check");
    CloseButton = NewButton(this, column, "CloseButton", "Close");
    column->addStretch(1);
    layout->addLayout(column);

    On(SetButton, &QPushButton::clicked, [this] { SetButtonClick(); });
    On(AllButton, &QPushButton::clicked, [this] { AllButtonClick(); });
    On(ClearButton, &QPushButton::clicked, [this] { ClearButtonClick(); });
    On(CloseButton, &QPushButton::clicked, [this] { CloseButtonClick(); });
}

QCheckBox* TLogHostEditForm::Box(int n) const
{
    return findChild<QCheckBox*>(QString("CheckBox%1").arg(n));
}

void TLogHostEditForm::CheckAll(bool checked)
{
    for (int n = 1; n <= kBoxCount; ++n)
        Box(n)->setChecked(checked);
}

void TLogHostEditForm::FormActivate()
{
    // A refresh left the bound controls disabled until a row is chosen.
    SystemLogHostForm->ListBinder()->SetControlsEnabled(true);
    CheckAll(false);
    if (EditMode == VnEditMode::Edit) {
        IndexEdit->setEnabled(false);
        RowComboBox->setCurrentIndex(F::kActiveEntry);
        RowComboBox->setEnabled(false);
        return;
    }
    IndexEdit->setEnabled(true);
    IndexEdit->clear();
    FacComboBox->setCurrentIndex(0);
    SevComboBox->setCurrentIndex(0);
    PortEdit->clear();
    IPAddrEdit->clear();
    StateComboBox->setCurrentIndex(0);
    RowComboBox->setCurrentIndex(F::kCreateAndGoEntry);
    RowComboBox->setEnabled(false);
}

void TLogHostEditForm::AllButtonClick()
{
    CheckAll(true);
}

void TLogHostEditForm::ClearButtonClick()
{
    CheckAll(false);
}

void TLogHostEditForm::CloseButtonClick()
{
    reject();
}

void TLogHostEditForm::SetButtonClick()
{
    const bool adding = EditMode == VnEditMode::Add;
    if (adding) {
        const QString index = IndexEdit->text();
        if (index.isEmpty()) {
            VnFieldMessage(this, kIndexMissing, IndexEdit);
            return;
        }
        if (VnKeyListed(*SystemLogHostForm->ListBinder(), F::kIndex, index)) {
            VnFieldMessage(this, kIndexTaken, IndexEdit);
            return;
        }
        if (RowComboBox->currentIndex() != F::kCreateAndGoEntry) {
            VnFieldMessage(this, kNotCreateAndGo, StateComboBox);
            return;
        }
    }
    // The state always travels with a new row.
    const int boxes = adding ? kBoxCount - 1 : kBoxCount;
    bool sent = false;
    const bool finished = VnGuarded(VnErrorLanding::MemoLine(SystemLogHostForm->Memo1), [&] {
        sent = SystemLogHostForm->ApplyScoped(!adding, true, [&](VnAccessScope& scope) {
            for (int n = 1; n <= boxes; ++n) {
                if (!Box(n)->isChecked())
                    scope.LeaveOut(n);
            }
        });
    });
    // A refused input stays for correcting.
    if (!finished || sent)
        accept();
}
