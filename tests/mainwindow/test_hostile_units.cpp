// Stack-unit tables a spoiled agent serves: unit numbers no stack has, and
// far more present units than a stack holds. Only units 1 to 12 get a
// panel and a poll; the others are named in the status line, which no LED
// poll overwrites until the user's next command.
#include <QTreeWidget>

#include <ostream>
#include <string>
#include <vector>

#include "VnException.h"
#include "VnStatusOutput.h"
#include "test_deviceview_support.h"

using namespace deviceviewtest;

namespace {

struct UnitTableCase {
    const char* name;
    const char* dataFile;
    std::vector<int> units;  // shown, in order
    const char* named;       // in the status line

    friend void PrintTo(const UnitTableCase& c, std::ostream* os) { *os << c.dataFile; }
};

class HostileUnits : public MainWindowTest, public ::testing::WithParamInterface<UnitTableCase> {
protected:
    SimSwitchOptions switchOptions() const override { return withDataFile(GetParam().dataFile); }
};

TEST_P(HostileUnits, OnlyUnitsOneToTwelveAreShownTheOthersNamed)
{
    const UnitTableCase& c = GetParam();
    TMainForm& form = Start();

    ASSERT_EQ(static_cast<std::size_t>(form.UnitPanels.size()), c.units.size());
    std::vector<int> units;
    for (const TPanelForm* panel : form.UnitPanels)
        units.push_back(panel->UnitNumber);
    EXPECT_EQ(units, c.units);
    for (const auto& button : form.PortButtons) {
        ASSERT_TRUE(button);
        EXPECT_GE(button->Tag, 1);
        EXPECT_LE(button->Tag, kVnMaxStackUnits * kVnPortsPerUnitId) << "a port id of a real port";
    }
    int polling = 0;
    for (TPanelForm* panel : form.UnitPanels + form.ModulePanels)
        polling += panel->LedBinder() && panel->LedBinder()->Polling() ? 1 : 0;
    EXPECT_EQ(polling, form.UnitPanels.size() + form.ModulePanels.size()) << "one poll per shown panel only";

    const QString status = form.StatusPanel0()->text();
    EXPECT_TRUE(status.startsWith("Units not shown (a stack has units 1 to 12): ")) << status.toStdString();
    EXPECT_TRUE(status.contains(c.named)) << status.toStdString();
    if (c.units.size() < static_cast<std::size_t>(kVnMaxStackUnits)) {
        // Every listed unit beyond the stack, whatever its number became.
        for (int i = 0; i < form.UnitListView->topLevelItemCount(); ++i) {
            const QString unit = form.UnitListView->topLevelItem(i)->text(0);
            if (unit != "1" && unit != "2" && unit != "3") {
                EXPECT_TRUE(status.contains(unit)) << unit.toStdString() << " in " << status.toStdString();
            }
        }
    }

    // The next LED poll does not hide it.
    ASSERT_TRUE(WaitForLeds());
    VnSNMPRequest2Leds& leds = *form.UnitPanels[0]->LedBinder();
    leds.Poll();
    ASSERT_TRUE(RunUntil([&] { return !leds.Busy(); }));
    EXPECT_EQ(form.StatusPanel0()->text(), status);
}

INSTANTIATE_TEST_SUITE_P(
    DataFiles, HostileUnits,
    ::testing::Values(UnitTableCase{"Numbers", "hostile-unit-numbers.sim", {1, 2}, "100000000"},
                      UnitTableCase{"TwoHundred", "hostile-200-units.sim",
                                    {1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12}, "13-200"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(PanelUnitNumber, APanelRefusesAUnitNoStackHas)
{
    VnPortButtonList buttons;
    for (const int unit : {0, 13, 100000000, -2147483647 - 1, 2147483647}) {
        TPanelRQ4024SForm panel(nullptr);
        panel.UnitNumber = unit;
        EXPECT_THROW(panel.SetupButtons(buttons), VnException) << unit;
        EXPECT_THROW(panel.SetupLeds(nullptr, nullptr), VnException) << unit;
        EXPECT_TRUE(buttons.isEmpty()) << "no button with a port id of no port";
        EXPECT_EQ(panel.LedBinder(), nullptr) << "no poll of another unit's object";
    }

    TPanelRQ4024SForm panel(nullptr);
    panel.UnitNumber = 12;
    panel.SetupButtons(buttons);
    ASSERT_FALSE(buttons.isEmpty());
    EXPECT_EQ(buttons.front()->Tag, 11 * 64 + 1);
    EXPECT_EQ(panel.SpeedButton(28)->Tag, 11 * 64 + 24);
}

} // namespace
