#pragma once
// IPv4 masks of the CPU filter (IDs 1 to 255).
#include "Ipv4MaskDialog.h"

class TCPUIPMaskInformationForm : public TIPv4MaskDialog {
public:
    TCPUIPMaskInformationForm(QWidget* owner, const VnDialogContext& context);
};

// Points at the dialog while it exists.
extern TCPUIPMaskInformationForm* CPUIPMaskInformationForm;
