#include "TextFile.h"

#include "CodePage.h"
#include "UnicodeCodec.h"

#include <QFile>
#include <QFileInfo>

#include <cerrno>

namespace {

// Invalid bytes that show at once that a text is no UTF-8 (see ScanUtf8).
constexpr qsizetype ClearlyNoUtf8 = 64;
// How much of a file the binary test looks at.
constexpr qsizetype BinarySample = 64 * 1024;

// Whether every line break already is CR LF (and a CR never stands alone).
bool OnlyCrLfBreaks(const QString &text)
{
    const QChar *p = text.constData();
    const QChar *end = p + text.size();
    for (; p < end; ++p) {
        if (*p == '\n')
            return false;
        if (*p == '\r') {
            if (p + 1 == end || p[1] != '\n')
                return false;
            ++p;
        }
    }
    return true;
}

// Turns every CR LF, lone LF and lone CR into CR LF; tells whether LF-only breaks were seen.
QString NormalizeLineBreaks(QString text, TLineBreakStyle &style)
{
    style = TLineBreakStyle::CrLf;
    if (OnlyCrLfBreaks(text))
        return text;
    const bool hasCrLf = text.contains(QLatin1String("\r\n"));
    if (!hasCrLf && text.contains('\n'))
        style = TLineBreakStyle::Lf;
    QString result;
    result.reserve(text.size() + text.size() / 32);
    const QChar *p = text.constData();
    const QChar *end = p + text.size();
    while (p < end) {
        const QChar *stop = p;
        while (stop < end && *stop != '\r' && *stop != '\n')
            ++stop;
        result.append(p, stop - p);
        if (stop == end)
            break;
        result.append(QLatin1String("\r\n"));
        p = stop + 1;
        if (*stop == '\r' && p < end && *p == '\n')
            ++p;
    }
    return result;
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

// The text behind the byte order mark; UTF-8 without invalid bytes takes Qt's fast decoder.
TCarriedText DecodeBody(QByteArrayView body, TTextEncoding encoding, qsizetype invalidUtf8)
{
    switch (encoding) {
    case TTextEncoding::Utf16LE:
    case TTextEncoding::Utf16BE:
        return DecodeUtf16Carrying(body, encoding == TTextEncoding::Utf16BE);
    case TTextEncoding::Utf32LE:
    case TTextEncoding::Utf32BE:
        return DecodeUtf32Carrying(body, encoding == TTextEncoding::Utf32BE);
    default:
        break;
    }
    if (invalidUtf8 == 0)
        return TCarriedText{Utf8ToString(body), 0, false};
    return DecodeUtf8Carrying(body);
}

// Reads the bytes as one of the Unicode encodings when a byte order mark names it or when they
// are UTF-8 with at most a few invalid bytes; false when they are to be read as ANSI.
bool DecodeUnicode(const QByteArray &bytes, QString &raw, TDecodedText &decoded)
{
    const QByteArrayView view(bytes);
    TTextEncoding encoding = TTextEncoding::Ansi;
    QByteArrayView body = view;
    for (const TByteOrderMark &mark : Marks) {
        if (view.startsWith(QByteArrayView(mark.Bytes, mark.Size))) {
            encoding = mark.Encoding;
            body = view.sliced(mark.Size);
            break;
        }
    }
    qsizetype invalid = 0;
    if (encoding == TTextEncoding::Utf8Bom) {
        invalid = ScanUtf8(body, body.size()).Invalid;
    } else if (encoding == TTextEncoding::Ansi) {
        if (LooksBinary(view))
            return false;
        const TUtf8Scan scan = ScanUtf8(view, ClearlyNoUtf8);
        if (scan.MultiByte == 0 || 2 * scan.Invalid > scan.MultiByte)
            return false;
        encoding = TTextEncoding::Utf8;
        invalid = scan.Invalid;
    }
    TCarriedText text = DecodeBody(body, encoding, invalid);
    if (text.Carried > 0 && text.Ambiguous)
        return false;
    raw = std::move(text.Text);
    decoded.Format.Encoding = encoding;
    decoded.Format.CarriesBytes = text.Carried > 0;
    decoded.CarriedBytes = text.Carried;
    return true;
}

} // namespace

TDecodedText DecodeText(const QByteArray &bytes)
{
    TDecodedText decoded;
    QString raw;
    if (!DecodeUnicode(bytes, raw, decoded)) {
        decoded.Format = TTextFormat();
        decoded.CarriedBytes = 0;
        // A UTF-16 or UTF-32 file that cannot be read without losing a byte is no ANSI text
        // either: read so, its line breaks would be changed, so its bytes are kept as they are.
        decoded.LooksBinary = LooksBinary(bytes) || StartsWithWideMark(bytes);
        raw = AnsiToUnicode(bytes);
    }
    decoded.Text = NormalizeLineBreaks(std::move(raw), decoded.Format.LineBreaks);
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
