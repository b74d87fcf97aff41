// Tables with a hole: one cell of a row left out by the switch. The other
// cells stay in their own rows, the hole shows no value, and what a Set or
// Delete sends at that row is only what the user chose.
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include "Multicastforwardingformunit.h"
#include "Staticfilterformunit.h"
#include "Vlancurrenttableformunit.h"
#include "Vlanportinfomationunit.h"
#include "VnMessageBox.h"
#include "qbridge_test_support.h"

using namespace qbridgetest;
using dialogtest::WaitIdle;

namespace {

using Ports = std::vector<std::pair<int, int>>;
using Record = std::vector<std::vector<std::string>>;

const std::string kPortVlan = kQ + "4.5.1.";
const std::string kMulticast = kQ + "3.2.1.";
const std::string kUnicast = kQ + "3.1.1.";
const std::string kMulticastTwin = "1.1.0.94.0.0.1.5";
const std::string kUnicastTwin = "1.0.17.34.51.68.85.3";

class MissingCells : public QBridgeSwitchTest {
protected:
    // The text of `header` in the row whose `keyHeader` shows `key`.
    static QString Cell(const QTreeWidget* list, const QString& keyHeader, const QString& key, const QString& header)
    {
        const int keyColumn = Column(list, keyHeader);
        for (int row = 0; row < list->topLevelItemCount(); ++row) {
            if (list->topLevelItem(row)->text(keyColumn) == key)
                return list->topLevelItem(row)->text(Column(list, header));
        }
        return "<no row>";
    }
    // Whether a control shows no value: the binder marks a missing one
    // "(NOTDONE)", which is never read back as data.
    static bool Blank(const QString& text) { return text.isEmpty() || text == "(NOTDONE)" || text == "(NULL)"; }
};

}  // namespace

// Port 5 without one of its settings: ports 4 and 6 keep theirs, the hole
// is blank in the list and the control, and Set at port 5 carries the
// other three settings only.
TEST_F(MissingCells, PortVlanRowWithoutASettingSendsOnlyTheOthers)
{
    struct Case {
        const char* why;
        int column;
        const char* header;
        Record sent;
    };
    const Case cases[] = {
        {"no PVID", 1, "Port VLANID", {{kPortVlan + "2.5=2", kPortVlan + "3.5=1", kPortVlan + "4.5=1"}}},
        {"no frame types", 2, "Acceptable Frame Types",
         {{kPortVlan + "1.5=20", kPortVlan + "3.5=1", kPortVlan + "4.5=1"}}},
        {"no GVRP status", 4, "GVRP Status", {{kPortVlan + "1.5=20", kPortVlan + "2.5=2", kPortVlan + "3.5=1"}}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.why);
        // Port 5 as in the data file, then without the one cell.
        sim().set(kPortVlan + "1.5", "GAUGE", "1");
        sim().set(kPortVlan + "2.5", "INTEGER", "1");
        sim().set(kPortVlan + "3.5", "INTEGER", "2");
        sim().set(kPortVlan + "4.5", "INTEGER", "2");
        sim().unset(kPortVlan + std::to_string(c.column) + ".5");
        sim().clearSets();
        VnMessageBoxCapture boxes;
        auto form = Open<TVLanPortInfomationForm>();
        QTreeWidget* list = form->LV_dot1qPortVlanEntry;
        EXPECT_EQ(form->ST_Count->text(), "74");
        ASSERT_GE(Column(list, c.header), 0);
        EXPECT_TRUE(Blank(Cell(list, "Port Number", "5", c.header))) << Cell(list, "Port Number", "5", c.header).toStdString();
        for (const char* other : {"4", "6"})
            EXPECT_FALSE(Blank(Cell(list, "Port Number", other, c.header))) << other;

        ASSERT_TRUE(SelectRow(list, {{"Port Number", "5"}}));
        if (c.column == 1) {
            EXPECT_TRUE(Blank(form->PortVLanID->text())) << form->PortVLanID->text().toStdString();
        } else {
            EXPECT_EQ(form->PortVLanID->text(), "1");
        }
        if (c.column == 2) {
            EXPECT_EQ(form->AcceptableFrameTypes->currentIndex(), -1);
        }
        if (c.column == 4) {
            EXPECT_EQ(form->GvrpStatus->currentIndex(), -1);
        }

        // The user changes every control but the one without a value.
        if (c.column != 1)
            form->PortVLanID->setText("20");
        if (c.column != 2)
            form->AcceptableFrameTypes->setCurrentText("admitOnlyVLANTagged");
        form->IngressFiltering->setCurrentText("true");
        if (c.column != 4)
            form->GvrpStatus->setCurrentText("enabled");
        form->SetBtn->click();
        ASSERT_TRUE(WaitIdle(*form));
        EXPECT_EQ(SetRecord(), c.sent) << boxes.Texts().join('|').toStdString();
    }
}

