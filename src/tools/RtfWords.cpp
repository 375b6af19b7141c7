#include "RtfWords.h"

#include <QHash>

namespace {

const QHash<QByteArray, TRtfWordEntry> &Words()
{
    static const QHash<QByteArray, TRtfWordEntry> words = [] {
        QHash<QByteArray, TRtfWordEntry> table = {
            {"deff", {TRtfWord::DefaultFont}},
            {"plain", {TRtfWord::Plain}},
            {"b", {TRtfWord::Bold}},
            {"i", {TRtfWord::Italic}},
            {"ul", {TRtfWord::Underline}},
            {"uld", {TRtfWord::Underline}},
            {"uldb", {TRtfWord::Underline}},
            {"ulw", {TRtfWord::Underline}},
            {"ulnone", {TRtfWord::UnderlineNone}},
            {"fs", {TRtfWord::FontSize}},
            {"f", {TRtfWord::Font}},
            {"cf", {TRtfWord::Color}},
            {"uc", {TRtfWord::UnicodeSkip}},
            {"u", {TRtfWord::Unicode}},
            {"bin", {TRtfWord::Binary}},
            {"pard", {TRtfWord::ParagraphDefault}},
            {"par", {TRtfWord::Paragraph}},
            {"sect", {TRtfWord::Paragraph}},
            {"page", {TRtfWord::Paragraph}},
            {"row", {TRtfWord::Paragraph}},
            {"ql", {TRtfWord::AlignLeft}},
            {"qc", {TRtfWord::AlignCenter}},
            {"qr", {TRtfWord::AlignRight}},
            {"qj", {TRtfWord::AlignJustify}},
            {"li", {TRtfWord::LeftIndent}},
            {"fi", {TRtfWord::FirstIndent}},
            {"sb", {TRtfWord::SpaceBefore}},
            {"sa", {TRtfWord::SpaceAfter}},
            {"red", {TRtfWord::Red}},
            {"green", {TRtfWord::Green}},
            {"blue", {TRtfWord::Blue}},
            {"fonttbl", {TRtfWord::FontTable}},
            {"colortbl", {TRtfWord::ColorTable}},
            {"fmodern", {TRtfWord::FixedPitchFont}},
            {"fnil", {TRtfWord::ProportionalFont}},
            {"froman", {TRtfWord::ProportionalFont}},
            {"fswiss", {TRtfWord::ProportionalFont}},
            {"fprq", {TRtfWord::Pitch}},
            {"tab", {TRtfWord::Symbol, u'\t'}},
            {"cell", {TRtfWord::Symbol, u'\t'}},
            {"line", {TRtfWord::Symbol, u'\x2028'}},
            {"bullet", {TRtfWord::Symbol, u'\x2022'}},
            {"endash", {TRtfWord::Symbol, u'\x2013'}},
            {"emdash", {TRtfWord::Symbol, u'\x2014'}},
            {"lquote", {TRtfWord::Symbol, u'\x2018'}},
            {"rquote", {TRtfWord::Symbol, u'\x2019'}},
            {"ldblquote", {TRtfWord::Symbol, u'\x201C'}},
            {"rdblquote", {TRtfWord::Symbol, u'\x201D'}},
            {"emspace", {TRtfWord::Symbol, u' '}},
            {"enspace", {TRtfWord::Symbol, u' '}},
        };
        // Groups whose content is not text to show.
        for (const char *skipped :
             {"stylesheet",   "info",      "pict",       "object",    "header",
              "headerl",      "headerr",   "headerf",    "footer",    "footerl",
              "footerr",      "footerf",   "footnote",   "listtable", "listoverridetable",
              "rsidtbl",      "generator", "xmlnsdecl",  "themedata", "colorschememapping",
              "latentstyles", "datastore", "filetbl",    "revtbl",    "fldinst",
              "pntxta",       "pntxtb",    "nonshppict", "bkmkstart", "bkmkend",
              "comment"})
            table.insert(skipped, {TRtfWord::SkipGroup});
        return table;
    }();
    return words;
}

} // namespace

const TRtfWordEntry *FindRtfWord(const QByteArray &word)
{
    const auto found = Words().constFind(word);
    return found == Words().constEnd() ? nullptr : &found.value();
}
