// simswitch: one stack of our switches, simulated on 127.0.0.1 for the
// tests and the demo. See README.md for the options, the data file format
// and the control commands.
#include "SimAgent.h"
#include "SimConfig.h"

#include <sys/prctl.h>
#include <unistd.h>

#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#ifndef SIMSWITCH_DEFAULT_DATA
#define SIMSWITCH_DEFAULT_DATA "default.sim"
#endif

namespace {

const char* const kUsage =
    "usage: simswitch [--port N] [--ro COMMUNITY]... [--rw COMMUNITY]...\n"
    "                 [--user 'NAME ro|rw [MD5|SHA PASS [DES|AES PASS]]']...\n"
    "                 [--no-default-users] [--parent PID] [DATAFILE]...\n";

int Fail(const std::string& message)
{
    std::fprintf(stderr, "simswitch: %s\n", message.c_str());
    return 2;
}

bool ParseInt(const char* text, long low, long high, long& value)
{
    char* end = nullptr;
    value = std::strtol(text, &end, 10);
    return *text && !*end && value >= low && value <= high;
}

}  // namespace

int main(int argc, char** argv)
{
    // Go with whoever started us, and never die of a closed pipe.
    prctl(PR_SET_PDEATHSIG, SIGTERM);
    std::signal(SIGPIPE, SIG_IGN);

    long port = 0;
    long parent = 0;
    bool defaultUsers = true;
    std::vector<SimCommunity> communities;
    std::vector<SimUser> users;
    std::vector<std::string> files;

    for (int i = 1; i < argc; ++i) {
        std::string arg = argv[i];
        bool hasValue = i + 1 < argc;
        if (arg == "--help") {
            std::fputs(kUsage, stdout);
            return 0;
        }
        if (arg == "--no-default-users") {
            defaultUsers = false;
        } else if (arg == "--port" && hasValue) {
            if (!ParseInt(argv[++i], 0, 65535, port))
                return Fail("bad port");
        } else if (arg == "--parent" && hasValue) {
            if (!ParseInt(argv[++i], 1, 0x7FFFFFFF, parent))
                return Fail("bad parent process id");
        } else if ((arg == "--ro" || arg == "--rw") && hasValue) {
            std::string name = argv[++i];
            if (name.empty() || name.find_first_of(" \t\"") != std::string::npos)
                return Fail("bad community '" + name + "'");
            communities.push_back({name, arg == "--rw"});
        } else if (arg == "--user" && hasValue) {
            auto words = SimDataFile::SplitWords(argv[++i], 6);
            while (!words.empty() && words.back().empty())
                words.pop_back();
            SimUser user;
            std::string error;
            if (!SimDataFile::ParseUser(words, user, error))
                return Fail(error);
            users.push_back(user);
        } else if (!arg.empty() && arg[0] != '-') {
            files.push_back(arg);
        } else {
            std::fputs(kUsage, stderr);
            return 2;
        }
    }
    // The starter may have gone before we asked to go with it.
    if (parent && getppid() != parent)
        return 1;

    SimConfig config;
    config.subtrees = SimConfig::DefaultSubtrees();
    config.communities = communities.empty() ? SimConfig::DefaultCommunities() : communities;
    if (defaultUsers)
        config.users = SimConfig::DefaultUsers();
    for (const auto& user : users)
        config.AddUser(user);
    if (files.empty())
        files.push_back(SIMSWITCH_DEFAULT_DATA);
    for (const auto& file : files) {
        std::string error;
        if (!SimDataFile::Load(file, config, error))
            return Fail(error);
    }
    for (const auto& [oid, value] : config.store.Values()) {
        if (!config.IsServed(oid))
            return Fail(SimFormatOid(oid) + " is outside the served subtrees (add a subtree line)");
    }

    SimAgent agent(config);
    std::string error;
    if (!agent.Start(static_cast<int>(port), error))
        return Fail(error);
    std::printf("port %d\n", agent.Port());
    std::fflush(stdout);
    agent.Run();
    agent.Shutdown();
    return 0;
}
