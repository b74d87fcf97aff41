// The demo's switch (scripts/run.sh) serves what every editor and dialog
// reads: it loads the data list the all-commands test loads, and with that
// data no editor shows a column it could not read or a scalar without a
// value.
#include <QAbstractButton>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QTreeWidget>

#include <fstream>
#include <map>
#include <regex>
#include <set>
#include <span>
#include <sstream>

#include "TDialogBase.h"
#include "VnCommandKinds.h"
#include "VnCommandTable.h"
#include "VnSpeedButton.h"
#include "test_commands_support.h"

using namespace commandtest;

namespace {

std::string ReadFile(const std::string& path)
{
    std::ifstream in(path);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

TEST(DemoData, RunShLoadsTheListTheAllCommandsTestLoads)
{
    const std::string script = ReadFile(SimSwitch::dataPath("../../../scripts/run.sh"));
    ASSERT_FALSE(script.empty());
    EXPECT_NE(script.find("\"$DATA/demo.list\""), std::string::npos) << "run.sh reads its data files from demo.list";
    // Any other data file named there would be one the test does not load.
    std::set<std::string> named;
    const std::regex sim(R"(([\w.-]+)\.sim\b)");
    for (auto it = std::sregex_iterator(script.begin(), script.end(), sim); it != std::sregex_iterator(); ++it)
        named.insert((*it)[1].str());
    EXPECT_EQ(named, std::set<std::string>{"default"}) << "only default.sim comes before the list";

    const std::vector<std::string> list = SimSwitch::dataList("demo.list");
    EXPECT_GE(list.size(), 12);
    for (const std::string& path : list)
        EXPECT_TRUE(std::ifstream(path).good()) << path;
}

// Cells and fields that cannot have a value on any switch, with the reason.
const std::map<std::string, std::string> kGenuineGaps = {
};

class DemoEditors : public MainFormTest {
protected:
    SimSwitchOptions switchOptions() const override
    {
        SimSwitchOptions options;
        options.dataFiles = SimSwitch::dataList("demo.list");
        return options;
    }

    // A list without rows, "(NOTDONE)" cells of every list and "(NULL)" or
    // "(NOTDONE)" in every field of `window`, as "<list> no rows",
    // "<list>[<column>]" and "<field>=<text>".
    static std::set<std::string> Gaps(QWidget& window)
    {
        std::set<std::string> gaps;
        for (QTreeWidget* list : window.findChildren<QTreeWidget*>()) {
            if (!list->isVisibleTo(&window))
                continue;
            if (list->topLevelItemCount() == 0)
                gaps.insert(list->objectName().toStdString() + " no rows");
            for (int row = 0; row < list->topLevelItemCount(); ++row) {
                const QTreeWidgetItem* item = list->topLevelItem(row);
                for (int column = 0; column < list->columnCount(); ++column) {
                    if (item->text(column) == kVnNotDoneValue)
                        gaps.insert(list->objectName().toStdString() + "[" +
                                    list->headerItem()->text(column).toStdString() + "]");
                }
            }
        }
        int fields = 0;
        const auto field = [&](QWidget* widget, const QString& text) {
            ++fields;
            if (!widget->isVisibleTo(&window) || (text != kVnNullValue && text != kVnNotDoneValue))
                return;
            const QString name = widget->objectName().isEmpty()
                                     ? QString("%1#%2").arg(widget->metaObject()->className()).arg(fields)
                                     : widget->objectName();
            gaps.insert(name.toStdString() + "=" + text.toStdString());
        };
        for (QLineEdit* edit : window.findChildren<QLineEdit*>()) {
            if (!qobject_cast<QComboBox*>(edit->parentWidget()))
                field(edit, edit->text());
        }
        for (QLabel* label : window.findChildren<QLabel*>())
            field(label, label->text());
        for (QComboBox* combo : window.findChildren<QComboBox*>())
            field(combo, combo->currentText());
        return gaps;
    }

    // Until every reader of the window is idle.
    static bool WaitIdle(QWidget& window)
    {
        if (auto* form = qobject_cast<TConfigForm*>(&window))
            return WaitForRefresh(*form);
        if (auto* dialog = dynamic_cast<TDialogBase*>(&window))
            return RunUntil([&] { return !dialog->AnyBinderBusy(); });
        RunEvents(20);
        return true;
    }
};

// The commands in groups, each a test of its own: all at once would take
// minutes on a loaded machine.
struct CommandGroup {
    const char* name;
    std::vector<std::string> (*commands)();
};

void PrintTo(const CommandGroup& group, std::ostream* os)
{
    *os << group.name;
}

template <std::span<const VnEditorCommand> (*Area)()>
std::vector<std::string> EditorsOf()
{
    std::vector<std::string> names;
    for (const VnEditorCommand& command : Area())
        names.push_back(command.name);
    return names;
}

// Dialogs with a factory, the first or the second half of them.
template <int Half>
std::vector<std::string> Dialogs()
{
    std::vector<std::string> names;
    for (const VnDialogCommand& command : VnDialogCommands()) {
        if (command.factory)
            names.push_back(command.name);
    }
    const auto middle = names.begin() + static_cast<std::ptrdiff_t>(names.size() / 2);
    return Half == 0 ? std::vector<std::string>(names.begin(), middle) : std::vector<std::string>(middle, names.end());
}

const CommandGroup kGroups[] = {
    {"Device", EditorsOf<VnDeviceEditorCommands>},       {"Bridge", EditorsOf<VnBridgeEditorCommands>},
    {"Layer2", EditorsOf<VnLayer2EditorCommands>},       {"Security", EditorsOf<VnSecurityEditorCommands>},
    {"Layer3", EditorsOf<VnLayer3EditorCommands>},       {"SnmpV3", EditorsOf<VnSnmpV3EditorCommands>},
    {"Management", EditorsOf<VnManagementEditorCommands>}, {"DialogsA", Dialogs<0>},
    {"DialogsB", Dialogs<1>},
};

TEST(DemoEditorGroups, CoverEveryEditorAndDialog)
{
    std::set<std::string> grouped;
    for (const CommandGroup& group : kGroups) {
        for (const std::string& name : group.commands())
            grouped.insert(name);
    }
    std::set<std::string> all;
    for (const VnEditorCommand* command : VnEditorCommands())
        all.insert(command->name);
    for (const VnDialogCommand& command : VnDialogCommands()) {
        if (command.factory)
            all.insert(command.name);
    }
    EXPECT_EQ(grouped, all);
}

class DemoEditorsOf : public DemoEditors, public ::testing::WithParamInterface<CommandGroup> {};

TEST_P(DemoEditorsOf, ShowAValueInEveryCell)
{
    const std::vector<std::string> names = GetParam().commands();
    ASSERT_FALSE(names.empty());

    // The port pop-up's editors read the row of the port their menu was
    // opened on: a port of the demo's third unit, whose rows the demo adds.
    Main().RefreshDeviceView(true);
    VnSpeedButton* port = nullptr;
    for (const auto& button : Main().PortButtons) {
        if (button && button->Tag >= 129 && !port)
            port = button;
    }
    ASSERT_NE(port, nullptr) << "the demo shows its third unit";
    emit port->customContextMenuRequested(QPoint(1, 1));
    Main().PortInfoPopupMenu->hide();
    ASSERT_EQ(Main().PopupPortButton(), port);

    std::map<std::string, std::set<std::string>> found;
    for (const std::string& name : names) {
        SCOPED_TRACE(name);
        const bool modal = WithModal(
            [&] {
                try {
                    VnRunCommand(Main(), name);
                } catch (const std::exception& e) {
                    found[name].insert(std::string("raised: ") + e.what());
                }
            },
            [&](QWidget* window) {
                ASSERT_TRUE(WaitIdle(*window));
                for (const std::string& gap : Gaps(*window))
                    found[name].insert(gap);
            });
        if (!modal && !found.count(name))
            found[name].insert("no window");
    }

    std::map<std::string, std::set<std::string>> unexpected;
    for (const auto& [name, gaps] : found) {
        for (const std::string& gap : gaps) {
            if (!kGenuineGaps.count(name + " " + gap))
                unexpected[name].insert(gap);
        }
    }
    std::string report;
    for (const auto& [name, gaps] : unexpected) {
        report += name + ":";
        for (const std::string& gap : gaps)
            report += " " + gap;
        report += "\n";
    }
    EXPECT_TRUE(unexpected.empty()) << report;
}

INSTANTIATE_TEST_SUITE_P(Demo, DemoEditorsOf, ::testing::ValuesIn(kGroups),
                         [](const auto& info) { return std::string(info.param.name); });

}  // namespace
