// Host input out of range: numbers in the ".cfg" file and on the command
// line that do not fit their setting are refused like text that is no
// number, and versions other than 0, 1 and 3 are refused by name. Nothing
// is wrapped into another port or version, and no request goes out.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "VnSNMPDefaults.h"
#include "VnTargetSettings.h"
#include "test_deviceview_support.h"

using startuptest::CfgText;
using startuptest::TempFolder;

namespace {

std::string Cfg(const std::string& port, const std::string& version, const std::string& level = "0",
                const std::string& auth = "0", const std::string& priv = "0")
{
    return CfgText("AgentPort=" + port + "\nVersion=" + version + "\nSecurityModel=3\nSecurityLevel=" +
                   level + "\nAuthProtocol=" + auth + "\nPrivProtocol=" + priv + "\n");
}

const std::string kVersionUse = "is not an SNMP version: use 0 (SNMPv1), 1 (SNMPv2c) or 3 (SNMPv3)";

struct RefusalCase {
    const char* why;
    std::vector<std::string> parameters;
    std::string cfg;  // "" = no file
    std::string message;
};

TEST(HostileSettings, OutOfRangeNumbersAndUnknownVersionsAreRefused)
{
    const RefusalCase cases[] = {
        {"a level whose code one higher overflows", {"/I10.1.1.1", "/Rp"},
         Cfg("161", "3", "2147483647"), "'2147483647' is not a valid integer value\nKey: SecurityLevel"},
        {"an authentication protocol likewise", {"/I10.1.1.1", "/Rp"},
         Cfg("161", "3", "0", "2147483647"), "'2147483647' is not a valid integer value\nKey: AuthProtocol"},
        {"a privacy protocol likewise", {"/I10.1.1.1", "/Rp"}, Cfg("161", "3", "0", "0", "2147483647"),
         "'2147483647' is not a valid integer value\nKey: PrivProtocol"},
        {"a negative port", {"/I10.1.1.1", "/Rp"}, Cfg("-1", "1"), "'-1' is not a valid integer value\nKey: AgentPort"},
        {"a port beyond 16 bits", {"/I10.1.1.1", "/Rp"}, Cfg("70000", "1"),
         "'70000' is not a valid integer value\nKey: AgentPort"},
        {"port 0 reaches no agent", {"/I10.1.1.1", "/Rp"}, Cfg("0", "1"),
         "'0' is not a valid integer value\nKey: AgentPort"},
        {"a port option beyond 16 bits", {"/I10.1.1.1", "/v3", "/t70000"}, "",
         "'70000' is not a valid integer value"},
        {"version 4 on the command line", {"/I10.1.1.1", "/v4"}, "", "'4' " + kVersionUse},
        {"a negative version", {"/I10.1.1.1", "/v-1"}, "", "'-1' " + kVersionUse},
        {"version 2 is no code of ours (v2c is 1)", {"/I10.1.1.1", "/v2"}, "", "'2' " + kVersionUse},
        {"version 9 in the file", {"/I10.1.1.1", "/Rp"}, Cfg("161", "9"), "'9' " + kVersionUse + "\nKey: Version"},
        {"version 257 would wrap to 1", {"/I10.1.1.1", "/Rp"}, Cfg("161", "257"),
         "'257' " + kVersionUse + "\nKey: Version"},
        {"a version that is no number is still a conversion error", {"/I10.1.1.1", "/vx"}, "",
         "'x' is not a valid integer value"},
    };
    for (const RefusalCase& c : cases) {
        SCOPED_TRACE(c.why);
        TempFolder folder;
        if (!c.cfg.empty())
            folder.Write("10.1.1.1.cfg", c.cfg);
        VnTargetState state;
        state.security.version = 0;
        try {
            VnApplyParameters(c.parameters, folder.Folder(), state);
            ADD_FAILURE() << "accepted";
        } catch (const std::runtime_error& e) {
            // Read from the file: its path follows the key.
            EXPECT_EQ(std::string(e.what()),
                      c.message + (c.cfg.empty() ? "" : "\nFile: " + folder.Folder() + "10.1.1.1.cfg"));
        }
    }
}

TEST(HostileSettings, TheEdgesOfEachRangeAreTaken)
{
    TempFolder folder;
    folder.Write("10.1.1.1.cfg", Cfg("65535", "3", "2147483646", "2", "1"));
    VnTargetState state;
    VnApplyParameters({"/I10.1.1.1", "/Rp"}, folder.Folder(), state);
    EXPECT_EQ(state.device.port, 65535);
    EXPECT_EQ(state.security.version, 3);
    EXPECT_EQ(state.security.securityLevel, 2147483647) << "the engine refuses it with its own message";

    for (const char* version : {"0", "1", "3"}) {
        VnTargetState v;
        VnApplyParameters({"/I10.1.1.1", std::string("/v") + version, "/t1"}, folder.Folder() + "none/", v);
        EXPECT_EQ(v.security.version, std::stoi(version));
        EXPECT_EQ(v.device.port, std::string(version) == "3" ? 1 : 0) << "/t counts only with v3";
    }
}

// Through the window as the host starts it: start-up stops with the
// message before any request is built with the bad value.
using HostileStartUp = deviceviewtest::MainWindowTest;

TEST_F(HostileStartUp, AnUnknownVersionStopsStartUpBeforeAnyRequest)
{
    const std::vector<std::pair<std::vector<std::string>, std::string>> starts = {
        {{"/I127.0.0.1", "/Rqorvel", "/v4"}, ""},
        {{"/I127.0.0.1", "/Rqorvel"}, Cfg(std::to_string(port()), "9")},
    };
    for (const auto& [parameters, cfg] : starts) {
        SCOPED_TRACE(parameters.back());
        try {
            Start(parameters, cfg.empty() ? startuptest::FullCfg(port(), 1) : cfg);
            ADD_FAILURE() << "start-up went on";
        } catch (const VnVersionError& e) {
            EXPECT_TRUE(std::string(e.what()).find(kVersionUse) != std::string::npos) << e.what();
        }
        EXPECT_NE(VnDefaultSecurity.version, 4);
        EXPECT_NE(VnDefaultSecurity.version, 9);
    }
}

} // namespace
