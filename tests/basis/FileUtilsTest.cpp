#include "FileUtils.h"

#include "SafeFileWrite.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

void WriteFile(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(bytes);
}

QByteArray ReadFile(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

} // namespace

TEST(SplitFileName, CutsDirectoryBaseAndExtension)
{
    const TSplitFileName page = SplitFileName("/web/index.html");
    EXPECT_EQ(page.Dir, "/web/");
    EXPECT_EQ(page.Base, "index");
    EXPECT_EQ(page.Ext, ".html");

    const TSplitFileName readme = SplitFileName("/web/README");
    EXPECT_EQ(readme.Dir, "/web/");
    EXPECT_EQ(readme.Base, "README");
    EXPECT_EQ(readme.Ext, "");

    const TSplitFileName twoDots = SplitFileName("/a.b/page.tar.gz");
    EXPECT_EQ(twoDots.Dir, "/a.b/");
    EXPECT_EQ(twoDots.Base, "page.tar");
    EXPECT_EQ(twoDots.Ext, ".gz");
}

TEST(AddBackslash, AppendsTheSeparatorOnce)
{
    EXPECT_EQ(AddBackslash("/web"), "/web/");
    EXPECT_EQ(AddBackslash("/web/"), "/web/");
}

TEST(TryParseInt, AcceptsTrimmedNumbersInsideTheRange)
{
    int value = 7;
    EXPECT_TRUE(TryParseInt("  42 ", value));
    EXPECT_EQ(value, 42);
    EXPECT_TRUE(TryParseInt("2147483647", value));
    EXPECT_EQ(value, 2147483647);
    EXPECT_TRUE(TryParseInt("-2147483647", value));
    EXPECT_EQ(value, -2147483647);
    EXPECT_TRUE(TryParseInt("12.5", value));
    EXPECT_EQ(value, 12);
}

TEST(TryParseInt, RefusesOutOfRangeAndNonNumbersWithZero)
{
    int value = 7;
    EXPECT_FALSE(TryParseInt("2147483648", value));
    EXPECT_EQ(value, 0);
    value = 7;
    EXPECT_FALSE(TryParseInt("-2147483648", value));
    EXPECT_EQ(value, 0);
    value = 7;
    EXPECT_FALSE(TryParseInt("abc", value));
    EXPECT_EQ(value, 0);
    value = 7;
    EXPECT_FALSE(TryParseInt("   ", value));
    EXPECT_EQ(value, 7) << "an empty text leaves the output alone";
}

TEST(MakeBackup, ReplacesAnOldBackupEvenWhenTheFileIsReadOnly)
{
    QTemporaryDir dir;
    const QString page = dir.filePath("page.html");
    WriteFile(page, "new");
    WriteFile(dir.filePath("page.~html"), "old backup");
    QFile::setPermissions(page, QFile::ReadOwner);
    ASSERT_TRUE(IsReadOnlyFile(page));

    EXPECT_TRUE(MakeBackup(page));

    // The file itself stays: a save replaces it only once its new text is on disk.
    EXPECT_EQ(ReadFile(page), "new");
    EXPECT_EQ(ReadFile(dir.filePath("page.~html")), "new");
}

TEST(MakeBackup, UsesTildeExtensionForNamesWithoutExtension)
{
    QTemporaryDir dir;
    WriteFile(dir.filePath("README"), "text");
    MakeBackup(dir.filePath("README"));
    EXPECT_EQ(ReadFile(dir.filePath("README.~")), "text");
    MakeBackup(dir.filePath("missing.html")); // nothing to do, nothing breaks
    EXPECT_FALSE(QFile::exists(dir.filePath("missing.~html")));
}

TEST(ForceDeleteFile, DeletesReadOnlyFilesAndReportsFailure)
{
    QTemporaryDir dir;
    const QString file = dir.filePath("locked.txt");
    WriteFile(file, "x");
    QFile::setPermissions(file, QFile::ReadOwner);
    EXPECT_TRUE(ForceDeleteFile(file));
    EXPECT_FALSE(QFile::exists(file));
    EXPECT_FALSE(ForceDeleteFile(file));
}

TEST(FileSize64, CountsRegularVisibleFilesOnly)
{
    QTemporaryDir dir;
    WriteFile(dir.filePath("five.txt"), "12345");
    WriteFile(dir.filePath(".hidden"), "12345");
    EXPECT_EQ(FileSize64(dir.filePath("five.txt")), 5);
    EXPECT_EQ(FileSize64(dir.filePath(".hidden")), -1);
    EXPECT_EQ(FileSize64(dir.path()), -1);
    EXPECT_EQ(FileSize64(dir.filePath("none")), -1);
}

TEST(SameFileName, LetterCaseCountsAndDotSegmentsDoNot)
{
    EXPECT_FALSE(SameFileName("/web/Übersicht.html", "/WEB/üBERSICHT.HTML"));
    EXPECT_FALSE(SameFileName("/web/a.html", "/web/b.html"));
    EXPECT_TRUE(SameFileName("/web/cs/../cs/./page.html", "/web/cs/page.html"));
    EXPECT_TRUE(SameFileName("page.html", QDir::currentPath() + "/page.html"));
}

TEST(CanonicalFileName, ResolvesLinksOfExistingFiles)
{
    QTemporaryDir dir;
    QFile file(dir.filePath("page.html"));
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    ASSERT_TRUE(QFile::link(dir.filePath("page.html"), dir.filePath("link.html")));
    EXPECT_EQ(CanonicalFileName(dir.filePath("link.html")),
              CanonicalFileName(dir.filePath("page.html")));
    EXPECT_EQ(CanonicalFileName(""), "");
}
