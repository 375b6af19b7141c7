#pragma once

#include "ColorValues.h"

#include <QString>
#include <QStringList>

#include <array>
#include <memory>
#include <vector>

class TCMParamList;

// Kinds of match of a colouring rule, in their streamed order.
enum TKeyDrawingType {
    dtKeyShow = 0,     // every occurrence of each keyword
    dtEventDraw = 1,   // no matches; the control's OnDrawEx event colours
    dtBeginEnd = 2,    // from a begin marker to the next end marker
    dtBeginLineEnd = 3 // from a begin marker to the end of its line
};

// Font style bits of a match: bold, italic, underline, strike-out.
enum TFontStyleBit : quint8 { fsBold = 1, fsItalic = 2, fsUnderline = 4, fsStrikeOut = 8 };
using TFontStyles = quint8;

// The string list class of the rule's three list properties.
using TCMStringList = QStringList;

// The identifier of a drawing type ("dtKeyShow" ...).
QString KeyDrawingTypeIdent(TKeyDrawingType type);
// The display name of a drawing type for rule editors ("Key Show" ..., else "<Other type>").
QString KeyDrawingTypeDisplayName(TKeyDrawingType type);

// The parts of one list entry: cut at ";" (";;" is a literal ";"), each part trimmed of
// characters up to 32, empty parts dropped.
QStringList SplitEntry(QStringView entry);

// One row of a rule's keyword table.
struct TKeywordRow
{
    QString Keyword; // upper case unless the rule is case-sensitive
    TColor Color = clRed;
};

// The keyword rows grouped by their first character, so that a scan can visit each character
// of a text once: the rows starting with ASCII character c are Rows[Start[c]] up to
// Rows[Start[c + 1]], each group in table order; rows starting with another character are in
// OtherRows.
struct TKeywordIndex
{
    std::array<int, 129> Start{};
    std::vector<int> Rows;
    std::vector<int> OtherRows;
};

// One row of a rule's span table: markers of at most six characters and the colours.
struct TBegEndRow
{
    QString BeginMarker;
    QString EndMarker; // CR LF for begin-to-line-end spans
    TColor Color = clRed;
    TColor Brush = clWindow;
};
using TBegEndList = std::vector<TBegEndRow>;

// Result of reading rules from a parameter list; Error says what was wrong.
struct TParamsResult
{
    bool Ok = true;
    QString Error;
};

// One colouring rule: what to match (keywords or spans), how to colour a match, and the
// tables derived from the entry lists. The derived tables follow the properties: every setter
// that affects them marks the rule, and the next PrepareRules brings such rules up to date.
class TColorRule
{
public:
    TColorRule();
    TColorRule(const TColorRule &) = delete;
    TColorRule &operator=(const TColorRule &) = delete;

    // Copies every property except KeySelColor; the lists go through their setters.
    void Assign(const TColorRule &source);

    quint8 ZOrder() const { return Priority; }
    void SetZOrder(quint8 zOrder) { Priority = zOrder; }
    const TCMStringList &Keywords() const { return KeywordList; }
    // Copies the list and rebuilds the keyword table at once.
    void SetKeywords(const TCMStringList &keywords);
    const TCMStringList &KeyBegEndLst() const { return BegEndList; }
    // Copies the list and rebuilds the span table from it at once.
    void SetKeyBegEndLst(const TCMStringList &entries);
    const TCMStringList &KeyLineEndLst() const { return LineEndList; }
    // Copies the list and rebuilds the span table from it at once.
    void SetKeyLineEndLst(const TCMStringList &entries);
    int KeyMaxHeight() const { return MaxHeight; }
    void SetKeyMaxHeight(int lines) { MaxHeight = lines; }
    TKeyDrawingType KeyDrawingType() const { return DrawingType; }
    void SetKeyDrawingType(TKeyDrawingType type);
    bool KeyCase() const { return CaseSensitive; }
    void SetKeyCase(bool keyCase);
    bool Enabled() const { return IsEnabled; }
    void SetEnabled(bool enabled) { IsEnabled = enabled; }
    bool Bold() const { return IsBold; }
    void SetBold(bool bold) { IsBold = bold; }
    bool Italic() const { return IsItalic; }
    void SetItalic(bool italic) { IsItalic = italic; }
    bool Underline() const { return IsUnderline; }
    void SetUnderline(bool underline) { IsUnderline = underline; }
    bool PartWord() const { return MatchPartWord; }
    void SetPartWord(bool partWord) { MatchPartWord = partWord; }
    TColor DefKeyColor() const { return DefaultColor; }
    void SetDefKeyColor(TColor color);
    TColor KeySelColor() const { return SelColor; }
    void SetKeySelColor(TColor color) { SelColor = color; }
    TColor KeyBrushColor() const { return BrushColor; }
    void SetKeyBrushColor(TColor color);
    bool IsHotspot() const { return Hotspot; }
    void SetIsHotspot(bool hotspot) { Hotspot = hotspot; }
    bool IgnoreOtherRules() const { return Ignore; }
    void SetIgnoreOtherRules(bool ignore) { Ignore = ignore; }
    QString Name() const { return RuleName; }
    void SetName(const QString &name) { RuleName = name; }

