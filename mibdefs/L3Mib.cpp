#include "L3Mib.h"
