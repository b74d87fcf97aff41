#pragma once
// The parts a panel picture is made of, each drawn into its own rectangle.
#include <QColor>
#include <QPainter>
#include <QRect>
#include <QString>

inline const QColor kLabelColour(0xcf, 0xd3, 0xd8);
inline const QColor kTitleColour(0xf2, 0xf4, 0xf6);

void DrawText(QPainter& p, const QRect& box, const QString& text, int pixelSize, bool bold,
              Qt::Alignment align, const QColor& colour);
void DrawCentredText(QPainter& p, const QRect& box, const QString& text, int pixelSize,
                     bool bold, const QColor& colour);

// A darker, sunken area of the face (behind ports, LED strips).
void DrawRecess(QPainter& p, const QRect& r, int radius);
// The dark window an LED shape is painted into.
void DrawLedWindow(QPainter& p, const QRect& led);
// The frame of the unit-number display.
void DrawDisplayWindow(QPainter& p, const QRect& r);

// Sockets, each filling the rectangle of the button that lies over it.
void DrawRj45(QPainter& p, const QRect& r, bool latchUp);
void DrawSfpCage(QPainter& p, const QRect& r, bool tabDown);
void DrawXfpCage(QPainter& p, const QRect& r);
void DrawCx4(QPainter& p, const QRect& r);

void DrawDb9(QPainter& p, const QRect& r);
void DrawScrew(QPainter& p, const QRect& r);
void DrawSlotCover(QPainter& p, const QRect& r, const QString& caption);
