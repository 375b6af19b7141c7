#include "ColorMemoFixture.h"
#include "TextDrop.h"

#include <QApplication>
#include <QClipboard>
#include <QContextMenuEvent>
#include <QMimeData>
#include <QScrollBar>
#include <QTest>
#include <QTextBlock>
#include <QTimer>

#include <gtest/gtest.h>

TEST_F(ColorMemoTest, PaintsTagsBlueAndAttributesFuchsiaOverPlainText)
{
    // Positions: "<" 0, "BODY" 1-4, " " 5, "BGCOLOR" 6-12, "=" 13, "x" 14 ... "Hallo" 20-24.
    SetText(QStringLiteral("<BODY BGCOLOR=x>   Hallo"));
    const QImage image = Shot();
    EXPECT_GT(CountPixels(image, Cell(1), IsBlue), 0); // "B" of the tag name
    EXPECT_GT(CountPixels(image, Cell(6), IsFuchsia), 0);
    EXPECT_EQ(CountPixels(image, Cell(6), IsBlue), 0);
    // Text no rule matches keeps the plain painting.
    EXPECT_GT(CountPixels(image, Cell(20), IsDark), 0);
    EXPECT_EQ(CountPixels(image, Cell(20), IsBlue) + CountPixels(image, Cell(20), IsFuchsia), 0);
}

TEST_F(ColorMemoTest, SelectedRunsGetTheHighlightAndKeepTheirTextColour)
{
    SetText(QStringLiteral("<BODY>  Hallo"));
    Edit.SetSelStart(1);
    Edit.SetSelLength(4);
    Settle();
    const QColor highlight = Memo.palette().color(QPalette::Active, QPalette::Highlight);
    const QImage image = Shot();
    const QRect cell = Cell(2);
    EXPECT_GT(CountPixels(image, cell, [&](const QColor &c) { return c == highlight; }), 0);
    EXPECT_GT(CountPixels(image, cell, IsBlue), 0);
    EXPECT_EQ(CountPixels(image, cell, IsWhite), 0);

    bool sawSelectedRun = false;
    for (const TKeyDescr &run : Memo.LastRuns()) {
        if (run.Start >= 1 && run.End <= 4) {
            sawSelectedRun = true;
            EXPECT_EQ(run.Brush, clHighlight);
            EXPECT_EQ(run.Color, clBlue);
        }
    }
    EXPECT_TRUE(sawSelectedRun);

    // Without the focus a hidden selection gets no highlight.
    Memo.clearFocus();
    Settle();
    for (const TKeyDescr &run : Memo.LastRuns())
        EXPECT_NE(run.Brush, clHighlight);
}

TEST_F(ColorMemoTest, UndoKeysReachTheWindowThroughTheAdapter)
{
    SetText(QStringLiteral("abc"));
    int undo = 0;
    int redo = 0;
    QObject::connect(&Edit, &TPlainTextEditControl::UndoRequested, [&] { ++undo; });
    QObject::connect(&Edit, &TPlainTextEditControl::RedoRequested, [&] { ++redo; });
    QTest::keyClick(&Memo, Qt::Key_Z, Qt::ControlModifier);
    QTest::keyClick(&Memo, Qt::Key_Y, Qt::ControlModifier);
    EXPECT_EQ(undo, 1);
    EXPECT_EQ(redo, 1);
    EXPECT_EQ(Edit.Text(), QStringLiteral("abc"));
}

