#pragma once
// A fresh folder for the boot counter, and the counter's text read and
// written as a test sees it.
#include <stdlib.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "OctetStr.h"
#include "VnSNMPSession.h"

namespace boottest {

namespace fs = std::filesystem;

inline const OctetStr kEngine(kVnEngineId);
inline const char* const kEngineHex = "566E534E4D505F50505F4170706C69636174696F6E";

class CounterFolder {
public:
    CounterFolder()
    {
        char path[] = "/tmp/vnboot-XXXXXX";
        path_ = mkdtemp(path);
    }
    ~CounterFolder() { fs::remove_all(path_); }
    CounterFolder(const CounterFolder&) = delete;
    CounterFolder& operator=(const CounterFolder&) = delete;

    const std::string& path() const { return path_; }
    std::string counter() const { return file(kVnBootCounterFile); }
    std::string file(const std::string& name) const { return path_ + "/" + name; }
    // Every entry of the folder but the counter and `keep`.
    std::vector<std::string> strays(const std::vector<std::string>& keep = {}) const
    {
        std::vector<std::string> found;
        for (const auto& entry : fs::directory_iterator(path_)) {
            const std::string name = entry.path().filename().string();
            if (name != kVnBootCounterFile && std::find(keep.begin(), keep.end(), name) == keep.end())
                found.push_back(name);
        }
        return found;
    }

private:
    std::string path_;
};

inline std::string Read(const std::string& file)
{
    std::ifstream in(file);
    std::stringstream text;
    text << in.rdbuf();
    return text.str();
}

inline void Write(const std::string& file, const std::string& text)
{
    std::ofstream(file) << text;
}

} // namespace boottest
