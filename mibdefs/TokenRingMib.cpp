#include "TokenRingMib.h"
