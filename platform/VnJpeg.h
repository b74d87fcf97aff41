#pragma once
// JPEG pictures through libjpeg: the front-panel pictures are read with it
// and the tool that draws them writes with it.
#include <QByteArray>
#include <QImage>
#include <QString>

// The picture as an RGB32 image; a null image when the data is not a
// complete, sound JPEG picture (missing, truncated, corrupt, CMYK, or larger
// than any panel picture could reasonably be).
QImage VnDecodeJpeg(const QByteArray& data);

// Reads a file or a Qt resource (":/...") and decodes it as above.
QImage VnLoadJpeg(const QString& path);

// Baseline JPEG of `image` with full colour resolution (no chroma
// subsampling, so small labels stay sharp); quality 1 to 100. Empty when the
// image is null or cannot be encoded.
QByteArray VnEncodeJpeg(const QImage& image, int quality);

// Encodes and writes the file in one step (the old file stays when it fails).
bool VnSaveJpeg(const QImage& image, const QString& path, int quality);
