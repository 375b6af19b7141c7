// The colour pass of TColorMemo: which lines it scans, and painting its runs and the gutter.

#include "ColorMemo.h"
#include "TextPositions.h"

#include <QPainter>
#include <QTextBlock>
#include <QTextLayout>

#include <algorithm>
#include <cmath>
#include <limits>

namespace {

// The display line of a laid-out block of `length` characters that holds a position, or an
// invalid line past its text. Searched by halves: a long wrapped line has thousands of them.
QTextLine DisplayLineAt(const QTextLayout &layout, qsizetype length, int position)
{
    const int count = layout.lineCount();
    if (count == 0 || position < 0 || position > length)
        return QTextLine();
    int low = 0;
    int high = count - 1;
    while (low < high) {
        const int middle = low + (high - low + 1) / 2;
        if (layout.lineAt(middle).textStart() <= position)
            low = middle;
        else
            high = middle - 1;
    }
    return layout.lineAt(low);
}

// The first display line whose top is at or below y (block coordinates), or -1.
int FirstDisplayLineFrom(const QTextLayout &layout, qreal y)
{
    int low = 0;
    int high = layout.lineCount();
    while (low < high) {
        const int middle = low + (high - low) / 2;
        if (layout.lineAt(middle).y() < y)
            low = middle + 1;
        else
            high = middle;
    }
    return low < layout.lineCount() ? low : -1;
}

} // namespace

// Line geometry of the view for FindScanRange: the visible lines from the last collection,
// lines above them far above the top and lines below them far below the bottom.
class TColorMemo::TGeometry : public TLineGeometry
{
public:
    explicit TGeometry(const TColorMemo &memo)
        : Memo(memo)
    {}

    int LineCount() const override { return Memo.blockCount(); }

    int LineStart(int line) const override
    {
        const TVisibleLine *visible = Find(line);
        return visible ? visible->Offset : OffsetOfLine(*Memo.document(), line);
    }

    int LineTop(int line) const override
    {
        if (const TVisibleLine *visible = Find(line))
            return int(std::floor(visible->Top));
        const bool above = Memo.VisibleLines.empty()
                           || line < Memo.VisibleLines.front().Block.blockNumber();
        return above ? std::numeric_limits<int>::min() / 2 : std::numeric_limits<int>::max() / 2;
    }

    int TextLength() const override { return CrLfLength(*Memo.document()); }

private:
    const TVisibleLine *Find(int line) const
    {
        const auto &lines = Memo.VisibleLines;
        if (lines.empty())
            return nullptr;
        const int index = line - lines.front().Block.blockNumber();
        return index >= 0 && index < int(lines.size()) ? &lines[size_t(index)] : nullptr;
    }

    const TColorMemo &Memo;
};

// Display lines and document lines for the colour pass.
class TColorMemo::TView : public TColourView
{
public:
    explicit TView(const TColorMemo &memo)
        : Memo(memo)
    {}

    int NextDisplayLineStart(int offset) const override
    {
        const int index = Memo.VisibleLineOf(offset);
        if (index < 0)
            return -1;
        const TVisibleLine &line = Memo.VisibleLines[size_t(index)];
        const QTextLayout *layout = line.Block.layout();
        const QTextLine displayLine = DisplayLineAt(*layout, line.Length, offset - line.Offset);
        if (!displayLine.isValid() || displayLine.lineNumber() + 1 >= layout->lineCount())
            return -1;
        return line.Offset + layout->lineAt(displayLine.lineNumber() + 1).textStart();
    }

    QStringView DocumentLine(int line, QString &scratch) const override
    {
        scratch = Memo.document()->findBlockByNumber(line).text();
        return scratch;
    }

private:
    const TColorMemo &Memo;
};

