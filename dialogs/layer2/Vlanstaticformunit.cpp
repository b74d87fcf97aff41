#include "Vlanstaticformunit.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScrollArea>
#include <QSplitter>
#include <QTabWidget>
#include <QTreeWidget>
#include <QVBoxLayout>

#include <string>
#include <utility>

#include "BridgeMib.h"
#include "Stackingportuitformunit.h"
#include "VnErrorLanding.h"
#include "VnSNMPRequest2Edits.h"

TVlanStaticForm* VlanStaticForm = nullptr;

namespace {

// Entries of the status combo box.
constexpr int kCreateAndGoEntry = 1;
constexpr int kDestroyEntry = 2;
// Narrow enough to leave the port grids their twelve columns.
constexpr int kButtonPanelWidth = 64;

QLabel* SunkenText(QWidget* parent, const char* name)
{
    auto* label = new QLabel(parent);
    label->setObjectName(name);
    label->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    label->setAlignment(Qt::AlignCenter);
    return label;
}

QPushButton* Button(QWidget* parent, const char* name, const char* caption)
{
    auto* button = new QPushButton(caption, parent);
    button->setObjectName(name);
    return button;
}

QScrollArea* GridPage(QTabWidget* pages, const char* name, const char* caption)
{
    auto* box = new QScrollArea(pages);
    box->setObjectName(name);
    box->setWidgetResizable(true);
    box->setFrameShape(QFrame::NoFrame);
    pages->addTab(box, caption);
    return box;
}

}  // namespace

TVlanStaticForm::TVlanStaticForm(QWidget* owner, const VnDialogContext& context)
    : TDialogBase(owner, context, kWidth, kHeight)
{
    setWindowTitle("VLAN Static Form");
    BuildLayout();
    FormCreate();
}

TVlanStaticForm::~TVlanStaticForm()
{
    BeforeDestroy();
    if (VlanStaticForm == this)
        VlanStaticForm = nullptr;
}

void TVlanStaticForm::BuildLayout()
{
    auto* outer = new QHBoxLayout(this);
    outer->setContentsMargins(2, 2, 2, 2);
    outer->setSpacing(4);

    // Client panel: the rows over the editing panel, the memo below.
    auto* panel2 = new QVBoxLayout;
    auto* splitter = new QSplitter(Qt::Vertical, this);
    LV_dot1qVlanStaticEntry = new QTreeWidget(splitter);
    LV_dot1qVlanStaticEntry->setObjectName("LV_dot1qVlanStaticEntry");
    auto* panel4 = new QWidget(splitter);
    auto* panel4Layout = new QVBoxLayout(panel4);
    panel4Layout->setContentsMargins(0, 0, 0, 0);

    auto* panel6 = new QWidget(panel4);
    auto* fields = new QGridLayout(panel6);
    fields->setContentsMargins(2, 4, 2, 2);
    ED_VLANID = new QLineEdit(panel6);
    ED_VLANID->setObjectName("ED_VLANID");
    Status = new QComboBox(panel6);
    Status->setObjectName("Status");
    ED_VLANName = new QLineEdit(panel6);
    ED_VLANName->setObjectName("ED_VLANName");
    NextFreeLocalVlanIndex = SunkenText(panel6, "NextFreeLocalVlanIndex");
    fields->addWidget(new QLabel("VLAN ID", panel6), 0, 0);
    fields->addWidget(ED_VLANID, 0, 1);
    fields->addWidget(new QLabel("Status", panel6), 0, 2);
    fields->addWidget(Status, 0, 3);
    fields->addWidget(new QLabel("VLAN Name", panel6), 1, 0);
    fields->addWidget(ED_VLANName, 1, 1);
    fields->addWidget(new QLabel("Next Free Local VLAN Index", panel6), 1, 2);
    fields->addWidget(NextFreeLocalVlanIndex, 1, 3);
    fields->setColumnStretch(1, 1);
    fields->setColumnStretch(3, 1);
    panel4Layout->addWidget(panel6);

    PageControl1 = new QTabWidget(panel4);
    PageControl1->setObjectName("PageControl1");
    ScrollBox1 = GridPage(PageControl1, "ScrollBox1", "Egress Ports");
    ScrollBox2 = GridPage(PageControl1, "ScrollBox2", "Forbidden Egress Ports");
    ScrollBox3 = GridPage(PageControl1, "ScrollBox3", "Untagged Ports");
    panel4Layout->addWidget(PageControl1, 1);

    splitter->addWidget(LV_dot1qVlanStaticEntry);
    splitter->addWidget(panel4);
    splitter->setStretchFactor(0, 2);
    splitter->setStretchFactor(1, 3);
    panel2->addWidget(splitter, 1);
    Memo1 = new QPlainTextEdit(this);
    Memo1->setObjectName("Memo1");
    Memo1->setReadOnly(true);
    Memo1->setFixedHeight(64);
    panel2->addWidget(Memo1);
    outer->addLayout(panel2, 1);

    // Right panel: the row count and the commands.
    auto* panel1 = new QVBoxLayout;
    auto* samples = new QLabel("Samples", this);
    samples->setAlignment(Qt::AlignCenter);
    panel1->addWidget(samples);
    ST_Count2 = SunkenText(this, "ST_Count2");
    panel1->addWidget(ST_Count2);
    RefreshBtn = Button(this, "RefreshBtn", "Refresh");
    SetBtn = Button(this, "SetBtn", "Set");
    AddBtn = Button(this, "AddBtn", "Add");
    DeleteBtn = Button(this, "DeleteBtn", "Delete");
    for (QPushButton* button : {RefreshBtn, SetBtn, AddBtn, DeleteBtn})
        panel1->addWidget(button);
    panel1->addStretch(1);
    auto* buttons = new QWidget(this);
    buttons->setLayout(panel1);
    panel1->setContentsMargins(0, 0, 0, 0);
    buttons->setFixedWidth(kButtonPanelWidth);
    outer->addWidget(buttons);

    connect(RefreshBtn, &QPushButton::clicked, this, [this] { RefreshBtnClick(); });
    connect(SetBtn, &QPushButton::clicked, this, [this] { SetBtnClick(); });
    connect(AddBtn, &QPushButton::clicked, this, [this] { AddBtnClick(); });
    connect(DeleteBtn, &QPushButton::clicked, this, [this] { DeleteBtnClick(); });
}

