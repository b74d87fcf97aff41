// RADIUS accounting client: the client scalars and the server table.
#include "RadiusAccClientMib.h"

// "Radius Management" > "Accounting Control" > "Basic Information"
constinit const VnSNMPVarDesc RadiusAccInformationTable[] = {
    {"1.3.6.1.2.1.67.2.2.1.1.1", "Unknown Address Packets", VnSyntax::Counter, VnAccess::ReadOnly},
    {"1.3.6.1.2.1.67.2.2.1.1.2", "Accouting Client Identifier", VnSyntax::DisplayStr, VnAccess::ReadOnly},
    {},
};

// "Radius Management" > "Accounting Control" > "Server Table"
constinit const VnSNMPVarDesc RadiusAccServerTable[] = {
    {"1.3.6.1.2.1.67.2.2.1.1.3.1.1", "Index", VnSyntax::Integer, VnAccess::NotAccess},
    {"1.3.6.1.2.1.67.2.2.1.1.3.1.2", "Address", VnSyntax::IpAddress, VnAccess::ReadOnly},
    {"1.3.6.1.2.1.67.2.2.1.1.3.1.3", "Accouting Port Number", VnSyntax::Integer, VnAccess::ReadOnly},
    {"1.3.6.1.2.1.67.2.2.1.1.3.1.4", "Round Trip Time", VnSyntax::TimeTicks, VnAccess::ReadOnly},
    {"1.3.6.1.2.1.67.2.2.1.1.3.1.5", "Requests Packets", VnSyntax::Counter, VnAccess::ReadOnly},
    {"1.3.6.1.2.1.67.2.2.1.1.3.1.6", "Retransmissions Packets", VnSyntax::Counter, VnAccess::ReadOnly},
    {"1.3.6.1.2.1.67.2.2.1.1.3.1.7", "Responses Packets", VnSyntax::Counter, VnAccess::ReadOnly},
    {"1.3.6.1.2.1.67.2.2.1.1.3.1.8", "Malformed Responses Packets", VnSyntax::Counter, VnAccess::ReadOnly},
    {"1.3.6.1.2.1.67.2.2.1.1.3.1.9", "Bad Authenticators Packets", VnSyntax::Counter, VnAccess::ReadOnly},
    {"1.3.6.1.2.1.67.2.2.1.1.3.1.10", "Pending Requests Packets", VnSyntax::Gauge, VnAccess::ReadOnly},
    {"1.3.6.1.2.1.67.2.2.1.1.3.1.11", "Timeout Numbers", VnSyntax::Counter, VnAccess::ReadOnly},
    {"1.3.6.1.2.1.67.2.2.1.1.3.1.12", "Unknown Types Packets", VnSyntax::Counter, VnAccess::ReadOnly},
    {"1.3.6.1.2.1.67.2.2.1.1.3.1.13", "Packets Dropped", VnSyntax::Counter, VnAccess::ReadOnly},
    {},
};
