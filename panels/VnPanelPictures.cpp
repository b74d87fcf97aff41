#include "VnPanelPictures.h"

#include "VnJpeg.h"

// The resources of a static library are registered only when something
// asks for them.
static void InitPanelResources()
{
    static const bool done = [] {
        Q_INIT_RESOURCE(panels);
        return true;
    }();
    (void)done;
}

QPixmap VnPanelPicture(const QString& fileName)
{
    InitPanelResources();
    const QImage image = VnLoadJpeg(QStringLiteral(":/panels/") + fileName);
    return image.isNull() ? QPixmap() : QPixmap::fromImage(image);
}

QPixmap VnUnitPicture(int unit)
{
    return VnPanelPicture(QStringLiteral("Unit%1.jpg").arg(unit));
}
