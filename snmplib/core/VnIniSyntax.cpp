#include "VnIniSyntax.h"

#include <string>

std::string_view TrimIni(std::string_view text) noexcept
{
    constexpr std::string_view ws = " \t\r\n";
    const auto first = text.find_first_not_of(ws);
    if (first == std::string_view::npos)
        return {};
    return text.substr(first, text.find_last_not_of(ws) - first + 1);
}

VnIniLine ParseIniLine(std::string_view line, VnIniSectionEnd sectionEnd) noexcept
{
    VnIniLine parsed;
    parsed.text = TrimIni(line);
    const std::string_view text = parsed.text;
    if (text.empty())
        return parsed;
    if (text.starts_with('[')) {
        const auto close = sectionEnd == VnIniSectionEnd::FirstBracket ? text.find(']') : text.rfind(']');
        parsed.kind = VnIniLine::Kind::Section;
        parsed.name = TrimIni(text.substr(1, close == std::string_view::npos ? close : close - 1));
        return parsed;
    }
    const auto eq = text.find('=');
    parsed.kind = VnIniLine::Kind::Entry;
    parsed.name = TrimIni(text.substr(0, eq));
    if (eq != std::string_view::npos) {
        parsed.hasValue = true;
        parsed.value = TrimIni(text.substr(eq + 1));
    }
    return parsed;
}

void ReadIniLines(std::istream& in, VnIniSectionEnd sectionEnd,
                  const std::function<bool(const VnIniLine&)>& visit)
{
    bool firstLine = true;
    std::string line;
    while (std::getline(in, line)) {
        std::string_view text(line);
        if (firstLine && text.starts_with("\xEF\xBB\xBF"))
            text.remove_prefix(3);
        firstLine = false;
        if (!visit(ParseIniLine(text, sectionEnd)))
            return;
    }
}
