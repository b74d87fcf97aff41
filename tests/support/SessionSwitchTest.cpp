#include "SessionSwitchTest.h"

#include <cstdlib>
#include <filesystem>

#include "VnSNMPDefaults.h"

void EnsureSessionStarted()
{
    static bool started = false;
    if (started)
        return;
    started = true;
    char folder[] = "/tmp/vn-test-session-XXXXXX";
    ASSERT_NE(mkdtemp(folder), nullptr);
    // The counter is read and written only while the session starts.
    struct Remove {
        const char* folder;
        ~Remove() { std::filesystem::remove_all(folder); }
    } remove{folder};
    StartSession(folder);
    VnDefaultTimeout = kTestSnmpTimeout;
}
