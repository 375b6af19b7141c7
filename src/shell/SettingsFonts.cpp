#include "SettingsFonts.h"

#include "AppSettings.h"
#include "FontPreview.h"
#include "PrintSettings.h"
#include "Prompter.h"

bool ChangeEditorFont()
{
    TSettings &s = Settings();
    const std::optional<TFontChoice> chosen = Prompter().AskFont(
        {EditorFontOfSettings(), BgrToColor(s.EditorSchriftFarbe)});
    if (!chosen)
        return false;
    s.EditorSchriftName = chosen->Font.family();
    s.EditorSchriftGroesse = chosen->Font.pointSize();
    s.EditorSchriftFarbe = ColorToBgr(chosen->Color);
    s.EditorSchriftBold = IsExactlyBold(chosen->Font);
    return true;
}

bool ChangePrinterFont()
{
    TPrintFont &font = PrintSettings().DruckerSchrift;
    const std::optional<TFontChoice> chosen = Prompter().AskFont(PrinterFontChoice(font));
    if (!chosen)
        return false;
    TakeFontChoice(*chosen, font);
    return true;
}

void ShowEditorFont(TFontPreview &preview)
{
    const TSettings &s = Settings();
    preview.Show(s.EditorSchriftName,
                 s.EditorSchriftGroesse,
                 s.EditorSchriftBold,
                 s.EditorSchriftFarbe);
}

void ShowPrinterFont(TFontPreview &preview)
{
    const TPrintFont &font = PrintSettings().DruckerSchrift;
    preview.Show(font.Name, font.Size, font.Bold, font.Color);
}
