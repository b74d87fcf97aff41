// The layer-2 commands that work with the device view: "RMON Control"
// switching the RMON module items on closing, and the port pop-up's two
// editors reading and writing the row of the clicked port.
#include <QAction>

#include <gtest/gtest.h>

#include "VnCommandKinds.h"
#include "VnMainMenu.h"
#include "test_commands_layer2_support.h"

using namespace commandtest;
using namespace layer2test;

namespace {

const std::string kEnt = "1.3.6.1.4.1.88406";

int DownCount(TMainForm& form)
{
    int down = 0;
    for (const auto& button : form.PortButtons)
        down += button && button->Down() ? 1 : 0;
    return down;
}

std::vector<bool> RmonItemsEnabled(TMainForm& form)
{
    std::vector<bool> enabled;
    for (const char* name : {kVnRmonStatisticsItem, kVnRmonHistoryItem, kVnRmonAlarmEventItem})
        enabled.push_back(VnMenuAction(form, name)->isEnabled());
    return enabled;
}

TEST_F(Layer2WindowTest, ClosingRmonControlSwitchesTheRmonItems)
{
    TMainForm& form = Start();
    ASSERT_EQ(RmonItemsEnabled(form), (std::vector<bool>{true, true, true}));
    for (const auto& [state, value, enabled] : {std::tuple{"disabled", "2", false}, {"enabled", "3", true}}) {
        SCOPED_TRACE(state);
        sim().clearSets();
        const bool shown = WithModal([&] { VnRunCommand(form, "RMONControl1Click"); }, [&](QWidget* window) {
            auto* editor = qobject_cast<TConfigForm*>(window);
            ASSERT_TRUE(editor && WaitForRefresh(*editor));
            EXPECT_EQ(editor->windowTitle(), "RMON Control: 127.0.0.1");
            auto* panel = editor->findChild<TSNMPEditorPanel*>();
            ComboOf(*panel, 0)->setCurrentText(state);
            EXPECT_TRUE(panel->SetCheckedBtnClick(panel->CtrlBtnPanel->SetCheckedBtn));
            ASSERT_TRUE(WaitForRefresh(*editor));
            EXPECT_EQ(RmonItemsEnabled(form), (std::vector<bool>{!enabled, !enabled, !enabled}))
                << "only closing the editor updates them";
        });
        ASSERT_TRUE(shown);
        EXPECT_EQ(SetVarbinds(sim()), std::vector<std::string>{kEnt + ".11.59.5.2.1.2.3.0=" + value});
        EXPECT_EQ(RmonItemsEnabled(form), (std::vector<bool>{enabled, enabled, enabled}));
        EXPECT_TRUE(VnMenuAction(form, "RMONControl1")->isEnabled());
    }
}

TEST_F(Layer2WindowTest, PortConfigurationReadsAndWritesTheClickedPortOnly)
{
    TMainForm& form = Start();
    VnSpeedButton* port65 = ButtonOf(form, 65);
    VnSpeedButton* port3 = ButtonOf(form, 3);
    ASSERT_TRUE(port65 && port3);
    port3->click();
    ASSERT_EQ(form.PressedPortTag(), 3);

    OpenPopupOn(form, port65);
    const bool shown = WithModal([&] { VnMenuAction(form, "PortConfiguration2")->trigger(); }, [&](QWidget* window) {
        auto* editor = qobject_cast<TConfigForm*>(window);
        ASSERT_TRUE(editor);
        EXPECT_EQ(editor->windowTitle(), "Port Configuration: 127.0.0.1");
        EXPECT_TRUE(port65->Down());
        EXPECT_EQ(DownCount(form), 1);
        ASSERT_TRUE(WaitForRefresh(*editor));
        const VnSNMPVarList& list = editor->Requests()[0]->request.varList;
        EXPECT_EQ(list.name, "65");
        EXPECT_EQ(list.Item(0).lastOid, kEnt + ".11.59.5.2.3.2.1.1.65");
        auto* panel = editor->findChild<TSNMPEditorPanel*>();
        EXPECT_EQ(EditOf(*panel, 0)->text(), "65");
        EXPECT_EQ(EditOf(*panel, 1)->text(), "2") << "unit 2's row";
        EXPECT_EQ(panel->EditsPanel->EditWidth, TEditsPanel::kDefaultEditWidth + 80);

        ComboOf(*panel, 2)->setCurrentText("disabled");
        RowOf(*panel, 2).CheckBox->setChecked(true);
        ComboOf(*panel, 4)->setCurrentText("enabled");
        RowOf(*panel, 4).CheckBox->setChecked(true);
        EXPECT_TRUE(panel->SetCheckedBtnClick(panel->CtrlBtnPanel->SetCheckedBtn));
    });
    ASSERT_TRUE(shown);
    const std::string column = kEnt + ".11.59.5.2.3.2.1.";
    EXPECT_EQ(SetVarbinds(sim()), (std::vector<std::string>{column + "3.65=2", column + "5.65=3"}));
    EXPECT_EQ(sim().get(column + "3.1")->value, "3") << "port 1 untouched";
    EXPECT_TRUE(port65->Down()) << "stays the selected port";
    EXPECT_EQ(DownCount(form), 1);
}

TEST_F(Layer2WindowTest, PortInformationShowsTheClickedPortsRow)
{
    TMainForm& form = Start();
    VnSpeedButton* port = ButtonOf(form, 64 + 45);
    ASSERT_TRUE(port);
    OpenPopupOn(form, port);
    const bool shown = WithModal([&] { VnMenuAction(form, "PortInformation1")->trigger(); }, [&](QWidget* window) {
        auto* editor = qobject_cast<TConfigForm*>(window);
        ASSERT_TRUE(editor && WaitForRefresh(*editor));
        EXPECT_EQ(editor->windowTitle(), "Port Information Table: 127.0.0.1");
        auto* panel = editor->findChild<TSNMPEditorPanel*>();
        EXPECT_EQ(EditOf(*panel, 0)->text(), "109");
        EXPECT_EQ(EditOf(*panel, 3)->text(), "link-fail");
        EXPECT_EQ(panel->EditsPanel->EditWidth, TEditsPanel::kDefaultEditWidth + 70);
        EXPECT_TRUE(panel->CtrlBtnPanel->SetCheckedBtn->isHidden()) << "nothing to write";
    });
    ASSERT_TRUE(shown);
    EXPECT_EQ(form.PressedPortTag(), 64 + 45);
    EXPECT_TRUE(sim().sets().empty());
}

TEST_F(Layer2WindowTest, APopupCommandWithoutAPortOpensNothing)
{
    TMainForm& form = Start();
    boxes_->Clear();
    const bool shown = WithModal([&] { VnExecuteCommand(form, "PortConfiguration2Click"); }, [](QWidget*) {});
    EXPECT_FALSE(shown);
    EXPECT_EQ(boxes_->Texts(), QStringList{"Choose a port first."});
    EXPECT_EQ(form.PressedPortTag(), -1);
}

} // namespace
