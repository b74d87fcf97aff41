#include "VnException.h"
#include "VnMessages.h"

#include <gtest/gtest.h>

#include <climits>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>

namespace {

namespace fs = std::filesystem;

VnMessageTable& (*const kAllTables[])() = {
    VnPduMessages,   VnSnmpV3Messages,  VnUsmMessages,    VnClassMessages,
    VnLibraryMessages, VnStatusMessages, VnCommonMessages,
};

// Every test starts and ends with the built-in tables, and has a folder of
// its own for message files.
class MessagesTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ResetAll();
        std::string pattern = (fs::temp_directory_path() / "vnmsgXXXXXX").string();
        ASSERT_NE(mkdtemp(pattern.data()), nullptr);
        dir_ = pattern;
    }
    void TearDown() override
    {
        ResetAll();
        std::error_code ec;
        fs::remove_all(dir_, ec);
    }
    static void ResetAll()
    {
        for (auto table : kAllTables)
            table().Reset();
    }
    std::string Write(const std::string& name, const std::string& content)
    {
        const fs::path path = dir_ / name;
        fs::create_directories(path.parent_path());
        std::ofstream(path, std::ios::binary) << content;
        return path.string();
    }

    fs::path dir_;
};

struct EntryCase {
    VnMessageTable& (*table)();
    int entry;
    const char* text;
};

