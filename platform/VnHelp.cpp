#include "VnHelp.h"

#include <QDesktopServices>
#include <QFileInfo>
#include <QGuiApplication>
#include <QUrl>

#include <exception>
#include <utility>

namespace {

VnUrlOpener& CurrentOpener()
{
    static VnUrlOpener opener;
    return opener;
}

bool OpenWithDesktop(const QUrl& url)
{
    // The desktop services live in the GUI application; without one they
    // would dereference nothing.
    if (!qobject_cast<QGuiApplication*>(QCoreApplication::instance()))
        return false;
    return QDesktopServices::openUrl(url);
}

} // namespace

bool VnOpenHelp(const std::string& path)
{
    const QFileInfo file(QString::fromStdString(path));
    if (path.empty() || !file.isFile())
        return false;
    const auto url = QUrl::fromLocalFile(file.absoluteFilePath());
    try {
        const auto& opener = CurrentOpener();
        return opener ? opener(url) : OpenWithDesktop(url);
    } catch (const std::exception&) {
        return false;
    }
}

VnUrlOpener VnSetUrlOpener(VnUrlOpener opener)
{
    return std::exchange(CurrentOpener(), std::move(opener));
}
