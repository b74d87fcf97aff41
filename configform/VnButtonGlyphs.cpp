#include "VnButtonGlyphs.h"

#include <QDir>
#include <QPainter>
#include <QPainterPath>

namespace {

constexpr int kSize = 16;
const QColor kTransparent(255, 0, 255);

void DrawBox(QPainter& p, int x, int y, bool ticked)
{
    p.setPen(QPen(QColor(64, 64, 64), 1));
    p.setBrush(Qt::white);
    p.drawRect(x, y, 6, 6);
    if (!ticked)
        return;
    p.setPen(QPen(QColor(0, 128, 0), 1.5));
    p.drawPolyline(QPolygonF({QPointF(x + 1.5, y + 3.5), QPointF(x + 3, y + 5), QPointF(x + 5.5, y + 1.5)}));
}

void DrawTick(QPainter& p, const QColor& colour, qreal width)
{
    p.setPen(QPen(colour, width, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(Qt::NoBrush);
    p.drawPolyline(QPolygonF({QPointF(3, 8.5), QPointF(6.5, 12), QPointF(13, 4)}));
}

}  // namespace

QPixmap VnLoadGlyph(const QString& path)
{
    QImage image(path);
    if (image.isNull())
        return {};
    image = image.convertToFormat(QImage::Format_ARGB32);
    const QRgb clear = image.pixel(0, image.height() - 1);
    for (int y = 0; y < image.height(); ++y) {
        auto* line = reinterpret_cast<QRgb*>(image.scanLine(y));
        for (int x = 0; x < image.width(); ++x) {
            if (line[x] == clear)
                line[x] = qRgba(0, 0, 0, 0);
        }
    }
    return QPixmap::fromImage(image);
}

QImage VnDrawButtonGlyph(const QString& file)
{
    // Drawn smooth on nothing, then flattened onto a button's face with the
    // see-through pixels in the transparent colour: a bitmap has no alpha.
    QImage image(kSize, kSize, QImage::Format_ARGB32);
    image.fill(Qt::transparent);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    if (file == "Get.bmp") {
        // Two arrows chasing each other round: read again.
        p.setPen(QPen(QColor(0, 120, 0), 2, Qt::SolidLine, Qt::FlatCap));
        p.drawArc(QRectF(3, 3, 10, 10), 30 * 16, 150 * 16);
        p.drawArc(QRectF(3, 3, 10, 10), 210 * 16, 150 * 16);
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(0, 120, 0));
        p.drawPolygon(QPolygonF({QPointF(1, 6), QPointF(6, 6), QPointF(3, 10)}));
        p.drawPolygon(QPolygonF({QPointF(15, 10), QPointF(10, 10), QPointF(13, 6)}));
    } else if (file == "Set.bmp") {
        // A pencil: change the row.
        p.translate(8, 8);
        p.rotate(45);
        p.setPen(QPen(QColor(60, 60, 60), 1));
        p.setBrush(QColor(240, 190, 40));
        p.drawRect(QRectF(-2, -7, 4, 10));
        p.setBrush(QColor(230, 200, 160));
        p.drawPolygon(QPolygonF({QPointF(-2, 3), QPointF(2, 3), QPointF(0, 7)}));
    } else if (file == "SetCheck.bmp") {
        DrawTick(p, QColor(0, 128, 0), 2.5);
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(0, 70, 160));
        p.drawRect(QRectF(10, 11, 5, 3));
    } else if (file == "Add.bmp") {
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(0, 140, 0));
        p.drawRect(QRectF(6.5, 2, 3, 12));
        p.drawRect(QRectF(2, 6.5, 12, 3));
    } else if (file == "Delete.bmp") {
        p.setPen(QPen(QColor(200, 0, 0), 2.5, Qt::SolidLine, Qt::RoundCap));
        p.drawLine(QPointF(4, 4), QPointF(12, 12));
        p.drawLine(QPointF(12, 4), QPointF(4, 12));
    } else if (file == "SelectAll.bmp") {
        p.setRenderHint(QPainter::Antialiasing, false);
        DrawBox(p, 1, 1, true);
        DrawBox(p, 9, 1, true);
        DrawBox(p, 1, 9, true);
        DrawBox(p, 9, 9, true);
    } else if (file == "SelectNone.bmp") {
        p.setRenderHint(QPainter::Antialiasing, false);
        DrawBox(p, 1, 1, false);
        DrawBox(p, 9, 1, false);
        DrawBox(p, 1, 9, false);
        DrawBox(p, 9, 9, false);
    } else if (file == "Close.bmp") {
        // A door standing open.
        p.setPen(QPen(QColor(90, 60, 30), 1));
        p.setBrush(QColor(150, 100, 50));
        p.drawRect(QRectF(3.5, 1.5, 8, 13));
        p.setBrush(QColor(200, 150, 90));
        p.drawPolygon(QPolygonF({QPointF(3.5, 1.5), QPointF(8.5, 3.5), QPointF(8.5, 15.5), QPointF(3.5, 14.5)}));
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(40, 40, 40));
        p.drawEllipse(QPointF(7.3, 9), 0.8, 0.8);
    } else {
        return {};
    }
    p.end();
    const QColor face(240, 240, 240);
    QImage flat(kSize, kSize, QImage::Format_RGB32);
    for (int y = 0; y < kSize; ++y) {
        for (int x = 0; x < kSize; ++x) {
            const QColor c = QColor::fromRgba(image.pixel(x, y));
            const qreal a = c.alphaF();
            if (a < 0.4) {
                flat.setPixel(x, y, kTransparent.rgb());
                continue;
            }
            flat.setPixel(x, y, qRgb(qRound(c.red() * a + face.red() * (1 - a)),
                                     qRound(c.green() * a + face.green() * (1 - a)),
                                     qRound(c.blue() * a + face.blue() * (1 - a))));
        }
    }
    // The bottom-left pixel names the transparent colour.
    flat.setPixel(0, kSize - 1, kTransparent.rgb());
    return flat;
}

bool VnWriteButtonGlyphs(const QString& folder)
{
    if (!QDir().mkpath(folder))
        return false;
    bool written = true;
    for (const VnGlyphName& glyph : kVnButtonGlyphs) {
        const QImage image = VnDrawButtonGlyph(glyph.file);
        written = !image.isNull() && image.save(folder + "/" + glyph.file, "BMP") && written;
    }
    return written;
}
