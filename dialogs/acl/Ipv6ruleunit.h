#pragma once
// The IPv6 rules of the port access profiles (.12.9.3.4).
#include "TRuleDialogBase.h"

class TIPv6RuleForm : public TRuleDialogBase {
public:
    static constexpr const char* kTitle = "IPv6 Rule Information: ";

    TIPv6RuleForm(QWidget* owner, const VnDialogContext& context);
};

// Points at the dialog while it exists.
extern TIPv6RuleForm* IPv6RuleForm;
