#include "VnRegistry.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <optional>
#include <sstream>
#include <string>

namespace {

namespace fs = std::filesystem;

// What a host installation leaves in the registry, written the way people
// write such files by hand: mixed case, with and without the leading
// backslash, blanks around '='.
constexpr const char* kHostRegistry =
    "\xEF\xBB\xBF; host installation\n"
    "[SOFTWARE\\Varonet\\Modules\\HelpPath]\n"
    "1.3.6.1.4.1.88406.10.59.5=C:\\Orvix\\Modules\\RQ4024S\\RQ4024S.dll\r\n"
    "\n"
    "[\\SOFTWARE\\Varonet\\Orvix5.1\\ExePath]\n"
    "Path=/opt/orvix/bin/\n"
    "Empty=\n"
    "Quoted=\" padded \"\n"
    "Equation=a=b\n"
    "# a comment = not a value\n"
    "Twice=first\n"
    "Twice=second\n"
    "[software\\varonet\\orvix5.1\\mibfile]\n"
    "  PATH  =  /opt/orvix/conf/  \n"
    "[SOFTWARE\\Hewlett-Packard\\OpenView\\]\n"
    "OV_PATH=\n"
    "[SOFTWARE\\Varonet\\Orvix5.1\\ExePath]\n"
    "Path=ignored, the first one wins\n"
    "Late=from the second section\n";

std::string ReadAll(const fs::path& path)
{
    std::ifstream in(path, std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

class RegistryTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        dir_ = fs::temp_directory_path()
               / ("vn-registry-" + std::to_string(::testing::UnitTest::GetInstance()->random_seed())
                  + "-" + ::testing::UnitTest::GetInstance()->current_test_info()->name());
        fs::create_directories(dir_);
        file_ = dir_ / "registry.ini";
        std::ofstream(file_, std::ios::binary) << kHostRegistry;
    }
    void TearDown() override { fs::remove_all(dir_); }

    fs::path dir_;
    fs::path file_;
};

struct ValueCase {
    const char* key;
    const char* name;
    std::optional<std::string> expected;
    const char* why;
};

TEST_F(RegistryTest, ReadsValuesOfExistingKeys)
{
    const ValueCase cases[] = {
        {"\\SOFTWARE\\Varonet\\Modules\\HelpPath", "1.3.6.1.4.1.88406.10.59.5",
         "C:\\Orvix\\Modules\\RQ4024S\\RQ4024S.dll", "backslashes in values stay as written"},
        {"\\SOFTWARE\\Varonet\\Orvix5.1\\ExePath", "Path", "/opt/orvix/bin/",
         "section written with the leading backslash"},
        {"SOFTWARE\\Varonet\\Orvix5.1\\ExePath", "Path", "/opt/orvix/bin/",
         "key opened without the leading backslash"},
        {"\\software\\VARONET\\orvix5.1\\exepath", "path", "/opt/orvix/bin/",
         "key path and value name ignore case"},
        {"\\SOFTWARE\\Varonet\\Orvix5.1\\MibFile", "Path", "/opt/orvix/conf/",
         "blanks around names and values are trimmed"},
        {"\\SOFTWARE\\Varonet\\Orvix5.1\\ExePath", "Empty", "",
         "an empty value is present, not missing"},
        {"\\SOFTWARE\\Varonet\\Orvix5.1\\ExePath", "Missing", std::nullopt,
         "a missing value is told apart from an empty one"},
        {"\\SOFTWARE\\Varonet\\Orvix5.1\\ExePath", "Quoted", " padded ",
         "quotes keep the blanks at the ends"},
        {"\\SOFTWARE\\Varonet\\Orvix5.1\\ExePath", "Equation", "a=b",
         "only the first '=' separates name and value"},
        {"\\SOFTWARE\\Varonet\\Orvix5.1\\ExePath", "# a comment", std::nullopt,
         "comment lines hold no values"},
        {"\\SOFTWARE\\Varonet\\Orvix5.1\\ExePath", "Twice", "first",
         "the first entry of a name wins"},
        {"\\SOFTWARE\\Varonet\\Orvix5.1\\ExePath", "Late", "from the second section",
         "a key listed twice is merged"},
        {"\\SOFTWARE\\Hewlett-Packard\\OpenView", "OV_PATH", "",
         "a section written with a trailing backslash"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.why);
        VnRegistry registry(file_.string());
        ASSERT_TRUE(registry.OpenKey(c.key, false));
        EXPECT_EQ(registry.ReadString(c.name), c.expected);
        EXPECT_EQ(registry.ValueExists(c.name), c.expected.has_value());
    }
}

struct OpenCase {
    const char* file; // empty: the fixture's file
    const char* key;
    bool canCreate;
    bool opens;
    const char* why;
};

TEST_F(RegistryTest, OpensKeysWithAndWithoutCreate)
{
    const OpenCase cases[] = {
        {"", "\\SOFTWARE\\Varonet\\Orvix5.1\\ExePath", false, true, "existing key"},
        {"", "\\SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\App Paths\\orvix51.exe", false,
         false, "a missing key does not open without create"},
        {"", "\\SOFTWARE\\Varonet\\Orvix5.1", false, false,
         "a parent of a listed key is not itself listed"},
        {"", "\\SOFTWARE\\Varonet\\NoSuchKey", true, true, "create-if-missing opens an empty key"},
        {"no-such-file.ini", "\\SOFTWARE\\Varonet\\Orvix5.1\\ExePath", false, false,
         "no file: no keys"},
        {"no-such-file.ini", "\\SOFTWARE\\Varonet\\Modules\\HelpPath", true, true,
         "no file: create still opens"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.why);
        const auto path = *c.file ? (dir_ / c.file) : file_;
        VnRegistry registry(path.string());
        EXPECT_EQ(registry.OpenKey(c.key, c.canCreate), c.opens);
        EXPECT_EQ(registry.HasCurrentKey(), c.opens);
        EXPECT_EQ(registry.KeyExists(c.key), c.opens && !c.canCreate);
        if (!c.opens) {
            EXPECT_EQ(registry.ReadString("Path"), std::nullopt);
        }
    }
}

TEST_F(RegistryTest, CreateNeverWritesAndLeavesNoValues)
{
    const auto before = ReadAll(file_);
    VnRegistry registry(file_.string());
    ASSERT_TRUE(registry.OpenKey("\\SOFTWARE\\Varonet\\Created", true));
    EXPECT_EQ(registry.ReadString("Path"), std::nullopt);
    EXPECT_EQ(ReadAll(file_), before);
    EXPECT_FALSE(registry.KeyExists("\\SOFTWARE\\Varonet\\Created"));

    const auto missing = dir_ / "absent.ini";
    VnRegistry none(missing.string());
    ASSERT_TRUE(none.OpenKey("\\SOFTWARE\\Varonet\\Modules\\HelpPath", true));
    EXPECT_FALSE(fs::exists(missing)) << "create-if-missing must not make a file";
}

TEST_F(RegistryTest, FailedOpenClosesThePreviousKey)
{
    // Reading after a failed open must not return the previous key's values.
    VnRegistry registry(file_.string());
    ASSERT_TRUE(registry.OpenKey("\\SOFTWARE\\Varonet\\Orvix5.1\\ExePath", false));
    ASSERT_FALSE(registry.OpenKey("\\SOFTWARE\\Varonet\\Orvix5.1\\Gone", false));
    EXPECT_EQ(registry.ReadString("Path"), std::nullopt);
    registry.CloseKey();
    EXPECT_FALSE(registry.HasCurrentKey());
}

// Sets (or with nullptr unsets) an environment variable for one scope.
class ScopedEnv {
public:
    ScopedEnv(const char* name, const char* value) : name_(name)
    {
        if (const char* old = std::getenv(name))
            old_ = old;
        if (value)
            setenv(name, value, 1);
        else
            unsetenv(name);
    }
    ~ScopedEnv()
    {
        if (old_)
            setenv(name_, old_->c_str(), 1);
        else
            unsetenv(name_);
    }

private:
    const char* name_;
    std::optional<std::string> old_;
};

TEST(RegistryDefaultPath, FollowsTheEnvironment)
{
    struct Case {
        const char* file;
        const char* xdg;
        const char* home;
        std::string expected;
        const char* why;
    } cases[] = {
        {"/etc/vn/registry.ini", "/x", "/h", "/etc/vn/registry.ini", "the variable wins"},
        {"", "/x", "/h", "/x/rq4024s/registry.ini", "an empty variable is as good as none"},
        {nullptr, "/x", "/h", "/x/rq4024s/registry.ini", "the user's config folder"},
        {nullptr, "", "/h", "/h/.config/rq4024s/registry.ini", "empty XDG_CONFIG_HOME"},
        {nullptr, nullptr, "/h", "/h/.config/rq4024s/registry.ini", "no XDG_CONFIG_HOME"},
        {nullptr, nullptr, nullptr, "", "nowhere to look"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.why);
        ScopedEnv file("VN_REGISTRY_FILE", c.file);
        ScopedEnv xdg("XDG_CONFIG_HOME", c.xdg);
        ScopedEnv home("HOME", c.home);
        EXPECT_EQ(VnRegistry::DefaultFilePath(), c.expected);
        EXPECT_EQ(VnRegistry().FilePath(), c.expected);
    }
}

TEST_F(RegistryTest, DefaultConstructedReadsTheNamedFile)
{
    ScopedEnv file("VN_REGISTRY_FILE", file_.c_str());
    VnRegistry registry;
    ASSERT_TRUE(registry.OpenKey("\\SOFTWARE\\Varonet\\Orvix5.1\\MibFile", false));
    EXPECT_EQ(registry.ReadString("Path"), "/opt/orvix/conf/");
}

} // namespace
