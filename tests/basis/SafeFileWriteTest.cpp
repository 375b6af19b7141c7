#include "SafeFileWrite.h"

#include "FaultyFileWriter.h"
#include "FileUtils.h"
#include "SmallFileSystem.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <cerrno>
#include <sys/stat.h>
#include <unistd.h>

namespace {

const QByteArray OldText = "<p>alt</p>\r\n";
const QByteArray NewText = "<p>neu und etwas l\xE4nger</p>\r\n";

void WriteFile(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(bytes);
}

QByteArray ReadFile(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<missing>");
}

QStringList Entries(const QString &dir)
{
    return QDir(dir).entryList(QDir::Files | QDir::Hidden | QDir::System, QDir::Name);
}

struct stat StatOf(const QString &path)
{
    struct stat info = {};
    ::lstat(QFile::encodeName(path).constData(), &info);
    return info;
}

// Runs a few calls with another effective user (the super-user's tests of foreign files).
class TEffectiveUser
{
public:
    explicit TEffectiveUser(uid_t user) { Ok = ::seteuid(user) == 0; }
    ~TEffectiveUser() { static_cast<void>(::seteuid(0)); }
    bool Ok = false;
};

constexpr uid_t Nobody = 65534;

class SafeFileWriteTest : public ::testing::Test
{
protected:
    QString Path(const QString &name) const { return Dir.filePath(name); }

    QTemporaryDir Dir;
    TFaultyFileWriter Writer;
};

} // namespace

struct TStepFault
{
    const char *Name;
    TFileStep Step;
    int Error;
    qint64 Keep;
    const char *Reason;
};

// Whatever step fails, the old file is byte for byte what it was, nothing is left behind but
// the backup, and the message says why.
TEST_F(SafeFileWriteTest, AFailedStepLeavesTheOldFileAndSaysWhy)
{
    const TStepFault faults[] = {
        {"full disk at the first byte", TFileStep::Write, ENOSPC, 0, "kein Platz mehr frei"},
        {"full disk half-way", TFileStep::Write, ENOSPC, NewText.size() / 2, "kein Platz mehr"},
        {"no new file allowed", TFileStep::Create, EACCES, 0, "Zugriff verweigert"},
        {"sync", TFileStep::Sync, EIO, 0, "Ein- oder Ausgabefehler"},
        {"close", TFileStep::Close, EDQUOT, 0, "Speicherkontingent"},
        {"rename", TFileStep::Rename, EIO, 0, "Ein- oder Ausgabefehler"},
    };
    for (const TStepFault &fault : faults) {
        SCOPED_TRACE(fault.Name);
        QTemporaryDir dir;
        const QString page = dir.filePath("page.html");
        WriteFile(page, OldText);
        TFaultyFileWriter writer;
        writer.FailAt(fault.Step, fault.Error, 1, fault.Keep);

        const TSaveResult result = WriteFileSafely(page, NewText, true, writer);

        ASSERT_TRUE(result.IsFailed());
        EXPECT_TRUE(result.Reason().startsWith("Die Datei\r\n" + page))
            << result.Reason().toStdString();
        EXPECT_TRUE(result.Reason().contains(fault.Reason)) << result.Reason().toStdString();
        EXPECT_TRUE(result.Reason().endsWith("Die Datei auf dem Datenträger ist unverändert."));
        EXPECT_EQ(ReadFile(page), OldText);
        // Only a failed rename comes after the backup, which then holds the old text as well.
        const QStringList expected = fault.Step == TFileStep::Rename
                                         ? QStringList{"page.html", "page.~html"}
                                         : QStringList{"page.html"};
        EXPECT_EQ(Entries(dir.path()), expected);
    }
}

