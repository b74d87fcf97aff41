// The front-panel forms: sizes, port-button Tags, LED bindings by model,
// and the LEDs following the switch's status bytes.
#include <QLabel>

#include <gtest/gtest.h>

#include <algorithm>
#include <memory>
#include <string>
#include <vector>

#include "SwitchMib.h"
#include "TPanelForm.h"
#include "VnSNMPRequest2Leds.h"
#include "VnSNMPSession.h"
#include "VnStatusOutput.h"
#include "test_deviceview_support.h"

using namespace deviceviewtest;

namespace {

void EnsureSession()
{
    if (!VnSNMPSession())
        StartSession("");
}

template <typename Form>
std::unique_ptr<TPanelForm> SetUpPanel(int unit, const std::string& hostModel = {})
{
    EnsureSession();
    auto panel = std::make_unique<Form>(nullptr);
    panel->UnitNumber = unit;
    panel->HostModel = hostModel;
    panel->SetupLeds(nullptr, nullptr);
    VnPortButtonList buttons;
    panel->SetupButtons(buttons);
    return panel;
}

struct TagCase {
    const char* why;
    std::unique_ptr<TPanelForm> (*make)(int, const std::string&);
    int unit;
    std::string host;
    int button;  // modules: 1 X, 2 Y
    int tag;
};

TEST(PanelForms, PortButtonTags)
{
    const TagCase cases[] = {
        {"unit 3 port 1", SetUpPanel<TPanelRQ4024SForm>, 3, "", 1, 129},
        {"a duplicate button addresses port 21", SetUpPanel<TPanelRQ4024SForm>, 3, "", 25, 149},
        {"the last duplicate", SetUpPanel<TPanelRQ4024SForm>, 3, "", 28, 152},
        {"RQ-6050S port 48", SetUpPanel<TPanelRQ6050SForm>, 1, "", 48, 48},
        {"RQ-6050S duplicate 49 is port 45", SetUpPanel<TPanelRQ6050SForm>, 1, "", 49, 45},
        {"RQ-4024T duplicates start at port 17", SetUpPanel<TPanelRQ4024TForm>, 1, "", 25, 17},
        {"RQ-4024T button 32 is port 24", SetUpPanel<TPanelRQ4024TForm>, 2, "", 32, 88},
        {"RQ-6026S duplicate 28 is port 24", SetUpPanel<TPanelRQ6026SForm>, 1, "", 28, 24},
        {"RQ-4124S has no duplicates", SetUpPanel<TPanelRQ4124SForm>, 4, "", 24, 216},
        {"RM-210X under RQ-6050S unit 2: X", SetUpPanel<TfrmRM210X>, 2, "RQ-6050S", 1, 113},
        {"RM-210X under RQ-6050S unit 2: Y", SetUpPanel<TfrmRM210X>, 2, "RQ6050S", 2, 114},
        {"RM-210C under RQ-6026S: ports 25 and 26", SetUpPanel<TfrmRM210C>, 1, "RQ-6026S", 2, 26},
    };
    for (const TagCase& c : cases) {
        SCOPED_TRACE(c.why);
        const auto panel = c.make(c.unit, c.host);
        ASSERT_NE(panel->SpeedButton(c.button), nullptr);
        EXPECT_EQ(panel->SpeedButton(c.button)->Tag, c.tag);
    }
}

struct ModelCase {
    std::unique_ptr<TPanelForm> (*make)(int, const std::string&);
    std::string host;
    QSize size;
    int buttons;
    int leds;
    bool stackImage;
};

TEST(PanelForms, SizesButtonsAndLedsPerModel)
{
    const ModelCase cases[] = {
        {SetUpPanel<TPanelRQ4124SForm>, "", {780, 89}, 24, 4 + 48 + 2, true},
        {SetUpPanel<TPanelRQ4024TForm>, "", {780, 89}, 32, 4 + 48 + 6, false},
        {SetUpPanel<TPanelRQ4024SForm>, "", {780, 89}, 28, 4 + 48 + 2, true},
        {SetUpPanel<TPanelRQ6026SForm>, "", {780, 89}, 28, 4 + 24 + 2, true},
        {SetUpPanel<TPanelRQ6050SForm>, "", {780, 89}, 52, 4 + 48 + 2, true},
        {SetUpPanel<TfrmRM210X>, "RQ-6050S", {202, 67}, 2, 2, false},
        {SetUpPanel<TfrmRM210C>, "RQ-6026S", {202, 67}, 2, 2, false},
    };
    for (const ModelCase& c : cases) {
        const auto panel = c.make(1, c.host);
        SCOPED_TRACE(panel->objectName().toStdString());
        EXPECT_EQ(panel->size(), c.size);
        EXPECT_EQ(panel->ButtonCount(), c.buttons);
        EXPECT_FALSE(panel->Image1()->pixmap().isNull()) << "its picture";
        EXPECT_EQ(panel->StackImage() != nullptr, c.stackImage);
        ASSERT_NE(panel->LedBinder(), nullptr);
        EXPECT_EQ(static_cast<int>(panel->LedBinder()->Leds().size()), c.leds);
        const VnSNMPRequest& request = panel->LedBinder()->request;
        EXPECT_EQ(request.timeout, 300);
        EXPECT_EQ(request.varList.name, "1");
        EXPECT_EQ(request.varList.caption, " Led Status");
        EXPECT_EQ(request.ColumnOid(0), "1.3.6.1.4.1.88406.12.11.1.9.4.1.6.1");
    }
}

// The binding of status byte `byteIndex`, or null.
const _LedBinding_s* Led(const TPanelForm& panel, int byteIndex)
{
    const auto& leds = panel.LedBinder()->Leds();
    const auto it = std::find_if(leds.begin(), leds.end(),
                                 [&](const _LedBinding_s& led) { return led.byteIndex == byteIndex; });
    return it == leds.end() ? nullptr : &*it;
}

TEST(PanelForms, LedsReadTheirBytesThroughTheirMaps)
{
    struct Case {
        const char* why;
        std::unique_ptr<TPanelForm> (*make)(int, const std::string&);
        std::string host;
        int byteIndex;
        const VnSNMPLedColorMapList* map;
        const char* container;
    };
    const Case cases[] = {
        {"system LED", SetUpPanel<TPanelRQ4024SForm>, "", 0, &LedColorMapB, "PowerLedPanel"},
        {"RPS LED", SetUpPanel<TPanelRQ4024SForm>, "", 3, &LedColorMapB, "RPowerLedPanel"},
        {"RQ-4024S odd port link", SetUpPanel<TPanelRQ4024SForm>, "", 5, &LedColorMapA, "LedPanel1"},
        {"RQ-4024S even strip", SetUpPanel<TPanelRQ4024SForm>, "", 4, &LedColorMapB, "LedPanel2"},
        {"RQ-4024S second group", SetUpPanel<TPanelRQ4024SForm>, "", 51, &LedColorMapA, "LedPanel3"},
        {"slot LED", SetUpPanel<TPanelRQ4024SForm>, "", 54, &LedColorMapB, "SIOPanel2"},
        {"RQ-4124S strip 1", SetUpPanel<TPanelRQ4124SForm>, "", 48, &LedColorMapA, "LedPanel1"},
        {"RQ-4124S strip 4", SetUpPanel<TPanelRQ4124SForm>, "", 51, &LedColorMapB, "LedPanel4"},
        {"RQ-4024T sixth slot LED", SetUpPanel<TPanelRQ4024TForm>, "", 62, &LedColorMapB, "SIOPanel6"},
        {"RQ-6026S", SetUpPanel<TPanelRQ6026SForm>, "", 51, &LedColorMapB, "LedPanel2"},
        {"RQ-6050S", SetUpPanel<TPanelRQ6050SForm>, "", 99, &LedColorMapA, "LedPanel3"},
        {"RQ-6050S slot", SetUpPanel<TPanelRQ6050SForm>, "", 106, &LedColorMapB, "SIOPanel2"},
        {"module under RQ-6050S", SetUpPanel<TfrmRM210X>, "RQ-6050S", 103, &LedColorMapC, "pLedPort2"},
        {"module under RQ-6026S", SetUpPanel<TfrmRM210X>, "RQ6026S", 53, &LedColorMapC, "pLedPort1"},
        {"module under RQ-6026S", SetUpPanel<TfrmRM210C>, "RQ-6026R", 55, &LedColorMapC, "pLedPort2"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.why);
        const auto panel = c.make(1, c.host);
        const _LedBinding_s* led = Led(*panel, c.byteIndex);
        ASSERT_NE(led, nullptr);
        EXPECT_EQ(led->map, c.map);
        ASSERT_TRUE(led->shape);
        EXPECT_EQ(led->shape->parentWidget()->objectName(), c.container);
    }
}

TEST(PanelForms, UnitPictureGoesIntoTheStackImage)
{
    EnsureSession();
    TPanelRQ4024SForm panel(nullptr);
    panel.UnitNumber = 1;
    QPixmap picture(26, 30);
    picture.fill(Qt::red);
    panel.SetupLeds(nullptr, &picture);
    EXPECT_EQ(panel.StackImage()->pixmap().size(), QSize(26, 30));
}

// ---- LEDs over the switch

using PanelPolling = MainWindowTest;

std::uint32_t ColorOf(const TPanelForm& panel, int byteIndex)
{
    const _LedBinding_s* led = Led(panel, byteIndex);
    return led && led->shape ? led->shape->Color() : 0xDEADBEEF;
}

TEST_F(PanelPolling, LedsFollowTheStatusBytesAndGoOffWhenTheSwitchIsSilent)
{
    TMainForm& form = Start();
    ASSERT_TRUE(WaitForLeds());
    ASSERT_GE(form.UnitPanels.size(), 2);
    TPanelForm& unit1 = *form.UnitPanels[0];
    EXPECT_EQ(ColorOf(unit1, 0), 0x00FF00u) << "power: 3 in map B is green";
    EXPECT_EQ(ColorOf(unit1, 2), 0xFFFFFFu) << "console: 1 in map B is white";
    EXPECT_EQ(ColorOf(unit1, 5), 0x00FF00u) << "port 1 link: 3 in map A";
    EXPECT_EQ(ColorOf(*form.ModulePanels[0], 101), 0x00FF00u) << "module port: 2 in map C";

    // Port 1's first LED turns red (5), port 2's second LED blue (4).
    sim().set(std::string(kVnLedStatusOid) + ".1", "OCTETSTR", "03030100" "0503" "0304");
    VnSNMPRequest2Leds& leds = *unit1.LedBinder();
    leds.Poll();
    ASSERT_TRUE(RunUntil([&] { return !leds.Busy(); }));
    RunEvents(150);
    EXPECT_EQ(ColorOf(unit1, 4), 0x0000FFu);
    EXPECT_EQ(ColorOf(unit1, 7), 0xFF0000u);
    EXPECT_EQ(ColorOf(unit1, 9), 0xFFFFFFu) << "a byte beyond the value is white";

    // The switch stops answering: the LEDs go off and panel 0 says why.
    leds.request.timeout = 20;
    leds.request.retries = 0;
    sim().drop(kVnLedStatusOid);
    form.ShowStatusText("");
    leds.Poll();
    ASSERT_TRUE(RunUntil([&] { return !leds.Busy(); }));
    RunEvents(150);
    EXPECT_EQ(ColorOf(unit1, 0), 0x000000u);
    EXPECT_EQ(ColorOf(unit1, 4), 0x000000u);
    EXPECT_TRUE(form.StatusPanel0()->text().contains("Led Status")) << form.StatusPanel0()->text().toStdString();
}

TEST_F(PanelPolling, PollsEveryThreeSeconds)
{
    TMainForm& form = Start();
    ASSERT_FALSE(form.UnitPanels.empty());
    const VnSNMPRequest2Leds& leds = *form.UnitPanels[0]->LedBinder();
    EXPECT_TRUE(leds.Polling());
    EXPECT_EQ(leds.PollInterval(), 3000);
}

TEST_F(PanelPolling, ClosingAPanelWaitsForItsPoll)
{
    TMainForm& form = Start();
    ASSERT_TRUE(WaitForLeds());
    TPanelForm& unit1 = *form.UnitPanels[0];
    sim().delay(kVnLedStatusOid, 400);
    unit1.LedBinder()->Poll();
    ASSERT_TRUE(unit1.LedBinder()->Busy());
    QElapsedTimer clock;
    clock.start();
    unit1.close();
    EXPECT_EQ(unit1.LedBinder(), nullptr);
    EXPECT_GE(clock.elapsed(), 300) << "it waited for the reply";
}

} // namespace
