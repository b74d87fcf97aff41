#include "Cpuipruleunit.h"

#include "AclMib.h"
#include "VnSNMPRequest2Controls.h"

TCPUIPRuleForm* CPUIPRuleForm = nullptr;

namespace {

using K = VnRuleFieldKind;

const VnRuleDialogShape kShape = VnRuleDialogShape::WithBindings({
    .width = 577,
    .height = 472,
    .caption = "CPU IP Rule",
    .table = CpuIpRuleTable,
    .fields = {{0, "IP Rule ID", K::Edit, "%i{n1x255}", "IPRuleEdit"},
               {1, "IP Rule Access ID", K::Edit, "%i{n1x255}", "AccessIDEdit"},
               {2, "Apply Vlan", K::Edit, "%s{l32}", "ApplyVlanEdit", "cbxVlan"},
               {3, "Source IP Address", K::Edit, "%s{l16}", "SourceIPEdit", "cbxSourceIP"},
               {4, "Destination IP address", K::Edit, "%s{l16}", "DestIPEdit", "cbxDestIP"},
               {5, "DSCP", K::Edit, "%i{n0x63l2}", "DSCPEdit", "cbxDscp"},
               {6, "Rule Protocol", K::ComboBox, "", "ProtocolComboBox", "cbxProtocol"},
               {7, "Rule Type", K::Edit, "%i{n0x255l3}", "RuleTypeEdit", "cbxType"},
               {8, "Rule Code", K::Edit, "%i{n0x255l3}", "RuleCodeEdit", "cbxRuleCode"},
               {9, "Source Port", K::Edit, "%i{n1x65535l5}", "SourcePortEdit", "cbxSourcePort"},
               {10, "Destination Port", K::Edit, "%i{n1x65535l5}", "DestPortEdit", "cbxDestPort"},
               {11, "Flag Bits", K::Edit, "%i{n0x63l2}", "FlagEdit", "cbxFBs"},
               {12, "Protocol ID", K::Edit, "%i{n0x255l3}", "ProtocolIDEdit", "cbxProtocolID"},
               {13, "User Mask", K::Edit, "%s{l8f}", "UserMaskEdit", "cbxUserMask"},
               {14, "Permit", K::ComboBox, "", "PermitComboBox", "cbxPermit"},
               {15, "Row Status", K::ComboBox, "", "RowComboBox", "cbxRow"}},
    .listHeight = 160,
    .mode = VnSNMPRequest2Controls::kModeSync,
    .columns = {.itemCount = 16,
                .boxed = {2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15},
                .permit = 14,
                .rowStatus = 15,
                .byProtocol = true},
    .protocolItem = 6,
    .idMissing = "IP Rule ID must be set.",
    .accessMissing = "IP Rule Access ID must be set.",
    .duplicate = "Has already a record with the same IP Rule ID and Access ID. Please change eithor of them.",
    .notCreateAndGo = "Row State must be createAndGo.",
    .protocolMissing = "Rule Protocol must be chosed.",
});

}  // namespace

TCPUIPRuleForm::TCPUIPRuleForm(QWidget* owner, const VnDialogContext& context)
    : TRuleDialogBase(owner, context, kShape)
{
    SetFormPointer(CPUIPRuleForm);
    FormCreate();
}
