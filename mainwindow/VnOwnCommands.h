#pragma once
// The commands with code of their own: "Exit", "Refresh Panel", "Help"
// and "About".
#include <string_view>

class TMainForm;

using VnOwnCommandFn = void (*)(TMainForm& mainForm);

// The routine of an own command's handler name, or null.
VnOwnCommandFn VnFindOwnCommand(std::string_view name);

void Exit1Click(TMainForm& mainForm);
void RefreshPanel1Click(TMainForm& mainForm);
void Help2Click(TMainForm& mainForm);
void About1Click(TMainForm& mainForm);
