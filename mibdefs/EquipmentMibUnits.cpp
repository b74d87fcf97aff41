// Stack units, power supplies and fans of the enterprise equipment group
// (.12.11.1).
#include "EquipmentMib.h"

namespace {

const VnIntOption eqUnitStateOptions[] = {{1, "exist"}, {0, "not-exist"}, {0, nullptr}};
const VnIntOption eqUnitModeOptions[] = {{2, "auto"}, {3, "stand-alone"}, {4, "master"}, {5, "slave"}, {0, nullptr}};
const VnIntOption eqPowerStatusOptions[] = {
    {0, "other"}, {1, "lowVoltage"}, {2, "overCurrent"}, {3, "working"},
    {4, "fail"},  {5, "connect"},    {6, "disconnect"},  {0, nullptr}};
const VnIntOption eqFanStatusOptions[] = {{0, "other"}, {1, "working"}, {2, "fail"}, {0, nullptr}};

}  // namespace

const VnOptionList EqUnitStateList(eqUnitStateOptions);
const VnOptionList EqUnitModeList(eqUnitModeOptions);
const VnOptionList EqPowerStatusList(eqPowerStatusOptions);
const VnOptionList EqFanStatusList(eqFanStatusOptions);

constinit const VnSNMPVarDesc UnitTable[] = {
    {"1.3.6.1.4.1.88406.12.11.1.9.4.1.1", "Unit ID", VnSyntax::Integer, VnAccess::ReadOnly},
    {"1.3.6.1.4.1.88406.12.11.1.9.4.1.2", "State", VnSyntax::Integer, VnAccess::ReadOnly, &EqUnitStateList},
    {"1.3.6.1.4.1.88406.12.11.1.9.4.1.3", "MAC Address", VnSyntax::MacAddress, VnAccess::ReadOnly},
    {"1.3.6.1.4.1.88406.12.11.1.9.4.1.4", "Start Port Index", VnSyntax::Integer, VnAccess::ReadOnly},
    {"1.3.6.1.4.1.88406.12.11.1.9.4.1.5", "Port Range", VnSyntax::Integer, VnAccess::ReadOnly},
    {"1.3.6.1.4.1.88406.12.11.1.9.4.1.8", "Mgmt Current Mode", VnSyntax::Integer, VnAccess::ReadOnly,
     &EqUnitModeList},
    {"1.3.6.1.4.1.88406.12.11.1.9.4.1.9", "Version", VnSyntax::DisplayStr, VnAccess::ReadOnly},
    {"1.3.6.1.4.1.88406.12.11.1.9.4.1.10", "ModuleName", VnSyntax::DisplayStr, VnAccess::ReadOnly},
    {"1.3.6.1.4.1.88406.12.11.1.9.4.1.11", "Prom Version", VnSyntax::DisplayStr, VnAccess::ReadOnly},
    {"1.3.6.1.4.1.88406.12.11.1.9.4.1.12", "Firmware Version", VnSyntax::DisplayStr, VnAccess::ReadOnly},
    {"1.3.6.1.4.1.88406.12.11.1.9.4.1.13", "Hardware Version", VnSyntax::DisplayStr, VnAccess::ReadOnly},
    {"1.3.6.1.4.1.88406.12.11.1.9.4.1.14", "Management Priority", VnSyntax::Integer, VnAccess::ReadOnly},
    {},
};

constinit const VnSNMPVarDesc PowerTable[] = {
    {"1.3.6.1.4.1.88406.12.11.1.6.1.1", "Power Unit Index", VnSyntax::Integer, VnAccess::ReadOnly},
    {"1.3.6.1.4.1.88406.12.11.1.6.1.2", "Power ID", VnSyntax::Integer, VnAccess::ReadOnly},
    {"1.3.6.1.4.1.88406.12.11.1.6.1.3", "Power Status", VnSyntax::Integer, VnAccess::ReadOnly, &EqPowerStatusList},
    {},
};

// Unit and fan number are the row's two-part instance.
constinit const VnSNMPVarDesc FanTable[] = {
    {"1.3.6.1.4.1.88406.12.11.1.7.1.1", "Fan Unit Index", VnSyntax::Integer, VnAccess::NotAccess},
    {"1.3.6.1.4.1.88406.12.11.1.7.1.2", "Fan ID", VnSyntax::Integer, VnAccess::NotAccess},
    {"1.3.6.1.4.1.88406.12.11.1.7.1.3", "Fan Status", VnSyntax::Integer, VnAccess::ReadOnly, &EqFanStatusList},
    {},
};