void TColorMemo::CollectVisibleLines()
{
    VisibleLines.clear();
    QTextBlock block = firstVisibleBlock();
    if (!block.isValid())
        return;
    qreal top = blockBoundingGeometry(block).translated(contentOffset()).top();
    int offset = OffsetOfLine(*document(), block.blockNumber());
    const qreal bottom = viewport()->height();
    while (block.isValid() && top < bottom) {
        TVisibleLine &line = VisibleLines.emplace_back();
        line.Block = block;
        line.Offset = offset;
        line.Top = top;
        line.Length = block.length() - 1;
        NoteShownColumns(line);
        top += blockBoundingRect(block).height();
        // The block's length counts its separator once; the text counts CR LF.
        offset += block.length() + 1;
        block = block.next();
    }
}

void TColorMemo::NoteShownColumns(TVisibleLine &line)
{
    line.ShownFrom = 0;
    line.ShownTo = line.Length;
    const qreal left = -contentOffset().x();
    const qreal right = left + viewport()->width();
    line.Ruler = LongLineRuler(line.Block);
    if (line.Ruler) {
        // Of a long line only the shown columns are read: a paint (a blinking caret) copying
        // a megabyte would cost more than the paint, and as much memory again as the line.
        const TLineText text(line.Block);
        const qreal textLeft = LongLines->TextLeft();
        line.ShownFrom = std::max(0, line.Ruler->ColumnUnder(text, left - textLeft) - 1);
        line.ShownTo = std::min(line.ShownTo, line.Ruler->ColumnUnder(text, right - textLeft) + 2);
        // Never half a surrogate pair at either edge.
        if (line.ShownFrom > 0 && text.At(line.ShownFrom).isLowSurrogate())
            --line.ShownFrom;
        if (line.ShownTo < line.Length && text.At(line.ShownTo).isLowSurrogate())
            ++line.ShownTo;
        line.Text = text.Range(line.ShownFrom, line.ShownTo).toString();
        line.TextFrom = line.ShownFrom;
        LayOutShownColumns(line, text);
        return;
    }
    line.Text = line.Block.text();
    const QTextLayout *layout = line.Block.layout();
    if (layout->lineCount() != 1)
        return;
    // An unwrapped line wider than the view shows only the columns under it.
    const QTextLine only = layout->lineAt(0);
    if (left <= 0 && only.naturalTextWidth() <= right)
        return;
    line.ShownFrom = std::max(0, only.xToCursor(left) - 1);
    line.ShownTo = std::min(line.ShownTo, only.xToCursor(right) + 1);
}

int TColorMemo::VisibleLineOf(int offset) const
{
    const auto after = std::upper_bound(VisibleLines.begin(),
                                        VisibleLines.end(),
                                        offset,
                                        [](int value, const TVisibleLine &line) {
                                            return value < line.Offset;
                                        });
    if (after == VisibleLines.begin())
        return -1;
    const TVisibleLine &line = *(after - 1);
    if (offset > line.Offset + line.Length)
        return -1;
    return int(after - VisibleLines.begin()) - 1;
}

void TColorMemo::RunColourPass(bool fromCaretLine)
{
    if (VisibleLines.empty())
        return;
    int firstLine = VisibleLines.front().Block.blockNumber();
    if (fromCaretLine)
        firstLine = std::max(firstLine, textCursor().blockNumber());
    const TGeometry geometry(*this);
    const int lineHeight = QFontMetrics(font()).height();
    TScanRange range = FindScanRange(geometry, firstLine, lineHeight, 0, viewport()->height());
    ClipToView(range);
    // Above the caret's line the text is as the last pass saw it: its runs stay valid there and
    // are painted again wherever that part of the view is repainted.
    if (fromCaretLine) {
        const auto below = [&](const TKeyDescr &run) { return run.End >= range.Start; };
        KeptRuns.erase(std::remove_if(KeptRuns.begin(), KeptRuns.end(), below), KeptRuns.end());
        for (const TKeyDescr &run : PassRuns) {
            if (!below(run))
                KeptRuns.push_back(run);
        }
    } else {
        KeptRuns.clear();
    }

    // Text, start and first line come with each segment.
    TColourPassInput input;
    const QTextCursor cursor = textCursor();
    input.SelStart = OffsetFromPosition(*document(), cursor.selectionStart());
    input.SelLength = OffsetFromPosition(*document(), cursor.selectionEnd()) - input.SelStart;
    input.ShowSelection = hasFocus() || !HideSelectionFlag;
    input.FontColor = clWindowText;
    input.Background = clWindow;
    input.FontStyle = FontStyle();
    input.Options = MemoOptions;

    if (OnIsKeywordChar) {
        Pass.SetOnIsKeywordChar([this](QChar c) {
            bool isKeywordChar = true;
            OnIsKeywordChar(*this, c, isKeywordChar);
            return isKeywordChar;
        });
    } else {
        Pass.SetOnIsKeywordChar(nullptr);
    }
    CollectScanSegments(range);
    PassRuns.clear();
    PassHotRanges.Clear();
    int scanned = 0;
    for (const TScanRange &segment : ScanSegments) {
        ScanSegment(segment, input);
        scanned += segment.End - segment.Start;
    }
    if (!ScanSegments.empty()) {
        range.Start = ScanSegments.front().Start;
        range.End = ScanSegments.back().End;
    }
    PassInfo = {PassInfo.Count + 1, fromCaretLine, range.FirstLine, range.Start, range.End, scanned};
}