void TVlanStaticForm::FormCreate()
{
    SetTitle(kTitle);
    SetUpGrids();
    BindTable();
    BindNextFree();
    DeleteBtn->setEnabled(false);
}

void TVlanStaticForm::SetUpGrids()
{
    struct GridSlot {
        TStackingPortUitForm*& grid;
        QScrollArea* parent;
    };
    for (GridSlot slot : {GridSlot{EgressPorts, ScrollBox1}, GridSlot{ForbiddenPorts, ScrollBox2},
                          GridSlot{UntaggedPorts, ScrollBox3}}) {
        slot.grid = new TStackingPortUitForm(this);
        OwnGrid(slot.grid);
        slot.parent->setWidget(slot.grid);
        slot.grid->show();
        VnAddStackUnits(*slot.grid);
    }
    VnShowPresentUnits(Context(), {EgressPorts, ForbiddenPorts, UntaggedPorts});

    // The boxes' toggles fire for the program's changes too, as the
    // original's click handlers did.
    const std::vector<QCheckBox*>& untagged = UntaggedPorts->CheckBoxList();
    for (std::size_t k = 0; k < untagged.size(); ++k)
        connect(untagged[k], &QCheckBox::toggled, this, [this, k] { UTagCheckBoxClick(static_cast<int>(k)); });
    const std::vector<QCheckBox*>& egress = EgressPorts->CheckBoxList();
    for (std::size_t k = 0; k < egress.size(); ++k)
        connect(egress[k], &QCheckBox::toggled, this, [this, k] { EgressCheckBoxClick(static_cast<int>(k)); });
}

