#include "Porttrunk.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScrollArea>
#include <QTreeWidget>
#include <QVBoxLayout>

#include "Stackingportuitformunit.h"
#include "SwitchMib.h"
#include "VnAccessScope.h"
#include "VnDialogFrame.h"
#include "VnDigitsEdit.h"
#include "VnListRows.h"
#include "VnMessages.h"
#include "VnPortIndex.h"
#include "VnSNMPRequest2Edits.h"
#include "VnStatusOutput.h"

TPortTrunkForm* PortTrunkForm = nullptr;

namespace {

using K = VnControlKind;
using F = TPortTrunkForm;

const VnBindingTable kTrunkBindings{
    .descriptors = PortTrunkTable,
    .itemType = MVT_UMV,
    .keyCount = 1,
    .rows = {{-1, K::ListView, "LV_PortTrunk"},
             {F::kIndex, K::Edits, "ED_Index", "%i{n1x32}"},
             {F::kName, K::Edits, "ED_Name", "%s{l12}"},
             // Written by the dialog only, from a checked unit and port.
             {F::kMasterPort, K::Edits, "ED_MasterPort", "%i{n1x768}"},
             {F::kMember, K::PortGrid, "MemberPorts"},
             {F::kFloodingPort, K::StaticText, "ST_FloodingPort"},
             {F::kTrunkType, K::ComboBox, "Combo_Type"},
             {F::kTrunkState, K::ComboBox, "Combo_State"}},
    .statusOutput = "StatusPanel",
    .mode = VnSNMPRequest2Controls::kModeSync,
};

int Number(const QLineEdit* edit)
{
    return VnFieldNumber(edit->text().trimmed().toStdString());
}

}  // namespace

TPortTrunkForm::TPortTrunkForm(QWidget* owner, const VnDialogContext& context)
    : TDialogBase(owner, context, kWidth, kHeight)
{
    SetFormPointer(PortTrunkForm);
    setWindowTitle("Port Trunk Table");
    BuildLayout();
    FormCreate();
}

void TPortTrunkForm::BuildLayout()
{
    VnDialogFrame frame(*this);
    LV_PortTrunk = frame.ListView("LV_PortTrunk");
    QWidget* panel = frame.EditArea("Panel3");
    StatusBar1 = frame.StatusBar("StatusBar1");
    StatusPanel = StatusBar1->AddPanel();
    StatusPanel->setObjectName("StatusPanel");
    BT_Get = frame.Button("BT_Get", "Refresh");
    SetBtn = frame.Button("SetBtn", "Set");
    BT_Set = frame.Button("BT_Set", "Add");
    BT_Delete = frame.Button("BT_Delete", "Delete");

    auto* layout = new QVBoxLayout(panel);
    layout->setContentsMargins(0, 0, 0, 0);
    auto* fieldsArea = new QWidget(panel);
    VnFieldGrid fields(fieldsArea);
    ED_Index = fields.Add<QLineEdit>(0, 0, "Index(1-32)", "ED_Index");
    ED_Name = fields.Add<QLineEdit>(0, 1, "Name", "ED_Name");
    Combo_Type = fields.Add<QComboBox>(1, 0, "Trunk Type", "Combo_Type");
    ComboBox1 = fields.Add<QComboBox>(1, 1, "Status", "ComboBox1");
    ComboBox1->addItems({"enable", "disable"});
    ST_FloodingPort = VnSunkenText(fieldsArea, "ST_FloodingPort");
    fields.Place(2, 0, "Flooding Port", ST_FloodingPort);

    auto* master = new QGroupBox("Master Port", fieldsArea);
    master->setObjectName("GroupBox1");
    auto* masterLayout = new QHBoxLayout(master);
    UnitEdit = new QLineEdit(master);
    UnitEdit->setObjectName("UnitEdit");
    PortEdit = new QLineEdit(master);
    PortEdit->setObjectName("PortEdit");
    masterLayout->addWidget(new QLabel("Unit : ", master));
    masterLayout->addWidget(UnitEdit);
    masterLayout->addWidget(new QLabel("Port : ", master));
    masterLayout->addWidget(PortEdit);
    fields.Layout()->addWidget(master, 2, 2, 1, 2);
    VnDigitsOnly(UnitEdit);
    VnDigitsOnly(PortEdit);

    ED_MasterPort = new QLineEdit(fieldsArea);
    ED_MasterPort->setObjectName("ED_MasterPort");
    ED_MasterPort->hide();
    Combo_State = new QComboBox(fieldsArea);
    Combo_State->setObjectName("Combo_State");
    Combo_State->hide();
    layout->addWidget(fieldsArea);

    StackingPortPanel = new QScrollArea(panel);
    StackingPortPanel->setObjectName("StackingPortPanel");
    StackingPortPanel->setWidgetResizable(true);
    layout->addWidget(StackingPortPanel, 1);

    On(BT_Get, &QPushButton::clicked, [this] { BT_GetClick(); });
    On(SetBtn, &QPushButton::clicked, [this] { SetBtnClick(); });
    On(BT_Set, &QPushButton::clicked, [this] { BT_AddClick(); });
    On(BT_Delete, &QPushButton::clicked, [this] { BT_DeleteClick(); });
    On(Combo_State, &QComboBox::currentIndexChanged, [this] { Combo_StateChange(); });
}

