// The multicast forwarding dialogs over the switch: the port lists of a
// selected row on their pages, two groups of one VLAN as two rows, and the
// forward-unregistered Set that writes nothing.
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTabWidget>
#include <QTest>

#include "Multicastforwardingformunit.h"
#include "qbridge_test_support.h"

using namespace qbridgetest;
using dialogtest::WaitIdle;

namespace {

using Ports = std::vector<std::pair<int, int>>;

class Forwarding : public QBridgeSwitchTest {};

}  // namespace

TEST_F(Forwarding, ForwardAllShowsAVlansListsOnTheirPages)
{
    auto form = Open<TMulticastForwardingInformationForm>();
    EXPECT_EQ(form->windowTitle(), "Multicast Forwarding Information Form: 127.0.0.1");
    EXPECT_EQ(form->ST_Count->text(), "2");
    EXPECT_EQ(form->SetBtn, nullptr);
    ASSERT_TRUE(SelectRow(form->ListView, {{"VLAN ID", "1"}}));
    EXPECT_EQ(Checked(form->Grids[0]), (Ports{{1, 1}, {1, 2}, {1, 3}}));
    EXPECT_EQ(Checked(form->Grids[1]), (Ports{{1, 1}, {1, 2}})) << "All Static Ports";
    EXPECT_EQ(Checked(form->Grids[2]), (Ports{{1, 24}})) << "All Forbidden Ports";
    EXPECT_EQ(form->PageControl1->tabText(1), "All Static Ports");

    ASSERT_TRUE(SelectRow(form->ListView, {{"VLAN ID", "10"}}));
    for (const TStackingPortUitForm* grid : form->Grids)
        EXPECT_TRUE(Checked(grid).empty());
}

TEST_F(Forwarding, ForwardUnregisteredShowsItsListsReadOnlyAndWritesNothing)
{
    auto form = Open<TForwardUnregisteredInformationForm>();
    EXPECT_EQ(form->windowTitle(), "Forward Unregistered Information: 127.0.0.1");
    EXPECT_FALSE(form->Memo1->toPlainText().contains("Memo1")) << "no control name in what the user reads";
    ASSERT_TRUE(SelectRow(form->ListView, {{"VLAN ID", "1"}}));
    EXPECT_EQ(Checked(form->Grids[1]), (Ports{{1, 1}, {1, 2}}));
    QCheckBox* box = form->Grids[1]->Box(1, 5);
    QTest::mouseClick(box, Qt::LeftButton);
    QTest::keyClick(box, Qt::Key_Space);
    EXPECT_FALSE(box->isChecked()) << "no box can be ticked that nothing writes";

    form->SetBtn->click();
    ASSERT_TRUE(WaitIdle(*form));
    EXPECT_TRUE(sim().sets().empty());
    EXPECT_EQ(form->ST_Count->text(), "2");
    for (const TStackingPortUitForm* grid : form->Grids)
        EXPECT_TRUE(Checked(grid).empty());
}

TEST_F(Forwarding, TwoGroupsOfOneVlanAreTwoRowsWithTheirAddresses)
{
    auto form = Open<TTpGroupDestinationForwardedForm>();
    EXPECT_EQ(form->windowTitle(), "Tp Group Destination Forwarded: 127.0.0.1");
    EXPECT_EQ(form->ST_Count, nullptr);
    EXPECT_EQ(form->SetBtn, nullptr);
    QTreeWidget* list = form->ListView;
    EXPECT_EQ(ColumnTexts(list, "VLAN ID"), QStringList({"1", "1"}));
    const QStringList addresses = ColumnTexts(list, "GroupA ddress");
    ASSERT_EQ(addresses.size(), 2);
    EXPECT_FALSE(addresses[0].isEmpty());
    EXPECT_NE(addresses[0], addresses[1]);

    ASSERT_TRUE(SelectRow(list, {{"GroupA ddress", addresses[0]}}));
    EXPECT_EQ(Checked(form->Grids[0]), (Ports{{1, 5}, {1, 6}}));
    EXPECT_EQ(Checked(form->Grids[1]), (Ports{{1, 6}}));
    ASSERT_TRUE(SelectRow(list, {{"GroupA ddress", addresses[1]}}));
    EXPECT_EQ(Checked(form->Grids[0]), (Ports{{1, 8}}));
    EXPECT_TRUE(Checked(form->Grids[1]).empty());
}

TEST_F(Forwarding, ClosingDuringADelayedWalkEndsItWithoutFurtherRows)
{
    sim().delay(kQ + "2.3.1", 200);
    TTpGroupDestinationForwardedForm form(nullptr, dialogtest::Context());
    form.show();
    ASSERT_TRUE(form.AnyBinderBusy());
    form.close();
    EXPECT_FALSE(form.AnyBinderBusy());
    const int rows = form.ListView->topLevelItemCount();
    RunEvents(600);
    EXPECT_EQ(form.ListView->topLevelItemCount(), rows);
    EXPECT_TRUE(sim().sets().empty());
}
