#include "SettingsStore.h"

#include "AppSettings.h"
#include "ProgramPaths.h"
#include "RecentFiles.h"
#include "Registry.h"

#include <QFile>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

class SettingsStoreTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        qputenv("HTML_EDITOR_REGISTRY", Dir.filePath("registry.json").toLocal8Bit());
        ResetRegistry();
        Settings() = TSettings();
        ProgramDirectory = "/opt/html-editor/";
    }
    void TearDown() override { ResetRegistry(); }

    void Load(const QString &firefox = "/nonexistent/firefox")
    {
        LoadSettings({"MS Sans Serif", 10}, {"MS Sans Serif", 10}, firefox);
    }

    QTemporaryDir Dir;
};

} // namespace

TEST_F(SettingsStoreTest, FirstStartTakesEveryDefault)
{
    QFile firefox(Dir.filePath("firefox"));
    firefox.open(QIODevice::WriteOnly);
    firefox.close();
    Load(Dir.filePath("firefox"));
    const TSettings &s = Settings();
    EXPECT_EQ(s.EditorSchriftName, "MS Sans Serif");
    EXPECT_EQ(s.EditorSchriftGroesse, 10);
    EXPECT_EQ(s.EditorSchriftFarbe, 0);
    EXPECT_FALSE(s.EditorSchriftBold);
    EXPECT_EQ(s.EditorPfad, "/opt/html-editor/");
    EXPECT_TRUE(s.UndoMitKeyUp);
    EXPECT_EQ(s.UndoTimerIntervall, 10);
    EXPECT_EQ(s.Browser[0], Dir.filePath("firefox"));
    EXPECT_EQ(s.Browser[1], "");
    EXPECT_TRUE(s.CaptionMitVollemNamen);
    EXPECT_TRUE(s.AutoSave);
    EXPECT_TRUE(s.COMSPECINDI);
    EXPECT_EQ(s.TabBreite, 2);
}

TEST_F(SettingsStoreTest, ExistingKeyWithoutFontNameGivesAnEmptyName)
{
    RegWriteInteger(MainRegistryKey, "EditorSchriftGroesse", 14);
    Load();
    EXPECT_EQ(Settings().EditorSchriftName, "");
    EXPECT_EQ(Settings().EditorSchriftGroesse, 14);
}

TEST_F(SettingsStoreTest, TabWidthStoredAsStringReadsAsDefault)
{
    RegWriteString(MainRegistryKey, "TabBreite", "8");
    Load();
    EXPECT_EQ(Settings().TabBreite, 2);
}

TEST_F(SettingsStoreTest, ErrorFontSizeOutsideSixteenBitsIsClamped)
{
    RegWriteInteger(MainRegistryKey, "ErrorSchriftGroesse", 70000);
    Load();
    EXPECT_EQ(Settings().ErrorSchriftGroesse, 32767);
    RegWriteInteger(MainRegistryKey, "ErrorSchriftGroesse", -70000);
    Load();
    EXPECT_EQ(Settings().ErrorSchriftGroesse, -32768);
}

TEST_F(SettingsStoreTest, SaveWritesMainKeyUndoKeyAndMirrorsInOneFileWrite)
{
    Load();
    Settings().EditorSchriftName = "DejaVu Sans Mono";
    Settings().UndoMitKeyUp = false;
    Settings().FensterImmerMaximal = true;
    SaveSettings(QRect(10, 20, 800, 600));

    QFile file(Dir.filePath("registry.json"));
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QJsonObject root = QJsonDocument::fromJson(file.readAll()).object();
    const QJsonObject main = root.value("SOFTWARE\\KALMORA\\HTML").toObject();
    EXPECT_EQ(main.value("EditorSchriftName").toString(), "DejaVu Sans Mono");
    EXPECT_EQ(main.value("Left").toInt(), 10);
    EXPECT_EQ(main.value("Height").toInt(), 600);
    EXPECT_EQ(root.value("Undo").toObject().value("UndoMitKeyUp").toInt(), 0);
    const QJsonObject schrift = root.value("SOFTWARE\\KALMORA\\HTML\\Schrift").toObject();
    EXPECT_EQ(schrift.value("EditorSchriftName").toString(), "DejaVu Sans Mono");
    EXPECT_EQ(schrift.value("TabellenSchriftName").toString(), "");
    const QJsonObject general = root.value("SOFTWARE\\KALMORA\\HTML\\Allgemein").toObject();
    EXPECT_EQ(general.value("FensterImmerMaximal").toInt(), 1);
    EXPECT_TRUE(general.contains("ErgebnisN2"));
    for (const char *pattern : {"PenMuster2", "PenMuster3", "PenMuster4", "PenMuster5"}) {
        const QJsonObject pen = root.value(QString("SOFTWARE\\KALMORA\\HTML\\") + pattern).toObject();
        EXPECT_EQ(pen.value("AnzpsLinie").toInt(-1), 0) << pattern;
    }
    for (const char *subkey : {"Pfade", "Grafik", "Monatsnamen", "PenMuster"})
        EXPECT_TRUE(root.contains(QString("SOFTWARE\\KALMORA\\HTML\\") + subkey)) << subkey;

    Settings() = TSettings();
    Load();
    EXPECT_EQ(Settings().EditorSchriftName, "DejaVu Sans Mono");
    EXPECT_FALSE(Settings().UndoMitKeyUp);
}

