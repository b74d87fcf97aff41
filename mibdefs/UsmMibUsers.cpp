// USM statistics (.15.1.1) and the user table (.15.1.2.2), keyed by the
// engine ID and the user name, both length-prefixed.
#include "UsmMib.h"

namespace {

const VnIntOption usmRowStatusOptions[] = {{1, "active"}, {4, "createAndGo"}, {6, "destroy"}, {0, nullptr}};

}  // namespace

const VnOptionList UsmRowStatusList(usmRowStatusOptions);

constinit const VnSNMPVarDesc UsmStatisticsTable[] = {
    {"1.3.6.1.6.3.15.1.1.1", "Unsupported Security Level Packets", VnSyntax::Counter, VnAccess::ReadOnly},
    {"1.3.6.1.6.3.15.1.1.2", "Not InTime Window Packets", VnSyntax::Counter, VnAccess::ReadOnly},
    {"1.3.6.1.6.3.15.1.1.3", "Unknown User Name Packets", VnSyntax::Counter, VnAccess::ReadOnly},
    {"1.3.6.1.6.3.15.1.1.4", "Unknown EngineID Packets", VnSyntax::Counter, VnAccess::ReadOnly},
    {"1.3.6.1.6.3.15.1.1.5", "Wrong Digest Packets", VnSyntax::Counter, VnAccess::ReadOnly},
    {"1.3.6.1.6.3.15.1.1.6", "Decryption Error Packets", VnSyntax::Counter, VnAccess::ReadOnly},
    {},
};

constinit const VnSNMPVarDesc UsmUserTable[] = {
    {"1.3.6.1.6.3.15.1.2.2.1.1", "Engine ID", VnSyntax::OctetStr, VnAccess::NotAccess},
    {"1.3.6.1.6.3.15.1.2.2.1.2", "User Name", VnSyntax::DisplayStr, VnAccess::NotAccess},
    {"1.3.6.1.6.3.15.1.2.2.1.3", "Security Name", VnSyntax::DisplayStr, VnAccess::ReadOnly},
    {"1.3.6.1.6.3.15.1.2.2.1.5", "Authentication Protocol", VnSyntax::ObjectId, VnAccess::ReadWrite,
     &UsmAuthProtocolList},
    {"1.3.6.1.6.3.15.1.2.2.1.8", "Privacy Protocol", VnSyntax::ObjectId, VnAccess::ReadWrite, &UsmPrivProtocolList},
    {"1.3.6.1.6.3.15.1.2.2.1.13", "Status", VnSyntax::Integer, VnAccess::ReadWrite, &UsmRowStatusList},
    {},
};
