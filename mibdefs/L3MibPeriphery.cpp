// Layer-3 keys and relays: MD5 keys (.4), BOOTP relay servers (.3.1.4) and
// route redistribution (.5), under 1.3.6.1.4.1.88406.11.59.5.3.
#include "L3Mib.h"

namespace {

const VnIntOption l3RowStatusOptions[] = {{1, "active"}, {4, "createAndGo"}, {6, "destroy"}, {0, nullptr}};
const VnIntOption l3ValidStateOptions[] = {{2, "invalid"}, {3, "valid"}, {0, nullptr}};
const VnIntOption l3RedistSourceOptions[] = {{2, "RIP"}, {3, "OSPF"}, {4, "static"}, {5, "local"}, {0, nullptr}};
const VnIntOption l3RedistDestinationOptions[] = {{2, "RIP"}, {3, "OSPF"}, {0, nullptr}};
const VnIntOption l3RedistTypeOptions[] = {{2, "all"},      {3, "type-1"},   {4, "type-2"},
                                           {5, "internal"}, {6, "external"}, {7, "inter+E1"},
                                           {8, "inter+E2"}, {9, "extType1"}, {10, "extType2"},
                                           {0, nullptr}};

}  // namespace

const VnOptionList L3RowStatusList(l3RowStatusOptions);
const VnOptionList L3ValidStateList(l3ValidStateOptions);
const VnOptionList L3RedistSourceList(l3RedistSourceOptions);
const VnOptionList L3RedistDestinationList(l3RedistDestinationOptions);
const VnOptionList L3RedistTypeList(l3RedistTypeOptions);

constinit const VnSNMPVarDesc Md5KeyTable[] = {
    {"1.3.6.1.4.1.88406.11.59.5.3.4.1.1", "Key Id", VnSyntax::Integer, VnAccess::NotAccess},
    {"1.3.6.1.4.1.88406.11.59.5.3.4.1.2", "Key", VnSyntax::DisplayStr, VnAccess::ReadWrite},
    {"1.3.6.1.4.1.88406.11.59.5.3.4.1.3", "Status", VnSyntax::Integer, VnAccess::ReadWrite, &L3RowStatusList},
    {},
};

constinit const VnSNMPVarDesc BootpRelayTable[] = {
    {"1.3.6.1.4.1.88406.11.59.5.3.3.1.4.1.1", "Interface Name", VnSyntax::DisplayStr, VnAccess::NotAccess},
    {"1.3.6.1.4.1.88406.11.59.5.3.3.1.4.1.2", "Bootp Server IP", VnSyntax::IpAddress, VnAccess::NotAccess},
    {"1.3.6.1.4.1.88406.11.59.5.3.3.1.4.1.3", "State", VnSyntax::Integer, VnAccess::ReadWrite, &L3ValidStateList},
    {},
};

constinit const VnSNMPVarDesc RouteRedistributionTable[] = {
    {"1.3.6.1.4.1.88406.11.59.5.3.5.1.1", "Source Protocol", VnSyntax::Integer, VnAccess::NotAccess,
     &L3RedistSourceList},
    {"1.3.6.1.4.1.88406.11.59.5.3.5.1.2", "Destination Protocol", VnSyntax::Integer, VnAccess::NotAccess,
     &L3RedistDestinationList},
    {"1.3.6.1.4.1.88406.11.59.5.3.5.1.3", "Type", VnSyntax::Integer, VnAccess::ReadWrite, &L3RedistTypeList},
    {"1.3.6.1.4.1.88406.11.59.5.3.5.1.4", "Metric", VnSyntax::Integer, VnAccess::ReadWrite},
    {"1.3.6.1.4.1.88406.11.59.5.3.5.1.5", "RowStatus", VnSyntax::Integer, VnAccess::ReadWrite, &L3RowStatusList},
    {},
};
