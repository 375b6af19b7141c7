#include "AppSettings.h"
#include "ColorMemo.h"
#include "DocumentText.h"
#include "DocumentWindowFixture.h"
#include "MDITagra2.h"
#include "MDI_CSS2.h"
#include "RecordingHost.h"
#include "ScriptedPrompter.h"

#include <QAction>
#include <QApplication>
#include <QFile>
#include <QPlainTextEdit>
#include <QScrollBar>
#include <QTemporaryDir>
#include <QTest>

#include <gtest/gtest.h>

namespace {

class DocumentWindowTest : public TDocumentWindowFixture
{};

} // namespace

TEST_F(DocumentWindowTest, HtmlSaveMakesBackupAndEncodesUmlautsOutsideScripts)
{
    const QString page = Write("page.html", "alt\r\n");
    TFMDITagra2 window;
    ASSERT_TRUE(window.OpenDocument(page, false, false, false));
    window.ActiveEditor().SetText(QString::fromUtf8("<p>Grüße</p>\r\n<?php echo 'ä'; ?>\r\nÄ"));
    window.ActiveEditor().SetModified(true);
    EXPECT_TRUE(window.SaveDocument().IsSaved());
    EXPECT_EQ(Read("page.html"), "<p>Gr&#252;&#223;e</p>\r\n<?php echo '\xE4'; ?>\r\n&#196;\r\n");
    EXPECT_EQ(Read("page.~html"), "alt\r\n");
    EXPECT_FALSE(window.IsModified());
}

TEST_F(DocumentWindowTest, HtmlSaveAddsNoLineBreakToATextThatEndsWithOne)
{
    const QString page = Write("page.html", "<p>x</p>\r\n");
    TFMDITagra2 window;
    window.OpenDocument(page, false, false, false);
    EXPECT_TRUE(window.SaveDocument().IsSaved());
    EXPECT_TRUE(window.SaveDocument().IsSaved());
    EXPECT_EQ(Read("page.html"), "<p>x</p>\r\n");
}

TEST_F(DocumentWindowTest, HtmlLoadTurnsTabsIntoBlanksOutsideScripts)
{
    const QString page = Write("tabs.html", "<p>\ta</p>\r\n<?php\tx ?>\r\n");
    Settings().CaptionMitVollemNamen = false;
    TFMDITagra2 window;
    window.OpenDocument(page, false, false, false);
    EXPECT_EQ(window.ActiveEditor().Text(), "<p> a</p>\r\n<?php\tx ?>\r\n");
    EXPECT_TRUE(window.IsColourView());
    EXPECT_EQ(window.windowTitle(), "tabs.html");
    EXPECT_FALSE(window.IsModified());
}

TEST_F(DocumentWindowTest, CharacterOutsideAnsiIsKeptAsReferenceOrUtf8)
{
    const QString page = Write("euro.html", "x");
    TFMDITagra2 html;
    html.OpenDocument(page, false, false, false);
    html.ActiveEditor().SetText(QString::fromUtf8("€ \u4E2D"));
    EXPECT_TRUE(html.SaveDocument().IsSaved());
    EXPECT_EQ(Read("euro.html"), "\x80 &#20013;\r\n");

    const QString sheet = Write("s.css", "a {}\r\n");
    TFMDI_CSS2 css;
    css.OpenDocument(sheet, false);
    css.ActiveEditor().SetText(QString::fromUtf8("/* \u4E2D */"));
    EXPECT_TRUE(css.SaveDocument().IsSaved());
    EXPECT_EQ(Read("s.css"), "/* \xE4\xB8\xAD */\r\n");
    EXPECT_EQ(Host.Status[TStatusPanel::Note], "als UTF-8 gespeichert");
}

TEST_F(DocumentWindowTest, Utf8FileStaysUtf8)
{
    const QString page = Write("u.html", "<p>\xE2\x80\x93</p>\n");
    TFMDITagra2 window;
    window.OpenDocument(page, false, false, false);
    EXPECT_EQ(window.ActiveEditor().Text(), QString::fromUtf8("<p>–</p>\r\n"));
    EXPECT_TRUE(window.SaveDocument().IsSaved());
    EXPECT_EQ(Read("u.html"), "<p>\xE2\x80\x93</p>\n");
}

