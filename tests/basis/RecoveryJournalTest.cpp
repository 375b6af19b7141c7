#include "RecoveryJournal.h"

#include "FaultyFileWriter.h"
#include "RecoveryKeeper.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>
#include <QThread>

#include <gtest/gtest.h>

#include <cerrno>

namespace {

// Texts the editor may hold: empty, line breaks, code 0, umlauts, a lone surrogate.
const QString OddText = QString("a\r\nb") + QChar(0) + QString::fromUtf8("äß€") + QChar(0xD800)
                        + "\r\n";

QStringList CopiesIn(const QString &folder)
{
    return QDir(folder).entryList({"*.rec"}, QDir::Files);
}

// Starts a run that writes one copy and waits to be killed.
class TCrashingRun
{
public:
    TCrashingRun(const QString &folder, const QString &text)
    {
        Process.start(QCoreApplication::applicationDirPath() + "/recovery_crash_helper",
                      {folder, text});
        EXPECT_TRUE(Process.waitForReadyRead(10000));
        EXPECT_EQ(Process.readAllStandardOutput().trimmed(), "ready");
    }
    ~TCrashingRun() { Kill(); }
    void Kill()
    {
        Process.kill(); // SIGKILL: no clean-up of any kind
        Process.waitForFinished();
    }

private:
    QProcess Process;
};

} // namespace

TEST(RecoveryJournal, CopyKeepsEveryCharacterAndDamagedCopiesAreRecognised)
{
    QTemporaryDir folder;
    const QString path = folder.filePath("x.rec");
    for (const QString &text : {QString(), OddText}) {
        QFile file(path);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(TRecoveryJournal::EncodeCopy({"/a/b c.html", "html", text}));
        file.close();
        const TRecoveryReadResult read = TRecoveryJournal::ReadCopy(path);
        ASSERT_TRUE(read.Ok()) << read.Error.toStdString();
        EXPECT_EQ(read.Entry.Text, text);
        EXPECT_EQ(read.Entry.FileName, "/a/b c.html");
        EXPECT_EQ(read.Entry.Kind, "html");
    }
    const QByteArray whole = TRecoveryJournal::EncodeCopy({"f", "css", "abc"});
    for (const QByteArray &damaged :
         {whole.chopped(1), QByteArray(whole + "x"), whole.mid(1), QByteArray()}) {
        QFile file(path);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(damaged);
        file.close();
        EXPECT_FALSE(TRecoveryJournal::ReadCopy(path).Ok());
    }
}

TEST(RecoveryJournal, WritesInTheBackgroundAndRemovesAfterSaveOrDiscard)
{
    QTemporaryDir folder;
    TRecoveryJournal journal(folder.path());
    ASSERT_TRUE(journal.IsUsable()) << journal.Error().toStdString();
    const int first = journal.NewSlot();
    const int second = journal.NewSlot();
    for (int i = 0; i < 50; ++i)
        journal.Write(first, {"a.html", "html", QString::number(i)});
    journal.Write(second, {"b.css", "css", "b"});
    journal.WaitForWrites();
    const QStringList copies = CopiesIn(folder.path());
    ASSERT_EQ(copies.size(), 2);
    EXPECT_EQ(TRecoveryJournal::ReadCopy(folder.filePath(copies[0])).Entry.Text, "49")
        << "the newest text of a slot is the one kept";

    // A write still queued when the slot goes never brings the copy back.
    journal.Write(first, {"a.html", "html", "late"});
    journal.Remove(first);
    journal.WaitForWrites();
    EXPECT_EQ(CopiesIn(folder.path()).size(), 1);
    journal.Remove(second);
    journal.WaitForWrites();
    EXPECT_TRUE(CopiesIn(folder.path()).isEmpty());
    EXPECT_TRUE(journal.TakeWriteError().isEmpty());
}

