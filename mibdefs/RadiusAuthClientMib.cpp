// RADIUS authentication client: the client scalars and the server table.
#include "RadiusAuthClientMib.h"

// "Radius Management" > "Authentication Information"
constinit const VnSNMPVarDesc RadiusAuthInformationTable[] = {
    {"1.3.6.1.2.1.67.1.2.1.1.1", "Unknown Address Packets", VnSyntax::Counter, VnAccess::ReadOnly},
    {"1.3.6.1.2.1.67.1.2.1.1.2", "Authentication Client Identifier", VnSyntax::DisplayStr, VnAccess::ReadOnly},
    {},
};

// "Radius Management" > "Authentication Table"
constinit const VnSNMPVarDesc RadiusAuthServerTable[] = {
    {"1.3.6.1.2.1.67.1.2.1.1.3.1.1", "Index", VnSyntax::Integer, VnAccess::NotAccess},
    {"1.3.6.1.2.1.67.1.2.1.1.3.1.2", "Address", VnSyntax::IpAddress, VnAccess::ReadOnly},
    {"1.3.6.1.2.1.67.1.2.1.1.3.1.3", "Authentication Port Number", VnSyntax::Integer, VnAccess::ReadOnly},
    {"1.3.6.1.2.1.67.1.2.1.1.3.1.4", "Round Trip Time", VnSyntax::TimeTicks, VnAccess::ReadOnly},
    {"1.3.6.1.2.1.67.1.2.1.1.3.1.5", "Access-Requests Packets", VnSyntax::Counter, VnAccess::ReadOnly},
    {"1.3.6.1.2.1.67.1.2.1.1.3.1.6", "Access-Retransmissions Packets", VnSyntax::Counter, VnAccess::ReadOnly},
    {"1.3.6.1.2.1.67.1.2.1.1.3.1.7", "Access-Accepts Packets", VnSyntax::Counter, VnAccess::ReadOnly},
    {"1.3.6.1.2.1.67.1.2.1.1.3.1.8", "Access-Rejects Packets", VnSyntax::Counter, VnAccess::ReadOnly},
    {"1.3.6.1.2.1.67.1.2.1.1.3.1.9", "Access-Challenges Packets", VnSyntax::Counter, VnAccess::ReadOnly},
    {"1.3.6.1.2.1.67.1.2.1.1.3.1.10", "Malformed Access Responses Packets", VnSyntax::Counter, VnAccess::ReadOnly},
    {"1.3.6.1.2.1.67.1.2.1.1.3.1.11", "Bad Authenticators Packets", VnSyntax::Counter, VnAccess::ReadOnly},
    {"1.3.6.1.2.1.67.1.2.1.1.3.1.12", "Pending Requests Packets", VnSyntax::Gauge, VnAccess::ReadOnly},
    {"1.3.6.1.2.1.67.1.2.1.1.3.1.13", "Timeout Numbers", VnSyntax::Counter, VnAccess::ReadOnly},
    {"1.3.6.1.2.1.67.1.2.1.1.3.1.14", "Unknown Types Packets", VnSyntax::Counter, VnAccess::ReadOnly},
    {"1.3.6.1.2.1.67.1.2.1.1.3.1.15", "Packets Dropped", VnSyntax::Counter, VnAccess::ReadOnly},
    {},
};
