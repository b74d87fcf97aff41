// The one guard of slots, timers and handlers: VnGuarded lands what the
// body raised where its landing says, and lets nothing out.
#include <QPlainTextEdit>
#include <QWidget>

#include <gtest/gtest.h>

#include <memory>
#include <stdexcept>
#include <string>

#include "QtPrint.h"
#include "VnErrorLanding.h"
#include "VnException.h"
#include "VnMessageBox.h"
#include "VnSNMPRequest2Edits.h"
#include "VnStatusOutput.h"
#include "test_controls_support.h"

using bindertest::WithoutTime;

namespace {

// Every place a landing can write to, emptied before each case.
struct Places {
    QWidget owner;
    QPlainTextEdit memo;
    VnStatusBar bar;
    VnSNMPRequest2Edits binder{&owner};
    std::string called;
    VnMessageBoxCapture boxes;

    Places()
    {
        bar.AddPanel(100);
        bar.AddPanel();
        binder.SetStatusOutput(&memo);
    }
    void Clear()
    {
        memo.clear();
        bar.Panel(0)->SetText("");
        bar.SetStatusLine("");
        called.clear();
        boxes.Clear();
    }
};

TEST(Guard, EachLandingWritesWhereItSays)
{
    Places p;
    struct Case {
        VnErrorLanding landing;
        std::string memo;
        QString panel;
        QString box;
        std::string called;
        const char* why;
    };
    const Case cases[] = {
        {VnErrorLanding::StatusLine(&p.binder), "Get: boom. Receive at T.", "", "", "", "the binder's template"},
        {VnErrorLanding::FirstPanel(&p.bar), "", "boom", "", "", "bare text in panel 0"},
        {VnErrorLanding::MemoLine(&p.memo), "boom", "", "", "", "bare text as a memo line"},
        {VnErrorLanding::MessageBox(&p.owner), "", "", "boom", "", "a box over the owner"},
        {VnErrorLanding::Call([&p](const std::string& m) { p.called = m; }), "", "", "", "boom",
         "a place chosen when it happens"},
        {VnErrorLanding::FirstPanel(&p.bar).Saying("Get Unit Information Failed"), "",
         "Get Unit Information Failed", "", "", "a fixed text instead of the message"},
        {VnErrorLanding::Silent(), "", "", "", "", "nowhere"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.why);
        p.Clear();
        const bool finished = VnGuarded(c.landing, [] { throw VnException("boom", -528); });
        EXPECT_FALSE(finished);
        EXPECT_EQ(WithoutTime(p.memo.toPlainText()), c.memo);
        EXPECT_EQ(p.bar.Panel(0)->Text(), c.panel);
        EXPECT_TRUE(p.bar.Panel(1)->Text().isEmpty());
        EXPECT_EQ(p.boxes.Texts().join("|"), c.box);
        EXPECT_EQ(p.called, c.called);
    }
    EXPECT_TRUE(VnGuarded(VnErrorLanding::Silent(), [] {})) << "a body that ends reports it";
}

TEST(Guard, WhatIsNoStandardExceptionIsAnUnknownError)
{
    Places p;
    EXPECT_FALSE(VnGuarded(VnErrorLanding::MemoLine(&p.memo), [] { throw 42; }));
    EXPECT_EQ(p.memo.toPlainText().toStdString(), VnErrorText(kVnErrUnknown));
}

TEST(Guard, ABinderWithoutStatusOutputShowsABoxOverItsOwner)
{
    Places p;
    p.binder.SetStatusOutput(nullptr);
    VnGuarded(VnErrorLanding::StatusLine(&p.binder), [] { throw std::runtime_error("no line to write"); });
    ASSERT_EQ(p.boxes.Shown().size(), 1u);
    EXPECT_EQ(p.boxes.Shown()[0].owner, &p.owner);
    EXPECT_EQ(p.boxes.Shown()[0].text, "no line to write");
}

// A body may end the form it runs for; the landing then writes nothing
// instead of touching what is gone.
TEST(Guard, APlaceGoneDuringTheBodyTakesNothing)
{
    VnMessageBoxCapture boxes;
    auto owner = std::make_unique<QWidget>();
    auto binder = std::make_unique<VnSNMPRequest2Edits>(owner.get());
    auto memo = std::make_unique<QPlainTextEdit>();
    auto bar = std::make_unique<VnStatusBar>();
    bar->AddPanel();
    binder->SetStatusOutput(memo.get());

    EXPECT_FALSE(VnGuarded(VnErrorLanding::StatusLine(binder.get()), [&] {
        binder.reset();
        throw std::runtime_error("after the end");
    }));
    EXPECT_FALSE(VnGuarded(VnErrorLanding::MemoLine(memo.get()), [&] {
        memo.reset();
        throw std::runtime_error("after the end");
    }));
    EXPECT_FALSE(VnGuarded(VnErrorLanding::FirstPanel(bar.get()), [&] {
        bar.reset();
        throw std::runtime_error("after the end");
    }));
    EXPECT_TRUE(boxes.Shown().empty());
}

TEST(Guard, ALandingThatFailsLetsNothingOut)
{
    const VnErrorLanding landing =
        VnErrorLanding::Call([](const std::string&) { throw std::runtime_error("while landing"); });
    EXPECT_FALSE(VnGuarded(landing, [] { throw std::runtime_error("first"); }));
}

TEST(Guard, ABarWithoutPanelsTakesTheFirstPanelsTextAsItsLine)
{
    VnStatusBar bar;
    VnGuarded(VnErrorLanding::FirstPanel(&bar), [] { throw std::runtime_error("no panel"); });
    EXPECT_EQ(bar.StatusLine(), "no panel");
}

}  // namespace
