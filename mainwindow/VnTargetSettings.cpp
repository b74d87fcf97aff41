#include "VnTargetSettings.h"

#include <array>
#include <charconv>
#include <cstdint>
#include <filesystem>
#include <limits>
#include <string_view>

#include "VnIni.h"
#include "VnRegistry.h"

namespace {

// Every option with its two characters; "/I" first so that it wins a tie
// (which two different options cannot have anyway).
enum class Option { I, R, W, v, t, c, d, m, l, n, A, P, a, p };

struct OptionText {
    Option option;
    std::string_view text;
    bool v3Only;
};

constexpr std::array<OptionText, 14> kOptions = {{
    {Option::I, "/I", false}, {Option::R, "/R", false}, {Option::W, "/W", false},
    {Option::v, "/v", false}, {Option::t, "/t", true},  {Option::c, "/c", true},
    {Option::d, "/d", true},  {Option::m, "/m", true},  {Option::l, "/l", true},
    {Option::n, "/n", true},  {Option::A, "/A", true},  {Option::P, "/P", true},
    {Option::a, "/a", true},  {Option::p, "/p", true},
}};

struct Found {
    const OptionText* option = nullptr;
    std::string value;
};

// The option standing earliest in the parameter: a value that happens to
// hold another option's letters stays a value.
Found EarliestOption(const std::string& parameter)
{
    Found found;
    std::size_t best = std::string::npos;
    for (const OptionText& option : kOptions) {
        const std::size_t at = parameter.find(option.text);
        if (at < best) {
            best = at;
            found.option = &option;
        }
    }
    if (found.option)
        found.value = parameter.substr(best + found.option->text.size());
    return found;
}

bool Version3(const VnTargetState& state)
{
    return state.versionText == "3" || state.security.version == 3;
}

void ApplyOption(Option option, const std::string& value, VnTargetState& state)
{
    switch (option) {
    case Option::I:
        state.agentAddress = value;
        state.device.address = value;
        break;
    case Option::R:
        state.readCommunity = value;
        state.security.readCommunity = value;
        break;
    case Option::W:
        state.writeCommunity = value;
        state.security.writeCommunity = value;
        break;
    case Option::v:
        state.security.version = VnSnmpVersion(value);
        break;
    case Option::t:
        state.device.port = VnPortNumber(value);
        break;
    case Option::c:
        state.scope.contextName = value;
        break;
    case Option::d:
        state.scope.contextEngineId = value;
        break;
    case Option::m:
        state.security.securityModel = VnStrToInt(value);
        break;
    case Option::l:
        state.security.securityLevel = VnStrToInt(value);
        break;
    case Option::n:
        state.security.securityName = value;
        break;
    case Option::A:
        state.security.authPassword = value;
        break;
    case Option::P:
        state.security.privPassword = value;
        break;
    case Option::a:
        state.security.authProtocol = VnStrToInt(value);
        break;
    case Option::p:
        state.security.privProtocol = VnStrToInt(value);
        break;
    }
}

// Level and protocols are kept one lower in the file; "0" leaves them.
void ApplyOneLower(const std::string& text, std::int32_t& target)
{
    constexpr int kHighest = std::numeric_limits<int>::max() - 1;  // its code must fit too
    if (text != "0")
        target = VnStrToIntIn(text, std::numeric_limits<int>::min(), kHighest) + 1;
}

} // namespace

VnConversionError::VnConversionError(const std::string& text)
    : std::runtime_error("'" + text + "' is not a valid integer value")
{
}

VnConversionError::VnConversionError(const VnConversionError& error, const std::string& where)
    : std::runtime_error(error.what() + where)
{
}

int VnStrToInt(const std::string& text)
{
    std::string_view digits = text;
    if (!digits.empty() && digits.front() == '+')
        digits.remove_prefix(1);
    int value = 0;
    const char* end = digits.data() + digits.size();
    const auto [stop, error] = std::from_chars(digits.data(), end, value);
    if (digits.empty() || error != std::errc() || stop != end || (digits.front() == '-' && digits.size() == 1))
        throw VnConversionError(text);
    return value;
}

int VnStrToIntIn(const std::string& text, int low, int high)
{
    const int value = VnStrToInt(text);
    if (value < low || value > high)
        throw VnConversionError(text);
    return value;
}

std::uint16_t VnPortNumber(const std::string& text)
{
    return static_cast<std::uint16_t>(VnStrToIntIn(text, 1, 65535));
}

VnVersionError::VnVersionError(const std::string& text)
    : std::runtime_error("'" + text + "' is not an SNMP version: use 0 (SNMPv1), 1 (SNMPv2c) or 3 (SNMPv3)")
{
}

VnVersionError::VnVersionError(const VnVersionError& error, const std::string& where)
    : std::runtime_error(error.what() + where)
{
}

std::uint8_t VnSnmpVersion(const std::string& text)
{
    const int version = VnStrToInt(text);
    if (version != 0 && version != 1 && version != 3)
        throw VnVersionError(text);
    return static_cast<std::uint8_t>(version);
}

