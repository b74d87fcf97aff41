#include "VnOptionList.h"
#include "VnSNMPVarList.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

const VnIntOption kEnable[] = {{1, "enabled"}, {2, "disabled"}, {0, nullptr}};
const VnOptionList kEnableList(kEnable);

constinit const VnSNMPVarDesc kTable[] = {
    {"1.3.6.1.4.1.88406.12.1.1", "Index", VnSyntax::Integer, VnAccess::NotAccess},
    {" ", "Name", VnSyntax::OctetStr, VnAccess::NotAccess | VnAccess::Implied},
    {"1.3.6.1.4.1.88406.12.1.3", "State", VnSyntax::Integer, VnAccess::ReadWrite, &kEnableList},
    {"1.3.6.1.4.1.88406.12.1.4", "Extra", VnSyntax::DisplayStr, VnAccess::ReadOnly, nullptr,
     "$0+1", "", nullptr, "initial", "1.3.6.1.4.1.88406.12.1.4.7"},
    {},
};

const VnSNMPVarDesc kNoRecords[] = {{}};

VnSNMPVarList ListWithFlags(const std::vector<unsigned>& flags, unsigned char type, unsigned keys)
{
    std::vector<VnSNMPVarDesc> table;
    for (unsigned f : flags)
        table.push_back({"1.3.6.1.2.1.1", "x", VnSyntax::Integer, f});
    table.push_back({});
    return VnSNMPVarList(table.data(), type, keys);
}

TEST(VarList, CopiesEveryRecordField)
{
    const VnSNMPVarList list(kTable, MVT_FMV, 2);
    ASSERT_EQ(list.Count(), 4);
    EXPECT_EQ(VnSNMPVarList::CountTableItems(kTable), 4);
    EXPECT_EQ(list.itemType, MVT_FMV);
    EXPECT_EQ(list.keyCount, 2u);
    EXPECT_EQ(list.name, "");
    EXPECT_EQ(list.caption, "");

    const VnSNMPVarItem& blank = list.Item(1);
    EXPECT_EQ(blank.oid, " ");
    EXPECT_EQ(blank.label, "Name");
    EXPECT_EQ(blank.syntax, VnSyntax::OctetStr);
    EXPECT_EQ(blank.access, 0x41u);
    EXPECT_TRUE(list.IsImplied(1));
    EXPECT_FALSE(list.IsImplied(0));

    EXPECT_EQ(list.Item(2).options, &kEnableList);
    EXPECT_FALSE(list.Item(2).readExpr.has_value());
    EXPECT_EQ(list.Item(2).value, "");
    EXPECT_EQ(list.Item(2).lastOid, "");

    // "none" and the empty text are different expressions.
    const VnSNMPVarItem& extra = list.Item(3);
    EXPECT_EQ(extra.readExpr, "$0+1");
    ASSERT_TRUE(extra.writeExpr.has_value());
    EXPECT_EQ(*extra.writeExpr, "");
    EXPECT_FALSE(extra.spare.has_value());
    EXPECT_EQ(extra.value, "initial");
    EXPECT_EQ(extra.lastOid, "1.3.6.1.4.1.88406.12.1.4.7");
}

TEST(VarList, EmptyAndNullTables)
{
    const VnSNMPVarList fromNull(nullptr, MVT_FMV, 1);
    const VnSNMPVarList fromTerminator(kNoRecords, SVT_SV, 0);
    const VnSNMPVarList byDefault;
    for (const VnSNMPVarList* list : {&fromNull, &fromTerminator, &byDefault}) {
        EXPECT_EQ(list->Count(), 0);
        EXPECT_EQ(list->VisibleCount(), 0);
        EXPECT_EQ(list->WriteOnlyOrHiddenCount(), 0);
    }
    EXPECT_EQ(byDefault.itemType, SVT_SV);
    EXPECT_EQ(byDefault.keyCount, 0u);
    EXPECT_EQ(VnSNMPVarList::CountTableItems(nullptr), 0);
    EXPECT_EQ(VnSNMPVarList::CountTableItems(kNoRecords), 0);
}

