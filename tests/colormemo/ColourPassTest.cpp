#include "ColourPass.h"

#include "ColourPassFakes.h"
#include "RuleSets.h"
#include "TextBuffer.h"

#include <gtest/gtest.h>

QString ColourName(TColor color)
{
    switch (color) {
    case clRed:
        return QStringLiteral("red");
    case clBlue:
        return QStringLiteral("blue");
    case clGreen:
        return QStringLiteral("green");
    case clMaroon:
        return QStringLiteral("maroon");
    case clFuchsia:
        return QStringLiteral("fuchsia");
    case clWindowText:
        return QStringLiteral("text");
    case clWindow:
        return QStringLiteral("window");
    case clHighlight:
        return QStringLiteral("hl");
    default:
        return QString::number(color, 16);
    }
}

QString RenderRuns(const TColourPass &pass, const QString &doc)
{
    QStringList parts;
    for (const TKeyDescr &run : pass.Runs()) {
        QString text = doc.mid(run.Start, run.End - run.Start + 1);
        for (QChar &c : text) {
            if (c.unicode() < 32)
                c = u'#';
        }
        QString part = text + u'@' + QString::number(run.Start) + u':' + ColourName(run.Color);
        if (run.Brush != clWindow)
            part += u'/' + ColourName(run.Brush);
        if (run.Style & fsBold)
            part += QStringLiteral("+b");
        if (run.Style & fsItalic)
            part += QStringLiteral("+i");
        if (run.Style & fsUnderline)
            part += QStringLiteral("+u");
        parts.append(part);
    }
    return parts.join(QStringLiteral(" | "));
}

namespace {

class ColourPassTest : public ::testing::Test
{
protected:
    TTextBuffer Doc;
    TDrawRules Rules;
    THotSpot HotSpot;
    TColourPass Pass;
    TColourPassInput Input;

    void SetLines(const QStringList &lines) { Doc.SetText(lines.join(QStringLiteral("\r\n"))); }

    TColorRule &KeywordRule(const QStringList &keywords, TColor color, quint8 zOrder)
    {
        TColorRule &rule = Rules.Add();
        rule.SetKeyDrawingType(dtKeyShow);
        rule.SetDefKeyColor(color);
        rule.SetZOrder(zOrder);
        rule.SetKeywords(keywords);
        return rule;
    }

    TColorRule &SpanRule(const QStringList &entries, TColor color, quint8 zOrder, int maxHeight)
    {
        TColorRule &rule = Rules.Add();
        rule.SetDefKeyColor(color);
        rule.SetZOrder(zOrder);
        rule.SetKeyMaxHeight(maxHeight);
        rule.SetKeyBegEndLst(entries);
        return rule;
    }

    // Colours lines [firstLine, firstLine + count) of the document (all lines from firstLine
    // when count is -1) and renders the runs.
    std::string Colour(int firstLine = 0, int count = -1, int wrap = 0)
    {
        const int start = Doc.LineIndex(firstLine);
        const int next = count < 0 ? -1 : Doc.LineIndex(firstLine + count);
        const int end = next < 0 ? Doc.TextLength() : next;
        Input.Text = Doc.TextView().sliced(start, end - start);
        Input.TextStart = start;
        Input.FirstLine = firstLine;
        View = std::make_unique<TFakeView>(Doc, wrap);
        Pass.Run(Rules, HotSpot, Input, *View);
        return RenderRuns(Pass, Doc.Text()).toStdString();
    }

    std::unique_ptr<TFakeView> View;
};

} // namespace

TEST_F(ColourPassTest, EqualPrioritiesLetTheLaterRuleWin)
{
    SetLines({"abc def"});
    KeywordRule({"abc"}, clRed, 3);
    KeywordRule({"abc"}, clBlue, 3);
    EXPECT_EQ(Colour(), "abc@0:blue");
    Rules[1].SetZOrder(2);
    EXPECT_EQ(Colour(), "abc@0:red");
}

TEST_F(ColourPassTest, WithinARuleTheLaterKeywordWinsWhereMatchesOverlap)
{
    SetLines({"ab xab"});
    KeywordRule({"b;green", "ab;red"}, clBlue, 3).SetPartWord(true);
    EXPECT_EQ(Colour(), "ab@0:red | ab@4:red");
}

