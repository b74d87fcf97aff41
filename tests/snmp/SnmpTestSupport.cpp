#include "SnmpTestSupport.h"

#include <cstdlib>
#include <filesystem>
#include <string>

#include "VnSNMPSession.h"

void EnsureSessionStarted()
{
    static bool started = false;
    if (started)
        return;
    started = true;
    char folder[] = "/tmp/vnsnmp-test-XXXXXX";
    if (!mkdtemp(folder))
        return;
    StartSession(folder);
    // The counter is read and written only while the session starts.
    std::filesystem::remove_all(folder);
}
