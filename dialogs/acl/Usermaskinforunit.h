#pragma once
// User-defined masks of the port access profiles (IDs 1 to 8, at most
// four chunks).
#include "UserMaskDialog.h"

class TUserMaskInfoForm : public TUserMaskDialog {
public:
    TUserMaskInfoForm(QWidget* owner, const VnDialogContext& context);
};

// Points at the dialog while it exists.
extern TUserMaskInfoForm* UserMaskInfoForm;
