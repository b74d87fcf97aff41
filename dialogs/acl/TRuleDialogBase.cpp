#include "TRuleDialogBase.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScrollArea>
#include <QTreeWidget>
#include <QVBoxLayout>

#include <algorithm>
#include <optional>
#include <string>

#include "Stackingportuitformunit.h"
#include "VnAccessScope.h"
#include "VnControlTransfer.h"
#include "VnDialogFrame.h"
#include "VnFieldSizes.h"
#include "VnListRows.h"
#include "VnSNMPRequest2Edits.h"
#include "VnSendBoxes.h"
#include "VnSNMPVarList.h"
#include "VnStatusOutput.h"

namespace {

constexpr int kIdItem = 0;
constexpr int kAccessItem = 1;
constexpr int kFirstPanelWidth = 50;

}  // namespace

VnRuleDialogShape VnRuleDialogShape::WithBindings(VnRuleDialogShape shape)
{
    using K = VnControlKind;
    VnBindingTable& table = shape.bindings;
    table.descriptors = shape.table;
    table.itemType = MVT_UMV;
    table.keyCount = 2;
    table.rows.push_back({-1, K::ListView, "ListView1"});
    int port = -1;
    for (const VnRuleField& field : shape.fields) {
        switch (field.kind) {
        case VnRuleFieldKind::Edit:
            table.rows.push_back({field.item, K::Edits, field.control, field.format});
            break;
        case VnRuleFieldKind::ComboBox:
            table.rows.push_back({field.item, K::ComboBox, field.control});
            break;
        case VnRuleFieldKind::PortGrid:
            port = field.item;
            break;
        }
    }
    // The grid last: a port list shorter than the grid is reported while
    // the row is shown, and every other field must show the row by then.
    if (port >= 0)
        table.rows.push_back({port, K::PortGrid, "PortGrid"});
    table.statusOutput = "StatusBar1";
    table.rowCount = "StaticText1";
    table.mode = shape.mode;
    return shape;
}

TRuleDialogBase::TRuleDialogBase(QWidget* owner, const VnDialogContext& context, const VnRuleDialogShape& shape)
    : TDialogBase(owner, context, shape.width, shape.height), shape_(shape)
{
    setWindowTitle(shape.caption);
    BuildLayout();
}

void TRuleDialogBase::BuildLayout()
{
    VnDialogFrame frame(*this);
    ListView1 = frame.ListView("ListView1");
    ListView1->setMinimumHeight(VnScaledDimension(shape_.listHeight, Context().largeFonts) / 2);
    QWidget* pnlData = frame.EditArea("pnlData");
    StatusBar1 = frame.StatusBar("StatusBar1");
    StatusBar1->AddPanel(kFirstPanelWidth);
    StaticText1 = frame.Count("StaticText1", "Rules");
    GetButton = frame.Button("GetButton", "Refresh");
    EditButton = frame.Button("EditButton", "Edit");
    AddButton = frame.Button("AddButton", "Add");
    DeleteButton = frame.Button("DeleteButton", "Delete");
    CheckAllButton = frame.Button(shape_.checkAllName, "Check All");
    ClearChecksButton = frame.Button(shape_.clearChecksName, "Clear Checks");

    auto* dataLayout = new QVBoxLayout(pnlData);
    dataLayout->setContentsMargins(0, 0, 0, 0);
    auto* pnlDataEdit = new QWidget(pnlData);
    pnlDataEdit->setObjectName("pnlDataEdit");
    auto* grid = new QGridLayout(pnlDataEdit);
    grid->setContentsMargins(2, 4, 2, 2);
    dataLayout->addWidget(pnlDataEdit);

    const int itemCount = shape_.columns.itemCount;
    fields_.assign(static_cast<std::size_t>(itemCount), nullptr);
    boxes_.assign(static_cast<std::size_t>(itemCount), nullptr);
    const auto shown = static_cast<int>(std::count_if(shape_.fields.begin(), shape_.fields.end(), [](const auto& f) {
        return f.kind != VnRuleFieldKind::PortGrid;
    }));
    const int columns = std::max(1, shape_.fieldColumns);
    const int rows = (shown + columns - 1) / columns;
    int k = 0;
    for (const VnRuleField& field : shape_.fields) {
        if (field.kind == VnRuleFieldKind::PortGrid)
            continue;
        const int row = k % rows;
        const int column = 3 * (k / rows);
        ++k;
        QWidget* control = nullptr;
        if (field.kind == VnRuleFieldKind::Edit) {
            control = new QLineEdit(pnlDataEdit);
        } else {
            control = new QComboBox(pnlDataEdit);
        }
        control->setObjectName(field.control);
        auto* label = new QLabel(field.label, pnlDataEdit);
        label->setBuddy(control);
        grid->addWidget(label, row, column);
        if (*field.box) {
            auto* box = new QCheckBox(pnlDataEdit);
            box->setObjectName(field.box);
            grid->addWidget(box, row, column + 1);
            boxes_[static_cast<std::size_t>(field.item)] = box;
            // Only ticked fields go out: what the user types or chooses must.
            VnTickOnUserEdit(control, box);
        }
        grid->addWidget(control, row, column + 2);
        grid->setColumnStretch(column + 2, 1);
        fields_[static_cast<std::size_t>(field.item)] = control;
    }
    idEdit_ = EditOf(kIdItem);
    accessEdit_ = EditOf(kAccessItem);

    if (shape_.portHeight > 0) {
        gbPortlist = new QGroupBox("Port", pnlData);
        gbPortlist->setObjectName("gbPortlist");
        gbPortlist->setMinimumHeight(VnScaledDimension(shape_.portHeight, Context().largeFonts));
        dataLayout->addWidget(gbPortlist, 1);
    }

    On(GetButton, &QPushButton::clicked, [this] { GetButtonClick(); });
    On(EditButton, &QPushButton::clicked, [this] { EditButtonClick(); });
    On(AddButton, &QPushButton::clicked, [this] { AddButtonClick(); });
    On(DeleteButton, &QPushButton::clicked, [this] { DeleteButtonClick(); });
    On(CheckAllButton, &QPushButton::clicked, [this] { CheckAllClick(); });
    On(ClearChecksButton, &QPushButton::clicked, [this] { ClearChecksClick(); });
    if (QComboBox* permit = ComboOf(shape_.columns.permit); permit && !shape_.columns.actions.empty())
        On(permit, &QComboBox::currentIndexChanged, [this] { PermitComboBoxChange(); });
}

