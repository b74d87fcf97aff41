// The LED binder without an agent: rows are handed to it as the request
// would after a poll.
#include "QtPrint.h"
#include "SwitchMib.h"
#include "VnException.h"
#include "VnMessageBox.h"
#include "VnMessages.h"
#include "VnOptionList.h"
#include "VnSNMPRequest2Leds.h"
#include "VnStatusOutput.h"

#include <QFrame>

#include <gtest/gtest.h>

#include <memory>
#include <vector>

namespace {

const VnSNMPVarDesc kLedStatusTable[] = {
    {"1.3.6.1.4.1.88406.12.11.1.9.4.1.6", "swUnitMgmtFrontPanelLedStatus", VnSyntax::OctetStr,
     VnAccess::ReadOnly},
    {},
};

// The edge-case map: codes 0-2 white, 3 green, 4 blue, 5 red.
const VnLedColorEntry kTable[] = {
    {0, kVnColorWhite}, {1, kVnColorWhite}, {2, kVnColorWhite},
    {3, kVnColorGreen}, {4, kVnColorBlue},  {5, kVnColorRed},
    {0, kVnLedTableEnd},
};
const VnSNMPLedColorMapList kStrictMap(kTable, 7, 0x80, kVnColorBlack, kVnLedAbsentIsError);

class LedsUnderTest : public VnSNMPRequest2Leds {
public:
    using VnSNMPRequest2Leds::VnSNMPRequest2Leds;
    using VnSNMPRequest2Leds::AddRow;
    using VnSNMPRequest2Leds::OnGetError;
};

class LedBinder : public ::testing::Test {
protected:
    void SetUp() override
    {
        form_ = std::make_unique<QWidget>();
        panel_ = new QFrame(form_.get());
        panel_->setFrameShape(QFrame::Panel);
        leds_ = std::make_unique<LedsUnderTest>(form_.get());
        leds_->request.varList = VnSNMPVarList(kLedStatusTable, MVT_SV, 0);
    }

    // A poll's row: the status value as hex text.
    void Row(const char* hex)
    {
        leds_->request.varList.Item(0).value = hex;
        leds_->AddRow();
    }
    std::uint32_t Shown(int i) const { return leds_->Leds()[static_cast<std::size_t>(i)].shape->Color(); }

