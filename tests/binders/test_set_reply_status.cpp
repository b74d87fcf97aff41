// A set whose reply is not the bindings sent never reads "Ok" on the
// form: the status line says what the agent answered instead.
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QWidget>

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "VnException.h"
#include "VnMessages.h"
#include "VnSNMPRequest2Edits.h"
#include "test_controls_support.h"

using namespace bindertest;

namespace {

// A scalar form: the name and the address, both changed and sent.
struct NameAddressForm {
    QWidget form;
    QPlainTextEdit memo{&form};
    QLineEdit name{&form};
    std::vector<QLineEdit*> address;
    std::unique_ptr<VnSNMPRequest2Edits> binder = std::make_unique<VnSNMPRequest2Edits>(&form);

    NameAddressForm()
    {
        for (int k = 0; k < 4; ++k)
            address.push_back(new QLineEdit(&form));
    }
    void Bind()
    {
        binder->BindEdits(kName, "%s{l32}", {&name});
        binder->BindEdits(kAddress, "%u{x255}%u{x255}%u{x255}%u{x255}", address);
        binder->SetStatusOutput(&memo);
    }
    std::string Changed() const { return std::to_string(kName) + "," + std::to_string(kAddress); }
};

class SpoiledSetStatus : public BinderSwitchTest {
protected:
    bool WaitIdle(VnSNMPRequest2Edits& binder)
    {
        return RunUntil([&] { return !binder.Busy(); });
    }
};

TEST_F(SpoiledSetStatus, TheStatusLineSaysWhatTheAgentAnsweredNeverOk)
{
    struct Case {
        const char* mode;
        std::string line;
        const char* fault = "spoil-set";
    };
    const std::string name = BINDERTEST_S(1) ".0";
    const Case cases[] = {
        {"none", "Set: (VnSNMP++) Unexpected reply: 0 bindings (2 sent)!"},
        {"fewer", "Set: (VnSNMP++) Unexpected reply: 1 binding (2 sent)!"},
        {"more", "Set: (VnSNMP++) Unexpected reply: 3 bindings (2 sent)!"},
        {"oid", "Set: (VnSNMP++) Unexpected reply: " BINDERTEST_S(1) ".1 = OCTET STRING: \"edge\" (" + name
                    + " sent)!"},
        {"type", "Set: (VnSNMP++) Unexpected reply: " + name + " = INTEGER: 0 (OCTET STRING sent)!"},
        {"value", "Set: (VnSNMP++) Unexpected reply: " + name + " = OCTET STRING: \"edgd\" (\"edge\" sent)!"},
        {"nosuchobject", "Set: (VnSNMP++) Unexpected reply: " + name + " = noSuchObject (OCTET STRING sent)!"},
        {"nosuchinstance", "Set: (VnSNMP++) Unexpected reply: " + name + " = noSuchInstance (OCTET STRING sent)!"},
        {"endofmibview", "Set: (VnSNMP++) Unexpected reply: " + name + " = endOfMibView (OCTET STRING sent)!"},
        // The error status written as 2^32, which Net-SNMP reads as noError:
        // a reply whose octets cannot be checked confirms nothing.
        {"wide-status", "Set: (VnSNMP++) Unexpected reply: its encoding could not be read to check its values!",
         "encoding"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.mode);
        sim().clearFaults();
        sim().command(std::string(c.fault) + " " + BINDERTEST_S(1) + " " + c.mode);
        NameAddressForm f;
        Use(f.binder->request, kScalars, SVT_SV, 0);
        f.Bind();
        f.binder->Refresh();
        ASSERT_TRUE(WaitIdle(*f.binder));
        f.memo.clear();
        f.name.setText("edge");
        f.address[3]->setText("9");

        ASSERT_TRUE(f.binder->Apply(true, true, f.Changed()));
        ASSERT_TRUE(WaitIdle(*f.binder));
        const std::vector<std::string> lines = MemoLines(f.memo);
        ASSERT_FALSE(lines.empty());
        EXPECT_EQ(lines.back(), c.line + ". Receive at T.");
        for (const std::string& line : lines)
            EXPECT_EQ(line.find("Ok"), std::string::npos) << line;
    }
    // Each set reached the switch and was applied there: only the reply
    // was wrong, and the form says so.
    const auto sets = sim().sets();
    ASSERT_EQ(sets.size(), std::size(cases));
    for (const auto& pdu : sets)
        EXPECT_EQ(pdu.status, "applied");
}

TEST_F(SpoiledSetStatus, ABlockingApplyRaisesTheSameText)
{
    sim().command(std::string("spoil-set ") + BINDERTEST_S(1) + " fewer");
    NameAddressForm f;
    Use(f.binder->request, kScalars, SVT_SV, 0);
    f.Bind();
    f.binder->mode = VnSNMPRequest2Controls::kModeSync;
    f.binder->Refresh();
    f.name.setText("edge");
    std::string raised;
    int code = 0;
    try {
        f.binder->Apply(true, true, f.Changed());
    } catch (const VnException& e) {
        raised = e.what();
        code = e.HelpContext();
    }
    EXPECT_EQ(raised, "(VnSNMP++) Unexpected reply: 1 binding (2 sent)!");
    EXPECT_NE(code, kVnOk);
    EXPECT_FALSE(f.binder->Busy());
}

} // namespace