// A static filter entry without its port list: the twin keeps its own, the
// grid shows no port, Delete sends the status alone and Set sends the
// ports the user ticked, never a list made up for the hole.
TEST_F(MissingCells, StaticFilterEntryWithoutItsPortList)
{
    VnMessageBoxCapture boxes;
    sim().unset(kMulticast + "3." + kMulticastTwin);
    auto form = Open<TMulticastFilterInformationForm>();
    EXPECT_EQ(form->ST_Count->text(), "3");
    ASSERT_TRUE(SelectRow(form->ListView, {{"Index", "1"}, {"Receive Port", "0"}}));
    EXPECT_EQ(Checked(form->Ports), (Ports{{1, 1}, {1, 2}})) << "the twin's own list";
    ASSERT_TRUE(SelectRow(form->ListView, {{"Index", "1"}, {"Receive Port", "5"}}));
    EXPECT_EQ(form->VidField->text(), "1");
    EXPECT_TRUE(Checked(form->Ports).empty());

    form->SetBtn->click();
    ASSERT_TRUE(WaitIdle(*form));
    const Record statusOnly{{kMulticast + "5." + kMulticastTwin + "=3"}};
    EXPECT_EQ(SetRecord(), statusOnly) << "Set sends no port list the user did not choose";

    sim().clearSets();
    ASSERT_TRUE(SelectRow(form->ListView, {{"Index", "1"}, {"Receive Port", "5"}}));
    form->Ports->Box(1, 8)->setChecked(true);
    form->SetBtn->click();
    ASSERT_TRUE(WaitIdle(*form));
    const Record ticked{{kMulticast + "3." + kMulticastTwin + "=" + Bitmap({{1, 8}}),
                         kMulticast + "5." + kMulticastTwin + "=3"}};
    EXPECT_EQ(SetRecord(), ticked) << boxes.Texts().join('|').toStdString();

    sim().clearSets();
    ASSERT_TRUE(SelectRow(form->ListView, {{"Index", "1"}, {"Receive Port", "5"}}));
    form->DeleteBtn->click();
    ASSERT_TRUE(WaitIdle(*form));
    EXPECT_EQ(SetRecord(), (Record{{kMulticast + "5." + kMulticastTwin + "=2"}}));
}

// An entry without its status: the hole selects no status and Delete still
// sends the invalidating status, the one value the user chose; the unicast
// twin's port list is its own.
TEST_F(MissingCells, StaticFilterEntryWithoutItsStatusStillDeletesOnlyIt)
{
    struct Case {
        const char* why;
        bool multicast;
        std::string hole;
        std::string status;
        QString receivePort;
    };
    const Case cases[] = {
        {"multicast", true, kMulticast + "5." + kMulticastTwin, kMulticast + "5." + kMulticastTwin, "5"},
        {"unicast", false, kUnicast + "4." + kUnicastTwin, kUnicast + "4." + kUnicastTwin, "3"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.why);
        sim().unset(c.hole);
        sim().clearSets();
        VnMessageBoxCapture boxes;
        std::unique_ptr<TStaticFilterForm> form;
        if (c.multicast)
            form = Open<TMulticastFilterInformationForm>();
        else
            form = Open<TUnicastFilterInformationForm>();
        ASSERT_TRUE(SelectRow(form->ListView, {{"Index", "1"}, {"Receive Port", "0"}}));
        EXPECT_NE(form->StatusCombo->currentIndex(), -1) << "the twin's own status";
        ASSERT_TRUE(SelectRow(form->ListView, {{"Index", "1"}, {"Receive Port", c.receivePort}}));
        EXPECT_EQ(form->StatusCombo->currentIndex(), -1);
        EXPECT_EQ(Checked(form->Ports), c.multicast ? (Ports{{1, 7}}) : (Ports{{1, 2}, {1, 3}}));
        form->DeleteBtn->click();
        ASSERT_TRUE(WaitIdle(*form));
        EXPECT_EQ(SetRecord(), (Record{{c.status + "=2"}})) << boxes.Texts().join('|').toStdString();
    }
}

