// Long unwrapped lines in TColorMemo: Qt's layout leaves them out (TLongLineLayout), so the
// editor measures them with rulers, paints their shown columns, selection and caret, places
// the caret for clicks and vertical moves and scrolls to it.

#include "ColorMemo.h"

#include <QDropEvent>
#include <QFontMetricsF>
#include <QInputMethodEvent>
#include <QKeyEvent>
#include <QKeySequence>
#include <QMimeData>
#include <QMouseEvent>
#include <QPainter>
#include <QScrollBar>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextLayout>

#include <algorithm>
#include <cmath>
#include <iterator>

namespace {

// The tab stops of a line at `distance` from its start, between the x positions start and end,
// counted from start: a layout of the columns from start on puts its tabs where the whole
// line's are.
QList<QTextOption::Tab> TabStopsFrom(qreal start, qreal end, qreal distance)
{
    QList<QTextOption::Tab> stops;
    for (qreal stop = (std::floor(start / distance) + 1) * distance; stop <= end + distance;
         stop += distance)
        stops.append(QTextOption::Tab(stop - start, QTextOption::LeftTab));
    return stops;
}

// How far around the caret a move inside a long line looks: the rules for characters and
// words need only their neighbourhood.
constexpr int MoveNeighbourhood = 2048;

// The keys that move the caret inside a long line by the text around it.
struct TLongLineMove
{
    QKeySequence::StandardKey Key;
    QTextLayout::CursorMode Unit;
    bool Forward;
    QTextCursor::MoveMode Mode;
};

constexpr TLongLineMove LongLineMoves[] = {
    {QKeySequence::MoveToNextChar, QTextLayout::SkipCharacters, true, QTextCursor::MoveAnchor},
    {QKeySequence::MoveToPreviousChar, QTextLayout::SkipCharacters, false, QTextCursor::MoveAnchor},
    {QKeySequence::SelectNextChar, QTextLayout::SkipCharacters, true, QTextCursor::KeepAnchor},
    {QKeySequence::SelectPreviousChar, QTextLayout::SkipCharacters, false, QTextCursor::KeepAnchor},
    {QKeySequence::MoveToNextWord, QTextLayout::SkipWords, true, QTextCursor::MoveAnchor},
    {QKeySequence::MoveToPreviousWord, QTextLayout::SkipWords, false, QTextCursor::MoveAnchor},
    {QKeySequence::SelectNextWord, QTextLayout::SkipWords, true, QTextCursor::KeepAnchor},
    {QKeySequence::SelectPreviousWord, QTextLayout::SkipWords, false, QTextCursor::KeepAnchor},
    // Delete selects the character behind the caret first, as Qt does.
    {QKeySequence::Delete, QTextLayout::SkipCharacters, true, QTextCursor::KeepAnchor},
};

} // namespace

int TColorMemo::PositionAt(const QPoint &pos) const
{
    const QTextBlock block = BlockAtHeight(pos.y());
    if (block.isValid() && LongLines->IsLongLine(block))
        return PositionInLongLine(block, pos.x() - contentOffset().x());
    return cursorForPosition(pos).position();
}

int TColorMemo::PositionInLongLine(const QTextBlock &block, qreal x) const
{
    const TLineText text(block);
    const int column = LongLineRuler(block)->NearestColumn(text, x - LongLines->TextLeft());
    return block.position() + column;
}

QRectF TColorMemo::PositionRect(int position) const
{
    const QTextBlock block = document()->findBlock(position);
    if (!block.isValid())
        return {};
    const QRectF blockRect = blockBoundingGeometry(block).translated(contentOffset());
    const int column = position - block.position();
    // Asked with every move of the caret (input methods too): a long line is read around the
    // column only.
    if (const auto ruler = LongLineRuler(block)) {
        const TLineText text(block);
        const qreal x = LongLines->TextLeft() + ruler->X(text, column);
        return QRectF(blockRect.left() + x, blockRect.top(), 0, LongLines->LineHeight());
    }
    const QTextLine displayLine = block.layout()->lineForTextPosition(column);
    if (!displayLine.isValid())
        return {};
    return QRectF(blockRect.left() + displayLine.cursorToX(column),
                  blockRect.top() + displayLine.y(),
                  0,
                  displayLine.height());
}

std::shared_ptr<const TLineRuler> TColorMemo::LongLineRuler(const QTextBlock &block) const
{
    return LongLines->IsLongLine(block) ? LongLines->Ruler(block) : nullptr;
}

