#pragma once
// Enterprise equipment: stack units, power, fans (1.3.6.1.4.1.88406.12.11):
// descriptor tables and option lists.
// The option lists have static storage: built before main in the order they
// are defined, destroyed after it returns (no InitEquipmentMibOptionLists /
// FreeEquipmentMibOptionLists calls). See README.md.
#include "VnOptionList.h"
#include "VnSNMPVarList.h"

// ---- Stacking figures (the equipment basic information dialog)
// Equipment capacity, stacking version, units supported, units present.
extern const VnSNMPVarDesc EquipmentBasicInfoTable[];

// ---- Stack units, power and fans
extern const VnOptionList EqUnitStateList;    // 1 exist, 0 not-exist
extern const VnOptionList EqUnitModeList;     // 2 auto, 3 stand-alone, 4 master, 5 slave
extern const VnOptionList EqPowerStatusList;  // 0 other .. 6 disconnect
extern const VnOptionList EqFanStatusList;    // 0 other, 1 working, 2 fail
extern const VnSNMPVarDesc UnitTable[];   // key count 1
extern const VnSNMPVarDesc PowerTable[];  // key count 1
extern const VnSNMPVarDesc FanTable[];    // key count 2 (unit, fan)
