#include "LacpMib.h"
