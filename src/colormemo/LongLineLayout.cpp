// A plain text layout that leaves long unwrapped lines to the editor.

#include "LongLineLayout.h"

#include <QTextBlock>
#include <QTextDocument>
#include <QTextLayout>

#include <cmath>

TLongLineLayout::TLongLineLayout(QTextDocument *document)
    : QPlainTextDocumentLayout(document)
    , BlockCount(document->blockCount())
{}

bool TLongLineLayout::IsLongLine(const QTextBlock &block) const
{
    // The length counts the line break.
    return block.length() > LongLineLength + 1
           && document()->defaultTextOption().wrapMode() == QTextOption::NoWrap;
}

std::shared_ptr<const TLineRuler> TLongLineLayout::Ruler(const QTextBlock &block) const
{
    const QTextDocument &doc = *document();
    std::shared_ptr<const TLineRuler> ruler = Rulers.For(block,
                                                         doc.defaultFont(),
                                                         doc.defaultTextOption().tabStopDistance());
    const qreal width = ruler->End() + 2 * TextLeft();
    if (width > Widest) {
        // The scroll bars learn it after the paint or call that measured the line.
        Widest = width;
        auto *self = const_cast<TLongLineLayout *>(this);
        QMetaObject::invokeMethod(
            self,
            [self] { Q_EMIT self->documentSizeChanged(self->documentSize()); },
            Qt::QueuedConnection);
    }
    return ruler;
}

qreal TLongLineLayout::LineHeight() const
{
    const QFont font = document()->defaultFont();
    if (Height > 0 && font == HeightFont)
        return Height;
    // Laid out the way the plain text layout lays out every line.
    QTextLayout probe(QStringLiteral("X"), font);
    probe.beginLayout();
    QTextLine line = probe.createLine();
    line.setLeadingIncluded(true);
    line.setLineWidth(1000);
    probe.endLayout();
    Height = line.height() + (line.leading() < 0 ? std::ceil(line.leading()) : 0);
    HeightFont = font;
    return Height;
}

void TLongLineLayout::Release(const QTextBlock &block)
{
    // A block's layout takes its text from the block; setting one only drops the data.
    if (block.isValid())
        block.layout()->setText(QString());
}

QRectF TLongLineLayout::blockBoundingRect(const QTextBlock &block) const
{
    if (!block.isVisible() || !IsLongLine(block))
        return QPlainTextDocumentLayout::blockBoundingRect(block);
    QTextBlock laidOut = block;
    if (laidOut.layout()->lineCount() > 0) {
        // Laid out before it grew long or while lines were wrapped: its glyphs go.
        laidOut.clearLayout();
    }
    Ruler(block); // for the document's width
    const qreal bottomMargin = block.next().isValid() ? 0 : document()->documentMargin();
    return QRectF(0, 0, 0, LineHeight() + bottomMargin);
}

QSizeF TLongLineLayout::documentSize() const
{
    const QSizeF size = QPlainTextDocumentLayout::documentSize();
    return QSizeF(std::max(size.width(), Widest), size.height());
}

void TLongLineLayout::documentChanged(int from, int removed, int added)
{
    const QTextDocument &doc = *document();
    const QTextBlock block = doc.findBlock(from);
    const bool oneBlock = block == doc.findBlock(std::max(0, from + added - 1));
    if (oneBlock && doc.blockCount() == BlockCount && IsLongLine(block)) {
        // A change inside a long line: its ruler measures the changed part anew; it keeps its
        // height, and Qt would lay it out whole.
        Rulers.Update(block, from - block.position(), removed, added);
        QTextBlock laidOut = block;
        if (laidOut.layout()->lineCount() > 0)
            laidOut.clearLayout();
        Q_EMIT updateBlock(block);
        return;
    }
    Rulers.Forget(doc, from, added);
    BlockCount = doc.blockCount();
    QPlainTextDocumentLayout::documentChanged(from, removed, added);
}
