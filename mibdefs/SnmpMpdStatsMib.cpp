#include "SnmpMpdStatsMib.h"
