// Every command a user can reach (shown and enabled) runs from its menu
// item against the simulated switch, opens its window and closes again
// without an error.
#include <QAction>
#include <QApplication>
#include <QPlainTextEdit>
#include <QUrl>

#include <gtest/gtest.h>

#include <algorithm>
#include <set>
#include <string>
#include <vector>

#include "TMsgPanel.h"
#include "TPopupProcessBarForm.h"
#include "TSNMPPanel.h"
#include "VnCommandKinds.h"
#include "VnHelp.h"
#include "VnMainMenu.h"
#include "VnMenuTree.h"
#include "VnProcess.h"
#include "test_commands_support.h"

using namespace commandtest;

namespace {

// Items a user can click: the item and every menu above it shown, and the
// item enabled.
std::vector<const VnMenuItem*> ReachableCommands(const TMainForm& main)
{
    std::vector<const VnMenuItem*> reachable;
    std::vector<bool> shown;  // per depth above the current item
    for (const VnMenuItem& item : VnMainMenuItems()) {
        shown.resize(item.depth);
        bool visible = item.visible;
        for (bool parent : shown)
            visible = visible && parent;
        shown.push_back(visible);
        if (!visible || item.kind == VnCommandKind::None)
            continue;
        QAction* action = VnMenuAction(main, item.name);
        if (action && action->isEnabled())
            reachable.push_back(&item);
    }
    return reachable;
}

// The status lines of every SNMP panel of a generic editor.
QString StatusText(QWidget& form)
{
    QString text;
    for (TSNMPPanel* panel : form.findChildren<TSNMPPanel*>()) {
        if (panel->StatusPanel())
            text += panel->StatusPanel()->Memo->toPlainText();
    }
    return text;
}

// A switch serving the objects of every menu area's editors: the demo's
// data (scripts/run.sh loads the same list).
class AllCommands : public MainFormTest {
protected:
    SimSwitchOptions switchOptions() const override
    {
        SimSwitchOptions options;
        options.dataFiles = SimSwitch::dataList("demo.list");
        return options;
    }
};

TEST_F(AllCommands, EveryShownEnabledCommandOpensAndClosesWithoutError)
{
    std::vector<std::string> started;
    VnScopedProcessStarter starter([&](const std::string& program, const std::vector<std::string>& args) {
        started.push_back(program + " " + args.back());
        return true;
    });
    VnScopedUrlOpener opener([](const QUrl&) { return true; });

    std::vector<const VnMenuItem*> commands = ReachableCommands(Main());
    // Exit last: it closes the window the others run from.
    std::stable_partition(commands.begin(), commands.end(),
                          [](const VnMenuItem* item) { return std::string(item->name) != "Exit1"; });
    ASSERT_FALSE(commands.empty());
    std::set<std::string> modules;
    int editors = 0;

    for (const VnMenuItem* item : commands) {
        SCOPED_TRACE(item->name);
        Boxes().Clear();
        QAction* action = VnMenuAction(Main(), item->name);
        const bool modal = WithModal([&] { action->trigger(); }, [&](QWidget* window) {
            if (auto* form = qobject_cast<TConfigForm*>(window)) {
                ++editors;
                ASSERT_TRUE(WaitForRefresh(*form, 15000));
                const QString status = StatusText(*form);
                EXPECT_FALSE(status.isEmpty());
                EXPECT_TRUE(status.startsWith("Get: (VnSNMP++) Ok!")) << status.toStdString();
                return;
            }
            RunEvents(20);
        },
        // The refresh box closes itself once the device view is rebuilt.
        [](QWidget* window) { return dynamic_cast<TPopupProcessBarForm*>(window) != nullptr; });
        switch (item->kind) {
        case VnCommandKind::ScalarEditor:
        case VnCommandKind::TableEditor:
        case VnCommandKind::PageEditor:
        case VnCommandKind::Dialog:
            EXPECT_TRUE(modal) << "no window came up";
            break;
        case VnCommandKind::Module:
            EXPECT_FALSE(modal);
            modules.insert(item->name);
            break;
        default:
            break;
        }
        // Only the questions these commands ask themselves.
        QStringList expected;
        if (std::string(item->name) == "RefreshPanel1")
            expected << "Refresh panel may take a long time. Are you sure?";
        if (std::string(item->name) == "Exit1")
            expected << "Exit RQ-4024S Management Module?";
        EXPECT_EQ(Boxes().Texts(), expected) << Boxes().Texts().join("|").toStdString();
    }

    EXPECT_EQ(started.size(), modules.size());
    EXPECT_GE(editors, 12) << "the shown device, equipment, agent and time editors at least";
}

} // namespace
