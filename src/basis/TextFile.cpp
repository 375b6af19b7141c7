#include "TextFile.h"

#include "CodePage.h"
#include "LongLines.h"
#include "TextScan.h"
#include "UnicodeCodec.h"

#include <QFile>
#include <QFileInfo>

#include <algorithm>
#include <cerrno>
#include <cstring>

namespace {

// Invalid bytes that show at once that a text is no UTF-8 (see ScanUtf8).
constexpr qsizetype ClearlyNoUtf8 = 64;
// How much of a file the binary test looks at.
constexpr qsizetype BinarySample = 64 * 1024;

// The first unit c in [p, end), or end; a library search that looks at many units at once.
const char *FindUnit(const char *p, const char *end, char c)
{
    const void *hit = std::memchr(p, c, size_t(end - p));
    return hit ? static_cast<const char *>(hit) : end;
}
const char16_t *FindUnit(const char16_t *p, const char16_t *end, char16_t c)
{
    const qsizetype at = QStringView(p, end - p).indexOf(QChar(c));
    return at < 0 ? end : p + at;
}

// The units with every CR LF, lone LF and lone CR (`lone` of them) turned into CR LF, built in
// one go; tells whether LF-only breaks were seen. Text is QString over UTF-16 units, or
// QByteArray over the bytes of ANSI and UTF-8, where a line break is made of such bytes alone.
template<typename Text, typename Char>
Text WithCrLfBreaks(const Char *p, qsizetype size, qsizetype lone, TLineBreakStyle &style)
{
    Text result(size + lone, Qt::Uninitialized);
    Char *out = reinterpret_cast<Char *>(result.data());
    const Char *end = p + size;
    const Char *cr = FindUnit(p, end, Char('\r'));
    const Char *lf = FindUnit(p, end, Char('\n'));
    bool sawCrLf = false;
    bool sawLf = false;
    while (p < end) {
        const Char *stop = std::min(cr, lf);
        out = std::copy(p, stop, out);
        if (stop == end)
            break;
        const bool pair = stop == cr && stop + 1 < end && stop[1] == '\n';
        sawCrLf = sawCrLf || pair;
        sawLf = sawLf || stop == lf;
        *out++ = '\r';
        *out++ = '\n';
        p = stop + (pair ? 2 : 1);
        if (cr < p)
            cr = FindUnit(p, end, Char('\r'));
        if (lf < p)
            lf = FindUnit(p, end, Char('\n'));
    }
    Q_ASSERT(out == reinterpret_cast<Char *>(result.data()) + result.size());
    style = sawLf && !sawCrLf ? TLineBreakStyle::Lf : TLineBreakStyle::CrLf;
    return result;
}

// The decoded text with CR LF breaks, for UTF-16 and UTF-32, whose breaks are known only after
// decoding.
QString NormalizeLineBreaks(QString text, TLineBreakStyle &style)
{
    style = TLineBreakStyle::CrLf;
    const qsizetype lone = LoneBreakCount(QStringView(text));
    if (lone == 0)
        return text;
    return WithCrLfBreaks<QString>(QStringView(text).utf16(), text.size(), lone, style);
}

// Decodes ANSI or UTF-8 bytes into a text with CR LF breaks. The breaks are made CR LF on the
// bytes, before decoding, so that a big text is built once and never copied.
template<typename Decode>
auto DecodeWithCrLf(QByteArrayView bytes, TLineBreakStyle &style, Decode decode)
{
    style = TLineBreakStyle::CrLf;
    const qsizetype lone = LoneBreakCount(bytes);
    if (lone == 0)
        return decode(bytes);
    const QByteArray crLf = WithCrLfBreaks<QByteArray>(bytes.data(), bytes.size(), lone, style);
    return decode(QByteArrayView(crLf));
}

QString ReadError(const QString &fileName, const QString &reason)
{
    return "Die Datei\r\n" + fileName + "\r\nkann nicht gelesen werden:\r\n" + reason;
}

const QByteArray Utf8Bom = QByteArrayLiteral("\xEF\xBB\xBF");

struct TByteOrderMark
{
    const char *Bytes;
    int Size;
    TTextEncoding Encoding;
};

// The UTF-32 LE mark comes first: it begins with the UTF-16 LE one.
constexpr TByteOrderMark Marks[] = {
    {"\xFF\xFE\x00\x00", 4, TTextEncoding::Utf32LE},
    {"\x00\x00\xFE\xFF", 4, TTextEncoding::Utf32BE},
    {"\xEF\xBB\xBF", 3, TTextEncoding::Utf8Bom},
    {"\xFF\xFE", 2, TTextEncoding::Utf16LE},
    {"\xFE\xFF", 2, TTextEncoding::Utf16BE},
};

// Whether the bytes begin with the byte order mark of UTF-16 or UTF-32.
bool StartsWithWideMark(QByteArrayView bytes)
{
    for (const TByteOrderMark &mark : Marks) {
        if (mark.Encoding != TTextEncoding::Utf8Bom
            && bytes.startsWith(QByteArrayView(mark.Bytes, mark.Size)))
            return true;
    }
    return false;
}

// The encoding a byte order mark names, with the bytes behind it; Ansi when there is none.
TTextEncoding MarkedEncoding(QByteArrayView bytes, QByteArrayView &body)
{
    body = bytes;
    for (const TByteOrderMark &mark : Marks) {
        if (bytes.startsWith(QByteArrayView(mark.Bytes, mark.Size))) {
            body = bytes.sliced(mark.Size);
            return mark.Encoding;
        }
    }
    return TTextEncoding::Ansi;
}

// The text behind the byte order mark with CR LF breaks; UTF-8 without invalid bytes takes Qt's
// fast decoder.
TCarriedText DecodeBody(QByteArrayView body,
                        TTextEncoding encoding,
                        qsizetype invalidUtf8,
                        TLineBreakStyle &style)
{
    TCarriedText text;
    switch (encoding) {
    case TTextEncoding::Utf16LE:
    case TTextEncoding::Utf16BE:
        text = DecodeUtf16Carrying(body, encoding == TTextEncoding::Utf16BE);
        break;
    case TTextEncoding::Utf32LE:
    case TTextEncoding::Utf32BE:
        text = DecodeUtf32Carrying(body, encoding == TTextEncoding::Utf32BE);
        break;
    default:
        return DecodeWithCrLf(body, style, [invalidUtf8](QByteArrayView utf8) {
            if (invalidUtf8 == 0)
                return TCarriedText{Utf8ToString(utf8), 0, false};
            return DecodeUtf8Carrying(utf8);
        });
    }
    // Carried bytes never turn into line breaks: a carrier is no CR or LF.
    text.Text = NormalizeLineBreaks(std::move(text.Text), style);
    return text;
}

// The bytes to decode: those given, or with lines longer than the limit cut (CutLongByteLines).
QByteArrayView CutBeforeDecoding(
    QByteArrayView bytes, qsizetype limit, bool utf8, QByteArray &cut, TDecodedText &decoded)
{
    cut = CutLongByteLines(bytes, limit, utf8, decoded.LongestLine);
    decoded.LinesCut = !cut.isNull();
    return decoded.LinesCut ? QByteArrayView(cut) : bytes;
}

// Cuts the lines longer than the limit in a decoded text.
void CutAfterDecoding(TDecodedText &decoded, qsizetype limit)
{
    if (!MayHaveLineLongerThan(decoded.Text, limit))
        return;
    const qsizetype longest = LongestLine(decoded.Text);
    if (longest <= limit)
        return;
    decoded.LongestLine = longest;
    decoded.LinesCut = true;
    decoded.Text = CutLongLines(decoded.Text, limit);
}

// Reads the bytes as one of the Unicode encodings when a byte order mark names it or when they
// are UTF-8 with at most a few invalid bytes; false when they are to be read as ANSI.
bool DecodeUnicode(const QByteArray &bytes, qsizetype lineLimit, TDecodedText &decoded)
{
    QByteArrayView body;
    TTextEncoding encoding = MarkedEncoding(bytes, body);
    qsizetype invalid = 0;
    if (encoding == TTextEncoding::Utf8Bom) {
        invalid = ScanUtf8(body, body.size()).Invalid;
    } else if (encoding == TTextEncoding::Ansi) {
        if (LooksBinary(bytes))
            return false;
        const TUtf8Scan scan = ScanUtf8(bytes, ClearlyNoUtf8);
        if (scan.MultiByte == 0 || 2 * scan.Invalid > scan.MultiByte)
            return false;
        encoding = TTextEncoding::Utf8;
        invalid = scan.Invalid;
    }
    // Without invalid bytes, the characters of UTF-8 can be counted on the bytes.
    const bool cutBytes = invalid == 0
                          && (encoding == TTextEncoding::Utf8 || encoding == TTextEncoding::Utf8Bom);
    QByteArray cut;
    if (cutBytes)
        body = CutBeforeDecoding(body, lineLimit, true, cut, decoded);
    TCarriedText text = DecodeBody(body, encoding, invalid, decoded.Format.LineBreaks);
    if (text.Carried > 0 && text.Ambiguous)
        return false;
    decoded.Text = std::move(text.Text);
    decoded.Format.Encoding = encoding;
    decoded.Format.CarriesBytes = text.Carried > 0;
    decoded.CarriedBytes = text.Carried;
    if (!cutBytes)
        CutAfterDecoding(decoded, lineLimit);
    return true;
}

} // namespace

