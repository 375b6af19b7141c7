#include "PlainTextEditControl.h"

#include "EditCommandRouter.h"
#include "EditControlConformance.h"
#include "TextPositions.h"

#include <QAction>
#include <QMenu>
#include <QPlainTextEdit>
#include <QScrollBar>
#include <QSignalSpy>
#include <QTest>
#include <QTextDocument>

#include <gtest/gtest.h>

namespace {

struct TPlainTextEditFactory
{
    QPlainTextEdit Widget;
    TPlainTextEditControl *Adapter = new TPlainTextEditControl(&Widget);
    TEditControl &Control() { return *Adapter; }
};

} // namespace

INSTANTIATE_TYPED_TEST_SUITE_P(PlainTextEdit, EditControlConformance, TPlainTextEditFactory);

namespace {

// "Zeile 0" … "Zeile 999": line i starts at offset 9 * i for i < 10 (7 characters + CR LF), and
// every longer number adds one character per line.
QString NumberedLines(int count)
{
    QStringList lines;
    for (int i = 0; i < count; ++i)
        lines << QStringLiteral("Zeile %1").arg(i);
    return lines.join(QStringLiteral("\r\n"));
}

} // namespace

TEST(PlainTextEditControl, OffsetsAndLinesAgreeFarIntoALongText)
{
    TPlainTextEditFactory made;
    TEditControl &e = made.Control();
    e.SetText(NumberedLines(1000));
    // Lines 0-9 take 9 characters, 10-99 take 10, 100-999 take 11.
    const int line500 = 10 * 9 + 90 * 10 + 400 * 11;
    EXPECT_EQ(e.LineIndex(500), line500);
    EXPECT_EQ(e.LineFromChar(line500), 500);
    EXPECT_EQ(e.LineFromChar(line500 - 1), 499); // the LF in front of it
    EXPECT_EQ(e.LineFromChar(line500 - 3), 499);
    EXPECT_EQ(e.TextLength(), 10 * 9 + 90 * 10 + 900 * 11 - 2);
    EXPECT_EQ(e.TextRange(line500 - 2, 9), QStringLiteral("\r\nZeile 5"));
    EXPECT_EQ(e.TextRange(line500 - 1, 3), QStringLiteral("\nZe"));

    e.SetSelStart(line500 + 6);
    e.SetSelLength(5 + 2 + 3);
    EXPECT_EQ(e.SelText(), QStringLiteral("500\r\nZeile"));
    const QTextDocument &doc = *made.Widget.document();
    EXPECT_EQ(made.Widget.textCursor().selectionStart(), line500 - 500 + 6);
    EXPECT_EQ(OffsetFromPosition(doc, line500 - 500 + 6), line500 + 6);
}

TEST(PlainTextEditControl, EmptyAndLongLinesMixedMapEveryBreakToItsLine)
{
    // Every third line is empty, the others hold 50 characters: line i starts at
    // 52 * i - 50 * (number of empty lines before it).
    QStringList lines;
    for (int i = 0; i < 300; ++i)
        lines << (i % 3 == 0 ? QString() : QString(50, QChar(u'a' + i % 26)));
    TPlainTextEditFactory made;
    TEditControl &e = made.Control();
    e.SetText(lines.join(QStringLiteral("\r\n")));
    for (int i = 1; i < 300; ++i) {
        const int start = 52 * i - 50 * ((i + 2) / 3);
        ASSERT_EQ(e.LineIndex(i), start) << i;
        EXPECT_EQ(e.LineFromChar(start), i) << i;
        EXPECT_EQ(e.LineFromChar(start - 1), i - 1) << i; // the LF
        EXPECT_EQ(e.LineFromChar(start - 2), i - 1) << i; // the CR
    }
    // All empty lines: offsets and positions differ the most.
    e.SetText(QString(200, u'\n'));
    EXPECT_EQ(e.LineFromChar(200), 100);
    EXPECT_EQ(e.LineFromChar(201), 100);
    e.SetSelStart(201);
    EXPECT_EQ(e.SelStart(), 200);
}

TEST(PlainTextEditControl, NoBreakSpacesSurviveTextAndSelection)
{
    TPlainTextEditFactory made;
    TEditControl &e = made.Control();
    const QString text = QStringLiteral("a\u00A0b\r\n\u00A0");
    e.SetText(text);
    EXPECT_EQ(e.Text(), text);
    EXPECT_EQ(e.Line(0), QStringLiteral("a\u00A0b"));
    e.SelectAll();
    EXPECT_EQ(e.SelText(), text);
    EXPECT_EQ(e.TextRange(1, 4), QStringLiteral("\u00A0b\r\n"));
}

TEST(PlainTextEditControl, SelectingDoesNotScrollButScrollCaretDoes)
{
    TPlainTextEditFactory made;
    made.Widget.resize(300, 150);
    made.Widget.show();
    TEditControl &e = made.Control();
    e.SetText(NumberedLines(300));
    QScrollBar *bar = made.Widget.verticalScrollBar();
    EXPECT_EQ(bar->value(), 0);
    e.SetSelStart(e.LineIndex(250));
    e.SetSelLength(3);
    EXPECT_EQ(bar->value(), 0);
    e.ScrollCaret();
    EXPECT_GT(bar->value(), 200);
}

