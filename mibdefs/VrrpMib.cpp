#include "VrrpMib.h"
