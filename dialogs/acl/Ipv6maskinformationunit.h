#pragma once
// IPv6 masks of the port access profiles (IDs 1 to 8).
#include "Ipv6MaskDialog.h"

class TIPv6MaskInformationForm : public TIPv6MaskDialog {
public:
    TIPv6MaskInformationForm(QWidget* owner, const VnDialogContext& context);
};

// Points at the dialog while it exists.
extern TIPv6MaskInformationForm* IPv6MaskInformationForm;
