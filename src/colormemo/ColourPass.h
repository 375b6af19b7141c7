#pragma once

#include "ColorRule.h"

#include <QFlags>
#include <QStringView>

#include <functional>
#include <vector>

// Options of the colour editor control.
enum TColorMemoOption {
    cmoAcceptFiles = 0x1,
    cmoAllowCutCopy = 0x2,
    // Begin/end spans are searched from the document start, so a span begun above the first
    // scanned line is coloured from that line on.
    cmoCalcFullBegEnds = 0x4,
    cmoDragText = 0x8
};
Q_DECLARE_FLAGS(TColorMemoOptions, TColorMemoOption)
Q_DECLARE_OPERATORS_FOR_FLAGS(TColorMemoOptions)

// Priorities that are not a rule's ZOrder.
inline constexpr quint8 DefaultRecordPriority = 0;
inline constexpr quint8 HotSpotTextPriority = 252;
inline constexpr quint8 HotSpotMarkerPriority = 253;

// One match or run of the colour pass, in document offsets.
struct TKeyDescr
{
    int Start = 0; // first character
    int End = -1;  // last character (inclusive); End < Start covers nothing
    TColor Color = clWindowText;
    TColor Brush = clWindow;
    quint8 Priority = 0;  // the rule's ZOrder; 252 hot-spot text, 253 markers, 0 default record
    bool Keyword = false; // made by a dtKeyShow keyword (the control may draw it through OnDrawKey)
    TFontStyles Style = 0;
    bool Ignore = false; // the producing rule's IgnoreOtherRules
};

// What the pass asks of the view that shows the text.
class TColourView
{
public:
    virtual ~TColourView() = default;
    // First character of the display line after the one that shows `offset`, when that line
    // continues the same text line (word wrap); -1 when `offset` is on its text line's last
    // display line. Only asked for offsets inside the scanned text.
    virtual int NextDisplayLineStart(int offset) const = 0;
    // Text of document line `line` without its break; may fill `scratch` and return a view of it.
    // Only asked for the lines above the scanned text, and only with cmoCalcFullBegEnds.
    virtual QStringView DocumentLine(int line, QString &scratch) const = 0;
};

// The part of the document a pass colours and the state it colours it in.
struct TColourPassInput
{
    // The scanned text: from the first character of line FirstLine to the end of the last wholly
    // visible line (including that line's break when another line follows). Only this text is
    // read, whatever the document's size (see FindScanRange).
    QStringView Text;
    int TextStart = 0; // document offset of Text[0]
    int FirstLine = 0; // document line index of Text[0]
    int SelStart = 0;
    int SelLength = 0;
    // The selection is highlighted (the control has the focus or does not hide its selection).
    bool ShowSelection = true;
    TColor FontColor = clWindowText;
    TColor Background = clWindow;
    TFontStyles FontStyle = 0;
    TColorMemoOptions Options;
};

// The lines a pass scans: [Start, End) in document offsets, beginning at line FirstLine.
struct TScanRange
{
    int FirstLine = 0;
    int Start = 0;
    int End = 0;
};

// Line geometry for FindScanRange.
class TLineGeometry
{
public:
    virtual ~TLineGeometry() = default;
    virtual int LineCount() const = 0;
    // Offset of the line's first character.
    virtual int LineStart(int line) const = 0;
    // Top of the display line that shows the line's first character.
    virtual int LineTop(int line) const = 0;
    // Length of the whole text.
    virtual int TextLength() const = 0;
};

// The scanned range: from `firstLine` on (the caret's line or the first visible line; never
// a line far above the view) the lines whose first display line lies wholly in [top, bottom).
// Lines above `top` are skipped; the range ends in front of the first line that reaches below
// `bottom`, so a partly visible last line is not coloured. At most the visible lines are asked.
TScanRange FindScanRange(
    const TLineGeometry &geometry, int firstLine, int lineHeight, int top, int bottom);

