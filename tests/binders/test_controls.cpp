// The request-to-controls binder: status lines, Refresh and Apply in both
// modes against the simulated switch, the refresh-done event, errors and
// stopping a walk.
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QRegularExpression>
#include <QStatusBar>
#include <QWidget>

#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "QtPrint.h"
#include "VnException.h"
#include "VnMessageBox.h"
#include "VnMessages.h"
#include "VnSNMPRequest2Controls.h"
#include "VnStatusOutput.h"
#include "test_controls_support.h"

using namespace bindertest;

namespace {

// Records every hook; AddRow keeps the row's values.
class RecordingBinder : public VnSNMPRequest2Controls {
public:
    using VnSNMPRequest2Controls::VnSNMPRequest2Controls;

    std::vector<std::string> log;
    std::vector<std::vector<std::string>> rows;
    std::function<void()> onAddRow;
    std::function<void()> onAfterRefresh;
    std::function<void()> onControlsToValues;

    int Count(const std::string& hook) const
    {
        return static_cast<int>(std::count(log.begin(), log.end(), hook));
    }

protected:
    void BeforeRefresh() override { log.push_back("BeforeRefresh"); }
    void BeforeApply() override { log.push_back("BeforeApply"); }
    void AddRow() override
    {
        log.push_back("AddRow");
        std::vector<std::string> row;
        for (int i = 0; i < request.varList.Count(); ++i)
            row.push_back(request.varList.Item(i).value);
        rows.push_back(row);
        if (onAddRow)
            onAddRow();
    }
    void ControlsToValues() override
    {
        log.push_back("ControlsToValues");
        if (onControlsToValues)
            onControlsToValues();
    }
    void AfterRefresh() override
    {
        log.push_back("AfterRefresh");
        if (onAfterRefresh)
            onAfterRefresh();
    }
    void AfterApply() override { log.push_back("AfterApply"); }
};

std::string Ok()
{
    return VnErrorText(kVnOk);
}

} // namespace

// ---------------------------------------------------------------- status lines

