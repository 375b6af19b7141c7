#include "LineRuler.h"

#include "LongLineLayout.h"

#include <QPlainTextDocumentLayout>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextLayout>

#include <gtest/gtest.h>

#include <algorithm>
#include <memory>
#include <random>

namespace {

// The positions a text layout gives an unwrapped line, which the ruler must reproduce.
struct TLaidOutLine
{
    TLaidOutLine(const QString &text, const QFont &font, qreal tabDistance)
        : Layout(text, font)
    {
        QTextOption option;
        option.setWrapMode(QTextOption::NoWrap);
        option.setTabStopDistance(tabDistance);
        Layout.setTextOption(option);
        Layout.beginLayout();
        Line = Layout.createLine();
        Line.setLineWidth(1e9);
        Layout.endLayout();
    }
    QTextLayout Layout;
    QTextLine Line;
};

QFont EditorFont(const char *family)
{
    // As the colour editor sets it: no shaping, no kerning.
    QFont font(QString::fromLatin1(family));
    font.setPixelSize(15);
    font.setStyleStrategy(QFont::PreferNoShaping);
    font.setKerning(false);
    return font;
}

struct TRulerCase
{
    const char *Name;
    const char *Family;
    QString Unit; // repeated to a line of several pieces
    qreal TabDistance;
};

class LineRulerMatchesTheLayout : public ::testing::TestWithParam<TRulerCase>
{};

TEST_P(LineRulerMatchesTheLayout, AtEveryColumnAndEveryPoint)
{
    const TRulerCase &param = GetParam();
    const QString text = param.Unit.repeated(5 * TLineRuler::PieceLength / param.Unit.size() + 3);
    const QFont font = EditorFont(param.Family);
    const TLaidOutLine laidOut(text, font, param.TabDistance);
    const TLineText line(text);
    const TLineRuler ruler(line, font, param.TabDistance);

    EXPECT_NEAR(ruler.End(), laidOut.Line.naturalTextWidth(), 0.05);
    for (int column = 0; column <= text.size(); column += 7) {
        if (column < text.size() && text[column].isLowSurrogate())
            continue; // no position between the halves of a pair
        SCOPED_TRACE(column);
        const qreal x = laidOut.Line.cursorToX(column);
        ASSERT_NEAR(ruler.X(line, column), x, 0.05);
        // A point a little right of a left edge lies on that column's character.
        EXPECT_EQ(ruler.ColumnUnder(line, x + 0.5), std::min<int>(column, int(text.size())));
        EXPECT_EQ(ruler.NearestColumn(line, x + 0.5), laidOut.Line.xToCursor(x + 0.5));
    }
    EXPECT_EQ(ruler.ColumnUnder(line, -10), 0);
    EXPECT_EQ(ruler.NearestColumn(line, ruler.End() + 100), text.size());
}

INSTANTIATE_TEST_SUITE_P(
    Lines,
    LineRulerMatchesTheLayout,
    ::testing::Values(
        TRulerCase{"Monospace", "monospace", QStringLiteral("<td class=\"x\">abc</td>"), 32},
        // Tab stops count from the line's start, also across the pieces' edges.
        TRulerCase{"MonospaceTabs", "monospace", QStringLiteral("\t<b>x\t\tÄß</b>"), 36},
        TRulerCase{"ProportionalTabs", "sans", QStringLiteral("Wil\tiam Ölß, WWii\t"), 30.5},
        TRulerCase{"Surrogates", "sans", QStringLiteral("a\U0001F600b"), 32}),
    [](const auto &test) { return std::string(test.param.Name); });

TEST(LineRuler, AfterAnEditGivesEveryColumnTheXOfANewMeasuring)
{
    // Edits anywhere, short and across pieces, with tabs typed in front of and behind them;
    // and counts that do not fit the text, which measure all of it.
    for (const char *family : {"monospace", "sans"}) {
        SCOPED_TRACE(family);
        const QFont font = EditorFont(family);
        QString text = QStringLiteral("<td class=\"x\">\u00C4bc</td>").repeated(150);
        TLineRuler ruler(TLineText(text), font, 32);
        std::mt19937 random(11);
        const QString typed = QStringLiteral("aW \u00DF<>\t");
        for (int step = 0; step < 150; ++step) {
            SCOPED_TRACE(step);
            const int column = int(random() % uint(text.size() + 1));
            const int removed = int(random()
                                    % uint(std::min<qsizetype>(text.size() - column, 900) + 1));
            QString inserted;
            for (int i = int(random() % (step % 10 == 0 ? 1200 : 4)); i > 0; --i)
                inserted
                    += typed[int(random() % uint(step % 3 == 0 ? typed.size() : typed.size() - 1))];
            text.replace(column, removed, inserted);
            const TLineText line(text);
            ruler = TLineRuler(ruler, line, column, removed, int(inserted.size()));
            const TLineRuler fresh(line, font, 32);
            ASSERT_EQ(ruler.Length(), text.size());
            ASSERT_NEAR(ruler.End(), fresh.End(), 0.01);
            for (int c = 0; c <= text.size(); c += 41)
                ASSERT_NEAR(ruler.X(line, c), fresh.X(line, c), 0.01) << c;
        }
        const TLineText line(text);
        const TLineRuler misfit(ruler, line, 5, 0, 3);
        EXPECT_NEAR(misfit.End(), TLineRuler(line, font, 32).End(), 0.01);
    }
}

TEST(LineRulerCache, KeepsARulerUntilItsLineChanges)
{
    QTextDocument document;
    // As in the editor: a plain text layout (without one the document reports no changes) and
    // no undo, so that edits leave the blocks' revisions alone.
    document.setDocumentLayout(new QPlainTextDocumentLayout(&document));
    document.setUndoRedoEnabled(false);
    document.setPlainText(QStringLiteral("kurz\n") + QString(3000, u'i') + QStringLiteral("\nkurz"));
    TLineRulerCache cache;
    QObject::connect(&document, &QTextDocument::contentsChange, [&](int position, int, int added) {
        cache.Forget(document, position, added);
    });
    const QFont font = EditorFont("sans");
    const auto rulerOfLine = [&](int line) {
        const QTextBlock block = document.findBlockByNumber(line);
        return cache.For(block, font, 32);
    };
    const std::shared_ptr<const TLineRuler> first = rulerOfLine(1);
    EXPECT_EQ(rulerOfLine(1), first);

    // A change in another line keeps it, one in the line itself does not.
    QTextCursor(&document).insertText(QStringLiteral("WWW"));
    EXPECT_EQ(rulerOfLine(1), first);
    QTextCursor inLine(document.findBlockByNumber(1));
    inLine.setPosition(inLine.position() + 10);
    inLine.insertText(QStringLiteral("W"));
    const std::shared_ptr<const TLineRuler> second = rulerOfLine(1);
    EXPECT_NE(second, first);
    EXPECT_GT(second->End(), first->End());

    // Another font or tab distance measures anew.
    const QTextBlock block = document.findBlockByNumber(1);
    EXPECT_NE(cache.For(block, EditorFont("monospace"), 32), second);
    EXPECT_NE(cache.For(block, font, 40), second);

    // Joining the line with the one above hands its text to another block.
    QTextCursor join(document.findBlockByNumber(1));
    join.deletePreviousChar();
    EXPECT_NE(rulerOfLine(0), second);
    EXPECT_GT(rulerOfLine(0)->End(), second->End());
}

} // namespace

