// The sibling-module launcher: argument vectors and the host checks.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "VnEmsLauncher.h"
#include "VnRegistry.h"
#include "test_startup_support.h"

using startuptest::TempFolder;

namespace {

VnEmsContext V1Context()
{
    VnEmsContext context;
    context.agentAddress = "10.1.1.2";
    context.readCommunity = "pub";
    context.writeCommunity = "priv";
    context.device = {"10.1.1.2", 161};
    context.security.version = 0;
    return context;
}

VnEmsContext V3Context()
{
    VnEmsContext context = V1Context();
    context.device.port = 1161;
    context.security.version = 3;
    context.scope.contextEngineId = "800007E580";
    context.scope.contextName = "";
    context.security.securityModel = 3;
    context.security.securityName = "md5des";
    context.security.securityLevel = 3;
    context.security.authProtocol = 2;
    context.security.authPassword = "md5authpass";
    context.security.privProtocol = 2;
    context.security.privPassword = "desprivpass";
    return context;
}

const std::vector<std::string> kV3Tail = {
    "/t1161", "/v3", "/d800007E580", "/m3", "/nmd5des", "/c", "/l3",
    "/a2",    "/Amd5authpass", "/p2", "/Pdesprivpass"};

std::vector<std::string> Concat(std::vector<std::string> a, const std::vector<std::string>& b)
{
    a.insert(a.end(), b.begin(), b.end());
    return a;
}

struct LaunchCase {
    const char* why;
    std::string argument;
    VnEmsContext context;
    std::string program;
    std::vector<std::string> arguments;
};

TEST(EmsLauncher, ArgumentVectors)
{
    VnEmsContext emptyCommunities = V1Context();
    emptyCommunities.readCommunity.clear();
    emptyCommunities.writeCommunity.clear();

    VnEmsContext fileV3 = V1Context();  // settings file said 3, the version is 1 now
    fileV3.cfgFileFound = true;
    fileV3.versionText = "3";
    fileV3.security.version = 1;

    VnEmsContext textWithoutFile = fileV3;
    textWithoutFile.cfgFileFound = false;

    VnEmsContext blanks = V1Context();
    blanks.readCommunity = "two words";

    VnEmsContext v3FromFileV1 = V3Context();  // file said 1, "/v3" came last
    v3FromFileV1.cfgFileFound = true;
    v3FromFileV1.versionText = "1";

    VnEmsContext v3Context = V3Context();
    VnEmsContext fileV3Args = fileV3;
    const std::vector<std::string> base = {"/I10.1.1.2", "/Rpub", "/Wpriv"};

    const LaunchCase cases[] = {
        {"v1: the module by its bare name, address, communities, table", "/TMIB_IFTable",
         V1Context(), "MIB", Concat(base, {"/TMIB_IFTable"})},
        {"module name up to the first underscore", "/TEthernetLike_dot3StatsTable", V1Context(),
         "EthernetLike", Concat(base, {"/TEthernetLike_dot3StatsTable"})},
        {"empty communities leave the letters alone", "/TRmon_History", emptyCommunities, "Rmon",
         {"/I10.1.1.2", "/R", "/W", "/TRmon_History"}},
        {"a blank in a value stays inside one argument", "/TBridge_Forwarding", blanks, "Bridge",
         {"/I10.1.1.2", "/Rtwo words", "/Wpriv", "/TBridge_Forwarding"}},
        {"v3 from /v3: the v3 options follow, empty context name as /c alone", "/TLayer3_OSPF",
         v3Context, "Layer3", Concat(Concat(base, {"/TLayer3_OSPF"}), kV3Tail)},
        {"file version 1 with /v3 last: still v3", "/TMIB_Info", v3FromFileV1, "MIB",
         Concat(Concat(base, {"/TMIB_Info"}), kV3Tail)},
        {"the settings file's version 3 counts only when the file was found", "/TMIB_Info",
         textWithoutFile, "MIB", Concat(base, {"/TMIB_Info"})},
    };
    for (const LaunchCase& c : cases) {
        SCOPED_TRACE(c.why);
        const VnEmsCommand command = BuildEmsCommandLine(c.argument, c.context);
        EXPECT_EQ(command.program, c.program);
        EXPECT_EQ(command.arguments, c.arguments);
    }

    const VnEmsCommand fromFile = BuildEmsCommandLine("/TMIB_Info", fileV3Args);
    ASSERT_EQ(fromFile.arguments.size(), 15u) << "a found file with Version 3 adds the v3 options";
    EXPECT_EQ(fromFile.arguments[5], "/v1");
}

TEST(EmsLauncher, CommandTextReadsAsTheHostExpects)
{
    const VnEmsCommand command = BuildEmsCommandLine("/TMIB_IFTable", V1Context());
    EXPECT_EQ(VnEmsCommandText(command), "MIB /I10.1.1.2 /Rpub /Wpriv /TMIB_IFTable");
}

struct HostCase {
    const char* why;
    std::string registry;
    std::string status;
};

TEST(EmsLauncher, HostChecks)
{
    const HostCase cases[] = {
        {"the host registered as orvix51", "[SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\App Paths\\orvix51.exe]\n", ""},
        {"the host registered as orvix5", "[SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\App Paths\\orvix5.exe]\n", ""},
        {"OpenView with its path", "[SOFTWARE\\Hewlett-Packard\\OpenView]\nOV_PATH=/opt/ov\n", ""},
        {"OpenView without a path", "[SOFTWARE\\Hewlett-Packard\\OpenView]\nOV_PATH=\n",
         "OpenView : File Path Error!"},
        {"OpenView without the value", "[SOFTWARE\\Hewlett-Packard\\OpenView]\n",
         "OpenView : File Path Error!"},
        {"nothing registered", "[SOFTWARE\\Other]\nX=1\n", "No Path!"},
        {"no registry at all", "", "No Path!"},
    };
    for (const HostCase& c : cases) {
        SCOPED_TRACE(c.why);
        TempFolder folder;
        const std::string file = c.registry.empty() ? folder.Folder() + "none.ini"
                                                    : folder.Write("registry.ini", c.registry);
        VnRegistry registry(file);
        EXPECT_EQ(VnEmsHostCheck(registry), c.status);
    }
}

} // namespace