void TVlanStaticForm::BindTable()
{
    NewBinder(StaticRequest);
    VnGuarded(VnErrorLanding::StatusLine(StaticRequest), [this] {
        StaticRequest->request.varList = VnSNMPVarList(VlanStaticTable, MVT_UMV, 1);
        // Before the binder's own handler: a row's bitmaps land on empty
        // grids, so a short bitmap leaves no earlier row's ports behind.
        connect(LV_dot1qVlanStaticEntry, &QTreeWidget::itemSelectionChanged, this, [this] {
            if (!LV_dot1qVlanStaticEntry->selectedItems().isEmpty()) {
                for (TStackingPortUitForm* grid : {EgressPorts, ForbiddenPorts, UntaggedPorts}) {
                    if (grid)
                        grid->UncheckAll();
                }
            }
        });
        StaticRequest->BindListView(LV_dot1qVlanStaticEntry, true);
        // After the binder's handler, which has filled the controls.
        connect(LV_dot1qVlanStaticEntry, &QTreeWidget::itemSelectionChanged, this,
                [this] { LV_dot1qVlanStaticEntryClick(); });
        QAbstractItemModel* rows = LV_dot1qVlanStaticEntry->model();
        connect(rows, &QAbstractItemModel::rowsInserted, this, [this] { LV_dot1qVlanStaticEntryChange(); });
        connect(rows, &QAbstractItemModel::rowsRemoved, this, [this] { LV_dot1qVlanStaticEntryChange(); });
        connect(rows, &QAbstractItemModel::modelReset, this, [this] { LV_dot1qVlanStaticEntryChange(); });

        const std::string positions = VnPortPositionsText();
        StaticRequest->BindEdits(kVlanId, "%s", {ED_VLANID});
        StaticRequest->BindEdits(kVlanName, "%s{l32}", {ED_VLANName});
        StaticRequest->BindCheckBoxList(kEgressPorts, positions, EgressPorts->CheckBoxList());
        StaticRequest->BindCheckBoxList(kForbiddenPorts, positions, ForbiddenPorts->CheckBoxList());
        StaticRequest->BindCheckBoxList(kUntaggedPorts, positions, UntaggedPorts->CheckBoxList());
        StaticRequest->BindComboBox(kStatus, Status);
        StaticRequest->SetStatusOutput(Memo1);
        StaticRequest->Refresh();
        VnShowRowCount(ST_Count2, LV_dot1qVlanStaticEntry);
    });
}

void TVlanStaticForm::BindNextFree()
{
    NewBinder(NextFreeRequest);
    VnGuarded(VnErrorLanding::StatusLine(NextFreeRequest), [this] {
        NextFreeRequest->request.varList = VnSNMPVarList(VlanNextFreeTable, SVT_SV, 0);
        NextFreeRequest->BindStaticText(0, NextFreeLocalVlanIndex);
        NextFreeRequest->SetStatusOutput(Memo1);
        NextFreeRequest->Refresh();
    });
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
    ApplyWithStatus(-1);
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
    if (VlanIdListed(vlanId)) {
        VnFieldMessage(this, kVlanIdTaken, ED_VLANID);
        return;
    }
    ApplyWithStatus(kCreateAndGoEntry);
}

void TVlanStaticForm::DeleteBtnClick()
{
    if (!CommandAllowed())
        return;
    // Only the selected row can be destroyed; without one the instance
    // would come from an empty field.
    if (LV_dot1qVlanStaticEntry->selectedItems().isEmpty()) {
        DeleteBtn->setEnabled(false);
        return;
    }
    ApplyWithStatus(kDestroyEntry);
}

void TVlanStaticForm::ApplyWithStatus(int statusEntry)
{
    bool sent = false;
    const bool finished = VnGuarded(VnErrorLanding::StatusLine(StaticRequest), [&] {
        if (statusEntry >= 0)
            Status->setCurrentIndex(statusEntry);
        sent = StaticRequest->Apply(true, true, {}, nullptr);
    });
    // A refused input keeps the fields for correcting; an exception skips
    // the clearing as well.
    if (finished && sent)
        EndRowCommand();
}

void TVlanStaticForm::EndRowCommand()
{
    LV_dot1qVlanStaticEntry->clearSelection();
    ClearEditPanel();
    DeleteBtn->setEnabled(false);
}

bool TVlanStaticForm::VlanIdListed(const QString& vlanId) const
{
    const std::vector<int>& columns = StaticRequest->ColumnItems();
    int column = -1;
    for (std::size_t c = 0; c < columns.size(); ++c) {
        if (columns[c] == kVlanId)
            column = static_cast<int>(c);
    }
    if (column < 0)
        return false;
    for (int row = 0; row < LV_dot1qVlanStaticEntry->topLevelItemCount(); ++row) {
        if (LV_dot1qVlanStaticEntry->topLevelItem(row)->text(column) == vlanId)
            return true;
    }
    return false;
}

void TVlanStaticForm::ClearEditPanel()
{
    for (TStackingPortUitForm* grid : {EgressPorts, ForbiddenPorts, UntaggedPorts}) {
        if (grid)
            grid->UncheckAll();
    }
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

void TVlanStaticForm::LV_dot1qVlanStaticEntryChange()
{
    VnShowRowCount(ST_Count2, LV_dot1qVlanStaticEntry);
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
    if (!UntaggedPorts || !EgressPorts || index < 0)
        return {nullptr, nullptr};
    const auto k = static_cast<std::size_t>(index);
    if (k >= UntaggedPorts->CheckBoxList().size() || k >= EgressPorts->CheckBoxList().size())
        return {nullptr, nullptr};
    return {UntaggedPorts->CheckBoxList()[k], EgressPorts->CheckBoxList()[k]};
}