void TColorMemo::LayOutShownColumns(TVisibleLine &line, const TLineText &text) const
{
    const qreal start = line.Ruler->X(text, line.ShownFrom);
    qreal end = line.Ruler->X(text, line.ShownTo);
    QString shown = line.Text;
    // An input method's unfinished text, shown as Qt would show it in the line.
    const QTextLayout &lineLayout = *line.Block.layout();
    const QString composed = lineLayout.preeditAreaText();
    const int composedAt = lineLayout.preeditAreaPosition() - line.ShownFrom;
    QList<QTextLayout::FormatRange> formats;
    line.ComposedAt = -1;
    if (!composed.isEmpty() && composedAt >= 0 && composedAt <= shown.size()) {
        line.ComposedAt = composedAt;
        shown.insert(composedAt, composed);
        end += QFontMetricsF(font()).horizontalAdvance(composed);
        for (QTextLayout::FormatRange range : lineLayout.formats()) {
            range.start -= line.ShownFrom;
            formats.append(range);
        }
    }
    auto layout = std::make_shared<QTextLayout>(shown, font());
    layout->setFormats(formats);
    QTextOption option = document()->defaultTextOption();
    option.setWrapMode(QTextOption::NoWrap);
    if (shown.contains(u'\t'))
        option.setTabs(TabStopsFrom(start, end, tabStopDistance() > 0 ? tabStopDistance() : 1));
    layout->setTextOption(option);
    layout->beginLayout();
    QTextLine displayLine = layout->createLine();
    displayLine.setLeadingIncluded(true);
    displayLine.setLineWidth(end - start);
    displayLine.setPosition(QPointF(LongLines->TextLeft() + start, 0));
    layout->endLayout();
    line.Shown = std::move(layout);
}

const TColorMemo::TVisibleLine *TColorMemo::VisibleLongLine(const QTextBlock &block) const
{
    for (const TVisibleLine &line : VisibleLines) {
        if (line.Block == block)
            return line.Shown ? &line : nullptr;
    }
    return nullptr;
}

void TColorMemo::PaintLongLines(QPainter &painter, const QRect &dirty)
{
    const QAbstractTextDocumentLayout::PaintContext context = getPaintContext();
    painter.setPen(context.palette.text().color());
    const qreal height = LongLines->LineHeight();
    for (const TVisibleLine &line : VisibleLines) {
        if (!line.Shown || line.Top > dirty.bottom() || line.Top + height < dirty.top())
            continue;
        // The selections (the user's and any others) over the shown columns.
        QList<QTextLayout::FormatRange> selections;
        const int start = line.Block.position() + line.ShownFrom;
        const int end = line.Block.position() + line.ShownTo;
        for (const QAbstractTextDocumentLayout::Selection &selection : context.selections) {
            const int from = std::max(selection.cursor.selectionStart(), start);
            const int to = std::min(selection.cursor.selectionEnd(), end);
            if (to > from)
                selections.append({from - start, to - from, selection.format});
        }
        line.Shown->draw(&painter, QPointF(contentOffset().x(), line.Top), selections, dirty);
    }
}

void TColorMemo::PaintLongLineCaret(QPainter &painter, const QRect &dirty)
{
    const QTextCursor cursor = textCursor();
    const TVisibleLine *line = VisibleLongLine(cursor.block());
    if (!line)
        return;
    const int column = cursor.positionInBlock();
    if (column < line->ShownFrom || column > line->ShownTo)
        return;
    const QTextLine shown = line->Shown->lineAt(0);
    const qreal x = contentOffset().x() + shown.cursorToX(column - line->ShownFrom);
    const QFontMetricsF metrics(font());
    const qreal width = overwriteMode() ? metrics.horizontalAdvance(u'x') : cursorWidth();
    const QRectF caret(x, line->Top, width, LongLines->LineHeight());
    if (!dirty.contains(caret.toAlignedRect())) {
        QMetaObject::invokeMethod(
            this,
            [this, caret] { viewport()->update(caret.toAlignedRect()); },
            Qt::QueuedConnection);
    }
    // Hidden while blinking off, and without the focus.
    if (getPaintContext().cursorPosition == cursor.position())
        painter.fillRect(caret, palette().text());
}

void TColorMemo::RepaintLongLines(int start, int end)
{
    const qreal height = LongLines->LineHeight();
    bool reaches = false;
    for (const TVisibleLine &line : VisibleLines) {
        const int position = line.Block.position();
        reaches = reaches || (line.Shown && start <= position + line.Length && end >= position);
    }
    if (reaches || CaretWasInLongLine) {
        for (const TVisibleLine &line : VisibleLines) {
            if (line.Shown)
                viewport()->update(RowsRect(line.Top, height));
        }
    }
    CaretWasInLongLine = reaches;
}

