#include "Cpuipv6ruleunit.h"

#include "AclMib.h"
#include "VnSNMPRequest2Controls.h"

TCPUIPv6RuleForm* CPUIPv6RuleForm = nullptr;

namespace {

using K = VnRuleFieldKind;

const VnRuleDialogShape kShape = VnRuleDialogShape::WithBindings({
    .width = 712,
    .height = 337,
    .caption = "CPU IPv6 Rule",
    .table = CpuIpv6RuleTable,
    .fields = {{0, "IPv6 Rule ID", K::Edit, "%i{n1x8l1}", "edtIPv6ProfileID"},
               {1, "IPv6 Rule Access ID", K::Edit, "%i{n1x100l3}", "edtIPv6AccessID"},
               {2, "Class", K::Edit, "%i{n1x255l3}", "edtClass", "ckClass", "Class should not be null."},
               {3, "Flow Label", K::Edit, "%s{l8}", "edtFlowLabel", "ckFlowLabel", "Flow Label should not be null."},
               {4, "IPv6 Source Address", K::Edit, "%s{l32f}", "edtIPv6SrcAddr", "ckIPv6SrcAdd",
                "IPv6 Source Address should not be null."},
               {5, "IPv6 Destination Address", K::Edit, "%s{l32f}", "edtIPv6DstAddr", "ckIPv6DstAdd",
                "IPv6 Destination Address should not be null."},
               {6, "Permit", K::ComboBox, "", "cbxPermit", "ckPermit", "Permit should be chosed."},
               {7, "Row Status", K::ComboBox, "", "cbxRowStatus", "ckRowStatus"}},
    .listHeight = 144,
    .mode = VnSNMPRequest2Controls::kModeSync,
    .columns = {.itemCount = 8, .boxed = {2, 3, 4, 5, 6, 7}, .permit = 6, .rowStatus = 7},
    .handOver = VnRuleHandOver::Always,
    .clearAfterFailedCheck = true,
    .idMissing = "IPv6 Rule ID must be set.",
    .accessMissing = "IPv6 Rule Access ID must be set.",
    .duplicate = "Has already a record with the same IPv6 Rule ID and Access ID. Please change eithor of them.",
    .notCreateAndGo = "Row State must choose createAndGo.",
});

}  // namespace

TCPUIPv6RuleForm::TCPUIPv6RuleForm(QWidget* owner, const VnDialogContext& context)
    : TRuleDialogBase(owner, context, kShape)
{
    SetFormPointer(CPUIPv6RuleForm);
    FormCreate();
}