TEST_F(ColorMemoTest, OnlyWhollyVisibleLinesAreScanned)
{
    SetText(Lines(2000));
    // Whatever the font, the view ends in the middle of a line.
    QTextCursor second(Memo.document()->findBlockByNumber(1));
    const int lineHeight = Memo.cursorRect(second).top()
                           - Memo.cursorRect(QTextCursor(Memo.document())).top();
    const int frame = Memo.height() - Memo.viewport()->height();
    Memo.resize(Memo.width(), frame + 12 * lineHeight + lineHeight / 2);
    Memo.verticalScrollBar()->setValue(1000);
    Settle();
    const TColourPassInfo pass = Memo.LastColourPass();
    EXPECT_EQ(pass.FirstLine, 1000);
    EXPECT_EQ(pass.Start, Edit.LineIndex(1000));
    // The last scanned line lies wholly inside the view; the next one does not.
    QTextCursor cursor(Memo.document());
    cursor.setPosition(Memo.document()->findBlockByNumber(Edit.LineFromChar(pass.End)).position());
    const QRect next = Memo.cursorRect(cursor);
    EXPECT_GT(next.bottom() + 1, Memo.viewport()->height());
    EXPECT_LT(next.top(), Memo.viewport()->height());
    EXPECT_LT(pass.End - pass.Start, 40 * 20);
}

TEST_F(ColorMemoTest, AVeryLongLineIsScannedAndColouredOnlyWhereItShows)
{
    // One line of about 140,000 characters: unwrapped as the HTML window shows it (scrolled
    // sideways), and wrapped into a few hundred screens (scrolled down).
    const QString text = QStringLiteral("<BODY BGCOLOR=x> Hallo ").repeated(6000);
    for (const bool wrapped : {false, true}) {
        SCOPED_TRACE(wrapped ? "wrapped" : "unwrapped");
        Memo.setLineWrapMode(wrapped ? QPlainTextEdit::WidgetWidth : QPlainTextEdit::NoWrap);
        SetText(text);
        const auto scanned = [this] {
            const TColourPassInfo pass = Memo.LastColourPass();
            return pass.End - pass.Start;
        };
        EXPECT_GT(scanned(), 0);
        EXPECT_LT(scanned(), 5000);
        EXPECT_GT(CountPixels(Shot(), Cell(1), IsBlue), 0);

        QScrollBar *bar = wrapped ? Memo.verticalScrollBar() : Memo.horizontalScrollBar();
        bar->setValue(bar->maximum() / 2);
        Settle();
        EXPECT_GT(Memo.LastColourPass().Start, 40000);
        EXPECT_GT(scanned(), 0);
        EXPECT_LT(scanned(), 5000);
        // Left in the view, on the only line or in the middle of the wrapped one.
        const QPoint inView(Memo.viewport()->width() / 4,
                            wrapped ? Memo.viewport()->height() / 2 : Cell(0).center().y());
        const int tag = int(text.indexOf(u'<', Memo.PositionAt(inView)));
        EXPECT_GT(CountPixels(Shot(), Cell(tag + 1), IsBlue), 0);
    }
}

TEST_F(ColorMemoTest, AVeryLongLineAmongShortOnesIsScannedOnlyWhereItShows)
{
    // Lines above and below the long one: it is neither the first nor the last line in view,
    // and still only its columns in view are scanned; the short lines keep their colours.
    const QString shortLine = QStringLiteral("<BODY BGCOLOR=x> Hallo");
    // Its tabs move what follows to stops counted from the line's start.
    const QString longLine = QStringLiteral("<BODY BGCOLOR=x>\tHallo ").repeated(6000);
    const QStringList lines{shortLine, shortLine, longLine, shortLine, shortLine};
    SetText(lines.join("\r\n"));
    const auto scanned = [this] { return Memo.LastColourPass().Scanned; };
    const auto lineStart = [this](int line) {
        return Memo.document()->findBlockByNumber(line).position();
    };
    EXPECT_GT(scanned(), 0);
    EXPECT_LT(scanned(), 5000);
    for (const int line : {0, 2, 3, 4}) {
        SCOPED_TRACE(line);
        EXPECT_GT(CountPixels(Shot(), Cell(lineStart(line) + 1), IsBlue), 0);
    }

    QScrollBar *bar = Memo.horizontalScrollBar();
    bar->setValue(bar->maximum() / 2);
    Settle();
    EXPECT_GT(scanned(), 0);
    EXPECT_LT(scanned(), 5000);
    const QPoint inView(Memo.viewport()->width() / 4, Cell(lineStart(2)).center().y());
    const int tag = int(longLine.indexOf(u'<', Memo.PositionAt(inView) - lineStart(2)));
    EXPECT_GT(CountPixels(Shot(), Cell(lineStart(2) + tag + 1), IsBlue), 0);
}

