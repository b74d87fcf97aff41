#include "MaskColumns.h"

namespace maskcolumns {

namespace {

constexpr std::string_view kZeroChunk = "00000000000000000000000000000000";

void AddRange(Items& items, int first, int last)
{
    for (int i = first; i <= last; ++i)
        items.insert(i);
}

bool Uses(int option, int state)
{
    return option == state || option == kBoth;
}

}  // namespace

Items UnusedMasks(int maskState, int sourceItem, int destinationItem)
{
    switch (maskState) {
    case kOther:
        return {sourceItem, destinationItem};
    case kDestination:
        return {sourceItem};
    case kSource:
        return {destinationItem};
    default:
        return {};
    }
}

Items EthernetLeftOut(const EthernetChoice& choice)
{
    Items out = UnusedMasks(choice.macState, 3, 4);
    if (choice.rowStatus == 2)
        AddRange(out, 1, 6);
    return out;
}

Items Ipv4ProtocolLeftOut(int protocolType, int icmpOption)
{
    Items out;
    switch (protocolType) {
    case 1:  // icmp
        AddRange(out, 8, 16);
        if (icmpOption == 0)
            out.insert(7);
        break;
    case 2:  // igmp
        out.insert(7);
        AddRange(out, 9, 16);
        break;
    case 3:  // tcp
        out.insert({7, 8, 10, 15, 16});
        break;
    case 4:  // udp
        out.insert({7, 8, 9, 13, 14, 15, 16});
        break;
    case 5:  // protocolId
        AddRange(out, 7, 14);
        break;
    default:
        AddRange(out, 7, 16);
        break;
    }
    return out;
}

Items Ipv4LeftOut(const Ipv4Choice& c)
{
    Items out = UnusedMasks(c.addressState, 3, 4);
    if (c.tcpOption == 0)
        out.insert(9);
    if (c.udpOption == 0)
        out.insert(10);
    // A port mask goes out when the TCP or the UDP option compares its port.
    if (!Uses(c.tcpOption, kSource) && !Uses(c.udpOption, kSource))
        out.insert(11);
    if (!Uses(c.tcpOption, kDestination) && !Uses(c.udpOption, kDestination))
        out.insert(12);
    if (c.flagBitOption != 0)
        out.insert(14);
    if (!(c.protocolType == 5 && c.protocolIdOption == 0))
        out.insert(16);
    out.merge(Ipv4ProtocolLeftOut(c.protocolType, c.icmpOption));
    const std::pair<bool, int> empties[] = {{c.sourceEmpty, 3},      {c.destinationEmpty, 4},
                                            {c.sourcePortEmpty, 11}, {c.destinationPortEmpty, 12},
                                            {c.flagBitMaskEmpty, 14}, {c.protocolIdMaskEmpty, 16}};
    for (const auto& [empty, item] : empties) {
        if (empty)
            out.insert(item);
    }
    return out;
}

bool TooManyChunks(const Chunks& chunks)
{
    int used = 0;
    for (const std::string& chunk : chunks) {
        if (!chunk.empty() && chunk != kZeroChunk)
            ++used;
    }
    return used > 4;
}

Items EmptyChunks(const Chunks& chunks)
{
    Items out;
    for (int k = 0; k < 5; ++k) {
        if (chunks[static_cast<std::size_t>(k)].empty())
            out.insert(k + 1);
    }
    return out;
}

Items Ipv6LeftOut(int maskState, bool modify)
{
    Items out = UnusedMasks(maskState, 4, 5);
    if (modify)
        out.insert(6);
    return out;
}

Items CpuIpv6AddLeftOut(const Ipv6Choice& c)
{
    Items out;
    if (c.trafficClass < 0)
        out.insert(1);
    if (c.flowLabel < 0)
        out.insert(2);
    if (c.maskState < 0)
        out.insert({3, 4, 5});
    if (Uses(c.maskState, kDestination) && c.destinationEmpty)
        out.insert(5);
    if (Uses(c.maskState, kSource) && c.sourceEmpty)
        out.insert(4);
    out.merge(Ipv6LeftOut(c.maskState, false));
    return out;
}

}  // namespace maskcolumns
