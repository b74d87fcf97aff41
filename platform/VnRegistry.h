#pragma once
// Read-only stand-in for the host's registry under HKEY_LOCAL_MACHINE.
//
// The values live in a plain ini-syntax file of ours: each section is a key
// path and each entry a value name, for instance
//
//     [SOFTWARE\Varonet\Orvix5.1\ExePath]
//     Path=/opt/orvix/bin/
//
// Key paths match without regard to case and with or without their leading
// backslash ("\SOFTWARE\X" and "software\x" are the same key); value names
// match without regard to case. A value may be put in double quotes to keep
// blanks at its ends. Lines starting with ';' or '#' are comments. When a
// key or value is listed twice, the first one wins.
#include <map>
#include <optional>
#include <string>

class VnRegistry {
public:
    // Reads the file named by VN_REGISTRY_FILE, or by default
    // $XDG_CONFIG_HOME/rq4024s/registry.ini (~/.config when XDG_CONFIG_HOME
    // is unset or empty).
    VnRegistry();
    explicit VnRegistry(std::string filePath);

    // The file a default-constructed registry reads; empty when neither the
    // variables nor HOME say where it is.
    static std::string DefaultFilePath();

    const std::string& FilePath() const noexcept { return filePath_; }

    // Opens `keyPath` as the current key. With `canCreate` a missing key is
    // opened as a new, empty key, as the host's registry would create it;
    // nothing is ever written to the file. Without it a missing key (or a
    // missing file) fails and leaves no key open.
    bool OpenKey(const std::string& keyPath, bool canCreate);
    void CloseKey();
    bool KeyExists(const std::string& keyPath) const;
    bool HasCurrentKey() const noexcept { return open_; }

    // A value of the current key: nothing when no key is open or the value
    // is missing; an empty text when the value is present and empty.
    std::optional<std::string> ReadString(const std::string& valueName) const;
    bool ValueExists(const std::string& valueName) const;

private:
    std::string filePath_;
    bool open_ = false;
    std::map<std::string, std::string> values_; // lower-case name -> value
};
