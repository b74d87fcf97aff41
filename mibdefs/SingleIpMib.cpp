#include "SingleIpMib.h"
