#include "ReplaceOutsideScripts.h"

#include "CodePage.h"
#include "TextScan.h"

#include <QtGlobal>

#include <algorithm>
#include <vector>

namespace {

// The markers in upper case. Every marker starts with a character that is no letter, so a text
// character can only be the start of a marker when it is that very character.
enum TMarker { ScriptLanguage, ScriptType, ScriptEnd, PhpStart, PhpEnd, AspStart, AspEnd };
constexpr std::array<std::u16string_view, 7> MarkerTexts{
    u"<SCRIPT LANGUAGE",
    u"<SCRIPT TYPE=\"TEXT/JAVASCRIPT\">",
    u"</SCRIPT>",
    u"<?",
    u"?>",
    u"<%",
    u"%>",
};

// The end marker of the block a marker belongs to.
constexpr TMarker EndMarkerOf(TMarker marker)
{
    switch (marker) {
    case ScriptLanguage:
    case ScriptType:
    case ScriptEnd:
        return ScriptEnd;
    case PhpStart:
    case PhpEnd:
        return PhpEnd;
    default:
        return AspEnd;
    }
}

// Upper case as the markers are compared, quick for the ASCII characters markup consists of.
inline QChar MarkerUpper(QChar c)
{
    const char16_t code = c.unicode();
    if (code < 0x80)
        return QChar(code >= u'a' && code <= u'z' ? char16_t(code - 0x20) : code);
    return AnsiUpper(c);
}

// Finds the first occurrence of one marker in a text that is built from left to right: a part
// that is already final (the output so far) followed by the rest of the original text. The
// final part is fed character by character through the marker's failure function, so that an
// occurrence found there is known for good; occurrences in the rest are looked up in the
// original text with a cursor that only moves forward.
class TMarkerFinder
{
public:
    explicit TMarkerFinder(std::u16string_view marker)
        : Marker(marker)
        , Failure(marker.size(), 0)
    {
        Q_ASSERT(!QChar(Marker[0]).isLetter());
        for (size_t i = 1, k = 0; i < Marker.size(); ++i) {
            while (k > 0 && Marker[i] != Marker[k])
                k = Failure[k - 1];
            if (Marker[i] == Marker[k])
                ++k;
            Failure[i] = k;
        }
    }

    // When the replaced character and the replacement have no character of the marker, and the
    // replacement is not empty, no replacement can make or break an occurrence: the occurrences
    // are those of the original text, and the first one is found once.
    void MakeStaticIfPossible(QStringView text, QChar c, QStringView replacement)
    {
        const auto inMarker = [this](QChar x) {
            return Marker.find(MarkerUpper(x).unicode()) != std::u16string_view::npos;
        };
        if (replacement.isEmpty() || inMarker(c)
            || std::any_of(replacement.begin(), replacement.end(), inMarker))
            return;
        Static = true;
        StaticFirst = FindInOriginal(text, 0);
    }

    // Feeds the original characters [from, to) that were appended to the output at outPos.
    void FeedOriginal(QStringView text, qsizetype from, qsizetype to, qsizetype outPos)
    {
        if (Static) {
            if (FoundAt < 0 && StaticFirst >= from && StaticFirst < to)
                FoundAt = outPos + (StaticFirst - from);
            return;
        }
        const QStringView segment = text.first(to);
        for (qsizetype k = from; k < to && FoundAt < 0; ++k) {
            if (State == 0) {
                k = segment.indexOf(QChar(Marker[0]), k);
                if (k < 0)
                    return;
            }
            Step(text[k], outPos + (k - from));
        }
    }

    // Whether the marker is nowhere in the text and no replacement can make one.
    bool AbsentForGood() const { return Static && StaticFirst < 0; }
    // Treats the marker as absent, for a start marker whose block can never end.
    void MarkAbsent()
    {
        Static = true;
        StaticFirst = -1;
    }

    // Whether the marker's first occurrence is settled before outPos, or there is none and
    // will be none: then no position from outPos on lies in a block that this marker ends.
    bool SettledBefore(qsizetype outPos) const
    {
        return (FoundAt >= 0 && FoundAt < outPos) || AbsentForGood();
    }

    // Feeds characters that do not come from the original text (a replacement).
    void FeedOther(QStringView chars, qsizetype outPos)
    {
        if (Static)
            return;
        for (qsizetype k = 0; k < chars.size() && FoundAt < 0; ++k)
            Step(chars[k], outPos + k);
    }