TEST(VarList, AppendKeepsExistingItemsInPlace)
{
    VnSNMPVarList list(kTable, SVT_SV, 0);
    const VnSNMPVarItem* first = &list.Item(0);
    list.Item(0).value = "kept";
    list.AppendTable(kTable);
    list.AppendTable(nullptr);
    ASSERT_EQ(list.Count(), 8);
    EXPECT_EQ(&list.Item(0), first);
    EXPECT_EQ(list.Item(0).value, "kept");
    EXPECT_EQ(list.Item(4).label, "Index");
    EXPECT_EQ(list.Item(4).value, "");
    list.Clear();
    EXPECT_EQ(list.Count(), 0);
}

// A null label is a slip in a table; it must not be read through.
TEST(VarList, NullLabelBecomesEmpty)
{
    const VnSNMPVarDesc table[] = {{"1.3.6.1.2.1.1.5", nullptr, VnSyntax::DisplayStr, 2}, {}};
    const VnSNMPVarList list(table, SVT_SV, 0);
    ASSERT_EQ(list.Count(), 1);
    EXPECT_EQ(list.Item(0).label, "");
}

struct PredicateCase {
    const char* why;
    unsigned flags;
    unsigned char type;
    unsigned keys;
    int index;
    bool readable, writable, visible, writeOnlyOrHidden;
};

TEST(VarList, Predicates)
{
    const PredicateCase cases[] = {
        {"read-write scalar", 6, SVT_SV, 0, 0, true, true, true, false},
        {"read-write marked invalid for a set", 38, SVT_SV, 0, 0, false, false, false, true},
        {"read-only", 2, SVT_SV, 0, 0, true, false, true, false},
        {"write-only exactly", 4, SVT_SV, 0, 0, false, true, false, true},
        {"write-only plus derived is shown", 12, SVT_SV, 0, 0, false, true, true, false},
        {"not accessible is shown, not read", 1, SVT_SV, 0, 0, false, false, true, false},
        {"derived", 8, SVT_SV, 0, 0, false, false, true, false},
        {"hidden read-write", 22, SVT_SV, 0, 0, true, true, false, true},
        {"no flags at all", 0, SVT_SV, 0, 0, false, false, false, false},
        {"key of a walked table is writable", 1, MVT_FMV, 2, 0, false, true, true, false},
        {"second key of a walked table", 1, MVT_FMV, 2, 1, false, true, true, false},
        {"first column after the keys", 1, MVT_FMV, 2, 2, false, false, true, false},
        {"key of the other table type", 1, MVT_UMV, 2, 1, false, true, true, false},
        {"no keys in a scalar list", 1, SVT_SV, 2, 0, false, false, true, false},
        {"no keys in a single-value list", 1, MVT_SV, 2, 0, false, false, true, false},
        {"unknown item type has no keys", 1, 7, 2, 0, false, false, true, false},
        {"invalid key is not writable", 33, MVT_FMV, 2, 0, false, false, false, true},
        {"implied key", 0x41, MVT_FMV, 2, 1, false, true, true, false},
        {"write-only with the implied bit is not 'exactly 4'", 0x44, SVT_SV, 0, 0, false, true,
         false, false},
    };
    for (const PredicateCase& c : cases) {
        SCOPED_TRACE(c.why);
        std::vector<unsigned> flags(static_cast<std::size_t>(c.index) + 1, 6);
        flags[c.index] = c.flags;
        const VnSNMPVarList list = ListWithFlags(flags, c.type, c.keys);
        EXPECT_EQ(list.IsReadable(c.index), c.readable);
        EXPECT_EQ(list.IsWritable(c.index), c.writable);
        EXPECT_EQ(list.IsVisible(c.index), c.visible);
        EXPECT_EQ(list.IsWriteOnlyOrHidden(c.index), c.writeOnlyOrHidden);
    }
}

TEST(VarList, InvalidMarkIsUndoneByTakingItAway)
{
    VnSNMPVarList list = ListWithFlags({6}, SVT_SV, 0);
    list.Item(0).access += VnAccess::Invalid;
    EXPECT_FALSE(list.IsReadable(0) || list.IsWritable(0) || list.IsVisible(0));
    list.Item(0).access -= VnAccess::Invalid;
    EXPECT_TRUE(list.IsReadable(0) && list.IsWritable(0) && list.IsVisible(0));
}

