// Pictures of the main window and its small forms, for a person to look
// at: written only when VN_SCREENSHOT_DIR names a folder.
#include <QProgressBar>

#include "TAboutForm.h"
#include "TPopupProcessBarForm.h"
#include "TWaitingForm.h"
#include "VnStatusOutput.h"
#include "test_deviceview_support.h"

using namespace deviceviewtest;

namespace {

QString ScreenFolder()
{
    return qEnvironmentVariable("VN_SCREENSHOT_DIR");
}

// A lively LED status: power and master green, most ports up, some
// blinking, a few down, slot ports lit.
std::string Leds(int bytes, int seed)
{
    static const char* kHex = "0123456789ABCDEF";
    std::string hex;
    for (int i = 0; i < bytes; ++i) {
        int value = 3;
        if (i == 53 || i == 55 || i == 101 || i == 103)
            value = 2;  // module ports
        else if (i == 1 && seed != 1)
            value = 1;
        else if (i == 2 || i == 3)
            value = i == 2 ? 3 : 0;
        else if (i >= 4 && (i * 7 + seed) % 11 == 0)
            value = 0;
        else if (i >= 4 && (i * 5 + seed) % 13 == 0)
            value = 4;
        else if (i >= 4 && (i + seed) % 9 == 0)
            value = 0x83;
        hex += kHex[value >> 4];
        hex += kHex[value & 15];
    }
    return hex;
}

class Screens : public MainWindowTest {
protected:
    void SetUp() override
    {
        if (ScreenFolder().isEmpty())
            GTEST_SKIP() << "VN_SCREENSHOT_DIR is not set";
        MainWindowTest::SetUp();
    }

    std::string StackData() const override
    {
        return UnitLines(1, "RQ-4024S", true, Leds(60, 1)) +
               UnitLines(2, "RQ-6050S", true, Leds(108, 2)) +
               UnitLines(3, "RQ-6026S", true, Leds(60, 3)) + ModuleLine(2, "RM210X") +
               ModuleLine(3, "RM210C");
    }

    void Save(QWidget& widget, const QString& name)
    {
        const QString path = ScreenFolder() + "/" + name + ".png";
        EXPECT_TRUE(widget.grab().save(path)) << path.toStdString();
    }
};

TEST_F(Screens, MainWindowWithAThreeUnitStack)
{
    TMainForm& form = Start();
    form.show();
    ASSERT_TRUE(WaitForLeds());
    ASSERT_EQ(form.UnitPanels.size(), 3);
    form.UnitPanels[1]->SpeedButton(5)->click();
    RunEvents(100);
    Save(form, "mainwindow");
}

TEST_F(Screens, SmallForms)
{
    TMainForm& form = Start();
    TAboutForm about;
    about.show();
    Save(about, "about");

    TPopupProcessBarForm popup(&form);
    popup.ProgressBar->setValue(40);
    popup.adjustSize();
    Save(popup, "refreshpanel");

    VnStatusBar bar;
    bar.AddPanel();
    TWaitingForm waiting(&form, &bar);
    waiting.setWindowTitle("Formatt File System...");
    waiting.ProgressBar->setValue(235);
    waiting.Label2->setText("35%");
    waiting.adjustSize();
    Save(waiting, "waiting");
}

} // namespace
