#include "ColourPass.h"

#include "CodePage.h"

#include <algorithm>

namespace {

// First occurrence of the needle at or after `from`, or -1. Looks for the first character
// with the fast single-character search and compares the rest there.
int FindText(QStringView haystack, QStringView needle, int from)
{
    if (needle.isEmpty())
        return -1;
    const qsizetype last = haystack.size() - needle.size();
    const QChar first = needle.front();
    const QStringView rest = needle.sliced(1);
    qsizetype pos = from;
    while (pos <= last) {
        pos = haystack.indexOf(first, pos);
        if (pos < 0 || pos > last)
            return -1;
        if (haystack.sliced(pos + 1, rest.size()) == rest)
            return int(pos);
        ++pos;
    }
    return -1;
}

bool IsAsciiWordChar(QChar c)
{
    const char16_t u = c.unicode();
    return (u >= u'0' && u <= u'9') || (u >= u'A' && u <= u'Z') || (u >= u'a' && u <= u'z')
           || u == u'_';
}

} // namespace

TScanRange FindScanRange(
    const TLineGeometry &geometry, int firstLine, int lineHeight, int top, int bottom)
{
    const int count = geometry.LineCount();
    int line = std::clamp(firstLine, 0, std::max(0, count - 1));
    // A line partly hidden above the top is not coloured, but the lines below it are.
    while (line + 1 < count && geometry.LineTop(line) < top)
        ++line;
    TScanRange range;
    range.FirstLine = line;
    range.Start = geometry.LineStart(line);
    range.End = range.Start;
    for (; line < count; ++line) {
        const int y = geometry.LineTop(line);
        if (y < top || y + lineHeight > bottom) {
            range.End = geometry.LineStart(line);
            return range;
        }
    }
    range.End = geometry.TextLength();
    return range;
}

TColourPass::TColourPass()
{
    Records.reserve(256);
    Pieces.reserve(256);
    RunList.reserve(256);
}

TKeyDescr &TColourPass::AddKeyDescr()
{
    TKeyDescr &record = Records.emplace_back();
    record.Color = In.FontColor;
    record.Brush = In.Background;
    record.Style = In.FontStyle;
    return record;
}

bool TColourPass::IsKeywordChar(QChar c) const
{
    return OnIsKeywordChar ? OnIsKeywordChar(c) : IsAsciiWordChar(c);
}

void TColourPass::Run(TDrawRules &rules,
                      const THotSpot &hotSpot,
                      const TColourPassInput &input,
                      const TColourView &view)
{
    In = input;
    Records.clear();
    Pieces.clear();
    RunList.clear();
    HotList.Clear();
    UpperValid = false;
    if (rules.Count() == 0 && !OnDrawEx && !hotSpot.Active)
        return;
    rules.PrepareRules();

    AddDefaultRecord();
    if (hotSpot.Active && !hotSpot.BeginChar.isNull() && !hotSpot.EndChar.isNull())
        ScanHotSpotMarkers(hotSpot);

    const bool lookBack = In.Options.testFlag(cmoCalcFullBegEnds) && In.FirstLine > 0;
    if (lookBack)
        LookBack(rules, view);
    int spanRow = 0;
    for (int i = 0; i < rules.Count(); ++i) {
        const TColorRule &rule = rules[i];
        if (!rule.Enabled())
            continue;
        switch (rule.KeyDrawingType()) {
        case dtKeyShow:
            ScanKeywords(rule);
            break;
        case dtBeginEnd:
            ScanSpans(rule, lookBack ? OpenSpans.data() + spanRow : nullptr);
            spanRow += int(rule.SpanTable().size());
            break;
        case dtBeginLineEnd:
            ScanSpans(rule, nullptr);
            break;
        case dtEventDraw:
            break;
        }
    }
    if (OnDrawEx)
        OnDrawEx(*this, In.Text, In.TextStart);
    if (Records.empty())
        return;
    SplitRecords(view);
    if (Pieces.empty())
        return;
    FillCoverage();
    CollectRuns(hotSpot);
}

void TColourPass::AddDefaultRecord()
{
    // The caret line left of the caret is always repainted, at least in plain colours; only
    // the part inside the scanned text counts.
    const int caret = In.SelStart - In.TextStart;
    if (caret <= 0 || caret > In.Text.size())
        return;
    int start = caret;
    while (start > 0 && In.Text[start - 1] != u'\n')
        --start;
    if (start < caret) {
        AddMatch(In.TextStart + start,
                 In.TextStart + caret - 1,
                 In.FontColor,
                 In.Background,
                 DefaultRecordPriority,
                 false,
                 In.FontStyle,
                 false);
    }
}

