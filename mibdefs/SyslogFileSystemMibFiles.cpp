// The switch's flash file system (.12.14): operations, listing and media.
#include "SyslogFileSystemMib.h"

namespace {

const VnIntOption directoryAttributeOptions[] = {{1, "dir"}, {2, "file"}, {0, nullptr}};
const VnIntOption fileActivityOptions[] = {{1, "none"}, {2, "start"}, {0, nullptr}};
const VnIntOption mediaDriveOptions[] = {{0, "a"}, {1, "b"}, {2, "c"}, {3, "d"}, {4, "e"}, {5, "f"}, {0, nullptr}};
const VnIntOption formatDriveOptions[] = {{0, "none"}, {1, "a"}, {2, "b"}, {3, "c"},
                                          {4, "d"},    {5, "e"}, {6, "f"}, {0, nullptr}};
const VnIntOption formatFatOptions[] = {{1, "fat16"}, {2, "fat32"}, {0, nullptr}};
const VnIntOption formatTypeOptions[] = {{1, "fast"}, {2, "full"}, {3, "full-with-mbr"}, {0, nullptr}};

}  // namespace

const VnOptionList DirectoryAttributeList(directoryAttributeOptions);
const VnOptionList FileActivityList(fileActivityOptions);
const VnOptionList MediaDriveList(mediaDriveOptions);
const VnOptionList MediaFormatDriveList(formatDriveOptions);
const VnOptionList MediaFormatFatList(formatFatOptions);
const VnOptionList MediaFormatTypeList(formatTypeOptions);

constinit const VnSNMPVarDesc DirectoryMakeTable[] = {
    {"1.3.6.1.4.1.88406.12.14.3.1", "Directory Make", VnSyntax::DisplayStr, VnAccess::ReadWrite},
    {},
};

constinit const VnSNMPVarDesc DirectoryDelTable[] = {
    {"1.3.6.1.4.1.88406.12.14.3.2", "Directory Del", VnSyntax::DisplayStr, VnAccess::ReadWrite},
    {},
};

constinit const VnSNMPVarDesc DirectoryPathTable[] = {
    {"1.3.6.1.4.1.88406.12.14.3.3.1", "Directory Path", VnSyntax::DisplayStr, VnAccess::ReadWrite},
    {},
};

constinit const VnSNMPVarDesc DirectoryListTable[] = {
    {"1.3.6.1.4.1.88406.12.14.3.3.2.1.1", "Directory Name", VnSyntax::DisplayStr, VnAccess::NotAccess},
    {"1.3.6.1.4.1.88406.12.14.3.3.2.1.2", "Directory Attribute", VnSyntax::Integer, VnAccess::ReadOnly,
     &DirectoryAttributeList},
    {"1.3.6.1.4.1.88406.12.14.3.3.2.1.3", "Directory Time", VnSyntax::DisplayStr, VnAccess::ReadOnly},
    {},
};

constinit const VnSNMPVarDesc FileRenameTable[] = {
    {"1.3.6.1.4.1.88406.12.14.4.1.1", "File Source Name", VnSyntax::DisplayStr, VnAccess::ReadWrite},
    {"1.3.6.1.4.1.88406.12.14.4.1.2", "File Target Name", VnSyntax::DisplayStr, VnAccess::ReadWrite},
    {"1.3.6.1.4.1.88406.12.14.4.1.3", "SFile Rename Activity", VnSyntax::Integer, VnAccess::ReadWrite,
     &FileActivityList},
    {},
};

constinit const VnSNMPVarDesc FileDeleteTable[] = {
    {"1.3.6.1.4.1.88406.12.14.4.2.1", "File Del Name", VnSyntax::DisplayStr, VnAccess::ReadWrite},
    {},
};

constinit const VnSNMPVarDesc FileCopyTable[] = {
    {"1.3.6.1.4.1.88406.12.14.5.1", "Copy Source", VnSyntax::DisplayStr, VnAccess::ReadWrite},
    {"1.3.6.1.4.1.88406.12.14.5.2", "Copy Destination", VnSyntax::DisplayStr, VnAccess::ReadWrite},
    {"1.3.6.1.4.1.88406.12.14.5.3", "Copy Activity", VnSyntax::Integer, VnAccess::ReadWrite, &FileActivityList},
    {},
};

constinit const VnSNMPVarDesc MediaInfoTable[] = {
    {"1.3.6.1.4.1.88406.12.14.2.1.1.1", "Media Index", VnSyntax::Integer, VnAccess::NotAccess},
    {"1.3.6.1.4.1.88406.12.14.2.1.1.2", "Drive Name", VnSyntax::Integer, VnAccess::ReadOnly, &MediaDriveList},
    {"1.3.6.1.4.1.88406.12.14.2.1.1.3", "Media Type", VnSyntax::DisplayStr, VnAccess::ReadOnly},
    {"1.3.6.1.4.1.88406.12.14.2.1.1.4", "Media Size", VnSyntax::Integer, VnAccess::ReadOnly},
    {"1.3.6.1.4.1.88406.12.14.2.1.1.5", "Drive Label", VnSyntax::DisplayStr, VnAccess::ReadOnly},
    {"1.3.6.1.4.1.88406.12.14.2.1.1.6", "File System Stype", VnSyntax::DisplayStr, VnAccess::ReadOnly},
    {},
};

constinit const VnSNMPVarDesc MediaFormatTable[] = {
    {"1.3.6.1.4.1.88406.12.14.2.2.1", "Media Format MediaID", VnSyntax::Integer, VnAccess::ReadWrite,
     &MediaFormatDriveList},
    {"1.3.6.1.4.1.88406.12.14.2.2.2", "Media Format Fat", VnSyntax::Integer, VnAccess::ReadWrite,
     &MediaFormatFatList},
    {"1.3.6.1.4.1.88406.12.14.2.2.3", "Media Format Label Name", VnSyntax::DisplayStr, VnAccess::ReadWrite},
    {"1.3.6.1.4.1.88406.12.14.2.2.4", "Media Format Type", VnSyntax::Integer, VnAccess::ReadWrite,
     &MediaFormatTypeList},
    {"1.3.6.1.4.1.88406.12.14.2.2.5", "Media Format Activity", VnSyntax::Integer, VnAccess::ReadWrite,
     &FileActivityList},
    {},
};