TEST_F(ColorMemoTest, TypingOneCharacterColoursFromTheCaretLineEverythingElseFromTheTop)
{
    SetText(Lines(10));
    Edit.SetSelStart(Edit.LineIndex(3) + 4);
    Settle();

    QTest::keyClick(&Memo, Qt::Key_X);
    QApplication::processEvents();
    EXPECT_TRUE(Memo.LastColourPass().FromCaretLine);
    EXPECT_EQ(Memo.LastColourPass().FirstLine, 3);
    EXPECT_EQ(Memo.LastColourPass().Start, Edit.LineIndex(3));

    // A new line changes the line count.
    QTest::keyClick(&Memo, Qt::Key_Return);
    QApplication::processEvents();
    EXPECT_FALSE(Memo.LastColourPass().FromCaretLine);
    EXPECT_EQ(Memo.LastColourPass().FirstLine, 0);

    // Pasting more than one character.
    QGuiApplication::clipboard()->setText(QStringLiteral("ab"));
    QTest::keyClick(&Memo, Qt::Key_V, Qt::ControlModifier);
    QApplication::processEvents();
    EXPECT_FALSE(Memo.LastColourPass().FromCaretLine);
}

namespace {

// Collects what a widget repaints.
class TPaintRecorder : public QObject
{
public:
    QRegion Painted;

protected:
    bool eventFilter(QObject *, QEvent *event) override
    {
        if (event->type() == QEvent::Paint)
            Painted += static_cast<QPaintEvent *>(event)->region();
        return false;
    }
};

} // namespace

TEST_F(ColorMemoTest, TypedCharacterRepaintsItsLineAndTheLinesWhoseColoursItChanges)
{
    // The last line is the longest, so typing never widens the text.
    SetText(QStringLiteral(
        "<p>a</p>\r\n<!-\r\n<p>b</p>\r\n<p>c</p>\r\n-->\r\n<p>ein langer Absatz</p>"));
    const auto rowsOf = [this](int line) {
        QTextCursor cursor(Memo.document()->findBlockByNumber(line));
        const QRect rect = Memo.cursorRect(cursor);
        return QRect(0, rect.top(), Memo.viewport()->width(), rect.height());
    };
    TPaintRecorder recorder;
    Memo.viewport()->installEventFilter(&recorder);

    Edit.SetSelStart(4);
    Settle();
    recorder.Painted = QRegion();
    QTest::keyClicks(&Memo, QStringLiteral("x"));
    QApplication::processEvents();
    EXPECT_FALSE(recorder.Painted.isEmpty());
    EXPECT_TRUE(QRegion(rowsOf(0)).contains(recorder.Painted.boundingRect()))
        << "painted " << recorder.Painted.boundingRect().top() << " to "
        << recorder.Painted.boundingRect().bottom();

    // "<!-" becomes a comment opener: the lines down to "-->" turn maroon as well.
    for (int i = 0; i < Memo.ColorRules().Count(); ++i)
        Memo.ColorRules()[i].SetEnabled(Memo.ColorRules()[i].Name() == "Kommentar");
    Edit.SetSelStart(Edit.LineIndex(1) + 3);
    Settle();
    recorder.Painted = QRegion();
    QTest::keyClicks(&Memo, QStringLiteral("-"));
    // The lines below follow with the next paint.
    for (int round = 0; round < 3; ++round)
        QApplication::processEvents();
    for (int line = 1; line <= 4; ++line)
        EXPECT_EQ(recorder.Painted.intersected(rowsOf(line)), QRegion(rowsOf(line))) << line;
    EXPECT_FALSE(recorder.Painted.intersects(rowsOf(5)));
    const QImage image = Shot();
    EXPECT_EQ(CountPixels(image, Cell(Edit.LineIndex(2) + 1), IsBlue), 0);
    Memo.viewport()->removeEventFilter(&recorder);
}

