#include "Equipmentbasicinfoformunit.h"

#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>

#include "EquipmentMib.h"
#include "VnDialogFrame.h"
#include "VnSNMPRequest2Edits.h"

TEquipmentBasicInfoForm* EquipmentBasicInfoForm = nullptr;

namespace {

using K = VnControlKind;
using F = TEquipmentBasicInfoForm;

// The capacity is read with the group, but its field keeps its text.
const VnBindingTable kBindings{
    .descriptors = EquipmentBasicInfoTable,
    .itemType = SVT_SV,
    .keyCount = 0,
    .rows = {{F::kMaxUnits, K::Edits, "Edit2", "%i"},
             {F::kUnitCount, K::Edits, "Edit3", "%i"},
             {F::kStackingVersion, K::Edits, "Edit4", "%i"}},
    .statusOutput = "Memo1",
};

}  // namespace

TEquipmentBasicInfoForm::TEquipmentBasicInfoForm(QWidget* owner, const VnDialogContext& context)
    : TDialogBase(owner, context, kWidth, kHeight)
{
    SetFormPointer(EquipmentBasicInfoForm);
    setWindowTitle("Equipment Basic Information");
    BuildLayout();
    FormCreate();
}

void TEquipmentBasicInfoForm::BuildLayout()
{
    VnDialogFrame frame(*this);
    VnFieldGrid fields(frame.EditArea("Panel4"));
    Memo1 = frame.Memo("Memo1", 3);
    BitBtn1 = frame.Button("BitBtn1", "Refresh");

    Edit1 = fields.Add<QLineEdit>(0, 0, "Equipment Capacity", "Edit1");
    Edit2 = fields.Add<QLineEdit>(1, 0, "Max Supported Units", "Edit2");
    Edit3 = fields.Add<QLineEdit>(2, 0, "Number Of Unit", "Edit3");
    Edit4 = fields.Add<QLineEdit>(3, 0, "Stacking Version", "Edit4");
    for (QLineEdit* edit : {Edit1, Edit2, Edit3, Edit4})
        edit->setReadOnly(true);
    Edit1->setText("Fan, Redundant Power and Stacking");
    // The fixed text is read in full.
    Edit1->setMinimumWidth(Edit1->fontMetrics().horizontalAdvance(Edit1->text()) + Edit1->sizeHint().height());

    On(BitBtn1, &QPushButton::clicked, [this] { BitBtn1Click(); });
}

void TEquipmentBasicInfoForm::FormCreate()
{
    OpenBinder(Request, kBindings);
}

void TEquipmentBasicInfoForm::BitBtn1Click()
{
    if (!CommandAllowed())
        return;
    VnGuarded(VnErrorLanding::StatusLine(Request), [this] { Request->Refresh(); });
}
