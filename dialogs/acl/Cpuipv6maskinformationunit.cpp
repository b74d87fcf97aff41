#include "Cpuipv6maskinformationunit.h"

#include "AclMib.h"

TCPUIPv6MaskInformationForm* CPUIPv6MaskInformationForm = nullptr;

namespace {

const VnMaskVariant kVariant{.layoutCaption = "CPU IPv6 Mask Information",
                              .title = nullptr,
                              .table = CpuIpv6MaskTable,
                              .idFormat = "%i{n1x8l1}",
                              .cpu = true,
                              .width = 640,
                              .height = 420};

}  // namespace

TCPUIPv6MaskInformationForm::TCPUIPv6MaskInformationForm(QWidget* owner, const VnDialogContext& context)
    : TIPv6MaskDialog(owner, context, kVariant)
{
    SetFormPointer(CPUIPv6MaskInformationForm);
}
