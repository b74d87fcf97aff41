// Octet strings of one size in the generic editors: a VLAN range is a map
// of 64 VLANs (8 octets), a target's transport address as long as its
// row's domain makes it (6 octets for UDP over IPv4). Any other size is
// refused at Set, naming the field and its size, and nothing is sent: a
// switch takes a short map as it comes and drops the VLANs it lacks.
#include <gtest/gtest.h>

#include "test_v3_support.h"

using namespace commandtest;
using namespace layer2test;
using namespace v3test;

namespace {

// `octets` octets of hex, as a user types them.
QString Octets(int octets, const char* octet = "A5")
{
    return QString(octet).repeated(octets);
}

TEST_F(V3CommandTest, EveryVlanRangeTakesEightOctetsAndNoOtherSize)
{
    for (int column = 1; column <= 8; ++column) {
        const std::string label = "Vlan Range [" + std::to_string(64 * (column - 1) + 1) + "-"
                                  + std::to_string(64 * column) + "]";
        SCOPED_TRACE(label);
        sim().clearSets();
        Boxes().Clear();
        EXPECT_TRUE(WithRowForm(Main(), "InstanceInformation1Click", 1, [&](TSNMPListViewPanel& table, QDialog& edit) {
            for (const int octets : {1, 7, 9}) {
                Boxes().Clear();
                SetOneRow(table, edit, column, Octets(octets));
                EXPECT_TRUE(edit.isVisible()) << octets << " octets: the input stays";
                const QString told = QString::fromStdString(label) + ": '" + Octets(octets) + "' is not 8 bytes (16 hex digits).";
                EXPECT_EQ(Boxes().Texts(), QStringList{told}) << octets << " octets";
                EXPECT_EQ(LastStatusLine(table).rfind("Set: (VnSNMP++) Nothing sent!", 0), 0u) << LastStatusLine(table);
            }
            EXPECT_TRUE(sim().sets().empty()) << SetVarbinds(sim())[0];
            Boxes().Clear();
            SetOneRow(table, edit, column, Octets(8));
        }));
        EXPECT_TRUE(Boxes().Texts().isEmpty()) << Boxes().Texts().join("|").toStdString();
        EXPECT_EQ(SetVarbinds(sim()), std::vector<std::string>{kEnt + ".12.15.2.3.1." + std::to_string(column + 1)
                                                                + ".1=" + Octets(8).toStdString()});
    }
}

// A range typed as a user types it, "FF" and Set at once: refused the same.
TEST_F(V3CommandTest, AVlanRangeTypedShortIsRefusedAtSet)
{
    EXPECT_TRUE(WithRowForm(Main(), "InstanceInformation1Click", 1, [&](TSNMPListViewPanel& table, QDialog& edit) {
        UntickAll(table);
        RowOf(table, 1).CheckBox->setChecked(true);
        QLineEdit* input = EditOf(table, 1);
        input->setFocus();
        input->selectAll();
        QTest::keyClicks(input, "FF");
        ClickSet(edit);
        EXPECT_TRUE(edit.isVisible());
    }));
    EXPECT_TRUE(sim().sets().empty()) << SetVarbinds(sim())[0];
    EXPECT_EQ(Boxes().Texts(), QStringList{"Vlan Range [1-64]: 'FF' is not 8 bytes (16 hex digits)."});
}

const std::string kNms = "110.109.115";
const char kUdpSize[] = " is not 6 bytes (12 hex digits), the size of an address of UDP over IPv4 "
                        "(snmpTargetAddrTDomain 1.3.6.1.6.1.1).";

TEST_F(V3CommandTest, ATargetAddressTakesTheSizeOfItsDomain)
{
    // Row "nms" is a UDP over IPv4 target.
    EXPECT_TRUE(WithRowForm(Main(), "TargetAddressTable1Click", 0, [&](TSNMPListViewPanel& table, QDialog& edit) {
        ASSERT_EQ(EditOf(table, 1)->text(), "1.3.6.1.6.1.1");
        for (const int octets : {1, 5, 7}) {
            Boxes().Clear();
            SetOneRow(table, edit, 2, Octets(octets, "0A"));
            EXPECT_TRUE(edit.isVisible());
            EXPECT_EQ(Boxes().Texts(),
                      QStringList{"snmpTargetAddrTAddress: '" + Octets(octets, "0A") + "'" + kUdpSize})
                << octets << " octets";
        }
        EXPECT_TRUE(sim().sets().empty()) << SetVarbinds(sim())[0];
        Boxes().Clear();
        SetOneRow(table, edit, 2, "0A5A5A0300A2");
    }));
    EXPECT_TRUE(Boxes().Texts().isEmpty()) << Boxes().Texts().join("|").toStdString();
    EXPECT_EQ(SetVarbinds(sim()), std::vector<std::string>{"1.3.6.1.6.3.12.1.2.1.3." + kNms + "=0A5A5A0300A2"});

    // A new target takes the size of the domain typed with it.
    struct AddCase {
        const char* domain;
        const char* address;
        const char* refusal;  // null: sent
    };
    const AddCase adds[] = {
        {"1.3.6.1.6.1.1", "0A5A5A0300", kUdpSize},
        {"1.3.6.1.2.1.100.1.2", "0A5A5A0300A2",
         " is not 18 bytes (36 hex digits), the size of an address of UDP over IPv6 (snmpTargetAddrTDomain "
         "1.3.6.1.2.1.100.1.2)."},
        {"1.3.6.1.6.1.1", "0A5A5A0300A2", nullptr},
    };
    for (const AddCase& c : adds) {
        SCOPED_TRACE(std::string(c.domain) + " " + c.address);
        sim().clearSets();
        Boxes().Clear();
        EXPECT_TRUE(WithAddForm(Main(), "TargetAddressTable1Click", [&](TSNMPListViewPanel& table, QDialog& add) {
            Fill(table, 0, "t3");
            Fill(table, 1, c.domain);
            Fill(table, 2, c.address);
            ClickSet(add);
        }));
        if (!c.refusal) {
            EXPECT_TRUE(Boxes().Texts().isEmpty()) << Boxes().Texts().join("|").toStdString();
            EXPECT_EQ(SetVarbinds(sim()),
                      (std::vector<std::string>{"1.3.6.1.6.3.12.1.2.1.2.116.51=1.3.6.1.6.1.1",
                                                "1.3.6.1.6.3.12.1.2.1.3.116.51=0A5A5A0300A2",
                                                "1.3.6.1.6.3.12.1.2.1.9.116.51=4"}));
            continue;
        }
        EXPECT_TRUE(sim().sets().empty()) << SetVarbinds(sim())[0];
        EXPECT_EQ(Boxes().Texts(), QStringList{QString("snmpTargetAddrTAddress: '") + c.address + "'" + c.refusal});
    }
}

}  // namespace
