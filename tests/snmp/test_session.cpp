// The boot counter file, StartSession and the default target settings.
#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>

#include "BootCounter.h"
#include "BootCounterTestSupport.h"
#include "SnmpSmi.h"
#include "VnException.h"
#include "VnMessages.h"
#include "VnSNMPDefaults.h"
#include "VnSNMPSession.h"

namespace fs = std::filesystem;
using namespace boottest;

namespace {

int StartSessionCode(const std::string& folder)
{
    try {
        StartSession(folder);
    } catch (const VnException& e) {
        EXPECT_EQ(e.what(), VnErrorText(e.HelpContext()));
        return e.HelpContext();
    }
    return 0;
}

}  // namespace

TEST(BootCounterFile, MissingFileReadsZero)
{
    CounterFolder folder;
    int boots = 99;
    EXPECT_EQ(getBootCounter(folder.counter(), kEngine, boots), BootCounterResult::FileMissing);
    EXPECT_EQ(boots, 0);
}

TEST(BootCounterFile, SavesOneLinePerEngineAndKeepsOthers)
{
    CounterFolder folder;
    Write(folder.counter(), "0A0B 7\n");
    ASSERT_EQ(saveBootCounter(folder.counter(), kEngine, 3), BootCounterResult::Ok);
    ASSERT_EQ(saveBootCounter(folder.counter(), kEngine, 4), BootCounterResult::Ok);
    EXPECT_EQ(Read(folder.counter()), std::string("0A0B 7\n") + kEngineHex + " 4\n");
    int boots = 0;
    EXPECT_EQ(getBootCounter(folder.counter(), kEngine, boots), BootCounterResult::Ok);
    EXPECT_EQ(boots, 4);
    EXPECT_EQ(getBootCounter(folder.counter(), OctetStr("\x0A\x0B"), boots), BootCounterResult::Ok);
    EXPECT_EQ(boots, 7);
    EXPECT_EQ(getBootCounter(folder.counter(), OctetStr("other"), boots), BootCounterResult::NoEntry);
    EXPECT_EQ(boots, 0);
    EXPECT_FALSE(fs::exists(folder.counter() + ".new")) << "the new file has taken the old one's place";
}

TEST(BootCounterFile, DamagedOrUnreadableFileIsAnError)
{
    struct Case {
        const char* content;
        int result;
        const char* why;
    };
    const Case cases[] = {
        {"", BootCounterResult::BadFormat, "no boots count"},
        {" x5", BootCounterResult::BadFormat, "not a number"},
        {" 2147483648", BootCounterResult::BadFormat, "above the largest boots count"},
        {" 5 6", BootCounterResult::BadFormat, "extra words"},
        {" 2147483647", BootCounterResult::Ok, "largest boots count"},
    };
    for (const Case& c : cases) {
        CounterFolder folder;
        Write(folder.counter(), "garbage line for someone else\n" + std::string(kEngineHex) + c.content + "\n");
        int boots = 0;
        EXPECT_EQ(getBootCounter(folder.counter(), kEngine, boots), c.result) << c.why;
    }
    CounterFolder folder;
    fs::create_directory(folder.counter());
    int boots = 0;
    EXPECT_EQ(getBootCounter(folder.counter(), kEngine, boots), BootCounterResult::ReadError) << "a folder in its place";
}

TEST(BootCounterFile, UnwritableLocationFails)
{
    EXPECT_EQ(saveBootCounter("/nonexistent-folder-vn/VnSNMP_PP_BootCounter", kEngine, 1),
              BootCounterResult::WriteError);
}

// Run by CTest in a process of its own; in a shared run another test may
// have started the session already.
TEST(SessionStart, DefaultsBeforeStartAreEmpty)
{
    if (VnGlobalSession)
        GTEST_SKIP() << "the session was started earlier in this process";
    VnSNMPDevice device{"x", 9};
    VnSNMPScope scope;
    VnSNMPSecurity security;
    security.version = 3;
    int timeout = 7;
    VnCopyDefaults(device, scope, security, timeout);
    EXPECT_EQ(device.address, "");
    EXPECT_EQ(device.port, 0);
    EXPECT_EQ(security.version, 0);
    EXPECT_EQ(security.readCommunity, "");
    EXPECT_EQ(timeout, 0);
}

TEST(SessionStart, CountsBootsAndWritesTheDefaults)
{
    CounterFolder folder;
    ASSERT_EQ(StartSessionCode(folder.path()), 0);
    EXPECT_EQ(Read(folder.counter()), std::string(kEngineHex) + " 1\n");
    ASSERT_EQ(StartSessionCode(folder.path() + "/"), 0) << "a folder ending in a separator";
    EXPECT_EQ(Read(folder.counter()), std::string(kEngineHex) + " 2\n");

    ASSERT_NE(VnGlobalSession, nullptr);
    EXPECT_TRUE(VnEventProcessor.IsActive());
    VnSNMPDevice device;
    VnSNMPScope scope;
    VnSNMPSecurity security;
    int timeout = 0;
    VnCopyDefaults(device, scope, security, timeout);
    EXPECT_EQ(device.address, "127.0.0.1");
    EXPECT_EQ(device.port, 161);
    EXPECT_EQ(security.version, 0);
    EXPECT_EQ(security.readCommunity, "qorvel");
    EXPECT_EQ(security.writeCommunity, "tamisko");
    EXPECT_EQ(security.securityModel, 1);
    EXPECT_EQ(security.securityLevel, 1);
    EXPECT_EQ(security.authProtocol, 1);
    EXPECT_EQ(security.privProtocol, 1);
    EXPECT_EQ(security.securityName, "");
    EXPECT_EQ(timeout, 100);
}

// The count stays at its largest value instead of overflowing.
TEST(SessionStart, BootsStayAtTheirMaximum)
{
    CounterFolder folder;
    Write(folder.counter(), std::string(kEngineHex) + " 2147483647\n");
    ASSERT_EQ(StartSessionCode(folder.path()), 0);
    EXPECT_EQ(Read(folder.counter()), std::string(kEngineHex) + " 2147483647\n");
}

TEST(SessionStart, CounterFailuresStopTheStart)
{
    struct Case {
        const char* why;
        int code;
    };
    CounterFolder damaged;
    Write(damaged.counter(), std::string(kEngineHex) + " lots\n");
    CounterFolder unreadable;
    fs::create_directory(unreadable.counter());
    const std::pair<std::string, Case> cases[] = {
        {damaged.path(), {"damaged counter line", kVnErrBootCounterLoad}},
        {unreadable.path(), {"unreadable counter file", kVnErrBootCounterLoad}},
        {"/nonexistent-folder-vn", {"unwritable folder", kVnErrBootCounterSave}},
    };
    for (const auto& [folder, c] : cases) {
        VnEventProcessor.Stop();
        VnDefaultDevice.address = "untouched";
        EXPECT_EQ(StartSessionCode(folder), c.code) << c.why;
        EXPECT_FALSE(VnEventProcessor.IsActive()) << c.why;
        EXPECT_EQ(VnDefaultDevice.address, "untouched") << c.why << ": the defaults are not written";
    }
    VnWriteDefaultSettings();
    VnEventProcessor.Start();
}
