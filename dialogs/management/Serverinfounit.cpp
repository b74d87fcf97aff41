#include "Serverinfounit.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTreeWidget>

#include "AuthMib.h"
#include "VnAccessScope.h"
#include "VnAddressCheck.h"
#include "VnDialogFrame.h"
#include "VnListRows.h"
#include "VnSNMPRequest2Edits.h"
#include "VnStatusOutput.h"

TServerInformationForm* ServerInformationForm = nullptr;

namespace {

using K = VnControlKind;
using F = TServerInformationForm;

constexpr int kFirstPanelWidth = 50;

const VnBindingTable kServerBindings{
    .descriptors = AacServerTable,
    .itemType = MVT_UMV,
    .keyCount = 2,
    .rows = {{-1, K::ListView, "ListView1"},
             {F::kAddress, K::Edits, "IPEdit", "%s{l16}"},
             {F::kProtocol, K::ComboBox, "ProtocolComboBox"},
             {F::kPort, K::Edits, "PortEdit", "%i{n1x65535l5}"},
             {F::kKey, K::Edits, "KeyEdit", "%s{l254}"},
             {F::kTimeout, K::Edits, "TimeoutEdit", "%i{n1x255}"},
             {F::kRetry, K::Edits, "RetryCEdit", "%i{n1x255}"},
             {F::kRowStatus, K::ComboBox, "RowComboBox"}},
    .statusOutput = "StatusBar1",
    .rowCount = "Static",
    .mode = VnSNMPRequest2Controls::kModeSync,
};

}  // namespace

TServerInformationForm::TServerInformationForm(QWidget* owner, const VnDialogContext& context)
    : TFieldsListFormBase(owner, context, kWidth, kHeight)
{
    SetFormPointer(ServerInformationForm);
    setWindowTitle("AAC Server Information Table");
    BuildLayout();
    FormCreate();
}

void TServerInformationForm::BuildLayout()
{
    VnDialogFrame frame(*this);
    ListView1 = frame.ListView("ListView1");
    QWidget* editor = frame.EditArea("Panel3");
    StatusBar1 = frame.StatusBar("StatusBar1");
    StatusBar1->AddPanel(kFirstPanelWidth);
    Static = frame.Count("Static", "Entries");
    GetButton = frame.Button("GetButton", "Refresh");
    EditButton = frame.Button("EditButton", "Edit");
    AddButton = frame.Button("AddButton", "Add");
    DeleteButton = frame.Button("DeleteButton", "Delete");
    SetErrorLanding(VnErrorLanding::FirstPanel(StatusBar1));

    VnFieldGrid fields(editor);
    IPEdit = fields.Add<QLineEdit>(0, 0, "Server IP", "IPEdit");
    ProtocolComboBox = fields.Add<QComboBox>(0, 1, "Server Auth Protocol", "ProtocolComboBox");
    PortEdit = fields.Add<QLineEdit>(1, 0, "Server Auth Port", "PortEdit");
    RetryCEdit = fields.Add<QLineEdit>(1, 1, "Server Retry Count", "RetryCEdit");
    KeyEdit = fields.Add<QLineEdit>(2, 0, "Server Auth Key", "KeyEdit");
    RowComboBox = fields.Add<QComboBox>(2, 1, "Server Row Status", "RowComboBox");
    TimeoutEdit = fields.Add<QLineEdit>(3, 0, "Server Timeout", "TimeoutEdit");
    fields.Layout()->setRowStretch(4, 1);

    On(GetButton, &QPushButton::clicked, [this] { GetButtonClick(); });
    On(EditButton, &QPushButton::clicked, [this] { EditButtonClick(); });
    On(AddButton, &QPushButton::clicked, [this] { AddButtonClick(); });
    On(DeleteButton, &QPushButton::clicked, [this] { DeleteButtonClick(); });
}

void TServerInformationForm::FormCreate()
{
    SetTitle(kTitle);
    // The key of a listed server is not changed.
    OpenFieldsBinder(Request, kServerBindings,
                     {ListView1, StatusBar1, Static, EditButton, DeleteButton, AddButton, {IPEdit, ProtocolComboBox},
                      {IPEdit, PortEdit, KeyEdit, TimeoutEdit, RetryCEdit}, RowComboBox});
}
void TServerInformationForm::GetButtonClick()
{
    if (!CommandAllowed())
        return;
    RefreshAndClear();
}
void TServerInformationForm::AddButtonClick()
{
    if (!CommandAllowed())
        return;
    if (IPEdit->text().isEmpty()) {
        VnFieldMessage(this, kAddressMissing, IPEdit);
        return;
    }
    if (ProtocolComboBox->currentText().isEmpty()) {
        VnFieldMessage(this, kProtocolMissing, ProtocolComboBox);
        return;
    }
    if (!VnIsIpAddressText(IPEdit->text())) {
        VnFieldMessage(this, kVnNotAnAddressText, IPEdit);
        return;
    }
    if (VnKeyListed(*Request, {{kAddress, IPEdit->text()}, {kProtocol, ProtocolComboBox->currentText()}})) {
        VnFieldMessage(this, kServerTaken, IPEdit);
        return;
    }
    if (RowComboBox->currentIndex() != kCreateAndGoEntry) {
        VnFieldMessage(this, kNotCreateAndGo, RowComboBox);
        return;
    }
    ApplyThenRead(false, [this](VnAccessScope& scope) { LeaveOutEmptyFields(scope); });
}

void TServerInformationForm::EditButtonClick()
{
    if (!CommandAllowed())
        return;
    if (IPEdit->text().isEmpty()) {
        VnFieldMessage(this, kAddressMissing);
        return;
    }
    if (ProtocolComboBox->currentText().isEmpty()) {
        VnFieldMessage(this, kProtocolMissing);
        return;
    }
    if (RowComboBox->currentIndex() == kDestroyEntry) {
        DeleteSelectedRow();
        return;
    }
    ApplyThenRead(true, [this](VnAccessScope& scope) {
        LeaveOutEmptyFields(scope);
        scope.LeaveOut(kRowStatus);
    });
}

void TServerInformationForm::DeleteButtonClick()
{
    if (!CommandAllowed())
        return;
    DeleteSelectedRow();
}

void TServerInformationForm::LeaveOutEmptyFields(VnAccessScope& scope) const
{
    const std::pair<int, const QLineEdit*> fields[] = {
        {kPort, PortEdit}, {kKey, KeyEdit}, {kTimeout, TimeoutEdit}, {kRetry, RetryCEdit}};
    for (const auto& [item, edit] : fields) {
        if (edit->text().isEmpty())
            scope.LeaveOut(item);
    }
}

void TServerInformationForm::DeleteSelectedRow()
{
    RowComboBox->setCurrentIndex(kDestroyEntry);
    ApplyThenRead(true, [](VnAccessScope& scope) { scope.LeaveOutAllBut({kAddress, kProtocol, kRowStatus}); });
}