void TColourPass::ScanHotSpotMarkers(const THotSpot &hotSpot)
{
    const QStringView text = In.Text;
    qsizetype from = 0;
    // A begin marker found further on stays the next one until the search passes it; once
    // none is left (-1), none is searched for again.
    qsizetype begin = text.indexOf(hotSpot.BeginChar);
    for (;;) {
        if (begin >= 0 && begin < from)
            begin = text.indexOf(hotSpot.BeginChar, from);
        const qsizetype end = text.indexOf(hotSpot.EndChar, from);
        if (end < 0)
            return;
        if (begin >= 0 && end > begin) {
            const int b = In.TextStart + int(begin);
            const int e = In.TextStart + int(end);
            HotList.Add(b + 1, e - 1);
            AddMatch(b,
                     b,
                     hotSpot.MarkerColor,
                     In.Background,
                     HotSpotMarkerPriority,
                     false,
                     In.FontStyle,
                     false);
            AddMatch(b + 1,
                     e - 1,
                     hotSpot.Color,
                     In.Background,
                     HotSpotTextPriority,
                     false,
                     In.FontStyle,
                     false);
            AddMatch(e,
                     e,
                     hotSpot.MarkerColor,
                     In.Background,
                     HotSpotMarkerPriority,
                     false,
                     In.FontStyle,
                     false);
        }
        from = end + 1;
    }
}

QStringView TColourPass::UpperText()
{
    if (!UpperValid) {
        Upper.resize(size_t(In.Text.size()));
        for (qsizetype i = 0; i < In.Text.size(); ++i)
            Upper[size_t(i)] = AnsiUpper(In.Text[i]);
        UpperValid = true;
    }
    return QStringView(Upper.data(), In.Text.size());
}

void TColourPass::ScanKeywords(const TColorRule &rule)
{
    // Every keyword's occurrences are found left to right, the next search starting behind the
    // last occurrence; one walk over the text serves all keywords of the rule, looking only at
    // those that start with the character at hand.
    const std::vector<TKeywordRow> &table = rule.KeywordTable();
    if (table.empty())
        return;
    const QStringView search = rule.KeyCase() ? In.Text : UpperText();
    const TKeywordIndex &index = rule.KeywordIndex();
    const int length = int(search.size());
    NextSearch.assign(table.size(), 0);
    Found.clear();
    for (int pos = 0; pos < length; ++pos) {
        const char16_t c = search[pos].unicode();
        const int *first = c < 128 ? index.Rows.data() + index.Start[c] : index.OtherRows.data();
        const int *last = c < 128 ? index.Rows.data() + index.Start[c + 1]
                                  : first + index.OtherRows.size();
        for (const int *row = first; row != last; ++row) {
            const QString &keyword = table[size_t(*row)].Keyword;
            const int size = int(keyword.size());
            if (pos < NextSearch[size_t(*row)] || size > length - pos)
                continue;
            // The first character matches by the index; most candidates differ soon after.
            const QChar *text = search.data() + pos;
            const QChar *key = keyword.constData();
            int same = 1;
            while (same < size && text[same] == key[same])
                ++same;
            if (same < size)
                continue;
            NextSearch[size_t(*row)] = pos + size;
            if (rule.PartWord() || IsWholeWord(pos, size))
                Found.push_back({*row, pos});
        }
    }
    AddKeywordMatches(rule);
}

bool TColourPass::IsWholeWord(int pos, int size) const
{
    // Outside the scanned text counts as a non-keyword character.
    return (pos == 0 || !IsKeywordChar(In.Text[pos - 1]))
           && (pos + size >= In.Text.size() || !IsKeywordChar(In.Text[pos + size]));
}

void TColourPass::AddKeywordMatches(const TColorRule &rule)
{
    // Matches go into the order keyword by keyword, each keyword's from left to right: a
    // stable counting sort of the walk's finds by their row.
    const std::vector<TKeywordRow> &table = rule.KeywordTable();
    RowStart.assign(table.size() + 1, 0);
    for (const TKeywordFind &find : Found)
        ++RowStart[size_t(find.Row) + 1];
    for (size_t row = 1; row < RowStart.size(); ++row)
        RowStart[row] += RowStart[row - 1];
    Sorted.resize(Found.size());
    for (const TKeywordFind &find : Found)
        Sorted[size_t(RowStart[size_t(find.Row)]++)] = find;

    const quint8 priority = rule.IsHotspot() ? HotSpotTextPriority : rule.ZOrder();
    const TFontStyles style = In.FontStyle | rule.FontStyle();
    for (const TKeywordFind &find : Sorted) {
        const TKeywordRow &row = table[size_t(find.Row)];
        const int start = In.TextStart + find.Pos;
        const int end = start + int(row.Keyword.size()) - 1;
        AddMatch(start,
                 end,
                 row.Color,
                 rule.KeyBrushColor(),
                 priority,
                 true,
                 style,
                 rule.IgnoreOtherRules());
        if (rule.IsHotspot())
            HotList.Add(start, end);
    }
}

