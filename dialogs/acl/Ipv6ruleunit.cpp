#include "Ipv6ruleunit.h"

#include "AclMib.h"

TIPv6RuleForm* IPv6RuleForm = nullptr;

namespace {

using K = VnRuleFieldKind;

const VnRuleDialogShape kShape = VnRuleDialogShape::WithBindings({
    .width = 700,
    .height = 514,
    .caption = "IPv6 Rule Information",
    .table = AclIpv6RuleTable,
    .fields = {{0, "IPv6 Rule ID", K::Edit, "%i{n1x8l1}", "edtIPv6ProfileID"},
               {1, "IPv6 Rule Access ID", K::Edit, "%i{n0x65535l5}", "edtIPv6AccessID"},
               {2, "Class", K::Edit, "%i{n1x255l3}", "edtClass", "ckClass", "Class should not be null."},
               {3, "Flow Label", K::Edit, "%s{l8}", "edtFlowLabel", "ckFlowLabel", "Flow Label should not be null."},
               {4, "IPv6 Source Address", K::Edit, "%s{l32f}", "edtIPv6SrcAddr", "ckIPv6SrcAdd",
                "IPv6 Source Address should not be null."},
               {5, "IPv6 Destination Address", K::Edit, "%s{l32f}", "edtIPv6DstAddr", "ckIPv6DstAdd",
                "IPv6 Destination Address should not be null."},
               {6, "Enable Priority", K::ComboBox, "", "cbxEnablePriority", "ckEnablePriority",
                "Enable Priority should be chosed."},
               {7, "Priority", K::Edit, "%i{n0x7l1}", "edtPriority", "ckPriority", "Priority should not be null."},
               {8, "Replace Priority", K::ComboBox, "", "cbxReplacePriority", "ckReplacePriority",
                "Replace Priority should be chosed."},
               {9, "Permit", K::ComboBox, "", "cbxPermit", "ckPermit", "Permit should be chosed."},
               {10, "Port", K::PortGrid},
               {11, "Row Status", K::ComboBox, "", "cbxRowStatus", "ckRowStatus"}},
    .listHeight = 144,
    .portHeight = 102,
    .columns = {.itemCount = 12,
                .boxed = {2, 3, 4, 5, 6, 7, 8, 9, 11},
                .actions = {6, 7, 8},
                .permit = 9,
                .port = 10,
                .rowStatus = 11,
                .enablePriority = 6,
                .priority = 7},
    .handOver = VnRuleHandOver::Always,
    .clearAfterFailedCheck = true,
    .idMissing = "IPv6 Rule ID must be set.",
    .accessMissing = "IPv6 Rule Access ID must be set.",
    .duplicate = "Has already a record with the same IPv6 Rule ID and Access ID. Please change eithor of them.",
    .notCreateAndGo = "Row State must choose createAndGo.",
});

}  // namespace

TIPv6RuleForm::TIPv6RuleForm(QWidget* owner, const VnDialogContext& context) : TRuleDialogBase(owner, context, kShape)
{
    SetFormPointer(IPv6RuleForm);
    FormCreate();
}
