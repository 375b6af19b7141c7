#include "ColorRule.h"

#include "CMParamFile.h"
#include "CodePage.h"

namespace {

const QString LineBreak = QStringLiteral("\r\n");
constexpr int MarkerLength = 6;

} // namespace

QString KeyDrawingTypeIdent(TKeyDrawingType type)
{
    switch (type) {
    case dtKeyShow:
        return QStringLiteral("dtKeyShow");
    case dtEventDraw:
        return QStringLiteral("dtEventDraw");
    case dtBeginEnd:
        return QStringLiteral("dtBeginEnd");
    case dtBeginLineEnd:
        return QStringLiteral("dtBeginLineEnd");
    }
    return QString::number(int(type));
}

QString KeyDrawingTypeDisplayName(TKeyDrawingType type)
{
    switch (type) {
    case dtKeyShow:
        return QStringLiteral("Key Show");
    case dtEventDraw:
        return QStringLiteral("Event Draw");
    case dtBeginEnd:
        return QStringLiteral("Begin - End");
    case dtBeginLineEnd:
        return QStringLiteral("Begin - Line End");
    }
    return QStringLiteral("<Other type>");
}

QStringList SplitEntry(QStringView entry)
{
    QStringList parts;
    QString part;
    const auto finishPart = [&]() {
        const QStringView trimmed = TrimControlChars(part);
        if (!trimmed.isEmpty())
            parts.append(trimmed.toString());
        part.clear();
    };
    for (qsizetype i = 0; i < entry.size(); ++i) {
        if (entry[i] != u';') {
            part += entry[i];
        } else if (i + 1 < entry.size() && entry[i + 1] == u';') {
            part += u';';
            ++i;
        } else {
            finishPart();
        }
    }
    finishPart();
    return parts;
}

TColorRule::TColorRule() = default;

void TColorRule::Assign(const TColorRule &source)
{
    RuleName = source.RuleName;
    Hotspot = source.Hotspot;
    DrawingType = source.DrawingType;
    Priority = source.Priority;
    MaxHeight = source.MaxHeight;
    CaseSensitive = source.CaseSensitive;
    IsEnabled = source.IsEnabled;
    MatchPartWord = source.MatchPartWord;
    DefaultColor = source.DefaultColor;
    BrushColor = source.BrushColor;
    IsUnderline = source.IsUnderline;
    IsBold = source.IsBold;
    IsItalic = source.IsItalic;
    Ignore = source.Ignore;
    SetKeywords(source.KeywordList);
    SetKeyLineEndLst(source.LineEndList);
    SetKeyBegEndLst(source.BegEndList);
}

void TColorRule::SetKeywords(const TCMStringList &keywords)
{
    KeywordList = keywords;
    BuildKeywordTable();
    TablesStale = true;
}

void TColorRule::SetKeyBegEndLst(const TCMStringList &entries)
{
    BegEndList = entries;
    BuildSpanTable(BegEndList, false);
    TablesStale = true;
}

void TColorRule::SetKeyLineEndLst(const TCMStringList &entries)
{
    LineEndList = entries;
    BuildSpanTable(LineEndList, true);
    TablesStale = true;
}

void TColorRule::SetKeyDrawingType(TKeyDrawingType type)
{
    DrawingType = type;
    TablesStale = true;
}

void TColorRule::SetKeyCase(bool keyCase)
{
    CaseSensitive = keyCase;
    TablesStale = true;
}

void TColorRule::SetDefKeyColor(TColor color)
{
    DefaultColor = color;
    TablesStale = true;
}

void TColorRule::SetKeyBrushColor(TColor color)
{
    BrushColor = color;
    TablesStale = true;
}

TFontStyles TColorRule::FontStyle() const
{
    return TFontStyles((IsBold ? fsBold : 0) | (IsItalic ? fsItalic : 0)
                       | (IsUnderline ? fsUnderline : 0));
}

bool TColorRule::PrepareRule()
{
    BuildSpanTable(BegEndList, false);
    bool hasMatches = !BegEndList.isEmpty();
    if (DrawingType == dtKeyShow) {
        BuildKeywordTable();
        hasMatches = hasMatches || !KeywordList.isEmpty();
    }
    if (DrawingType == dtBeginLineEnd) {
        BuildSpanTable(LineEndList, true);
        hasMatches = hasMatches || !LineEndList.isEmpty();
    }
    TablesStale = false;
    return hasMatches;
}

