#include "VnJpeg.h"

#include <QBuffer>
#include <QColor>
#include <QFile>
#include <QPainter>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <cstdlib>
#include <string>

#include <jpeglib.h>

namespace {

// Four colour blocks over a grey ground: colours a panel picture uses.
QImage TestPicture()
{
    QImage image(64, 32, QImage::Format_RGB32);
    image.fill(QColor(60, 62, 66));
    QPainter p(&image);
    p.fillRect(0, 0, 16, 16, QColor(255, 0, 0));
    p.fillRect(16, 0, 16, 16, QColor(0, 255, 0));
    p.fillRect(32, 0, 16, 16, QColor(0, 0, 255));
    p.fillRect(48, 0, 16, 16, QColor(255, 255, 255));
    return image;
}

// Enough detail that the compressed data is long and cutting it loses rows.
QImage DetailedPicture()
{
    QImage image(160, 80, QImage::Format_RGB32);
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x)
            image.setPixel(x, y, qRgb(x * 255 / 159, (x ^ y) & 0xFF, y * 3));
    }
    return image;
}

::testing::AssertionResult Near(QRgb actual, QColor expected, int tolerance = 10)
{
    const int dr = std::abs(qRed(actual) - expected.red());
    const int dg = std::abs(qGreen(actual) - expected.green());
    const int db = std::abs(qBlue(actual) - expected.blue());
    if (dr <= tolerance && dg <= tolerance && db <= tolerance)
        return ::testing::AssertionSuccess();
    return ::testing::AssertionFailure()
           << QColor(actual).name().toStdString() << " is not near "
           << expected.name().toStdString();
}

// A grey-scale JPEG straight from libjpeg, which our encoder never writes.
QByteArray GreyJpeg(int width, int height)
{
    jpeg_compress_struct cinfo;
    jpeg_error_mgr err;
    cinfo.err = jpeg_std_error(&err);
    jpeg_create_compress(&cinfo);
    unsigned char* buffer = nullptr;
    unsigned long size = 0;
    jpeg_mem_dest(&cinfo, &buffer, &size);
    cinfo.image_width = static_cast<JDIMENSION>(width);
    cinfo.image_height = static_cast<JDIMENSION>(height);
    cinfo.input_components = 1;
    cinfo.in_color_space = JCS_GRAYSCALE;
    jpeg_set_defaults(&cinfo);
    jpeg_set_quality(&cinfo, 95, TRUE);
    jpeg_start_compress(&cinfo, TRUE);
    std::string row(static_cast<size_t>(width), '\0');
    while (cinfo.next_scanline < cinfo.image_height) {
        // Left half dark, right half light.
        for (int x = 0; x < width; ++x)
            row[static_cast<size_t>(x)] = static_cast<char>(x < width / 2 ? 40 : 220);
        JSAMPROW line = reinterpret_cast<JSAMPROW>(row.data());
        jpeg_write_scanlines(&cinfo, &line, 1);
    }
    jpeg_finish_compress(&cinfo);
    jpeg_destroy_compress(&cinfo);
    QByteArray bytes(reinterpret_cast<const char*>(buffer), static_cast<qsizetype>(size));
    std::free(buffer);
    return bytes;
}

TEST(Jpeg, RoundTripKeepsSizeAndColours)
{
    const QByteArray bytes = VnEncodeJpeg(TestPicture(), 92);
    ASSERT_FALSE(bytes.isEmpty());
    ASSERT_TRUE(bytes.startsWith("\xFF\xD8\xFF"));
    const QImage image = VnDecodeJpeg(bytes);
    ASSERT_FALSE(image.isNull());
    EXPECT_EQ(image.size(), QSize(64, 32));
    EXPECT_EQ(image.format(), QImage::Format_RGB32);
    EXPECT_TRUE(Near(image.pixel(8, 8), QColor(255, 0, 0)));
    EXPECT_TRUE(Near(image.pixel(24, 8), QColor(0, 255, 0)));
    EXPECT_TRUE(Near(image.pixel(40, 8), QColor(0, 0, 255)));
    EXPECT_TRUE(Near(image.pixel(56, 8), QColor(255, 255, 255)));
    EXPECT_TRUE(Near(image.pixel(32, 24), QColor(60, 62, 66)));
    EXPECT_EQ(qAlpha(image.pixel(63, 31)), 255);
}

TEST(Jpeg, GreyScalePictureBecomesGreyRgb)
{
    const QImage image = VnDecodeJpeg(GreyJpeg(40, 10));
    ASSERT_FALSE(image.isNull());
    EXPECT_EQ(image.size(), QSize(40, 10));
    EXPECT_TRUE(Near(image.pixel(5, 5), QColor(40, 40, 40)));
    EXPECT_TRUE(Near(image.pixel(35, 5), QColor(220, 220, 220)));
}

