// The LED binder polling the simulated switch.
#include "EventLoopWait.h"
#include "QtPrint.h"
#include "SessionSwitchTest.h"
#include "SwitchMib.h"
#include "VnException.h"
#include "VnMessages.h"
#include "VnSNMPRequest2Leds.h"
#include "VnStatusOutput.h"

#include <QEventLoop>
#include <QFrame>

#include <memory>
#include <string>
#include <vector>

namespace {

constexpr const char* kLedStatusOid = "1.3.6.1.4.1.88406.12.11.1.9.4.1.6";

const VnSNMPVarDesc kLedStatusTable[] = {
    {kLedStatusOid, "swUnitMgmtFrontPanelLedStatus", VnSyntax::OctetStr, VnAccess::ReadOnly},
    {},
};

// Outcomes of the binder's polls, in the order their refreshes ended.
struct PollLog {
    std::vector<VnSNMPError> results;
    QEventLoop* loop = nullptr;

    // Runs the event loop until `count` polls have ended in all.
    bool Wait(std::size_t count, int timeoutMs = 8000)
    {
        return RunUntil([&] { return results.size() >= count; }, timeoutMs, &loop);
    }
};

class LedPolling : public SimSwitchTest {
protected:
    SimSwitchOptions switchOptions() const override
    {
        return withDataFile("leds-codes.sim");
    }

    void SetUp() override
    {
        SimSwitchTest::SetUp();
        EnsureSessionStarted();
        form_ = std::make_unique<QWidget>();
        panel_ = new QFrame(form_.get());
        bar_ = new VnStatusBar(form_.get());
        status_ = bar_->AddPanel();
        leds_ = MakeBinder("4");
    }

    void TearDown() override
    {
        leds_.reset();
        form_.reset();
        SimSwitchTest::TearDown();
    }

    // A front panel's binder over unit `unit`'s LED status.
    std::unique_ptr<VnSNMPRequest2Leds> MakeBinder(const std::string& unit)
    {
        auto leds = std::make_unique<VnSNMPRequest2Leds>(form_.get());
        VnSNMPRequest& request = leds->request;
        request.varList = VnSNMPVarList(kLedStatusTable, MVT_SV, 0);
        request.varList.name = unit;
        request.varList.caption = " Led Status";
        request.device.address = simswitch::kAddress;
        request.device.port = port();
        request.timeout = 30;
        request.retries = 0;
        leds->SetStatusOutput(status_);
        auto log = log_;
        leds->OnRefreshDone = [log](VnSNMPRequest2Controls&, const VnSNMPError& result) {
            log->results.push_back(result);
            if (log->loop)
                log->loop->quit();
        };
        return leds;
    }

    std::string UnitOid(const std::string& unit) const { return std::string(kLedStatusOid) + "." + unit; }
    std::vector<std::uint32_t> Shown() const
    {
        std::vector<std::uint32_t> colors;
        for (const _LedBinding_s& led : leds_->Leds())
            colors.push_back(led.shape ? led.shape->Color() : 0xDEAD);
        return colors;
    }
    std::string StatusLine() const { return status_->Text().toStdString(); }

