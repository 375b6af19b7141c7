#pragma once

#include "ColorValues.h"

#include <QString>

// Horizontal alignment of gutter numbers and print headers.
enum TAlignment { taLeftJustify, taRightJustify, taCenter };

// The colour editor's gutter: a strip left of the text, optionally with line numbers.
struct TCMGutterOptions
{
    bool ShowLineNumbers = false;
    TAlignment Alignment = taLeftJustify;
    // Colour of the numbers; the font colour unless set.
    TColor NumColor = clWindowText;
    // Number shown for the first line.
    int StartCountAt = 1;
    // Width in pixels; 0 hides the gutter. TColorMemo stores negative values as 0.
    int Size = 0;
    // Two vertical lines at the right edge give the gutter a raised look.
    bool Is3D = false;
    TColor Color = clBtnFace;

    friend bool operator==(const TCMGutterOptions &, const TCMGutterOptions &) = default;
};

// Print margins carried with the control.
struct TCMPrintMargins
{
    int Top = 100;
    int Bottom = 100;
    int Left = 100;
    int Right = 100;

    friend bool operator==(const TCMPrintMargins &, const TCMPrintMargins &) = default;
};

// Print settings carried with the control: stored and copied, not used for printing (the print
// routine takes its layout from its own settings).
struct TCMPrintOptions
{
    TCMPrintMargins Margins;
    QString Header;
    QString Footer;
    TAlignment HeaderAlignment = taCenter;
    TAlignment FooterAlignment = taCenter;

    friend bool operator==(const TCMPrintOptions &, const TCMPrintOptions &) = default;
};
