#include "SettingsStore.h"

#include "AppSettings.h"
#include "ProgramPaths.h"
#include "RecentFiles.h"
#include "Registry.h"
#include "SettingsTable.h"

#include <QFileInfo>

#include <algorithm>

namespace {

const QString UndoKey = QStringLiteral("Undo");

QString KeyOf(TSettingKey key)
{
    return key == TSettingKey::Undo ? UndoKey : MainRegistryKey;
}

// The defaults that depend on the font holders and the program's folder.
struct TLoadDefaults
{
    TFontDefaults EditorFont;
    TFontDefaults ErrorFont;
};

QVariant DefaultOf(const TSettingRow &row, const TLoadDefaults &defaults)
{
    switch (row.From) {
    case TSettingDefault::Fixed:
        return row.Default;
    case TSettingDefault::EditorFontName:
        return defaults.EditorFont.Name;
    case TSettingDefault::EditorFontSize:
        return defaults.EditorFont.Size;
    case TSettingDefault::ErrorFontName:
        return defaults.ErrorFont.Name;
    case TSettingDefault::ErrorFontSize:
        return defaults.ErrorFont.Size;
    case TSettingDefault::ProgramFolder:
        return ProgramDirectory;
    }
    return row.Default;
}

// Runs f on the in-memory value of the row's setting.
template<typename Settings, typename F>
void WithField(Settings &s, const TSettingField &field, F &&f)
{
    std::visit(
        [&](auto member) {
            if constexpr (std::is_same_v<decltype(member), TBrowserSlot>)
                f(s.Browser[member.Index]);
            else
                f(s.*member);
        },
        field);
}

void Read(bool &value, const QString &key, const TSettingRow &row, const QVariant &fallback)
{
    value = RegReadBool(key, row.Name, fallback.toBool());
}

void Read(QString &value, const QString &key, const TSettingRow &row, const QVariant &fallback)
{
    value = RegReadString(key, row.Name, fallback.toString());
}

// A damaged or hand-edited value outside the row's range is clamped to it, so that start-up
// goes on and the editors stay usable.
template<typename Integer>
void Read(Integer &value, const QString &key, const TSettingRow &row, const QVariant &fallback)
{
    const qint32 stored = RegReadInteger(key, row.Name, fallback.toInt());
    value = static_cast<Integer>(std::clamp(stored, row.Min, row.Max));
}

void Write(const QString &key, const char *name, bool value)
{
    RegWriteBool(key, name, value);
}

void Write(const QString &key, const char *name, const QString &value)
{
    RegWriteString(key, name, value);
}

void Write(const QString &key, const char *name, qint32 value)
{
    RegWriteInteger(key, name, value);
}

} // namespace

void LoadSettings(const TFontDefaults &editorFont,
                  const TFontDefaults &errorFont,
                  const QString &firefoxPath)
{
    TSettings &s = Settings();
    const TLoadDefaults defaults{editorFont, errorFont};
    for (const TSettingRow &row : SettingRows()) {
        if (!row.Persisted)
            continue;
        WithField(s, row.Field, [&](auto &value) {
            Read(value, KeyOf(row.Key), row, DefaultOf(row, defaults));
        });
    }
    // Only in memory; it reaches the registry with the next SaveSettings.
    if (s.Browser[0].isEmpty() && QFileInfo::exists(firefoxPath))
        s.Browser[0] = firefoxPath;
}

void SaveSettings(const QRect &frameBounds)
{
    const TSettings &s = Settings();
    TRegistryBatch batch;
    for (const TSettingRow &row : SettingRows()) {
        if (row.Persisted)
            WithField(s, row.Field, [&](const auto &value) {
                Write(KeyOf(row.Key), row.Name, value);
            });
    }
    const QString &key = MainRegistryKey;
    RegWriteInteger(key, "Top", frameBounds.top());
    RegWriteInteger(key, "Left", frameBounds.left());
    RegWriteInteger(key, "Width", frameBounds.width());
    RegWriteInteger(key, "Height", frameBounds.height());
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

void WriteFontBlanks(const QString &key)
{
    using K = TMirrorKind;
    WriteBlanks(key,
                {{"TabellenSchriftGroesse", K::Integer},
                 {"TabellenSchriftFarbe", K::Integer},
                 {"TabellenSchriftName", K::String},
                 {"TabellenSchriftBold", K::Bool},
                 {"DruckerSchriftEinstellungGroesse", K::Integer},
                 {"DruckerSchriftEinstellungFarbe", K::Integer},
                 {"DruckerSchriftEinstellungName", K::String},
                 {"DruckerSchriftEinstellungBold", K::Bool}});
}

void WriteGeneralBlanks(const QString &key)
{
    using K = TMirrorKind;
    WriteBlanks(key,
                {{"KompletterPfad", K::Bool},
                 {"WindowsSystemPfad", K::String},
                 {"ButtonLeisteZOBAn", K::Integer},
                 {"ZahlenInSpalte0", K::Bool},
                 {"MaxBreiteOptimal", K::Integer}});
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
    WriteFontBlanks(base + "Schrift");
    WriteGeneralBlanks(base + "Allgemein");
    // The settings that the table gives a mirror subkey.
    for (const TSettingRow &row : SettingRows()) {
        if (row.Mirror)
            WithField(s, row.Field, [&](const auto &value) {
                Write(base + row.Mirror, row.Name, value);
            });
    }
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
