#include "SnmpEngineMib.h"
