#include "FMain.h"
#include "RecoveryJournal.h"
#include "Registry.h"
#include "ScriptedPrompter.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFocusEvent>
#include <QPlainTextEdit>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

// A frame with its own settings, scratch folder and recovery journal.
class RecoveryTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        qputenv("HTML_EDITOR_REGISTRY", Dir.filePath("registry.json").toLocal8Bit());
        qputenv("HTML_EDITOR_HOME", Dir.filePath("home").toLocal8Bit());
        ResetRegistry();
        StartRun();
    }
    void TearDown() override
    {
        EndRun(true);
        ResetRegistry();
    }

    void StartRun()
    {
        Journal = std::make_unique<TRecoveryJournal>(JournalFolder());
        SetRecoveryJournal(Journal.get());
        Frame = std::make_unique<TFMain>(QStringList());
    }
    // Ends the run; a crash closes no window and asks nothing.
    void EndRun(bool orderly)
    {
        for (TFHTMLFrame *window : Frame->DocumentWindows()) {
            if (orderly)
                window->CloseWithoutQuery();
        }
        Frame.reset();
        SetRecoveryJournal(nullptr);
        Journal.reset();
    }

    QString JournalFolder() const { return Dir.filePath("home/recovery"); }
    QStringList Copies() const
    {
        Journal->WaitForWrites();
        return QDir(JournalFolder()).entryList({"*.rec"}, QDir::Files, QDir::Time | QDir::Reversed);
    }

    QString MakeFile(const QString &name, const QByteArray &bytes)
    {
        QFile file(Dir.filePath(name));
        EXPECT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(bytes);
        return file.fileName();
    }

    TFHTMLFrame *Window(int index) const { return Frame->DocumentWindows().value(index); }

    // Types at the end of the window's text and leaves the editor, as switching to another
    // program does.
    static void TypeAndLeave(TFHTMLFrame &window, const QString &text)
    {
        window.ActiveEditor().SetSelStart(window.ActiveEditor().TextLength());
        window.ActiveEditor().ReplaceSelection(text);
        window.ActiveEditor().SetModified(true);
        QFocusEvent focusOut(QEvent::FocusOut, Qt::ActiveWindowFocusReason);
        QCoreApplication::sendEvent(window.ActiveEditorWidget(), &focusOut);
    }

    QTemporaryDir Dir;
    TScriptedPrompter Prompter;
    TPrompterScope Scope{Prompter};
    std::unique_ptr<TRecoveryJournal> Journal;
    std::unique_ptr<TFMain> Frame;
};

} // namespace

TEST_F(RecoveryTest, SaveOrDiscardDeletesTheCopyAndAnUnchangedWindowHasNone)
{
    Frame->OpenFile(MakeFile("a.html", "<p>a</p>\r\n"));
    TFHTMLFrame &window = *Window(0);
    QFocusEvent focusOut(QEvent::FocusOut, Qt::ActiveWindowFocusReason);
    QCoreApplication::sendEvent(window.ActiveEditorWidget(), &focusOut);
    EXPECT_TRUE(Copies().isEmpty());

    TypeAndLeave(window, "neu");
    ASSERT_EQ(Copies().size(), 1);
    ASSERT_TRUE(window.SaveDocument().IsSaved());
    EXPECT_TRUE(Copies().isEmpty());

    TypeAndLeave(window, "verworfen");
    ASSERT_EQ(Copies().size(), 1);
    // Discarding keeps the copy while the window stays (another window cancelled quitting);
    // closing deletes it.
    Prompter.YesNoCancelAnswers.push_back(TYesNoCancel::No);
    EXPECT_TRUE(window.CloseQuery());
    EXPECT_EQ(Copies().size(), 1);
    Prompter.YesNoCancelAnswers.push_back(TYesNoCancel::No);
    window.parentWidget()->close();
    EXPECT_TRUE(Copies().isEmpty());
}

