// The LACP aggregation port dialog over the switch: the state octets as
// boxes (most significant bit first), Refresh clearing them, the Refresh
// button during and after walks, and a short state octet.
#include <QCheckBox>
#include <QPushButton>

#include "Aggregatorporttableformunit.h"
#include "ports_test_support.h"

using namespace portstest;
using dialogtest::WaitIdle;

namespace {

const std::string kLacp = std::string(kEnterprise) + ".12.4.1.2.1.1";
constexpr const char* kPortColumn = "Actor Port";

class AggregatorPort : public PortsSwitchTest {
protected:
    // The eight boxes of page `page` (0 to 3), as a bit text "10000000".
    static std::string Page(const TAggregatorPortTableForm& form, int page)
    {
        std::string bits;
        for (int b = 0; b < 8; ++b)
            bits += form.CheckBoxes[static_cast<std::size_t>(page * 8 + b)]->isChecked() ? '1' : '0';
        return bits;
    }
};

TEST_F(AggregatorPort, SelectingARowShowsItsFourStateOctets)
{
    auto form = Open<TAggregatorPortTableForm>();
    EXPECT_EQ(form->windowTitle(), "Aggregator Port Table: 127.0.0.1");
    EXPECT_EQ(ColumnTexts(form->ListView1, kPortColumn), QStringList({"1", "2", "3", "4"}));
    EXPECT_TRUE(form->GetBtn->isEnabled());
    ASSERT_TRUE(SelectRow(form->ListView1, kPortColumn, "1"));
    EXPECT_EQ(form->CheckBoxes[0]->text(), "lacpActivity");
    EXPECT_EQ(Page(*form, 0), "10000000");  // 0x80
    EXPECT_EQ(Page(*form, 1), "10111100");  // 0xBC
    EXPECT_EQ(Page(*form, 2), "00000001");  // 0x01
    EXPECT_EQ(Page(*form, 3), "00111101");  // 0x3D
}

TEST_F(AggregatorPort, RefreshUnchecksEveryBoxAndHoldsTheButtonUntilTheWalkEnds)
{
    auto form = Open<TAggregatorPortTableForm>();
    ASSERT_TRUE(SelectRow(form->ListView1, kPortColumn, "1"));
    form->GetBtnClick();
    EXPECT_FALSE(form->GetBtn->isEnabled());
    for (int page = 0; page < 4; ++page)
        EXPECT_EQ(Page(*form, page), "00000000") << page;
    ASSERT_TRUE(WaitIdle(*form));
    EXPECT_TRUE(form->GetBtn->isEnabled());
    EXPECT_EQ(form->ListView1->topLevelItemCount(), 4);
}

TEST_F(AggregatorPort, AnAgentWithoutTheTableEnablesRefreshAgain)
{
    sim().error(kLacp, "endOfMibView", "getnext");
    auto form = Open<TAggregatorPortTableForm>();
    EXPECT_EQ(form->ListView1->topLevelItemCount(), 0);
    EXPECT_TRUE(form->GetBtn->isEnabled());
}

TEST_F(AggregatorPort, AnEmptyStateOctetIsReportedAndLeavesItsPageUnchecked)
{
    auto form = Open<TAggregatorPortTableForm>();
    ASSERT_TRUE(SelectRow(form->ListView1, kPortColumn, "1"));
    ASSERT_EQ(Page(*form, 2), "00000001");
    VnMessageBoxCapture boxes;
    // Port 3's partner admin state is empty.
    ASSERT_TRUE(SelectRow(form->ListView1, kPortColumn, "3"));
    ASSERT_EQ(boxes.Texts().size(), 1);
    EXPECT_TRUE(boxes.Texts()[0].contains("Out of range for the bit(byte) index")) << boxes.Texts()[0].toStdString();
    EXPECT_EQ(Page(*form, 2), "00000000");
    EXPECT_EQ(Page(*form, 0), "10000000");
    EXPECT_TRUE(form->GetBtn->isEnabled());
    form->GetBtnClick();
    ASSERT_TRUE(WaitIdle(*form));
    EXPECT_EQ(form->ListView1->topLevelItemCount(), 4);
}

}  // namespace
