#include "PlainTextEditControl.h"

#include "ColorMemo.h"
#include "EditCommandRouter.h"
#include "TextPositions.h"

#include <QAbstractTextDocumentLayout>
#include <QPlainTextEdit>
#include <QScrollBar>
#include <QSignalBlocker>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>

#include <algorithm>
#include <utility>

TPlainTextEditControl::TPlainTextEditControl(QPlainTextEdit *edit)
    : QObject(edit)
    , Widget(edit)
{
    Q_ASSERT(edit);
    // The window's snapshot ring is the only history; a second one would double the memory.
    edit->setUndoRedoEnabled(false);
    connect(&Doc(), &QTextDocument::contentsChange, this, &TPlainTextEditControl::NoteChange);
    TEditCommandRouter *router = TEditCommandRouter::Of(edit);
    connect(router, &TEditCommandRouter::UndoRequested, this, &TPlainTextEditControl::UndoRequested);
    connect(router, &TEditCommandRouter::RedoRequested, this, &TPlainTextEditControl::RedoRequested);
    MarkChanges();
}

QTextDocument &TPlainTextEditControl::Doc() const
{
    return *Widget->document();
}

QString TPlainTextEditControl::Text() const
{
    return CrLfText(Doc());
}

void TPlainTextEditControl::SetText(const QString &text)
{
    const bool wasModified = Doc().isModified();
    Widget->setPlainText(ToDocumentBreaks(text));
    Doc().setModified(wasModified);
}

int TPlainTextEditControl::TextLength() const
{
    return CrLfLength(Doc());
}

QString TPlainTextEditControl::TextRange(int start, int length) const
{
    return CrLfRange(Doc(), start, length);
}

int TPlainTextEditControl::IndexOf(QStringView needle) const
{
    // The raw text has one character per block break, as the document's positions count; a
    // needle without breaks is found there without turning the breaks into CR LF first.
    const qsizetype position = Doc().toRawText().indexOf(needle);
    return position < 0 ? -1 : OffsetFromPosition(Doc(), int(position));
}

TTextChange TPlainTextEditControl::ChangesSinceMark() const
{
    TTextChange change;
    if (!ChangedSinceMark)
        return change;
    const int length = TextLength();
    change.Changed = true;
    change.Start = MinChangeStart;
    change.NewLength = std::max(0, length - MinEndDistance - MinChangeStart);
    change.OldLength = std::max(0, MarkLength - MinEndDistance - MinChangeStart);
    return change;
}

void TPlainTextEditControl::MarkChanges()
{
    ChangedSinceMark = false;
    MarkLength = TextLength();
    MinChangeStart = MarkLength;
    MinEndDistance = MarkLength;
}

void TPlainTextEditControl::AppendAtEnd(QString text)
{
    if (text.isEmpty())
        return;
    const bool wasModified = Doc().isModified();
    const bool changed = ChangedSinceMark;
    const int changeStart = MinChangeStart;
    const int endDistance = MinEndDistance;
    const int lengthBefore = TextLength();
    const int anchor = Widget->textCursor().anchor();
    const int position = Widget->textCursor().position();
    const auto insertAtEnd = [&] {
        // In an edit block, where Qt's cursor leaves its x alone: finding it in the line the
        // text ends in analyses all of that line, megabytes when a slice cuts a long line.
        QTextCursor end(&Doc());
        end.beginEditBlock();
        end.movePosition(QTextCursor::End);
        end.insertText(ToDocumentBreaks(std::move(text)));
        end.endEditBlock();
    };
    QAbstractTextDocumentLayout *layout = Doc().documentLayout();
    if (EndIsBelowView()) {
        // Nothing on screen changes: the layout's call for a repaint of the whole view is held
        // back, and only the scroll bar learns the new size.
        {
            const QSignalBlocker quiet(layout);
            insertAtEnd();
        }
        Q_EMIT layout->documentSizeChanged(layout->documentSize());
    } else {
        insertAtEnd();
    }
    // A caret at the end would move behind the new text; it stays where the user put it.
    if (Widget->textCursor().position() != position) {
        QTextCursor cursor(&Doc());
        cursor.setPosition(anchor);
        cursor.setPosition(position, QTextCursor::KeepAnchor);
        ApplyCursor(cursor);
    }
    // The new text counts as part of the marked text: the change span keeps its start, and its
    // distance from the end grows by what came in behind it.
    const int added = TextLength() - lengthBefore;
    if (changed) {
        ChangedSinceMark = true;
        MinChangeStart = changeStart;
        MinEndDistance = endDistance + added;
        MarkLength += added;
    } else {
        MarkChanges();
    }
    Doc().setModified(wasModified);
}

