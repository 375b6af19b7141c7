#include "DocumentWindowFixture.h"
#include "MDITagra2.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QContextMenuEvent>
#include <QGuiApplication>
#include <QMenu>
#include <QPlainTextEdit>
#include <QScrollBar>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

namespace {

// A page of about 5 MB that loads in slices, and the text the HTML window makes of it.
class DocumentLoadTest : public TDocumentWindowFixture
{
protected:
    DocumentLoadTest()
    {
        for (int i = 0; Bytes.size() < 5 * 1024 * 1024; ++i)
            Bytes += "<p>Zeile " + QByteArray::number(i) + "\t\xE4</p>\r\n";
        Expected = QString::fromLatin1(Bytes);
        Expected.replace('\t', ' ');
    }

    void Open()
    {
        Window.resize(600, 400);
        Window.show();
        ASSERT_TRUE(Window.OpenDocument(Write("big.html", Bytes), false, false, false));
    }

    bool MenusEnabled() const
    {
        const QList<TMergedMenu> menus = Window.MergedMenus();
        return std::all_of(menus.begin(), menus.end(), [](const TMergedMenu &menu) {
            return menu.Menu->isEnabled();
        });
    }

    QByteArray Bytes;
    QString Expected;
    TFMDITagra2 Window;
};

} // namespace

TEST_F(DocumentLoadTest, TheFirstScreenIsThereAtOnceAndTheRestFollowsWithItsProgress)
{
    Open();
    // What is in is the start of the text; the menus wait for the rest, the status bar says so.
    ASSERT_TRUE(Window.IsLoading());
    const QString shown = Window.ActiveEditor().Text();
    EXPECT_GT(shown.size(), 10000);
    EXPECT_LT(shown.size(), Expected.size() / 2);
    EXPECT_TRUE(Expected.startsWith(shown));
    EXPECT_FALSE(MenusEnabled());
    EXPECT_FALSE(Window.ActiveEditorWidget()->isReadOnly()) << "what is in takes typing";
    EXPECT_TRUE(Host.Status[TStatusPanel::Note].startsWith("Datei wird geladen ... "));

    EXPECT_TRUE(QTest::qWaitFor([&] { return !Window.IsLoading(); }, 30000));
    EXPECT_TRUE(Window.ActiveEditor().Text() == Expected);
    EXPECT_FALSE(Window.IsModified());
    EXPECT_TRUE(MenusEnabled());
    EXPECT_FALSE(Window.ActiveEditorWidget()->isReadOnly());
    EXPECT_FALSE(Host.Status[TStatusPanel::Note].startsWith("Datei wird geladen"));
    EXPECT_TRUE(Window.UndoRing.LastSnapshotText() == Expected);
    // After the start-up step the keys reach the editor, and the view shows the caret's top.
    QPlainTextEdit *editor = Window.ActiveEditorWidget();
    EXPECT_TRUE(QTest::qWaitFor([&] { return QApplication::focusWidget() == editor; }, 2000));
    EXPECT_EQ(Window.ActiveEditor().SelStart(), 0);
    EXPECT_EQ(editor->verticalScrollBar()->value(), 0);
}

TEST_F(DocumentLoadTest, KeysTypedDuringTheLoadActAtOnceAndTheRestFollowsBehindThem)
{
    // The caret at the start, at a line in the middle of what is in, at its end.
    const QString path = Write("big.html", Bytes);
    for (const int place : {0, 1, 2}) {
        SCOPED_TRACE(place);
        TFMDITagra2 window;
        window.resize(600, 400);
        window.show();
        ASSERT_TRUE(window.OpenDocument(path, false, false, false));
        ASSERT_TRUE(window.IsLoading());
        TEditControl &editor = window.ActiveEditor();
        const int at = place == 0   ? 0
                       : place == 1 ? editor.LineIndex(editor.LineCount() / 2)
                                    : editor.TextLength();
        QWidget *widget = window.ActiveEditorWidget();
        QTest::keyClick(widget, Qt::Key_Down);
        editor.SetSelStart(at);
        QTest::keyClicks(widget, "aB");
        QTest::keyClick(widget, Qt::Key_Backspace);
        QTest::keyClick(widget, Qt::Key_Return);
        EXPECT_TRUE(window.IsLoading()) << "no key waited for the rest";
        EXPECT_TRUE(window.IsModified());

        ASSERT_TRUE(QTest::qWaitFor([&] { return !window.IsLoading(); }, 30000));
        QString typed = Expected;
        typed.insert(at, "a\r\n");
        EXPECT_TRUE(editor.Text() == typed);
        EXPECT_TRUE(window.IsModified()) << "the later slices leave the typed change";
        // Undo goes back key by key to the file's text.
        for (int step = 0; step < 10 && window.UndoRing.UndoIndex() > 0; ++step)
            window.UndoCommand();
        EXPECT_TRUE(editor.Text() == Expected);
    }
}

TEST_F(DocumentLoadTest, UndoDuringTheLoadTakesTheRestInFirst)
{
    Open();
    QTest::keyClick(Window.ActiveEditorWidget(), Qt::Key_X);
    ASSERT_TRUE(Window.IsLoading());
    Window.UndoCommand();
    EXPECT_FALSE(Window.IsLoading());
    EXPECT_TRUE(Window.ActiveEditor().Text() == Expected);
    Window.RedoCommand();
    EXPECT_TRUE(Window.ActiveEditor().Text() == "x" + Expected);
}

