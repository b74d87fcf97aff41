#pragma once
// Ethernet masks: VLAN, source and/or destination MAC under a MAC mask,
// 802.1p priority, Ethernet type. The port profiles and the CPU filter's
// differ in their table and ID range only.
#include "MaskDialogBase.h"

class TEthernetMaskDialog : public TMaskDialogBase {
public:
    enum Item { kId, kUseVlan, kMacState, kSourceMac, kDestinationMac, kUse8021p, kUseEthType, kRowStatus };

    QPushButton* BT_Get = nullptr;
    QPushButton* SetBtn = nullptr;
    QPushButton* BT_Set = nullptr;  // "Add"
    QPushButton* BT_Delete = nullptr;
    QLineEdit* IDEdit = nullptr;
    QComboBox* UseVLanComBo = nullptr;
    QComboBox* Use8021pComBo = nullptr;
    QComboBox* MacMaskStateComBo = nullptr;
    QLineEdit* MacMaskDstEdit = nullptr;
    QLineEdit* MacAddMaskSourceEdit = nullptr;
    QComboBox* UseEthTypeCombo = nullptr;
    QComboBox* RowStatusComBo = nullptr;

    void SetCommand() override;
    void AddCommand() override;

    static constexpr const char* kIdMissing = "Ethernet Mask ID must be set.";
    static constexpr const char* kIdTaken =
        "There is already a record with the same Ethernet Mask ID. Please modified it.";
    static constexpr const char* kNotCreateAndGo = "Row Status must be createAndGo.";
    static constexpr const char* kSourceMissing = "MAC Address Mask Source must be set.";
    static constexpr const char* kDestinationMissing = "MAC Address Mask Destination must be set.";

protected:
    TEthernetMaskDialog(QWidget* owner, const VnDialogContext& context, const VnMaskVariant& variant);
    void ClearEdits() override;

private:
    maskcolumns::Items LeftOut() const;
    // A MAC mask that goes out needs its six octets.
    bool RefuseEmptyMacs(const maskcolumns::Items& leftOut);
};
