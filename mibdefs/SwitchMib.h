#pragma once
// Enterprise layer-2 switch features (1.3.6.1.4.1.88406.11.59.5), MSTP
// (.12.15), agent, firmware and configuration (.12.1), BRIDGE-MIB spanning
// tree and the IF-MIB table: descriptor tables and option lists.
// The option lists have static storage: built before main in the order they
// are defined, destroyed after it returns (no InitSwitchMibOptionLists /
// FreeSwitchMibOptionLists calls). See README.md.
#include "VnOptionList.h"
#include "VnSNMPLedColorMapList.h"
#include "VnSNMPVarList.h"

// The module's model name: main-window caption and sibling-module path.
// A compile-time constant, so it is valid even during static initialisation.
inline constexpr char ModuleModel[] = "RQ4024S";

// Colour maps of the front-panel LEDs: the low three bits of an LED's byte
// pick the colour, bit 0x80 makes it blink, off is black and a byte missing
// from the status is painted white. Built before main like the option lists.
extern const VnSNMPLedColorMapList LedColorMapA;  // 0-2 white, 3 green, 4 blue, 5 red
extern const VnSNMPLedColorMapList LedColorMapB;  // 0-1 white, 2-3 green, 4 blue, 5 red
extern const VnSNMPLedColorMapList LedColorMapC;  // 0 white, 2 and 4 green, the rest black
