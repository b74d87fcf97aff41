// BRIDGE-MIB base and transparent-bridge scalars, the P-BRIDGE priority
// tables and the Q-BRIDGE unicast forwarding database.
#include "BridgeMib.h"

namespace {

const VnIntOption fdbStatusOptions[] = {
    {1, "other"}, {2, "invalid"}, {3, "learned"}, {4, "self"}, {5, "mgmt"}, {0, nullptr}};

}  // namespace

const VnOptionList FdbStatusList(fdbStatusOptions);

constinit const VnSNMPVarDesc Bridge8021dInformationTable[] = {
    {"1.3.6.1.2.1.17.1.2", "Number of Ports", VnSyntax::Integer, VnAccess::ReadOnly},
    {"1.3.6.1.2.1.17.4.1", "Learned Entry Discards", VnSyntax::Counter, VnAccess::ReadOnly},
    {"1.3.6.1.2.1.17.4.2", "Aging Time[10-1000000]", VnSyntax::Integer, VnAccess::ReadWrite},
    {},
};

// The port number has no object in the P-BRIDGE tables: it is the first
// part of each row's instance.
constinit const VnSNMPVarDesc DefaultUserPriorityTable[] = {
    {"1.3.6.1.2.1.17.1.4.1.1", "Port Number", VnSyntax::Integer, VnAccess::NotAccess},
    {"1.3.6.1.2.1.17.6.1.2.1.1.1", "Default User Priority", VnSyntax::Integer, VnAccess::ReadWrite},
    {"1.3.6.1.2.1.17.6.1.2.1.1.2", "Port Num Traffic Classes", VnSyntax::Integer, VnAccess::ReadOnly},
    {},
};

constinit const VnSNMPVarDesc RegeneratedUserPriorityTable[] = {
    {"1.3.6.1.2.1.17.1.4.1.1", "Port Number", VnSyntax::Integer, VnAccess::NotAccess},
    {"1.3.6.1.2.1.17.6.1.2.2.1.1", "User Priority", VnSyntax::Integer, VnAccess::NotAccess},
    {"1.3.6.1.2.1.17.6.1.2.2.1.2", "Regenerated User Priority", VnSyntax::Integer, VnAccess::ReadWrite},
    {},
};

constinit const VnSNMPVarDesc TrafficClassTable[] = {
    {"1.3.6.1.2.1.17.1.4.1.1", "Port Number", VnSyntax::Integer, VnAccess::NotAccess},
    {"1.3.6.1.2.1.17.6.1.2.3.1.1", "Traffic Class Priority", VnSyntax::Integer, VnAccess::NotAccess},
    {"1.3.6.1.2.1.17.6.1.2.3.1.2", "Mapped Traffic Class", VnSyntax::Integer, VnAccess::ReadWrite},
    {},
};

constinit const VnSNMPVarDesc OutboundAccessPriorityTable[] = {
    {"1.3.6.1.2.1.17.1.4.1.1", "Port Number", VnSyntax::Integer, VnAccess::NotAccess},
    {"1.3.6.1.2.1.17.6.1.2.2.1.2", "Regenerated User Priority", VnSyntax::Integer, VnAccess::NotAccess},
    {"1.3.6.1.2.1.17.6.1.2.4.1.1", "Port Outbound Access Priority", VnSyntax::Integer, VnAccess::ReadOnly},
    {},
};

// "Fdb MACA ddress" is the column caption users know, misspelt as it is.
constinit const VnSNMPVarDesc UnicastForwardingTable[] = {
    {"1.3.6.1.2.1.17.7.1.2.1.1.1", "Fdb Id", VnSyntax::Integer, VnAccess::NotAccess},
    {"1.3.6.1.2.1.17.7.1.2.2.1.1", "Fdb MACA ddress", VnSyntax::MacAddress, VnAccess::NotAccess},
    {"1.3.6.1.2.1.17.7.1.2.2.1.2", "Port Number", VnSyntax::Integer, VnAccess::ReadOnly},
    {"1.3.6.1.2.1.17.7.1.2.2.1.3", "Status", VnSyntax::Integer, VnAccess::ReadOnly, &FdbStatusList},
    {},
};