TEST(VarList, Counts)
{
    const VnSNMPVarList list = ListWithFlags({1, 2, 4, 6, 8, 16, 22, 38, 0}, SVT_SV, 0);
    EXPECT_EQ(list.VisibleCount(), 4);           // 1, 2, 6, 8
    EXPECT_EQ(list.WriteOnlyOrHiddenCount(), 4);  // 4, 16, 22, 38
}

TEST(VarList, AssignMakesAnIndependentCopy)
{
    VnSNMPVarList source(kTable, MVT_FMV, 2);
    source.name = "3";
    source.caption = " Led Status";
    source.Item(2).value = "enabled";

    VnSNMPVarList copy;
    copy.name = "own";
    copy = source;
    EXPECT_EQ(copy.name, "own");  // the name is the owner's business
    EXPECT_EQ(copy.caption, " Led Status");
    EXPECT_EQ(copy.itemType, MVT_FMV);
    EXPECT_EQ(copy.keyCount, 2u);
    ASSERT_EQ(copy.Count(), 4);
    EXPECT_EQ(copy.Item(2).value, "enabled");
    EXPECT_EQ(copy.Item(2).options, source.Item(2).options);
    EXPECT_EQ(copy.Item(3).readExpr, "$0+1");

    copy.Item(2).value = "disabled";
    copy.Item(2).access |= VnAccess::Invalid;
    copy.Item(3).readExpr.reset();
    EXPECT_EQ(source.Item(2).value, "enabled");
    EXPECT_EQ(source.Item(2).access, VnAccess::ReadWrite);
    EXPECT_EQ(source.Item(3).readExpr, "$0+1");

    const VnSNMPVarList constructed(source);
    EXPECT_EQ(constructed.name, "");
    EXPECT_EQ(constructed.Count(), 4);
    EXPECT_EQ(constructed.caption, " Led Status");
}

TEST(VarList, AssignReplacesPreviousItems)
{
    VnSNMPVarList target = ListWithFlags({2, 2, 2, 2, 2, 2}, MVT_UMV, 1);
    const VnSNMPVarList source(kTable, SVT_SV, 0);
    target.Assign(source);
    EXPECT_EQ(target.Count(), 4);
    EXPECT_EQ(target.itemType, SVT_SV);
    EXPECT_EQ(target.keyCount, 0u);
}

// Clearing before copying would lose the list when it is its own source.
TEST(VarList, SelfAssignKeepsTheList)
{
    VnSNMPVarList list(kTable, MVT_FMV, 2);
    list.caption = "c";
    list.Item(0).value = "5";
    VnSNMPVarList& self = list;
    list = self;
    list.Assign(self);
    ASSERT_EQ(list.Count(), 4);
    EXPECT_EQ(list.Item(0).value, "5");
    EXPECT_EQ(list.caption, "c");
    EXPECT_EQ(list.keyCount, 2u);
}

TEST(VarList, LibraryNameLists)
{
    EXPECT_EQ(VnItemTypeNames.Count(), 4);
    EXPECT_EQ(VnItemTypeNames.LabelOfValue("2"), "MVT_FMV");
    ASSERT_EQ(VnSyntaxNames.Count(), 26);
    EXPECT_EQ(VnSyntaxNames.Item(0).label, "integer");
    EXPECT_EQ(VnSyntaxNames.Item(11).label, "boolean");  // stored after counter64
    EXPECT_EQ(VnSyntaxNames.Item(25).label, "ipv6address");
    EXPECT_EQ(VnSyntaxNames.LabelOfValue("66"), "guage");
    EXPECT_EQ(VnSyntaxNames.ValueOfLabel("DisplayStr"), "76");
    EXPECT_EQ(VnAccessNames.Count(), 7);
    EXPECT_EQ(VnAccessNames.LabelOfValue("6"), "readwrite");
    EXPECT_EQ(VnAccessNames.LabelOfValue("64"), "64");  // implied has no name
}

}  // namespace
