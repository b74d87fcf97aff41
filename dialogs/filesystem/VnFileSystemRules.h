#pragma once
// The rules every file-system operation dialog shares, without widgets:
// the path rules, the texts a control status maps to, and the result lines.
#include <QString>

// Leading and trailing blanks and control characters removed: the text the
// path rules check is the text that is sent.
QString VnTrimmedPath(const QString& text);

// "c:", "c:\" and backslash-separated names of letters and digits (a
// trailing backslash allowed); letter case is free.
bool VnIsValidDirectoryPath(const QString& text);

// A directory path as above with at least one backslash, then a file name
// of letters, digits (and the underscore when `allowUnderscore`) holding
// exactly one dot.
bool VnIsValidFilePath(const QString& text, bool allowUnderscore);

enum class VnStatusWording { Directory, File };

// The explanation of a control status label; "" for a label not known.
QString VnStatusText(const QString& statusLabel, VnStatusWording wording);

// phrase + upper-cased path + ending.
QString VnResultSuccess(const QString& phrase, const QString& path);
QString VnResultError(const QString& phrase, const QString& path, const QString& reason);
