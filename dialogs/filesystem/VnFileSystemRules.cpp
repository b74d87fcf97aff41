#include "VnFileSystemRules.h"

#include <array>
#include <utility>

namespace {

bool IsBlank(QChar c)
{
    return c.isSpace() || c.category() == QChar::Other_Control;
}

bool IsLetterOrDigit(QChar c)
{
    return (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9');
}

// Positions 3 on of a lower-cased path: backslashes, letters and digits,
// never two backslashes in a row.
bool IsDirectoryTail(const QString& path, qsizetype from, qsizetype to)
{
    for (qsizetype i = from; i < to; ++i) {
        const QChar c = path[i];
        if (c == '\\') {
            if (i > from && path[i - 1] == '\\')
                return false;
        } else if (!IsLetterOrDigit(c)) {
            return false;
        }
    }
    return true;
}

// Only A to Z fold: a full case folding turns other characters (the
// Kelvin sign, the long s, fullwidth letters) into ASCII letters, and the
// path would pass a check its typed characters fail.
QString AsciiLower(const QString& text)
{
    QString lower = text;
    for (QChar& c : lower) {
        if (c >= 'A' && c <= 'Z')
            c = QChar(c.unicode() + ('a' - 'A'));
    }
    return lower;
}

// "c:" followed by nothing or a backslash.
bool HasDrive(const QString& path)
{
    return path.size() >= 2 && path[0] == 'c' && path[1] == ':' && (path.size() == 2 || path[2] == '\\');
}

struct StatusRow {
    const char* label;
    const char* directory;
    const char* file;
};

constexpr const char* kUnknown = "unknown error.";
constexpr const char* kWaiting = "waiting for a moment to check.";
constexpr const char* kDrive = "invalid drive.";
constexpr const char* kInvalidDir = "directory is an invalid directory.";
constexpr const char* kNameError = "file name error.";

constexpr std::array<StatusRow, 21> kStatusRows{{
    {"other", kUnknown, kUnknown},
    {"start", kWaiting, kWaiting},
    {"finish", "no error.", "no error."},
    {"in-process", kWaiting, kWaiting},
    {"fail", kUnknown, kUnknown},
    {"invalid-drive-name", kDrive, kDrive},
    {"same-file-name", kUnknown, "has existed the same name file."},
    {"root-area-full", kUnknown, kUnknown},
    {"insufficient-disk", kDrive, kDrive},
    {"invalid-directory", kInvalidDir, "invalid directory."},
    {"file-readonly", kUnknown, "file is readonly."},
    {"exist-same-directory", "has already existed the same directory.", kUnknown},
    {"exist-file-in-directory", "directory is not null.", kUnknown},
    {"no-file-or-dir", "directory is not existed.", "file is not existed."},
    {"no-format", kDrive, kDrive},
    {"no-storage-media", kDrive, kDrive},
    {"fs-no-match-media", kUnknown, kUnknown},
    {"error-input", kInvalidDir, kNameError},
    {"error-char", kInvalidDir, kNameError},
    {"error-filename", kUnknown, kNameError},
    {"access-media-error", kDrive, kDrive},
}};

}  // namespace

QString VnTrimmedPath(const QString& text)
{
    qsizetype first = 0;
    qsizetype last = text.size();
    while (first < last && IsBlank(text[first]))
        ++first;
    while (last > first && IsBlank(text[last - 1]))
        --last;
    return text.mid(first, last - first);
}

bool VnIsValidDirectoryPath(const QString& text)
{
    const QString path = AsciiLower(VnTrimmedPath(text));
    return HasDrive(path) && IsDirectoryTail(path, 2, path.size());
}

bool VnIsValidFilePath(const QString& text, bool allowUnderscore)
{
    const QString path = AsciiLower(VnTrimmedPath(text));
    const qsizetype slash = path.lastIndexOf('\\');
    if (!HasDrive(path) || slash < 2 || !IsDirectoryTail(path, 2, slash + 1))
        return false;
    int dots = 0;
    for (qsizetype i = slash + 1; i < path.size(); ++i) {
        const QChar c = path[i];
        if (c == '.')
            ++dots;
        else if (!IsLetterOrDigit(c) && !(allowUnderscore && c == '_'))
            return false;
    }
    return dots == 1;
}

QString VnStatusText(const QString& statusLabel, VnStatusWording wording)
{
    for (const StatusRow& row : kStatusRows) {
        if (statusLabel == QLatin1String(row.label))
            return QString::fromLatin1(wording == VnStatusWording::Directory ? row.directory : row.file);
    }
    return {};
}

QString VnResultSuccess(const QString& phrase, const QString& path)
{
    return phrase + path.toUpper() + " successfully.";
}

QString VnResultError(const QString& phrase, const QString& path, const QString& reason)
{
    return phrase + path.toUpper() + " met error: " + reason;
}