TEST_F(DocumentWindowTest, SaveAsAnsweredNoLeavesDocumentUnsaved)
{
    Write("exists.html", "other");
    TFMDITagra2 window;
    window.OpenDocument(QString(), true, false, false);
    Type(window, "neu");
    Prompter.AnswerSave(Path("exists.html"));
    Prompter.YesNoAnswers.push_back(false);
    EXPECT_EQ(window.SaveDocumentAs().Status(), TSaveStatus::Cancelled);
    EXPECT_EQ(Prompter.Texts("YesNo"),
              QStringList("Die Datei exists.htmlexistiert bereits.\r\nMöchten Sie sie ersetzen?"));
    EXPECT_EQ(Read("exists.html"), "other");
    EXPECT_EQ(window.FileName(), "noname");
    EXPECT_TRUE(window.IsModified());
    EXPECT_EQ(Prompter.FileDialogs.back().DefaultExt, "xhtml");
}

TEST_F(DocumentWindowTest, SaveAsWithoutExtensionAddsHtmlAndPhpProposesPhp)
{
    TFMDITagra2 plain;
    plain.OpenDocument(QString(), false, false, false);
    Prompter.AnswerSave(Path("seite"));
    EXPECT_TRUE(plain.SaveDocumentAs().IsSaved());
    EXPECT_EQ(plain.FileName(), Path("seite.html"));
    EXPECT_EQ(plain.DocFileName(), Path("seite.html"));
    EXPECT_EQ(plain.windowTitle(), "seite.html");
    EXPECT_EQ(Read("seite.html"), "") << "an empty page is an empty file";

    TFMDITagra2 php;
    php.OpenDocument(QString(), false, false, true);
    EXPECT_EQ(php.SaveDocumentAs().Status(), TSaveStatus::Cancelled);
    EXPECT_EQ(Prompter.FileDialogs.back().DefaultExt, "php");
    EXPECT_TRUE(Prompter.FileDialogs.back().Filter.startsWith("PHP-Dateien (*.php)|*.php|"));
}

TEST_F(DocumentWindowTest, NewPageWithStylesheetLinksAndOpensItsCompanion)
{
    TFMDITagra2 window;
    window.OpenDocument(QString(), true, true, false);
    Prompter.AnswerSave(Path("seite.xhtml"));
    QTest::qWait(120); // the start-up step asks for the name
    const QByteArray page = Read("seite.xhtml");
    EXPECT_TRUE(page.contains("        href=\"seite.css\" title=\"style1\"/>\r\n")) << page.data();
    EXPECT_TRUE(page.startsWith("<?xml version=\"1.0\" encoding=\"UTF-8\" ?>\r\n"));
    EXPECT_TRUE(page.contains("      &#220;berschrift\r\n"));
    EXPECT_EQ(Host.Companions, QStringList(Path("seite.xhtml") + "|" + Path("seite.css")));
    EXPECT_FALSE(window.NewWithStylesheet);
}

TEST_F(DocumentWindowTest, ReadOnlyFileIsSentToSaveAs)
{
    const QString page = Write("ro.html", "x\r\n");
    QFile::setPermissions(page, QFile::ReadOwner);
    TFMDITagra2 window;
    window.OpenDocument(page, false, false, false);
    Type(window, "y");
    EXPECT_EQ(window.SaveDocument().Status(), TSaveStatus::Cancelled);
    EXPECT_EQ(Prompter.Count("Save"), 1);
    EXPECT_EQ(Read("ro.html"), "x\r\n");
    QFile::setPermissions(page, QFile::ReadOwner | QFile::WriteOwner);
}

TEST_F(DocumentWindowTest, CloseQueryAsksAndAlwaysReportsTheClosing)
{
    TFMDITagra2 window;
    window.OpenDocument(QString(), false, false, false);
    Type(window, "x");
    Prompter.YesNoCancelAnswers = {TYesNoCancel::Cancel, TYesNoCancel::Yes};
    EXPECT_FALSE(window.CloseQuery());
    EXPECT_EQ(Host.ClosedNotes, 1) << "a refused close is reported too";
    EXPECT_EQ(Prompter.Texts("YesNoCancel").first(), "Möchten Sie die Änderungen speichern?");
    EXPECT_FALSE(window.CloseQuery()) << "Yes with a cancelled save dialog keeps the window";
    EXPECT_EQ(Prompter.Count("Save"), 1);
    EXPECT_TRUE(window.IsModified());
    EXPECT_EQ(Host.ClosedNotes, 2);
}

TEST_F(DocumentWindowTest, CloseQueryNamesTheFile)
{
    const QString page = Write("a.html", "a");
    TFMDITagra2 window;
    window.OpenDocument(page, false, false, false);
    Type(window, "b");
    Prompter.YesNoCancelAnswers = {TYesNoCancel::Yes};
    EXPECT_TRUE(window.CloseQuery());
    EXPECT_EQ(Prompter.Texts("YesNoCancel").first(), "Änderungen nach '" + page + "' speichern?");
    EXPECT_EQ(Read("a.html"), "ab\r\n");
}

