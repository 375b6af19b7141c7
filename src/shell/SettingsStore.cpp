#include "SettingsStore.h"

#include "AppSettings.h"
#include "ProgramPaths.h"
#include "RecentFiles.h"
#include "Registry.h"

#include <QFileInfo>

#include <algorithm>

namespace {

const QString UndoKey = QStringLiteral("Undo");

void LoadEditorFont(TSettings &s, const TFontDefaults &defaults)
{
    const QString &key = MainRegistryKey;
    s.EditorSchriftGroesse = RegReadInteger(key, "EditorSchriftGroesse", defaults.Size);
    s.EditorSchriftFarbe = RegReadInteger(key, "EditorSchriftFarbe", 0);
    s.EditorSchriftName = RegReadString(key, "EditorSchriftName", defaults.Name);
    s.EditorSchriftBold = RegReadBool(key, "EditorSchriftBold", false);
}

void LoadBrowsers(TSettings &s, const QString &firefoxPath)
{
    for (int i = 0; i < 4; ++i)
        s.Browser[i] = RegReadString(MainRegistryKey, "Browser" + QString::number(i + 1), {});
    // Only in memory; it reaches the registry with the next SaveSettings.
    if (s.Browser[0].isEmpty() && QFileInfo::exists(firefoxPath))
        s.Browser[0] = firefoxPath;
}

void LoadErrorFont(TSettings &s, const TFontDefaults &defaults)
{
    const QString &key = MainRegistryKey;
    // The size is held as a signed 16-bit number. A stored value outside that range (a damaged
    // or hand-edited registry) is clamped to the nearest 16-bit value so start-up goes on.
    const qint32 size = RegReadInteger(key, "ErrorSchriftGroesse", defaults.Size);
    s.ErrorSchriftGroesse = static_cast<qint16>(std::clamp(size, -32768, 32767));
    s.ErrorSchriftFarbe = RegReadInteger(key, "ErrorSchriftFarbe", 0);
    s.ErrorSchriftName = RegReadString(key, "ErrorSchriftName", defaults.Name);
    s.ErrorSchriftBold = RegReadBool(key, "ErrorSchriftBold", false);
}

void LoadGeneral(TSettings &s)
{
    const QString &key = MainRegistryKey;
    s.EditorPfad = RegReadString(key, "EditorPfad", ProgramDirectory);
    s.COMSPEC = RegReadString(key, "COMSPEC", {});
    s.COMSPECINDI = RegReadBool(key, "COMSPECINDI", true);
    s.TabBreite = RegReadInteger(key, "TabBreite", 2);
    s.AutoSave = RegReadBool(key, "AutoSave", true);
    s.Multiline = RegReadBool(key, "Multiline", true);
    s.SucheAmAktuellenCursor = RegReadBool(key, "SucheAmAktuellenCursor", false);
    s.ImmerSicherheitsabfrage = RegReadBool(key, "ImmerSicherheitsabfrage", true);
    s.UndoMitKeyUp = RegReadBool(UndoKey, "UndoMitKeyUp", true);
    s.UndoTimerIntervall = RegReadInteger(UndoKey, "UndoTimerIntervall", 10);
}

void SaveFonts(const TSettings &s)
{
    const QString &key = MainRegistryKey;
    RegWriteInteger(key, "EditorSchriftGroesse", s.EditorSchriftGroesse);
    RegWriteInteger(key, "EditorSchriftFarbe", s.EditorSchriftFarbe);
    RegWriteString(key, "EditorSchriftName", s.EditorSchriftName);
    RegWriteBool(key, "EditorSchriftBold", s.EditorSchriftBold);
    for (int i = 0; i < 4; ++i)
        RegWriteString(key, "Browser" + QString::number(i + 1), s.Browser[i]);
    RegWriteInteger(key, "ErrorSchriftGroesse", s.ErrorSchriftGroesse);
    RegWriteInteger(key, "ErrorSchriftFarbe", s.ErrorSchriftFarbe);
    RegWriteString(key, "ErrorSchriftName", s.ErrorSchriftName);
    RegWriteBool(key, "ErrorSchriftBold", s.ErrorSchriftBold);
}

void SaveGeneral(const TSettings &s, const QRect &frameBounds)
{
    const QString &key = MainRegistryKey;
    RegWriteString(key, "EditorPfad", s.EditorPfad);
    RegWriteBool(key, "Multiline", s.Multiline);
    RegWriteBool(key, "SucheAmAktuellenCursor", s.SucheAmAktuellenCursor);
    RegWriteString(key, "COMSPEC", s.COMSPEC);
    RegWriteBool(key, "COMSPECINDI", s.COMSPECINDI);
    RegWriteBool(key, "AutoSave", s.AutoSave);
    RegWriteBool(key, "ImmerSicherheitsabfrage", s.ImmerSicherheitsabfrage);
    RegWriteInteger(key, "TabBreite", s.TabBreite);
    RegWriteInteger(key, "Top", frameBounds.top());
    RegWriteInteger(key, "Left", frameBounds.left());
    RegWriteInteger(key, "Width", frameBounds.width());
    RegWriteInteger(key, "Height", frameBounds.height());
    RegWriteBool(UndoKey, "UndoMitKeyUp", s.UndoMitKeyUp);
    RegWriteInteger(UndoKey, "UndoTimerIntervall", s.UndoTimerIntervall);
}

} // namespace

