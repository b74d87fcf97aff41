#include "Ipruleunit.h"

#include "AclMib.h"

TIPRuleForm* IPRuleForm = nullptr;

namespace {

using K = VnRuleFieldKind;

const VnRuleDialogShape kShape = VnRuleDialogShape::WithBindings({
    .width = 795,
    .height = 547,
    .caption = "IPv4 Rule Information",
    .table = AclIpRuleTable,
    .fields = {{0, "IPv4 Rule ID", K::Edit, "%i{n1x255}", "IPRuleEdit"},
               {1, "IPv4 Rule Access ID", K::Edit, "%i{n0x255}", "AccessIDEdit"},
               {2, "Apply Vlan", K::Edit, "%s{l32}", "ApplyVlanEdit", "cbxVlan"},
               {3, "Source IPv4 Address", K::Edit, "%s{l16}", "SourceIPEdit", "cbxSourceIP"},
               {4, "Destination IPv4 address", K::Edit, "%s{l16}", "DestIPEdit", "cbxDestIP"},
               {5, "DSCP", K::Edit, "%i{n0x63l2}", "DSCPEdit", "cbxDscp"},
               {6, "Rule Protocol", K::ComboBox, "", "ProtocolComboBox", "cbxProtocol"},
               {7, "Rule Type", K::Edit, "%i{n0x255l3}", "RuleTypeEdit", "cbxType"},
               {8, "Rule Code", K::Edit, "%i{n0x255l3}", "RuleCodeEdit", "cbxRuleCode"},
               {9, "Source Port", K::Edit, "%i{n1x65535l5}", "SourcePortEdit", "cbxSourcePort"},
               {10, "Destination Port", K::Edit, "%i{n1x65535l5}", "DestPortEdit", "cbxDestPort"},
               {11, "Flag Bits", K::Edit, "%i{n0x63l2}", "FlagEdit", "cbxFBs"},
               {12, "Protocol ID", K::Edit, "%i{n0x255l3}", "ProtocolIDEdit", "cbxProtocolID"},
               {13, "User Mask", K::Edit, "%s{l8f}", "UserMaskEdit", "cbxUserMask"},
               {14, "Enable Priority", K::ComboBox, "", "PriorityComboBox", "cbxEnablePriority"},
               {15, "Priority", K::Edit, "%i{n0x7l1}", "PriorityEdit", "cbxPriority"},
               {16, "Replace Priority", K::ComboBox, "", "ReplaceComboBox", "cbxReplacePriority"},
               {17, "Enable Replace DSCP", K::ComboBox, "", "EnableReplComboBox", "cbxEnableReplaceDscp"},
               {18, "Replace DSCP", K::Edit, "%i{n0x63l2}", "DSCPValueEdit", "cbxValue"},
               {19, "Permit", K::ComboBox, "", "PermitComboBox", "cbxPermit"},
               {20, "Port", K::PortGrid},
               {21, "Row Status", K::ComboBox, "", "RowComboBox", "cbxRow"}},
    .fieldColumns = 3,
    .listHeight = 160,
    .portHeight = 95,
    .columns = {.itemCount = 22,
                .boxed = {2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15, 16, 17, 18, 19, 21},
                .actions = {14, 15, 16, 17, 18},
                .permit = 19,
                .port = 20,
                .rowStatus = 21,
                .byProtocol = true},
    .protocolItem = 6,
    .idMissing = "IP Rule ID must be set.",
    .accessMissing = "IP Rule Access ID must be set.",
    .duplicate = "Has already a record with the same IP Rule ID and Access ID. Please change eithor of them.",
    .notCreateAndGo = "Row State must be createAndGo.",
    .protocolMissing = "Rule Protocol must be chosed.",
});

}  // namespace

TIPRuleForm::TIPRuleForm(QWidget* owner, const VnDialogContext& context) : TRuleDialogBase(owner, context, kShape)
{
    SetFormPointer(IPRuleForm);
    FormCreate();
}
