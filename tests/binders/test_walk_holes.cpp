// A list-view editor over a table whose rows lack some cells
// (tools/simswitch/data/walk-holes.sim): each value is shown in its own
// row, and a row selected and set untouched sends only the cells it read.
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTreeWidget>
#include <QWidget>

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "QtPrint.h"
#include "VnException.h"
#include "VnMessageBox.h"
#include "VnMessages.h"
#include "VnSNMPRequest2Edits.h"
#include "test_controls_support.h"

namespace {

#define WALKTEST_T(c) "1.3.6.1.4.1.88406.994.1.1." #c

const char* const N = kVnNotDoneValue;

namespace S = VnSyntax;
namespace A = VnAccess;

const VnSNMPVarDesc kHoles[] = {
    {WALKTEST_T(1), "Index", S::Integer, A::ReadOnly},
    {WALKTEST_T(2), "Name", S::DisplayStr, A::ReadWrite},
    {WALKTEST_T(3), "Value", S::Integer, A::ReadWrite},
    {WALKTEST_T(4), "Status", S::Integer, A::ReadWrite},
    {WALKTEST_T(5), "Note", S::DisplayStr, A::ReadWrite},
    {},
};

using Rows = std::vector<std::vector<std::string>>;
const Rows kShown = {
    {"1", N, "100", "1", "note one"},
    {"2", "two", N, "2", "note two"},
    {"3", N, "300", "3", N},
    {"10", "ten", "1000", "4", N},
    {"11", "eleven", "1100", N, N},
};

// A table editor: the list view and one edit per writable column.
struct TableForm {
    QWidget form;
    QPlainTextEdit memo{&form};
    QTreeWidget list{&form};
    QLineEdit name{&form};
    QLineEdit value{&form};
    QLineEdit status{&form};
    QLineEdit note{&form};
    VnSNMPRequest2Edits binder{&form};

    TableForm(std::uint16_t port, std::uint8_t mode)
    {
        binder.request.varList = VnSNMPVarList(kHoles, MVT_FMV, 1);
        bindertest::Aim(binder.request, port);
        binder.mode = mode;
        binder.BindListView(&list);
        binder.BindEdits(1, "%s{l32}", {&name});
        binder.BindEdits(2, "%i", {&value});
        binder.BindEdits(3, "%i", {&status});
        binder.BindEdits(4, "%s{l32}", {&note});
        binder.SetStatusOutput(&memo);
    }
    Rows Shown() const
    {
        Rows rows;
        const std::vector<int>& items = binder.ColumnItems();
        for (int r = 0; r < list.topLevelItemCount(); ++r) {
            std::vector<std::string> row(items.size());
            for (std::size_t c = 0; c < items.size(); ++c)
                row[static_cast<std::size_t>(items[c])] = list.topLevelItem(r)->text(static_cast<int>(c)).toStdString();
            rows.push_back(row);
        }
        return rows;
    }
    bool WaitIdle() { return RunUntil([&] { return !binder.Busy(); }); }
    // Refreshes and returns what the user is told: the status line's text
    // of an asynchronous walk, the text a blocking Refresh raises for its
    // caller to show (Ok when it raises nothing).
    std::string RefreshOutcome()
    {
        std::string raised = VnErrorText(kVnOk);
        try {
            binder.Refresh();
        } catch (const VnException& e) {
            raised = e.what();
        }
        EXPECT_TRUE(WaitIdle());
        if (binder.mode == VnSNMPRequest2Controls::kModeSync)
            return raised;
        const std::vector<std::string> lines = bindertest::MemoLines(memo);
        const std::string lead = "Get: ";
        const std::string tail = ". Receive at T.";
        if (lines.empty() || !lines.back().starts_with(lead) || !lines.back().ends_with(tail))
            return "no status line: " + (lines.empty() ? std::string() : lines.back());
        return lines.back().substr(lead.size(), lines.back().size() - lead.size() - tail.size());
    }
};

class WalkHolesListView : public SessionSwitchTest, public ::testing::WithParamInterface<std::uint8_t> {
protected:
    WalkHolesListView() : SessionSwitchTest("walk-holes.sim") {}
};

INSTANTIATE_TEST_SUITE_P(Modes, WalkHolesListView,
                         ::testing::Values(VnSNMPRequest2Controls::kModeSync, VnSNMPRequest2Controls::kModeAsync),
                         [](const ::testing::TestParamInfo<std::uint8_t>& info) {
                             return info.param == VnSNMPRequest2Controls::kModeSync ? "Blocking" : "Asynchronous";
                         });

} // namespace

