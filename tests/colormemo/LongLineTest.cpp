// Long unwrapped lines, which the colour editor lays out, paints and navigates itself.

#include "ColorMemoFixture.h"

#include <QInputMethodEvent>
#include <QMimeData>
#include <QScrollBar>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>

#include <random>
#include <string>

namespace {

// Three short lines, a long one and a short one; the long line is line 3.
class LongLineTest : public ColorMemoTest
{
protected:
    LongLineTest()
    {
        SetText(QStringLiteral("<p>%1</p>\r\n").arg(QString(60, u'a')).repeated(3) + LongText
                + QStringLiteral("\r\n<p>Ende</p>"));
    }

    int LineStart(int line) { return Memo.document()->findBlockByNumber(line).position(); }
    void PutCaret(int position)
    {
        QTextCursor cursor = Memo.textCursor();
        cursor.setPosition(position);
        Memo.setTextCursor(cursor);
        Settle();
    }
    // The column of the long line a third of the view from its left edge.
    int ColumnInView()
    {
        const int y = qRound(Memo.PositionRect(LineStart(3)).center().y());
        return Memo.PositionAt(QPoint(Memo.viewport()->width() / 3, y)) - LineStart(3);
    }
    int QtLineCount(int line)
    {
        return Memo.document()->findBlockByNumber(line).layout()->lineCount();
    }
    // The viewport point on the left edge of a position's character, half way down its line.
    QPoint PointAt(int position)
    {
        const QRectF rect = Memo.PositionRect(position);
        return QPoint(qRound(rect.left()) + 1, qRound(rect.center().y()));
    }
    void ScrollToMiddle()
    {
        QScrollBar *bar = Memo.horizontalScrollBar();
        bar->setValue(bar->maximum() / 2);
        Settle();
    }

