// Pictures of the eight rule dialogs for looking at their layout, normal and
// large fonts: written only when VN_SCREENSHOT_DIR names a folder.
#include <QDir>

#include <memory>

#include "Cpuethernetinformationruleunit.h"
#include "Cpuipruleunit.h"
#include "Cpuipv6ruleunit.h"
#include "Cpuuserdefinedruleunit.h"
#include "Ethernetinformationruleunit.h"
#include "Ipruleunit.h"
#include "Ipv6ruleunit.h"
#include "Userdefinedruleunit.h"
#include "rules_test_support.h"

using namespace ruletest;

namespace {

class RuleScreens : public RuleSwitchTest {
protected:
    void SetUp() override
    {
        folder_ = qEnvironmentVariable("VN_SCREENSHOT_DIR");
        if (folder_.isEmpty())
            GTEST_SKIP() << "VN_SCREENSHOT_DIR not set";
        RuleSwitchTest::SetUp();
    }

    template <typename Form>
    void Shoot(const QString& name)
    {
        for (bool large : {false, true}) {
            const VnDialogContext context = dialogtest::Context({{"1", "RQ-4024S"}, {"3", "RQ-6050S"}}, large);
            Form form(nullptr, context);
            form.setWindowTitle(QString(Form::kTitle) + context.agentAddress.c_str());
            form.show();
            ASSERT_TRUE(dialogtest::WaitIdle(form));
            if (form.ListView1->topLevelItemCount() > 0)
                form.ListView1->setCurrentItem(form.ListView1->topLevelItem(0));
            RunEvents(50);
            EXPECT_TRUE(form.grab().save(QDir(folder_).filePath(name + (large ? "-large" : "") + ".png")));
        }
    }

    QString folder_;
};

TEST_F(RuleScreens, PortProfileRules)
{
    Shoot<TEthernetInformationRuleForm>("rule-ethernet");
    Shoot<TIPRuleForm>("rule-ipv4");
    Shoot<TIPv6RuleForm>("rule-ipv6");
    Shoot<TUserDefinedInformationRuleForm>("rule-user-defined");
}

TEST_F(RuleScreens, CpuFilterRules)
{
    Shoot<TCPUEthernetInformationRuleForm>("cpu-rule-ethernet");
    Shoot<TCPUIPRuleForm>("cpu-rule-ipv4");
    Shoot<TCPUIPv6RuleForm>("cpu-rule-ipv6");
    Shoot<TCPUUserDefinedInformationRuleForm>("cpu-rule-user-defined");
}

}  // namespace
