#include "AuthMib.h"
