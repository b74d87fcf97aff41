#include "Ipv6maskinformationunit.h"

#include "AclMib.h"

TIPv6MaskInformationForm* IPv6MaskInformationForm = nullptr;

namespace {

const VnMaskVariant kVariant{.layoutCaption = "IPv6 Mask Information",
                              .title = nullptr,
                              .table = AclIpv6MaskTable,
                              .idFormat = "%i{n1x8l1}",
                              .cpu = false,
                              .width = 640,
                              .height = 420};

}  // namespace

TIPv6MaskInformationForm::TIPv6MaskInformationForm(QWidget* owner, const VnDialogContext& context)
    : TIPv6MaskDialog(owner, context, kVariant)
{
    SetFormPointer(IPv6MaskInformationForm);
}
