#pragma once
// The simulated switch with the periphery dialogs' objects; reading and
// choosing list rows and working a modal edit form come from the Q-BRIDGE
// and management dialog tests.
#include <string>

#include "../dialogs_management/mgmt_test_support.h"
#include "../dialogs_qbridge/qbridge_test_support.h"
#include "dialog_test_support.h"

namespace peripherytest {

using namespace dialogtest;
using mgmttest::Hex;
using mgmttest::WhileShown;
using qbridgetest::Column;
using qbridgetest::ColumnTexts;
using qbridgetest::SelectRow;

class PeripherySwitchTest : public SessionSwitchTest {
protected:
    PeripherySwitchTest() : SessionSwitchTest("dialogs-mgmt2.sim") {}
    void SetUp() override
    {
        SessionSwitchTest::SetUp();
        if (sim_)
            AimDefaults(port());
    }
};

// A string as index sub-identifiers, with its length first unless implied.
inline std::string StringIndex(const std::string& text, bool implied)
{
    std::string out = implied ? "" : std::to_string(text.size());
    for (unsigned char c : text)
        out += (out.empty() ? "" : ".") + std::to_string(c);
    return out;
}

}  // namespace peripherytest
