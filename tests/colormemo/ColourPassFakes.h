#pragma once

#include "ColourPass.h"
#include "TextBuffer.h"

#include <QStringList>

// A fixed-pitch view over a TTextBuffer: every text line wraps after `Wrap` characters
// (0: no wrap), and each display line is `LineHeight` high.
class TFakeView : public TColourView, public TLineGeometry
{
public:
    explicit TFakeView(const TTextBuffer &doc, int wrap = 0)
        : Doc(doc)
        , Wrap(wrap)
    {}

    int NextDisplayLineStart(int offset) const override
    {
        if (Wrap <= 0)
            return -1;
        const int line = Doc.LineFromChar(offset);
        const int start = Doc.LineIndex(line);
        const int next = start + ((offset - start) / Wrap + 1) * Wrap;
        return next < start + Doc.LineLength(line) ? next : -1;
    }

    QStringView DocumentLine(int line, QString &scratch) const override
    {
        ++LinesRead;
        scratch = Doc.Line(line);
        return scratch;
    }

    int LineCount() const override { return Doc.LineCount(); }
    int LineStart(int line) const override { return Doc.LineIndex(line); }
    int LineTop(int line) const override { return Top + (line - TopLine) * LineHeight; }
    int TextLength() const override { return Doc.TextLength(); }

    const TTextBuffer &Doc;
    int Wrap = 0;
    int LineHeight = 10;
    int TopLine = 0; // the line shown at y = Top
    int Top = 0;
    mutable int LinesRead = 0;
};

// Name of a colour for readable expectations.
QString ColourName(TColor color);

// The runs of the last pass as text: each run as `text@start:colour`, with `/brush` when the
// brush is not clWindow and `+b`, `+i`, `+u` for its style, separated by " | ". Characters
// below 32 show as '#'.
QString RenderRuns(const TColourPass &pass, const QString &doc);
