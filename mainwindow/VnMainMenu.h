#pragma once
// The main window's menus built from VnMenuTree: the menu bar (MainMenu1)
// and the port buttons' pop-up (PortInfoPopupMenu). Every item is a QAction
// whose object name is the item's name; an item with a command runs it
// through VnExecuteCommand. Items whose command cannot run yet (a dialog
// not built yet, a generic editor without its record) are disabled.
class QAction;
class TMainForm;

// Fills mainForm.MainMenu1 and mainForm.PortInfoPopupMenu (creating them
// when null). Called once by the main window's constructor.
void VnInstallMainMenu(TMainForm& mainForm);

// The action of an item by its name ("FileSystemManagement1"), in either
// menu; null when there is none.
QAction* VnMenuAction(const TMainForm& mainForm, const char* name);
