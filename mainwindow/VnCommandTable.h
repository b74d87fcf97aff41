#pragma once
// The main window's commands as declarative records: what each generic
// editor is built over, which dialog each dialog command opens, which
// sibling module each module command starts. One routine per kind
// (VnCommandKinds.h) carries the records out; a new command is a new record.
//
// A record's name is the handler name of its menu item ("AlarmControl1Click",
// VnMenuTree.h). Records of generic editors live one file per menu area
// (VnCommandsDevice.cpp, ...) and are listed in VnCommandTable.cpp; the
// records of the dedicated dialogs, each with its factory, live in
// VnDialogRegistrations.cpp.
#include <memory>
#include <span>
#include <string_view>
#include <vector>

#include "VnMenuTree.h"
#include "VnSNMPVarList.h"

class QDialog;
class QWidget;
class TMainForm;

// One step of building a generic editor; the steps of a command run in
// their order once its panel exists. Pixels are multiplied by the main
// window's FontScale and truncated, except where the kind says otherwise.
enum class VnEditorStepKind : unsigned char {
    Format,               // the column's format constraint (SetVarFormat)
    SetHeight,            // the form's height := pixels
    SetHeightUnscaled,    // the form's height := pixels, FontScale ignored
    GrowHeight,           // the form's height += pixels
    GrowWidth,            // the form's width += pixels
    SetEditWidth,         // every input's width := pixels (the panel's SetEditWidth)
    GrowEditWidth,        // every input's width := first input's width + pixels (the panel's)
    GrowEditsPanelWidth,  // the same on the edits panel alone (table editors)
};

struct VnEditorStep {
    VnEditorStepKind kind;
    int column = -1;               // Format only
    const char* format = nullptr;  // Format only, constraint language of VnEditConstraint.h
    int pixels = 0;
};

constexpr VnEditorStep VnFormat(int column, const char* format)
{
    return {VnEditorStepKind::Format, column, format, 0};
}
constexpr VnEditorStep VnSetHeight(int pixels) { return {VnEditorStepKind::SetHeight, -1, nullptr, pixels}; }
constexpr VnEditorStep VnSetHeightUnscaled(int pixels)
{
    return {VnEditorStepKind::SetHeightUnscaled, -1, nullptr, pixels};
}
constexpr VnEditorStep VnGrowHeight(int pixels) { return {VnEditorStepKind::GrowHeight, -1, nullptr, pixels}; }
constexpr VnEditorStep VnGrowWidth(int pixels) { return {VnEditorStepKind::GrowWidth, -1, nullptr, pixels}; }
constexpr VnEditorStep VnSetEditWidth(int pixels) { return {VnEditorStepKind::SetEditWidth, -1, nullptr, pixels}; }
constexpr VnEditorStep VnGrowEditWidth(int pixels)
{
    return {VnEditorStepKind::GrowEditWidth, -1, nullptr, pixels};
}
constexpr VnEditorStep VnGrowEditsPanelWidth(int pixels)
{
    return {VnEditorStepKind::GrowEditsPanelWidth, -1, nullptr, pixels};
}

// One page of a page form: a scalar editor of its own.
struct VnEditorPage {
    const char* caption;
    const VnSNMPVarDesc* table;
    unsigned char itemType = SVT_SV;
    unsigned keyCount = 0;
    std::span<const VnEditorStep> steps = {};
};

struct VnEditorContext;
// Work of the few editors that need more than data (notes on the form, a
// close handler, the port of a pop-up): runs right after the panel is built,
// before the steps.
using VnEditorHook = void (*)(VnEditorContext& context);

struct VnEditorCommand {
    const char* name;
    VnCommandKind kind;          // ScalarEditor, TableEditor or PageEditor
    // The editor's title: stored as the main window's DialogTitle and put
    // before ": " and the agent address in the caption. A page form takes
    // it for its caption only.
    const char* title;
    // Set: the caption is this text and the agent address, and DialogTitle
    // is left as it was.
    const char* caption = nullptr;
    const VnSNMPVarDesc* table = nullptr;  // null for a page form
    unsigned char itemType = SVT_SV;
    unsigned keyCount = 0;
    // Table editors: the status column and the option label Add and Delete
    // write into it; a null value offers no such button (column -1).
    int addColumn = -1;
    const char* addValue = nullptr;
    int deleteColumn = -1;
    const char* deleteValue = nullptr;
    std::span<const VnEditorStep> steps = {};  // page forms: steps of the whole form
    std::span<const VnEditorPage> pages = {};
    VnEditorHook afterPanel = nullptr;
};

// Who owns a dedicated dialog: the application (no parent window) or the
// main window.
enum class VnDialogOwner : unsigned char { Application, MainWindow };

// What a dialog factory gets: the owner window (null: the application),
// the mode the command opens it in (0 for none; 11 to 15 for the
// file-system dialogs opened from the menu) and the main window.
struct VnDialogArgs {
    QWidget* owner = nullptr;
    int mode = 0;
    TMainForm* mainForm = nullptr;
};

// Makes the dialog ready to be shown modally; the command sets its caption
// where its record says so, shows it and deletes it afterwards. A factory
// that raises makes the command fail like any other.
using VnDialogFactory = std::unique_ptr<QDialog> (*)(const VnDialogArgs& args);

struct VnDialogCommand {
    const char* name;
    const char* dialogClass;         // "TEquipmentBasicInfoForm"
    VnDialogOwner owner = VnDialogOwner::Application;
    // The caption the command gives the dialog: this text, then the agent
    // address unless withAddress is false. Null: the dialog keeps its own.
    const char* caption = nullptr;
    bool withAddress = true;
    int mode = 0;                    // file-system dialogs opened from the menu: 11 to 15
    // Null while the dialog is not built: its menu item is shown disabled.
    VnDialogFactory factory = nullptr;
};

struct VnModuleCommand {
    const char* name;
    const char* argument;  // "/TMIB_Info": "/T", module, "_", table
};

// Every record of each kind, over all menu areas.
const std::vector<const VnEditorCommand*>& VnEditorCommands();
std::span<const VnDialogCommand> VnDialogCommands();
std::span<const VnModuleCommand> VnModuleCommands();

// The record of a handler name, or null.
const VnEditorCommand* VnFindEditorCommand(std::string_view name);
const VnDialogCommand* VnFindDialogCommand(std::string_view name);
const VnModuleCommand* VnFindModuleCommand(std::string_view name);

// Generic editors of the device, equipment, agent and time commands.
std::span<const VnEditorCommand> VnDeviceEditorCommands();
// Generic editors of the RMON, bridge and 802.1P/Q VLAN commands.
std::span<const VnEditorCommand> VnBridgeEditorCommands();
// Generic editors of "Layer 2 Management" and of the port pop-up.
std::span<const VnEditorCommand> VnLayer2EditorCommands();
// Generic editors of "Security Management".
std::span<const VnEditorCommand> VnSecurityEditorCommands();
// Generic editors of "Layer 3 Management".
std::span<const VnEditorCommand> VnLayer3EditorCommands();
// Generic editors of "SNMP V3".
std::span<const VnEditorCommand> VnSnmpV3EditorCommands();
// Generic editors of the system log, CPU, dual image, current time, MSTP
// and single-IP commands.
std::span<const VnEditorCommand> VnManagementEditorCommands();

// The formats of the layer-2 switches: the "Layer2 Control" page of
// "Device Control" and "Layer 2 Global Switch" edit the same objects.
extern const VnEditorStep kLayer2ControlSteps[4];
// Likewise the "Layer3 Control" page and "Layer 3 Global Switch".
extern const VnEditorStep kLayer3ControlSteps[1];
