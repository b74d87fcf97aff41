#pragma once
// Glyphs of the command buttons: bitmap files in the process's current
// directory ("Get.bmp", "Close.bmp", ...) replace a button's caption when
// they exist. The pictures we ship are drawn by VnDrawButtonGlyph and
// written to resources/glyphs by the vnglyphs tool.
#include <QImage>
#include <QPixmap>
#include <QString>

#include <array>

struct VnGlyphName {
    const char* button;  // "Refresh", "Edit", ...
    const char* file;    // "Get.bmp", ...
};

// In the order of the button column.
inline constexpr std::array<VnGlyphName, 8> kVnButtonGlyphs = {{
    {"Refresh", "Get.bmp"},
    {"Edit", "Set.bmp"},
    {"Set Checked", "SetCheck.bmp"},
    {"Add", "Add.bmp"},
    {"Delete", "Delete.bmp"},
    {"Check All", "SelectAll.bmp"},
    {"Clear Checks", "SelectNone.bmp"},
    {"Close", "Close.bmp"},
}};

// A glyph bitmap with its bottom-left pixel's colour made transparent, as
// bitmap button glyphs have always been drawn. Null when it cannot be read.
QPixmap VnLoadGlyph(const QString& path);

// Our own 16 x 16 picture for a glyph file name, on the transparent colour
// (magenta) in the bottom-left corner; null for an unknown name.
QImage VnDrawButtonGlyph(const QString& file);

// Writes every glyph into `folder`; false when one could not be written.
bool VnWriteButtonGlyphs(const QString& folder);
