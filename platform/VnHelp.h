#pragma once
// Opening the module's help file with the desktop's handler for its type, in
// place of the host system's help viewer.
#include <functional>
#include <string>

class QUrl;

// true when the handler took the URL.
using VnUrlOpener = std::function<bool(const QUrl& url)>;

// Opens the file at `path` (absolute or relative to the current folder).
// false when the file does not exist, there is no GUI application, or the
// desktop has no handler for it, so the caller can say so.
bool VnOpenHelp(const std::string& path);

// Replaces the opener (an empty one puts the desktop's back) and returns the
// previous one.
VnUrlOpener VnSetUrlOpener(VnUrlOpener opener);

// Puts an opener in place for its lifetime, for tests.
class VnScopedUrlOpener {
public:
    explicit VnScopedUrlOpener(VnUrlOpener opener)
        : previous_(VnSetUrlOpener(std::move(opener))) {}
    ~VnScopedUrlOpener() { VnSetUrlOpener(std::move(previous_)); }
    VnScopedUrlOpener(const VnScopedUrlOpener&) = delete;
    VnScopedUrlOpener& operator=(const VnScopedUrlOpener&) = delete;

private:
    VnUrlOpener previous_;
};
