#include "PrintLayout.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

struct TPrinted
{
    int Page;
    int X;
    int Y;
    QString Text;
};

class TCollectingSink : public TPrintSink
{
public:
    void StartPage(int pageNumber) override
    {
        Pages.push_back(pageNumber);
        Page = pageNumber;
    }
    void DrawText(int x, int y, const QString &text) override
    {
        Texts.push_back({Page, x, y, text});
    }
    // The printed texts of one page, in order.
    std::vector<TPrinted> OnPage(int page) const
    {
        std::vector<TPrinted> result;
        for (const TPrinted &t : Texts) {
            if (t.Page == page)
                result.push_back(t);
        }
        return result;
    }

    std::vector<int> Pages;
    std::vector<TPrinted> Texts;

private:
    int Page = 0;
};

// Every character is 10 pixels wide.
const TTextWidth TenPerChar = [](const QString &text) { return 10 * int(text.size()); };

// A page with the text between y 100 and 1000 and room for 20 characters per line; lines 50
// pixels high, single spaced.
TPrintJob SimpleJob()
{
    TPrintJob job;
    job.Geometry.LeftEdge = 40;
    job.Geometry.RightMargin = 30;
    job.Geometry.UsableWidth = 200;
    job.Geometry.Top = 100;
    job.Geometry.BottomLimit = 1000;
    job.Geometry.PrintableHeight = 1200;
    job.LineHeight = 50;
    job.Spacing = 1;
    job.PageWidth = 600;
    job.FileName = "/home/anna/seite.html";
    return job;
}

QStringList NumberedLines(int count)
{
    QStringList lines;
    for (int i = 1; i <= count; ++i)
        lines << "Zeile " + QString::number(i);
    return lines;
}

} // namespace

TEST(PrintLayout, LineStepFollowsTheSpacingChoice)
{
    const struct
    {
        int Height;
        int Spacing;
        int Step;
    } cases[] = {
        {50, 1, 50},  // einzeilig
        {50, 2, 55},  // 1.1 zeilig
        {50, 6, 75},  // 1.5 zeilig
        {50, 7, 100}, // zweizeilig
        {50, 0, 50},  // not chosen yet counts as single spacing
        {50, 9, 50},
        {33, 3, 40}, // 39.6 rounds up
        {33, 5, 46}, // 46.2 rounds down
        {45, 2, 50}, // 49.5 rounds half up
    };
    for (const auto &c : cases)
        EXPECT_EQ(LineStep(c.Height, c.Spacing), c.Step) << c.Height << " " << c.Spacing;
}

TEST(PrintLayout, PageGeometryFromMillimetresAndPixels)
{
    // 10 pixels per millimetre; the printable area starts 30 and 40 pixels into the sheet.
    const TPrinterMetrics printer{200, 280, 2000, 2800, 30, 40};
    const TPageGeometry g = PageGeometry(printer, {10, 20, 15, 25});
    EXPECT_EQ(g.LeftEdge, 100 - 30);
    EXPECT_EQ(g.RightMargin, 200);
    EXPECT_EQ(g.UsableWidth, 1700);
    EXPECT_EQ(g.Top, 150 - 40);
    EXPECT_EQ(g.BottomLimit, 2550);
    EXPECT_EQ(g.PrintableHeight, 2800);

    // A4 at 600 dpi: 23.62 pixels per millimetre, rounded half up.
    const TPageGeometry a4 = PageGeometry({210, 297, 4961, 7016, 0, 0}, {1, 1, 3, 1});
    EXPECT_EQ(a4.LeftEdge, 24);
    EXPECT_EQ(a4.Top, 71);
    EXPECT_EQ(a4.UsableWidth, 4914);
}

TEST(PrintLayout, MarginsInsideTheUnprintableEdgeStartAtThePrintableArea)
{
    const TPageGeometry g = PageGeometry({200, 280, 2000, 2800, 50, 60}, {1, 1, 1, 1});
    EXPECT_EQ(g.LeftEdge, 0);
    EXPECT_EQ(g.Top, 0);
    EXPECT_EQ(PageGeometry({0, 0, 100, 100, 0, 0}, {1, 1, 1, 1}).UsableWidth, 0);
}

