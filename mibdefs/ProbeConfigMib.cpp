// RMON2-MIB probeConfig: capabilities, revisions, reset and the TFTP
// download of a new image.
#include "ProbeConfigMib.h"

namespace {

const VnIntOption probeResetControlOptions[] = {{1, "running"}, {2, "warmBoot"}, {3, "coldBoot"}, {0, nullptr}};
const VnIntOption probeDownloadActionOptions[] = {
    {1, "notDownloading"}, {2, "downloadToPROM"}, {3, "downloadToRAM"}, {0, nullptr}};
const VnIntOption probeDownloadStatusOptions[] = {
    {1, "downloadSuccess"},
    {2, "downloadStatusUnknown"},
    {3, "downloadGeneralError"},
    {4, "downloadNoResponseFromServer"},
    {5, "downloadChecksumError"},
    {6, "downloadIncompatibleImage"},
    {7, "downloadTftpFileNotFound"},
    {8, "downloadTftpAccessViolation"},
    {0, nullptr}};

}  // namespace

const VnOptionList ProbeResetControlList(probeResetControlOptions);
const VnOptionList ProbeDownloadActionList(probeDownloadActionOptions);
const VnOptionList ProbeDownloadStatusList(probeDownloadStatusOptions);

constinit const VnSNMPVarDesc ProbeBasicInformationTable[] = {
    {"1.3.6.1.2.1.16.19.1", "Capabilities", VnSyntax::OctetStr, VnAccess::ReadOnly},
    {"1.3.6.1.2.1.16.19.2", "Software revision", VnSyntax::DisplayStr, VnAccess::ReadOnly},
    {"1.3.6.1.2.1.16.19.3", "Hardware revision", VnSyntax::DisplayStr, VnAccess::ReadOnly},
    {"1.3.6.1.2.1.16.19.5", "Reset Control", VnSyntax::Integer, VnAccess::ReadWrite, &ProbeResetControlList},
    {"1.3.6.1.2.1.16.19.6", "Download File", VnSyntax::DisplayStr, VnAccess::ReadWrite},
    {"1.3.6.1.2.1.16.19.7", "Download TFTP Server", VnSyntax::IpAddress, VnAccess::ReadWrite},
    {"1.3.6.1.2.1.16.19.8", "Download Action", VnSyntax::Integer, VnAccess::ReadWrite, &ProbeDownloadActionList},
    {"1.3.6.1.2.1.16.19.9", "Download Status", VnSyntax::Integer, VnAccess::ReadOnly, &ProbeDownloadStatusList},
    {"1.3.6.1.2.1.16.19.12", "Default Gateway", VnSyntax::IpAddress, VnAccess::ReadWrite},
    {},
};
