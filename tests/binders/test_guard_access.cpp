// The access scope around a set: what it leaves out, and the words it puts
// back however the scope ends.
#include <gtest/gtest.h>

#include <stdexcept>
#include <vector>

#include "VnAccessScope.h"
#include "VnSNMPVarList.h"

namespace {

namespace S = VnSyntax;
namespace A = VnAccess;

enum Item { kIndex, kName, kSecret, kPorts, kStatus };
const VnSNMPVarDesc kRows[] = {
    {"1.3.6.1.4.1.88406.995.1", "Index", S::Integer, A::NotAccess},
    {"1.3.6.1.4.1.88406.995.2", "Name", S::DisplayStr, A::ReadWrite},
    {"1.3.6.1.4.1.88406.995.3", "Secret", S::DisplayStr, A::ReadWrite | A::Hidden},
    {"1.3.6.1.4.1.88406.995.4", "Ports", S::OctetStr, A::ReadWrite},
    {"1.3.6.1.4.1.88406.995.5", "Status", S::Integer, A::ReadWrite},
    {},
};

std::vector<unsigned> Words(const VnSNMPVarList& list)
{
    std::vector<unsigned> words;
    for (int i = 0; i < list.Count(); ++i)
        words.push_back(list.Item(i).access);
    return words;
}

TEST(AccessScope, LeavesOutWhatTheCommandDoesNotSendKeepingTheOtherFlags)
{
    VnSNMPVarList list(kRows, MVT_UMV, 1);
    const std::vector<unsigned> saved = Words(list);
    {
        VnAccessScope scope(list);
        scope.LeaveOutAllBut({kIndex, kName, kStatus});
        scope.LeaveOut(99);  // outside the list: ignored
        scope.LeaveOut(-1);
        EXPECT_EQ(list.Item(kIndex).access, A::NotAccess);
        EXPECT_EQ(list.Item(kName).access, A::ReadWrite);
        EXPECT_EQ(list.Item(kPorts).access, A::ReadWrite | A::Invalid);
        EXPECT_EQ(list.Item(kSecret).access, A::ReadWrite | A::Hidden | A::Invalid)
            << "a hidden item stays hidden for whatever runs inside the scope";
        EXPECT_FALSE(list.IsWritable(kPorts));
        EXPECT_FALSE(list.IsReadable(kPorts));
        EXPECT_TRUE(list.IsWritable(kName));
    }
    EXPECT_EQ(Words(list), saved);
}

TEST(AccessScope, PutsBackSavedOrFixedWordsOnEveryPath)
{
    VnSNMPVarList list(kRows, MVT_UMV, 1);
    const std::vector<unsigned> saved = Words(list);

    EXPECT_THROW(
        {
            VnAccessScope scope(list, {kName, kPorts});
            throw std::runtime_error("the set failed");
        },
        std::runtime_error);
    EXPECT_EQ(Words(list), saved) << "an exception";

    {
        VnAccessScope scope(list, {kName});
        scope.RestoreAs(kName, A::ReadOnly);
        scope.RestoreAs(99, A::ReadOnly);  // ignored
    }
    EXPECT_EQ(list.Item(kName).access, A::ReadOnly) << "the fixed word";
    EXPECT_EQ(list.Item(kPorts).access, A::ReadWrite) << "the saved word";
    list.Item(kName).access = A::ReadWrite;

    {
        VnAccessScope scope(list, {kStatus});
        scope.Restore();
        EXPECT_EQ(Words(list), saved) << "restored now";
        list.Item(kStatus).access = A::ReadOnly;
    }
    EXPECT_EQ(list.Item(kStatus).access, A::ReadOnly) << "restored once: the end of the scope changes nothing";
}

TEST(AccessScope, AListThatLostItemsGetsBackWhatIsStillThere)
{
    VnSNMPVarList list(kRows, MVT_UMV, 1);
    {
        VnAccessScope scope(list, {kIndex, kName, kStatus});
        const VnSNMPVarDesc two[] = {kRows[0], kRows[1], {}};
        list.Clear();
        list.AppendTable(two);
        list.Item(kName).access = A::Invalid;
    }
    EXPECT_EQ(Words(list), (std::vector<unsigned>{A::NotAccess, A::ReadWrite}));
}

}  // namespace
