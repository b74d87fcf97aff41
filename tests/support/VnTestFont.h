#pragma once
// Widget tests lay out and measure in one font, whatever the machine's
// default sans-serif: sizes, widths and clipped texts then mean the same on
// every machine. scripts/install-deps.sh installs the family.
#include <QApplication>
#include <QFont>
#include <QFontInfo>

#include <string>

inline constexpr const char* kTestFontFamily = "DejaVu Sans";
inline constexpr int kTestFontPointSize = 9;

inline QFont VnTestFont()
{
    QFont font(kTestFontFamily);
    font.setPointSize(kTestFontPointSize);
    return font;
}

// Empty when the test font is there; otherwise what is wrong and what to do.
inline std::string VnTestFontMissing()
{
    if (QFontInfo(VnTestFont()).family() == kTestFontFamily)
        return {};
    return std::string("the test font \"") + kTestFontFamily
           + "\" is not installed, so pixel sizes would depend on this machine's fonts: "
             "install the Debian package fonts-dejavu-core (scripts/install-deps.sh does)";
}

// Makes the test font the application's; a test that changes it (large
// fonts) puts it back.
inline void VnUseTestFont() { QApplication::setFont(VnTestFont()); }
