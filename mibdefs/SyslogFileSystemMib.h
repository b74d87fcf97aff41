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

// ---- File-system operations, listing and media; SyslogFileSystemMibFiles.cpp
extern const VnOptionList DirectoryAttributeList;  // 1 dir, 2 file
extern const VnOptionList FileActivityList;        // 1 none, 2 start
extern const VnOptionList MediaDriveList;          // 0 a .. 5 f
extern const VnOptionList MediaFormatDriveList;    // 0 none, 1 a .. 6 f
extern const VnOptionList MediaFormatFatList;      // 1 fat16, 2 fat32
extern const VnOptionList MediaFormatTypeList;     // 1 fast, 2 full, 3 full-with-mbr
extern const VnSNMPVarDesc DirectoryMakeTable[];   // scalar .12.14.3.1
extern const VnSNMPVarDesc DirectoryDelTable[];    // scalar .12.14.3.2
extern const VnSNMPVarDesc DirectoryPathTable[];   // scalar .12.14.3.3.1
extern const VnSNMPVarDesc DirectoryListTable[];   // entries of the listed directory
extern const VnSNMPVarDesc FileRenameTable[];      // source, target, activity
extern const VnSNMPVarDesc FileDeleteTable[];      // scalar .12.14.4.2.1
extern const VnSNMPVarDesc FileCopyTable[];        // source, destination, activity
extern const VnSNMPVarDesc MediaInfoTable[];       // the media table
extern const VnSNMPVarDesc MediaFormatTable[];     // the five format scalars

// ---- Syslog hosts (.12.12.2): at most four servers, index 1 to 4
extern const VnOptionList SyslogFacilityList;   // 0 local0 .. 7 local7
extern const VnOptionList SyslogSeverityList;   // 1 all, 2 warning, 3 informational
extern const VnOptionList SyslogStateList;      // 2 disabled, 3 enabled
extern const VnOptionList SyslogRowStatusList;  // 1 active, 4 createAndGo, 6 destroy
extern const VnSNMPVarDesc SyslogHostTable[];

// ---- "System Log Control"; SyslogFileSystemMibControl.cpp
extern const VnSNMPVarDesc SyslogControlTable[];  // scalar .12.12.1
