#include "RecentFiles.h"

#include "Registry.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

class RecentFilesTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        qputenv("HTML_EDITOR_REGISTRY", Dir.filePath("registry.json").toLocal8Bit());
        ResetRegistry();
    }
    void TearDown() override { ResetRegistry(); }

    QString MakeFile(const QString &name)
    {
        const QString path = Dir.filePath(name);
        QFile file(path);
        file.open(QIODevice::WriteOnly);
        return path;
    }

    QTemporaryDir Dir;
    TRecentFiles List;
};

} // namespace

TEST_F(RecentFilesTest, ClosedFilesStackUpMostRecentFirstWithoutMovingDuplicates)
{
    List.Add("/w/a.html");
    List.Add("/w/b.html");
    List.Add("/w/c.html");
    EXPECT_EQ(List.Files(), QStringList({"/w/c.html", "/w/b.html", "/w/a.html"}));
    List.Add("/w/x/../b.html");
    EXPECT_EQ(List.Files(), QStringList({"/w/c.html", "/w/b.html", "/w/a.html"}));
    // Names differ by letter case on this platform.
    List.Add("/W/B.HTML");
    EXPECT_EQ(List.Slot(1), "/W/B.HTML");
}

TEST_F(RecentFilesTest, TenthFileDropsTheOldest)
{
    for (int i = 1; i <= 10; ++i)
        List.Add(QString("/w/%1.html").arg(i));
    EXPECT_EQ(List.Count(), 9);
    EXPECT_EQ(List.Slot(1), "/w/10.html");
    EXPECT_EQ(List.Slot(9), "/w/2.html");
}

TEST_F(RecentFilesTest, RemoveMatchesTheSameFileWithUmlautsAndClosesTheGap)
{
    List.Add("/w/a.html");
    List.Add("/w/Überblick.html");
    List.Add("/w/c.html");
    List.Remove("/W/üBERBLICK.HTML");
    EXPECT_EQ(List.Count(), 3) << "another letter case is another file";
    List.Remove("/w/./Überblick.html");
    EXPECT_EQ(List.Files(), QStringList({"/w/c.html", "/w/a.html"}));
}

TEST_F(RecentFilesTest, OnlyFullPathsOfFilesEnterTheList)
{
    List.Add("");
    EXPECT_EQ(List.Count(), 0) << "a document never saved leaves no entry";
    List.Add("page.html");
    EXPECT_EQ(List.Slot(1), QDir::currentPath() + "/page.html");

    const QString key = MainRegistryKey;
    const QString file = MakeFile("f.html");
    QDir(Dir.path()).mkdir("folder.html");
    const QStringList stored = {Dir.filePath("folder.html"), "f.html", file};
    RegWriteInteger(key, "AnzFiles", 3);
    for (int i = 0; i < stored.size(); ++i)
        RegWriteString(key, "File" + QString::number(i + 1), stored[i]);
    List.Load(key);
    EXPECT_EQ(List.Files(), QStringList(file)) << "folders and relative names are dropped";
}

TEST_F(RecentFilesTest, AHugeStoredCountEndsAtTheLastStoredEntry)
{
    const QString key = MainRegistryKey;
    RegWriteInteger(key, "AnzFiles", 2147483647);
    RegWriteString(key, "File1", MakeFile("a.html"));
    RegWriteString(key, "File2", MakeFile("b.html"));
    List.Load(key);
    EXPECT_EQ(List.Count(), 2);
}

TEST_F(RecentFilesTest, LoadKeepsExistingFilesInOrderUpToNine)
{
    const QString key = MainRegistryKey;
    RegWriteInteger(key, "AnzFiles", 12);
    for (int i = 1; i <= 12; ++i)
        RegWriteString(key,
                       "File" + QString::number(i),
                       i == 2 ? QString("/nowhere/x.html") : " " + MakeFile(QString("f%1").arg(i)));
    List.Load(key);
    ASSERT_EQ(List.Count(), 9);
    EXPECT_EQ(List.Slot(1), Dir.filePath("f1")) << "blanks around the name are trimmed";
    EXPECT_EQ(List.Slot(2), Dir.filePath("f3")) << "missing files are dropped";
    EXPECT_EQ(List.Slot(9), Dir.filePath("f10"));
}

TEST_F(RecentFilesTest, SaveAndClearWriteTheCount)
{
    const QString key = MainRegistryKey;
    List.Add(MakeFile("a"));
    List.Add(MakeFile("b"));
    List.Save(key);
    EXPECT_EQ(RegReadInteger(key, "AnzFiles", -1), 2);
    EXPECT_EQ(RegReadString(key, "File1", {}), Dir.filePath("b"));

    List.Clear(key);
    EXPECT_EQ(RegReadInteger(key, "AnzFiles", -1), 0);
    TRecentFiles reloaded;
    reloaded.Load(key);
    EXPECT_EQ(reloaded.Count(), 0) << "old File values stay but are ignored";
}

TEST(RecentFileCaption, NumbersTheEntryAndKeepsAmpersandsLiteral)
{
    EXPECT_EQ(RecentFileCaption(3, "/w/a.html"), "&3. /w/a.html");
    EXPECT_EQ(RecentFileCaption(1, "/w/R&D.html"), "&1. /w/R&&D.html");
    EXPECT_EQ(RecentFileCaption(1, ""), "&1. ");
}
