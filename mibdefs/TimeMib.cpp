#include "TimeMib.h"
