// The current VLAN table over the switch: the delete count, a row in both
// grids and the VLAN index, the clearing on empty list space, and no set.
#include <QLabel>
#include <QPushButton>
#include <QTest>

#include "Vlancurrenttableformunit.h"
#include "VnMessageBox.h"
#include "VnMessages.h"
#include "qbridge_test_support.h"

using namespace qbridgetest;
using dialogtest::WaitIdle;

namespace {

class VlanCurrent : public QBridgeSwitchTest {};

}  // namespace

TEST_F(VlanCurrent, RowFillsGridsAndIndexAndEmptySpaceClearsThem)
{
    auto form = Open<TVLanCurrentTableForm>();
    EXPECT_EQ(form->windowTitle(), "VLAN Current Table: 127.0.0.1");
    EXPECT_EQ(form->VlanNumDeletes->text(), "7");
    QTreeWidget* list = form->LV_dot1qVlanCurrentEntry;
    EXPECT_EQ(ColumnTexts(list, "VLAN Index"), QStringList({"1", "10", "20", "30"}));
    EXPECT_EQ(form->ST_Count2->text(), "4");

    ASSERT_TRUE(SelectRow(list, {{"VLAN Index", "30"}}));
    EXPECT_EQ(list->currentItem()->text(Column(list, "VLAN Status")), "dynamicGvrp");
    EXPECT_EQ(list->currentItem()->text(Column(list, "VLAN Time Mark")).isEmpty(), false);
    EXPECT_EQ(form->StaticText1->text(), "30");
    EXPECT_EQ(Checked(form->EgressPorts), (std::vector<std::pair<int, int>>{{1, 3}, {1, 4}}));
    EXPECT_EQ(Checked(form->UntaggedPorts), (std::vector<std::pair<int, int>>{{1, 3}}));

    // Clicks on the boxes change nothing: the grids only show the lists.
    QCheckBox* box = form->EgressPorts->Box(1, 5);
    QTest::mouseClick(box, Qt::LeftButton);
    EXPECT_FALSE(box->isChecked());

    const QRect last = list->visualItemRect(list->topLevelItem(list->topLevelItemCount() - 1));
    list->resize(list->width(), last.bottom() + 200);
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, QPoint(last.center().x(), last.bottom() + 30));
    EXPECT_TRUE(list->selectedItems().isEmpty());
    EXPECT_TRUE(form->StaticText1->text().isEmpty());
    EXPECT_TRUE(Checked(form->EgressPorts).empty());
    EXPECT_TRUE(Checked(form->UntaggedPorts).empty());

    form->RefreshBtn->click();
    ASSERT_TRUE(WaitIdle(*form));
    EXPECT_EQ(form->ST_Count2->text(), "4");
    EXPECT_TRUE(sim().sets().empty());
}

// A 4-byte list fills the first 32 boxes and reports the first position
// past its end; the boxes after it do not keep the earlier row's ports.
TEST_F(VlanCurrent, ShortBitmapLeavesNoEarlierRowsPorts)
{
    VnMessageBoxCapture boxes;
    sim().set(kQ + "4.2.1.4.5000.30", "OCTETSTR", "30000000");
    auto form = Open<TVLanCurrentTableForm>();
    QTreeWidget* list = form->LV_dot1qVlanCurrentEntry;
    ASSERT_TRUE(SelectRow(list, {{"VLAN Index", "1"}}));
    ASSERT_FALSE(Checked(form->EgressPorts).empty());
    ASSERT_TRUE(boxes.Texts().isEmpty());
    ASSERT_TRUE(SelectRow(list, {{"VLAN Index", "30"}}));
    EXPECT_EQ(Checked(form->EgressPorts), (std::vector<std::pair<int, int>>{{1, 3}, {1, 4}}));
    ASSERT_EQ(boxes.Texts().size(), 1);
    EXPECT_EQ(boxes.Texts()[0].toStdString(), VnErrorText(kVnErrIndexOutOfRange));
}
