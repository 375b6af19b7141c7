#include "Registry.h"

#include "FaultyFileWriter.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <cerrno>
#include <sys/stat.h>

namespace {

// Points the registry at a fresh file for the duration of a test.
class RegistryTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        Path = Dir.filePath("registry.json");
        qputenv("HTML_EDITOR_REGISTRY", Path.toLocal8Bit());
        ResetRegistry();
    }
    void TearDown() override { ResetRegistry(); }

    void WriteRaw(const QByteArray &bytes)
    {
        QFile file(Path);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(bytes);
        file.close();
        ResetRegistry();
    }

    QJsonObject Stored()
    {
        QFile file(Path);
        EXPECT_TRUE(file.open(QIODevice::ReadOnly));
        return QJsonDocument::fromJson(file.readAll()).object();
    }

    QTemporaryDir Dir;
    QString Path;
};

const QString Key = "\\SOFTWARE\\KALMORA\\HTML";

} // namespace

TEST_F(RegistryTest, MissingKeyGivesEveryDefault)
{
    EXPECT_EQ(RegReadString(Key, "EditorSchriftName", "MS Sans Serif"), "MS Sans Serif");
    EXPECT_EQ(RegReadInteger(Key, "TabBreite", 2), 2);
    EXPECT_TRUE(RegReadBool(Key, "AutoSave", true));
}

TEST_F(RegistryTest, MissingStringInExistingKeyReadsEmptyButIntegersKeepDefault)
{
    RegWriteInteger(Key, "TabBreite", 4);
    EXPECT_EQ(RegReadString(Key, "EditorSchriftName", "MS Sans Serif"), "");
    EXPECT_EQ(RegReadInteger(Key, "Missing", 9), 9);
    EXPECT_EQ(RegReadInteger(Key, "TabBreite", 2), 4);
}

TEST_F(RegistryTest, WrongTypesFallBackToTheDefault)
{
    RegWriteString(Key, "TabBreite", "8");
    RegWriteInteger(Key, "EditorSchriftName", 5);
    EXPECT_EQ(RegReadInteger(Key, "TabBreite", 2), 2);
    EXPECT_FALSE(RegReadBool(Key, "TabBreite", false));
    EXPECT_EQ(RegReadString(Key, "EditorSchriftName", "Arial"), "Arial");
}

TEST_F(RegistryTest, TypesAndNamesSurviveAReloadCaseInsensitively)
{
    RegWriteString(Key, "Browser1", "/usr/bin/firefox");
    RegWriteInteger(Key, "Farbe", static_cast<qint32>(0xFF000005));
    RegWriteBool(Key, "AutoSave", false);
    ResetRegistry();
    EXPECT_EQ(RegReadString("SOFTWARE\\kalmora\\html", "BROWSER1", {}), "/usr/bin/firefox");
    EXPECT_EQ(RegReadInteger(Key, "farbe", 0), static_cast<qint32>(0xFF000005));
    EXPECT_FALSE(RegReadBool(Key, "AutoSave", true));
    EXPECT_TRUE(Stored().value("SOFTWARE\\KALMORA\\HTML").toObject().value("Browser1").isString());
}

TEST_F(RegistryTest, UnsignedColourNumbersReadAsTheirSignedDword)
{
    WriteRaw(R"({"Undo": {"UndoTimerIntervall": 4278190085, "Half": 1.5, "Flag": true}})");
    EXPECT_EQ(RegReadInteger("Undo", "UndoTimerIntervall", 0), static_cast<qint32>(0xFF000005));
    EXPECT_EQ(RegReadInteger("Undo", "Half", 3), 3);
    EXPECT_EQ(RegReadInteger("Undo", "Flag", 3), 3);
}

TEST_F(RegistryTest, DamagedFileIsMovedAsideAndDefaultsApply)
{
    WriteRaw("{ this is not json");
    EXPECT_EQ(RegReadInteger(Key, "TabBreite", 2), 2);
    EXPECT_TRUE(QFile::exists(Path + ".damaged"));
    const QString warning = Registry().TakeWarning();
    EXPECT_TRUE(warning.contains("beschädigt")) << warning.toStdString();
    EXPECT_TRUE(Registry().TakeWarning().isEmpty()) << "the user is told once";

    RegWriteInteger(Key, "TabBreite", 3);
    EXPECT_EQ(RegReadInteger(Key, "TabBreite", 2), 3);
    QFile aside(Path + ".damaged");
    ASSERT_TRUE(aside.open(QIODevice::ReadOnly));
    EXPECT_EQ(aside.readAll(), "{ this is not json") << "the damaged file is kept as it was";
}

TEST_F(RegistryTest, UnreadableFileIsNeverOverwritten)
{
    // A store whose file exists but cannot be read (as with missing read permission).
    class TUnreadableStore : public TRegistryStore
    {
    public:
        using TRegistryStore::TRegistryStore;

    protected:
        bool ReadFile(QByteArray &, QString &reason) override
        {
            reason = "Zugriff verweigert";
            return false;
        }
    };
    WriteRaw(R"({"Undo": {"UndoMitKeyUp": 0}})");
    TUnreadableStore store(Path);
    EXPECT_FALSE(store.Value("Undo", "UndoMitKeyUp").has_value()) << "reads fall back";
    EXPECT_FALSE(store.SetValue("Undo", "UndoMitKeyUp", TRegValue::DWord(1)));
    EXPECT_TRUE(store.TakeWarning().contains("kann nicht gelesen werden (Zugriff verweigert)"));
    QFile file(Path);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_EQ(file.readAll(), R"({"Undo": {"UndoMitKeyUp": 0}})");
}

