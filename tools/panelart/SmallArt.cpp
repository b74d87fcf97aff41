#include "PanelPainter.h"
#include "PartPainter.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPolygonF>

namespace {

// Segments a to g of a seven-segment digit.
constexpr unsigned char kDigitSegments[10] = {
    0b0111111, 0b0000110, 0b1011011, 0b1001111, 0b1100110,
    0b1101101, 0b1111101, 0b0000111, 0b1111111, 0b1101111,
};

QPolygonF Segment(QPointF from, QPointF to, double thickness)
{
    const double h = thickness / 2;
    const bool across = from.y() == to.y();
    const QPointF along = across ? QPointF(h, 0) : QPointF(0, h);
    const QPointF side = across ? QPointF(0, h) : QPointF(h, 0);
    // Short of the ends, so that neighbouring segments keep a gap.
    const QPointF a = from + along * 0.5;
    const QPointF b = to - along * 0.5;
    return QPolygonF{a, a + along - side, b - along - side, b, b - along + side, a + along + side};
}

// One digit cell; digit < 0 leaves every segment dark.
void DrawDigit(QPainter& p, const QRectF& cell, int digit, double thickness)
{
    const double xl = cell.left() + thickness / 2;
    const double xr = cell.right() - thickness / 2;
    const double yt = cell.top() + thickness / 2;
    const double ym = cell.center().y();
    const double yb = cell.bottom() - thickness / 2;
    const QPolygonF segments[7] = {
        Segment({xl, yt}, {xr, yt}, thickness), Segment({xr, yt}, {xr, ym}, thickness),
        Segment({xr, ym}, {xr, yb}, thickness), Segment({xl, yb}, {xr, yb}, thickness),
        Segment({xl, ym}, {xl, yb}, thickness), Segment({xl, yt}, {xl, ym}, thickness),
        Segment({xl, ym}, {xr, ym}, thickness),
    };
    const unsigned lit = digit >= 0 && digit <= 9 ? kDigitSegments[digit] : 0;
    p.setPen(Qt::NoPen);
    for (int s = 0; s < 7; ++s) {
        const bool on = lit & (1u << s);
        if (on) {
            // A faint glow around a lit segment.
            p.setPen(QPen(QColor(255, 60, 30, 40), thickness * 0.8, Qt::SolidLine, Qt::RoundCap,
                          Qt::RoundJoin));
            p.setBrush(Qt::NoBrush);
            p.drawPolygon(segments[s]);
            p.setPen(Qt::NoPen);
        }
        p.setBrush(on ? QColor(0xff, 0x4c, 0x2c) : QColor(0x22, 0x0a, 0x08));
        p.drawPolygon(segments[s]);
    }
}

} // namespace

QImage DrawUnitNumber(int unit)
{
    QImage image(kUnitPictureWidth, kUnitPictureHeight, QImage::Format_RGB32);
    image.fill(QColor(0x07, 0x07, 0x08));
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    // Two digits; a leading zero stays dark, as on a real display.
    const int tens = unit >= 10 ? unit / 10 : -1;
    const int ones = unit % 10;
    constexpr double thickness = 2.0;
    DrawDigit(p, QRectF(3, 4, 9, 22), tens, thickness);
    DrawDigit(p, QRectF(14, 4, 9, 22), ones, thickness);
    return image;
}

QImage DrawAboutIcon()
{
    QImage image(32, 32, QImage::Format_RGB32);
    QPainter p(&image);
    QLinearGradient ground(0, 0, 0, 32);
    ground.setColorAt(0, QColor(0x44, 0x68, 0x8c));
    ground.setColorAt(1, QColor(0x1f, 0x35, 0x4b));
    p.fillRect(image.rect(), ground);

    // A small switch: a dark box, a row of LEDs, a row of ports.
    const QRect box(3, 10, 26, 13);
    p.fillRect(box, QColor(0x3c, 0x3f, 0x44));
    p.setPen(QColor(0x12, 0x13, 0x15));
    p.drawRect(box.adjusted(0, 0, -1, -1));
    p.setPen(QColor(0x74, 0x78, 0x7e));
    p.drawLine(box.left() + 1, box.top() + 1, box.right() - 1, box.top() + 1);
    for (int i = 0; i < 6; ++i) {
        const int x = box.left() + 3 + i * 4;
        p.fillRect(x, box.top() + 3, 2, 2, i == 4 ? QColor(0xff, 0xb0, 0x20) : QColor(0x40, 0xf0, 0x40));
        p.fillRect(x - 1, box.top() + 7, 4, 4, QColor(0xb0, 0xb4, 0xba));
        p.fillRect(x, box.top() + 8, 2, 2, QColor(0x0a, 0x0b, 0x0d));
    }
    p.fillRect(QRect(4, 25, 24, 2), QColor(0x10, 0x1c, 0x28));
    return image;
}
