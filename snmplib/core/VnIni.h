#pragma once
// Reads single values of an ini-syntax settings file (the per-device
// settings file): the profile-string read of the original platform.
#include <string>

class VnIni {
public:
    explicit VnIni(std::string path);

    // The value of `key` in `section`, trimmed of blanks and control
    // characters. Section and key names match without regard to case and
    // the first match wins. A missing file, section or key, or an empty
    // value, gives `defaultValue`.
    std::string ReadString(const std::string& section, const std::string& key,
                           const std::string& defaultValue) const;

    const std::string& Path() const noexcept { return path_; }

private:
    std::string path_;
};
