#include "Cpuethernetmaskinformationformunit.h"

#include "AclMib.h"

TCPUEthernetMaskInformationForm* CPUEthernetMaskInformationForm = nullptr;

namespace {

const VnMaskVariant kVariant{.layoutCaption = "CPU Ethernet Mask Information Form",
                              .title = "CPU Ethernet Mask Information :",
                              .table = CpuEthernetMaskTable,
                              .idFormat = "%i{n1x5l1}",
                              .cpu = true,
                              .width = 600,
                              .height = 420};

}  // namespace

TCPUEthernetMaskInformationForm::TCPUEthernetMaskInformationForm(QWidget* owner, const VnDialogContext& context)
    : TEthernetMaskDialog(owner, context, kVariant)
{
    SetFormPointer(CPUEthernetMaskInformationForm);
}
