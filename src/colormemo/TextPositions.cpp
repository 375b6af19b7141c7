#include "TextPositions.h"

#include "LongLineLayout.h"

#include <QTextBlock>
#include <QTextDocument>

#include <algorithm>

namespace {

// Offset of a block's first character: its position plus two characters per earlier break
// instead of one.
int BlockOffset(const QTextBlock &block)
{
    return block.position() + block.blockNumber();
}

// Line of an offset and the column inside it without clamping: the column is the line's length
// + 1 for an offset between CR and LF.
TLinePos RawLinePos(const QTextDocument &doc, int offset)
{
    offset = std::clamp(offset, 0, CrLfLength(doc));
    const int lastPosition = doc.characterCount() - 1;
    // The line starting at or before the offset lies between the block at position offset
    // (every break counts one more as offset than as position) and the block at position
    // offset - that block's number.
    const auto lineAtPosition = [&](int position) {
        return doc.findBlock(std::clamp(position, 0, lastPosition)).blockNumber();
    };
    int high = lineAtPosition(offset);
    int low = lineAtPosition(offset - high);
    // The line b sought lies where the block at position offset - b is b itself: a guess below
    // b gives a line at or above it, a guess above b one at or below it. With lines of common
    // length a few rounds close the gap; what is left is searched by halves.
    for (int round = 0; round < 4 && low < high; ++round) {
        high = std::min(high, lineAtPosition(offset - low));
        low = std::max(low, lineAtPosition(offset - high));
    }
    while (low < high) {
        const int middle = low + (high - low + 1) / 2;
        if (BlockOffset(doc.findBlockByNumber(middle)) <= offset)
            low = middle;
        else
            high = middle - 1;
    }
    const QTextBlock block = doc.findBlockByNumber(low);
    return {low, offset - BlockOffset(block)};
}

} // namespace

int OffsetFromPosition(const QTextDocument &doc, int position)
{
    position = std::clamp(position, 0, doc.characterCount() - 1);
    return position + doc.findBlock(position).blockNumber();
}

TLinePos LinePosFromOffset(const QTextDocument &doc, int offset)
{
    TLinePos pos = RawLinePos(doc, offset);
    const int lineLength = doc.findBlockByNumber(pos.Line).length() - 1;
    pos.Column = std::min(pos.Column, lineLength);
    return pos;
}

int PositionFromOffset(const QTextDocument &doc, int offset)
{
    const TLinePos pos = LinePosFromOffset(doc, offset);
    return doc.findBlockByNumber(pos.Line).position() + pos.Column;
}

int OffsetOfLine(const QTextDocument &doc, int line)
{
    if (line < 0 || line >= doc.blockCount())
        return -1;
    return BlockOffset(doc.findBlockByNumber(line));
}

int CrLfLength(const QTextDocument &doc)
{
    // characterCount() includes the separator behind the last block.
    return doc.characterCount() - 1 + doc.blockCount() - 1;
}

QString BlockRange(const QTextBlock &block, int from, int length)
{
    if (from == 0 && length >= block.length() - 1)
        return block.text();
    if (block.length() <= TLongLineLayout::LongLineLength)
        return block.text().mid(from, length);
    // Character by character (a few nanoseconds each): the block's text would be a copy of all
    // of a line that may be megabytes long, and a cursor placed in it makes Qt analyse the
    // whole line.
    const QTextDocument &doc = *block.document();
    const int start = block.position() + from;
    QString result(length, Qt::Uninitialized);
    QChar *out = result.data();
    for (int i = 0; i < length; ++i)
        out[i] = doc.characterAt(start + i);
    return result;
}

QString CrLfRange(const QTextDocument &doc, int start, int length)
{
    const int total = CrLfLength(doc);
    const qint64 end = std::clamp<qint64>(qint64(start) + length, 0, total);
    start = std::clamp(start, 0, total);
    int remaining = int(std::max<qint64>(0, end - start));
    QString result;
    result.reserve(remaining);
    const TLinePos pos = RawLinePos(doc, start);
    int column = pos.Column;
    for (QTextBlock block = doc.findBlockByNumber(pos.Line); remaining > 0 && block.isValid();
         block = block.next(), column = 0) {
        const int lineLength = block.length() - 1;
        if (column < lineLength) {
            const int take = std::min(remaining, lineLength - column);
            result += BlockRange(block, column, take);
            remaining -= take;
            column = lineLength;
        }
        if (!block.next().isValid())
            break;
        static const QString breakChars = QStringLiteral("\r\n");
        const int take = std::min(remaining, 2 - (column - lineLength));
        result += QStringView(breakChars).mid(column - lineLength, take);
        remaining -= take;
    }
    return result;
}

QString CrLfText(const QTextDocument &doc)
{
    return FromDocumentBreaks(doc.toRawText());
}

QString ToDocumentBreaks(QString text)
{
    if (!text.contains(u'\r'))
        return text;
    // In place: the text only gets shorter, and a text handed over is not copied.
    QChar *out = text.data();
    const QChar *in = out;
    const QChar *end = in + text.size();
    for (; in != end; ++in) {
        if (*in != u'\r')
            *out++ = *in;
        else if (in + 1 == end || in[1] != u'\n')
            *out++ = u'\n';
    }
    text.truncate(out - text.constData());
    return text;
}

QString FromDocumentBreaks(const QString &text)
{
    const qsizetype breaks = text.count(QChar::ParagraphSeparator);
    if (breaks == 0)
        return text;
    QString result(text.size() + breaks, Qt::Uninitialized);
    QChar *out = result.data();
    for (const QChar c : text) {
        if (c == QChar::ParagraphSeparator) {
            *out++ = u'\r';
            *out++ = u'\n';
        } else {
            *out++ = c;
        }
    }
    return result;
}
