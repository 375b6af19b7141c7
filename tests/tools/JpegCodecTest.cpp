#include "JpegCodec.h"

#include "TestPictures.h"

#include <QBuffer>
#include <QImageWriter>

#include <gtest/gtest.h>

// clang-format off: jpeglib.h needs the standard types declared before it.
#include <cstdio>
#include <cstdlib>
#include <jpeglib.h>
// clang-format on

namespace {

// The payload of the n-th segment with the marker (0xFFxx), without the length bytes.
QByteArray Segment(const QByteArray &jpeg, uchar marker, int n = 0)
{
    int pos = 2; // behind the start-of-image marker
    while (pos + 4 <= jpeg.size() && uchar(jpeg[pos]) == 0xFF) {
        const int length = (uchar(jpeg[pos + 2]) << 8) | uchar(jpeg[pos + 3]);
        if (uchar(jpeg[pos + 1]) == marker && n-- == 0)
            return jpeg.mid(pos + 4, length - 2);
        pos += 2 + length;
    }
    return {};
}

QByteArray Encoded(const QImage &image)
{
    const TJpegEncodeResult encoded = TJpegCodec::Encode(image);
    EXPECT_TRUE(encoded.Ok()) << encoded.Error.toStdString();
    return encoded.Data;
}

// A CMYK picture of one colour as print programs write it: Adobe marker, inks stored inverted.
QByteArray CmykJpeg(int width, int height, const uchar (&cmyk)[4])
{
    jpeg_compress_struct info;
    jpeg_error_mgr error;
    info.err = jpeg_std_error(&error);
    jpeg_create_compress(&info);
    unsigned char *buffer = nullptr;
    unsigned long size = 0;
    jpeg_mem_dest(&info, &buffer, &size);
    info.image_width = JDIMENSION(width);
    info.image_height = JDIMENSION(height);
    info.input_components = 4;
    info.in_color_space = JCS_CMYK;
    jpeg_set_defaults(&info);
    jpeg_start_compress(&info, TRUE);
    QByteArray row;
    for (int x = 0; x < width; ++x)
        row.append(reinterpret_cast<const char *>(cmyk), 4);
    while (info.next_scanline < info.image_height) {
        JSAMPROW line = reinterpret_cast<JSAMPROW>(row.data());
        jpeg_write_scanlines(&info, &line, 1);
    }
    jpeg_finish_compress(&info);
    jpeg_destroy_compress(&info);
    const QByteArray data(reinterpret_cast<const char *>(buffer), qsizetype(size));
    std::free(buffer);
    return data;
}

} // namespace

TEST(JpegCodec, RoundTripKeepsSizeAndColours)
{
    const QImage original = BlockPicture(64, 48);
    const QByteArray data = Encoded(original);
    ASSERT_TRUE(TJpegCodec::IsJpegData(data));
    EXPECT_TRUE(data.endsWith("\xFF\xD9")) << "complete file with end-of-image marker";

    const TJpegDecodeResult decoded = TJpegCodec::Decode(data);
    ASSERT_TRUE(decoded.Ok()) << decoded.Error.toStdString();
    EXPECT_EQ(decoded.Image.size(), QSize(64, 48));
    EXPECT_LE(LargestBlockCentreDifference(original, decoded.Image), 8);
}

TEST(JpegCodec, EncodesWithTheLibraryDefaults)
{
    const QByteArray data = Encoded(BlockPicture(32, 32));
    EXPECT_TRUE(Segment(data, 0xE0).startsWith("JFIF")) << "JFIF header";
    // Quality 75 halves the standard tables: luminance DC 16 -> 8, chrominance DC 17 -> 9.
    const QByteArray luminance = Segment(data, 0xDB, 0);
    const QByteArray chrominance = Segment(data, 0xDB, 1);
    ASSERT_EQ(luminance.size(), 65);
    ASSERT_EQ(chrominance.size(), 65);
    EXPECT_EQ(uchar(luminance[0]), 0x00);
    EXPECT_EQ(uchar(luminance[1]), 8);
    EXPECT_EQ(uchar(chrominance[0]), 0x01);
    EXPECT_EQ(uchar(chrominance[1]), 9);
    // Baseline frame, three components, luminance sampled 2 x 2 and chrominance 1 x 1.
    const QByteArray frame = Segment(data, 0xC0);
    ASSERT_EQ(frame.size(), 6 + 3 * 3);
    EXPECT_EQ(uchar(frame[5]), 3);
    EXPECT_EQ(uchar(frame[7]), 0x22);
    EXPECT_EQ(uchar(frame[10]), 0x11);
    EXPECT_EQ(uchar(frame[13]), 0x11);
}

