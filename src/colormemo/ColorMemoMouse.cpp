// Mouse handling of TColorMemo: hot spots, dragging selected text, dropped files.

#include "ColorMemo.h"
#include "TextDrop.h"
#include "TextPositions.h"

#include <QDrag>
#include <QDropEvent>
#include <QMimeData>
#include <QMouseEvent>
#include <QPainter>
#include <QScrollBar>
#include <QTextLayout>

namespace {

// Format of text dragged out of a colour editor. Only colour editors take it, so dragged text
// never reaches another program (a drag is no way round a closed cut-and-copy switch).
const QString DragMimeType = QStringLiteral("application/x-kalmora-colormemo-text");

} // namespace

QString TColorMemo::HotSpotAt(const QPoint &pos) const
{
    if (!HotSpotSettings.Active)
        return {};
    const QTextBlock block = BlockAtHeight(pos.y());
    if (!block.isValid())
        return {};
    const QRectF blockRect = blockBoundingGeometry(block).translated(contentOffset());
    const QTextLayout *layout = block.layout();
    QTextLine displayLine;
    if (!LongLines->IsLongLine(block)) {
        if (layout->lineCount() == 0)
            return {};
        displayLine = layout->lineAt(layout->lineCount() - 1);
        for (int i = 0; i < layout->lineCount(); ++i) {
            if (pos.y() < blockRect.top() + layout->lineAt(i).rect().bottom()) {
                displayLine = layout->lineAt(i);
                break;
            }
        }
    }
    // The character under the point, and the point no further than half a "W" from it.
    const TCharacterCell cell = CharacterUnder(block, displayLine, pos.x() - blockRect.left());
    const int lineEnd = displayLine.isValid() ? displayLine.textStart() + displayLine.textLength()
                                              : block.length() - 1;
    if (cell.Column >= lineEnd)
        return {};
    const QFontMetricsF metrics(font());
    const qreal halfW = metrics.horizontalAdvance(u'W') / 2;
    const qreal x1 = blockRect.left() + cell.Left;
    const qreal x2 = blockRect.left() + cell.Right;
    const qreal y = blockRect.top() + (displayLine.isValid() ? displayLine.y() : 0);
    if (y + metrics.height() < pos.y() || pos.x() < x1 - halfW || pos.x() > x2 + halfW)
        return {};
    const int offset = OffsetFromPosition(*document(), block.position() + cell.Column);
    const int index = PassHotRanges.IndexOf(offset);
    if (index < 0)
        return {};
    const THotRange &range = PassHotRanges[index];
    return CrLfRange(*document(), range.First, range.Last - range.First + 1);
}

QTextBlock TColorMemo::BlockAtHeight(qreal y) const
{
    QTextBlock block = firstVisibleBlock();
    if (!block.isValid())
        return block;
    qreal top = blockBoundingGeometry(block).translated(contentOffset()).top();
    const qreal viewBottom = viewport()->height();
    for (;;) {
        top += blockBoundingRect(block).height();
        const QTextBlock next = block.next();
        if (y < top || !next.isValid() || top >= viewBottom)
            return block;
        block = next;
    }
}

TColorMemo::TCharacterCell TColorMemo::CharacterUnder(const QTextBlock &block,
                                                      const QTextLine &displayLine,
                                                      qreal x) const
{
    if (const auto ruler = LongLineRuler(block)) {
        const TLineText text(block);
        const qreal left = LongLines->TextLeft();
        const int column = ruler->ColumnUnder(text, x - left);
        return {column, left + ruler->X(text, column), left + ruler->X(text, column + 1)};
    }
    const int column = displayLine.xToCursor(x, QTextLine::CursorOnCharacter);
    return {column, displayLine.cursorToX(column), displayLine.cursorToX(column + 1)};
}

void TColorMemo::UpdateHotSpot(const QPoint &pos)
{
    if (!HotSpotSettings.Active)
        return;
    const QString hotSpot = HotSpotAt(pos);
    if (hotSpot == LastHotSpot)
        return;
    if (!hotSpot.isEmpty()) {
        if (viewport()->cursor().shape() != Qt::PointingHandCursor)
            RestoreCursor = viewport()->cursor();
        viewport()->setCursor(Qt::PointingHandCursor);
    } else {
        viewport()->setCursor(RestoreCursor);
    }
    const QString left = LastHotSpot;
    LastHotSpot = hotSpot;
    if (!left.isEmpty() && OnHotSpotExit)
        OnHotSpotExit(*this, left);
    if (!hotSpot.isEmpty() && OnHoverHotSpot)
        OnHoverHotSpot(*this, hotSpot);
}

bool TColorMemo::BeginDragCandidate(QMouseEvent *event)
{
    if (!MemoOptions.testFlag(cmoDragText) || isReadOnly()
        || (event->modifiers() & Qt::ShiftModifier)) {
        return false;
    }
    const QTextCursor cursor = textCursor();
    if (!cursor.hasSelection())
        return false;
    const QPoint pos = event->position().toPoint();
    const int position = PositionAt(pos);
    if (position < cursor.selectionStart() || position > cursor.selectionEnd())
        return false;
    DragSelStart = OffsetFromPosition(*document(), cursor.selectionStart());
    DragSelLength = OffsetFromPosition(*document(), cursor.selectionEnd()) - DragSelStart;
    DragOrigin = pos;
    DragPending = true;
    return true;
}

