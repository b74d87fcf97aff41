#pragma once
// RMON2-MIB probeConfig: descriptor tables and option lists.
// The option lists have static storage: built before main in the order they
// are defined, destroyed after it returns (no InitProbeConfigMibOptionLists /
// FreeProbeConfigMibOptionLists calls). See README.md.
#include "VnOptionList.h"
#include "VnSNMPVarList.h"

// ---- Probe basic information (probeConfig scalars)
extern const VnOptionList ProbeResetControlList;   // 1 running, 2 warmBoot, 3 coldBoot
extern const VnOptionList ProbeDownloadActionList; // 1 notDownloading .. 3 downloadToRAM
extern const VnOptionList ProbeDownloadStatusList; // 1 downloadSuccess .. 8 downloadTftpAccessViolation
extern const VnSNMPVarDesc ProbeBasicInformationTable[];  // scalars