TEST_F(SettingsStoreTest, FontSizesOutsideWhatTheEditorsShowAreClamped)
{
    const struct
    {
        qint32 Stored;
        qint32 Loaded;
    } cases[] = {{2147483647, 144}, {-2147483647 - 1, 4}, {0, 4}, {12, 12}};
    for (const auto &c : cases) {
        RegWriteInteger(MainRegistryKey, "EditorSchriftGroesse", c.Stored);
        RegWriteInteger(MainRegistryKey, "ErrorSchriftGroesse", c.Stored);
        Load();
        EXPECT_EQ(Settings().EditorSchriftGroesse, c.Loaded) << c.Stored;
        EXPECT_EQ(EditorFontOfSettings().pointSize(), c.Loaded) << c.Stored;
        EXPECT_LE(ErrorFontOfSettings().pointSize(), 144) << c.Stored;
    }
}

TEST_F(SettingsStoreTest, EverySettingSurvivesSaveAndLoad)
{
    TSettings &s = Settings();
    s.InEditMitTabs = true;
    s.CaptionMitVollemNamen = false;
    s.EditorSchriftGroesse = 17;
    s.EditorSchriftFarbe = 0x123456;
    s.EditorSchriftName = "Editorschrift";
    s.EditorSchriftBold = true;
    for (int i = 0; i < 4; ++i)
        s.Browser[i] = "/usr/bin/browser" + QString::number(i + 1);
    s.ErrorSchriftGroesse = 13;
    s.ErrorSchriftFarbe = 0x654321;
    s.ErrorSchriftName = "Fehlerschrift";
    s.ErrorSchriftBold = true;
    s.EditorPfad = "/home/web/";
    s.COMSPEC = "/bin/zsh";
    s.COMSPECINDI = false;
    s.TabBreite = 4;
    s.AutoSave = false;
    s.Multiline = false;
    s.SucheAmAktuellenCursor = true;
    s.ImmerSicherheitsabfrage = false;
    s.UndoMitKeyUp = false;
    s.UndoTimerIntervall = 30;
    const TSettings saved = s;
    SaveSettings(QRect(0, 0, 100, 100));
    s = TSettings();
    Load();
    EXPECT_TRUE(s.InEditMitTabs);
    EXPECT_FALSE(s.CaptionMitVollemNamen);
    EXPECT_EQ(s.EditorSchriftGroesse, 17);
    EXPECT_EQ(s.EditorSchriftFarbe, 0x123456);
    EXPECT_EQ(s.EditorSchriftName, "Editorschrift");
    EXPECT_TRUE(s.EditorSchriftBold);
    for (int i = 0; i < 4; ++i)
        EXPECT_EQ(s.Browser[i], saved.Browser[i]);
    EXPECT_EQ(s.ErrorSchriftGroesse, 13);
    EXPECT_EQ(s.ErrorSchriftFarbe, 0x654321);
    EXPECT_EQ(s.ErrorSchriftName, "Fehlerschrift");
    EXPECT_TRUE(s.ErrorSchriftBold);
    EXPECT_EQ(s.EditorPfad, "/home/web/");
    EXPECT_EQ(s.COMSPEC, "/bin/zsh");
    EXPECT_FALSE(s.COMSPECINDI);
    EXPECT_EQ(s.TabBreite, 4);
    EXPECT_FALSE(s.AutoSave);
    EXPECT_FALSE(s.Multiline);
    EXPECT_TRUE(s.SucheAmAktuellenCursor);
    EXPECT_FALSE(s.ImmerSicherheitsabfrage);
    EXPECT_FALSE(s.UndoMitKeyUp);
    EXPECT_EQ(s.UndoTimerIntervall, 30);
}
