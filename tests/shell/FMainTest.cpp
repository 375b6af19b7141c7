#include "FMain.h"

#include "AppSettings.h"
#include "CommandLine.h"
#include "FakeDocument.h"
#include "FaultyFileWriter.h"
#include "ProgramPaths.h"
#include "RecentFiles.h"
#include "RecoveryJournal.h"
#include "Registry.h"
#include "ScriptedPrompter.h"

#include <QAction>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenuBar>
#include <QTemporaryDir>
#include <QTest>
#include <QToolButton>

#include <gtest/gtest.h>

#include <cerrno>

namespace {

// A frame that records the files it is asked to open instead of opening them.
class TRecordingFrame : public TFMain
{
public:
    using TFMain::TFMain;
    void OpenFile(const QString &fileName) override { Opened << fileName; }
    QStringList Opened;
};

class FMainTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        qputenv("HTML_EDITOR_REGISTRY", Dir.filePath("registry.json").toLocal8Bit());
        qputenv("HTML_EDITOR_HOME", Dir.filePath("home").toLocal8Bit());
        ResetRegistry();
    }
    void TearDown() override { ResetRegistry(); }

    QString MakeFile(const QString &name)
    {
        QFile file(Dir.filePath(name));
        file.open(QIODevice::WriteOnly);
        return file.fileName();
    }

    TFakeDocument *AddDocument(TFMain &frame, TDocKind kind, bool withRun = false)
    {
        auto *document = new TFakeDocument(kind, withRun);
        frame.MdiArea()->addSubWindow(document)->show();
        frame.MdiArea()->setActiveSubWindow(frame.MdiArea()->subWindowList().last());
        frame.NoteActiveDocument(document, {}, false);
        return document;
    }

    QStringList MenuBarCaptions(TFMain &frame)
    {
        QStringList captions;
        const QList<QAction *> actions = frame.menuBar()->actions();
        for (QAction *action : actions)
            captions << action->text();
        return captions;
    }

    QTemporaryDir Dir;
    TScriptedPrompter Prompter;
    TPrompterScope Scope{Prompter};
};

} // namespace

TEST_F(FMainTest, StartUpHandsExistingCommandLineFilesToOpenFileInOrder)
{
    const QString b = MakeFile("b.html");
    const QString a = MakeFile("a.css");
    TRecordingFrame frame({b, Dir.filePath("missing.html"), a});
    EXPECT_TRUE(frame.Opened.isEmpty()) << "files open from the start-up timer";
    QTest::qWait(250);
    EXPECT_EQ(frame.Opened, QStringList({b, a}));
    EXPECT_EQ(Prompter.Prompts.size(), 0u) << "a missing name is skipped without a message";
}

TEST_F(FMainTest, DamagedSettingsFileIsToldOfAtStartAndTheDefaultsApply)
{
    QFile file(Dir.filePath("registry.json"));
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write("{\"SOFTWARE\\\\KALMORA\\\\HTML\": {\"TabBreite\": 4");
    file.close();
    TRecordingFrame frame{QStringList()};
    QTest::qWait(250);
    ASSERT_EQ(Prompter.Count("Note"), 1);
    EXPECT_TRUE(Prompter.Texts("Note")[0].contains("ist beschädigt und wurde nach"));
    EXPECT_TRUE(QFile::exists(Dir.filePath("registry.json.damaged")));
    EXPECT_EQ(Settings().TabBreite, 2);
}

TEST_F(FMainTest, ARecoveryCopyThatCannotBeWrittenIsToldOfOnceAndShownInTheStatusBar)
{
    TRecoveryJournal journal(Dir.filePath("recovery"));
    TRecoveryJournal *previous = SetRecoveryJournal(&journal);
    TRecordingFrame frame{QStringList()};
    QTest::qWait(250); // the start-up step connects the frame to the journal
    const int slot = journal.NewSlot();
    TFaultyFileWriter writer;
    writer.FailAt(TFileStep::Create, ENOSPC, 1);
    writer.FailAt(TFileStep::Create, ENOSPC, 2);
    {
        TFileWriterScope scope(writer);
        for (int i = 0; i < 2; ++i) {
            journal.Write(slot, {"/tmp/seite.html", "html", "neu"});
            journal.WaitForWrites();
        }
    }
    QTest::qWait(50);
    ASSERT_EQ(Prompter.Count("Error"), 1) << "one box per run, not one per failed copy";
    EXPECT_TRUE(Prompter.Texts("Error")[0].startsWith(
        "Die Wiederherstellungskopie von\r\n/tmp/seite.html\r\nkann nicht geschrieben werden"));
    EXPECT_TRUE(frame.StatusText(TStatusPanel::Note)
                    .startsWith("Die Wiederherstellungskopie von /tmp/seite.html kann nicht"));
    SetRecoveryJournal(previous);
}