void TRuleDialogBase::CreatePortGrid()
{
    if (!gbPortlist)
        return;
    auto* layout = new QVBoxLayout(gbPortlist);
    layout->setContentsMargins(2, 2, 2, 2);
    auto* box = new QScrollArea(gbPortlist);
    box->setObjectName("PortScrollBox");
    box->setWidgetResizable(true);
    box->setFrameShape(QFrame::NoFrame);
    layout->addWidget(box);
    PortGrid = VnEmbedPortGrid(box, "PortGrid");
    VnShowPresentUnits(Context(), {PortGrid});
}

void TRuleDialogBase::FormCreate()
{
    const VnErrorLanding landing = VnErrorLanding::FirstPanel(StatusBar1);
    SetErrorLanding(landing);
    Guard([this] { CreatePortGrid(); });
    auto startState = [this] {
        for (QWidget* field : fields_) {
            if (auto* edit = qobject_cast<QLineEdit*>(field))
                edit->clear();
        }
        if (QComboBox* row = ComboOf(shape_.columns.rowStatus))
            row->setCurrentIndex(kCreateAndGoEntry);
        NoRowState();
    };
    OpenBinder(Request, shape_.bindings, landing, [this, startState](VnSNMPRequest2Edits& b) {
        b.OnRowSelecting = [this](QTreeWidgetItem* row) { HoldBackShortPortList(row); };
        startState();
    });
    // After the binder has shown the row, also when it reported a short
    // port list: the row is still the one to edit.
    On(ListView1, &QTreeWidget::itemSelectionChanged, [this] { ListView1Click(); });
    if (!Request || !Request->ListView())
        startState();
    VnShowRowCount(StaticText1, ListView1);
    PermitComboBoxChange();
}

QWidget* TRuleDialogBase::Field(int item) const
{
    if (item < 0 || item >= static_cast<int>(fields_.size()))
        return nullptr;
    return fields_[static_cast<std::size_t>(item)];
}

QLineEdit* TRuleDialogBase::EditOf(int item) const
{
    return qobject_cast<QLineEdit*>(Field(item));
}

QComboBox* TRuleDialogBase::ComboOf(int item) const
{
    return qobject_cast<QComboBox*>(Field(item));
}

QCheckBox* TRuleDialogBase::BoxOf(int item) const
{
    if (item < 0 || item >= static_cast<int>(boxes_.size()))
        return nullptr;
    return boxes_[static_cast<std::size_t>(item)];
}

