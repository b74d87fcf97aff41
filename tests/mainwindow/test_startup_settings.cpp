// Start-up settings without a window: command line x settings file x
// registry values -> the target settings.
#include <gtest/gtest.h>

#include <optional>
#include <ostream>
#include <string>
#include <vector>

#include "VnRegistry.h"
#include "VnTargetSettings.h"
#include "test_startup_support.h"

using startuptest::CfgText;
using startuptest::TempFolder;

namespace {

// The defaults start-up begins with (StartSession's, version forced to v1).
VnTargetState Defaults()
{
    VnTargetState state;
    state.device = {"127.0.0.1", 161};
    state.security.version = 0;
    state.security.readCommunity = "qorvel";
    state.security.writeCommunity = "tamisko";
    state.security.securityLevel = 1;
    state.security.authProtocol = 1;
    state.security.privProtocol = 1;
    return state;
}

struct ParameterCase {
    const char* why;
    std::vector<std::string> parameters;
    std::optional<std::string> cfg;  // file of 10.1.1.1
    std::optional<std::string> emptyAddressCfg;  // file ".cfg"
    // expectations
    std::string address = "10.1.1.1";
    std::string readCommunity = "";
    int version = 0;
    int level = 1;
    int port = 161;
    std::string contextName = "";
    bool cfgFound = false;

