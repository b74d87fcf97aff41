// What the boot counter is read from: a regular file of the counter's own
// size, never what a link under its name points at, never a FIFO that
// would hold the start up for ever or a device that reads without end.
// Each read runs in a child process with a memory limit and an alarm, so
// a read that blocks or never ends fails the case instead of the run.
#include <gtest/gtest.h>

#include <signal.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdio>
#include <filesystem>
#include <functional>
#include <string>
#include <vector>

#include "BootCounter.h"
#include "BootCounterTestSupport.h"
#include "SnmpSmi.h"
#include "VnException.h"
#include "VnMessages.h"
#include "VnSNMPSession.h"

using namespace boottest;

namespace {

constexpr std::size_t kLargestCounter = 64 * 1024;

// What `work` returns, computed in a child process that may use 512 MiB
// more than this one and is stopped by an alarm after a minute: only a
// read that blocks or runs without end ever meets either bound.
std::string Guarded(const std::function<std::string()>& work)
{
    int channel[2];
    if (::pipe(channel) != 0)
        return "no pipe";
    std::fflush(nullptr);
    const pid_t child = ::fork();
    if (child == 0) {
        ::close(channel[0]);
        long pages = 0;
        if (std::FILE* statm = std::fopen("/proc/self/statm", "r")) {
            if (std::fscanf(statm, "%ld", &pages) != 1)
                pages = 0;
            std::fclose(statm);
        }
        const rlim_t limit = static_cast<rlim_t>(pages) * static_cast<rlim_t>(::sysconf(_SC_PAGESIZE))
                             + (rlim_t{512} << 20);
        const rlimit bound{limit, limit};
        ::setrlimit(RLIMIT_AS, &bound);
        ::alarm(60);
        std::string answer;
        try {
            answer = work();
        } catch (const std::exception& e) {
            answer = std::string("exception: ") + e.what();
        }
        const ssize_t written = ::write(channel[1], answer.data(), answer.size());
        ::_exit(written == static_cast<ssize_t>(answer.size()) ? 0 : 1);
    }
    ::close(channel[1]);
    std::string answer;
    char buffer[256];
    for (ssize_t got; (got = ::read(channel[0], buffer, sizeof buffer)) != 0;) {
        if (got < 0 && errno == EINTR)
            continue;
        if (got < 0)
            break;
        answer.append(buffer, static_cast<std::size_t>(got));
    }
    ::close(channel[0]);
    int status = 0;
    while (::waitpid(child, &status, 0) < 0 && errno == EINTR) {
    }
    if (WIFSIGNALED(status))
        return "child killed by signal " + std::to_string(WTERMSIG(status));
    return answer;
}

std::string ReadResult(const std::string& counter)
{
    return Guarded([&] {
        int boots = -1;
        const int result = getBootCounter(counter, kEngine, boots);
        return std::to_string(result) + " boots " + std::to_string(boots);
    });
}

std::string SaveResult(const std::string& counter)
{
    return Guarded([&] { return std::to_string(saveBootCounter(counter, kEngine, 5)); });
}

std::string StartResult(const std::string& folder)
{
    return Guarded([&] {
        VnEventProcessor.Stop();
        try {
            StartSession(folder);
        } catch (const VnException& e) {
            return std::to_string(e.HelpContext()) + " " + e.what()
                   + (VnEventProcessor.IsActive() ? " (timer on)" : "");
        }
        return std::string("started");
    });
}

// A counter of `size` bytes: other engines' lines, one line of padding,
// and this engine's count of 12 last.
std::string CounterOfSize(std::size_t size)
{
    const std::string last = std::string(kEngineHex) + " 12\n";
    std::string text;
    for (;;) {
        const std::string other = "0A0B" + std::to_string(text.size()) + " 3\n";
        if (text.size() + other.size() + last.size() > size)
            break;
        text += other;
    }
    const std::size_t room = size - text.size() - last.size();
    if (room > 0)
        text += std::string(room - 1, 'F') + "\n";
    return text + last;
}

// Other engines' lines, `size` bytes in all, the last one padding; no
// line of this engine.
std::string OthersOfSize(std::size_t size)
{
    std::string text;
    for (;;) {
        const std::string other = "0A0B" + std::to_string(text.size()) + " 3\n";
        if (text.size() + other.size() + 2 > size)
            break;
        text += other;
    }
    return text + std::string(size - text.size() - 1, 'F') + "\n";
}

struct Case {
    const char* why;
    // Puts something under the counter's name; returns what it must still
    // be afterwards ("" to skip that check).
    std::function<std::string(const CounterFolder&)> make;
    std::string read;   // getBootCounter's result and boots
    std::string start;  // StartSession's outcome
};

std::string Describe(const std::string& path)
{
    const fs::file_status status = fs::symlink_status(path);
    if (fs::is_symlink(status))
        return "link to " + fs::read_symlink(path).string();
    if (fs::is_fifo(status))
        return "fifo";
    if (fs::is_regular_file(status))
        return "file: " + Read(path);
    return "other";
}

const std::string kRefusedRead = std::to_string(BootCounterResult::ReadError) + " boots 0";
const std::string kRefusedStart = "-507 (VnSNMP++) Error when loading SNMP engine boots counter!";

} // namespace