TEST_F(ColourPassTest, OverlappingMatchesCutEachOtherIntoRunsByPriority)
{
    SetLines({"p { color: red; }"});
    SpanRule({"{;}"}, clBlue, 0, 1);
    KeywordRule({"color", "red"}, clRed, 3);
    EXPECT_EQ(Colour(), "{ @2:blue | color@4:red | : @9:blue | red@11:red | ; }@14:blue");
}

TEST_F(ColourPassTest, IgnoreOtherRulesOverridesHigherPrioritiesBeforeAndAfterIt)
{
    SetLines({"x <!-- if --> y"});
    TColorRule &comment = SpanRule({"<!--;-->"}, clMaroon, 2, 500);
    KeywordRule({"if"}, clBlue, 3);
    EXPECT_EQ(Colour(), "<!-- @2:maroon | if@7:blue |  -->@9:maroon");

    comment.SetIgnoreOtherRules(true);
    EXPECT_EQ(Colour(), "<!-- if -->@2:maroon");

    // The same when the overriding rule comes first in the collection's order, or last.
    TDrawRules reordered;
    reordered.Add().Assign(Rules[1]);
    reordered.Add().Assign(Rules[0]);
    Rules.Assign(reordered);
    EXPECT_EQ(Colour(), "<!-- if -->@2:maroon");
}

TEST_F(ColourPassTest, IgnoringMatchStartingInsideAnotherGoesByPriority)
{
    SetLines({"[[ a b ]] c"});
    SpanRule({"[[;]]"}, clMaroon, 2, 1).SetIgnoreOtherRules(true);
    TColorRule &inner = KeywordRule({"b"}, clGreen, 1);
    inner.SetIgnoreOtherRules(true);
    EXPECT_EQ(Colour(), "[[ a b ]]@0:maroon");
    inner.SetZOrder(5);
    EXPECT_EQ(Colour(), "[[ a @0:maroon | b@5:green |  ]]@6:maroon");
}

TEST_F(ColourPassTest, IgnoringMatchStartingOutsideAnotherOverridesIt)
{
    SetLines({"x [[ a ]]"});
    SpanRule({"[[;]]"}, clMaroon, 2, 1).SetIgnoreOtherRules(true);
    TColorRule &outer = KeywordRule({"x [["}, clGreen, 1);
    outer.SetIgnoreOtherRules(true);
    outer.SetPartWord(true);
    EXPECT_EQ(Colour(), "x [[@0:green |  a ]]@4:maroon");
}

TEST_F(ColourPassTest, WholeWordKeywordsNeedNonWordNeighboursAlsoAtTheTextEdges)
{
    SetLines({"TABLE <table> XTABLE TABLEX _TABLE TABLE"});
    TColorRule &rule = KeywordRule({"TABLE"}, clBlue, 3);
    EXPECT_EQ(Colour(), "TABLE@0:blue | table@7:blue | TABLE@35:blue");
    rule.SetPartWord(true);
    EXPECT_EQ(Colour(),
              "TABLE@0:blue | table@7:blue | TABLE@15:blue | TABLE@21:blue | TABLE@29:blue | "
              "TABLE@35:blue");
}

TEST_F(ColourPassTest, CaseSensitiveKeywordsMatchOnlyTheirSpelling)
{
    SetLines({"for FOR For"});
    KeywordRule({"for"}, clBlue, 3).SetKeyCase(true);
    EXPECT_EQ(Colour(), "for@0:blue");
}

TEST_F(ColourPassTest, OccurrencesOfOneKeywordDoNotOverlap)
{
    SetLines({"AAA"});
    KeywordRule({"AA"}, clBlue, 3).SetPartWord(true);
    EXPECT_EQ(Colour(), "AA@0:blue");
}

TEST_F(ColourPassTest, WordCharactersCanComeFromAHandler)
{
    SetLines({"a-TABLE TABLE"});
    KeywordRule({"TABLE"}, clBlue, 3);
    EXPECT_EQ(Colour(), "TABLE@2:blue | TABLE@8:blue");
    Pass.SetOnIsKeywordChar([](QChar c) { return c.isLetter() || c == u'-'; });
    EXPECT_EQ(Colour(), "TABLE@8:blue");
}

