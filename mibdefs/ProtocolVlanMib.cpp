#include "ProtocolVlanMib.h"
