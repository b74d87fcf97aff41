#include "PimMib.h"
