#include "EditCommands.h"

#include "CodePage.h"
#include "FileUtils.h"
#include "SafeFileWrite.h"
#include "TextFile.h"
#include "TextSpans.h"

#include <QtGlobal>

#include <algorithm>
#include <cerrno>
#include <vector>

namespace {

// Characters of the 256 OEM bytes, and the OEM byte of every character (-1: none).
struct TOemTables
{
    QString Chars;
    std::vector<qint16> Bytes;
};

const TOemTables &Oem()
{
    static const TOemTables tables = [] {
        TOemTables t;
        QByteArray all(256, Qt::Uninitialized);
        for (int b = 0; b < 256; ++b)
            all[b] = char(b);
        t.Chars = OemToUnicode(all);
        t.Bytes.assign(0x10000, -1);
        for (int b = 0; b < 256; ++b)
            t.Bytes[t.Chars[b].unicode()] = qint16(b);
        return t;
    }();
    return tables;
}

QChar AnsiChar(int byte)
{
    return AnsiToUnicode(QByteArray(1, char(byte))).at(0);
}

// The text of the lines first to last without the break behind the last one, and its start.
QString LinesText(const TEditControl &editor, int first, int last, int &start)
{
    start = editor.LineIndex(first);
    const int end = editor.LineIndex(last) + editor.LineLength(last);
    return editor.TextRange(start, end - start);
}

void ReplaceRange(TEditControl &editor, int start, int length, const QString &text)
{
    editor.SetSelStart(start);
    editor.SetSelLength(length);
    editor.ReplaceSelection(text);
}

// Replaces the editor's text by a converted text of the same length, keeping the selection.
void ReplaceKeepingSelection(TEditControl &editor, const QString &before, const QString &after)
{
    const int selStart = editor.SelStart();
    const int selLength = editor.SelLength();
    ReplaceDifferingSpan(editor, before, after);
    editor.SetSelStart(selStart);
    editor.SetSelLength(selLength);
}

// Every occurrence of search, compared in ANSI upper case, replaced from left to right.
QString ReplaceIgnoringCase(const QString &text, QStringView search, QStringView replacement)
{
    Q_ASSERT(!search.isEmpty() && !search[0].isLetter());
    const QChar first = search[0];
    QString upperSearch(search.size(), Qt::Uninitialized);
    for (qsizetype i = 0; i < search.size(); ++i)
        upperSearch[i] = AnsiUpper(search[i]);
    const auto matchesAt = [&](qsizetype pos) {
        if (pos + search.size() > text.size())
            return false;
        for (qsizetype i = 1; i < search.size(); ++i) {
            if (AnsiUpper(text[pos + i]) != upperSearch[i])
                return false;
        }
        return true;
    };
    QString result;
    qsizetype from = 0;
    qsizetype pos = text.indexOf(first);
    while (pos >= 0) {
        if (matchesAt(pos)) {
            if (result.isNull())
                result.reserve(text.size() + text.size() / 16);
            result.append(QStringView(text).sliced(from, pos - from));
            result.append(replacement);
            from = pos + search.size();
            pos = text.indexOf(first, from);
        } else {
            pos = text.indexOf(first, pos + 1);
        }
    }
    if (from == 0)
        return text;
    result.append(QStringView(text).sliced(from));
    return result;
}

} // namespace

void DeleteCaretLine(TEditControl &editor)
{
    editor.DeleteLine(editor.LineFromChar(editor.SelStart()));
}

bool DeleteToLineEnd(TEditControl &editor)
{
    const int caret = editor.SelStart();
    const int line = editor.LineFromChar(caret);
    if (caret <= 0 || line == 0)
        return false;
    const int end = editor.LineIndex(line) + editor.LineLength(line);
    if (end <= caret)
        return false;
    ReplaceRange(editor, caret, end - caret, QString());
    return true;
}

