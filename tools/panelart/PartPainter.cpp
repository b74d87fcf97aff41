#include "PartPainter.h"

#include <QFont>
#include <QLinearGradient>
#include <QPainterPath>
#include <QPolygonF>
#include <QRadialGradient>

#include <algorithm>

namespace {

const QColor kEdge(0x26, 0x28, 0x2b);
const QColor kHole(0x0a, 0x0b, 0x0d);
const QColor kGold(0xc9, 0xa6, 0x4a);

QLinearGradient Metal(const QRect& r, QColor top, QColor bottom)
{
    QLinearGradient g(r.topLeft(), r.bottomLeft());
    g.setColorAt(0.0, top);
    g.setColorAt(1.0, bottom);
    return g;
}

// A filled rectangle with a crisp one-pixel outline.
void Box(QPainter& p, const QRect& r, const QBrush& fill, const QColor& edge)
{
    p.save();
    p.setRenderHint(QPainter::Antialiasing, false);
    p.fillRect(r, fill);
    p.setPen(edge);
    p.setBrush(Qt::NoBrush);
    p.drawRect(r.adjusted(0, 0, -1, -1));
    p.restore();
}

void Disc(QPainter& p, const QPointF& centre, double radius, QColor light, QColor dark)
{
    QRadialGradient g(centre - QPointF(radius / 3, radius / 3), radius * 1.4);
    g.setColorAt(0.0, light);
    g.setColorAt(1.0, dark);
    p.save();
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(kEdge, 0.8));
    p.setBrush(g);
    p.drawEllipse(centre, radius, radius);
    p.restore();
}

QFont LabelFont(int pixelSize, bool bold)
{
    QFont font(QStringLiteral("DejaVu Sans"));
    font.setPixelSize(pixelSize);
    font.setBold(bold);
    // Small labels read better narrow, as printed on real faces.
    if (pixelSize <= 9)
        font.setStretch(QFont::Condensed);
    font.setHintingPreference(QFont::PreferFullHinting);
    return font;
}

} // namespace

void DrawText(QPainter& p, const QRect& box, const QString& text, int pixelSize, bool bold,
              Qt::Alignment align, const QColor& colour)
{
    p.save();
    p.setFont(LabelFont(pixelSize, bold));
    p.setPen(colour);
    p.drawText(box, int(align), text);
    p.restore();
}

void DrawCentredText(QPainter& p, const QRect& box, const QString& text, int pixelSize,
                     bool bold, const QColor& colour)
{
    DrawText(p, box, text, pixelSize, bold, Qt::AlignCenter, colour);
}

void DrawRecess(QPainter& p, const QRect& r, int radius)
{
    p.save();
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0x5a, 0x5e, 0x64));
    p.drawRoundedRect(QRectF(r).translated(0, 1), radius, radius);
    p.setBrush(QColor(0x14, 0x15, 0x17));
    p.drawRoundedRect(QRectF(r), radius, radius);
    p.setBrush(QColor(0x23, 0x25, 0x29));
    p.drawRoundedRect(QRectF(r).adjusted(0.5, 1, -0.5, 0), radius, radius);
    p.restore();
}

void DrawLedWindow(QPainter& p, const QRect& led)
{
    p.save();
    p.setRenderHint(QPainter::Antialiasing, false);
    p.fillRect(led.adjusted(-1, -1, 1, 1), QColor(0x08, 0x09, 0x0a));
    p.fillRect(led, QColor(0x33, 0x37, 0x33));
    p.fillRect(QRect(led.left(), led.top(), led.width(), 1), QColor(0x44, 0x48, 0x44));
    p.restore();
}

void DrawDisplayWindow(QPainter& p, const QRect& r)
{
    p.save();
    p.setRenderHint(QPainter::Antialiasing, false);
    const QRect frame = r.adjusted(-3, -3, 3, 3);
    p.fillRect(frame, QColor(0x16, 0x17, 0x19));
    p.setPen(QColor(0x62, 0x66, 0x6c));
    p.drawLine(frame.bottomLeft(), frame.bottomRight());
    p.drawLine(frame.topRight(), frame.bottomRight());
    p.fillRect(r.adjusted(-1, -1, 1, 1), QColor(0x05, 0x05, 0x05));
    p.restore();
}