// The current table without one row's untagged list and another's status:
// the other rows' cells and lists stay theirs.
TEST_F(MissingCells, CurrentTableRowWithoutACell)
{
    sim().unset(kQ + "4.2.1.5.0.1");
    sim().unset(kQ + "4.2.1.6.0.10");
    auto form = Open<TVLanCurrentTableForm>();
    QTreeWidget* list = form->LV_dot1qVlanCurrentEntry;
    EXPECT_EQ(ColumnTexts(list, "VLAN Index"), QStringList({"1", "10", "20", "30"}));
    EXPECT_TRUE(Blank(Cell(list, "VLAN Index", "10", "VLAN Status")));
    EXPECT_EQ(Cell(list, "VLAN Index", "20", "VLAN Status"), Cell(list, "VLAN Index", "1", "VLAN Status"));
    EXPECT_EQ(Cell(list, "VLAN Index", "30", "VLAN Status"), "dynamicGvrp");

    ASSERT_TRUE(SelectRow(list, {{"VLAN Index", "1"}}));
    EXPECT_FALSE(Checked(form->EgressPorts).empty());
    EXPECT_TRUE(Checked(form->UntaggedPorts).empty());
    ASSERT_TRUE(SelectRow(list, {{"VLAN Index", "30"}}));
    EXPECT_EQ(form->StaticText1->text(), "30");
    EXPECT_EQ(Checked(form->EgressPorts), (Ports{{1, 3}, {1, 4}}));
    EXPECT_EQ(Checked(form->UntaggedPorts), (Ports{{1, 3}}));
    EXPECT_TRUE(sim().sets().empty());
}

// The forwarding tables without one list of a row: that grid stays empty,
// the row's other lists and the next row's stay theirs.
TEST_F(MissingCells, ForwardingRowWithoutAList)
{
    sim().unset(kQ + "2.4.1.2.1");
    sim().unset(kQ + "2.3.1.2.1.1.0.94.1.1.1");
    auto all = Open<TMulticastForwardingInformationForm>();
    ASSERT_TRUE(SelectRow(all->ListView, {{"VLAN ID", "1"}}));
    EXPECT_EQ(Checked(all->Grids[0]), (Ports{{1, 1}, {1, 2}, {1, 3}}));
    EXPECT_TRUE(Checked(all->Grids[1]).empty());
    EXPECT_EQ(Checked(all->Grids[2]), (Ports{{1, 24}}));

    auto groups = Open<TTpGroupDestinationForwardedForm>();
    QTreeWidget* list = groups->ListView;
    ASSERT_EQ(list->topLevelItemCount(), 2);
    list->setCurrentItem(list->topLevelItem(0));
    EXPECT_TRUE(Checked(groups->Grids[0]).empty());
    EXPECT_EQ(Checked(groups->Grids[1]), (Ports{{1, 6}}));
    list->setCurrentItem(list->topLevelItem(1));
    EXPECT_EQ(Checked(groups->Grids[0]), (Ports{{1, 8}}));
    EXPECT_TRUE(Checked(groups->Grids[1]).empty());
    EXPECT_TRUE(sim().sets().empty());
}
