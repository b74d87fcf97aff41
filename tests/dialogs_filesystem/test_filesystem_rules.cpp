// The path rules, the status texts and the result lines of the file-system
// dialogs, without widgets.
#include <gtest/gtest.h>

#include "VnFileSystemRules.h"

namespace {

struct PathCase {
    const char* path;
    bool directory;  // the directory rule
    bool rename;     // the file rule with the underscore
    bool copy;       // the file rule without it
};

const PathCase kPathCases[] = {
    {"c:", true, false, false},
    {"c:\\", true, false, false},
    {"C:\\LOGS", true, false, false},
    {"c:\\logs\\", true, false, false},
    {" c:\\new \t", true, false, false},  // checked trimmed
    {"c:\\a\\\\b", false, false, false},
    {"c:\\a b", false, false, false},
    {"c:\\a_b", false, false, false},
    {"e:\\a", false, false, false},
    {"c:\\a.b", false, true, true},
    {"c:\\my dir", false, false, false},
    {"c", false, false, false},
    {"", false, false, false},
    {"c:\\dir\\file.txt", false, true, true},
    {"c:\\dir\\my_file.txt", false, true, false},
    {"c:\\logs\\my_a.txt", false, true, false},
    {"c:\\file", true, false, false},
    {"c:\\a.b.c", false, false, false},
    {"c:file.txt", false, false, false},
    {"c:\\dir\\log1.", false, true, true},
    {"c:\\dir\\.txt", false, true, true},
    {"c:\\dir\\", true, false, false},
    {"c:\\\\x.txt", false, false, false},
    {" c:\\logs\\a.txt ", false, true, true},
    {"c:\\lo gs\\a.txt", false, false, false},
};

TEST(FileSystemRules, PathRules)
{
    for (const PathCase& c : kPathCases) {
        SCOPED_TRACE(c.path);
        EXPECT_EQ(VnIsValidDirectoryPath(QString::fromLatin1(c.path)), c.directory);
        EXPECT_EQ(VnIsValidFilePath(QString::fromLatin1(c.path), true), c.rename);
        EXPECT_EQ(VnIsValidFilePath(QString::fromLatin1(c.path), false), c.copy);
    }
}

// Letters outside ASCII are refused as typed, also those a case folding
// turns into ASCII letters.
TEST(FileSystemRules, NonAsciiLettersAreRefusedEvenWhenTheyFoldToAscii)
{
    struct Case {
        const char16_t* name;
        const char* why;
    };
    const Case cases[] = {
        {u"\u212Aey", "Kelvin sign folds to k"},
        {u"\u017Fys", "long s folds to s"},
        {u"\uFF41bc", "fullwidth a"},
        {u"\uFF21BC", "fullwidth A folds to fullwidth a"},
        {u"\u0131nfo", "dotless i"},
        {u"\u0130NFO", "capital I with dot folds to i and a combining dot"},
        {u"d\u00E9j\u00E0", "accented letters"},
    };
    for (const Case& c : cases) {
        const QString name = QString::fromUtf16(c.name);
        EXPECT_FALSE(VnIsValidDirectoryPath("c:\\" + name)) << c.why;
        EXPECT_FALSE(VnIsValidFilePath("c:\\" + name + "\\a.txt", true)) << c.why;
        EXPECT_FALSE(VnIsValidFilePath("c:\\dir\\" + name + ".txt", true)) << c.why;
    }
    EXPECT_FALSE(VnIsValidDirectoryPath(QString::fromUtf16(u"\uFF43:\\a"))) << "fullwidth drive letter";
    // ASCII capitals still fold.
    EXPECT_TRUE(VnIsValidFilePath("C:\\KEY\\LOG_A.TXT", true));
}

TEST(FileSystemRules, TrimmingTakesBlanksAndControlCharacters)
{
    EXPECT_EQ(VnTrimmedPath(QString(" \t c:\\new\x01 \r\n")), "c:\\new");
    EXPECT_EQ(VnTrimmedPath("c:\\a b"), "c:\\a b");
}

struct StatusCase {
    const char* label;
    const char* directory;
    const char* file;
};

const StatusCase kStatusCases[] = {
    {"other", "unknown error.", "unknown error."},
    {"start", "waiting for a moment to check.", "waiting for a moment to check."},
    {"finish", "no error.", "no error."},
    {"in-process", "waiting for a moment to check.", "waiting for a moment to check."},
    {"fail", "unknown error.", "unknown error."},
    {"invalid-drive-name", "invalid drive.", "invalid drive."},
    {"same-file-name", "unknown error.", "has existed the same name file."},
    {"root-area-full", "unknown error.", "unknown error."},
    {"insufficient-disk", "invalid drive.", "invalid drive."},
    {"invalid-directory", "directory is an invalid directory.", "invalid directory."},
    {"file-readonly", "unknown error.", "file is readonly."},
    {"exist-same-directory", "has already existed the same directory.", "unknown error."},
    {"exist-file-in-directory", "directory is not null.", "unknown error."},
    {"no-file-or-dir", "directory is not existed.", "file is not existed."},
    {"no-format", "invalid drive.", "invalid drive."},
    {"no-storage-media", "invalid drive.", "invalid drive."},
    {"fs-no-match-media", "unknown error.", "unknown error."},
    {"error-input", "directory is an invalid directory.", "file name error."},
    {"error-char", "directory is an invalid directory.", "file name error."},
    {"error-filename", "unknown error.", "file name error."},
    {"access-media-error", "invalid drive.", "invalid drive."},
    // Outside the list, and compared exactly.
    {"21", "", ""},
    {"", "", ""},
    {"Finish", "", ""},
};

TEST(FileSystemRules, StatusTextsInBothWordings)
{
    for (const StatusCase& c : kStatusCases) {
        SCOPED_TRACE(c.label);
        EXPECT_EQ(VnStatusText(c.label, VnStatusWording::Directory), c.directory);
        EXPECT_EQ(VnStatusText(c.label, VnStatusWording::File), c.file);
    }
}

TEST(FileSystemRules, ResultLinesShowThePathUpperCased)
{
    EXPECT_EQ(VnResultSuccess("Creating directory ", "c:\\new"), "Creating directory C:\\NEW successfully.");
    EXPECT_EQ(VnResultError("Creating directory ", "c:\\new", "waiting for a moment to check."),
              "Creating directory C:\\NEW met error: waiting for a moment to check.");
    EXPECT_EQ(VnResultError("Deleting file ", "", "file name error."), "Deleting file  met error: file name error.");
    EXPECT_EQ(VnResultError("Renaming file ", "c:\\a.txt", ""), "Renaming file C:\\A.TXT met error: ");
}

}  // namespace
