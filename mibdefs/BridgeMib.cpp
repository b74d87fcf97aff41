#include "BridgeMib.h"