TEST_F(FMainTest, MenusCarryCaptionsShortcutsHintsAndHelpContexts)
{
    TRecordingFrame frame{QStringList()};
    EXPECT_EQ(frame.windowTitle(), "HTML-Editor");
    EXPECT_EQ(MenuBarCaptions(frame), QStringList({"&Datei", "&Optionen", "&Fenster", "&Hilfe"}));
    const auto *neu = frame.findChild<QAction *>("MnNeu");
    ASSERT_TRUE(neu);
    EXPECT_EQ(neu->text(), "&Neu...");
    EXPECT_EQ(neu->shortcut(), QKeySequence("Ctrl+N"));
    EXPECT_EQ(neu->statusTip(), "Neue Datei erzeugen");
    EXPECT_EQ(neu->property("HelpContext").toInt(), 101);
    EXPECT_EQ(frame.findChild<QAction *>("MnNaechstesFenster")->text(), "&Nächstes  Fenster");
    EXPECT_EQ(frame.findChild<QAction *>("MnNaechstesFenster")->shortcut(), QKeySequence("F7"));
    EXPECT_EQ(frame.findChild<QAction *>("MnFensterKaskade")->shortcut(), QKeySequence("F2"));
    EXPECT_EQ(frame.findChild<QAction *>("MnDateilisteloeschen")->text(), "&Dateiliste löschen");
    EXPECT_FALSE(frame.findChild<QAction *>("MnStrichAlteDateien")->isVisible());
    for (int i = 1; i <= 9; ++i)
        EXPECT_TRUE(frame.findChild<QAction *>("MnAlteDatei" + QString::number(i))) << i;
}

TEST_F(FMainTest, ToolbarButtonsShowTheirHintsAndStatusPanelsStartBlank)
{
    TRecordingFrame frame{QStringList()};
    const std::pair<const char *, const char *> buttons[] = {
        {"BnDateiOeffnen", "Datei Öffnen (^O)"},
        {"BnSaveAll", "Alle Fenster speichern"},
        {"BnRedo", "Rückgängig des Wiederherstellen"},
        {"BnCut", "Auschneiden (^X)"},
        {"BnRun", "Start des Programms (F9)"},
    };
    for (const auto &[name, hint] : buttons) {
        const auto *button = frame.findChild<QToolButton *>(name);
        ASSERT_TRUE(button) << name;
        EXPECT_EQ(button->toolTip(), QString::fromUtf8(hint)) << name;
    }
    EXPECT_TRUE(frame.findChild<QToolButton *>("BnKXHelp")->toolTip().isEmpty());
    EXPECT_EQ(frame.StatusText(TStatusPanel::Line), " ");
    EXPECT_EQ(frame.StatusText(TStatusPanel::Modified), " ");
    EXPECT_EQ(frame.StatusText(TStatusPanel::Note), "");
    EXPECT_EQ(frame.StatusText(TStatusPanel::Hint), "");
    EXPECT_EQ(frame.findChild<QLabel *>("StatusPanel1")->width(), 100);
    EXPECT_TRUE(frame.findChild<QLineEdit *>("Main_HTML"));
}

TEST_F(FMainTest, HintOfAHoveredItemGoesToPanelThree)
{
    TRecordingFrame frame{QStringList()};
    frame.show();
    auto *action = frame.findChild<QAction *>("MnOeffnen");
    action->showStatusText(&frame);
    EXPECT_EQ(frame.StatusText(TStatusPanel::Hint), "Alte Datei öffnen");
}

