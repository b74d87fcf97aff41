#pragma once
// Ethernet masks of the CPU filter (IDs 1 to 5).
#include "EthernetMaskDialog.h"

class TCPUEthernetMaskInformationForm : public TEthernetMaskDialog {
public:
    TCPUEthernetMaskInformationForm(QWidget* owner, const VnDialogContext& context);
};

// Points at the dialog while it exists.
extern TCPUEthernetMaskInformationForm* CPUEthernetMaskInformationForm;
