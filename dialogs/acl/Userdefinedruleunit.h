#pragma once
// The user-defined (packet offset) rules of the port access profiles
// (.12.9.3.3); at most four of the five offset chunks per rule.
#include "TRuleDialogBase.h"

class TUserDefinedInformationRuleForm : public TRuleDialogBase {
public:
    static constexpr const char* kTitle = "User Defined Rule Information: ";

    TUserDefinedInformationRuleForm(QWidget* owner, const VnDialogContext& context);
};

// Points at the dialog while it exists.
extern TUserDefinedInformationRuleForm* UserDefinedInformationRuleForm;
