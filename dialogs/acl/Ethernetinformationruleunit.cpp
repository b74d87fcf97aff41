#include "Ethernetinformationruleunit.h"

#include "AclMib.h"

TEthernetInformationRuleForm* EthernetInformationRuleForm = nullptr;

namespace {

using K = VnRuleFieldKind;

const VnRuleDialogShape kShape = VnRuleDialogShape::WithBindings({
    .width = 704,
    .height = 522,
    .caption = "Ethernet Rule Information",
    .table = AclEthernetRuleTable,
    .fields = {{0, "Mask ID", K::Edit, "%i{n1x255}", "MaskIDEdit"},
               {1, "Access ID", K::Edit, "%i{n0x65535}", "AccessEdit"},
               {2, "Vlan Rule", K::Edit, "%s{l32}", "VlanRuleEdit", "cbxVlan"},
               {3, "Source MAC Address Rule", K::Edit, "%s{l12}", "SourceMACEdit", "cbxSource"},
               {4, "Destination MAC Address Rule", K::Edit, "%s{l12}", "DestMACEdit", "cbxDestination"},
               {5, "8021P Rule", K::Edit, "%i{n0x7l1}", "IEEE8021pEdit", "cbxIEEE802dot1P"},
               {6, "Ethernet Type Rule", K::Edit, "%s{l4f}", "EthTypeEdit", "cbxEtherType"},
               {7, "Enable Priority Rule", K::ComboBox, "", "EnablePriorityComboBox", "cbxEnablePriority"},
               {8, "Priority Rule", K::Edit, "%i{n0x7l1}", "PriorityEdit", "cbxPriority"},
               {9, "Replace Priority Rule", K::ComboBox, "", "ReplacePriorityComboBox", "cbxReplacePriority"},
               {10, "Enable Replace DSCP Rule", K::ComboBox, "", "EnableReplDSCPComboBox", "cbxEnableReplace"},
               {11, "Replace DSCP", K::Edit, "%i{n0x63l2}", "ReplDSCPEdit", "cbxRuleReplace"},
               {12, "Permit", K::ComboBox, "", "PermitComboBox", "cbxPermit"},
               {13, "Port", K::PortGrid},
               {14, "Row Status Rule", K::ComboBox, "", "RowComboBox", "cbxRow"}},
    .listHeight = 144,
    .portHeight = 110,
    .checkAllName = "AddCheckButton",
    .clearChecksName = "CleanCheButton",
    .columns = {.itemCount = 15,
                .boxed = {2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 14},
                .actions = {7, 8, 9, 10, 11},
                .permit = 12,
                .port = 13,
                .rowStatus = 14},
    .idMissing = "Mask ID must be set.",
    .accessMissing = "Access ID must be set.",
    .duplicate = "Has already a record with the same Mask ID and Access ID. Please change eithor of them.",
    .notCreateAndGo = "Row State must be createAndGo.",
});

}  // namespace

TEthernetInformationRuleForm::TEthernetInformationRuleForm(QWidget* owner, const VnDialogContext& context)
    : TRuleDialogBase(owner, context, kShape)
{
    SetFormPointer(EthernetInformationRuleForm);
    FormCreate();
}
