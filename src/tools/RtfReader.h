#pragma once

#include <QByteArray>
#include <QColor>
#include <QList>
#include <QString>

// A small reader for rich-text files (RTF) as word processors write them: paragraphs, bold,
// italic, underline, font sizes and names, the colour table, alignment, indents and spacing, "\'hh" and
// "\uN" characters. Groups it does not know (pictures, objects, style sheets, "\*" groups) are
// skipped. Damaged input never stops it: it keeps what it could read and says so.

// Character formatting of a run of text.
struct TRtfCharFormat
{
    bool Bold = false;
    bool Italic = false;
    bool Underline = false;
    int HalfPoints = 24;     // font size in half points (24 = 12 pt)
    QColor Color;            // invalid: the view's text colour
    QString FontName;        // empty: the view's font
    bool FixedPitch = false; // a typewriter font (for code examples)

    bool operator==(const TRtfCharFormat &) const = default;
};

// One run of equally formatted text.
struct TRtfRun
{
    QString Text;
    TRtfCharFormat Format;
};

enum class TRtfAlignment { Left, Center, Right, Justify };

// One paragraph: its runs, alignment, indents and spacing in twips (1/1440 inch).
struct TRtfParagraph
{
    QList<TRtfRun> Runs;
    TRtfAlignment Alignment = TRtfAlignment::Left;
    int LeftIndent = 0;
    int FirstLineIndent = 0;
    int SpaceBefore = 0;
    int SpaceAfter = 0;

    // The paragraph's text without formatting.
    QString Text() const;
};

// What the reader made of a file.
struct TRtfDocument
{
    QList<TRtfParagraph> Paragraphs;
    // False when the input was not a complete RTF file (no "{\rtf" at the start, groups not
    // closed, closing braces without an opening one); the paragraphs hold what could be read.
    bool Complete = true;

    // The text of all paragraphs, joined by line feeds.
    QString PlainText() const;
};

// Reads RTF bytes. Any input gives a result; nothing in it can make the reader fail.
TRtfDocument ReadRtf(const QByteArray &bytes);