TDecodedText DecodeText(const QByteArray &bytes, qsizetype lineLimit)
{
    TDecodedText decoded;
    if (DecodeUnicode(bytes, lineLimit, decoded))
        return decoded;
    decoded = TDecodedText();
    // A UTF-16 or UTF-32 file that cannot be read without losing a byte is no ANSI text
    // either: read so, its line breaks would be changed, so its bytes are kept as they are.
    decoded.LooksBinary = LooksBinary(bytes) || StartsWithWideMark(bytes);
    QByteArray cut;
    const QByteArrayView shown = CutBeforeDecoding(bytes, lineLimit, false, cut, decoded);
    decoded.Text = DecodeWithCrLf(shown, decoded.Format.LineBreaks, &AnsiToUnicode);
    return decoded;
}

QByteArray EncodeText(const QString &text, const TTextFormat &format, bool *lossless)
{
    QString stored = text;
    if (format.LineBreaks == TLineBreakStyle::Lf)
        stored.replace(QLatin1String("\r\n"), QLatin1String("\n"));
    if (lossless)
        *lossless = true;
    const bool carries = format.CarriesBytes;
    switch (format.Encoding) {
    case TTextEncoding::Utf8Bom:
        return Utf8Bom + EncodeUtf8Carrying(stored, carries);
    case TTextEncoding::Utf8:
        return EncodeUtf8Carrying(stored, carries);
    case TTextEncoding::Utf16LE:
    case TTextEncoding::Utf16BE: {
        const bool bigEndian = format.Encoding == TTextEncoding::Utf16BE;
        return EncodeUtf16Carrying(QStringView(u"\uFEFF"), bigEndian, false)
               + EncodeUtf16Carrying(stored, bigEndian, carries);
    }
    case TTextEncoding::Utf32LE:
    case TTextEncoding::Utf32BE: {
        const bool bigEndian = format.Encoding == TTextEncoding::Utf32BE;
        return EncodeUtf32Carrying(QStringView(u"\uFEFF"), bigEndian, false)
               + EncodeUtf32Carrying(stored, bigEndian, carries);
    }
    case TTextEncoding::Ansi:
        break;
    }
    return UnicodeToAnsi(stored, lossless);
}

