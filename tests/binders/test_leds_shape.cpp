#include "VnLedShape.h"

#include <QImage>
#include <QWidget>

#include <gtest/gtest.h>

namespace {

struct ColorCase {
    const char* why;
    std::uint32_t bgr;
    QColor expected;
};

TEST(LedShape, ColourIsConvertedFromBlueGreenRed)
{
    const ColorCase cases[] = {
        {"low byte is red", 0x0000FF, QColor(255, 0, 0)},
        {"high byte is blue", 0xFF0000, QColor(0, 0, 255)},
        {"middle byte is green", 0x00FF00, QColor(0, 255, 0)},
        {"mixed bytes keep their places", 0x102030, QColor(0x30, 0x20, 0x10)},
        {"the byte above blue is dropped", 0xFF00FF00, QColor(0, 255, 0)},
    };
    for (const ColorCase& c : cases) {
        SCOPED_TRACE(c.why);
        EXPECT_EQ(VnColorFromBgr(c.bgr), c.expected);
    }
}

// Paints one LED on a grey panel and reads pixels back.
QImage Paint(int shape, std::uint32_t bgr, int width, int height)
{
    QWidget panel;
    panel.setAutoFillBackground(true);
    QPalette palette = panel.palette();
    palette.setColor(QPalette::Window, Qt::gray);
    panel.setPalette(palette);
    panel.resize(width, height);
    auto* led = new VnLedShape(&panel, shape);
    led->setGeometry(0, 0, width, height);
    led->SetColor(bgr);
    EXPECT_EQ(led->Color(), bgr);
    return panel.grab().toImage();
}

TEST(LedShape, PaintsItsShapeInItsColour)
{
    const QImage rect = Paint(VnLedShape::Rectangle, 0x0000FF, 12, 8);
    EXPECT_EQ(rect.pixelColor(6, 4), QColor(Qt::red));
    EXPECT_EQ(rect.pixelColor(0, 0), QColor(Qt::red)) << "a rectangle fills its corners";

    const QImage circle = Paint(VnLedShape::Circle, 0x00FF00, 20, 12);
    EXPECT_EQ(circle.pixelColor(10, 6), QColor(Qt::green));
    EXPECT_EQ(circle.pixelColor(0, 0), QColor(Qt::gray)) << "a circle leaves the corners";
    EXPECT_EQ(circle.pixelColor(2, 6), QColor(Qt::gray)) << "a circle takes the shorter side";
}

}  // namespace