TEST_F(ColorMemoTest, GutterIsRepaintedWhenItsNumbersChangeOnly)
{
    SetText(Lines(200));
    TPaintRecorder recorder;
    QWidget *gutter = Memo.findChild<QWidget *>(QString(), Qt::FindDirectChildrenOnly);
    for (QWidget *child : Memo.findChildren<QWidget *>(QString(), Qt::FindDirectChildrenOnly)) {
        if (child->geometry().width() == Memo.Gutter().Size)
            gutter = child;
    }
    ASSERT_TRUE(gutter);
    gutter->installEventFilter(&recorder);
    Edit.SetSelStart(Edit.LineIndex(2) + 3);
    Settle();
    QApplication::processEvents();
    recorder.Painted = QRegion();
    QTest::keyClicks(&Memo, QStringLiteral("abc"));
    QApplication::processEvents();
    EXPECT_TRUE(recorder.Painted.isEmpty());

    Memo.verticalScrollBar()->setValue(50);
    QApplication::processEvents();
    EXPECT_FALSE(recorder.Painted.isEmpty());
    EXPECT_EQ(Memo.GutterLabels().first().Text, QStringLiteral("51"));
    gutter->removeEventFilter(&recorder);
}

TEST_F(ColorMemoTest, TextAppendedBelowTheViewRepaintsNothing)
{
    const std::pair<int, bool> cases[] = {{200, false}, {3, true}};
    for (const auto &[lines, repaints] : cases) {
        SCOPED_TRACE(lines);
        SetText(Lines(lines));
        TPaintRecorder recorder;
        Memo.viewport()->installEventFilter(&recorder);
        Edit.AppendAtEnd(QStringLiteral("\r\n<p>neu</p>"));
        QApplication::processEvents();
        EXPECT_EQ(!recorder.Painted.isEmpty(), repaints);
        Memo.viewport()->removeEventFilter(&recorder);
    }
}

TEST_F(ColorMemoTest, SelectionScrollingAndShiftReleaseRecolourAllVisibleLines)
{
    SetText(Lines(100));
    Edit.SetSelStart(Edit.LineIndex(5));
    Settle();
    int passes = Memo.LastColourPass().Count;
    QTest::keyClick(&Memo, Qt::Key_Right, Qt::ShiftModifier);
    QApplication::processEvents();
    EXPECT_GT(Memo.LastColourPass().Count, passes);
    EXPECT_FALSE(Memo.LastColourPass().FromCaretLine);

    passes = Memo.LastColourPass().Count;
    QTest::keyRelease(&Memo, Qt::Key_Shift, Qt::ShiftModifier);
    QApplication::processEvents();
    EXPECT_GT(Memo.LastColourPass().Count, passes);

    int vScrolls = 0;
    Memo.OnVScroll = [&](TColorMemo &) { ++vScrolls; };
    Memo.verticalScrollBar()->triggerAction(QAbstractSlider::SliderSingleStepAdd);
    EXPECT_EQ(vScrolls, 1);

    passes = Memo.LastColourPass().Count;
    Memo.verticalScrollBar()->setValue(20);
    QApplication::processEvents();
    EXPECT_GT(Memo.LastColourPass().Count, passes);
    EXPECT_FALSE(Memo.LastColourPass().FromCaretLine);
    EXPECT_EQ(Memo.LastColourPass().FirstLine, 20);
}

TEST_F(ColorMemoTest, NavigationKeyWithASelectionMovesOnFromTheSelectionEnd)
{
    SetText(QStringLiteral("abcdef"));
    Edit.SetSelStart(1);
    Edit.SetSelLength(3);
    QTest::keyClick(&Memo, Qt::Key_Left);
    EXPECT_EQ(Edit.SelStart(), 3);
    EXPECT_EQ(Edit.SelLength(), 0);
}

