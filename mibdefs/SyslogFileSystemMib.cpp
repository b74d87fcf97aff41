#include "SyslogFileSystemMib.h"
