#include "AppSettings.h"
#include "ColorMemo.h"
#include "FindDialog.h"
#include "MDITagra2.h"
#include "MDI_CSS2.h"
#include "RecordingHost.h"
#include "ScriptedPrompter.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QTemporaryDir>
#include <QTest>

#include <gtest/gtest.h>

namespace {

class DocumentEditingTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        Settings() = TSettings();
        Settings().EditorPfad = Dir.path() + "/";
    }

    QString Write(const QString &name, const QByteArray &bytes)
    {
        QFile file(Dir.filePath(name));
        EXPECT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(bytes);
        return file.fileName();
    }

    static void Trigger(QWidget &window, const char *name)
    {
        QAction *action = window.findChild<QAction *>(name);
        ASSERT_TRUE(action) << name;
        action->trigger();
    }

    QTemporaryDir Dir;
    TScriptedPrompter Prompter;
    TPrompterScope Scope{Prompter};
    TRecordingHost Host;
};

} // namespace

TEST_F(DocumentEditingTest, EveryKeyPressTakesASnapshotBeforeTheKeyActs)
{
    TFMDITagra2 window;
    window.OpenDocument(Write("x.html", "x"), false, false, false);
    window.ActiveEditor().SetSelStart(1);
    QTest::keyClicks(window.MemoColor(), "abc");
    EXPECT_EQ(window.ActiveEditor().Text(), "xabc");
    EXPECT_EQ(window.UndoRing.UndoIndex(), 3);
    EXPECT_EQ(window.UndoRing.Snapshot(1), "x");
    EXPECT_EQ(window.UndoRing.Snapshot(3), "xab");

    Trigger(window, "MnRueckgaengig");
    EXPECT_EQ(window.ActiveEditor().Text(), "xab");
    Trigger(window, "MnRueckgaengig");
    EXPECT_EQ(window.ActiveEditor().Text(), "xa");
    window.HandleDocCommand(TDocCommand::DocUndo);
    EXPECT_EQ(window.ActiveEditor().Text(), "x");
    window.ActiveEditor().SetModified(false);
    window.HandleDocCommand(TDocCommand::DocUndo);
    EXPECT_EQ(window.ActiveEditor().Text(), "x");
    EXPECT_TRUE(window.IsModified()) << "undo marks the document modified in every case";
    Trigger(window, "MnWiderrufen");
    EXPECT_EQ(window.ActiveEditor().Text(), "xa");
}

TEST_F(DocumentEditingTest, TimerTakesSnapshotsWhenKeysDoNot)
{
    Settings().UndoMitKeyUp = false;
    Settings().UndoTimerIntervall = 7;
    TFMDI_CSS2 window;
    window.OpenDocument(QString(), false);
    EXPECT_EQ(window.findChild<QTimer *>("TimerUndo")->interval(), 7000);
    EXPECT_TRUE(window.findChild<QTimer *>("TimerUndo")->isActive());
    QTest::keyClicks(window.MemoColor(), "ab");
    EXPECT_EQ(window.UndoRing.UndoIndex(), 0) << "no snapshot per key";
    Settings().UndoMitKeyUp = true;
    window.ApplyUndoTimer();
    EXPECT_FALSE(window.findChild<QTimer *>("TimerUndo")->isActive());
}

TEST_F(DocumentEditingTest, CssUndoShowsItsPositionInTheCaption)
{
    TFMDI_CSS2 window;
    window.OpenDocument(Write("a.css", "a"), false);
    window.ActiveEditor().SetSelStart(1);
    QTest::keyClicks(window.MemoColor(), "bc");
    const QString caption = window.windowTitle();
    Trigger(window, "MnRueckgaengig");
    EXPECT_EQ(window.ActiveEditor().Text(), "ab");
    EXPECT_EQ(window.windowTitle(), "  Rückg UndoIndex: 1  UndoMax: 3");
    Trigger(window, "MnRueckgaengig");
    Trigger(window, "MnRueckgaengig");
    EXPECT_EQ(window.ActiveEditor().Text(), "a");
    const QString atBottom = window.windowTitle();
    Trigger(window, "MnRueckgaengig");
    EXPECT_EQ(window.windowTitle(), atBottom) << "nothing left to undo: caption stays";
    EXPECT_NE(caption, atBottom);
}