void TColorMemo::CollectScanSegments(const TScanRange &range)
{
    ScanSegments.clear();
    TScanRange next = range;
    // Ends the segment in front of a hidden part [from, to) of a line and starts the next one
    // behind it.
    const auto skip = [&](int from, int to, int line) {
        if (to <= next.Start || from >= range.End)
            return;
        if (from > next.Start)
            ScanSegments.push_back({next.FirstLine, next.Start, from});
        next.Start = std::min(to, range.End);
        next.FirstLine = line;
    };
    for (const TVisibleLine &line : VisibleLines) {
        const int number = line.Block.blockNumber();
        if (line.ShownFrom > 0)
            skip(line.Offset, line.Offset + line.ShownFrom, number);
        if (line.ShownTo < line.Length)
            skip(line.Offset + line.ShownTo, line.Offset + line.Length, number);
    }
    if (next.Start < range.End || ScanSegments.empty())
        ScanSegments.push_back(next);
}

void TColorMemo::ScanSegment(const TScanRange &segment, TColourPassInput &input)
{
    ScanText = CrLfRange(*document(), segment.Start, segment.End - segment.Start);
    input.Text = ScanText;
    input.TextStart = segment.Start;
    input.FirstLine = segment.FirstLine;
    Pass.Run(Rules, HotSpotSettings, input, TView(*this));
    PassRuns.insert(PassRuns.end(), Pass.Runs().begin(), Pass.Runs().end());
    const TcmHotKeywordList &hot = Pass.HotRanges();
    for (int i = 0; i < hot.Count(); ++i)
        PassHotRanges.Add(hot[i].First, hot[i].Last);
}

void TColorMemo::ClipToView(TScanRange &range) const
{
    const qreal height = viewport()->height();
    const auto tall = [&](const TVisibleLine &line) {
        return blockBoundingRect(line.Block).height() > height;
    };
    // Scrolled into a line taller than the view: its display lines from the view's top on.
    const TVisibleLine &first = VisibleLines.front();
    if (first.Top < 0 && tall(first)) {
        const QTextLayout &layout = *first.Block.layout();
        const int shown = FirstDisplayLineFrom(layout, -first.Top);
        if (shown >= 0) {
            range.FirstLine = first.Block.blockNumber();
            range.Start = first.Offset + layout.lineAt(shown).textStart();
            range.End = std::max(range.End, first.Offset + first.Length);
        }
    }
    // A line running on below the view: its display lines that show whole.
    const TVisibleLine &last = VisibleLines.back();
    if (last.Offset < range.End && tall(last)) {
        const QTextLayout &layout = *last.Block.layout();
        int cut = FirstDisplayLineFrom(layout, height - last.Top);
        if (cut < 0)
            cut = layout.lineCount();
        if (cut > 0 && last.Top + layout.lineAt(cut - 1).rect().bottom() > height)
            --cut;
        const int end = cut < layout.lineCount() ? layout.lineAt(cut).textStart() : last.Length;
        range.End = std::clamp(last.Offset + end, range.Start, range.End);
    }
}