TEST(StatusLine, FillsTemplateByTheFixedOrder)
{
    struct Case {
        const char* why;
        const char* tmpl;
        const char* error;
        const char* caption;
        const char* expected;
    };
    const Case cases[] = {
        {"empty caption drops the request part", "Get: [ERROR] Request:[VARLIST]. Receive at [TIME].",
         "(VnSNMP++) Ok!", "", "Get: (VnSNMP++) Ok!. Receive at 10:00:00 AM."},
        {"a caption replaces [VARLIST]", "Get: [ERROR] Request:[VARLIST]. Receive at [TIME].",
         "(VnSNMP++) Ok!", " Led Status", "Get: (VnSNMP++) Ok! Request: Led Status. Receive at 10:00:00 AM."},
        {"[VARLIST] before [ERROR] stays with an empty caption", "[VARLIST] then [ERROR] at [TIME]", "E", "",
         "[VARLIST] then E at 10:00:00 AM"},
        {"no [ERROR]: [VARLIST] stays", "Request:[VARLIST] at [TIME]", "E", "", "Request:[VARLIST] at 10:00:00 AM"},
        {"an error text holding [TIME] gets the time", "Set: [ERROR]", "at [TIME]", "", "Set: at 10:00:00 AM"},
        {"an error text holding [VARLIST] is not searched again", "[ERROR] Request:[VARLIST].", "[VARLIST]",
         "X", "[VARLIST] Request:X."},
        {"every occurrence is replaced", "[ERROR]/[ERROR] [TIME][TIME]", "e", "", "e/e 10:00:00 AM10:00:00 AM"},
        {"a text with its own full stop gets no second one", "Set: [ERROR] Request:[VARLIST]. Receive at [TIME].",
         "Nothing sent.", "", "Set: Nothing sent. Receive at 10:00:00 AM."},
        {"the same in the read's template", "Get: [ERROR] Request:[VARLIST]. Receive at [TIME].", "Row gone.", "",
         "Get: Row gone. Receive at 10:00:00 AM."},
        {"a full stop not right after the placeholder stays", "Set: [ERROR] Request:[VARLIST]. Receive at [TIME].",
         "Nothing sent.", " Led Status", "Set: Nothing sent. Request: Led Status. Receive at 10:00:00 AM."},
        {"a caption with its own full stop gets no second one", "Get: [ERROR] Request:[VARLIST]. Receive at [TIME].",
         "e", " Led Status.", "Get: e Request: Led Status. Receive at 10:00:00 AM."},
        {"an ellipsis stays whole", "[ERROR].", "Reading...", "", "Reading..."},
        {"a template of one's own", "[ERROR]. ([TIME])", "Done.", "", "Done. (10:00:00 AM)"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(VnFillStatusTemplate(c.tmpl, c.error, c.caption, "10:00:00 AM"), c.expected) << c.why;
}

TEST(StatusLine, TimeIsTwelveHourClockWithDesignator)
{
    const QString time = QString::fromStdString(VnStatusTime());
    static const QRegularExpression shape(R"(^(0[1-9]|1[0-2]):[0-5]\d:[0-5]\d \S+$)");
    EXPECT_TRUE(shape.match(time).hasMatch()) << time.toStdString();
}

TEST(StatusLine, WrittenByTheOutputsClass)
{
    QWidget form;
    RecordingBinder binder(&form);
    binder.request.varList.caption = " Led Status";

    QPlainTextEdit memo;
    binder.SetStatusOutput(&memo);
    binder.ShowStatus("first");
    binder.ShowStatus("second");
    ASSERT_EQ(MemoLines(memo).size(), 2u) << "a memo gets one new line per status";
    EXPECT_EQ(MemoLines(memo)[1], "Get: second Request: Led Status. Receive at T.");

    VnStatusBar bar;
    VnStatusPanel* left = bar.AddPanel(100);
    VnStatusPanel* right = bar.AddPanel();
    left->SetText("left");
    binder.SetStatusOutput(right);
    binder.SetStatusTemplate(kVnStatusSet);
    binder.ShowStatus("panel");
    EXPECT_EQ(WithoutTime(right->Text()), "Set: panel Request: Led Status. Receive at T.");
    EXPECT_EQ(left->Text(), "left") << "only the named panel changes";
    EXPECT_TRUE(bar.StatusLine().isEmpty());

    binder.SetStatusOutput(&bar);
    binder.ShowStatus("bar");
    EXPECT_EQ(WithoutTime(bar.StatusLine()), "Set: bar Request: Led Status. Receive at T.");

    QStatusBar plainBar;
    binder.SetStatusOutput(&plainBar);
    binder.ShowStatus("message");
    EXPECT_EQ(WithoutTime(plainBar.currentMessage()), "Set: message Request: Led Status. Receive at T.");

    QLineEdit other;
    binder.SetStatusOutput(&other);
    binder.ShowStatus("ignored");
    EXPECT_TRUE(other.text().isEmpty()) << "another class is accepted and ignored";

    {
        auto gone = std::make_unique<QPlainTextEdit>();
        binder.SetStatusOutput(gone.get());
    }
    binder.ShowStatus("after the output went");
    EXPECT_EQ(binder.StatusOutput(), nullptr);
}

TEST(StatusLine, ModeScopePutsTheModeBackOnAnException)
{
    RecordingBinder binder(nullptr);
    try {
        VnBinderModeScope scope(binder, VnSNMPRequest2Controls::kModeSync);
        EXPECT_EQ(binder.mode, 0);
        throw VnException("x", 1);
    } catch (const VnException&) {
    }
    EXPECT_EQ(binder.mode, 1);
}

// ---------------------------------------------------------------- against the switch

class ControlsTest : public BinderSwitchTest {
protected:
    void SetUp() override
    {
        BinderSwitchTest::SetUp();
        binder = std::make_unique<RecordingBinder>(&form);
        binder->OnRefreshDone = [this](VnSNMPRequest2Controls&, const VnSNMPError& result) {
            done.push_back(result);
        };
    }
    void TearDown() override
    {
        if (binder)
            binder->StopAndWait();
        binder.reset();
        BinderSwitchTest::TearDown();
    }
    void UseTable() { Use(binder->request, kTable, MVT_FMV, 1); }
    void UseScalars() { Use(binder->request, kScalars, SVT_SV, 0); }
    bool WaitIdle(int ms = 10000)
    {
        return RunUntil([this] { return !binder->Busy(); }, ms);
    }
    bool WaitDone(std::size_t count = 1, int ms = 10000)
    {
        return RunUntil([&] { return done.size() >= count; }, ms);
    }

    QWidget form;
    QPlainTextEdit memo;
    std::unique_ptr<RecordingBinder> binder;
    std::vector<VnSNMPError> done;
};

TEST_F(ControlsTest, AsyncWalkOfFiveRows)
{
    UseTable();
    binder->SetStatusOutput(&memo);
    binder->Refresh();
    EXPECT_TRUE(binder->Busy()) << "an asynchronous refresh returns at once";
    ASSERT_TRUE(WaitDone());
    const std::vector<std::string> expected{"BeforeRefresh", "AddRow", "AddRow", "AddRow",
                                            "AddRow", "AddRow", "AfterRefresh"};
    EXPECT_EQ(binder->log, expected);
    EXPECT_FALSE(binder->Busy());
    EXPECT_EQ(MemoLines(memo), std::vector<std::string>{"Get: " + Ok() + ". Receive at T."});
    ASSERT_EQ(binder->rows.size(), 5u);
    EXPECT_EQ(binder->rows[2], (std::vector<std::string>{"3", "charlie", "enabled", "0001"}));
    EXPECT_EQ(done[0].code, 0);
    EXPECT_TRUE(done[0].endOfWalk);
    RunEvents(100);
    EXPECT_EQ(done.size(), 1u) << "one event per walk";
}

TEST_F(ControlsTest, CaptionAppearsInTheStatusLine)
{
    UseScalars();
    binder->request.varList.caption = " Led Status";
    binder->SetStatusOutput(&memo);
    binder->Refresh();
    ASSERT_TRUE(WaitDone());
    EXPECT_EQ(binder->Count("AddRow"), 1) << "a scalar group is one row";
    EXPECT_EQ(MemoLines(memo), std::vector<std::string>{"Get: " + Ok() + " Request: Led Status. Receive at T."});
}

TEST_F(ControlsTest, RefreshDoneFiresWithoutStatusOutput)
{
    // Owners that wait for the event must learn of a quiet success too.
    VnMessageBoxCapture boxes;
    UseTable();
    binder->Refresh();
    ASSERT_TRUE(WaitDone());
    EXPECT_EQ(done[0].code, 0);
    EXPECT_TRUE(boxes.Shown().empty());
}

TEST_F(ControlsTest, StoppedWhileARowIsOnItsWay)
{
    UseTable();
    binder->SetStatusOutput(&memo);
    sim().delay(BINDERTEST_T(1) ".3", 300);
    binder->onAddRow = [this] {
        if (binder->rows.size() == 2)
            QTimer::singleShot(50, [this] { binder->request.keepGoing = false; });
    };
    binder->Refresh();
    ASSERT_TRUE(WaitDone());
    EXPECT_EQ(binder->rows.size(), 3u) << "the row in flight is still added";
    EXPECT_EQ(binder->log.back(), "AfterRefresh");
    EXPECT_EQ(MemoLines(memo), std::vector<std::string>{"Get: " + Ok() + ". Receive at T."});
    RunEvents(300);
    EXPECT_EQ(binder->rows.size(), 3u) << "no fourth request";
    EXPECT_EQ(done.size(), 1u);
}

TEST_F(ControlsTest, ClosingDuringAWalkWaitsAndFrees)
{
    UseTable();
    binder->SetStatusOutput(&memo);
    sim().delay(BINDERTEST_T(1) ".2", 300);
    bool closed = false;
    binder->Refresh();
    // The form's close runs from the event loop while row 2 is delayed.
    QTimer::singleShot(100, [&] {
        EXPECT_TRUE(binder->Busy());
        EXPECT_TRUE(binder->StopAndWait());
        EXPECT_FALSE(binder->Busy());
        binder.reset();
        closed = true;
    });
    ASSERT_TRUE(RunUntil([&] { return closed; }));
    EXPECT_EQ(done.size(), 1u) << "a stopped walk raises the event";
    RunEvents(200);
}

TEST_F(ControlsTest, DeletedWhileBusyIsNeverCalledBack)
{
    UseTable();
    binder->SetStatusOutput(&memo);
    sim().delay(BINDERTEST_T(1) ".1", 200);
    binder->Refresh();
    binder.reset();
    RunEvents(400);
    EXPECT_TRUE(done.empty());
    EXPECT_EQ(memo.toPlainText(), "Reading... 0 rows") << "the walk's start, and nothing after the binder went";
}

TEST_F(ControlsTest, WaitingFromInsideAHookDoesNotHang)
{
    UseTable();
    bool waited = true;
    binder->onAddRow = [&] { waited = binder->StopAndWait(); };
    binder->Refresh();
    ASSERT_TRUE(WaitDone());
    EXPECT_FALSE(waited) << "the binder's own work cannot wait for itself";
    EXPECT_EQ(binder->rows.size(), 1u);
}

TEST_F(ControlsTest, TimeoutWithoutStatusOutputShowsAMessageBox)
{
    VnMessageBoxCapture boxes;
    UseTable();
    binder->request.timeout = 20;
    binder->request.retries = 0;
    sim().drop("1.3.6.1.4.1.88406.997");
    binder->Refresh();
    ASSERT_TRUE(WaitDone());
    EXPECT_FALSE(binder->Busy());
    ASSERT_EQ(boxes.Texts().size(), 1);
    EXPECT_EQ(boxes.Texts()[0].toStdString(), VnErrorText(kVnErrTimeout));
    EXPECT_EQ(boxes.Shown()[0].owner, &form);
    EXPECT_EQ(done[0].code, kVnErrTimeout);
    EXPECT_EQ(binder->Count("AfterRefresh"), 0);
}

TEST_F(ControlsTest, AgentErrorGoesToTheStatusLine)
{
    UseTable();
    binder->SetStatusOutput(&memo);
    sim().error(BINDERTEST_T(2) ".2", "genErr", "getnext");
    binder->Refresh();
    ASSERT_TRUE(WaitDone());
    EXPECT_EQ(binder->rows.size(), 1u);
    EXPECT_EQ(MemoLines(memo), std::vector<std::string>{"Get: " + VnErrorText(-105) + ". Receive at T."});
    EXPECT_EQ(done[0].code, -105);
}

TEST_F(ControlsTest, ExceptionsInHooksEndTheWalkAndAreShown)
{
    struct Case {
        const char* why;
        bool inAddRow;
        std::size_t rows;
    };
    const Case cases[] = {
        {"a conversion error in AddRow ends the walk", true, 2},
        {"AfterRefresh after the last row is guarded too", false, 5},
    };
    for (const Case& c : cases) {
        binder = std::make_unique<RecordingBinder>(&form);
        done.clear();
        binder->OnRefreshDone = [this](VnSNMPRequest2Controls&, const VnSNMPError& r) { done.push_back(r); };
        memo.clear();
        UseTable();
        binder->SetStatusOutput(&memo);
        auto raise = [] { throw VnException("bad row", kVnErrBadDataValue); };
        if (c.inAddRow)
            binder->onAddRow = [&] {
                if (binder->rows.size() == 2)
                    raise();
            };
        else
            binder->onAfterRefresh = raise;
        binder->Refresh();
        ASSERT_TRUE(WaitDone()) << c.why;
        RunEvents(100);
        EXPECT_EQ(binder->rows.size(), c.rows) << c.why;
        EXPECT_FALSE(binder->Busy()) << c.why;
        EXPECT_EQ(MemoLines(memo), std::vector<std::string>{"Get: bad row. Receive at T."}) << c.why;
        ASSERT_EQ(done.size(), 1u) << c.why;
        EXPECT_EQ(done[0].code, kVnErrBadDataValue) << c.why;
        EXPECT_EQ(binder->Count("AfterRefresh"), c.inAddRow ? 0 : 1) << c.why;
    }
}

TEST_F(ControlsTest, SyncScalarRefresh)
{
    UseScalars();
    binder->mode = VnSNMPRequest2Controls::kModeSync;
    binder->SetStatusOutput(&memo);
    binder->Refresh();
    EXPECT_FALSE(binder->Busy());
    EXPECT_EQ(binder->log, (std::vector<std::string>{"BeforeRefresh", "AddRow", "AfterRefresh"}));
    ASSERT_EQ(binder->rows.size(), 1u);
    EXPECT_EQ(binder->rows[0][kName], "core-switch");
    EXPECT_EQ(binder->rows[0][kState], "enabled");
    EXPECT_EQ(MemoLines(memo), std::vector<std::string>{"Get: " + Ok() + ". Receive at T."});
    EXPECT_TRUE(done.empty()) << "the event belongs to asynchronous refreshes";
}

TEST_F(ControlsTest, StoppedRequestSendsNothingAndSaysSo)
{
    UseScalars();
    binder->SetStatusOutput(&memo);
    binder->request.keepGoing = false;
    const std::string nothing = std::string(kVnNothingSentText);

    binder->mode = VnSNMPRequest2Controls::kModeSync;
    binder->Refresh();
    EXPECT_EQ(binder->Count("AddRow"), 0) << "no stale values are shown as read";
    EXPECT_FALSE(binder->Apply());
    binder->mode = VnSNMPRequest2Controls::kModeAsync;
    binder->Refresh();
    EXPECT_FALSE(binder->Apply());
    EXPECT_FALSE(binder->Busy());
    EXPECT_EQ(MemoLines(memo), (std::vector<std::string>{"Get: " + nothing + ". Receive at T.",
                                                     "Set: " + nothing + ". Receive at T.",
                                                     "Set: " + nothing + ". Receive at T."}));
    RunEvents(100);
    EXPECT_TRUE(SetRecord().empty());
    EXPECT_TRUE(done.empty());
}

TEST_F(ControlsTest, ApplyOnScalarsWritesAndNeverRefreshes)
{
    UseScalars();
    binder->SetStatusOutput(&memo);
    binder->Refresh();
    ASSERT_TRUE(WaitDone());
    binder->log.clear();
    binder->onControlsToValues = [this] { binder->request.varList.Item(kName).value = "edge-7"; };
    ASSERT_TRUE(binder->Apply(true, true, std::to_string(kName) + "," + std::to_string(kState)));
    ASSERT_TRUE(WaitIdle());
    RunEvents(100);
    EXPECT_EQ(binder->log, (std::vector<std::string>{"BeforeApply", "ControlsToValues", "AfterApply"}));
    EXPECT_EQ(MemoLines(memo).back(), "Set: " + Ok() + ". Receive at T.");
    const auto sets = SetRecord();
    ASSERT_EQ(sets.size(), 1u);
    EXPECT_EQ(sets[0], (std::vector<std::string>{BINDERTEST_S(1) ".0=656467652D37", BINDERTEST_S(2) ".0=3"}));
}

TEST_F(ControlsTest, ApplyOnATableRefreshesOnlyWhenAsked)
{
    UseTable();
    binder->mode = VnSNMPRequest2Controls::kModeSync;
    binder->SetStatusOutput(&memo);
    binder->Refresh();
    memo.clear();
    binder->log.clear();
    binder->request.varList.Item(kRowIndex).value = "5";
    binder->request.varList.Item(kRowName).value = "renamed";
    binder->Apply(true, false, std::to_string(kRowName));
    EXPECT_EQ(MemoLines(memo), (std::vector<std::string>{"Set: " + Ok() + ". Receive at T.",
                                                     "Get: " + Ok() + ". Receive at T."}));
    EXPECT_EQ(binder->Count("BeforeRefresh"), 1);
    EXPECT_EQ(binder->Count("ControlsToValues"), 0) << "read controls 0";
    memo.clear();
    // The walk has left every item at "(NOTDONE)" again.
    binder->request.varList.Item(kRowIndex).value = "5";
    binder->request.varList.Item(kRowName).value = "renamed";
    binder->Apply(false, true, std::to_string(kRowName));
    EXPECT_EQ(MemoLines(memo), std::vector<std::string>{"Set: " + Ok() + ". Receive at T."});
    EXPECT_EQ(SetRecord().size(), 2u);
}

TEST_F(ControlsTest, ConversionErrorBeforeASetSendsNothing)
{
    UseScalars();
    binder->onControlsToValues = [] { throw VnException("bad input", kVnErrBadDataValue); };
    try {
        binder->Apply();
        ADD_FAILURE() << "the caller gets the exception";
    } catch (const VnException& e) {
        EXPECT_EQ(e.HelpContext(), kVnErrBadDataValue);
    }
    EXPECT_FALSE(binder->Busy());
    RunEvents(100);
    EXPECT_TRUE(SetRecord().empty());
}

TEST_F(ControlsTest, SetErrorGoesToTheStatusLine)
{
    UseScalars();
    binder->SetStatusOutput(&memo);
    sim().error(BINDERTEST_S(1) ".0", "notWritable", "set");
    ASSERT_TRUE(binder->Apply(true, false, std::to_string(kName)));
    ASSERT_TRUE(WaitIdle());
    EXPECT_EQ(MemoLines(memo), std::vector<std::string>{"Set: " + VnErrorText(-117) + ". Receive at T."});
    EXPECT_EQ(binder->Count("AfterApply"), 0);
}

TEST_F(ControlsTest, RequestThatCannotBeSentIsRaisedToTheCaller)
{
    UseTable();
    binder->request.varList.itemType = 9;
    for (std::uint8_t mode : {VnSNMPRequest2Controls::kModeSync, VnSNMPRequest2Controls::kModeAsync}) {
        binder->mode = mode;
        EXPECT_THROW(binder->Refresh(), VnException) << int(mode);
        EXPECT_FALSE(binder->Busy()) << int(mode);
    }
}
