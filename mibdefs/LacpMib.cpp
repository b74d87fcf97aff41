// Enterprise 802.3ad: the aggregator table (.12.4.1.1.1) and the
// aggregation port table (.12.4.1.2.1).
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

// Read only; the four state octets hold the 802.3ad state bits, the
// activity bit first (most significant).
constinit const VnSNMPVarDesc AggregatorPortTable[] = {
    {"1.3.6.1.4.1.88406.12.4.1.2.1.1.1", "Port Index", VnSyntax::Integer, VnAccess::NotAccess},
    {"1.3.6.1.4.1.88406.12.4.1.2.1.1.2", "Actor System Priority", VnSyntax::Integer, VnAccess::ReadOnly},
    {"1.3.6.1.4.1.88406.12.4.1.2.1.1.3", "Actor System ID", VnSyntax::MacAddress, VnAccess::ReadOnly},
    {"1.3.6.1.4.1.88406.12.4.1.2.1.1.4", "Actor Admin Key", VnSyntax::Integer, VnAccess::ReadOnly},
    {"1.3.6.1.4.1.88406.12.4.1.2.1.1.5", "Actor Oper Key", VnSyntax::Integer, VnAccess::ReadOnly},
    {"1.3.6.1.4.1.88406.12.4.1.2.1.1.6", "Partner Admin System Priority", VnSyntax::Integer, VnAccess::ReadOnly},
    {"1.3.6.1.4.1.88406.12.4.1.2.1.1.7", "Partner Oper System Priority", VnSyntax::Integer, VnAccess::ReadOnly},
    {"1.3.6.1.4.1.88406.12.4.1.2.1.1.8", "Partner Admin System ID", VnSyntax::MacAddress, VnAccess::ReadOnly},
    {"1.3.6.1.4.1.88406.12.4.1.2.1.1.9", "Partner Oper System ID", VnSyntax::MacAddress, VnAccess::ReadOnly},
    {"1.3.6.1.4.1.88406.12.4.1.2.1.1.10", "Partner Admin Key", VnSyntax::Integer, VnAccess::ReadOnly},
    {"1.3.6.1.4.1.88406.12.4.1.2.1.1.11", "Partner Oper Key", VnSyntax::Integer, VnAccess::ReadOnly},
    {"1.3.6.1.4.1.88406.12.4.1.2.1.1.12", "Selected Agg ID", VnSyntax::Integer, VnAccess::ReadOnly},
    {"1.3.6.1.4.1.88406.12.4.1.2.1.1.13", "Attached Agg ID", VnSyntax::Integer, VnAccess::ReadOnly},
    {"1.3.6.1.4.1.88406.12.4.1.2.1.1.14", "Actor Port", VnSyntax::Integer, VnAccess::ReadOnly},
    {"1.3.6.1.4.1.88406.12.4.1.2.1.1.15", "Actor Port Priority", VnSyntax::Integer, VnAccess::ReadOnly},
    {"1.3.6.1.4.1.88406.12.4.1.2.1.1.16", "Partner Admin Port", VnSyntax::Integer, VnAccess::ReadOnly},
    {"1.3.6.1.4.1.88406.12.4.1.2.1.1.17", "Partner Oper Port", VnSyntax::Integer, VnAccess::ReadOnly},
    {"1.3.6.1.4.1.88406.12.4.1.2.1.1.18", "Partner Admin Port Priority", VnSyntax::Integer, VnAccess::ReadOnly},
    {"1.3.6.1.4.1.88406.12.4.1.2.1.1.19", "Partner Oper Port Priority", VnSyntax::Integer, VnAccess::ReadOnly},
    {"1.3.6.1.4.1.88406.12.4.1.2.1.1.20", "Actor Admin State", VnSyntax::BitStr, VnAccess::ReadOnly},
    {"1.3.6.1.4.1.88406.12.4.1.2.1.1.21", "Actor Oper State", VnSyntax::BitStr, VnAccess::ReadOnly},
    {"1.3.6.1.4.1.88406.12.4.1.2.1.1.22", "Partner Admin State", VnSyntax::BitStr, VnAccess::ReadOnly},
    {"1.3.6.1.4.1.88406.12.4.1.2.1.1.23", "Partner Oper State", VnSyntax::BitStr, VnAccess::ReadOnly},
    {"1.3.6.1.4.1.88406.12.4.1.2.1.1.24", "Aggregate Or Individual", VnSyntax::Integer, VnAccess::ReadOnly,
     &LacpTrueFalseList},
    {},
};
