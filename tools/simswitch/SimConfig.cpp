#include "SimConfig.h"

#include <charconv>
#include <cstdint>
#include <fstream>
#include <limits>
#include <sstream>

namespace {

constexpr std::size_t kMinPasswordLength = 8;  // Net-SNMP refuses shorter ones
constexpr long kMaxRepeatRows = 100000;
constexpr long kDefaultValid = 3;
constexpr long kDefaultInvalid = 2;

std::string Trim(const std::string& text)
{
    const char* blanks = " \t\r\n";
    auto first = text.find_first_not_of(blanks);
    if (first == std::string::npos)
        return "";
    auto last = text.find_last_not_of(blanks);
    return text.substr(first, last - first + 1);
}

bool ParseLong(const std::string& text, long& value)
{
    auto [ptr, ec] = std::from_chars(text.data(), text.data() + text.size(), value);
    return ec == std::errc() && ptr == text.data() + text.size() && !text.empty();
}

bool NeedOid(const std::string& text, SimOid& oid, std::string& error)
{
    auto parsed = SimParseOid(text);
    if (!parsed) {
        error = "bad OID '" + text + "'";
        return false;
    }
    oid = *parsed;
    return true;
}

std::string ReplaceAll(std::string text, const std::string& from, const std::string& to)
{
    for (auto pos = text.find(from); pos != std::string::npos; pos = text.find(from, pos + to.size()))
        text.replace(pos, from.size(), to);
    return text;
}

std::vector<std::string> Words(const std::string& text)
{
    std::istringstream in(text);
    std::vector<std::string> words;
    for (std::string word; in >> word;)
        words.push_back(word);
    return words;
}

// "COLUMN [VALID INVALID]"; the switch's own MIB uses 3 and 2.
bool ParseValidStatus(const std::string& rest, SimConfig& config, std::string& error)
{
    auto args = Words(rest);
    SimOid oid;
    long valid = kDefaultValid, invalid = kDefaultInvalid;
    auto isInteger = [](long n) {
        return n >= std::numeric_limits<std::int32_t>::min() && n <= std::numeric_limits<std::int32_t>::max();
    };
    bool numbers = args.size() == 1 || (args.size() == 3 && ParseLong(args[1], valid) &&
                                        ParseLong(args[2], invalid) && valid != invalid &&
                                        isInteger(valid) && isInteger(invalid));
    if (args.empty() || !numbers) {
        error = "validstatus needs COLUMN [VALID INVALID] (two different integers)";
        return false;
    }
    if (!NeedOid(args[0], oid, error))
        return false;
    config.store.DeclareValidStatus(oid, valid, invalid);
    return true;
}

// "ENTRY KIND..." with KIND integer, ipaddress, string, implied or mac.
bool ParseTable(const std::string& rest, SimConfig& config, std::string& error)
{
    auto args = Words(rest);
    SimOid entry;
    if (args.size() < 2) {
        error = "table needs ENTRY and its index parts (integer, ipaddress, string, implied, mac)";
        return false;
    }
    if (!NeedOid(args[0], entry, error))
        return false;
    std::vector<SimIndexKind> index;
    for (std::size_t i = 1; i < args.size(); ++i) {
        auto kind = SimParseIndexKind(args[i]);
        if (!kind) {
            error = "unknown index part '" + args[i] + "' (integer, ipaddress, string, implied, mac)";
            return false;
        }
        if (*kind == SimIndexKind::Implied && i + 1 != args.size()) {
            error = "only the last index part can be implied";
            return false;
        }
        index.push_back(*kind);
    }
    config.store.DeclareTable(entry, index);
    return true;
}

// "COLUMN TYPE [index N | default VALUE]"
bool ParseColumn(const std::string& rest, SimConfig& config, std::string& error)
{
    auto args = SimDataFile::SplitWords(rest, 3);
    args.resize(4);
    const std::string usage = "column needs COLUMN TYPE [index N | default VALUE]";
    SimOid oid;
    if (args[0].empty() || args[1].empty()) {
        error = usage;
        return false;
    }
    if (!NeedOid(args[0], oid, error))
        return false;
    SimColumn column;
    auto type = SimParseType(args[1]);
    if (!type) {
        error = "unknown type '" + args[1] + "'";
        return false;
    }
    column.type = *type;
    if (args[2] == "index") {
        long part = 0;
        if (!ParseLong(args[3], part) || part < 1) {
            error = "index needs the number of the index part (1 for the first)";
            return false;
        }
        column.indexPart = static_cast<std::size_t>(part);
    } else if (args[2] == "default") {
        auto value = SimParseValue(args[1], args[3], error);
        if (!value)
            return false;
        column.initial = *value;
    } else if (!args[2].empty()) {
        error = usage;
        return false;
    }
    return config.store.DeclareColumn(oid, column, error);
}

}  // namespace

