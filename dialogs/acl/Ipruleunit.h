#pragma once
// The IPv4 rules of the port access profiles (.12.9.3.2); the rule's
// protocol decides which layer-4 columns a write carries.
#include "TRuleDialogBase.h"

class TIPRuleForm : public TRuleDialogBase {
public:
    static constexpr const char* kTitle = "IPv4 Rule Information: ";

    TIPRuleForm(QWidget* owner, const VnDialogContext& context);
};

// Points at the dialog while it exists.
extern TIPRuleForm* IPRuleForm;
