// Which columns a rule write leaves out, as tables of choices: the
// selection boxes, the permit gate, the port and row-status rules, the
// protocol table, the priority rule and remove mode.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "VnRuleColumnPlan.h"

namespace {

using C = VnRuleCommand;

// The Ethernet rule table of the ports: 2..11 fields, 7..11 actions,
// 12 permit, 13 port, 14 row status.
const VnRuleColumns kEthernet{.itemCount = 15,
                              .boxed = {2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 14},
                              .actions = {7, 8, 9, 10, 11},
                              .permit = 12,
                              .port = 13,
                              .rowStatus = 14};

// The IPv4 rule table of the ports: 6 protocol, 7..13 layer 4, 14..18
// actions, 19 permit, 20 port, 21 row status.
const VnRuleColumns kIpv4{.itemCount = 22,
                          .boxed = {2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15, 16, 17, 18, 19, 21},
                          .actions = {14, 15, 16, 17, 18},
                          .permit = 19,
                          .port = 20,
                          .rowStatus = 21,
                          .byProtocol = true};

// The IPv6 rule table of the ports: 6 enable priority, 7 priority.
const VnRuleColumns kIpv6{.itemCount = 12,
                          .boxed = {2, 3, 4, 5, 6, 7, 8, 9, 11},
                          .actions = {6, 7, 8},
                          .permit = 9,
                          .port = 10,
                          .rowStatus = 11,
                          .enablePriority = 6,
                          .priority = 7};

// The Ethernet rules of the CPU filter: no port, no actions.
const VnRuleColumns kCpuEthernet{.itemCount = 9, .boxed = {2, 3, 4, 5, 6, 7, 8}, .permit = 7, .rowStatus = 8};

std::vector<int> Range(int first, int last)
{
    std::vector<int> items;
    for (int i = first; i <= last; ++i)
        items.push_back(i);
    return items;
}

std::vector<int> Without(std::vector<int> items, std::initializer_list<int> gone)
{
    for (int g : gone)
        std::erase(items, g);
    return items;
}

struct PlanCase {
    const char* what;
    const VnRuleColumns* columns;
    VnRuleCommand command;
    VnRuleChoice choice;
    std::vector<int> leftOut;
};

TEST(RuleColumnPlan, LeavesOutWhatTheUserDidNotChoose)
{
    const std::vector<PlanCase> cases = {
        {"edit, nothing checked: only the port list", &kEthernet, C::Edit, {}, Without(Range(2, 14), {13})},
        {"edit, one field checked", &kEthernet, C::Edit, {.checked = {2}}, Without(Range(3, 14), {13})},
        {"edit, all checked, permit", &kEthernet, C::Edit, {.checked = kEthernet.boxed}, {}},
        {"edit, all checked, deny drops the actions", &kEthernet, C::Edit,
         {.checked = kEthernet.boxed, .deny = true}, {7, 8, 9, 10, 11}},
        {"deny with the permit box unchecked: no gate, permit out", &kEthernet, C::Edit,
         {.checked = Without(kEthernet.boxed, {12}), .deny = true}, {12}},
        {"edit, row-status box unchecked", &kEthernet, C::Edit, {.checked = Without(kEthernet.boxed, {14})}, {14}},
        {"add, nothing checked, no port: row status only", &kEthernet, C::Add, {}, Range(2, 13)},
        {"add, a port: port and row status", &kEthernet, C::Add, {.anyPort = true}, Range(2, 12)},
        {"add, all checked, deny", &kEthernet, C::Add, {.checked = kEthernet.boxed, .deny = true, .anyPort = true},
         {7, 8, 9, 10, 11}},
        {"remove: the row status alone", &kEthernet, C::Remove, {.checked = kEthernet.boxed, .anyPort = true},
         Range(2, 13)},
        {"tcp, all checked: ports and flags", &kIpv4, C::Edit, {.checked = kIpv4.boxed, .protocolEntry = 3},
         {7, 8, 12, 13}},
        {"none, all checked: no layer-4 column", &kIpv4, C::Edit, {.checked = kIpv4.boxed, .protocolEntry = 0},
         Range(7, 13)},
        {"icmp", &kIpv4, C::Edit, {.checked = kIpv4.boxed, .protocolEntry = 1}, Range(9, 13)},
        {"igmp", &kIpv4, C::Edit, {.checked = kIpv4.boxed, .protocolEntry = 2}, Range(8, 13)},
        {"udp", &kIpv4, C::Edit, {.checked = kIpv4.boxed, .protocolEntry = 4}, {7, 8, 11, 12, 13}},
        {"protocolId", &kIpv4, C::Edit, {.checked = kIpv4.boxed, .protocolEntry = 5}, Range(7, 11)},
        {"no protocol: the boxes alone", &kIpv4, C::Edit, {.checked = {9}, .protocolEntry = -1},
         Without(Range(2, 21), {9, 20})},
        {"a protocol does not add an unchecked column", &kIpv4, C::Edit, {.checked = {3}, .protocolEntry = 3},
         Without(Range(2, 21), {3, 20})},
        {"priority disabled drops the priority", &kIpv6, C::Edit,
         {.checked = kIpv6.boxed, .priorityDisabled = true}, {7}},
        {"priority disabled, its box unchecked: no effect", &kIpv6, C::Edit,
         {.checked = Without(kIpv6.boxed, {6}), .priorityDisabled = true}, {6}},
        {"cpu edit, nothing checked: nothing to send", &kCpuEthernet, C::Edit, {}, Range(2, 8)},
        {"cpu add, nothing checked: the row status", &kCpuEthernet, C::Add, {}, Range(2, 7)},
        {"cpu remove", &kCpuEthernet, C::Remove, {.checked = kCpuEthernet.boxed}, Range(2, 7)},
    };
    for (const PlanCase& c : cases)
        EXPECT_EQ(VnRuleLeftOut(*c.columns, c.command, c.choice), c.leftOut) << c.what;
}

TEST(RuleColumnPlan, ProtocolTableNamesTheLayer4ColumnsEachProtocolDoesNotUse)
{
    const std::vector<std::pair<int, std::vector<int>>> table = {
        {-1, {}},
        {0, {7, 8, 9, 10, 11, 12, 13}},
        {1, {9, 10, 11, 12, 13}},
        {2, {8, 9, 10, 11, 12, 13}},
        {3, {7, 8, 12, 13}},
        {4, {7, 8, 11, 12, 13}},
        {5, {7, 8, 9, 10, 11}},
        {6, {}},
    };
    for (const auto& [entry, leftOut] : table)
        EXPECT_EQ(VnProtocolLeftOut(entry), leftOut) << entry;
}

}  // namespace
