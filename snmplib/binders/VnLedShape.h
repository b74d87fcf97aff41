#pragma once
// One front-panel LED: a small painted rectangle or ellipse, filled and
// outlined in one colour.
#include <QColor>
#include <QWidget>

#include <cstdint>

class VnLedShape : public QWidget {
public:
    // Shape codes of the LED rows; any other code paints a rectangle.
    enum Shape { Rectangle = 0, Square, RoundRect, RoundSquare, Ellipse, Circle };

    explicit VnLedShape(QWidget* parent, int shape = Rectangle);

    int ShapeType() const { return shape_; }
    // Colour as 0x00BBGGRR, the form the colour maps hold.
    void SetColor(std::uint32_t bgr);
    std::uint32_t Color() const { return bgr_; }
    QColor QtColor() const { return color_; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    int shape_;
    std::uint32_t bgr_ = 0;
    QColor color_{Qt::black};
};

// 0x00BBGGRR to a Qt colour; the byte above blue is not a colour and is dropped.
QColor VnColorFromBgr(std::uint32_t bgr);
