#include "VnProcess.h"

#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QTest>

#include <gtest/gtest.h>

#include <cstdlib>
#include <optional>
#include <stdexcept>
#include <string>
#include <vector>

namespace {

// The arguments the echo program wrote down, or nothing when it did not run
// (the limit only guards against a hang: a loaded machine may take seconds).
std::optional<std::vector<std::string>> WaitForEcho(const QString& output)
{
    if (!QTest::qWaitFor([&] { return QFile::exists(output); }, 120000))
        return std::nullopt;
    QFile file(output);
    if (!file.open(QIODevice::ReadOnly))
        return std::nullopt;
    const QByteArray bytes = file.readAll();
    std::vector<std::string> args;
    std::string current;
    for (const char c : bytes) {
        if (c == '\0') {
            args.push_back(current);
            current.clear();
        } else {
            current += c;
        }
    }
    return args;
}

TEST(ProcessStart, ArgumentsArriveExactlyWithoutAShell)
{
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const std::string marker = dir.filePath("shell-ran").toStdString();
    const struct Case {
        std::vector<std::string> args;
        const char* why;
    } cases[] = {
        {{"/I10.1.1.1", "/Rpublic", "/W", "/TMIB_IFTable"},
         "a sibling-module line; an empty value leaves the option letters alone"},
        {{"with blank", "\"double quoted\"", "'single'", "back\\slash"},
         "blanks and quotes are not split or stripped"},
        {{"; touch " + marker, "$(touch " + marker + ")", "`touch " + marker + "`", "$HOME",
          "*", "a|b&c>d"},
         "shell characters reach the program as text and run nothing"},
        {{"", "x"}, "an empty argument stays an argument"},
        {{"Gr\xC3\xBC\xC3\x9F" "e /Rsch\xC3\xB6n"}, "non-ASCII text in UTF-8"},
        {{}, "no arguments at all"},
    };
    int n = 0;
    for (const auto& c : cases) {
        SCOPED_TRACE(c.why);
        const QString output = dir.filePath(QString::number(++n));
        std::vector<std::string> argv{output.toStdString()};
        argv.insert(argv.end(), c.args.begin(), c.args.end());
        ASSERT_TRUE(VnStartProcess(VN_ARGV_ECHO, argv));
        EXPECT_EQ(WaitForEcho(output), c.args);
    }
    EXPECT_FALSE(QFileInfo::exists(QString::fromStdString(marker)));
}

TEST(ProcessStart, BareNameIsFoundInPath)
{
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const QFileInfo echo(VN_ARGV_ECHO);
    const std::string oldPath = std::getenv("PATH") ? std::getenv("PATH") : "";
    setenv("PATH", (echo.absolutePath().toStdString() + ":" + oldPath).c_str(), 1);
    const QString output = dir.filePath("out");
    const bool started =
        VnStartProcess(echo.fileName().toStdString(), {output.toStdString(), "/TMIB_Info"});
    setenv("PATH", oldPath.c_str(), 1);
    ASSERT_TRUE(started);
    EXPECT_EQ(WaitForEcho(output), (std::vector<std::string>{"/TMIB_Info"}));
}

TEST(ProcessStart, ReportsAProgramThatCannotStart)
{
    const struct Case {
        std::string program;
        const char* why;
    } cases[] = {
        {"", "no program named"},
        {"/nonexistent/vn-no-such-module", "a path that does not exist"},
        {"vn-no-such-module-anywhere", "a bare name not in PATH"},
        {"/tmp", "a folder is no program"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.why);
        EXPECT_FALSE(VnStartProcess(c.program, {"/TMIB_Info"}));
    }
}

TEST(ProcessStart, AReplacementStarterSeesTheArgumentVector)
{
    std::vector<std::pair<std::string, std::vector<std::string>>> calls;
    {
        VnScopedProcessStarter fake([&](const std::string& program,
                                        const std::vector<std::string>& args) {
            calls.emplace_back(program, args);
            return program == "MIB";
        });
        EXPECT_TRUE(VnStartProcess("MIB", {"/I10.1.1.1", "/R", "/W", "/TMIB_IFTable"}));
        EXPECT_FALSE(VnStartProcess("Rmon", {"/TRmon_History"}));
    }
    ASSERT_EQ(calls.size(), 2u);
    EXPECT_EQ(calls[0].first, "MIB");
    EXPECT_EQ(calls[0].second,
              (std::vector<std::string>{"/I10.1.1.1", "/R", "/W", "/TMIB_IFTable"}));
    EXPECT_EQ(calls[1].first, "Rmon");

    // The scope put the real starter back.
    EXPECT_FALSE(static_cast<bool>(VnSetProcessStarter({})));
}

TEST(ProcessStart, AThrowingStarterCountsAsFailure)
{
    VnScopedProcessStarter fake([](const std::string&, const std::vector<std::string>&) -> bool {
        throw std::runtime_error("no");
    });
    EXPECT_FALSE(VnStartProcess("MIB", {}));
}

} // namespace
