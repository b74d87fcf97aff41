#include "Cpuusermaskinforunit.h"

#include "AclMib.h"

TCPUUserMaskInfoForm* CPUUserMaskInfoForm = nullptr;

namespace {

const VnMaskVariant kVariant{.layoutCaption = "CPU User Defined Mask Information",
                              .title = "CPU User Defined Mask Information :",
                              .table = CpuUserDefinedMaskTable,
                              .idFormat = "%i{n1x255l3}",
                              .cpu = true,
                              .width = 640,
                              .height = 420};

}  // namespace

TCPUUserMaskInfoForm::TCPUUserMaskInfoForm(QWidget* owner, const VnDialogContext& context)
    : TUserMaskDialog(owner, context, kVariant)
{
    SetFormPointer(CPUUserMaskInfoForm);
}
