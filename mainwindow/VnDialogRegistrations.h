#pragma once
// The dedicated dialogs of the menu, one registration each: its command
// record and, once the dialog is built, its factory (VnDialogCommands(),
// VnCommandTable.h). A menu item is a dialog item because its handler
// has a registration here; the factories hand each dialog what it reads of
// the main window in a VnDialogContext.
#include "VnDialogContext.h"

class TMainForm;

// The main window's state as the dialogs read it: the device label, the
// large-fonts flag, the stack-unit rows of UnitListView (read anew on each
// call), a new read of that list, and the ports of a unit's model.
VnDialogContext VnDialogContextOf(TMainForm* mainForm);
