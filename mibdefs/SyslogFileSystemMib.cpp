#include "SyslogFileSystemMib.h"

namespace {

const VnIntOption fileSystemCtrlStatusOptions[] = {
    {0, "other"},
    {1, "start"},
    {2, "finish"},
    {3, "in-process"},
    {4, "fail"},
    {5, "invalid-drive-name"},
    {6, "same-file-name"},
    {7, "root-area-full"},
    {8, "insufficient-disk"},
    {9, "invalid-directory"},
    {10, "file-readonly"},
    {11, "exist-same-directory"},
    {12, "exist-file-in-directory"},
    {13, "no-file-or-dir"},
    {14, "no-format"},
    {15, "no-storage-media"},
    {16, "fs-no-match-media"},
    {17, "error-input"},
    {18, "error-char"},
    {19, "error-filename"},
    {20, "access-media-error"},
    {0, nullptr},
};

}  // namespace

const VnOptionList FileSystemCtrlStatusList(fileSystemCtrlStatusOptions);

constinit const VnSNMPVarDesc FileSystemCtrlStatusTable[] = {
    {"1.3.6.1.4.1.88406.12.14.1.1", "Basic Info Ctrl Status", VnSyntax::Integer, VnAccess::ReadOnly,
     &FileSystemCtrlStatusList},
    {"1.3.6.1.4.1.88406.12.14.1.2", "Basic Info Ctrl Process", VnSyntax::Integer, VnAccess::ReadOnly},
    {},
};
