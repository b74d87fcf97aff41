#pragma once
// IPv4 masks: VLAN, source and/or destination address under a mask, DSCP,
// and one protocol with its option (ICMP type/code, IGMP, TCP or UDP ports
// under 16-bit masks and TCP flag bits, or an IP protocol ID under a 32-bit
// mask). The CPU filter's twin takes IDs up to 255, masks of any length,
// and its Set sends "createAndGo" as shown instead of adding.
#include "MaskDialogBase.h"

class TIPv4MaskDialog : public TMaskDialogBase {
public:
    enum Item {
        kId, kUseVlan, kAddressState, kSourceAddress, kDestinationAddress, kUseDscp, kProtocolType,
        kIcmpOption, kIgmpOption, kTcpOption, kUdpOption, kSourcePortMask, kDestinationPortMask,
        kFlagBitOption, kFlagBitMask, kProtocolIdOption, kProtocolIdMask, kRowStatus
    };

    QPushButton* BT_Get = nullptr;
    QPushButton* SetBtn = nullptr;
    QPushButton* BT_Add = nullptr;
    QPushButton* BT_Delete = nullptr;
    QLineEdit* IPIDEdit = nullptr;
    QComboBox* UseVlanComBo = nullptr;
    QComboBox* IpAddMaskStateComboBox = nullptr;
    QLineEdit* IpAddMaskSrcEdit = nullptr;
    QLineEdit* IpAddMaskDstEdit = nullptr;
    QComboBox* UseDSCPComBo = nullptr;
    QComboBox* UseProTypeComBo = nullptr;
    QComboBox* ICMPOptionComBo = nullptr;
    QComboBox* IGMPOptionComBo = nullptr;
    QComboBox* TCPOptionComBo = nullptr;
    QComboBox* UDPOptionComBo = nullptr;
    QLineEdit* TCPUDPSrcMaskEdit = nullptr;
    QLineEdit* TCPUDPDstPortMaskEdit = nullptr;
    QComboBox* TCPFlagBitOptionComBo = nullptr;
    QLineEdit* TCPFlagBitMaskEdit = nullptr;
    QComboBox* ProOptionComBo = nullptr;
    QLineEdit* ProIDMaskEdit = nullptr;
    QComboBox* RowStatusComBo = nullptr;

    void SetCommand() override;
    void AddCommand() override;

    static constexpr const char* kNotCreateAndGo = "Row Status must be createAndGo.";

protected:
    TIPv4MaskDialog(QWidget* owner, const VnDialogContext& context, const VnMaskVariant& variant);
    void ClearEdits() override;

private:
    maskcolumns::Items LeftOut() const;
};
