// The injectable message box: the capture used by every widget test, and
// the real box behind it.
#include "VnMessageBox.h"
#include "QtPrint.h"

#include <QApplication>
#include <QFileInfo>
#include <QMessageBox>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include <gtest/gtest-spi.h>
#include <gtest/gtest.h>

#include <functional>

namespace {

TEST(MessageBox, CaptureRecordsAndAnswersThenPutsThePreviousHandlerBack)
{
    QWidget owner;
    VnMessageBoxCapture outer(VnMsgAnswer::Ok);
    {
        VnMessageBoxCapture inner(VnMsgAnswer::No);
        EXPECT_EQ(VnMessageBox(&owner, "Sure?", VnMsgButtons::YesNo, VnMsgIcon::Question),
                  VnMsgAnswer::No);
        ASSERT_EQ(inner.Shown().size(), 1u);
        const VnMessageBoxArgs& shown = inner.Shown()[0];
        EXPECT_EQ(shown.owner, &owner);
        EXPECT_EQ(shown.text, "Sure?");
        EXPECT_EQ(shown.caption, VnProgramName());
        EXPECT_EQ(shown.buttons, VnMsgButtons::YesNo);
        EXPECT_EQ(shown.icon, VnMsgIcon::Question);
    }
    EXPECT_EQ(VnMessageBox(nullptr, "plain"), VnMsgAnswer::Ok);
    EXPECT_EQ(outer.Texts(), QStringList{"plain"});
}

// A box no test captured would wait for a user forever: in a test program
// it fails the test and is answered as closing it would.
TEST(MessageBox, ABoxNoTestExpectedFailsTheTestInsteadOfWaiting)
{
    static VnMsgAnswer answer = VnMsgAnswer::Ok;
    EXPECT_NONFATAL_FAILURE(answer = VnMessageBox(nullptr, "Nobody answers", VnMsgButtons::OkCancel),
                            "a message box no test expected: \"Nobody answers\"");
    EXPECT_EQ(answer, VnMsgAnswer::Cancel);
    EXPECT_NONFATAL_FAILURE(answer = VnMessageBox(nullptr, "Sure?", VnMsgButtons::YesNo), "Sure?");
    EXPECT_EQ(answer, VnMsgAnswer::No);
}

TEST(MessageBox, CaptionIsTheProgramFileName)
{
    EXPECT_EQ(VnProgramName(), QFileInfo(QCoreApplication::applicationFilePath()).fileName());
    EXPECT_FALSE(VnProgramName().isEmpty());
}

// The real box while it lives, in place of the test program's handler.
struct RealBoxes {
    VnMessageBoxFn previous = VnSetMessageBoxHandler({});
    ~RealBoxes() { VnSetMessageBoxHandler(previous); }
};

// Answers the real box once it is up, as a user would.
void WhenBoxShows(std::function<void(QMessageBox*)> act)
{
    QTimer::singleShot(0, [act] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        if (!box) {
            ADD_FAILURE() << "no message box";
            return;
        }
        act(box);
    });
}

TEST(MessageBox, RealBoxShowsPlainTextAndReportsTheButton)
{
    RealBoxes real;
    QString caption, text;
    Qt::TextFormat format = Qt::AutoText;
    WhenBoxShows([&](QMessageBox* box) {
        caption = box->windowTitle();
        text = box->text();
        format = box->textFormat();
        box->button(QMessageBox::No)->click();
    });
    const QString message = "aIdx is overtop!\n you may define < 3";
    EXPECT_EQ(VnMessageBox(nullptr, message, VnMsgButtons::YesNo), VnMsgAnswer::No);
    EXPECT_EQ(caption, VnProgramName());
    EXPECT_EQ(text, message);
    EXPECT_EQ(format, Qt::PlainText);

    WhenBoxShows([](QMessageBox* box) { box->button(QMessageBox::Ok)->click(); });
    EXPECT_EQ(VnMessageBox(nullptr, "Delete?", VnMsgButtons::OkCancel), VnMsgAnswer::Ok);
}

TEST(MessageBox, EscapeAnswersTheCautiousButton)
{
    RealBoxes real;
    const struct {
        VnMsgButtons buttons;
        VnMsgAnswer answer;
    } cases[] = {
        {VnMsgButtons::Ok, VnMsgAnswer::Ok},
        {VnMsgButtons::OkCancel, VnMsgAnswer::Cancel},
        {VnMsgButtons::YesNo, VnMsgAnswer::No},
    };
    for (const auto& c : cases) {
        WhenBoxShows([](QMessageBox* box) { QTest::keyClick(box, Qt::Key_Escape); });
        EXPECT_EQ(VnMessageBox(nullptr, "text", c.buttons), c.answer);
    }
}

} // namespace
