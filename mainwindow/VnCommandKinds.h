#pragma once
// One routine per kind of command: build and show a generic editor, open
// a dedicated dialog, start a sibling module. Plus the registry through
// which each dialog's code makes its menu item work, and the one entry
// the menu calls.
//
// Dedicated dialogs register a factory under the handler name of their
// menu item or under their class name:
//
//     VnRegisterDialog("PortTrunk2Click", [](const VnDialogArgs& args) {
//         return std::make_unique<TPortTrunkForm>(args.owner);
//     });
//
// The menu item is disabled until its dialog is registered. Call the
// registration from code that runs (a function called at start-up): a static
// registrar object in a static library is dropped by the linker when nothing
// else in its file is referenced.
#include <QDialog>

#include <functional>
#include <memory>
#include <string>
#include <string_view>

#include "VnCommandTable.h"

class QWidget;
class TConfigForm;
class TMainForm;
class TSNMPEditorPanel;
class VnSNMPRequest2Edits;

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
using VnDialogFactory = std::function<std::unique_ptr<QDialog>(const VnDialogArgs& args)>;

// `name`: a handler name ("VlanStatic1Click") or a dialog class name
// ("TVlanStaticForm"); a later registration of the same name replaces the
// earlier one, an empty factory removes it.
void VnRegisterDialog(const std::string& name, VnDialogFactory factory);
// The factory for a dialog command, by handler name first, then by class.
VnDialogFactory VnFindDialogFactory(const VnDialogCommand& command);

// Handed to an editor command's hook (VnEditorCommand::afterPanel).
struct VnEditorContext {
    TMainForm& mainForm;
    const VnEditorCommand& command;
    TConfigForm& form;
    TSNMPEditorPanel* panel;       // the scalar or table panel; a page form's last page
    VnSNMPRequest2Edits* binder;   // the binder of that panel
};

// The routines of the kinds. They raise what building the window raises;
// a window that failed to be built is released and never shown.
void VnRunEditorCommand(TMainForm& mainForm, const VnEditorCommand& command);
void VnRunDialogCommand(TMainForm& mainForm, const VnDialogCommand& command);
void VnRunModuleCommand(TMainForm& mainForm, const VnModuleCommand& command);

// Whether a command of this name exists and can run now (a dialog only
// once it is registered).
bool VnCommandAvailable(std::string_view name);

// Runs the command of a handler name, whether its menu item is shown or
// hidden. Returns false when there is no such command; raises what the
// command raises.
bool VnRunCommand(TMainForm& mainForm, std::string_view name);

// What a menu item does: runs the command and shows an exception's
// message in a message box, as the application's default handler would.
// Nothing leaves it.
void VnExecuteCommand(TMainForm& mainForm, std::string_view name) noexcept;
