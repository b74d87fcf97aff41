#include "Usermaskinforunit.h"

#include "AclMib.h"

TUserMaskInfoForm* UserMaskInfoForm = nullptr;

namespace {

const VnMaskVariant kVariant{.layoutCaption = "User Defined Mask Information",
                              .title = "User Defined Mask Information :",
                              .table = AclUserDefinedMaskTable,
                              .idFormat = "%i{n1x8l1}",
                              .cpu = false,
                              .width = 640,
                              .height = 420};

}  // namespace

TUserMaskInfoForm::TUserMaskInfoForm(QWidget* owner, const VnDialogContext& context)
    : TUserMaskDialog(owner, context, kVariant)
{
    SetFormPointer(UserMaskInfoForm);
}
