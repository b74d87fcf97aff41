#include "SnmpTargetMib.h"