void DrawRj45(QPainter& p, const QRect& r, bool latchUp)
{
    const QRect shield = r.adjusted(1, 1, -1, -1);
    Box(p, shield, Metal(shield, QColor(0xb8, 0xbc, 0xc1), QColor(0x84, 0x88, 0x8e)), kEdge);

    const int ow = shield.width() - 4;
    const int oh = std::min(shield.height() - 8, ow * 3 / 4 + 1);
    const int ox = shield.left() + (shield.width() - ow) / 2;
    const int oy = shield.top() + (shield.height() - oh) / 2 + (latchUp ? 2 : -2);
    const QRect opening(ox, oy, ow, oh);

    const int nw = std::max(4, ow / 2);
    const int nx = ox + (ow - nw) / 2;
    const QRect notch = latchUp ? QRect(nx, oy - 3, nw, 3) : QRect(nx, oy + oh, nw, 3);

    p.save();
    p.setRenderHint(QPainter::Antialiasing, false);
    // A darker rim where the body meets the opening.
    p.fillRect(opening.adjusted(-1, -1, 1, 1), QColor(0x4d, 0x50, 0x55));
    p.fillRect(notch.adjusted(-1, latchUp ? -1 : 0, 1, latchUp ? 0 : 1), QColor(0x4d, 0x50, 0x55));
    p.fillRect(opening, kHole);
    p.fillRect(notch, kHole);
    // The plug's contacts lie opposite the latch.
    const int contacts = std::min(8, (ow - 2) / 2);
    const int span = 2 * contacts - 1;
    const int cx = ox + (ow - span) / 2;
    const int cy = latchUp ? oy + oh - 4 : oy + 1;
    for (int i = 0; i < contacts; ++i)
        p.fillRect(cx + 2 * i, cy, 1, 3, kGold);
    p.restore();
}

void DrawSfpCage(QPainter& p, const QRect& r, bool tabDown)
{
    const QRect cage = r.adjusted(1, 1, -1, -1);
    Box(p, cage, Metal(cage, QColor(0xc8, 0xcc, 0xd1), QColor(0x93, 0x97, 0x9d)), kEdge);
    p.save();
    p.setRenderHint(QPainter::Antialiasing, false);
    // Grounding fingers along the mouth.
    for (int x = cage.left() + 2; x < cage.right() - 1; x += 3) {
        p.fillRect(x, cage.top() + 1, 1, 2, QColor(0x72, 0x76, 0x7b));
        p.fillRect(x, cage.bottom() - 2, 1, 2, QColor(0x72, 0x76, 0x7b));
    }
    const QRect slot = cage.adjusted(3, 4, -3, -4);
    p.fillRect(slot.adjusted(-1, -1, 1, 1), QColor(0x50, 0x53, 0x58));
    p.fillRect(slot, kHole);
    // The edge of the connector inside, and the latch tab.
    p.fillRect(QRect(slot.left() + 3, slot.center().y(), slot.width() - 6, 1),
               QColor(0x2a, 0x2c, 0x30));
    const int tw = 7;
    const int tx = cage.left() + (cage.width() - tw) / 2;
    p.fillRect(QRect(tx, tabDown ? slot.bottom() - 1 : slot.top(), tw, 2),
               QColor(0x6a, 0x6e, 0x74));
    p.restore();
}

void DrawXfpCage(QPainter& p, const QRect& r)
{
    const QRect cage = r.adjusted(2, 1, -2, -1);
    Box(p, cage, Metal(cage, QColor(0xc6, 0xca, 0xcf), QColor(0x8e, 0x92, 0x98)), kEdge);
    p.save();
    p.setRenderHint(QPainter::Antialiasing, false);
    for (int x = cage.left() + 3; x < cage.right() - 2; x += 4)
        p.fillRect(x, cage.top() + 1, 2, 2, QColor(0x70, 0x74, 0x79));
    const QRect slot = cage.adjusted(5, 5, -5, -5);
    p.fillRect(slot.adjusted(-1, -1, 1, 1), QColor(0x50, 0x53, 0x58));
    p.fillRect(slot, kHole);
    // Dust plug in the mouth: a dark grey insert with two lens holes.
    const QRect plug = slot.adjusted(6, 3, -6, -3);
    p.fillRect(plug, QColor(0x26, 0x28, 0x2c));
    const int y = plug.center().y() - 2;
    p.fillRect(QRect(plug.left() + plug.width() / 4 - 3, y, 6, 5), QColor(0x0e, 0x0f, 0x11));
    p.fillRect(QRect(plug.left() + 3 * plug.width() / 4 - 3, y, 6, 5), QColor(0x0e, 0x0f, 0x11));
    p.restore();
}

