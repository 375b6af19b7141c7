#include "Picture.h"

#include "HalfEven.h"
#include "JpegCodec.h"
#include "TestPictures.h"

#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

class PictureTest : public ::testing::Test
{
protected:
    QString PathOf(const QString &name) const { return Dir.filePath(name); }

    // A picture file written by the codecs under test.
    QString WritePicture(const QString &name, TPictureKind kind, QSize size)
    {
        TPicture picture{BlockPicture(size.width(), size.height()), kind, {}};
        if (kind == TPictureKind::Other)
            picture.Format = "png";
        EXPECT_EQ(SavePicture(picture, PathOf(name)), QString());
        return PathOf(name);
    }

    QTemporaryDir Dir;
};

} // namespace

TEST(HalfEven, HalvesGoToTheEvenNeighbour)
{
    const struct
    {
        double Value;
        double Rounded;
    } cases[] = {{0.5, 0},
                 {1.5, 2},
                 {2.5, 2},
                 {3.5, 4},
                 {-0.5, 0},
                 {-1.5, -2},
                 {-2.5, -2},
                 {2.4999, 2},
                 {2.5001, 3},
                 {7, 7}};
    for (const auto &c : cases)
        EXPECT_EQ(RoundHalfEven(c.Value), c.Rounded) << c.Value;
    EXPECT_EQ(RoundHalfEvenRatio(250, 100), 2);
    EXPECT_EQ(RoundHalfEvenRatio(350, 100), 4);
    EXPECT_EQ(RoundHalfEvenRatio(-150, 100), -2);
    EXPECT_EQ(RoundHalfEvenRatio(2, 3), 1);
}

TEST(PictureSize, ResizedSidesRoundHalfToEven)
{
    const struct
    {
        QSize Size;
        int Percent;
        QSize Resized;
    } cases[] = {
        {{40, 30}, 50, {20, 15}},
        {{3, 5}, 50, {2, 2}},  // 1.5 -> 2, 2.5 -> 2
        {{5, 7}, 70, {4, 5}},  // 3.5 -> 4, 4.9 -> 5
        {{1, 1}, 150, {2, 2}}, // 1.5 -> 2
        {{100, 40}, 250, {250, 100}},
        {{10, 10}, 100, {10, 10}},
    };
    for (const auto &c : cases) {
        const TPictureSizeResult result = ResizedPictureSize(c.Size, c.Percent);
        EXPECT_TRUE(result.Ok()) << c.Percent;
        EXPECT_EQ(result.Size, c.Resized)
            << c.Size.width() << "x" << c.Size.height() << " " << c.Percent;
    }
}

TEST(PictureSize, FactorsWithoutAUsablePictureAreRefused)
{
    const struct
    {
        QSize Size;
        int Percent;
        const char *Message;
    } cases[] = {
        {{10, 10},
         0,
         "Der Faktor 0 % ergibt ein Bild von 0 × 0 Pixeln. Bitte einen Faktor wählen, "
         "der mindestens ein Pixel übrig lässt."},
        {{10, 10},
         -50,
         "Der Faktor -50 % ergibt ein Bild von -5 × -5 Pixeln. Bitte einen Faktor "
         "wählen, der mindestens ein Pixel übrig lässt."},
        {{1, 100},
         50,
         "Der Faktor 50 % ergibt ein Bild von 0 × 50 Pixeln. Bitte einen Faktor "
         "wählen, der mindestens ein Pixel übrig lässt."}, // 0.5 -> 0
        {{1000, 1000},
         1000000,
         "Der Faktor 1000000 % ergibt ein Bild von 10000000 × 10000000 "
         "Pixeln; so groß kann das Bild nicht werden."},
    };
    for (const auto &c : cases) {
        const TPictureSizeResult result = ResizedPictureSize(c.Size, c.Percent);
        EXPECT_EQ(result.Error, QString::fromUtf8(c.Message));
    }
}

