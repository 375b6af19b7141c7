#include "DocumentWindowFixture.h"
#include "MDITagra2.h"

#include <QAction>
#include <QApplication>
#include <QMenu>
#include <QPlainTextEdit>
#include <QScrollBar>
#include <QTest>

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
    EXPECT_TRUE(Window.ActiveEditorWidget()->isReadOnly());
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

TEST_F(DocumentLoadTest, ATypedKeyWaitsForTheWholeTextAndUndoBringsTheLoadedTextBack)
{
    Open();
    ASSERT_TRUE(Window.IsLoading());
    // A key that moves the caret works on what is in; a typed one waits for the rest.
    QTest::keyClick(Window.ActiveEditorWidget(), Qt::Key_Down);
    EXPECT_TRUE(Window.IsLoading());
    QTest::keyClick(Window.ActiveEditorWidget(), Qt::Key_X);
    EXPECT_FALSE(Window.IsLoading());
    const QString typed = Window.ActiveEditor().Text();
    EXPECT_EQ(typed.size(), Expected.size() + 1);
    EXPECT_TRUE(typed.endsWith(Expected.right(1000)));
    EXPECT_TRUE(typed.contains("</p>\r\nx<p>Zeile 1 "));
    EXPECT_TRUE(Window.IsModified());
    Window.UndoCommand();
    EXPECT_TRUE(Window.ActiveEditor().Text() == Expected);
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
    EXPECT_TRUE(QTest::qWaitFor([&] { return !Window.IsLoading(); }, 30000));
    EXPECT_EQ(Prompter.Count("Note"), 1);
}
