#pragma once
// The port trunk table (enterprise .11.59.5.2.9.3): up to 32 static or LACP
// trunk groups, each with a name, a master port entered as unit and port,
// member ports on the stacking port grid and a state. The index field is
// the mode switch: enabled for a new group (Add), disabled once a row is
// selected (Set, Delete).
#include <vector>

#include "TDialogBase.h"
#include "VnShownUnits.h"

class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QScrollArea;
class QTreeWidget;
class TStackingPortUitForm;
class VnStatusBar;
class VnStatusPanel;
class VnSNMPRequest2Edits;

class TPortTrunkForm : public TDialogBase {
public:
    static constexpr int kWidth = 640;
    static constexpr int kHeight = 560;
    static constexpr const char* kTitle = "Port Trunk Table :";
    static constexpr int kMaxMembers = 8;

    enum Item { kIndex, kName, kMasterPort, kMember, kFloodingPort, kTrunkType, kTrunkState };
    // Entries of the hidden state combo box (its option list's order).
    enum StateEntry { kEnableEntry, kDisableEntry, kCreateAndGoEntry, kCreateAndWaitEntry, kDestroyEntry };

    TPortTrunkForm(QWidget* owner, const VnDialogContext& context);

    QPushButton* BT_Get = nullptr;
    QPushButton* SetBtn = nullptr;
    QPushButton* BT_Set = nullptr;  // "Add"
    QPushButton* BT_Delete = nullptr;
    QTreeWidget* LV_PortTrunk = nullptr;
    QLineEdit* ED_Index = nullptr;
    QLineEdit* ED_Name = nullptr;
    QLineEdit* ED_MasterPort = nullptr;  // hidden
    QLabel* ST_FloodingPort = nullptr;
    QComboBox* Combo_Type = nullptr;
    QComboBox* Combo_State = nullptr;  // hidden
    QComboBox* ComboBox1 = nullptr;    // "enable", "disable"
    QLineEdit* UnitEdit = nullptr;
    QLineEdit* PortEdit = nullptr;
    QScrollArea* StackingPortPanel = nullptr;
    VnStatusBar* StatusBar1 = nullptr;
    VnStatusPanel* StatusPanel = nullptr;  // the bar's first panel

    VnSNMPRequest2Edits* Binder = nullptr;
    TStackingPortUitForm* MemberPorts = nullptr;
    // The units the grid shows, for the master port check.
    std::vector<VnShownUnit> UnitInformationTrunkList;

    void FormCreate();
    void BT_GetClick();
    void BT_AddClick();
    void SetBtnClick();
    void BT_DeleteClick();
    void LV_PortTrunkClick();
    void Combo_StateChange();

    // The dialog's own check texts.
    static constexpr const char* kIndexMissing = "The index should not be empty.";
    static constexpr const char* kIndexTaken = "The Index must be different!";
    static constexpr const char* kUnitMissing = "The Unit should not be empty.";
    static constexpr const char* kPortMissing = "The Port should not be empty.";
    static constexpr const char* kInvalidMaster = "set valid master port";
    static constexpr const char* kTypeMissing = "Please choose trunk type.";
    static constexpr const char* kMasterTaken = "The master port must be different!";
    static constexpr const char* kMasterUnchecked = "Master port must be checked.";
    static constexpr const char* kTooManyMembers = "The trunk member can't over eight!";
    static constexpr const char* kTooFewMembers = "You must choose at least two members!";
    static constexpr const char* kNoGroupSelected = "Please select trunk group.";

private:
    void BuildLayout();
    void CreatePortGrid();
    // Back to a new group: index enabled and empty, name empty.
    void EnterAddMode();
    // The master's unit and port from the edits, checked against the shown
    // units; its index, or 0 after the check's message.
    int CheckedMasterIndex();
    bool CheckUnitPort(int unit, int port);
    bool CheckMembers(int unit);
    bool MasterBoxChecked(int index);

    // Whether the selected group was shown without a fill error.
    bool rowShownWhole_ = false;
};

extern TPortTrunkForm* PortTrunkForm;