TEST_P(WalkHolesListView, RowsKeepTheirOwnValuesAndSetSendsOnlyWhatWasRead)
{
    VnMessageBoxCapture boxes;
    const struct {
        int row;
        std::vector<std::string> sent;
        const char* why;
    } cases[] = {
        {0, {WALKTEST_T(3) ".1=100", WALKTEST_T(4) ".1=1", WALKTEST_T(5) ".1=6E6F7465206F6E65"},
         "first row, without a name"},
        {1, {WALKTEST_T(2) ".2=74776F", WALKTEST_T(4) ".2=2", WALKTEST_T(5) ".2=6E6F74652074776F"},
         "a middle row, without a value"},
        {2, {WALKTEST_T(3) ".3=300", WALKTEST_T(4) ".3=3"}, "a row after the note column ended"},
        {4, {WALKTEST_T(2) ".11=656C6576656E", WALKTEST_T(3) ".11=1100"}, "the last row, without a status"},
    };
    TableForm f(port(), GetParam());
    f.binder.Refresh();
    ASSERT_TRUE(f.WaitIdle());
    EXPECT_EQ(f.Shown(), kShown);
    ASSERT_EQ(f.list.topLevelItemCount(), 5);

    for (const auto& c : cases) {
        sim().clearSets();
        f.list.setCurrentItem(f.list.topLevelItem(c.row));
        ASSERT_TRUE(f.binder.Apply(false)) << c.why;
        ASSERT_TRUE(f.WaitIdle()) << c.why;
        EXPECT_EQ(SetRecord(), std::vector<std::vector<std::string>>{c.sent}) << c.why;
    }
    EXPECT_EQ(boxes.Texts().size(), 0) << "nothing was refused";
    // The table reads the same after the sets wrote it back.
    f.binder.Refresh();
    ASSERT_TRUE(f.WaitIdle());
    EXPECT_EQ(f.Shown(), kShown);
}

// An agent that answers a get-next with an OID that does not come after
// the one asked ends that column's list, in the column or out of it: the
// rows read stay and the status line names the OID, never "Ok". An answer
// after the one asked that leaves the table is the table's ordinary end.
TEST_P(WalkHolesListView, AnAnswerBeforeTheOidAskedEndsTheListAndIsNamed)
{
    const std::string lead = "(VnSNMP++) Unexpected reply: the agent returned the non-increasing OID ";
    const std::string ends = "; the list ends there!";
    const struct {
        const char* rule;
        Rows shown;
        std::string text;
        const char* why;
    } cases[] = {
        {"1.3.6.1.4.1.88406.994.1.1 1.3.6.1.2.1.1.5.0", {},
         lead + "1.3.6.1.2.1.1.5.0 for the next after " WALKTEST_T(1) + ends,
         "an unrelated OID before the table, for every column from the first step"},
        {WALKTEST_T(2) ".2 back",
         {kShown[0], kShown[1], {"3", N, "300", "3", N}, {"10", N, "1000", "4", N}, {"11", N, "1100", N, N}},
         lead + WALKTEST_T(1) ".11 for the next after " WALKTEST_T(2) ".2" + ends,
         "the name column answered with the index column's last row, mid-walk"},
        {"1.3.6.1.4.1.88406.994.1.1 1.3.6.1.4.1.88406.995.1.0", {}, VnErrorText(kVnOk),
         "an OID after the table: the ordinary end"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.why);
        sim().command(std::string("answer-next ") + c.rule);
        TableForm f(port(), GetParam());
        EXPECT_EQ(f.RefreshOutcome(), c.text);
        EXPECT_EQ(f.Shown(), c.shown);
        sim().command("clear-faults");
    }
}

// A number beyond its 32-bit type is a cell without value in its own row,
// and the status line names it as the agent sent it, never "Ok" with the
// number cut to its low 32 bits.
TEST_P(WalkHolesListView, ANumberBeyondItsTypeIsAHoleAndIsNamed)
{
    sim().command("set " WALKTEST_T(3) ".3 WIDE INTEGER 4294967296");
    const std::string text = "(VnSNMP++) Unexpected reply: " WALKTEST_T(3) ".3 = INTEGER: 4294967296 (out of range "
                             "for INTEGER)!";
    Rows shown = kShown;
    shown[2][2] = N;
    TableForm f(port(), GetParam());
    EXPECT_EQ(f.RefreshOutcome(), text);
    EXPECT_EQ(f.Shown(), shown);
}
