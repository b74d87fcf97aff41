#pragma once
// Numbers shared by the SNMP engine layer and its callers: value syntaxes,
// PDU types, protocol versions, USM settings and the result numbers that
// MapSnmpError turns into library codes.
#include <cstdint>

using SmiUINT32 = std::uint32_t;

// Value syntaxes: the ASN.1 tags as they go on the wire.
inline constexpr SmiUINT32 kSmiInteger = 0x02;
inline constexpr SmiUINT32 kSmiBits = 0x03;
inline constexpr SmiUINT32 kSmiOctets = 0x04;
inline constexpr SmiUINT32 kSmiNull = 0x05;
inline constexpr SmiUINT32 kSmiOid = 0x06;
inline constexpr SmiUINT32 kSmiIpAddress = 0x40;
inline constexpr SmiUINT32 kSmiCounter32 = 0x41;
inline constexpr SmiUINT32 kSmiGauge32 = 0x42;
inline constexpr SmiUINT32 kSmiTimeTicks = 0x43;
inline constexpr SmiUINT32 kSmiOpaque = 0x44;
inline constexpr SmiUINT32 kSmiCounter64 = 0x46;
inline constexpr SmiUINT32 kSmiUInteger32 = 0x47;
inline constexpr SmiUINT32 kSmiNoSuchObject = 0x80;
inline constexpr SmiUINT32 kSmiNoSuchInstance = 0x81;
inline constexpr SmiUINT32 kSmiEndOfMibView = 0x82;

// PDU types.
inline constexpr int kPduGet = 0xA0;
inline constexpr int kPduGetNext = 0xA1;
inline constexpr int kPduResponse = 0xA2;
inline constexpr int kPduSet = 0xA3;
inline constexpr int kPduReport = 0xA8;

// Protocol versions, numbered as the settings file and command line give them.
enum snmp_version { version1 = 0, version2c = 1, version3 = 3 };

// SNMPv3 settings, numbered as the settings file and command line give them.
inline constexpr int kSecurityModelUsm = 3;
inline constexpr int kSecurityLevelNoAuthNoPriv = 1;
inline constexpr int kSecurityLevelAuthNoPriv = 2;
inline constexpr int kSecurityLevelAuthPriv = 3;
inline constexpr int kAuthProtocolNone = 1;
inline constexpr int kAuthProtocolMd5 = 2;
inline constexpr int kAuthProtocolSha = 3;
inline constexpr int kPrivProtocolNone = 1;
inline constexpr int kPrivProtocolDes = 2;

// Result numbers of calls and callback reasons. MapSnmpError maps
// -1..-23 to -401..-423, 1..18 (a response's error status) to -101..-118,
// -1402..-1418 to -201..-217 and 1401..1414 to -301..-314.
namespace SnmpResult {
inline constexpr int Success = 0;
inline constexpr int Error = -1;                  // anything not named below
inline constexpr int ResourceUnavailable = -2;
inline constexpr int Unsupported = -4;
inline constexpr int Timeout = -5;
inline constexpr int Response = -6;               // callback reason: a response arrived
inline constexpr int SessionDestroyed = -8;       // callback reason: the Snmp object went away
inline constexpr int InvalidPdu = -11;            // a value that cannot be encoded
inline constexpr int InvalidTarget = -12;         // version or target kind not usable
inline constexpr int InvalidCallback = -13;
inline constexpr int InvalidOid = -17;
inline constexpr int InvalidAddress = -18;
inline constexpr int SendFailed = -22;            // the transport refused to send

inline constexpr int MpOk = -1401;
inline constexpr int UnsupportedSecurityModel = -1402;

inline constexpr int UsmOk = 1400;
inline constexpr int UsmUnsupportedSecurityLevel = 1403;
inline constexpr int UsmUnknownSecurityName = 1404;
inline constexpr int UsmEncryptionError = 1405;
inline constexpr int UsmDecryptionError = 1406;
inline constexpr int UsmAuthenticationFailure = 1408;
inline constexpr int UsmUnknownEngineId = 1410;
inline constexpr int UsmNotInTimeWindow = 1411;
inline constexpr int UsmUnsupportedAuthProtocol = 1412;
inline constexpr int UsmUnsupportedPrivProtocol = 1413;
}  // namespace SnmpResult

// Results of getBootCounter / saveBootCounter. StartSession goes on after
// Ok, NoEntry and FileMissing and fails on anything below.
namespace BootCounterResult {
inline constexpr int Ok = 0;
inline constexpr int NoEntry = -1;       // the file has no line for the engine ID
inline constexpr int FileMissing = -2;   // no file yet
inline constexpr int ReadError = -3;     // the file exists but cannot be read
inline constexpr int BadFormat = -4;     // the engine ID's line is damaged
inline constexpr int WriteError = -5;
}  // namespace BootCounterResult
