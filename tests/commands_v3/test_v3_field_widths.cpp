// The scalar editors of these menus show every value read whole, also
// where a size step chose the inputs' width (the engine ID of "SNMP
// Engine" is 26 hex digits): at FontScale 1 and 1.25 with fonts to match,
// on a screen of 96 DPI and, run again by ctest, of 120 DPI. Measured on
// the widgets once the read and the refit after it are done.
#include <QApplication>
#include <QFontMetrics>
#include <QGuiApplication>
#include <QLineEdit>
#include <QScreen>
#include <QStyle>
#include <QStyleOptionFrame>

#include <gtest/gtest.h>

#include <utility>
#include <vector>

#include "VnTestScreen.h"
#include "test_v3_support.h"

using namespace commandtest;
using namespace v3test;

namespace {

// The width the edit's text area has: its contents inside the frame, less
// its text margins and the 2 pixels a line edit keeps either side.
int TextRoom(const QLineEdit& edit)
{
    QStyleOptionFrame option;
    option.initFrom(&edit);
    option.lineWidth = edit.hasFrame() ? edit.style()->pixelMetric(QStyle::PM_DefaultFrameWidth, &option, &edit) : 0;
    option.state |= QStyle::State_Sunken;
    const QRect contents =
        edit.style()->subElementRect(QStyle::SE_LineEditContents, &option, &edit).marginsRemoved(edit.textMargins());
    return contents.width() - 2 * 2;
}

class V3FieldWidths : public V3CommandTest {
protected:
    void TearDown() override
    {
        QApplication::setFont(font_);
        Main().FontScale = 1.0f;
        V3CommandTest::TearDown();
    }
    // The main form's FontScale, and a font of its own for the forms,
    // `fontScale` times the size of 9 points, whatever the machine's.
    void UseScale(float scale, float fontScale)
    {
        QFont font = VnTestFont();
        font.setPointSizeF(kTestFontPointSize * fontScale);
        QApplication::setFont(font);
        Main().FontScale = scale;
    }

private:
    QFont font_ = QApplication::font();
};

TEST_F(V3FieldWidths, EveryValueReadShowsWholeAtBothScales)
{
    const int dpi = VnTestScreenDpi();
    // A screen of 120 DPI is large fonts: FontScale 1.25, and its points
    // are a quarter larger in pixels. On one of 96 DPI the font stands in.
    const std::vector<std::pair<float, float>> scales =
        dpi >= 120 ? std::vector<std::pair<float, float>>{{1.25f, 1.0f}}
                   : std::vector<std::pair<float, float>>{{1.0f, 1.0f}, {1.25f, 1.25f}};
    for (const auto& [scale, fontScale] : scales) {
        UseScale(scale, fontScale);
        int measured = 0;
        for (const VnEditorCommand* command : V3AndManagementEditors()) {
            if (command->kind != VnCommandKind::ScalarEditor)
                continue;
            SCOPED_TRACE(std::string(command->name) + " at FontScale " + std::to_string(scale) + ", "
                         + std::to_string(dpi) + " DPI");
            EXPECT_TRUE(WithEditor(Main(), command->name, [&](TConfigForm& form, TSNMPEditorPanel& panel) {
                // Measured once the form has fitted itself to what it read.
                ASSERT_TRUE(RunUntil([&] { return form.Settled(); }));
                for (const _EditRow_s& row : panel.EditsPanel->Rows) {
                    const auto* edit = qobject_cast<const QLineEdit*>(row.InputCtrl);
                    if (!edit || edit->text().isEmpty())
                        continue;
                    const int needed = QFontMetrics(edit->font()).horizontalAdvance(edit->text());
                    EXPECT_GE(TextRoom(*edit), needed)
                        << row.Label->text().toStdString() << " '" << edit->text().toStdString() << "'";
                    const QPoint right = edit->mapTo(&form, QPoint(edit->width(), 0));
                    EXPECT_LE(right.x(), form.width()) << "the field lies inside the form";
                    EXPECT_EQ(edit->visibleRegion().boundingRect(), edit->rect())
                        << row.Label->text().toStdString() << ": nothing of the field is cut off";
                    ++measured;
                }
            }));
        }
        EXPECT_GT(measured, 20);
        RecordProperty("fields at FontScale " + std::to_string(scale), measured);
    }
}

}  // namespace
