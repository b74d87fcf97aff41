#pragma once
// Library error codes, the seven message tables and their message files.
#include <array>
#include <cstddef>
#include <span>
#include <string>
#include <vector>

// One message table: built-in texts, optionally replaced by the lines of a
// message file. A loaded file shorter than the built-in table leaves the
// entries past its end to the built-in texts.
class VnMessageTable {
public:
    explicit VnMessageTable(std::span<const char* const> builtIn) : builtIn_(builtIn) {}

    // The text of `entry`; the empty text when neither the loaded nor the
    // built-in table has that entry.
    std::string Text(int entry) const;
    // Number of entries Text() answers with a text of its own.
    std::size_t Count() const;
    std::size_t BuiltInCount() const { return builtIn_.size(); }
    bool IsLoaded() const { return !loaded_.empty(); }

    // An empty list keeps the current texts.
    void Replace(std::vector<std::string> lines);
    // Back to the built-in texts.
    void Reset() { loaded_.clear(); }

private:
    std::span<const char* const> builtIn_;
    std::vector<std::string> loaded_;
};

// The table of each kind.
VnMessageTable& VnPduMessages();      // error status 1..18 of a response PDU
VnMessageTable& VnSnmpV3Messages();   // SNMP++ message-processing results -1402..-1418
VnMessageTable& VnUsmMessages();      // SNMP++ user-based security results 1401..1414
VnMessageTable& VnClassMessages();    // SNMP++ class results -1..-23
VnMessageTable& VnLibraryMessages();  // the library's own failures -500..-528
VnMessageTable& VnStatusMessages();   // status-line templates
VnMessageTable& VnCommonMessages();   // validation and utility messages

// Library error codes of the library's own failures.
constexpr int kVnOk = 0;
constexpr int kVnErrNoSuchName = -102;
constexpr int kVnErrTimeout = -405;
constexpr int kVnErrSessionCreate = -506;
constexpr int kVnErrBootCounterLoad = -507;
constexpr int kVnErrBootCounterSave = -508;
constexpr int kVnErrBadAddress = -509;
constexpr int kVnErrNextOnSingle = -510;
constexpr int kVnErrBadSyntax = -511;
constexpr int kVnErrExprNullValue = -512;
constexpr int kVnErrExprBadSyntax = -513;
constexpr int kVnErrBadKeyCount = -514;
constexpr int kVnErrBadItemType = -515;
constexpr int kVnErrBadAssocItemType = -516;
constexpr int kVnErrBadDataSyntax = -517;
constexpr int kVnErrBadDataValue = -518;
constexpr int kVnErrIndexOutOfRange = -519;
constexpr int kVnErrNoOptionList = -520;
constexpr int kVnErrBadControlType = -521;
constexpr int kVnErrTooFewControls = -522;
constexpr int kVnErrUnknown = -528;

// Entries of the status-line template table.
constexpr int kVnStatusGet = 0;
constexpr int kVnStatusSet = 1;

// Maps an SNMP++ result or a PDU error status to the library code and its
// text from the current tables.
void MapSnmpError(int result, int& code, std::string& text);

// The text of a library code (0, -101..-118, -201..-217, -301..-314,
// -401..-423, -500..-528); any other code gets the unknown-code text.
std::string VnErrorText(int code);
std::string VnStatusTemplate(int entry);
std::string VnCommonText(int entry);

// Replaces `table` by the non-blank lines of `fileName`. Returns false, and
// leaves the table as it was, when the file cannot be read or has no
// non-blank line.
bool LoadMessageTable(VnMessageTable& table, const std::string& fileName);

// Message files, relative to the module's folder.
inline constexpr const char* kVnCommonMsgFile = "errmsg/common.err";
inline constexpr const char* kVnPduMsgFile = "errmsg/snmp.err";
inline constexpr const char* kVnSnmpV3MsgFile = "errmsg/snmpv3.err";
inline constexpr const char* kVnUsmMsgFile = "errmsg/snmpusm.err";
inline constexpr const char* kVnClassMsgFile = "errmsg/snmpclass.err";
inline constexpr const char* kVnLibraryMsgFile = "errmsg/vnsnmp.err";
inline constexpr const char* kVnStatusMsgFile = "errmsg/snmp.msg";

struct VnMessageFile {
    const char* fileName;
    VnMessageTable& (*table)();
};

// The message files in the order they are loaded at start-up.
inline constexpr std::array<VnMessageFile, 7> kVnMessageFiles{{
    {kVnCommonMsgFile, VnCommonMessages},
    {kVnPduMsgFile, VnPduMessages},
    {kVnSnmpV3MsgFile, VnSnmpV3Messages},
    {kVnUsmMsgFile, VnUsmMessages},
    {kVnClassMsgFile, VnClassMessages},
    {kVnLibraryMsgFile, VnLibraryMessages},
    {kVnStatusMsgFile, VnStatusMessages},
}};

// Loads every message file over its table; each path is `moduleFolder`
// followed directly by the file name, so the folder ends with "/" (empty:
// the current directory). Missing files leave their tables alone.
void VnLoadMessageFiles(const std::string& moduleFolder);
