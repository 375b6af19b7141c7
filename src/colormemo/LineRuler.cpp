// Piecewise measuring of long lines.

#include "LineRuler.h"

#include <QFontMetricsF>
#include <QTextBlock>
#include <QTextDocument>

#include <algorithm>
#include <cmath>

TLineRuler::TLineRuler(const TLineText &text, const QFont &font, qreal tabDistance)
    : Font(font)
    , TabDistance(tabDistance > 0 ? tabDistance : 1)
    , Length(text.Length())
{
    const bool simple = !font.kerning() && (font.styleStrategy() & QFont::PreferNoShaping);
    if (simple) {
        const QFontMetricsF metrics(font);
        Latin1Advances.resize(0x100);
        for (char16_t c = 0x20; c < 0x100; ++c)
            Latin1Advances[c] = metrics.horizontalAdvance(QChar(c));
    }
    const int pieces = (Length + PieceLength - 1) / PieceLength;
    PieceStarts.reserve(size_t(pieces) + 1);
    for (int piece = 0; piece < pieces; ++piece) {
        const int from = piece * PieceLength;
        const int to = std::min(Length, from + PieceLength);
        PieceStarts.push_back(Advance(text, from, to, PieceStarts.back()));
    }
}

qreal TLineRuler::X(const TLineText &text, int column) const
{
    column = std::clamp(column, 0, Length);
    const int piece = column / PieceLength;
    const int from = piece * PieceLength;
    return from == column ? PieceStarts[size_t(piece)]
                          : Advance(text, from, column, PieceStarts[size_t(piece)]);
}

int TLineRuler::ColumnUnder(const TLineText &text, qreal x) const
{
    // The piece that x falls into, then the column inside it by halves.
    const auto after = std::upper_bound(PieceStarts.begin(), PieceStarts.end(), x);
    if (after == PieceStarts.begin())
        return 0;
    const int piece = int(after - PieceStarts.begin()) - 1;
    if (after == PieceStarts.end())
        return Length;
    int low = piece * PieceLength;
    int high = std::min(Length, low + PieceLength);
    while (low < high) {
        const int middle = low + (high - low + 1) / 2;
        if (X(text, middle) <= x)
            low = middle;
        else
            high = middle - 1;
    }
    // Never between the halves of a surrogate pair.
    if (low > 0 && low < Length && text.At(low).isLowSurrogate())
        --low;
    return low;
}

int TLineRuler::NearestColumn(const TLineText &text, qreal x) const
{
    const int under = ColumnUnder(text, x);
    if (under >= Length)
        return Length;
    const int next = under + (under + 1 < Length && text.At(under + 1).isLowSurrogate() ? 2 : 1);
    const qreal left = X(text, under);
    const qreal right = X(text, next);
    return x - left <= right - x ? under : next;
}

qreal TLineRuler::Advance(const TLineText &text, int from, int to, qreal x) const
{
    QStringView rest = text.Range(from, to);
    while (!rest.isEmpty()) {
        const qsizetype tab = rest.indexOf(u'\t');
        const qsizetype length = tab < 0 ? rest.size() : tab;
        if (length > 0)
            x += Width(rest.first(length));
        if (tab < 0)
            break;
        x = NextTabStop(x);
        rest = rest.sliced(length + 1);
    }
    return x;
}

qreal TLineRuler::Width(QStringView text) const
{
    // Typing in a line of a megabyte measures it anew: Latin-1 text is summed up, not shaped.
    if (!Latin1Advances.empty()) {
        qreal width = 0;
        for (const QChar c : text) {
            const char16_t code = c.unicode();
            if (code < 0x20 || code >= 0x100 || (code >= 0x7F && code < 0xA0))
                return QFontMetricsF(Font).horizontalAdvance(text.toString());
            width += Latin1Advances[code];
        }
        return width;
    }
    return QFontMetricsF(Font).horizontalAdvance(text.toString());
}

qreal TLineRuler::NextTabStop(qreal x) const
{
    return (std::floor(x / TabDistance) + 1) * TabDistance;
}

std::shared_ptr<const TLineRuler> TLineRulerCache::For(const QTextBlock &block,
                                                       const QFont &font,
                                                       qreal tabDistance)
{
    if (tabDistance != TabDistance || font != Font || Rulers.size() >= MaxKept) {
        Rulers.clear();
        Font = font;
        TabDistance = tabDistance;
    }
    std::shared_ptr<const TLineRuler> &ruler = Rulers[block.fragmentIndex()];
    if (!ruler)
        ruler = std::make_shared<const TLineRuler>(TLineText(block), font, tabDistance);
    return ruler;
}

void TLineRulerCache::Forget(const QTextDocument &document, int position, int added)
{
    if (Rulers.empty())
        return;
    const int end = std::min(position + added, document.characterCount() - 1);
    const QTextBlock last = document.findBlock(end);
    for (QTextBlock block = document.findBlock(position); block.isValid(); block = block.next()) {
        Rulers.erase(block.fragmentIndex());
        if (block == last)
            break;
    }
}
