#include "DocumentWindowFixture.h"
#include "FaultyFileWriter.h"
#include "MDITagra2.h"
#include "MDI_CSS2.h"
#include "QStringPrinter.h"
#include "SmallFileSystem.h"

#include <QAction>
#include <QDir>
#include <QTabWidget>
#include <QTest>

#include <gtest/gtest.h>

#include <cerrno>
#include <iostream>
#include <optional>
#include <sys/stat.h>
#include <unistd.h>

namespace {

class DocumentSaveTest : public TDocumentWindowFixture
{
protected:
    TFaultyFileWriter Writer;
};

} // namespace

TEST_F(DocumentSaveTest, FailedSaveIsShownAndNothingClosesOnIt)
{
    const QString page = Write("page.html", "<p>alt</p>\r\n");
    TFMDITagra2 window;
    ASSERT_TRUE(window.OpenDocument(page, false, false, false));
    Type(window, "<p>neu</p>");
    Writer.FailAt(TFileStep::Write, ENOSPC, 1, 3);
    Writer.FailAt(TFileStep::Write, ENOSPC, 2);
    const TFileWriterScope scope(Writer);

    const TSaveResult saved = window.SaveDocument();
    ASSERT_TRUE(saved.IsFailed());
    ASSERT_EQ(Prompter.Count("Error"), 1);
    EXPECT_TRUE(
        Prompter.Texts("Error")[0].contains("Auf dem Datenträger ist kein Platz mehr frei."));
    EXPECT_TRUE(window.IsModified());
    EXPECT_EQ(Read("page.html"), "<p>alt</p>\r\n");
    EXPECT_EQ(Read("page.~html"), "<missing>") << "no backup of a save that did not happen";

    // "Ja" in the close question saves; when that fails the window stays with its changes.
    Prompter.YesNoCancelAnswers = {TYesNoCancel::Yes, TYesNoCancel::No};
    EXPECT_FALSE(window.CloseQuery());
    EXPECT_TRUE(window.IsModified());
    EXPECT_EQ(Read("page.html"), "<p>alt</p>\r\n");
    // "Nein" still discards.
    EXPECT_TRUE(window.CloseQuery());
}

TEST_F(DocumentSaveTest, SaveAsWithoutExtensionAsksBeforeReplacingTheHtmlFile)
{
    Write("b.html", "anderes");
    TFMDITagra2 window;
    window.OpenDocument(QString(), false, false, false);
    Type(window, "neu");
    Prompter.AnswerSave(Path("b"));
    Prompter.YesNoAnswers = {false};
    EXPECT_EQ(window.SaveDocumentAs().Status(), TSaveStatus::Cancelled);
    EXPECT_EQ(Prompter.Texts("YesNo"),
              QStringList("Die Datei b.htmlexistiert bereits.\r\nMöchten Sie sie ersetzen?"));
    EXPECT_EQ(Read("b.html"), "anderes");
    EXPECT_EQ(window.FileName(), "noname");

    Prompter.AnswerSave(Path("b"));
    Prompter.YesNoAnswers = {true};
    EXPECT_TRUE(window.SaveDocumentAs().IsSaved());
    EXPECT_EQ(Read("b.html"), "neu\r\n");
    EXPECT_EQ(Read("b.~html"), "anderes");
    EXPECT_EQ(window.DocFileName(), Path("b.html"));
}

TEST_F(DocumentSaveTest, FailedSaveAsKeepsNameAndCaption)
{
    const QString sheet = Write("a.css", "a {}\r\n");
    TFMDI_CSS2 window;
    window.OpenDocument(sheet, false);
    window.SetDocFileName(sheet);
    const QString caption = window.windowTitle();
    QDir(Dir.path()).mkdir("ordner");
    Prompter.AnswerSave(Path("ordner"));
    Prompter.YesNoAnswers = {true};
    EXPECT_TRUE(window.SaveDocumentAs().IsFailed());
    EXPECT_EQ(window.FileName(), sheet);
    EXPECT_EQ(window.DocFileName(), sheet);
    EXPECT_EQ(window.windowTitle(), caption);
}

