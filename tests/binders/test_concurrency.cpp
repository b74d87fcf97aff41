// One request at a time per binder: a Refresh or Apply while another is
// under way is refused, and the read after a set starts from the set's
// completion. The switch holds replies back (its delay fault) so that the
// second request comes while the first is still under way.
#include <QComboBox>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTreeWidget>
#include <QWidget>

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "QtPrint.h"
#include "VnMessageBox.h"
#include "VnMessages.h"
#include "VnSNMPRequest2Edits.h"
#include "VnStatusOutput.h"
#include "test_controls_support.h"

using namespace bindertest;

namespace {

constexpr int kHoldMs = 300;

std::string OkLine(const char* kind)
{
    return std::string(kind) + ": " + VnErrorText(kVnOk) + ". Receive at T.";
}

std::string NothingSentLine()
{
    return std::string("Set: ") + kVnNothingSentText + ". Receive at T.";
}

// A table form over the five rows: name and state bound, one memo.
class ConcurrencyTest : public BinderSwitchTest {
protected:
    void SetUp() override
    {
        BinderSwitchTest::SetUp();
        Use(binder.request, kTable, MVT_FMV, 1);
        binder.BindListView(&list);
        binder.BindEdits(kRowName, "%s{l32}", {&name});
        binder.BindComboBox(kRowState, &state);
        binder.SetStatusOutput(&memo);
    }

    void Load()
    {
        binder.Refresh();
        ASSERT_TRUE(RunUntil([&] { return !binder.Busy(); }));
        ASSERT_EQ(list.topLevelItemCount(), 5);
        memo.clear();
    }

    std::vector<std::string> Lines() const { return MemoLines(memo); }

    std::vector<std::string> Column(int column) const
    {
        std::vector<std::string> texts;
        for (int row = 0; row < list.topLevelItemCount(); ++row)
            texts.push_back(list.topLevelItem(row)->text(column).toStdString());
        return texts;
    }

    // Lets whatever is still under way end, then a while more: a request
    // that was wrongly let through would show itself by then.
    void Settle()
    {
        ASSERT_TRUE(RunUntil([&] { return !binder.Busy(); }));
        RunEvents(kHoldMs + 200);
        ASSERT_FALSE(binder.Busy());
    }

    QWidget form;
    QTreeWidget list{&form};
    QLineEdit name{&form};
    QComboBox state{&form};
    QPlainTextEdit memo{&form};
    VnSNMPRequest2Edits binder{&form};
};

// Columns of the list view: hidden and write-only items first, then the
// visible ones in item order (the four here are all visible).
constexpr int kNameColumn = 1;
constexpr int kStateColumn = 2;

TEST_F(ConcurrencyTest, ARefreshWhileASlowSetIsUnderWayWaitsForTheSetsOwnReadBack)
{
    Load();
    list.setCurrentItem(list.topLevelItem(2));
    state.setCurrentIndex(0);  // disabled
    sim().delay(BINDERTEST_T(3) ".3", kHoldMs);
    ASSERT_TRUE(binder.Apply(true, true, std::to_string(kRowState)));
    ASSERT_TRUE(binder.Busy());

    binder.Refresh();
    EXPECT_EQ(list.topLevelItemCount(), 5) << "the refused refresh clears no rows";
    Settle();

    const auto sets = SetRecord();
    ASSERT_EQ(sets.size(), 1u);
    EXPECT_EQ(sets[0], std::vector<std::string>{BINDERTEST_T(3) ".3=2"});
    EXPECT_EQ(Lines(), (std::vector<std::string>{OkLine("Set"), OkLine("Get")}))
        << "one read, after the set";
    EXPECT_EQ(Column(kNameColumn), (std::vector<std::string>{"alpha", "bravo", "charlie", "delta", "echo"}));
    EXPECT_EQ(Column(kStateColumn)[2], "disabled") << "read back after the set applied";
}

TEST_F(ConcurrencyTest, ASetTheAgentRefusesKeepsItsLineInAStatusBar)
{
    VnStatusBar bar;
    bar.AddPanel(50)->SetText("own");
    binder.SetStatusOutput(&bar);
    Load();
    list.setCurrentItem(list.topLevelItem(2));
    state.setCurrentIndex(0);
    sim().error(BINDERTEST_T(3), "wrongValue", "set");
    sim().delay(BINDERTEST_T(3) ".3", kHoldMs);
    ASSERT_TRUE(binder.Apply(true, true, std::to_string(kRowState)));
    binder.Refresh();
    Settle();

    const std::string line = WithoutTime(bar.StatusLine());
    EXPECT_EQ(line.rfind("Set: ", 0), 0u) << line;
    EXPECT_NE(line, OkLine("Set"));
    EXPECT_EQ(bar.Panel(0)->Text(), "own");
    EXPECT_EQ(Column(kStateColumn)[2], "enabled") << "the refused set left the rows as read";
}

TEST_F(ConcurrencyTest, ASetWhileAWalkIsUnderWaySendsNothing)
{
    Load();
    // The walk stops at the third row until the switch answers.
    sim().delay(BINDERTEST_T(1) ".3", kHoldMs);
    binder.Refresh();
    ASSERT_TRUE(RunUntil([&] { return list.topLevelItemCount() == 2; }));
    list.setCurrentItem(list.topLevelItem(0));
    name.setText("changed");

    EXPECT_FALSE(binder.Apply(true, true, std::to_string(kRowName)));
    Settle();

    EXPECT_TRUE(SetRecord().empty());
    EXPECT_EQ(Lines(), (std::vector<std::string>{NothingSentLine(), OkLine("Get")}));
    EXPECT_EQ(Column(kNameColumn), (std::vector<std::string>{"alpha", "bravo", "charlie", "delta", "echo"}));
}

TEST_F(ConcurrencyTest, ARefreshWhileAWalkIsUnderWayLeavesOneSetOfRows)
{
    Load();
    sim().delay(BINDERTEST_T(1) ".3", kHoldMs);
    binder.Refresh();
    ASSERT_TRUE(RunUntil([&] { return list.topLevelItemCount() == 2; }));

    binder.Refresh();
    EXPECT_EQ(list.topLevelItemCount(), 2) << "the rows read so far stay";
    Settle();

    EXPECT_EQ(Column(kNameColumn), (std::vector<std::string>{"alpha", "bravo", "charlie", "delta", "echo"}));
    EXPECT_EQ(Lines(), std::vector<std::string>{OkLine("Get")});
}

// A blocking set is finished when Apply returns; its read-back is a new
// request and is not refused.
TEST_F(ConcurrencyTest, ABlockingSetReadsBackAfterItEnds)
{
    Load();
    binder.mode = VnSNMPRequest2Controls::kModeSync;
    list.setCurrentItem(list.topLevelItem(2));
    state.setCurrentIndex(0);
    sim().delay(BINDERTEST_T(3) ".3", kHoldMs);
    ASSERT_TRUE(binder.Apply(true, true, std::to_string(kRowState)));
    EXPECT_FALSE(binder.Busy());
    EXPECT_EQ(Lines(), (std::vector<std::string>{OkLine("Set"), OkLine("Get")}));
    EXPECT_EQ(Column(kStateColumn)[2], "disabled");
}

}  // namespace
