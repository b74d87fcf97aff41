#include "SwitchMib.h"
#include "UsmMib.h"

#include <gtest/gtest.h>

#include <string>

namespace {

// A table in one unit pointing at a list of another: constinit proves the
// table needs no run-time initialisation, whatever the units' order.
constinit const VnSNMPVarDesc kUsmColumns[] = {
    {" ", "User Name", VnSyntax::OctetStr, VnAccess::NotAccess | VnAccess::Implied},
    {"1.3.6.1.6.3.15.1.2.2.1.5", "Authentication Protocol", VnSyntax::ObjectId,
     VnAccess::ReadWrite, &UsmAuthProtocolList},
    {"1.3.6.1.6.3.15.1.2.2.1.8", "Privacy Protocol", VnSyntax::ObjectId, VnAccess::ReadWrite,
     &UsmPrivProtocolList},
    {},
};

TEST(MibDefs, ModuleModel)
{
    EXPECT_EQ(std::string(ModuleModel), "RQ4024S");
}

TEST(MibDefs, UsmProtocolLists)
{
    EXPECT_EQ(UsmAuthProtocolList.Kind(), VnOptionKind::String);
    EXPECT_FALSE(UsmAuthProtocolList.CaseSensitive());
    ASSERT_EQ(UsmAuthProtocolList.Count(), 3);
    ASSERT_EQ(UsmPrivProtocolList.Count(), 2);

    EXPECT_EQ(UsmAuthProtocolList.LabelOfValue("1.3.6.1.6.3.10.1.1.2"), "MD5");
    EXPECT_EQ(UsmAuthProtocolList.ValueOfLabel("MD5"), "1.3.6.1.6.3.10.1.1.2");
    EXPECT_EQ(UsmAuthProtocolList.ValueOfLabel("sha"), "1.3.6.1.6.3.10.1.1.3");
    EXPECT_EQ(UsmAuthProtocolList.LabelOfValue("1.3.6.1.6.3.10.1.1.1"), "None");
    // Compared whole: a longer OID is not a protocol of the list.
    EXPECT_EQ(UsmAuthProtocolList.LabelOfValue("1.3.6.1.6.3.10.1.1.2.0"), "1.3.6.1.6.3.10.1.1.2.0");
    EXPECT_EQ(UsmPrivProtocolList.LabelOfValue("1.3.6.1.6.3.10.1.2.2"), "DES");
    EXPECT_EQ(UsmPrivProtocolList.ValueOfLabel("None"), "1.3.6.1.6.3.10.1.2.1");
    EXPECT_EQ(UsmPrivProtocolList.IndexOfLabel("AES"), -1);
}

TEST(MibDefs, VarListReachesListsOfAnotherUnit)
{
    const VnSNMPVarList list(kUsmColumns, MVT_FMV, 1);
    ASSERT_EQ(list.Count(), 3);
    EXPECT_TRUE(list.IsImplied(0));
    EXPECT_TRUE(list.IsWritable(0));
    ASSERT_EQ(list.Item(1).options, &UsmAuthProtocolList);
    EXPECT_EQ(list.Item(1).options->LabelOfValue("1.3.6.1.6.3.10.1.1.3"), "SHA");
    EXPECT_EQ(list.Item(2).options->LabelOfValue("1.3.6.1.6.3.10.1.2.2"), "DES");
}

}  // namespace
