#include "PrintSettings.h"

#include "AppSettings.h"
#include "Registry.h"

namespace {

void WriteFont(const QString &key, const TPrintFont &font, bool withItalicAndUnderline)
{
    RegWriteInteger(key, "Groesse", font.Size);
    RegWriteInteger(key, "Farbe", font.Color);
    RegWriteString(key, "Name", font.Name);
    RegWriteBool(key, "Bold", font.Bold);
    if (withItalicAndUnderline) {
        RegWriteBool(key, "Kursiv", font.Italic);
        RegWriteBool(key, "Underline", font.Underline);
    }
}

} // namespace

TPrintSettings &PrintSettings()
{
    static TPrintSettings settings;
    return settings;
}

void SavePrintSettings()
{
    const TPrintSettings &s = PrintSettings();
    TRegistryBatch batch;
    WriteFont(PrinterFontKey, s.DruckerSchrift, false);
    WriteFont(PrinterHeadFontKey, s.DruckerHeadSchrift, true);
    RegWriteInteger(ColumnHeadingKey, "Attribut", s.Attribut);
    RegWriteInteger(PrinterKey, "LinkerRandMM", s.LinkerRandMM);
    RegWriteInteger(PrinterKey, "RechterRandMM", s.RechterRandMM);
    RegWriteInteger(PrinterKey, "ObererRandMM", s.ObererRandMM);
    RegWriteInteger(PrinterKey, "UntererRandMM", s.UntererRandMM);
    RegWriteInteger(PrinterKey, "TrennRandMM", s.TrennRandMM);
    RegWriteBool(PrinterKey, "HeadProSeite", s.HeadProSeite);
    RegWriteBool(PrinterKey, "LeerzeileNachSpaltenUeberschrift", s.LeerzeileNachSpaltenUeberschrift);
}

TPrintFont EffectivePrinterFont(const TPrintFont &font)
{
    TPrintFont effective = font;
    if (effective.Name.isEmpty())
        effective.Name = DefaultPrinterFontName;
    if (effective.Size <= 0)
        effective.Size = DefaultPrinterFontSize;
    return effective;
}

TFontChoice PrinterFontChoice(const TPrintFont &font)
{
    const TPrintFont effective = EffectivePrinterFont(font);
    QFont qfont(effective.Name);
    qfont.setPointSize(effective.Size);
    qfont.setBold(effective.Bold);
    return {qfont, BgrToColor(effective.Color)};
}

void TakeFontChoice(const TFontChoice &choice, TPrintFont &font)
{
    font.Name = choice.Font.family();
    font.Size = choice.Font.pointSize();
    font.Color = ColorToBgr(choice.Color);
    font.Bold = IsExactlyBold(choice.Font);
}
