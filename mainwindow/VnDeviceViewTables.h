#pragma once
// The switch objects the device view and the waiting form read.
#include "VnOptionList.h"
#include "VnSNMPVarList.h"

// Stack units: id (index), "exist"/"not-exist", start port, port range, model.
extern const VnSNMPVarDesc StackUnitTable[];
// Slot modules: module id (index; the unit it sits in), module name.
extern const VnSNMPVarDesc SlotModuleTable[];
// The switch's RMON state, "disabled" or "enabled".
extern const VnSNMPVarDesc RmonStateTable[];
// The file-system control status group: status and process value.
extern const VnSNMPVarDesc FileSystemCtrlStatusTable[];

extern const VnOptionList UnitStateList;
extern const VnOptionList RmonStateList;
extern const VnOptionList FileSystemCtrlStatusList;
