#include "Ipmaskinformationformunit.h"

#include "AclMib.h"

TIPv4MaskInformationForm* IPv4MaskInformationForm = nullptr;

namespace {

const VnMaskVariant kVariant{.layoutCaption = "IPv4 Mask Information",
                              .title = "IP Mask MaskInformation :",
                              .table = AclIpMaskTable,
                              .idFormat = "%i{n1x8l1}",
                              .cpu = false,
                              .width = 720,
                              .height = 560};

}  // namespace

TIPv4MaskInformationForm::TIPv4MaskInformationForm(QWidget* owner, const VnDialogContext& context)
    : TIPv4MaskDialog(owner, context, kVariant)
{
    SetFormPointer(IPv4MaskInformationForm);
}
