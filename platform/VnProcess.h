#pragma once
// Starting another program, in place of the host system's WinExec.
//
// The program gets its arguments exactly as given: no shell sees them, so
// blanks, quotes and shell characters in a value arrive unchanged. A bare
// program name is looked up in PATH. The program runs on its own; nobody
// waits for it.
#include <functional>
#include <string>
#include <vector>

// true when the program was started.
using VnProcessStarter =
    std::function<bool(const std::string& program, const std::vector<std::string>& arguments)>;

bool VnStartProcess(const std::string& program, const std::vector<std::string>& arguments);

// Replaces the starter (an empty one puts the real one back) and returns the
// previous one.
VnProcessStarter VnSetProcessStarter(VnProcessStarter starter);

// The real starter, for a replacement that wants to pass calls on.
bool VnStartDetached(const std::string& program, const std::vector<std::string>& arguments);

// Puts a starter in place for its lifetime, for tests.
class VnScopedProcessStarter {
public:
    explicit VnScopedProcessStarter(VnProcessStarter starter)
        : previous_(VnSetProcessStarter(std::move(starter))) {}
    ~VnScopedProcessStarter() { VnSetProcessStarter(std::move(previous_)); }
    VnScopedProcessStarter(const VnScopedProcessStarter&) = delete;
    VnScopedProcessStarter& operator=(const VnScopedProcessStarter&) = delete;

private:
    VnProcessStarter previous_;
};
