// Spanning tree: the enterprise STP switch and bridge settings (.12.15.1)
// and the BRIDGE-MIB port table with the RSTP columns that augment it.
#include "SwitchMib.h"

namespace {

const VnIntOption stpVersionOptions[] = {{0, "STP"}, {1, "RSTP"}, {2, "MSTP"}, {0, nullptr}};
const VnIntOption stpPortStatusOptions[] = {{1, "disabled"},   {2, "blocking"}, {3, "listening"}, {4, "learning"},
                                            {5, "forwarding"}, {6, "broken"},   {0, nullptr}};
const VnIntOption stpPointToPointOptions[] = {{0, "forceTrue"}, {1, "forceFalse"}, {2, "Auto"}, {0, nullptr}};

}  // namespace

const VnOptionList StpVersionList(stpVersionOptions);
const VnOptionList StpPortStatusList(stpPortStatusOptions);
const VnOptionList StpPointToPointList(stpPointToPointOptions);

constinit const VnSNMPVarDesc SpanningTreeAlgorithmTable[] = {
    {"1.3.6.1.4.1.88406.12.15.1.1", "Spanning Tree Algorithm", VnSyntax::Integer, VnAccess::ReadWrite,
     &SwStateList},
    {},
};

constinit const VnSNMPVarDesc StpControlTable[] = {
    {"1.3.6.1.4.1.88406.12.15.1.2", "STP Version", VnSyntax::Integer, VnAccess::ReadWrite, &StpVersionList},
    {"1.3.6.1.4.1.88406.12.15.1.3", "Max Age[600-4000]", VnSyntax::Integer, VnAccess::ReadWrite},
    {"1.3.6.1.4.1.88406.12.15.1.4", "Hello Time[100-1000]", VnSyntax::Integer, VnAccess::ReadWrite},
    {"1.3.6.1.4.1.88406.12.15.1.5", "Forward Delay[400-3000]", VnSyntax::Integer, VnAccess::ReadWrite},
    {"1.3.6.1.4.1.88406.12.15.1.6", "Max Hops[1-20]", VnSyntax::Integer, VnAccess::ReadWrite},
    {"1.3.6.1.4.1.88406.12.15.1.7", "Tx Hold Count[1-10]", VnSyntax::Integer, VnAccess::ReadWrite},
    {"1.3.6.1.4.1.88406.12.15.1.8", "Forwarding BPDU", VnSyntax::Integer, VnAccess::ReadWrite, &SwStateList},
    {},
};

// The trailing blanks of "Status" and "State" are part of the captions
// users know: keep them.
constinit const VnSNMPVarDesc StpPortTable[] = {
    {"1.3.6.1.2.1.17.2.15.1.1", "Port", VnSyntax::Integer, VnAccess::ReadOnly},
    {"1.3.6.1.2.1.17.2.15.1.2", "Priority", VnSyntax::Integer, VnAccess::ReadWrite},
    {"1.3.6.1.2.1.17.2.15.1.3", "Status        ", VnSyntax::Integer, VnAccess::ReadOnly, &StpPortStatusList},
    {"1.3.6.1.2.1.17.2.15.1.4", "State  ", VnSyntax::Integer, VnAccess::ReadWrite, &AgentEnabledList},
    {"1.3.6.1.2.1.17.2.19.1.1", "Migration", VnSyntax::Integer, VnAccess::ReadWrite, &AgentTrueFalseList},
    {"1.3.6.1.2.1.17.2.19.1.2", "Edge", VnSyntax::Integer, VnAccess::ReadWrite, &AgentTrueFalseList},
    {"1.3.6.1.2.1.17.2.19.1.4", "Point To Point", VnSyntax::Integer, VnAccess::ReadWrite, &StpPointToPointList},
    {"1.3.6.1.2.1.17.2.19.1.6", "PathCost", VnSyntax::Integer, VnAccess::ReadWrite},
    {},
};
