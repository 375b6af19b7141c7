#include "TableMarkup.h"

#include "ScriptedToolDialogs.h"
#include "TableWizard.h"
#include "TextBuffer.h"

#include <gtest/gtest.h>

namespace {

// The markup's lines; every line must end in CR LF.
QStringList LinesOf(const QString &markup)
{
    EXPECT_TRUE(markup.endsWith("\r\n"));
    QStringList lines = markup.split("\r\n");
    lines.removeLast();
    return lines;
}

TTableOptions Shape(int rows, int cols)
{
    TTableOptions options;
    options.Rows = rows;
    options.Cols = cols;
    return options;
}

struct TMarkupCase
{
    const char *Name;
    TTableOptions Options;
    bool PageHasStylesheet;
    QStringList Lines;
};

TTableOptions HeadersBothWays()
{
    TTableOptions options = Shape(2, 3);
    options.HeaderInFirstRow = true;
    options.HeaderInFirstCol = true;
    options.ColGroup = false;
    return options;
}

TTableOptions HeadFootAndBody()
{
    TTableOptions options = Shape(1, 1);
    options.THead = true;
    options.TFoot = true;
    options.TBody = true;
    options.ColGroup = false;
    options.BorderWidth = 3;
    return options;
}

TTableOptions NoColumnGroup(int rows, int cols)
{
    TTableOptions options = Shape(rows, cols);
    options.ColGroup = false;
    return options;
}

const TMarkupCase MarkupCases[] = {
    {"TwoByTwoWithColumnGroup",
     Shape(2, 2),
     false,
     {"<!-- Tabelle -->",
      "  <table border=\"1\">",
      "  <colgroup>",
      "    <col width=\"80\"/>",
      "    <col width=\"80\"/>",
      "  </colgroup>",
      "  <tr>",
      "     <td> 1-zelle</td>",
      "     <td> 2-zelle</td>",
      "    </tr>",
      "  <tr>",
      "     <td> 3-zelle</td>",
      "     <td> 4-zelle</td>",
      "    </tr>",
      "  </table>"}},
    {"HeaderRowAndColumnTogetherNumberEveryCell",
     HeadersBothWays(),
     false,
     {"<!-- Tabelle -->",
      "  <table border=\"1\">",
      "  <tr>",
      "     <th> <br /> </th>",
      "     <th> 2-zelle</th>",
      "     <th> 3-zelle</th>",
      "    </tr>",
      "  <tr>",
      "     <th> 4-zelle</th>",
      "     <td> 5-zelle</td>",
      "     <td> 6-zelle</td>",
      "    </tr>",
      "  </table>"}},
    {"StylesheetPageGetsNoBorderAttribute",
     NoColumnGroup(1, 1),
     true,
     {"<!-- Tabelle -->",
      "  <table >",
      "  <tr>",
      "     <td> 1-zelle</td>",
      "    </tr>",
      "  </table>"}},
    {"HeadAndFootHaveUnnumberedCellsAndBodyIndentsRows",
     HeadFootAndBody(),
     false,
     {"<!-- Tabelle -->",
      "  <table border=\"3\">",
      "   <thead>",
      "    <tr>",
      "    <td>",
      "    </td>",
      "    </tr>",
      "   </thead>",
      "   <tfoot>",
      "    <tr>",
      "    <td>",
      "    </td>",
      "    </tr>",
      "   </tfoot>",
      "   <tbody>",
      "    <tr>",
      "     <td> 1-zelle</td>",
      "    </tr>",
      "   </tbody>",
      "  </table>"}},
    {"NoRowsBelowOneRow",
     NoColumnGroup(0, 4),
     false,
     {"<!-- Tabelle -->", "  <table border=\"1\">", "  </table>"}},
};

class TableMarkupLines : public testing::TestWithParam<TMarkupCase>
{};

TEST_P(TableMarkupLines, AreWrittenOneElementPerLine)
{
    const TMarkupCase &c = GetParam();
    EXPECT_EQ(LinesOf(TableMarkup(c.Options, c.PageHasStylesheet)), c.Lines);
}

std::string CaseName(const testing::TestParamInfo<TMarkupCase> &param)
{
    return param.param.Name;
}

INSTANTIATE_TEST_SUITE_P(TableMarkup, TableMarkupLines, testing::ValuesIn(MarkupCases), CaseName);

struct TTagCase
{
    int FrameItem;
    bool CellSpacing;
    bool PageHasStylesheet;
    const char *Tag;
};

TEST(TableMarkup, StartTagCarriesSpacingAndFrame)
{
    const TTagCase cases[] = {
        {-1, false, false, "<table border=\"7\">"},
        {0, false, false, "<table border=\"7\">"},
        {1, false, false, "<table border=\"7\">"},
        {10, false, false, "<table border=\"7\">"},
        {2, false, false, "<table border=\"7\" frame=\"above\" >"},
        {4, false, false, "<table border=\"7\" frame=\"hsides\" >"},
        {9, false, false, "<table border=\"7\" frame=\"border\" >"},
        {-1, true, false, "<table border=\"7\" cellspacing=\"20\" cellpadding=\"20%\" >"},
        {5,
         true,
         false,
         "<table border=\"7\" cellspacing=\"20\" cellpadding=\"20%\" frame=\"vsides\" >"},
        {1, true, true, "<table  cellspacing=\"20\" cellpadding=\"20%\" >"},
        {8, false, true, "<table frame=\"box\" >"},
    };
    for (const TTagCase &c : cases) {
        TTableOptions options;
        options.BorderWidth = 7;
        options.FrameItem = c.FrameItem;
        options.CellSpacing = c.CellSpacing;
        EXPECT_EQ(TableStartTag(options, c.PageHasStylesheet), QString(c.Tag))
            << "frame item " << c.FrameItem;
    }
}

TEST(TableMarkup, BiggestTableNumbersItsLastCellAMillion)
{
    const QString markup = TableMarkup(NoColumnGroup(1000, 1000), false);
    EXPECT_EQ(markup.count(u'\n'), 1000 * 1000 + 2 * 1000 + 3);
    EXPECT_TRUE(markup.endsWith("     <td> 1000000-zelle</td>\r\n    </tr>\r\n  </table>\r\n"));
}

// Where the table goes: the text before, the caret (with two characters selected), the text
// after and the caret after, at the start of the line below the table.
struct TPlacementCase
{
    const char *Name;
    QString Before;
    int Caret;
    QString After;
    qsizetype CaretAfter;
};

const QString Table1x1 = "  <table border=\"1\">\r\n  <tr>\r\n     <td> 1-zelle</td>\r\n"
                         "    </tr>\r\n  </table>\r\n";
const QString Comment = "<!-- Tabelle -->\r\n";

TEST(InsertTableMarkup, GoesOneLineAboveTheCaretLine)
{
    const TPlacementCase cases[] = {
        {"caret in third line",
         "eins\r\nzwei\r\ndrei\r\nvier",
         13,
         "eins\r\n" + Comment + Table1x1 + "zwei\r\ndrei\r\nvier",
         6 + Comment.size() + Table1x1.size()},
        {"caret in second line",
         "eins\r\nzwei",
         7,
         Comment + Table1x1 + "eins\r\nzwei",
         Comment.size() + Table1x1.size()},
        {"caret in last, empty line",
         "eins\r\n",
         6,
         Comment + Table1x1 + "eins\r\n",
         Comment.size() + Table1x1.size()},
        // No line above the first: the comment is left out, the table starts at the top.
        {"caret in first line", "eins\r\nzwei", 2, Table1x1 + "eins\r\nzwei", Table1x1.size()},
        {"empty document", "", 0, Table1x1, Table1x1.size()},
    };
    for (const TPlacementCase &c : cases) {
        TTextBuffer buffer(c.Before);
        buffer.SetSelStart(c.Caret);
        buffer.SetSelLength(2);
        InsertTableMarkup(buffer, NoColumnGroup(1, 1), false);
        EXPECT_EQ(buffer.Text(), c.After) << c.Name;
        EXPECT_TRUE(buffer.Modified()) << c.Name;
        EXPECT_EQ(buffer.SelStart(), c.CaretAfter) << c.Name;
        EXPECT_EQ(buffer.SelLength(), 0) << c.Name;
    }
}

TEST(InsertTableFromWizard, CancelWritesNothingAndKeepsModifiedFlag)
{
    TScriptedToolDialogs dialogs;
    TToolDialogsScope scope(dialogs);
    TTextBuffer buffer("eins\r\nzwei");
    buffer.SetSelStart(6);
    dialogs.TableAnswers.push_back(std::nullopt);
    EXPECT_FALSE(InsertTableFromWizard(buffer, false));
    EXPECT_EQ(buffer.Text(), "eins\r\nzwei");
    EXPECT_FALSE(buffer.Modified());
    EXPECT_EQ(dialogs.Calls, QStringList{"Table"});
}

TEST(InsertTableFromWizard, ConfirmedTableIsWrittenAndBigOnesBehindABusyNote)
{
    TScriptedToolDialogs dialogs;
    TToolDialogsScope scope(dialogs);
    TTextBuffer buffer("eins\r\nzwei");
    buffer.SetSelStart(6);
    dialogs.TableAnswers.push_back(NoColumnGroup(1, 1));
    EXPECT_TRUE(InsertTableFromWizard(buffer, false));
    EXPECT_EQ(buffer.Text(), Comment + Table1x1 + "eins\r\nzwei");
    EXPECT_EQ(dialogs.Calls, QStringList{"Table"});

    dialogs.TableAnswers.push_back(Shape(1000, 1000));
    EXPECT_TRUE(InsertTableFromWizard(buffer, true));
    EXPECT_EQ(dialogs.Calls, (QStringList{"Table", "Table", "Busy"}));
    EXPECT_EQ(dialogs.BusyNotes,
              QStringList{"Die Tabelle mit 1000 × 1000 Zellen wird eingefügt ..."});
    // The eight lines there were, the comment, the tag, the column group, a start and an end
    // line per row, a million cells and the end tag.
    EXPECT_EQ(buffer.LineCount(), 8 + 1 + 1 + (2 + 1000) + 2 * 1000 + 1000 * 1000 + 1);
}

} // namespace
