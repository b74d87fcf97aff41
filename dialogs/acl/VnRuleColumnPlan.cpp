#include "VnRuleColumnPlan.h"

#include <algorithm>
#include <set>

namespace {

constexpr int kKeyCount = 2;

bool Contains(const std::vector<int>& items, int item)
{
    return std::find(items.begin(), items.end(), item) != items.end();
}

}  // namespace

std::vector<int> VnProtocolLeftOut(int entry)
{
    switch (entry) {
    case 0:  // none
        return {7, 8, 9, 10, 11, 12, 13};
    case 1:  // icmp: type and code
        return {9, 10, 11, 12, 13};
    case 2:  // igmp: type
        return {8, 9, 10, 11, 12, 13};
    case 3:  // tcp: ports and flag bits
        return {7, 8, 12, 13};
    case 4:  // udp: ports
        return {7, 8, 11, 12, 13};
    case 5:  // protocolId: protocol ID and user mask
        return {7, 8, 9, 10, 11};
    default:
        return {};
    }
}

std::vector<int> VnRuleLeftOut(const VnRuleColumns& columns, VnRuleCommand command, const VnRuleChoice& choice)
{
    std::set<int> out;
    if (command == VnRuleCommand::Remove) {
        for (int item = kKeyCount; item < columns.itemCount; ++item) {
            if (item != columns.rowStatus)
                out.insert(item);
        }
        return {out.begin(), out.end()};
    }
    for (int item : columns.boxed) {
        if (!Contains(choice.checked, item))
            out.insert(item);
    }
    if (columns.permit >= 0 && Contains(choice.checked, columns.permit) && choice.deny)
        out.insert(columns.actions.begin(), columns.actions.end());
    if (columns.enablePriority >= 0 && columns.priority >= 0 && Contains(choice.checked, columns.enablePriority)
        && choice.priorityDisabled)
        out.insert(columns.priority);
    if (columns.byProtocol) {
        for (int item : VnProtocolLeftOut(choice.protocolEntry))
            out.insert(item);
    }
    if (command == VnRuleCommand::Add) {
        out.erase(columns.rowStatus);
        if (columns.port >= 0 && !choice.anyPort)
            out.insert(columns.port);
    } else if (columns.port >= 0) {
        out.erase(columns.port);
    }
    for (auto it = out.begin(); it != out.end();) {
        if (*it < kKeyCount || *it >= columns.itemCount)
            it = out.erase(it);
        else
            ++it;
    }
    return {out.begin(), out.end()};
}
