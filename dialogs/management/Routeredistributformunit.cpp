#include "Routeredistributformunit.h"

#include <QComboBox>
#include <QHeaderView>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTreeWidget>
#include <QVBoxLayout>

#include <algorithm>

#include "L3Mib.h"
#include "VnDialogFrame.h"
#include "VnSNMPRequest2Edits.h"

TRouteRedistributForm* RouteRedistributForm = nullptr;

namespace {

using K = VnControlKind;
using F = TRouteRedistributForm;

// Entries of the status combo box.
constexpr int kCreateAndGoEntry = 1;
constexpr int kDestroyEntry = 2;

constexpr long kRipMetricMax = 16;
constexpr long kOspfMetricMax = 16777214;

// Captions of the type buttons, and the type labels a row shows for them.
constexpr const char* kTypeCaptions[F::kTypeButtons] = {"other",    "all",      "type-1",   "type-2",   "internal",
                                                         "external", "inter-E1", "inter-E2", "extType1", "extType2"};
constexpr const char* kTypeLabels[F::kTypeButtons] = {"other",    "all",      "type-1",   "type-2",   "internal",
                                                       "external", "inter+E1", "inter+E2", "extType1", "extType2"};

const VnBindingTable kRedistributionBindings{
    .descriptors = RouteRedistributionTable,
    .itemType = MVT_UMV,
    .keyCount = 2,
    .rows = {{-1, K::ListView, "ListView1"},
             {F::kSource, K::ComboBox, "ComboBox1"},
             {F::kDestination, K::ComboBox, "ComboBox2"},
             {F::kType, K::ComboBox, "ComboBox3"},
             {F::kMetric, K::Edits, "Edit1", "%i{n0x16777214l8a}"},
             {F::kRowStatus, K::ComboBox, "StComboBox"}},
    .statusOutput = "Memo1",
};

}  // namespace

TRouteRedistributForm::TRouteRedistributForm(QWidget* owner, const VnDialogContext& context)
    : TListFormBase(owner, context, kWidth, kHeight)
{
    SetFormPointer(RouteRedistributForm);
    setWindowTitle("Route Redistribution Table");
    BuildLayout();
    FormCreate();
}

void TRouteRedistributForm::BuildLayout()
{
    VnDialogFrame frame(*this);
    ListView1 = frame.ListView("ListView1");
    QWidget* scrollBox = frame.EditArea("ScrollBox1");
    Memo1 = frame.Memo("Memo1");
    RefreshBtn = frame.Button("RefreshBtn", "Refresh");
    EditBtn = frame.Button("EditBtn", "Set");
    AddBtn = frame.Button("AddBtn", "Add");
    DeleteBtn = frame.Button("DeleteBtn", "Delete");
    CloseBtn = frame.Button("CloseBtn", "Close");

    auto* layout = new QVBoxLayout(scrollBox);
    layout->setContentsMargins(0, 0, 0, 0);
    GroupBox1 = new QGroupBox(scrollBox);
    GroupBox1->setObjectName("GroupBox1");
    VnFieldGrid fields(GroupBox1);
    ComboBox1 = fields.Add<QComboBox>(0, 0, "Source Protocol", "ComboBox1");
    ComboBox2 = fields.Add<QComboBox>(0, 1, "Destination Protocol", "ComboBox2");
    Edit1 = fields.Add<QLineEdit>(1, 0, "Metric", "Edit1");
    Label5 = new QLabel(kOspfRange, GroupBox1);
    Label5->setObjectName("Label5");
    fields.Layout()->addWidget(Label5, 1, 2, 1, 2);
    StComboBox = new QComboBox(GroupBox1);
    StComboBox->setObjectName("StComboBox");
    StComboBox->hide();
    layout->addWidget(GroupBox1);

    GroupBox2 = new QGroupBox("Type", scrollBox);
    GroupBox2->setObjectName("GroupBox2");
    auto* types = new QGridLayout(GroupBox2);
    for (int n = 1; n <= kTypeButtons; ++n) {
        auto* button = new QRadioButton(kTypeCaptions[n - 1], GroupBox2);
        button->setObjectName(QString("RadioButton%1").arg(n));
        RadioButtons[static_cast<std::size_t>(n - 1)] = button;
        types->addWidget(button, (n - 1) / 5, (n - 1) % 5);
        // Toggled, not clicked: the check a row click makes sets the type too.
        On(button, &QRadioButton::toggled, [this, n](bool checked) { RadioButtonToggled(n, checked); });
    }
    ComboBox3 = new QComboBox(GroupBox2);
    ComboBox3->setObjectName("ComboBox3");
    ComboBox3->hide();
    layout->addWidget(GroupBox2, 1);

    On(RefreshBtn, &QPushButton::clicked, [this] { RefreshBtnClick(); });
    On(EditBtn, &QPushButton::clicked, [this] { EditBtnClick(); });
    On(AddBtn, &QPushButton::clicked, [this] { AddBtnClick(); });
    On(DeleteBtn, &QPushButton::clicked, [this] { DeleteBtnClick(); });
    On(CloseBtn, &QPushButton::clicked, [this] { reject(); });
    On(ComboBox1, &QComboBox::currentIndexChanged, [this] { ComboBox1Change(); });
    On(ComboBox2, &QComboBox::currentIndexChanged, [this] { ComboBox1Change(); });
    FollowSelection(ListView1, [this](bool) { FollowRowSelection(); });
    ChangeRowsWith(EditBtn);
}

