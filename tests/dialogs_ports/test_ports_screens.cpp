// Pictures of the per-port dialogs for looking at their layout: written
// only when VN_SCREENSHOT_DIR names a folder.
#include <QDir>
#include <QTreeWidget>

#include "Aggregatorporttableformunit.h"
#include "Garpformunit.h"
#include "Portcapabilities8021dformunit.h"
#include "Portmirror.h"
#include "Porttrunk.h"
#include "Protcolvlanunit.h"
#include "Trafficforwardunit1.h"
#include "ports_test_support.h"

using namespace portstest;
using dialogtest::WaitIdle;

namespace {

class PortScreens : public PortsSwitchTest {
protected:
    void SetUp() override
    {
        folder = qEnvironmentVariable("VN_SCREENSHOT_DIR");
        if (folder.isEmpty())
            GTEST_SKIP() << "VN_SCREENSHOT_DIR not set";
        PortsSwitchTest::SetUp();
    }
    template <typename Form>
    void Shoot(const QString& name, bool large, QTreeWidget* Form::*list = nullptr, int row = 0)
    {
        Form form(nullptr, PortsContext(large));
        form.show();
        ASSERT_TRUE(WaitIdle(form));
        if (list && (form.*list)->topLevelItemCount() > row)
            (form.*list)->setCurrentItem((form.*list)->topLevelItem(row));
        RunEvents(50);
        EXPECT_TRUE(form.grab().save(QDir(folder).filePath(name + (large ? "-large" : "") + ".png")));
    }
    QString folder;
};

TEST_F(PortScreens, Dialogs)
{
    for (bool large : {false, true}) {
        Shoot<TGARPForm>("garp", large);
        Shoot<TPortCapabilities8021dForm>("port-capability", large);
        Shoot<TPortTrunkForm>("port-trunk", large, &TPortTrunkForm::LV_PortTrunk, 0);
        Shoot<TPortMirrorForm>("port-mirror", large);
        Shoot<TTrafficSegmentationForm>("traffic-segmentation", large, &TTrafficSegmentationForm::LV_TrafficForward,
                                        2);
        Shoot<TAggregatorPortTableForm>("aggregator-port", large, &TAggregatorPortTableForm::ListView1, 0);
        Shoot<TProtocolVlanForm>("protocol-vlan", large, &TProtocolVlanForm::ListView1, 1);
    }
}

}  // namespace
