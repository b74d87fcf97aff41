// Enterprise access profiles and CPU-interface filtering (.12.9).
#include "AclMib.h"

namespace {

// "enabled" first: the combo box offers it first.
const VnIntOption cpuFilterStateOptions[] = {{3, "enabled"}, {2, "disabled"}, {0, nullptr}};

}  // namespace

const VnOptionList CpuFilterStateList(cpuFilterStateOptions);

constinit const VnSNMPVarDesc CpuInterfaceFilterStateTable[] = {
    {"1.3.6.1.4.1.88406.12.9.1.1", "CPU Interface Filtering State", VnSyntax::Integer, VnAccess::ReadWrite,
     &CpuFilterStateList},
    {},
};
