#pragma once
// The 802.1Q base values of the switch (VLAN version, largest VLAN ID, VLANs
// supported and configured), shown only, and its GVRP status, which Set
// writes.
#include "TDialogBase.h"

class QComboBox;
class QLabel;
class QPlainTextEdit;
class QPushButton;
class VnSNMPRequest2Edits;

class TVLanGeneralInfoForm : public TDialogBase {
public:
    static constexpr int kWidth = 402;
    static constexpr int kHeight = 224;
    // No separator: the agent address follows the title directly.
    static constexpr const char* kTitle = "802.1Q Basic Configure";

    // Items of the binder's list.
    enum Item { kVersion, kMaxVlanId, kMaxSupported, kCurrentCount, kGvrpStatus };

    TVLanGeneralInfoForm(QWidget* owner, const VnDialogContext& context);

    QPushButton* RefreshBtn = nullptr;
    QPushButton* SetBtn = nullptr;
    QLabel* VlanVersionNumber = nullptr;
    QLabel* MaxVlanId = nullptr;
    QLabel* MaxSupportedVlans = nullptr;
    QLabel* CurrentNumOfVlans = nullptr;
    QComboBox* GvrpStatus = nullptr;
    QPlainTextEdit* Memo1 = nullptr;

    VnSNMPRequest2Edits* Request = nullptr;

    void FormCreate();
    void RefreshBtnClick();
    void SetBtnClick();

private:
    void BuildLayout();
};

// Points at the dialog while it exists.
extern TVLanGeneralInfoForm* VLanGeneralInfoForm;
