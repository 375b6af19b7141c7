#pragma once

#include <QByteArray>
#include <QImage>
#include <QSize>
#include <QString>

// How a picture is stored: a bitmap, a JPEG picture (through libjpeg), or another format the
// image library reads (PNG, GIF, ...).
enum class TPictureKind { None, Bitmap, Jpeg, Other };

// A picture of the image-map tool with the format it keeps when it is written again.
struct TPicture
{
    QImage Image;
    TPictureKind Kind = TPictureKind::None;
    QByteArray Format; // the image library's format name for TPictureKind::Other

    bool IsEmpty() const { return Kind == TPictureKind::None || Image.isNull(); }
};

// A picture, or the German reason why there is none.
struct TPictureResult
{
    TPicture Picture;
    QString Error;

    bool Ok() const { return Error.isEmpty(); }
};

// A new picture size, or the German reason why the factor cannot be used.
struct TPictureSizeResult
{
    QSize Size;
    QString Error;

    bool Ok() const { return Error.isEmpty(); }
};

// Files above this size are not read as pictures.
inline constexpr qint64 MaxPictureFileSize = 256LL * 1024 * 1024;

// The picture formats the open dialog offers, as "Text|*.a;*.b|...", all pictures first.
QString PictureOpenFilter();
// Decodes picture data by its content, whatever the file's name says: JPEG through libjpeg,
// everything else through the image library.
TPictureResult DecodePicture(const QByteArray &data);
// Reads a picture file; the message names the file and gives the library's reason.
TPictureResult LoadPicture(const QString &fileName);
// The picture encoded in its own format (a format the library cannot write becomes a bitmap);
// empty on success, else a German message.
QString EncodePicture(const TPicture &picture, QByteArray &data);
// Writes the picture in its own format, whatever the name's extension; empty on success, else a
// German message.
QString SavePicture(const TPicture &picture, const QString &fileName);
// The size of a picture resized by a percentage, each side rounded half to even. A factor that
// leaves a side empty or negative, or makes the picture too big, is refused.
TPictureSizeResult ResizedPictureSize(QSize size, int percent);
// The picture stretched to the resized size, in its own format.
TPictureResult ResizePicture(const TPicture &picture, int percent);