void IndentBlock(TEditControl &editor)
{
    const int selStart = editor.SelStart();
    const int selLength = editor.SelLength();
    const int first = editor.LineFromChar(selStart);
    const int last = editor.LineFromChar(selStart + selLength);
    int start = 0;
    const QString block = LinesText(editor, first, last, start);
    QString indented;
    indented.reserve(block.size() + (last - first + 1));
    indented.append(u' ');
    for (const QChar c : block) {
        indented.append(c);
        if (c == u'\n')
            indented.append(u' ');
    }
    ReplaceRange(editor, start, int(block.size()), indented);
    editor.SetSelStart(selStart);
    editor.SetSelLength(selLength + (last - first + 1));
    editor.SetModified(true);
}

void UnindentBlock(TEditControl &editor)
{
    const int selStart = editor.SelStart();
    const int selLength = editor.SelLength();
    const int first = editor.LineFromChar(selStart);
    const int last = editor.LineFromChar(selStart + selLength);
    if (last - first >= 2) {
        int start = 0;
        const QString block = LinesText(editor, first + 1, last - 1, start);
        QString unindented;
        unindented.reserve(block.size());
        bool lineStart = true;
        for (const QChar c : block) {
            if (!(lineStart && c == u' '))
                unindented.append(c);
            lineStart = c == u'\n';
        }
        if (unindented.size() != block.size())
            ReplaceRange(editor, start, int(block.size()), unindented);
    }
    editor.SetSelStart(selStart);
    editor.SetSelLength(std::max(0, selLength - (last - first + 1)));
    editor.SetModified(true);
}

QString OemToAnsiText(const QString &text)
{
    const QString &oemChars = Oem().Chars;
    QString result = text;
    for (QChar &c : result) {
        const int byte = AnsiByte(c);
        if (byte >= 0)
            c = oemChars[byte];
    }
    return result;
}

QString AnsiToOemText(const QString &text)
{
    static const QString ansiChars = [] {
        QString chars;
        for (int b = 0; b < 256; ++b)
            chars.append(AnsiChar(b));
        return chars;
    }();
    const std::vector<qint16> &oemBytes = Oem().Bytes;
    QString result = text;
    for (QChar &c : result) {
        const int byte = oemBytes[c.unicode()];
        if (byte >= 0)
            c = ansiChars[byte];
    }
    return result;
}

void ConvertOemToAnsi(TEditControl &editor)
{
    const QString text = editor.Text();
    if (!text.isEmpty())
        ReplaceKeepingSelection(editor, text, OemToAnsiText(text));
}

void ConvertAnsiToOem(TEditControl &editor)
{
    const QString text = editor.Text();
    if (text.isEmpty())
        return;
    ReplaceKeepingSelection(editor, text, AnsiToOemText(text));
    editor.SetModified(true);
}

QString AnsiLowerText(const QString &text)
{
    QString result = text;
    for (QChar &c : result)
        c = c.toLower();
    return result;
}

void ConvertToLowerCase(TEditControl &editor)
{
    const QString text = editor.Text();
    ReplaceKeepingSelection(editor, text, AnsiLowerText(text));
}

QString LowerCaseTags(const QString &text)
{
    QString result = text;
    for (const TTagCasePair &pair : TagCasePairs()) {
        result = ReplaceIgnoringCase(result,
                                     QStringView(pair.Search.data(), pair.Search.size()),
                                     QStringView(pair.Replacement.data(), pair.Replacement.size()));
    }
    return result;
}

void TagsToLowerCase(TEditControl &editor)
{
    const QString text = editor.Text();
    const QString lowered = LowerCaseTags(text);
    if (lowered == text)
        return;
    ReplaceDifferingSpan(editor, text, lowered);
    editor.SetSelStart(0);
}

TFileDialogOptions BlockSaveDialogOptions()
{
    TFileDialogOptions options;
    options.Title = QStringLiteral("Block speichern unter");
    return options;
}

TSaveResult WriteBlockToFile(const TEditControl &editor, const QString &fileName, bool backup)
{
    if (IsReadOnlyFile(fileName))
        return TSaveResult::Failed(SaveErrorMessage(fileName, EACCES, true));
    const QString block = editor.SelText();
    TTextFormat format;
    if (!AnsiCanEncode(block))
        format.Encoding = TTextEncoding::Utf8;
    return WriteFileSafely(fileName, EncodeText(block, format), backup);
}
