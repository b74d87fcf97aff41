// The built-in message texts, word for word as the system ships them.
#include "VnMessages.h"

#include <iterator>

namespace {

// Error status 1..18 of a response PDU.
const char* const kPduTexts[] = {
    "(SNMP) Response PDU Too Big!",
    "(SNMP) Variable does not exist!",
    "(SNMP) Cannot modify variable: Bad Value!",
    "(SNMP) Cannot modify object, Read Only!",
    "(SNMP) Cannot perform operation, General Error!",
    "(SNMP) Cannot access variable, No Access!",
    "(SNMP) Cannot create/modify variable, Wrong Type!",
    "(SNMP) Cannot create/set variable, Wrong Length!",
    "(SNMP) Cannot create/set variable, Wrong Encoding!",
    "(SNMP) Cannot create/set variable, Wrong Value!",
    "(SNMP) Cannot create variable, Creation Not Allowed!",
    "(SNMP) Cannot create/set variable, Inconsistent Value!",
    "(SNMP) Cannot create/set variable, Resource Unavailable!",
    "(SNMP) Cannot create/set variable, Commit Failed!",
    "(SNMP) Cannot create/set variable, Undo Failed!",
    "(SNMP) Cannot perform operation, Authorization Error!",
    "(SNMP) Cannot create/set variable, Not Writable!",
    "(SNMP) Cannot create variable, Inconsistent Name!",
};

// SNMP++ message-processing results -1402..-1418.
const char* const kSnmpV3Texts[] = {
    "(SNMPv3) Unsupported Security Model!",
    "(SNMPv3) Message not in Time Window!",
    "(SNMPv3) Received same Message twice!",
    "(SNMPv3) Invalid Message!",
    "(SNMPv3) Invalid EngineID!",
    "(SNMPv3) v3MP not initialized!",
    "(SNMPv3) Parse Error!",
    "(SNMPv3) Received Message with unknown MsgID!",
    "(SNMPv3) Message does not match known message!",
    "(SNMPv3) Community format error!",
    "(SNMPv3) Unknown UserName!",
    "(SNMPv3) Build error!",
    "(SNMPv3) USM: error!",
    "(SNMPv3) Unknown pdu handlers!",
    "(SNMPv3) Unavailable Context!",
    "(SNMPv3) Unknown Context!",
    "(SNMPv3) Report sent!",
};

// SNMP++ user-based security results 1401..1414.
const char* const kUsmTexts[] = {
    "(SNMPv3USM) error!",
    "(SNMPv3USM) Configfile write error!",
    "(SNMPv3USM) Unsupported SecurityLevel!",
    "(SNMPv3USM) Unknown SecurityName!",
    "(SNMPv3USM) Encryption error!",
    "(SNMPv3USM) Decryption error!",
    "(SNMPv3USM) Authentication error!",
    "(SNMPv3USM) Authentication failure!",
    "(SNMPv3USM) Parse error!",
    "(SNMPv3USM) Unknown EngineID!",
    "(SNMPv3USM) Message not in TimeWindow!",
    "(SNMPv3USM) Unsupported AuthProtocol!",
    "(SNMPv3USM) Unsupported PrivProtocol!",
    "(SNMPv3USM) Address error!",
};

// SNMP++ class results -1..-23.
const char* const kClassTexts[] = {
    "(SNMPClass) Operation failed!",
    "(SNMPClass) Resource unavailable!",
    "(SNMPClass) Internal error!",
    "(SNMPClass) Unsupported function!",
    "(SNMPClass) SNMP request timed out!",
    "(SNMPClass) Received SNMP Response!",
    "(SNMPClass) Received SNMP Notification (trap or inform)!",
    "(SNMPClass) Closing session with outstanding requests!",
    "(SNMPClass)Unknown error code!",
    "(SNMPClass) Class not valid!",
    "(SNMPClass) Invalid Pdu!",
    "(SNMPClass) Invalid Target!",
    "(SNMPClass) Invalid (null) Callback Function!",
    "(SNMPClass) Invalid Request Id!",
    "(SNMPClass) Invalid Notification Id!",
    "(SNMPClass) SNMP Operation not supported on specified Target!",
    "(SNMPClass) Invalid Object Identifier!",
    "(SNMPClass) Invalid Address!",
    "(SNMPClass) Agent indicates error in SNMP request!",
    "(SNMP Class) Transport is not supported!",
    "(SNMPClass) Transport is in use!",
    "(SNMPClass) Transport operation failed!",
    "(SNMPClass) Blocked Mode Shutdown!",
};

// The library's own failures -500..-528; entry 0 is also the text of code 0.
const char* const kLibraryTexts[] = {
    "(VnSNMP++) Ok!",
    "(VnSNMP++) Fail to read SNMP variables from file([FILENAME])!",
    "(VnSNMP++) Bad format at line([LINENO])in SNMP variables file([FILENAME])!",
    "(VnSNMP++) Bad item type at line([LINENO])in SNMP variables file([FILENAME])!",
    "(VnSNMP++) Bad syntax at line([LINENO])in SNMP variables file([FILENAME])!",
    "(VnSNMP++) Bad access type at line([LINENO])in SNMP variables file([FILENAME])!",
    "(VnSNMP++) Cannot create the global VnSNMP++ session!",
    "(VnSNMP++) Error when loading SNMP engine boots counter!",
    "(VnSNMP++) Error when saving SNMP engine boots counter!",
    "(VnSNMP++) Invalid IP Address or DNS name!",
    "(VnSNMP++) Can't send get-next command for a SNMP variable list with single value!",
    "(VnSNMP++) Bad SNMP syntax!",
    "(VnSNMP++) Null value in the expression!",
    "(VnSNMP++) Bad SNMP syntax in the expression!",
    "(VnSNMP++) Bad key count of SNMP variable list!",
    "(VnSNMP++) Bad item type of SNMP variable list!",
    "(VnSNMP++) Bad item type of associated SNMP variable list!",
    "(VnSNMP++) Bad syntax of the associated SNMP variable's (partial) data!",
    "(VnSNMP++) Bad value of the associated SNMP variable's (partial) data!",
    "(VnSNMP++) Out of range for the bit(byte) index of the associated SNMP variable's (partial) data!",
    "(VnSNMP++) No reference option list for a SNMP variable's (partial) data associating with a optional visual control!",
    "(VnSNMP++) Bad type of the associated visual control!",
    "(VnSNMP++) Count of the associated visual controls is not enough!",
    "(VnSNMP++) No system start time for the time whose data source is the SNMP variable's (partial) data with syntax timeticks!",
    "(VnSNMP++) Count of the value items for the chart's history data is not enough!",
    "(VnSNMP++) Log database is not connected!",
    "(VnSNMP++) Log database field not found!",
    "(VnSNMP++) Bad syntax for the history chart of log!",
    "(VnSNMP++) Unknown error code!",
};

// Status-line templates: 0 Get, 1 Set.
const char* const kStatusTexts[] = {
    "Get: [ERROR] Request:[VARLIST]. Receive at [TIME].",
    "Set: [ERROR] Request:[VARLIST]. Receive at [TIME].",
};

// Validation and utility messages, indexed by entry.
const char* const kCommonTexts[] = {
    "Ok!",
    "Bad logic operand!",
    "Bad format specifier of edit's constraint!",
    "Empty value is not allowed!",
    "Please enter a string whose length is less than [MAXLEN]!",
    "Please enter a string whose length is [LEN]!",
    "Please enter a hex string whose length is less than [MAXLEN]!",
    "Please enter a hex string whose length is [LEN]!",
    "Please enter a number between [MIN] and [MAX]!",
    "Please enter a delimited number string with delimiter '[DELIMITER]'.\nHere,the count of the number is less than [MAXCOUNT]!",
    "Please enter a delimited number string with delimiter '[DELIMITER]'.\nHere,the count of the number is equal to [COUNT]!",
    "Please enter a delimited number string with delimiter '[DELIMITER]'.\nHere,each number is between [MIN] and [MAX]!",
    "Out of range at index of array or list!",
    "Destination buffer is undersize!",
    "The source to dncrypt is not encrypted!",
    "Fail to read data from file([FILENAME])!",
    "Fail to write data to file([FILENAME])!",
    "Fail to write value in ini file([FILENAME])!",
    "Fail to read option data from file([FILENAME])!",
};
// Lookups are bounded by these sizes; a missed or extra line must not pass.
static_assert(std::size(kPduTexts) == 18);
static_assert(std::size(kSnmpV3Texts) == 17);
static_assert(std::size(kUsmTexts) == 14);
static_assert(std::size(kClassTexts) == 23);
static_assert(std::size(kLibraryTexts) == 29);
static_assert(std::size(kStatusTexts) == 2);
static_assert(std::size(kCommonTexts) == 19);

} // namespace

VnMessageTable& VnPduMessages()
{
    static VnMessageTable table(kPduTexts);
    return table;
}

VnMessageTable& VnSnmpV3Messages()
{
    static VnMessageTable table(kSnmpV3Texts);
    return table;
}

VnMessageTable& VnUsmMessages()
{
    static VnMessageTable table(kUsmTexts);
    return table;
}

VnMessageTable& VnClassMessages()
{
    static VnMessageTable table(kClassTexts);
    return table;
}

VnMessageTable& VnLibraryMessages()
{
    static VnMessageTable table(kLibraryTexts);
    return table;
}

VnMessageTable& VnStatusMessages()
{
    static VnMessageTable table(kStatusTexts);
    return table;
}

VnMessageTable& VnCommonMessages()
{
    static VnMessageTable table(kCommonTexts);
    return table;
}
