#include "TextFile.h"

#include "CodePage.h"

#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

#include <cerrno>

namespace {

bool HasHighByte(QByteArrayView bytes)
{
    for (const char byte : bytes) {
        if (static_cast<unsigned char>(byte) >= 0x80)
            return true;
    }
    return false;
}

// Length of the UTF-8 sequence that starts with this byte, 0 when no sequence starts so.
int SequenceLength(unsigned char lead)
{
    if (lead < 0x80)
        return 1;
    if (lead >= 0xC2 && lead <= 0xDF)
        return 2;
    if (lead >= 0xE0 && lead <= 0xEF)
        return 3;
    if (lead >= 0xF0 && lead <= 0xF4)
        return 4;
    return 0;
}

// Whether the bytes are well-formed UTF-8 (no overlong forms, surrogates or values past
// U+10FFFF). Stops at the first fault, so an ANSI file is told apart at its first umlaut.
bool IsValidUtf8(QByteArrayView bytes)
{
    const auto *p = reinterpret_cast<const unsigned char *>(bytes.data());
    const unsigned char *end = p + bytes.size();
    while (p < end) {
        const int length = SequenceLength(*p);
        if (length == 0 || end - p < length)
            return false;
        for (int i = 1; i < length; ++i) {
            if ((p[i] & 0xC0) != 0x80)
                return false;
        }
        if ((p[0] == 0xE0 && p[1] < 0xA0) || (p[0] == 0xED && p[1] > 0x9F)
            || (p[0] == 0xF0 && p[1] < 0x90) || (p[0] == 0xF4 && p[1] > 0x8F))
            return false;
        p += length;
    }
    return true;
}

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

} // namespace

TDecodedText DecodeText(const QByteArray &bytes)
{
    TDecodedText decoded;
    const QByteArrayView view(bytes);
    const bool bom = view.startsWith("\xEF\xBB\xBF");
    const QByteArrayView body = bom ? view.sliced(3) : view;
    QString raw;
    if ((bom || HasHighByte(body)) && IsValidUtf8(body)) {
        decoded.Format.Encoding = bom ? TTextEncoding::Utf8Bom : TTextEncoding::Utf8;
        raw = QString::fromUtf8(body);
    } else {
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
    switch (format.Encoding) {
    case TTextEncoding::Utf8Bom:
        if (lossless)
            *lossless = true;
        return "\xEF\xBB\xBF" + stored.toUtf8();
    case TTextEncoding::Utf8:
        if (lossless)
            *lossless = true;
        return stored.toUtf8();
    case TTextEncoding::Ansi:
        break;
    }
    return UnicodeToAnsi(stored, lossless);
}

TTextReadResult ReadTextFile(const QString &fileName, qint64 maxSize)
{
    TTextReadResult result;
    const QFileInfo info(fileName);
    if (info.isDir()) {
        result.Error = "\"" + fileName + "\" ist ein Verzeichnis und keine Datei.";
        return result;
    }
    if (info.exists() && !info.isFile()) {
        result.Error = "\"" + fileName + "\" ist keine normale Datei.";
        return result;
    }
    if (info.size() > maxSize) {
        result.Error = "Die Datei\r\n" + fileName + "\r\nist zu groß ("
                       + QString::number(info.size() / (1024 * 1024)) + " MB). Höchstens "
                       + QString::number(maxSize / (1024 * 1024)) + " MB können bearbeitet werden.";
        return result;
    }
    QFile file(fileName);
    errno = 0;
    if (!file.open(QIODevice::ReadOnly)) {
        result.Error = ReadError(fileName, FileErrorReason(errno, file.errorString()));
        return result;
    }
    const QByteArray bytes = file.readAll();
    if (file.error() != QFileDevice::NoError) {
        result.Error = ReadError(fileName, FileErrorReason(errno, file.errorString()));
        return result;
    }
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

QString WriteFileAtomically(const QString &fileName, const QByteArray &bytes)
{
    QSaveFile file(fileName);
    // In a folder where no temporary file can be made, write the file in place rather than
    // not at all.
    file.setDirectWriteFallback(true);
    errno = 0;
    if (file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size() && file.commit())
        return QString();
    const QString reason = FileErrorReason(errno, file.errorString());
    file.cancelWriting();
    return "Die Datei\r\n" + fileName + "\r\nkann nicht gespeichert werden:\r\n" + reason;
}
