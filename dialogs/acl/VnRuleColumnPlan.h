#pragma once
// Which columns of a rule table one write of a rule dialog leaves out: a
// pure function of the dialog's columns and what the user chose, so the
// choice can be checked without a form. Items 0 and 1 (profile and access
// ID) are index columns the library never sends; they are never listed.
#include <vector>

enum class VnRuleCommand {
    Edit,    // a row edited in place: the checked columns, the port list always
    Add,     // a new row: the checked columns, the row status always
    Remove,  // the row status alone (Delete, and Edit with "destroy" checked)
};

// A rule dialog's columns; -1 where the dialog has no such column.
struct VnRuleColumns {
    int itemCount = 0;
    std::vector<int> boxed{};  // items with a selection check box
    std::vector<int> actions{};  // dropped while "deny" is chosen with the permit box checked
    int permit = -1;
    int port = -1;
    int rowStatus = -1;
    bool byProtocol = false;   // the IPv4 layer-4 columns follow the protocol entry
    int enablePriority = -1;   // checked with "disabled": the priority column stays out
    int priority = -1;
};

struct VnRuleChoice {
    std::vector<int> checked{};  // items whose selection box is checked
    bool deny = false;         // the permit combo box shows exactly "deny"
    bool priorityDisabled = false;
    int protocolEntry = -1;    // entry of the protocol combo box, -1 for none
    bool anyPort = false;      // a port box is checked
};

// The IPv4 layer-4 columns (items 7 to 13 of both IPv4 rule tables) that
// protocol entry `entry` (none, icmp, igmp, tcp, udp, protocolId) does not
// use; none for no entry.
std::vector<int> VnProtocolLeftOut(int entry);

// The items to leave out, ascending, each once.
std::vector<int> VnRuleLeftOut(const VnRuleColumns& columns, VnRuleCommand command, const VnRuleChoice& choice);