VnHostFolders VnReadHostFolders(VnRegistry& registry)
{
    VnHostFolders folders;
    if (registry.OpenKey(kVnHelpPathKey, true)) {
        const std::string helpPath = registry.ReadString(kVnHelpPathValue).value_or("");
        if (helpPath.size() > 12)
            folders.moduleFolder = helpPath.substr(0, helpPath.size() - 12);
    }
    registry.CloseKey();
    if (registry.OpenKey(kVnExePathKey, false))
        folders.settingsFolder = registry.ReadString("Path").value_or("") + "../Conf/MBF/";
    registry.CloseKey();
    if (registry.OpenKey(kVnMibFileKey, false))
        folders.settingsFolder = registry.ReadString("Path").value_or("");
    registry.CloseKey();
    return folders;
}

std::string VnSettingsFilePath(const std::string& settingsFolder, const std::string& agentAddress)
{
    const bool leaves = agentAddress.find('/') != std::string::npos ||
                        agentAddress.find('\\') != std::string::npos ||
                        agentAddress.find("..") != std::string::npos;
    if (leaves)
        return {};
    return settingsFolder + agentAddress + ".cfg";
}

std::string VnAbsolutePath(const std::string& path)
{
    if (path.empty())
        return {};
    std::error_code error;
    const std::filesystem::path absolute = std::filesystem::absolute(path, error);
    return error ? path : absolute.string();
}

std::string VnNoParameterMessage(const std::string& programName, const std::string& settingsFolder)
{
    // Short lines: a message box wraps long ones anywhere.
    std::error_code error;
    const std::string folder = settingsFolder.empty()
                                   ? (std::filesystem::current_path(error) / "").string()
                                   : VnAbsolutePath(settingsFolder);
    return std::string(kVnNoParameterText) +
           ".\n\n"
           "The management host starts this module for one agent:\n"
           "    " + programName + " /I<address> /R<read community>\n"
           "        /W<write community> /v<version>\n"
           "/v: 0 SNMPv1, 1 SNMPv2c, 3 SNMPv3; give /I first.\n"
           "Under SNMPv3 also:\n"
           "    /t<port> /c<context> /d<context engine ID>\n"
           "    /m<security model> /l<security level> /n<user>\n"
           "    /A<authentication password> /P<privacy password>\n"
           "    /a<authentication protocol> /p<privacy protocol>\n"
           "Port and version are read from <address>.cfg in:\n" +
           folder;
}

bool VnApplySettingsFile(const std::string& path, VnTargetState& state)
{
    std::error_code error;
    if (path.empty() || !std::filesystem::is_regular_file(path, error))
        return false;

    const VnIni ini(path);
    const auto read = [&](const char* key) { return ini.ReadString(kVnSettingsSection, key, ""); };
    // A value that stops start-up is named by its key and its file: the
    // value alone leaves the user to search every settings file for it.
    const auto number = [&](const char* key, const auto& convert) {
        const std::string where = "\nKey: " + std::string(key) + "\nFile: " + VnAbsolutePath(path);
        try {
            return convert(read(key));
        } catch (const VnConversionError& e) {
            throw VnConversionError(e, where);
        } catch (const VnVersionError& e) {
            throw VnVersionError(e, where);
        }
    };
    const auto oneLower = [](std::int32_t& target) {
        return [&target](const std::string& text) { ApplyOneLower(text, target); };
    };

    state.device.port = number("AgentPort", VnPortNumber);
    const std::uint8_t version = number("Version", VnSnmpVersion);
    state.security.version = version;
    state.versionText = std::to_string(version);
    if (const std::string name = read("ContextName"); !name.empty())
        state.scope.contextName = name;
    state.scope.contextEngineId = read("ContextEngineID");
    state.security.securityModel = number("SecurityModel", VnStrToInt);
    number("SecurityLevel", oneLower(state.security.securityLevel));
    state.security.securityName = read("SecurityName");
    number("AuthProtocol", oneLower(state.security.authProtocol));
    number("PrivProtocol", oneLower(state.security.privProtocol));
    if (const std::string password = read("AuthPassword"); !password.empty())
        state.security.authPassword = password;
    if (const std::string password = read("PrivPassword"); !password.empty())
        state.security.privPassword = password;
    return true;
}

void VnApplyParameters(const std::vector<std::string>& parameters,
                       const std::string& settingsFolder, VnTargetState& state)
{
    for (const std::string& parameter : parameters) {
        const Found found = EarliestOption(parameter);
        if (found.option && found.option->option == Option::I) {
            ApplyOption(Option::I, found.value, state);
            continue;
        }
        state.cfgFileFound =
            VnApplySettingsFile(VnSettingsFilePath(settingsFolder, state.agentAddress), state);
        if (!found.option)
            continue;
        if (found.option->v3Only && !Version3(state))
            continue;
        ApplyOption(found.option->option, found.value, state);
    }
}

std::string VnVersionName(std::uint8_t version)
{
    switch (version) {
    case 0:
        return "SNMPv1";
    case 1:
        return "SNMPv2c";
    case 3:
        return "SNMPv3";
    default:
        return "SNMP version code " + std::to_string(version);
    }
}
