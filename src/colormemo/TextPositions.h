#pragma once

#include <QString>

class QTextBlock;
class QTextDocument;

// Conversions between positions in a plain-text QTextDocument (one block per line, a block
// separator counts one) and the edit control's offsets (lines joined by CR LF, a break counts
// two). Each conversion costs a few searches in the document's block tree, never a walk over
// the whole text.

// Offset of a document position: the position plus the number of breaks before it.
int OffsetFromPosition(const QTextDocument &doc, int position);

// A line and the column inside it, for an offset.
struct TLinePos
{
    int Line = 0;
    int Column = 0;
};

// Line and column of an offset, clamped to the text. An offset between CR and LF gives the
// column behind the line's last character.
TLinePos LinePosFromOffset(const QTextDocument &doc, int offset);

// Document position of an offset, clamped to the text; an offset between CR and LF maps to the
// end of its line.
int PositionFromOffset(const QTextDocument &doc, int offset);

// Offset of the first character of a line; -1 for a line that does not exist.
int OffsetOfLine(const QTextDocument &doc, int line);

// Length of the document's text with CR LF breaks.
int CrLfLength(const QTextDocument &doc);

// The characters [from, from + length) of a block's text, inside it, read without copying the
// rest of the line.
QString BlockRange(const QTextBlock &block, int from, int length);

// The CR LF text of [start, start + length), clamped to the text; the range may begin or end
// between CR and LF.
QString CrLfRange(const QTextDocument &doc, int start, int length);

// The whole document as CR LF text, without the replacements of toPlainText() (a no-break
// space stays a no-break space).
QString CrLfText(const QTextDocument &doc);

// Text with CR LF, lone CR and LF breaks turned into the '\n' that a document splits blocks at.
QString ToDocumentBreaks(QString text);

// Text as a document cursor returns it (U+2029 between blocks) with CR LF breaks instead.
QString FromDocumentBreaks(const QString &text);
