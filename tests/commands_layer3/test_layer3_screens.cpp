// Pictures of the "Layer 3 Management" editors for a person to look at:
// written only when VN_SCREENSHOT_DIR names a folder. Every editor, the Add
// forms of the three-key tables, and the wide VRRP table, the static routes
// and the route preferences at FontScale 1.25.
#include <gtest/gtest.h>

#include "test_layer3_support.h"

using namespace layer3test;

namespace {

class Layer3Screens : public Layer3CommandTest {
protected:
    void SetUp() override
    {
        if (ScreenFolder().isEmpty())
            GTEST_SKIP() << "VN_SCREENSHOT_DIR is not set";
        Layer3CommandTest::SetUp();
    }
};

bool ThreeKeyAdd(const VnEditorCommand& command) { return command.keyCount >= 3 && command.addValue; }

TEST_F(Layer3Screens, EveryEditor)
{
    for (const VnEditorCommand* command : Layer3Editors()) {
        const QString file = "layer3-" + QString::fromLatin1(command->name).chopped(5);
        ShootEditor(Main(), *command, file, ThreeKeyAdd(*command));
    }
    for (const char* name : {"VRRPOperation1Click", "IPStaticRoutingTable1Click", "RoutePreference1Click"}) {
        const VnEditorCommand* command = VnFindEditorCommand(name);
        ShootEditorLarge(Main(), *command, "layer3-" + QString::fromLatin1(name).chopped(5), ThreeKeyAdd(*command));
    }
}

} // namespace