void TColorMemo::NoteLineRuns()
{
    LineRuns.clear();
    const std::vector<TKeyDescr> *const lists[] = {&KeptRuns, &PassRuns};
    for (const std::vector<TKeyDescr> *runs : lists) {
        for (const TKeyDescr &run : *runs) {
            const int index = VisibleLineOf(run.Start);
            if (index < 0)
                continue;
            const TVisibleLine &line = VisibleLines[size_t(index)];
            TLineRun lineRun{line.Block.blockNumber(), run};
            lineRun.Run.Start -= line.Offset;
            lineRun.Run.End -= line.Offset;
            LineRuns.push_back(lineRun);
        }
    }
    std::stable_sort(LineRuns.begin(), LineRuns.end(), [](const TLineRun &a, const TLineRun &b) {
        return a.Line < b.Line;
    });
}

namespace {

bool SameRun(const TKeyDescr &a, const TKeyDescr &b)
{
    return a.Start == b.Start && a.End == b.End && a.Color == b.Color && a.Brush == b.Brush
           && a.Priority == b.Priority && a.Keyword == b.Keyword && a.Style == b.Style;
}

} // namespace

void TColorMemo::RepaintLinesWithNewRuns(int caretLine)
{
    const auto runsOf = [](const std::vector<TLineRun> &runs, size_t &at, int line) {
        while (at < runs.size() && runs[at].Line < line)
            ++at;
        size_t end = at;
        while (end < runs.size() && runs[end].Line == line)
            ++end;
        return std::make_pair(at, end);
    };
    size_t oldAt = 0;
    size_t newAt = 0;
    QRegion stale;
    for (const TVisibleLine &line : VisibleLines) {
        const int number = line.Block.blockNumber();
        if (number <= caretLine)
            continue;
        const auto [oldBegin, oldEnd] = runsOf(PreviousLineRuns, oldAt, number);
        const auto [newBegin, newEnd] = runsOf(LineRuns, newAt, number);
        const bool same = std::equal(PreviousLineRuns.begin() + qsizetype(oldBegin),
                                     PreviousLineRuns.begin() + qsizetype(oldEnd),
                                     LineRuns.begin() + qsizetype(newBegin),
                                     LineRuns.begin() + qsizetype(newEnd),
                                     [](const TLineRun &a, const TLineRun &b) {
                                         return SameRun(a.Run, b.Run);
                                     });
        if (!same)
            stale += RowsRect(line.Top, blockBoundingRect(line.Block).height());
    }
    // A repaint asked for inside a paint would be lost with it; it is asked for after it.
    if (!stale.isEmpty()) {
        QMetaObject::invokeMethod(
            this, [this, stale] { viewport()->update(stale); }, Qt::QueuedConnection);
    }
}

void TColorMemo::DrawRuns(QPainter &painter, const QRect &dirty)
{
    QPalette colours = palette();
    colours.setCurrentColorGroup(hasFocus() ? QPalette::Active : QPalette::Inactive);
    const TPaintContext context{colours, contentOffset().x(), FontStyle()};
    const std::vector<TKeyDescr> *const lists[] = {&KeptRuns, &PassRuns};
    for (const std::vector<TKeyDescr> *runs : lists) {
        for (const TKeyDescr &run : *runs) {
            const int index = VisibleLineOf(run.Start);
            if (index < 0)
                continue;
            // Only where this paint reaches (a blinking caret repaints a few pixels).
            const TVisibleLine &line = VisibleLines[size_t(index)];
            if (run.End < line.Offset + line.ShownFrom || run.Start > line.Offset + line.ShownTo)
                continue;
            // Behind an input method's unfinished text the columns have moved; its runs come
            // back with the finished text.
            if (line.ComposedAt >= 0 && run.End >= line.Offset + line.ShownFrom + line.ComposedAt)
                continue;
            const size_t next = size_t(index) + 1;
            const qreal bottom = next < VisibleLines.size() ? VisibleLines[next].Top
                                                            : viewport()->height();
            if (bottom > dirty.top() && line.Top <= dirty.bottom())
                DrawRun(painter, run, line, context);
        }
    }
}

