// The blink timer of the LED binder ticks only while some LED has blink
// steps left, so a panel left alone wakes nothing between its polls; the
// LEDs show what a timer that never stops would show.
#include "EventLoopWait.h"
#include "SwitchMib.h"
#include "VnSNMPRequest2Leds.h"

#include <QFrame>

#include <gtest/gtest.h>

#include <memory>

namespace {

const VnSNMPVarDesc kLedStatusTable[] = {
    {"1.3.6.1.4.1.88406.12.11.1.9.4.1.6", "swUnitMgmtFrontPanelLedStatus", VnSyntax::OctetStr,
     VnAccess::ReadOnly},
    {},
};

class LedsUnderTest : public VnSNMPRequest2Leds {
public:
    using VnSNMPRequest2Leds::VnSNMPRequest2Leds;
    using VnSNMPRequest2Leds::AddRow;
};

class BlinkTimer : public ::testing::Test {
protected:
    void SetUp() override
    {
        form_ = std::make_unique<QWidget>();
        panel_ = new QFrame(form_.get());
        leds_ = std::make_unique<LedsUnderTest>(form_.get());
        leds_->request.varList = VnSNMPVarList(kLedStatusTable, MVT_SV, 0);
        leds_->BindLeds(0, "0,1", LedColorMapB, panel_, 1, 10, 0, 7, 7);
    }
    // A poll's row: the status value as hex text.
    void Row(const char* hex)
    {
        leds_->request.varList.Item(0).value = hex;
        leds_->AddRow();
    }
    std::uint32_t Shown(int i) const { return leds_->Leds()[static_cast<std::size_t>(i)].shape->Color(); }
    bool Resting() const { return !leds_->BlinkTimerRunning(); }

    std::unique_ptr<QWidget> form_;
    QFrame* panel_ = nullptr;
    std::unique_ptr<LedsUnderTest> leds_;
};

constexpr std::uint32_t G = kVnColorGreen;

TEST_F(BlinkTimer, TicksOnlyWhileAnLedFlashes)
{
    EXPECT_TRUE(leds_->Blinking()) << "blinking is on from construction";
    EXPECT_TRUE(Resting()) << "dark LEDs have nothing to show";

    Row("0303");
    EXPECT_TRUE(Resting()) << "steady LEDs are painted by the row's own step";

    // The first poll finds the LED dark, the second lit: the flashing ends
    // lit both times, however many steps that takes.
    for (const char* when : {"starting dark", "starting lit"}) {
        SCOPED_TRACE(when);
        Row("8303");
        EXPECT_FALSE(Resting());
        ASSERT_TRUE(RunUntil([&] { return Resting(); }, 3000));
        EXPECT_EQ(leds_->BlinkCounter(), VnSNMPRequest2Leds::kBlinkLimit + 1) << "every flash was shown";
        EXPECT_EQ(Shown(0), G);
        EXPECT_EQ(Shown(1), G);
    }

    RunEvents(200);
    EXPECT_TRUE(Resting()) << "nothing starts it again until the next poll";
    EXPECT_EQ(Shown(0), G);
}

TEST_F(BlinkTimer, StaysOffAfterStopPolling)
{
    leds_->StopPolling();
    EXPECT_FALSE(leds_->Blinking());
    Row("8303");
    EXPECT_TRUE(Resting()) << "a row after StopPolling takes its own step only";
    EXPECT_EQ(Shown(0), G);
}

}  // namespace