void LoadSettings(const TFontDefaults &editorFont,
                  const TFontDefaults &errorFont,
                  const QString &firefoxPath)
{
    TSettings &s = Settings();
    s.InEditMitTabs = RegReadBool(MainRegistryKey, "InEditMitTabs", false);
    s.CaptionMitVollemNamen = RegReadBool(MainRegistryKey, "CaptionMitVollemNamen", true);
    LoadEditorFont(s, editorFont);
    LoadBrowsers(s, firefoxPath);
    LoadErrorFont(s, errorFont);
    LoadGeneral(s);
}

void SaveSettings(const QRect &frameBounds)
{
    const TSettings &s = Settings();
    TRegistryBatch batch;
    RegWriteBool(MainRegistryKey, "InEditMitTabs", s.InEditMitTabs);
    RegWriteBool(MainRegistryKey, "CaptionMitVollemNamen", s.CaptionMitVollemNamen);
    SaveFonts(s);
    SaveGeneral(s, frameBounds);
    SaveBaseSettings(MainRegistryKey);
}

namespace {

enum class TMirrorKind { String, Integer, Bool };

// A mirror value that this program always writes empty, 0 or false.
struct TMirrorBlank
{
    const char *Name;
    TMirrorKind Kind;
};

void WriteBlanks(const QString &key, std::initializer_list<TMirrorBlank> values)
{
    for (const TMirrorBlank &value : values) {
        switch (value.Kind) {
        case TMirrorKind::String:
            RegWriteString(key, value.Name, {});
            break;
        case TMirrorKind::Integer:
            RegWriteInteger(key, value.Name, 0);
            break;
        case TMirrorKind::Bool:
            RegWriteBool(key, value.Name, false);
            break;
        }
    }
}

void WriteFontMirrors(const QString &key, const TSettings &s)
{
    using K = TMirrorKind;
    WriteBlanks(key,
                {{"TabellenSchriftGroesse", K::Integer},
                 {"TabellenSchriftFarbe", K::Integer},
                 {"TabellenSchriftName", K::String},
                 {"TabellenSchriftBold", K::Bool}});
    RegWriteInteger(key, "EditorSchriftGroesse", s.EditorSchriftGroesse);
    RegWriteInteger(key, "EditorSchriftFarbe", s.EditorSchriftFarbe);
    RegWriteString(key, "EditorSchriftName", s.EditorSchriftName);
    RegWriteBool(key, "EditorSchriftBold", s.EditorSchriftBold);
    WriteBlanks(key,
                {{"DruckerSchriftEinstellungGroesse", K::Integer},
                 {"DruckerSchriftEinstellungFarbe", K::Integer},
                 {"DruckerSchriftEinstellungName", K::String},
                 {"DruckerSchriftEinstellungBold", K::Bool}});
}

void WriteGeneralMirrors(const QString &key, const TSettings &s)
{
    using K = TMirrorKind;
    WriteBlanks(key,
                {{"KompletterPfad", K::Bool},
                 {"WindowsSystemPfad", K::String},
                 {"ButtonLeisteZOBAn", K::Integer}});
    RegWriteBool(key, "AutoSave", s.AutoSave);
    RegWriteBool(key, "MainFensterImmerMaximal", s.MainFensterImmerMaximal);
    RegWriteBool(key, "FensterImmerMaximal", s.FensterImmerMaximal);
    RegWriteBool(key, "ImmerSicherheitsabfrage", s.ImmerSicherheitsabfrage);
    WriteBlanks(key, {{"ZahlenInSpalte0", K::Bool}, {"MaxBreiteOptimal", K::Integer}});
}

} // namespace

void SaveBaseSettings(const QString &key)
{
    using K = TMirrorKind;
    const TSettings &s = Settings();
    TRegistryBatch batch;
    const QString base = key + "\\";
    WriteBlanks(base + "Pfade", {{"Grafik", K::String}, {"GrafikASCII", K::String}});
    WriteBlanks(base + "Grafik", {{"Grafikdatei", K::String}});
    WriteFontMirrors(base + "Schrift", s);
    WriteGeneralMirrors(base + "Allgemein", s);
    WriteBlanks(base + "Grafik",
                {{"GrafikAbfrageAufVorhanden", K::Bool},
                 {"BackupDerGrafik", K::Bool},
                 {"GrfAuswahlFensterAktiv", K::Bool},
                 {"DirektesSchliessenImTabllenmodus", K::Bool},
                 {"PlusMinusMalMitSymbol", K::Bool},
                 {"EineKoordinateZeichenGerade", K::Bool},
                 {"ZeitZumNeuMalen", K::Integer},
                 {"OffsetMetafileWinkel", K::Integer}});
    WriteBlanks(base + "Allgemein",
                {{"ErgebnisMitMittelwert", K::Bool},
                 {"ErgebnisN1", K::Integer},
                 {"ErgebnisN2", K::Integer}});
    WriteBlanks(base + "Monatsnamen", {{"MonatsnamenAbschneidenBenutzen", K::Bool}});
    WriteBlanks(base + "PenMuster", {{"PenFaktorPrn", K::Integer}, {"PenFaktorWMF", K::Integer}});
    // No line pattern has segments, so each pattern key holds only its count of 0.
    for (int pattern = 2; pattern <= 5; ++pattern)
        RegWriteInteger(base + "PenMuster" + QString::number(pattern), "AnzpsLinie", 0);
}