TEST(PrintLayout, WithoutHeadingLinesStartOneStepBelowTheTop)
{
    TCollectingSink sink;
    TPrintJob job = SimpleJob();
    job.Spacing = 6; // 75 pixels
    EXPECT_EQ(LayoutPrintedLines(job, {"erste", "", "dritte"}, TenPerChar, sink), "");
    EXPECT_EQ(sink.Pages, std::vector<int>{1});
    ASSERT_EQ(sink.Texts.size(), 2u);
    EXPECT_EQ(sink.Texts[0].Text, "erste");
    EXPECT_EQ(sink.Texts[0].X, 40);
    EXPECT_EQ(sink.Texts[0].Y, 175);
    // The empty line prints nothing but still takes its step.
    EXPECT_EQ(sink.Texts[1].Text, "dritte");
    EXPECT_EQ(sink.Texts[1].Y, 325);
}

TEST(PrintLayout, LongLinesAreCutAtCharacterPositions)
{
    TCollectingSink sink;
    LayoutPrintedLines(SimpleJob(),
                       {"Ein langer Satz, der nicht auf eine Zeile passt.", "kurz"},
                       TenPerChar,
                       sink);
    const QStringList expected = {"Ein langer Satz, der",
                                  " nicht auf eine Zeil",
                                  "e passt.",
                                  "kurz"};
    ASSERT_EQ(sink.Texts.size(), 4u);
    for (int i = 0; i < 4; ++i) {
        EXPECT_EQ(sink.Texts[i].Text, expected[i]);
        EXPECT_EQ(sink.Texts[i].Y, 150 + 50 * i);
    }
}

TEST(PrintLayout, ACharacterWiderThanTheLineStillPrintsAlone)
{
    TCollectingSink sink;
    TPrintJob job = SimpleJob();
    job.Geometry.UsableWidth = 5;
    LayoutPrintedLines(job, {"abc"}, TenPerChar, sink);
    ASSERT_EQ(sink.Texts.size(), 3u);
    EXPECT_EQ(sink.Texts[2].Text, "c");
}

TEST(PrintLayout, CutsNeverSplitACharacterOfTwoCodeUnits)
{
    TCollectingSink sink;
    TPrintJob job = SimpleJob();
    job.Geometry.UsableWidth = 30; // three code units
    const QString smiles = QString::fromUtf8("\xF0\x9F\x98\x80\xF0\x9F\x98\x80\xF0\x9F\x98\x80");
    LayoutPrintedLines(job, {smiles}, TenPerChar, sink);
    QString joined;
    for (const TPrinted &t : sink.Texts) {
        EXPECT_FALSE(t.Text.back().isHighSurrogate()) << t.Text.size();
        joined += t.Text;
    }
    EXPECT_EQ(joined, smiles);
}

TEST(PrintLayout, TabsBecomeBlanksToTheNextEighthColumn)
{
    EXPECT_EQ(ExpandTabs("a\tb"), "a       b");
    EXPECT_EQ(ExpandTabs("\t"), "        ");
    EXPECT_EQ(ExpandTabs("12345678\tx"), "12345678        x");
    EXPECT_EQ(ExpandTabs("ohne"), "ohne");
}

TEST(PrintLayout, HeadingCarriesFileNameAndPageNumberOnEveryPage)
{
    TCollectingSink sink;
    TPrintJob job = SimpleJob();
    job.WithHeading = true;
    // Top 100, heading 100, first line 250, last at most 1000: 16 lines on the first page,
    // then 17 (from 200 on).
    LayoutPrintedLines(job, NumberedLines(16 + 4 * 17), TenPerChar, sink);
    EXPECT_EQ(sink.Pages, (std::vector<int>{1, 2, 3, 4, 5}));
    // "Seite -1-" is 90 pixels wide: 600 - 90 - 30.
    const int numberX = 480;
    const std::vector<TPrinted> first = sink.OnPage(1);
    EXPECT_EQ(first[0].Text, "/home/anna/seite.html");
    EXPECT_EQ(first[0].X, 40);
    EXPECT_EQ(first[0].Y, 100);
    EXPECT_EQ(first[1].Text, "Seite -1-");
    EXPECT_EQ(first[1].X, numberX);
    EXPECT_EQ(first[2].Text, "Zeile 1");
    EXPECT_EQ(first[2].Y, 250);
    EXPECT_EQ(first.back().Text, "Zeile 16");
    EXPECT_EQ(first.back().Y, 1000);

    const std::vector<TPrinted> fifth = sink.OnPage(5);
    EXPECT_EQ(fifth[1].Text, "Seite -5-");
    EXPECT_EQ(fifth[1].X, numberX);
    EXPECT_EQ(fifth[1].Y, 100);
    // On a new page the line that passed the bottom stands right below the heading.
    EXPECT_EQ(fifth[2].Text, "Zeile 68");
    EXPECT_EQ(fifth[2].Y, 200);
}