void TPortTrunkForm::FormCreate()
{
    VnGuarded(VnErrorLanding::FirstPanel(StatusBar1), [this] { CreatePortGrid(); });
    SetTitle(kTitle);
    SetErrorLanding(VnErrorLanding::FirstPanel(StatusBar1));
    OpenBinder(Binder, kTrunkBindings, VnErrorLanding::FirstPanel(StatusBar1), [this](VnSNMPRequest2Edits& binder) {
        // A row's member bitmap lands on an empty grid, so a short one
        // leaves no earlier row's ports behind.
        binder.OnRowSelecting = [this](QTreeWidgetItem* row) {
            rowShownWhole_ = false;
            if (row)
                MemberPorts->UncheckAll();
        };
        // Not reached when filling the controls raised.
        binder.OnRowSelected = [this](QTreeWidgetItem* row) {
            rowShownWhole_ = row != nullptr;
            LV_PortTrunkClick();
        };
        binder.OnSelectionCleared = [this] { LV_PortTrunkClick(); };
    });
    EnterAddMode();
}

void TPortTrunkForm::CreatePortGrid()
{
    MemberPorts = VnEmbedPortGrid(StackingPortPanel, "MemberPorts");
    UnitInformationTrunkList = VnShowUnitsListed(Context(), {MemberPorts});
}

void TPortTrunkForm::EnterAddMode()
{
    ED_Index->setEnabled(true);
    ED_Index->clear();
    ED_Name->clear();
}

void TPortTrunkForm::BT_GetClick()
{
    if (!CommandAllowed())
        return;
    VnGuarded(VnErrorLanding::FirstPanel(StatusBar1), [this] { Binder->Refresh(); });
    EnterAddMode();
}

void TPortTrunkForm::LV_PortTrunkClick()
{
    if (!Binder->SelectedRowIndex()) {
        // Back to a new group; the list is not read again for a deselection.
        EnterAddMode();
        return;
    }
    ED_Index->setEnabled(false);
    const VnUnitPort master = VnUnitPortOfIndex(Number(ED_MasterPort));
    UnitEdit->setText(QString::number(master.unit));
    PortEdit->setText(QString::number(master.port));
    Combo_StateChange();
}

void TPortTrunkForm::Combo_StateChange()
{
    // A state that is neither (missing, createAndWait) shows no choice, so
    // Set sends no state unless the user picks one; never the state of the
    // group shown before.
    const QString state = Combo_State->currentText();
    ComboBox1->setCurrentIndex(state == "enable" || state == "disable" ? ComboBox1->findText(state) : -1);
}

bool TPortTrunkForm::CheckUnitPort(int unit, int port)
{
    if (port < 1 || port > 50) {
        VnFieldMessage(this, kInvalidMaster, PortEdit);
        return false;
    }
    const VnShownUnit* shown = VnFindShownUnit(UnitInformationTrunkList, unit);
    if (!shown) {
        VnFieldMessage(this, kInvalidMaster, UnitEdit);
        return false;
    }
    if (shown->portCount < port) {
        VnFieldMessage(this, kInvalidMaster, PortEdit);
        return false;
    }
    return true;
}

bool TPortTrunkForm::CheckMembers(int unit)
{
    int members = 0;
    const int first = TStackingPortUitForm::BoxIndex(unit, 1);
    for (int k = first; k < first + TStackingPortUitForm::kPortsPerUnit; ++k) {
        QCheckBox* box = MemberPorts->CheckBoxList().at(static_cast<std::size_t>(k));
        if (!box->isChecked())
            continue;
        if (++members > kMaxMembers) {
            box->setChecked(false);
            VnFieldMessage(this, kTooManyMembers);
            return false;
        }
    }
    if (members < 2) {
        VnFieldMessage(this, kTooFewMembers);
        return false;
    }
    return true;
}

bool TPortTrunkForm::MasterBoxChecked(int index)
{
    const auto& boxes = MemberPorts->CheckBoxList();
    if (index < 1 || index > static_cast<int>(boxes.size()) || !boxes[static_cast<std::size_t>(index - 1)]->isChecked()) {
        VnFieldMessage(this, kMasterUnchecked, PortEdit);
        return false;
    }
    return true;
}

