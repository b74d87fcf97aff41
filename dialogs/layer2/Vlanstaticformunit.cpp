#include "Vlanstaticformunit.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScrollArea>
#include <QTabWidget>
#include <QTreeWidget>
#include <QVBoxLayout>

#include <optional>

#include "BridgeMib.h"
#include "Stackingportuitformunit.h"
#include "VnDialogFrame.h"
#include "VnListRows.h"
#include "VnSNMPRequest2Edits.h"

TVlanStaticForm* VlanStaticForm = nullptr;

namespace {

using K = VnControlKind;
using F = TVlanStaticForm;

// Entries of the status combo box.
constexpr int kCreateAndGoEntry = 1;
constexpr int kDestroyEntry = 2;

const VnBindingTable kStaticBindings{
    .descriptors = VlanStaticTable,
    .itemType = MVT_UMV,
    .keyCount = 1,
    .rows = {{-1, K::ListView, "LV_dot1qVlanStaticEntry"},
             {F::kVlanId, K::Edits, "ED_VLANID", "%s"},
             {F::kVlanName, K::Edits, "ED_VLANName", "%s{l32}"},
             {F::kEgressPorts, K::PortGrid, "EgressPorts"},
             {F::kForbiddenPorts, K::PortGrid, "ForbiddenPorts"},
             {F::kUntaggedPorts, K::PortGrid, "UntaggedPorts"},
             {F::kStatus, K::ComboBox, "Status"}},
    .statusOutput = "Memo1",
    .rowCount = "ST_Count2",
};

const VnBindingTable kNextFreeBindings{
    .descriptors = VlanNextFreeTable,
    .itemType = SVT_SV,
    .keyCount = 0,
    .rows = {{0, K::StaticText, "NextFreeLocalVlanIndex"}},
    .statusOutput = "Memo1",
};

}  // namespace

TVlanStaticForm::TVlanStaticForm(QWidget* owner, const VnDialogContext& context)
    : TDialogBase(owner, context, kWidth, kHeight)
{
    SetFormPointer(VlanStaticForm);
    setWindowTitle("VLAN Static Form");
    BuildLayout();
    FormCreate();
}

void TVlanStaticForm::BuildLayout()
{
    VnDialogFrame frame(*this);
    LV_dot1qVlanStaticEntry = frame.ListView("LV_dot1qVlanStaticEntry");
    QWidget* panel4 = frame.EditArea("Panel4");
    Memo1 = frame.Memo("Memo1");
    ST_Count2 = frame.Count("ST_Count2");
    RefreshBtn = frame.Button("RefreshBtn", "Refresh");
    SetBtn = frame.Button("SetBtn", "Set");
    AddBtn = frame.Button("AddBtn", "Add");
    DeleteBtn = frame.Button("DeleteBtn", "Delete");

    auto* panel4Layout = new QVBoxLayout(panel4);
    panel4Layout->setContentsMargins(0, 0, 0, 0);
    auto* panel6 = new QWidget(panel4);
    panel6->setObjectName("Panel6");
    VnFieldGrid fields(panel6);
    ED_VLANID = fields.Add<QLineEdit>(0, 0, "VLAN ID", "ED_VLANID");
    Status = fields.Add<QComboBox>(0, 1, "Status", "Status");
    ED_VLANName = fields.Add<QLineEdit>(1, 0, "VLAN Name", "ED_VLANName");
    NextFreeLocalVlanIndex = VnSunkenText(panel6, "NextFreeLocalVlanIndex");
    fields.Place(1, 1, "Next Free Local VLAN Index", NextFreeLocalVlanIndex);
    panel4Layout->addWidget(panel6);

    PageControl1 = new QTabWidget(panel4);
    PageControl1->setObjectName("PageControl1");
    ScrollBox1 = VnAddGridPage(PageControl1, "ScrollBox1", "Egress Ports");
    ScrollBox2 = VnAddGridPage(PageControl1, "ScrollBox2", "Forbidden Egress Ports");
    ScrollBox3 = VnAddGridPage(PageControl1, "ScrollBox3", "Untagged Ports");
    panel4Layout->addWidget(PageControl1, 1);

    On(RefreshBtn, &QPushButton::clicked, [this] { RefreshBtnClick(); });
    On(SetBtn, &QPushButton::clicked, [this] { SetBtnClick(); });
    On(AddBtn, &QPushButton::clicked, [this] { AddBtnClick(); });
    On(DeleteBtn, &QPushButton::clicked, [this] { DeleteBtnClick(); });
}

void TVlanStaticForm::FormCreate()
{
    SetTitle(kTitle);
    SetUpGrids();
    OpenBinder(StaticRequest, kStaticBindings, [this](VnSNMPRequest2Edits& binder) {
        // A row's bitmaps land on empty grids, so a short bitmap leaves no
        // earlier row's ports behind.
        binder.OnRowSelecting = [this](QTreeWidgetItem* row) {
            if (!row)
                return;
            for (TStackingPortUitForm* grid : {EgressPorts, ForbiddenPorts, UntaggedPorts})
                grid->UncheckAll();
        };
        binder.OnRowSelected = [this](QTreeWidgetItem*) { LV_dot1qVlanStaticEntryClick(); };
    });
    OpenBinder(NextFreeRequest, kNextFreeBindings);
    DeleteBtn->setEnabled(false);
}

