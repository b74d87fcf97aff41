#include "ProbeConfigMib.h"
