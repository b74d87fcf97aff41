#include "RadiusAuthClientMib.h"
