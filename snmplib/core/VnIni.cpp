#include "VnIni.h"

#include "VnIniSyntax.h"
#include "VnText.h"

#include <fstream>
#include <optional>
#include <string_view>
#include <utility>

namespace {

// The profile read fills a buffer of this size, terminator included.
constexpr std::size_t kBufferSize = 4096;

// One pair of matching quotes around a value is dropped.
std::string_view Unquote(std::string_view value)
{
    if (value.size() >= 2 && (value.front() == '"' || value.front() == '\'')
        && value.back() == value.front())
        return value.substr(1, value.size() - 2);
    return value;
}

// The value of the first `key` in the first `section`, or nothing. Profile
// files trim only blanks and tabs (and the line end) around names and values.
std::optional<std::string> FindValue(std::istream& in, std::string_view section,
                                     std::string_view key)
{
    bool inSection = false;
    bool sectionSeen = false;
    std::optional<std::string> found;
    ReadIniLines(in, VnIniSectionEnd::FirstBracket, [&](const VnIniLine& line) {
        if (line.kind == VnIniLine::Kind::Section) {
            // Only the first section of a name counts.
            if (sectionSeen)
                return false;
            inSection = SameText(line.name, section);
            sectionSeen = inSection;
            return true;
        }
        if (!inSection || line.kind != VnIniLine::Kind::Entry || !SameText(line.name, key))
            return true;
        found = std::string(line.hasValue ? Unquote(line.value) : std::string_view());
        return false;
    });
    return found;
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
