#pragma once
// The Ethernet rules of the CPU filter (.12.9.5.1).
#include "TRuleDialogBase.h"

class TCPUEthernetInformationRuleForm : public TRuleDialogBase {
public:
    static constexpr const char* kTitle = "CPU Ethernet Rule Information: ";

    TCPUEthernetInformationRuleForm(QWidget* owner, const VnDialogContext& context);
};

// Points at the dialog while it exists.
extern TCPUEthernetInformationRuleForm* CPUEthernetInformationRuleForm;
