// Pictures of the "SNMP V3", system log, dual image, time, MSTP and
// single-IP editors for a person to look at: written only when
// VN_SCREENSHOT_DIR names a folder. Every editor, the Add form of the
// four-key access table, and the editors with size steps and the 24-column
// MSTP table at FontScale 1.25 as well.
#include <gtest/gtest.h>

#include <string_view>

#include "test_v3_support.h"

using namespace v3test;

namespace {

bool HasSizeSteps(const VnEditorCommand& command)
{
    for (const VnEditorStep& step : command.steps) {
        if (step.kind != VnEditorStepKind::Format)
            return true;
    }
    return false;
}

class V3Screens : public V3CommandTest {
protected:
    void SetUp() override
    {
        if (ScreenFolder().isEmpty())
            GTEST_SKIP() << "VN_SCREENSHOT_DIR is not set";
        V3CommandTest::SetUp();
    }
};

TEST_F(V3Screens, EveryEditor)
{
    for (const VnEditorCommand* command : V3AndManagementEditors()) {
        const QString file = "v3-" + QString::fromLatin1(command->name).chopped(5);
        const bool fourKeyAdd = command->keyCount >= 4 && command->addValue;
        ShootEditor(Main(), *command, file, fourKeyAdd);
        if (HasSizeSteps(*command) || std::string_view(command->name) == "InstanceInformation1Click")
            ShootEditorLarge(Main(), *command, file, fourKeyAdd);
    }
}

} // namespace
