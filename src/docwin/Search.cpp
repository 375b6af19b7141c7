#include "Search.h"

#include "CodePage.h"

#include <QtGlobal>

#include <algorithm>
#include <functional>
#include <iterator>

namespace {

bool IsWordStop(QChar c)
{
    const char16_t code = c.unicode();
    return code == u'\t' || code == u'\n' || code == u'\r' || (code >= u' ' && code <= u'/');
}

QString AnsiUpperText(QStringView text)
{
    QString upper(text.size(), Qt::Uninitialized);
    for (qsizetype i = 0; i < text.size(); ++i)
        upper[i] = AnsiUpper(text[i]);
    return upper;
}

struct TUpperHash
{
    size_t operator()(QChar c) const { return AnsiUpper(c).unicode(); }
};

struct TUpperEqual
{
    bool operator()(QChar a, QChar b) const { return AnsiUpper(a) == AnsiUpper(b); }
};

struct TExactHash
{
    size_t operator()(QChar c) const { return c.unicode(); }
};

// The first match of the pattern in [first, last), or last.
template<typename Iterator, typename PatternIterator>
Iterator SearchIn(Iterator first,
                  Iterator last,
                  PatternIterator patternFirst,
                  PatternIterator patternLast,
                  bool matchCase)
{
    if (matchCase) {
        return std::search(first,
                           last,
                           std::boyer_moore_horspool_searcher(patternFirst,
                                                              patternLast,
                                                              TExactHash(),
                                                              std::equal_to<QChar>()));
    }
    return std::search(first,
                       last,
                       std::boyer_moore_horspool_searcher(patternFirst,
                                                          patternLast,
                                                          TUpperHash(),
                                                          TUpperEqual()));
}

} // namespace

std::optional<QString> WordAtCaret(const TEditControl &editor)
{
    // Read in slices, so that a long text is not copied for a short word.
    constexpr int Slice = 256;
    QString word;
    for (int pos = std::max(0, editor.SelStart());; pos += Slice) {
        const QString slice = editor.TextRange(pos, Slice);
        const auto stop = std::find_if(slice.cbegin(), slice.cend(), IsWordStop);
        word.append(QStringView(slice.cbegin(), stop));
        if (stop != slice.cend() || slice.size() < Slice)
            break;
    }
    if (word.isEmpty())
        return std::nullopt;
    return word;
}

void PrepareFind(TFindState &state, const TEditControl &editor, bool sucheAmAktuellenCursor)
{
    if (!sucheAmAktuellenCursor)
        return;
    if (const std::optional<QString> word = WordAtCaret(editor))
        state.SearchText = *word;
}

TFindResult FindNextInDocument(TEditControl &editor, const TFindState &state)
{
    if (state.SearchText.isEmpty())
        return TFindResult::NothingToFind;
    const QString pattern = state.MatchCase ? state.SearchText : AnsiUpperText(state.SearchText);
    const QString text = editor.Text();
    const qsizetype caret = std::clamp<qsizetype>(editor.SelStart(), 0, text.size());
    qsizetype found = -1;
    if (state.Down) {
        if (caret + 1 <= text.size()) {
            const auto begin = text.cbegin() + caret + 1;
            const auto hit = SearchIn(begin,
                                      text.cend(),
                                      pattern.cbegin(),
                                      pattern.cend(),
                                      state.MatchCase);
            if (hit != text.cend())
                found = hit - text.cbegin();
        }
    } else if (caret >= 1) {
        // Matches that start at caret - 1 or before: search the text up to caret - 1 plus the
        // pattern's length backwards, with the pattern reversed.
        const qsizetype end = std::min(text.size(), caret - 1 + pattern.size());
        const auto rbegin = std::make_reverse_iterator(text.cbegin() + end);
        const auto rend = text.crend();
        const auto hit = SearchIn(rbegin, rend, pattern.crbegin(), pattern.crend(), state.MatchCase);
        if (hit != rend)
            found = (rend - hit) - pattern.size();
    }
    if (found < 0)
        return TFindResult::NotFound;
    editor.SetSelStart(int(found));
    editor.SetSelLength(int(pattern.size()));
    editor.ScrollCaret();
    return TFindResult::Found;
}

QString SearchNotFoundText(const TFindState &state)
{
    const QString shown = state.MatchCase ? state.SearchText : AnsiUpperText(state.SearchText);
    return QStringLiteral("Der Suchstring\r\n") + shown
           + QStringLiteral("\r\nkonnte nicht gefunden werden");
}