TEST_F(FMainTest, RelayedCommandsReachTheLastActiveWindowOnly)
{
    TRecordingFrame frame{QStringList()};
    frame.findChild<QToolButton *>("BnUndo")->click(); // no window: nothing happens
    TFakeDocument *first = AddDocument(frame, TDocKind::Html);
    TFakeDocument *second = AddDocument(frame, TDocKind::Css);
    frame.findChild<QToolButton *>("BnCopy")->click();
    EXPECT_TRUE(first->Commands.isEmpty());
    EXPECT_EQ(second->Commands, QList<TDocCommand>({TDocCommand::DocCopy}));

    frame.findChild<QToolButton *>("BnSaveFile")->click();
    EXPECT_EQ(first->Saves, 1) << "save also saves every other window";
    EXPECT_EQ(second->Saves, 1) << "the active window is saved once, not twice";

    second->CloseWithoutQuery();
    QCoreApplication::processEvents();
    frame.findChild<QToolButton *>("BnPaste")->click(); // the window is gone: lost silently
    EXPECT_TRUE(first->Commands.isEmpty());
}

TEST_F(FMainTest, EditorKindItemsSwitchEveryKnownWindow)
{
    TRecordingFrame frame{QStringList()};
    TFakeDocument *html = AddDocument(frame, TDocKind::Html);
    TFakeDocument *other = AddDocument(frame, TDocKind::None);
    frame.findChild<QAction *>("MnSerMemoSW")->trigger();
    frame.findChild<QAction *>("MnSetMemoColor")->trigger();
    EXPECT_EQ(html->ColourViews, QList<bool>({false, true}));
    EXPECT_TRUE(other->ColourViews.isEmpty()) << "windows of another kind are skipped";
}

TEST_F(FMainTest, ActiveWindowMenusMergeByGroupIndex)
{
    TRecordingFrame frame{QStringList()};
    TFakeDocument *css = AddDocument(frame, TDocKind::Css, true);
    QCoreApplication::processEvents();
    EXPECT_EQ(MenuBarCaptions(frame),
              QStringList({"&Datei", "&Bearbeiten", "&Optionen", "&Fenster", "&Run", "&Hilfe"}));
    EXPECT_EQ(frame.menuBar()->actions().first(), css->File->menuAction());
    css->CloseWithoutQuery();
    QCoreApplication::processEvents();
    EXPECT_EQ(MenuBarCaptions(frame), QStringList({"&Datei", "&Optionen", "&Fenster", "&Hilfe"}));
}

TEST_F(FMainTest, ClosingWindowsFeedsTheRecentMenu)
{
    TRecordingFrame frame{QStringList()};
    TFakeDocument *document = AddDocument(frame, TDocKind::Html);
    document->SetDocFileName("/w/c.html");
    frame.NoteDocumentClosed(document);
    auto *first = frame.findChild<QAction *>("MnAlteDatei1");
    EXPECT_TRUE(first->isVisible());
    EXPECT_EQ(first->text(), "&1. /w/c.html");
    EXPECT_EQ(frame.StatusText(TStatusPanel::Modified), "");
    frame.findChild<QAction *>("MnDateilisteloeschen")->trigger();
    EXPECT_FALSE(first->isVisible());
    EXPECT_EQ(RecentFiles().Count(), 0);
}

TEST_F(FMainTest, RefusedCloseKeepsProgramAndScratchFiles)
{
    const QString scratch = ScratchDirectory() + "TMP1.dat";
    QFile file(scratch);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.close();
    TRecordingFrame frame{QStringList()};
    TFakeDocument *stubborn = AddDocument(frame, TDocKind::Html);
    stubborn->AllowClose = false;
    EXPECT_FALSE(frame.close());
    EXPECT_TRUE(QFile::exists(scratch));

    stubborn->AllowClose = true;
    QFile::setPermissions(scratch, QFile::ReadOwner);
    EXPECT_TRUE(frame.close());
    EXPECT_FALSE(QFile::exists(scratch)) << "read-only scratch files go too";
}