void TColourPass::LookBack(const TDrawRules &rules, const TColourView &view)
{
    // Follows every begin/end row from the document start to the scanned text, line by line:
    // markers never hold a line break, so no marker is cut between two lines.
    OpenSpans.clear();
    std::vector<std::pair<const TColorRule *, const TBegEndRow *>> &rows = LookBackRows;
    rows.clear();
    for (int i = 0; i < rules.Count(); ++i) {
        const TColorRule &rule = rules[i];
        if (!rule.Enabled() || rule.KeyDrawingType() != dtBeginEnd)
            continue;
        for (const TBegEndRow &row : rule.SpanTable())
            rows.emplace_back(&rule, &row);
    }
    OpenSpans.resize(rows.size());
    int offset = 0;
    for (int line = 0; line < In.FirstLine; ++line) {
        const QStringView text = view.DocumentLine(line, LineScratch);
        for (size_t r = 0; r < rows.size(); ++r) {
            const TBegEndRow &row = *rows[r].second;
            TOpenSpan &span = OpenSpans[r];
            int pos = std::max(0, span.Search - offset);
            for (;;) {
                if (!span.Open) {
                    const int begin = FindText(text, row.BeginMarker, pos);
                    if (begin < 0)
                        break;
                    span = {true, offset + begin, 0, 0};
                    pos = begin + 1;
                }
                const int end = FindText(text, row.EndMarker, pos);
                if (end < 0)
                    break;
                span.Open = false;
                span.Search = offset + end + 1;
                pos = end + 1;
            }
            const int maxHeight = rows[r].first->KeyMaxHeight();
            if (span.Open && ++span.Breaks >= maxHeight && maxHeight > 0)
                span.Open = false;
            if (!span.Open)
                span.Search = std::max(span.Search, offset + int(text.size()) + 2);
        }
        offset += int(text.size()) + 2;
    }
}

void TColourPass::ScanSpans(const TColorRule &rule, const TOpenSpan *carried)
{
    const QStringView text = In.Text;
    const int last = int(text.size()) - 1;
    const bool beginEnd = rule.KeyDrawingType() == dtBeginEnd;
    const int maxHeight = beginEnd ? rule.KeyMaxHeight() : 0;
    const TFontStyles style = In.FontStyle | rule.FontStyle();
    const TBegEndList &table = rule.SpanTable();
    for (size_t r = 0; r < table.size(); ++r) {
        const TBegEndRow &row = table[r];
        // A span begun above the scanned text (relative offset below 0) is continued first.
        bool open = carried && carried[r].Open;
        int begin = open ? carried[r].Begin - In.TextStart : 0;
        int breaks = open ? carried[r].Breaks : 0;
        int from = 0;
        while (from <= last) {
            if (!open) {
                begin = FindText(text, row.BeginMarker, from);
                if (begin < 0)
                    break;
                breaks = 0;
            }
            open = false;
            const int endMarker = FindText(text, row.EndMarker, std::max(begin + 1, 0));
            const int limit = endMarker >= 0 ? endMarker : last;
            const int cut = maxHeight > 0
                                ? NthLineBreak(text, std::max(begin, 0), limit, maxHeight - breaks)
                                : -1;
            int end = last;
            from = last + 1;
            if (cut >= 0) {
                // Cut at the end of the line on which the height runs out.
                end = cut - 1;
                from = cut;
            } else if (endMarker >= 0) {
                end = endMarker - 1 + (beginEnd ? int(row.EndMarker.size()) : 0);
                from = endMarker + 1;
            }
            const int start = std::max(begin, 0);
            if (start <= end) {
                AddMatch(In.TextStart + start,
                         In.TextStart + end,
                         rule.DefKeyColor(),
                         row.Brush,
                         rule.ZOrder(),
                         false,
                         style,
                         rule.IgnoreOtherRules());
            }
        }
    }
}

int TColourPass::NthLineBreak(QStringView text, int from, int limit, int count)
{
    // Searched no further than the limit, which a long line without breaks is far from.
    const QStringView searched = text.first(std::clamp<qsizetype>(limit, 0, text.size()));
    qsizetype pos = from;
    for (;;) {
        pos = searched.indexOf(u'\r', pos);
        if (pos < 0)
            return -1;
        if (--count <= 0)
            return int(pos);
        ++pos;
    }
}

void TColourPass::AddMatch(int start,
                           int end,
                           TColor color,
                           TColor brush,
                           quint8 priority,
                           bool keyword,
                           TFontStyles style,
                           bool ignore)
{
    TKeyDescr &record = Records.emplace_back();
    record.Start = start;
    record.End = end;
    record.Color = color;
    record.Brush = brush;
    record.Priority = priority;
    record.Keyword = keyword;
    record.Style = style;
    record.Ignore = ignore;
}

