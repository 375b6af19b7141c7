#pragma once

#include <QByteArray>

// The RTF control words the reader acts on; every other word is ignored.
enum class TRtfWord {
    DefaultFont,
    Plain,
    Bold,
    Italic,
    Underline,
    UnderlineNone,
    FontSize,
    Font,
    Color,
    UnicodeSkip,
    Unicode,
    Binary,
    ParagraphDefault,
    Paragraph,
    AlignLeft,
    AlignCenter,
    AlignRight,
    AlignJustify,
    LeftIndent,
    FirstIndent,
    SpaceBefore,
    SpaceAfter,
    Red,
    Green,
    Blue,
    FontTable,
    ColorTable,
    SkipGroup,
    Symbol,
    FixedPitchFont,
    ProportionalFont,
    Pitch
};

struct TRtfWordEntry
{
    TRtfWord Word;
    char16_t Symbol = 0; // the character of a symbol word (TRtfWord::Symbol)
};

// The entry of a control word, or null for a word the reader ignores.
const TRtfWordEntry *FindRtfWord(const QByteArray &word);
