// The PIM-MIB editors' objects (1.3.6.1.3.61.1.1): interfaces (.2),
// neighbours (.3), the multicast-route extension (.4), the RP set (.6) and
// the candidate RPs (.11).
#include "PimMib.h"

namespace {

const VnIntOption pimInterfaceModeOptions[] = {{1, "dense"}, {2, "sparse"}, {3, "sparseDense"}, {0, nullptr}};
const VnIntOption pimNeighborModeOptions[] = {{1, "dense"}, {2, "sparse"}, {0, nullptr}};
const VnIntOption pimTrueFalseOptions[] = {{1, "true"}, {2, "false"}, {0, nullptr}};
const VnIntOption pimRowStatusOptions[] = {{1, "active"}, {4, "createAndGo"}, {6, "destroy"}, {0, nullptr}};

}  // namespace

const VnOptionList PimInterfaceModeList(pimInterfaceModeOptions);
const VnOptionList PimNeighborModeList(pimNeighborModeOptions);
const VnOptionList PimTrueFalseList(pimTrueFalseOptions);
const VnOptionList PimRowStatusList(pimRowStatusOptions);

constinit const VnSNMPVarDesc PimInterfaceTable[] = {
    {"1.3.6.1.3.61.1.1.2.1.1", "IF Index", VnSyntax::Integer, VnAccess::NotAccess},
    {"1.3.6.1.3.61.1.1.2.1.2", "Address", VnSyntax::IpAddress, VnAccess::ReadOnly},
    {"1.3.6.1.3.61.1.1.2.1.3", "Net Mask", VnSyntax::IpAddress, VnAccess::ReadOnly},
    {"1.3.6.1.3.61.1.1.2.1.4", "Mode", VnSyntax::Integer, VnAccess::ReadWrite, &PimInterfaceModeList},
    {"1.3.6.1.3.61.1.1.2.1.5", "DR", VnSyntax::IpAddress, VnAccess::ReadOnly},
    {"1.3.6.1.3.61.1.1.2.1.6", "Hello Interval", VnSyntax::Integer, VnAccess::ReadWrite},
    {"1.3.6.1.3.61.1.1.2.1.7", "Status", VnSyntax::Integer, VnAccess::ReadWrite, &PimRowStatusList},
    {"1.3.6.1.3.61.1.1.2.1.8", "Join Prune Interval", VnSyntax::Integer, VnAccess::ReadWrite},
    {"1.3.6.1.3.61.1.1.2.1.9", "C_BSR Preference", VnSyntax::Integer, VnAccess::ReadWrite},
    {},
};

constinit const VnSNMPVarDesc PimNeighborTable[] = {
    {"1.3.6.1.3.61.1.1.3.1.1", "Address", VnSyntax::IpAddress, VnAccess::NotAccess},
    {"1.3.6.1.3.61.1.1.3.1.2", "IF Index", VnSyntax::Integer, VnAccess::ReadOnly},
    {"1.3.6.1.3.61.1.1.3.1.3", "Up Time", VnSyntax::TimeTicks, VnAccess::ReadOnly},
    {"1.3.6.1.3.61.1.1.3.1.4", "Expiry Time", VnSyntax::TimeTicks, VnAccess::ReadOnly},
    {"1.3.6.1.3.61.1.1.3.1.5", "Mode", VnSyntax::Integer, VnAccess::ReadOnly, &PimNeighborModeList},
    {},
};

// Group, source and source mask are the ipMRouteTable's index: this
// extension has no objects of its own for them.
constinit const VnSNMPVarDesc PimIpMRouteTable[] = {
    {" ", "Group", VnSyntax::IpAddress, VnAccess::NotAccess},
    {" ", "Source", VnSyntax::IpAddress, VnAccess::NotAccess},
    {" ", "Source Mask", VnSyntax::IpAddress, VnAccess::NotAccess},
    {"1.3.6.1.3.61.1.1.4.1.1", "Upstream Assert Timer", VnSyntax::TimeTicks, VnAccess::ReadOnly},
    {"1.3.6.1.3.61.1.1.4.1.2", "Assert Metric", VnSyntax::Integer, VnAccess::ReadOnly},
    {"1.3.6.1.3.61.1.1.4.1.3", "Assert Metric Pref", VnSyntax::Integer, VnAccess::ReadOnly},
    {"1.3.6.1.3.61.1.1.4.1.4", "Assert RPT Bit", VnSyntax::Integer, VnAccess::ReadOnly, &PimTrueFalseList},
    {"1.3.6.1.3.61.1.1.4.1.5", "Flags", VnSyntax::DisplayStr, VnAccess::ReadOnly},
    {},
};

constinit const VnSNMPVarDesc PimRpSetTable[] = {
    {"1.3.6.1.3.61.1.1.6.1.6", "Component", VnSyntax::Integer, VnAccess::NotAccess},
    {"1.3.6.1.3.61.1.1.6.1.1", "Group Address", VnSyntax::IpAddress, VnAccess::NotAccess},
    {"1.3.6.1.3.61.1.1.6.1.2", "Group Mask", VnSyntax::IpAddress, VnAccess::NotAccess},
    {"1.3.6.1.3.61.1.1.6.1.3", "Address", VnSyntax::IpAddress, VnAccess::NotAccess},
    {"1.3.6.1.3.61.1.1.6.1.4", "Hold Time", VnSyntax::Integer, VnAccess::ReadOnly},
    {"1.3.6.1.3.61.1.1.6.1.5", "Expiry Time", VnSyntax::TimeTicks, VnAccess::ReadOnly},
    {},
};

constinit const VnSNMPVarDesc PimCandidateRpTable[] = {
    {"1.3.6.1.3.61.1.1.11.1.1", "Candidate RP Group Address", VnSyntax::IpAddress, VnAccess::NotAccess},
    {"1.3.6.1.3.61.1.1.11.1.2", "Candidate RP Group Mask", VnSyntax::IpAddress, VnAccess::NotAccess},
    {"1.3.6.1.3.61.1.1.11.1.3", "Candidate RP Address", VnSyntax::IpAddress, VnAccess::ReadWrite},
    {"1.3.6.1.3.61.1.1.11.1.4", "Candidate RP Row Status", VnSyntax::Integer, VnAccess::ReadWrite,
     &PimRowStatusList},
    {},
};
