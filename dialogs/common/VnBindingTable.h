#pragma once
// A dialog's bindings as data: one table per binder, naming the variable
// list it reads and, row by row, which control shows which item. Controls
// are found by object name under the form, so they keep the names their
// dialog gives them (ED_VLANID, LV_dot1qVlanStaticEntry). TDialogBase::
// OpenBinder runs a table; the dialog data test checks every table of
// every dialog with VnBindingFaults.
//
//     const VnBindingTable kBindings{
//         .descriptors = VlanStaticTable, .itemType = MVT_UMV, .keyCount = 1,
//         .rows = {{-1, VnControlKind::ListView, "LV_dot1qVlanStaticEntry"},
//                  {0, VnControlKind::Edits, "ED_VLANID", "%s"},
//                  {2, VnControlKind::PortGrid, "EgressPorts"}},
//         .statusOutput = "Memo1", .rowCount = "ST_Count2"};
#include <cstdint>
#include <string>
#include <vector>

#include "VnSNMPRequest2Controls.h"
#include "VnSNMPVarList.h"

class QWidget;
class VnSNMPRequest2Edits;

enum class VnControlKind {
    ListView,    // the table's rows (QTreeWidget); controls enabled on a row's selection
    Edits,       // QLineEdit, one per conversion of the format
    ComboBox,    // an item with an option list
    CheckBox,    // one box for a truth value
    CheckBoxes,  // one box per bit of the format's bit list ("0,1,2")
    PortGrid,    // a TStackingPortUitForm's boxes, over the format's bit list
    StaticText,  // shown only (QLabel)
    Label,       // shown only (QLabel)
    RadioGroup,  // VnRadioGroup
};

struct VnBinding {
    int item = -1;  // item of the variable list; -1 for the list view
    VnControlKind kind = VnControlKind::Edits;
    // Object name; Edits and CheckBoxes name their controls in order,
    // separated by commas.
    const char* control = "";
    // Edits: the format constraint. CheckBoxes: the bit list. PortGrid: the
    // bit list, empty for every port of the stack (0 to 767).
    const char* format = "";
};

struct VnBindingTable {
    const VnSNMPVarDesc* descriptors = nullptr;
    unsigned char itemType = SVT_SV;
    unsigned keyCount = 0;
    std::vector<VnBinding> rows;
    // The memo, status bar or status panel the binder writes its lines to;
    // empty for none.
    const char* statusOutput = "";
    // The label showing the list view's row count; empty for none.
    const char* rowCount = "";
    // Blocking (0) or asynchronous (1), set right after the variable list.
    std::uint8_t mode = VnSNMPRequest2Controls::kModeAsync;
};

// Binds every row of `table` to its control under `form`, then the status
// output. A control that is missing, or not of its row's kind, is bound as
// no control: the binder raises its error for it.
void VnApplyBindings(QWidget& form, VnSNMPRequest2Edits& binder, const VnBindingTable& table);

// What is wrong with `table` for `form`, one text per fault: a control or
// output that is missing or of another class, too few controls for the
// format, an item outside the list, a format or bit list the binder
// refuses, a combo box or radio group for an item without options. Empty
// when every row binds.
std::vector<std::string> VnBindingFaults(const QWidget& form, const VnBindingTable& table);