TEST_F(MessagesTest, BuiltInTextsAreWordForWord)
{
    const EntryCase cases[] = {
        {VnPduMessages, 0, "(SNMP) Response PDU Too Big!"},
        {VnPduMessages, 2, "(SNMP) Cannot modify variable: Bad Value!"},
        {VnPduMessages, 6, "(SNMP) Cannot create/modify variable, Wrong Type!"},
        {VnPduMessages, 17, "(SNMP) Cannot create variable, Inconsistent Name!"},
        {VnSnmpV3Messages, 0, "(SNMPv3) Unsupported Security Model!"},
        {VnSnmpV3Messages, 5, "(SNMPv3) v3MP not initialized!"},
        {VnSnmpV3Messages, 16, "(SNMPv3) Report sent!"},
        {VnUsmMessages, 0, "(SNMPv3USM) error!"},
        {VnUsmMessages, 1, "(SNMPv3USM) Configfile write error!"},
        {VnUsmMessages, 13, "(SNMPv3USM) Address error!"},
        {VnClassMessages, 0, "(SNMPClass) Operation failed!"},
        // Missing blank after the origin, and a blank inside it: as shipped.
        {VnClassMessages, 8, "(SNMPClass)Unknown error code!"},
        {VnClassMessages, 19, "(SNMP Class) Transport is not supported!"},
        {VnClassMessages, 22, "(SNMPClass) Blocked Mode Shutdown!"},
        {VnLibraryMessages, 0, "(VnSNMP++) Ok!"},
        {VnLibraryMessages, 2,
         "(VnSNMP++) Bad format at line([LINENO])in SNMP variables file([FILENAME])!"},
        {VnLibraryMessages, 19,
         "(VnSNMP++) Out of range for the bit(byte) index of the associated SNMP "
         "variable's (partial) data!"},
        {VnLibraryMessages, 20,
         "(VnSNMP++) No reference option list for a SNMP variable's (partial) data "
         "associating with a optional visual control!"},
        {VnLibraryMessages, 28, "(VnSNMP++) Unknown error code!"},
        {VnStatusMessages, 0, "Get: [ERROR] Request:[VARLIST]. Receive at [TIME]."},
        {VnStatusMessages, 1, "Set: [ERROR] Request:[VARLIST]. Receive at [TIME]."},
        {VnCommonMessages, 0, "Ok!"},
        // Entries 9 to 11 hold a real line break.
        {VnCommonMessages, 9,
         "Please enter a delimited number string with delimiter '[DELIMITER]'.\n"
         "Here,the count of the number is less than [MAXCOUNT]!"},
        {VnCommonMessages, 11,
         "Please enter a delimited number string with delimiter '[DELIMITER]'.\n"
         "Here,each number is between [MIN] and [MAX]!"},
        {VnCommonMessages, 14, "The source to dncrypt is not encrypted!"},
        {VnCommonMessages, 18, "Fail to read option data from file([FILENAME])!"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(c.table().Text(c.entry), c.text) << "entry " << c.entry;
}

TEST_F(MessagesTest, BuiltInTablesHaveTheirEntryCounts)
{
    const std::pair<VnMessageTable& (*)(), std::size_t> cases[] = {
        {VnPduMessages, 18},    {VnSnmpV3Messages, 17}, {VnUsmMessages, 14},
        {VnClassMessages, 23},  {VnLibraryMessages, 29}, {VnStatusMessages, 2},
        {VnCommonMessages, 19},
    };
    for (const auto& [table, count] : cases) {
        EXPECT_EQ(table().BuiltInCount(), count);
        EXPECT_EQ(table().Count(), count);
        EXPECT_FALSE(table().Text(static_cast<int>(count) - 1).empty());
    }
}

TEST_F(MessagesTest, LookupOutOfRangeGivesEmptyText)
{
    EXPECT_EQ(VnCommonText(19), "");
    EXPECT_EQ(VnCommonText(-1), "");
    EXPECT_EQ(VnStatusTemplate(2), "");
    EXPECT_EQ(VnCommonText(INT_MAX), "");
    EXPECT_EQ(VnStatusTemplate(kVnStatusSet),
              "Set: [ERROR] Request:[VARLIST]. Receive at [TIME].");
}

struct MapCase {
    int result;
    int code;
    const char* text;
    const char* why;
};

TEST_F(MessagesTest, MapSnmpErrorAtEveryRangeBoundary)
{
    const char* unknown = "(VnSNMP++) Unknown error code!";
    const MapCase cases[] = {
        {0, 0, "(VnSNMP++) Ok!", "success"},
        {-1401, 0, "(VnSNMP++) Ok!", "message-processing success"},
        {1400, 0, "(VnSNMP++) Ok!", "USM success"},
        {1399, -528, unknown, "below the USM range"},
        {1401, -301, "(SNMPv3USM) error!", "first USM result"},
        {1413, -313, "(SNMPv3USM) Unsupported PrivProtocol!", "next to last USM"},
        {1414, -314, "(SNMPv3USM) Address error!", "last USM result"},
        {1415, -528, unknown, "above the USM range"},
        {-1400, -528, unknown, "next to the message-processing success"},
        {-1402, -201, "(SNMPv3) Unsupported Security Model!", "first v3 result"},
        {-1418, -217, "(SNMPv3) Report sent!", "last v3 result"},
        {-1419, -528, unknown, "below the v3 range"},
        {1, -101, "(SNMP) Response PDU Too Big!", "first error status"},
        {2, -102, "(SNMP) Variable does not exist!", "noSuchName"},
        {18, -118, "(SNMP) Cannot create variable, Inconsistent Name!", "last status"},
        {19, -528, unknown, "above the SNMPv2 error statuses"},
        {-1, -401, "(SNMPClass) Operation failed!", "first class result"},
        {-5, -405, "(SNMPClass) SNMP request timed out!", "time-out"},
        {-23, -423, "(SNMPClass) Blocked Mode Shutdown!", "last class result"},
        {-24, -528, unknown, "below the class range"},
        {-528, -528, unknown, "a library code is not a result"},
        {INT_MAX, -528, unknown, "far outside"},
        {INT_MIN, -528, unknown, "far outside"},
    };
    for (const auto& c : cases) {
        int code = 12345;
        std::string text = "stale";
        MapSnmpError(c.result, code, text);
        EXPECT_EQ(code, c.code) << c.result << ": " << c.why;
        EXPECT_EQ(text, c.text) << c.result << ": " << c.why;
    }
}

struct CodeCase {
    int code;
    const char* text;
};

TEST_F(MessagesTest, ErrorTextOfLibraryCodes)
{
    const char* unknown = "(VnSNMP++) Unknown error code!";
    const CodeCase cases[] = {
        {0, "(VnSNMP++) Ok!"},
        {-100, unknown},
        {-101, "(SNMP) Response PDU Too Big!"},
        {-118, "(SNMP) Cannot create variable, Inconsistent Name!"},
        {-119, unknown},
        {-200, unknown},
        {-201, "(SNMPv3) Unsupported Security Model!"},
        {-217, "(SNMPv3) Report sent!"},
        {-218, unknown},
        {-300, unknown},
        {-301, "(SNMPv3USM) error!"},
        {-314, "(SNMPv3USM) Address error!"},
        {-315, unknown},
        {-400, unknown},
        {-401, "(SNMPClass) Operation failed!"},
        {-405, "(SNMPClass) SNMP request timed out!"},
        {-423, "(SNMPClass) Blocked Mode Shutdown!"},
        {-424, unknown},
        {-499, unknown},
        {-500, "(VnSNMP++) Ok!"},
        {-509, "(VnSNMP++) Invalid IP Address or DNS name!"},
        {-519,
         "(VnSNMP++) Out of range for the bit(byte) index of the associated SNMP "
         "variable's (partial) data!"},
        {-528, unknown},
        {-529, unknown},
        {1, unknown},
    };
    for (const auto& c : cases)
        EXPECT_EQ(VnErrorText(c.code), c.text) << c.code;
}

TEST_F(MessagesTest, RaiseCarriesTextAndCode)
{
    const CodeCase cases[] = {
        {-509, "(VnSNMP++) Invalid IP Address or DNS name!"},
        {-511, "(VnSNMP++) Bad SNMP syntax!"},
        {-405, "(SNMPClass) SNMP request timed out!"},
        {-102, "(SNMP) Variable does not exist!"},
        // An unmapped code keeps its number; only the text is the unknown one.
        {-999, "(VnSNMP++) Unknown error code!"},
    };
    for (const auto& c : cases) {
        try {
            VnRaise(c.code);
            ADD_FAILURE() << "no exception for " << c.code;
        } catch (const VnException& e) {
            EXPECT_STREQ(e.what(), c.text);
            EXPECT_EQ(e.HelpContext(), c.code);
        }
    }
}

TEST_F(MessagesTest, LoadSkipsBlankLinesAndKeepsInnerBlanks)
{
    const std::string file = Write("a.err", "A\n\n  B  \n");
    ASSERT_TRUE(LoadMessageTable(VnCommonMessages(), file));
    EXPECT_TRUE(VnCommonMessages().IsLoaded());
    EXPECT_EQ(VnCommonText(0), "A");
    EXPECT_EQ(VnCommonText(1), "  B  ");
    // Past the file's end the built-in texts answer.
    EXPECT_EQ(VnCommonText(2), "Bad format specifier of edit's constraint!");
    EXPECT_EQ(VnCommonText(18), "Fail to read option data from file([FILENAME])!");
    EXPECT_EQ(VnCommonText(19), "");
    EXPECT_EQ(VnCommonMessages().Count(), 19u);
}

struct LoadCase {
    const char* content;
    std::vector<std::string> entries;
    const char* why;
};

TEST_F(MessagesTest, LoadLineEndsAndBlankLines)
{
    const LoadCase cases[] = {
        {"one\r\ntwo\r\n", {"one", "two"}, "CR LF line ends are cut"},
        {"one\ntwo", {"one", "two"}, "last line without line end"},
        {"\t \r\n\x01\nx\n", {"x"}, "blanks and control characters only: blank"},
        {" \tx\t \n", {" \tx\t "}, "blanks around text are kept"},
        {"a\rb\n", {"a\rb"}, "a CR inside a line is text"},
        {"ab\rX", {"ab\rX"}, "a CR before the last character loses nothing"},
        {"caf\xc3\xa9\n", {"caf\xc3\xa9"}, "bytes above ASCII are text"},
    };
    for (const auto& c : cases) {
        VnMessageTable table(std::span<const char* const>{});
        ASSERT_TRUE(LoadMessageTable(table, Write("t.err", c.content))) << c.why;
        ASSERT_EQ(table.Count(), c.entries.size()) << c.why;
        for (std::size_t i = 0; i < c.entries.size(); ++i)
            EXPECT_EQ(table.Text(static_cast<int>(i)), c.entries[i]) << c.why;
    }
}

TEST_F(MessagesTest, LongLinesArriveInPiecesOf1023)
{
    const std::string a(1500, 'a');
    VnMessageTable table(std::span<const char* const>{});
    ASSERT_TRUE(LoadMessageTable(table, Write("long.err", a + "\nend\n")));
    ASSERT_EQ(table.Count(), 3u);
    EXPECT_EQ(table.Text(0), std::string(1023, 'a'));
    EXPECT_EQ(table.Text(1), std::string(477, 'a'));
    EXPECT_EQ(table.Text(2), "end");

    // A line that just fills the buffer leaves its line end as a blank piece;
    // a CR LF split between two pieces leaves no CR behind.
    const std::string full(1023, 'f');
    const std::string crlf(1022, 'c');
    table.Reset();
    ASSERT_TRUE(LoadMessageTable(table, Write("edge.err", full + "\n" + crlf + "\r\nz\n")));
    ASSERT_EQ(table.Count(), 3u);
    EXPECT_EQ(table.Text(0), full);
    EXPECT_EQ(table.Text(1), crlf);
    EXPECT_EQ(table.Text(2), "z");
}

TEST_F(MessagesTest, UnreadableOrBlankFileKeepsTheTable)
{
    const std::string loaded = Write("first.err", "first\n");
    ASSERT_TRUE(LoadMessageTable(VnPduMessages(), loaded));

    const std::string paths[] = {
        (dir_ / "missing.err").string(),
        Write("blank.err", "\n  \r\n\t\n"),
        Write("empty.err", ""),
        dir_.string(), // a folder opens but reads nothing
    };
    for (const auto& path : paths) {
        EXPECT_FALSE(LoadMessageTable(VnPduMessages(), path)) << path;
        EXPECT_EQ(VnPduMessages().Text(0), "first") << path;
    }
}

TEST_F(MessagesTest, ShorterFileLeavesLaterCodesToBuiltInTexts)
{
    ASSERT_TRUE(LoadMessageTable(VnPduMessages(), Write("snmp.err", "Too big\nNo such\n")));
    int code = 0;
    std::string text;
    MapSnmpError(2, code, text);
    EXPECT_EQ(code, -102);
    EXPECT_EQ(text, "No such");
    MapSnmpError(18, code, text);
    EXPECT_EQ(code, -118);
    EXPECT_EQ(text, "(SNMP) Cannot create variable, Inconsistent Name!");
}

TEST_F(MessagesTest, LongerFileKeepsItsExtraLines)
{
    std::string content;
    for (int i = 0; i < 40; ++i)
        content.append("L").append(std::to_string(i)).append("\n");
    ASSERT_TRUE(LoadMessageTable(VnStatusMessages(), Write("snmp.msg", content)));
    EXPECT_EQ(VnStatusMessages().Count(), 40u);
    EXPECT_EQ(VnStatusTemplate(kVnStatusSet), "L1");
    EXPECT_EQ(VnStatusTemplate(39), "L39");
    EXPECT_EQ(VnStatusTemplate(40), "");
}

TEST_F(MessagesTest, LoadingAgainReplacesTheLoadedTexts)
{
    ASSERT_TRUE(LoadMessageTable(VnLibraryMessages(), Write("v1.err", "Fine!\nA\nB\n")));
    ASSERT_TRUE(LoadMessageTable(VnLibraryMessages(), Write("v2.err", "Good!\n")));
    int code = -1;
    std::string text;
    MapSnmpError(0, code, text);
    EXPECT_EQ(code, 0);
    EXPECT_EQ(text, "Good!");
    // Entry 1 of the first file is gone: the built-in text answers again.
    EXPECT_EQ(VnErrorText(-501),
              "(VnSNMP++) Fail to read SNMP variables from file([FILENAME])!");
    try {
        VnRaise(kVnOk);
        ADD_FAILURE();
    } catch (const VnException& e) {
        EXPECT_STREQ(e.what(), "Good!");
    }
}

TEST_F(MessagesTest, LoadMessageFilesFromTheModuleFolder)
{
    Write("errmsg/common.err", "C0\n");
    Write("errmsg/snmp.msg", "G\nS\n");
    Write("errmsg/snmpclass.err", "K1\nK2\nK3\nK4\nK5\n");
    VnLoadMessageFiles(dir_.string() + "/");

    EXPECT_EQ(VnCommonText(0), "C0");
    EXPECT_EQ(VnStatusTemplate(kVnStatusGet), "G");
    EXPECT_EQ(VnErrorText(kVnErrTimeout), "K5");
    // No file for these: the built-in texts stay.
    EXPECT_FALSE(VnPduMessages().IsLoaded());
    EXPECT_FALSE(VnLibraryMessages().IsLoaded());
    EXPECT_EQ(VnErrorText(-301), "(SNMPv3USM) error!");
}

} // namespace
