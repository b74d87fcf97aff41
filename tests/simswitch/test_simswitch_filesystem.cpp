// The switch's file system: each operation's outcome in the control status
// before the answer goes, the listing that follows, and the format that a
// number of status reads carries to its end.
#include "SimSwitchTest.h"
#include "SnmpClient.h"

#include <gtest/gtest.h>

using namespace simswitch;

namespace {

const std::string kFs = "1.3.6.1.4.1.88406.12.14.";

class SwitchFileSystem : public SimSwitchTest {
protected:
    SimSwitchOptions switchOptions() const override { return withDataFile("filesystem.sim"); }

    // One set, then the status as the next read sees it.
    std::string Outcome(const std::vector<SnmpSetItem>& items)
    {
        SnmpTarget target = SnmpTarget::V2c(kWriteCommunity);
        target.timeoutMs = 300;
        SnmpReply reply = SnmpSet(port(), target, items);
        if (reply.stat != STAT_SUCCESS || reply.errstat != 0)
            return "set failed";
        return Value(kFs + "1.1.0");
    }
    std::string Value(const std::string& oid)
    {
        auto vb = sim().get(oid);
        return vb ? vb->value : "(absent)";
    }
    bool Listed(const std::string& name)
    {
        std::string index = std::to_string(name.size());
        for (unsigned char c : name)
            index += "." + std::to_string(c);
        return sim().get(kFs + "3.3.2.1.2." + index).has_value();
    }
};

struct Case {
    std::vector<SnmpSetItem> items;
    const char* status;
};

TEST_F(SwitchFileSystem, OperationsReportTheirOutcome)
{
    auto make = [](const char* path) { return std::vector<SnmpSetItem>{{kFs + "3.1.0", 's', path}}; };
    auto remove = [](const char* path) { return std::vector<SnmpSetItem>{{kFs + "3.2.0", 's', path}}; };
    auto path = [](const char* p) { return std::vector<SnmpSetItem>{{kFs + "3.3.1.0", 's', p}}; };
    auto rename = [](const char* from, const char* to) {
        return std::vector<SnmpSetItem>{
            {kFs + "4.1.1.0", 's', from}, {kFs + "4.1.2.0", 's', to}, {kFs + "4.1.3.0", 'i', "2"}};
    };
    auto erase = [](const char* p) { return std::vector<SnmpSetItem>{{kFs + "4.2.1.0", 's', p}}; };
    auto copy = [](const char* from, const char* to) {
        return std::vector<SnmpSetItem>{
            {kFs + "5.1.0", 's', from}, {kFs + "5.2.0", 's', to}, {kFs + "5.3.0", 'i', "2"}};
    };
    const Case cases[] = {
        {make("d:\\x"), "5"},
        {make("c:\\a b"), "18"},
        {make("c:\\\\x"), "17"},
        {make("c:\\none\\x"), "13"},
        {make("c:\\logs\\a.txt\\x"), "9"},
        {make("c:\\LOGS"), "11"},
        {make("c:\\new\\"), "2"},
        {remove("c:\\none"), "13"},
        {remove("c:\\data"), "12"},
        {remove("c:\\"), "9"},
        {remove("C:\\new"), "2"},
        {path("c:\\none"), "13"},
        {path("c:"), "2"},
        {path("c:\\logs\\"), "2"},
        {rename("c:\\logs\\none.txt", "c:\\logs\\b.txt"), "13"},
        {rename("c:\\logs\\a.txt", "c:\\logs\\MY_A.TXT"), "6"},
        {rename("c:\\logs\\boot.log", "c:\\logs\\b.log"), "10"},
        {rename("c:\\logs\\a.txt", "c:\\data\\a.txt"), "19"},
        {rename("c:\\logs\\a.txt", "c:\\logs\\b.txt"), "2"},
        {erase(""), "17"},
        {erase("c:\\logs\\none.txt"), "13"},
        {erase("c:\\logs\\boot.log"), "10"},
        {copy("c:\\logs\\none.txt", "c:\\data\\x.txt"), "13"},
        {copy("c:\\logs\\b.txt", "c:\\none\\x.txt"), "9"},
        {copy("c:\\logs\\b.txt", "c:\\data\\config.cfg"), "6"},
        {copy("c:\\logs\\b.txt", "c:\\data\\b.txt"), "2"},
        {erase("c:\\logs\\b.txt"), "2"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.items.front().value + " " + c.items.front().oid);
        EXPECT_EQ(Outcome(c.items), c.status);
    }
    // The listed directory is C:\LOGS now.
    EXPECT_TRUE(Listed(".."));
    EXPECT_TRUE(Listed("my_a.txt"));
    EXPECT_FALSE(Listed("b.txt"));
    EXPECT_EQ(Value(kFs + "3.3.2.1.2.4.98.111.111.116"), "(absent)");
}

TEST_F(SwitchFileSystem, HoldAndForcedStatus)
{
    sim().command("fs-hold 3");
    EXPECT_EQ(Outcome({{kFs + "3.1.0", 's', "c:\\new"}}), "3");
    EXPECT_FALSE(Listed("new"));
    EXPECT_EQ(Outcome({{kFs + "3.1.0", 's', "c:\\new"}}), "2");
    sim().command("fs-status 20");
    EXPECT_EQ(Value(kFs + "1.1.0"), "20");
    EXPECT_THROW(sim().command("fs-status 21"), std::runtime_error);
    EXPECT_THROW(sim().command("fs-file c:\\none\\x.txt 1"), std::runtime_error);
}

TEST_F(SwitchFileSystem, FormatEndsAfterItsReads)
{
    sim().command("fs-format 3 10 50");
    EXPECT_EQ(Outcome({{kFs + "2.2.1.0", 'i', "3"},
                       {kFs + "2.2.2.0", 'i', "1"},
                       {kFs + "2.2.3.0", 's', "NEW"},
                       {kFs + "2.2.4.0", 'i', "1"},
                       {kFs + "2.2.5.0", 'i', "2"}}),
              "3");
    SnmpTarget target = SnmpTarget::V2c(kReadCommunity);
    std::vector<std::string> seen;
    for (int i = 0; i < 3; ++i) {
        SnmpReply reply = SnmpGet(port(), target, {kFs + "1.1.0", kFs + "1.2.0"});
        ASSERT_EQ(reply.varbinds.size(), 2u);
        seen.push_back(reply.varbinds[0].value + "/" + reply.varbinds[1].value);
    }
    EXPECT_EQ(seen, (std::vector<std::string>{"3/10", "3/50", "2/100"}));
    EXPECT_FALSE(Listed("LOGS"));
    EXPECT_EQ(Value(kFs + "2.1.1.5.1"), "4E4557");
}

}  // namespace