TEST_F(SafeFileWriteTest, BackupIsMadeOnlyWhenTheNewTextIsOnDisk)
{
    const QString page = Path("page.html");
    WriteFile(page, OldText);
    WriteFile(Path("page.~html"), "older backup");
    Writer.MaxWriteBytes = 5; // short writes are continued

    ASSERT_TRUE(WriteFileSafely(page, NewText, true, Writer).IsSaved());

    EXPECT_EQ(ReadFile(page), NewText);
    EXPECT_EQ(ReadFile(Path("page.~html")), OldText);
    EXPECT_EQ(Entries(Dir.path()), QStringList({"page.html", "page.~html"}));
    const auto at = [&](TFileStep step) {
        return std::find(Writer.Steps.begin(), Writer.Steps.end(), step) - Writer.Steps.begin();
    };
    EXPECT_LT(at(TFileStep::Sync), at(TFileStep::Link));
    EXPECT_LT(at(TFileStep::Close), at(TFileStep::Link));
    EXPECT_LT(at(TFileStep::Link), at(TFileStep::Rename));
    EXPECT_GT(Writer.Count(TFileStep::Write), 5);
}

TEST_F(SafeFileWriteTest, WithoutHardLinksTheBackupIsACopy)
{
    const QString page = Path("page.html");
    WriteFile(page, OldText);
    Writer.FailAt(TFileStep::Link, EPERM);
    const TSaveResult result = WriteFileSafely(page, NewText, true, Writer);
    ASSERT_TRUE(result.IsSaved());
    EXPECT_EQ(result.Note(), QString());
    EXPECT_EQ(ReadFile(Path("page.~html")), OldText);

    // A backup that cannot be made at all does not stop the save, but is named.
    TFaultyFileWriter noBackup;
    noBackup.FailAt(TFileStep::Link, EPERM);
    noBackup.FailAt(TFileStep::Create, ENOSPC, 2);
    const TSaveResult second = WriteFileSafely(page, "third", true, noBackup);
    ASSERT_TRUE(second.IsSaved());
    EXPECT_EQ(second.Note(), "keine Sicherungskopie page.~html");
    EXPECT_EQ(ReadFile(page), "third");
}

TEST_F(SafeFileWriteTest, PermissionsAndOwnerStay)
{
    const struct
    {
        const char *Name;
        mode_t Mode;
    } files[] = {{"private.html", 0600}, {"script.php", 0750}, {"shared.css", 0664}};
    for (const auto &file : files) {
        const QString path = Path(file.Name);
        WriteFile(path, OldText);
        ::chmod(QFile::encodeName(path).constData(), file.Mode);
        ASSERT_TRUE(WriteFileSafely(path, NewText, true).IsSaved());
        EXPECT_EQ(StatOf(path).st_mode & 07777, file.Mode) << file.Name;
        EXPECT_EQ(ReadFile(path), NewText);
    }
    if (::geteuid() != 0)
        return;
    // The super-user saving someone else's file leaves it theirs.
    const QString foreign = Path("foreign.html");
    WriteFile(foreign, OldText);
    ASSERT_EQ(::chown(QFile::encodeName(foreign).constData(), Nobody, Nobody), 0);
    ASSERT_TRUE(WriteFileSafely(foreign, NewText, true).IsSaved());
    EXPECT_EQ(StatOf(foreign).st_uid, Nobody);
    EXPECT_EQ(StatOf(foreign).st_gid, Nobody);
}

TEST_F(SafeFileWriteTest, SymbolicLinkStaysALinkAndItsTargetGetsTheText)
{
    QDir(Dir.path()).mkdir("real");
    const QString target = Path("real/page.html");
    WriteFile(target, OldText);
    const QString link = Path("page.html");
    ASSERT_TRUE(QFile::link("real/page.html", link));

    ASSERT_TRUE(WriteFileSafely(link, NewText, true).IsSaved());

    EXPECT_TRUE(QFileInfo(link).isSymLink());
    EXPECT_EQ(ReadFile(target), NewText);
    EXPECT_EQ(ReadFile(Path("page.~html")), OldText) << "the backup stands beside the link";
    EXPECT_EQ(SaveTargetOf(link), target);

    // A link to a file that does not exist yet creates that file.
    ASSERT_TRUE(QFile::link("real/new.css", Path("new.css")));
    ASSERT_TRUE(WriteFileSafely(Path("new.css"), "a {}", true).IsSaved());
    EXPECT_TRUE(QFileInfo(Path("new.css")).isSymLink());
    EXPECT_EQ(ReadFile(Path("real/new.css")), "a {}");
}

