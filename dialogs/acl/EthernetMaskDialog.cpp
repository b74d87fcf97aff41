#include "EthernetMaskDialog.h"

#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>

#include "VnDialogFrame.h"
#include "VnListRows.h"
#include "VnSNMPRequest2Edits.h"

namespace {

const VnMaskButtons kButtons{"BT_Get", "SetBtn", "Set", "BT_Set", "BT_Delete"};

}  // namespace

TEthernetMaskDialog::TEthernetMaskDialog(QWidget* owner, const VnDialogContext& context,
                                         const VnMaskVariant& variant)
    : TMaskDialogBase(owner, context, variant, kButtons)
{
    BT_Get = RefreshButton();
    SetBtn = SetButton();
    BT_Set = AddButton();
    BT_Delete = DeleteButton();
    VnFieldGrid fields(FieldArea());
    IDEdit = fields.Add<QLineEdit>(0, 0, "Ethernet Mask ID", "IDEdit");
    UseVLanComBo = fields.Add<QComboBox>(1, 0, "Use Vlan", "UseVLanComBo");
    Use8021pComBo = fields.Add<QComboBox>(2, 0, "Use 8021p", "Use8021pComBo");
    MacMaskStateComBo = fields.Add<QComboBox>(3, 0, "MAC Address Mask State", "MacMaskStateComBo");
    MacMaskDstEdit = fields.Add<QLineEdit>(0, 1, "MAC Address Mask Destination", "MacMaskDstEdit");
    MacAddMaskSourceEdit = fields.Add<QLineEdit>(1, 1, "MAC Address Mask Source", "MacAddMaskSourceEdit");
    UseEthTypeCombo = fields.Add<QComboBox>(2, 1, "Use Ethernet Type", "UseEthTypeCombo");
    RowStatusComBo = fields.Add<QComboBox>(3, 1, "Row Status", "RowStatusComBo");
    SetFrameControls(IDEdit, RowStatusComBo);

    using K = VnControlKind;
    Open({{kId, K::Edits, "IDEdit", variant.idFormat},
          {kUseVlan, K::ComboBox, "UseVLanComBo"},
          {kMacState, K::ComboBox, "MacMaskStateComBo"},
          {kSourceMac, K::Edits, "MacAddMaskSourceEdit", "%s{l12}"},
          {kDestinationMac, K::Edits, "MacMaskDstEdit", "%s{l12}"},
          {kUse8021p, K::ComboBox, "Use8021pComBo"},
          {kUseEthType, K::ComboBox, "UseEthTypeCombo"},
          {kRowStatus, K::ComboBox, "RowStatusComBo"}},
         [this] {
             UseVLanComBo->setCurrentIndex(1);
             Use8021pComBo->setCurrentIndex(1);
             MacMaskStateComBo->setCurrentIndex(0);
             UseEthTypeCombo->setCurrentIndex(1);
             RowStatusComBo->setCurrentIndex(kActive);
         });
}

void TEthernetMaskDialog::ClearEdits()
{
    IDEdit->clear();
    MacMaskDstEdit->clear();
    MacAddMaskSourceEdit->clear();
}

maskcolumns::Items TEthernetMaskDialog::LeftOut() const
{
    return maskcolumns::EthernetLeftOut({MacMaskStateComBo->currentIndex(), RowStatusComBo->currentIndex()});
}

bool TEthernetMaskDialog::RefuseEmptyMacs(const maskcolumns::Items& leftOut)
{
    return RefuseEmptySent(leftOut, kSourceMac, MacAddMaskSourceEdit, kSourceMissing) ||
           RefuseEmptySent(leftOut, kDestinationMac, MacMaskDstEdit, kDestinationMissing);
}

void TEthernetMaskDialog::SetCommand()
{
    if (!CommandAllowed())
        return;
    if (Refuse(IDEdit->text().isEmpty(), kIdMissing, nullptr))
        return;
    const maskcolumns::Items leftOut = LeftOut();
    if (RefuseEmptyMacs(leftOut))
        return;
    Send(leftOut, At::SelectedRow);
}

void TEthernetMaskDialog::AddCommand()
{
    if (!CommandAllowed())
        return;
    if (Refuse(IDEdit->text().isEmpty(), kIdMissing, IDEdit) ||
        Refuse(VnKeyListed(*Binder, kId, IDEdit->text()), kIdTaken, IDEdit) ||
        Refuse(RowStatusComBo->currentIndex() != kCreateAndGo, kNotCreateAndGo, RowStatusComBo))
        return;
    const maskcolumns::Items leftOut = LeftOut();
    if (RefuseEmptyMacs(leftOut))
        return;
    Send(leftOut, At::TypedId);
}
