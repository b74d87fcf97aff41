// SNMP-COMMUNITY-MIB snmpCommunityTable (1.3.6.1.6.3.18.1.1): IMPLIED
// string index, name, security name and row status.
#include "SnmpTargetMib.h"

namespace {

const VnIntOption communityStatusOptions[] = {{1, "active"}, {4, "createAndGo"}, {6, "destroy"}, {0, nullptr}};

}  // namespace

const VnOptionList CommunityStatusList(communityStatusOptions);

constinit const VnSNMPVarDesc CommunityStringTable[] = {
    {"1.3.6.1.6.3.18.1.1.1.1", "Index", VnSyntax::DisplayStr, VnAccess::NotAccess | VnAccess::Implied},
    {"1.3.6.1.6.3.18.1.1.1.2", "Name", VnSyntax::DisplayStr, VnAccess::ReadWrite},
    {"1.3.6.1.6.3.18.1.1.1.3", "Security Name", VnSyntax::DisplayStr, VnAccess::ReadWrite},
    {"1.3.6.1.6.3.18.1.1.1.8", "Status", VnSyntax::Integer, VnAccess::ReadWrite, &CommunityStatusList},
    {},
};