TEST(JpegCodec, DecodesGreyPicturesAsRgb)
{
    QImage grey(24, 16, QImage::Format_Grayscale8);
    grey.fill(200);
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    QImageWriter writer(&buffer, "jpeg"); // another encoder, so the input is not our own
    if (!writer.canWrite())
        GTEST_SKIP() << "no second JPEG encoder installed";
    ASSERT_TRUE(writer.write(grey));
    ASSERT_EQ(Segment(buffer.data(), 0xC0).at(5), 1) << "one component";

    const TJpegDecodeResult decoded = TJpegCodec::Decode(buffer.data());
    ASSERT_TRUE(decoded.Ok()) << decoded.Error.toStdString();
    EXPECT_EQ(decoded.Image.size(), QSize(24, 16));
    EXPECT_NEAR(qRed(decoded.Image.pixel(5, 5)), 200, 2);
    EXPECT_EQ(qRed(decoded.Image.pixel(5, 5)), qBlue(decoded.Image.pixel(5, 5)));
}

TEST(JpegCodec, DecodesCmykPicturesAsRgb)
{
    const struct
    {
        const char *Name;
        uchar Stored[4];
        QRgb Rgb;
    } cases[] = {
        {"red ink", {255, 0, 0, 255}, qRgb(255, 0, 0)},
        {"half black", {255, 255, 255, 128}, qRgb(128, 128, 128)},
        {"cyan ink", {0, 255, 255, 255}, qRgb(0, 255, 255)},
    };
    for (const auto &c : cases) {
        const TJpegDecodeResult decoded = TJpegCodec::Decode(CmykJpeg(16, 16, c.Stored));
        ASSERT_TRUE(decoded.Ok()) << c.Name << ": " << decoded.Error.toStdString();
        const QRgb pixel = decoded.Image.pixel(8, 8);
        EXPECT_NEAR(qRed(pixel), qRed(c.Rgb), 3) << c.Name;
        EXPECT_NEAR(qGreen(pixel), qGreen(c.Rgb), 3) << c.Name;
        EXPECT_NEAR(qBlue(pixel), qBlue(c.Rgb), 3) << c.Name;
    }
}

TEST(JpegCodec, DamagedDataGivesTheLibrarysMessage)
{
    const QByteArray good = Encoded(BlockPicture(64, 48));
    QByteArray wrongPrecision = good;
    wrongPrecision[wrongPrecision.indexOf("\xFF\xC0") + 4] = 12;
    const struct
    {
        const char *Name;
        QByteArray Data;
        const char *Message;
    } cases[] = {
        {"bitmap data",
         QByteArray("BM\x36\x00\x00\x00", 6),
         "Not a JPEG file: starts with 0x42 0x4d"},
        {"no data", QByteArray(), "Empty input file"},
        {"cut in the middle", good.left(good.size() / 2), "Premature end of JPEG file"},
        {"only the start marker", QByteArray("\xFF\xD8", 2), "Premature end of JPEG file"},
        {"12-bit frame", wrongPrecision, "Unsupported JPEG data precision 12"},
    };
    for (const auto &c : cases) {
        const TJpegDecodeResult decoded = TJpegCodec::Decode(c.Data);
        EXPECT_EQ(decoded.Error, QString(c.Message)) << c.Name;
        EXPECT_TRUE(decoded.Image.isNull()) << c.Name;
    }
}

TEST(JpegCodec, SurvivesEveryCutAndEveryDamagedByte)
{
    const QByteArray good = Encoded(BlockPicture(48, 32));
    for (int cut = 0; cut < good.size(); cut += 5) {
        const TJpegDecodeResult decoded = TJpegCodec::Decode(good.left(cut));
        EXPECT_FALSE(decoded.Ok()) << "cut at " << cut;
    }
    for (int pos = 0; pos < good.size(); pos += 3) {
        QByteArray damaged = good;
        damaged[pos] = char(damaged[pos] ^ 0x5A);
        const TJpegDecodeResult decoded = TJpegCodec::Decode(damaged);
        // Either a picture of a sane size or a message; never both, never a crash.
        EXPECT_NE(decoded.Ok(), decoded.Image.isNull()) << "byte " << pos;
        if (decoded.Ok()) {
            EXPECT_LE(qint64(decoded.Image.width()) * decoded.Image.height(), TJpegCodec::MaxPixels);
        }
    }
}

TEST(JpegCodec, RefusesAHugePictureBeforeTakingMemory)
{
    QByteArray huge = Encoded(BlockPicture(16, 16));
    const int frame = huge.indexOf("\xFF\xC0");
    huge[frame + 5] = char(0xEA); // height 60000
    huge[frame + 6] = char(0x60);
    huge[frame + 7] = char(0xEA); // width 60000
    huge[frame + 8] = char(0x60);
    const TJpegDecodeResult decoded = TJpegCodec::Decode(huge);
    EXPECT_EQ(decoded.Error, QString::fromUtf8("Das Bild ist mit 60000 × 60000 Pixeln zu groß."));
    EXPECT_TRUE(decoded.Image.isNull());
}

TEST(JpegCodec, AnEmptyPictureCannotBeEncoded)
{
    const TJpegEncodeResult encoded = TJpegCodec::Encode(QImage());
    EXPECT_FALSE(encoded.Ok());
    EXPECT_TRUE(encoded.Data.isEmpty());
}
