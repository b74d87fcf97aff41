#include "Protcolvlanunit.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTreeWidget>
#include <QVBoxLayout>

#include "ProtocolVlanMib.h"
#include "VnAccessScope.h"
#include "VnDialogFrame.h"
#include "VnListRows.h"
#include "VnSNMPRequest2Edits.h"
#include "VnStatusOutput.h"

TProtocolVlanForm* ProtocolVlanForm = nullptr;

namespace {

using K = VnControlKind;
using F = TProtocolVlanForm;

constexpr const char* kUserDefined = "protocol-userDefined";

const VnBindingTable kProtocolVlanBindings{
    .descriptors = ProtocolVlanTable,
    .itemType = MVT_UMV,
    .keyCount = 1,
    .rows = {{-1, K::ListView, "ListView1"},
             {F::kIndex, K::Edits, "Index", "%i{n1x4094l4}"},
             {F::kName, K::Edits, "Name", "%s{l15}"},
             {F::kProtocolType, K::ComboBox, "ProtocolType"},
             {F::kAdvertisement, K::ComboBox, "Advertisement"},
             {F::kUserProtocol, K::Edits, "UserProtocol", "%u{n0x65535l5}"},
             {F::kEncap, K::ComboBox, "Encap"},
             {F::kRowStatus, K::ComboBox, "RowStatus"}},
    .statusOutput = "StatusPanel",
    .rowCount = "StaticText1",
    .mode = VnSNMPRequest2Controls::kModeSync,
};

}  // namespace

TProtocolVlanForm::TProtocolVlanForm(QWidget* owner, const VnDialogContext& context)
    : TDialogBase(owner, context, kWidth, kHeight)
{
    SetFormPointer(ProtocolVlanForm);
    setWindowTitle("Protocol VLAN");
    BuildLayout();
    FormCreate();
}

void TProtocolVlanForm::BuildLayout()
{
    VnDialogFrame frame(*this);
    ListView1 = frame.ListView("ListView1");
    QWidget* panel = frame.EditArea("Panel2");
    StatusBar1 = frame.StatusBar("StatusBar1");
    StatusPanel = StatusBar1->AddPanel();
    StatusPanel->setObjectName("StatusPanel");
    StaticText1 = frame.Count("StaticText1");
    Get = frame.Button("Get", "Refresh");
    Edit = frame.Button("Edit", "Edit");
    Add = frame.Button("Add", "Add");
    Delete = frame.Button("Delete", "Delete");

    VnFieldGrid fields(panel);
    Index = fields.Add<QLineEdit>(0, 0, "Index", "Index");
    Name = fields.Add<QLineEdit>(0, 1, "Name", "Name");
    ProtocolType = fields.Add<QComboBox>(1, 0, "Protocol Type", "ProtocolType");
    Advertisement = fields.Add<QComboBox>(1, 1, "Advertisement", "Advertisement");
    UserProtocol = fields.Add<QLineEdit>(2, 0, "User Defined Protocol", "UserProtocol");
    Encap = fields.Add<QComboBox>(2, 1, "Encap Type", "Encap");
    RowStatus = fields.Add<QComboBox>(3, 0, "Row Status", "RowStatus");

    On(Get, &QPushButton::clicked, [this] { GetClick(); });
    On(Edit, &QPushButton::clicked, [this] { EditClick(); });
    On(Add, &QPushButton::clicked, [this] { AddClick(); });
    On(Delete, &QPushButton::clicked, [this] { DeleteClick(); });
    On(ProtocolType, &QComboBox::currentIndexChanged, [this] { ProtocolTypeChange(); });
}

void TProtocolVlanForm::FormCreate()
{
    SetErrorLanding(VnErrorLanding::FirstPanel(StatusBar1));
    OpenBinder(Binder, kProtocolVlanBindings, VnErrorLanding::FirstPanel(StatusBar1),
               [this](VnSNMPRequest2Edits& binder) {
                   binder.OnRowSelected = [this](QTreeWidgetItem*) { ListView1Click(); };
                   binder.OnSelectionCleared = [this] { ListView1Click(); };
               });
    ShowMode(false);
    ClearEdits();
    ProtocolTypeChange();
}

void TProtocolVlanForm::ShowMode(bool rowSelected)
{
    Edit->setEnabled(rowSelected);
    Delete->setEnabled(rowSelected);
    Index->setEnabled(!rowSelected);
    Add->setEnabled(!rowSelected);
}

