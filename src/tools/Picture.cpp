#include "Picture.h"

#include "HalfEven.h"
#include "JpegCodec.h"
#include "SafeFileWrite.h"
#include "TextFile.h"

#include <QBuffer>
#include <QFile>
#include <QFileInfo>
#include <QImageReader>
#include <QImageWriter>

#include <cerrno>

namespace {

QString Quoted(const QString &fileName)
{
    return "\"" + fileName + "\"";
}

// The whole file, or a German reason in error.
QByteArray ReadPictureBytes(const QString &fileName, QString &error)
{
    const QFileInfo info(fileName);
    if (info.exists() && !info.isFile()) {
        error = Quoted(fileName) + " ist keine Bilddatei.";
        return {};
    }
    if (info.size() > MaxPictureFileSize) {
        error = "Die Datei " + Quoted(fileName) + " ist zu groß für ein Bild ("
                + QString::number(info.size() / (1024 * 1024)) + " MB).";
        return {};
    }
    QFile file(fileName);
    errno = 0;
    QByteArray bytes;
    if (file.open(QIODevice::ReadOnly))
        bytes = file.readAll();
    if (!file.isOpen() || file.error() != QFileDevice::NoError)
        error = "Die Datei " + Quoted(fileName) + " kann nicht gelesen werden.\r\n"
                + FileErrorReason(errno, file.errorString());
    return bytes;
}

TPictureResult DecodeOther(const QByteArray &data)
{
    QBuffer buffer;
    buffer.setData(data);
    QImageReader reader(&buffer);
    reader.setDecideFormatFromContent(true);
    const QSize size = reader.size();
    if (size.isValid() && qint64(size.width()) * size.height() > TJpegCodec::MaxPixels)
        return {{},
                QString::fromUtf8("Das Bild ist mit %1 × %2 Pixeln zu groß.")
                    .arg(size.width())
                    .arg(size.height())};
    TPictureResult result;
    result.Picture.Format = reader.format();
    if (!reader.read(&result.Picture.Image))
        return {{}, reader.errorString()};
    result.Picture.Kind = result.Picture.Format == "bmp" ? TPictureKind::Bitmap
                                                         : TPictureKind::Other;
    return result;
}

QString WriteWithLibrary(const QImage &image, const QByteArray &format, QByteArray &data)
{
    QBuffer buffer(&data);
    buffer.open(QIODevice::WriteOnly);
    QImageWriter writer(&buffer, format);
    if (!writer.write(image))
        return "Das Bild kann nicht gespeichert werden: " + writer.errorString();
    return {};
}

} // namespace

QString PictureOpenFilter()
{
    QStringList patterns;
    for (const QByteArray &format : QImageReader::supportedImageFormats())
        patterns << "*." + QString::fromLatin1(format);
    patterns << "*.jpg"
             << "*.jpeg";
    patterns.removeDuplicates();
    return "Alle Bilder|" + patterns.join(';')
           + "|JPEG-Bilder (*.jpg;*.jpeg)|*.jpg;*.jpeg|Bitmaps (*.bmp)|*.bmp"
             "|Alle Dateien (*.*)|*.*";
}

TPictureResult DecodePicture(const QByteArray &data)
{
    if (!TJpegCodec::IsJpegData(data))
        return DecodeOther(data);
    TJpegDecodeResult decoded = TJpegCodec::Decode(data);
    if (!decoded.Ok())
        return {{}, decoded.Error};
    return {{std::move(decoded.Image), TPictureKind::Jpeg, "jpeg"}, {}};
}

TPictureResult LoadPicture(const QString &fileName)
{
    QString error;
    const QByteArray data = ReadPictureBytes(fileName, error);
    if (!error.isEmpty())
        return {{}, error};
    TPictureResult result = DecodePicture(data);
    if (!result.Ok())
        result.Error = "Die Datei " + Quoted(fileName) + " kann nicht als Bild gelesen werden:\r\n"
                       + result.Error;
    return result;
}

QString EncodePicture(const TPicture &picture, QByteArray &data)
{
    switch (picture.Kind) {
    case TPictureKind::None:
        return "Es ist kein Bild geladen.";
    case TPictureKind::Jpeg: {
        TJpegEncodeResult encoded = TJpegCodec::Encode(picture.Image);
        if (!encoded.Ok())
            return "Das Bild kann nicht als JPEG gespeichert werden: " + encoded.Error;
        data = std::move(encoded.Data);
        return {};
    }
    case TPictureKind::Bitmap:
        return WriteWithLibrary(picture.Image, "bmp", data);
    case TPictureKind::Other:
        break;
    }
    const bool writable = QImageWriter::supportedImageFormats().contains(picture.Format);
    return WriteWithLibrary(picture.Image, writable ? picture.Format : "bmp", data);
}

QString SavePicture(const TPicture &picture, const QString &fileName)
{
    QByteArray data;
    const QString error = EncodePicture(picture, data);
    if (!error.isEmpty())
        return error;
    // An empty reason: the picture is on disk.
    return WriteFileSafely(fileName, data, false).Reason();
}

TPictureSizeResult ResizedPictureSize(QSize size, int percent)
{
    const qint64 width = RoundHalfEvenRatio(qint64(size.width()) * percent, 100);
    const qint64 height = RoundHalfEvenRatio(qint64(size.height()) * percent, 100);
    const QString sizeText = QString::fromUtf8("Der Faktor %1 % ergibt ein Bild von %2 × %3 Pixeln")
                                 .arg(percent)
                                 .arg(width)
                                 .arg(height);
    if (width <= 0 || height <= 0)
        return {{}, sizeText + ". Bitte einen Faktor wählen, der mindestens ein Pixel übrig lässt."};
    if (width * height > TJpegCodec::MaxPixels)
        return {{}, sizeText + QString::fromUtf8("; so groß kann das Bild nicht werden.")};
    return {QSize(int(width), int(height)), {}};
}

TPictureResult ResizePicture(const TPicture &picture, int percent)
{
    const TPictureSizeResult size = ResizedPictureSize(picture.Image.size(), percent);
    if (!size.Ok())
        return {{}, size.Error};
    TPicture resized = picture;
    resized.Image = picture.Image.scaled(size.Size, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    if (resized.Image.isNull())
        return {{}, QString::fromUtf8("Für das verkleinerte Bild reicht der Speicher nicht.")};
    return {resized, {}};
}