    friend void PrintTo(const ParameterCase& c, std::ostream* os) { *os << c.why; }
};

class ParameterTable : public ::testing::TestWithParam<ParameterCase> {};

TEST_P(ParameterTable, GivesTheTargetSettings)
{
    const ParameterCase& c = GetParam();
    TempFolder folder;
    if (c.cfg)
        folder.Write("10.1.1.1.cfg", *c.cfg);
    if (c.emptyAddressCfg)
        folder.Write(".cfg", *c.emptyAddressCfg);

    VnTargetState state = Defaults();
    VnApplyParameters(c.parameters, folder.Folder(), state);

    EXPECT_EQ(state.agentAddress, c.address);
    EXPECT_EQ(state.device.address, c.address);
    EXPECT_EQ(state.readCommunity, c.readCommunity);
    if (!c.readCommunity.empty()) {
        EXPECT_EQ(state.security.readCommunity, c.readCommunity);
    }
    EXPECT_EQ(state.security.version, c.version);
    EXPECT_EQ(state.security.securityLevel, c.level);
    EXPECT_EQ(state.device.port, c.port);
    EXPECT_EQ(state.scope.contextName, c.contextName);
    EXPECT_EQ(state.cfgFileFound, c.cfgFound);
}

const std::string kV3Level2 = CfgText(
    "AgentPort=161\nVersion=3\nSecurityModel=3\nSecurityLevel=2\nAuthProtocol=0\nPrivProtocol=0\n");
const std::string kV3Level0 = CfgText(
    "AgentPort=161\nVersion=3\nSecurityModel=3\nSecurityLevel=0\nAuthProtocol=0\nPrivProtocol=0\n");
const std::string kV1 = CfgText(
    "AgentPort=161\nVersion=1\nSecurityModel=0\nSecurityLevel=0\nAuthProtocol=0\nPrivProtocol=0\n");

INSTANTIATE_TEST_SUITE_P(
    Cases, ParameterTable,
    ::testing::Values(
        ParameterCase{"an option after other characters still counts",
                      {"/I10.1.1.1", "xx/Rpublic"}, {}, {}, "10.1.1.1", "public"},
        ParameterCase{"an option alone sets the empty value", {"/I10.1.1.1", "/Rx", "/R"}, {}, {},
                      "10.1.1.1", ""},
        ParameterCase{"a community holding /I stays a community, the address stays",
                      {"/I10.1.1.1", "/Rab/Icd"}, {}, {}, "10.1.1.1", "ab/Icd"},
        ParameterCase{"level in the file is one lower", {"/I10.1.1.1", "/Rp"}, kV3Level2, {},
                      "10.1.1.1", "p", 3, 3, 161, "", true},
        ParameterCase{"level 0 in the file leaves the default", {"/I10.1.1.1", "/Rp"}, kV3Level0,
                      {}, "10.1.1.1", "p", 3, 1, 161, "", true},
        ParameterCase{"/v3 opens the v3 options", {"/I10.1.1.1", "/v3", "/l3"}, {}, {},
                      "10.1.1.1", "", 3, 3},
        ParameterCase{"the file is read again before /l3 and resets the version to 1",
                      {"/I10.1.1.1", "/v3", "/l3"}, kV1, {}, "10.1.1.1", "", 1, 1, 161, "", true},
        ParameterCase{"/t needs version 3", {"/I10.1.1.1", "/t1161"}, {}, {}, "10.1.1.1", "", 0,
                      1, 161},
        ParameterCase{"v3 options under v3", {"/I10.1.1.1", "/v3", "/t1161", "/cctx"}, {}, {},
                      "10.1.1.1", "", 3, 1, 1161, "ctx"},
        ParameterCase{"parameters before /I use the file of the empty address",
                      {"/v3", "/I10.1.1.1"}, {}, kV3Level2, "10.1.1.1", "", 3, 3, 161, "", true},
        ParameterCase{"a parameter without an option still re-reads the file",
                      {"/I10.1.1.1", "nothing"}, kV3Level2, {}, "10.1.1.1", "", 3, 3, 161, "",
                      true},
        ParameterCase{"a context name from the file replaces the option's",
                      {"/I10.1.1.1", "/v3", "/cmine", "/Rp"},
                      CfgText("AgentPort=161\nVersion=3\nContextName=theirs\nSecurityModel=3\n"
                              "SecurityLevel=0\nAuthProtocol=0\nPrivProtocol=0\n"),
                      {}, "10.1.1.1", "p", 3, 1, 161, "theirs", true},
        ParameterCase{"an empty context name in the file leaves the option's",
                      {"/I10.1.1.1", "/v3", "/cmine", "/Rp"}, kV3Level0, {}, "10.1.1.1", "p", 3,
                      1, 161, "mine", true},
        ParameterCase{"an address leaving the folder finds no settings file",
                      {"/I../10.1.1.1", "/Rp"}, {}, {}, "../10.1.1.1", "p"}),
    [](const auto& info) { return "Case" + std::to_string(info.index); });

TEST(SettingsFile, KeysApplyInTheirWaysAndOrder)
{
    TempFolder folder;
    folder.Write("10.1.1.1.cfg",
                 CfgText("AgentPort=1161\nVersion=3\nContextName=\nContextEngineID=\n"
                         "SecurityModel=3\nSecurityLevel=2\nSecurityName=shades\n"
                         "AuthProtocol=2\nPrivProtocol=1\nAuthPassword=\nPrivPassword=secret99\n"));
    VnTargetState state = Defaults();
    state.scope.contextName = "keep";
    state.scope.contextEngineId = "80001F";
    state.security.authPassword = "keep-auth";
    state.security.securityName = "old";
    ASSERT_TRUE(VnApplySettingsFile(folder.Folder() + "10.1.1.1.cfg", state));

    EXPECT_EQ(state.device.port, 1161);
    EXPECT_EQ(state.security.version, 3);
    EXPECT_EQ(state.versionText, "3");
    EXPECT_EQ(state.scope.contextName, "keep") << "empty: left alone";
    EXPECT_EQ(state.scope.contextEngineId, "") << "always applied, also empty";
    EXPECT_EQ(state.security.securityModel, 3);
    EXPECT_EQ(state.security.securityLevel, 3);
    EXPECT_EQ(state.security.securityName, "shades");
    EXPECT_EQ(state.security.authProtocol, 3) << "one lower in the file: SHA";
    EXPECT_EQ(state.security.privProtocol, 2) << "DES";
    EXPECT_EQ(state.security.authPassword, "keep-auth") << "empty: left alone";
    EXPECT_EQ(state.security.privPassword, "secret99");
}

struct BadNumberCase {
    const char* why;
    std::vector<std::string> parameters;
    std::string cfg;  // "" = no file
    std::string message;
};

TEST(SettingsFile, BadNumbersStopStartUpWithTheConversionMessage)
{
    const BadNumberCase cases[] = {
        {"a file without AgentPort", {"/I10.1.1.1", "/Rp"},
         CfgText("Version=1\nSecurityModel=0\nSecurityLevel=0\nAuthProtocol=0\nPrivProtocol=0\n"),
         "'' is not a valid integer value\nKey: AgentPort"},
        {"a level that is no number", {"/I10.1.1.1", "/Rp"},
         CfgText("AgentPort=161\nVersion=1\nSecurityModel=0\nSecurityLevel=two\n"),
         "'two' is not a valid integer value\nKey: SecurityLevel"},
        {"a security model that is no number", {"/I10.1.1.1", "/Rp"},
         CfgText("AgentPort=161\nVersion=1\nSecurityModel=x\n"), "'x' is not a valid integer value\nKey: SecurityModel"},
        {"a version option that is no number", {"/I10.1.1.1", "/vx"}, "",
         "'x' is not a valid integer value"},
        {"a port option with trailing text", {"/I10.1.1.1", "/v3", "/t161x"}, "",
         "'161x' is not a valid integer value"},
    };
    for (const BadNumberCase& c : cases) {
        SCOPED_TRACE(c.why);
        TempFolder folder;
        if (!c.cfg.empty())
            folder.Write("10.1.1.1.cfg", c.cfg);
        VnTargetState state = Defaults();
        try {
            VnApplyParameters(c.parameters, folder.Folder(), state);
            ADD_FAILURE() << "no error";
        } catch (const VnConversionError& e) {
            // Read from the file: its path follows the key.
            EXPECT_EQ(std::string(e.what()),
                      c.message + (c.cfg.empty() ? "" : "\nFile: " + folder.Folder() + "10.1.1.1.cfg"));
        }
    }
}

TEST(SettingsFile, PathStaysInsideTheFolder)
{
    EXPECT_EQ(VnSettingsFilePath("/conf/", "10.1.1.1"), "/conf/10.1.1.1.cfg");
    EXPECT_EQ(VnSettingsFilePath("/conf/", ""), "/conf/.cfg");
    for (const char* address : {"../etc/x", "a/b", "a\\b", "..", "x..y"})
        EXPECT_EQ(VnSettingsFilePath("/conf/", address), "") << address;
}

TEST(StrToInt, TakesDecimalIntegersOnly)
{
    EXPECT_EQ(VnStrToInt("161"), 161);
    EXPECT_EQ(VnStrToInt("-3"), -3);
    EXPECT_EQ(VnStrToInt("+7"), 7);
    for (const char* bad : {"", "-", "+", "1.5", "0x10", " 1", "99999999999"})
        EXPECT_THROW(VnStrToInt(bad), VnConversionError) << bad;
}

struct RegistryCase {
    const char* why;
    std::string registry;  // "" = no file
    std::string moduleFolder;
    std::string settingsFolder;
};

TEST(HostFolders, FromTheRegistryValues)
{
    const RegistryCase cases[] = {
        {"no registry file: the current folder", "", "", ""},
        {"help path loses its last 12 characters",
         "[SOFTWARE\\Varonet\\Modules\\HelpPath]\n1.3.6.1.4.1.88406.10.59.5=/opt/rq/rq4024s.help\n",
         "/opt/rq/", ""},
        {"a help path of 12 characters or less gives the current folder",
         "[SOFTWARE\\Varonet\\Modules\\HelpPath]\n1.3.6.1.4.1.88406.10.59.5=short.hlp\n", "", ""},
        {"exe path leads to the settings beside it",
         "[SOFTWARE\\Varonet\\Orvix5.1\\ExePath]\nPath=/opt/orvix/bin/\n", "",
         "/opt/orvix/bin/../Conf/MBF/"},
        {"the mib file path replaces it",
         "[SOFTWARE\\Varonet\\Orvix5.1\\ExePath]\nPath=/opt/orvix/bin/\n"
         "[SOFTWARE\\Varonet\\Orvix5.1\\MibFile]\nPath=/srv/mbf/\n",
         "", "/srv/mbf/"},
        {"a mib file key without its value empties it",
         "[SOFTWARE\\Varonet\\Orvix5.1\\ExePath]\nPath=/opt/orvix/bin/\n"
         "[SOFTWARE\\Varonet\\Orvix5.1\\MibFile]\n",
         "", ""},
    };
    for (const RegistryCase& c : cases) {
        SCOPED_TRACE(c.why);
        TempFolder folder;
        const std::string file = c.registry.empty() ? folder.Folder() + "none.ini"
                                                    : folder.Write("registry.ini", c.registry);
        VnRegistry registry(file);
        const VnHostFolders folders = VnReadHostFolders(registry);
        EXPECT_EQ(folders.moduleFolder, c.moduleFolder);
        EXPECT_EQ(folders.settingsFolder, c.settingsFolder);
    }
}

TEST(LargeFonts, AnyScreenButNinetySixDpi)
{
    EXPECT_FALSE(VnLargeFontsForDpi(96));
    EXPECT_TRUE(VnLargeFontsForDpi(120));
    EXPECT_TRUE(VnLargeFontsForDpi(72));
}

} // namespace