    std::unique_ptr<QWidget> form_;
    QFrame* panel_ = nullptr;
    VnStatusBar* bar_ = nullptr;
    VnStatusPanel* status_ = nullptr;
    std::shared_ptr<PollLog> log_ = std::make_shared<PollLog>();
    std::unique_ptr<VnSNMPRequest2Leds> leds_;
};

constexpr std::uint32_t W = kVnColorWhite, G = kVnColorGreen, B = kVnColorBlue, R = kVnColorRed,
                        K = kVnColorBlack;

TEST_F(LedPolling, ColoursFollowTheSwitchFromPollToPoll)
{
    // Unit 4's status: codes 0-7, then 0x83, 0x85, 0x7C; byte 11 is missing.
    leds_->BindLeds(0, "0,1,2,3,4,5,6,7,8,9,10,11", LedColorMapA, panel_, 1, 10, 0, 7, 7);
    leds_->StartPolling(300);
    EXPECT_EQ(leds_->PollInterval(), 3000);
    EXPECT_TRUE(leds_->Polling());
    ASSERT_TRUE(log_->Wait(1)) << "StartPolling polls at once";
    EXPECT_EQ(log_->results[0].code, kVnOk);
    EXPECT_EQ(StatusLine().rfind("Get: (VnSNMP++) Ok! Request: Led Status. Receive at ", 0), 0u) << StatusLine();

    std::vector<std::uint32_t> colors;
    for (const _LedBinding_s& led : leds_->Leds())
        colors.push_back(led.color);
    EXPECT_EQ(colors, (std::vector<std::uint32_t>{W, W, W, G, B, R, K, K, G, R, B, W}));
    EXPECT_TRUE(leds_->Leds()[8].blink);
    EXPECT_TRUE(leds_->Leds()[9].blink);
    EXPECT_FALSE(leds_->Leds()[10].blink);

    // The switch changes its LEDs; a faster poll picks it up.
    sim().set(UnitOid("4"), "OCTETSTR", "05 04 03 02 01 00");
    leds_->StartPolling(5);
    ASSERT_TRUE(log_->Wait(3));
    EXPECT_EQ(log_->results.back().code, kVnOk);
    EXPECT_EQ(Shown(), (std::vector<std::uint32_t>{R, B, G, W, W, W, W, W, W, W, W, W}))
        << "bytes past the shorter status turn white and stop blinking";
}

TEST_F(LedPolling, ShortStatusPaintsMissingBytesAbsent)
{
    leds_ = MakeBinder("5");  // status 03 03
    leds_->BindLeds(0, "0,1", LedColorMapB, panel_, 1, 10, 0, 7, 7);
    leds_->BindLeds(0, "4,5", LedColorMapA, panel_, 30, 10, 0, 5, 5);
    leds_->StartPolling(300);
    ASSERT_TRUE(log_->Wait(1));
    EXPECT_EQ(Shown(), (std::vector<std::uint32_t>{G, G, W, W}));
}

TEST_F(LedPolling, SilentAgentTurnsLedsOffUntilItAnswersAgain)
{
    leds_->BindLeds(0, "3,4,5", LedColorMapB, panel_, 1, 10, 0, 7, 7);
    leds_->Poll();
    ASSERT_TRUE(log_->Wait(1));
    ASSERT_EQ(Shown(), (std::vector<std::uint32_t>{G, B, R}));

    sim().drop(kLedStatusOid);
    leds_->Poll();
    ASSERT_TRUE(log_->Wait(2));
    const VnSNMPError& timeout = log_->results[1];
    EXPECT_EQ(timeout.code, kVnErrTimeout);
    EXPECT_EQ(StatusLine().rfind("Get: " + timeout.text + " Request: Led Status. Receive at ", 0), 0u)
        << StatusLine();
    EXPECT_EQ(Shown(), (std::vector<std::uint32_t>{K, K, K}));
    EXPECT_FALSE(leds_->Busy());

    sim().undrop(kLedStatusOid);
    leds_->Poll();
    ASSERT_TRUE(log_->Wait(3));
    EXPECT_EQ(Shown(), (std::vector<std::uint32_t>{G, B, R})) << "the next poll tries again";
}

TEST_F(LedPolling, PollIsSkippedWhileThePreviousIsOutstanding)
{
    leds_->BindLeds(0, "3", LedColorMapB, panel_, 1, 10, 0, 7, 7);
    leds_->request.timeout = 200;
    sim().delay(kLedStatusOid, 400);
    leds_->Poll();
    ASSERT_TRUE(leds_->Busy());
    leds_->Poll();
    leds_->OnPollTimer();
    leds_->OnPollTimer();
    EXPECT_EQ(leds_->request.Outstanding(), 1);

    ASSERT_TRUE(log_->Wait(1));
    RunEvents(600);
    EXPECT_EQ(log_->results.size(), 1u) << "one poll sent, one ended";
    EXPECT_EQ(log_->results[0].code, kVnOk);
    EXPECT_EQ(Shown(), std::vector<std::uint32_t>{G});
}

TEST_F(LedPolling, StopPollingDarkensAndStartPollingBlinksAgain)
{
    leds_->BindLeds(0, "8,3", LedColorMapB, panel_, 1, 10, 0, 7, 7);
    leds_->StartPolling(300);
    ASSERT_TRUE(log_->Wait(1));
    ASSERT_TRUE(leds_->Blinking());
    leds_->StopPolling();
    EXPECT_FALSE(leds_->Polling());
    EXPECT_FALSE(leds_->Blinking());
    EXPECT_EQ(Shown(), (std::vector<std::uint32_t>{K, K}));

    // A restarted panel must not freeze its blinking LED in one phase.
    leds_->StartPolling(300);
    EXPECT_TRUE(leds_->Blinking());
    ASSERT_TRUE(log_->Wait(2));
    // Eight blink steps of 60 ms; allow for a slow machine.
    for (int waited = 0; waited < 2500 && leds_->BlinkCounter() <= VnSNMPRequest2Leds::kBlinkLimit; waited += 60)
        RunEvents(60);
    RunEvents(200);  // at least one step past the last flash
    EXPECT_EQ(Shown(), (std::vector<std::uint32_t>{G, G})) << "the flashing ran out, lit";
}

TEST_F(LedPolling, StartPollingBelowOneIntervalPollsOnce)
{
    leds_->BindLeds(0, "3", LedColorMapB, panel_, 1, 10, 0, 7, 7);
    leds_->StartPolling(0);
    EXPECT_FALSE(leds_->Polling()) << "a zero interval would spin";
    ASSERT_TRUE(log_->Wait(1));
    RunEvents(200);
    EXPECT_EQ(log_->results.size(), 1u);
}

TEST_F(LedPolling, StrictMapFailsThePollInBothModes)
{
    const VnLedColorEntry table[] = {{3, kVnColorGreen}, {0, kVnLedTableEnd}};
    const VnSNMPLedColorMapList strict(table, 7, 0x80, K, kVnLedAbsentIsError);
    leds_ = MakeBinder("5");  // status 03 03: byte 2 is missing
    leds_->BindLeds(0, "0,1,2", strict, panel_, 1, 10, 0, 7, 7);

    leds_->StartPolling(300);
    ASSERT_TRUE(log_->Wait(1));
    EXPECT_EQ(log_->results[0].code, kVnErrIndexOutOfRange);
    EXPECT_EQ(StatusLine().rfind("Get: " + VnErrorText(kVnErrIndexOutOfRange), 0), 0u) << StatusLine();
    EXPECT_EQ(Shown(), (std::vector<std::uint32_t>{K, K, K}));
    EXPECT_FALSE(leds_->Busy());

    leds_->mode = VnSNMPRequest2Controls::kModeSync;
    try {
        leds_->Poll();
        FAIL() << "no exception";
    } catch (const VnException& e) {
        EXPECT_EQ(e.HelpContext(), kVnErrIndexOutOfRange);
    }
    EXPECT_EQ(Shown(), (std::vector<std::uint32_t>{K, K, K}));
    EXPECT_FALSE(leds_->Busy());
}

// Which object goes first while a poll's reply is on its way.
enum class Closing { BinderOnly, PanelThenBinder };

class LedClosing : public LedPolling, public ::testing::WithParamInterface<Closing> {};

TEST_P(LedClosing, DuringAPollNoReplyReachesFreedObjects)
{
    leds_->BindLeds(0, "3,8", LedColorMapB, panel_, 1, 10, 0, 7, 7);
    leds_->request.timeout = 200;
    sim().delay(kLedStatusOid, 300);
    leds_->StartPolling(1);
    ASSERT_TRUE(leds_->Busy());

    if (GetParam() == Closing::PanelThenBinder) {
        delete panel_;  // the LED shapes go with it
        panel_ = nullptr;
        ASSERT_TRUE(log_->Wait(1)) << "the reply still reaches the live binder";
        EXPECT_EQ(log_->results[0].code, kVnOk);
        RunEvents(100);  // poll and blink ticks over shapes that are gone
    }
    const std::size_t polls = log_->results.size();
    leds_.reset();
    RunEvents(500);
    EXPECT_EQ(log_->results.size(), polls) << "a destroyed binder ends no poll";
}

INSTANTIATE_TEST_SUITE_P(Order, LedClosing,
                         ::testing::Values(Closing::BinderOnly, Closing::PanelThenBinder),
                         [](const ::testing::TestParamInfo<Closing>& info) {
                             return info.param == Closing::BinderOnly ? "BinderOnly" : "PanelThenBinder";
                         });

}  // namespace
