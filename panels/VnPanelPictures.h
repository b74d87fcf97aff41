#pragma once
// The pictures bundled with the panel forms (resources/panels): the
// front panels, the unit-number pictures and the about icon.
#include <QPixmap>
#include <QString>

// ":/panels/<fileName>" decoded; a null pixmap when it is missing.
QPixmap VnPanelPicture(const QString& fileName);

// The unit-number picture of stack unit `unit` (1 to 12).
QPixmap VnUnitPicture(int unit);