TEST_F(DocumentEditingTest, CtrlDigitKeysSetAndVisitJumpMarksInTheHtmlWindow)
{
    TFMDITagra2 window;
    window.OpenDocument(Write("m.html", "l1\r\nl2\r\nl3\r\nl4\r\nl5\r\n"), false, false, false);
    window.ActiveEditor().SetSelStart(8); // line 3
    QTest::keyClick(window.MemoColor(), Qt::Key_2, Qt::ControlModifier | Qt::ShiftModifier);
    EXPECT_EQ(window.JumpMarks.Line(2), 3);
    window.ActiveEditor().SetSelStart(0);
    QTest::keyClick(window.MemoColor(), Qt::Key_2, Qt::ControlModifier);
    EXPECT_EQ(window.ActiveEditor().SelStart(), 8);
    EXPECT_EQ(window.ActiveEditor().SelLength(), 1);
    Trigger(window, "GehezurSprungmarke1"); // unset: the start of the text
    EXPECT_EQ(window.ActiveEditor().SelStart(), 0);
    QTest::keyClick(window.MemoColor(), Qt::Key_2, Qt::AltModifier | Qt::ShiftModifier);
    EXPECT_EQ(window.JumpMarks.Line(2), 3) << "other modifiers leave the marks alone";
    QTest::keyClick(window.MemoColor(), Qt::Key_2, Qt::ControlModifier | Qt::AltModifier);
    EXPECT_NE(window.ActiveEditor().SelStart(), 8);
}

TEST_F(DocumentEditingTest, CssWindowBindsNoJumpMarkKeys)
{
    TFMDI_CSS2 window;
    window.OpenDocument(Write("m.css", "a\r\nb\r\nc\r\nd\r\n"), false);
    window.ActiveEditor().SetSelStart(3);
    QTest::keyClick(window.MemoColor(), Qt::Key_2, Qt::ControlModifier | Qt::ShiftModifier);
    EXPECT_EQ(window.JumpMarks.Line(2), -1);
    Trigger(window, "MnSetJump2");
    window.ActiveEditor().SetSelStart(0);
    Trigger(window, "GehezurSprungmarke2");
    EXPECT_EQ(window.ActiveEditor().SelStart(), 3);
}

TEST_F(DocumentEditingTest, GoToLineAsksAndMoves)
{
    TFMDI_CSS2 window;
    window.OpenDocument(Write("g.css", "a\r\nb\r\nc\r\nd"), false);
    Prompter.TextAnswers = {QString("3"), QString("x")};
    Trigger(window, "MnGehezu");
    EXPECT_EQ(window.ActiveEditor().SelStart(), 6);
    EXPECT_EQ(Prompter.Prompts.back().Caption, "Gehe Zu");
    EXPECT_EQ(Prompter.Prompts.back().Text, "gewünschte Zeile");
    Trigger(window, "MnGehezu");
    EXPECT_EQ(window.ActiveEditor().SelStart(), 6) << "not a number: nothing happens";
}