void TColourPass::SplitRecords(const TColourView &view)
{
    // Records are clipped to the scanned text and cut into one piece per display line, the
    // pieces keeping their record's place in the order. Line breaks are never part of a piece.
    const QStringView text = In.Text;
    const int last = int(text.size()) - 1;
    for (const TKeyDescr &record : Records) {
        int pos = std::max(record.Start - In.TextStart, 0);
        const int stop = std::min(record.End - In.TextStart, last);
        while (pos <= stop) {
            if (text[pos] == u'\n') {
                ++pos;
                continue;
            }
            // Searched no further than the record reaches: a long line holds many records.
            qsizetype lineEnd = text.sliced(pos, stop + 1 - pos).indexOf(u'\r');
            lineEnd = lineEnd < 0 ? stop + 1 : pos + lineEnd;
            const int segmentEnd = std::min(stop, int(lineEnd) - 1);
            if (segmentEnd >= pos)
                SplitSegment(record, pos, segmentEnd, segmentEnd < stop, view);
            pos = int(lineEnd) + 2;
        }
    }
}

void TColourPass::SplitSegment(
    const TKeyDescr &record, int from, int to, bool trimTail, const TColourView &view)
{
    const auto trimmed = [this](int first, int lastChar) {
        while (lastChar > first && In.Text[lastChar] == u' ')
            --lastChar;
        return lastChar;
    };
    const auto addPiece = [&](int first, int lastChar) {
        TKeyDescr &piece = Pieces.emplace_back(record);
        piece.Start = In.TextStart + first;
        piece.End = In.TextStart + lastChar;
    };
    for (;;) {
        const int next = view.NextDisplayLineStart(In.TextStart + from);
        const int nextRel = next - In.TextStart;
        if (next < 0 || nextRel > to || nextRel <= from) {
            addPiece(from, trimTail ? trimmed(from, to) : to);
            return;
        }
        // A wrapped display line loses the blanks at its end.
        addPiece(from, trimmed(from, nextRel - 1));
        from = nextRel;
    }
}

void TColourPass::FillCoverage()
{
    CoverageStart = Pieces.front().Start;
    CoverageEnd = Pieces.front().End;
    for (const TKeyDescr &piece : Pieces) {
        CoverageStart = std::min(CoverageStart, piece.Start);
        CoverageEnd = std::max(CoverageEnd, piece.End);
    }
    // One cell per character plus a spare one behind the last, which ends the last run.
    Coverage.assign(size_t(CoverageEnd - CoverageStart + 2), -1);
    for (int i = 0; i < int(Pieces.size()); ++i) {
        const TKeyDescr &piece = Pieces[size_t(i)];
        const int first = piece.Start - CoverageStart;
        const int firstOwner = Coverage[size_t(first)];
        // An ignoring match overrides everything, unless it starts inside another ignoring
        // match; then it competes by priority like any other.
        const bool overrides = piece.Ignore
                               && !(firstOwner >= 0 && Pieces[size_t(firstOwner)].Ignore);
        for (int cell = first; cell <= piece.End - CoverageStart; ++cell) {
            const int owner = Coverage[size_t(cell)];
            if (owner >= 0 && !overrides) {
                const TKeyDescr &held = Pieces[size_t(owner)];
                if (held.Ignore && !piece.Ignore)
                    continue;
                if (held.Priority > piece.Priority)
                    continue;
            }
            Coverage[size_t(cell)] = i;
        }
    }
}

void TColourPass::CollectRuns(const THotSpot &hotSpot)
{
    const bool hasSelection = In.SelLength != 0;
    const int selEnd = In.SelStart + In.SelLength;
    const bool underlineHot = hotSpot.Active && hotSpot.Underlined;
    int runFirst = CoverageStart;
    int current = Coverage[0];
    for (int offset = CoverageStart + 1; offset <= CoverageEnd + 1; ++offset) {
        const int owner = Coverage[size_t(offset - CoverageStart)];
        const bool selectionEdge = hasSelection && (offset == In.SelStart || offset == selEnd);
        if (owner == current && !selectionEdge)
            continue;
        if (current >= 0) {
            TKeyDescr &run = RunList.emplace_back(Pieces[size_t(current)]);
            run.Start = runFirst;
            run.End = offset - 1;
            if (hasSelection && In.ShowSelection && run.End >= In.SelStart && run.End < selEnd)
                run.Brush = clHighlight;
            if (underlineHot && run.Priority == HotSpotTextPriority)
                run.Style |= fsUnderline;
        }
        runFirst = offset;
        current = owner;
    }
}
