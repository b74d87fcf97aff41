#pragma once
// User-defined masks of the CPU filter (IDs 1 to 255, any number of
// chunks).
#include "UserMaskDialog.h"

class TCPUUserMaskInfoForm : public TUserMaskDialog {
public:
    TCPUUserMaskInfoForm(QWidget* owner, const VnDialogContext& context);
};

// Points at the dialog while it exists.
extern TCPUUserMaskInfoForm* CPUUserMaskInfoForm;
