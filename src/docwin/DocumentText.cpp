#include "DocumentText.h"

#include "CodePage.h"
#include "ReplaceOutsideScripts.h"
#include "TextScan.h"

namespace {

const QString LineBreak = QStringLiteral("\r\n");

// The end of a block that ends with the closer: behind it, or the end of the text.
qsizetype BlockEnd(const QString &text, qsizetype from, QStringView closer)
{
    const qsizetype at = text.indexOf(closer, from, Qt::CaseInsensitive);
    return at < 0 ? text.size() : at + closer.size();
}

// Whether an element of this name starts at `at` ("<script>", "<SCRIPT src=...").
bool ElementStartsAt(const QString &text, qsizetype at, QStringView name)
{
    const qsizetype after = at + 1 + name.size();
    if (after > text.size()
        || QStringView(text).mid(at + 1, name.size()).compare(name, Qt::CaseInsensitive) != 0)
        return false;
    return after == text.size() || text[after].isSpace() || text[after] == '>'
           || text[after] == '/';
}

// The end of the raw-text block that starts at `at`, or -1 when none starts there.
qsizetype RawBlockEnd(const QString &text, qsizetype at)
{
    const QStringView rest = QStringView(text).mid(at);
    if (rest.startsWith(u"<!--"))
        return BlockEnd(text, at + 4, u"-->");
    if (rest.startsWith(u"<?"))
        return BlockEnd(text, at + 2, u"?>");
    if (rest.startsWith(u"<%"))
        return BlockEnd(text, at + 2, u"%>");
    if (ElementStartsAt(text, at, u"script"))
        return BlockEnd(text, at + 7, u"</script");
    if (ElementStartsAt(text, at, u"style"))
        return BlockEnd(text, at + 6, u"</style");
    return -1;
}

bool HasNonAnsi(QStringView text)
{
    return std::any_of(text.begin(), text.end(), [](QChar c) { return AnsiByte(c) < 0; });
}

} // namespace

bool NonAnsiInsideRawText(const QString &text)
{
    if (AnsiCanEncode(text))
        return false;
    qsizetype at = 0;
    while ((at = text.indexOf('<', at)) >= 0) {
        const qsizetype end = RawBlockEnd(text, at);
        if (end < 0) {
            ++at;
            continue;
        }
        if (HasNonAnsi(QStringView(text).mid(at, end - at)))
            return true;
        at = end;
    }
    return false;
}

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

THtmlFileText HtmlFileText(const QString &text, TTextEncoding encoding)
{
    THtmlFileText result;
    result.Text = EncodeUmlauts(text);
    if (encoding == TTextEncoding::Ansi) {
        result.NeedsUtf8 = NonAnsiInsideRawText(result.Text);
        if (!result.NeedsUtf8)
            result.Text = NumericReferencesForNonAnsi(result.Text);
    }
    // One line break ends the file; a text that already ends with one keeps it, so saving and
    // opening again does not add an empty line each time. An empty page stays empty, as an
    // empty file is written back as it was.
    if (!result.Text.isEmpty() && !result.Text.endsWith(LineBreak))
        result.Text += LineBreak;
    return result;
}

QString CssFileText(const QString &text)
{
    if (text.isEmpty() || text.endsWith(LineBreak))
        return text;
    return text + LineBreak;
}

QString HtmlTextAfterLoading(QString text)
{
    if (!text.contains('\t'))
        return text;
    return ReplaceOutsideScripts(TabToBlank, std::move(text));
}

QString TabsToThreeBlanks(QString text)
{
    if (!text.contains('\t'))
        return text;
    return ReplaceOutsideScripts(TabToThreeBlanks, std::move(text));
}

QString SaveChangesQuestion(const QString &fileName)
{
    if (fileName == NoName)
        return "Möchten Sie die Änderungen speichern?";
    return "Änderungen nach '" + fileName + "' speichern?";
}

QString ChangedOnDiskQuestion(const QString &fileName, bool modified)
{
    const QString changed = "Die Datei\r\n" + fileName
                            + "\r\nwurde von einem anderen Programm geändert.\r\n";
    if (!modified)
        return changed + "Möchten Sie sie neu laden?";
    return changed
           + "Der Text im Editor hat ungespeicherte Änderungen.\r\nMöchten Sie den Text im "
             "Editor behalten?\r\n(Ja: vor dem Speichern wird gefragt, ob die neuere Datei "
             "überschrieben werden soll. Nein: die Datei wird neu geladen; Rückgängig holt den "
             "Text des Editors zurück.)";
}

QString DeletedOnDiskNote(const QString &fileName)
{
    return "Die Datei\r\n" + fileName
           + "\r\nwurde von einem anderen Programm gelöscht oder umbenannt.\r\nDer Text bleibt "
             "im Editor und gilt als geändert; Speichern legt die Datei wieder an.";
}

QString ReplaceNewerFileQuestion(const QString &fileName)
{
    return "Die Datei\r\n" + fileName
           + "\r\nwurde seit dem Laden oder letzten Speichern von einem anderen Programm "
             "geändert.\r\nMöchten Sie sie trotzdem mit dem Text im Editor überschreiben?";
}

namespace {

constexpr char16_t LineBreakCharacters[] = {QChar::ParagraphSeparator, 0xFDD0, 0xFDD1};

} // namespace

qsizetype LineBreakCharacterCount(const QString &text)
{
    const auto [separator, first, second] = LineBreakCharacters;
    return CountUnits(text, separator, first, second);
}

QString LineBreakCharactersAsLineBreaks(QString text)
{
    for (const char16_t c : LineBreakCharacters)
        text.replace(QChar(c), QStringLiteral("\r\n"));
    return text;
}