TColorMemo::TDrawLine TColorMemo::DrawLineAt(const TVisibleLine &line, int column) const
{
    if (!line.Shown)
        return {DisplayLineAt(*line.Block.layout(), line.Length, column), 0};
    if (column < line.ShownFrom || column >= line.ShownTo)
        return {};
    return {line.Shown->lineAt(0), line.ShownFrom};
}

void TColorMemo::DrawRun(QPainter &painter,
                         const TKeyDescr &run,
                         const TVisibleLine &line,
                         const TPaintContext &context)
{
    const int first = std::max(run.Start - line.Offset, line.ShownFrom);
    const TDrawLine drawLine = DrawLineAt(line, first);
    const QTextLine &displayLine = drawLine.Line;
    if (first >= line.Length || !displayLine.isValid())
        return;
    // A run ends at its display line and never includes a line break.
    const int shift = drawLine.Shift;
    const int lineEnd = shift + displayLine.textStart() + displayLine.textLength();
    const int textEnd = line.TextFrom + int(line.Text.size());
    const int last = std::min({run.End - line.Offset, textEnd - 1, lineEnd - 1});
    if (last < first)
        return;
    const QColor textColor = ToQColor(run.Color, context.Colours);
    const qreal x = displayLine.cursorToX(first - shift);
    const QRectF cell(context.Left + x,
                      line.Top + displayLine.y(),
                      displayLine.cursorToX(last + 1 - shift) - x,
                      displayLine.height());
    if (run.Keyword && OnDrawKey) {
        const QString key = line.Columns(first, last + 1);
        const QFontMetricsF metrics(RunFont(run));
        painter.setFont(RunFont(run));
        painter.setPen(textColor);
        OnDrawKey(painter,
                  key,
                  QRectF(cell.topLeft(), QSizeF(metrics.horizontalAdvance(key), metrics.height())),
                  textColor);
        return;
    }
    painter.fillRect(cell, ToQColor(run.Brush, context.Colours));
    painter.setPen(textColor);
    if (RunStyle(run) == context.BaseStyle) {
        // The glyphs exactly as the line laid them out, tabs and fractional advances included.
        const QList<QGlyphRun> glyphs = displayLine.glyphRuns(first - shift, last - first + 1);
        for (const QGlyphRun &glyphRun : glyphs)
            painter.drawGlyphRun(QPointF(context.Left, line.Top), glyphRun);
    } else {
        DrawStyledRun(painter, run, line, drawLine, first, last, context.Left);
    }
}

void TColorMemo::DrawStyledRun(QPainter &painter,
                               const TKeyDescr &run,
                               const TVisibleLine &line,
                               const TDrawLine &drawLine,
                               int first,
                               int last,
                               qreal left) const
{
    // Bold, italic or underlined text has other advances than the line's glyphs; each piece
    // between tabs (whose stops a plain string does not know) starts where the layout puts it.
    painter.setFont(RunFont(run));
    const QTextLine &displayLine = drawLine.Line;
    const qreal baseline = line.Top + displayLine.y() + displayLine.ascent();
    int pieceStart = first;
    for (int i = first; i <= last + 1; ++i) {
        if (i <= last && line.At(i) != u'\t')
            continue;
        if (i > pieceStart) {
            const QPointF origin(left + displayLine.cursorToX(pieceStart - drawLine.Shift),
                                 baseline);
            painter.drawText(origin, line.Columns(pieceStart, i));
        }
        pieceStart = i + 1;
    }
}

TFontStyles TColorMemo::RunStyle(const TKeyDescr &run) const
{
    const bool hotText = run.Priority == HotSpotTextPriority && HotSpotSettings.Active
                         && HotSpotSettings.Underlined;
    return TFontStyles(run.Style | (hotText ? fsUnderline : 0));
}

QFont TColorMemo::RunFont(const TKeyDescr &run) const
{
    const TFontStyles style = RunStyle(run);
    QFont runFont = font();
    runFont.setBold(style & fsBold);
    runFont.setItalic(style & fsItalic);
    runFont.setUnderline(style & fsUnderline);
    runFont.setStrikeOut(style & fsStrikeOut);
    return runFont;
}

