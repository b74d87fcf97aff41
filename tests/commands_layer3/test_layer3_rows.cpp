// Rows of the layer-3 tables added and deleted, and values refused before
// anything is sent: what the switch received after each action, and that
// the new row lists with its keys and is gone after its Delete.
#include <gtest/gtest.h>

#include "test_layer3_support.h"

using namespace commandtest;
using namespace layer2test;
using namespace layer3test;

namespace {

struct AddCase {
    const char* command;
    std::vector<std::pair<int, QString>> typed;  // row, text; the keys first
    std::string instance;
    std::vector<std::string> added;  // "COLUMN=VALUE", column OIDs without the instance
    std::string status;              // the status column's OID
    const char* deleted;             // its value in the Delete
    int keys;                        // key columns shown in the list
};

const AddCase kAddCases[] = {
    {"IPStaticRoutingTable1Click",
     {{0, "10.2.0.0"}, {1, "255.255.0.0"}, {2, "primary"}, {3, "10.0.0.254"}, {4, "2"}},
     "10.2.0.0.255.255.0.0.1",
     {kL3 + ".2.5.1.4=10.0.0.254", kL3 + ".2.5.1.5=2", kL3 + ".2.5.1.6=3"},
     kL3 + ".2.5.1.6", "2", 3},
    {"DNSRelayStaticTable1Click",
     {{0, "ns.lan"}, {1, "10.1.1.8"}},
     "6.110.115.46.108.97.110.10.1.1.8",
     {kL3 + ".3.2.6.1.3=3"},
     kL3 + ".3.2.6.1.3", "2", 2},
    {"IPControlTable1Click",
     {{0, "10.3.3.3"}},
     "10.3.3.3",
     {kL3 + ".2.1.1.1.8=4"},
     kL3 + ".2.1.1.1.8", "6", 1},
    {"VirtualRouteAddress1Click",
     {{0, "2"}, {1, "7"}, {2, "192.168.5.2"}},
     "2.7.192.168.5.2",
     {"1.3.6.1.2.1.68.1.4.1.2=4"},
     "1.3.6.1.2.1.68.1.4.1.2", "6", 3},
};

// The list row whose first `keys` columns show the typed keys.
QTreeWidgetItem* RowWithKeys(QTreeWidget& view, const AddCase& c)
{
    for (int r = 0; r < view.topLevelItemCount(); ++r) {
        bool same = true;
        for (int k = 0; k < c.keys; ++k)
            same = same && view.topLevelItem(r)->text(k) == c.typed[static_cast<std::size_t>(k)].second;
        if (same)
            return view.topLevelItem(r);
    }
    return nullptr;
}

TEST_F(Layer3CommandTest, RowsAreAddedAndDeletedAtTheTypedInstance)
{
    for (const AddCase& c : kAddCases) {
        SCOPED_TRACE(c.command);
        sim().clearSets();
        EXPECT_TRUE(WithAddForm(Main(), c.command, [&](TSNMPListViewPanel& table, QDialog& add) {
            for (const auto& [row, text] : c.typed)
                Fill(table, row, text);
            ClickSet(add);
            EXPECT_FALSE(add.isVisible()) << "closes once the row is written";
        }));
        std::vector<std::string> expected;
        for (const std::string& column : c.added) {
            const std::size_t eq = column.find('=');
            expected.push_back(column.substr(0, eq) + "." + c.instance + column.substr(eq));
        }
        ASSERT_EQ(sim().sets().size(), 1u) << "one PDU";
        EXPECT_EQ(SetVarbinds(sim()), expected);

        sim().clearSets();
        EXPECT_TRUE(WithEditor(Main(), c.command, [&](TConfigForm& form, TSNMPEditorPanel& panel) {
            QTreeWidget& view = ListOf(form);
            QTreeWidgetItem* row = RowWithKeys(view, c);
            ASSERT_NE(row, nullptr) << "the new row lists with its keys";
            view.setCurrentItem(row);
            qobject_cast<TSNMPListViewPanel*>(&panel)->CtrlBtnPanel->DeleteBtn->click();
            ASSERT_TRUE(WaitForRefresh(form));
            EXPECT_EQ(RowWithKeys(view, c), nullptr) << "gone after Delete";
        }));
        EXPECT_EQ(SetVarbinds(sim()), std::vector<std::string>{c.status + "." + c.instance + "=" + c.deleted});
        EXPECT_FALSE(sim().get(c.status + "." + c.instance));
    }
}

// ---- Add at the key of a listed row

// A valid/invalid state written at a listed row's instance is a plain
// write: the route's next hop and metric would be replaced. However the
// key is spelled, its instance is the row's, and nothing goes out.
struct ListedKeyCase {
    const char* command;
    std::vector<std::pair<int, QString>> typed;  // row, text; the keys first
    const char* row;  // the listed row as the refusal names it
};

const char kRouteRow[] = "Destination 172.16.0.0, Mask 255.255.0.0, Backup State primary";
const char kHostRow[] = "Domain Name host.lan, IP Address 10.1.1.7";

const ListedKeyCase kListedKeys[] = {
    {"IPStaticRoutingTable1Click",
     {{0, "172.16.0.0"}, {1, "255.255.0.0"}, {2, "primary"}, {3, "10.90.90.1"}, {4, "9"}}, kRouteRow},
    {"IPStaticRoutingTable1Click",
     {{0, "172.16.0.00"}, {1, "255.255.0.0"}, {2, "primary"}, {3, "10.90.90.1"}, {4, "9"}}, kRouteRow},
    {"IPStaticRoutingTable1Click",
     {{0, "0172.016.0.0"}, {1, "255.255.0.0"}, {2, "primary"}, {3, "10.90.90.1"}, {4, "9"}}, kRouteRow},
    {"IPStaticRoutingTable1Click",
     {{0, " 172.16.0.0"}, {1, "255.255.0.0"}, {2, "primary"}, {3, "10.90.90.1"}, {4, "9"}}, kRouteRow},
    {"IPStaticRoutingTable1Click",
     {{0, "172.16.0.0"}, {1, "255.255.000.0"}, {2, "primary"}, {3, "10.90.90.1"}, {4, "9"}}, kRouteRow},
    {"DNSRelayStaticTable1Click", {{0, "host.lan"}, {1, "10.1.1.7"}}, kHostRow},
    {"DNSRelayStaticTable1Click", {{0, "host.lan"}, {1, "010.1.1.7"}}, kHostRow},
    {"DNSRelayStaticTable1Click", {{0, "host.lan"}, {1, " 10.1.1.7"}}, kHostRow},
};

TEST_F(Layer3CommandTest, AnAddAtAListedRowsKeySendsNothingAndNamesTheRow)
{
    for (const ListedKeyCase& c : kListedKeys) {
        SCOPED_TRACE(std::string(c.command) + " '" + c.typed[0].second.toStdString() + "' '"
                     + c.typed[1].second.toStdString() + "'");
        sim().clearSets();
        Boxes().Clear();
        std::string status;
        EXPECT_TRUE(WithAddForm(Main(), c.command, [&](TSNMPListViewPanel& table, QDialog& add) {
            for (const auto& [row, text] : c.typed)
                Fill(table, row, text);
            ClickSet(add);
            EXPECT_TRUE(add.isVisible()) << "the input stays for another key";
            status = LastStatusLine(table);
        }));
        EXPECT_TRUE(sim().sets().empty()) << SetVarbinds(sim())[0];
        EXPECT_EQ(Boxes().Texts(), QStringList{QString("A row with ") + c.row
                                               + " is listed already: select it and use Edit to change it."
                                                 " Nothing sent."});
        EXPECT_EQ(status.rfind("Set: (VnSNMP++) Nothing sent!", 0), 0u) << status;
    }
    const std::string route = ".172.16.0.0.255.255.0.0.1";
    EXPECT_EQ(sim().get(kL3 + ".2.5.1.4" + route)->value, "10.90.90.254") << "the route is as it was";
    EXPECT_EQ(sim().get(kL3 + ".2.5.1.5" + route)->value, "3");

    // Another destination is a new row: it goes out.
    sim().clearSets();
    Boxes().Clear();
    EXPECT_TRUE(WithAddForm(Main(), "IPStaticRoutingTable1Click", [&](TSNMPListViewPanel& table, QDialog& add) {
        for (const auto& [row, text] : kListedKeys[2].typed)
            Fill(table, row, text);
        Fill(table, 0, "172.17.0.0");
        ClickSet(add);
        EXPECT_FALSE(add.isVisible());
    }));
    const std::string added = ".172.17.0.0.255.255.0.0.1";
    EXPECT_EQ(SetVarbinds(sim()), (std::vector<std::string>{kL3 + ".2.5.1.4" + added + "=10.90.90.1",
                                                            kL3 + ".2.5.1.5" + added + "=9",
                                                            kL3 + ".2.5.1.6" + added + "=3"}));
    EXPECT_TRUE(Boxes().Texts().isEmpty()) << Boxes().Texts().join("|").toStdString();
}

// ---- typed keys that are no value of their syntax

struct KeyCase {
    const char* command;
    std::vector<QString> keys;  // valid texts for every key
    int row;                    // the key under test
};

const KeyCase kKeyCases[] = {
    {"IPControlTable1Click", {"10.3.3.3"}, 0},
    {"IPStaticRoutingTable1Click", {"10.2.0.0", "255.255.0.0", "primary"}, 0},
    {"IPStaticRoutingTable1Click", {"10.2.0.0", "255.255.0.0", "primary"}, 1},
    {"DNSRelayStaticTable1Click", {"ns.lan", "10.1.1.8"}, 1},
    {"VirtualInterfaceTable1Click", {"0.0.0.2", "10.9.9.9"}, 0},
    {"VirtualInterfaceTable1Click", {"0.0.0.2", "10.9.9.9"}, 1},
    {"HostTable1Click", {"10.9.9.8", "0"}, 0},
    {"VirtualRouteAddress1Click", {"2", "7", "192.168.5.2"}, 2},
    {"PIMRegeisterChecksumIncludingDataInfor1Click", {"10.9.9.8"}, 0},
    {"PIMStaticRPTable1Click", {"225.0.0.0", "255.0.0.0", "10.9.9.2"}, 0},
    {"PIMStaticRPTable1Click", {"225.0.0.0", "255.0.0.0", "10.9.9.2"}, 1},
    {"PIMStaticRPTable1Click", {"225.0.0.0", "255.0.0.0", "10.9.9.2"}, 2},
};

TEST_F(Layer3CommandTest, TypedIpKeysMustBeAddressesOrNothingIsSent)
{
    for (const KeyCase& c : kKeyCases) {
        for (const char* bad : {"", "10.1.1", "10.1.1.300"}) {
            SCOPED_TRACE(std::string(c.command) + " key " + std::to_string(c.row) + " '" + bad + "'");
            sim().clearSets();
            Boxes().Clear();
            std::string label;
            EXPECT_TRUE(WithAddForm(Main(), c.command, [&](TSNMPListViewPanel& table, QDialog& add) {
                for (std::size_t k = 0; k < c.keys.size(); ++k)
                    Fill(table, static_cast<int>(k), c.keys[k]);
                Fill(table, c.row, bad);
                label = table.Request->request.varList.Item(c.row).label;
                ClickSet(add);
                EXPECT_TRUE(add.isVisible()) << "the input stays for another try";
            }));
            EXPECT_TRUE(sim().sets().empty()) << SetVarbinds(sim())[0];
            ASSERT_EQ(Boxes().Texts().size(), 1);
            const std::string told = Boxes().Texts()[0].toStdString();
            if (*bad)
                EXPECT_EQ(told.rfind(label + ": ", 0), 0u) << "names the column: " << told;
            else
                EXPECT_EQ(told, "Some items are empty! (" + label + ")");
        }
    }
}

// ---- values that their column cannot hold

struct ValueCase {
    const char* command;
    int listRow;  // -1: a scalar editor
    int row;
    const char* text;
    const char* sent;  // the varbind a valid text makes; null: refused
};

const std::string kRoute = kL3 + ".2.5.1.4.172.16.0.0.255.255.0.0.1";
const std::string kVirtIf = kL3 + ".7.1.11.0.0.0.1.10.90.90.2";

const ValueCase kValueCases[] = {
    {"IPStaticRoutingTable1Click", 0, 3, "10.0.0", nullptr},
    {"IPStaticRoutingTable1Click", 0, 3, "10.0.0.1", "=10.0.0.1"},
    {"VirtualInterfaceTable1Click", 0, 10, "x", nullptr},
    {"VirtualInterfaceTable1Click", 0, 10, "7", "=7"},
    {"RoutePreference1Click", -1, 0, "999", "1.3.6.1.4.1.88406.11.59.5.3.9.1.0=999"},
    // "Local Route Preference" has no format: any INTEGER goes.
    {"RoutePreference1Click", -1, 3, "1000", "1.3.6.1.4.1.88406.11.59.5.3.9.4.0=1000"},
    {"RoutePreference1Click", -1, 3, "x", nullptr},
    {"DNSRelayGlobalSettings1Click", -1, 1, "10.1.1", nullptr},
    {"PIMInformationTable1Click", 0, 1, "-1", nullptr},
};

TEST_F(Layer3CommandTest, ValuesTheirColumnCannotHoldAreRefusedBeforeAnythingIsSent)
{
    for (const ValueCase& c : kValueCases) {
        SCOPED_TRACE(std::string(c.command) + " row " + std::to_string(c.row) + " '" + c.text + "'");
        sim().clearSets();
        Boxes().Clear();
        std::string status;
        if (c.listRow < 0) {
            EXPECT_TRUE(WithEditor(Main(), c.command, [&](TConfigForm& form, TSNMPEditorPanel& panel) {
                SetOneRow(panel, form, c.row, c.text);
                WaitForRefresh(form);
                status = LastStatusLine(panel);
            }));
        } else {
            EXPECT_TRUE(WithRowForm(Main(), c.command, c.listRow, [&](TSNMPListViewPanel& table, QDialog& edit) {
                SetOneRow(table, edit, c.row, c.text);
                status = LastStatusLine(table);
            }));
        }
        if (c.sent) {
            std::string sent = c.sent;
            if (sent.front() == '=')
                sent = (c.row == 3 ? kRoute : kVirtIf) + sent;
            EXPECT_EQ(SetVarbinds(sim()), std::vector<std::string>{sent});
            continue;
        }
        EXPECT_TRUE(sim().sets().empty()) << SetVarbinds(sim())[0];
        EXPECT_FALSE(Boxes().Texts().isEmpty()) << "the user is told; status: " << status;
    }
}

// The six formatted preferences take 1 to 999: a fourth digit cannot be
// typed, and 0 is refused when the user leaves the field, which keeps its
// value.
TEST_F(Layer3CommandTest, RoutePreferencesOutside1To999AreRefusedOnLeavingTheField)
{
    for (const int row : {0, 1, 2, 4, 5, 6}) {
        for (const char* refused : {"0", "00"}) {
            SCOPED_TRACE("row " + std::to_string(row) + " '" + refused + "'");
            Boxes().Clear();
            EXPECT_TRUE(WithEditor(Main(), "RoutePreference1Click", [&](TConfigForm&, TSNMPEditorPanel& panel) {
                ExpectRefusedOnLeaving(panel, row, refused);
            }));
            EXPECT_FALSE(Boxes().Texts().isEmpty()) << "the user is told";
        }
        EXPECT_TRUE(WithEditor(Main(), "RoutePreference1Click", [&](TConfigForm&, TSNMPEditorPanel& panel) {
            QLineEdit* input = EditOf(panel, row);
            input->selectAll();
            QTest::keyClicks(input, "1000");
            EXPECT_EQ(input->text(), "100") << "row " << row;
        }));
    }
    EXPECT_TRUE(sim().sets().empty());
}

// Typed as a user types and sent while the input still has the focus: the
// column's format is checked at Set all the same.
struct TypedCase {
    const char* command;
    int listRow;
    int row;
    const char* typed;
    const char* sent;  // null: refused
};

const TypedCase kTypedCases[] = {
    {"IGMPInterface1Click", 0, 3, "4", nullptr},
    {"IGMPInterface1Click", 0, 3, "3", "1.3.6.1.4.1.88406.12.18.1.4.1.6.1=3"},
    {"IGMPInterface1Click", 0, 2, "31745", nullptr},
    {"IGMPInterface1Click", 0, 4, "9", nullptr},
    {"VRRPOperation1Click", 1, 5, "256", nullptr},
    {"VRRPOperation1Click", 1, 5, "0", "1.3.6.1.2.1.68.1.3.1.5.2.7=0"},
    {"VRRPOperation1Click", 1, 11, "0", nullptr},
    {"PIMCBSREntry1Click", 0, 1, "-2", nullptr},
    {"PIMCBSREntry1Click", 0, 1, "-1", "1.3.6.1.4.1.88406.11.59.5.3.11.1.3.1.2.1=-1"},
    {"IPStaticRoutingTable1Click", 0, 4, "0", nullptr},
};

TEST_F(Layer3CommandTest, FormatsAreCheckedAtSetInTheFieldStillBeingTyped)
{
    for (const TypedCase& c : kTypedCases) {
        SCOPED_TRACE(std::string(c.command) + " row " + std::to_string(c.row) + " '" + c.typed + "'");
        sim().clearSets();
        Boxes().Clear();
        EXPECT_TRUE(WithRowForm(Main(), c.command, c.listRow, [&](TSNMPListViewPanel& table, QDialog& edit) {
            UntickAll(table);
            RowOf(table, c.row).CheckBox->setChecked(true);
            QLineEdit* input = EditOf(table, c.row);
            ASSERT_NE(input, nullptr);
            input->setFocus();
            input->selectAll();
            QTest::keyClicks(input, c.typed);
            ASSERT_EQ(input->text().toStdString(), c.typed);
            ClickSet(edit);
        }));
        if (c.sent) {
            EXPECT_EQ(SetVarbinds(sim()), std::vector<std::string>{c.sent});
            continue;
        }
        EXPECT_TRUE(sim().sets().empty()) << SetVarbinds(sim())[0];
        EXPECT_FALSE(Boxes().Texts().isEmpty()) << "the user is told";
    }
}

// A router whose priority cell is missing from the walk: every other cell
// stays in its own row, the hole shows as no value, and an Edit of that row
// sends only what the user ticked; the hole is never sent as data.
TEST_F(Layer3CommandTest, AMissingCellStaysEmptyAndIsNeverSentBack)
{
    const std::string priority = "1.3.6.1.2.1.68.1.3.1.5";
    sim().unset(priority + ".1.1");
    EXPECT_TRUE(WithEditor(Main(), "VRRPOperation1Click", [&](TConfigForm& form, TSNMPEditorPanel&) {
        const QTreeWidget& view = ListOf(form);
        ASSERT_EQ(view.topLevelItemCount(), 2);
        const QStringList first = RowTexts(*view.topLevelItem(0));
        const QStringList second = RowTexts(*view.topLevelItem(1));
        EXPECT_TRUE(IsNoValueText(first[5].toStdString())) << first[5].toStdString();
        EXPECT_EQ(first[7], "10.90.90.90") << first.join("|").toStdString();
        EXPECT_EQ(first[11], "1");
        EXPECT_EQ(second[0], "2");
        EXPECT_EQ(second[5], "90") << second.join("|").toStdString();
    }));

    EXPECT_TRUE(WithRowForm(Main(), "VRRPOperation1Click", 0, [&](TSNMPListViewPanel& table, QDialog& edit) {
        SetOneRow(table, edit, 4, "down");
    }));
    EXPECT_EQ(SetVarbinds(sim()), std::vector<std::string>{"1.3.6.1.2.1.68.1.3.1.4.1.1=2"});

    sim().clearSets();
    Boxes().Clear();
    EXPECT_TRUE(WithRowForm(Main(), "VRRPOperation1Click", 0, [&](TSNMPListViewPanel& table, QDialog& edit) {
        UntickAll(table);
        RowOf(table, 5).CheckBox->setChecked(true);
        ClickSet(edit);
        EXPECT_TRUE(edit.isVisible());
    }));
    EXPECT_TRUE(sim().sets().empty()) << SetVarbinds(sim())[0];
    EXPECT_EQ(Boxes().Texts().size(), 1) << "the user is told";
    EXPECT_FALSE(sim().get(priority + ".1.1"));
}

// Edit takes "valid" and "invalid" out of a static route's status list, so
// its row is hidden; Check All must not tick it, or Set would refuse the
// form as having an empty item.
TEST_F(Layer3CommandTest, CheckAllLeavesTheHiddenStatusRowOut)
{
    EXPECT_TRUE(WithRowForm(Main(), "IPStaticRoutingTable1Click", 0, [&](TSNMPListViewPanel& table, QDialog& edit) {
        UntickAll(table);
        EditOf(table, 4)->setText("5");
        edit.findChild<TCtrlBtnPanel*>()->CheckAllBtn->click();
        EXPECT_FALSE(RowOf(table, 5).CheckBox->isChecked());
        ClickSet(edit);
    }));
    const std::string row = ".172.16.0.0.255.255.0.0.1";
    EXPECT_EQ(SetVarbinds(sim()), (std::vector<std::string>{kL3 + ".2.5.1.4" + row + "=10.90.90.254",
                                                            kL3 + ".2.5.1.5" + row + "=5"}));
    EXPECT_TRUE(Boxes().Texts().isEmpty()) << Boxes().Texts().join("|").toStdString();
}

} // namespace
