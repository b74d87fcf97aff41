#include "Ipv6MaskDialog.h"

#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>

#include "VnDialogFrame.h"
#include "VnListRows.h"
#include "VnSNMPRequest2Edits.h"

namespace {

const VnMaskButtons kButtons{"btnRefresh", "btnModify", "Set", "btnAdd", "btnDelete"};

}  // namespace

TIPv6MaskDialog::TIPv6MaskDialog(QWidget* owner, const VnDialogContext& context, const VnMaskVariant& variant)
    : TMaskDialogBase(owner, context, variant, kButtons)
{
    btnRefresh = RefreshButton();
    btnModify = SetButton();
    btnAdd = AddButton();
    btnDelete = DeleteButton();
    VnFieldGrid fields(FieldArea());
    edtIPv6MaskID = fields.Add<QLineEdit>(0, 0, "IPv6 Mask ID", "edtIPv6MaskID");
    cbxClass = fields.Add<QComboBox>(1, 0, "Class", "cbxClass");
    cbxFlowLabel = fields.Add<QComboBox>(2, 0, "Flow Label", "cbxFlowLabel");
    cbxIPv6MaskState = fields.Add<QComboBox>(3, 0, "IPv6 Address Mask State", "cbxIPv6MaskState");
    edtIPv6SrcMask = fields.Add<QLineEdit>(0, 1, "IPv6 Source Address Mask", "edtIPv6SrcMask");
    edtIPv6DstMask = fields.Add<QLineEdit>(1, 1, "IPv6 Destination Address Mask", "edtIPv6DstMask");
    cbxRowStatus = fields.Add<QComboBox>(2, 1, "RowStatus", "cbxRowStatus");
    SetFrameControls(edtIPv6MaskID, cbxRowStatus);

    using K = VnControlKind;
    Open({{kId, K::Edits, "edtIPv6MaskID", variant.idFormat},
          {kClass, K::ComboBox, "cbxClass"},
          {kFlowLabel, K::ComboBox, "cbxFlowLabel"},
          {kMaskState, K::ComboBox, "cbxIPv6MaskState"},
          {kSourceMask, K::Edits, "edtIPv6SrcMask", "%s{l32f}"},
          {kDestinationMask, K::Edits, "edtIPv6DstMask", "%s{l32f}"},
          {kRowStatus, K::ComboBox, "cbxRowStatus"}},
         [this, cpu = variant.cpu] {
             const int entries[] = {cpu ? -1 : 1, cpu ? -1 : 1, cpu ? -1 : 0, cpu ? -1 : kActive};
             QComboBox* const combos[] = {cbxClass, cbxFlowLabel, cbxIPv6MaskState, cbxRowStatus};
             for (std::size_t k = 0; k < std::size(combos); ++k)
                 combos[k]->setCurrentIndex(entries[k]);
         },
         false);
}

void TIPv6MaskDialog::ClearEdits()
{
    edtIPv6MaskID->clear();
    edtIPv6SrcMask->clear();
    edtIPv6DstMask->clear();
}

bool TIPv6MaskDialog::CheckChoices()
{
    const int state = cbxIPv6MaskState->currentIndex();
    const bool destination = state == maskcolumns::kDestination || state == maskcolumns::kBoth;
    const bool source = state == maskcolumns::kSource || state == maskcolumns::kBoth;
    return !(Refuse(cbxClass->currentIndex() < 0, kChooseClass, cbxClass) ||
             Refuse(cbxFlowLabel->currentIndex() < 0, kChooseFlowLabel, cbxFlowLabel) ||
             Refuse(state < 0, kChooseMaskState, cbxIPv6MaskState) ||
             Refuse(destination && Blank(edtIPv6DstMask), kDestinationMissing, edtIPv6DstMask) ||
             Refuse(source && Blank(edtIPv6SrcMask), kSourceMissing, edtIPv6SrcMask));
}

bool TIPv6MaskDialog::CheckAddInput()
{
    const bool cpu = Variant().cpu;
    const QString id = edtIPv6MaskID->text();
    if (Refuse(id.isEmpty(), cpu ? kCpuIdMissing : kIdMissing, edtIPv6MaskID) ||
        Refuse(VnKeyListed(*Binder, kId, id), kIdTaken, edtIPv6MaskID))
        return false;
    if (!cpu && !CheckChoices())
        return false;
    return !Refuse(cbxRowStatus->currentIndex() != kCreateAndGo, kNotCreateAndGo, cbxRowStatus);
}

bool TIPv6MaskDialog::CheckModifyInput()
{
    return !Refuse(edtIPv6MaskID->text().isEmpty(), kIdMissing, nullptr) && CheckChoices();
}

void TIPv6MaskDialog::AddCommand()
{
    if (!CommandAllowed())
        return;
    if (!CheckAddInput()) {
        NoRowState();
        // The port form keeps the input for correcting.
        if (Variant().cpu)
            ClearEdits();
        return;
    }
    maskcolumns::Items leftOut;
    if (Variant().cpu) {
        leftOut = maskcolumns::CpuIpv6AddLeftOut({cbxClass->currentIndex(), cbxFlowLabel->currentIndex(),
                                                  cbxIPv6MaskState->currentIndex(),
                                                  Blank(edtIPv6SrcMask), Blank(edtIPv6DstMask)});
    } else {
        leftOut = maskcolumns::Ipv6LeftOut(cbxIPv6MaskState->currentIndex(), false);
    }
    Send(leftOut, At::TypedId);
}

void TIPv6MaskDialog::SetCommand()
{
    if (!CommandAllowed())
        return;
    if (cbxRowStatus->currentIndex() == kCreateAndGo) {
        AddCommand();
        return;
    }
    if (cbxRowStatus->currentIndex() == kDestroy) {
        DeleteCommand();
        return;
    }
    if (!CheckModifyInput()) {
        NoRowState();
        ClearEdits();
        return;
    }
    Send(maskcolumns::Ipv6LeftOut(cbxIPv6MaskState->currentIndex(), true), At::SelectedRow);
}
