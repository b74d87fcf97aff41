#include "VnLedShape.h"

#include <QPainter>

#include <algorithm>

QColor VnColorFromBgr(std::uint32_t bgr)
{
    return QColor(static_cast<int>(bgr & 0xFF), static_cast<int>((bgr >> 8) & 0xFF),
                  static_cast<int>((bgr >> 16) & 0xFF));
}

namespace {

bool FillsItsBox(int shape)
{
    return shape < VnLedShape::Square || shape > VnLedShape::Circle;
}

}  // namespace

VnLedShape::VnLedShape(QWidget* parent, int shape) : QWidget(parent), shape_(shape)
{
    setAttribute(Qt::WA_TransparentForMouseEvents);
    // A rectangle covers all of its box: when it changes colour (several
    // times a second while it blinks) the panel picture under it need not
    // be painted again.
    if (FillsItsBox(shape))
        setAttribute(Qt::WA_OpaquePaintEvent);
}

void VnLedShape::SetColor(std::uint32_t bgr)
{
    if (bgr == bgr_)
        return;
    bgr_ = bgr;
    color_ = VnColorFromBgr(bgr);
    update();
}

void VnLedShape::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    if (FillsItsBox(shape_)) {
        painter.fillRect(rect(), color_);
        return;
    }
    painter.setPen(QPen(color_, 1));
    painter.setBrush(color_);

    QRectF box(rect());
    // Squares and circles take the shorter side, centred.
    if (shape_ == Square || shape_ == RoundSquare || shape_ == Circle) {
        const qreal side = std::min(box.width(), box.height());
        box = QRectF(box.center().x() - side / 2, box.center().y() - side / 2, side, side);
    }
    // The pen straddles the outline: keep it inside the widget.
    box.adjust(0.5, 0.5, -0.5, -0.5);
    switch (shape_) {
    case Ellipse:
    case Circle:
        painter.setRenderHint(QPainter::Antialiasing);
        painter.drawEllipse(box);
        break;
    case RoundRect:
    case RoundSquare: {
        painter.setRenderHint(QPainter::Antialiasing);
        const qreal radius = std::min(box.width(), box.height()) / 4;
        painter.drawRoundedRect(box, radius, radius);
        break;
    }
    default:
        painter.drawRect(box);
        break;
    }
}