TEST_F(SafeFileWriteTest, HardLinkedFileStaysOneFileForAllItsNames)
{
    const QString page = Path("page.html");
    const QString other = Path("other.html");
    WriteFile(page, OldText);
    ASSERT_EQ(::link(QFile::encodeName(page).constData(), QFile::encodeName(other).constData()), 0);
    const ino_t inode = StatOf(page).st_ino;

    ASSERT_TRUE(WriteFileSafely(page, NewText, true).IsSaved());
    EXPECT_EQ(StatOf(page).st_ino, inode);
    EXPECT_EQ(StatOf(page).st_nlink, 2u);
    EXPECT_EQ(ReadFile(other), NewText);
    EXPECT_EQ(ReadFile(Path("page.~html")), OldText);

    // Shorter text cuts the file; without a backup no copy is left behind.
    ASSERT_TRUE(WriteFileSafely(page, "kurz", false).IsSaved());
    EXPECT_EQ(ReadFile(other), "kurz");
    EXPECT_EQ(Entries(Dir.path()), QStringList({"other.html", "page.html", "page.~html"}));
}

TEST_F(SafeFileWriteTest, HardLinkedFileGetsItsOldBytesBackWhenTheOverwriteFails)
{
    const struct
    {
        const char *Name;
        TFileStep Step;
        qint64 Keep;
    } faults[] = {{"no room reserved", TFileStep::Reserve, 0},
                  {"write half-way", TFileStep::Write, 7},
                  {"sync", TFileStep::Sync, 0}};
    for (const auto &fault : faults) {
        SCOPED_TRACE(fault.Name);
        QTemporaryDir dir;
        const QString page = dir.filePath("page.html");
        WriteFile(page, OldText);
        ::link(QFile::encodeName(page).constData(),
               QFile::encodeName(dir.filePath("b")).constData());
        TFaultyFileWriter writer;
        // The first write and sync are those of the safety copy; the overwrite's come second.
        writer.FailAt(fault.Step, ENOSPC, fault.Step == TFileStep::Reserve ? 1 : 2, fault.Keep);
        const TSaveResult result = WriteFileSafely(page, NewText, false, writer);
        ASSERT_TRUE(result.IsFailed());
        EXPECT_TRUE(result.Reason().endsWith("unverändert.")) << result.Reason().toStdString();
        EXPECT_EQ(ReadFile(page), OldText);
        EXPECT_EQ(Entries(dir.path()), QStringList({"b", "page.html"}));
    }
}

TEST_F(SafeFileWriteTest, ReadOnlyIsWhatTheSystemRefuses)
{
    const QString page = Path("page.html");
    WriteFile(page, OldText);
    EXPECT_FALSE(IsReadOnlyFile(page));
    EXPECT_FALSE(IsReadOnlyFile(Path("missing.html")));
    QFile::setPermissions(page, QFile::ReadOwner | QFile::ReadGroup);
    EXPECT_TRUE(IsReadOnlyFile(page)) << "no write permission for anybody";
    QFile::setPermissions(page, QFile::ReadOwner | QFile::WriteOwner);

    if (::geteuid() != 0)
        GTEST_SKIP() << "foreign owners need the super-user to set up";
    // A folder that another user may enter: a file of ours there is not theirs to write, nor
    // is a file of theirs in a folder of ours that they may not change.
    ::chmod(QFile::encodeName(Dir.path()).constData(), 0777);
    WriteFile(Path("theirs.html"), OldText);
    ::chown(QFile::encodeName(Path("theirs.html")).constData(), Nobody, Nobody);
    QDir(Dir.path()).mkdir("locked");
    ::chmod(QFile::encodeName(Path("locked")).constData(), 0755);
    WriteFile(Path("locked/theirs.html"), OldText);
    ::chown(QFile::encodeName(Path("locked/theirs.html")).constData(), Nobody, Nobody);
    TEffectiveUser nobody(Nobody);
    ASSERT_TRUE(nobody.Ok);
    EXPECT_TRUE(IsReadOnlyFile(page));
    EXPECT_FALSE(IsReadOnlyFile(Path("theirs.html")));
    EXPECT_TRUE(IsReadOnlyFile(Path("locked/theirs.html")));
}

