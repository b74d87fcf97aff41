#include "RadiusAccClientMib.h"
