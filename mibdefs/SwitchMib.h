#pragma once
// Enterprise layer-2 switch features (1.3.6.1.4.1.88406.11.59.5), MSTP
// (.12.15), agent, firmware and configuration (.12.1), BRIDGE-MIB spanning
// tree and the IF-MIB table: descriptor tables and option lists.
// The option lists have static storage: built before main in the order they
// are defined, destroyed after it returns (no InitSwitchMibOptionLists /
// FreeSwitchMibOptionLists calls). See README.md.
#include "VnOptionList.h"
#include "VnSNMPLedColorMapList.h"
#include "VnSNMPVarList.h"

// The module's model name: main-window caption and sibling-module path.
// A compile-time constant, so it is valid even during static initialisation.
inline constexpr char ModuleModel[] = "RQ4024S";

// Colour maps of the front-panel LEDs: the low three bits of an LED's byte
// pick the colour, bit 0x80 makes it blink, off is black and a byte missing
// from the status is painted white. Built before main like the option lists.
extern const VnSNMPLedColorMapList LedColorMapA;  // 0-2 white, 3 green, 4 blue, 5 red
extern const VnSNMPLedColorMapList LedColorMapB;  // 0-1 white, 2-3 green, 4 blue, 5 red
extern const VnSNMPLedColorMapList LedColorMapC;  // 0 white, 2 and 4 green, the rest black

// ---- Device information, modules, control and alarms (.11.59.5.2.1)
extern const VnOptionList SwStateList;          // 2 disabled, 3 enabled
extern const VnOptionList SwCleanCountersList;  // 1 normal, 2 active
extern const VnSNMPVarDesc DeviceInformationTable[];  // port totals, scalars
extern const VnSNMPVarDesc DeviceModuleTable[];       // modules, key count 1
extern const VnSNMPVarDesc Layer2ControlTable[];      // device control, layer-2 page
extern const VnSNMPVarDesc Layer3ControlTable[];      // device control, layer-3 page (.11.59.5.3)
extern const VnSNMPVarDesc AlarmControlTable[];       // trap switches, scalars

// ---- Agent (.12.1)
extern const VnOptionList AgentProtocolList;        // 1 other .. 4 SNMP-IP-IPX
extern const VnOptionList AgentConsoleList;         // 1 other, 2 in-use, 3 not-in-use
extern const VnOptionList AgentConfigStatusList;    // 1 other, 2 proceeding, 3 completed, 4 failed
extern const VnOptionList AgentDownloadStatusList;  // 1 other .. 8 time-out
extern const VnOptionList AgentTransferStatusList;  // 1 other .. 10 memory-full
extern const VnOptionList AgentMibTypeList;         // 1 other, 2 standard, 3 proprietary, 4 experiment
extern const VnOptionList AgentResetList;           // 2 cold-start, 4 no-reset
extern const VnOptionList AgentRs232List;           // 2 console, 3 out-of-band, 4 notAvail
extern const VnOptionList AgentSaveConfigList;      // 1 other, 2 cfg, 3 log, 4 all
extern const VnOptionList AgentGetIpFromList;       // 2 disabled, 3 bootp, 4 dhcp
extern const VnOptionList AgentEnabledList;         // 1 enabled, 2 disabled
extern const VnOptionList AgentTransferTypeList;    // 2 network-load
extern const VnOptionList AgentFileTypeList;        // 1 runtime-code, 2 log-file, 3 cfg-file
extern const VnOptionList AgentLoadTypeList;        // 2 upload, 3 download
extern const VnOptionList AgentTrueFalseList;       // 1 true, 2 false
extern const VnOptionList AgentUpdateStatusList;    // 2 inactive, 3 start, 4 delete, 5 config-as-bootup-fw
extern const VnOptionList AgentSeverityList;        // 0 critical, 1 warning, 2 information
extern const VnSNMPVarDesc AgentBasicInformationTable[];    // scalars
extern const VnSNMPVarDesc MibCapabilitiesTable[];          // key count 1
extern const VnSNMPVarDesc AgentBasicConfigurationTable[];  // scalars
extern const VnSNMPVarDesc AgentUpdateFilesTable[];         // key count 1
extern const VnSNMPVarDesc IpProtocolConfigureTable[];      // scalars
extern const VnSNMPVarDesc SystemSeverityTable[];           // scalars

// ---- Spanning tree (.12.15.1, BRIDGE-MIB dot1dStpPortTable with the RSTP
// columns of dot1dStpExtPortTable, which augments it)
extern const VnOptionList StpVersionList;       // 0 STP, 1 RSTP, 2 MSTP
extern const VnOptionList StpPortStatusList;    // 1 disabled .. 6 broken
extern const VnOptionList StpPointToPointList;  // 0 forceTrue, 1 forceFalse, 2 Auto
extern const VnSNMPVarDesc SpanningTreeAlgorithmTable[];  // scalars
extern const VnSNMPVarDesc StpControlTable[];             // scalars
extern const VnSNMPVarDesc StpPortTable[];                // key count 1 (the port column)