// The colour pass: finds what the rules and the hot-spot markers match in the scanned text,
// settles overlaps by priority, and cuts the result into runs of one colour each, split at
// display lines and at the selection's ends. Runs never hold a line break (they may hold tabs,
// which the painter expands); text no run covers keeps the plain painting. All buffers are kept between passes, so a pass over a view of the
// same size allocates nothing.
//
// Only the scanned text is read. With cmoCalcFullBegEnds, begin/end rules also read the lines
// above it, one at a time through TColourView::DocumentLine: that costs time in proportion to
// the text above the view, every pass, for such rules only.
class TColourPass
{
public:
    // Called once per pass after the rules; may add records through AddKeyDescr. Gets the
    // scanned text and the document offset of its first character.
    using TDrawExHandler = std::function<void(TColourPass &pass, QStringView text, int textStart)>;
    // Whether a character belongs to a word, for the keyword scan's whole-word test.
    using TIsKeywordCharHandler = std::function<bool(QChar c)>;

    TColourPass();

    void SetOnDrawEx(TDrawExHandler handler) { OnDrawEx = std::move(handler); }
    void SetOnIsKeywordChar(TIsKeywordCharHandler handler) { OnIsKeywordChar = std::move(handler); }

    // Runs one pass over the input. Prepares the rules first (TDrawRules::PrepareRules).
    void Run(TDrawRules &rules,
             const THotSpot &hotSpot,
             const TColourPassInput &input,
             const TColourView &view);

    // The runs of the last pass, in document offsets, each with Start <= End and in the
    // colours, brush (clHighlight inside a shown selection) and style to paint it with.
    const std::vector<TKeyDescr> &Runs() const { return RunList; }
    // The hot ranges of the last pass.
    const TcmHotKeywordList &HotRanges() const { return HotList; }

    // A new match record of the current pass, preset with the input's font style and colours;
    // for OnDrawEx handlers. Records are clipped to the scanned text.
    TKeyDescr &AddKeyDescr();
    // Whether the character belongs to a word: the handler's answer when one is set, else
    // true for 0-9, A-Z, a-z and "_".
    bool IsKeywordChar(QChar c) const;

private:
    struct TOpenSpan;
    void AddDefaultRecord();
    void ScanHotSpotMarkers(const THotSpot &hotSpot);
    void ScanKeywords(const TColorRule &rule);
    bool IsWholeWord(int pos, int size) const;
    void AddKeywordMatches(const TColorRule &rule);
    void ScanSpans(const TColorRule &rule, const TOpenSpan *carried);
    void LookBack(const TDrawRules &rules, const TColourView &view);
    QStringView UpperText();
    static int NthLineBreak(QStringView text, int from, int limit, int count);
    void AddMatch(int start,
                  int end,
                  TColor color,
                  TColor brush,
                  quint8 priority,
                  bool keyword,
                  TFontStyles style,
                  bool ignore);
    void SplitRecords(const TColourView &view);
    void SplitSegment(const TKeyDescr &record, int from, int to, bool trim, const TColourView &view);
    void FillCoverage();
    void CollectRuns(const THotSpot &hotSpot);

    TDrawExHandler OnDrawEx;
    TIsKeywordCharHandler OnIsKeywordChar;
    TColourPassInput In;

    std::vector<TKeyDescr> Records; // matches, in the order they were found
    std::vector<TKeyDescr> Pieces;  // the matches cut at display lines, in the same order
    std::vector<TKeyDescr> RunList;
    std::vector<int> Coverage; // per character of [CoverageStart, ...]: owning piece or -1
    int CoverageStart = 0;
    int CoverageEnd = -1;
    std::vector<QChar> Upper;
    // Keyword scan: per row where its next occurrence may start; occurrences as found, and
    // sorted by row.
    struct TKeywordFind
    {
        int Row = 0;
        int Pos = 0;
    };
    std::vector<int> NextSearch;
    std::vector<TKeywordFind> Found;
    std::vector<TKeywordFind> Sorted;
    std::vector<int> RowStart;
    bool UpperValid = false;
    // Spans of begin/end rules still open at the scanned text's start (cmoCalcFullBegEnds).
    struct TOpenSpan
    {
        bool Open = false;
        int Begin = 0;  // document offset of the begin marker
        int Breaks = 0; // line breaks passed since it
        int Search = 0; // document offset where the next begin marker is searched
    };
    std::vector<TOpenSpan> OpenSpans;
    std::vector<std::pair<const TColorRule *, const TBegEndRow *>> LookBackRows;
    QString LineScratch;
    TcmHotKeywordList HotList;
};