TEST_F(DocumentLoadTest, ASmallPasteGoesInAtOnceACommandKeyWaitsForTheRest)
{
    Open();
    QGuiApplication::clipboard()->setText("<b>");
    QTest::keyClick(Window.ActiveEditorWidget(), Qt::Key_V, Qt::ControlModifier);
    EXPECT_TRUE(Window.IsLoading());
    EXPECT_TRUE(Window.ActiveEditor().Text().startsWith("<b><p>Zeile 0 "));
    EXPECT_TRUE(Window.IsModified());
    // Ctrl+End goes to the end of the whole text.
    QTest::keyClick(Window.ActiveEditorWidget(), Qt::Key_End, Qt::ControlModifier);
    EXPECT_FALSE(Window.IsLoading());
    EXPECT_EQ(Window.ActiveEditor().SelStart(), Expected.size() + 3);
}

TEST_F(DocumentLoadTest, SwitchingTheViewDuringTheLoadTakesTheWholeText)
{
    Open();
    QTest::keyClick(Window.ActiveEditorWidget(), Qt::Key_X);
    ASSERT_TRUE(Window.IsLoading());
    Window.SetColourView(false);
    EXPECT_FALSE(Window.IsLoading());
    EXPECT_FALSE(Window.IsColourView());
    EXPECT_TRUE(Window.ActiveEditor().Text() == "x" + Expected);
    Window.UndoCommand();
    EXPECT_TRUE(Window.ActiveEditor().Text() == Expected);
}

TEST_F(DocumentLoadTest, TheEditorsContextMenuWaitsForTheWholeText)
{
    Open();
    ASSERT_TRUE(Window.IsLoading());
    QTimer::singleShot(0, [] {
        if (QWidget *menu = QApplication::activePopupWidget())
            menu->close();
    });
    QWidget *viewport = Window.ActiveEditorWidget()->viewport();
    QContextMenuEvent event(QContextMenuEvent::Mouse,
                            QPoint(5, 5),
                            viewport->mapToGlobal(QPoint(5, 5)));
    QCoreApplication::sendEvent(viewport, &event);
    EXPECT_FALSE(Window.IsLoading());
}

TEST_F(DocumentLoadTest, SavingOrClosingDuringTheLoadWritesTheWholeTextWithTheTypedKeys)
{
    QByteArray saved = Bytes;
    saved.replace('\t', ' ');
    saved.replace("\xE4", "&#228;");
    for (const bool close : {false, true}) {
        SCOPED_TRACE(close ? "closed" : "saved");
        TFMDITagra2 window;
        window.show();
        ASSERT_TRUE(window.OpenDocument(Write("big.html", Bytes), false, false, false));
        QTest::keyClick(window.ActiveEditorWidget(), Qt::Key_X);
        ASSERT_TRUE(window.IsLoading());
        if (close) {
            Prompter.YesNoCancelAnswers.push_back(TYesNoCancel::Yes);
            EXPECT_TRUE(window.CloseQuery());
        } else {
            window.HandleDocCommand(TDocCommand::DocSave);
        }
        EXPECT_FALSE(window.IsLoading());
        EXPECT_TRUE(Read("big.html") == "x" + saved);
    }
}

TEST_F(DocumentLoadTest, ARecoveredTextReplacesTheWholeLoadNotItsFirstSlices)
{
    Open();
    ASSERT_TRUE(Window.IsLoading());
    const QString recovered = Expected + "ENDE";
    Window.RestoreRecovered({QString(), {Window.FileName(), "html", recovered}, {}});
    QTest::qWait(100); // slices that were still due must not arrive any more
    EXPECT_FALSE(Window.IsLoading());
    EXPECT_TRUE(Window.ActiveEditor().Text() == recovered);
    EXPECT_TRUE(Window.IsModified());
    Window.UndoCommand();
    EXPECT_TRUE(Window.ActiveEditor().Text() == Expected) << "the file's text is one undo away";
}

TEST_F(DocumentLoadTest, SavingDuringTheLoadWritesTheWholeFile)
{
    Open();
    ASSERT_TRUE(Window.IsLoading());
    Window.HandleDocCommand(TDocCommand::DocSave);
    EXPECT_FALSE(Window.IsLoading());
    QByteArray saved = Bytes;
    saved.replace('\t', ' ');
    saved.replace("\xE4", "&#228;");
    EXPECT_TRUE(Read("big.html") == saved);
}

TEST_F(DocumentLoadTest, TheNoteOnABinaryLookingFileComesAfterTheFirstScreen)
{
    Bytes.prepend(QByteArray(1, '\0'));
    Open();
    // Nothing modal in the way of the first screen; the note follows from the event loop.
    EXPECT_TRUE(Window.isVisible());
    EXPECT_TRUE(Window.IsLoading());
    EXPECT_GT(Window.ActiveEditor().Text().size(), 10000);
    EXPECT_EQ(Prompter.Count("Note"), 0);
    ASSERT_TRUE(QTest::qWaitFor([&] { return Prompter.Count("Note") == 1; }, 5000));
    EXPECT_TRUE(Prompter.Texts("Note")[0].contains("ist offenbar keine Textdatei"));
    // Told right after the first screen, not only when the whole text is in.
    EXPECT_TRUE(Window.IsLoading());
    // Kept byte for byte while unchanged, so a typed key waits for the whole text.
    EXPECT_TRUE(Window.ActiveEditorWidget()->isReadOnly());
    QTest::keyClick(Window.ActiveEditorWidget(), Qt::Key_X);
    EXPECT_FALSE(Window.IsLoading());
    EXPECT_TRUE(Window.ActiveEditor().Text().startsWith("x"));
    EXPECT_EQ(Prompter.Count("Note"), 1);
}
