#pragma once
// Starting a sibling module of the host (a MIB browser for one MIB area)
// for the same agent: its argument vector and the host checks whose
// outcome the status bar shows.
#include <string>
#include <vector>

#include "VnTargetSettings.h"

class VnRegistry;

// The module is started with the settings start-up left.
using VnEmsContext = VnTargetState;

struct VnEmsCommand {
    std::string program;              // the bare module name, found in PATH
    std::vector<std::string> arguments;
};

// "/TMIB_IFTable" -> "MIB": from the third character to the first "_".
std::string VnEmsModuleName(const std::string& argument);

// The module, then "/I" address, "/R" and "/W" communities and the
// argument, plus the SNMPv3 options when version 3 is in use.
VnEmsCommand BuildEmsCommandLine(const std::string& argument, const VnEmsContext& context);

// The same as one line of text, arguments joined by blanks.
std::string VnEmsCommandText(const VnEmsCommand& command);

// What the status bar shows about the host: "" when the host is
// registered, "OpenView : File Path Error!" or "No Path!".
std::string VnEmsHostCheck(VnRegistry& registry);

// Starts the module without waiting for it; false when it could not start.
bool VnStartEmsModule(const VnEmsCommand& command);
