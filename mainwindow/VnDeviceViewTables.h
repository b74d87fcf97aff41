#pragma once
// The switch objects the device view reads.
#include "VnOptionList.h"
#include "VnSNMPVarList.h"

// Stack units: id (index), "exist"/"not-exist", start port, port range, model.
extern const VnSNMPVarDesc StackUnitTable[];
// Slot modules: module id (index; the unit it sits in), module name.
extern const VnSNMPVarDesc SlotModuleTable[];
// The switch's RMON state, "disabled" or "enabled".
extern const VnSNMPVarDesc RmonStateTable[];

extern const VnOptionList UnitStateList;
extern const VnOptionList RmonStateList;