TEST_F(DocumentEditingTest, SearchThroughTheDialogAndFindNext)
{
    TFMDITagra2 window;
    window.OpenDocument(Write("s.html", "color:red; color:blue"), false, false, false);
    Settings().SucheAmAktuellenCursor = true;
    Trigger(window, "MnSuchen");
    ASSERT_TRUE(window.FindDialog());
    EXPECT_TRUE(window.FindDialog()->isVisible());
    EXPECT_EQ(window.FindDialog()->State().SearchText, "color:red;");
    TFindState state;
    state.SearchText = "color";
    window.FindDialog()->SetState(state);
    Q_EMIT window.FindDialog()->FindRequested();
    EXPECT_FALSE(window.FindDialog()->isVisible());
    EXPECT_EQ(window.ActiveEditor().SelStart(), 11) << "the match at the caret is skipped";
    Trigger(window, "MnWeitersuchen");
    EXPECT_EQ(Prompter.Texts("Note"),
              QStringList("Der Suchstring\r\nCOLOR\r\nkonnte nicht gefunden werden"));
}

TEST_F(DocumentEditingTest, FindDialogTakesTheFocusAndItsLabelNamesTheField)
{
    TFMDITagra2 window;
    window.OpenDocument(Write("f.html", "abc"), false, false, false);
    window.show();
    QApplication::setActiveWindow(&window);
    window.ActiveEditorWidget()->setFocus();
    Trigger(window, "MnSuchen");
    TFindDialog *dialog = window.FindDialog();
    ASSERT_TRUE(dialog);
    auto *field = dialog->findChild<QLineEdit *>("EFindText");
    EXPECT_TRUE(QTest::qWaitFor([&] { return QApplication::focusWidget() == field; }, 1000));
    auto *label = dialog->findChild<QLabel *>("LFindText");
    ASSERT_TRUE(label);
    EXPECT_EQ(label->buddy(), field) << "the & underlines the n instead of showing itself";
    dialog->hide();
}

TEST_F(DocumentEditingTest, LineAndBlockCommandsComeFromTheMenu)
{
    TFMDI_CSS2 window;
    window.OpenDocument(Write("l.css", "a\r\nb\r\nc\r\n"), false);
    window.ActiveEditor().SetSelStart(3);
    Trigger(window, "MnAktuelleZeileloeschen");
    EXPECT_EQ(window.ActiveEditor().Text(), "a\r\nc\r\n");
    window.ActiveEditor().SelectAll();
    Trigger(window, "MnBlocknachrechts");
    EXPECT_EQ(window.ActiveEditor().Text(), " a\r\n c\r\n ");
    EXPECT_TRUE(window.IsModified());
    Trigger(window, "MnRueckgaengig");
    EXPECT_EQ(window.ActiveEditor().Text(), "a\r\nc\r\n") << "a menu command is undoable";
}

TEST_F(DocumentEditingTest, BlockIsSavedAsFileAndClipboardKeepsIt)
{
    TFMDITagra2 window;
    window.OpenDocument(Write("b.html", "<p>Block</p>"), false, false, false);
    window.ActiveEditor().SetSelStart(3);
    window.ActiveEditor().SetSelLength(5);
    Prompter.AnswerSave(Dir.filePath("block.txt"));
    Trigger(window, "MnBlockalsDateiSichern");
    QFile block(Dir.filePath("block.txt"));
    ASSERT_TRUE(block.open(QIODevice::ReadOnly));
    EXPECT_EQ(block.readAll(), "Block");
    EXPECT_EQ(QApplication::clipboard()->text(), "Block");
    EXPECT_EQ(Prompter.FileDialogs.back().Title, "Block speichern unter");
    EXPECT_FALSE(window.IsModified());
}

TEST_F(DocumentEditingTest, TagsToLowerCaseOnlyInTheHtmlWindow)
{
    TFMDITagra2 html;
    html.OpenDocument(Write("t.html", "<BR><Td><TD class=x>"), false, false, false);
    Trigger(html, "MnTagsInKleinbuchstaben");
    EXPECT_EQ(html.ActiveEditor().Text(), "<br /><td><TD class=x>");
    TFMDI_CSS2 css;
    EXPECT_FALSE(css.findChild<QAction *>("MnTagsInKleinbuchstaben"));
    EXPECT_TRUE(css.findChild<QAction *>("MnRedo"));
}