bool TRuleDialogBase::BoxChecked(int item) const
{
    const QCheckBox* box = BoxOf(item);
    return box && box->isChecked();
}

int TRuleDialogBase::RowStatusEntry() const
{
    const QComboBox* row = ComboOf(shape_.columns.rowStatus);
    return row ? row->currentIndex() : -1;
}

VnRuleChoice TRuleDialogBase::Choice() const
{
    VnRuleChoice choice;
    for (int item = 0; item < static_cast<int>(boxes_.size()); ++item) {
        if (BoxChecked(item))
            choice.checked.push_back(item);
    }
    if (const QComboBox* permit = ComboOf(shape_.columns.permit))
        choice.deny = permit->currentText() == "deny";
    if (const QComboBox* enable = ComboOf(shape_.columns.enablePriority))
        choice.priorityDisabled = enable->currentText() == "disabled";
    if (const QComboBox* protocol = ComboOf(shape_.protocolItem))
        choice.protocolEntry = protocol->currentIndex();
    if (PortGrid) {
        const auto& ports = PortGrid->CheckBoxList();
        choice.anyPort = std::any_of(ports.begin(), ports.end(), [](const QCheckBox* b) { return b->isChecked(); });
    }
    return choice;
}

// ------------------------------------------------------------------ commands

void TRuleDialogBase::GetButtonClick()
{
    if (!CommandAllowed())
        return;
    Guard([this] { Request->Refresh(); });
    ClosingSteps();
}

void TRuleDialogBase::EditButtonClick()
{
    if (!CommandAllowed())
        return;
    const int row = RowStatusEntry();
    if (shape_.handOver == VnRuleHandOver::Always) {
        if (row == kCreateAndGoEntry) {
            AddButtonClick();
            return;
        }
        if (row == kDestroyEntry) {
            DeleteButtonClick();
            return;
        }
    }
    if (!IdsGiven(false) || !ProtocolChosen()) {
        FailedCheck();
        return;
    }
    const bool rowBox = BoxChecked(shape_.columns.rowStatus);
    if (shape_.handOver == VnRuleHandOver::WhenBoxChecked && rowBox && row == kCreateAndGoEntry) {
        AddButtonClick();
        return;
    }
    if (rowBox && row == kDestroyEntry) {
        Send(VnRuleCommand::Remove, true);
        return;
    }
    if (!OffsetsWithinLimit() || !FieldsFilled()) {
        FailedCheck();
        return;
    }
    Send(VnRuleCommand::Edit, true);
}

void TRuleDialogBase::AddButtonClick()
{
    if (!CommandAllowed())
        return;
    if (!IdsGiven(true)) {
        FailedCheck();
        return;
    }
    if (KeyListed()) {
        VnFieldMessage(this, shape_.duplicate, idEdit_);
        FailedCheck();
        return;
    }
    if (!ProtocolChosen() || !FieldsFilled() || !RowStatusAllowsAdd() || !OffsetsWithinLimit()) {
        FailedCheck();
        return;
    }
    Send(VnRuleCommand::Add, false);
}

void TRuleDialogBase::DeleteButtonClick()
{
    if (!CommandAllowed())
        return;
    if (QComboBox* row = ComboOf(shape_.columns.rowStatus))
        row->setCurrentIndex(kDestroyEntry);
    Send(VnRuleCommand::Remove, true);
}

void TRuleDialogBase::Send(VnRuleCommand command, bool atSelectedRow)
{
    const VnRuleChoice choice = Choice();
    const std::vector<int> leftOut = VnRuleLeftOut(shape_.columns, command, choice);
    const bool blocking = Request->mode == VnSNMPRequest2Controls::kModeSync;
    Guard([&] {
        // An Edit with no port ticked writes a list of no ports (96 zero
        // bytes), also over a rule read with an empty list, whose grid
        // shows no value: a box touched makes the grid the value. A rule
        // whose port cell the walk did not bring has no list to replace:
        // its grid stays without value and the column out of the set.
        if (PortGrid && command == VnRuleCommand::Edit && !choice.anyPort && !PortGrid->CheckBoxList().empty() &&
            SelectedCellHasValue(shape_.columns.port)) {
            QCheckBox* first = PortGrid->CheckBoxList().front();
            first->toggle();
            first->toggle();
        }
        VnAccessScope scope(Request->request.varList);
        for (int item : leftOut)
            scope.LeaveOut(item);
        if (!VnSizesFit(*Request, this))
            return;
        // An asynchronous write reads the list again from its own
        // completion: a second request beside it would race the set.
        const bool sent = atSelectedRow ? Request->ApplyToSelectedRow(!blocking)
                                        : Request->Apply(!blocking, true, {}, nullptr);
        scope.Restore();
        // A set that went nowhere keeps its line: a read would replace it.
        if (blocking && sent)
            Request->Refresh();
    });
    ClosingSteps();
}