TEST_F(ColourPassTest, SpanBegunAboveTheViewNeedsCalcFullBegEnds)
{
    SetLines({"<!-- Anfang", "noch Kommentar", "Ende --> text", "<!-- b -->"});
    TColorRule &comment = SpanRule({"<!--;-->"}, clMaroon, 2, 500);
    EXPECT_EQ(Colour(1), "<!-- b -->@44:maroon");
    EXPECT_EQ(View->LinesRead, 0);

    Input.Options = cmoCalcFullBegEnds;
    EXPECT_EQ(Colour(1), "noch Kommentar@13:maroon | Ende -->@29:maroon | <!-- b -->@44:maroon");
    EXPECT_EQ(View->LinesRead, 1);

    // The height limit counts from the begin marker, also above the view.
    comment.SetKeyMaxHeight(2);
    EXPECT_EQ(Colour(1), "noch Kommentar@13:maroon | <!-- b -->@44:maroon");
    comment.SetKeyMaxHeight(1);
    EXPECT_EQ(Colour(1), "<!-- b -->@44:maroon");
}

TEST_F(ColourPassTest, EndMarkerAtTheFirstScannedCharacterIsColoured)
{
    SetLines({"<!-- oben", "--> unten"});
    SpanRule({"<!--;-->"}, clMaroon, 2, 500);
    Input.Options = cmoCalcFullBegEnds;
    EXPECT_EQ(Colour(1), "-->@11:maroon");
}

TEST_F(ColourPassTest, EqualPrioritiesResolveAlikeOnEveryLineOfASplitSpan)
{
    // The brace span is cut into one piece per line; each piece keeps the span's place before
    // the later "&nbsp" rule, so the keyword wins on both lines.
    SetLines({"a { &nbsp;", "&nbsp; }"});
    SpanRule({"{;}"}, clBlue, 0, 0);
    KeywordRule({"&nbsp"}, clGreen, 0);
    EXPECT_EQ(Colour(), "{ @2:blue | &nbsp@4:green | ;@9:blue | &nbsp@12:green | ; }@17:blue");
}

TEST_F(ColourPassTest, CssRulesColourABraceBlockOnItsFirstLineOnly)
{
    // "Klammer" has the height limit of one line and follows "Blank" with the same priority.
    SetLines({"a { &nbsp;", "&nbsp; }"});
    FillCssRules(Rules);
    EXPECT_EQ(Colour(), "{ &nbsp;@2:blue | &nbsp@12:green");
}

TEST_F(ColourPassTest, LookBackPairsMarkersFromTheDocumentStart)
{
    // The second "<!--" lies inside the first comment, so the comment closes on line 1 and
    // nothing is open when the view starts.
    SetLines({"<!-- a <!-- b", "c --> d", "e --> f"});
    SpanRule({"<!--;-->"}, clMaroon, 2, 0);
    Input.Options = cmoCalcFullBegEnds;
    EXPECT_EQ(Colour(2), "");
    EXPECT_EQ(Colour(1), "c -->@15:maroon");
}

TEST_F(ColourPassTest, KeyMaxHeightCutsASpanAtTheEndOfItsLastAllowedLine)
{
    SetLines({"a <!-- x", "y", "z --> b"});
    TColorRule &comment = SpanRule({"<!--;-->"}, clMaroon, 2, 1);
    EXPECT_EQ(Colour(), "<!-- x@2:maroon");
    comment.SetKeyMaxHeight(2);
    EXPECT_EQ(Colour(), "<!-- x@2:maroon | y@10:maroon");
    comment.SetKeyMaxHeight(500);
    EXPECT_EQ(Colour(), "<!-- x@2:maroon | y@10:maroon | z -->@13:maroon");
    comment.SetKeyMaxHeight(0);
    EXPECT_EQ(Colour(), "<!-- x@2:maroon | y@10:maroon | z -->@13:maroon");
}

TEST_F(ColourPassTest, MissingEndMarkerRunsToTheEndOfTheScannedTextOnly)
{
    SetLines({"x <!-- open", "more", "partly visible"});
    SpanRule({"<!--;-->"}, clMaroon, 2, 500);
    EXPECT_EQ(Colour(0, 2), "<!-- open@2:maroon | more@13:maroon");
}

