#include "PaeMib.h"