TEST_F(ColorMemoTest, GutterNumbersFollowTheFirstVisibleLine)
{
    SetText(Lines(100));
    ASSERT_FALSE(Memo.GutterLabels().isEmpty());
    EXPECT_EQ(Memo.GutterLabels().first().Text, QStringLiteral("1"));
    Memo.verticalScrollBar()->setValue(9); // line index 9 on top
    Settle();
    const QList<TGutterLabel> labels = Memo.GutterLabels();
    ASSERT_GE(labels.size(), 2);
    EXPECT_EQ(labels[0].Text, QStringLiteral("10"));
    EXPECT_EQ(labels[1].Text, QStringLiteral("11"));

    TCMGutterOptions gutter = Memo.Gutter();
    gutter.StartCountAt = 0;
    Memo.SetGutter(gutter);
    EXPECT_EQ(Memo.GutterLabels().first().Text, QStringLiteral("9"));

    // Only lines that exist are numbered.
    SetText(QStringLiteral("a\r\nb"));
    EXPECT_EQ(Memo.GutterLabels().size(), 2);
}

TEST_F(ColorMemoTest, GutterPaintsItsColourAndTheRaisedEdge)
{
    SetText(QStringLiteral("a"));
    QWidget *gutter = nullptr;
    for (QWidget *child : Memo.findChildren<QWidget *>(Qt::FindDirectChildrenOnly)) {
        if (child->geometry().width() == 80 && child != Memo.viewport())
            gutter = child;
    }
    ASSERT_NE(gutter, nullptr);
    const QImage image = gutter->grab().toImage();
    const int bottom = image.height() - 2;
    const QPalette palette = Memo.palette();
    EXPECT_TRUE(SameColor(image.pixel(40, bottom), palette.color(QPalette::Button)));
    EXPECT_TRUE(SameColor(image.pixel(78, bottom), palette.color(QPalette::Light)));
    EXPECT_TRUE(SameColor(image.pixel(79, bottom), palette.color(QPalette::Dark)));
    // The number "1" in the font colour near the top left.
    EXPECT_GT(CountPixels(image, QRect(1, 0, 20, 24), IsDark), 0);
}

TEST_F(ColorMemoTest, NegativeGutterSizeIsStoredAsZeroAndTheTextStartsAtTheLeftEdge)
{
    TCMGutterOptions gutter = Memo.Gutter();
    gutter.Size = -5;
    Memo.SetGutter(gutter);
    EXPECT_EQ(Memo.Gutter().Size, 0);
    EXPECT_EQ(Memo.viewport()->geometry().left(), Memo.contentsRect().left());
    EXPECT_TRUE(Memo.GutterLabels().isEmpty());
}

TEST_F(ColorMemoTest, TabStopWidthOfZeroIsRefusedAndTheStopsStay)
{
    const qreal before = Memo.tabStopDistance();
    QString error;
    EXPECT_FALSE(Memo.SetTabStopWidth(0, &error));
    EXPECT_EQ(error, QStringLiteral("Invalid TabStopWidht value (0)"));
    EXPECT_EQ(Memo.TabStopWidth(), 32);
    EXPECT_EQ(Memo.tabStopDistance(), before);
    EXPECT_FALSE(Memo.SetTabStopWidth(-3, &error));
    EXPECT_EQ(error, QStringLiteral("Invalid TabStopWidht value (-3)"));

    // 32 dialog units are eight average characters; 16 are four.
    EXPECT_DOUBLE_EQ(before, 8 * QFontMetricsF(Memo.font()).averageCharWidth());
    EXPECT_TRUE(Memo.SetTabStopWidth(16));
    EXPECT_DOUBLE_EQ(Memo.tabStopDistance(), before / 2);
}