TEST_F(ColourPassTest, LineEndSpansStopBeforeTheBreakAndKeepTheLastCharacter)
{
    SetLines({"x // c", "y", "a // b"});
    TColorRule &rule = Rules.Add();
    rule.SetKeyDrawingType(dtBeginLineEnd);
    rule.SetDefKeyColor(clGreen);
    rule.SetKeyLineEndLst({"//"});
    EXPECT_EQ(Colour(), "// c@2:green | // b@13:green");
}

TEST_F(ColourPassTest, SelectionSplitsRunsExactlyAtItsEndsAndKeepsTheTextColour)
{
    SetLines({"abcdefgh"});
    KeywordRule({"bcdefg"}, clRed, 3).SetPartWord(true);
    Input.SelStart = 3;
    Input.SelLength = 2;
    EXPECT_EQ(Colour(), "a@0:text | bc@1:red | de@3:red/hl | fg@5:red");
    Input.ShowSelection = false;
    EXPECT_EQ(Colour(), "a@0:text | bc@1:red | de@3:red | fg@5:red");
    Input.ShowSelection = true;
    Input.SelStart = 0;
    Input.SelLength = 8;
    EXPECT_EQ(Colour(), "bcdefg@1:red/hl");
}

TEST_F(ColourPassTest, DefaultRecordCoversTheCaretLineLeftOfTheCaret)
{
    SetLines({"eins", "zwei drei"});
    Rules.Add().SetKeyDrawingType(dtEventDraw);
    Input.SelStart = 11;
    EXPECT_EQ(Colour(), "zwei @6:text");
    // Not when the caret line lies outside the scanned text.
    Input.SelStart = 2;
    EXPECT_EQ(Colour(1), "");
    Input.SelStart = 11;
    EXPECT_EQ(Colour(0, 1), "");
}

TEST_F(ColourPassTest, NothingHappensWithoutRulesHandlerOrHotSpots)
{
    SetLines({"eins zwei"});
    Input.SelStart = 5;
    EXPECT_EQ(Colour(), "");
    HotSpot.Active = true;
    EXPECT_EQ(Colour(), "eins @0:text");
}

TEST_F(ColourPassTest, MultiLineSpansAreCutPerLineWithoutBreaksAndTrailingBlanks)
{
    SetLines({"a {  ", "  b  ", "} c"});
    SpanRule({"{;}"}, clBlue, 0, 0);
    EXPECT_EQ(Colour(), "{@2:blue |   b@7:blue | }@14:blue");
}

TEST_F(ColourPassTest, WrappedLinesAreCutAtDisplayLines)
{
    SetLines({"abcde ghij klmno"});
    SpanRule({"a;o"}, clBlue, 0, 0);
    EXPECT_EQ(Colour(0, -1, 6), "abcde@0:blue | ghij k@6:blue | lmno@12:blue");
}

TEST_F(ColourPassTest, HotSpotMarkersMakeHotRangesAndUnderlinedRuns)
{
    Doc.SetText(QStringLiteral("a\x1F siehe \x1EHilfe\x1F hier \x1E\x1F"));
    HotSpot.Active = true;
    EXPECT_EQ(Colour(), "#@9:window | Hilfe@10:blue+u | #@15:window | #@22:window | #@23:window");
    ASSERT_EQ(Pass.HotRanges().Count(), 2);
    EXPECT_EQ(Pass.HotRanges()[0].First, 10);
    EXPECT_EQ(Pass.HotRanges()[0].Last, 14);
    EXPECT_EQ(Pass.HotRanges().IndexOf(12), 0);

    HotSpot.Underlined = false;
    HotSpot.BeginChar = QChar(u'[');
    HotSpot.EndChar = QChar(u']');
    Doc.SetText(QStringLiteral("x [a] b"));
    EXPECT_EQ(Colour(), "[@2:window | a@3:blue | ]@4:window");
}

TEST_F(ColourPassTest, HotSpotKeywordsTakeTheHotSpotPriority)
{
    SetLines({"siehe Hilfe"});
    TColorRule &hot = KeywordRule({"Hilfe"}, clGreen, 0);
    hot.SetIsHotspot(true);
    KeywordRule({"Hilfe"}, clRed, 200);
    HotSpot.Active = true;
    EXPECT_EQ(Colour(), "Hilfe@6:green+u");
    ASSERT_EQ(Pass.HotRanges().Count(), 1);
    EXPECT_EQ(Pass.HotRanges()[0].First, 6);
    EXPECT_EQ(Pass.HotRanges()[0].Last, 10);
}

