#pragma once
// Files the start-up reads, written for one test into a folder of its own:
// the host's registry file and per-device ".cfg" files.
#include <filesystem>
#include <fstream>
#include <string>

#include <stdlib.h>

namespace startuptest {

class TempFolder {
public:
    TempFolder()
    {
        char name[] = "/tmp/vnstartup-XXXXXX";
        if (mkdtemp(name))
            path_ = name;
    }
    ~TempFolder()
    {
        std::error_code error;
        std::filesystem::remove_all(path_, error);
    }
    TempFolder(const TempFolder&) = delete;
    TempFolder& operator=(const TempFolder&) = delete;

    // The folder with a trailing "/", as the registry holds folders.
    std::string Folder() const { return path_ + "/"; }

    std::string Write(const std::string& name, const std::string& text) const
    {
        const std::string file = Folder() + name;
        std::ofstream(file, std::ios::binary) << text;
        return file;
    }

private:
    std::string path_;
};

// A settings file of the given "Program Information" lines.
inline std::string CfgText(const std::string& lines)
{
    return "[Program Information]\n" + lines;
}

// Every numeric key present, so that start-up does not stop on one.
inline std::string FullCfg(int port, int version, const std::string& more = "")
{
    return CfgText("AgentPort=" + std::to_string(port) + "\nVersion=" + std::to_string(version) +
                   "\nSecurityModel=3\nSecurityLevel=0\nAuthProtocol=0\nPrivProtocol=0\n" + more);
}

} // namespace startuptest
