#pragma once

#include <QByteArray>
#include <QString>

#include <limits>

// How a text file is stored on disk, so that saving writes it back the same way. The UTF-16 and
// UTF-32 forms are read and written with their byte order mark.
enum class TTextEncoding { Ansi, Utf8, Utf8Bom, Utf16LE, Utf16BE, Utf32LE, Utf32BE };
enum class TLineBreakStyle { CrLf, Lf };

struct TTextFormat
{
    TTextEncoding Encoding = TTextEncoding::Ansi;
    TLineBreakStyle LineBreaks = TLineBreakStyle::CrLf;
    // The text carries bytes that the encoding cannot read as private-use characters
    // (UnicodeCodec.h); saving writes them back as those bytes.
    bool CarriesBytes = false;

    bool operator==(const TTextFormat &) const = default;
};

// A file's text with its lines joined by CR LF, and the format it came in.
struct TDecodedText
{
    QString Text;
    TTextFormat Format;
    // Bytes the text carries (see TTextFormat::CarriesBytes).
    qsizetype CarriedBytes = 0;
    // The bytes look like no text (NUL bytes, many control characters); they were read as ANSI.
    bool LooksBinary = false;
    // Lines longer than the limit given to DecodeText were cut; the longest had this length.
    bool LinesCut = false;
    qsizetype LongestLine = 0;
};

// Result of reading a file: Ok, or a German message in Error.
struct TTextReadResult
{
    bool Ok = false;
    QString Text;
    TTextFormat Format;
    QString Error;
};

// No limit on the length of the lines a decoded text keeps.
inline constexpr qsizetype NoLineLimit = std::numeric_limits<qsizetype>::max();

// Files above this size are refused with a message instead of being loaded.
inline constexpr qint64 MaxTextFileSize = 256LL * 1024 * 1024;

// Decodes file bytes. A byte order mark names UTF-8, UTF-16 or UTF-32. Without one, bytes that
// look binary are ANSI; bytes with UTF-8 multi-byte sequences are UTF-8 when invalid bytes are
// at most half as many as those sequences (the invalid ones are carried); everything else is
// ANSI. Every line break (CR LF, LF, CR) becomes CR LF; the format remembers LF when the file
// used LF breaks only. Lines longer than `lineLimit` (at least 2) UTF-16 units are cut to
// their start (LongLines.h); those of ANSI and of UTF-8 without invalid bytes before decoding,
// so that a huge line is never decoded whole.
TDecodedText DecodeText(const QByteArray &bytes, qsizetype lineLimit = NoLineLimit);
// Encodes a CR LF text in the given format. *lossless tells whether ANSI could hold every
// character (always true for the Unicode encodings).
QByteArray EncodeText(const QString &text, const TTextFormat &format, bool *lossless = nullptr);

// Whether the bytes look like no text: a NUL byte, or more than one control character in ten
// (tabs, line breaks, form feeds and escapes aside), judged on the first 64 KiB.
bool LooksBinary(QByteArrayView bytes);

TTextReadResult ReadTextFile(const QString &fileName, qint64 maxSize = MaxTextFileSize);
// Reads a file's bytes; false with a German message when that fails or the file is too big.
bool ReadFileBytes(const QString &fileName,
                   QByteArray &bytes,
                   QString &error,
                   qint64 maxSize = MaxTextFileSize);
// The system's reason for a failed file operation (errno), in German; the fallback (the
// library's own text) for reasons without a German wording here.
QString FileErrorReason(int errorNumber, const QString &fallback);