TEST_F(DocumentWindowTest, UnreadableFileOpensNoDocument)
{
    TFMDI_CSS2 window;
    QDir(Dir.path()).mkdir("folder.css");
    EXPECT_FALSE(window.OpenDocument(Path("folder.css"), false));
    EXPECT_EQ(Prompter.Count("Error"), 1);
}

TEST_F(DocumentWindowTest, CssTabsOpenInPlainViewAndConvertBackAndForth)
{
    const QString sheet = Write("t.css", "a {\r\n\tcolor: red;\r\n}\r\n");
    TFMDI_CSS2 window;
    window.OpenDocument(sheet, false);
    EXPECT_FALSE(window.IsColourView());
    EXPECT_EQ(window.ActiveEditor().Text(), "a {\r\n\tcolor: red;\r\n}\r\n");
    for (int round = 0; round < 3; ++round) {
        window.SetColourView(true);
        EXPECT_EQ(window.ActiveEditor().Text(), "a {\r\n   color: red;\r\n}\r\n");
        window.SetColourView(true); // already shown: nothing changes
        EXPECT_EQ(window.ActiveEditor().Text(), "a {\r\n   color: red;\r\n}\r\n");
        window.SetColourView(false);
        EXPECT_EQ(window.ActiveEditor().Text(), "a {\r\n\tcolor: red;\r\n}\r\n");
    }
    EXPECT_FALSE(window.IsModified());
}

TEST_F(DocumentWindowTest, CssSaveKeepsLinesAndAddsNoEmptyLine)
{
    const QString sheet = Write("b.css", "a {}\r\nb {}");
    TFMDI_CSS2 window;
    window.OpenDocument(sheet, false);
    EXPECT_TRUE(window.SaveDocument().IsSaved());
    EXPECT_EQ(Read("b.css"), "a {}\r\nb {}\r\n");
    EXPECT_TRUE(window.SaveDocument().IsSaved());
    EXPECT_EQ(Read("b.css"), "a {}\r\nb {}\r\n");
    EXPECT_EQ(Read("b.~css"), "a {}\r\nb {}\r\n");
}

TEST_F(DocumentWindowTest, CssCompanionIsWrittenAtOnceAndSaveAsAsksBeforeReplacing)
{
    TFMDI_CSS2 window;
    window.OpenDocument(Path("neu.css"), true);
    EXPECT_EQ(Read("neu.css"),
              "body {\r\n  font-size: 1.2em;\r\n  color: rgb(100,100,100);\r\n"
              "  font-family: Arial, Helvetica, Verdana, sans-serif;\r\n  font-weight: 400;\r\n"
              "}\r\n");
    Write("other", "old");
    Prompter.AnswerSave(Path("other"));
    Prompter.YesNoAnswers.push_back(true);
    EXPECT_TRUE(window.SaveDocumentAs().IsSaved());
    EXPECT_EQ(Prompter.Texts("YesNo"),
              QStringList("Die Datei otherexistiert bereits.\r\nMöchten Sie sie ersetzen?"));
    EXPECT_EQ(window.FileName(), Path("other"));
    EXPECT_TRUE(Read("other").startsWith("body {"));
}

TEST_F(DocumentWindowTest, FailedWriteKeepsTheDocumentModified)
{
    const QString sheet = Write("c.css", "a");
    TFMDI_CSS2 window;
    window.OpenDocument(sheet, false);
    Type(window, "b");
    QFile::remove(sheet);
    QDir(Dir.path()).mkdir("c.css"); // a folder now stands where the file was
    EXPECT_TRUE(window.SaveDocument().IsFailed());
    EXPECT_EQ(Prompter.Count("Error"), 1);
    EXPECT_TRUE(window.IsModified());
}

TEST_F(DocumentWindowTest, StatusLineShowsTheCaretLine)
{
    const QString sheet = Write("d.css", "a\r\nb\r\nc");
    TFMDI_CSS2 window;
    window.OpenDocument(sheet, false);
    window.ActiveEditor().SetSelStart(4);
    QTest::keyRelease(window.MemoColor(), Qt::Key_Right);
    EXPECT_EQ(Host.Status[TStatusPanel::Line], "Zeile: 2");
}

TEST_F(DocumentWindowTest, TabKeyTypesABlankInTheColourViewOnly)
{
    TFMDITagra2 window;
    window.OpenDocument(QString(), false, false, false);
    QTest::keyClick(window.MemoColor(), Qt::Key_Tab);
    EXPECT_EQ(window.ActiveEditor().Text(), " ");
    window.SetColourView(false);
    window.ActiveEditor().SetSelStart(1);
    QTest::keyClick(window.MemoSW(), Qt::Key_Tab);
    EXPECT_EQ(window.ActiveEditor().Text(), " \t");
}

