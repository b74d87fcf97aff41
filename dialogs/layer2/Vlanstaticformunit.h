#pragma once
// The static VLAN table (Q-BRIDGE dot1qVlanStaticTable): lists the VLANs,
// creates, changes and deletes one with its name and its egress, forbidden
// egress and untagged port lists, and shows the agent's next free local
// VLAN index.
#include <utility>

#include "TDialogBase.h"

class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;
class QScrollArea;
class QTabWidget;
class QTreeWidget;
class TStackingPortUitForm;
class VnSNMPRequest2Edits;

class TVlanStaticForm : public TDialogBase {
public:
    static constexpr int kWidth = 587;
    static constexpr int kHeight = 566;
    static constexpr const char* kTitle = "VLAN Static Form: ";

    // Items of the table binder's list.
    enum Item { kVlanId, kVlanName, kEgressPorts, kForbiddenPorts, kUntaggedPorts, kStatus };

    TVlanStaticForm(QWidget* owner, const VnDialogContext& context);

    // Right panel
    QLabel* ST_Count2 = nullptr;
    QPushButton* RefreshBtn = nullptr;
    QPushButton* SetBtn = nullptr;
    QPushButton* AddBtn = nullptr;
    QPushButton* DeleteBtn = nullptr;
    // Client panel
    QTreeWidget* LV_dot1qVlanStaticEntry = nullptr;
    QLineEdit* ED_VLANID = nullptr;
    QComboBox* Status = nullptr;
    QLineEdit* ED_VLANName = nullptr;
    QLabel* NextFreeLocalVlanIndex = nullptr;
    QTabWidget* PageControl1 = nullptr;
    QScrollArea* ScrollBox1 = nullptr;  // egress ports
    QScrollArea* ScrollBox2 = nullptr;  // forbidden egress ports
    QScrollArea* ScrollBox3 = nullptr;  // untagged ports
    QPlainTextEdit* Memo1 = nullptr;

    // In this member order.
    VnSNMPRequest2Edits* NextFreeRequest = nullptr;
    VnSNMPRequest2Edits* StaticRequest = nullptr;
    TStackingPortUitForm* EgressPorts = nullptr;
    TStackingPortUitForm* ForbiddenPorts = nullptr;
    TStackingPortUitForm* UntaggedPorts = nullptr;

    void FormCreate();
    void RefreshBtnClick();
    void SetBtnClick();
    void AddBtnClick();
    void DeleteBtnClick();
    void LV_dot1qVlanStaticEntryClick();
    // Keeps the untagged ports within the egress ports while the user
    // clicks the boxes.
    void UTagCheckBoxClick(int index);
    void EgressCheckBoxClick(int index);

    // The texts of the dialog's own Add checks.
    static constexpr const char* kVlanIdMissing = "VLAN ID must be set.";
    static constexpr const char* kVlanIdTaken =
        "There is already a record with the same VLAN ID. Please modify it.";
    // Set and Delete with another VLAN ID typed over the selected row's.
    static constexpr const char* kVlanIdNotSelected =
        "VLAN ID: '%1' is not the selected VLAN %2. Set and Delete change the selected VLAN only: select "
        "VLAN %1 in the list, or Add it.";

private:
    void BuildLayout();
    void SetUpGrids();
    // Empties the editing panel and unchecks every port box.
    void ClearEditPanel();
    // After Set, Add and Delete: no row selected, Delete disabled.
    void EndRowCommand();
    // Sends the table binder's set with the status entry `statusEntry` (-1:
    // as shown), at the selected row or, for Add, at the typed VLAN ID.
    void ApplyWithStatus(int statusEntry, bool atSelectedRow);
    // The untagged and the egress box of one port; both null when either
    // grid lacks it.
    std::pair<QCheckBox*, QCheckBox*> PortBoxes(int index) const;
};

// Points at the dialog while it exists.
extern TVlanStaticForm* VlanStaticForm;