TFontStyles TColorMemo::FontStyle() const
{
    const QFont base = font();
    return TFontStyles((base.bold() ? fsBold : 0) | (base.italic() ? fsItalic : 0)
                       | (base.underline() ? fsUnderline : 0)
                       | (base.strikeOut() ? fsStrikeOut : 0));
}

QList<TGutterLabel> TColorMemo::GutterLabels() const
{
    QList<TGutterLabel> labels;
    if (!GutterSettings.ShowLineNumbers || GutterSettings.Size <= 0)
        return labels;
    // Inside the gutter less one pixel on every side, and clear of the raised edge.
    const qreal left = 1;
    const qreal right = GutterSettings.Size - 1 - (GutterSettings.Is3D ? 3 : 0);
    const qreal lineHeight = QFontMetricsF(font()).height();
    const qreal bottom = viewport()->height();
    QTextBlock block = firstVisibleBlock();
    qreal top = block.isValid() ? blockBoundingGeometry(block).translated(contentOffset()).top()
                                : 0;
    for (; block.isValid() && top < bottom; block = block.next()) {
        const QString number = QString::number(block.blockNumber() + GutterSettings.StartCountAt);
        labels.append({number, QRectF(left, top, std::max<qreal>(0, right - left), lineHeight)});
        top += blockBoundingRect(block).height();
    }
    return labels;
}

void TColorMemo::UpdateGutter()
{
    // Typing in a line, a blinking caret and most other repaints leave the numbers as they are.
    QList<TGutterLabel> labels = GutterLabels();
    const bool same = std::equal(labels.begin(),
                                 labels.end(),
                                 GutterShown.begin(),
                                 GutterShown.end(),
                                 [](const TGutterLabel &a, const TGutterLabel &b) {
                                     return a.Text == b.Text && a.Rect == b.Rect;
                                 });
    if (same)
        return;
    GutterShown = std::move(labels);
    GutterArea->update();
}

void TColorMemo::PaintGutter(QPainter &painter) const
{
    const int size = GutterSettings.Size;
    if (size <= 0)
        return;
    const QPalette colours = palette();
    const int height = GutterArea->height();
    painter.fillRect(QRect(0, 0, size, height), ToQColor(GutterSettings.Color, colours));
    if (GutterSettings.ShowLineNumbers) {
        Qt::Alignment alignment = Qt::AlignTop | Qt::AlignLeft;
        if (GutterSettings.Alignment == taRightJustify)
            alignment = Qt::AlignTop | Qt::AlignRight;
        else if (GutterSettings.Alignment == taCenter)
            alignment = Qt::AlignTop | Qt::AlignHCenter;
        painter.setFont(font());
        painter.setPen(ToQColor(GutterSettings.NumColor, colours));
        const QList<TGutterLabel> labels = GutterLabels();
        for (const TGutterLabel &label : labels)
            painter.drawText(label.Rect, int(alignment), label.Text);
    }
    if (GutterSettings.Is3D) {
        painter.setPen(ToQColor(clBtnHighlight, colours));
        painter.drawLine(size - 2, 0, size - 2, height - 1);
        painter.setPen(ToQColor(clBtnShadow, colours));
        painter.drawLine(size - 1, 0, size - 1, height - 1);
    }
}

void TColorMemo::paintEvent(QPaintEvent *event)
{
    QPlainTextEdit::paintEvent(event);
    const bool fromCaretLine = PendingCaretPass && !PendingFullPass;
    PendingCaretPass = false;
    PendingFullPass = false;
    QPainter painter(viewport());
    CollectVisibleLines();
    PaintLongLines(painter, event->rect());
    if (CanColour()) {
        RunColourPass(fromCaretLine);
        LineRuns.swap(PreviousLineRuns);
        NoteLineRuns();
        if (fromCaretLine)
            RepaintLinesWithNewRuns(textCursor().blockNumber());
        DrawRuns(painter, event->rect());
    }
    PaintLongLineCaret(painter, event->rect());
    DrawDropCaret(painter);
}
