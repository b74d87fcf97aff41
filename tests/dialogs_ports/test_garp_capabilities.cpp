// The GARP and port capability dialogs over the switch and the request
// flags of Form1 they share: one walk per double Refresh, and a Refresh
// that still works after a first read that raised.
#include <QPushButton>
#include <QTreeWidget>

#include <set>

#include "Garpformunit.h"
#include "Portcapabilities8021dformunit.h"
#include "TForm1.h"
#include "VnSNMPRequest2Edits.h"
#include "ports_test_support.h"

using namespace portstest;
using dialogtest::WaitIdle;

namespace {

constexpr int kPorts = 74;

class GarpCapabilities : public PortsSwitchTest {
protected:
    void SetUp() override
    {
        PortsSwitchTest::SetUp();
        Form1 = &form1_;
    }
    void TearDown() override
    {
        Form1 = nullptr;
        PortsSwitchTest::TearDown();
    }
    static bool Unique(const QTreeWidget* list, const QString& column)
    {
        const QStringList texts = ColumnTexts(list, column);
        return std::set<QString>(texts.begin(), texts.end()).size() == static_cast<std::size_t>(texts.size());
    }
    TForm1 form1_;
};

TEST_F(GarpCapabilities, ListTheTimersAndCapabilitiesOfEveryBridgePort)
{
    auto garp = Open<TGARPForm>();
    EXPECT_EQ(garp->windowTitle(), "GARP Form: 127.0.0.1");
    EXPECT_EQ(garp->LV_dot1dPortGarpEntry->topLevelItemCount(), kPorts);
    EXPECT_EQ(garp->ST_Count->text(), QString::number(kPorts));
    EXPECT_EQ(ColumnTexts(garp->LV_dot1dPortGarpEntry, "GARP Leave All Time").first(), "1000");
    EXPECT_FALSE(garp->SetBtn->isVisible());
    EXPECT_TRUE(form1_.idle && form1_.done);

    auto caps = Open<TPortCapabilities8021dForm>();
    EXPECT_EQ(caps->windowTitle(), "Port Capability Form: 127.0.0.1");
    EXPECT_EQ(ColumnTexts(caps->LV_dot1dPortCapabilitiesEntry, "Port Capabilities").first(), "C0");
    EXPECT_EQ(caps->LV_dot1dPortCapabilitiesEntry->topLevelItemCount(), kPorts);
}

TEST_F(GarpCapabilities, ADoubleRefreshStartsOneWalkInEachDialog)
{
    auto garp = Open<TGARPForm>();
    garp->RefreshBtnClick();
    EXPECT_FALSE(form1_.idle);
    garp->RefreshBtnClick();
    ASSERT_TRUE(WaitIdle(*garp));
    EXPECT_EQ(garp->LV_dot1dPortGarpEntry->topLevelItemCount(), kPorts);
    EXPECT_TRUE(Unique(garp->LV_dot1dPortGarpEntry, "Port Number"));

    auto caps = Open<TPortCapabilities8021dForm>();
    caps->RefreshBtnClick();
    caps->RefreshBtnClick();
    ASSERT_TRUE(WaitIdle(*caps));
    EXPECT_EQ(caps->LV_dot1dPortCapabilitiesEntry->topLevelItemCount(), kPorts);
    EXPECT_TRUE(Unique(caps->LV_dot1dPortCapabilitiesEntry, "Port Number"));
    EXPECT_TRUE(form1_.idle && form1_.done);
}

TEST_F(GarpCapabilities, GarpRefreshWorksAfterAFirstReadThatRaised)
{
    const std::string address = VnDefaultDevice.address;
    VnDefaultDevice.address = "";
    auto garp = Open<TGARPForm>();
    VnDefaultDevice.address = address;
    EXPECT_EQ(garp->LV_dot1dPortGarpEntry->topLevelItemCount(), 0);
    EXPECT_FALSE(dialogtest::MemoLines(garp->Memo1).isEmpty());
    EXPECT_TRUE(form1_.idle);

    garp->Binder->request.device.address = address;
    garp->RefreshBtnClick();
    ASSERT_TRUE(WaitIdle(*garp));
    EXPECT_EQ(garp->LV_dot1dPortGarpEntry->topLevelItemCount(), kPorts);
}

}  // namespace
