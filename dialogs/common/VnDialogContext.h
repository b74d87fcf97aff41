#pragma once
// What a dedicated dialog reads of the main window. The main window fills
// one when a menu command opens a dialog, so dialogs never include it.
#include <functional>
#include <string>
#include <string_view>
#include <vector>

// One row of the main window's stack-unit list.
struct VnStackUnitRow {
    std::string unitId;     // the row's caption: the unit number, decimal
    std::string state;      // "exist" or "not-exist"
    std::string startPort;
    std::string portRange;  // ports of the unit
    std::string modelName;  // "USR-NOT-CFG" for a configured slot without a unit
};

// The stack-unit model text of a slot without a unit.
inline constexpr const char kVnUnitNotConfigured[] = "USR-NOT-CFG";

struct VnDialogContext {
    std::string agentAddress;  // the device label of every caption
    bool largeFonts = false;   // dialogs open 1.25 times their laid-out size

    // The stack-unit rows as the main window holds them now.
    std::function<std::vector<VnStackUnitRow>()> stackUnits;
    // Asks the main window to read its stack-unit list again.
    std::function<void()> refreshStackUnits;
    // Front ports of a unit for its model text (0 for an unknown model).
    std::function<int(std::string_view model)> portsPerUnitForModel;
};
