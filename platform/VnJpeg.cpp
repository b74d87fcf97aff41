#include "VnJpeg.h"

#include <QFile>
#include <QSaveFile>

#include <algorithm>
#include <csetjmp>
#include <cstdio>
#include <cstdlib>

#include <jerror.h>
#include <jpeglib.h>

// libjpeg reports fatal errors through error_exit, which must not return: we
// jump back to the decoding function instead of letting it end the process.
// The functions that call setjmp keep only trivially destructible locals, so
// the jump skips no destructor; images and buffers live in their callers.

namespace {

constexpr qint64 kMaxFileBytes = 64 * 1024 * 1024;
constexpr unsigned kMaxSide = 16384;
constexpr unsigned long long kMaxPixels = 32ull * 1024 * 1024;

struct ErrorManager {
    jpeg_error_mgr base;
    std::jmp_buf jump;
};

[[noreturn]] void OnError(j_common_ptr cinfo)
{
    std::longjmp(reinterpret_cast<ErrorManager*>(cinfo->err)->jump, 1);
}

// Warnings (level -1) mean damaged data, and a truncated file is only a
// warning to libjpeg; we refuse the picture rather than show a half-grey
// one. Trace messages (level >= 0) are dropped instead of going to stderr.
void OnMessage(j_common_ptr cinfo, int level)
{
    if (level >= 0)
        return;
    const int code = cinfo->err->msg_code;
    if (code == JWRN_JFIF_MAJOR || code == JWRN_ADOBE_XFORM)
        return;
    OnError(cinfo);
}

void InstallErrorManager(ErrorManager* err)
{
    jpeg_std_error(&err->base);
    err->base.error_exit = OnError;
    err->base.emit_message = OnMessage;
}

// Widens a row of 1 or 3 bytes per pixel, read into the start of the
// image's own scan line, to RGB32 in place, from the right end so that no
// byte is overwritten before it is read.
void WidenRow(uchar* line, unsigned width, int components)
{
    auto* pixels = reinterpret_cast<QRgb*>(line);
    for (unsigned x = width; x-- > 0;) {
        const uchar* p = line + x * static_cast<unsigned>(components);
        pixels[x] = components == 1 ? qRgb(p[0], p[0], p[0]) : qRgb(p[0], p[1], p[2]);
    }
}

bool Decode(const uchar* data, unsigned long size, QImage* out)
{
    jpeg_decompress_struct cinfo;
    ErrorManager err;
    cinfo.err = &err.base;
    InstallErrorManager(&err);
    if (setjmp(err.jump)) {
        jpeg_destroy_decompress(&cinfo);
        return false;
    }
    jpeg_create_decompress(&cinfo);
    jpeg_mem_src(&cinfo, data, size);
    jpeg_read_header(&cinfo, TRUE);
    cinfo.out_color_space = cinfo.jpeg_color_space == JCS_GRAYSCALE ? JCS_GRAYSCALE : JCS_RGB;
    jpeg_start_decompress(&cinfo);

    const unsigned width = cinfo.output_width;
    const unsigned height = cinfo.output_height;
    const int components = cinfo.output_components;
    const bool sane = width > 0 && height > 0 && width <= kMaxSide && height <= kMaxSide
                      && static_cast<unsigned long long>(width) * height <= kMaxPixels
                      && (components == 1 || components == 3);
    if (sane)
        *out = QImage(static_cast<int>(width), static_cast<int>(height), QImage::Format_RGB32);
    if (!sane || out->isNull()) {
        jpeg_destroy_decompress(&cinfo);
        return false;
    }
    while (cinfo.output_scanline < height) {
        uchar* line = out->scanLine(static_cast<int>(cinfo.output_scanline));
        JSAMPROW row = line;
        if (jpeg_read_scanlines(&cinfo, &row, 1) != 1)
            break;
        WidenRow(line, width, components);
    }
    const bool complete = cinfo.output_scanline == height;
    if (complete)
        jpeg_finish_decompress(&cinfo);
    jpeg_destroy_decompress(&cinfo);
    return complete;
}

struct EncodedBuffer {
    unsigned char* data = nullptr;
    unsigned long size = 0;
};

bool Encode(const QImage* rgb, int quality, EncodedBuffer* out)
{
    jpeg_compress_struct cinfo;
    ErrorManager err;
    cinfo.err = &err.base;
    InstallErrorManager(&err);
    if (setjmp(err.jump)) {
        jpeg_destroy_compress(&cinfo);
        return false;
    }
    jpeg_create_compress(&cinfo);
    jpeg_mem_dest(&cinfo, &out->data, &out->size);
    cinfo.image_width = static_cast<JDIMENSION>(rgb->width());
    cinfo.image_height = static_cast<JDIMENSION>(rgb->height());
    cinfo.input_components = 3;
    cinfo.in_color_space = JCS_RGB;
    jpeg_set_defaults(&cinfo);
    jpeg_set_quality(&cinfo, quality, TRUE);
    cinfo.optimize_coding = TRUE;
    for (int c = 0; c < cinfo.num_components; ++c) {
        cinfo.comp_info[c].h_samp_factor = 1;
        cinfo.comp_info[c].v_samp_factor = 1;
    }
    jpeg_start_compress(&cinfo, TRUE);
    while (cinfo.next_scanline < cinfo.image_height) {
        JSAMPROW row = const_cast<uchar*>(rgb->constScanLine(static_cast<int>(cinfo.next_scanline)));
        jpeg_write_scanlines(&cinfo, &row, 1);
    }
    jpeg_finish_compress(&cinfo);
    jpeg_destroy_compress(&cinfo);
    return true;
}

} // namespace

QImage VnDecodeJpeg(const QByteArray& data)
{
    if (data.isEmpty() || data.size() > kMaxFileBytes)
        return {};
    QImage image;
    if (!Decode(reinterpret_cast<const uchar*>(data.constData()),
                static_cast<unsigned long>(data.size()), &image))
        return {};
    return image;
}

QImage VnLoadJpeg(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly) || file.size() > kMaxFileBytes)
        return {};
    return VnDecodeJpeg(file.readAll());
}

QByteArray VnEncodeJpeg(const QImage& image, int quality)
{
    if (image.isNull())
        return {};
    const QImage rgb = image.convertToFormat(QImage::Format_RGB888);
    if (rgb.isNull())
        return {};
    EncodedBuffer buffer;
    const bool ok = Encode(&rgb, std::clamp(quality, 1, 100), &buffer);
    QByteArray result;
    if (ok && buffer.data)
        result = QByteArray(reinterpret_cast<const char*>(buffer.data),
                            static_cast<qsizetype>(buffer.size));
    std::free(buffer.data);
    return result;
}

bool VnSaveJpeg(const QImage& image, const QString& path, int quality)
{
    const QByteArray bytes = VnEncodeJpeg(image, quality);
    if (bytes.isEmpty())
        return false;
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size())
        return false;
    return file.commit();
}
