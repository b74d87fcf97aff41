#pragma once
// The IPv6 rules of the CPU filter (.12.9.5.4).
#include "TRuleDialogBase.h"

class TCPUIPv6RuleForm : public TRuleDialogBase {
public:
    static constexpr const char* kTitle = "CPU IPv6 Rule Information: ";

    TCPUIPv6RuleForm(QWidget* owner, const VnDialogContext& context);
};

// Points at the dialog while it exists.
extern TCPUIPv6RuleForm* CPUIPv6RuleForm;
