#include "PanelPainter.h"

#include "PartPainter.h"

#include <QPainter>
#include <QString>

#include <random>

namespace {

QRect ToQRect(const PanelRect& r)
{
    return QRect(r.x, r.y, r.w, r.h);
}

QString ToQString(std::string_view text)
{
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

// Dark grey metal, a little lighter at the top, brushed along its length.
void PaintFace(QImage& image)
{
    const int w = image.width();
    const int h = image.height();
    std::mt19937 noise(4024);
    for (int y = 0; y < h; ++y) {
        const double t = h > 1 ? double(y) / (h - 1) : 0.0;
        const int base = int(84 - 26 * t);
        auto* line = reinterpret_cast<QRgb*>(image.scanLine(y));
        // A running mean of random steps gives long, faint streaks.
        double streak = 0.0;
        for (int x = 0; x < w; ++x) {
            const double step = int(noise() % 17) - 8;
            streak = streak * 0.92 + step * 0.08;
            const int v = base + int(streak * 2.2) + int(noise() % 3) - 1;
            line[x] = qRgb(qBound(0, v - 3, 255), qBound(0, v - 1, 255), qBound(0, v + 3, 255));
        }
    }
    QPainter p(&image);
    p.setPen(QColor(0x17, 0x18, 0x1a));
    p.drawRect(0, 0, w - 1, h - 1);
    p.setPen(QColor(0x74, 0x78, 0x7e));
    p.drawLine(1, 1, w - 2, 1);
    p.drawLine(1, 1, 1, h - 2);
    p.setPen(QColor(0x22, 0x23, 0x26));
    p.drawLine(1, h - 2, w - 2, h - 2);
    p.drawLine(w - 2, 1, w - 2, h - 2);
}

// Buttons of one kind that stand next to each other form one bay.
std::vector<QRect> Bays(const PanelLayout& layout)
{
    std::vector<QRect> bays;
    for (const auto& b : layout.buttons) {
        const QRect r = ToQRect(b.rect);
        bool joined = false;
        for (auto& bay : bays) {
            if (bay.adjusted(-4, -4, 4, 4).intersects(r)) {
                bay = bay.united(r);
                joined = true;
                break;
            }
        }
        if (!joined)
            bays.push_back(r);
    }
    // Joining may have made bays touch that did not before.
    for (bool merged = true; merged;) {
        merged = false;
        for (std::size_t i = 0; i < bays.size() && !merged; ++i) {
            for (std::size_t j = i + 1; j < bays.size(); ++j) {
                if (bays[i].adjusted(-4, -4, 4, 4).intersects(bays[j])) {
                    bays[i] = bays[i].united(bays[j]);
                    bays.erase(bays.begin() + static_cast<std::ptrdiff_t>(j));
                    merged = true;
                    break;
                }
            }
        }
    }
    return bays;
}

QRect NumberBox(const QRect& anchor, LabelSide side, int textHeight)
{
    const int cx = anchor.center().x();
    const int w = 20;
    switch (side) {
    case LabelSide::Above:
        return QRect(cx - w / 2 + 1, anchor.top() - 1 - textHeight, w, textHeight);
    case LabelSide::Below:
        return QRect(cx - w / 2 + 1, anchor.bottom() + 2, w, textHeight);
    default:
        return {};
    }
}

QString PortText(int port)
{
    return QString::number(port);
}

void DrawLedMatrix(QPainter& p, const std::vector<PlacedLed>& leds)
{
    // One recess behind all strips of port LEDs, numbers included.
    QRect area;
    for (const auto& led : leds) {
        if (!led.container->name.starts_with("LedPanel"))
            continue;
        area = area.united(ToQRect(led.rect));
        if (led.container->portNumbers != LabelSide::None)
            area = area.united(NumberBox(ToQRect(led.rect), led.container->portNumbers, 8)
                                   .adjusted(6, 0, -6, 0));
    }
    if (!area.isNull())
        DrawRecess(p, area.adjusted(-4, -3, 4, 3), 3);
}

void DrawLeds(QPainter& p, const std::vector<PlacedLed>& leds)
{
    for (const auto& led : leds) {
        DrawLedWindow(p, ToQRect(led.rect));
        const auto side = led.container->portNumbers;
        const int port = PortOfLedByte(led.byteIndex);
        if (side != LabelSide::None && port > 0)
            DrawCentredText(p, NumberBox(ToQRect(led.rect), side, 8), PortText(port), 7, false,
                            kLabelColour);
    }
}

void DrawCaptions(QPainter& p, const PanelLayout& layout)
{
    for (const auto& c : layout.containers) {
        if (c.caption.empty())
            continue;
        const QRect r = ToQRect(c.rect);
        const QString text = ToQString(c.caption);
        constexpr int h = 10;
        switch (c.captionSide) {
        case LabelSide::Left:
            DrawText(p, QRect(r.left() - 63, r.center().y() - h / 2, 60, h), text, 8, false,
                     Qt::AlignRight | Qt::AlignVCenter, kLabelColour);
            break;
        case LabelSide::Right:
            DrawText(p, QRect(r.right() + 4, r.center().y() - h / 2, 30, h), text, 8, false,
                     Qt::AlignLeft | Qt::AlignVCenter, kLabelColour);
            break;
        case LabelSide::Above:
            DrawCentredText(p, NumberBox(r, LabelSide::Above, 8), text, 7, false, kLabelColour);
            break;
        case LabelSide::Below:
            DrawCentredText(p, NumberBox(r, LabelSide::Below, 8), text, 7, false, kLabelColour);
            break;
        case LabelSide::None:
            break;
        }
    }
}

void DrawPorts(QPainter& p, const PanelLayout& layout)
{
    for (const QRect& bay : Bays(layout))
        DrawRecess(p, bay.adjusted(-2, -2, 2, 2), 2);
    for (const auto& b : layout.buttons) {
        const QRect r = ToQRect(b.rect);
        const bool latchUp = b.label != LabelSide::Below;
        switch (b.socket) {
        case SocketKind::Rj45:
            DrawRj45(p, r, latchUp);
            break;
        case SocketKind::Sfp:
            DrawSfpCage(p, r, latchUp);
            break;
        case SocketKind::Xfp:
            DrawXfpCage(p, r);
            break;
        case SocketKind::Cx4:
            DrawCx4(p, r);
            break;
        }
        if (b.port > 0 && b.label != LabelSide::None)
            DrawCentredText(p, NumberBox(r, b.label, 8).translated(0, b.label == LabelSide::Above ? -1 : 0),
                            PortText(b.port), 7, false, kLabelColour);
    }
}

void DrawFixtures(QPainter& p, const PanelLayout& layout)
{
    for (const auto& f : layout.fixtures) {
        const QRect r = ToQRect(f.rect);
        switch (f.kind) {
        case FixtureKind::Screw:
            DrawScrew(p, r);
            break;
        case FixtureKind::Db9:
            DrawDb9(p, r);
            if (!f.caption.empty())
                DrawCentredText(p, QRect(r.left() - 10, r.top() - 11, r.width() + 20, 10),
                                ToQString(f.caption), 8, false, kLabelColour);
            break;
        case FixtureKind::SlotCover:
            DrawSlotCover(p, r, ToQString(f.caption));
            break;
        }
    }
}

} // namespace

QImage DrawPanel(const PanelLayout& layout)
{
    QImage image(layout.width, layout.height, QImage::Format_RGB32);
    PaintFace(image);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    p.setRenderHint(QPainter::TextAntialiasing);

    const auto leds = PlaceLeds(layout);
    DrawLedMatrix(p, leds);
    DrawLeds(p, leds);
    DrawCaptions(p, layout);
    DrawPorts(p, layout);
    DrawFixtures(p, layout);

    if (layout.stackImage.w > 0)
        DrawDisplayWindow(p, ToQRect(layout.stackImage));
    for (const auto& t : layout.texts) {
        DrawText(p, QRect(t.x, t.y, 200, t.pixelSize + 4), ToQString(t.text), t.pixelSize,
                 t.bold, Qt::AlignLeft | Qt::AlignTop, t.bold ? kTitleColour : kLabelColour);
    }
    return image;
}

QImage DrawOverlay(const PanelLayout& layout, const QImage& picture)
{
    QImage image = picture.convertToFormat(QImage::Format_RGB32);
    QPainter p(&image);
    p.setBrush(Qt::NoBrush);
    p.setPen(QColor(255, 40, 40));
    for (const auto& b : layout.buttons)
        p.drawRect(ToQRect(b.rect).adjusted(0, 0, -1, -1));
    p.setPen(QColor(0, 230, 230));
    for (const auto& c : layout.containers)
        p.drawRect(ToQRect(c.rect).adjusted(0, 0, -1, -1));
    for (const auto& led : PlaceLeds(layout))
        p.fillRect(ToQRect(led.rect), QColor(255, 220, 0));
    if (layout.stackImage.w > 0) {
        p.setPen(QColor(255, 0, 255));
        p.drawRect(ToQRect(layout.stackImage).adjusted(0, 0, -1, -1));
    }
    return image;
}
