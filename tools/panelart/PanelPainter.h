#pragma once
// Draws the front-panel pictures over the layout tables.
#include "PanelLayout.h"

#include <QImage>

// The picture of one unit or module, layout.width x layout.height.
QImage DrawPanel(const PanelLayout& layout);

// The unit-number picture of stack unit `unit` (1 to 12), as a lit
// seven-segment display.
QImage DrawUnitNumber(int unit);

// The 32 x 32 icon of the about box.
QImage DrawAboutIcon();

// The picture with the controls' places outlined (buttons red, LED
// containers cyan, LEDs yellow, unit picture magenta), to check that they
// fall on what is drawn.
QImage DrawOverlay(const PanelLayout& layout, const QImage& picture);