TEST_F(ColorMemoTest, WithoutAllowCutCopyCutAndCopyLeaveTextAndClipboardAlone)
{
    Memo.SetOptions(cmoDragText);
    QClipboard *clipboard = QGuiApplication::clipboard();
    clipboard->setText(QStringLiteral("vorher"));
    SetText(QStringLiteral("<p>Text</p>"));
    Edit.SelectAll();

    QTest::keyClick(&Memo, Qt::Key_X, Qt::ControlModifier);
    QTest::keyClick(&Memo, Qt::Key_C, Qt::ControlModifier);
    Memo.CutToClipboard();
    Edit.CutToClipboard();
    Edit.CopyToClipboard();
    EXPECT_EQ(Edit.Text(), QStringLiteral("<p>Text</p>"));
    EXPECT_EQ(clipboard->text(), QStringLiteral("vorher"));

    Memo.SetOptions(TColorMemoOptions(cmoAllowCutCopy) | cmoDragText);
    Edit.SelectAll();
    QTest::keyClick(&Memo, Qt::Key_X, Qt::ControlModifier);
    EXPECT_EQ(Edit.Text(), QString());
    EXPECT_EQ(clipboard->text(), QStringLiteral("<p>Text</p>"));
}

TEST(TextDrop, PlansCaretMovesMovesAndCopies)
{
    // Selection [4, 7): inside, both ends included, only the caret moves.
    for (int drop : {4, 5, 7}) {
        const TTextDropPlan plan = PlanTextDrop(4, 3, drop, false);
        EXPECT_TRUE(plan.CaretOnly);
        EXPECT_EQ(plan.InsertAt, drop);
    }
    TTextDropPlan behind = PlanTextDrop(4, 3, 10, false);
    EXPECT_FALSE(behind.CaretOnly);
    EXPECT_EQ(behind.DeleteStart, 4);
    EXPECT_EQ(behind.DeleteLength, 3);
    EXPECT_EQ(behind.InsertAt, 7);
    TTextDropPlan before = PlanTextDrop(4, 3, 1, false);
    EXPECT_EQ(before.InsertAt, 1);
    TTextDropPlan copy = PlanTextDrop(4, 3, 10, true);
    EXPECT_EQ(copy.DeleteLength, 0);
    EXPECT_EQ(copy.InsertAt, 10);
}

TEST_F(ColorMemoTest, DroppingTheSelectionMovesCopiesOrOnlyPlacesTheCaret)
{
    SetText(QStringLiteral("abcdefgh"));
    Edit.SetModified(false);
    Memo.DropText(1, 2, 2, false); // inside "bc"
    EXPECT_EQ(Edit.Text(), QStringLiteral("abcdefgh"));
    EXPECT_EQ(Edit.SelStart(), 2);
    EXPECT_EQ(Edit.SelLength(), 0);
    EXPECT_FALSE(Edit.Modified());

    Memo.DropText(1, 2, 6, false); // behind: moved
    EXPECT_EQ(Edit.Text(), QStringLiteral("adefbcgh"));
    EXPECT_EQ(Edit.SelStart(), 6);
    EXPECT_TRUE(Edit.Modified());

    Memo.DropText(4, 2, 0, false); // "bc" in front
    EXPECT_EQ(Edit.Text(), QStringLiteral("bcadefgh"));

    Memo.DropText(0, 2, 8, true); // Ctrl: copied
    EXPECT_EQ(Edit.Text(), QStringLiteral("bcadefghbc"));

    // Across a line break: the break moves with the text.
    SetText(QStringLiteral("ab\r\ncd\r\nef"));
    Memo.DropText(1, 4, 10, false); // "b\r\nc" to the end
    EXPECT_EQ(Edit.Text(), QStringLiteral("ad\r\nefb\r\nc"));
}

