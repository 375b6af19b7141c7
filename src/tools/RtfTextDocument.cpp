#include "RtfTextDocument.h"

#include <QTextBlockFormat>
#include <QTextCharFormat>
#include <QTextCursor>
#include <QTextDocument>

namespace {

// Twips (1/1440 inch) in the document's pixels at 96 dots per inch.
constexpr double TwipsPerPixel = 15.0;

Qt::Alignment AlignmentOf(TRtfAlignment alignment)
{
    switch (alignment) {
    case TRtfAlignment::Center:
        return Qt::AlignHCenter;
    case TRtfAlignment::Right:
        return Qt::AlignRight;
    case TRtfAlignment::Justify:
        return Qt::AlignJustify;
    case TRtfAlignment::Left:
        break;
    }
    return Qt::AlignLeft;
}

QTextBlockFormat BlockFormatOf(const TRtfParagraph &paragraph)
{
    QTextBlockFormat format;
    format.setAlignment(AlignmentOf(paragraph.Alignment));
    format.setLeftMargin(paragraph.LeftIndent / TwipsPerPixel);
    format.setTextIndent(paragraph.FirstLineIndent / TwipsPerPixel);
    format.setTopMargin(paragraph.SpaceBefore / TwipsPerPixel);
    format.setBottomMargin(paragraph.SpaceAfter / TwipsPerPixel);
    return format;
}

QTextCharFormat CharFormatOf(const TRtfCharFormat &run)
{
    QTextCharFormat format;
    format.setFontWeight(run.Bold ? QFont::Bold : QFont::Normal);
    format.setFontItalic(run.Italic);
    format.setFontUnderline(run.Underline);
    format.setFontPointSize(run.HalfPoints / 2.0);
    if (run.Color.isValid())
        format.setForeground(run.Color);
    QStringList families;
    if (!run.FontName.isEmpty())
        families << run.FontName;
    if (run.FixedPitch) {
        // The named font may not be installed; any typewriter font keeps code examples aligned.
        families << "monospace";
        format.setFontFixedPitch(true);
        format.setFontStyleHint(QFont::TypeWriter);
    }
    if (!families.isEmpty())
        format.setFontFamilies(families);
    return format;
}

} // namespace

void FillTextDocument(QTextDocument &document, const TRtfDocument &rtf)
{
    document.clear();
    QTextCursor cursor(&document);
    cursor.beginEditBlock();
    bool first = true;
    for (const TRtfParagraph &paragraph : rtf.Paragraphs) {
        if (first)
            cursor.setBlockFormat(BlockFormatOf(paragraph));
        else
            cursor.insertBlock(BlockFormatOf(paragraph));
        first = false;
        for (const TRtfRun &run : paragraph.Runs)
            cursor.insertText(run.Text, CharFormatOf(run.Format));
    }
    cursor.endEditBlock();
}
