#include "VnEmsLauncher.h"

#include "VnProcess.h"
#include "VnRegistry.h"

namespace {

constexpr const char* kHostAppKeys[] = {
    "\\SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\App Paths\\orvix51.exe",
    "\\SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\App Paths\\orvix5.exe",
};
constexpr const char* kOpenViewKey = "\\SOFTWARE\\Hewlett-Packard\\OpenView";

} // namespace

std::string VnEmsModuleName(const std::string& argument)
{
    if (argument.size() < 2)
        return {};
    const std::string rest = argument.substr(2);
    return rest.substr(0, rest.find('_'));
}

VnEmsCommand BuildEmsCommandLine(const std::string& argument, const VnEmsContext& context)
{
    VnEmsCommand command;
    command.program = VnEmsModuleName(argument);
    auto& args = command.arguments;
    args = {"/I" + context.agentAddress, "/R" + context.readCommunity,
            "/W" + context.writeCommunity, argument};

    const bool version3 = (context.cfgFileFound && context.versionText == "3") ||
                          context.security.version == 3;
    if (!version3)
        return command;
    const VnSNMPSecurity& security = context.security;
    args.push_back("/t" + std::to_string(context.device.port));
    args.push_back("/v" + std::to_string(security.version));
    args.push_back("/d" + context.scope.contextEngineId);
    args.push_back("/m" + std::to_string(security.securityModel));
    args.push_back("/n" + security.securityName);
    args.push_back("/c" + context.scope.contextName);
    args.push_back("/l" + std::to_string(security.securityLevel));
    args.push_back("/a" + std::to_string(security.authProtocol));
    args.push_back("/A" + security.authPassword);
    args.push_back("/p" + std::to_string(security.privProtocol));
    args.push_back("/P" + security.privPassword);
    return command;
}

std::string VnEmsCommandText(const VnEmsCommand& command)
{
    std::string text = command.program;
    for (const std::string& argument : command.arguments)
        text += " " + argument;
    return text;
}

std::string VnEmsHostCheck(VnRegistry& registry)
{
    for (const char* key : kHostAppKeys) {
        if (registry.KeyExists(key))
            return {};
    }
    if (!registry.OpenKey(kOpenViewKey, false))
        return "No Path!";
    const std::string path = registry.ReadString("OV_PATH").value_or("");
    registry.CloseKey();
    return path.empty() ? "OpenView : File Path Error!" : std::string();
}

bool VnStartEmsModule(const VnEmsCommand& command)
{
    if (command.program.empty())
        return false;
    return VnStartProcess(command.program, command.arguments);
}
