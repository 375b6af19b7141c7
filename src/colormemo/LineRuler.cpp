// Piecewise measuring of long lines.

#include "LineRuler.h"

#include <QFontMetricsF>
#include <QTextBlock>
#include <QTextDocument>

#include <algorithm>
#include <cmath>

namespace {

// See TLineRuler::Latin1Advances.
std::vector<qreal> Latin1AdvancesOf(const QFont &font)
{
    std::vector<qreal> advances;
    if (font.kerning() || !(font.styleStrategy() & QFont::PreferNoShaping))
        return advances;
    const QFontMetricsF metrics(font);
    advances.resize(0x100);
    for (char16_t c = 0x20; c < 0x100; ++c)
        advances[c] = metrics.horizontalAdvance(QChar(c));
    return advances;
}

} // namespace

TLineRuler::TLineRuler(const TLineText &text, const QFont &font, qreal tabDistance)
    : Font(font)
    , TabDistance(tabDistance > 0 ? tabDistance : 1)
    , Latin1Advances(Latin1AdvancesOf(font))
{
    MeasurePieces(text, 0, text.Length(), 0);
}

TLineRuler::TLineRuler(
    const TLineRuler &before, const TLineText &text, int column, int removed, int added)
    : Font(before.Font)
    , TabDistance(before.TabDistance)
    , Latin1Advances(before.Latin1Advances)
{
    const int delta = added - removed;
    const size_t pieces = before.PieceTabs.size();
    const bool fits = column >= 0 && removed >= 0 && column + removed <= before.Length()
                      && text.Length() == before.Length() + delta;
    if (!fits || pieces == 0) {
        MeasurePieces(text, 0, text.Length(), 0);
        return;
    }
    // The pieces in front of the change stay as they were.
    const size_t first = before.PieceOf(column);
    const size_t last = removed > 0 ? before.PieceOf(column + removed - 1) : first;
    PieceColumns.assign(before.PieceColumns.begin(), before.PieceColumns.begin() + first + 1);
    PieceStarts.assign(before.PieceStarts.begin(), before.PieceStarts.begin() + first + 1);
    PieceTabs.assign(before.PieceTabs.begin(), before.PieceTabs.begin() + first);
    const auto behind = before.PieceTabs.begin() + qsizetype(last) + 1;
    if (std::find(behind, before.PieceTabs.end(), true) != before.PieceTabs.end()) {
        MeasurePieces(text, PieceColumns.back(), text.Length(), PieceStarts.back());
        return;
    }
    // The changed pieces measured anew; those behind them move by what they grew or shrank.
    MeasurePieces(text,
                  PieceColumns.back(),
                  before.PieceColumns[last + 1] + delta,
                  PieceStarts.back());
    const qreal shift = PieceStarts.back() - before.PieceStarts[last + 1];
    for (size_t i = last + 1; i < pieces; ++i) {
        PieceColumns.push_back(before.PieceColumns[i + 1] + delta);
        PieceStarts.push_back(before.PieceStarts[i + 1] + shift);
        PieceTabs.push_back(before.PieceTabs[i]);
    }
}

void TLineRuler::MeasurePieces(const TLineText &text, int from, int to, qreal x)
{
    for (int start = from; start < to;) {
        const int end = std::min(to, start + PieceLength);
        bool tab = false;
        x = Advance(text, start, end, x, &tab);
        PieceColumns.push_back(end);
        PieceStarts.push_back(x);
        PieceTabs.push_back(tab);
        start = end;
    }
}

size_t TLineRuler::PieceOf(int column) const
{
    const auto after = std::upper_bound(PieceColumns.begin(), PieceColumns.end(), column);
    const size_t piece = size_t(std::max<qsizetype>(after - PieceColumns.begin() - 1, 0));
    return std::min(piece, std::max<size_t>(PieceTabs.size(), 1) - 1);
}

qreal TLineRuler::X(const TLineText &text, int column) const
{
    column = std::clamp(column, 0, Length());
    if (column == Length())
        return End();
    const size_t piece = PieceOf(column);
    const int from = PieceColumns[piece];
    return from == column ? PieceStarts[piece] : Advance(text, from, column, PieceStarts[piece]);
}

int TLineRuler::ColumnUnder(const TLineText &text, qreal x) const
{
    // The piece that x falls into, then the column inside it by halves.
    const auto after = std::upper_bound(PieceStarts.begin(), PieceStarts.end(), x);
    if (after == PieceStarts.begin())
        return 0;
    const size_t piece = size_t(after - PieceStarts.begin()) - 1;
    if (after == PieceStarts.end())
        return Length();
    int low = PieceColumns[piece];
    int high = PieceColumns[piece + 1];
    while (low < high) {
        const int middle = low + (high - low + 1) / 2;
        if (X(text, middle) <= x)
            low = middle;
        else
            high = middle - 1;
    }
    // Never between the halves of a surrogate pair.
    if (low > 0 && low < Length() && text.At(low).isLowSurrogate())
        --low;
    return low;
}

int TLineRuler::NearestColumn(const TLineText &text, qreal x) const
{
    const int under = ColumnUnder(text, x);
    if (under >= Length())
        return Length();
    const int next = under + (under + 1 < Length() && text.At(under + 1).isLowSurrogate() ? 2 : 1);
    const qreal left = X(text, under);
    const qreal right = X(text, next);
    return x - left <= right - x ? under : next;
}

qreal TLineRuler::Advance(const TLineText &text, int from, int to, qreal x, bool *hasTab) const
{
    QStringView rest = text.Range(from, to);
    while (!rest.isEmpty()) {
        const qsizetype tab = rest.indexOf(u'\t');
        const qsizetype length = tab < 0 ? rest.size() : tab;
        if (length > 0)
            x += Width(rest.first(length));
        if (tab < 0)
            break;
        if (hasTab)
            *hasTab = true;
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

void TLineRulerCache::Update(const QTextBlock &block, int column, int removed, int added)
{
    const auto kept = Rulers.find(block.fragmentIndex());
    if (kept != Rulers.end())
        kept->second = std::make_shared<const TLineRuler>(*kept->second,
                                                          TLineText(block),
                                                          column,
                                                          removed,
                                                          added);
}
