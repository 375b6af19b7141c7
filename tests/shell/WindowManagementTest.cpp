#include "AppSettings.h"
#include "FMain.h"
#include "FaultyFileWriter.h"
#include "FileUtils.h"
#include "MDITagra2.h"
#include "MDI_CSS2.h"
#include "RecentFiles.h"
#include "Registry.h"
#include "ScriptedPrompter.h"

#include <QFile>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenuBar>
#include <QTemporaryDir>
#include <QTest>
#include <QToolButton>

#include <gtest/gtest.h>

#include <cerrno>

namespace {

class WindowManagementTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        qputenv("HTML_EDITOR_REGISTRY", Dir.filePath("registry.json").toLocal8Bit());
        qputenv("HTML_EDITOR_HOME", Dir.filePath("home").toLocal8Bit());
        ResetRegistry();
        Frame = std::make_unique<TFMain>(QStringList());
    }
    void TearDown() override
    {
        for (TFHTMLFrame *window : Frame->DocumentWindows())
            window->CloseWithoutQuery();
        Frame.reset();
        ResetRegistry();
    }

    QString MakeFile(const QString &name, const QByteArray &bytes = "text\r\n")
    {
        QFile file(Dir.filePath(name));
        file.open(QIODevice::WriteOnly);
        file.write(bytes);
        return file.fileName();
    }

    QByteArray ReadBack(const QString &name) const
    {
        QFile file(Dir.filePath(name));
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<missing>");
    }

    // "H" for an HTML window, "C" for a CSS window, in child order.
    QString Kinds() const
    {
        QString kinds;
        for (TFHTMLFrame *window : Frame->DocumentWindows())
            kinds += window->DocKind() == TDocKind::Html ? 'H' : 'C';
        return kinds;
    }

    QStringList Names() const
    {
        QStringList names;
        for (TFHTMLFrame *window : Frame->DocumentWindows())
            names << QFileInfo(window->DocFileName()).fileName();
        return names;
    }

    QTemporaryDir Dir;
    TScriptedPrompter Prompter;
    TPrompterScope Scope{Prompter};
    std::unique_ptr<TFMain> Frame;
};

} // namespace

TEST_F(WindowManagementTest, ExtensionChoosesTheWindowKind)
{
    for (const char *name : {"Index.HTM", "style.css", "data.xml", "readme", "p.PHP5"})
        Frame->OpenFile(MakeFile(name));
    EXPECT_EQ(Kinds(), "HCCCH");
    EXPECT_EQ(Names(), QStringList({"Index.HTM", "style.css", "data.xml", "readme", "p.PHP5"}));
    EXPECT_TRUE(qobject_cast<TFMDITagra2 *>(Frame->DocumentWindows()[0]));
    EXPECT_TRUE(qobject_cast<TFMDI_CSS2 *>(Frame->DocumentWindows()[1]));
    EXPECT_EQ(Settings().EditorPfad, Dir.path() + "/");
}

TEST_F(WindowManagementTest, CssInsertionMenusStandInTheMenuBarWhileACssWindowIsActive)
{
    const auto captions = [this] {
        QStringList texts;
        for (const QAction *action : Frame->menuBar()->actions())
            texts << action->text();
        return texts;
    };
    Frame->OpenFile(MakeFile("style.css"));
    QCoreApplication::processEvents();
    const QStringList shown = captions();
    const qsizetype versions = shown.indexOf("&Versionen");
    ASSERT_GE(versions, 0) << shown.join('|').toStdString();
    EXPECT_EQ(shown.mid(versions + 1, 7),
              QStringList({"Basis &CSS",
                           "Bilder",
                           "Farben",
                           "Schrift",
                           "Listen / Tabellen / Forms",
                           QString::fromUtf8("Ränder"),
                           "Links"}));
    Frame->OpenFile(MakeFile("page.html"));
    QCoreApplication::processEvents();
    EXPECT_FALSE(captions().contains("Basis &CSS"));
}

TEST_F(WindowManagementTest, MissingAndAlreadyLoadedFilesGetNotes)
{
    Frame->OpenFile(Dir.filePath("gone.html"));
    EXPECT_EQ(Prompter.Texts("Note"),
              QStringList("Die Datei\r\n" + Dir.filePath("gone.html") + "\r\nexistiert nicht"));
    const QString page = MakeFile("a.html");
    RecentFiles().Add(page);
    Frame->OpenFile(page);
    EXPECT_EQ(RecentFiles().Count(), 0) << "opening removes the file from the list";
    RecentFiles().Add(page);
    Frame->OpenFile(page);
    EXPECT_EQ(Prompter.Prompts.back().Caption, "Hinweis");
    EXPECT_TRUE(Prompter.Prompts.back().Text.startsWith("Datei ist schon geladen\r\n"));
    EXPECT_EQ(Frame->DocumentWindows().size(), 1);
    EXPECT_EQ(RecentFiles().Count(), 0) << "the name stays removed";
}