void TVlanStaticForm::SetUpGrids()
{
    EgressPorts = VnEmbedPortGrid(ScrollBox1, "EgressPorts");
    ForbiddenPorts = VnEmbedPortGrid(ScrollBox2, "ForbiddenPorts");
    UntaggedPorts = VnEmbedPortGrid(ScrollBox3, "UntaggedPorts");
    VnShowPresentUnits(Context(), {EgressPorts, ForbiddenPorts, UntaggedPorts});

    // Clicks only: a row being shown is no user's choice, and the agent may
    // list untagged ports that are no egress ports.
    const std::vector<QCheckBox*>& untagged = UntaggedPorts->CheckBoxList();
    for (std::size_t k = 0; k < untagged.size(); ++k)
        On(untagged[k], &QCheckBox::clicked, [this, k] { UTagCheckBoxClick(static_cast<int>(k)); });
    const std::vector<QCheckBox*>& egress = EgressPorts->CheckBoxList();
    for (std::size_t k = 0; k < egress.size(); ++k)
        On(egress[k], &QCheckBox::clicked, [this, k] { EgressCheckBoxClick(static_cast<int>(k)); });
}

void TVlanStaticForm::RefreshBtnClick()
{
    if (!CommandAllowed())
        return;
    VnGuarded(VnErrorLanding::StatusLine(NextFreeRequest), [this] { NextFreeRequest->Refresh(); });
    VnGuarded(VnErrorLanding::StatusLine(StaticRequest), [this] {
        StaticRequest->Refresh();
        VnShowRowCount(ST_Count2, LV_dot1qVlanStaticEntry);
        ClearEditPanel();
    });
    VnShowRowCount(ST_Count2, LV_dot1qVlanStaticEntry);
    DeleteBtn->setEnabled(false);
}

void TVlanStaticForm::SetBtnClick()
{
    if (!CommandAllowed())
        return;
    ApplyWithStatus(-1, true);
}

void TVlanStaticForm::AddBtnClick()
{
    if (!CommandAllowed())
        return;
    const QString vlanId = ED_VLANID->text().trimmed();
    if (vlanId.isEmpty()) {
        VnFieldMessage(this, kVlanIdMissing, ED_VLANID);
        return;
    }
    if (VnKeyListed(*StaticRequest, kVlanId, vlanId)) {
        VnFieldMessage(this, kVlanIdTaken, ED_VLANID);
        return;
    }
    ApplyWithStatus(kCreateAndGoEntry, false);
}

void TVlanStaticForm::DeleteBtnClick()
{
    if (!CommandAllowed())
        return;
    ApplyWithStatus(kDestroyEntry, true);
}

void TVlanStaticForm::ApplyWithStatus(int statusEntry, bool atSelectedRow)
{
    // The selected row is the one written: a VLAN ID typed over it would
    // be dropped under "Ok".
    const QString typed = ED_VLANID->text();
    const std::optional<QString> selected = VnSelectedRowKey(*StaticRequest, kVlanId);
    if (atSelectedRow && selected && !VnIsSelectedRowKey(*StaticRequest, kVlanId, typed)) {
        VnFieldMessage(this, QString(kVlanIdNotSelected).arg(typed, *selected), ED_VLANID);
        return;
    }
    const int shownStatus = Status->currentIndex();
    bool sent = false;
    const bool finished = VnGuarded(VnErrorLanding::StatusLine(StaticRequest), [&] {
        if (statusEntry >= 0)
            Status->setCurrentIndex(statusEntry);
        sent = atSelectedRow ? StaticRequest->ApplyToSelectedRow(true) : StaticRequest->Apply(true, true, {}, nullptr);
    });
    if (finished && sent) {
        EndRowCommand();
        return;
    }
    // A refused input keeps the fields for correcting; an exception skips
    // the clearing as well.
    Status->setCurrentIndex(shownStatus);
}

void TVlanStaticForm::EndRowCommand()
{
    LV_dot1qVlanStaticEntry->clearSelection();
    ClearEditPanel();
    DeleteBtn->setEnabled(false);
}

void TVlanStaticForm::ClearEditPanel()
{
    for (TStackingPortUitForm* grid : {EgressPorts, ForbiddenPorts, UntaggedPorts})
        grid->UncheckAll();
    ED_VLANID->clear();
    Status->setCurrentIndex(-1);
    ED_VLANName->clear();
}

void TVlanStaticForm::LV_dot1qVlanStaticEntryClick()
{
    if (!LV_dot1qVlanStaticEntry->selectedItems().isEmpty()) {
        DeleteBtn->setEnabled(true);
        return;
    }
    ClearEditPanel();
    DeleteBtn->setEnabled(false);
}

void TVlanStaticForm::UTagCheckBoxClick(int index)
{
    const auto [untagged, egress] = PortBoxes(index);
    if (untagged && untagged->isChecked())
        egress->setChecked(true);
}

void TVlanStaticForm::EgressCheckBoxClick(int index)
{
    const auto [untagged, egress] = PortBoxes(index);
    if (egress && !egress->isChecked())
        untagged->setChecked(false);
}

std::pair<QCheckBox*, QCheckBox*> TVlanStaticForm::PortBoxes(int index) const
{
    if (index < 0)
        return {nullptr, nullptr};
    const auto k = static_cast<std::size_t>(index);
    if (k >= UntaggedPorts->CheckBoxList().size() || k >= EgressPorts->CheckBoxList().size())
        return {nullptr, nullptr};
    return {UntaggedPorts->CheckBoxList()[k], EgressPorts->CheckBoxList()[k]};
}
