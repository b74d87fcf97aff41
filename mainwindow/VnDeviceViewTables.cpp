#include "VnDeviceViewTables.h"

namespace {

using namespace VnSyntax;
using namespace VnAccess;

const VnIntOption unitStateOptions[] = {{1, "exist"}, {0, "not-exist"}, {0, nullptr}};
const VnIntOption rmonStateOptions[] = {{2, "disabled"}, {3, "enabled"}, {0, nullptr}};
const VnIntOption ctrlStatusOptions[] = {
    {0, "other"},
    {1, "start"},
    {2, "finish"},
    {3, "in-process"},
    {4, "fail"},
    {5, "invalid-drive-name"},
    {6, "same-file-name"},
    {7, "root-area-full"},
    {8, "insufficient-disk"},
    {9, "invalid-directory"},
    {10, "file-readonly"},
    {11, "exist-same-directory"},
    {12, "exist-file-in-directory"},
    {13, "no-file-or-dir"},
    {14, "no-format"},
    {15, "no-storage-media"},
    {16, "fs-no-match-media"},
    {17, "error-input"},
    {18, "error-char"},
    {19, "error-filename"},
    {20, "access-media-error"},
    {0, nullptr},
};

} // namespace

const VnOptionList UnitStateList(unitStateOptions);
const VnOptionList RmonStateList(rmonStateOptions);
const VnOptionList FileSystemCtrlStatusList(ctrlStatusOptions);

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

constinit const VnSNMPVarDesc FileSystemCtrlStatusTable[] = {
    {"1.3.6.1.4.1.88406.12.14.1.1", "Basic Info Ctrl Status", Integer, ReadOnly,
     &FileSystemCtrlStatusList},
    {"1.3.6.1.4.1.88406.12.14.1.2", "Basic Info Ctrl Process", Integer, ReadOnly},
    {},
};
