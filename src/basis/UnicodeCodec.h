#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QString>
#include <QStringView>

// UTF-8, UTF-16 and UTF-32 that lose no byte. A byte that belongs to no valid sequence of the
// file's encoding (a stray windows-1252 umlaut in a UTF-8 page, the odd last byte of a UTF-16
// file) is carried through the text as one private-use character, U+F700 + the byte, and written
// back as that byte. A file that already holds characters of that range is never read this way,
// so a carrier always means a byte.

inline constexpr char16_t FirstByteCarrier = 0xF700;
inline constexpr char16_t LastByteCarrier = 0xF7FF;

inline bool IsByteCarrier(QChar c)
{
    return c.unicode() >= FirstByteCarrier && c.unicode() <= LastByteCarrier;
}

// What a look at UTF-8 bytes found: well-formed sequences of two to four bytes, and bytes that
// belong to no well-formed sequence.
struct TUtf8Scan
{
    qsizetype MultiByte = 0;
    qsizetype Invalid = 0;
};

// Scans the bytes; stops early once more than stopAfter invalid bytes were seen and they are
// more than half as many as the multi-byte sequences (the text is clearly no UTF-8).
TUtf8Scan ScanUtf8(QByteArrayView bytes, qsizetype stopAfter);

// The result of decoding with carriers: the text, how many bytes it carries, and whether the
// bytes hold a character of the carrier range themselves (then carrying would be ambiguous).
struct TCarriedText
{
    QString Text;
    qsizetype Carried = 0;
    bool Ambiguous = false;
};

// Well-formed UTF-8 to text; a U+FEFF at the start stays (Qt's decoder would take it for a byte
// order mark and drop it).
QString Utf8ToString(QByteArrayView bytes);
TCarriedText DecodeUtf8Carrying(QByteArrayView bytes);
// UTF-16 code units (without byte order mark); a lone surrogate and an odd last byte are carried.
TCarriedText DecodeUtf16Carrying(QByteArrayView bytes, bool bigEndian);
// UTF-32 code points (without byte order mark); a value that is no character is carried as its
// four bytes, like an incomplete last group.
TCarriedText DecodeUtf32Carrying(QByteArrayView bytes, bool bigEndian);

// The encodings back; with carries, every carrier becomes its byte again.
QByteArray EncodeUtf8Carrying(QStringView text, bool carries);
QByteArray EncodeUtf16Carrying(QStringView text, bool bigEndian, bool carries);
QByteArray EncodeUtf32Carrying(QStringView text, bool bigEndian, bool carries);