    // Start of the first occurrence in the output of length outLength followed by
    // text[restStart..], or -1.
    qsizetype First(QStringView text, qsizetype restStart, qsizetype outLength)
    {
        if (FoundAt >= 0)
            return FoundAt;
        if (Static)
            return StaticFirst < 0 ? -1 : outLength + (StaticFirst - restStart);
        // An occurrence that begins in the output and ends in the rest.
        size_t state = State;
        const qsizetype reach = std::min<qsizetype>(text.size() - restStart, Marker.size() - 1);
        for (qsizetype k = 0; k < reach && state > 0; ++k) {
            state = Next(state, MarkerUpper(text[restStart + k]).unicode());
            if (state == Marker.size())
                return outLength + k + 1 - qsizetype(Marker.size());
        }
        const qsizetype hit = FindInOriginal(text, restStart);
        return hit < 0 ? -1 : outLength + (hit - restStart);
    }

private:
    size_t Next(size_t state, char16_t upper) const
    {
        while (state > 0 && Marker[state] != upper)
            state = Failure[state - 1];
        return Marker[state] == upper ? state + 1 : 0;
    }

    void Step(QChar c, qsizetype outPos)
    {
        State = Next(State, MarkerUpper(c).unicode());
        if (State == Marker.size())
            FoundAt = outPos + 1 - qsizetype(Marker.size());
    }

    bool MatchesAt(QStringView text, qsizetype pos) const
    {
        if (pos + qsizetype(Marker.size()) > text.size())
            return false;
        for (size_t i = 0; i < Marker.size(); ++i) {
            if (MarkerUpper(text[pos + i]).unicode() != Marker[i])
                return false;
        }
        return true;
    }

    // First occurrence at or after from in the original text. The callers ask with positions
    // that never decrease, so the text is scanned once.
    qsizetype FindInOriginal(QStringView text, qsizetype from)
    {
        if (CachedFrom >= 0 && from >= CachedFrom && (CachedHit < 0 || CachedHit >= from))
            return CachedHit;
        qsizetype pos = from;
        while ((pos = text.indexOf(QChar(Marker[0]), pos)) >= 0 && !MatchesAt(text, pos))
            ++pos;
        CachedFrom = from;
        CachedHit = pos;
        return pos;
    }

    std::u16string_view Marker;
    std::vector<size_t> Failure;
    size_t State = 0;
    qsizetype FoundAt = -1;
    bool Static = false;
    qsizetype StaticFirst = -1;
    qsizetype CachedFrom = -1;
    qsizetype CachedHit = -1;
};

// The earlier of two positions where -1 means absent.
qsizetype EarlierFound(qsizetype a, qsizetype b)
{
    if (a < 0)
        return b;
    if (b < 0)
        return a;
    return std::min(a, b);
}

// Whether pos lies in a block from start to end (both positions of markers, -1 when absent).
bool InBlock(qsizetype pos, qsizetype start, qsizetype end)
{
    return start >= 0 && end >= 0 && start <= pos && pos <= end;
}

// Whether no block can hold a position from outPos on: the end marker of every kind of block
// lies before it for good, or there is none.
bool NoBlockFrom(const std::vector<TMarkerFinder> &finders, qsizetype outPos)
{
    return finders[ScriptEnd].SettledBefore(outPos) && finders[PhpEnd].SettledBefore(outPos)
           && finders[AspEnd].SettledBefore(outPos);
}

// Where the replaced text goes: a new string that grows from left to right, or, for a
// replacement of one character, the text itself, changed where it stands (every position stays
// where it is), so that a big text is not copied. The text at and behind the position being
// decided is still the original one, as the marker finders read it.
class TOutput
{
public:
    TOutput(QString &text, QChar c, QStringView replacement)
        : Text(text)
        , InPlace(replacement.size() == 1)
    {
        if (InPlace) {
            Units = reinterpret_cast<char16_t *>(Text.data());
            return;
        }
        const qsizetype longer = replacement.size() - 1;
        Out.reserve(text.size() + (longer > 0 ? text.count(c) * longer : 0));
    }

    qsizetype Size() const { return InPlace ? Length : Out.size(); }

    // The original characters [from, to) stay as they are.
    void Keep(qsizetype from, qsizetype to)
    {
        if (InPlace)
            Length += to - from;
        else
            Out.append(QStringView(Text).sliced(from, to - from));
    }

    // Characters in place of one original character.
    void Put(QStringView chars)
    {
        if (InPlace)
            Units[Length++] = chars[0].unicode();
        else
            Out.append(chars);
    }

    // The original text from `from` on with every c replaced: what lies behind the last block.
    void PutRestReplacing(qsizetype from, QChar c, QStringView replacement)
    {
        if (InPlace) {
            ReplaceUnits(Units + from, Text.size() - from, c.unicode(), replacement[0].unicode());
            Length = Text.size();
            return;
        }
        for (qsizetype hit = 0; (hit = Text.indexOf(c, from)) >= 0; from = hit + 1) {
            Keep(from, hit);
            Out.append(replacement);
        }
        Keep(from, Text.size());
    }

    void Restore(qsizetype pos, QChar c)
    {
        if (InPlace)
            Units[pos] = c.unicode();
        else
            Out[pos] = c;
    }