TEST_F(DocumentSaveTest, BlockSaveAsksBeforeReplacingAndKeepsABackup)
{
    Write("block.txt", "alt");
    TFMDI_CSS2 window;
    window.OpenDocument(QString(), false);
    window.ActiveEditor().SetText("a {} b {}");
    window.ActiveEditor().SetSelStart(5);
    window.ActiveEditor().SetSelLength(4);
    QAction *item = window.findChild<QAction *>("MnBlockalsDateiSichern");

    Prompter.AnswerSave(Path("block.txt"));
    Prompter.YesNoAnswers = {false};
    item->trigger();
    EXPECT_EQ(Read("block.txt"), "alt");

    Prompter.AnswerSave(Path("block.txt"));
    Prompter.YesNoAnswers = {true};
    item->trigger();
    EXPECT_EQ(Read("block.txt"), "b {}");
    EXPECT_EQ(Read("block.~txt"), "alt");
    EXPECT_EQ(Prompter.Count("YesNo"), 2);
}

// The browser shows the file on disk, so it opens only after a save that happened.
TEST_F(DocumentSaveTest, BrowserTabStaysClosedWithoutASavedFile)
{
    const struct
    {
        const char *Name;
        bool HasFile;
    } cases[] = {{"save dialog cancelled", false}, {"write failed", true}};
    for (const auto &c : cases) {
        SCOPED_TRACE(c.Name);
        TScriptedPrompter prompter;
        const TPrompterScope scope(prompter);
        TFaultyFileWriter writer;
        writer.FailAt(TFileStep::Write, ENOSPC);
        const TFileWriterScope writing(writer);
        TFMDITagra2 window;
        const QString page = c.HasFile ? Write("page.html", "alt\r\n") : QString();
        window.OpenDocument(page, false, false, false);
        Type(window, "<p>x</p>");
        window.MainTab()->setCurrentIndex(1);
        EXPECT_EQ(prompter.Count("Save"), c.HasFile ? 0 : 1);
        EXPECT_EQ(prompter.Count("Error"), c.HasFile ? 1 : 0);
        EXPECT_EQ(window.MainTab()->currentIndex(), 0);
        EXPECT_EQ(window.WebBrowser1(), nullptr);
        EXPECT_TRUE(window.IsModified());
    }
}

TEST_F(DocumentSaveTest, FileOfAnotherUserGoesToSaveAs)
{
    if (::geteuid() != 0)
        GTEST_SKIP() << "needs the super-user to act as another user";
    ::chmod(QFile::encodeName(Dir.path()).constData(), 0777);
    const QString page = Write("root.html", "x\r\n");
    TFMDITagra2 window;
    window.OpenDocument(page, false, false, false);
    Type(window, "y");
    ASSERT_EQ(::seteuid(65534), 0);
    const TSaveResult result = window.SaveDocument();
    static_cast<void>(::seteuid(0));
    EXPECT_EQ(result.Status(), TSaveStatus::Cancelled);
    EXPECT_EQ(Prompter.Count("Save"), 1);
    EXPECT_EQ(Read("root.html"), "x\r\n");
}

TEST_F(DocumentSaveTest, EncodingNotesReachTheStatusBar)
{
    Write("stray.css", "a { content: '\xC3\xA9\xC3\xA8' } \x96\r\n");
    TFMDI_CSS2 css;
    css.OpenDocument(Path("stray.css"), false);
    EXPECT_EQ(Host.Status[TStatusPanel::Note], "UTF-8 mit 1 ungültigen Byte");
    EXPECT_TRUE(css.SaveDocument().IsSaved());
    EXPECT_EQ(Read("stray.css"), "a { content: '\xC3\xA9\xC3\xA8' } \x96\r\n");

    Write("bin.html", QByteArray("\0\0\x01", 3));
    TFMDITagra2 html;
    html.OpenDocument(Path("bin.html"), false, false, false);
    EXPECT_TRUE(QTest::qWaitFor([&] { return Prompter.Count("Note") == 1; }, 2000));
    EXPECT_EQ(Host.Status[TStatusPanel::Note], "keine Textdatei");
    EXPECT_TRUE(html.SaveDocument().IsSaved());
    EXPECT_EQ(Read("bin.html"), QByteArray("\0\0\x01", 3));
}

