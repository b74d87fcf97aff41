#pragma once
// Ethernet masks of the port access profiles (IDs 1 to 8).
#include "EthernetMaskDialog.h"

class TEthernetMaskInformationForm : public TEthernetMaskDialog {
public:
    TEthernetMaskInformationForm(QWidget* owner, const VnDialogContext& context);
};

// Points at the dialog while it exists.
extern TEthernetMaskInformationForm* EthernetMaskInformationForm;