TEST_F(ColorMemoTest, HotSpotsReportTheirTextAndChangeTheCursor)
{
    THotSpot hotSpot = Memo.HotSpot();
    hotSpot.Active = true;
    Memo.SetHotSpot(hotSpot);
    // "x " 0-1, marker 2, "link" 3-6, marker 7, " y" 8-9.
    SetText(QStringLiteral("x \x1Elink\x1F y"));
    QStringList events;
    Memo.OnHoverHotSpot = [&](TColorMemo &, const QString &src) { events << "hover " + src; };
    Memo.OnHotSpotExit = [&](TColorMemo &, const QString &src) { events << "exit " + src; };
    Memo.OnHotSpotClick =
        [&](TColorMemo &, const QString &src, Qt::MouseButton, Qt::KeyboardModifiers) {
            events << "click " + src;
        };

    const QPoint onLink = Cell(4).center();
    const QPoint onX = Cell(0).center();
    EXPECT_EQ(Memo.HotSpotAt(onLink), QStringLiteral("link"));
    EXPECT_EQ(Memo.HotSpotAt(onX), QString());
    EXPECT_EQ(Memo.HotSpotAt(QPoint(onLink.x(), Memo.viewport()->height() - 2)), QString());

    QTest::mouseMove(Memo.viewport(), onLink);
    EXPECT_EQ(Memo.viewport()->cursor().shape(), Qt::PointingHandCursor);
    QTest::mouseClick(Memo.viewport(), Qt::LeftButton, Qt::NoModifier, onLink);
    QTest::mouseMove(Memo.viewport(), onX);
    EXPECT_EQ(Memo.viewport()->cursor().shape(), Qt::IBeamCursor);
    EXPECT_EQ(events,
              QStringList({QStringLiteral("hover link"),
                           QStringLiteral("click link"),
                           QStringLiteral("exit link")}));
}

TEST_F(ColorMemoTest, ContextPopupHandlerCanKeepTheMenuClosed)
{
    QPoint reported;
    Memo.OnContextPopup = [&](TColorMemo &, int x, int y, bool &handled) {
        reported = QPoint(x, y);
        handled = true;
    };
    // Should a menu open after all, close it so the test cannot hang.
    QTimer::singleShot(200, [] {
        if (QWidget *popup = QApplication::activePopupWidget())
            popup->close();
    });
    const QPoint local(20, 10);
    QContextMenuEvent event(QContextMenuEvent::Mouse, local, Memo.viewport()->mapToGlobal(local));
    QApplication::sendEvent(Memo.viewport(), &event);
    EXPECT_EQ(reported, Memo.viewport()->mapToGlobal(local));
    EXPECT_EQ(QApplication::activePopupWidget(), nullptr);
}

TEST_F(ColorMemoTest, SelectionChangesAreReported)
{
    SetText(QStringLiteral("abc"));
    int changes = 0;
    Memo.OnSelectionChange = [&](TColorMemo &) { ++changes; };
    Edit.SetSelStart(1);
    Edit.SetSelLength(1);
    Edit.SetSelLength(1);
    EXPECT_EQ(changes, 2);
}

TEST_F(ColorMemoTest, AssignTakesLinesBackgroundFontHideSelectionAndRules)
{
    SetText(QStringLiteral("eins\r\nzwei\u00A0"));
    QPalette palette = Memo.palette();
    palette.setColor(QPalette::Base, Qt::yellow);
    Memo.setPalette(palette);
    Memo.SetHideSelection(false);

    TColorMemo copy;
    ApplyCssWindowSettings(copy);
    copy.Assign(Memo);
    EXPECT_EQ(TPlainTextEditControl(&copy).Text(), QStringLiteral("eins\r\nzwei\u00A0"));
    EXPECT_EQ(copy.palette().color(QPalette::Base), QColor(Qt::yellow));
    EXPECT_EQ(copy.font().pixelSize(), 16);
    EXPECT_FALSE(copy.HideSelection());
    ASSERT_EQ(copy.ColorRules().Count(), 15);
    EXPECT_EQ(copy.ColorRules()[0].Name(), QStringLiteral("Kommentar"));
    // The gutter is not part of an assignment.
    EXPECT_EQ(copy.Gutter().Size, 40);
}

