#include "VnHelp.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QUrl>

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

class HelpTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(dir_.isValid());
        help_ = dir_.filePath("RQ-4024S orvixhelp3.hlp");
        QFile file(help_);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write("help");
    }

    QTemporaryDir dir_;
    QString help_;
};

TEST_F(HelpTest, OpensAnExistingFileAsAFileUrl)
{
    std::vector<QUrl> opened;
    VnScopedUrlOpener fake([&](const QUrl& url) {
        opened.push_back(url);
        return true;
    });
    ASSERT_TRUE(VnOpenHelp(help_.toStdString()));
    ASSERT_EQ(opened.size(), 1u);
    EXPECT_TRUE(opened[0].isLocalFile());
    EXPECT_EQ(opened[0].toLocalFile(), help_);
    // The blank in the file name must be encoded, not end the URL.
    EXPECT_TRUE(opened[0].toString(QUrl::FullyEncoded).endsWith("RQ-4024S%20orvixhelp3.hlp"));
}

TEST_F(HelpTest, RelativePathBecomesAbsolute)
{
    std::vector<QUrl> opened;
    VnScopedUrlOpener fake([&](const QUrl& url) {
        opened.push_back(url);
        return true;
    });
    const QString old = QDir::currentPath();
    ASSERT_TRUE(QDir::setCurrent(dir_.path()));
    const bool ok = VnOpenHelp("RQ-4024S orvixhelp3.hlp");
    QDir::setCurrent(old);
    ASSERT_TRUE(ok);
    ASSERT_EQ(opened.size(), 1u);
    EXPECT_EQ(opened[0].toLocalFile(), help_);
}

TEST_F(HelpTest, FailsWhenItCannotOpen)
{
    int calls = 0;
    bool answer = false;
    VnScopedUrlOpener fake([&](const QUrl&) {
        ++calls;
        return answer;
    });
    const struct Case {
        std::string path;
        int calls;
        const char* why;
    } cases[] = {
        {"", 0, "no path"},
        {dir_.filePath("missing.hlp").toStdString(), 0, "the file is not there"},
        {dir_.path().toStdString(), 0, "a folder is no help file"},
        {help_.toStdString(), 1, "the desktop has no handler for it"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.why);
        calls = 0;
        EXPECT_FALSE(VnOpenHelp(c.path));
        EXPECT_EQ(calls, c.calls);
    }
}

TEST_F(HelpTest, WithoutAGuiApplicationTheDesktopIsNotAsked)
{
    // This program never makes a GUI application; the desktop's opener
    // would crash without one.
    ASSERT_EQ(QCoreApplication::instance(), nullptr);
    EXPECT_FALSE(VnOpenHelp(help_.toStdString()));
}

} // namespace
