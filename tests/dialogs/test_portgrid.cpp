// The stacking port grid: its layout with and without "DeviceInfo.ini",
// unit discovery from the main window's unit list, and the bit of each box
// in a port bitmap.
#include <QCheckBox>
#include <QDir>
#include <QFile>
#include <QTabWidget>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include "BridgeMib.h"
#include "Stackingportuitformunit.h"
#include "VnSNMPRequest2Edits.h"
#include "dialog_test_support.h"

using namespace dialogtest;

namespace {

using Units = std::vector<std::pair<std::string, std::string>>;

// A grid with the twelve unit pages and the present units of `units`.
struct Grid {
    explicit Grid(const Units& units, VnDialogContext context = {})
    {
        VnAddStackUnits(grid);
        if (!context.stackUnits)
            context = Context(units);
        VnShowPresentUnits(context, {&grid});
    }
    std::vector<int> VisibleTabs() const
    {
        std::vector<int> tabs;
        for (int i = 0; i < grid.UnitPageControl->count(); ++i) {
            if (grid.UnitPageControl->isTabVisible(i))
                tabs.push_back(i);
        }
        return tabs;
    }
    int ShownPorts(int unit) const
    {
        int shown = 0;
        for (int port = 1; port <= TStackingPortUitForm::kPortsPerUnit; ++port)
            shown += grid.Box(unit, port)->isHidden() ? 0 : 1;
        return shown;
    }
    QString Caption(int unit) const { return grid.UnitPageControl->tabText(unit - 1); }

