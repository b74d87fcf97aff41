#include "Cpuethernetinformationruleunit.h"

#include "AclMib.h"
#include "VnSNMPRequest2Controls.h"

TCPUEthernetInformationRuleForm* CPUEthernetInformationRuleForm = nullptr;

namespace {

using K = VnRuleFieldKind;

const VnRuleDialogShape kShape = VnRuleDialogShape::WithBindings({
    .width = 704,
    .height = 436,
    .caption = "CPU Ethernet Information Rule",
    .table = CpuEthernetRuleTable,
    .fields = {{0, "Mask ID", K::Edit, "%i{n1x255}", "MaskIDEdit"},
               {1, "Access ID", K::Edit, "%i{n1x255}", "AccessEdit"},
               {2, "Vlan Rule", K::Edit, "%s{l32}", "VlanRuleEdit", "cbxVlan"},
               {3, "Source MAC Address Rule", K::Edit, "%s{l12}", "SourceMACEdit", "cbxSource"},
               {4, "Destination MAC Address Rule", K::Edit, "%s{l12}", "DestMACEdit", "cbxDestination"},
               {5, "8021P Rule", K::Edit, "%i{n0x7}", "IEEE8021pEdit", "cbxIEEE802dot1P"},
               {6, "Ethernet Type Rule", K::Edit, "%s{l4f}", "EthTypeEdit", "cbxEtherType"},
               {7, "Permit", K::ComboBox, "", "PermitComboBox", "cbxPermit"},
               {8, "Row Status Rule", K::ComboBox, "", "RowComboBox", "cbxRow"}},
    .listHeight = 208,
    .checkAllName = "AddCheckButton",
    .clearChecksName = "CleanCheButton",
    .mode = VnSNMPRequest2Controls::kModeSync,
    .columns = {.itemCount = 9, .boxed = {2, 3, 4, 5, 6, 7, 8}, .permit = 7, .rowStatus = 8},
    .idMissing = "Mask ID must be set.",
    .accessMissing = "Access ID must be set.",
    .duplicate = "Has already a record with the same Mask ID and Access ID. Please change eithor of them.",
    .notCreateAndGo = "Row State must be createAndGo.",
});

}  // namespace

TCPUEthernetInformationRuleForm::TCPUEthernetInformationRuleForm(QWidget* owner, const VnDialogContext& context)
    : TRuleDialogBase(owner, context, kShape)
{
    SetFormPointer(CPUEthernetInformationRuleForm);
    FormCreate();
}