TEST_F(RecoveryTest, AfterACrashOneDocumentIsRestoredAndTheOtherDeclined)
{
    const QString page = MakeFile("seite.html", "<p>alt</p>\r\n");
    const QString sheet = MakeFile("stil.css", "p { }\r\n");
    Frame->OpenFile(page);
    Frame->OpenFile(sheet);
    TypeAndLeave(*Window(0), QString::fromUtf8("<p>ungesichert äß</p>"));
    TypeAndLeave(*Window(1), "a { }");
    const QStringList copies = Copies();
    ASSERT_EQ(copies.size(), 2);
    // The page's copy is made the older one, so it is offered first.
    for (const QString &copy : copies) {
        const QString path = JournalFolder() + "/" + copy;
        if (TRecoveryJournal::ReadCopy(path).Entry.FileName == page)
            QFile(path).setFileTime(QDateTime::currentDateTime().addSecs(-60),
                                    QFileDevice::FileModificationTime);
    }
    EndRun(false);

    StartRun();
    Prompter.YesNoAnswers = {true, false};
    Frame->OfferRecoveryCopies();
    ASSERT_EQ(Prompter.Count("YesNo"), 2);
    EXPECT_TRUE(Prompter.Texts("YesNo")[0].contains(page));
    EXPECT_TRUE(Prompter.Texts("YesNo")[0].contains("wiederhergestellt"));
    ASSERT_EQ(Frame->DocumentWindows().size(), 1) << "the declined style sheet is not opened";
    TFHTMLFrame &restored = *Window(0);
    EXPECT_EQ(restored.FileName(), page);
    EXPECT_TRUE(restored.IsModified());
    EXPECT_EQ(restored.ActiveEditor().Text(),
              QString::fromUtf8("<p>alt</p>\r\n<p>ungesichert äß</p>"));
    EXPECT_EQ(Copies().size(), 1) << "the restored copy is the window's own now";
    QFile file(page);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_EQ(file.readAll(), "<p>alt</p>\r\n") << "nothing is written before the user saves";

    // Another crash before the restored page is saved: it is offered again, the declined style
    // sheet never.
    EndRun(false);
    StartRun();
    Prompter.YesNoAnswers = {true};
    Frame->OfferRecoveryCopies();
    ASSERT_EQ(Prompter.Count("YesNo"), 3);
    EXPECT_TRUE(Prompter.Texts("YesNo")[2].contains(page));
    ASSERT_EQ(Frame->DocumentWindows().size(), 1);
    ASSERT_TRUE(Window(0)->SaveDocument().IsSaved());
    EXPECT_TRUE(Copies().isEmpty());
}

TEST_F(RecoveryTest, NewDocumentAndVanishedFileComeBackUnderTheirNames)
{
    const QString gone = Dir.filePath("weg.css");
    const struct
    {
        QString FileName;
        QString Kind;
    } entries[] = {{"noname", "html"}, {gone, "css"}};
    int n = 0;
    for (const auto &entry : entries) {
        QFile copy(JournalFolder() + "/99999999-tot." + QString::number(++n) + ".rec");
        ASSERT_TRUE(copy.open(QIODevice::WriteOnly));
        copy.write(TRecoveryJournal::EncodeCopy({entry.FileName, entry.Kind, "text " + entry.Kind}));
    }
    Prompter.YesNoAnswers = {true, true};
    Frame->OfferRecoveryCopies();
    ASSERT_EQ(Frame->DocumentWindows().size(), 2);
    QStringList names;
    for (TFHTMLFrame *window : Frame->DocumentWindows()) {
        EXPECT_TRUE(window->IsModified());
        EXPECT_EQ(window->ActiveEditor().Text(),
                  window->DocKind() == TDocKind::Html ? "text html" : "text css");
        names.append(window->FileName());
    }
    names.sort();
    EXPECT_EQ(names, QStringList({gone, "noname"}));
    EXPECT_EQ(Copies().size(), 2);
}