TEST(BootCounterReads, OnlyARegularFileOfTheCountersSizeIsRead)
{
    const Case cases[] = {
        {"a FIFO: opening it to read would wait for a writer for ever",
         [](const CounterFolder& f) {
             EXPECT_EQ(::mkfifo(f.counter().c_str(), 0600), 0);
             return std::string("fifo");
         },
         kRefusedRead, kRefusedStart},
        {"a link to /dev/zero: it reads without end",
         [](const CounterFolder& f) {
             fs::create_symlink("/dev/zero", f.counter());
             return std::string("link to /dev/zero");
         },
         kRefusedRead, kRefusedStart},
        {"a link to another readable file: its lines are not the counter's",
         [](const CounterFolder& f) {
             Write(f.file("secret"), "0A0B 7\n" + std::string(kEngineHex) + " 9\n");
             fs::create_symlink(f.file("secret"), f.counter());
             return "link to " + f.file("secret");
         },
         kRefusedRead, kRefusedStart},
        {"a dangling link: not a missing counter that may be created",
         [](const CounterFolder& f) {
             fs::create_symlink(f.file("nowhere"), f.counter());
             return "link to " + f.file("nowhere");
         },
         kRefusedRead, kRefusedStart},
        {"a regular file one byte larger than any counter",
         [](const CounterFolder& f) {
             Write(f.counter(), CounterOfSize(kLargestCounter + 1));
             return "file: " + CounterOfSize(kLargestCounter + 1);
         },
         kRefusedRead, kRefusedStart},
        {"a regular file of the largest size a counter may have",
         [](const CounterFolder& f) {
             Write(f.counter(), CounterOfSize(kLargestCounter));
             return std::string();
         },
         "0 boots 12", "started"},
        {"the counter as it is written",
         [](const CounterFolder& f) {
             Write(f.counter(), "0A0B 7\n" + std::string(kEngineHex) + " 41\n");
             return std::string();
         },
         "0 boots 41", "started"},
    };
    ASSERT_EQ(CounterOfSize(kLargestCounter).size(), kLargestCounter);
    for (const Case& c : cases) {
        SCOPED_TRACE(c.why);
        CounterFolder folder;
        const std::string after = c.make(folder);
        EXPECT_EQ(ReadResult(folder.counter()), c.read);
        EXPECT_EQ(StartResult(folder.path()), c.start);
        if (!after.empty()) {
            EXPECT_EQ(Describe(folder.counter()), after) << "left as it was";
        }
    }
}

TEST(BootCounterReads, ASaveOverAFifoIsRefusedAndLeavesIt)
{
    CounterFolder folder;
    ASSERT_EQ(::mkfifo(folder.counter().c_str(), 0600), 0);
    EXPECT_EQ(SaveResult(folder.counter()), std::to_string(BootCounterResult::ReadError));
    EXPECT_EQ(Describe(folder.counter()), "fifo");
    EXPECT_EQ(folder.strays(), std::vector<std::string>{}) << "no side file left behind";
}

// The save never writes a counter its own read refuses: such a file would
// stop every later start with the load error. It is left as it was, every
// engine's line in it, and start-up stops at once with the save error.
TEST(BootCounterReads, ASaveThatWouldOutgrowTheReadLeavesTheCounterAsItWas)
{
    const std::string ours = std::string(kEngineHex) + " ";
    const std::string refusedSave = std::to_string(BootCounterResult::WriteError);
    const std::string refusedStart = "-508 (VnSNMP++) Error when saving SNMP engine boots counter!";
    struct SaveCase {
        const char* why;
        std::string before;
        int boots;
        std::string save;  // saveBootCounter's result
        std::string read;  // getBootCounter's afterwards
        std::string after;  // the file afterwards; "" = before
    };
    const std::string full = OthersOfSize(kLargestCounter - (ours.size() + 2));
    const SaveCase cases[] = {
        {"other engines' lines 4 bytes short of the limit: this engine's line does not fit",
         OthersOfSize(kLargestCounter - 4), 1, refusedSave, "-1 boots 0", ""},
        {"this engine's line fills the file to the limit exactly", full, 1, "0", "0 boots 1", full + ours + "1\n"},
        {"this engine's count at the limit grows by a digit: its line stays as it was",
         CounterOfSize(kLargestCounter), 100, refusedSave, "0 boots 12", ""},
    };
    ASSERT_EQ(OthersOfSize(kLargestCounter - 4).size(), kLargestCounter - 4);
    ASSERT_EQ(full.size() + ours.size() + 2, kLargestCounter);
    for (const SaveCase& c : cases) {
        SCOPED_TRACE(c.why);
        CounterFolder folder;
        Write(folder.counter(), c.before);
        EXPECT_EQ(Guarded([&] { return std::to_string(saveBootCounter(folder.counter(), kEngine, c.boots)); }),
                  c.save);
        const std::string after = Read(folder.counter());
        const std::string& expected = c.after.empty() ? c.before : c.after;
        EXPECT_TRUE(after == expected) << after.size() << " bytes, not the " << expected.size() << " expected";
        EXPECT_EQ(ReadResult(folder.counter()), c.read) << "the counter stays readable";
        EXPECT_EQ(folder.strays(), std::vector<std::string>{}) << "no side file left behind";
    }

    // As start-up meets it: the first start and every later one say that
    // the count cannot be saved, and the file stays readable as it was.
    CounterFolder folder;
    const std::string before = OthersOfSize(kLargestCounter - 4);
    Write(folder.counter(), before);
    for (const char* start : {"first start", "next start"}) {
        SCOPED_TRACE(start);
        EXPECT_EQ(StartResult(folder.path()), refusedStart);
        const std::string after = Describe(folder.counter());
        EXPECT_TRUE(after == "file: " + before) << after.size() - 6 << " bytes, not " << before.size();
        EXPECT_EQ(ReadResult(folder.counter()), "-1 boots 0");
    }
}