bool TPlainTextEditControl::EndIsBelowView() const
{
    // The line at the bottom of the view comes before the last one.
    if (const auto *memo = qobject_cast<const TColorMemo *>(Widget))
        return memo->IsBelowView(Doc().lastBlock().position());
    const QPoint bottom(0, Widget->viewport()->height());
    return Widget->cursorForPosition(bottom).block() != Doc().lastBlock();
}

void TPlainTextEditControl::NoteChange(int position, int removed, int added)
{
    Q_UNUSED(removed);
    // The document counts the separator behind its last block in a change that reaches the
    // end; clamp to the text.
    const QTextDocument &doc = Doc();
    const int lastPosition = doc.characterCount() - 1;
    const int start = OffsetFromPosition(doc, std::min(position, lastPosition));
    const int end = OffsetFromPosition(doc, std::min(position + added, lastPosition));
    ChangedSinceMark = true;
    MinChangeStart = std::min(MinChangeStart, start);
    MinEndDistance = std::min(MinEndDistance, CrLfLength(doc) - end);
}

int TPlainTextEditControl::SelStart() const
{
    return OffsetFromPosition(Doc(), Widget->textCursor().selectionStart());
}

int TPlainTextEditControl::SelLength() const
{
    const QTextCursor cursor = Widget->textCursor();
    return OffsetFromPosition(Doc(), cursor.selectionEnd())
           - OffsetFromPosition(Doc(), cursor.selectionStart());
}

void TPlainTextEditControl::SetSelStart(int offset)
{
    QTextCursor cursor = Widget->textCursor();
    cursor.setPosition(PositionFromOffset(Doc(), offset));
    ApplyCursor(cursor);
}

void TPlainTextEditControl::SetSelLength(int length)
{
    QTextCursor cursor = Widget->textCursor();
    const int start = cursor.selectionStart();
    const int end = PositionFromOffset(Doc(), OffsetFromPosition(Doc(), start) + length);
    cursor.setPosition(start);
    cursor.setPosition(std::max(start, end), QTextCursor::KeepAnchor);
    ApplyCursor(cursor);
}

QString TPlainTextEditControl::SelText() const
{
    return FromDocumentBreaks(Widget->textCursor().selectedText());
}

void TPlainTextEditControl::ReplaceSelection(const QString &text)
{
    QTextCursor cursor = Widget->textCursor();
    cursor.insertText(ToDocumentBreaks(text));
    Widget->setTextCursor(cursor);
}

void TPlainTextEditControl::SelectAll()
{
    QTextCursor cursor(&Doc());
    cursor.movePosition(QTextCursor::End, QTextCursor::KeepAnchor);
    ApplyCursor(cursor);
}

int TPlainTextEditControl::LineCount() const
{
    return Doc().blockCount();
}

QString TPlainTextEditControl::Line(int line) const
{
    if (line < 0 || line >= LineCount())
        return {};
    return Doc().findBlockByNumber(line).text();
}

void TPlainTextEditControl::SetLine(int line, const QString &text)
{
    if (line < 0 || line >= LineCount())
        return;
    const QTextBlock block = Doc().findBlockByNumber(line);
    ReplaceRange(block.position(), block.position() + block.length() - 1, text);
}