// ---- Layer-2 management (.11.59.5.2.3 - .13)
extern const VnOptionList SwPortTypeList;              // 1 portType-100Base-TX .. 19 portType-none
extern const VnOptionList SwLinkStatusList;            // 2 link-pass, 3 link-fail
extern const VnOptionList SwNwayStatusList;            // 0 other .. 9 full-10Gigabps
extern const VnOptionList SwNwayStateList;             // 1 other .. 10 nway-disabled-1Gigabps-Full-slave
extern const VnOptionList SwCableStatusList;           // 0 ok .. 5 unknown
extern const VnOptionList SwTrunkAlgorithmList;        // 2 MAC-source .. 7 IP-source-dest
extern const VnOptionList SwPortSecurityModeList;      // 2 permanent, 3 deleteOnTimeout, 4 deleteOnReset
extern const VnOptionList SwPortSecurityAdminList;     // 2 enable, 3 disable
extern const VnOptionList SwPortSecurityActivityList;  // 1 none, 2 start
extern const VnOptionList SwQosSchedulingList;         // 1 strict, 3 weightfair
extern const VnOptionList SwIgmpQuerierList;           // 1 other, 2 querier, 3 non-querier
extern const VnOptionList SwEnableList;                // 2 disable, 3 enable
// Port information and port control: one row per port, indexed by the
// port number (its readable "Index" column); the port pop-up reads one row.
extern const VnSNMPVarDesc PortInformationTable[];
extern const VnSNMPVarDesc PortControlTable[];
extern const VnSNMPVarDesc JumboFrameTable[];             // scalars
extern const VnSNMPVarDesc CableDiagnosisTable[];         // key count 2 (port, wire pair)
extern const VnSNMPVarDesc BandwidthControlTable[];       // key count 1
extern const VnSNMPVarDesc SchedulingTable[];             // key count 1
extern const VnSNMPVarDesc UserPriorityClassTable[];      // key count 1
extern const VnSNMPVarDesc DefaultPriorityTable[];        // key count 1
extern const VnSNMPVarDesc QosBasicConfigurationTable[];  // scalars
extern const VnSNMPVarDesc PortSecurityTable[];           // key count 1
extern const VnSNMPVarDesc PortSecurityDeleteTable[];     // scalars
extern const VnSNMPVarDesc TrunkInformationTable[];       // scalars
extern const VnSNMPVarDesc IgmpSnoopingBasicTable[];      // scalars
extern const VnSNMPVarDesc IgmpSnoopingControlTable[];    // key count 1 (VID)
extern const VnSNMPVarDesc IgmpSnoopingQueryTable[];      // key count 1 (VID)
extern const VnSNMPVarDesc IgmpSnoopingGroupTable[];      // key count 1 (VID)
extern const VnSNMPVarDesc TrafficControlTable[];         // key count 1

// ---- Port trunks, mirroring and traffic segmentation; SwitchMibPorts.cpp.
// Ports travel as (unit - 1) * 64 + port; port lists as 96-byte bitmaps.
extern const VnOptionList PortTrunkTypeList;    // 2 static, 3 lacp
extern const VnOptionList PortTrunkStateList;   // 1 enable, 2 disable, 4 createAndGo, 5 createAndWait, 6 destroy
extern const VnOptionList PortMirrorStateList;  // 2 disabled, 3 enabled
extern const VnSNMPVarDesc PortTrunkTable[];            // key count 1 (group 1-32)
extern const VnSNMPVarDesc PortMirrorTable[];           // scalars
extern const VnSNMPVarDesc TrafficSegmentationTable[];  // key count 1 (port index)

// ---- IF-MIB ifXTable with ifIndex first; SwitchMibIfx.cpp
extern const VnOptionList IfxEnabledList;  // 1 enabled, 2 disabled
extern const VnOptionList IfxTruthList;    // 1 true, 2 false
extern const VnSNMPVarDesc IfxTable[];     // key count 1

// ---- CPU, firmware images and MSTP editors; SwitchMibMstpFirmware.cpp
extern const VnOptionList FirmwareActionList;    // 1 other .. 4 config-as-bootup-fw
extern const VnOptionList MstpInstanceTypeList;  // 0 cist, 1 msti
extern const VnOptionList MstpEnabledList;       // 1 enabled, 2 disabled
extern const VnOptionList MstpRowStatusList;     // 1 active, 4 createAndGo, 6 destroy
extern const VnOptionList MstpTrueFalseList;     // 1 true, 2 false
extern const VnOptionList MstpP2pList;           // 0 true, 1 false, 2 auto
extern const VnOptionList MstpPortStatusList;    // 1 other .. 7 no-STP-enabled
extern const VnOptionList MstpPortRoleList;      // 0 disable .. 6 nonSTP
extern const VnSNMPVarDesc CpuUtilizationTable[];       // .12.1.1.6
extern const VnSNMPVarDesc FirmwareInformationTable[];  // .12.1.2.7.1, key: image
extern const VnSNMPVarDesc FirmwareFileTable[];         // .12.1.2.8.1, key: control ID
extern const VnSNMPVarDesc MstpConfigurationTable[];    // .12.15.2.1-.2
extern const VnSNMPVarDesc MstpInstanceTable[];         // .12.15.2.3.1, key: instance
extern const VnSNMPVarDesc MstpPortStateTable[];        // .12.15.2.4.1, key: port
extern const VnSNMPVarDesc MstpPortInstanceTable[];     // .12.15.2.5.1, keys: port, instance
