#pragma once

#include "LineRuler.h"

#include <QPlainTextDocumentLayout>

// The document layout of the colour editor. Qt lays out a line by shaping all of it at once
// (about 35 bytes per character: 35 MB for a line of a megabyte, again with every key typed in
// it). Unwrapped lines longer than LongLineLength are therefore never laid out: such a block
// gets the height of one line, no display lines and no width (which also keeps Qt's scrolling
// to the caret away from it); the editor measures it with a ruler, paints it, places the caret
// in it and scrolls to it itself.
class TLongLineLayout : public QPlainTextDocumentLayout
{
    Q_OBJECT

public:
    static constexpr int LongLineLength = 4096;

    explicit TLongLineLayout(QTextDocument *document);

    // Whether the block is a long line left to the editor.
    bool IsLongLine(const QTextBlock &block) const;
    // The ruler of a long line.
    std::shared_ptr<const TLineRuler> Ruler(const QTextBlock &block) const;
    // The height of one line of text, as a laid-out block of one line has it.
    qreal LineHeight() const;
    // Where a line's text starts, left of which the margin is.
    qreal TextLeft() const { return document()->documentMargin(); }

    // Drops what Qt computed for a long line to move the caret or delete in it: it prepares
    // glyph space for the whole line (about 35 bytes per character) just to find character
    // boundaries, and keeps it until the line changes.
    static void Release(const QTextBlock &block);

    QRectF blockBoundingRect(const QTextBlock &block) const override;
    QSizeF documentSize() const override;

protected:
    void documentChanged(int from, int removed, int added) override;

private:
    mutable TLineRulerCache Rulers;
    mutable qreal Widest = 0; // the widest long line measured, margins included
    mutable QFont HeightFont; // the font LineHeight was measured for
    mutable qreal Height = 0;
    int BlockCount = 1;
};
