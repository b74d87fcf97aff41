#include "Ethernetmaskinformationformunit.h"

#include "AclMib.h"

TEthernetMaskInformationForm* EthernetMaskInformationForm = nullptr;

namespace {

const VnMaskVariant kVariant{.layoutCaption = "Ethernet Mask Information",
                              .title = "Ethernet Mask Information :",
                              .table = AclEthernetMaskTable,
                              .idFormat = "%i{n1x8l1}",
                              .cpu = false,
                              .width = 600,
                              .height = 420};

}  // namespace

TEthernetMaskInformationForm::TEthernetMaskInformationForm(QWidget* owner, const VnDialogContext& context)
    : TEthernetMaskDialog(owner, context, kVariant)
{
    SetFormPointer(EthernetMaskInformationForm);
}