    QString Take() { return InPlace ? std::move(Text) : std::move(Out); }

private:
    QString &Text;
    const bool InPlace;
    char16_t *Units = nullptr;
    qsizetype Length = 0;
    QString Out;
};

} // namespace

QString ReplaceOutsideScripts(QChar c, QStringView replacement, QString text)
{
    const QChar protectedChar(u'\0');
    qsizetype next = text.indexOf(c);
    if (next < 0)
        return text;
    TOutput out(text, c, replacement);

    std::vector<TMarkerFinder> finders;
    finders.reserve(MarkerTexts.size());
    for (const std::u16string_view marker : MarkerTexts)
        finders.emplace_back(marker);
    // The end markers first: a start marker whose block can never end opens no block, and is
    // not looked for (on a big page that is a search through every '<').
    for (const TMarker end : {ScriptEnd, PhpEnd, AspEnd})
        finders[end].MakeStaticIfPossible(text, c, replacement);
    for (const TMarker start : {ScriptLanguage, ScriptType, PhpStart, AspStart}) {
        if (finders[EndMarkerOf(start)].AbsentForGood())
            finders[start].MarkAbsent();
        else
            finders[start].MakeStaticIfPossible(text, c, replacement);
    }

    std::vector<qsizetype> spared;
    qsizetype from = 0;
    while (next >= 0) {
        for (TMarkerFinder &finder : finders)
            finder.FeedOriginal(text, from, next, out.Size());
        out.Keep(from, next);
        if (NoBlockFrom(finders, out.Size())) {
            out.PutRestReplacing(next, c, replacement);
            from = text.size();
            break;
        }

        std::array<qsizetype, 7> at{};
        for (size_t m = 0; m < finders.size(); ++m)
            at[m] = finders[m].First(text, next, out.Size());
        const qsizetype scriptStart = EarlierFound(at[ScriptLanguage], at[ScriptType]);
        const qsizetype pos = out.Size();
        const bool isProtected = InBlock(pos, scriptStart, at[ScriptEnd])
                                 || InBlock(pos, at[PhpStart], at[PhpEnd])
                                 || InBlock(pos, at[AspStart], at[AspEnd]);

        // A spared character stands in as code 0 until the end, as the markers must see it.
        const QStringView put = isProtected ? QStringView(&protectedChar, 1) : replacement;
        for (TMarkerFinder &finder : finders)
            finder.FeedOther(put, out.Size());
        if (isProtected)
            spared.push_back(out.Size());
        out.Put(put);

        from = next + 1;
        next = text.indexOf(c, from);
    }
    out.Keep(from, text.size());
    // Only the spared characters come back; characters with code 0 of the text itself stay.
    for (const qsizetype pos : spared)
        out.Restore(pos, c);
    return out.Take();
}

QString ReplaceOutsideScripts(const TCharReplacement &pair, QString text)
{
    return ReplaceOutsideScripts(QChar(pair.Char),
                                 QStringView(pair.Replacement.data(), pair.Replacement.size()),
                                 std::move(text));
}

QString ReplaceOutsideScripts(std::span<const TCharReplacement> pairs, QString text)
{
    for (const TCharReplacement &pair : pairs)
        text = ReplaceOutsideScripts(pair, std::move(text));
    return text;
}

QString EncodeUmlauts(const QString &text)
{
    return ReplaceOutsideScripts(UmlautReferences, text);
}

QString BlanksToTabsOutsideScripts(const QString &text)
{
    // Blanks and tabs are part of no marker (the blank inside "<SCRIPT LANGUAGE" has letters on
    // both sides), so the blocks of the original text are the blocks throughout, and no run of
    // blanks crosses the border of a block.
    const qsizetype firstBlank = text.indexOf(QLatin1String("   "));
    if (firstBlank < 0)
        return text;
    std::array<qsizetype, 7> at{};
    for (size_t m = 0; m < MarkerTexts.size(); ++m) {
        TMarkerFinder finder(MarkerTexts[m]);
        at[m] = finder.First(text, 0, 0);
    }
    const qsizetype scriptStart = EarlierFound(at[ScriptLanguage], at[ScriptType]);

    QString out;
    out.reserve(text.size());
    out.append(QStringView(text).first(firstBlank));
    qsizetype i = firstBlank;
    while (i < text.size()) {
        const bool isProtected = InBlock(i, scriptStart, at[ScriptEnd])
                                 || InBlock(i, at[PhpStart], at[PhpEnd])
                                 || InBlock(i, at[AspStart], at[AspEnd]);
        if (!isProtected && i + 3 <= text.size() && text[i] == u' ' && text[i + 1] == u' '
            && text[i + 2] == u' ') {
            out.append(u'\t');
            i += 3;
        } else {
            out.append(text[i]);
            ++i;
        }
    }
    return out;
}
