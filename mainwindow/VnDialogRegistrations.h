#pragma once
// Makes the menu items of the dedicated dialogs work: each dialog's factory
// is registered under its class name, and gets what it reads of the main
// window in a VnDialogContext. Call VnRegisterDialogs once at start-up,
// before the menu is first opened.
#include "VnDialogContext.h"

class TMainForm;

void VnRegisterDialogs();

// The main window's state as the dialogs read it: the device label, the
// large-fonts flag, the stack-unit rows of UnitListView (read anew on each
// call), a new read of that list, and the ports of a unit's model.
VnDialogContext VnDialogContextOf(TMainForm* mainForm);