    std::unique_ptr<QWidget> form_;
    QFrame* panel_ = nullptr;
    std::unique_ptr<LedsUnderTest> leds_;
};

TEST_F(LedBinder, BindLedsPlacesOneShapePerByteInARow)
{
    leds_->BindLeds(0, "4,8,12,16,20", LedColorMapB, panel_, 1, 10, VnLedShape::Circle, 7, 7);
    const auto& leds = leds_->Leds();
    ASSERT_EQ(leds.size(), 5u);
    const int expectedLeft[] = {1, 18, 35, 52, 69};
    for (int k = 0; k < 5; ++k) {
        SCOPED_TRACE(k);
        const _LedBinding_s& led = leds[static_cast<std::size_t>(k)];
        EXPECT_EQ(led.byteIndex, 4 * (k + 1));
        EXPECT_EQ(led.map, &LedColorMapB);
        EXPECT_EQ(led.shape->parentWidget(), panel_);
        EXPECT_EQ(led.shape->geometry(), QRect(expectedLeft[k], 1, 7, 7));
        EXPECT_EQ(led.shape->ShapeType(), VnLedShape::Circle);
        EXPECT_EQ(led.shape->Color(), kVnColorBlack) << "a new LED shows the off colour";
        EXPECT_FALSE(led.shape->isHidden());
    }
    EXPECT_EQ(panel_->frameShape(), QFrame::NoFrame) << "the container loses its bevel";

    leds_->BindLeds(0, "", LedColorMapB, panel_, 1, 10, 0, 7, 7);
    EXPECT_EQ(leds_->Leds().size(), 5u) << "an empty byte list adds no LED";
}

TEST_F(LedBinder, BindLedsWithoutPanelIsRefused)
{
    try {
        leds_->BindLeds(0, "1,2", LedColorMapA, nullptr, 1, 10, 0, 7, 7);
        FAIL() << "no exception";
    } catch (const VnException& e) {
        EXPECT_EQ(e.HelpContext(), kVnErrBadControlType);
    }
    EXPECT_TRUE(leds_->Leds().empty());
}

struct ColourCase {
    const char* why;
    const VnSNMPLedColorMapList* map;
    int byteIndex;
    std::uint32_t color;
    bool blinks;
};

TEST_F(LedBinder, EachLedTakesItsByteThroughItsMap)
{
    const VnSNMPLedColorMapList edgeMap(kTable, 7, 0x80, kVnColorBlack, kVnColorWhite);
    // Bytes:               0  1  2  3  4  5  6  7  8  9
    const char* status = "8305060203047C00FF81";
    const ColourCase cases[] = {
        {"0x83: green and blinking", &edgeMap, 0, kVnColorGreen, true},
        {"0x05: steady red", &edgeMap, 1, kVnColorRed, false},
        {"0x06: not in the map, black", &edgeMap, 2, kVnColorBlack, false},
        {"code 2 is white in map A", &LedColorMapA, 3, kVnColorWhite, false},
        {"code 2 is green in map B", &LedColorMapB, 3, kVnColorGreen, false},
        {"code 3 is not in map C", &LedColorMapC, 4, kVnColorBlack, false},
        {"code 4 is green in map C", &LedColorMapC, 5, kVnColorGreen, false},
        {"0x7C: only the low three bits pick the colour", &LedColorMapA, 6, kVnColorBlue, false},
        {"0xFF: unknown code 7, blinking", &LedColorMapB, 8, kVnColorBlack, true},
        {"byte 10 is past the end: the absent colour", &LedColorMapA, 10, kVnColorWhite, false},
        {"a negative byte index reads nothing", &LedColorMapB, -1, kVnColorWhite, false},
    };
    std::vector<VnLedShape*> shapes;
    for (const ColourCase& c : cases) {
        shapes.push_back(new VnLedShape(panel_));
        leds_->AddLed(0, c.byteIndex, *c.map, shapes.back());
    }
    Row(status);
    for (std::size_t i = 0; i < std::size(cases); ++i) {
        SCOPED_TRACE(cases[i].why);
        const _LedBinding_s& led = leds_->Leds()[i];
        EXPECT_EQ(led.color, cases[i].color);
        EXPECT_EQ(led.blink, cases[i].blinks);
        if (!cases[i].blinks) {
            EXPECT_EQ(shapes[i]->Color(), cases[i].color) << "a steady LED is painted at once";
        }
    }
}

TEST_F(LedBinder, EmptyOrNullStatusPaintsEveryLedAbsent)
{
    leds_->BindLeds(0, "0,1", LedColorMapB, panel_, 1, 10, 0, 7, 7);
    for (const char* value : {"", "(NULL)"}) {
        SCOPED_TRACE(value);
        Row("0303");
        ASSERT_EQ(Shown(0), kVnColorGreen);
        Row(value);
        EXPECT_EQ(Shown(0), kVnColorWhite);
        EXPECT_EQ(Shown(1), kVnColorWhite);
    }
}

TEST_F(LedBinder, MissingByteWithStrictMapFailsAndTurnsAllOff)
{
    leds_->BindLeds(0, "0", LedColorMapB, panel_, 1, 10, 0, 7, 7);
    leds_->BindLeds(0, "1,2", kStrictMap, panel_, 20, 10, 0, 7, 7);
    Row("030303");
    ASSERT_EQ(Shown(0), kVnColorGreen);
    ASSERT_EQ(Shown(1), kVnColorGreen);

    // Byte 2 is missing: the poll fails as a whole, no LED keeps a colour
    // from a status that could not be shown.
    try {
        Row("0505");
        FAIL() << "no exception";
    } catch (const VnException& e) {
        EXPECT_EQ(e.HelpContext(), kVnErrIndexOutOfRange);
        EXPECT_EQ(e.what(), VnErrorText(kVnErrIndexOutOfRange));
    }
    for (int i = 0; i < 3; ++i) {
        EXPECT_EQ(Shown(i), kVnColorBlack) << i;
        EXPECT_EQ(leds_->Leds()[static_cast<std::size_t>(i)].color, kVnColorBlack) << i;
    }
    leds_->BlinkStep();
    EXPECT_EQ(Shown(0), kVnColorBlack) << "the blink timer does not paint a half-read status";
}

TEST_F(LedBinder, ItemIndexOutsideTheListIsRefused)
{
    leds_->BindLeds(3, "0", LedColorMapA, panel_, 1, 10, 0, 7, 7);
    try {
        Row("03");
        FAIL() << "no exception";
    } catch (const VnException& e) {
        EXPECT_EQ(e.HelpContext(), kVnErrIndexOutOfRange);
    }
    EXPECT_EQ(Shown(0), kVnColorBlack);
}

// The colours one blinking LED shows from the row's own step on.
std::vector<std::uint32_t> BlinkSequence(LedsUnderTest& leds, int steps)
{
    std::vector<std::uint32_t> shown;
    shown.push_back(leds.Leds()[0].shape->Color());
    for (int i = 1; i < steps; ++i) {
        leds.BlinkStep();
        shown.push_back(leds.Leds()[0].shape->Color());
    }
    return shown;
}

TEST_F(LedBinder, BlinkingLedFlashesEightStepsThenStaysLit)
{
    leds_->BindLeds(0, "0,1", LedColorMapB, panel_, 1, 10, 0, 7, 7);
    constexpr std::uint32_t G = kVnColorGreen, K = kVnColorBlack;

    // First poll: the LED starts dark, so it lights on the row's step.
    Row("8303");
    EXPECT_EQ(BlinkSequence(*leds_, 12),
              (std::vector<std::uint32_t>{G, K, G, K, G, K, G, G, G, G, G, G}));
    EXPECT_EQ(Shown(1), G) << "the steady LED never flashes";

    // Next poll: it starts lit, so it goes dark first; eight steps, then lit.
    Row("8303");
    EXPECT_EQ(BlinkSequence(*leds_, 12),
              (std::vector<std::uint32_t>{K, G, K, G, K, G, K, G, G, G, G, G}));
    EXPECT_EQ(leds_->BlinkCounter(), LedsUnderTest::kBlinkLimit + 1)
        << "the count stops growing once the flashing is over";

    // A poll without the blink bit ends the blinking at once.
    Row("0303");
    EXPECT_EQ(Shown(0), G);
    leds_->BlinkStep();
    EXPECT_EQ(Shown(0), G);
}

TEST_F(LedBinder, GetErrorTurnsLedsOffAndWritesTheStatusLine)
{
    VnStatusBar bar;
    VnStatusPanel* status = bar.AddPanel();
    leds_->SetStatusOutput(status);
    leds_->request.varList.caption = " Led Status";
    leds_->BindLeds(0, "0,1", LedColorMapB, panel_, 1, 10, 0, 7, 7);
    Row("8303");

    VnSNMPError timeout;
    timeout.code = kVnErrTimeout;
    timeout.text = VnErrorText(kVnErrTimeout);
    leds_->OnGetError(timeout);
    EXPECT_EQ(Shown(0), kVnColorBlack);
    EXPECT_EQ(Shown(1), kVnColorBlack);
    EXPECT_FALSE(leds_->Leds()[0].blink);
    EXPECT_TRUE(status->Text().startsWith(QString::fromStdString("Get: " + timeout.text +
                                                                 " Request: Led Status. Receive at ")))
        << status->Text().toStdString();
}

TEST_F(LedBinder, GetErrorWithoutStatusOutputShowsNoMessageBox)
{
    VnMessageBoxCapture boxes;
    leds_->BindLeds(0, "0", LedColorMapB, panel_, 1, 10, 0, 7, 7);
    Row("03");
    VnSNMPError timeout;
    timeout.code = kVnErrTimeout;
    timeout.text = VnErrorText(kVnErrTimeout);
    leds_->OnGetError(timeout);
    EXPECT_TRUE(boxes.Shown().empty());
    EXPECT_EQ(Shown(0), kVnColorBlack);
}

TEST_F(LedBinder, OptionLabelIsTurnedBackIntoItsValue)
{
    static const VnStrOption kNamed[] = {{"0305", "ok-red"}, {nullptr, nullptr}};
    static const VnOptionList named(kNamed, VnOptionKind::String);
    leds_->request.varList.Item(0).options = &named;
    leds_->BindLeds(0, "0,1", LedColorMapA, panel_, 1, 10, 0, 7, 7);
    Row("ok-red");
    EXPECT_EQ(Shown(0), kVnColorGreen);
    EXPECT_EQ(Shown(1), kVnColorRed);
}

}  // namespace