bool LooksBinary(QByteArrayView bytes)
{
    const QByteArrayView sample = bytes.first(std::min(bytes.size(), BinarySample));
    qsizetype controls = 0;
    for (const char byte : sample) {
        const auto b = static_cast<unsigned char>(byte);
        if (b == 0)
            return true;
        // Tab, line feed, vertical tab, form feed, carriage return, the old end-of-file mark
        // and escape occur in texts.
        if (b < 0x20 && !(b >= 0x09 && b <= 0x0D) && b != 0x1A && b != 0x1B)
            ++controls;
    }
    return controls * 10 > sample.size();
}

bool ReadFileBytes(const QString &fileName, QByteArray &bytes, QString &error, qint64 maxSize)
{
    const QFileInfo info(fileName);
    if (info.isDir()) {
        error = "\"" + fileName + "\" ist ein Verzeichnis und keine Datei.";
        return false;
    }
    if (info.exists() && !info.isFile()) {
        error = "\"" + fileName + "\" ist keine normale Datei.";
        return false;
    }
    if (info.size() > maxSize) {
        error = "Die Datei\r\n" + fileName + "\r\nist zu groß ("
                + QString::number(info.size() / (1024 * 1024)) + " MB). Höchstens "
                + QString::number(maxSize / (1024 * 1024)) + " MB können bearbeitet werden.";
        return false;
    }
    QFile file(fileName);
    errno = 0;
    if (!file.open(QIODevice::ReadOnly)) {
        error = ReadError(fileName, FileErrorReason(errno, file.errorString()));
        return false;
    }
    bytes = file.readAll();
    if (file.error() != QFileDevice::NoError) {
        error = ReadError(fileName, FileErrorReason(errno, file.errorString()));
        return false;
    }
    return true;
}

TTextReadResult ReadTextFile(const QString &fileName, qint64 maxSize)
{
    TTextReadResult result;
    QByteArray bytes;
    if (!ReadFileBytes(fileName, bytes, result.Error, maxSize))
        return result;
    TDecodedText decoded = DecodeText(bytes);
    result.Ok = true;
    result.Text = std::move(decoded.Text);
    result.Format = decoded.Format;
    return result;
}

QString FileErrorReason(int errorNumber, const QString &fallback)
{
    switch (errorNumber) {
    case ENOENT:
        return "Die Datei oder der Ordner existiert nicht.";
    case EACCES:
    case EPERM:
        return "Zugriff verweigert (keine Berechtigung).";
    case ENOSPC:
        return "Auf dem Datenträger ist kein Platz mehr frei.";
    case EDQUOT:
        return "Das Speicherkontingent ist erschöpft.";
    case EROFS:
        return "Der Datenträger ist schreibgeschützt.";
    case EISDIR:
        return "Der Name bezeichnet einen Ordner.";
    case ENOTDIR:
        return "Ein Teil des Pfades ist kein Ordner.";
    case ENAMETOOLONG:
        return "Der Dateiname ist zu lang.";
    case EIO:
        return "Ein- oder Ausgabefehler des Datenträgers.";
    case EMFILE:
    case ENFILE:
        return "Zu viele offene Dateien.";
    default:
        return fallback;
    }
}