void TColorRule::BuildKeywordTable()
{
    KeywordRows.clear();
    for (const QString &entry : KeywordList) {
        const QStringList parts = SplitEntry(entry);
        if (parts.isEmpty())
            continue;
        TKeywordRow row;
        row.Keyword = parts.at(0);
        if (!CaseSensitive) {
            for (QChar &c : row.Keyword)
                c = AnsiUpper(c);
        }
        row.Color = parts.size() > 1 ? ParseColor(parts.at(1)) : DefaultColor;
        KeywordRows.push_back(std::move(row));
    }
    BuildKeywordIndex();
}

void TColorRule::BuildKeywordIndex()
{
    TKeywordIndex &index = KeywordRowIndex;
    index.Start.fill(0);
    index.OtherRows.clear();
    for (const TKeywordRow &row : KeywordRows) {
        const char16_t first = row.Keyword.front().unicode();
        if (first < 128)
            ++index.Start[first + 1];
    }
    for (size_t c = 1; c < index.Start.size(); ++c)
        index.Start[c] += index.Start[c - 1];
    index.Rows.resize(size_t(index.Start.back()));
    std::array<int, 129> next = index.Start;
    for (int i = 0; i < int(KeywordRows.size()); ++i) {
        const char16_t first = KeywordRows[size_t(i)].Keyword.front().unicode();
        if (first < 128)
            index.Rows[size_t(next[first]++)] = i;
        else
            index.OtherRows.push_back(i);
    }
}

void TColorRule::BuildSpanTable(const TCMStringList &entries, bool lineEnd)
{
    // Both lists share the one span table; building from either empties it first.
    SpanRows.clear();
    const int colorPart = lineEnd ? 1 : 2;
    for (const QString &entry : entries) {
        const QStringList parts = SplitEntry(entry);
        if (parts.size() < (lineEnd ? 1 : 2))
            continue;
        TBegEndRow row;
        row.BeginMarker = parts.at(0).left(MarkerLength);
        row.EndMarker = lineEnd ? LineBreak : parts.at(1).left(MarkerLength);
        row.Color = parts.size() > colorPart ? ParseColor(parts.at(colorPart)) : DefaultColor;
        row.Brush = BrushColor;
        SpanRows.push_back(std::move(row));
    }
}

TColorRule &TDrawRules::Add()
{
    Rules.push_back(std::make_unique<TColorRule>());
    return *Rules.back();
}

void TDrawRules::Delete(int index)
{
    if (index >= 0 && index < Count())
        Rules.erase(Rules.begin() + index);
}

void TDrawRules::Assign(const TDrawRules &source)
{
    if (&source == this)
        return;
    Rules.clear();
    for (const auto &rule : source.Rules)
        Add().Assign(*rule);
}

void TDrawRules::PrepareRules()
{
    if (!Prepare) {
        for (const auto &rule : Rules) {
            if (rule->NeedsTables())
                rule->PrepareRule();
        }
        return;
    }
    bool anyMatches = false;
    for (const auto &rule : Rules) {
        if (rule->PrepareRule())
            anyMatches = true;
    }
    if (anyMatches)
        Prepare = false;
}

QString TDrawRules::ColumnTitle(int column)
{
    switch (column) {
    case 0:
        return QStringLiteral("Name");
    case 1:
        return QStringLiteral("Type");
    case 2:
        return QStringLiteral("Enabled");
    case 3:
        return QStringLiteral("Z-Order");
    default:
        return QString();
    }
}

QString TDrawRules::CellText(int index, int column) const
{
    if (index < 0 || index >= Count())
        return QString();
    const TColorRule &rule = (*this)[index];
    switch (column) {
    case 0:
        return rule.Name().isEmpty() ? QStringLiteral("Unnamed") : rule.Name();
    case 1:
        return KeyDrawingTypeIdent(rule.KeyDrawingType());
    case 2:
        return rule.Enabled() ? QStringLiteral("True") : QStringLiteral("False");
    case 3:
        return QString::number(rule.ZOrder());
    default:
        return QString();
    }
}

int TcmHotKeywordList::IndexOf(int offset) const
{
    for (int i = 0; i < Count(); ++i) {
        if (Ranges[size_t(i)].First <= offset && offset <= Ranges[size_t(i)].Last)
            return i;
    }
    return -1;
}

