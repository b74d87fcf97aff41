#include "Ipv4MaskDialog.h"

#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>

#include "VnDialogFrame.h"
#include "VnSNMPRequest2Edits.h"

namespace {

const VnMaskButtons kButtons{"BT_Get", "SetBtn", "Set", "BT_Add", "BT_Delete"};

}  // namespace

TIPv4MaskDialog::TIPv4MaskDialog(QWidget* owner, const VnDialogContext& context, const VnMaskVariant& variant)
    : TMaskDialogBase(owner, context, variant, kButtons)
{
    BT_Get = RefreshButton();
    SetBtn = SetButton();
    BT_Add = AddButton();
    BT_Delete = DeleteButton();
    // The CPU filter's form spells the address fields "Ip".
    const bool cpu = variant.cpu;
    VnFieldGrid fields(FieldArea());
    IPIDEdit = fields.Add<QLineEdit>(0, 0, "IP ID", "IPIDEdit");
    UseVlanComBo = fields.Add<QComboBox>(1, 0, "Use Vlan", "UseVlanComBo");
    IpAddMaskStateComboBox = fields.Add<QComboBox>(
        2, 0, cpu ? "Ip Address Mask State" : "IPv4 Address Mask State", "IpAddMaskStateComboBox");
    IpAddMaskSrcEdit = fields.Add<QLineEdit>(3, 0, cpu ? "Ip Address Mask Source" : "IPv4 Address Mask Source",
                                             "IpAddMaskSrcEdit");
    IpAddMaskDstEdit = fields.Add<QLineEdit>(
        4, 0, cpu ? "Ip Address Mask Destination" : "IPv4 Address Mask Destination", "IpAddMaskDstEdit");
    UseDSCPComBo = fields.Add<QComboBox>(5, 0, "Use DSCP", "UseDSCPComBo");
    UseProTypeComBo = fields.Add<QComboBox>(6, 0, "Use Protocol Type", "UseProTypeComBo");
    ICMPOptionComBo = fields.Add<QComboBox>(7, 0, "ICMP Option", "ICMPOptionComBo");
    IGMPOptionComBo = fields.Add<QComboBox>(8, 0, "IGMP Option", "IGMPOptionComBo");
    TCPOptionComBo = fields.Add<QComboBox>(0, 1, "TCP Option", "TCPOptionComBo");
    UDPOptionComBo = fields.Add<QComboBox>(1, 1, "UDP Option", "UDPOptionComBo");
    TCPUDPSrcMaskEdit = fields.Add<QLineEdit>(2, 1, "TCP or UDP Srouce Port Mask", "TCPUDPSrcMaskEdit");
    TCPUDPDstPortMaskEdit =
        fields.Add<QLineEdit>(3, 1, "TCP or UDP Destination Port Mask", "TCPUDPDstPortMaskEdit");
    TCPFlagBitOptionComBo = fields.Add<QComboBox>(4, 1, "TCP Flag Bit Option", "TCPFlagBitOptionComBo");
    TCPFlagBitMaskEdit = fields.Add<QLineEdit>(5, 1, "TCP Flag Bit Mask", "TCPFlagBitMaskEdit");
    ProOptionComBo = fields.Add<QComboBox>(6, 1, "Protocol ID Option", "ProOptionComBo");
    ProIDMaskEdit = fields.Add<QLineEdit>(7, 1, "Protocol ID Mask", "ProIDMaskEdit");
    RowStatusComBo = fields.Add<QComboBox>(8, 1, "Row Status", "RowStatusComBo");
    SetFrameControls(IPIDEdit, RowStatusComBo);

    using K = VnControlKind;
    Open({{kId, K::Edits, "IPIDEdit", variant.idFormat},
          {kUseVlan, K::ComboBox, "UseVlanComBo"},
          {kAddressState, K::ComboBox, "IpAddMaskStateComboBox"},
          {kSourceAddress, K::Edits, "IpAddMaskSrcEdit", "%s"},
          {kDestinationAddress, K::Edits, "IpAddMaskDstEdit", "%s"},
          {kUseDscp, K::ComboBox, "UseDSCPComBo"},
          {kProtocolType, K::ComboBox, "UseProTypeComBo"},
          {kIcmpOption, K::ComboBox, "ICMPOptionComBo"},
          {kIgmpOption, K::ComboBox, "IGMPOptionComBo"},
          {kTcpOption, K::ComboBox, "TCPOptionComBo"},
          {kUdpOption, K::ComboBox, "UDPOptionComBo"},
          {kSourcePortMask, K::Edits, "TCPUDPSrcMaskEdit", "%s{l4f}"},
          {kDestinationPortMask, K::Edits, "TCPUDPDstPortMaskEdit", "%s{l4f}"},
          {kFlagBitOption, K::ComboBox, "TCPFlagBitOptionComBo"},
          {kFlagBitMask, K::Edits, "TCPFlagBitMaskEdit", "%i"},
          {kProtocolIdOption, K::ComboBox, "ProOptionComBo"},
          {kProtocolIdMask, K::Edits, "ProIDMaskEdit", "%s{l8f}"},
          {kRowStatus, K::ComboBox, "RowStatusComBo"}},
         [this] {
             UseVlanComBo->setCurrentIndex(1);
             IpAddMaskStateComboBox->setCurrentIndex(0);
             UseDSCPComBo->setCurrentIndex(1);
             UseProTypeComBo->setCurrentIndex(0);
             ICMPOptionComBo->setCurrentIndex(0);
             IGMPOptionComBo->setCurrentIndex(1);
             TCPOptionComBo->setCurrentIndex(0);
             UDPOptionComBo->setCurrentIndex(0);
             TCPFlagBitOptionComBo->setCurrentIndex(1);
             ProOptionComBo->setCurrentIndex(1);
             RowStatusComBo->setCurrentIndex(kActive);
         });
}

