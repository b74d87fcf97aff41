#pragma once
// The stack units a port dialog shows on its grids, with what the master or
// target port checks need of them: unit number, port count (from the
// unit's port range) and model as shown.
#include <initializer_list>
#include <string>
#include <vector>

struct VnDialogContext;
class TStackingPortUitForm;

struct VnShownUnit {
    int unit = -1;       // -1 when the row's caption is no number
    int portCount = -1;  // from the port range; -1 when no number
    std::string model;   // as the grid tabs show it
};

// Shows the present units on `grids` (VnShowPresentUnits) and lists them
// in the order of the main window's list: units listed as "USR-NOT-CFG"
// (any case) and unit numbers outside 1 to 12 are neither shown nor listed.
std::vector<VnShownUnit> VnShowUnitsListed(const VnDialogContext& context,
                                           std::initializer_list<TStackingPortUitForm*> grids);

// The first listed unit numbered `unit`; null when none is.
const VnShownUnit* VnFindShownUnit(const std::vector<VnShownUnit>& units, int unit);

// A field's text as a number: -1 when empty or not a decimal number.
int VnFieldNumber(const std::string& text);