void TColorMemo::StartTextDrag()
{
    DragPending = false;
    auto *drag = new QDrag(this);
    auto *mime = new QMimeData; // owned by the drag
    mime->setData(DragMimeType, CrLfRange(*document(), DragSelStart, DragSelLength).toUtf8());
    drag->setMimeData(mime);
    Dragging = true;
    DropHandled = false;
    const Qt::DropAction action = drag->exec(Qt::MoveAction | Qt::CopyAction, Qt::MoveAction);
    Dragging = false;
    MoveDropCaret(-1);
    // Cancelled, or dropped where nobody took it: the press was a click after all.
    if (!DropHandled && action == Qt::IgnoreAction)
        PlaceCaretAt(DragOrigin);
}

bool TColorMemo::IsOwnTextDrag(const QDropEvent *event) const
{
    return event->mimeData()->hasFormat(DragMimeType)
           && qobject_cast<const TColorMemo *>(event->source()) != nullptr;
}

bool TColorMemo::AcceptDrag(QDragMoveEvent *event)
{
    if (IsOwnTextDrag(event)) {
        const bool copy = event->modifiers() & Qt::ControlModifier;
        event->setDropAction(copy ? Qt::CopyAction : Qt::MoveAction);
        event->accept();
        MoveDropCaret(PositionAt(event->position().toPoint()));
        return true;
    }
    if (event->mimeData()->hasUrls()) {
        if (MemoOptions.testFlag(cmoAcceptFiles))
            event->acceptProposedAction();
        else
            event->ignore();
        return true;
    }
    return false;
}

void TColorMemo::dragEnterEvent(QDragEnterEvent *event)
{
    if (!AcceptDrag(event))
        QPlainTextEdit::dragEnterEvent(event);
}

void TColorMemo::dragMoveEvent(QDragMoveEvent *event)
{
    if (!AcceptDrag(event))
        QPlainTextEdit::dragMoveEvent(event);
}

void TColorMemo::dragLeaveEvent(QDragLeaveEvent *event)
{
    MoveDropCaret(-1);
    QPlainTextEdit::dragLeaveEvent(event);
}

void TColorMemo::dropEvent(QDropEvent *event)
{
    MoveDropCaret(-1);
    if (IsOwnTextDrag(event)) {
        const bool copy = event->modifiers() & Qt::ControlModifier;
        // Text dragged from another colour editor is taken but not inserted.
        if (event->source() == this && Dragging) {
            DropText(DragSelStart, DragSelLength, OffsetAt(event->position()), copy);
            DropHandled = true;
        }
        event->setDropAction(copy ? Qt::CopyAction : Qt::MoveAction);
        event->accept();
        return;
    }
    if (event->mimeData()->hasUrls()) {
        if (!MemoOptions.testFlag(cmoAcceptFiles)) {
            event->ignore();
            return;
        }
        const QList<QUrl> urls = event->mimeData()->urls();
        for (const QUrl &url : urls) {
            if (url.isLocalFile() && OnDropFile)
                OnDropFile(*this, url.toLocalFile());
        }
        event->acceptProposedAction();
        return;
    }
    if (DropTextIntoLongLine(event))
        return;
    QPlainTextEdit::dropEvent(event);
}

void TColorMemo::DropText(int selStart, int selLength, int dropOffset, bool copy)
{
    const TTextDropPlan plan = PlanTextDrop(selStart, selLength, dropOffset, copy);
    QTextDocument &doc = *document();
    QTextCursor cursor(&doc);
    if (plan.CaretOnly) {
        cursor.setPosition(PositionFromOffset(doc, plan.InsertAt));
        setTextCursor(cursor);
        RepaintColors(false);
        return;
    }
    const QString text = CrLfRange(doc, selStart, selLength);
    cursor.beginEditBlock();
    if (plan.DeleteLength > 0) {
        cursor.setPosition(PositionFromOffset(doc, plan.DeleteStart));
        cursor.setPosition(PositionFromOffset(doc, plan.DeleteStart + plan.DeleteLength),
                           QTextCursor::KeepAnchor);
        cursor.removeSelectedText();
    }
    cursor.setPosition(PositionFromOffset(doc, plan.InsertAt));
    cursor.insertText(ToDocumentBreaks(text));
    cursor.endEditBlock();
    setTextCursor(cursor);
}

void TColorMemo::MoveDropCaret(int position)
{
    if (position == DropCaretPosition)
        return;
    const qreal height = font().pointSizeF() > 0 ? font().pointSizeF() + 5 : font().pixelSize() + 5;
    viewport()->update(CaretRectAt(DropCaretPosition, height).toAlignedRect());
    DropCaretPosition = position;
    viewport()->update(CaretRectAt(DropCaretPosition, height).toAlignedRect());
}

void TColorMemo::DrawDropCaret(QPainter &painter) const
{
    if (DropCaretPosition < 0)
        return;
    const qreal height = font().pointSizeF() > 0 ? font().pointSizeF() + 5 : font().pixelSize() + 5;
    // An inverted bar, as the caret of a drop point is drawn.
    painter.save();
    painter.setCompositionMode(QPainter::CompositionMode_Difference);
    painter.fillRect(CaretRectAt(DropCaretPosition, height), Qt::white);
    painter.restore();
}

QRectF TColorMemo::CaretRectAt(int position, qreal height) const
{
    if (position < 0)
        return {};
    const QRectF rect = PositionRect(position);
    return rect.isNull() ? QRectF() : QRectF(rect.topLeft(), QSizeF(2, height));
}

void TColorMemo::PlaceCaretAt(const QPoint &pos)
{
    QTextCursor cursor = textCursor();
    cursor.setPosition(PositionAt(pos));
    setTextCursor(cursor);
    RepaintColors(false);
}

int TColorMemo::OffsetAt(const QPointF &pos) const
{
    return OffsetFromPosition(*document(), PositionAt(pos.toPoint()));
}