// A save onto a real file system that has no room left: the old file stays whole.
TEST_F(SafeFileWriteTest, FullFileSystemKeepsTheOldFile)
{
    const TSmallFileSystem tmpfs(Path("tmpfs"));
    if (!tmpfs.Mounted)
        GTEST_SKIP() << "no tmpfs can be mounted here (" << strerror(tmpfs.Error) << ")";
    const QString mountPoint = tmpfs.Path;
    const QString page = mountPoint + "/page.html";
    WriteFile(page, OldText);
    tmpfs.FillUp();
    const TSaveResult small = WriteFileSafely(page, NewText, true);
    const TSaveResult big = WriteFileSafely(page, QByteArray(40000, 'y'), true);
    const QByteArray afterwards = ReadFile(page);
    const QStringList entries = Entries(mountPoint);
    QFile::remove(mountPoint + "/filler");
    const TSaveResult withRoom = WriteFileSafely(page, NewText, true);

    ASSERT_TRUE(small.IsFailed());
    EXPECT_TRUE(small.Reason().contains("Auf dem Datenträger ist kein Platz mehr frei."))
        << small.Reason().toStdString();
    EXPECT_TRUE(big.IsFailed());
    EXPECT_EQ(afterwards, OldText);
    EXPECT_EQ(entries, QStringList({"filler", "page.html"}));
    EXPECT_TRUE(withRoom.IsSaved());
}

namespace {

const QByteArray HelperText = "<p>neu, vom abgebrochenen Speichern</p>\r\n";

// Starts a save in another process, kills it when it reaches the step and returns what is left
// of the file.
QByteArray KillSaveAt(const QString &page, TFileStep step, int occurrence)
{
    QProcess helper;
    helper.start(SAVE_CRASH_HELPER,
                 {page,
                  QString::fromLatin1(HelperText),
                  QString::number(int(step)),
                  QString::number(occurrence),
                  "4"});
    EXPECT_TRUE(helper.waitForReadyRead(10000));
    EXPECT_EQ(helper.readAll(), "stopped\n");
    helper.kill(); // SIGKILL
    helper.waitForFinished();
    return ReadFile(page);
}

} // namespace

// A save killed at any moment leaves the file there, with its old or its new text, and no
// moment where only the backup exists.
TEST_F(SafeFileWriteTest, KilledSaveLeavesTheFilePresent)
{
    const struct
    {
        const char *Name;
        TFileStep Step;
        int Occurrence;
    } moments[] = {{"writing the new file", TFileStep::Write, 2},
                   {"before its sync", TFileStep::Sync, 1},
                   {"before the backup", TFileStep::Link, 1},
                   {"before the rename", TFileStep::Rename, 1},
                   {"after the rename", TFileStep::SyncDirectory, 1}};
    for (const auto &moment : moments) {
        SCOPED_TRACE(moment.Name);
        QTemporaryDir dir;
        const QString page = dir.filePath("page.html");
        WriteFile(page, OldText);
        const QByteArray text = KillSaveAt(page, moment.Step, moment.Occurrence);
        EXPECT_TRUE(text == OldText || text == HelperText) << text.constData();
        if (QFile::exists(dir.filePath("page.~html"))) {
            EXPECT_EQ(ReadFile(dir.filePath("page.~html")), OldText);
        }
    }
    // A hard-linked file is overwritten in place: killed half-way it is there, cut, and its
    // backup, written and synced before, holds the old text.
    const QString page = Path("linked.html");
    WriteFile(page, OldText);
    ::link(QFile::encodeName(page).constData(), QFile::encodeName(Path("other")).constData());
    const QByteArray cut = KillSaveAt(page, TFileStep::Write, OldText.size() / 4 + 3);
    EXPECT_FALSE(cut.isEmpty());
    EXPECT_EQ(ReadFile(Path("linked.~html")), OldText);
}
