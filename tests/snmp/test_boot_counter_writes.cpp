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
#include "SnmpSmi.h"
#include "VnSNMPSession.h"

namespace fs = std::filesystem;

namespace {

const OctetStr kEngine(kVnEngineId);
const char* const kEngineHex = "566E534E4D505F50505F4170706C69636174696F6E";

class Folder {
public:
    Folder()
    {
        char path[] = "/tmp/vnbootw-XXXXXX";
        path_ = mkdtemp(path);
    }
    ~Folder() { fs::remove_all(path_); }
    std::string counter() const { return path_ + "/" + kVnBootCounterFile; }
    std::string path(const std::string& name) const { return path_ + "/" + name; }
    // Every entry of the folder but the counter and `keep`.
    std::vector<std::string> strays(const std::vector<std::string>& keep = {}) const
    {
        std::vector<std::string> found;
        for (const auto& entry : fs::directory_iterator(path_)) {
            const std::string name = entry.path().filename().string();
            if (name != kVnBootCounterFile && std::find(keep.begin(), keep.end(), name) == keep.end())
                found.push_back(name);
        }
        return found;
    }

private:
    std::string path_;
};

std::string Read(const std::string& file)
{
    std::ifstream in(file);
    std::stringstream text;
    text << in.rdbuf();
    return text.str();
}

void Write(const std::string& file, const std::string& text)
{
    std::ofstream(file) << text;
}

TEST(BootCounterWrites, ALinkNamedLikeASideFileKeepsItsTarget)
{
    Folder folder;
    const std::string target = folder.path("precious.txt");
    Write(target, "keep me\n");
    // The name the side file once had, and a few other guesses.
    const std::vector<std::string> links = {std::string(kVnBootCounterFile) + ".new",
                                            std::string(kVnBootCounterFile) + ".tmp",
                                            std::string(kVnBootCounterFile) + "." + std::to_string(getpid())
                                                + ".0.new"};
    for (const std::string& link : links)
        fs::create_symlink(target, folder.path(link));

    for (int boots : {1, 2, 3})
        ASSERT_EQ(saveBootCounter(folder.counter(), kEngine, boots), BootCounterResult::Ok);

    EXPECT_EQ(Read(target), "keep me\n");
    for (const std::string& link : links)
        EXPECT_TRUE(fs::is_symlink(folder.path(link))) << link << " is left as it was";
    EXPECT_FALSE(fs::is_symlink(folder.counter()));
    EXPECT_EQ(Read(folder.counter()), std::string(kEngineHex) + " 3\n");
    EXPECT_EQ(folder.strays({"precious.txt", links[0], links[1], links[2]}), std::vector<std::string>{})
        << "no side file left behind";
}

TEST(BootCounterWrites, ACounterThatIsALinkBecomesAFileAndItsTargetIsLeftAlone)
{
    Folder folder;
    const std::string target = folder.path("elsewhere");
    Write(target, "0A0B 7\n");
    fs::create_symlink(target, folder.counter());

    ASSERT_EQ(saveBootCounter(folder.counter(), kEngine, 5), BootCounterResult::Ok);

    EXPECT_EQ(Read(target), "0A0B 7\n") << "the link's target is never written";
    EXPECT_FALSE(fs::is_symlink(folder.counter()));
    EXPECT_EQ(Read(folder.counter()), std::string("0A0B 7\n") + kEngineHex + " 5\n")
        << "the other engines' lines read through the link are kept";
    EXPECT_EQ((fs::status(folder.counter()).permissions() & (fs::perms::group_write | fs::perms::others_write)),
              fs::perms::none);
}

TEST(BootCounterWrites, TwoWritersInOneFolderNeverLeaveADamagedCounter)
{
    Folder folder;
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
    Folder folder;
    const fs::path before = fs::current_path();
    fs::current_path(folder.path(""));
    int boots = -1;
    EXPECT_EQ(saveBootCounter(kVnBootCounterFile, kEngine, 41), BootCounterResult::Ok);
    EXPECT_EQ(getBootCounter(kVnBootCounterFile, kEngine, boots), BootCounterResult::Ok);
    EXPECT_EQ(boots, 41);
    EXPECT_EQ(folder.strays(), std::vector<std::string>{});
    fs::current_path(before);
}

} // namespace