TEST_F(FMainTest, ScratchCleanupSparesOtherFiles)
{
    const QString dir = ScratchDirectory();
    for (const char *name : {"Temp.dat", ".TMPhidden", "tmp.x", "LastVersion.Dat", "ATEMP.txt"}) {
        QFile file(dir + name);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    }
    TRecordingFrame frame{QStringList()};
    frame.close();
    EXPECT_FALSE(QFile::exists(dir + "Temp.dat"));
    EXPECT_FALSE(QFile::exists(dir + "tmp.x"));
    EXPECT_TRUE(QFile::exists(dir + "LastVersion.Dat"));
    EXPECT_TRUE(QFile::exists(dir + "ATEMP.txt"));
    EXPECT_TRUE(QFile::exists(dir + ".TMPhidden")) << "the name starts with a dot, not TMP";
}

TEST_F(FMainTest, ExitItemClosesTheProgramAfterTheWindowsAgree)
{
    TRecordingFrame frame{QStringList()};
    frame.show();
    TFakeDocument *document = AddDocument(frame, TDocKind::Html);
    document->AllowClose = false;
    frame.findChild<QAction *>("MnExit")->trigger();
    EXPECT_TRUE(frame.isVisible());
    document->AllowClose = true;
    frame.findChild<QAction *>("MnExit")->trigger();
    EXPECT_FALSE(frame.isVisible());
}

TEST(CommandLine, DoubleDashEndsTheOptions)
{
    const struct
    {
        std::vector<const char *> Arguments;
        QStringList Options; // after the program name
        QStringList Files;
        TCommandLine::TInfo Info;
    } cases[] = {
        {{"a.html", "-reverse"}, {"a.html", "-reverse"}, {}, TCommandLine::TInfo::None},
        {{"a.html", "--", "-reverse", "-style", "--help", "--"},
         {"a.html"},
         {"-reverse", "-style", "--help", "--"},
         TCommandLine::TInfo::None},
        {{"a.html", "--help"}, {"a.html", "--help"}, {}, TCommandLine::TInfo::Help},
        {{"-h"}, {"-h"}, {}, TCommandLine::TInfo::Help},
        {{"--version", "--"}, {"--version"}, {}, TCommandLine::TInfo::Version},
        {{"--", "--version"}, {}, {"--version"}, TCommandLine::TInfo::None},
    };
    for (const auto &c : cases) {
        std::vector<char *> argv{const_cast<char *>("html-editor")};
        for (const char *argument : c.Arguments)
            argv.push_back(const_cast<char *>(argument));
        const TCommandLine line = SplitCommandLine(static_cast<int>(argv.size()), argv.data());
        QStringList options;
        for (int i = 1; i < line.OptionCount; ++i)
            options << line.OptionArguments[i];
        EXPECT_EQ(options, c.Options) << c.Arguments.size();
        EXPECT_EQ(line.FilesAfterOptions, c.Files);
        EXPECT_EQ(line.Info, c.Info);
        EXPECT_EQ(line.OptionArguments.back(), nullptr);
    }
}

TEST_F(FMainTest, TheNotePanelShowsItsNoteInFullAndForgetsItWithItsWindow)
{
    TRecordingFrame frame{QStringList()};
    frame.resize(1024, 540);
    frame.show();
    TFakeDocument *first = AddDocument(frame, TDocKind::Css);
    const QString note = "als UTF-8 gespeichert";
    frame.SetStatusText(TStatusPanel::Note, note);
    QCoreApplication::processEvents();
    auto *panel = frame.findChild<QLabel *>("StatusPanel2");
    ASSERT_TRUE(panel);
    EXPECT_GE(panel->contentsRect().width(), panel->fontMetrics().horizontalAdvance(note));

    frame.NoteActiveDocument(first, {}, false);
    EXPECT_EQ(frame.StatusText(TStatusPanel::Note), note) << "the same window again";
    TFakeDocument *second = AddDocument(frame, TDocKind::Html);
    EXPECT_EQ(frame.StatusText(TStatusPanel::Note), "");
    frame.SetStatusText(TStatusPanel::Note, note);
    frame.NoteDocumentClosed(second);
    EXPECT_EQ(frame.StatusText(TStatusPanel::Note), "");
}
