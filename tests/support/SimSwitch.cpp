#include "SimSwitch.h"

#include "EventLoopWait.h"

#include <poll.h>
#include <sys/prctl.h>
#include <sys/socket.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <chrono>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <sstream>
#include <stdexcept>

#ifndef VN_SIMSWITCH_PROGRAM
#error "VN_SIMSWITCH_PROGRAM must name the simswitch program"
#endif
#ifndef VN_SIMSWITCH_DATA_DIR
#error "VN_SIMSWITCH_DATA_DIR must name tools/simswitch/data"
#endif

namespace {

// Limits against a switch that hangs, never against a slow one: a
// sanitizer build beside a full CPU load can take seconds for either.
constexpr int kStartTimeoutMs = kTestPatienceMs;
constexpr int kCommandTimeoutMs = kTestPatienceMs;

std::vector<std::string> Words(const std::string& line, std::size_t count, std::string& rest)
{
    std::istringstream in(line);
    std::vector<std::string> words;
    std::string word;
    while (words.size() < count && in >> word)
        words.push_back(word);
    std::getline(in, rest);
    if (!rest.empty() && rest.front() == ' ')
        rest.erase(0, 1);
    return words;
}

}  // namespace

std::string SimSwitch::programPath()
{
    return VN_SIMSWITCH_PROGRAM;
}

std::string SimSwitch::dataPath(const std::string& name)
{
    return std::string(VN_SIMSWITCH_DATA_DIR) + "/" + name;
}

std::vector<std::string> SimSwitch::dataList(const std::string& name)
{
    std::ifstream in(dataPath(name));
    if (!in)
        throw std::runtime_error("SimSwitch: cannot read " + dataPath(name));
    std::vector<std::string> paths;
    std::string line;
    while (std::getline(in, line)) {
        line = line.substr(0, line.find('#'));
        const auto first = line.find_first_not_of(" \t\r");
        if (first == std::string::npos)
            continue;
        const auto last = line.find_last_not_of(" \t\r");
        paths.push_back(dataPath(line.substr(first, last - first + 1)));
    }
    return paths;
}

SimSwitch::SimSwitch(SimSwitchOptions options)
{
    std::vector<std::string> args{programPath(), "--parent", std::to_string(getpid())};
    args.insert(args.end(), options.args.begin(), options.args.end());
    if (options.defaultData)
        args.push_back(dataPath("default.sim"));
    args.insert(args.end(), options.dataFiles.begin(), options.dataFiles.end());
    if (!options.defaultData && options.dataFiles.empty())
        throw std::runtime_error("SimSwitch: no data file");

    std::vector<char*> argv;
    for (auto& arg : args)
        argv.push_back(arg.data());
    argv.push_back(nullptr);

    // A socket pair rather than pipes: writing to a switch that died must
    // fail with EPIPE here, not raise SIGPIPE in the test program.
    int pair[2];
    if (socketpair(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0, pair) != 0)
        throw std::runtime_error("SimSwitch: socketpair failed");

    pid_t parent = getpid();
    pid_ = fork();
    if (pid_ < 0) {
        close(pair[0]);
        close(pair[1]);
        throw std::runtime_error("SimSwitch: fork failed");
    }
    if (pid_ == 0) {
        // Only async-signal-safe calls between fork and exec.
        prctl(PR_SET_PDEATHSIG, SIGTERM);
        if (getppid() != parent)
            _exit(127);
        dup2(pair[1], STDIN_FILENO);
        dup2(pair[1], STDOUT_FILENO);
        execv(argv[0], argv.data());
        _exit(127);
    }
    close(pair[1]);
    fd_ = pair[0];

    auto line = readLine(kStartTimeoutMs);
    if (!line || line->rfind("port ", 0) != 0) {
        stop();
        throw std::runtime_error("SimSwitch: the switch did not start (see its messages above)");
    }
    port_ = static_cast<std::uint16_t>(std::stoi(line->substr(5)));
    command("ping");
}

SimSwitch::~SimSwitch()
{
    stop();
}

void SimSwitch::stop()
{
    if (pid_ > 0) {
        kill(pid_, SIGTERM);
        int status = 0;
        while (waitpid(pid_, &status, 0) < 0 && errno == EINTR) {
        }
        pid_ = -1;
    }
    if (fd_ >= 0) {
        close(fd_);
        fd_ = -1;
    }
}

void SimSwitch::sendLine(const std::string& text)
{
    std::string line = text + "\n";
    std::size_t sent = 0;
    while (sent < line.size()) {
        ssize_t n = send(fd_, line.data() + sent, line.size() - sent, MSG_NOSIGNAL);
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0)
            throw std::runtime_error("SimSwitch: the switch is gone");
        sent += static_cast<std::size_t>(n);
    }
}