TEST(PlainTextEditControl, TypingIsTrackedAsAChange)
{
    TPlainTextEditFactory made;
    TEditControl &e = made.Control();
    e.SetText(QStringLiteral("ab\r\ncd\r\nef"));
    e.SetModified(false);
    e.MarkChanges();
    e.SetSelStart(5);
    QTest::keyClicks(&made.Widget, QStringLiteral("XY"));
    QTest::keyClick(&made.Widget, Qt::Key_Return);
    EXPECT_EQ(e.Text(), QStringLiteral("ab\r\ncXY\r\nd\r\nef"));
    EXPECT_TRUE(e.Modified());
    const TTextChange change = e.ChangesSinceMark();
    EXPECT_TRUE(change.Changed);
    EXPECT_EQ(change.Start, 5);
    EXPECT_EQ(change.OldLength, 0);
    EXPECT_EQ(change.NewLength, 4);
}

TEST(PlainTextEditControl, UndoAndRedoKeysGoToTheWindowNotToTheDocument)
{
    TPlainTextEditFactory made;
    auto &adapter = *made.Adapter;
    QSignalSpy undo(&adapter, &TPlainTextEditControl::UndoRequested);
    QSignalSpy redo(&adapter, &TPlainTextEditControl::RedoRequested);
    adapter.SetText(QStringLiteral("abc"));
    adapter.SetSelStart(3);
    QTest::keyClicks(&made.Widget, QStringLiteral("d"));
    EXPECT_FALSE(made.Widget.document()->isUndoRedoEnabled());

    QTest::keyClick(&made.Widget, Qt::Key_Z, Qt::ControlModifier);
    EXPECT_EQ(undo.count(), 1);
    EXPECT_EQ(adapter.Text(), QStringLiteral("abcd"));
    QTest::keyClick(&made.Widget, Qt::Key_Y, Qt::ControlModifier);
    EXPECT_EQ(redo.count(), 1);

    // The edit does not claim the keys before the window's menu shortcuts.
    QKeyEvent override(QEvent::ShortcutOverride, Qt::Key_Z, Qt::ControlModifier);
    QCoreApplication::sendEvent(&made.Widget, &override);
    EXPECT_FALSE(override.isAccepted());
}

TEST(PlainTextEditControl, ContextMenuRoutesUndoAndCopiesWithCrLf)
{
    TPlainTextEditFactory made;
    auto &adapter = *made.Adapter;
    QSignalSpy undo(&adapter, &TPlainTextEditControl::UndoRequested);
    adapter.SetText(QStringLiteral("ab\r\ncd"));
    adapter.SelectAll();
    const std::unique_ptr<QMenu> menu = TEditCommandRouter::Of(&made.Widget)->CreateContextMenu();
    auto *undoAction = menu->findChild<QAction *>(QStringLiteral("edit-undo"));
    auto *copyAction = menu->findChild<QAction *>(QStringLiteral("edit-copy"));
    ASSERT_TRUE(undoAction && copyAction);
    EXPECT_TRUE(undoAction->isEnabled());
    undoAction->trigger();
    EXPECT_EQ(undo.count(), 1);
    copyAction->trigger();
    EXPECT_EQ(QGuiApplication::clipboard()->text(), QStringLiteral("ab\r\ncd"));
}

TEST(PlainTextEditControl, ClosedGateStopsCutAndCopyFromEveryPath)
{
    TPlainTextEditFactory made;
    auto &adapter = *made.Adapter;
    TEditCommandRouter *router = TEditCommandRouter::Of(&made.Widget);
    router->CutCopyAllowed = [] { return false; };
    QGuiApplication::clipboard()->setText(QStringLiteral("vorher"));
    adapter.SetText(QStringLiteral("abc"));
    adapter.SelectAll();

    adapter.CutToClipboard();
    adapter.CopyToClipboard();
    QTest::keyClick(&made.Widget, Qt::Key_X, Qt::ControlModifier);
    QTest::keyClick(&made.Widget, Qt::Key_Delete, Qt::ShiftModifier);
    QTest::keyClick(&made.Widget, Qt::Key_C, Qt::ControlModifier);
    const std::unique_ptr<QMenu> menu = router->CreateContextMenu();
    auto *cutAction = menu->findChild<QAction *>(QStringLiteral("edit-cut"));
    ASSERT_TRUE(cutAction);
    EXPECT_FALSE(cutAction->isEnabled());
    cutAction->trigger();

    EXPECT_EQ(adapter.Text(), QStringLiteral("abc"));
    EXPECT_EQ(QGuiApplication::clipboard()->text(), QStringLiteral("vorher"));
}

namespace {

// Counts the paint events of a widget.
class TPaintCounter : public QObject
{
public:
    int Count = 0;

protected:
    bool eventFilter(QObject *, QEvent *event) override
    {
        if (event->type() == QEvent::Paint)
            ++Count;
        return false;
    }
};

} // namespace

TEST(PlainTextEditControl, TextAppendedBelowTheViewRepaintsNothingButTheScrollBarFollows)
{
    struct TCase
    {
        const char *Name;
        int Lines;
        bool Repaints;
    };
    const TCase cases[] = {
        {"the end far below the view", 300, false},
        {"the end on screen", 3, true},
    };
    for (const TCase &c : cases) {
        SCOPED_TRACE(c.Name);
        TPlainTextEditFactory made;
        made.Widget.resize(300, 200);
        made.Widget.show();
        TEditControl &e = made.Control();
        e.SetText(NumberedLines(c.Lines) + "\r\n");
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&made.Widget));
        QCoreApplication::processEvents();
        const int maximum = made.Widget.verticalScrollBar()->maximum();
        TPaintCounter paints;
        made.Widget.viewport()->installEventFilter(&paints);
        e.AppendAtEnd(NumberedLines(50));
        QCoreApplication::processEvents();
        EXPECT_EQ(paints.Count > 0, c.Repaints);
        EXPECT_GT(made.Widget.verticalScrollBar()->maximum(), maximum);
        EXPECT_EQ(e.LineCount(), c.Lines + 50);
    }
}