namespace {

void WriteBytes(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(bytes);
}

QByteArray ReadBytes(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<missing>");
}

// One way a save can fail, and the reason the user is told.
struct TSaveFailure
{
    const char *Name;
    // The page lives on a small file system of its own (a full or a read-only one).
    bool OwnFileSystem;
    // Breaks the save after the page was opened; false when that is not possible here.
    std::function<bool(TFaultyFileWriter &, TSmallFileSystem *, const QString &)> Break;
    const char *Reason;
};

// A folder that the process may not change: a read-only mount for the super-user, whom
// permission bits do not stop, else the bits.
bool MakeFolderReadOnly(TSmallFileSystem *fs, const QString &folder)
{
    if (fs && fs->Mounted)
        return fs->MakeReadOnly();
    return ::geteuid() != 0 && ::chmod(QFile::encodeName(folder).constData(), 0555) == 0;
}

} // namespace

// However the save fails, the user reads why in German, the page and its backup are as they
// were (a failed rename comes after the backup, which then holds the page's text), and the
// window keeps its changes.
TEST_F(DocumentSaveTest, EveryFailedSaveKeepsPageBackupAndChanges)
{
    const QByteArray page = "<p>alt</p>\r\n";
    const QByteArray backup = "<p>älter</p>\r\n";
    const TSaveFailure failures[] = {
        {"full disk at the first byte",
         false,
         [](TFaultyFileWriter &w, TSmallFileSystem *, const QString &) {
             w.FailAt(TFileStep::Write, ENOSPC);
             return true;
         },
         "kein Platz mehr frei"},
        {"full disk half-way",
         false,
         [](TFaultyFileWriter &w, TSmallFileSystem *, const QString &) {
             w.FailAt(TFileStep::Write, ENOSPC, 1, 6);
             return true;
         },
         "kein Platz mehr frei"},
        {"close",
         false,
         [](TFaultyFileWriter &w, TSmallFileSystem *, const QString &) {
             w.FailAt(TFileStep::Close, EIO);
             return true;
         },
         "Ein- oder Ausgabefehler"},
        {"rename",
         false,
         [](TFaultyFileWriter &w, TSmallFileSystem *, const QString &) {
             w.FailAt(TFileStep::Rename, EIO);
             return true;
         },
         "Ein- oder Ausgabefehler"},
        {"read-only folder",
         true,
         [](TFaultyFileWriter &, TSmallFileSystem *fs, const QString &folder) {
             return MakeFolderReadOnly(fs, folder);
         },
         "Zugriff verweigert"},
        {"full file system",
         true,
         [](TFaultyFileWriter &, TSmallFileSystem *fs, const QString &) {
             if (!fs || !fs->Mounted)
                 return false;
             fs->FillUp();
             return true;
         },
         "kein Platz mehr frei"},
    };
    for (const TSaveFailure &failure : failures) {
        SCOPED_TRACE(failure.Name);
        Prompter.Prompts.clear();
        QTemporaryDir dir;
        std::optional<TSmallFileSystem> fs;
        if (failure.OwnFileSystem)
            fs.emplace(dir.filePath("fs"));
        const QString folder = fs && fs->Mounted ? fs->Path : dir.path();
        const QString name = folder + "/page.html";
        WriteBytes(name, page);
        WriteBytes(folder + "/page.~html", backup);
        TFMDITagra2 window;
        ASSERT_TRUE(window.OpenDocument(name, false, false, false));
        Type(window, "<p>neu</p>");
        TFaultyFileWriter writer;
        if (!failure.Break(writer, fs ? &*fs : nullptr, folder)) {
            std::cout << "skipped here: " << failure.Name << '\n';
            continue;
        }
        // A file the user may not replace asks for another name first; the same one is kept.
        Prompter.SaveAnswers.clear();
        Prompter.AnswerSave(name);
        Prompter.YesNoAnswers = {true};
        const TFileWriterScope scope(writer);

        EXPECT_TRUE(window.SaveDocument().IsFailed());

        ASSERT_EQ(Prompter.Count("Error"), 1);
        const QString message = Prompter.Texts("Error")[0];
        EXPECT_TRUE(message.contains("kann nicht gespeichert werden")) << message.toStdString();
        EXPECT_TRUE(message.contains(failure.Reason)) << message.toStdString();
        EXPECT_EQ(ReadBytes(name), page);
        const bool renamed = std::string(failure.Name) == "rename";
        EXPECT_EQ(ReadBytes(folder + "/page.~html"), renamed ? page : backup);
        EXPECT_TRUE(window.IsModified());
        ::chmod(QFile::encodeName(folder).constData(), 0755);
    }
}