TEST(RecoveryJournal, ATextSourceGivesTheTextOnTheWriterThread)
{
    QTemporaryDir folder;
    TRecoveryJournal journal(folder.path());
    const int slot = journal.NewSlot();
    QThread *writerThread = nullptr;
    TRecoveryEntry entry{"a.html", "html", QString()};
    entry.TextSource = [&writerThread] {
        writerThread = QThread::currentThread();
        return OddText;
    };
    journal.Write(slot, entry);
    journal.WaitForWrites();
    const QStringList copies = CopiesIn(folder.path());
    ASSERT_EQ(copies.size(), 1);
    EXPECT_EQ(TRecoveryJournal::ReadCopy(folder.filePath(copies[0])).Entry.Text, OddText);
    EXPECT_NE(writerThread, nullptr);
    EXPECT_NE(writerThread, QThread::currentThread());
}

TEST(RecoveryJournal, AFailedWriteKeepsThePreviousCopyAndIsReported)
{
    QTemporaryDir folder;
    TRecoveryJournal journal(folder.path());
    const int slot = journal.NewSlot();
    journal.Write(slot, {"a.html", "html", "alt"});
    journal.WaitForWrites();
    QStringList reported;
    journal.SetWriteFailureHandler([&reported](const QString &reason) { reported.append(reason); });
    for (const TFileStep step : {TFileStep::Write, TFileStep::Sync, TFileStep::Rename}) {
        TFaultyFileWriter writer;
        writer.FailAt(step, ENOSPC);
        TFileWriterScope scope(writer);
        journal.Write(slot, {"a.html", "html", "neu"});
        journal.WaitForWrites();
        const QStringList copies = CopiesIn(folder.path());
        ASSERT_EQ(copies.size(), 1) << int(step);
        EXPECT_EQ(TRecoveryJournal::ReadCopy(folder.filePath(copies[0])).Entry.Text, "alt")
            << int(step);
        const QString error = journal.TakeWriteError();
        EXPECT_TRUE(error.startsWith("Die Wiederherstellungskopie von\r\na.html\r\n"))
            << int(step) << error.toStdString();
        EXPECT_TRUE(error.contains("kein Platz")) << int(step) << error.toStdString();
    }
    // The handler hears of each failure on the application's thread.
    EXPECT_TRUE(reported.isEmpty());
    QCoreApplication::processEvents();
    EXPECT_EQ(reported.size(), 3);
}

TEST(RecoveryJournal, RunningInstancesNeverTakeEachOthersCopies)
{
    QTemporaryDir folder;
    TRecoveryJournal first(folder.path());
    const int slot = first.NewSlot();
    first.Write(slot, {"a.html", "html", "a"});
    first.WaitForWrites();
    TRecoveryJournal second(folder.path());
    EXPECT_TRUE(second.TakeOrphans().empty());

    TCrashingRun other(folder.path(), "fremd");
    EXPECT_TRUE(second.TakeOrphans().empty()) << "the other run is still alive";
    EXPECT_EQ(CopiesIn(folder.path()).size(), 2);
}

TEST(RecoveryJournal, CopiesOfAKilledRunAreOfferedOnceAndRestoredOrDeclined)
{
    QTemporaryDir folder;
    {
        TCrashingRun crashed(folder.path(), QString::fromUtf8("ungesichert äß"));
    }
    {
        TCrashingRun crashed(folder.path(), "zweites Fenster");
    }
    // A temporary file that a write left when its run was killed.
    const QString owner = CopiesIn(folder.path()).value(0).section('.', 0, 0);
    QFile stray(folder.filePath(owner + ".1.rec.Ab12Cd"));
    ASSERT_TRUE(stray.open(QIODevice::WriteOnly));
    stray.close();

    TRecoveryJournal journal(folder.path());
    std::vector<TOrphanCopy> orphans = journal.TakeOrphans();
    ASSERT_EQ(orphans.size(), 2u);
    EXPECT_FALSE(stray.exists());
    QStringList texts{orphans[0].Entry.Text, orphans[1].Entry.Text};
    texts.sort();
    EXPECT_EQ(texts, QStringList({QString::fromUtf8("ungesichert äß"), "zweites Fenster"}));
    EXPECT_EQ(orphans[0].Entry.FileName, "/tmp/seite.html");

    // A second instance started meanwhile sees none of them: they are claimed.
    TRecoveryJournal other(folder.path());
    EXPECT_TRUE(other.TakeOrphans().empty());

    const int slot = journal.AdoptOrphan(orphans[0]);
    journal.DeleteOrphan(orphans[1]);
    ASSERT_EQ(CopiesIn(folder.path()).size(), 1);
    journal.Remove(slot);
    journal.WaitForWrites();
    EXPECT_TRUE(CopiesIn(folder.path()).isEmpty());
    EXPECT_TRUE(other.TakeOrphans().empty());
}

