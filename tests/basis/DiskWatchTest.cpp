#include "DiskWatch.h"

#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <fcntl.h>
#include <sys/stat.h>

namespace {

const QByteArray Loaded = "<p>alt</p>\r\n";

void WriteFile(const QString &path, const QByteArray &bytes, QIODevice::OpenMode mode = {})
{
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly | mode));
    file.write(bytes);
}

// Sets the file's modification time to the nanosecond.
void SetModified(const QString &path, qint64 ns)
{
    const timespec times[2] = {{0, UTIME_OMIT},
                               {time_t(ns / 1'000'000'000), long(ns % 1'000'000'000)}};
    ASSERT_EQ(::utimensat(AT_FDCWD, QFile::encodeName(path).constData(), times, 0), 0);
}

// A watch on a file just read, as a document holds it after loading.
struct TWatchedFile
{
    TWatchedFile()
    {
        Path = Dir.filePath("page.html");
        WriteFile(Path, Loaded);
        Watch.Remember(FileStampOf(Path), Loaded);
    }
    QTemporaryDir Dir;
    QString Path;
    TDiskWatch Watch;
};

} // namespace

TEST(DiskWatch, TellsWhatAnotherProgramDidToTheFile)
{
    const struct
    {
        const char *Name;
        std::function<void(const QString &)> Act;
        TDiskChange Expected;
    } cases[] = {
        {"nothing", [](const QString &) {}, TDiskChange::None},
        {"a line appended",
         [](const QString &p) { WriteFile(p, "x\n", QIODevice::Append); },
         TDiskChange::Changed},
        // Same size, same inode, and the modification time put back: only the content tells.
        {"rewritten within the same clock tick",
         [](const QString &p) {
             const qint64 time = FileStampOf(p).ModifiedNs;
             WriteFile(p, "<p>neu</p>\r\n");
             SetModified(p, time);
         },
         TDiskChange::Changed},
        {"replaced by a new file of the same text",
         [](const QString &p) {
             WriteFile(p + ".neu", Loaded);
             QFile::remove(p);
             QFile::rename(p + ".neu", p);
         },
         TDiskChange::Changed},
        {"deleted", [](const QString &p) { QFile::remove(p); }, TDiskChange::Deleted},
        {"deleted and made anew",
         [](const QString &p) {
             QFile::remove(p);
             WriteFile(p, Loaded);
         },
         TDiskChange::Changed},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.Name);
        TWatchedFile file;
        c.Act(file.Path);
        EXPECT_EQ(file.Watch.Check(file.Path), c.Expected);
    }
}

TEST(DiskWatch, EachChangeIsReportedOnceButStaysAChange)
{
    TWatchedFile file;
    WriteFile(file.Path, "eins\n", QIODevice::Append);
    EXPECT_EQ(file.Watch.TakeNewChange(file.Path), TDiskChange::Changed);
    EXPECT_EQ(file.Watch.TakeNewChange(file.Path), TDiskChange::None) << "asked once";
    EXPECT_EQ(file.Watch.Check(file.Path), TDiskChange::Changed) << "a save still sees it";

    WriteFile(file.Path, "zwei\n", QIODevice::Append);
    EXPECT_EQ(file.Watch.TakeNewChange(file.Path), TDiskChange::Changed) << "a new change";
    QFile::remove(file.Path);
    EXPECT_EQ(file.Watch.TakeNewChange(file.Path), TDiskChange::Deleted);
    EXPECT_EQ(file.Watch.TakeNewChange(file.Path), TDiskChange::None);

    // What the document writes itself is the new known version.
    WriteFile(file.Path, "eigen\n");
    file.Watch.Remember(FileStampOf(file.Path), "eigen\n");
    EXPECT_EQ(file.Watch.TakeNewChange(file.Path), TDiskChange::None);
    file.Watch.Forget();
    WriteFile(file.Path, "fremd\n");
    EXPECT_EQ(file.Watch.Check(file.Path), TDiskChange::None) << "a document without file";
}
