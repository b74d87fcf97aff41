#pragma once
// The Ethernet rules of the port access profiles (.12.9.3.1).
#include "TRuleDialogBase.h"

class TEthernetInformationRuleForm : public TRuleDialogBase {
public:
    static constexpr const char* kTitle = "Ethernet Rule Information: ";

    TEthernetInformationRuleForm(QWidget* owner, const VnDialogContext& context);
};

// Points at the dialog while it exists.
extern TEthernetInformationRuleForm* EthernetInformationRuleForm;
