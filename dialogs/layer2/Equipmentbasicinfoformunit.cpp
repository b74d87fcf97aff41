#include "Equipmentbasicinfoformunit.h"

#include <QFormLayout>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSplitter>
#include <QVBoxLayout>

#include "EquipmentMib.h"
#include "VnErrorLanding.h"
#include "VnSNMPRequest2Edits.h"

TEquipmentBasicInfoForm* EquipmentBasicInfoForm = nullptr;

namespace {

enum Item { kCapacity, kStackingVersion, kMaxUnits, kUnitCount };

}  // namespace

TEquipmentBasicInfoForm::TEquipmentBasicInfoForm(QWidget* owner, const VnDialogContext& context)
    : TDialogBase(owner, context, kWidth, kHeight)
{
    setWindowTitle("Equipment Basic Information");
    BuildLayout();
    FormCreate();
}

TEquipmentBasicInfoForm::~TEquipmentBasicInfoForm()
{
    BeforeDestroy();
    if (EquipmentBasicInfoForm == this)
        EquipmentBasicInfoForm = nullptr;
}

void TEquipmentBasicInfoForm::BuildLayout()
{
    auto* outer = new QHBoxLayout(this);
    outer->setContentsMargins(2, 2, 2, 2);

    auto* panel2 = new QSplitter(Qt::Vertical, this);
    auto* panel4 = new QWidget(panel2);
    auto* fields = new QFormLayout(panel4);
    fields->setContentsMargins(4, 4, 4, 4);
    auto makeEdit = [panel4](const char* name) {
        auto* edit = new QLineEdit(panel4);
        edit->setObjectName(name);
        edit->setReadOnly(true);
        return edit;
    };
    Edit1 = makeEdit("Edit1");
    Edit1->setText("Fan, Redundant Power and Stacking");
    Edit2 = makeEdit("Edit2");
    Edit3 = makeEdit("Edit3");
    Edit4 = makeEdit("Edit4");
    fields->addRow("Equipment Capacity", Edit1);
    fields->addRow("Max Supported Units", Edit2);
    fields->addRow("Number Of Unit", Edit3);
    fields->addRow("Stacking Version", Edit4);
    Memo1 = new QPlainTextEdit(panel2);
    Memo1->setObjectName("Memo1");
    Memo1->setReadOnly(true);
    panel2->addWidget(panel4);
    panel2->addWidget(Memo1);
    panel2->setStretchFactor(0, 3);
    panel2->setStretchFactor(1, 1);
    outer->addWidget(panel2, 1);

    auto* panel1 = new QVBoxLayout;
    BitBtn1 = new QPushButton("Refresh", this);
    BitBtn1->setObjectName("BitBtn1");
    panel1->addWidget(BitBtn1);
    panel1->addStretch(1);
    panel1->setContentsMargins(0, 0, 0, 0);
    auto* buttons = new QWidget(this);
    buttons->setLayout(panel1);
    buttons->setFixedWidth(72);
    outer->addWidget(buttons);

    connect(BitBtn1, &QPushButton::clicked, this, [this] { BitBtn1Click(); });
}

void TEquipmentBasicInfoForm::FormCreate()
{
    NewBinder(Request);
    VnGuarded(VnErrorLanding::StatusLine(Request), [this] {
        Request->request.varList = VnSNMPVarList(EquipmentBasicInfoTable, SVT_SV, 0);
        // The capacity is read with the group, but the field keeps its text.
        Request->BindEdits(kMaxUnits, "%i", {Edit2});
        Request->BindEdits(kUnitCount, "%i", {Edit3});
        Request->BindEdits(kStackingVersion, "%i", {Edit4});
        Request->SetStatusOutput(Memo1);
        Request->Refresh();
    });
}

void TEquipmentBasicInfoForm::BitBtn1Click()
{
    if (!CommandAllowed())
        return;
    VnGuarded(VnErrorLanding::StatusLine(Request), [this] { Request->Refresh(); });
}