void TColorMemo::ShowLongLineCaret()
{
    // After the event at hand: Qt scrolls to where it believes the caret is, which is the start
    // of a long line, as it finishes a key or a change of the caret.
    if (!LongLines->IsLongLine(textCursor().block()) || LongLineCaretPending)
        return;
    LongLineCaretPending = true;
    QMetaObject::invokeMethod(
        this,
        [this] {
            LongLineCaretPending = false;
            ScrollToLongLineCaret();
        },
        Qt::QueuedConnection);
}

void TColorMemo::ScrollToLongLineCaret()
{
    const QTextCursor cursor = textCursor();
    if (!LongLines->IsLongLine(cursor.block()))
        return;
    // Up or down by line numbers (the scroll bar counts lines): the geometry Qt gives a block
    // far from the view is only a guess beyond its edge. Unwrapped, every line is one row.
    QScrollBar *vertical = verticalScrollBar();
    const int line = cursor.block().firstLineNumber();
    const int rows = std::max(1, int(viewport()->height() / LongLines->LineHeight()));
    if (line < vertical->value())
        vertical->setValue(line);
    else if (line >= vertical->value() + rows)
        vertical->setValue(line - rows + 1);
    // Sideways a quarter of the view beyond the caret, so that typing on does not scroll with
    // every key; the scroll bar first learns the width of a line that just grew.
    Q_EMIT LongLines->documentSizeChanged(LongLines->documentSize());
    const QRectF caret = PositionRect(cursor.position());
    QScrollBar *horizontal = horizontalScrollBar();
    const int width = viewport()->width();
    if (caret.left() < 0)
        horizontal->setValue(horizontal->value() + int(caret.left()) - width / 4);
    else if (caret.left() + cursorWidth() > width)
        horizontal->setValue(horizontal->value() + int(caret.left()) - width * 3 / 4);
}

void TColorMemo::ShowCaret()
{
    ensureCursorVisible();
    ScrollToLongLineCaret();
}

void TColorMemo::CountLongLinesInScrollRange()
{
    // Qt lets the view scroll until the last screenful of display lines shows, counting each
    // block's laid-out lines; a long line has none, and the view would scroll one line past the
    // end for each in that screenful. The same count with a long line as its one line.
    if (centerOnScroll())
        return;
    const QTextDocument &doc = *document();
    const qreal visible = viewport()->height() - doc.documentMargin() - 1;
    qreal y = 0;
    int fromBottom = 0;
    bool longLines = false;
    for (QTextBlock block = doc.lastBlock(); block.isValid(); block = block.previous()) {
        if (!block.isVisible())
            continue;
        y += int(blockBoundingRect(block).height());
        const bool isLong = LongLines->IsLongLine(block);
        longLines = longLines || isLong;
        const QTextLayout &layout = *block.layout();
        const int lines = isLong ? 1 : layout.lineCount();
        if (y <= visible) {
            fromBottom += lines;
            continue;
        }
        // Cut at the top: only the lines that show whole count.
        for (int line = 0; line < lines; ++line) {
            const qreal top = isLong ? 0 : layout.lineAt(line).naturalTextRect().top();
            if (top >= y - visible)
                fromBottom += 1;
        }
        break;
    }
    QScrollBar *bar = verticalScrollBar();
    const int maximum = std::max(0, doc.lineCount() - fromBottom);
    if (longLines && bar->maximum() != maximum) {
        bar->setRange(0, maximum);
        bar->setPageStep(fromBottom);
    }
}

void TColorMemo::KeepLongLineCaretX()
{
    // Qt finds no x for a caret in a line it has not laid out; the line above or below takes
    // the column under the caret's x.
    QTextCursor cursor = textCursor();
    if (!LongLines->IsLongLine(cursor.block()))
        return;
    cursor.setVerticalMovementX(
        qRound(PositionRect(cursor.position()).left() - contentOffset().x()));
    setTextCursor(cursor);
}

void TColorMemo::EnterLongLineAtX(bool keepAnchor)
{
    // Qt enters a long line at its start; the caret goes to the column under its x instead.
    QTextCursor cursor = textCursor();
    const int x = cursor.verticalMovementX();
    if (!LongLines->IsLongLine(cursor.block()) || x < 0)
        return;
    cursor.setPosition(PositionInLongLine(cursor.block(), x),
                       keepAnchor ? QTextCursor::KeepAnchor : QTextCursor::MoveAnchor);
    cursor.setVerticalMovementX(x);
    setTextCursor(cursor);
}

