#pragma once

#include <QByteArray>
#include <QImage>
#include <QString>

// A decoded JPEG picture, or the reason it could not be decoded (the library's own message for
// damaged data).
struct TJpegDecodeResult
{
    QImage Image;
    QString Error;

    bool Ok() const { return Error.isEmpty(); }
};

// Encoded JPEG data, or the library's reason why the picture could not be encoded.
struct TJpegEncodeResult
{
    QByteArray Data;
    QString Error;

    bool Ok() const { return Error.isEmpty(); }
};

// JPEG decoding and encoding straight over libjpeg. Every error the library raises, and every
// warning about corrupt data (a truncated file among them), ends the call with the library's
// message: damaged data never crashes or aborts the program and never yields half a picture.
class TJpegCodec
{
public:
    // Pictures above this many pixels are refused before any memory is taken for them.
    static constexpr qint64 MaxPixels = 64LL * 1024 * 1024;

    // True when the data starts with the JPEG start-of-image marker.
    static bool IsJpegData(const QByteArray &data);
    // Decodes to 24-bit RGB (grey and CMYK pictures are converted).
    static TJpegDecodeResult Decode(const QByteArray &data, qint64 maxPixels = MaxPixels);
    // Encodes with the library's default settings (quality 75, 4:2:0 sampling).
    static TJpegEncodeResult Encode(const QImage &image);
};
