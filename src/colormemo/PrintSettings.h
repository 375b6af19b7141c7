#pragma once

#include "Prompter.h"

#include <QFont>
#include <QString>

// A font of the print settings: name, size in points, colour 0x00BBGGRR and style.
struct TPrintFont
{
    QString Name;
    qint32 Size = 0;
    qint32 Color = 0;
    bool Bold = false;
    bool Italic = false;
    bool Underline = false;
};

// The print settings of this program run. They start at zero, empty and false in every run and
// are changed only by the print dialog; each confirmation writes them to the settings store.
struct TPrintSettings
{
    qint32 LinkerRandMM = 0;
    qint32 RechterRandMM = 0;
    qint32 ObererRandMM = 0;
    qint32 UntererRandMM = 0;
    // Gap between table columns; the dialog keeps it, nothing prints tables.
    qint32 TrennRandMM = 0;
    // Index 1..7 of the line-spacing list ("einzeilig" .. "zweizeilig"); 0 counts as 1.
    int Zeilenabstand = 0;
    bool HeadProSeite = false;
    bool LeerzeileNachSpaltenUeberschrift = false;
    // Column heading style 1..7 of the table options.
    qint32 Attribut = 0;
    TPrintFont DruckerSchrift;
    // The heading font is stored, but nothing changes it.
    TPrintFont DruckerHeadSchrift;
};

// The print settings of this program run.
TPrintSettings &PrintSettings();

// Registry keys of the print settings (written, never read).
inline const QString PrinterFontKey = QStringLiteral("\\SOFTWARE\\KALMORA\\FBasis\\DruckerSchrift");
inline const QString PrinterHeadFontKey = QStringLiteral(
    "\\SOFTWARE\\KALMORA\\FBasis\\DruckerHeadSchrift");
inline const QString ColumnHeadingKey = QStringLiteral(
    "\\SOFTWARE\\KALMORA\\FBasis\\SpaltenÜberschrift");
inline const QString PrinterKey = QStringLiteral("\\SOFTWARE\\KALMORA\\FBasis\\Drucker");

// Writes the print settings to the settings store, as one write of the store's file.
void SavePrintSettings();

// The font printed with while the settings name none, and its size.
inline const QString DefaultPrinterFontName = QStringLiteral("DejaVu Sans Mono");
inline constexpr int DefaultPrinterFontSize = 10;

// The font that prints: the printer font, with the default name and size where it has none.
TPrintFont EffectivePrinterFont(const TPrintFont &font);
// The printer font as the font dialog is preset with it (name, size, bold or regular, colour).
TFontChoice PrinterFontChoice(const TPrintFont &font);
// Takes a confirmed font dialog's name, size and colour; bold only when exactly bold.
void TakeFontChoice(const TFontChoice &choice, TPrintFont &font);
