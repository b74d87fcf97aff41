// Generic editors of "Security Management": authentication mode, 802.1X,
// RADIUS client, TACACS+, SSH and SSL.
#include "AuthMib.h"
#include "PaeMib.h"
#include "RadiusAccClientMib.h"
#include "RadiusAuthClientMib.h"
#include "SshSslMib.h"
#include "VnCommandTable.h"

namespace {

using K = VnCommandKind;

constexpr VnEditorStep kAuthenticationModeSteps[] = {VnSetEditWidth(142), VnGrowHeight(10), VnGrowWidth(30)};
constexpr VnEditorStep kPaePortConfigurationSteps[] = {
    VnFormat(7, "%i{n0x65535l5}"),  VnFormat(8, "%i{n1x65535l5}"), VnFormat(9, "%i{n1x65535l5}"),
    VnFormat(10, "%i{n1x65535l5}"), VnFormat(11, "%i{n1x10l2}"),   VnFormat(12, "%i{n1x65535l5}"),
};
constexpr VnEditorStep kRadiusServerSteps[] = {VnGrowEditsPanelWidth(70), VnSetHeight(450)};
constexpr VnEditorStep kTacacsInformationSteps[] = {VnFormat(4, "%i{n0x255l3}"), VnFormat(5, "%i{n1x255l3}")};
constexpr VnEditorStep kSshManagementSteps[] = {
    VnFormat(2, "%i{n2x20l2}"), VnFormat(4, "%i{n1x3l1}"), VnFormat(5, "%i{n120x600l3}")};
constexpr VnEditorStep kTallerSteps[] = {VnGrowHeight(15)};
constexpr VnEditorStep kSslManagementSteps[] = {VnFormat(1, "%s{l2}"), VnFormat(2, "%i{n60x86400l5}")};
constexpr VnEditorStep kCertificateFileSteps[] = {VnFormat(1, "%s{l64}"), VnFormat(2, "%s{l64}")};

constexpr VnEditorCommand kCommands[] = {
    {.name = "AuthenticationModeSetting1Click", .kind = K::ScalarEditor, .title = "Authentication Mode Setting",
     .table = AuthenticationModeTable, .itemType = SVT_SV, .steps = kAuthenticationModeSteps},
    // ---- 802.1X
    {.name = "Configuration1Click", .kind = K::ScalarEditor, .title = "802.1X Configuration",
     .table = Dot1xConfigurationTable, .itemType = SVT_SV},
    {.name = "PortConfiguration1Click", .kind = K::TableEditor, .title = "802.1X Port Configuration",
     .table = PaePortConfigurationTable, .itemType = MVT_UMV, .keyCount = 1, .steps = kPaePortConfigurationSteps},
    {.name = "PortStatistics1Click", .kind = K::TableEditor, .title = "Port Statistics",
     .table = PaePortStatisticsTable, .itemType = MVT_FMV, .keyCount = 1},
    {.name = "PortDiagnostics1Click", .kind = K::TableEditor, .title = "Port Diagnostics",
     .table = PaePortDiagnosticsTable, .itemType = MVT_FMV, .keyCount = 1},
    {.name = "PortSessionStatistics1Click", .kind = K::TableEditor, .title = "Port Session Statistics",
     .caption = "Port Session Statistics : ", .table = PaePortSessionStatisticsTable, .itemType = MVT_FMV,
     .keyCount = 1},
    {.name = "StateTable1Click", .kind = K::TableEditor, .title = "State Table", .table = MacAuthStateTable,
     .itemType = MVT_FMV, .keyCount = 2},
    {.name = "SessionInformation1Click", .kind = K::TableEditor, .title = "Session Information ",
     .table = MacAuthSessionTable, .itemType = MVT_FMV, .keyCount = 2},
    // ---- RADIUS
    {.name = "RadiusServerTable1Click", .kind = K::TableEditor, .title = "Radius Server Table",
     .table = RadiusServerTable, .itemType = MVT_FMV, .keyCount = 1, .steps = kRadiusServerSteps},
    {.name = "AuthenticationInformation1Click", .kind = K::ScalarEditor,
     .title = "Radius Authentication Information", .table = RadiusAuthInformationTable, .itemType = SVT_SV},
    {.name = "AuthenticationTable1Click", .kind = K::TableEditor, .title = "Radius Authentication Table",
     .table = RadiusAuthServerTable, .itemType = MVT_FMV, .keyCount = 1},
    {.name = "BasicInformation3Click", .kind = K::ScalarEditor, .title = "Accounting Basic Information",
     .table = RadiusAccInformationTable, .itemType = SVT_SV},
    {.name = "ServerTable1Click", .kind = K::TableEditor, .title = "Accounting Server Table",
     .table = RadiusAccServerTable, .itemType = MVT_FMV, .keyCount = 1},
    // ---- TACACS+
    {.name = "TACACSControl1Click", .kind = K::ScalarEditor, .title = "TACACS+ Control", .table = TacacsControlTable,
     .itemType = SVT_SV},
    {.name = "TACACSInformation1Click", .kind = K::ScalarEditor, .title = "TACACS+ Information Table",
     .table = TacacsInformationTable, .itemType = SVT_SV, .steps = kTacacsInformationSteps},
    {.name = "LoginInformation1Click", .kind = K::ScalarEditor, .title = "AP Login Information",
     .table = LoginInformationTable, .itemType = SVT_SV},
    {.name = "AACServerGroupTable1Click", .kind = K::TableEditor, .title = "AAC Server Group Table",
     .table = AacServerGroupTable, .itemType = MVT_FMV, .keyCount = 1, .addColumn = 17, .addValue = "createAndGo",
     .deleteColumn = 17, .deleteValue = "destroy"},
    // ---- SSH
    {.name = "SSHManagement1Click", .kind = K::ScalarEditor, .title = "SSH Management Table",
     .table = SshManagementTable, .itemType = SVT_SV, .steps = kSshManagementSteps},
    {.name = "DiffieHellmanAlgorithm1Click", .kind = K::ScalarEditor, .title = "Diffie Hellman Algorithm Control",
     .table = SshDiffieHellmanTable, .itemType = SVT_SV},
    {.name = "EncryptionAlgorithm1Click", .kind = K::ScalarEditor, .title = "Encryption Algorithm Control",
     .table = SshEncryptionAlgorithmTable, .itemType = SVT_SV},
    {.name = "AuthenticationMethod1Click", .kind = K::ScalarEditor, .title = "Authentication Method Control",
     .table = SshAuthenticationMethodTable, .itemType = SVT_SV},
    {.name = "HMACAlgorithm1Click", .kind = K::ScalarEditor, .title = "HMAC Algorithm Control",
     .table = SshHmacAlgorithmTable, .itemType = SVT_SV, .steps = kTallerSteps},
    {.name = "PublicKeyAlgorithm1Click", .kind = K::ScalarEditor, .title = "Public Key Algorithm Control",
     .table = SshPublicKeyAlgorithmTable, .itemType = SVT_SV, .steps = kTallerSteps},
    // ---- SSL
    {.name = "SSLManagement1Click", .kind = K::ScalarEditor, .title = "SSL Management Table",
     .table = SslManagementTable, .itemType = SVT_SV, .steps = kSslManagementSteps},
    {.name = "CertificateFileInformation1Click", .kind = K::ScalarEditor, .title = "Certificate File Information",
     .table = SslCertificateFileTable, .itemType = SVT_SV, .steps = kCertificateFileSteps},
};

}  // namespace

std::span<const VnEditorCommand> VnSecurityEditorCommands() { return kCommands; }
