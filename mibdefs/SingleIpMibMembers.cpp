// Single-IP member switches (.12.8.1.3.1): the list the commander shows, and
// the three columns a member is added or removed with.
#include "SingleIpMib.h"

namespace {

const VnIntOption memberRowStatusOptions[] = {{1, "active"}, {4, "createAndGo"}, {6, "destroy"}, {0, nullptr}};

}  // namespace

const VnOptionList MemberRowStatusList(memberRowStatusOptions);

constinit const VnSNMPVarDesc MemberSwitchTable[] = {
    {"1.3.6.1.4.1.88406.12.8.1.3.1.1", "Member ID", VnSyntax::Integer, VnAccess::NotAccess},
    {"1.3.6.1.4.1.88406.12.8.1.3.1.2", "Member Name", VnSyntax::DisplayStr, VnAccess::ReadOnly},
    {"1.3.6.1.4.1.88406.12.8.1.3.1.3", "Member MAC Addr", VnSyntax::MacAddress, VnAccess::ReadOnly},
    {"1.3.6.1.4.1.88406.12.8.1.3.1.4", "Member Firmware Version", VnSyntax::DisplayStr, VnAccess::ReadOnly},
    {"1.3.6.1.4.1.88406.12.8.1.3.1.5", "Member Capability", VnSyntax::DisplayStr, VnAccess::ReadOnly},
    {"1.3.6.1.4.1.88406.12.8.1.3.1.6", "Member Platform", VnSyntax::DisplayStr, VnAccess::ReadOnly},
    {"1.3.6.1.4.1.88406.12.8.1.3.1.7", "Member Holdtime", VnSyntax::Integer, VnAccess::ReadOnly},
    {"1.3.6.1.4.1.88406.12.8.1.3.1.8", "Member Candidate Source", VnSyntax::Integer, VnAccess::ReadWrite},
    {"1.3.6.1.4.1.88406.12.8.1.3.1.9", "Member Password", VnSyntax::DisplayStr, VnAccess::ReadWrite},
    {"1.3.6.1.4.1.88406.12.8.1.3.1.10", "Member Row Status", VnSyntax::Integer, VnAccess::ReadWrite,
     &MemberRowStatusList},
    {},
};

constinit const VnSNMPVarDesc MemberWriteTable[] = {
    {"1.3.6.1.4.1.88406.12.8.1.3.1.8", "Member Candidate Source", VnSyntax::Integer, VnAccess::ReadWrite},
    {"1.3.6.1.4.1.88406.12.8.1.3.1.9", "Member Password", VnSyntax::DisplayStr, VnAccess::ReadWrite},
    {"1.3.6.1.4.1.88406.12.8.1.3.1.10", "Member Row Status", VnSyntax::Integer, VnAccess::ReadWrite,
     &MemberRowStatusList},
    {},
};