int TPortTrunkForm::CheckedMasterIndex()
{
    if (UnitEdit->text().isEmpty()) {
        VnFieldMessage(this, kUnitMissing, UnitEdit);
        return 0;
    }
    if (PortEdit->text().isEmpty()) {
        VnFieldMessage(this, kPortMissing, PortEdit);
        return 0;
    }
    const int unit = Number(UnitEdit);
    const int port = Number(PortEdit);
    return CheckUnitPort(unit, port) ? VnPortIndex(unit, port) : 0;
}

void TPortTrunkForm::BT_AddClick()
{
    if (!CommandAllowed())
        return;
    const QString index = ED_Index->text().trimmed();
    if (index.isEmpty()) {
        VnFieldMessage(this, kIndexMissing, ED_Index);
        return;
    }
    if (VnKeyListed(*Binder, kIndex, index.trimmed())) {
        VnFieldMessage(this, kIndexTaken, ED_Index);
        return;
    }
    const int master = CheckedMasterIndex();
    if (master == 0)
        return;
    if (Combo_Type->currentIndex() < 0) {
        VnFieldMessage(this, kTypeMissing, Combo_Type);
        return;
    }
    if (VnKeyListed(*Binder, kMasterPort, QString::number(master))) {
        VnFieldMessage(this, kMasterTaken, UnitEdit);
        return;
    }
    if (!MasterBoxChecked(master))
        return;
    ED_MasterPort->setText(QString::number(master));
    Combo_State->setCurrentIndex(kCreateAndGoEntry);
    if (!CheckMembers(Number(UnitEdit)))
        return;
    VnGuarded(VnErrorLanding::FirstPanel(StatusBar1), [this] { Binder->Apply(true, true, {}, nullptr); });
}

void TPortTrunkForm::SetBtnClick()
{
    if (!CommandAllowed())
        return;
    // Only a selected group: an index typed for a new one addresses a
    // group the user never chose.
    if (!Binder->SelectedRowIndex()) {
        VnFieldMessage(this, kNoGroupSelected);
        return;
    }
    // A member list that did not fit the grid is not what the grid shows:
    // sent, the grid would replace the group's members.
    if (!rowShownWhole_) {
        VnFieldMessage(this, QString::fromStdString(VnErrorText(kVnErrIndexOutOfRange)), LV_PortTrunk);
        return;
    }
    const int master = CheckedMasterIndex();
    if (master == 0)
        return;
    Combo_State->setCurrentIndex(ComboBox1->currentIndex());
    if (!MasterBoxChecked(master))
        return;
    ED_MasterPort->setText(QString::number(master));
    if (!CheckMembers(Number(UnitEdit)))
        return;
    bool sent = false;
    VnGuarded(VnErrorLanding::FirstPanel(StatusBar1), [&] {
        // No state chosen: the group's state is not the dialog's to send.
        VnAccessScope scope(Binder->request.varList);
        if (ComboBox1->currentIndex() < 0)
            scope.LeaveOut(kTrunkState);
        sent = Binder->ApplyToSelectedRow(true);
    });
    if (!sent)
        return;
    ComboBox1->setCurrentIndex(Combo_State->currentIndex());
    EnterAddMode();
}

void TPortTrunkForm::BT_DeleteClick()
{
    if (!CommandAllowed())
        return;
    if (!Binder->SelectedRowIndex()) {
        VnFieldMessage(this, kNoGroupSelected, ED_Index);
        return;
    }
    const bool finished = VnGuarded(VnErrorLanding::FirstPanel(StatusBar1), [this] {
        // Type and state of the selected group only; the other words come
        // back as the fixed values of the table, however the set ends.
        VnAccessScope scope(Binder->request.varList, {kIndex, kName, kMasterPort, kMember, kFloodingPort});
        scope.RestoreAs(kIndex, VnAccess::ReadOnly);
        scope.RestoreAs(kName, VnAccess::ReadWrite);
        scope.RestoreAs(kMasterPort, VnAccess::ReadWrite);
        scope.RestoreAs(kMember, VnAccess::ReadWrite);
        scope.RestoreAs(kFloodingPort, VnAccess::ReadOnly);
        Combo_State->setCurrentIndex(kDestroyEntry);
        Binder->ApplyToSelectedRow(false);
    });
    // A set the agent refused keeps its message: no read after it.
    if (finished)
        VnGuarded(VnErrorLanding::FirstPanel(StatusBar1), [this] { Binder->Refresh(); });
    EnterAddMode();
}
