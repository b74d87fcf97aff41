#include "VnRegistry.h"

#include "VnIniSyntax.h"

#include <cstdlib>
#include <fstream>
#include <string_view>
#include <utility>

namespace {

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
    path = TrimIni(path);
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

bool IsComment(std::string_view line)
{
    return line.starts_with(';') || line.starts_with('#');
}

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
    ReadIniLines(in, VnIniSectionEnd::LastBracket, [&](const VnIniLine& line) {
        if (line.kind == VnIniLine::Kind::Blank || IsComment(line.text))
            return true;
        if (line.kind == VnIniLine::Kind::Section) {
            inKey = NormalKey(line.name) == key;
            result.found = result.found || inKey;
            return true;
        }
        if (inKey && line.hasValue)
            result.values.emplace(Lower(line.name), std::string(Unquote(line.value)));
        return true;
    });
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
    const auto it = values_.find(Lower(TrimIni(valueName)));
    if (it == values_.end())
        return std::nullopt;
    return it->second;
}

bool VnRegistry::ValueExists(const std::string& valueName) const
{
    return ReadString(valueName).has_value();
}
