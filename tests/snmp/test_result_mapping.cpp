// Net-SNMP outcomes become result numbers that MapSnmpError turns into the
// library's codes.
#include <net-snmp/net-snmp-config.h>
#include <net-snmp/net-snmp-includes.h>

#include <gtest/gtest.h>

#include "NetSnmpLibrary.h"
#include "NetSnmpPdu.h"
#include "SnmpSmi.h"
#include "VnMessages.h"

namespace {

int CodeOf(int result)
{
    int code = 0;
    std::string text;
    MapSnmpError(result, code, text);
    return code;
}

int ReportCode(const std::vector<oid>& counter)
{
    EnsureNetSnmpLibrary();
    netsnmp_pdu* report = snmp_pdu_create(SNMP_MSG_REPORT);
    snmp_add_null_var(report, counter.data(), counter.size());
    const int result = ReportResult(report);
    snmp_free_pdu(report);
    return CodeOf(result);
}

}  // namespace

TEST(ReportMapping, EachUsmCounterHasItsCode)
{
    struct Case {
        std::vector<oid> counter;
        int code;
        const char* why;
    };
    const Case cases[] = {
        {{1, 3, 6, 1, 6, 3, 15, 1, 1, 1, 0}, -303, "usmStatsUnsupportedSecLevels"},
        {{1, 3, 6, 1, 6, 3, 15, 1, 1, 2, 0}, -311, "usmStatsNotInTimeWindows"},
        {{1, 3, 6, 1, 6, 3, 15, 1, 1, 3, 0}, -304, "usmStatsUnknownUserNames"},
        {{1, 3, 6, 1, 6, 3, 15, 1, 1, 4, 0}, -310, "usmStatsUnknownEngineIDs"},
        {{1, 3, 6, 1, 6, 3, 15, 1, 1, 5, 0}, -308, "usmStatsWrongDigests"},
        {{1, 3, 6, 1, 6, 3, 15, 1, 1, 6, 0}, -306, "usmStatsDecryptionErrors"},
        {{1, 3, 6, 1, 6, 3, 11, 2, 1, 1, 0}, -201, "snmpUnknownSecurityModels"},
        {{1, 3, 6, 1, 4, 1, 9, 9, 0}, -401, "anything else"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(ReportCode(c.counter), c.code) << c.why;
}

TEST(ReportMapping, LibraryErrorsHaveTheirCodes)
{
    struct Case {
        int snmpErrno;
        int code;
        const char* why;
    };
    const Case cases[] = {
        {SNMPERR_BAD_SENDTO, -422, "a failed send"},
        {SNMPERR_TIMEOUT, -405, "time-out"},
        {SNMPERR_BAD_ADDRESS, -418, "address the library cannot use"},
        {SNMPERR_USM_UNKNOWNSECURITYNAME, -304, "unknown user"},
        {SNMPERR_USM_AUTHENTICATIONFAILURE, -308, "wrong digest"},
        {SNMPERR_USM_UNSUPPORTEDSECURITYLEVEL, -303, "level"},
        {SNMPERR_UNKNOWN_SEC_MODEL, -201, "security model"},
        {SNMPERR_GENERR, -401, "anything else"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(CodeOf(NetSnmpErrorResult(c.snmpErrno)), c.code) << c.why;
}

TEST(ResultNumbers, MapToTheRequiredCodes)
{
    struct Case {
        int result;
        int code;
    };
    const Case cases[] = {
        {SnmpResult::Timeout, -405},
        {SnmpResult::Error, -401},
        {SnmpResult::SendFailed, -422},
        // -1402 is "(SNMPv3) Unsupported Security Model!", the first entry
        // of the message-processing table.
        {SnmpResult::UnsupportedSecurityModel, -201},
        {SnmpResult::UsmUnsupportedPrivProtocol, -313},
        {SnmpResult::UsmUnknownSecurityName, -304},
        {SnmpResult::UsmOk, 0},
        {1, -101},
        {18, -118},
    };
    for (const Case& c : cases)
        EXPECT_EQ(CodeOf(c.result), c.code) << c.result;
}
