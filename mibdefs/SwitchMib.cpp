#include "SwitchMib.h"