void DrawCx4(QPainter& p, const QRect& r)
{
    const double cy = r.top() + r.height() / 2.0;
    Disc(p, QPointF(r.left() + 4.5, cy), 3.8, QColor(0xe0, 0xe3, 0xe6), QColor(0x80, 0x84, 0x8a));
    Disc(p, QPointF(r.right() - 3.5, cy), 3.8, QColor(0xe0, 0xe3, 0xe6), QColor(0x80, 0x84, 0x8a));
    p.save();
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(QColor(0x3a, 0x3c, 0x40), 1.0));
    p.drawLine(QPointF(r.left() + 2.5, cy), QPointF(r.left() + 6.5, cy));
    p.drawLine(QPointF(r.right() - 5.5, cy), QPointF(r.right() - 1.5, cy));
    p.restore();

    const QRect shell = r.adjusted(10, 3, -10, -3);
    p.save();
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(kEdge, 1.0));
    p.setBrush(Metal(shell, QColor(0xbe, 0xc2, 0xc7), QColor(0x86, 0x8a, 0x90)));
    p.drawRoundedRect(QRectF(shell).adjusted(0.5, 0.5, -0.5, -0.5), 3, 3);
    const QRectF mouth = QRectF(shell).adjusted(4, 5, -4, -5);
    p.setPen(Qt::NoPen);
    p.setBrush(kHole);
    p.drawRoundedRect(mouth, 2, 2);
    p.restore();
    p.save();
    p.setRenderHint(QPainter::Antialiasing, false);
    // The contact tongue with its pads.
    const QRect tongue = mouth.toAlignedRect().adjusted(4, 5, -4, -5);
    p.fillRect(tongue, QColor(0x2c, 0x2e, 0x33));
    for (int x = tongue.left() + 1; x < tongue.right(); x += 2)
        p.fillRect(x, tongue.top(), 1, 1, kGold);
    p.restore();
}

void DrawDb9(QPainter& p, const QRect& r)
{
    const double cy = r.top() + r.height() / 2.0;
    Disc(p, QPointF(r.left() + 4.5, cy), 4.0, QColor(0xd6, 0xd9, 0xdd), QColor(0x7a, 0x7e, 0x84));
    Disc(p, QPointF(r.right() - 3.5, cy), 4.0, QColor(0xd6, 0xd9, 0xdd), QColor(0x7a, 0x7e, 0x84));
    p.save();
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0x20, 0x21, 0x24));
    p.drawEllipse(QPointF(r.left() + 4.5, cy), 1.5, 1.5);
    p.drawEllipse(QPointF(r.right() - 3.5, cy), 1.5, 1.5);

    // The D: wider at the top, with rounded corners.
    const double l = r.left() + 11, rr = r.right() - 10, t = r.top() + 1.5, b = r.bottom() - 1.5;
    const double inset = (b - t) * 0.22;
    auto dShape = [&](double grow) {
        QPainterPath path;
        path.moveTo(l - grow, t - grow);
        path.lineTo(rr + grow, t - grow);
        path.lineTo(rr - inset + grow, b + grow);
        path.lineTo(l + inset - grow, b + grow);
        path.closeSubpath();
        return path;
    };
    QPen rim(QColor(0x9c, 0xa0, 0xa6), 2.4, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
    p.setPen(rim);
    p.setBrush(kHole);
    p.drawPath(dShape(0.0));
    p.setPen(QPen(kEdge, 0.8, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(Qt::NoBrush);
    p.drawPath(dShape(1.4));

    // Five pins above four.
    p.setPen(Qt::NoPen);
    p.setBrush(kGold);
    const double pitch = (rr - l - 6) / 4.0;
    for (int i = 0; i < 5; ++i)
        p.drawEllipse(QPointF(l + 3 + i * pitch, t + (b - t) * 0.32), 1.1, 1.1);
    for (int i = 0; i < 4; ++i)
        p.drawEllipse(QPointF(l + 3 + pitch / 2 + i * pitch, t + (b - t) * 0.72), 1.1, 1.1);
    p.restore();
}

void DrawScrew(QPainter& p, const QRect& r)
{
    const QPointF c = QRectF(r).center();
    const double radius = std::min(r.width(), r.height()) / 2.0 - 0.5;
    Disc(p, c, radius, QColor(0xdc, 0xdf, 0xe3), QColor(0x7c, 0x80, 0x86));
    p.save();
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(QColor(0x34, 0x36, 0x3a), 1.4, Qt::SolidLine, Qt::RoundCap));
    const double a = radius * 0.55;
    p.drawLine(c + QPointF(-a, 0), c + QPointF(a, 0));
    p.drawLine(c + QPointF(0, -a), c + QPointF(0, a));
    p.restore();
}

void DrawSlotCover(QPainter& p, const QRect& r, const QString& caption)
{
    DrawRecess(p, r.adjusted(-2, -2, 2, 2), 2);
    const QRect plate = r;
    Box(p, plate, Metal(plate, QColor(0x66, 0x6a, 0x70), QColor(0x4a, 0x4d, 0x52)), kEdge);
    p.save();
    p.setRenderHint(QPainter::Antialiasing, false);
    p.setPen(QColor(0x7e, 0x82, 0x88));
    p.drawLine(plate.left() + 1, plate.top() + 1, plate.right() - 1, plate.top() + 1);
    p.restore();
    const int s = std::min(9, plate.height() - 4);
    const int sy = plate.top() + (plate.height() - s) / 2;
    DrawScrew(p, QRect(plate.left() + 3, sy, s, s));
    DrawScrew(p, QRect(plate.right() - 2 - s, sy, s, s));
    if (!caption.isEmpty())
        DrawCentredText(p, plate.adjusted(14, 0, -14, 0), caption, 8, false, kLabelColour);
}