TEST_F(DocumentWindowTest, MenusCarryTheirNamesAndMergeGroups)
{
    TFMDITagra2 window;
    QList<int> groups;
    for (const TMergedMenu &menu : window.MergedMenus())
        groups << menu.GroupIndex;
    EXPECT_EQ(groups.first(), 1);
    EXPECT_EQ(groups.last(), 9);
    EXPECT_EQ(window.findChild<QAction *>("MnSpeichern")->shortcut(), QKeySequence("Ctrl+S"));
    EXPECT_EQ(window.findChild<QAction *>("MnBrowser")->shortcut(), QKeySequence("Ctrl+F2"));
    EXPECT_EQ(window.findChild<QAction *>("MnSetJump2")->text(), "Setze Sprungmarke2\tSTRG+SHIFT+2");
    EXPECT_EQ(window.findChild<QAction *>("GehezurSprungmarke3")->text(),
              "Gehe zur Sprungmarke3\tSTRG+3");
    QAction *wrap = window.findChild<QAction *>("MnZeilenUmbruch");
    EXPECT_FALSE(wrap->isChecked());
    wrap->trigger();
    EXPECT_TRUE(window.ActiveEditor().WordWrap());
}

TEST_F(DocumentWindowTest, UpdateReloadsWithoutAskingAndUndoBringsTheTypedTextBack)
{
    const QString page = Write("u.html", "<p>\ta</p>\r\n<?php\tx ?>\r\n");
    TFMDITagra2 window;
    window.OpenDocument(page, false, false, false);
    Type(window, "getippt");
    window.findChild<QAction *>("MnUpdate")->trigger();
    EXPECT_EQ(window.ActiveEditor().Text(), "<p>   a</p>\r\n<?php\tx ?>\r\n");
    EXPECT_FALSE(window.IsModified());
    EXPECT_EQ(Prompter.Prompts.size(), 0u);
    window.UndoCommand();
    EXPECT_TRUE(window.ActiveEditor().Text().endsWith("getippt"));

    TFMDI_CSS2 unnamed;
    unnamed.OpenDocument(QString(), false);
    Type(unnamed, "bleibt");
    unnamed.ReloadCommand();
    EXPECT_EQ(Prompter.Count("Error"), 1);
    EXPECT_EQ(unnamed.ActiveEditor().Text(), "bleibt");
}

TEST_F(DocumentWindowTest, HtmlViewSwitchKeepsEveryCharacterButTabs)
{
    const QString text = QString::fromUtf8("<p>a\u00A0b</p>\r\n<p>\tc</p>\r\n");
    TFMDITagra2 window;
    window.OpenDocument(QString(), false, false, false);
    window.SetColourView(false);
    window.ActiveEditor().SetText(text);
    window.SetColourView(true);
    EXPECT_EQ(window.ActiveEditor().Text(), QString::fromUtf8("<p>a\u00A0b</p>\r\n<p> c</p>\r\n"));
    window.SetColourView(false);
    EXPECT_EQ(window.ActiveEditor().Text(), QString::fromUtf8("<p>a\u00A0b</p>\r\n<p> c</p>\r\n"));
}

TEST_F(DocumentWindowTest, ParagraphSeparatorsAreAnnouncedOnLoading)
{
    const QString page = Write("sep.html",
                               "a\xE2\x80\xA9"
                               "b\r\n");
    TFMDITagra2 window;
    ASSERT_TRUE(window.OpenDocument(page, false, false, false));
    // Told once the window shows the text.
    EXPECT_EQ(Prompter.Count("Note"), 0);
    ASSERT_TRUE(QTest::qWaitFor([&] { return Prompter.Count("Note") == 1; }, 2000));
    EXPECT_TRUE(Prompter.Texts("Note")[0].contains("1 Absatztrennzeichen"));

    // The undo ring's copy is the editor's text, so undo brings back exactly what was loaded.
    EXPECT_EQ(window.ActiveEditor().Text(), "a\r\nb\r\n");
    EXPECT_EQ(window.UndoRing.LastSnapshotText(), window.ActiveEditor().Text());
    window.ActiveEditor().SetSelStart(window.ActiveEditor().TextLength());
    QTest::keyClicks(window.MemoColor(), "xy");
    window.UndoCommand();
    window.UndoCommand();
    EXPECT_EQ(window.ActiveEditor().Text(), "a\r\nb\r\n");
}
