#include "VnIni.h"

#include "VnText.h"

#include <fstream>
#include <optional>
#include <string_view>
#include <utility>

namespace {

// The profile read fills a buffer of this size, terminator included.
constexpr std::size_t kBufferSize = 4096;

// Profile files trim only blanks and tabs (and the line end) around names
// and values.
std::string_view TrimProfile(std::string_view s)
{
    constexpr std::string_view ws = " \t\r\n";
    const auto first = s.find_first_not_of(ws);
    if (first == std::string_view::npos)
        return {};
    const auto last = s.find_last_not_of(ws);
    return s.substr(first, last - first + 1);
}

// One pair of matching quotes around a value is dropped.
std::string_view Unquote(std::string_view value)
{
    if (value.size() >= 2 && (value.front() == '"' || value.front() == '\'')
        && value.back() == value.front())
        return value.substr(1, value.size() - 2);
    return value;
}

// The value of the first `key` in the first `section`, or nothing.
std::optional<std::string> FindValue(std::istream& in, std::string_view section,
                                     std::string_view key)
{
    bool inSection = false;
    bool sectionSeen = false;
    bool firstLine = true;
    std::string line;
    while (std::getline(in, line)) {
        std::string_view text(line);
        if (firstLine && text.starts_with("\xEF\xBB\xBF"))
            text.remove_prefix(3);
        firstLine = false;
        text = TrimProfile(text);
        if (text.starts_with('[')) {
            // Only the first section of a name counts.
            if (sectionSeen)
                return std::nullopt;
            const auto close = text.find(']');
            const auto name = TrimProfile(text.substr(1, close == std::string_view::npos
                                                             ? std::string_view::npos
                                                             : close - 1));
            inSection = SameText(name, section);
            sectionSeen = inSection;
            continue;
        }
        if (!inSection || text.empty())
            continue;
        const auto eq = text.find('=');
        const auto name = TrimProfile(text.substr(0, eq));
        if (!SameText(name, key))
            continue;
        if (eq == std::string_view::npos)
            return std::string();
        return std::string(Unquote(TrimProfile(text.substr(eq + 1))));
    }
    return std::nullopt;
}

} // namespace

VnIni::VnIni(std::string path) : path_(std::move(path)) {}

std::string VnIni::ReadString(const std::string& section, const std::string& key,
                              const std::string& defaultValue) const
{
    std::optional<std::string> found;
    if (std::ifstream in(path_, std::ios::binary); in)
        found = FindValue(in, section, key);

    // What the read copies into its buffer: the value, or the default
    // without its trailing blanks, cut to the buffer.
    std::string copied;
    if (found) {
        copied = std::move(*found);
    } else {
        copied = defaultValue;
        const auto end = copied.find_last_not_of(' ');
        copied.erase(end == std::string::npos ? 0 : end + 1);
    }
    if (copied.size() > kBufferSize - 1)
        copied.resize(kBufferSize - 1);

    // Nothing copied (an empty value, or a missing key with an empty
    // default) gives the default as it was passed.
    if (copied.empty())
        return defaultValue;
    return TrimBlanks(copied);
}
