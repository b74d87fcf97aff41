// How the boot counter file is written: through a side file of its own,
// created afresh beside the counter and renamed over it, so a link planted
// in the folder is never written through and two modules started in one
// folder never leave a damaged counter.
#include <gtest/gtest.h>

#include <unistd.h>

#include <algorithm>
#include <atomic>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <thread>
#include <vector>

#include "BootCounter.h"
#include "BootCounterTestSupport.h"
#include "SnmpSmi.h"
#include "VnSNMPSession.h"

using namespace boottest;

namespace {

TEST(BootCounterWrites, ALinkNamedLikeASideFileKeepsItsTarget)
{
    CounterFolder folder;
    const std::string target = folder.file("precious.txt");
    Write(target, "keep me\n");
    // The name the side file once had, and a few other guesses.
    const std::vector<std::string> links = {std::string(kVnBootCounterFile) + ".new",
                                            std::string(kVnBootCounterFile) + ".tmp",
                                            std::string(kVnBootCounterFile) + "." + std::to_string(getpid())
                                                + ".0.new"};
    for (const std::string& link : links)
        fs::create_symlink(target, folder.file(link));

    for (int boots : {1, 2, 3})
        ASSERT_EQ(saveBootCounter(folder.counter(), kEngine, boots), BootCounterResult::Ok);

    EXPECT_EQ(Read(target), "keep me\n");
    for (const std::string& link : links)
        EXPECT_TRUE(fs::is_symlink(folder.file(link))) << link << " is left as it was";
    EXPECT_FALSE(fs::is_symlink(folder.counter()));
    EXPECT_EQ(Read(folder.counter()), std::string(kEngineHex) + " 3\n");
    EXPECT_EQ((fs::status(folder.counter()).permissions() & (fs::perms::group_write | fs::perms::others_write)),
              fs::perms::none);
    EXPECT_EQ(folder.strays({"precious.txt", links[0], links[1], links[2]}), std::vector<std::string>{})
        << "no side file left behind";
}

TEST(BootCounterWrites, ACounterThatIsALinkIsRefusedAndItsTargetIsLeftAlone)
{
    CounterFolder folder;
    const std::string target = folder.file("elsewhere");
    Write(target, "0A0B 7\n");
    fs::create_symlink(target, folder.counter());

    EXPECT_EQ(saveBootCounter(folder.counter(), kEngine, 5), BootCounterResult::ReadError)
        << "the lines behind a link are someone else's, not the counter's";

    EXPECT_EQ(Read(target), "0A0B 7\n") << "the link's target is never written";
    EXPECT_TRUE(fs::is_symlink(folder.counter()));
    EXPECT_EQ(fs::read_symlink(folder.counter()), target);
    EXPECT_EQ(folder.strays({"elsewhere"}), std::vector<std::string>{}) << "no side file left behind";
}

TEST(BootCounterWrites, TwoWritersInOneFolderNeverLeaveADamagedCounter)
{
    CounterFolder folder;
    constexpr int kSaves = 300;
    std::atomic<int> failures{0};
    std::atomic<int> damaged{0};
    // Each writer saves and reads back in turn, as two modules started in
    // one folder would; every save and every read must find a whole file.
    const auto writer = [&](int first) {
        for (int k = 0; k < kSaves; ++k) {
            if (saveBootCounter(folder.counter(), kEngine, first + k) != BootCounterResult::Ok)
                ++failures;
            int boots = 0;
            if (getBootCounter(folder.counter(), kEngine, boots) != BootCounterResult::Ok)
                ++damaged;
        }
    };
    std::thread one(writer, 1);
    std::thread two(writer, 100001);
    one.join();
    two.join();

    EXPECT_EQ(failures.load(), 0);
    EXPECT_EQ(damaged.load(), 0);
    int boots = 0;
    ASSERT_EQ(getBootCounter(folder.counter(), kEngine, boots), BootCounterResult::Ok);
    EXPECT_TRUE(boots == kSaves || boots == 100000 + kSaves) << boots << ": one writer's last count";
    EXPECT_EQ(folder.strays(), std::vector<std::string>{}) << "no side file left behind";
}

TEST(BootCounterWrites, TheCountRoundTripsInTheCurrentFolder)
{
    // The counter with no folder, as StartSession("") names it.
    CounterFolder folder;
    const fs::path before = fs::current_path();
    fs::current_path(folder.path());
    int boots = -1;
    EXPECT_EQ(saveBootCounter(kVnBootCounterFile, kEngine, 41), BootCounterResult::Ok);
    EXPECT_EQ(getBootCounter(kVnBootCounterFile, kEngine, boots), BootCounterResult::Ok);
    EXPECT_EQ(boots, 41);
    EXPECT_EQ(folder.strays(), std::vector<std::string>{});
    fs::current_path(before);
}

} // namespace
