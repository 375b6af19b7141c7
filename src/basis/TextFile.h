#pragma once

#include <QByteArray>
#include <QString>

// How a text file is stored on disk, so that saving writes it back the same way.
enum class TTextEncoding { Ansi, Utf8, Utf8Bom };
enum class TLineBreakStyle { CrLf, Lf };

struct TTextFormat
{
    TTextEncoding Encoding = TTextEncoding::Ansi;
    TLineBreakStyle LineBreaks = TLineBreakStyle::CrLf;

    bool operator==(const TTextFormat &) const = default;
};

// A file's text with its lines joined by CR LF, and the format it came in.
struct TDecodedText
{
    QString Text;
    TTextFormat Format;
};

// Result of reading a file: Ok, or a German message in Error.
struct TTextReadResult
{
    bool Ok = false;
    QString Text;
    TTextFormat Format;
    QString Error;
};

// Files above this size are refused with a message instead of being loaded.
inline constexpr qint64 MaxTextFileSize = 256LL * 1024 * 1024;

// Decodes file bytes: UTF-8 with byte order mark, or valid UTF-8 with multi-byte sequences, is
// UTF-8; everything else is ANSI. Every line break (CR LF, LF, CR) becomes CR LF; the format
// remembers LF when the file used LF breaks only.
TDecodedText DecodeText(const QByteArray &bytes);
// Encodes a CR LF text in the given format. *lossless tells whether ANSI could hold every
// character (always true for UTF-8).
QByteArray EncodeText(const QString &text, const TTextFormat &format, bool *lossless = nullptr);

TTextReadResult ReadTextFile(const QString &fileName, qint64 maxSize = MaxTextFileSize);
// Writes the bytes through a temporary file that replaces the target only when complete.
// Returns an empty text on success, else a German message with the system's reason.
QString WriteFileAtomically(const QString &fileName, const QByteArray &bytes);
// The system's reason for a failed file operation (errno), in German; the fallback (the
// library's own text) for reasons without a German wording here.
QString FileErrorReason(int errorNumber, const QString &fallback);