TEST_F(WindowManagementTest, OpenDialogOpensFromLastToFirstWithCompanions)
{
    const QString a = MakeFile("a.html");
    MakeFile("a.css");
    const QString b = MakeFile("b.html");
    const QString c = MakeFile("c.txt");
    Prompter.AnswerOpen({a, b, c});
    Frame->OpenCommand();
    EXPECT_EQ(Names(), QStringList({"c.txt", "b.html", "a.html", "a.css"}));
    const TFileDialogOptions &options = Prompter.FileDialogs.back();
    EXPECT_EQ(options.Title, "Datei Öffnen");
    EXPECT_TRUE(options.MultiSelect);
    EXPECT_TRUE(options.Filter.startsWith("HTML-Dateien (*.xhtml)|*.xhtml|"));
}

TEST_F(WindowManagementTest, CompanionAlreadyOpenIsNotOpenedTwice)
{
    MakeFile("a.css");
    QDir(Dir.path()).mkdir("x");
    // The open window counts by its file, however its name was written.
    Frame->OpenFile(Dir.filePath("x/../a.css"));
    Prompter.AnswerOpen({MakeFile("a.html")});
    Frame->OpenCommand();
    EXPECT_EQ(Names(), QStringList({"a.css", "a.html"}));
    EXPECT_EQ(Prompter.Count("Note"), 0);
}

TEST_F(WindowManagementTest, NewDocumentChoiceDecidesKindAndFlags)
{
    Prompter.ChoiceAnswers = {4, 3, 0};
    Frame->NewDocumentCommand();
    Frame->NewDocumentCommand();
    Frame->NewDocumentCommand();
    EXPECT_EQ(Kinds(), "HC");
    auto *php = qobject_cast<TFMDITagra2 *>(Frame->DocumentWindows()[0]);
    ASSERT_TRUE(php);
    EXPECT_TRUE(php->IsPhp);
    EXPECT_EQ(php->FileName(), "noname");
    EXPECT_EQ(php->DocFileName(), "");
    EXPECT_EQ(Prompter.Prompts[0].Caption, "Auswahl für ein neues Fenster");
    EXPECT_EQ(Prompter.Prompts[0].Text,
              "Auswahl: XHTML und CSS-Datei, XHTML-Datei, CSS-Datei, PHP-Datei");
}

TEST_F(WindowManagementTest, UnreadableFileGetsNoWindow)
{
    QDir(Dir.path()).mkdir("dir.css");
    Frame->OpenDocumentWindow(Dir.filePath("dir.css"), TOpenMode::Existing);
    EXPECT_EQ(Frame->DocumentWindows().size(), 0);
    EXPECT_EQ(Prompter.Count("Error"), 1);
}

TEST_F(WindowManagementTest, SaveAllSavesEveryWindowAndCascadeRestoresChildren)
{
    Frame->OpenFile(MakeFile("x.html", "x"));
    Frame->OpenFile(MakeFile("y.css", "y"));
    for (TFHTMLFrame *window : Frame->DocumentWindows()) {
        window->ActiveEditor().SetText(window->ActiveEditor().Text() + "!");
        window->ActiveEditor().SetModified(true);
    }
    EXPECT_TRUE(Frame->SaveAllDocuments().IsSaved());
    QFile x(Dir.filePath("x.html"));
    x.open(QIODevice::ReadOnly);
    EXPECT_EQ(x.readAll(), "x!\r\n");
    const QList<QMdiSubWindow *> subs = Frame->MdiArea()->subWindowList();
    subs[0]->showMinimized();
    subs[1]->showMaximized();
    Frame->CascadeWindows();
    EXPECT_FALSE(subs[0]->isMinimized());
    EXPECT_FALSE(subs[1]->isMaximized());
}

TEST_F(WindowManagementTest, OneFileIsOneWindowHoweverItsNameIsWritten)
{
    QDir(Dir.path()).mkdir("cs");
    const QString page = MakeFile("cs/page.html");
    const QString previous = QDir::currentPath();
    QDir::setCurrent(Dir.filePath("cs"));
    for (const QString &name : {QString("page.html"),
                                QString("./page.html"),
                                QString("../cs/page.html"),
                                Dir.filePath("cs/../cs/page.html")})
        Frame->OpenFile(name);
    QDir::setCurrent(previous);
    ASSERT_EQ(Frame->DocumentWindows().size(), 1);
    EXPECT_EQ(Frame->DocumentWindows()[0]->DocFileName(), QFileInfo(page).canonicalFilePath());
    EXPECT_EQ(Prompter.Count("Note"), 3);

    // Letter case makes another file here.
    MakeFile("cs/PAGE.html");
    Frame->OpenFile(Dir.filePath("cs/PAGE.html"));
    EXPECT_EQ(Frame->DocumentWindows().size(), 2);
    EXPECT_EQ(Prompter.Count("Note"), 3);
}

