#include "VnRegistry.h"

#include <cstdlib>
#include <fstream>
#include <string_view>
#include <utility>

namespace {

std::string_view Trim(std::string_view s)
{
    constexpr std::string_view ws = " \t\r\n";
    const auto first = s.find_first_not_of(ws);
    if (first == std::string_view::npos)
        return {};
    return s.substr(first, s.find_last_not_of(ws) - first + 1);
}

std::string Lower(std::string_view s)
{
    std::string out(s);
    for (char& c : out) {
        if (c >= 'A' && c <= 'Z')
            c = static_cast<char>(c - 'A' + 'a');
    }
    return out;
}

// The host opened its keys from the root, so a leading backslash makes no
// difference; a trailing one names the same key too.
std::string NormalKey(std::string_view path)
{
    path = Trim(path);
    while (path.starts_with('\\'))
        path.remove_prefix(1);
    while (path.ends_with('\\'))
        path.remove_suffix(1);
    return Lower(path);
}

std::string_view Unquote(std::string_view value)
{
    if (value.size() >= 2 && value.front() == '"' && value.back() == '"')
        return value.substr(1, value.size() - 2);
    return value;
}

struct KeyLookup {
    bool found = false;
    std::map<std::string, std::string> values;
};

// Sections of the same key are merged; the first entry of a name wins.
KeyLookup FindKey(const std::string& filePath, const std::string& key)
{
    KeyLookup result;
    if (filePath.empty())
        return result;
    std::ifstream in(filePath, std::ios::binary);
    if (!in)
        return result;

    bool inKey = false;
    bool firstLine = true;
    std::string line;
    while (std::getline(in, line)) {
        std::string_view text(line);
        if (firstLine && text.starts_with("\xEF\xBB\xBF"))
            text.remove_prefix(3);
        firstLine = false;
        text = Trim(text);
        if (text.empty() || text.starts_with(';') || text.starts_with('#'))
            continue;
        if (text.starts_with('[')) {
            const auto close = text.rfind(']');
            const auto name = close == std::string_view::npos || close == 0
                                  ? text.substr(1)
                                  : text.substr(1, close - 1);
            inKey = NormalKey(name) == key;
            result.found = result.found || inKey;
            continue;
        }
        if (!inKey)
            continue;
        const auto eq = text.find('=');
        if (eq == std::string_view::npos)
            continue;
        result.values.emplace(Lower(Trim(text.substr(0, eq))),
                              std::string(Unquote(Trim(text.substr(eq + 1)))));
    }
    return result;
}

std::string FromEnv(const char* name)
{
    const char* value = std::getenv(name);
    return value ? std::string(value) : std::string();
}

} // namespace

VnRegistry::VnRegistry() : VnRegistry(DefaultFilePath()) {}

VnRegistry::VnRegistry(std::string filePath) : filePath_(std::move(filePath)) {}

std::string VnRegistry::DefaultFilePath()
{
    if (auto file = FromEnv("VN_REGISTRY_FILE"); !file.empty())
        return file;
    auto config = FromEnv("XDG_CONFIG_HOME");
    if (config.empty()) {
        const auto home = FromEnv("HOME");
        if (home.empty())
            return {};
        config = home + "/.config";
    }
    return config + "/rq4024s/registry.ini";
}

bool VnRegistry::OpenKey(const std::string& keyPath, bool canCreate)
{
    CloseKey();
    auto lookup = FindKey(filePath_, NormalKey(keyPath));
    if (!lookup.found && !canCreate)
        return false;
    values_ = std::move(lookup.values);
    open_ = true;
    return true;
}

void VnRegistry::CloseKey()
{
    open_ = false;
    values_.clear();
}

bool VnRegistry::KeyExists(const std::string& keyPath) const
{
    return FindKey(filePath_, NormalKey(keyPath)).found;
}

std::optional<std::string> VnRegistry::ReadString(const std::string& valueName) const
{
    if (!open_)
        return std::nullopt;
    const auto it = values_.find(Lower(Trim(valueName)));
    if (it == values_.end())
        return std::nullopt;
    return it->second;
}

bool VnRegistry::ValueExists(const std::string& valueName) const
{
    return ReadString(valueName).has_value();
}