void TProtocolVlanForm::ClearEdits()
{
    Index->clear();
    Name->clear();
    UserProtocol->clear();
    if (ListView1->topLevelItemCount() == 0)
        StaticText1->setText("0");
}

void TProtocolVlanForm::ProtocolTypeChange()
{
    const bool userDefined = ProtocolType->currentText() == kUserDefined;
    UserProtocol->setEnabled(userDefined);
    Encap->setEnabled(userDefined);
}

void TProtocolVlanForm::ListView1Click()
{
    ShowMode(Binder->SelectedRowIndex().has_value());
    ProtocolTypeChange();
}

void TProtocolVlanForm::GetClick()
{
    if (!CommandAllowed())
        return;
    VnGuarded(VnErrorLanding::FirstPanel(StatusBar1), [this] { Binder->Refresh(); });
    ShowMode(false);
    ClearEdits();
    ProtocolTypeChange();
}

void TProtocolVlanForm::ApplyColumnRule(VnAccessScope& scope) const
{
    if (Name->text().isEmpty())
        scope.LeaveOut(kName);
    const QString type = ProtocolType->currentText();
    const bool userDefined = type == kUserDefined;
    if (type.isEmpty() || type == "0")
        scope.LeaveOut(kProtocolType);
    if (!userDefined || UserProtocol->text().isEmpty())
        scope.LeaveOut(kUserProtocol);
    if (!userDefined || Encap->currentText().isEmpty() || Encap->currentText() == "0")
        scope.LeaveOut(kEncap);
    if (Advertisement->currentText().isEmpty())
        scope.LeaveOut(kAdvertisement);
}

void TProtocolVlanForm::SendAndReturn(VnAccessScope& scope, bool atSelectedRow)
{
    bool sent = false;
    const bool finished = VnGuarded(VnErrorLanding::FirstPanel(StatusBar1), [&] {
        sent = atSelectedRow ? Binder->ApplyToSelectedRow(false) : Binder->Apply(false, true, {}, nullptr);
    });
    // The list is read with every column again.
    scope.Restore();
    // A refused input keeps the fields for correcting.
    if (finished && !sent)
        return;
    // A set the agent refused: its message stays in the first panel, with
    // no read after it.
    if (!finished) {
        ClearEdits();
        ProtocolTypeChange();
        return;
    }
    VnGuarded(VnErrorLanding::FirstPanel(StatusBar1), [this] { Binder->Refresh(); });
    ShowMode(false);
    ClearEdits();
    ProtocolTypeChange();
}

void TProtocolVlanForm::AddClick()
{
    if (!CommandAllowed())
        return;
    const QString index = Index->text().trimmed();
    if (index.isEmpty()) {
        VnFieldMessage(this, kIndexMissing, Index);
        return;
    }
    if (VnKeyListed(*Binder, kIndex, index.trimmed())) {
        VnFieldMessage(this, kIndexTaken, Index);
        return;
    }
    if (RowStatus->currentIndex() != kCreateAndGoEntry) {
        VnFieldMessage(this, kNotCreateAndGo, RowStatus);
        return;
    }
    VnAccessScope scope(Binder->request.varList);
    ApplyColumnRule(scope);
    SendAndReturn(scope, false);
}

void TProtocolVlanForm::EditClick()
{
    if (!CommandAllowed())
        return;
    if (Index->text().trimmed().isEmpty()) {
        VnFieldMessage(this, kIndexMissing);
        return;
    }
    VnAccessScope scope(Binder->request.varList);
    if (RowStatus->currentIndex() == kDestroyEntry) {
        for (int i : {kProtocolType, kAdvertisement, kUserProtocol, kEncap})
            scope.LeaveOut(i);
    } else {
        ApplyColumnRule(scope);
        if (RowStatus->currentText().isEmpty())
            scope.LeaveOut(kRowStatus);
    }
    SendAndReturn(scope, true);
}

void TProtocolVlanForm::DeleteClick()
{
    if (!CommandAllowed())
        return;
    VnAccessScope scope(Binder->request.varList, {kName, kProtocolType, kAdvertisement, kUserProtocol, kEncap});
    RowStatus->setCurrentIndex(kDestroyEntry);
    SendAndReturn(scope, true);
}