TColorMemo::TLongLinePoint TColorMemo::LongLinePointAt(const QMouseEvent *event) const
{
    const QPoint pos = event->position().toPoint();
    const bool left = event->type() == QEvent::MouseMove ? event->buttons() & Qt::LeftButton
                                                         : event->button() == Qt::LeftButton;
    if (!left || DragPending || !LongLines->IsLongLine(BlockAtHeight(pos.y())))
        return {};
    return {PositionAt(pos), horizontalScrollBar()->value()};
}

void TColorMemo::PlaceCaretInLongLine(const TLongLinePoint &point,
                                      QMouseEvent *event,
                                      bool selectWord)
{
    if (point.Position < 0 || DragPending)
        return;
    horizontalScrollBar()->setValue(point.ScrollX);
    QTextCursor cursor = textCursor();
    if (selectWord) {
        cursor.setPosition(point.Position);
        cursor.select(QTextCursor::WordUnderCursor);
    } else {
        const bool keepAnchor = event->type() == QEvent::MouseMove
                                || (event->modifiers() & Qt::ShiftModifier);
        // A third click selected the line: that stays.
        if (!keepAnchor && cursor.hasSelection())
            return;
        // A press without Shift set the anchor where Qt put the caret; it goes with it.
        cursor.setPosition(point.Position,
                           keepAnchor ? QTextCursor::KeepAnchor : QTextCursor::MoveAnchor);
    }
    if (cursor != textCursor())
        setTextCursor(cursor);
    ReleaseLongLine();
}

bool TColorMemo::DropTextIntoLongLine(QDropEvent *event)
{
    // Qt would drop another program's text at the line's start.
    const QPoint pos = event->position().toPoint();
    if (isReadOnly() || !event->mimeData()->hasText()
        || !LongLines->IsLongLine(BlockAtHeight(pos.y())))
        return false;
    QTextCursor cursor = textCursor();
    cursor.setPosition(PositionAt(pos));
    cursor.insertText(event->mimeData()->text());
    setTextCursor(cursor);
    event->acceptProposedAction();
    return true;
}

bool TColorMemo::MoveInLongLine(QKeyEvent *event)
{
    QTextCursor cursor = textCursor();
    const QTextBlock block = cursor.block();
    if (!LongLines->IsLongLine(block))
        return false;
    const auto move = std::find_if(std::begin(LongLineMoves),
                                   std::end(LongLineMoves),
                                   [event](const TLongLineMove &m) {
                                       return event->matches(m.Key);
                                   });
    if (move == std::end(LongLineMoves))
        return false;
    const bool deletes = move->Key == QKeySequence::Delete;
    if (deletes && (isReadOnly() || cursor.hasSelection()))
        return false;
    // Across the line's ends Qt needs no analysis of it.
    const int column = cursor.position() - block.position();
    const int length = block.length() - 1;
    if (move->Forward ? column >= length : column <= 0)
        return false;
    const int from = std::max(0, column - MoveNeighbourhood);
    QTextLayout around(TLineText(block).Range(from, column + MoveNeighbourhood).toString(), font());
    const int target = move->Forward ? around.nextCursorPosition(column - from, move->Unit)
                                     : around.previousCursorPosition(column - from, move->Unit);
    cursor.setPosition(block.position() + from + target, move->Mode);
    if (deletes)
        cursor.removeSelectedText();
    setTextCursor(cursor);
    event->accept();
    return true;
}

void TColorMemo::ReleaseLongLine()
{
    const QTextBlock block = textCursor().block();
    if (LongLines->IsLongLine(block))
        TLongLineLayout::Release(block);
}

void TColorMemo::inputMethodEvent(QInputMethodEvent *event)
{
    // Qt scrolls to where it believes the caret is, the start of a long line.
    QPlainTextEdit::inputMethodEvent(event);
    ShowLongLineCaret();
}

QVariant TColorMemo::inputMethodQuery(Qt::InputMethodQuery query) const
{
    // Qt places these at the start of a long line; an input method's window goes to the caret.
    if ((query == Qt::ImCursorRectangle || query == Qt::ImAnchorRectangle)
        && LongLines->IsLongLine(textCursor().block())) {
        const QTextCursor cursor = textCursor();
        const int position = query == Qt::ImCursorRectangle ? cursor.position() : cursor.anchor();
        const QRectF rect = PositionRect(position).adjusted(0, 0, cursorWidth(), 0);
        return rect.translated(viewport()->pos()).toAlignedRect();
    }
    return QPlainTextEdit::inputMethodQuery(query);
}