std::vector<SimOid> SimConfig::DefaultSubtrees()
{
    return {
        {1, 3, 6, 1, 2, 1, 1},            // system
        {1, 3, 6, 1, 2, 1, 2},            // interfaces
        {1, 3, 6, 1, 2, 1, 16},           // RMON
        {1, 3, 6, 1, 2, 1, 17},           // BRIDGE and Q-BRIDGE
        {1, 3, 6, 1, 4, 1, 88406},        // the maker's enterprise tree
    };
}

std::vector<SimCommunity> SimConfig::DefaultCommunities()
{
    return {{"qorvel", false}, {"tamisko", true}};
}

std::vector<SimUser> SimConfig::DefaultUsers()
{
    return {
        {"noauth", true, "", "", "", ""},
        {"md5user", true, "MD5", "md5authpass", "", ""},
        {"shauser", true, "SHA", "shaauthpass", "", ""},
        {"md5des", true, "MD5", "md5authpass", "DES", "desprivpass"},
        {"shades", true, "SHA", "shaauthpass", "DES", "desprivpass"},
    };
}

bool SimConfig::IsServed(const SimOid& oid) const
{
    for (const auto& subtree : subtrees) {
        if (SimOidHasPrefix(oid, subtree) && oid.size() > subtree.size())
            return true;
    }
    return false;
}

void SimConfig::AddUser(const SimUser& user)
{
    for (auto& known : users) {
        if (known.name == user.name) {
            known = user;
            return;
        }
    }
    users.push_back(user);
}

std::string SimDataFile::StripComment(const std::string& line)
{
    bool quoted = false;
    for (std::size_t i = 0; i < line.size(); ++i) {
        char c = line[i];
        if (quoted && c == '\\') {
            ++i;
            continue;
        }
        if (c == '"')
            quoted = !quoted;
        if (!quoted && c == '#' && (i == 0 || line[i - 1] == ' ' || line[i - 1] == '\t'))
            return line.substr(0, i);
    }
    return line;
}

std::vector<std::string> SimDataFile::SplitWords(const std::string& line, std::size_t count)
{
    std::vector<std::string> words;
    std::size_t pos = 0;
    const char* blanks = " \t\r\n";
    while (words.size() < count) {
        auto start = line.find_first_not_of(blanks, pos);
        if (start == std::string::npos)
            break;
        auto end = line.find_first_of(blanks, start);
        if (end == std::string::npos)
            end = line.size();
        words.push_back(line.substr(start, end - start));
        pos = end;
    }
    words.push_back(pos < line.size() ? Trim(line.substr(pos)) : "");
    return words;
}

bool SimDataFile::ParseUser(const std::vector<std::string>& words, SimUser& user, std::string& error)
{
    // words: NAME ACCESS [AUTH AUTHPASS [PRIV PRIVPASS]]
    if (words.size() != 2 && words.size() != 4 && words.size() != 6) {
        error = "user needs NAME ro|rw [MD5|SHA AUTHPASS [DES|AES PRIVPASS]]";
        return false;
    }
    user = SimUser{};
    user.name = words[0];
    if (words[1] != "ro" && words[1] != "rw") {
        error = "user access must be ro or rw";
        return false;
    }
    user.readWrite = words[1] == "rw";
    if (words.size() >= 4) {
        user.authProtocol = words[2];
        user.authPassword = words[3];
        if (user.authProtocol != "MD5" && user.authProtocol != "SHA") {
            error = "authentication protocol must be MD5 or SHA";
            return false;
        }
        if (user.authPassword.size() < kMinPasswordLength) {
            error = "authentication password shorter than 8 characters";
            return false;
        }
    }
    if (words.size() == 6) {
        user.privProtocol = words[4];
        user.privPassword = words[5];
        if (user.privProtocol != "DES" && user.privProtocol != "AES") {
            error = "privacy protocol must be DES or AES";
            return false;
        }
        if (user.privPassword.size() < kMinPasswordLength) {
            error = "privacy password shorter than 8 characters";
            return false;
        }
    }
    return true;
}

