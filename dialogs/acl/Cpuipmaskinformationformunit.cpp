#include "Cpuipmaskinformationformunit.h"

#include "AclMib.h"

TCPUIPMaskInformationForm* CPUIPMaskInformationForm = nullptr;

namespace {

const VnMaskVariant kVariant{.layoutCaption = "CPU IP Mask Information Form",
                              .title = "CPU IP Mask MaskInformation :",
                              .table = CpuIpMaskTable,
                              .idFormat = "%i{n1x255l3}",
                              .cpu = true,
                              .width = 720,
                              .height = 560};

}  // namespace

TCPUIPMaskInformationForm::TCPUIPMaskInformationForm(QWidget* owner, const VnDialogContext& context)
    : TIPv4MaskDialog(owner, context, kVariant)
{
    SetFormPointer(CPUIPMaskInformationForm);
}