    // Bold, italic and underline of the rule as style bits.
    TFontStyles FontStyle() const;
    // The rule's display name for rule editors, by its drawing type.
    QString DisplayName() const { return KeyDrawingTypeDisplayName(DrawingType); }

    // Rebuilds the derived tables for the drawing type and tells whether the rule has anything
    // to match.
    bool PrepareRule();
    // Whether a property changed since the tables were last prepared.
    bool NeedsTables() const { return TablesStale; }
    const std::vector<TKeywordRow> &KeywordTable() const { return KeywordRows; }
    const TKeywordIndex &KeywordIndex() const { return KeywordRowIndex; }
    const TBegEndList &SpanTable() const { return SpanRows; }

    // Writes the settings that differ from a new rule's (the drawing type always) into the list.
    void SaveToParams(TCMParamList &params) const;
    // Reads the settings back, each defaulting to the current value (the drawing type to
    // dtBeginEnd). A ZOrder outside 0..255 fails the read and leaves the rule unchanged.
    TParamsResult LoadFromParams(const TCMParamList &params);

private:
    void BuildKeywordTable();
    void BuildKeywordIndex();
    void BuildSpanTable(const TCMStringList &entries, bool lineEnd);

    quint8 Priority = 0;
    TCMStringList KeywordList;
    TCMStringList BegEndList;
    TCMStringList LineEndList;
    int MaxHeight = 1;
    TKeyDrawingType DrawingType = dtBeginEnd;
    bool CaseSensitive = false;
    bool IsEnabled = true;
    bool IsBold = false;
    bool IsItalic = false;
    bool IsUnderline = false;
    bool MatchPartWord = false;
    TColor DefaultColor = clRed;
    TColor SelColor = clYellow;
    TColor BrushColor = clWindow;
    bool Hotspot = false;
    bool Ignore = false;
    QString RuleName;

    std::vector<TKeywordRow> KeywordRows;
    TKeywordIndex KeywordRowIndex;
    TBegEndList SpanRows;
    bool TablesStale = true;
};

// The rules of one editor control, in collection order.
class TDrawRules
{
public:
    TDrawRules() = default;
    TDrawRules(const TDrawRules &) = delete;
    TDrawRules &operator=(const TDrawRules &) = delete;

    int Count() const { return int(Rules.size()); }
    TColorRule &operator[](int index) { return *Rules[size_t(index)]; }
    const TColorRule &operator[](int index) const { return *Rules[size_t(index)]; }
    // Appends a new rule with the values of a new rule.
    TColorRule &Add();
    void Delete(int index);
    void Clear() { Rules.clear(); }
    // Replaces the rules by new ones assigned from the source's, item by item.
    void Assign(const TDrawRules &source);

    // True until a preparation found a rule with something to match.
    bool NeedsPrepare() const { return Prepare; }
    // Called at the start of every colour pass: prepares every rule while NeedsPrepare is set,
    // else the rules whose properties changed since their last preparation.
    void PrepareRules();

    // Writes every rule as a nested list, named after the rule, in collection order.
    void SaveToParams(TCMParamList &params) const;
    // Replaces the rules by those of the nested lists in the parameter list. Fails, leaving the
    // collection unchanged, when a rule cannot be read.
    TParamsResult LoadFromParams(const TCMParamList &params);

    // The columns of a rule list: "Name", "Type", "Enabled", "Z-Order".
    static int ColumnCount() { return 4; }
    static QString ColumnTitle(int column);
    // Cell text of a rule in a column: name ("Unnamed" when empty), drawing type identifier,
    // "True"/"False", priority.
    QString CellText(int index, int column) const;

private:
    std::vector<std::unique_ptr<TColorRule>> Rules;
    bool Prepare = true;
};

// Hot-spot settings of a control: text between BeginChar and the next EndChar is a hot spot.
struct THotSpot
{
    QChar BeginChar{30};
    QChar EndChar{31};
    TColor Color = clBlue;
    TColor MarkerColor = clWindow;
    bool Active = false;
    bool Underlined = true;
};

// One hot range: document offsets of its first and last character.
struct THotRange
{
    int First = 0;
    int Last = -1;
};

// The hot ranges found by the last colour pass.
class TcmHotKeywordList
{
public:
    TcmHotKeywordList() { Ranges.reserve(10); }
    void Clear() { Ranges.clear(); }
    void Add(int first, int last) { Ranges.push_back({first, last}); }
    int Count() const { return int(Ranges.size()); }
    const THotRange &operator[](int index) const { return Ranges[size_t(index)]; }
    // Index of the first range that holds the offset, or -1.
    int IndexOf(int offset) const;

private:
    std::vector<THotRange> Ranges;
};