TEST_F(WindowManagementTest, AFolderIsNeverTakenForAFile)
{
    QDir(Dir.path()).mkdir("site.html");
    Settings().EditorPfad = "/before/";
    Prompter.AnswerOpen({Dir.filePath("site.html")});
    Frame->OpenCommand();
    EXPECT_TRUE(Frame->DocumentWindows().isEmpty());
    EXPECT_EQ(Prompter.Texts("Note"),
              QStringList("Die Datei\r\n" + Dir.filePath("site.html") + "\r\nexistiert nicht"));
    EXPECT_EQ(Settings().EditorPfad, "/before/");
    EXPECT_FALSE(QFileInfo::exists(Dir.filePath("registry.json"))) << "no settings were saved";
}

TEST_F(WindowManagementTest, CascadeKeepsTheSizeNewWindowsGet)
{
    Frame->resize(1024, 540);
    Frame->show();
    Frame->OpenFile(MakeFile("x.html"));
    Frame->OpenFile(MakeFile("y.css"));
    const QList<QMdiSubWindow *> subs = Frame->MdiArea()->subWindowList();
    const QSize area = Frame->MdiArea()->viewport()->size();
    const QSize newSize(area.width() * 3 / 4, area.height() * 3 / 4);
    ASSERT_EQ(subs[1]->size(), newSize);
    subs[0]->resize(100, 100);
    Frame->CascadeWindows();
    for (int i = 0; i < 2; ++i) {
        EXPECT_EQ(subs[i]->size(), newSize) << i;
        EXPECT_EQ(subs[i]->pos(), QPoint(24 * i, 24 * i)) << i;
    }
}

// Both save buttons write every window once, the active one included, so each backup holds
// the version before that click.
TEST_F(WindowManagementTest, ToolbarSaveWritesEachWindowOnceSoTheBackupKeepsThePreviousText)
{
    Settings().AutoSave = true;
    Frame->OpenFile(MakeFile("page.html", "v1\r\n"));
    Frame->OpenFile(MakeFile("style.css", "v1\r\n"));
    const struct
    {
        const char *Button;
        QByteArray Text;
        QByteArray Previous;
    } clicks[] = {{"BnSaveFile", "v2\r\n", "v1\r\n"}, {"BnSaveAll", "v3\r\n", "v2\r\n"}};
    for (const auto &click : clicks) {
        SCOPED_TRACE(click.Button);
        for (TFHTMLFrame *window : Frame->DocumentWindows()) {
            window->ActiveEditor().SetText(QString::fromLatin1(click.Text.trimmed()));
            window->ActiveEditor().SetModified(true);
            Frame->NoteActiveDocument(window, window->FileName(), true);
        }
        Frame->findChild<QToolButton *>(click.Button)->click();
        for (const QString name : {"page.html", "style.css"}) {
            EXPECT_EQ(ReadBack(name), click.Text) << name.toStdString();
            EXPECT_EQ(ReadBack(BackupFileName(name)), click.Previous) << name.toStdString();
        }
    }
}

TEST_F(WindowManagementTest, QuittingAfterAFailedSaveKeepsTheProgramAndTheText)
{
    Frame->OpenFile(MakeFile("page.html", "alt\r\n"));
    TFHTMLFrame *window = Frame->DocumentWindows().first();
    window->ActiveEditor().SetText("neu");
    window->ActiveEditor().SetModified(true);
    TFaultyFileWriter writer;
    writer.FailAt(TFileStep::Rename, EIO);
    const TFileWriterScope scope(writer);
    Prompter.YesNoCancelAnswers = {TYesNoCancel::Yes};
    EXPECT_FALSE(Frame->close());
    EXPECT_EQ(Frame->DocumentWindows().size(), 1);
    EXPECT_TRUE(window->IsModified());
    EXPECT_EQ(ReadBack("page.html"), "alt\r\n");
    EXPECT_EQ(Prompter.Count("Error"), 1);

    // Closing the window alone after the same failure keeps it as well.
    Prompter.YesNoCancelAnswers = {TYesNoCancel::Yes};
    writer.FailAt(TFileStep::Rename, EIO, 2);
    window->parentWidget()->close();
    QCoreApplication::processEvents();
    EXPECT_EQ(Frame->DocumentWindows().size(), 1);
}
