#pragma once
// Port grids that only show a port list: their boxes look as usual but take
// no click and no focus, so no box can be ticked that no command writes.
#include <initializer_list>

class TStackingPortUitForm;

void VnMakeGridsReadOnly(std::initializer_list<TStackingPortUitForm*> grids);
