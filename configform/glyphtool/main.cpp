// Writes the command buttons' glyph bitmaps into the folder given (by
// default resources/glyphs of the source tree).
#include <QGuiApplication>

#include <cstdio>

#include "VnButtonGlyphs.h"

int main(int argc, char* argv[])
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    const QString folder = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QString(VN_GLYPH_DIR);
    if (!VnWriteButtonGlyphs(folder)) {
        std::fprintf(stderr, "vnglyphs: cannot write the glyphs into %s\n", qPrintable(folder));
        return 1;
    }
    return 0;
}
