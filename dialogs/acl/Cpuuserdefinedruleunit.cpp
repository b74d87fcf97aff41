#include "Cpuuserdefinedruleunit.h"

#include "AclMib.h"
#include "VnSNMPRequest2Controls.h"

TCPUUserDefinedInformationRuleForm* CPUUserDefinedInformationRuleForm = nullptr;

namespace {

using K = VnRuleFieldKind;

const VnRuleDialogShape kShape = VnRuleDialogShape::WithBindings({
    .width = 657,
    .height = 372,
    .caption = "CPU User Defined Information Rule",
    .table = CpuUserDefinedRuleTable,
    .fields = {{0, "Profile ID", K::Edit, "%i{n1x255}", "ProfileIDEdit"},
               {1, "Access ID", K::Edit, "%i{n1x255}", "AccessIDEdit"},
               {2, "Packet(s) Offset [0 to 15]", K::Edit, "%s{l32f}", "OffsetGroupFirstEdit", "cbxGroupFirst"},
               {3, "Packet(s) Offset [16 to 31]", K::Edit, "%s{l32f}", "OffsetGroupSecondEdit", "cbxGroupSecond"},
               {4, "Packet(s) Offset [32 to 47]", K::Edit, "%s{l32f}", "OffsetGroupThirdEdit", "cbxGroupThird"},
               {5, "Packet(s) Offset [48 to 63]", K::Edit, "%s{l32f}", "OffsetGroupForthEdit", "cbxGroupForth"},
               {6, "Packet(s) Offset [64 to 79]", K::Edit, "%s{l32f}", "OffsetGroupFifthEdit", "cbxGroupFifth"},
               {7, "Permit", K::ComboBox, "", "PermitComboBox", "cbxPermit"},
               {8, "Row Status", K::ComboBox, "", "RowComboBox", "cbxRow"}},
    .listHeight = 144,
    .mode = VnSNMPRequest2Controls::kModeSync,
    .columns = {.itemCount = 9, .boxed = {2, 3, 4, 5, 6, 7, 8}, .permit = 7, .rowStatus = 8},
    .idMissing = "Profile ID must be set.",
    .accessMissing = "Access ID must be set.",
    .duplicate =
        "There is already a record with the same Profile ID and Access ID. Please modified eithor of them.",
    .notCreateAndGo = "Row State must be createAndGo.",
});

}  // namespace

TCPUUserDefinedInformationRuleForm::TCPUUserDefinedInformationRuleForm(QWidget* owner,
                                                                       const VnDialogContext& context)
    : TRuleDialogBase(owner, context, kShape)
{
    SetFormPointer(CPUUserDefinedInformationRuleForm);
    FormCreate();
}
