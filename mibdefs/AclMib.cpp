#include "AclMib.h"
