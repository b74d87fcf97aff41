#include "VnDeviceViewTables.h"

namespace {

using namespace VnSyntax;
using namespace VnAccess;

const VnIntOption unitStateOptions[] = {{1, "exist"}, {0, "not-exist"}, {0, nullptr}};
const VnIntOption rmonStateOptions[] = {{2, "disabled"}, {3, "enabled"}, {0, nullptr}};

} // namespace

const VnOptionList UnitStateList(unitStateOptions);
const VnOptionList RmonStateList(rmonStateOptions);

constinit const VnSNMPVarDesc StackUnitTable[] = {
    {"1.3.6.1.4.1.88406.12.11.1.9.4.1.1", "swUnitMgmtId", Integer, NotAccess},
    {"1.3.6.1.4.1.88406.12.11.1.9.4.1.2", "State", Integer, ReadOnly, &UnitStateList},
    {"1.3.6.1.4.1.88406.12.11.1.9.4.1.4", "swUnitMgmtStartPort", Integer, ReadOnly},
    {"1.3.6.1.4.1.88406.12.11.1.9.4.1.5", "swUnitMgmtPortRange", Integer, ReadOnly},
    {"1.3.6.1.4.1.88406.12.11.1.9.4.1.10", "swUnitMgmtModuleName", DisplayStr, ReadOnly},
    {},
};

constinit const VnSNMPVarDesc SlotModuleTable[] = {
    {"1.3.6.1.4.1.88406.11.59.5.2.1.1.3.1.1", "Module ID", Integer, NotAccess},
    {"1.3.6.1.4.1.88406.11.59.5.2.1.1.3.1.3", "Module Name", DisplayStr, ReadOnly},
    {},
};

constinit const VnSNMPVarDesc RmonStateTable[] = {
    {"1.3.6.1.4.1.88406.11.59.5.2.1.2.3", "Rmon State", Integer, ReadWrite, &RmonStateList},
    {},
};
