#pragma once
// Which columns a mask dialog's set leaves out, worked out from what the
// form shows (combo-box entries, field texts) without touching a widget.
// A dialog hands the answer to one VnAccessScope around its set. Entries
// are combo-box indexes, -1 for none chosen; items are positions in the
// dialog's table.
#include <array>
#include <set>
#include <string>
#include <string_view>
#include <utility>

namespace maskcolumns {

using Items = std::set<int>;

// Entries of every mask-state combo box.
enum MaskState { kOther = 0, kDestination = 1, kSource = 2, kBoth = 3 };

// The address masks a mask state does not compare: "other" neither,
// "dst" only the destination, "src" only the source, both for the fourth.
// No state chosen leaves nothing out.
Items UnusedMasks(int maskState, int sourceItem, int destinationItem);

// ---- Ethernet (items 3 source MAC, 4 destination MAC, 7 row status)
struct EthernetChoice {
    int macState = -1;
    int rowStatus = -1;  // 2: destroy
};
// Set and Add alike; "destroy" sends the row status alone.
Items EthernetLeftOut(const EthernetChoice& choice);

// ---- IPv4 (18 items; 17 row status)
struct Ipv4Choice {
    int addressState = -1;
    int protocolType = -1;  // 0 none, 1 icmp, 2 igmp, 3 tcp, 4 udp, 5 protocolId
    int icmpOption = -1;    // 0 none
    int tcpOption = -1;     // 0 other, 1 dst-addr, 2 src-addr, 3 dst-src-addr
    int udpOption = -1;     // as tcpOption
    int flagBitOption = -1;     // 0 enable
    int protocolIdOption = -1;  // 0 enable
    bool sourceEmpty = true;
    bool destinationEmpty = true;
    bool sourcePortEmpty = true;
    bool destinationPortEmpty = true;
    bool flagBitMaskEmpty = true;
    bool protocolIdMaskEmpty = true;
};
// The protocol options the chosen protocol type does not use.
Items Ipv4ProtocolLeftOut(int protocolType, int icmpOption);
// Everything a Set or an Add leaves out.
Items Ipv4LeftOut(const Ipv4Choice& choice);

// ---- user-defined (items 1 to 5 the offset chunks, bytes 0-15 ... 64-79)
using Chunks = std::array<std::string, 5>;
// A chunk is used when its text is neither empty nor 32 zeros; a port
// profile takes at most four.
bool TooManyChunks(const Chunks& chunks);
// The empty chunks: never sent.
Items EmptyChunks(const Chunks& chunks);

// ---- IPv6 (items 1 class, 2 flow label, 3 mask state, 4 source mask,
// 5 destination mask, 6 row status)
// The masks the state does not compare; a Set (`modify`) never sends the
// row status either.
Items Ipv6LeftOut(int maskState, bool modify);
struct Ipv6Choice {
    int trafficClass = -1;
    int flowLabel = -1;
    int maskState = -1;
    bool sourceEmpty = true;
    bool destinationEmpty = true;
};
// The CPU filter's Add: what is not chosen or empty stays out, then the
// masks the state does not compare.
Items CpuIpv6AddLeftOut(const Ipv6Choice& choice);

}  // namespace maskcolumns