TEST(ColorMemoPresets, HtmlAndCssWindowSettings)
{
    TColorMemo html;
    ApplyHtmlWindowSettings(html);
    EXPECT_TRUE(html.Gutter().ShowLineNumbers);
    EXPECT_EQ(html.Gutter().Size, 80);
    EXPECT_TRUE(html.Gutter().Is3D);
    EXPECT_EQ(html.Gutter().NumColor, clWindowText);
    EXPECT_EQ(html.PrintOptions().Margins, (TCMPrintMargins{100, 100, 100, 100}));
    EXPECT_EQ(html.PrintOptions().HeaderAlignment, taCenter);
    EXPECT_EQ(html.Options(), TColorMemoOptions(cmoAllowCutCopy) | cmoDragText);
    EXPECT_EQ(html.TabStopWidth(), 32);
    EXPECT_EQ(html.lineWrapMode(), QPlainTextEdit::NoWrap);
    EXPECT_EQ(html.ColorRules().Count(), 15);

    TColorMemo css;
    ApplyCssWindowSettings(css);
    EXPECT_EQ(css.Gutter().Size, 40);
    EXPECT_EQ(css.ColorRules().Count(), 4);
    EXPECT_EQ(css.ColorRules()[3].Name(), QStringLiteral("CSS"));

    // A new control: the defaults of the option types.
    TColorMemo fresh;
    EXPECT_EQ(fresh.Gutter(), TCMGutterOptions());
    EXPECT_EQ(fresh.Gutter().Color, clBtnFace);
    EXPECT_EQ(fresh.Options(), TColorMemoOptions(cmoAllowCutCopy) | cmoDragText);
    EXPECT_TRUE(fresh.font().styleStrategy() & QFont::PreferNoShaping);
}

TEST_F(ColorMemoTest, DroppedFilesAreReportedOnlyWithAcceptFiles)
{
    SetText(QStringLiteral("abc"));
    QStringList dropped;
    Memo.OnDropFile = [&](TColorMemo &, const QString &file) { dropped << file; };
    // Longer than the 260 characters a path once had: handed on whole.
    const QString longName = QStringLiteral("/tmp/") + QString(300, u'x') + QStringLiteral(".html");
    QMimeData files;
    files.setUrls(
        {QUrl::fromLocalFile(QStringLiteral("/tmp/a.html")), QUrl::fromLocalFile(longName)});
    // The drop reaches only a control that took the drag when it entered.
    const auto drop = [&] {
        const QPoint pos(10, 10);
        QDragEnterEvent enter(pos, Qt::CopyAction, &files, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(Memo.viewport(), &enter);
        QDropEvent event(pos, Qt::CopyAction, &files, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(Memo.viewport(), &event);
        return enter.isAccepted() && event.isAccepted();
    };

    EXPECT_FALSE(drop());
    EXPECT_TRUE(dropped.isEmpty());

    Memo.SetOptions(Memo.Options() | cmoAcceptFiles);
    EXPECT_TRUE(drop());
    EXPECT_EQ(dropped, QStringList({QStringLiteral("/tmp/a.html"), longName}));
    EXPECT_EQ(Edit.Text(), QStringLiteral("abc"));
}

TEST_F(ColorMemoTest, KeywordCharAndDrawKeyHandlersTakePart)
{
    SetText(QStringLiteral("XBODY"));
    const auto bodyRun = [&] {
        for (const TKeyDescr &run : Memo.LastRuns()) {
            if (run.Start == 1 && run.End == 4 && run.Color == clBlue)
                return true;
        }
        return false;
    };
    EXPECT_FALSE(bodyRun()); // "X" joins the word

    Memo.OnIsKeywordChar = [](TColorMemo &, QChar c, bool &isKeywordChar) {
        if (c == u'X')
            isKeywordChar = false;
    };
    QStringList keys;
    Memo.OnDrawKey = [&](QPainter &, const QString &key, const QRectF &rect, const QColor &color) {
        if (rect.width() > 0 && color == QColor(Qt::blue))
            keys << key;
    };
    Settle();
    EXPECT_TRUE(bodyRun());
    EXPECT_TRUE(keys.contains(QStringLiteral("BODY")));
}
