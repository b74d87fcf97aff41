// The main menu: its tree (captions, order, hidden items, kinds), the
// widgets built from it, and which items can run.
#include <QAction>
#include <QMenu>
#include <QMenuBar>

#include <gtest/gtest.h>

#include <map>
#include <set>
#include <string>
#include <vector>

#include "VnCommandKinds.h"
#include "VnCommandTable.h"
#include "VnMainMenu.h"
#include "VnMenuTree.h"
#include "VnOwnCommands.h"
#include "test_commands_support.h"

using namespace commandtest;

namespace {

using K = VnCommandKind;

// "Basic Configuration/Device Management/Alarm Control" for each item.
std::vector<std::string> ItemPaths(std::span<const VnMenuItem> items)
{
    std::vector<std::string> paths;
    std::vector<std::string> open;
    for (const VnMenuItem& item : items) {
        open.resize(item.depth);
        std::string path;
        for (const std::string& parent : open)
            path += parent + "/";
        path += item.caption;
        paths.push_back(path);
        open.push_back(item.caption);
    }
    return paths;
}

const VnMenuItem* ItemAt(const std::string& path)
{
    const auto items = VnMainMenuItems();
    const auto paths = ItemPaths(items);
    for (std::size_t i = 0; i < items.size(); ++i) {
        if (paths[i] == path)
            return &items[i];
    }
    return nullptr;
}

TEST(MenuTree, HasTheCountsOfTheWholeMenu)
{
    const auto items = VnMainMenuItems();
    EXPECT_EQ(items.size(), 320u);
    std::map<K, int> kinds;
    for (const VnMenuItem& item : items)
        ++kinds[item.kind];
    for (const VnMenuItem& item : VnPortPopupItems())
        ++kinds[item.kind];
    EXPECT_EQ(kinds[K::ScalarEditor], 59);
    EXPECT_EQ(kinds[K::TableEditor], 73);
    EXPECT_EQ(kinds[K::PageEditor], 1);
    EXPECT_EQ(kinds[K::Dialog], 57);
    EXPECT_EQ(kinds[K::Module], 25);
    EXPECT_EQ(kinds[K::Own], 4);
    EXPECT_EQ(kinds[K::ScalarEditor] + kinds[K::TableEditor] + kinds[K::PageEditor] + kinds[K::Dialog] +
                  kinds[K::Module] + kinds[K::Own],
              219);

    std::vector<std::string> topLevel;
    for (const VnMenuItem& item : items) {
        if (item.depth == 0)
            topLevel.push_back(item.caption);
    }
    EXPECT_EQ(topLevel, (std::vector<std::string>{"Basic Configuration", "RMON", "Bridge", "SNMP V3", "VLAN",
                                                  "Security Management", "Layer 2 Management",
                                                  "Layer 3 Management", "Single IP", "Help"}));
    ASSERT_EQ(VnPortPopupItems().size(), 2u);
    EXPECT_STREQ(VnPortPopupItems()[0].caption, "Port Information");
    EXPECT_STREQ(VnPortPopupItems()[1].caption, "Port Configuration");
}

TEST(MenuTree, NamesAreUniqueAndDepthsNest)
{
    std::set<std::string> names;
    int previousDepth = -1;
    for (auto items : {VnMainMenuItems(), VnPortPopupItems()}) {
        for (const VnMenuItem& item : items) {
            EXPECT_TRUE(names.insert(item.name).second) << item.name;
            EXPECT_LE(item.depth, previousDepth + 1) << item.name << ": a level skipped";
            previousDepth = item.depth;
            if (VnIsSeparator(item)) {
                EXPECT_EQ(item.kind, K::None) << item.name;
            }
        }
        previousDepth = -1;
    }
}

struct TreeCase {
    const char* path;
    bool visible;
    K kind;
    const char* name;  // null: not checked
    const char* why;
};

const TreeCase kTreeCases[] = {
    {"Basic Configuration/Moudle Basic Configuration", false, K::None, nullptr, "misspelt, hidden, no command"},
    {"Basic Configuration/Device Management/System Information", true, K::Module, nullptr, "a sibling module"},
    {"Basic Configuration/Device Management/Device Control", false, K::PageEditor, "DeviceControl1",
     "the one page form, hidden"},
    {"Basic Configuration/Device Management/Alarm Control", true, K::ScalarEditor, "AlarmControl1",
     "the handler name the system's users know"},
    {"Basic Configuration/Device Management/System Log/System Log Host", true, K::Dialog, "SystemLogHost1",
     "a dialog three levels down"},
    {"Basic Configuration/Equipment Management/Fan Information", true, K::TableEditor, nullptr, "a table"},
    {"Basic Configuration/Agent Management/Basic Information", false, K::ScalarEditor, "BasicInformation2",
     "second item of that caption"},
    {"Basic Configuration/Agent Management/IP Protocol Configure", false, K::ScalarEditor, nullptr,
     "hidden scalar editor"},
    {"Basic Configuration/Time Management/Current Time", false, K::ScalarEditor, nullptr, "hidden"},
    {"Basic Configuration/File System Management/Operate Control/Copy File", false, K::Dialog, "CopyFile1",
     "hidden dialog of mode 15"},
    {"Basic Configuration/File System Management/Operate Control/-", false, K::None, nullptr,
     "a hidden separator"},
    {"Basic Configuration/Exit", true, K::Own, "Exit1", "own command"},
    {"RMON/Statistics", true, K::Module, "RmonStatistics1", "the device view switches it by this name"},
    {"Bridge/802.1d/Port Table", false, K::TableEditor, nullptr, "hidden table"},
    {"SNMP V3/View-based Access Control Modle/View MIB Tree Family Table", true, K::TableEditor, nullptr,
     "misspelt parent"},
    {"VLAN/802.1Q/802.1Q VLAN/Static Table", true, K::Dialog, "StaticTable2",
     "the first Static Table is the hidden bridge one"},
    {"Security Management/802.1X/MAC Based Authentication/EAP Over Land  Frames Statistic Table", true, K::Dialog,
     "StatisticTable1", "two blanks kept"},
    {"Security Management/TACACS+/AAC AP Login Method Control", true, K::Dialog, "LoginMethodControl",
     "a handler name without number"},
    {"Layer 2 Management/Port Management/Port Trunk Table", true, K::Dialog, "PortTrunk2", "named handler"},
    {"Layer 2 Management/802.3 ad/Aggregator Port Table", true, K::Dialog, "AggreatorPortTable1",
     "misspelt handler name"},
    {"Layer 3 Management/OSPF (RFC1850)/Lsdb  Info", true, K::Module, nullptr, "two blanks kept"},
    {"Layer 3 Management/PIM Management/PIM Regeister Checksum Including Data Infor", true, K::TableEditor,
     nullptr, "misspelt caption"},
    {"Single IP/Member Switch", true, K::Dialog, "MemberSwitch1", "dialog captioned without address"},
    {"Help/Help", true, K::Own, "Help2", "help"},
    {"Help/About", true, K::Own, "About1", "about box"},
    {"Help/Test", false, K::None, nullptr, "hidden, no command"},
};

TEST(MenuTree, ItemsHaveTheirCaptionVisibilityAndKind)
{
    for (const TreeCase& c : kTreeCases) {
        SCOPED_TRACE(c.path);
        SCOPED_TRACE(c.why);
        const VnMenuItem* item = ItemAt(c.path);
        ASSERT_NE(item, nullptr);
        EXPECT_EQ(item->visible, c.visible);
        EXPECT_EQ(item->kind, c.kind);
        if (c.name) {
            EXPECT_STREQ(item->name, c.name);
        }
    }
}

// Every record is reached from exactly one item of the same kind.
TEST(MenuTree, EveryCommandRecordBelongsToAnItemOfItsKind)
{
    std::map<std::string, K> itemKinds;
    for (auto items : {VnMainMenuItems(), VnPortPopupItems()}) {
        for (const VnMenuItem& item : items) {
            if (item.kind != K::None)
                itemKinds[VnCommandName(item)] = item.kind;
        }
    }
    for (const VnEditorCommand* command : VnEditorCommands()) {
        SCOPED_TRACE(command->name);
        ASSERT_TRUE(itemKinds.count(command->name));
        EXPECT_EQ(itemKinds[command->name], command->kind);
    }
    for (const VnDialogCommand& command : VnDialogCommands()) {
        SCOPED_TRACE(command.name);
        ASSERT_TRUE(itemKinds.count(command.name));
        EXPECT_EQ(itemKinds[command.name], K::Dialog);
    }
    for (const VnModuleCommand& command : VnModuleCommands()) {
        SCOPED_TRACE(command.name);
        ASSERT_TRUE(itemKinds.count(command.name));
        EXPECT_EQ(itemKinds[command.name], K::Module);
    }
    // Every dialog, module and own item has its record already.
    for (const auto& [name, kind] : itemKinds) {
        SCOPED_TRACE(name);
        if (kind == K::Dialog) {
            EXPECT_NE(VnFindDialogCommand(name), nullptr);
        }
        if (kind == K::Module) {
            EXPECT_NE(VnFindModuleCommand(name), nullptr);
        }
        if (kind == K::Own) {
            EXPECT_NE(VnFindOwnCommand(name), nullptr);
        }
    }
}

// ---- the widgets

struct BuiltItem {
    int depth;
    std::string name;
    std::string caption;
    bool visible;
};

void Collect(const QList<QAction*>& actions, int depth, std::vector<BuiltItem>& out)
{
    for (QAction* action : actions) {
        const std::string caption = action->isSeparator() ? kVnSeparatorCaption : action->text().toStdString();
        out.push_back({depth, action->objectName().toStdString(), caption, action->isVisible()});
        if (action->menu())
            Collect(action->menu()->actions(), depth + 1, out);
    }
}

class MainMenu : public MainFormTest {};

TEST_F(MainMenu, TheMenuBarMirrorsTheTree)
{
    std::vector<BuiltItem> built;
    Collect(Main().MainMenu1->actions(), 0, built);
    const auto items = VnMainMenuItems();
    ASSERT_EQ(built.size(), items.size());
    for (std::size_t i = 0; i < items.size(); ++i) {
        SCOPED_TRACE(items[i].name);
        EXPECT_EQ(built[i].depth, items[i].depth);
        EXPECT_EQ(built[i].name, items[i].name);
        EXPECT_EQ(built[i].caption, items[i].caption);
    }

    std::vector<BuiltItem> popup;
    Collect(Main().PortInfoPopupMenu->actions(), 0, popup);
    ASSERT_EQ(popup.size(), 2u);
    EXPECT_EQ(popup[0].caption, "Port Information");
    EXPECT_EQ(popup[1].caption, "Port Configuration");
    EXPECT_EQ(Main().PortInfoPopupMenu->objectName(), "PortInfoPopupMenu");
}

TEST_F(MainMenu, HiddenItemsAreHiddenAndTheRestShown)
{
    for (const VnMenuItem& item : VnMainMenuItems()) {
        // The device view hides "File System Management" on every build;
        // this window has built none.
        QAction* action = VnMenuAction(Main(), item.name);
        ASSERT_NE(action, nullptr) << item.name;
        EXPECT_EQ(action->isVisible(), item.visible) << item.name;
    }
}

struct EnabledCase {
    const char* name;
    bool enabled;
    const char* why;
};

const EnabledCase kEnabledCases[] = {
    {"AlarmControl1", true, "a generic editor with its record"},
    {"SystemInformation1", true, "sibling modules work"},
    {"Exit1", true, "own command"},
    {"About1", true, "own command"},
    {"SystemLogControl1", true, "a generic editor of the management area"},
    {"DaylightSavingTime1", true, "a built dialog of the management area"},
    {"BasicInformation1", true, "a built dialog"},
    {"StaticTable2", true, "a built dialog"},
    {"DeviceManagement1", true, "a submenu"},
};

TEST_F(MainMenu, OnlyItemsThatCanRunAreEnabled)
{
    for (const EnabledCase& c : kEnabledCases) {
        SCOPED_TRACE(c.name);
        SCOPED_TRACE(c.why);
        QAction* action = VnMenuAction(Main(), c.name);
        ASSERT_NE(action, nullptr);
        EXPECT_EQ(action->isEnabled(), c.enabled);
    }
}

} // namespace