bool SimDataFile::ParseLine(const std::string& rawLine, SimConfig& config, std::string& error)
{
    std::string line = Trim(rawLine);
    if (line.empty())
        return true;
    auto words = SplitWords(line, 1);
    const std::string& keyword = words[0];
    const std::string& rest = words[1];

    if (keyword == "subtree") {
        SimOid oid;
        if (!NeedOid(rest, oid, error))
            return false;
        config.subtrees.push_back(oid);
        return true;
    }
    if (keyword == "access") {
        auto args = SplitWords(rest, 2);
        SimOid oid;
        if (args[0] != "ro" && args[0] != "rw") {
            error = "access must be ro or rw";
            return false;
        }
        if (!NeedOid(args[1], oid, error))
            return false;
        if (!args[2].empty()) {
            error = "access takes ro|rw and one OID prefix";
            return false;
        }
        config.store.DeclareAccess(oid, args[0] == "ro" ? SimStore::Access::ReadOnly
                                                        : SimStore::Access::ReadWrite);
        return true;
    }
    if (keyword == "rowstatus") {
        SimOid oid;
        if (!NeedOid(rest, oid, error))
            return false;
        config.store.DeclareRowStatus(oid);
        return true;
    }
    if (keyword == "validstatus")
        return ParseValidStatus(rest, config, error);
    if (keyword == "table")
        return ParseTable(rest, config, error);
    if (keyword == "column")
        return ParseColumn(rest, config, error);
    if (keyword == "community") {
        auto args = SplitWords(rest, 1);
        if ((args[0] != "ro" && args[0] != "rw") || args[1].empty() ||
            args[1].find_first_of(" \t") != std::string::npos) {
            error = "community needs ro|rw NAME";
            return false;
        }
        config.communities.push_back({args[1], args[0] == "rw"});
        return true;
    }
    if (keyword == "user") {
        std::istringstream in(rest);
        std::vector<std::string> args;
        for (std::string word; in >> word;)
            args.push_back(word);
        SimUser user;
        if (!ParseUser(args, user, error))
            return false;
        config.AddUser(user);
        return true;
    }
    if (keyword == "drop") {
        SimOid oid;
        if (!NeedOid(rest, oid, error))
            return false;
        config.faults.Drop(oid);
        return true;
    }
    if (keyword == "error") {
        auto args = SplitWords(rest, 3);
        SimOid oid;
        std::vector<SimOp> ops;
        auto status = SimParseStatus(args[1]);
        if (!NeedOid(args[0], oid, error))
            return false;
        if (!status || !SimParseOps(args[2], ops) || !args[3].empty()) {
            error = "error needs OID STATUS get|getnext|set|all";
            return false;
        }
        for (auto op : ops)
            config.faults.SetError(oid, op, *status);
        return true;
    }
    if (keyword == "delay") {
        auto args = SplitWords(rest, 2);
        SimOid oid;
        long ms = 0;
        if (!NeedOid(args[0], oid, error))
            return false;
        if (!ParseLong(args[1], ms) || ms < 0 || ms > 600000 || !args[2].empty()) {
            error = "delay needs OID MS (0 to 600000)";
            return false;
        }
        config.faults.SetDelay(oid, static_cast<int>(ms));
        return true;
    }
    if (keyword == "duplicate") {
        auto args = SplitWords(rest, 3);
        args.resize(4);
        SimOid oid;
        long copies = 0;
        if (!NeedOid(args[0], oid, error))
            return false;
        const bool late = args[2] == "late";
        if (!ParseLong(args[1], copies) || copies < 1 || copies > 10 || (!late && args[2] != "now" && !args[2].empty())
            || !args[3].empty()) {
            error = "duplicate needs OID COPIES (1 to 10) [now|late]";
            return false;
        }
        config.faults.SetDuplicate(oid, static_cast<int>(copies), late);
        return true;
    }
    if (keyword == "spoil-set") {
        auto args = SplitWords(rest, 2);
        args.resize(3);
        SimOid oid;
        if (!NeedOid(args[0], oid, error))
            return false;
        auto spoil = SimParseSpoil(args[1]);
        if (!spoil || !args[2].empty()) {
            error = "spoil-set needs OID "
                    "off|none|fewer|more|oid|type|value|wide|nosuchobject|nosuchinstance|endofmibview";
            return false;
        }
        config.faults.SetSpoil(oid, *spoil);
        return true;
    }
    if (keyword == "encoding") {
        auto args = SplitWords(rest, 2);
        args.resize(3);
        SimOid oid;
        if (!NeedOid(args[0], oid, error))
            return false;
        auto encoding = SimParseEncoding(args[1]);
        if (!encoding || !args[2].empty()) {
            error = "encoding needs OID off|long-lengths|wide-id|wide-status|community-tag|nested";
            return false;
        }
        config.faults.SetEncoding(oid, *encoding);
        return true;
    }
    if (keyword == "endless") {
        auto args = SplitWords(rest, 1);
        SimOid oid;
        if (!NeedOid(args[0], oid, error))
            return false;
        if (!args[1].empty() && args[1] != "off") {
            error = "endless needs ENTRY [off]";
            return false;
        }
        config.faults.SetEndless(oid, args[1].empty());
        return true;
    }
    if (keyword == "answer-next") {
        auto args = SplitWords(rest, 2);
        args.resize(3);
        SimOid oid;
        if (!NeedOid(args[0], oid, error))
            return false;
        auto answer = SimParseNextAnswer(args[1]);
        if ((!answer && args[1] != "off") || !args[2].empty()) {
            error = "answer-next needs OID back|OID|off";
            return false;
        }
        config.faults.SetNextAnswer(oid, answer);
        return true;
    }
    if (keyword == "repeat") {
        auto args = SplitWords(rest, 2);
        long first = 0, last = 0;
        if (!ParseLong(args[0], first) || !ParseLong(args[1], last) || last < first ||
            last - first >= kMaxRepeatRows || args[2].empty()) {
            error = "repeat needs FIRST LAST LINE (at most 100000 rows)";
            return false;
        }
        if (SplitWords(args[2], 1)[0] == "repeat") {
            error = "repeat cannot hold another repeat";
            return false;
        }
        for (long i = first; i <= last; ++i) {
            if (!ParseLine(ReplaceAll(args[2], "$i", std::to_string(i)), config, error))
                return false;
        }
        return true;
    }

    if (keyword == "filesystem" || keyword.rfind("fs-", 0) == 0)
        return config.fileSystem.ParseLine(keyword, rest, config.store, error);

    // An object: OID TYPE VALUE
    SimOid oid;
    if (!NeedOid(keyword, oid, error)) {
        error = "unknown directive or " + error;
        return false;
    }
    auto typed = SplitWords(rest, 1);
    auto value = SimParseValue(typed[0], typed[1], error);
    if (!value)
        return false;
    config.store.Put(oid, *value);
    return true;
}

bool SimDataFile::Parse(const std::string& text, const std::string& source, SimConfig& config,
                        std::string& error)
{
    std::istringstream in(text);
    std::string line;
    for (int number = 1; std::getline(in, line); ++number) {
        if (!ParseLine(StripComment(line), config, error)) {
            error = source + ":" + std::to_string(number) + ": " + error;
            return false;
        }
    }
    return true;
}

bool SimDataFile::Load(const std::string& path, SimConfig& config, std::string& error)
{
    std::ifstream in(path);
    if (!in) {
        error = path + ": cannot open";
        return false;
    }
    std::ostringstream text;
    text << in.rdbuf();
    return Parse(text.str(), path, config, error);
}
