// VACM groups (.16.1.2), access rights (.16.1.4) and MIB views (.16.1.5.2).
#include "VacmMib.h"

namespace {

const VnIntOption vacmRowStatusOptions[] = {{1, "active"}, {4, "createAndGo"}, {6, "destroy"}, {0, nullptr}};
const VnIntOption vacmSecurityLevelOptions[] = {{1, "noAuthNoPriv"}, {2, "authNoPriv"}, {3, "authPriv"}, {0, nullptr}};
const VnIntOption vacmViewTypeOptions[] = {{1, "included"}, {2, "excluded"}, {0, nullptr}};

}  // namespace

const VnOptionList VacmRowStatusList(vacmRowStatusOptions);
const VnOptionList VacmSecurityLevelList(vacmSecurityLevelOptions);
const VnOptionList VacmViewTypeList(vacmViewTypeOptions);

constinit const VnSNMPVarDesc VacmSecurityGroupTable[] = {
    {"1.3.6.1.6.3.16.1.2.1.1", "Security Model", VnSyntax::Integer, VnAccess::NotAccess},
    {"1.3.6.1.6.3.16.1.2.1.2", "Security Name", VnSyntax::DisplayStr, VnAccess::NotAccess},
    {"1.3.6.1.6.3.16.1.2.1.3", "Group Name", VnSyntax::DisplayStr, VnAccess::ReadWrite},
    {"1.3.6.1.6.3.16.1.2.1.5", "Security Group Status", VnSyntax::Integer, VnAccess::ReadWrite, &VacmRowStatusList},
    {},
};

// The first key is the group name of vacmSecurityToGroupEntry; the context
// prefix is often empty.
constinit const VnSNMPVarDesc VacmAccessTable[] = {
    {"1.3.6.1.6.3.16.1.2.1.3", "Vacm Group Name", VnSyntax::DisplayStr, VnAccess::NotAccess},
    {"1.3.6.1.6.3.16.1.4.1.1", "Access Context Prefix", VnSyntax::DisplayStr,
     VnAccess::NotAccess | VnAccess::MayBeEmpty},
    {"1.3.6.1.6.3.16.1.4.1.2", "Access Security Model", VnSyntax::Integer, VnAccess::NotAccess},
    {"1.3.6.1.6.3.16.1.4.1.3", "Access Security Level", VnSyntax::Integer, VnAccess::NotAccess,
     &VacmSecurityLevelList},
    {"1.3.6.1.6.3.16.1.4.1.5", "Access Read View Name", VnSyntax::DisplayStr, VnAccess::ReadWrite},
    {"1.3.6.1.6.3.16.1.4.1.6", "Access Write View Name", VnSyntax::DisplayStr, VnAccess::ReadWrite},
    {"1.3.6.1.6.3.16.1.4.1.7", "Access Notify View Name", VnSyntax::DisplayStr, VnAccess::ReadWrite},
    {"1.3.6.1.6.3.16.1.4.1.9", "Access Status", VnSyntax::Integer, VnAccess::ReadWrite, &VacmRowStatusList},
    {},
};

constinit const VnSNMPVarDesc VacmViewTreeTable[] = {
    {"1.3.6.1.6.3.16.1.5.2.1.1", "vacmViewTreeFamilyViewName", VnSyntax::DisplayStr, VnAccess::NotAccess},
    {"1.3.6.1.6.3.16.1.5.2.1.2", "vacmViewTreeFamilySubtree", VnSyntax::ObjectId, VnAccess::NotAccess},
    {"1.3.6.1.6.3.16.1.5.2.1.4", "vacmViewTreeFamilyType", VnSyntax::Integer, VnAccess::ReadWrite,
     &VacmViewTypeList},
    {"1.3.6.1.6.3.16.1.5.2.1.6", "vacmViewTreeFamilyStatus", VnSyntax::Integer, VnAccess::ReadWrite,
     &VacmRowStatusList},
    {},
};
