// Redraws the front-panel pictures, the unit-number pictures and the about
// icon as JPEG files:
//
//     vn_panelart [--overlay FOLDER] OUTPUT_FOLDER
//
// --overlay also writes PNG copies of the panels with the places of the
// buttons and LEDs outlined, for checking them by eye.
#include "PanelLayout.h"
#include "PanelPainter.h"

#include "VnJpeg.h"

#include <QDir>
#include <QGuiApplication>

#include <cstdio>

namespace {

constexpr int kQuality = 92;

bool Save(const QImage& image, const QDir& dir, const QString& name)
{
    const QString path = dir.filePath(name + QStringLiteral(".jpg"));
    if (VnSaveJpeg(image, path, kQuality))
        return true;
    std::fprintf(stderr, "vn_panelart: cannot write %s\n", qPrintable(path));
    return false;
}

int Usage()
{
    std::fprintf(stderr, "usage: vn_panelart [--overlay FOLDER] OUTPUT_FOLDER\n");
    return 2;
}

} // namespace

int main(int argc, char** argv)
{
    // Drawing needs fonts but no screen.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);

    QStringList args = app.arguments().mid(1);
    QString overlay;
    if (args.size() >= 2 && args.front() == QStringLiteral("--overlay")) {
        overlay = args.at(1);
        args = args.mid(2);
    }
    if (args.size() != 1 || args.front().startsWith(QLatin1Char('-')))
        return Usage();

    const QDir out(args.front());
    if (!QDir().mkpath(out.path()) || (!overlay.isEmpty() && !QDir().mkpath(overlay))) {
        std::fprintf(stderr, "vn_panelart: cannot make the output folders\n");
        return 1;
    }

    bool ok = true;
    for (const auto& layout : PanelLayouts()) {
        const QString model = QString::fromUtf8(layout.model.data(),
                                                static_cast<qsizetype>(layout.model.size()));
        const QImage picture = DrawPanel(layout);
        ok = Save(picture, out, model) && ok;
        if (!overlay.isEmpty())
            ok = DrawOverlay(layout, picture).save(QDir(overlay).filePath(model + ".png")) && ok;
    }
    for (int unit = 1; unit <= 12; ++unit)
        ok = Save(DrawUnitNumber(unit), out, QStringLiteral("Unit%1").arg(unit)) && ok;
    ok = Save(DrawAboutIcon(), out, QStringLiteral("AboutIcon")) && ok;
    return ok ? 0 : 1;
}