bool TRuleDialogBase::SelectedCellHasValue(int item) const
{
    const QList<QTreeWidgetItem*> selected = ListView1->selectedItems();
    const std::vector<int>& items = Request->ColumnItems();
    const auto column = std::find(items.begin(), items.end(), item);
    if (selected.isEmpty() || column == items.end())
        return false;
    return !IsNoValueText(VnCellValue(selected.first(), static_cast<int>(column - items.begin())));
}

// -------------------------------------------------------------------- checks

bool TRuleDialogBase::IdsGiven(bool moveFocus)
{
    if (idEdit_ && idEdit_->text().isEmpty()) {
        VnFieldMessage(this, shape_.idMissing, moveFocus ? idEdit_ : nullptr);
        return false;
    }
    if (accessEdit_ && accessEdit_->text().isEmpty()) {
        VnFieldMessage(this, shape_.accessMissing, moveFocus ? accessEdit_ : nullptr);
        return false;
    }
    return true;
}

bool TRuleDialogBase::ProtocolChosen()
{
    QComboBox* protocol = ComboOf(shape_.protocolItem);
    if (!protocol || !BoxChecked(shape_.protocolItem) || protocol->currentIndex() >= 0)
        return true;
    VnFieldMessage(this, shape_.protocolMissing, protocol);
    return false;
}

bool TRuleDialogBase::FieldsFilled()
{
    for (const VnRuleField& field : shape_.fields) {
        if (!*field.emptyText || !BoxChecked(field.item))
            continue;
        QWidget* control = Field(field.item);
        const QLineEdit* edit = EditOf(field.item);
        const QComboBox* combo = ComboOf(field.item);
        // A cell the walk left out shows a no-value text: nothing to send.
        const bool blank = edit && (edit->text().isEmpty() || IsNoValueText(edit->text().toStdString()));
        if (blank || (combo && combo->currentIndex() < 0)) {
            VnFieldMessage(this, field.emptyText, control);
            return false;
        }
    }
    return true;
}

bool TRuleDialogBase::RowStatusAllowsAdd()
{
    const int row = RowStatusEntry();
    // "destroy" is never a row to create: on a rule listed elsewhere it
    // would delete it, on a new key report a creation that did not happen.
    const bool allowed =
        row != kDestroyEntry && (!BoxChecked(shape_.columns.rowStatus) || row == kCreateAndGoEntry);
    if (!allowed)
        VnFieldMessage(this, shape_.notCreateAndGo, ComboOf(shape_.columns.rowStatus));
    return allowed;
}

bool TRuleDialogBase::OffsetsWithinLimit()
{
    const auto checked =
        std::count_if(shape_.offsets.begin(), shape_.offsets.end(), [this](int item) { return BoxChecked(item); });
    if (shape_.offsets.empty() || checked <= shape_.maxOffsets)
        return true;
    VnFieldMessage(this, shape_.tooManyOffsets);
    return false;
}

bool TRuleDialogBase::KeyListed() const
{
    // By number, as the set would address it: "01" and "1" name rule 1.
    if (!idEdit_ || !accessEdit_)
        return false;
    return VnKeyListed(*Request, {{kIdItem, idEdit_->text()}, {kAccessItem, accessEdit_->text()}});
}

void TRuleDialogBase::FailedCheck()
{
    if (shape_.clearAfterFailedCheck)
        ClosingSteps();
}

// -------------------------------------------------------------- editor state

