#include "BootCounter.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <atomic>
#include <cerrno>
#include <cstdio>
#include <random>
#include <vector>

#include "SnmpSmi.h"
#include "VnText.h"

namespace {

std::string Hex(const OctetStr& bytes)
{
    return BytesToHex({bytes.data(), bytes.len()});
}

bool IsSpace(char c)
{
    return c == ' ' || c == '\t' || c == '\r' || c == '\n';
}

std::vector<std::string> Words(const std::string& line)
{
    std::vector<std::string> words;
    std::string word;
    for (char c : line) {
        if (!IsSpace(c)) {
            word += c;
            continue;
        }
        if (!word.empty())
            words.push_back(word);
        word.clear();
    }
    if (!word.empty())
        words.push_back(word);
    return words;
}

bool ParseBoots(const std::string& text, int& boots)
{
    if (text.empty() || text.size() > 10)
        return false;
    long long value = 0;
    for (char c : text) {
        if (c < '0' || c > '9')
            return false;
        value = value * 10 + (c - '0');
    }
    if (value > kMaxEngineBoots)
        return false;
    boots = static_cast<int>(value);
    return true;
}

// The most a counter file may hold: a line is an engine ID of at most 32
// octets in hex, a blank and a count of at most 10 digits; this allows
// some 800 engines sharing the folder. Anything larger is not ours.
constexpr off_t kMaxCounterFileSize = 64 * 1024;

class FdCloser {
public:
    explicit FdCloser(int fd) : fd_(fd) {}
    ~FdCloser() { ::close(fd_); }
    FdCloser(const FdCloser&) = delete;
    FdCloser& operator=(const FdCloser&) = delete;

private:
    int fd_;
};

// Every line of the file; false when it exists and cannot be read. Only a
// regular file of the counter's own size is read: a link is not followed
// (what it names is someone else's), and a FIFO or a device is refused
// without waiting on it or reading it without end.
bool ReadLines(const std::string& fileName, std::vector<std::string>& lines, bool& missing)
{
    missing = false;
    const int fd = ::open(fileName.c_str(), O_RDONLY | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0) {
        missing = errno == ENOENT;
        return missing;
    }
    const FdCloser closer(fd);
    struct stat status {};
    if (::fstat(fd, &status) != 0 || !S_ISREG(status.st_mode) || status.st_size > kMaxCounterFileSize)
        return false;
    // One byte more than allowed tells a file that grew since fstat.
    std::string text(static_cast<std::size_t>(kMaxCounterFileSize) + 1, '\0');
    std::size_t done = 0;
    while (done < text.size()) {
        const ssize_t got = ::read(fd, text.data() + done, text.size() - done);
        if (got < 0 && errno == EINTR)
            continue;
        if (got < 0)
            return false;
        if (got == 0)
            break;
        done += static_cast<std::size_t>(got);
    }
    if (done > static_cast<std::size_t>(kMaxCounterFileSize))
        return false;
    text.resize(done);
    std::string line;
    for (char c : text) {
        if (c == '\n') {
            lines.push_back(line);
            line.clear();
        } else {
            line += c;
        }
    }
    if (!line.empty())
        lines.push_back(line);
    return true;
}

// Creates a side file for `fileName` in its folder under a name nobody
// else uses: created exclusively and never through a link, so neither a
// link planted under a guessable name nor a second writer is written
// through. -1 when none can be made.
int CreateSideFile(const std::string& fileName, std::string& sideName)
{
    static std::atomic<unsigned> serial{0};
    std::random_device seed;
    const std::string base = fileName + ".";
    for (int attempt = 0; attempt < 16; ++attempt) {
        char unique[64];
        std::snprintf(unique, sizeof unique, "%ld.%u.%08x.new", static_cast<long>(::getpid()), serial++,
                      static_cast<unsigned>(seed()));
        sideName = base + unique;
        const int fd = ::open(sideName.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0600);
        if (fd >= 0 || errno != EEXIST)
            return fd;
    }
    return -1;
}

bool WriteAll(int fd, const std::string& text)
{
    std::size_t done = 0;
    while (done < text.size()) {
        const ssize_t written = ::write(fd, text.data() + done, text.size() - done);
        if (written < 0 && errno == EINTR)
            continue;
        if (written <= 0)
            return false;
        done += static_cast<std::size_t>(written);
    }
    return true;
}

}  // namespace

int getBootCounter(const std::string& fileName, const OctetStr& engineId, int& boots)
{
    boots = 0;
    std::vector<std::string> lines;
    bool missing = false;
    if (!ReadLines(fileName, lines, missing))
        return BootCounterResult::ReadError;
    if (missing)
        return BootCounterResult::FileMissing;
    const std::string id = Hex(engineId);
    for (const std::string& line : lines) {
        const std::vector<std::string> words = Words(line);
        if (words.empty() || !SameText(words[0], id))
            continue;
        if (words.size() != 2 || !ParseBoots(words[1], boots)) {
            boots = 0;
            return BootCounterResult::BadFormat;
        }
        return BootCounterResult::Ok;
    }
    return BootCounterResult::NoEntry;
}

int saveBootCounter(const std::string& fileName, const OctetStr& engineId, int boots)
{
    std::vector<std::string> lines;
    bool missing = false;
    if (!ReadLines(fileName, lines, missing))
        return BootCounterResult::ReadError;

    const std::string id = Hex(engineId);
    std::string text;
    for (const std::string& line : lines) {
        const std::vector<std::string> words = Words(line);
        if (words.empty() || SameText(words[0], id))
            continue;
        text += line + '\n';
    }
    const int stored = boots < 0 ? 0 : boots;
    text += id + ' ' + std::to_string(stored) + '\n';
    // A file the read refuses would stop every later start. Dropping other
    // engines' lines to make room would set their counts back, which is
    // what the counter exists to prevent: the file stays as it is.
    if (text.size() > static_cast<std::size_t>(kMaxCounterFileSize))
        return BootCounterResult::WriteError;

    // The rename replaces the counter's directory entry: a counter that is
    // a link becomes a file of its own, and what it pointed to is left as
    // it was.
    std::string fresh;
    const int fd = CreateSideFile(fileName, fresh);
    if (fd < 0)
        return BootCounterResult::WriteError;
    const bool written = WriteAll(fd, text);
    if (::close(fd) != 0 || !written) {
        ::unlink(fresh.c_str());
        return BootCounterResult::WriteError;
    }
    if (std::rename(fresh.c_str(), fileName.c_str()) != 0) {
        ::unlink(fresh.c_str());
        return BootCounterResult::WriteError;
    }
    return BootCounterResult::Ok;
}
