#pragma once
// IPv6 masks of the CPU filter (IDs 1 to 8).
#include "Ipv6MaskDialog.h"

class TCPUIPv6MaskInformationForm : public TIPv6MaskDialog {
public:
    TCPUIPv6MaskInformationForm(QWidget* owner, const VnDialogContext& context);
};

// Points at the dialog while it exists.
extern TCPUIPv6MaskInformationForm* CPUIPv6MaskInformationForm;