TEST(Jpeg, SavesAndLoadsFiles)
{
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const QString path = dir.filePath("picture.jpg");
    ASSERT_TRUE(VnSaveJpeg(TestPicture(), path, 92));
    const QImage image = VnLoadJpeg(path);
    ASSERT_FALSE(image.isNull());
    EXPECT_TRUE(Near(image.pixel(24, 8), QColor(0, 255, 0)));

    EXPECT_FALSE(VnSaveJpeg(QImage(), dir.filePath("null.jpg"), 92));
    EXPECT_FALSE(QFile::exists(dir.filePath("null.jpg")));
    EXPECT_FALSE(VnSaveJpeg(TestPicture(), dir.filePath("no/such/folder.jpg"), 92));
}

TEST(Jpeg, TruncatedPictureGivesNullImage)
{
    // libjpeg alone would pad a cut-off picture with grey and call it a
    // warning; a half picture must not be shown as the panel.
    const QByteArray bytes = VnEncodeJpeg(DetailedPicture(), 92);
    ASSERT_GT(bytes.size(), 2000);
    ASSERT_FALSE(VnDecodeJpeg(bytes).isNull());
    const struct Case {
        qsizetype keep;
        const char* why;
    } cases[] = {
        {2, "start-of-image marker only"},
        {100, "cut inside the tables"},
        {bytes.size() / 2, "cut inside the picture data"},
        {bytes.size() - 10, "the last rows are missing"},
        {bytes.size() - 2, "the end-of-image marker is missing"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.why);
        EXPECT_TRUE(VnDecodeJpeg(bytes.left(c.keep)).isNull());
    }
}

TEST(Jpeg, NonJpegDataGivesNullImage)
{
    QByteArray png;
    QBuffer buffer(&png);
    buffer.open(QIODevice::WriteOnly);
    TestPicture().save(&buffer, "PNG");

    QByteArray huge = VnEncodeJpeg(TestPicture(), 92);
    // Make the frame header claim 65000 x 65000 pixels.
    const auto sof = huge.indexOf("\xFF\xC0");
    ASSERT_GE(sof, 0);
    for (int i : {5, 7})
        huge[sof + i] = static_cast<char>(0xFD), huge[sof + i + 1] = static_cast<char>(0xE8);

    const struct Case {
        QByteArray data;
        const char* why;
    } cases[] = {
        {QByteArray(), "no data"},
        {png, "a PNG picture"},
        {"[SOFTWARE\\Varonet]\nPath=x\n", "a text file"},
        {QByteArray(300, '\xFF'), "nothing but marker bytes"},
        {QByteArray("\xFF\xD8\xFF\xE0", 4) + QByteArray(200, '\0'), "a JPEG start and then zeros"},
        {huge, "a header claiming a picture too large to hold"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.why);
        EXPECT_TRUE(VnDecodeJpeg(c.data).isNull());
    }
}

TEST(Jpeg, MissingOrUnreadableFileGivesNullImage)
{
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    QFile empty(dir.filePath("empty.jpg"));
    ASSERT_TRUE(empty.open(QIODevice::WriteOnly));
    empty.close();
    EXPECT_TRUE(VnLoadJpeg(dir.filePath("missing.jpg")).isNull());
    EXPECT_TRUE(VnLoadJpeg(dir.filePath("empty.jpg")).isNull());
    EXPECT_TRUE(VnLoadJpeg(dir.path()).isNull());
}

TEST(Jpeg, CommittedPanelPicturesDecodeAtTheirSizes)
{
    const struct Case {
        const char* file;
        int width;
        int height;
    } cases[] = {
        {"RQ-4024S.jpg", 780, 89}, {"RQ-4024T.jpg", 780, 89}, {"RQ-4124S.jpg", 780, 89},
        {"RQ-6026S.jpg", 780, 89}, {"RQ-6050S.jpg", 780, 89}, {"RM-210X.jpg", 202, 67},
        {"RM-210C.jpg", 202, 67},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.file);
        const QImage image = VnLoadJpeg(QStringLiteral(VN_PANELS_DIR "/") + c.file);
        ASSERT_FALSE(image.isNull());
        EXPECT_EQ(image.size(), QSize(c.width, c.height));
    }
    for (int unit = 1; unit <= 12; ++unit) {
        SCOPED_TRACE(unit);
        EXPECT_FALSE(
            VnLoadJpeg(QStringLiteral(VN_PANELS_DIR "/Unit%1.jpg").arg(unit)).isNull());
    }
}

} // namespace
