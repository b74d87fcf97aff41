// A walk's rows reach the list view in batches: whatever ends the walk, the
// rows read are all in the list, in the order read, by the time the walk's
// end is reported.
#include <QPlainTextEdit>
#include <QTreeWidget>
#include <QWidget>

#include <gtest/gtest.h>

#include <string>

#include "SimSwitchTest.h"
#include "SessionSwitchTest.h"
#include "VnSNMPRequest2Edits.h"
#include "test_controls_support.h"

using namespace bindertest;

namespace {

constexpr int kRows = 300;
#define BATCHTEST_T(c) "1.3.6.1.4.1.88406.997.9.1." #c

const VnSNMPVarDesc kLongTable[] = {
    {BATCHTEST_T(1), "Index", S::Integer, A::ReadOnly},
    {BATCHTEST_T(2), "Name", S::DisplayStr, A::ReadOnly},
    {},
};

class EditsBatches : public SimSwitchTest {
protected:
    SimSwitchOptions switchOptions() const override
    {
        SimSwitchOptions options;
        options.dataFiles = {data_.path()};
        return options;
    }
    void SetUp() override
    {
        EnsureSessionStarted();
        SimSwitchTest::SetUp();
        binder.request.varList = VnSNMPVarList(kLongTable, MVT_FMV, 1);
        Aim(binder.request, port());
        binder.BindListView(&list);
        binder.SetStatusOutput(&memo);
        binder.OnRefreshDone = [this](VnSNMPRequest2Controls&, const VnSNMPError& result) {
            endCode = result.code;
            rowsAtEnd = list.topLevelItemCount();
        };
    }
    // The index column's texts, which must count up from 1.
    bool RowsInOrder(int count) const
    {
        for (int row = 0; row < count; ++row) {
            if (list.topLevelItem(row)->text(0) != QString::number(row + 1))
                return false;
        }
        return true;
    }

    TempSimData data_{"repeat 1 " + std::to_string(kRows) + " " BATCHTEST_T(1) ".$i INTEGER $i\n" +
                      "repeat 1 " + std::to_string(kRows) + " " BATCHTEST_T(2) ".$i STRING \"row $i\"\n"};
    QWidget form;
    QTreeWidget list{&form};
    QPlainTextEdit memo{&form};
    VnSNMPRequest2Edits binder{&form};
    int endCode = -1;
    int rowsAtEnd = -1;
};

TEST_F(EditsBatches, EveryRowIsInTheListWhenTheWalkEnds)
{
    form.show();
    binder.Refresh();
    ASSERT_TRUE(RunUntil([&] { return !binder.Busy(); }));
    EXPECT_EQ(endCode, 0);
    EXPECT_EQ(rowsAtEnd, kRows) << "the end of the walk is reported with every row in";
    ASSERT_EQ(list.topLevelItemCount(), kRows);
    EXPECT_TRUE(RowsInOrder(kRows));
}

TEST_F(EditsBatches, ABlockingWalkHasEveryRowWhenRefreshReturns)
{
    binder.mode = VnSNMPRequest2Controls::kModeSync;
    form.show();
    binder.Refresh();
    ASSERT_EQ(list.topLevelItemCount(), kRows);
    EXPECT_TRUE(RowsInOrder(kRows));
}

TEST_F(EditsBatches, RowsReadBeforeAFailureStay)
{
    // The agent answers the walk's step to row 201 with an error, right
    // after the rows before it.
    sim().error(BATCHTEST_T(1) ".201", "genErr", "getnext");
    form.show();
    binder.Refresh();
    ASSERT_TRUE(RunUntil([&] { return !binder.Busy(); }));
    EXPECT_NE(endCode, 0);
    EXPECT_EQ(rowsAtEnd, 200) << "the failure is reported with the rows read before it";
    ASSERT_EQ(list.topLevelItemCount(), 200);
    EXPECT_TRUE(RowsInOrder(200));
}

TEST_F(EditsBatches, ANewRefreshStartsFromAnEmptyList)
{
    form.show();
    binder.Refresh();
    ASSERT_TRUE(RunUntil([&] { return !binder.Busy(); }));
    binder.Refresh();
    ASSERT_TRUE(RunUntil([&] { return !binder.Busy(); }));
    EXPECT_EQ(list.topLevelItemCount(), kRows) << "no row of the first walk is left over";
    EXPECT_TRUE(RowsInOrder(kRows));
}

}  // namespace