TEST(LineText, ReadsAnyStretchOfABlockAsItsTextHasIt)
{
    // A long line in several fragments, as typing into a loaded line leaves it, read through
    // the editor's layout (which leaves the line out) and through Qt's.
    for (const bool editorLayout : {true, false}) {
        SCOPED_TRACE(editorLayout);
        QTextDocument document;
        if (editorLayout) {
            QTextOption option = document.defaultTextOption();
            option.setWrapMode(QTextOption::NoWrap);
            document.setDefaultTextOption(option);
            document.setDocumentLayout(new TLongLineLayout(&document));
        }
        document.setPlainText(QStringLiteral("oben\n") + QString(200000, u'a')
                              + QStringLiteral("\nunten"));
        QTextCursor edit(document.findBlockByNumber(1));
        for (const int column : {150000, 70000, 3}) {
            edit.setPosition(document.findBlockByNumber(1).position() + column);
            edit.insertText(QStringLiteral("\tÄ\U0001F600\u00A0z"));
        }
        const QTextBlock block = document.findBlockByNumber(1);
        const QString whole = block.text();
        const TLineText text(block);
        ASSERT_EQ(text.Length(), whole.size());
        // Forward, backward and across the stretches read, and clamped at the ends.
        const std::pair<int, int> ranges[] = {{0, 10},
                                              {69990, 70020},
                                              {100, 140000},
                                              {5, 8},
                                              {150001, 150008},
                                              {199990, 300000},
                                              {-5, 2},
                                              {text.Length(), text.Length()}};
        for (const auto &[from, to] : ranges) {
            SCOPED_TRACE(from);
            const int start = std::clamp(from, 0, text.Length());
            const int end = std::clamp(to, start, text.Length());
            EXPECT_EQ(text.Range(from, to).toString(), whole.mid(start, end - start));
        }
        EXPECT_EQ(text.At(70006), u'\t') << "the second insertion, behind the third";
        // The same for a block that ends the document and one held as a string.
        EXPECT_EQ(TLineText(document.lastBlock()).Range(1, 5).toString(), QStringLiteral("nten"));
        EXPECT_EQ(TLineText(whole).Range(70007, 70008).toString(), QStringLiteral("Ä"));
        if (editorLayout) {
            EXPECT_EQ(block.layout()->lineCount(), 0) << "read without laying the line out";
        }
    }
}
