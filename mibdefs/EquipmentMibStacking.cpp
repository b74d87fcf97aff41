// Stacking figures of the enterprise equipment group (.12.11.1).
#include "EquipmentMib.h"

constinit const VnSNMPVarDesc EquipmentBasicInfoTable[] = {
    {"1.3.6.1.4.1.88406.12.11.1.1", "Equipment Capacity", VnSyntax::BitStr, VnAccess::ReadOnly},
    {"1.3.6.1.4.1.88406.12.11.1.9.1", "Stacking Version", VnSyntax::Integer, VnAccess::ReadOnly},
    {"1.3.6.1.4.1.88406.12.11.1.9.2", "Max SupportedUnits", VnSyntax::Integer, VnAccess::ReadOnly},
    {"1.3.6.1.4.1.88406.12.11.1.9.3", "Num Of Unit", VnSyntax::Integer, VnAccess::ReadOnly},
    {},
};
