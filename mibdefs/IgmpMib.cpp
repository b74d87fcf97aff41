#include "IgmpMib.h"