    TStackingPortUitForm grid{nullptr};
};

TEST(PortGrid, TwelvePagesOfSixtyFourHiddenBoxesInUnitOrder)
{
    Grid g(Units{});
    EXPECT_EQ(g.grid.CheckBoxList().size(), 768u);
    EXPECT_EQ(g.grid.PageList().size(), 12u);
    EXPECT_TRUE(g.VisibleTabs().empty());
    EXPECT_EQ(g.Caption(12), "Unit12");
    EXPECT_EQ(g.grid.CheckBoxList()[64 * 2 + 4], g.grid.Box(3, 5));
    EXPECT_EQ(g.grid.Box(3, 5)->text(), "5");
    EXPECT_EQ(g.grid.Box(13, 1), nullptr);
    EXPECT_EQ(VnPortPositionsText().substr(0, 8), "0,1,2,3,");
    EXPECT_EQ(VnPortPositionsText().substr(VnPortPositionsText().size() - 8), ",766,767");
}

TEST(PortGrid, RowsOfTwelveOrOfTenWithDeviceInfoIni)
{
    struct Case {
        bool deviceInfo;
        int firstOfSecondRow;  // port
        int lastRowPorts;      // of a 24-port unit
        const char* why;
    };
    const Case cases[] = {
        {false, 13, 12, "1-12 and 13-24"},
        {true, 11, 4, "1-10, 11-20 and 21-24"},
    };
    const QString saved = QDir::currentPath();
    for (const Case& c : cases) {
        SCOPED_TRACE(c.why);
        QTemporaryDir folder;
        ASSERT_TRUE(folder.isValid());
        ASSERT_TRUE(QDir::setCurrent(folder.path()));
        if (c.deviceInfo) {
            QFile ini("DeviceInfo.ini");
            ASSERT_TRUE(ini.open(QIODevice::WriteOnly));
        }
        Grid g(Units{{"1", "RQ-4024S"}});
        QDir::setCurrent(saved);
        const QCheckBox* first = g.grid.Box(1, 1);
        const QCheckBox* second = g.grid.Box(1, 2);
        const QCheckBox* wrapped = g.grid.Box(1, c.firstOfSecondRow);
        EXPECT_EQ(first->x(), 20);
        EXPECT_EQ(second->x() - first->x(), 40) << "8 point boxes stand 40 pixels apart";
        EXPECT_EQ(wrapped->x(), 20);
        EXPECT_EQ(wrapped->y(), first->y() + first->height());
        EXPECT_GT(g.grid.Box(1, c.firstOfSecondRow - 1)->x(), first->x());
        int lastRow = 0;
        const int lastY = g.grid.Box(1, 24)->y();
        for (int port = 1; port <= 24; ++port)
            lastRow += g.grid.Box(1, port)->y() == lastY ? 1 : 0;
        EXPECT_EQ(lastRow, c.lastRowPorts);
    }
}

struct DiscoveryCase {
    Units units;
    std::vector<int> tabs;           // shown pages, unit - 1
    std::vector<int> shownPorts;     // per shown page
    std::vector<QString> captions;   // per shown page
    const char* why;
};

TEST(PortGrid, ShowsThePresentUnitsOfTheMainWindowsList)
{
    const DiscoveryCase cases[] = {
        {{{"1", "RQ-4024S"}, {"3", "RQ-4024S"}}, {0, 2}, {24, 24}, {"Unit1 RQ-4024S", "Unit3 RQ-4024S"},
         "units 1 and 3 only"},
        {{{"1", "RQ-4024S"}, {"2", "usr-not-cfg"}, {"4", "USR-NOT-CFG"}}, {0}, {24}, {"Unit1 RQ-4024S"},
         "a slot without a unit stays hidden, in any case"},
        {{{"2", "RQ-6050S"}}, {1}, {50}, {"Unit2 RQ-6050S"}, "a 50-port unit"},
        {{{"1", "RQ-4024S*"}, {"5", "RQ-6026R"}}, {0, 4}, {24, 26}, {"Unit1 RQ-4024S", "Unit5 RQ-6026S"},
         "two model texts are shown by their family name"},
        {{{"6", "RQ-4152S"}}, {5}, {0}, {"Unit6 RQ-4152S"}, "a model without ports: a page without boxes"},
        {{{"0", "RQ-4024S"}, {"13", "RQ-4024S"}, {"x", "RQ-4024S"}, {"12", "RQ-4024S"}}, {11}, {24},
         {"Unit12 RQ-4024S"}, "unit numbers outside 1 to 12 have no page"},
    };
    for (const DiscoveryCase& c : cases) {
        SCOPED_TRACE(c.why);
        Grid g(c.units);
        ASSERT_EQ(g.VisibleTabs(), c.tabs);
        for (std::size_t i = 0; i < c.tabs.size(); ++i) {
            const int unit = c.tabs[i] + 1;
            EXPECT_EQ(g.ShownPorts(unit), c.shownPorts[i]) << unit;
            EXPECT_EQ(g.Caption(unit), c.captions[i]);
        }
    }
}

TEST(PortGrid, AFiftyPortUnitShowsBoxesOneToFifty)
{
    Grid g(Units{{"2", "RQ-6050S"}});
    EXPECT_FALSE(g.grid.Box(2, 50)->isHidden());
    EXPECT_TRUE(g.grid.Box(2, 51)->isHidden());
    EXPECT_TRUE(g.grid.Box(2, 64)->isHidden());
}

TEST(PortGrid, AnEmptyUnitListIsReadAgainFirst)
{
    int refreshes = 0;
    Units units;
    VnDialogContext context = Context();
    context.stackUnits = [&units] {
        std::vector<VnStackUnitRow> rows;
        for (const auto& [id, model] : units)
            rows.push_back({id, "exist", "", "", model});
        return rows;
    };
    context.refreshStackUnits = [&] {
        ++refreshes;
        units = {{"4", "RQ-4024S"}};
    };
    Grid g(Units{}, context);
    EXPECT_EQ(refreshes, 1);
    EXPECT_EQ(g.VisibleTabs(), std::vector<int>({3}));

    Grid again(Units{}, context);
    EXPECT_EQ(refreshes, 1) << "a list with rows is not read again";
}

// Boxes to bitmap through the binder's check-box-list binding with the
// 768 positions: 96 bytes, unit 1 first, most significant bit first; and
// boxes of hidden ports travel as cleared bits.
TEST(PortGrid, BoxesMakeANinetySixByteBitmap)
{
    Grid g(Units{{"1", "RQ-4024S"}, {"3", "RQ-6050S"}});
    VnSNMPRequest2Edits binder(nullptr);
    binder.request.varList = VnSNMPVarList(VlanStaticTable, MVT_UMV, 1);
    binder.BindCheckBoxList(2, VnPortPositionsText(), g.grid.CheckBoxList());

    struct Case {
        int unit;
        int port;
        std::size_t byte;
        const char* bits;
    };
    const Case cases[] = {
        {3, 5, 16, "08"},
        {1, 1, 0, "80"},
        {1, 24, 2, "01"},
        {12, 64, 95, "01"},
    };
    for (const Case& c : cases) {
        g.grid.UncheckAll();
        g.grid.Box(c.unit, c.port)->setChecked(true);
        binder.ReadControls(2);
        const std::string value = binder.request.varList.Item(2).value;
        ASSERT_EQ(value.size(), 192u);
        std::string expected(192, '0');
        expected.replace(2 * c.byte, 2, c.bits);
        EXPECT_EQ(value, expected) << "unit " << c.unit << " port " << c.port;
    }
}

TEST(PortGrid, ShowUnitTwiceAppendsTheModelAgain)
{
    Grid g(Units{});
    g.grid.ShowUnit("3", "RQ-4024S", 24);
    g.grid.ShowUnit("3", "RQ-4024S", 24);
    EXPECT_EQ(g.Caption(3), "Unit3 RQ-4024S RQ-4024S");
}

}  // namespace