void TRouteRedistributForm::FormCreate()
{
    SetTitle(kTitle);
    OpenListBinder(Request, kRedistributionBindings, VnErrorLanding::Silent(), [this](VnSNMPRequest2Edits& binder) {
        // After the binder's own enabling of the controls.
        binder.OnRowSelected = [this](QTreeWidgetItem* row) {
            FollowRowSelection();
            if (row)
                ListView1Click();
        };
        binder.OnSelectionCleared = [this] { FollowRowSelection(); };
    });
    FollowRowSelection();
    // Few columns: each as wide as its texts.
    ListView1->header()->setSectionResizeMode(QHeaderView::ResizeToContents);
}

void TRouteRedistributForm::RefreshBtnClick()
{
    if (!CommandAllowed())
        return;
    Request->Refresh();
}

void TRouteRedistributForm::RadioButtonToggled(int n, bool checked)
{
    if (checked)
        ComboBox3->setCurrentIndex(n - 2);
}

void TRouteRedistributForm::ListView1Click()
{
    const std::optional<QString> type = SelectedCell(kType);
    if (!type)
        return;
    for (int n = 1; n <= kTypeButtons; ++n) {
        if (*type == kTypeLabels[n - 1]) {
            RadioButtons[static_cast<std::size_t>(n - 1)]->setChecked(true);
            break;
        }
    }
    ComboBox1Change();
}

void TRouteRedistributForm::FollowRowSelection()
{
    const bool selected = !ListView1->selectedItems().isEmpty();
    DeleteBtn->setEnabled(selected);
    AddBtn->setEnabled(!selected);
    ComboBox1->setEnabled(!selected);
    ComboBox2->setEnabled(!selected);
}

void TRouteRedistributForm::EnableTypes(std::initializer_list<int> buttons)
{
    for (int n = 1; n <= kTypeButtons; ++n) {
        const bool enabled = std::find(buttons.begin(), buttons.end(), n) != buttons.end();
        RadioButtons[static_cast<std::size_t>(n - 1)]->setEnabled(enabled);
    }
}

void TRouteRedistributForm::ComboBox1Change()
{
    const QString destination = ComboBox2->currentText();
    const QString source = ComboBox1->currentText();
    if (destination == "RIP") {
        if (source == "OSPF") {
            Label5->setText(kRipRange);
            EnableTypes({1, 2, 5, 6, 7, 8, 9, 10});
        } else if (source == "static" || source == "local") {
            Label5->setText(kRipRange);
            EnableTypes({2});
        }
    } else if (destination == "OSPF") {
        Label5->setText(kOspfRange);
        EnableTypes({3, 4});
    }
}

bool TRouteRedistributForm::MetricAccepted(bool atSelectedRow)
{
    if (Edit1->text().isEmpty()) {
        if (Edit1->isEnabled())
            Edit1->setFocus();
        return false;
    }
    bool isNumber = false;
    const long metric = Edit1->text().toLong(&isNumber);
    // A Set goes to the selected row: its range is that row's.
    const std::optional<QString> rowDestination = atSelectedRow ? SelectedCell(kDestination) : std::nullopt;
    const QString destination = rowDestination ? *rowDestination : ComboBox2->currentText();
    // Letters are refused with the range the destination takes.
    if (!isNumber) {
        VnFieldMessage(this, destination == "RIP" ? kRipOutOfBound : kOspfOutOfBound, Edit1);
        return false;
    }
    if (destination == "RIP" && (metric < 0 || metric > kRipMetricMax)) {
        VnFieldMessage(this, kRipOutOfBound, Edit1);
        return false;
    }
    if (destination == "OSPF" && (metric < 0 || metric > kOspfMetricMax)) {
        VnFieldMessage(this, kOspfOutOfBound, Edit1);
        return false;
    }
    return true;
}

void TRouteRedistributForm::ApplyWithStatus(int statusEntry, bool atSelectedRow)
{
    const int shownStatus = StComboBox->currentIndex();
    StComboBox->setCurrentIndex(statusEntry);
    Guard([&] { ApplyScoped(atSelectedRow, true, {}); });
    // A later Set sends a row's own status, never this command's.
    StComboBox->setCurrentIndex(shownStatus);
}

void TRouteRedistributForm::EditBtnClick()
{
    if (!CommandAllowed() || !MetricAccepted(true))
        return;
    // The selected row's own status: a Set neither creates nor destroys.
    const std::optional<QString> status = SelectedCell(kRowStatus);
    ApplyWithStatus(status ? StComboBox->findText(*status) : StComboBox->currentIndex(), true);
}

void TRouteRedistributForm::AddBtnClick()
{
    if (!CommandAllowed() || !MetricAccepted(false))
        return;
    ApplyWithStatus(kCreateAndGoEntry, false);
}

void TRouteRedistributForm::DeleteBtnClick()
{
    if (!CommandAllowed())
        return;
    // Exactly the selected row, as it was read.
    if (!Request->ShowSelectedRow()) {
        ApplyScoped(true, true, {});  // says "Choose the item first."
        return;
    }
    ListView1Click();
    ApplyWithStatus(kDestroyEntry, true);
}
