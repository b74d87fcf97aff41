// The simulated switch as a process: start-up, options, the control
// channel, bad data, and ending with its starter.
#include "SimSwitch.h"
#include "SnmpClient.h"

#include <gtest/gtest.h>

#include <poll.h>
#include <sys/resource.h>
#include <sys/syscall.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <stdexcept>

using namespace simswitch;

namespace {

const char* const kSysName = "1.3.6.1.2.1.1.5.0";

// For requests that must go unanswered: answered ones keep the default
// time-out, which a loaded machine never reaches.
SnmpTarget Quick(SnmpTarget target)
{
    target.timeoutMs = 300;
    return target;
}

double ChildrenCpuSeconds()
{
    rusage usage{};
    getrusage(RUSAGE_CHILDREN, &usage);
    return static_cast<double>(usage.ru_utime.tv_sec + usage.ru_stime.tv_sec) +
           static_cast<double>(usage.ru_utime.tv_usec + usage.ru_stime.tv_usec) / 1e6;
}

TEST(SimSwitchProcess, StartsAnswersAndStopsInUnderASecondOfWork)
{
    // Counted in the switch's own CPU time: the suite runs many sanitized
    // processes at once, which stretches wall time but not this.
    double before = ChildrenCpuSeconds();
    auto start = std::chrono::steady_clock::now();
    {
        SimSwitch sim;
        EXPECT_NE(sim.port(), 0);
        EXPECT_EQ(SnmpGet(sim.port(), SnmpTarget::V2c(kReadCommunity), {kSysName}).stat, STAT_SUCCESS);
    }
    auto wall = std::chrono::steady_clock::now() - start;
    // Alone it takes about 0.1 s under the sanitizers; 0.6 s when 24 run at once.
    EXPECT_LT(ChildrenCpuSeconds() - before, 1.0);
    EXPECT_LT(std::chrono::duration_cast<std::chrono::milliseconds>(wall).count(), 10000);
}

TEST(SimSwitchProcess, TwoSwitchesRunSideBySide)
{
    SimSwitch first;
    SimSwitch second;
    EXPECT_NE(first.port(), second.port());
    first.set(kSysName, "STRING", "\"first\"");
    SnmpReply reply = SnmpGet(second.port(), SnmpTarget::V2c(kReadCommunity), {kSysName});
    ASSERT_EQ(reply.varbinds.size(), 1u);
    EXPECT_EQ(reply.varbinds[0].value, "72712D737461636B");
}

TEST(SimSwitchProcess, ControlCommandsChangeWhatTheSwitchServes)
{
    SimSwitch sim;
    SnmpTarget reader = SnmpTarget::V2c(kReadCommunity);
    sim.set("1.3.6.1.4.1.88406.12.11.1.9.4.1.2.3", "INTEGER", "1");
    sim.set("1.3.6.1.4.1.88406.12.11.1.9.4.1.10.3", "STRING", "\"RQ-4024T\"");
    SnmpReply reply = SnmpGet(sim.port(), reader, {"1.3.6.1.4.1.88406.12.11.1.9.4.1.2.3"});
    ASSERT_EQ(reply.varbinds.size(), 1u);
    EXPECT_EQ(reply.varbinds[0].value, "1") << "unit 3 appears";

    sim.unset(kSysName);
    reply = SnmpGet(sim.port(), reader, {kSysName});
    ASSERT_EQ(reply.varbinds.size(), 1u);
    EXPECT_EQ(reply.varbinds[0].type, SNMP_NOSUCHOBJECT) << "nothing of sysName is left";
    EXPECT_FALSE(sim.get(kSysName));

    // Refused commands raise and leave the switch serving.
    EXPECT_THROW(sim.command("frobnicate"), std::runtime_error);
    EXPECT_THROW(sim.set("1.3.6.1.3.1.0", "INTEGER", "1"), std::runtime_error) << "outside the served subtrees";
    EXPECT_THROW(sim.set(kSysName, "INTEGER", "many"), std::runtime_error);
    EXPECT_THROW(sim.unset(kSysName), std::runtime_error) << "already gone";
    EXPECT_EQ(SnmpGet(sim.port(), reader, {"1.3.6.1.2.1.1.1.0"}).stat, STAT_SUCCESS);
}

TEST(SimSwitchProcess, BadDataStopsTheStartWithAnError)
{
    TempSimData bad("1.3.6.1.4.1.88406.1.0 INTEGER one\n");
    SimSwitchOptions options;
    options.dataFiles = {bad.path()};
    EXPECT_THROW(SimSwitch{options}, std::runtime_error);

    TempSimData unserved("1.3.6.1.6.3.1.0 INTEGER 1\n");
    options.dataFiles = {unserved.path()};
    EXPECT_THROW(SimSwitch{options}, std::runtime_error) << "data outside every subtree";

    TempSimData served("subtree 1.3.6.1.2.1.31\n1.3.6.1.2.1.31.1.1.1.1.1 STRING \"port1\"\n");
    options.dataFiles = {served.path()};
    SimSwitch sim(options);
    SnmpReply reply = SnmpGetNext(sim.port(), SnmpTarget::V2c(kReadCommunity), {"1.3.6.1.2.1.17.7.1.4.5.1.5.114"});
    ASSERT_EQ(reply.varbinds.size(), 1u);
    EXPECT_EQ(reply.varbinds[0].oid, "1.3.6.1.2.1.31.1.1.1.1.1") << "a subtree registered from the data file";
}

TEST(SimSwitchProcess, CommunitiesAndUsersAreConfigurable)
{
    SimSwitchOptions options;
    options.args = {"--ro", "public", "--rw", "private", "--no-default-users", "--user", "admin rw SHA adminpass1"};
    SimSwitch sim(options);
    EXPECT_EQ(SnmpGet(sim.port(), SnmpTarget::V2c("public"), {kSysName}).stat, STAT_SUCCESS);
    EXPECT_EQ(SnmpGet(sim.port(), Quick(SnmpTarget::V2c(kReadCommunity)), {kSysName}).stat, STAT_TIMEOUT)
        << "the default community is replaced";
    SnmpReply reply = SnmpSet(sim.port(), SnmpTarget::V2c("private"), {{kSysName, 's', "x"}});
    EXPECT_EQ(reply.errstat, 0);
    EXPECT_EQ(SnmpGet(sim.port(), SnmpTarget::V3("admin", "SHA", "adminpass1"), {kSysName}).stat,
              STAT_SUCCESS);
    EXPECT_EQ(SnmpGet(sim.port(), SnmpTarget::V3(kShaUser, "SHA", kShaPassword), {kSysName}).libError,
              SNMPERR_UNKNOWN_USER_NAME);
}

TEST(SimSwitchProcess, TheSwitchEndsWithItsStarter)
{
    int report[2];
    ASSERT_EQ(pipe(report), 0);
    pid_t starter = fork();
    ASSERT_GE(starter, 0);
    if (starter == 0) {
        // The starter leaves without stopping the switch.
        close(report[0]);
        pid_t agent = -1;
        try {
            SimSwitch* sim = new SimSwitch;  // never deleted on purpose
            agent = sim->pid();
        } catch (...) {
        }
        (void)!write(report[1], &agent, sizeof agent);
        _exit(0);
    }
    close(report[1]);
    pid_t agent = -1;
    ASSERT_EQ(read(report[0], &agent, sizeof agent), static_cast<ssize_t>(sizeof agent));
    close(report[0]);
    ASSERT_GT(agent, 0);
    int pidfd = static_cast<int>(syscall(SYS_pidfd_open, agent, 0));
    waitpid(starter, nullptr, 0);
    if (pidfd < 0) {
        EXPECT_EQ(errno, ESRCH) << "pidfd_open failed otherwise";
        return;  // already gone and reaped
    }
    pollfd ended{pidfd, POLLIN, 0};
    EXPECT_EQ(poll(&ended, 1, 3000), 1) << "the switch outlived its starter";
    close(pidfd);
}

}  // namespace
