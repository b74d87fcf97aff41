// The small forms of the main window: "Refresh Panel"'s progress box, the
// file-system waiting form, the about box and help.
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QTest>
#include <QUrl>

#include "TAboutForm.h"
#include "TPopupProcessBarForm.h"
#include "TWaitingForm.h"
#include "VnHelp.h"
#include "VnStatusOutput.h"
#include "test_deviceview_support.h"

using namespace deviceviewtest;

namespace {

constexpr const char* kCtrlStatus = "1.3.6.1.4.1.88406.12.14.1.1.0";
constexpr const char* kCtrlProcess = "1.3.6.1.4.1.88406.12.14.1.2.0";

using SmallForms = MainWindowTest;

TEST_F(SmallForms, RefreshPanelBoxRebuildsAndCloses)
{
    TMainForm& form = Start();
    const QPointer<TPanelForm> old = form.UnitPanels.front();
    TPopupProcessBarForm box(&form);
    EXPECT_EQ(box.windowTitle(), "Refresh Panel");
    EXPECT_EQ(box.exec(), QDialog::Accepted);
    EXPECT_TRUE(old.isNull());
    EXPECT_EQ(form.UnitPanels.size(), 2);
    EXPECT_FALSE(box.Timer1.isActive());
}

TEST_F(SmallForms, WaitingFormEndsWhenTheOperationHasEnded)
{
    TMainForm& form = Start();
    sim().set(kCtrlStatus, "INTEGER", "2");
    sim().set(kCtrlProcess, "INTEGER", "100");
    VnStatusBar bar;
    bar.AddPanel();
    TWaitingForm waiting(&form, &bar);
    waiting.exec();
    EXPECT_EQ(waiting.Label1->text(), "finish");
    EXPECT_EQ(waiting.Label2->text(), "100%");
    EXPECT_FALSE(waiting.Running());
    EXPECT_EQ(waiting.ProgressBar->value(), 0);
}

TEST_F(SmallForms, WaitingFormMovesItsBarWhileInProcess)
{
    TMainForm& form = Start();
    sim().set(kCtrlStatus, "INTEGER", "3");
    sim().set(kCtrlProcess, "INTEGER", "4");
    VnStatusBar bar;
    bar.AddPanel();
    TWaitingForm waiting(&form, &bar);
    int seenPercent = 0;
    QTimer watch;
    QObject::connect(&watch, &QTimer::timeout, [&] {
        if (waiting.Label2->text() == "4%")
            ++seenPercent;
        if (waiting.ProgressBar->value() >= 15)
            sim().set(kCtrlStatus, "INTEGER", "2");
    });
    watch.start(5);
    waiting.exec();
    EXPECT_GT(seenPercent, 0) << "the process value is shown as a percentage";
    EXPECT_GE(waiting.ProgressBar->value(), 15);
    EXPECT_EQ(waiting.ProgressBar->value() % 5, 0) << "only steps of 5";
    EXPECT_EQ(waiting.Label1->text(), "finish");
}

TEST_F(SmallForms, WaitingFormReportsAFailedReadInTheOpenersBar)
{
    TMainForm& form = Start();
    sim().drop("1.3.6.1.4.1.88406.12.14.1");
    VnStatusBar bar;
    bar.AddPanel();
    TWaitingForm waiting(&form, &bar);
    waiting.exec();
    EXPECT_FALSE(bar.Panel(0)->text().isEmpty());
    EXPECT_FALSE(waiting.Running());
}

TEST(AboutBox, ShiftAltF3ShowsTheFullVersion)
{
    TAboutForm about;
    about.show();
    EXPECT_EQ(about.windowTitle(), "About RQ-4024S Module");
    EXPECT_EQ(about.ManagementModuleLabel->text(), "Varonet RQ-4024S Management Module");
    EXPECT_EQ(about.VersionLabel->text(), "Release Version 4.30 (Build Mar,7,2006)");
    EXPECT_TRUE(about.SRImage->isVisible());
    EXPECT_FALSE(about.SRiImage->isVisible());

    QTest::keyClick(about.BT_Ok, Qt::Key_F3);
    EXPECT_EQ(about.VersionLabel->text(), "Release Version 4.30 (Build Mar,7,2006)") << "F3 alone";
    QTest::keyClick(about.BT_Ok, Qt::Key_F3, Qt::ShiftModifier);
    EXPECT_EQ(about.VersionLabel->text(), "Release Version 4.30 (Build Mar,7,2006)") << "Shift+F3";
    QTest::keyClick(about.BT_Ok, Qt::Key_F3, Qt::ShiftModifier | Qt::AltModifier);
    EXPECT_EQ(about.VersionLabel->text(), "Release Version 4.30.R09 (Build Mar,7,200)");

    about.BT_Ok->click();
    EXPECT_FALSE(about.isVisible());
}

TEST_F(SmallForms, HelpThatCannotOpenIsSaidInTheStatusBar)
{
    TMainForm& form = Start();
    QString opened;
    VnScopedUrlOpener opener([&](const QUrl& url) {
        opened = url.toLocalFile();
        return false;
    });
    form.OpenHelpFile();
    EXPECT_TRUE(form.StatusPanel0()->text().startsWith("Can not open help file: "));
    EXPECT_TRUE(form.StatusPanel0()->text().endsWith("RQ-4024S orvixhelp3.hlp"));
}

} // namespace
