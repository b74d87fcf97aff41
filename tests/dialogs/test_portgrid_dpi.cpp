// The port grids of every dialog grow with the screen's DPI as their boxes
// and digits do: 40 pixels from box to box at 96 DPI, 50 at 120, and no
// number reaches the next port's box. ctest runs this program at the
// screen's 96 DPI and again on a screen of 120 DPI (offscreen-120dpi.json,
// unscaled).
#include <QApplication>
#include <QCheckBox>
#include <QDir>
#include <QGuiApplication>
#include <QScreen>
#include <QStyle>
#include <QStyleOptionButton>

#include <cmath>
#include <memory>

#include "Stackingportuitformunit.h"
#include "TDialogBase.h"
#include "VnCommandTable.h"
#include "Vlanstaticformunit.h"
#include "VnTestScreen.h"
#include "dialog_test_support.h"
#include "every_dialog.h"

using namespace dialogtest;

namespace {

int ScreenDpi()
{
    return qRound(QGuiApplication::primaryScreen()->logicalDotsPerInchX());
}

// The layout is measured in the test font, at the dialogs' 8 points.
constexpr qreal kGridPoints = 8;

// Pixels of the 96 DPI layout on this screen.
int Scaled(int pixels)
{
    return static_cast<int>(std::lround(pixels * ScreenDpi() / 96.0));
}

// Where a box's number ends, from the box's left edge, as the style draws it.
int NumberEnd(const QCheckBox& box)
{
    QStyleOptionButton option;
    option.initFrom(&box);
    option.text = box.text();
    const QRect contents = box.style()->subElementRect(QStyle::SE_CheckBoxContents, &option, &box);
    return contents.left() + box.fontMetrics().horizontalAdvance(box.text());
}

// Checks the boxes of unit 1, row by row; returns how many pairs of
// neighbours were looked at.
int CheckUnitOne(const TStackingPortUitForm& grid, const std::string& where)
{
    int pairs = 0;
    for (int port = 1; port < TStackingPortUitForm::kPortsPerUnit; ++port) {
        const QCheckBox* box = grid.Box(1, port);
        const QCheckBox* next = grid.Box(1, port + 1);
        EXPECT_GE(box->width(), NumberEnd(*box)) << where << " port " << port << ": its number is cut";
        if (next->y() != box->y())
            continue;
        ++pairs;
        EXPECT_EQ(next->x() - box->x(), Scaled(40)) << where << " port " << port;
        // A clear gap between a number and the next box.
        EXPECT_GE(next->x() - (box->x() + NumberEnd(*box)), Scaled(4))
            << where << " port " << port << " runs into the box of port " << port + 1;
    }
    EXPECT_EQ(grid.Box(1, 1)->x(), Scaled(20)) << where;
    return pairs;
}

class PortGridDpi : public DialogSwitchTest {};

TEST_F(PortGridDpi, EveryGridSpacesItsBoxesForTheScreensDpi)
{
    RecordProperty("dpi", VnTestScreenDpi());
    const VnScopedTestFont font(kGridPoints);
    int dialogsWithGrids = 0;
    ForEveryDialog(Shown::Yes, [&](TDialogBase& form, const VnDialogCommand& command) {
        // The grid is no QObject of its own kind: found by its C++ class.
        bool hasGrid = false;
        for (const QWidget* child : form.findChildren<QWidget*>()) {
            const auto* grid = dynamic_cast<const TStackingPortUitForm*>(child);
            if (!grid)
                continue;
            hasGrid = true;
            EXPECT_GT(CheckUnitOne(*grid, command.dialogClass + std::string(" ") + grid->objectName().toStdString()), 0);
        }
        dialogsWithGrids += hasGrid ? 1 : 0;
    });
    EXPECT_EQ(dialogsWithGrids, 14);
}

// A grid as the user sees it, to look at: VN_SCREENSHOT_DIR names the folder.
TEST_F(PortGridDpi, Screenshot)
{
    const QString folder = qEnvironmentVariable("VN_SCREENSHOT_DIR");
    if (folder.isEmpty())
        GTEST_SKIP() << "VN_SCREENSHOT_DIR not set";
    const VnScopedTestFont font(kGridPoints);
    TVlanStaticForm form(nullptr, Context());
    form.show();
    ASSERT_TRUE(WaitIdle(form));
    QCoreApplication::sendPostedEvents();
    QDir().mkpath(folder);
    const QString file = QString("%1/port_grid_%2dpi.png").arg(folder).arg(ScreenDpi());
    EXPECT_TRUE(form.EgressPorts->grab().save(file)) << file.toStdString();
    EXPECT_TRUE(form.grab().save(QString("%1/vlan_static_%2dpi.png").arg(folder).arg(ScreenDpi())));
}

}  // namespace