std::optional<std::string> SimSwitch::readLine(int timeoutMs)
{
    using Clock = std::chrono::steady_clock;
    auto deadline = Clock::now() + std::chrono::milliseconds(timeoutMs);
    for (;;) {
        if (auto end = buffer_.find('\n'); end != std::string::npos) {
            std::string line = buffer_.substr(0, end);
            buffer_.erase(0, end + 1);
            return line;
        }
        auto left = std::chrono::duration_cast<std::chrono::milliseconds>(deadline - Clock::now()).count();
        if (left <= 0 || fd_ < 0)
            return std::nullopt;
        pollfd p{fd_, POLLIN, 0};
        int ready = poll(&p, 1, static_cast<int>(left));
        if (ready < 0 && errno == EINTR)
            continue;
        if (ready <= 0)
            return std::nullopt;
        char chunk[4096];
        ssize_t n = read(fd_, chunk, sizeof chunk);
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0)
            return std::nullopt;  // the switch ended
        buffer_.append(chunk, static_cast<std::size_t>(n));
    }
}

std::vector<std::string> SimSwitch::command(const std::string& line)
{
    if (fd_ < 0)
        throw std::runtime_error("SimSwitch: not running");
    sendLine(line);
    std::vector<std::string> output;
    for (;;) {
        auto reply = readLine(kCommandTimeoutMs);
        if (!reply)
            throw std::runtime_error("SimSwitch: no answer to '" + line + "'");
        if (*reply == "ok")
            return output;
        if (reply->rfind("error", 0) == 0)
            throw std::runtime_error("SimSwitch: '" + line + "': " + *reply);
        output.push_back(*reply);
    }
}

std::vector<SimSwitch::SetPdu> SimSwitch::sets()
{
    std::vector<SetPdu> pdus;
    for (const auto& line : command("sets")) {
        std::string rest;
        if (line.rfind("pdu ", 0) == 0) {
            auto words = Words(line, 5, rest);
            if (words.size() < 5)
                throw std::runtime_error("SimSwitch: bad record line '" + line + "'");
            SetPdu pdu;
            pdu.seq = std::stoi(words[1]);
            pdu.version = words[2];
            pdu.reqid = std::stol(words[3]);
            pdu.status = words[4];
            pdu.securityName = rest;
            pdus.push_back(std::move(pdu));
            continue;
        }
        auto words = Words(line, 3, rest);
        if (words.size() < 3 || words[0] != "vb" || pdus.empty())
            throw std::runtime_error("SimSwitch: bad record line '" + line + "'");
        pdus.back().varbinds.push_back({words[1], words[2], rest});
    }
    return pdus;
}

void SimSwitch::clearSets()
{
    command("clear-sets");
}

void SimSwitch::drop(const std::string& prefix)
{
    command("drop " + prefix);
}

void SimSwitch::undrop(const std::string& prefix)
{
    command("undrop " + prefix);
}

void SimSwitch::error(const std::string& oid, const std::string& status, const std::string& op)
{
    command("error " + oid + " " + status + " " + op);
}

void SimSwitch::delay(const std::string& oid, int ms)
{
    command("delay " + oid + " " + std::to_string(ms));
}

void SimSwitch::clearFaults()
{
    command("clear-faults");
}

void SimSwitch::set(const std::string& oid, const std::string& type, const std::string& value)
{
    command("set " + oid + " " + type + " " + value);
}

void SimSwitch::unset(const std::string& oid)
{
    command("unset " + oid);
}

std::optional<SimSwitch::Varbind> SimSwitch::get(const std::string& oid)
{
    auto lines = command("get " + oid);
    if (lines.empty() || lines[0] == "none")
        return std::nullopt;
    std::string rest;
    auto words = Words(lines[0], 3, rest);
    if (words.size() < 3 || words[0] != "value")
        throw std::runtime_error("SimSwitch: bad answer '" + lines[0] + "'");
    return Varbind{words[1], words[2], rest};
}

TempSimData::TempSimData(const std::string& text)
{
    const char* tmp = std::getenv("TMPDIR");
    std::string pattern = std::string(tmp && *tmp ? tmp : "/tmp") + "/simdata.XXXXXX";
    int fd = mkstemp(pattern.data());
    if (fd < 0)
        throw std::runtime_error("TempSimData: cannot create a file");
    close(fd);
    path_ = pattern;
    std::ofstream out(path_);
    out << text;
    if (!out)
        throw std::runtime_error("TempSimData: cannot write " + path_);
}

TempSimData::~TempSimData()
{
    std::remove(path_.c_str());
}
