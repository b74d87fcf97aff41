// Stack tables a spoiled agent serves: unit numbers no stack has, far more
// present units than a stack holds, and tables that never end. The
// blocking walk skips a row of no unit (unit 0) and stops at the first unit
// above 12, at start-up and at Refresh Panel alike; only real units get a panel and a
// poll, and the status line, which no LED poll overwrites until the user's
// next command, says where the walk stopped and why.
#include <QTreeWidget>

#include <ostream>
#include <string>
#include <vector>

#include "VnException.h"
#include "VnOwnCommands.h"
#include "VnStatusOutput.h"
#include "test_deviceview_support.h"

using namespace deviceviewtest;

namespace {

struct StackTableCase {
    const char* name;
    const char* dataFile;
    std::vector<int> units;  // shown, in order
    int modules;             // module panels shown
    const char* said;        // the status line

    friend void PrintTo(const StackTableCase& c, std::ostream* os) { *os << c.dataFile; }
};

class HostileUnits : public MainWindowTest, public ::testing::WithParamInterface<StackTableCase> {
protected:
    SimSwitchOptions switchOptions() const override { return withDataFile(GetParam().dataFile); }

    void ExpectRealUnitsOnly(TMainForm& form)
    {
        const StackTableCase& c = GetParam();
        ASSERT_EQ(static_cast<std::size_t>(form.UnitPanels.size()), c.units.size());
        std::vector<int> units;
        for (const TPanelForm* panel : form.UnitPanels)
            units.push_back(panel->UnitNumber);
        EXPECT_EQ(units, c.units);
        EXPECT_EQ(form.ModulePanels.size(), c.modules);
        EXPECT_LE(form.UnitListView->topLevelItemCount(), kVnMaxStackUnits) << "no row beyond a stack is kept";
        EXPECT_LE(form.lvSlotModuleInfo->topLevelItemCount(), kVnMaxStackUnits);
        for (const auto& button : form.PortButtons) {
            ASSERT_TRUE(button);
            EXPECT_GE(button->Tag, 1);
            EXPECT_LE(button->Tag, kVnMaxStackUnits * kVnPortsPerUnitId) << "a port id of a real port";
        }
        int polling = 0;
        for (TPanelForm* panel : form.UnitPanels + form.ModulePanels)
            polling += panel->LedBinder() && panel->LedBinder()->Polling() ? 1 : 0;
        EXPECT_EQ(polling, form.UnitPanels.size() + form.ModulePanels.size()) << "one poll per shown panel only";
        EXPECT_EQ(form.StatusPanel0()->text(), QString(c.said));
    }
};

TEST_P(HostileUnits, TheWalkStopsWhereNoStackUnitCanFollow)
{
    TMainForm& form = Start();
    ExpectRealUnitsOnly(form);
    const QString status = form.StatusPanel0()->text();

    // The next LED poll does not hide it.
    ASSERT_TRUE(WaitForLeds());
    VnSNMPRequest2Leds& leds = *form.UnitPanels[0]->LedBinder();
    leds.Poll();
    ASSERT_TRUE(RunUntil([&] { return !leds.Busy(); }));
    EXPECT_EQ(form.StatusPanel0()->text(), status);

    // Refresh Panel, as the user chooses it, walks again and stops again.
    const QPointer<TPanelForm> old = form.UnitPanels[0];
    RefreshPanel1Click(form);
    EXPECT_TRUE(old.isNull()) << "the panels were built anew";
    ExpectRealUnitsOnly(form);
}

INSTANTIATE_TEST_SUITE_P(
    DataFiles, HostileUnits,
    ::testing::Values(
        StackTableCase{"Numbers", "hostile-unit-numbers.sim", {1, 2}, 1,
                       "Stack-unit rows of no unit 1 to 12 not shown (unit 0); Stack-unit walk stopped at unit "
                       "100000000: a stack has units 1 to 12, so the agent's further rows were not read"},
        StackTableCase{"TwoHundred", "hostile-200-units.sim", {1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12}, 0,
                       "Stack-unit walk stopped at unit 13: a stack has units 1 to 12, so the agent's further "
                       "rows were not read"},
        StackTableCase{"EndlessUnits", "hostile-endless-units.sim", {1, 2}, 1,
                       "Stack-unit walk stopped at unit 13: a stack has units 1 to 12, so the agent's further "
                       "rows were not read"},
        StackTableCase{"EndlessModules", "hostile-endless-modules.sim", {1, 2}, 1,
                       "Slot-module walk stopped at unit 13: a stack has units 1 to 12, so the agent's further "
                       "rows were not read"}),
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
