// The device view over the simulated switch: stack discovery, the panel
// classes and their layout, modules beside their units, the port buttons,
// the RMON menu items, rebuilding and closing.
#include <QAction>
#include <QLabel>
#include <QPointer>
#include <QScrollArea>
#include <QTreeWidget>

#include "VnSNMPRequest2Edits.h"
#include "VnStatusOutput.h"
#include "test_deviceview_support.h"

using namespace deviceviewtest;

namespace {

template <typename T>
bool Is(const TPanelForm* panel)
{
    return dynamic_cast<const T*>(panel) != nullptr;
}

bool AutoScroll(const TMainForm& form)
{
    return form.ScrollBox1->verticalScrollBarPolicy() != Qt::ScrollBarAlwaysOff;
}

using DefaultStack = MainWindowTest;

TEST_F(DefaultStack, OnePanelPerExistingUnitAndTheModuleBesideItsUnit)
{
    TMainForm& form = Start();
    EXPECT_EQ(form.windowTitle(), "RQ4024S : 127.0.0.1");
    EXPECT_EQ(form.UnitListView->topLevelItemCount(), 3) << "unit 3 is listed, not present";

    ASSERT_EQ(form.UnitPanels.size(), 2);
    EXPECT_TRUE(Is<TPanelRQ4024SForm>(form.UnitPanels[0]));
    EXPECT_TRUE(Is<TPanelRQ6050SForm>(form.UnitPanels[1]));
    EXPECT_EQ(PanelCount, 2);
    ASSERT_EQ(form.ModulePanels.size(), 1);
    const TPanelForm* module = form.ModulePanels[0];
    EXPECT_TRUE(Is<TfrmRM210X>(module));
    EXPECT_EQ(module->UnitNumber, 2);
    EXPECT_EQ(module->HostModel, "RQ-6050S");

    // Units from the top, one pixel apart; the module to the right of its unit.
    const TPanelForm* unit1 = form.UnitPanels[0];
    const TPanelForm* unit2 = form.UnitPanels[1];
    EXPECT_EQ(unit1->pos(), QPoint(0, 0));
    EXPECT_EQ(unit2->pos(), QPoint(0, 90));
    EXPECT_EQ(module->pos(), QPoint(781, 90));
    EXPECT_EQ(form.ClientWidth(), 783 + 203);
    EXPECT_EQ(form.ClientHeight(), 90 + 89 + form.StatusBar->sizeHint().height() + 1 + 4);
    EXPECT_TRUE(AutoScroll(form)) << "a module turns scrolling on";
    EXPECT_EQ(form.LastUnitPanel, unit2);

    // Every port button of every panel, in panel order, with its port id.
    ASSERT_EQ(form.PortButtons.size(), 28 + 52 + 2);
    EXPECT_EQ(form.PortButtons[0]->Tag, 1);
    EXPECT_EQ(form.PortButtons[24]->Tag, 21) << "SpeedButton25 doubles port 21";
    EXPECT_EQ(form.PortButtons[28]->Tag, 65) << "unit 2 port 1";
    EXPECT_EQ(form.PortButtons[28 + 48]->Tag, 64 + 45) << "SpeedButton49 doubles port 45";
    EXPECT_EQ(form.PortButtons[80]->Tag, 64 + 49) << "module X";
    EXPECT_EQ(form.PortButtons[81]->Tag, 64 + 50) << "module Y";
    for (const auto& button : form.PortButtons)
        EXPECT_EQ(button->contextMenuPolicy(), Qt::CustomContextMenu);
}

TEST_F(DefaultStack, PortButtonsStayExclusiveAcrossPanels)
{
    TMainForm& form = Start();
    ASSERT_EQ(form.UnitPanels.size(), 2);
    VnSpeedButton* onUnit1 = form.UnitPanels[0]->SpeedButton(3);
    VnSpeedButton* onUnit2 = form.UnitPanels[1]->SpeedButton(7);
    VnSpeedButton* onModule = form.ModulePanels[0]->SpeedButtonY();

    onUnit1->click();
    EXPECT_TRUE(onUnit1->Down());
    EXPECT_EQ(form.PressedPortTag(), 3);
    onUnit2->click();
    EXPECT_FALSE(onUnit1->Down());
    EXPECT_TRUE(onUnit2->Down());
    EXPECT_EQ(form.PressedPortTag(), 64 + 7);
    onUnit2->click();
    EXPECT_TRUE(onUnit2->Down()) << "clicking the pressed button keeps it pressed";
    onModule->click();
    int down = 0;
    for (const auto& button : form.PortButtons)
        down += button->Down() ? 1 : 0;
    EXPECT_EQ(down, 1);
    EXPECT_EQ(form.PressedPortTag(), 64 + 50);
}

std::vector<QAction*> RmonItems(TMainForm& form)
{
    std::vector<QAction*> items;
    for (const char* name : {kVnRmonStatisticsItem, kVnRmonHistoryItem, kVnRmonAlarmEventItem}) {
        QAction* item = form.findChild<QAction*>(name);
        if (item)
            items.push_back(item);
    }
    return items;
}

TEST_F(DefaultStack, RmonItemsFollowTheSwitchsRmonState)
{
    TMainForm& form = Start();
    const std::vector<QAction*> items = RmonItems(form);
    ASSERT_EQ(items.size(), 3u) << "the menu names its RMON items";
    for (QAction* item : items)
        EXPECT_TRUE(item->isEnabled()) << "enabled on the switch";

    sim().set(kRmonState, "INTEGER", "2");
    form.UpdateRmonMenus();
    EXPECT_EQ(form.ST_RmonState->text(), "disabled");
    for (QAction* item : items)
        EXPECT_FALSE(item->isEnabled());

    // A failed read (time-out) says why and leaves the items as they are.
    form.RmonStateRequest->request.timeout = 20;
    form.RmonStateRequest->request.retries = 0;
    sim().drop(kRmonState);
    form.UpdateRmonMenus();
    EXPECT_FALSE(form.StatusPanel0()->text().isEmpty());
    for (QAction* item : items)
        EXPECT_FALSE(item->isEnabled());

    sim().clearFaults();
    sim().set(kRmonState, "INTEGER", "3");
    form.RefreshDeviceView(false);
    for (QAction* item : items)
        EXPECT_TRUE(item->isEnabled()) << "after every build";
}

TEST_F(DefaultStack, FileSystemMenuIsHiddenAtEveryBuild)
{
    TMainForm& form = Start();
    QAction* item = form.findChild<QAction*>(kVnFileSystemManagementItem);
    ASSERT_NE(item, nullptr);
    EXPECT_FALSE(item->isVisible());
    item->setVisible(true);
    form.RefreshDeviceView(false);
    EXPECT_FALSE(item->isVisible());
}

TEST_F(DefaultStack, RefreshRebuildsFromANewWalk)
{
    TMainForm& form = Start();
    ASSERT_EQ(form.UnitPanels.size(), 2);
    const QPointer<TPanelForm> oldUnit = form.UnitPanels[0];
    const QPointer<VnSpeedButton> oldButton = form.PortButtons[0].data();
    const std::string t = std::string(kUnitTable) + ".";
    sim().set(t + "2.3", "INTEGER", "1");
    sim().set(t + "10.3", "STRING", "RQ-4024T");

    form.RefreshDeviceView(false);
    EXPECT_TRUE(oldUnit.isNull()) << "old panels are freed";
    EXPECT_TRUE(oldButton.isNull());
    ASSERT_EQ(form.UnitPanels.size(), 3);
    EXPECT_TRUE(Is<TPanelRQ4024TForm>(form.UnitPanels[2]));
    EXPECT_EQ(form.UnitPanels[2]->pos(), QPoint(0, 180));
    EXPECT_EQ(PanelCount, 3);
    EXPECT_EQ(form.PortButtons.size(), 28 + 52 + 2 + 32);
    EXPECT_EQ(form.PortButtons.back()->Tag, 128 + 24);
    form.PortButtons.back()->click();
    EXPECT_TRUE(form.PortButtons.back()->Down()) << "new buttons are hooked";
}

TEST_F(DefaultStack, UnitWalkFailureIsSaidInPanelZero)
{
    sim().drop(kUnitTable);
    TMainForm& form = Start();
    EXPECT_TRUE(form.StatusPanel0()->text().startsWith("Get Unit Information Failed: asked 127.0.0.1 port "))
        << form.StatusPanel0()->text().toStdString();
    EXPECT_TRUE(form.UnitPanels.empty());
}

TEST_F(DefaultStack, APanelThatFailsIsReportedAndDropped)
{
    TMainForm& form = Start();
    const auto buttons = form.PortButtons.size();
    form.CreateUnitPanel("RQ-4024S", "x");
    EXPECT_EQ(form.StatusPanel0()->text(), "'x' is not a valid integer value");
    EXPECT_EQ(form.UnitPanels.size(), 2);
    EXPECT_EQ(form.PortButtons.size(), buttons);
    int panels = 0;
    for (QObject* child : form.ScrollBox1->widget()->children())
        panels += dynamic_cast<TPanelForm*>(child) ? 1 : 0;
    EXPECT_EQ(panels, 3) << "nothing left behind in the scroll box";
}

TEST_F(DefaultStack, ClosingAsksAndFreesEverything)
{
    TMainForm& form = Start();
    form.SetConfirmClose(true);
    form.show();
    boxes_->SetAnswer(VnMsgAnswer::Cancel);
    EXPECT_FALSE(form.close());
    ASSERT_EQ(boxes_->Texts().size(), 1);
    EXPECT_EQ(boxes_->Texts().back(), "Exit RQ-4024S Management Module?");
    EXPECT_EQ(form.UnitPanels.size(), 2);

    boxes_->SetAnswer(VnMsgAnswer::Ok);
    EXPECT_TRUE(form.close());
    EXPECT_TRUE(form.UnitPanels.empty());
    EXPECT_TRUE(form.ModulePanels.empty());
    EXPECT_EQ(form.UnitRequest, nullptr);
    EXPECT_EQ(form.RmonStateRequest, nullptr);
    EXPECT_EQ(form.SlotModuleRequest, nullptr);
}

// ---- stacks of other shapes

class MixedStack : public MainWindowTest {
protected:
    std::string StackData() const override
    {
        return UnitLines(1, "RQ-4124S") + UnitLines(2, "RQ4024T") + UnitLines(3, "RQ-6026R") +
               UnitLines(4, "RQ-4152S") + UnitLines(5, "RQ6050S") + UnitLines(6, "RQ-4024S*", false) +
               ModuleLine(1, "RM210X") + ModuleLine(2, "-") + ModuleLine(3, "RM210C") +
               ModuleLine(5, "RM999") ;
    }
};

TEST_F(MixedStack, PanelClassesCountTagsAndModules)
{
    TMainForm& form = Start();
    ASSERT_EQ(form.UnitPanels.size(), 4) << "RQ-4152S and an absent unit get no panel";
    EXPECT_TRUE(Is<TPanelRQ4124SForm>(form.UnitPanels[0]));
    EXPECT_TRUE(Is<TPanelRQ4024TForm>(form.UnitPanels[1]));
    EXPECT_TRUE(Is<TPanelRQ6026SForm>(form.UnitPanels[2]));
    EXPECT_TRUE(Is<TPanelRQ6050SForm>(form.UnitPanels[3]));
    EXPECT_EQ(PanelCount, 4);
    for (int i = 0; i < 4; ++i)
        EXPECT_EQ(form.UnitPanels[i]->y(), 90 * i);

    // Unit 1 is no stack member: its module row is not looked at; unit 5's
    // module has an unknown name.
    ASSERT_EQ(form.ModulePanels.size(), 1);
    const TPanelForm* module = form.ModulePanels[0];
    EXPECT_TRUE(Is<TfrmRM210C>(module));
    EXPECT_EQ(module->pos(), QPoint(781, 180));
    EXPECT_EQ(module->SpeedButtonX()->Tag, 128 + 25);
    EXPECT_EQ(module->SpeedButtonY()->Tag, 128 + 26);
    EXPECT_TRUE(AutoScroll(form));

    EXPECT_EQ(form.PortButtons.size(), 24 + 32 + 28 + 2 + 52);
    EXPECT_EQ(form.UnitPanels[1]->SpeedButton(25)->Tag, 64 + 17);
    EXPECT_EQ(form.UnitPanels[1]->SpeedButton(32)->Tag, 64 + 24);
    EXPECT_EQ(form.UnitPanels[3]->SpeedButton(48)->Tag, 256 + 48);
}

class TwoModules : public MainWindowTest {
protected:
    std::string StackData() const override
    {
        return UnitLines(1, "RQ-6050S") + UnitLines(2, "RQ-6050S") + UnitLines(3, "", false) +
               ModuleLine(1, "RM210X") + ModuleLine(2, "RM210X");
    }
};

TEST_F(TwoModules, EachModuleWidensTheWindow)
{
    TMainForm& form = Start();
    ASSERT_EQ(form.ModulePanels.size(), 2);
    EXPECT_EQ(form.ClientWidth(), 783 + 203 + 203);
    EXPECT_EQ(form.ModulePanels[1]->pos(), QPoint(781, 90));
}

class StackOfN : public MainWindowTest, public ::testing::WithParamInterface<int> {
protected:
    std::string StackData() const override
    {
        const char* models[] = {"RQ-4024S", "RQ4024S", "RQ-4024S*", "RQ-4024S", "RQ4024S"};
        std::string data;
        for (int unit = 1; unit <= 5; ++unit)
            data += UnitLines(unit, models[unit - 1], unit <= GetParam());
        return data + ModuleLine(2, "-");
    }
};

TEST_P(StackOfN, FiveUnitPanelsTurnScrollingOn)
{
    TMainForm& form = Start();
    EXPECT_EQ(form.UnitPanels.size(), GetParam());
    EXPECT_EQ(AutoScroll(form), GetParam() >= 5);
    EXPECT_EQ(form.ClientWidth(), 783);
}

INSTANTIATE_TEST_SUITE_P(Units, StackOfN, ::testing::Values(4, 5));

} // namespace
