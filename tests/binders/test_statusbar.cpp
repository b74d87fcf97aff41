// The one status bar: a form's own texts in its panels and the binder's
// status line beside them, both on screen at once.
#include <QDir>
#include <QPlainTextEdit>
#include <QVBoxLayout>
#include <QWidget>

#include <gtest/gtest.h>

#include <string>

#include "QtPrint.h"
#include "VnErrorLanding.h"
#include "VnSNMPRequest2Edits.h"
#include "VnStatusOutput.h"
#include "test_controls_support.h"

using bindertest::WithoutTime;

namespace {

// A form with a status bar of one 50-pixel panel, as the dialogs have it.
struct BarForm {
    QWidget form;
    VnStatusBar* bar = new VnStatusBar(&form);
    VnStatusPanel* panel0 = bar->AddPanel(50);
    VnSNMPRequest2Edits binder{&form};

    BarForm()
    {
        auto* layout = new QVBoxLayout(&form);
        layout->addStretch(1);
        layout->addWidget(bar);
        binder.SetStatusOutput(bar);
        form.resize(500, 120);
    }
};

TEST(StatusBar, PanelZeroAndTheBindersLineShowTogether)
{
    BarForm f;
    f.form.show();
    EXPECT_FALSE(f.bar->findChild<QLabel*>("StatusLine")->isVisible()) << "no line yet: no empty box";

    VnGuarded(VnErrorLanding::FirstPanel(f.bar), [] { throw std::runtime_error("Refresh not complete"); });
    f.binder.SetStatusTemplate(kVnStatusSet);
    f.binder.ShowStatus("(VnSNMP++) Ok!");

    EXPECT_EQ(f.panel0->Text(), "Refresh not complete") << "the binder's line leaves panel 0 alone";
    EXPECT_EQ(WithoutTime(f.bar->StatusLine()), "Set: (VnSNMP++) Ok!. Receive at T.");
    const QLabel* line = f.bar->findChild<QLabel*>("StatusLine");
    ASSERT_NE(line, nullptr);
    EXPECT_TRUE(f.panel0->isVisible());
    EXPECT_TRUE(line->isVisible());
    EXPECT_GE(line->geometry().left(), f.panel0->geometry().right()) << "the line stands after the panels";
    EXPECT_GT(line->width(), f.panel0->width()) << "the line takes the width the panels leave";

    f.bar->SetStatusLine("");
    EXPECT_FALSE(line->isVisible());
    EXPECT_TRUE(f.panel0->isVisible());
}

TEST(StatusBar, PanelsAddedLaterStandBeforeTheLine)
{
    VnStatusBar bar;
    bar.SetStatusLine("line");
    VnStatusPanel* first = bar.AddPanel(40);
    VnStatusPanel* second = bar.AddPanel(60);
    bar.resize(400, 24);
    bar.show();
    const QLabel* line = bar.findChild<QLabel*>("StatusLine");
    ASSERT_NE(line, nullptr);
    EXPECT_EQ(bar.PanelCount(), 2);
    EXPECT_EQ(bar.Panel(1), second);
    EXPECT_EQ(bar.Panel(2), nullptr);
    EXPECT_LT(first->geometry().left(), second->geometry().left());
    EXPECT_LT(second->geometry().left(), line->geometry().left());
}

// A status line can be long (an agent's error text, a long caption): the
// bar cuts it rather than forcing the form wider; a panel's width is a
// minimum, not a limit.
TEST(StatusBar, ALongLineDoesNotWidenTheForm)
{
    BarForm f;
    f.form.show();
    f.bar->SetStatusLine("Get: Ok");
    const int before = f.form.minimumSizeHint().width();
    f.bar->SetStatusLine(QString(400, 'x'));
    EXPECT_EQ(f.form.minimumSizeHint().width(), before);
    f.panel0->SetText(QString(200, 'y'));
    EXPECT_EQ(f.form.minimumSizeHint().width(), before) << "nor a long text in a panel";
    EXPECT_EQ(f.bar->findChild<QLabel*>("StatusLine")->toolTip().size(), 400) << "the whole line on demand";
}

// The progress of a walk is a passing line: in a memo the next line takes
// its place, so a walk leaves its outcome and no trail of progress lines.
TEST(StatusBar, APassingLineGivesWayToTheNextLine)
{
    const struct {
        QStringList before;      // lasting lines already there
        QStringList passing;     // then these, each passing
        const char* appended;    // a line someone appends directly, or nullptr
        QString lasting;         // then this
        QString expected;
        const char* why;
    } cases[] = {
        {{"a"}, {"Reading... 1 row", "Reading... 2 rows"}, nullptr, "b", "a\nb", "replaced each time"},
        {{}, {"Reading... 0 rows"}, nullptr, "b", "b", "the first line of the memo"},
        {{"a"}, {"Reading... 0 rows"}, "landed", "b", "a\nReading... 0 rows\nlanded\nb",
         "a line appended by another writer is not taken"},
        {{"a"}, {}, nullptr, "b", "a\nb", "lasting lines append"},
    };
    for (const auto& c : cases) {
        QPlainTextEdit memo;
        for (const QString& line : c.before)
            VnWriteStatusLine(&memo, line);
        for (const QString& line : c.passing)
            VnWriteStatusLine(&memo, line, VnLineKind::Passing);
        if (c.appended)
            memo.appendPlainText(c.appended);
        VnWriteStatusLine(&memo, c.lasting);
        EXPECT_EQ(memo.toPlainText(), c.expected) << c.why;
    }
}

// A picture for a person to look at: run with VN_SCREENSHOT_DIR set to a
// folder; skipped otherwise.
TEST(StatusBarScreens, PanelAndLine)
{
    const QString folder = qEnvironmentVariable("VN_SCREENSHOT_DIR");
    if (folder.isEmpty())
        GTEST_SKIP() << "VN_SCREENSHOT_DIR not set";
    QDir().mkpath(folder);
    BarForm f;
    f.panel0->SetText("Refresh not complete");
    f.binder.request.varList.caption = " Led Status";
    f.binder.ShowStatus("(VnSNMP++) Request timed out!");
    f.form.show();
    EXPECT_TRUE(f.form.grab().save(folder + "/statusbar.png"));
}

}  // namespace
