#pragma once
// The IPv4 rules of the CPU filter (.12.9.5.2); the rule's protocol
// decides which layer-4 columns a write carries.
#include "TRuleDialogBase.h"

class TCPUIPRuleForm : public TRuleDialogBase {
public:
    static constexpr const char* kTitle = "CPU IPv4 Rule Information: ";

    TCPUIPRuleForm(QWidget* owner, const VnDialogContext& context);
};

// Points at the dialog while it exists.
extern TCPUIPRuleForm* CPUIPRuleForm;
