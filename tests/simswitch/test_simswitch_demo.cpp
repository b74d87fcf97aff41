// The demo stack of scripts/run.sh tells one story: the figures the main
// window, the equipment dialog and the device editors show agree with the
// units it lists.
#include "SimSwitchTest.h"
#include "SnmpClient.h"

#include <gtest/gtest.h>

#include <map>
#include <string>
#include <vector>

using namespace simswitch;

namespace {

const std::string kUnitEntry = "1.3.6.1.4.1.88406.12.11.1.9.4.1";
const std::string kModuleEntry = "1.3.6.1.4.1.88406.11.59.5.2.1.1.3.1";
const char* const kNumOfUnit = "1.3.6.1.4.1.88406.12.11.1.9.3.0";
const char* const kTotalPorts = "1.3.6.1.4.1.88406.11.59.5.2.1.1.1.0";
const char* const kPortsInUse = "1.3.6.1.4.1.88406.11.59.5.2.1.1.2.0";
const char* const kIfNumber = "1.3.6.1.2.1.2.1.0";
const char* const kBridgePorts = "1.3.6.1.2.1.17.1.2.0";
const std::string kIfOperStatus = "1.3.6.1.2.1.2.2.1.8";
const std::string kPowerUnit = "1.3.6.1.4.1.88406.12.11.1.6.1.1";
const std::string kFanStatus = "1.3.6.1.4.1.88406.12.11.1.7.1.3";

class DemoStack : public SimSwitchTest {
protected:
    SimSwitchOptions switchOptions() const override
    {
        SimSwitchOptions options;
        options.dataFiles = SimSwitch::dataList("demo.list");  // what scripts/run.sh loads
        return options;
    }

    std::string Value(const std::string& oid)
    {
        auto vb = sim().get(oid);
        return vb ? vb->value : "(absent)";
    }
    int Number(const std::string& oid) { return std::stoi(Value(oid)); }
    bool Filled(const std::string& oid)
    {
        std::string value = Value(oid);
        return value != "(absent)" && !value.empty();
    }

    // Instance -> value of every cell of a column, read by a walk.
    std::map<std::string, std::string> Column(const std::string& column)
    {
        std::map<std::string, std::string> cells;
        SnmpClient client(port(), SnmpTarget::V2c(kReadCommunity));
        const std::string prefix = column + ".";
        for (std::string oid = column;;) {
            SnmpReply reply = client.GetNext({oid});
            if (reply.stat != STAT_SUCCESS || reply.varbinds.size() != 1 ||
                reply.varbinds[0].oid.compare(0, prefix.size(), prefix) != 0)
                break;
            oid = reply.varbinds[0].oid;
            cells[oid.substr(prefix.size())] = reply.varbinds[0].value;
        }
        return cells;
    }
};

TEST_F(DemoStack, StackFiguresCountEveryUnitShown)
{
    std::vector<int> present;
    for (const auto& [unit, state] : Column(kUnitEntry + ".2")) {
        if (state == "1")
            present.push_back(std::stoi(unit));
    }
    ASSERT_EQ(present, (std::vector<int>{1, 2, 3}));
    EXPECT_EQ(Number(kNumOfUnit), 3) << "Num Of Unit";

    int ports = 0;
    int masters = 0;
    const auto interfaces = Column(kIfOperStatus);
    for (int unit : present) {
        const std::string u = std::to_string(unit);
        const int range = Number(kUnitEntry + ".5." + u);
        EXPECT_EQ(Number(kUnitEntry + ".4." + u), (unit - 1) * 64 + 1) << "start port of unit " << u;
        for (int p = 1; p <= range; ++p)
            EXPECT_EQ(interfaces.count(std::to_string((unit - 1) * 64 + p)), 1u) << "unit " << u << " port " << p;
        ports += range;
        masters += Value(kUnitEntry + ".8." + u) == "4";
        for (int column : {1, 3, 9, 10, 11, 12, 13, 14})
            EXPECT_TRUE(Filled(kUnitEntry + "." + std::to_string(column) + "." + u))
                << "unit " << u << " column " << column;
    }
    EXPECT_EQ(masters, 1);
    EXPECT_EQ(static_cast<int>(interfaces.size()), ports) << "one interface per port";
    EXPECT_EQ(Number(kTotalPorts), ports) << "Total Number Of Port";
    EXPECT_EQ(Number(kIfNumber), ports) << "ifNumber";
    EXPECT_EQ(Number(kBridgePorts), ports) << "dot1dBaseNumPorts";
    int up = 0;
    for (const auto& [index, status] : interfaces)
        up += status == "1";
    EXPECT_EQ(Number(kPortsInUse), up) << "Number Of Port In Use";
}

TEST_F(DemoStack, EveryPresentUnitHasItsModulePowerAndFan)
{
    const auto powerUnits = Column(kPowerUnit);
    const auto fans = Column(kFanStatus);
    for (const auto& [unit, state] : Column(kUnitEntry + ".2")) {
        if (state != "1")
            continue;
        // The module table has a row per unit: name, revision, serial, description.
        for (int column = 3; column <= 6; ++column)
            EXPECT_TRUE(Filled(kModuleEntry + "." + std::to_string(column) + "." + unit))
                << "unit " << unit << " module column " << column;
        bool powered = false;
        for (const auto& [row, powerUnit] : powerUnits)
            powered = powered || powerUnit == unit;
        EXPECT_TRUE(powered) << "unit " << unit << " has a power supply";
        EXPECT_EQ(fans.count(unit + ".1"), 1u) << "unit " << unit << " has a fan";
    }
}

}  // namespace
