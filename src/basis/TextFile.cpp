#include "TextFile.h"

#include "CodePage.h"

#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QStringDecoder>

namespace {

bool HasHighByte(const QByteArray &bytes)
{
    for (const char byte : bytes) {
        if (static_cast<unsigned char>(byte) >= 0x80)
            return true;
    }
    return false;
}

// Decodes as UTF-8 when the bytes are valid UTF-8; sets ok accordingly.
QString DecodeUtf8(QByteArrayView bytes, bool &ok)
{
    QStringDecoder decoder(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    QString text = decoder.decode(bytes);
    ok = !decoder.hasError();
    return text;
}

// Turns every CR LF, lone LF and lone CR into CR LF; tells whether LF-only breaks were seen.
QString NormalizeLineBreaks(const QString &text, TLineBreakStyle &style)
{
    const bool hasCrLf = text.contains(QLatin1String("\r\n"));
    const bool hasLf = text.contains('\n');
    style = !hasCrLf && hasLf ? TLineBreakStyle::Lf : TLineBreakStyle::CrLf;
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

} // namespace

TDecodedText DecodeText(const QByteArray &bytes)
{
    TDecodedText decoded;
    QString raw;
    if (bytes.startsWith("\xEF\xBB\xBF")) {
        bool ok = false;
        raw = DecodeUtf8(QByteArrayView(bytes).sliced(3), ok);
        if (ok)
            decoded.Format.Encoding = TTextEncoding::Utf8Bom;
        else
            raw = AnsiToUnicode(bytes);
    } else if (HasHighByte(bytes)) {
        bool ok = false;
        raw = DecodeUtf8(bytes, ok);
        if (ok)
            decoded.Format.Encoding = TTextEncoding::Utf8;
        else
            raw = AnsiToUnicode(bytes);
    } else {
        raw = AnsiToUnicode(bytes);
    }
    decoded.Text = NormalizeLineBreaks(raw, decoded.Format.LineBreaks);
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
    if (!file.open(QIODevice::ReadOnly)) {
        result.Error = "Die Datei\r\n" + fileName + "\r\nkann nicht gelesen werden:\r\n"
                       + file.errorString();
        return result;
    }
    const QByteArray bytes = file.readAll();
    if (file.error() != QFileDevice::NoError) {
        result.Error = "Die Datei\r\n" + fileName + "\r\nkann nicht gelesen werden:\r\n"
                       + file.errorString();
        return result;
    }
    TDecodedText decoded = DecodeText(bytes);
    result.Ok = true;
    result.Text = std::move(decoded.Text);
    result.Format = decoded.Format;
    return result;
}

QString WriteFileAtomically(const QString &fileName, const QByteArray &bytes)
{
    QSaveFile file(fileName);
    // In a folder where no temporary file can be made, write the file in place rather than
    // not at all.
    file.setDirectWriteFallback(true);
    if (file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size() && file.commit())
        return QString();
    const QString reason = file.errorString();
    file.cancelWriting();
    return "Die Datei\r\n" + fileName + "\r\nkann nicht gespeichert werden:\r\n" + reason;
}