TEST_F(ColourPassTest, DrawExHandlerSeesTheScannedTextAndItsRecordsAreClipped)
{
    SetLines({"eins", "zwei", "drei"});
    QString seen;
    int seenStart = -1;
    Pass.SetOnDrawEx([&](TColourPass &pass, QStringView text, int textStart) {
        seen = text.toString();
        seenStart = textStart;
        TKeyDescr &record = pass.AddKeyDescr();
        record.Start = -100;
        record.End = 1000000;
        record.Color = clGreen;
        record.Priority = 1;
    });
    EXPECT_EQ(Colour(1, 1), "zwei@6:green");
    EXPECT_EQ(seen, "zwei\r\n");
    EXPECT_EQ(seenStart, 6);
}

TEST_F(ColourPassTest, ScannedTextLongerThanThirtyTwoThousandCharactersIsColouredToItsEnd)
{
    QStringList lines;
    lines.append(QStringLiteral("<< anfang >>"));
    for (int i = 0; i < 1000; ++i)
        lines.append(QString(48, u'x'));
    lines.append(QStringLiteral("ende"));
    SetLines(lines);
    SpanRule({"<<;>>"}, clMaroon, 2, 1);
    KeywordRule({"ende"}, clBlue, 3);
    Input.SelStart = Doc.TextLength();
    const int last = Doc.LineIndex(1001);
    EXPECT_EQ(Colour(),
              QStringLiteral("<< anfang >>@0:maroon | ende@%1:blue").arg(last).toStdString());
}

TEST_F(ColourPassTest, HtmlRulesColourATableTag)
{
    // "<" and ">" are whole-word keywords of their rule: next to a letter or digit they stay
    // plain, next to a blank or "/" they are coloured.
    SetLines({"<TABLE BORDER=\"1\" WIDTH=100>", "< /TABLE >"});
    FillHtmlRules(Rules);
    EXPECT_EQ(Colour(),
              "TABLE@1:blue | BORDER@7:fuchsia | =@13:red | \"@14:red | \"@16:red | "
              "WIDTH@18:fuchsia | =@23:red | <@30:blue | TABLE@33:blue | >@39:blue");
}

namespace {

class TGeometry : public TLineGeometry
{
public:
    int Lines = 10;
    int FirstTop = 0;
    int LineCount() const override { return Lines; }
    int LineStart(int line) const override { return line * 7; }
    int LineTop(int line) const override { return FirstTop + line * 10; }
    int TextLength() const override { return Lines * 7 - 2; }
};

} // namespace

TEST(FindScanRange, EndsInFrontOfAPartlyVisibleLastLine)
{
    TGeometry geometry;
    TScanRange range = FindScanRange(geometry, 0, 10, 0, 45);
    EXPECT_EQ(range.FirstLine, 0);
    EXPECT_EQ(range.Start, 0);
    EXPECT_EQ(range.End, 28); // lines 0..3; line 4 reaches y 50
    range = FindScanRange(geometry, 0, 10, 0, 40);
    EXPECT_EQ(range.End, 28); // line 3 ends exactly at the bottom and is wholly visible
    range = FindScanRange(geometry, 2, 10, 0, 45);
    EXPECT_EQ(range.FirstLine, 2);
    EXPECT_EQ(range.Start, 14);
    EXPECT_EQ(range.End, 28);
}

TEST(FindScanRange, SkipsALinePartlyAboveTheTopAndStopsAtTheTextEnd)
{
    TGeometry geometry;
    geometry.FirstTop = -5;
    TScanRange range = FindScanRange(geometry, 0, 10, 0, 45);
    EXPECT_EQ(range.FirstLine, 1);
    EXPECT_EQ(range.Start, 7);
    EXPECT_EQ(range.End, 35);
    geometry.FirstTop = 0;
    range = FindScanRange(geometry, 0, 10, 0, 1000);
    EXPECT_EQ(range.End, 68);
    range = FindScanRange(geometry, 0, 10, 0, 5);
    EXPECT_EQ(range.Start, 0);
    EXPECT_EQ(range.End, 0);
}
