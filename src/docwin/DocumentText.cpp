#include "DocumentText.h"

#include "CodePage.h"
#include "ReplaceOutsideScripts.h"

namespace {

const QString LineBreak = QStringLiteral("\r\n");

} // namespace

QString NumericReferencesForNonAnsi(const QString &text)
{
    if (AnsiCanEncode(text))
        return text;
    QString result;
    result.reserve(text.size() + 64);
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text[i];
        if (AnsiByte(c) >= 0) {
            result += c;
            continue;
        }
        char32_t code = c.unicode();
        if (c.isHighSurrogate() && i + 1 < text.size() && text[i + 1].isLowSurrogate())
            code = QChar::surrogateToUcs4(c, text[++i]);
        result += "&#" + QString::number(code) + ";";
    }
    return result;
}

QString HtmlFileText(const QString &text, TTextEncoding encoding)
{
    QString result = EncodeUmlauts(text);
    if (encoding == TTextEncoding::Ansi)
        result = NumericReferencesForNonAnsi(result);
    // One line break ends the file; a text that already ends with one keeps it, so saving and
    // opening again does not add an empty line each time.
    if (!result.endsWith(LineBreak))
        result += LineBreak;
    return result;
}

QString CssFileText(const QString &text)
{
    if (text.isEmpty() || text.endsWith(LineBreak))
        return text;
    return text + LineBreak;
}

QString HtmlTextAfterLoading(const QString &text)
{
    if (!text.contains('\t'))
        return text;
    return ReplaceOutsideScripts(TabToBlank, text);
}

QString TabsToThreeBlanks(const QString &text)
{
    if (!text.contains('\t'))
        return text;
    return ReplaceOutsideScripts(TabToThreeBlanks, text);
}

QString ReplaceQuestion(const QString &baseName, const QString &extension)
{
    return "Die Datei " + baseName + extension + "existiert bereits.\r\nMöchten Sie sie ersetzen?";
}

QString SaveChangesQuestion(const QString &fileName)
{
    if (fileName == NoName)
        return "Möchten Sie die Änderungen speichern?";
    return "Änderungen nach '" + fileName + "' speichern?";
}

namespace {

const QChar LineBreakCharacters[] = {QChar::ParagraphSeparator, QChar(0xFDD0), QChar(0xFDD1)};

} // namespace

qsizetype LineBreakCharacterCount(const QString &text)
{
    qsizetype count = 0;
    for (QChar c : LineBreakCharacters)
        count += text.count(c);
    return count;
}

QString LineBreakCharactersAsLineBreaks(QString text)
{
    for (QChar c : LineBreakCharacters)
        text.replace(c, QStringLiteral("\r\n"));
    return text;
}
