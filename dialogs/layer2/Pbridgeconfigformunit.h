#pragma once
// The bridge's extended capabilities (P-BRIDGE), shown only, and the use of
// traffic classes, which Set switches on or off.
#include "TDialogBase.h"

class QComboBox;
class QLabel;
class QPlainTextEdit;
class QPushButton;
class VnSNMPRequest2Edits;

class TPBridgeConfigForm : public TDialogBase {
public:
    static constexpr int kWidth = 380;
    static constexpr int kHeight = 176;
    static constexpr const char* kTitle = "802.1P Basic Configure: ";

    TPBridgeConfigForm(QWidget* owner, const VnDialogContext& context);

    QPushButton* BT_Set = nullptr;
    QPushButton* BT_Get = nullptr;
    QLabel* Edit_DeviceCapabilities = nullptr;
    QComboBox* TrafficClassesState = nullptr;
    // Laid out, hidden and bound to nothing.
    QLabel* GmrpStatusLabel = nullptr;
    QComboBox* GmrpStatus = nullptr;
    QPlainTextEdit* Memo1 = nullptr;

    // In this member order.
    VnSNMPRequest2Edits* CapabilitiesRequest = nullptr;
    VnSNMPRequest2Edits* TrafficClassRequest = nullptr;

    void FormCreate();
    void BT_GetClick();
    void BT_SetClick();

private:
    void BuildLayout();
};

// Points at the dialog while it exists.
extern TPBridgeConfigForm* PBridgeConfigForm;
