#pragma once

class TFontPreview;

// "&Ändern" for the editor font: the font dialog preset with the editor font of the settings;
// a confirmed choice becomes the editor font at once (bold only when exactly bold). Returns
// true when the user confirmed.
bool ChangeEditorFont();
// The same for the printer font of the print settings, held in memory only.
bool ChangePrinterFont();

// Shows the editor font, or the printer font, in the preview.
void ShowEditorFont(TFontPreview &preview);
void ShowPrinterFont(TFontPreview &preview);
