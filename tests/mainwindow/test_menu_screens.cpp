// Pictures of the main menu and of generic editors, for a person to look
// at: written only when VN_SCREENSHOT_DIR names a folder.
#include <QAction>
#include <QMenu>
#include <QMenuBar>
#include <QPainter>
#include <QTabWidget>

#include "TConfigForm.h"
#include "VnCommandKinds.h"
#include "VnMainMenu.h"
#include "test_commands_support.h"
#include "test_deviceview_support.h"

namespace {

QString ScreenFolder() { return qEnvironmentVariable("VN_SCREENSHOT_DIR"); }

class MenuScreens : public deviceviewtest::MainWindowTest {
protected:
    void SetUp() override
    {
        if (ScreenFolder().isEmpty())
            GTEST_SKIP() << "VN_SCREENSHOT_DIR is not set";
        commandtest::EnterScratchFolder();
        MainWindowTest::SetUp();
    }

    SimSwitchOptions switchOptions() const override
    {
        SimSwitchOptions options = MainWindowTest::switchOptions();
        options.dataFiles.push_back(SimSwitch::dataPath("commands-device.sim"));
        return options;
    }

    void Save(const QPixmap& picture, const QString& name)
    {
        const QString path = ScreenFolder() + "/" + name + ".png";
        EXPECT_TRUE(picture.save(path)) << path.toStdString();
    }

    // The editor of a command after its first refresh.
    void SaveEditor(const char* command, const QString& name, int page = 0)
    {
        const bool shown = commandtest::WithModal([&] { VnRunCommand(*form_, command); }, [&](QWidget* window) {
            auto* form = qobject_cast<TConfigForm*>(window);
            ASSERT_NE(form, nullptr);
            ASSERT_TRUE(commandtest::WaitForRefresh(*form));
            if (page > 0) {
                form->PageControl()->setCurrentIndex(page);
                ASSERT_TRUE(commandtest::WaitForRefresh(*form));
            }
            RunEvents(250);  // a table's columns fit their texts once the rows stop coming
            Save(form->grab(), name);
        });
        EXPECT_TRUE(shown);
    }
};

// Popup menus are windows of their own: paint them over the main window
// where they stand on the screen.
QPixmap Composite(QWidget& main, const std::vector<QMenu*>& menus)
{
    const QPoint origin = main.mapToGlobal(QPoint(0, 0));
    QRect area(QPoint(0, 0), main.size());
    for (QMenu* menu : menus)
        area |= QRect(menu->mapToGlobal(QPoint(0, 0)) - origin, menu->size());
    QPixmap canvas(area.size());
    canvas.fill(Qt::darkGray);
    QPainter painter(&canvas);
    painter.drawPixmap(-area.topLeft(), main.grab());
    for (QMenu* menu : menus)
        painter.drawPixmap(menu->mapToGlobal(QPoint(0, 0)) - origin - area.topLeft(), menu->grab());
    return canvas;
}

TEST_F(MenuScreens, MainWindowWithTheDeviceManagementMenuOpen)
{
    TMainForm& form = Start();
    form.show();
    ASSERT_TRUE(WaitForLeds());

    auto* basic = form.findChild<QMenu*>("BasicConfiguration1");
    auto* device = form.findChild<QMenu*>("DeviceManagement1");
    ASSERT_TRUE(basic && device);
    form.MainMenu1->setActiveAction(basic->menuAction());
    RunEvents(100);
    basic->setActiveAction(device->menuAction());
    device->popup(basic->mapToGlobal(basic->actionGeometry(device->menuAction()).topRight()));
    device->setActiveAction(VnMenuAction(form, "AlarmControl1"));
    RunEvents(100);
    Save(Composite(form, {basic, device}), "mainmenu");
    device->hide();
    basic->hide();
}

TEST_F(MenuScreens, Editors)
{
    Start();
    SaveEditor("UnitTable1Click", "editor-unittable");
    SaveEditor("BasicConfiguration2Click", "editor-agentconfiguration");
    SaveEditor("DeviceControl1Click", "editor-devicecontrol");
    SaveEditor("SystemTime1Click", "editor-systemtime");
}

} // namespace
