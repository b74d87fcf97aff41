#include "VnSpeedButton.h"

#include <QPainter>

VnSpeedButton::VnSpeedButton(QWidget* parent) : QToolButton(parent)
{
    setCheckable(true);
    setAutoRaise(true);
    setFocusPolicy(Qt::NoFocus);
    setCursor(Qt::PointingHandCursor);
}

// The socket is part of the panel picture underneath: the button paints
// only its frame, a light one under the mouse and a bright one when down.
void VnSpeedButton::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    const QRect box = rect().adjusted(0, 0, -1, -1);
    if (isChecked()) {
        painter.fillRect(box, QColor(255, 210, 0, 90));
        painter.setPen(QPen(QColor(255, 200, 0), 1));
        painter.drawRect(box);
        return;
    }
    if (underMouse()) {
        painter.setPen(QPen(QColor(255, 255, 255, 160), 1));
        painter.drawRect(box);
    }
}