TEST_F(PictureTest, FormatIsReadFromTheContentNotTheName)
{
    const QString jpegAsBmp = WritePicture("jpeg.bmp", TPictureKind::Jpeg, {32, 16});
    const QString bmpAsJpg = WritePicture("bitmap.jpg", TPictureKind::Bitmap, {32, 16});
    const QString pngAsGif = WritePicture("png.gif", TPictureKind::Other, {32, 16});
    EXPECT_TRUE(ReadBytes(jpegAsBmp).startsWith("\xFF\xD8\xFF"));
    EXPECT_TRUE(ReadBytes(bmpAsJpg).startsWith("BM"));
    EXPECT_TRUE(ReadBytes(pngAsGif).startsWith("\x89PNG"));

    const TPictureResult jpeg = LoadPicture(jpegAsBmp);
    ASSERT_TRUE(jpeg.Ok()) << jpeg.Error.toStdString();
    EXPECT_EQ(jpeg.Picture.Kind, TPictureKind::Jpeg);
    EXPECT_EQ(jpeg.Picture.Image.size(), QSize(32, 16));
    const TPictureResult bitmap = LoadPicture(bmpAsJpg);
    ASSERT_TRUE(bitmap.Ok()) << bitmap.Error.toStdString();
    EXPECT_EQ(bitmap.Picture.Kind, TPictureKind::Bitmap);
    EXPECT_EQ(bitmap.Picture.Image.pixel(20, 3), qRgb(0, 255, 0));
    const TPictureResult png = LoadPicture(pngAsGif);
    ASSERT_TRUE(png.Ok()) << png.Error.toStdString();
    EXPECT_EQ(png.Picture.Kind, TPictureKind::Other);
    EXPECT_EQ(png.Picture.Format, "png");
}

TEST_F(PictureTest, ResizedPictureKeepsItsOwnFormatWhateverTheExtension)
{
    const struct
    {
        TPictureKind Kind;
        const char *Target;
        int Percent;
        QSize Resized;
        const char *Magic;
    } cases[] = {
        {TPictureKind::Jpeg, "half.bmp", 50, {20, 15}, "\xFF\xD8\xFF"},
        {TPictureKind::Jpeg, "half.jpg", 50, {20, 15}, "\xFF\xD8\xFF"},
        {TPictureKind::Bitmap, "bigger.jpg", 150, {60, 45}, "BM"},
        {TPictureKind::Other, "third.png", 33, {13, 10}, "\x89PNG"}, // 13.2 and 9.9
    };
    for (const auto &c : cases) {
        const TPictureResult source = LoadPicture(WritePicture("source", c.Kind, {40, 30}));
        ASSERT_TRUE(source.Ok());
        const TPictureResult resized = ResizePicture(source.Picture, c.Percent);
        ASSERT_TRUE(resized.Ok()) << resized.Error.toStdString();
        ASSERT_EQ(SavePicture(resized.Picture, PathOf(c.Target)), QString());
        EXPECT_TRUE(ReadBytes(PathOf(c.Target)).startsWith(c.Magic)) << c.Target;

        const TPictureResult readBack = LoadPicture(PathOf(c.Target));
        ASSERT_TRUE(readBack.Ok()) << readBack.Error.toStdString();
        EXPECT_EQ(readBack.Picture.Kind, c.Kind) << c.Target;
        EXPECT_EQ(readBack.Picture.Image.size(), c.Resized) << c.Target;
    }
}

TEST_F(PictureTest, UnreadablePicturesNameTheFileAndTheReason)
{
    const QString damaged = PathOf("damaged.jpg");
    ASSERT_TRUE(WriteBytes(damaged, QByteArray("\xFF\xD8\xFF\xE0\x00\x10JFIF", 11)));
    const QString text = PathOf("text.png");
    ASSERT_TRUE(WriteBytes(text, "just some text"));

    const TPictureResult fromDamaged = LoadPicture(damaged);
    EXPECT_EQ(fromDamaged.Error,
              "Die Datei \"" + damaged
                  + "\" kann nicht als Bild gelesen werden:\r\n"
                    "Premature end of JPEG file");
    EXPECT_TRUE(fromDamaged.Picture.IsEmpty());
    EXPECT_TRUE(LoadPicture(text).Error.startsWith("Die Datei \"" + text
                                                   + "\" kann nicht als Bild gelesen werden:"));
    const TPictureResult missing = LoadPicture(PathOf("missing.jpg"));
    EXPECT_TRUE(missing.Error.contains("existiert nicht")) << missing.Error.toStdString();
    EXPECT_FALSE(LoadPicture(Dir.path()).Ok()) << "a folder is no picture";
}

TEST_F(PictureTest, WriteFailureIsReportedAndNoFileAppears)
{
    const TPicture picture{BlockPicture(8, 8), TPictureKind::Bitmap, {}};
    const QString target = PathOf("no-such-folder/x.bmp");
    EXPECT_FALSE(SavePicture(picture, target).isEmpty());
    EXPECT_FALSE(QFileInfo::exists(target));
    EXPECT_EQ(SavePicture(TPicture(), PathOf("none.bmp")), "Es ist kein Bild geladen.");
}