int TPlainTextEditControl::LineFromChar(int offset) const
{
    return LinePosFromOffset(Doc(), offset).Line;
}

int TPlainTextEditControl::LineIndex(int line) const
{
    return OffsetOfLine(Doc(), line);
}

int TPlainTextEditControl::LineLength(int line) const
{
    if (line < 0 || line >= LineCount())
        return 0;
    return Doc().findBlockByNumber(line).length() - 1;
}

void TPlainTextEditControl::InsertLine(int line, const QString &text)
{
    const int count = LineCount();
    if (line < 0 || line > count)
        return;
    if (line < count) {
        const int position = Doc().findBlockByNumber(line).position();
        ReplaceRange(position, position, text + u'\n');
        return;
    }
    const QTextBlock last = Doc().lastBlock();
    if (last.length() > 1) {
        const int end = last.position() + last.length() - 1;
        ReplaceRange(end, end, u'\n' + text);
    }
}

void TPlainTextEditControl::AddLine(const QString &text)
{
    // As a line list counts lines, an empty last line is no line of its own: the new line takes
    // its place, followed by a break.
    const QTextBlock last = Doc().lastBlock();
    const int end = last.position() + last.length() - 1;
    if (last.length() == 1)
        ReplaceRange(end, end, text + u'\n');
    else
        ReplaceRange(end, end, u'\n' + text);
}

void TPlainTextEditControl::DeleteLine(int line)
{
    const int count = LineCount();
    if (line < 0 || line >= count)
        return;
    const QTextBlock block = Doc().findBlockByNumber(line);
    // The last line has no break of its own; the one in front of it stays.
    const int end = line + 1 < count ? block.next().position()
                                     : block.position() + block.length() - 1;
    ReplaceRange(block.position(), end, QString());
}

bool TPlainTextEditControl::Modified() const
{
    return Doc().isModified();
}

void TPlainTextEditControl::SetModified(bool modified)
{
    Doc().setModified(modified);
}

void TPlainTextEditControl::CutToClipboard()
{
    TEditCommandRouter::Of(Widget)->Cut();
}

void TPlainTextEditControl::CopyToClipboard()
{
    TEditCommandRouter::Of(Widget)->Copy();
}

void TPlainTextEditControl::PasteFromClipboard()
{
    Widget->paste();
}

void TPlainTextEditControl::ClearSelection()
{
    QTextCursor cursor = Widget->textCursor();
    cursor.removeSelectedText();
    Widget->setTextCursor(cursor);
}

bool TPlainTextEditControl::WordWrap() const
{
    return Widget->lineWrapMode() != QPlainTextEdit::NoWrap;
}

void TPlainTextEditControl::SetWordWrap(bool wrap)
{
    Widget->setLineWrapMode(wrap ? QPlainTextEdit::WidgetWidth : QPlainTextEdit::NoWrap);
}

void TPlainTextEditControl::ScrollCaret()
{
    if (auto *memo = qobject_cast<TColorMemo *>(Widget))
        memo->ShowCaret();
    else
        Widget->ensureCursorVisible();
}

void TPlainTextEditControl::ReplaceRange(int from, int to, const QString &text)
{
    if (from == to && text.isEmpty())
        return;
    QTextCursor cursor(&Doc());
    cursor.setPosition(from);
    cursor.setPosition(to, QTextCursor::KeepAnchor);
    cursor.insertText(ToDocumentBreaks(text));
    Widget->setTextCursor(cursor);
}

void TPlainTextEditControl::ApplyCursor(const QTextCursor &cursor)
{
    QScrollBar *horizontal = Widget->horizontalScrollBar();
    QScrollBar *vertical = Widget->verticalScrollBar();
    const int x = horizontal->value();
    const int y = vertical->value();
    Widget->setTextCursor(cursor);
    horizontal->setValue(x);
    vertical->setValue(y);
}