TEST_F(RegistryTest, BatchWritesTheFileOnce)
{
    {
        TRegistryBatch batch;
        RegWriteInteger(Key, "A", 1);
        RegWriteInteger(Key, "B", 2);
        EXPECT_FALSE(QFile::exists(Path)) << "nothing is written before the batch ends";
    }
    EXPECT_EQ(Stored().value("SOFTWARE\\KALMORA\\HTML").toObject().size(), 2);
}

TEST_F(RegistryTest, ChangesOfAnotherInstanceAreSeen)
{
    RegWriteInteger(Key, "TabBreite", 3);
    TRegistryStore other(Path);
    other.SetValue(Key, "TabBreite", TRegValue::DWord(12345));
    EXPECT_EQ(RegReadInteger(Key, "TabBreite", 2), 12345);
}

TEST_F(RegistryTest, OnlyARegularFileIsOpened)
{
    // A pipe there would block the first read forever; a folder cannot be read at all.
    ASSERT_EQ(mkfifo(QFile::encodeName(Path).constData(), 0600), 0);
    ResetRegistry();
    EXPECT_EQ(RegReadInteger(Key, "TabBreite", 2), 2);
    EXPECT_TRUE(Registry().TakeWarning().contains("keine gewöhnliche Datei"));
    RegWriteInteger(Key, "TabBreite", 3);
    EXPECT_FALSE(QFileInfo(Path).isFile()) << "the pipe is left alone";
}

// The settings file is written like a page: a full disk half-way (where a buffered write
// reported success and left an empty file) keeps the previous settings and tells the user once.
TEST_F(RegistryTest, FullDiskKeepsThePreviousSettings)
{
    RegWriteInteger(Key, "TabBreite", 3);
    QFile before(Path);
    ASSERT_TRUE(before.open(QIODevice::ReadOnly));
    const QByteArray old = before.readAll();
    TFaultyFileWriter writer;
    writer.FailAt(TFileStep::Write, ENOSPC, 1, 10);
    const TFileWriterScope scope(writer);

    RegWriteInteger(Key, "TabBreite", 4);

    QFile after(Path);
    ASSERT_TRUE(after.open(QIODevice::ReadOnly));
    EXPECT_EQ(after.readAll(), old);
    const QString warning = Registry().TakeWarning();
    EXPECT_TRUE(warning.startsWith("Die Einstellungen können nicht gespeichert werden."));
    EXPECT_TRUE(warning.contains("kein Platz mehr frei")) << warning.toStdString();
    EXPECT_EQ(QDir(Dir.path()).entryList(QDir::Files | QDir::Hidden), QStringList("registry.json"));
}

namespace {

// Text nested deeper than any reader should follow, about 10 MB of it.
QByteArray DeepNesting()
{
    const int depth = 5 * 1024 * 1024;
    return QByteArray(depth, '[') + QByteArray(depth, ']');
}

} // namespace

// Whatever is wrong with the file, the program starts with the defaults, tells the user once
// where the file went, keeps it there byte for byte and writes its settings anew.
TEST_F(RegistryTest, EveryDamagedFileIsMovedAsideAndDefaultsApply)
{
    const QByteArray whole = R"({"SOFTWARE\\KALMORA\\HTML": {"TabBreite": 4}})";
    const struct
    {
        const char *Name;
        QByteArray Bytes;
    } files[] = {
        {"damaged", "{\"SOFTWARE\\\\KALMORA\\\\HTML\": {\"TabBreite\": 4,, }"},
        {"truncated", whole.left(whole.size() / 2)},
        {"empty", ""},
        {"not JSON", "TabBreite=4\r\n"},
        {"binary", QByteArray("\x00\xFF\xFE{\x00", 5)},
        {"a list, not an object", "[4]"},
        {"10 MB of nesting", DeepNesting()},
    };
    for (const auto &file : files) {
        SCOPED_TRACE(file.Name);
        QFile::remove(Path + ".damaged");
        WriteRaw(file.Bytes);

        EXPECT_EQ(RegReadInteger(Key, "TabBreite", 2), 2);
        const QString warning = Registry().TakeWarning();
        EXPECT_TRUE(warning.contains("ist beschädigt und wurde nach")) << warning.toStdString();
        EXPECT_TRUE(warning.contains(Path + ".damaged")) << warning.toStdString();
        QFile aside(Path + ".damaged");
        ASSERT_TRUE(aside.open(QIODevice::ReadOnly));
        EXPECT_TRUE(aside.readAll() == file.Bytes) << "kept as it was";

        RegWriteInteger(Key, "TabBreite", 3);
        ResetRegistry();
        EXPECT_EQ(RegReadInteger(Key, "TabBreite", 2), 3) << "the new file reads back";
        EXPECT_TRUE(Registry().TakeWarning().isEmpty());
    }
}