void TRuleDialogBase::HoldBackShortPortList(const QTreeWidgetItem* row)
{
    if (shortPortList_) {
        Request->request.varList.Item(shape_.columns.port).access = shortPortList_->access;
        shortPortList_.reset();
    }
    const int port = shape_.columns.port;
    const std::vector<int>& items = Request->ColumnItems();
    const auto column = std::find(items.begin(), items.end(), port);
    if (!row || !PortGrid || port < 0 || column == items.end())
        return;
    VnSNMPVarItem& item = Request->request.varList.Item(port);
    const std::string value = VnCellValue(row, static_cast<int>(column - items.begin()));
    if (IsNoValueText(value))
        return;
    std::size_t bytes = 0;
    try {
        bytes = VnSNMPRequest2Controls::ValueToBytes(value, item.syntax).size();
    } catch (const std::exception&) {
        return;  // no port list at all: the binder says so
    }
    constexpr std::size_t kGridBytes = (TStackingPortUitForm::kBoxes + 7) / 8;
    if (bytes >= kGridBytes)
        return;
    shortPortList_ = ShortPortList{item.access, bytes * 8};
    item.access |= VnAccess::Invalid;
}

void TRuleDialogBase::ShowHeldBackPortList()
{
    if (!shortPortList_)
        return;
    const ShortPortList held = *shortPortList_;
    shortPortList_.reset();
    Request->request.varList.Item(shape_.columns.port).access = held.access;
    const std::optional<std::vector<std::string>> index = Request->SelectedRowIndex();
    if (!index || index->size() < 2)
        return;
    try {
        Request->UpdateControls(shape_.columns.port);
    } catch (const std::exception&) {
        // Expected: the boxes past the list are unticked, and said below.
    }
    StatusBar1->SetStatusLine(QString("Rule %1.%2: its port list holds %3 ports, the grid %4; the ports past "
                                      "the list are shown unticked.")
                                  .arg(QString::fromStdString((*index)[0]), QString::fromStdString((*index)[1]))
                                  .arg(held.ports)
                                  .arg(TStackingPortUitForm::kBoxes));
}

void TRuleDialogBase::ListView1Click()
{
    ShowHeldBackPortList();
    const std::optional<std::vector<std::string>> index = Request->SelectedRowIndex();
    if (!index || index->size() < 2) {
        NoRowState();
    } else {
        if (idEdit_)
            idEdit_->setText(QString::fromStdString((*index)[0]));
        if (accessEdit_)
            accessEdit_->setText(QString::fromStdString((*index)[1]));
        // The fields now show the rule as read: no box ticked for another
        // rule may send one of its values back unasked.
        ClearChecksClick();
        RowState();
    }
    PermitComboBoxChange();
}

void TRuleDialogBase::NoRowState()
{
    EditButton->setEnabled(false);
    DeleteButton->setEnabled(false);
    for (QWidget* control : {static_cast<QWidget*>(idEdit_), static_cast<QWidget*>(accessEdit_),
                             static_cast<QWidget*>(AddButton)}) {
        if (control)
            control->setEnabled(true);
    }
}

void TRuleDialogBase::RowState()
{
    EditButton->setEnabled(true);
    DeleteButton->setEnabled(true);
    for (QWidget* control : {static_cast<QWidget*>(idEdit_), static_cast<QWidget*>(accessEdit_),
                             static_cast<QWidget*>(AddButton)}) {
        if (control)
            control->setEnabled(false);
    }
}

void TRuleDialogBase::ClosingSteps()
{
    // No row stays selected behind an emptied editor.
    ListView1->clearSelection();
    NoRowState();
    ClearEditor();
    PermitComboBoxChange();
}

void TRuleDialogBase::ClearEditor()
{
    for (QWidget* field : fields_) {
        if (auto* edit = qobject_cast<QLineEdit*>(field))
            edit->clear();
    }
    ClearChecksClick();
    if (PortGrid && shape_.clearPortsWithEditor)
        PortGrid->UncheckAll();
    if (ListView1->topLevelItemCount() == 0)
        StaticText1->setText("0");
}

void TRuleDialogBase::PermitComboBoxChange()
{
    const QComboBox* permit = ComboOf(shape_.columns.permit);
    if (!permit || shape_.columns.actions.empty())
        return;
    const bool deny = permit->currentText() == "deny";
    for (int item : shape_.columns.actions) {
        if (QWidget* field = Field(item))
            field->setEnabled(!deny);
        if (QCheckBox* box = BoxOf(item)) {
            box->setEnabled(!deny);
            if (deny)
                box->setChecked(false);
        }
    }
}

void TRuleDialogBase::CheckAllClick()
{
    for (QCheckBox* box : boxes_) {
        if (box)
            box->setChecked(true);
    }
}

void TRuleDialogBase::ClearChecksClick()
{
    for (QCheckBox* box : boxes_) {
        if (box)
            box->setChecked(false);
    }
}
