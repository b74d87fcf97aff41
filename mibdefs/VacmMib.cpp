#include "VacmMib.h"
