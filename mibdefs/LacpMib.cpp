// Enterprise 802.3ad: the aggregator table (.12.4.1.1.1).
#include "LacpMib.h"

namespace {

const VnIntOption lacpTrueFalseOptions[] = {{1, "true"}, {2, "false"}, {0, nullptr}};

}  // namespace

const VnOptionList LacpTrueFalseList(lacpTrueFalseOptions);

constinit const VnSNMPVarDesc AggregatorTable[] = {
    {"1.3.6.1.4.1.88406.12.4.1.1.1.1.1", "Index", VnSyntax::Integer, VnAccess::NotAccess},
    {"1.3.6.1.4.1.88406.12.4.1.1.1.1.2", "MACAddress", VnSyntax::MacAddress, VnAccess::ReadOnly},
    {"1.3.6.1.4.1.88406.12.4.1.1.1.1.3", "Actor System Priority", VnSyntax::Integer, VnAccess::ReadWrite},
    {"1.3.6.1.4.1.88406.12.4.1.1.1.1.4", "Actor System ID", VnSyntax::MacAddress, VnAccess::ReadOnly},
    {"1.3.6.1.4.1.88406.12.4.1.1.1.1.5", "Aggregate Or Individual", VnSyntax::Integer, VnAccess::ReadOnly,
     &LacpTrueFalseList},
    {"1.3.6.1.4.1.88406.12.4.1.1.1.1.6", "Actor Admin value Key", VnSyntax::Integer, VnAccess::ReadWrite},
    {"1.3.6.1.4.1.88406.12.4.1.1.1.1.7", "Actor Operational Value Key", VnSyntax::Integer, VnAccess::ReadOnly},
    {"1.3.6.1.4.1.88406.12.4.1.1.1.1.8", "Partner System ID", VnSyntax::MacAddress, VnAccess::ReadOnly},
    {"1.3.6.1.4.1.88406.12.4.1.1.1.1.9", "Partner System Priority", VnSyntax::Integer, VnAccess::ReadOnly},
    {"1.3.6.1.4.1.88406.12.4.1.1.1.1.10", "Partner Operational Value Key", VnSyntax::Integer, VnAccess::ReadOnly},
    {"1.3.6.1.4.1.88406.12.4.1.1.1.1.11", "Collector Max Delay", VnSyntax::Integer, VnAccess::ReadWrite},
    {},
};
