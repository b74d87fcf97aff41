#pragma once
// Starts the simulated switch (tools/simswitch) on 127.0.0.1 and a free
// UDP port for one test, talks to its control channel, and stops it. The
// switch also ends when the thread that started it ends.
#include <sys/types.h>

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

// The switch's default communities and v3 users (tools/simswitch/README.md).
namespace simswitch {
inline constexpr const char* kAddress = "127.0.0.1";
inline constexpr const char* kReadCommunity = "qorvel";
inline constexpr const char* kWriteCommunity = "tamisko";
inline constexpr const char* kNoAuthUser = "noauth";
inline constexpr const char* kMd5User = "md5user";      // MD5, kMd5Password
inline constexpr const char* kShaUser = "shauser";      // SHA, kShaPassword
inline constexpr const char* kMd5DesUser = "md5des";    // MD5 + DES
inline constexpr const char* kShaDesUser = "shades";    // SHA + DES
inline constexpr const char* kMd5Password = "md5authpass";
inline constexpr const char* kShaPassword = "shaauthpass";
inline constexpr const char* kDesPassword = "desprivpass";
}  // namespace simswitch

struct SimSwitchOptions {
    bool defaultData = true;             // load data/default.sim first
    std::vector<std::string> dataFiles;  // then these, in order (later lines win)
    std::vector<std::string> args;       // further options, e.g. {"--ro", "public"}
};

class SimSwitch {
public:
    struct Varbind {
        std::string oid;    // dotted, no leading dot
        std::string type;   // INTEGER, OCTETSTR, OID, IPADDRESS, COUNTER, ...
        std::string value;  // decimal, dotted, or upper-case hex for octet strings
    };
    struct SetPdu {
        int seq = 0;
        std::string version;       // "v1", "v2c", "v3"
        long reqid = 0;
        std::string status;        // "received", "applied", "dropped"
        std::string securityName;  // community or v3 user
        std::vector<Varbind> varbinds;
    };

    // Throws std::runtime_error when the switch does not come up.
    explicit SimSwitch(SimSwitchOptions options = {});
    ~SimSwitch();
    SimSwitch(const SimSwitch&) = delete;
    SimSwitch& operator=(const SimSwitch&) = delete;

    std::uint16_t port() const { return port_; }
    pid_t pid() const { return pid_; }
    bool running() const { return pid_ > 0; }
    // Ends the switch now (SIGTERM and wait); the destructor does it too.
    void stop();

    // One control command; returns the lines before "ok". Throws
    // std::runtime_error on "error ..." or when no answer comes in time.
    std::vector<std::string> command(const std::string& line);

    // Every set PDU received since the start or the last clearSets().
    std::vector<SetPdu> sets();
    void clearSets();
    void drop(const std::string& prefix);
    void undrop(const std::string& prefix);
    // op: "get", "getnext", "set" or "all"; status by name or number, 0 clears.
    void error(const std::string& oid, const std::string& status, const std::string& op = "all");
    void delay(const std::string& oid, int ms);  // 0 clears
    void clearFaults();
    void set(const std::string& oid, const std::string& type, const std::string& value);
    void unset(const std::string& oid);
    std::optional<Varbind> get(const std::string& oid);

    static std::string programPath();
    // A file of tools/simswitch/data, e.g. dataPath("testtables.sim").
    static std::string dataPath(const std::string& name);
    // The paths of the files a list of tools/simswitch/data names, one a
    // line ("#" starts a comment), e.g. dataList("demo.list"). Throws
    // std::runtime_error when the list cannot be read.
    static std::vector<std::string> dataList(const std::string& name);

private:
    void sendLine(const std::string& line);
    std::optional<std::string> readLine(int timeoutMs);

    pid_t pid_ = -1;
    int fd_ = -1;  // our end of the switch's stdin and stdout
    std::uint16_t port_ = 0;
    std::string buffer_;
};

// A data file written from a string, removed again by the destructor.
class TempSimData {
public:
    explicit TempSimData(const std::string& text);
    ~TempSimData();
    TempSimData(const TempSimData&) = delete;
    TempSimData& operator=(const TempSimData&) = delete;
    const std::string& path() const { return path_; }

private:
    std::string path_;
};
