#include "TextBuffer.h"

#include <QClipboard>
#include <QGuiApplication>

#include <algorithm>

namespace {

const QString CrLf = QStringLiteral("\r\n");

bool HasOnlyCrLfBreaks(const QString &text)
{
    const int n = int(text.size());
    for (int i = 0; i < n; ++i) {
        const QChar c = text.at(i);
        if (c == u'\r') {
            if (i + 1 >= n || text.at(i + 1) != u'\n')
                return false;
            ++i;
        } else if (c == u'\n') {
            return false;
        }
    }
    return true;
}

} // namespace

QString NormalizeLineBreaks(const QString &text)
{
    if (HasOnlyCrLfBreaks(text))
        return text;
    QString result;
    result.reserve(text.size() + text.size() / 8 + 2);
    const int n = int(text.size());
    for (int i = 0; i < n; ++i) {
        const QChar c = text.at(i);
        if (c == u'\r' || c == u'\n') {
            result += CrLf;
            if (c == u'\r' && i + 1 < n && text.at(i + 1) == u'\n')
                ++i;
        } else {
            result += c;
        }
    }
    return result;
}

TTextBuffer::TTextBuffer() = default;

TTextBuffer::TTextBuffer(const QString &text)
    : Content(NormalizeLineBreaks(text))
{
    RebuildLineStarts();
    MarkLength = int(Content.size());
}

QString TTextBuffer::Text() const
{
    return Content;
}

void TTextBuffer::SetText(const QString &text)
{
    const bool wasModified = IsModified;
    Replace(0, int(Content.size()), NormalizeLineBreaks(text));
    IsModified = wasModified;
    Caret = 0;
    Selected = 0;
}

int TTextBuffer::TextLength() const
{
    return int(Content.size());
}

QString TTextBuffer::TextRange(int start, int length) const
{
    const qint64 n = Content.size();
    const qint64 from = std::clamp<qint64>(start, 0, n);
    const qint64 to = std::clamp<qint64>(qint64(start) + length, 0, n);
    return to > from ? Content.mid(from, to - from) : QString();
}

int TTextBuffer::IndexOf(QStringView needle) const
{
    return int(Content.indexOf(needle));
}

TTextChange TTextBuffer::ChangesSinceMark() const
{
    TTextChange change;
    change.Changed = HasChanges;
    if (HasChanges) {
        change.Start = ChangeHead;
        change.OldLength = std::max(0, MarkLength - ChangeHead - ChangeTail);
        change.NewLength = std::max(0, int(Content.size()) - ChangeHead - ChangeTail);
    }
    return change;
}

void TTextBuffer::MarkChanges()
{
    HasChanges = false;
    ChangeHead = 0;
    ChangeTail = 0;
    MarkLength = int(Content.size());
}

void TTextBuffer::AppendAtEnd(QString text)
{
    const QString normal = NormalizeLineBreaks(text);
    const int end = int(Content.size());
    Content += normal;
    UpdateLineStarts(end, 0, normal);
    // Part of the marked text: the untouched tail behind a change grows by it.
    MarkLength += int(normal.size());
    if (HasChanges)
        ChangeTail += int(normal.size());
}

int TTextBuffer::SelStart() const
{
    return Caret;
}

int TTextBuffer::SelLength() const
{
    return Selected;
}

void TTextBuffer::SetSelStart(int offset)
{
    Caret = Snap(offset);
    Selected = 0;
}

void TTextBuffer::SetSelLength(int length)
{
    const qint64 end = std::clamp<qint64>(qint64(Caret) + std::max(0, length), 0, Content.size());
    Selected = Snap(int(end)) - Caret;
}

QString TTextBuffer::SelText() const
{
    return Content.mid(Caret, Selected);
}

void TTextBuffer::ReplaceSelection(const QString &text)
{
    Replace(Caret, Selected, NormalizeLineBreaks(text));
}

void TTextBuffer::SelectAll()
{
    Caret = 0;
    Selected = int(Content.size());
}

int TTextBuffer::LineCount() const
{
    return int(LineStarts.size());
}

QString TTextBuffer::Line(int line) const
{
    if (line < 0 || line >= LineCount())
        return QString();
    return Content.mid(LineStarts[line], LineEnd(line) - LineStarts[line]);
}

void TTextBuffer::SetLine(int line, const QString &text)
{
    if (line < 0 || line >= LineCount())
        return;
    Replace(LineStarts[line], LineEnd(line) - LineStarts[line], NormalizeLineBreaks(text));
}

int TTextBuffer::LineFromChar(int offset) const
{
    const int clamped = std::clamp(offset, 0, int(Content.size()));
    const auto it = std::upper_bound(LineStarts.begin(), LineStarts.end(), clamped);
    return int(it - LineStarts.begin()) - 1;
}

int TTextBuffer::LineIndex(int line) const
{
    return line >= 0 && line < LineCount() ? LineStarts[line] : -1;
}

