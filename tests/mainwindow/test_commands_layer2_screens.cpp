// Pictures of the RMON, bridge, VLAN-priority and layer-2 editors for a
// person to look at: written only when VN_SCREENSHOT_DIR names a folder.
// Editors with size steps are taken again as large fonts show them.
#include <QAction>
#include <QDir>
#include <QFont>

#include <gtest/gtest.h>

#include "VnCommandKinds.h"
#include "VnMainMenu.h"
#include "test_commands_layer2_support.h"

using namespace commandtest;
using namespace layer2test;

namespace {

QString ScreenFolder() { return qEnvironmentVariable("VN_SCREENSHOT_DIR"); }

bool HasSizeSteps(const VnEditorCommand& command)
{
    for (const VnEditorStep& step : command.steps) {
        if (step.kind != VnEditorStepKind::Format)
            return true;
    }
    return false;
}

// Large fonts: the steps scale by 1.25 and so does the text.
class LargeFonts {
public:
    LargeFonts(TMainForm& main) : main_(main), font_(QApplication::font())
    {
        main_.FontScale = 1.25f;
        QFont large = font_;
        large.setPointSizeF(font_.pointSizeF() * 1.25);
        QApplication::setFont(large);
    }
    ~LargeFonts()
    {
        main_.FontScale = 1.0f;
        QApplication::setFont(font_);
    }

private:
    TMainForm& main_;
    QFont font_;
};

// Opens the editor by `open`, waits for its values and saves the window;
// a table editor whose Edit form has inputs of a width of their own also
// its Edit form on the first row.
void Shoot(const std::function<void()>& open, const QString& file, bool editForm = false)
{
    const bool shown = WithModal(open, [&](QWidget* window) {
        auto* form = qobject_cast<TConfigForm*>(window);
        ASSERT_TRUE(form && WaitForRefresh(*form, 20000));
        RunEvents(300);  // inputs and columns fit their texts
        EXPECT_TRUE(window->grab().save(ScreenFolder() + "/" + file + ".png"));
        auto* table = form->findChild<TSNMPListViewPanel*>();
        if (!editForm || !table)
            return;
        QTreeWidget* view = table->ListViewPanel->ListView;
        view->setCurrentItem(view->topLevelItem(0));
        if (!table->CtrlBtnPanel->EditBtn->isEnabled())
            return;
        EXPECT_TRUE(WithModalOver(form, [&] { table->CtrlBtnPanel->EditBtn->click(); }, [&](QDialog* edit) {
            RunEvents(100);
            EXPECT_TRUE(edit->grab().save(ScreenFolder() + "/" + file + "-edit.png"));
        }));
    });
    EXPECT_TRUE(shown) << file.toStdString();
}

bool WidensItsEditForm(const VnEditorCommand& command)
{
    for (const VnEditorStep& step : command.steps) {
        if (step.kind == VnEditorStepKind::GrowEditsPanelWidth)
            return true;
    }
    return false;
}

class Layer2Screens : public Layer2CommandTest {
protected:
    void SetUp() override
    {
        if (ScreenFolder().isEmpty())
            GTEST_SKIP() << "VN_SCREENSHOT_DIR is not set";
        QDir().mkpath(ScreenFolder());
        Layer2CommandTest::SetUp();
    }
};

TEST_F(Layer2Screens, EveryEditor)
{
    for (const VnEditorCommand* command : Layer2Editors()) {
        if (IsPopupEditor(*command))
            continue;
        const QString name = QString::fromLatin1(command->name).chopped(5);
        const bool editForm = WidensItsEditForm(*command);
        Shoot([&] { VnRunCommand(Main(), command->name); }, "layer2-" + name, editForm);
        if (!HasSizeSteps(*command))
            continue;
        LargeFonts large(Main());
        Shoot([&] { VnRunCommand(Main(), command->name); }, "layer2-" + name + "-125", editForm);
    }
}

class Layer2PopupScreens : public Layer2WindowTest {
protected:
    void SetUp() override
    {
        if (ScreenFolder().isEmpty())
            GTEST_SKIP() << "VN_SCREENSHOT_DIR is not set";
        QDir().mkpath(ScreenFolder());
        Layer2WindowTest::SetUp();
    }
};

TEST_F(Layer2PopupScreens, PortPopupEditors)
{
    TMainForm& form = Start();
    VnSpeedButton* port = ButtonOf(form, 65);
    ASSERT_TRUE(port);
    OpenPopupOn(form, port);
    for (const char* item : {"PortInformation1", "PortConfiguration2"}) {
        QAction* action = VnMenuAction(form, item);
        Shoot([&] { action->trigger(); }, QString("layer2-popup-") + item);
        LargeFonts large(form);
        Shoot([&] { action->trigger(); }, QString("layer2-popup-") + item + "-125");
    }
}

} // namespace
