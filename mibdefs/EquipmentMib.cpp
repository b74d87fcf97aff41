#include "EquipmentMib.h"
