#pragma once
// One routine per kind of command: build and show a generic editor, open
// a dedicated dialog, start a sibling module. Plus the one entry the menu
// calls.
//
// A dedicated dialog is added in one place: its registration row in
// VnDialogRegistrations.cpp, which carries its record and its factory.
#include <string_view>

#include "VnCommandTable.h"

class TConfigForm;
class TMainForm;
class TSNMPEditorPanel;
class VnSNMPRequest2Edits;

// Handed to an editor command's hook (VnEditorCommand::afterPanel).
struct VnEditorContext {
    TMainForm& mainForm;
    const VnEditorCommand& command;
    TConfigForm& form;
    TSNMPEditorPanel* panel;       // the scalar or table panel; a page form's last page
    VnSNMPRequest2Edits* binder;   // the binder of that panel
};

// The routines of the kinds. They raise what building the window raises;
// a window that failed to be built is released and never shown. Editors
// are windows of their own owned by the main window, so they open over it.
void VnRunEditorCommand(TMainForm& mainForm, const VnEditorCommand& command);
void VnRunDialogCommand(TMainForm& mainForm, const VnDialogCommand& command);
void VnRunModuleCommand(TMainForm& mainForm, const VnModuleCommand& command);

// Whether a command of this name exists and can run now (a dialog only
// once it has its factory).
bool VnCommandAvailable(std::string_view name);

// Runs the command of a handler name, whether its menu item is shown or
// hidden. Returns false when there is no such command; raises what the
// command raises.
bool VnRunCommand(TMainForm& mainForm, std::string_view name);

// What a menu item does: runs the command and shows an exception's
// message in a message box, as the application's default handler would.
// Nothing leaves it.
void VnExecuteCommand(TMainForm& mainForm, std::string_view name) noexcept;
