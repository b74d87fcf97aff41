#pragma once
// What the rule dialogs of the port access profiles and of the CPU filter
// share, driven by one table per dialog: every column after the two IDs
// has a field and a selection check box beside it, and a write carries
// only the checked columns (VnRuleLeftOut). The dialog's own table names
// its fields, its messages and which checks, hand-overs and clearings it
// makes; the form classes only name their table.
//
// Writes of an asynchronous dialog read the list again from the set's
// completion (the binder stays busy until that read ends, and a refused
// set's line stays); a synchronous one sends, then reads.
#include <QString>

#include <cstddef>
#include <cstdint>
#include <optional>
#include <vector>

#include "TDialogBase.h"
#include "VnRuleColumnPlan.h"

class QCheckBox;
class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QTreeWidget;
class QTreeWidgetItem;
class TStackingPortUitForm;
class VnSNMPRequest2Edits;
class VnStatusBar;
struct VnSNMPVarDesc;

enum class VnRuleFieldKind { Edit, ComboBox, PortGrid };

// One field of the editor, in the dialog's field order.
struct VnRuleField {
    int item = -1;
    const char* label = "";
    VnRuleFieldKind kind = VnRuleFieldKind::Edit;
    const char* format = "";   // edits: the format constraint
    const char* control = "";  // object name of the field
    const char* box = "";      // object name of its selection check box; "" for the IDs
    // The message when the box is checked and the field empty (edits) or
    // without entry (combo boxes), for dialogs that check fields; "" none.
    const char* emptyText = "";
};

// When Edit runs Add or Delete instead, by the row status shown.
enum class VnRuleHandOver {
    None,            // "destroy" with its box checked removes the row in place
    WhenBoxChecked,  // "createAndGo" with its box checked runs Add
    Always,          // "createAndGo" runs Add, "destroy" Delete, before any check
};

struct VnRuleDialogShape {
    int width = 0;
    int height = 0;
    const char* caption = "";  // the form's own caption, before the menu sets one
    const VnSNMPVarDesc* table = nullptr;
    std::vector<VnRuleField> fields{};
    int fieldColumns = 2;
    int listHeight = 144;
    int portHeight = 0;  // the port group box; 0 for a dialog without ports
    const char* checkAllName = "CheckButton";
    const char* clearChecksName = "UncheckButton";
    std::uint8_t mode = 1;  // VnSNMPRequest2Controls::kModeAsync

    VnRuleColumns columns{};
    int protocolItem = -1;     // the protocol combo box's item, -1 for none
    std::vector<int> offsets{};  // items of which at most maxOffsets may be checked
    int maxOffsets = 0;
    VnRuleHandOver handOver = VnRuleHandOver::None;
    bool clearAfterFailedCheck = false;
    bool clearPortsWithEditor = true;

    const char* idMissing = "";
    const char* accessMissing = "";
    const char* duplicate = "";
    const char* notCreateAndGo = "";
    const char* protocolMissing = "";
    const char* tooManyOffsets = "";

    // Made from the fields by VnRuleDialogShape::WithBindings.
    VnBindingTable bindings{};

    // The shape with its binding table made from its fields.
    static VnRuleDialogShape WithBindings(VnRuleDialogShape shape);
};

class TRuleDialogBase : public TDialogBase {
public:
    TRuleDialogBase(QWidget* owner, const VnDialogContext& context, const VnRuleDialogShape& shape);

    const VnRuleDialogShape& Shape() const { return shape_; }

    // Right panel
    QLabel* StaticText1 = nullptr;
    QPushButton* GetButton = nullptr;
    QPushButton* EditButton = nullptr;
    QPushButton* AddButton = nullptr;
    QPushButton* DeleteButton = nullptr;
    QPushButton* CheckAllButton = nullptr;
    QPushButton* ClearChecksButton = nullptr;
    // Client
    QTreeWidget* ListView1 = nullptr;
    QGroupBox* gbPortlist = nullptr;
    TStackingPortUitForm* PortGrid = nullptr;
    VnStatusBar* StatusBar1 = nullptr;
    VnSNMPRequest2Edits* Request = nullptr;

    // The field of item i (edit or combo box), its selection box; null
    // where there is none.
    QWidget* Field(int item) const;
    QLineEdit* EditOf(int item) const;
    QComboBox* ComboOf(int item) const;
    QCheckBox* BoxOf(int item) const;

    void FormCreate();
    void GetButtonClick();
    void EditButtonClick();
    void AddButtonClick();
    void DeleteButtonClick();
    void ListView1Click();
    void PermitComboBoxChange();
    void CheckAllClick();
    void ClearChecksClick();
    void ClearEditor();

    // What the boxes and fields choose now.
    VnRuleChoice Choice() const;

    // Entries of the row-status combo box.
    static constexpr int kCreateAndGoEntry = 1;
    static constexpr int kDestroyEntry = 2;

private:
    void BuildLayout();
    void CreatePortGrid();
    // The checks; each failing one shows its message and returns false.
    bool IdsGiven(bool moveFocus);
    bool ProtocolChosen();
    bool FieldsFilled();
    bool RowStatusAllowsAdd();
    bool OffsetsWithinLimit();
    bool KeyListed() const;
    void FailedCheck();
    // Sends one write with the plan of `command`: at the selected row, or
    // (Add) at the typed IDs; then the closing steps.
    void Send(VnRuleCommand command, bool atSelectedRow);
    // The selected row's cell of `item` holds a value (a walk may leave
    // a cell out).
    bool SelectedCellHasValue(int item) const;
    void NoRowState();
    void RowState();
    void ClosingSteps();
    // A rule whose port list is shorter than the grid: the binder leaves
    // the grid alone while it shows the row (it would stop there with a
    // box), and ListView1Click shows the list and says what it holds.
    void HoldBackShortPortList(const QTreeWidgetItem* row);
    void ShowHeldBackPortList();
    int RowStatusEntry() const;
    bool BoxChecked(int item) const;

    const VnRuleDialogShape& shape_;
    std::vector<QWidget*> fields_;
    std::vector<QCheckBox*> boxes_;
    QLineEdit* idEdit_ = nullptr;
    QLineEdit* accessEdit_ = nullptr;
    struct ShortPortList {
        unsigned access = 0;  // the port item's word, given back afterwards
        std::size_t ports = 0;
    };
    std::optional<ShortPortList> shortPortList_;
};
