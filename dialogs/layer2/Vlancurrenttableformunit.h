#pragma once
// The VLANs currently active on the switch (Q-BRIDGE dot1qVlanCurrentTable)
// with their current egress and untagged ports, and the agent's count of
// deleted VLANs. Reads only.
#include "TDialogBase.h"

class QGroupBox;
class QLabel;
class QPlainTextEdit;
class QPushButton;
class QScrollArea;
class QTabWidget;
class QTreeWidget;
class TStackingPortUitForm;
class VnSNMPRequest2Edits;

class TVLanCurrentTableForm : public TDialogBase {
public:
    static constexpr int kWidth = 642;
    static constexpr int kHeight = 519;
    static constexpr const char* kTitle = "VLAN Current Table: ";

    // Items of the table binder's list.
    enum Item { kTimeMark, kVlanIndex, kFdbId, kEgressPorts, kUntaggedPorts, kStatus, kCreationTime };

    TVLanCurrentTableForm(QWidget* owner, const VnDialogContext& context);

    // Right panel
    QLabel* ST_Count2 = nullptr;
    QPushButton* RefreshBtn = nullptr;
    // Client panel
    QTreeWidget* LV_dot1qVlanCurrentEntry = nullptr;
    QGroupBox* GroupBox2 = nullptr;
    QLabel* VlanNumDeletes = nullptr;
    QLabel* StaticText1 = nullptr;  // the selected row's VLAN index
    QTabWidget* PageControl1 = nullptr;
    QScrollArea* ScrollBox1 = nullptr;  // egress ports
    QScrollArea* ScrollBox2 = nullptr;  // untagged ports
    QPlainTextEdit* Memo1 = nullptr;

    // In this member order.
    VnSNMPRequest2Edits* CounterRequest = nullptr;
    VnSNMPRequest2Edits* CurrentRequest = nullptr;
    TStackingPortUitForm* EgressPorts = nullptr;
    TStackingPortUitForm* UntaggedPorts = nullptr;

    void FormCreate();
    void RefreshBtnClick();
    // Both grids unchecked and the VLAN index emptied.
    void ClearRowFields();

private:
    void BuildLayout();
};

// Points at the dialog while it exists.
extern TVLanCurrentTableForm* VLanCurrentTableForm;
