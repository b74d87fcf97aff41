#pragma once
// Enterprise switch file system (1.3.6.1.4.1.88406.12.14) and syslog (.12.12):
// descriptor tables and option lists.
// The option lists have static storage: built before main in the order they
// are defined, destroyed after it returns (no
// InitSyslogFileSystemMibOptionLists / FreeSyslogFileSystemMibOptionLists
// calls). See README.md.
#include "VnOptionList.h"
#include "VnSNMPVarList.h"

// ---- File-system control
// 0 other, 1 start, 2 finish, 3 in-process, 4 fail, 5 .. 20 the reasons of a
// failed operation.
extern const VnOptionList FileSystemCtrlStatusList;
// The control status group a long file-system operation is followed by:
// status and process value (scalars).
extern const VnSNMPVarDesc FileSystemCtrlStatusTable[];