    const QString LongText = QStringLiteral("<BODY BGCOLOR=x> Text ").repeated(2000);
};

TEST_F(LongLineTest, IsNeverLaidOutByQtWhileUnwrapped)
{
    EXPECT_EQ(QtLineCount(3), 0);
    EXPECT_EQ(QtLineCount(2), 1);
    EXPECT_EQ(Memo.PositionRect(LineStart(3)).height(), Memo.PositionRect(LineStart(2)).height());
    // Nor after typing in it, which Qt answers by laying out the changed line.
    PutCaret(LineStart(3) + 100);
    QTest::keyClicks(&Memo, QStringLiteral("xy"));
    QTest::keyClick(&Memo, Qt::Key_Backspace);
    Settle();
    EXPECT_EQ(QtLineCount(3), 0);
    EXPECT_EQ(Memo.document()->findBlockByNumber(3).text().mid(100, 2),
              QStringLiteral("x") + LongText[100]);
    // Wrapped it is Qt's again, and back unwrapped its lines go.
    Memo.setLineWrapMode(QPlainTextEdit::WidgetWidth);
    Settle();
    EXPECT_GT(QtLineCount(3), 1);
    Memo.setLineWrapMode(QPlainTextEdit::NoWrap);
    Settle();
    EXPECT_EQ(QtLineCount(3), 0);
}

TEST_F(LongLineTest, AClickPutsTheCaretUnderTheMouse)
{
    ScrollToMiddle();
    const int column = ColumnInView();
    const int position = LineStart(3) + column;
    QTest::mouseClick(Memo.viewport(), Qt::LeftButton, {}, PointAt(position));
    EXPECT_EQ(Memo.textCursor().position(), position);
    // Shift extends the selection from there.
    QTest::mouseClick(Memo.viewport(), Qt::LeftButton, Qt::ShiftModifier, PointAt(position + 7));
    EXPECT_EQ(Memo.textCursor().anchor(), position);
    EXPECT_EQ(Memo.textCursor().position(), position + 7);
    // A double click selects the word under the mouse.
    const int word = int(LongText.indexOf(QStringLiteral("Text"), column));
    QTest::mouseDClick(Memo.viewport(), Qt::LeftButton, {}, PointAt(LineStart(3) + word + 1));
    EXPECT_EQ(Memo.textCursor().selectedText(), QStringLiteral("Text"));
    // Without dragging of selected text, a third click selects the line.
    Memo.SetOptions(Memo.Options() & ~TColorMemoOptions(cmoDragText));
    QTest::mouseDClick(Memo.viewport(), Qt::LeftButton, {}, PointAt(LineStart(3) + word + 1));
    QTest::mouseClick(Memo.viewport(), Qt::LeftButton, {}, PointAt(LineStart(3) + word + 1));
    EXPECT_EQ(Memo.textCursor().selectedText(), LongText + QChar::ParagraphSeparator);
}

TEST_F(LongLineTest, UpAndDownKeepTheCaretsColumnThroughIt)
{
    // The font has one width for every character: the same x is the same column.
    PutCaret(LineStart(2) + 30);
    QTest::keyClick(&Memo, Qt::Key_Down);
    EXPECT_EQ(Memo.textCursor().position(), LineStart(3) + 30);
    QTest::keyClick(&Memo, Qt::Key_Down);
    EXPECT_EQ(Memo.textCursor().position(), LineStart(4) + std::min(30, 11));
    QTest::keyClick(&Memo, Qt::Key_Up);
    QTest::keyClick(&Memo, Qt::Key_Up, Qt::ShiftModifier);
    EXPECT_EQ(Memo.textCursor().anchor(), LineStart(3) + 30);
    EXPECT_EQ(Memo.textCursor().position(), LineStart(2) + 30);
}

TEST_F(LongLineTest, TheCaretIsScrolledIntoViewAndShown)
{
    PutCaret(LineStart(3));
    QTest::keyClick(&Memo, Qt::Key_End);
    Settle();
    const QRectF caret = Memo.PositionRect(Memo.textCursor().position());
    EXPECT_EQ(Memo.textCursor().position(), LineStart(3) + LongText.size());
    EXPECT_GE(caret.left(), 0);
    EXPECT_LE(caret.left(), Memo.viewport()->width());
    // An input method puts its window at the caret, not at the line's start.
    const QRect imeRect = Memo.inputMethodQuery(Qt::ImCursorRectangle).toRect();
    EXPECT_NEAR(imeRect.left(), caret.left() + Memo.viewport()->x(), 1);

    // Scrolled away, the window's "show the caret" brings it back.
    Memo.horizontalScrollBar()->setValue(0);
    Edit.ScrollCaret();
    EXPECT_EQ(Memo.PositionRect(Memo.textCursor().position()).left(), caret.left());

    QTest::keyClick(&Memo, Qt::Key_Home);
    Settle();
    EXPECT_EQ(Memo.horizontalScrollBar()->value(), 0);

    // Far from the view: Ctrl+End to a long last line, Ctrl+Home back.
    SetText(QStringLiteral("kurz\r\n").repeated(400) + LongText);
    for (const auto key : {Qt::Key_End, Qt::Key_Home}) {
        QTest::keyClick(&Memo, key, Qt::ControlModifier);
        Settle();
        const QRectF shown = Memo.PositionRect(Memo.textCursor().position());
        EXPECT_GE(shown.top(), 0);
        EXPECT_LE(shown.bottom(), Memo.viewport()->height());
        EXPECT_GE(shown.left(), 0);
        EXPECT_LE(shown.left(), Memo.viewport()->width());
    }
}

TEST_F(LongLineTest, CharacterAndWordKeysInsideItGoWhereQtsOwnCursorGoes)
{
    // Words, a surrogate pair and a combining mark; the same line in a document of its own is
    // where Qt's cursor says each key goes.
    const QString line = QStringLiteral("ab\U0001F600 cd, e\u0301f <x y=\"z\">").repeated(300);
    SetText(QStringLiteral("oben\r\n") + line + QStringLiteral("\r\nunten"));
    const int start = LineStart(1);
    QTextDocument reference;
    reference.setPlainText(line);
    struct TKey
    {
        const char *Name;
        Qt::Key Key;
        Qt::KeyboardModifiers Modifiers;
        QTextCursor::MoveOperation Operation;
        QTextCursor::MoveMode Mode;
    };
    const TKey keys[] = {
        {"Right", Qt::Key_Right, {}, QTextCursor::NextCharacter, QTextCursor::MoveAnchor},
        {"Left", Qt::Key_Left, {}, QTextCursor::PreviousCharacter, QTextCursor::MoveAnchor},
        {"Shift+Right",
         Qt::Key_Right,
         Qt::ShiftModifier,
         QTextCursor::NextCharacter,
         QTextCursor::KeepAnchor},
        {"Shift+Left",
         Qt::Key_Left,
         Qt::ShiftModifier,
         QTextCursor::PreviousCharacter,
         QTextCursor::KeepAnchor},
        {"Ctrl+Right",
         Qt::Key_Right,
         Qt::ControlModifier,
         QTextCursor::NextWord,
         QTextCursor::MoveAnchor},
        {"Ctrl+Left",
         Qt::Key_Left,
         Qt::ControlModifier,
         QTextCursor::PreviousWord,
         QTextCursor::MoveAnchor},
        {"Shift+Ctrl+Right",
         Qt::Key_Right,
         Qt::ShiftModifier | Qt::ControlModifier,
         QTextCursor::NextWord,
         QTextCursor::KeepAnchor},
        {"Shift+Ctrl+Left",
         Qt::Key_Left,
         Qt::ShiftModifier | Qt::ControlModifier,
         QTextCursor::PreviousWord,
         QTextCursor::KeepAnchor},
    };
    // Before and behind the pair and the accented letter, among words, far in, at the end.
    const int columns[] = {1, 2, 4, 9, 11, 13, 16, 22 * 150 + 5, int(line.size()) - 1};
    for (const TKey &key : keys) {
        for (const int column : columns) {
            SCOPED_TRACE(std::string(key.Name) + " from " + std::to_string(column));
            PutCaret(start + column);
            QTest::keyClick(&Memo, key.Key, key.Modifiers);
            QTextCursor expected(&reference);
            expected.setPosition(column);
            expected.movePosition(key.Operation, key.Mode);
            EXPECT_EQ(Memo.textCursor().position() - start, expected.position());
            EXPECT_EQ(Memo.textCursor().anchor() - start, expected.anchor());
        }
    }
    // Delete takes the whole character behind the caret: both halves of a pair, a letter with
    // its accent.
    for (const int column : {11, 9, 2, 1}) {
        PutCaret(start + column);
        QTest::keyClick(&Memo, Qt::Key_Delete);
        QTextCursor expected(&reference);
        expected.setPosition(column);
        expected.deleteChar();
    }
    EXPECT_EQ(Memo.document()->findBlockByNumber(1).text(), reference.toPlainText());
    EXPECT_EQ(reference.toPlainText().left(8), QStringLiteral("a cd,  <"));
    EXPECT_EQ(QtLineCount(1), 0);
}

TEST_F(LongLineTest, ShowsItsTextColoursAndSelection)
{
    ScrollToMiddle();
    const int column = ColumnInView();
    const int tag = int(LongText.indexOf(QStringLiteral("<BODY"), column));
    const int text = int(LongText.indexOf(QStringLiteral("Text"), column));
    QImage shot = Shot();
    EXPECT_GT(CountPixels(shot, Cell(LineStart(3) + tag + 1), IsBlue), 0);
    EXPECT_GT(CountPixels(shot, Cell(LineStart(3) + text + 1), IsDark), 0);

    QTextCursor cursor = Memo.textCursor();
    cursor.setPosition(LineStart(3) + text);
    cursor.setPosition(LineStart(3) + text + 4, QTextCursor::KeepAnchor);
    Memo.setTextCursor(cursor);
    Settle();
    shot = Shot();
    const QColor highlight = Memo.palette().color(QPalette::Active, QPalette::Highlight);
    EXPECT_GT(CountPixels(shot,
                          Cell(LineStart(3) + text + 1),
                          [&](const QColor &c) { return SameColor(c, highlight); }),
              0);
}

TEST_F(LongLineTest, ShowsWhatIsTypedInIt)
{
    // A blank in view becomes a "W": its cell gets ink, in this paint and the next.
    ScrollToMiddle();
    const int blank = LineStart(3) + int(LongText.indexOf(u' ', ColumnInView()));
    EXPECT_EQ(CountPixels(Shot(), Cell(blank), IsDark), 0);
    QTextCursor cursor = Memo.textCursor();
    cursor.setPosition(blank);
    cursor.setPosition(blank + 1, QTextCursor::KeepAnchor);
    Memo.setTextCursor(cursor);
    QTest::keyClick(&Memo, Qt::Key_W, Qt::ShiftModifier);
    Settle();
    EXPECT_GT(CountPixels(Shot(), Cell(blank), IsDark), 0);
    Settle();
    EXPECT_GT(CountPixels(Shot(), Cell(blank), IsDark), 0);
}

TEST_F(LongLineTest, ShowsAnInputMethodsUnfinishedText)
{
    ScrollToMiddle();
    const int blank = LineStart(3) + int(LongText.indexOf(u' ', ColumnInView()));
    PutCaret(blank);
    QInputMethodEvent composing(QStringLiteral("WW"), {});
    QApplication::sendEvent(&Memo, &composing);
    Settle();
    EXPECT_GT(CountPixels(Shot(), Cell(blank), IsDark), 0);
    EXPECT_EQ(Memo.document()->findBlockByNumber(3).text(), LongText);

    QInputMethodEvent finished;
    finished.setCommitString(QStringLiteral("WW"));
    QApplication::sendEvent(&Memo, &finished);
    Settle();
    EXPECT_EQ(Memo.document()->findBlockByNumber(3).text().mid(blank - LineStart(3), 3),
              QStringLiteral("WW "));
    EXPECT_GT(CountPixels(Shot(), Cell(blank), IsDark), 0);
}

TEST_F(LongLineTest, TakesTextDroppedFromAnotherProgramWhereItIsLetGo)
{
    ScrollToMiddle();
    const int blank = LineStart(3) + int(LongText.indexOf(u' ', ColumnInView()));
    QMimeData text;
    text.setText(QStringLiteral("WW"));
    // A drop goes to the widget that took the drag's entry.
    QDragEnterEvent enter(PointAt(blank), Qt::CopyAction, &text, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(Memo.viewport(), &enter);
    QDropEvent drop(PointAt(blank), Qt::CopyAction, &text, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(Memo.viewport(), &drop);
    EXPECT_EQ(Memo.document()->findBlockByNumber(3).text().mid(blank - LineStart(3), 3),
              QStringLiteral("WW "));
}

TEST_F(LongLineTest, TheViewScrollsNoFurtherThanTheLastLine)
{
    // Long lines among the last ones; scrolled to the end, the last line is at the bottom.
    QString text = QStringLiteral("<p>kurz</p>\r\n").repeated(40);
    for (int i = 0; i < 3; ++i)
        text += LongText + QStringLiteral("\r\nkurz\r\n");
    SetText(text);
    QScrollBar *bar = Memo.verticalScrollBar();
    bar->setValue(bar->maximum());
    Settle();
    const QRectF last = Memo.PositionRect(Memo.document()->lastBlock().position());
    EXPECT_LE(last.bottom(), Memo.viewport()->height());
    EXPECT_GT(last.bottom() + last.height(), Memo.viewport()->height());
}

TEST_F(LongLineTest, SurvivesRandomKeysClicksAndWrapping)
{
    // Qt's editor meets blocks without display lines here; whatever the user does with keys,
    // the mouse and the wrap switch must keep the caret valid and long lines unlaid-out.
    const int keys[] = {Qt::Key_Up,
                        Qt::Key_Down,
                        Qt::Key_Left,
                        Qt::Key_Right,
                        Qt::Key_Home,
                        Qt::Key_End,
                        Qt::Key_PageUp,
                        Qt::Key_PageDown,
                        Qt::Key_A,
                        Qt::Key_Backspace,
                        Qt::Key_Delete,
                        Qt::Key_Return};
    // Qt's complaints count as faults (a position out of range is refused and ignored).
    static QStringList warnings;
    warnings.clear();
    const QtMessageHandler previous = qInstallMessageHandler(
        [](QtMsgType type, const QMessageLogContext &, const QString &text) {
            if (type == QtWarningMsg && !text.contains(QStringLiteral("XDG_RUNTIME_DIR")))
                warnings << text;
        });
    std::mt19937 random(7);
    for (int step = 0; step < 300; ++step) {
        SCOPED_TRACE(step);
        const int choice = int(random() % 16);
        if (choice < 12) {
            const Qt::KeyboardModifiers shift = random() % 3 == 0 ? Qt::ShiftModifier
                                                                  : Qt::NoModifier;
            QTest::keyClick(&Memo, Qt::Key(keys[choice]), shift);
        } else if (choice < 15) {
            const QPoint point(int(random() % uint(Memo.viewport()->width())),
                               int(random() % uint(Memo.viewport()->height())));
            QTest::mouseClick(Memo.viewport(), Qt::LeftButton, {}, point);
        } else {
            const bool wrapped = Memo.lineWrapMode() == QPlainTextEdit::NoWrap;
            Memo.setLineWrapMode(wrapped ? QPlainTextEdit::WidgetWidth : QPlainTextEdit::NoWrap);
        }
        Settle();
        const QTextCursor cursor = Memo.textCursor();
        ASSERT_GE(cursor.position(), 0);
        ASSERT_LT(cursor.position(), Memo.document()->characterCount());
        if (Memo.lineWrapMode() == QPlainTextEdit::NoWrap && cursor.block().length() > 5000) {
            EXPECT_EQ(cursor.block().layout()->lineCount(), 0);
        }
    }
    qInstallMessageHandler(previous);
    EXPECT_EQ(warnings, QStringList());
}

TEST_F(LongLineTest, FindsHotSpotsInIt)
{
    THotSpot hotSpot = Memo.HotSpot();
    hotSpot.Active = true;
    Memo.SetHotSpot(hotSpot);
    const QString line = QString(9000, u'a') + QStringLiteral("\x1Elink\x1F y");
    SetText(QStringLiteral("kurz\r\n") + line);
    const int link = LineStart(1) + 9001;
    PutCaret(link);
    EXPECT_EQ(Memo.HotSpotAt(Cell(link + 1).center()), QStringLiteral("link"));
    EXPECT_EQ(Memo.HotSpotAt(Cell(link - 3).center()), QString());
}

} // namespace
