// The traffic segmentation dialog over the switch: Refresh and Set wait for
// the walk (and the reply in flight after Stop), Set goes to the selected
// row only, and the row's port shows as unit and port.
#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>

#include <set>

#include "Stackingportuitformunit.h"
#include "Trafficforwardunit1.h"
#include "VnSNMPRequest2Edits.h"
#include "ports_test_support.h"

using namespace portstest;
using dialogtest::WaitIdle;

namespace {

const std::string kSegTable = std::string(kEnterprise) + ".11.59.5.2.14.1.1";
const std::string kSeg = kSegTable + ".";
constexpr int kRows = 74;  // 24 + 50 ports
constexpr const char* kPortColumn = "Traffic Seg Port";

class TrafficSegmentation : public PortsSwitchTest {
protected:
    static bool NoRepeats(const TTrafficSegmentationForm& form)
    {
        const QStringList ports = ColumnTexts(form.LV_TrafficForward, kPortColumn);
        return std::set<QString>(ports.begin(), ports.end()).size() == static_cast<std::size_t>(ports.size());
    }
};

TEST_F(TrafficSegmentation, RefreshAndSetWaitForTheFirstDelayedWalk)
{
    sim().delay(kSegTable, 20);
    TTrafficSegmentationForm form(nullptr, PortsContext());
    form.show();
    VnMessageBoxCapture boxes;
    form.BT_GetClick();
    form.BT_SetClick();
    EXPECT_EQ(boxes.Texts(), QStringList({TTrafficSegmentationForm::kRefreshNotComplete,
                                          TTrafficSegmentationForm::kRefreshNotComplete}));
    ASSERT_TRUE(WaitIdle(form, 20000));
    EXPECT_TRUE(form.RefreshComplete());
    EXPECT_EQ(form.LV_TrafficForward->topLevelItemCount(), kRows);
    EXPECT_EQ(form.StaticText1->text(), QString::number(kRows));
}

TEST_F(TrafficSegmentation, StopKeepsTheRowsAndAFollowingRefreshRepeatsNone)
{
    sim().delay(kSegTable, 40);
    TTrafficSegmentationForm form(nullptr, PortsContext());
    form.show();
    ASSERT_TRUE(RunUntil([&] { return form.LV_TrafficForward->topLevelItemCount() >= 3; }, 10000));
    form.StopBtnClick();
    VnMessageBoxCapture boxes;
    // The reply in flight has not come back yet.
    form.BT_GetClick();
    EXPECT_EQ(boxes.Texts(), QStringList({TTrafficSegmentationForm::kRefreshNotComplete}));
    ASSERT_TRUE(WaitIdle(form));
    const int kept = form.LV_TrafficForward->topLevelItemCount();
    EXPECT_GE(kept, 3);
    EXPECT_LT(kept, kRows);
    RunEvents(100);
    EXPECT_EQ(form.LV_TrafficForward->topLevelItemCount(), kept);

    sim().clearFaults();
    boxes.Clear();
    form.BT_GetClick();
    EXPECT_TRUE(boxes.Texts().isEmpty());
    ASSERT_TRUE(WaitIdle(form));
    EXPECT_EQ(form.LV_TrafficForward->topLevelItemCount(), kRows);
    EXPECT_TRUE(NoRepeats(form));
}

TEST_F(TrafficSegmentation, SetSendsTheSelectedRowsForwardingPortsOnly)
{
    auto form = Open<TTrafficSegmentationForm>();
    ASSERT_TRUE(SelectRow(form->LV_TrafficForward, kPortColumn, "3"));
    EXPECT_EQ(form->Combo_Unit->text(), "1");
    EXPECT_EQ(form->Combo_Port->text(), "3");
    form->ForwardPorts->UncheckAll();
    form->ForwardPorts->Box(1, 5)->setChecked(true);
    form->ForwardPorts->Box(2, 50)->setChecked(true);
    form->BT_SetClick();
    ASSERT_TRUE(WaitIdle(*form));
    const std::vector<std::vector<std::string>> expected = {{kSeg + "2.3=" + Bitmap({{1, 5}, {2, 50}})}};
    EXPECT_EQ(SetRecord(), expected);
    EXPECT_TRUE(NoRepeats(*form));
}

TEST_F(TrafficSegmentation, SetAfterRefreshWithoutARowSendsNothing)
{
    auto form = Open<TTrafficSegmentationForm>();
    ASSERT_TRUE(SelectRow(form->LV_TrafficForward, kPortColumn, "3"));
    form->BT_GetClick();
    ASSERT_TRUE(WaitIdle(*form));
    EXPECT_TRUE(form->ST_Port->text().isEmpty());
    EXPECT_TRUE(form->Combo_Unit->text().isEmpty());
    EXPECT_TRUE(form->Combo_Port->text().isEmpty());
    EXPECT_FALSE(form->ForwardPorts->Box(1, 1)->isChecked());
    VnMessageBoxCapture boxes;
    form->BT_SetClick();
    ASSERT_TRUE(WaitIdle(*form));
    EXPECT_EQ(boxes.Texts(), QStringList({kVnNoRowSelectedText}));
    EXPECT_TRUE(sim().sets().empty());
}

TEST_F(TrafficSegmentation, DeselectingEmptiesTheRowsPort)
{
    auto form = Open<TTrafficSegmentationForm>();
    ASSERT_TRUE(SelectRow(form->LV_TrafficForward, kPortColumn, "66"));
    EXPECT_EQ(form->Combo_Unit->text(), "2");
    EXPECT_EQ(form->Combo_Port->text(), "2");
    form->LV_TrafficForward->clearSelection();
    EXPECT_TRUE(form->ST_Port->text().isEmpty());
    EXPECT_TRUE(form->Combo_Unit->text().isEmpty());
}

TEST_F(TrafficSegmentation, PortIndex64IsPort64OfUnit1)
{
    sim().set(kSeg + "1.64", "INTEGER", "64");
    sim().set(kSeg + "2.64", "OCTETSTR", Bitmap({}));
    auto form = Open<TTrafficSegmentationForm>();
    ASSERT_TRUE(SelectRow(form->LV_TrafficForward, kPortColumn, "64"));
    EXPECT_EQ(form->Combo_Unit->text(), "1");
    EXPECT_EQ(form->Combo_Port->text(), "64");
}

TEST_F(TrafficSegmentation, ClosingDuringADelayedWalkAsksForNoMoreRows)
{
    sim().delay(kSegTable, 40);
    TTrafficSegmentationForm form(nullptr, PortsContext());
    form.show();
    ASSERT_TRUE(RunUntil([&] { return form.LV_TrafficForward->topLevelItemCount() >= 2; }, 10000));
    form.close();
    ASSERT_TRUE(WaitIdle(form));
    const int rows = form.LV_TrafficForward->topLevelItemCount();
    RunEvents(200);
    EXPECT_EQ(form.LV_TrafficForward->topLevelItemCount(), rows);
    EXPECT_LT(rows, kRows);
    EXPECT_TRUE(sim().sets().empty());
}

// A forwarding list shorter than the grid fails the row's fill: the unit
// and port of the row selected before must not stay beside it.
TEST_F(TrafficSegmentation, ARowWhoseFillFailsShowsNoEarlierPort)
{
    sim().set(kSeg + "2.5", "OCTETSTR", "F0");
    VnMessageBoxCapture boxes;
    auto form = Open<TTrafficSegmentationForm>();
    ASSERT_TRUE(SelectRow(form->LV_TrafficForward, kPortColumn, "3"));
    ASSERT_EQ(form->Combo_Port->text(), "3");
    ASSERT_TRUE(SelectRow(form->LV_TrafficForward, kPortColumn, "5"));
    EXPECT_EQ(boxes.Texts().size(), 1) << "the short list is reported";
    EXPECT_NE(form->Combo_Port->text(), "3");
    EXPECT_EQ(form->ST_Port->text(), "5");
}

}  // namespace