void TIPv4MaskDialog::ClearEdits()
{
    for (QLineEdit* field : {IPIDEdit, IpAddMaskSrcEdit, IpAddMaskDstEdit, TCPUDPSrcMaskEdit, TCPUDPDstPortMaskEdit,
                             TCPFlagBitMaskEdit, ProIDMaskEdit})
        field->clear();
}

maskcolumns::Items TIPv4MaskDialog::LeftOut() const
{
    maskcolumns::Ipv4Choice choice;
    choice.addressState = IpAddMaskStateComboBox->currentIndex();
    choice.protocolType = UseProTypeComBo->currentIndex();
    choice.icmpOption = ICMPOptionComBo->currentIndex();
    choice.tcpOption = TCPOptionComBo->currentIndex();
    choice.udpOption = UDPOptionComBo->currentIndex();
    choice.flagBitOption = TCPFlagBitOptionComBo->currentIndex();
    choice.protocolIdOption = ProOptionComBo->currentIndex();
    choice.sourceEmpty = Blank(IpAddMaskSrcEdit);
    choice.destinationEmpty = Blank(IpAddMaskDstEdit);
    choice.sourcePortEmpty = Blank(TCPUDPSrcMaskEdit);
    choice.destinationPortEmpty = Blank(TCPUDPDstPortMaskEdit);
    choice.flagBitMaskEmpty = Blank(TCPFlagBitMaskEdit);
    choice.protocolIdMaskEmpty = Blank(ProIDMaskEdit);
    return maskcolumns::Ipv4LeftOut(choice);
}

void TIPv4MaskDialog::SetCommand()
{
    if (!CommandAllowed())
        return;
    if (RowStatusComBo->currentIndex() == kDestroy) {
        DeleteCommand();
        return;
    }
    if (RowStatusComBo->currentIndex() == kCreateAndGo && !Variant().cpu) {
        AddCommand();
        return;
    }
    Send(LeftOut(), At::SelectedRow);
}

void TIPv4MaskDialog::AddCommand()
{
    if (!CommandAllowed())
        return;
    // "destroy" left from a Delete would otherwise create a bare row and
    // drop every typed column.
    if (Refuse(RowStatusComBo->currentIndex() == kDestroy, kNotCreateAndGo, RowStatusComBo))
        return;
    const maskcolumns::Items leftOut = LeftOut();
    RowStatusComBo->setCurrentIndex(kCreateAndGo);
    Send(leftOut, At::TypedId);
}
