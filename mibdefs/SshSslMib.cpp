#include "SshSslMib.h"
