#pragma once
// The user-defined (packet offset) rules of the CPU filter (.12.9.5.3).
#include "TRuleDialogBase.h"

class TCPUUserDefinedInformationRuleForm : public TRuleDialogBase {
public:
    static constexpr const char* kTitle = "CPU User Defined Rule Information: ";

    TCPUUserDefinedInformationRuleForm(QWidget* owner, const VnDialogContext& context);
};

// Points at the dialog while it exists.
extern TCPUUserDefinedInformationRuleForm* CPUUserDefinedInformationRuleForm;
