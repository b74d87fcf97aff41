#include "Userdefinedruleunit.h"

#include "AclMib.h"

TUserDefinedInformationRuleForm* UserDefinedInformationRuleForm = nullptr;

namespace {

using K = VnRuleFieldKind;

const VnRuleDialogShape kShape = VnRuleDialogShape::WithBindings({
    .width = 644,
    .height = 610,
    .caption = "User Defined Rule Information",
    .table = AclUserDefinedRuleTable,
    .fields = {{0, "Profile ID", K::Edit, "%i{n1x255}", "ProfileIDEdit"},
               {1, "Access ID", K::Edit, "%i{n0x255}", "AccessIDEdit"},
               {2, "Packet(s) Offset [0 to 15]", K::Edit, "%s{l32f}", "OffsetGroupFirstEdit", "cbxGroupFirst"},
               {3, "Packet(s) Offset [16 to 31]", K::Edit, "%s{l32f}", "OffsetGroupSecondEdit", "cbxGroupSecond"},
               {4, "Packet(s) Offset [32 to 47]", K::Edit, "%s{l32f}", "OffsetGroupThirdEdit", "cbxGroupThird"},
               {5, "Packet(s) Offset [48 to 63]", K::Edit, "%s{l32f}", "OffsetGroupForthEdit", "cbxGroupForth"},
               {6, "Packet(s) Offset [64 to 79]", K::Edit, "%s{l32f}", "OffsetGroupFifthEdit", "cbxGroupFifth"},
               {7, "Enable Priority", K::ComboBox, "", "EnablePriComboBox", "cbxEnablePriority"},
               {8, "Priority", K::Edit, "%i{n0x7l1}", "PriorityEdit", "cbxPriority"},
               {9, "Replace Priority", K::ComboBox, "", "ReplPriyComboBox", "cbxReplace"},
               {10, "Enable Replace DSCP", K::ComboBox, "", "EnableReplComboBox", "cbxEnableReplace"},
               {11, "Replace DSCP", K::Edit, "%i{n0x63l2}", "ReplDSCPEdit", "cbxReplaceDscp"},
               {12, "Permit", K::ComboBox, "", "PermitComboBox", "cbxPermit"},
               {13, "Port", K::PortGrid},
               {14, "Row Status", K::ComboBox, "", "RowComboBox", "cbxRow"}},
    .listHeight = 144,
    .portHeight = 165,
    .columns = {.itemCount = 15,
                .boxed = {2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 14},
                .actions = {7, 8, 9, 10, 11},
                .permit = 12,
                .port = 13,
                .rowStatus = 14},
    .offsets = {2, 3, 4, 5, 6},
    .maxOffsets = 4,
    .handOver = VnRuleHandOver::WhenBoxChecked,
    // The grid keeps the ports last checked or read: a following Add
    // sends them again.
    .clearPortsWithEditor = false,
    .idMissing = "Profile ID must be set.",
    .accessMissing = "Access ID must be set.",
    .duplicate =
        "There is already a record with the same Profile ID and Access ID. Please modified eithor of them.",
    .notCreateAndGo = "Row State must be createAndGo.",
    .tooManyOffsets = "The offset number is too much.",
});

}  // namespace

TUserDefinedInformationRuleForm::TUserDefinedInformationRuleForm(QWidget* owner, const VnDialogContext& context)
    : TRuleDialogBase(owner, context, kShape)
{
    SetFormPointer(UserDefinedInformationRuleForm);
    FormCreate();
}
