#include "VnIni.h"
#include "VnPath.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <string>
#include <unistd.h>

namespace {

class IniFile : public ::testing::Test {
protected:
    void SetUp() override
    {
        path_ = (std::filesystem::temp_directory_path()
                 / ("vn_ini_" + std::to_string(::getpid()) + "_"
                    + ::testing::UnitTest::GetInstance()->current_test_info()->name() + ".cfg"))
                    .string();
    }
    void TearDown() override { std::remove(path_.c_str()); }

    void Write(const std::string& content)
    {
        std::ofstream out(path_, std::ios::binary);
        out << content;
    }

    std::string path_;
};

constexpr const char* kSection = "Program Information";

TEST_F(IniFile, ReadsValuesOfTheSettingsFile)
{
    Write("; per-device settings\r\n"
          "[Other]\r\n"
          "AgentPort=1\r\n"
          "[Program Information]\r\n"
          "AgentPort=  161  \r\n"
          "  Version = 3\r\n"
          "SecurityName=\t admin\t\r\n"
          "ContextName=\r\n"
          "AuthPassword=\"pass word\"\r\n"
          "PrivPassword='x'\r\n"
          "AuthProtocol=\"half\r\n"
          "Flag\r\n"
          "agentport=999\r\n"
          "[program information]\r\n"
          "PrivProtocol=2\r\n");
    const VnIni ini(path_);
    struct Case {
        const char* section;
        const char* key;
        const char* def;
        const char* expected;
        const char* why;
    } const cases[] = {
        {kSection, "AgentPort", "9", "161", "blanks around the value are trimmed"},
        {kSection, "Version", "", "3", "blanks around the key are ignored"},
        {kSection, "SecurityName", "", "admin", "tabs are trimmed too"},
        {"PROGRAM information", "agentPORT", "", "161", "section and key ignore case"},
        {kSection, "ContextName", "dflt", "dflt", "an empty value gives the default"},
        {kSection, "Missing", "dflt", "dflt", "a missing key gives the default"},
        {kSection, "Missing", "", "", "a missing key with an empty default is empty"},
        {kSection, "Missing", "  d  ", "d", "a default that the read copied is trimmed"},
        {"Nowhere", "AgentPort", "dflt", "dflt", "a missing section gives the default"},
        {kSection, "AuthPassword", "", "pass word", "one pair of quotes is dropped"},
        {kSection, "PrivPassword", "", "x", "single quotes too"},
        {kSection, "AuthProtocol", "", "\"half", "an unpaired quote stays"},
        {kSection, "Flag", "dflt", "dflt", "a line without '=' is a key without value"},
        {kSection, "PrivProtocol", "dflt", "dflt", "only the first section of a name is read"},
        {"Other", "AgentPort", "", "1", "each section has its own keys"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(ini.ReadString(c.section, c.key, c.def), c.expected) << c.key << ": " << c.why;
}

TEST_F(IniFile, FirstKeyWins)
{
    Write("[S]\nk=first\nK=second\n");
    EXPECT_EQ(VnIni(path_).ReadString("s", "k", ""), "first");
}

TEST_F(IniFile, MissingFileGivesTheDefault)
{
    const VnIni ini(path_ + ".absent");
    EXPECT_EQ(ini.ReadString(kSection, "AgentPort", "161"), "161");
    EXPECT_EQ(ini.ReadString(kSection, "AgentPort", ""), "");
}

TEST_F(IniFile, ValueIsCutToTheReadBuffer)
{
    Write("[S]\nlong=" + std::string(5000, 'x') + "\n");
    EXPECT_EQ(VnIni(path_).ReadString("S", "long", ""), std::string(4095, 'x'));
}

TEST(PathAndPower, JoinPathUsesOneSlash)
{
    EXPECT_EQ(JoinPath("", "VnSNMP_PP_BootCounter"), "VnSNMP_PP_BootCounter");
    EXPECT_EQ(JoinPath("/opt/mod/", "VnSNMP_PP_BootCounter"), "/opt/mod/VnSNMP_PP_BootCounter");
    EXPECT_EQ(JoinPath("/opt/mod", "VnSNMP_PP_BootCounter"), "/opt/mod/VnSNMP_PP_BootCounter");
}

TEST(PathAndPower, IntPowerWrapsIn32Bits)
{
    EXPECT_EQ(IntPower(7, 0), 1u);
    EXPECT_EQ(IntPower(0, 0), 1u);
    EXPECT_EQ(IntPower(2, 7), 128u);
    EXPECT_EQ(IntPower(256, 3), 16777216u);
    EXPECT_EQ(IntPower(2, 32), 0u);
    EXPECT_EQ(IntPower(3, 20), 3486784401u);
    EXPECT_EQ(IntPower(3, 21), 1870418611u) << "3^21 mod 2^32";
    EXPECT_EQ(IntPower(3, 40), 689956897u);
    EXPECT_EQ(IntPower(3, 1000003), 1223452443u) << "a large exponent gives the wrapped product";
}

} // namespace
