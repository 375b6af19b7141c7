// Reading a line in stretches.

#include "LineText.h"

#include "TextPositions.h"

#include <algorithm>

TLineText::TLineText(QStringView text)
    : Whole(text)
    , Size(int(text.size()))
{}

TLineText::TLineText(const QTextBlock &block)
    : Block(block)
    , Size(block.isValid() ? block.length() - 1 : 0)
{}

QStringView TLineText::Range(int from, int to) const
{
    from = std::clamp(from, 0, Size);
    to = std::clamp(to, from, Size);
    if (!Block.isValid())
        return Whole.sliced(from, to - from);
    const int stretchEnd = StretchStart + int(Stretch.size());
    if (from < StretchStart || to > stretchEnd || Stretch.isNull()) {
        if (!Stretch.isNull() && from >= StretchStart && from <= stretchEnd)
            StretchLength = std::min(2 * StretchLength, LongestStretch); // reading on
        const int end = std::min(Size, std::max(to, from + StretchLength));
        Stretch = BlockRange(Block, from, end - from);
        StretchStart = from;
    }
    return QStringView(Stretch).sliced(from - StretchStart, to - from);
}
