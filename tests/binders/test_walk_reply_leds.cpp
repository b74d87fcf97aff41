// The LED binder polling a status the agent sends as another type than an
// octet string (tools/simswitch/data/reply-types.sim): no colours are
// painted from it, the LEDs go off as for a failed poll, and the status
// line says what the agent sent.
#include "EventLoopWait.h"
#include "QtPrint.h"
#include "SessionSwitchTest.h"
#include "SwitchMib.h"
#include "VnException.h"
#include "VnMessages.h"
#include "VnSNMPRequest2Leds.h"
#include "VnStatusOutput.h"

#include <QFrame>

#include <memory>
#include <string>
#include <vector>

namespace {

constexpr const char* kLedStatusOid = "1.3.6.1.4.1.88406.12.11.1.9.4.1.6";
const VnSNMPVarDesc kLedStatus[] = {
    {kLedStatusOid, "swUnitMgmtFrontPanelLedStatus", VnSyntax::OctetStr, VnAccess::ReadOnly},
    {},
};

constexpr std::uint32_t G = kVnColorGreen, R = kVnColorRed, K = kVnColorBlack;

class LedReplyTypes : public SimSwitchTest {
protected:
    SimSwitchOptions switchOptions() const override { return withDataFile("reply-types.sim"); }
    void SetUp() override
    {
        SimSwitchTest::SetUp();
        EnsureSessionStarted();
        form_ = std::make_unique<QWidget>();
        panel_ = new QFrame(form_.get());
        bar_ = new VnStatusBar(form_.get());
        status_ = bar_->AddPanel();
        leds_ = std::make_unique<VnSNMPRequest2Leds>(form_.get());
        VnSNMPRequest& request = leds_->request;
        request.varList = VnSNMPVarList(kLedStatus, MVT_SV, 0);
        request.varList.name = "7";
        request.varList.caption = " Led Status";
        request.device.address = simswitch::kAddress;
        request.device.port = port();
        leds_->SetStatusOutput(status_);
        leds_->OnRefreshDone = [this](VnSNMPRequest2Controls&, const VnSNMPError& result) {
            results_.push_back(result);
        };
        leds_->BindLeds(0, "0,1", LedColorMapB, panel_, 1, 10, 0, 7, 7);
    }
    void TearDown() override
    {
        leds_.reset();
        form_.reset();
        SimSwitchTest::TearDown();
    }
    bool WaitPolls(std::size_t count)
    {
        return RunUntil([&] { return results_.size() >= count && !leds_->Busy(); });
    }
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
    std::unique_ptr<VnSNMPRequest2Leds> leds_;
    std::vector<VnSNMPError> results_;
};

const std::string kUnit7Integer =
    "(VnSNMP++) Unexpected reply: 1.3.6.1.4.1.88406.12.11.1.9.4.1.6.7 = INTEGER: 3 (OCTET STRING expected)!";

} // namespace

TEST_F(LedReplyTypes, StatusOfAnotherTypeTurnsTheLedsOff)
{
    leds_->Poll();
    ASSERT_TRUE(WaitPolls(1));
    ASSERT_EQ(results_[0].code, kVnOk);
    ASSERT_EQ(Shown(), (std::vector<std::uint32_t>{G, R}));

    // The agent now sends an integer: as if it were the octets 03.
    sim().set(std::string(kLedStatusOid) + ".7", "INTEGER", "3");
    leds_->Poll();
    ASSERT_TRUE(WaitPolls(2));
    EXPECT_EQ(results_[1].code, kVnErrBadSyntax);
    EXPECT_EQ(results_[1].text, kUnit7Integer);
    EXPECT_EQ(StatusLine().rfind("Get: " + kUnit7Integer + " Request: Led Status. Receive at ", 0), 0u)
        << StatusLine();
    EXPECT_EQ(Shown(), (std::vector<std::uint32_t>{K, K}));

    // A blocking poll fails the same way.
    leds_->mode = VnSNMPRequest2Controls::kModeSync;
    sim().set(std::string(kLedStatusOid) + ".7", "OCTETSTR", "03 05");
    leds_->Poll();
    ASSERT_EQ(Shown(), (std::vector<std::uint32_t>{G, R}));
    sim().set(std::string(kLedStatusOid) + ".7", "INTEGER", "3");
    try {
        leds_->Poll();
        ADD_FAILURE() << "the poll did not fail";
    } catch (const VnException& e) {
        EXPECT_EQ(e.HelpContext(), kVnErrBadSyntax);
        EXPECT_EQ(std::string(e.what()), kUnit7Integer);
    }
    EXPECT_EQ(Shown(), (std::vector<std::uint32_t>{K, K}));
    EXPECT_FALSE(leds_->Busy());

    // And from the poll timer, which shows it in the status line.
    leds_->OnPollTimer();
    EXPECT_EQ(StatusLine().rfind("Get: " + kUnit7Integer, 0), 0u) << StatusLine();
    EXPECT_EQ(Shown(), (std::vector<std::uint32_t>{K, K}));
}