int TTextBuffer::LineLength(int line) const
{
    return line >= 0 && line < LineCount() ? LineEnd(line) - LineStarts[line] : 0;
}

void TTextBuffer::InsertLine(int line, const QString &text)
{
    if (line < 0)
        return;
    const QString normalized = NormalizeLineBreaks(text);
    if (line < LineCount()) {
        Replace(LineStarts[line], 0, normalized + CrLf);
        return;
    }
    // Just past the last line the text is appended, but only behind a line that is not empty.
    if (line == LineCount() && LineLength(line - 1) > 0)
        Replace(int(Content.size()), 0, CrLf + normalized);
}

void TTextBuffer::AddLine(const QString &text)
{
    // Lines are counted as a line list counts them: an empty last line is not a line of its own,
    // so the new line takes its place (in front of it) and a break follows the new line.
    const int count = LineLength(LineCount() - 1) == 0 ? LineCount() - 1 : LineCount();
    if (count < LineCount())
        Replace(LineStarts[count], 0, NormalizeLineBreaks(text) + CrLf);
    else
        Replace(int(Content.size()), 0, CrLf + NormalizeLineBreaks(text));
}

void TTextBuffer::DeleteLine(int line)
{
    if (line < 0 || line >= LineCount())
        return;
    const int end = line + 1 < LineCount() ? LineStarts[line + 1] : int(Content.size());
    Replace(LineStarts[line], end - LineStarts[line], QString());
}

bool TTextBuffer::Modified() const
{
    return IsModified;
}

void TTextBuffer::SetModified(bool modified)
{
    IsModified = modified;
}

void TTextBuffer::CutToClipboard()
{
    if (Selected == 0)
        return;
    CopyToClipboard();
    ClearSelection();
}

void TTextBuffer::CopyToClipboard()
{
    if (Selected > 0)
        QGuiApplication::clipboard()->setText(SelText());
}

void TTextBuffer::PasteFromClipboard()
{
    const QString text = QGuiApplication::clipboard()->text();
    if (!text.isEmpty())
        ReplaceSelection(text);
}

void TTextBuffer::ClearSelection()
{
    if (Selected > 0)
        Replace(Caret, Selected, QString());
}

bool TTextBuffer::WordWrap() const
{
    return Wraps;
}

void TTextBuffer::SetWordWrap(bool wrap)
{
    Wraps = wrap;
}

void TTextBuffer::ScrollCaret() {}

void TTextBuffer::Replace(int start, int length, const QString &text)
{
    Caret = start + int(text.size());
    Selected = 0;
    if (length == 0 && text.isEmpty())
        return;
    NoteChange(start, length);
    Content.replace(start, length, text);
    UpdateLineStarts(start, length, text);
    IsModified = true;
}

void TTextBuffer::NoteChange(int start, int length)
{
    const int tail = int(Content.size()) - start - length;
    if (!HasChanges) {
        HasChanges = true;
        ChangeHead = start;
        ChangeTail = tail;
        return;
    }
    // Characters behind an earlier change keep their distance from the end unless this change
    // reaches into them, so the untouched head and tail are the minima over all changes.
    ChangeHead = std::min(ChangeHead, start);
    ChangeTail = std::min(ChangeTail, tail);
}

void TTextBuffer::UpdateLineStarts(int start, int length, const QString &text)
{
    // Breaks are whole CR LF pairs and edits never cut one, so the lines that start inside
    // (start, start + length] lose their break, and each CR of the new text adds one.
    const auto first = std::upper_bound(LineStarts.begin(), LineStarts.end(), start);
    const auto last = std::upper_bound(first, LineStarts.end(), start + length);
    const int firstIndex = int(first - LineStarts.begin());
    const int removed = int(last - first);
    const int added = int(text.count(u'\r'));
    if (added > removed)
        LineStarts.insert(LineStarts.begin() + firstIndex + removed, added - removed, 0);
    else if (added < removed)
        LineStarts.erase(LineStarts.begin() + firstIndex + added,
                         LineStarts.begin() + firstIndex + removed);
    int index = firstIndex;
    for (int i = 0; i < int(text.size()); ++i) {
        if (text.at(i) == u'\r')
            LineStarts[index++] = start + i + 2;
    }
    const int delta = int(text.size()) - length;
    for (auto it = LineStarts.begin() + index; it != LineStarts.end(); ++it)
        *it += delta;
}

void TTextBuffer::RebuildLineStarts()
{
    LineStarts.assign(1, 0);
    for (int i = 0; i < int(Content.size()); ++i) {
        if (Content.at(i) == u'\r')
            LineStarts.push_back(i + 2);
    }
}

int TTextBuffer::Snap(int offset) const
{
    const int clamped = std::clamp(offset, 0, int(Content.size()));
    if (clamped > 0 && clamped < Content.size() && Content.at(clamped - 1) == u'\r')
        return clamped - 1;
    return clamped;
}

int TTextBuffer::LineEnd(int line) const
{
    return line + 1 < LineCount() ? LineStarts[line + 1] - 2 : int(Content.size());
}
