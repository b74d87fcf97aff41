// The main window on a screen too small for its stack: it stays within the
// screen's available area, scrolls its panels, keeps its status bar in
// view and can be resized. A stack that fits keeps the layout's size.
#include <QGuiApplication>
#include <QScreen>
#include <QScrollArea>
#include <QScrollBar>

#include "VnStatusOutput.h"
#include "test_deviceview_support.h"

using namespace deviceviewtest;

namespace {

QString ScreenFolder()
{
    return qEnvironmentVariable("VN_SCREENSHOT_DIR");
}

class TwelveUnits : public MainWindowTest {
protected:
    std::string StackData() const override
    {
        std::string data;
        for (int unit = 1; unit <= 12; ++unit)
            data += UnitLines(unit, unit % 3 == 0 ? "RQ-6050S" : "RQ-4024S");
        for (int unit = 3; unit <= 12; unit += 3)
            data += ModuleLine(unit, unit % 2 ? "RM210X" : "RM210C");
        return data;
    }
};

QRect Available(const QWidget& window)
{
    const QScreen* screen = window.screen() ? window.screen() : QGuiApplication::primaryScreen();
    return screen->availableGeometry();
}

TEST_F(TwelveUnits, TheWindowFitsTheScreenAndScrollsItsPanels)
{
    TMainForm& form = Start();
    ASSERT_EQ(form.UnitPanels.size(), 12);
    ASSERT_EQ(form.ModulePanels.size(), 4);
    form.show();
    RunEvents(50);

    const QRect area = Available(form);
    EXPECT_GT(form.ClientHeight(), area.height()) << "the layout asks for more than the screen has";
    EXPECT_TRUE(form.CutToScreen());
    EXPECT_TRUE(area.contains(form.frameGeometry())) << "frame " << form.frameGeometry().width() << "x"
                                                     << form.frameGeometry().height() << " on "
                                                     << area.width() << "x" << area.height();

    // The status bar, where every error appears, is inside the window.
    EXPECT_TRUE(form.StatusBar->isVisible());
    EXPECT_LE(form.StatusBar->geometry().bottom(), form.rect().bottom());
    EXPECT_GT(form.StatusBar->height(), 0);

    // Every panel can be scrolled to.
    QScrollArea& box = *form.ScrollBox1;
    EXPECT_GT(box.verticalScrollBar()->maximum(), 0);
    EXPECT_TRUE(box.verticalScrollBar()->isVisible());
    box.ensureWidgetVisible(form.UnitPanels.last(), 0, 0);
    const QPoint lastInViewport = form.UnitPanels.last()->mapTo(box.viewport(), QPoint(0, 0));
    EXPECT_GE(lastInViewport.y(), 0);
    EXPECT_LE(lastInViewport.y() + form.UnitPanels.last()->height(), box.viewport()->height());

    // The user may resize it, smaller and back.
    EXPECT_NE(form.minimumSize(), form.maximumSize());
    form.resize(form.minimumWidth() + 100, form.minimumHeight() + 40);
    RunEvents(20);
    EXPECT_EQ(form.size(), QSize(form.minimumWidth() + 100, form.minimumHeight() + 40));
    EXPECT_TRUE(form.StatusBar->isVisible());
    EXPECT_LE(form.StatusBar->geometry().bottom(), form.rect().bottom());

    if (!ScreenFolder().isEmpty()) {
        form.resize(area.width(), area.height());
        RunEvents(20);
        EXPECT_TRUE(form.grab().save(ScreenFolder() + "/mainwindow-12units.png"));
    }
}

class OneUnit : public MainWindowTest {
protected:
    std::string StackData() const override { return UnitLines(2, "RQ-4024S", false); }
};

TEST_F(OneUnit, AStackThatFitsKeepsTheLayoutsSize)
{
    TMainForm& form = Start();
    ASSERT_EQ(form.UnitPanels.size(), 1);
    form.show();
    RunEvents(20);
    EXPECT_FALSE(form.CutToScreen());
    EXPECT_EQ(form.width(), form.ClientWidth());
    EXPECT_EQ(form.ClientWidth(), 783);
    EXPECT_TRUE(Available(form).contains(form.frameGeometry()));
    EXPECT_EQ(form.minimumSize(), form.size()) << "without scrolling it cannot be made to cut a panel";
}

} // namespace