TEST(RecoveryJournal, UnreadableOrphanIsSetAsideAndNamed)
{
    QTemporaryDir folder;
    QFile copy(folder.filePath("123-abc.1.rec"));
    ASSERT_TRUE(copy.open(QIODevice::WriteOnly));
    copy.write("kaputt");
    copy.close();
    TRecoveryJournal journal(folder.path());
    QStringList damaged;
    EXPECT_TRUE(journal.TakeOrphans(&damaged).empty());
    ASSERT_EQ(damaged.size(), 1);
    EXPECT_TRUE(damaged[0].contains("keine Wiederherstellungskopie"));
    EXPECT_TRUE(QFile::exists(folder.filePath("123-abc.1.rec.damaged")));
}

TEST(RecoveryJournal, UnusableFolderKeepsNothing)
{
    QTemporaryDir folder;
    QFile blocker(folder.filePath("file"));
    ASSERT_TRUE(blocker.open(QIODevice::WriteOnly));
    blocker.close();
    TRecoveryJournal journal(folder.filePath("file/sub"));
    EXPECT_FALSE(journal.IsUsable());
    EXPECT_FALSE(journal.Error().isEmpty());
    TRecoveryKeeper keeper([] { return TRecoveryEntry{}; }, &journal);
    keeper.NoteChange();
    keeper.WriteNow();
    EXPECT_FALSE(keeper.HasCopy());
}

TEST(RecoveryKeeper, WritesAfterTheDelayOrOnFocusLossAndForgetsOnSave)
{
    QTemporaryDir folder;
    TRecoveryJournal journal(folder.path());
    QString text = "eins";
    bool modified = true;
    int snapshots = 0;
    TRecoveryKeeper keeper(
        [&]() -> std::optional<TRecoveryEntry> {
            ++snapshots;
            if (!modified)
                return std::nullopt;
            return TRecoveryEntry{"a.html", "html", text};
        },
        &journal);
    keeper.SetDelay(50);
    // Every keystroke restarts the delay; one copy follows the last of them.
    for (int i = 0; i < 5; ++i)
        keeper.NoteChange();
    EXPECT_EQ(snapshots, 0);
    QTRY_VERIFY(keeper.HasCopy());
    EXPECT_EQ(snapshots, 1);

    text = "zwei";
    keeper.SetDelay(60000);
    keeper.NoteChange();
    keeper.WriteNow(); // focus lost
    keeper.WriteNow(); // nothing new since
    EXPECT_EQ(snapshots, 2);
    journal.WaitForWrites();
    ASSERT_EQ(CopiesIn(folder.path()).size(), 1);
    EXPECT_EQ(TRecoveryJournal::ReadCopy(folder.filePath(CopiesIn(folder.path())[0])).Entry.Text,
              "zwei");

    keeper.NoteChange();
    keeper.Forget();
    journal.WaitForWrites();
    EXPECT_TRUE(CopiesIn(folder.path()).isEmpty());
    EXPECT_FALSE(keeper.ChangePending()) << "a save also ends the wait for a copy";

    // Changes that end without unsaved text (undone up to the saved state) leave no copy.
    keeper.NoteChange();
    keeper.WriteNow();
    ASSERT_TRUE(keeper.HasCopy());
    modified = false;
    keeper.NoteChange();
    keeper.WriteNow();
    journal.WaitForWrites();
    EXPECT_FALSE(keeper.HasCopy());
    EXPECT_TRUE(CopiesIn(folder.path()).isEmpty());
}
