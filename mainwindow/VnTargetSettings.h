#pragma once
// Start-up settings: the host's registry values, the per-device ".cfg"
// file and the command line, applied in the host's order over the default
// target settings. Pure functions over plain values, so that they can be
// tested without a window.
#include <cstdint>
#include <stdexcept>
#include <string>
#include <vector>

#include "VnSNMPDefaults.h"

class VnRegistry;

// A number that is not a decimal integer, or one outside the range its
// setting can hold ("'%s' is not a valid integer value").
class VnConversionError : public std::runtime_error {
public:
    explicit VnConversionError(const std::string& text);
    // `error`'s message, then `where` the value was read.
    VnConversionError(const VnConversionError& error, const std::string& where);
};

// A version number other than 0, 1 and 3.
class VnVersionError : public std::runtime_error {
public:
    explicit VnVersionError(const std::string& text);
    VnVersionError(const VnVersionError& error, const std::string& where);
};

// The settings start-up leaves: the main window's texts and the default
// target settings every request copies.
struct VnTargetState {
    std::string agentAddress;
    std::string readCommunity;
    std::string writeCommunity;
    std::string versionText;
    bool cfgFileFound = false;
    VnSNMPDevice device;
    VnSNMPScope scope;
    VnSNMPSecurity security;
};

inline constexpr const char kVnSettingsSection[] = "Program Information";
inline constexpr const char kVnNoParameterText[] = "No parameter input";

// Registry keys and value names read at start-up.
inline constexpr const char kVnHelpPathKey[] = "\\SOFTWARE\\Varonet\\Modules\\HelpPath";
inline constexpr const char kVnHelpPathValue[] = "1.3.6.1.4.1.88406.10.59.5";
inline constexpr const char kVnExePathKey[] = "\\SOFTWARE\\Varonet\\Orvix5.1\\ExePath";
inline constexpr const char kVnMibFileKey[] = "\\SOFTWARE\\Varonet\\Orvix5.1\\MibFile";

struct VnHostFolders {
    std::string moduleFolder;    // message files and the like
    std::string settingsFolder;  // the per-device ".cfg" files
};

// Module folder: the HelpPath value without its last 12 characters.
// Settings folder: ExePath's value + "../Conf/MBF/", replaced by MibFile's
// value when that key exists. Missing keys leave a folder empty.
VnHostFolders VnReadHostFolders(VnRegistry& registry);

// folder + address + ".cfg"; empty when the address would name a file
// outside the folder (a path separator or "..").
std::string VnSettingsFilePath(const std::string& settingsFolder, const std::string& agentAddress);

// `path` as the user can find it: from the root, relative to the current
// folder when it is relative ("" stays "").
std::string VnAbsolutePath(const std::string& path);

// "No parameter input", then the options the module needs and the folder
// its settings files are read from.
std::string VnNoParameterMessage(const std::string& programName, const std::string& settingsFolder);

// Whether the file exists; when it does, applies its keys in their order.
// Raises VnConversionError for a number that is not an integer or is out
// of its setting's range, VnVersionError for an unknown version; either
// message ends with the key and the file's full path, on lines of their
// own ("\nKey: AgentPort\nFile: /conf/10.1.1.1.cfg").
bool VnApplySettingsFile(const std::string& path, VnTargetState& state);

// Each parameter in order: "/I" sets the address; any other parameter
// first re-reads the settings file of the current address, then applies
// the option that occurs earliest in it. Raises as VnApplySettingsFile.
void VnApplyParameters(const std::vector<std::string>& parameters,
                       const std::string& settingsFolder, VnTargetState& state);

// The decimal integer of `text`, as the original's conversion took it.
int VnStrToInt(const std::string& text);
// The same, refused (VnConversionError) outside low..high.
int VnStrToIntIn(const std::string& text, int low, int high);
// A UDP port, 1 to 65535; VnConversionError otherwise, never wrapped.
std::uint16_t VnPortNumber(const std::string& text);
// 0 (SNMPv1), 1 (SNMPv2c) or 3 (SNMPv3); VnConversionError for a text
// that is no integer, VnVersionError for any other number.
std::uint8_t VnSnmpVersion(const std::string& text);

// "SNMPv1", "SNMPv2c", "SNMPv3" for the version codes 0, 1 and 3.
std::string VnVersionName(std::uint8_t version);

// Screens other than 96 pixels per inch get dialogs 1.25 times larger.
inline bool VnLargeFontsForDpi(int dpi) { return dpi != 96; }
