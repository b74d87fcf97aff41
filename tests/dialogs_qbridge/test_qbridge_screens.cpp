// Pictures of the 802.1Q and 802.1P dialogs for looking at their layout:
// written only when VN_SCREENSHOT_DIR names a folder.
#include <QDir>
#include <QTreeWidget>

#include <functional>

#include "Multicastforwardingformunit.h"
#include "Pbridgeconfigformunit.h"
#include "Staticfilterformunit.h"
#include "Vlancurrenttableformunit.h"
#include "Vlangeneralinfounit.h"
#include "Vlanportinfomationunit.h"
#include "qbridge_test_support.h"

using namespace qbridgetest;
using dialogtest::WaitIdle;

namespace {

class QBridgeScreens : public QBridgeSwitchTest {
protected:
    void SetUp() override
    {
        folder = qEnvironmentVariable("VN_SCREENSHOT_DIR");
        if (folder.isEmpty())
            GTEST_SKIP() << "VN_SCREENSHOT_DIR not set";
        QBridgeSwitchTest::SetUp();
    }
    // Opens the form, selects the row `row` of `list` (when given) and saves it.
    template <typename Form>
    void Shoot(const VnDialogContext& context, const QString& name,
               const std::function<QTreeWidget*(Form&)>& list = {}, int row = 0)
    {
        Form form(nullptr, context);
        form.show();
        ASSERT_TRUE(WaitIdle(form));
        if (list && list(form)->topLevelItemCount() > row)
            list(form)->setCurrentItem(list(form)->topLevelItem(row));
        RunEvents(50);
        EXPECT_TRUE(form.grab().save(QDir(folder).filePath(name + ".png")));
    }
    QString folder;
};

TEST_F(QBridgeScreens, Dialogs)
{
    for (bool large : {false, true}) {
        const VnDialogContext context = dialogtest::Context({{"1", "RQ-4024S"}, {"2", "RQ-6050S"}}, large);
        const QString suffix = large ? "-large" : "";
        Shoot<TVLanGeneralInfoForm>(context, "vlan-general" + suffix);
        Shoot<TPBridgeConfigForm>(context, "pbridge-config" + suffix);
        Shoot<TVLanCurrentTableForm>(
            context, "vlan-current" + suffix, [](auto& f) { return f.LV_dot1qVlanCurrentEntry; }, 3);
        Shoot<TVLanPortInfomationForm>(
            context, "vlan-port-info" + suffix, [](auto& f) { return f.LV_dot1qPortVlanEntry; }, 4);
        Shoot<TMulticastFilterInformationForm>(context, "multicast-filter" + suffix,
                                               [](auto& f) { return f.ListView; });
        Shoot<TUnicastFilterInformationForm>(context, "unicast-filter" + suffix, [](auto& f) { return f.ListView; });
        Shoot<TMulticastForwardingInformationForm>(context, "forward-all" + suffix,
                                                   [](auto& f) { return f.ListView; });
        Shoot<TForwardUnregisteredInformationForm>(context, "forward-unregistered" + suffix,
                                                   [](auto& f) { return f.ListView; });
        Shoot<TTpGroupDestinationForwardedForm>(context, "tp-group" + suffix, [](auto& f) { return f.ListView; });
    }
}

}  // namespace