void TColorRule::SaveToParams(TCMParamList &params) const
{
    params.SetIdent(QStringLiteral("KeyDrawingType"), KeyDrawingTypeIdent(DrawingType));
    if (!RuleName.isEmpty())
        params.SetString(QStringLiteral("Name"), RuleName.split(LineBreak));
    if (Priority != 0)
        params.SetInt(QStringLiteral("ZOrder"), Priority);
    if (MaxHeight != 1)
        params.SetInt(QStringLiteral("MaxHeight"), MaxHeight);
    if (DefaultColor != clRed)
        params.SetInt(QStringLiteral("DefKeyColor"), qint32(DefaultColor));
    if (SelColor != clYellow)
        params.SetInt(QStringLiteral("KeySelColor"), qint32(SelColor));
    if (BrushColor != clWindow)
        params.SetInt(QStringLiteral("KeyBrushColor"), qint32(BrushColor));
    if (!KeywordList.isEmpty())
        params.SetString(QStringLiteral("Keywords"), KeywordList);
    if (!BegEndList.isEmpty())
        params.SetString(QStringLiteral("KeyBegEndLst"), BegEndList);
    if (!LineEndList.isEmpty())
        params.SetString(QStringLiteral("KeyLineEndLst"), LineEndList);
    if (!IsEnabled)
        params.SetBool(QStringLiteral("Enabled"), false);
    const std::pair<const char *, bool> flags[] = {{"KeyCase", CaseSensitive},
                                                   {"PartWord", MatchPartWord},
                                                   {"Bold", IsBold},
                                                   {"Italic", IsItalic},
                                                   {"Underline", IsUnderline},
                                                   {"Ignore", Ignore}};
    for (const auto &[name, value] : flags) {
        if (value)
            params.SetBool(QLatin1String(name), true);
    }
}

TParamsResult TColorRule::LoadFromParams(const TCMParamList &params)
{
    const qint32 zOrder = params.GetInt(QStringLiteral("ZOrder"), Priority);
    if (zOrder < 0 || zOrder > 255) {
        return {false,
                QStringLiteral("ZOrder %1 liegt außerhalb von 0..255 (Regel \"%2\")")
                    .arg(zOrder)
                    .arg(RuleName)};
    }
    const QString type
        = params.GetIdent(QStringLiteral("KeyDrawingType"), QStringLiteral("dtBeginEnd")).toUpper();
    const TKeyDrawingType types[] = {dtKeyShow, dtEventDraw, dtBeginEnd, dtBeginLineEnd};
    for (const TKeyDrawingType candidate : types) {
        if (type == KeyDrawingTypeIdent(candidate).toUpper())
            DrawingType = candidate;
    }
    RuleName = params.GetString(QStringLiteral("Name"), RuleName.split(LineBreak)).join(LineBreak);
    Priority = quint8(zOrder);
    MaxHeight = params.GetInt(QStringLiteral("MaxHeight"), MaxHeight);
    DefaultColor = TColor(params.GetInt(QStringLiteral("DefKeyColor"), qint32(DefaultColor)));
    SelColor = TColor(params.GetInt(QStringLiteral("KeySelColor"), qint32(SelColor)));
    BrushColor = TColor(params.GetInt(QStringLiteral("KeyBrushColor"), qint32(BrushColor)));
    // The lists are taken as they are; the tables follow at the next preparation.
    KeywordList = params.GetString(QStringLiteral("Keywords"), KeywordList);
    BegEndList = params.GetString(QStringLiteral("KeyBegEndLst"), BegEndList);
    LineEndList = params.GetString(QStringLiteral("KeyLineEndLst"), LineEndList);
    IsEnabled = params.GetBool(QStringLiteral("Enabled"), IsEnabled);
    SetKeyCase(params.GetBool(QStringLiteral("KeyCase"), CaseSensitive));
    MatchPartWord = params.GetBool(QStringLiteral("PartWord"), MatchPartWord);
    IsBold = params.GetBool(QStringLiteral("Bold"), IsBold);
    IsItalic = params.GetBool(QStringLiteral("Italic"), IsItalic);
    IsUnderline = params.GetBool(QStringLiteral("Underline"), IsUnderline);
    Ignore = params.GetBool(QStringLiteral("Ignore"), Ignore);
    TablesStale = true;
    return {};
}

void TDrawRules::SaveToParams(TCMParamList &params) const
{
    for (const auto &rule : Rules)
        rule->SaveToParams(params.AddList(rule->Name()));
}

TParamsResult TDrawRules::LoadFromParams(const TCMParamList &params)
{
    std::vector<std::unique_ptr<TColorRule>> loaded;
    for (int i = 0; i < params.Count(); ++i) {
        const auto *list = dynamic_cast<const TCMParamList *>(&params[i]);
        if (!list)
            continue;
        auto rule = std::make_unique<TColorRule>();
        const TParamsResult result = rule->LoadFromParams(*list);
        if (!result.Ok)
            return result;
        loaded.push_back(std::move(rule));
    }
    Rules = std::move(loaded);
    return {};
}