TEST(PrintLayout, PageNumbersOfMoreDigitsKeepTheFirstPagesPlace)
{
    TCollectingSink sink;
    TPrintJob job = SimpleJob();
    job.WithHeading = true;
    job.Spacing = 7;
    LayoutPrintedLines(job, NumberedLines(100), TenPerChar, sink);
    ASSERT_GE(sink.Pages.size(), 10u);
    EXPECT_EQ(sink.OnPage(10)[1].Text, "Seite -10-");
    EXPECT_EQ(sink.OnPage(10)[1].X, sink.OnPage(1)[1].X);
}

TEST(PrintLayout, AWrappedLineContinuesOnTheNextPage)
{
    TCollectingSink sink;
    TPrintJob job = SimpleJob();
    job.Geometry.BottomLimit = 260; // lines at 150, 200, 250
    LayoutPrintedLines(job, {"kurz", "kurz", QString(45, 'x')}, TenPerChar, sink);
    EXPECT_EQ(sink.Pages, (std::vector<int>{1, 2}));
    const std::vector<TPrinted> second = sink.OnPage(2);
    ASSERT_EQ(second.size(), 2u);
    EXPECT_EQ(second[0].Text, QString(20, 'x'));
    EXPECT_EQ(second[0].Y, 100);
    EXPECT_EQ(second[1].Text, QString(5, 'x'));
    EXPECT_EQ(second[1].Y, 150);
}

TEST(PrintLayout, NoLineRunsOffThePrintableArea)
{
    TCollectingSink sink;
    TPrintJob job = SimpleJob();
    // A bottom margin of less than a line: the last line at 1000 would end at 1050.
    job.Geometry.PrintableHeight = 1020;
    LayoutPrintedLines(job, NumberedLines(40), TenPerChar, sink);
    for (const TPrinted &t : sink.Texts)
        EXPECT_LE(t.Y + job.LineHeight, 1020) << t.Text.toStdString();
    EXPECT_EQ(sink.OnPage(1).back().Y, 950);
}

TEST(PrintLayout, MarginsWithoutRoomForALinePrintNothing)
{
    const auto reasonFor = [](const TPrintJob &job) {
        TCollectingSink sink;
        const QString reason = LayoutPrintedLines(job, {"Text"}, TenPerChar, sink);
        EXPECT_EQ(sink.Pages.empty(), !reason.isEmpty());
        return reason;
    };
    TPrintJob noWidth = SimpleJob();
    noWidth.Geometry.UsableWidth = 0;
    EXPECT_EQ(reasonFor(noWidth), "Die Ränder lassen auf der Seite keinen Platz für den Text.");
    TPrintJob noHeight = SimpleJob();
    noHeight.Geometry.BottomLimit = 140;
    EXPECT_FALSE(reasonFor(noHeight).isEmpty());
    TPrintJob noHeightForHeading = SimpleJob();
    noHeightForHeading.Geometry.BottomLimit = 200;
    EXPECT_TRUE(reasonFor(noHeightForHeading).isEmpty());
    noHeightForHeading.WithHeading = true;
    EXPECT_FALSE(reasonFor(noHeightForHeading).isEmpty());
}

TEST(PrintLayout, AVeryLongLineNeedsFewMeasurementsPerPrintedLine)
{
    int measurements = 0;
    const TTextWidth counting = [&measurements](const QString &text) {
        ++measurements;
        return 10 * int(text.size());
    };
    TCollectingSink sink;
    TPrintJob job = SimpleJob();
    job.Geometry.BottomLimit = 100000000;
    job.Geometry.PrintableHeight = 100000000;
    LayoutPrintedLines(job, {QString(200000, 'a')}, counting, sink);
    ASSERT_EQ(sink.Texts.size(), 10000u);
    EXPECT_LT(measurements, 15 * 10000);
}
