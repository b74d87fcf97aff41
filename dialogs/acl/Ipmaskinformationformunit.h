#pragma once
// IPv4 masks of the port access profiles (IDs 1 to 8).
#include "Ipv4MaskDialog.h"

class TIPv4MaskInformationForm : public TIPv4MaskDialog {
public:
    TIPv4MaskInformationForm(QWidget* owner, const VnDialogContext& context);
};

// Points at the dialog while it exists.
extern TIPv4MaskInformationForm* IPv4MaskInformationForm;
