// Table walks over tables whose rows lack some cells, as real agents
// serve them (tools/simswitch/data/walk-holes.sim): every value stays in
// its own row, a cell that is missing has no value, a column that ends
// early ends alone, and a set of such a row never sends the missing cell.
#include "test_request_support.h"

#include "VnException.h"
#include "VnMessages.h"

using namespace reqtest;

namespace {

#define WALKTEST_T(t, c) "1.3.6.1.4.1.88406.994." #t ".1." #c

const char* const N = kVnNotDoneValue;

const VnSNMPVarDesc kHoles[] = {
    {WALKTEST_T(1, 1), "Index", S::Integer, A::ReadOnly},
    {WALKTEST_T(1, 2), "Name", S::DisplayStr, A::ReadWrite},
    {WALKTEST_T(1, 3), "Value", S::Integer, A::ReadWrite},
    {WALKTEST_T(1, 4), "Status", S::Integer, A::ReadWrite},
    {WALKTEST_T(1, 5), "Note", S::DisplayStr, A::ReadWrite},
    {},
};
const Rows kHoleRows = {
    {"1", N, "100", "1", "note one"},   // the first row lacks a name
    {"2", "two", N, "2", "note two"},   // a middle row lacks its value
    {"3", N, "300", "3", N},            // the note column has ended
    {"10", "ten", "1000", "4", N},      // after 3 by number, not by text
    {"11", "eleven", "1100", N, N},     // the last row lacks a status
};

// Keys that are not columns; the last column is the end of the MIB.
const VnSNMPVarDesc kUnitPort[] = {
    {" ", "Unit", S::Integer, A::NotAccess},
    {" ", "Port", S::Integer, A::NotAccess},
    {WALKTEST_T(2, 1), "Name", S::DisplayStr, A::ReadWrite},
    {WALKTEST_T(2, 2), "Speed", S::Gauge, A::ReadOnly},
    {},
};
const Rows kUnitPortRows = {
    {"1", "1", "uplink", "1000"},
    {"1", "2", N, "100"},
    {"1", "10", "server", N},
    {"2", "1", "backup", N},
};

class WalkHolesTest : public SessionSwitchTest, public ::testing::WithParamInterface<Version> {
protected:
    WalkHolesTest() : SessionSwitchTest("walk-holes.sim") {}
    void Use(VnSNMPRequest& request, const VnSNMPVarDesc* table, unsigned keys,
             unsigned char type = MVT_FMV)
    {
        request.varList = VnSNMPVarList(table, type, keys);
        Aim(request, port(), GetParam());
    }
};

INSTANTIATE_TEST_SUITE_P(Versions, WalkHolesTest, ::testing::Values(kV1, kV2c, kV3ShaDes), VersionName);

} // namespace

TEST_P(WalkHolesTest, EveryValueStaysInItsOwnRow)
{
    const struct {
        const VnSNMPVarDesc* table;
        unsigned keys;
        Rows rows;
        const char* why;
    } cases[] = {
        {kHoles, 1, kHoleRows, "holes in the first, a middle and the last row, a column ending early"},
        {kUnitPort, 2, kUnitPortRows, "two-part index, the short column ends at the end of the MIB"},
    };
    for (const auto& c : cases) {
        for (unsigned char type : {MVT_FMV, MVT_UMV}) {
            VnSNMPRequest request;
            Use(request, c.table, c.keys, type);
            const WalkResult walk = WalkAsync(request);
            ASSERT_TRUE(walk.finished) << c.why;
            EXPECT_EQ(walk.exception, "") << c.why;
            EXPECT_EQ(walk.rows, c.rows) << c.why;
            EXPECT_EQ(walk.last.code, kVnOk) << c.why << ": " << walk.last.text;
            EXPECT_TRUE(walk.last.endOfWalk) << c.why;
            EXPECT_EQ(walk.completions, static_cast<int>(c.rows.size()) + 1) << c.why;

            Use(request, c.table, c.keys, type);
            EXPECT_EQ(WalkSync(request), c.rows) << c.why << " (blocking)";
            EXPECT_EQ(request.Outstanding(), 0);
        }
    }
}

// A walk the caller starts again from the first row forgets which
// columns had ended.
TEST_P(WalkHolesTest, ASecondWalkStartsAfresh)
{
    VnSNMPRequest request;
    Use(request, kHoles, 1);
    EXPECT_EQ(WalkSync(request), kHoleRows);
    EXPECT_EQ(WalkSync(request), kHoleRows);
    EXPECT_EQ(WalkAsync(request).rows, kHoleRows);
}

// A row read by the walk and written back as it stands sends the cells it
// holds at the row's own index, never a cell it did not read.
TEST_P(WalkHolesTest, SetOfARowWithAHoleSendsOnlyWhatWasRead)
{
    const struct {
        std::size_t row;
        std::vector<std::string> sent;
        const char* why;
    } cases[] = {
        {0, {WALKTEST_T(1, 3) ".1=100", WALKTEST_T(1, 4) ".1=1", WALKTEST_T(1, 5) ".1=6E6F7465206F6E65"},
         "first row without a name"},
        {1, {WALKTEST_T(1, 2) ".2=74776F", WALKTEST_T(1, 4) ".2=2", WALKTEST_T(1, 5) ".2=6E6F74652074776F"},
         "middle row without a value"},
        {4, {WALKTEST_T(1, 2) ".11=656C6576656E", WALKTEST_T(1, 3) ".11=1100"},
         "last row without a status or note"},
    };
    for (const auto& c : cases) {
        VnSNMPRequest request;
        Use(request, kHoles, 1);
        bool first = true;
        for (std::size_t row = 0; row <= c.row; ++row, first = false)
            ASSERT_TRUE(request.Get(first)) << c.why;
        ASSERT_EQ(Values(request.varList), kHoleRows[c.row]) << c.why;
        sim().clearSets();
        request.Set(false, "", nullptr);
        const auto sets = SetRecord();
        ASSERT_EQ(sets.size(), 1u) << c.why;
        EXPECT_EQ(sets[0], c.sent) << c.why;
    }
}
