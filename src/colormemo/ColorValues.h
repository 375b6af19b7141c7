#pragma once

#include <QColor>
#include <QPalette>
#include <QString>
#include <QStringView>

// A colour as the rules store it: 0x00BBGGRR for an explicit colour (red in the low byte),
// 0xFF0000nn for the system colour with index nn.
using TColor = quint32;

inline constexpr TColor clBlack = 0x000000;
inline constexpr TColor clMaroon = 0x000080;
inline constexpr TColor clGreen = 0x008000;
inline constexpr TColor clOlive = 0x008080;
inline constexpr TColor clNavy = 0x800000;
inline constexpr TColor clPurple = 0x800080;
inline constexpr TColor clTeal = 0x808000;
inline constexpr TColor clGray = 0x808080;
inline constexpr TColor clSilver = 0xC0C0C0;
inline constexpr TColor clRed = 0x0000FF;
inline constexpr TColor clLime = 0x00FF00;
inline constexpr TColor clYellow = 0x00FFFF;
inline constexpr TColor clBlue = 0xFF0000;
inline constexpr TColor clFuchsia = 0xFF00FF;
inline constexpr TColor clAqua = 0xFFFF00;
inline constexpr TColor clWhite = 0xFFFFFF;

inline constexpr TColor clWindow = 0xFF000005;
inline constexpr TColor clWindowText = 0xFF000008;
inline constexpr TColor clHighlight = 0xFF00000D;
inline constexpr TColor clHighlightText = 0xFF00000E;
inline constexpr TColor clBtnFace = 0xFF00000F;
inline constexpr TColor clBtnShadow = 0xFF000010;
inline constexpr TColor clBtnHighlight = 0xFF000014;

// Whether the value names a system colour (0xFF0000nn).
constexpr bool IsSystemColor(TColor color)
{
    return (color & 0xFF000000u) == 0xFF000000u;
}

// An explicit colour from its red, green and blue parts.
constexpr TColor RgbColor(int red, int green, int blue)
{
    return TColor(red & 0xFF) | (TColor(green & 0xFF) << 8) | (TColor(blue & 0xFF) << 16);
}

// The text without leading and trailing characters with codes up to 32.
QStringView TrimControlChars(QStringView text);

// A colour part of a rule entry: one of the sixteen colour names (optionally with "cl" in
// front, any case), or a hexadecimal value written red-green-blue as in HTML ("#FF8000",
// "FF8000", "$FF8000"). Anything unreadable gives white.
TColor ParseColor(QStringView text);

// The colour to paint with: explicit colours as they are, system colours from the palette
// (clWindow Base, clWindowText Text, clHighlight Highlight, clBtnFace Button, ...).
QColor ToQColor(TColor color, const QPalette &palette);

// An explicit colour as the six hexadecimal digits of HTML and CSS, red-green-blue ("FF0000"
// for pure red): the value is written in upper-case hexadecimal, padded with "0" to six digits
// (blue, green, red), and the three pairs are turned around.
QString ColorToHexRGB(TColor color);
// The explicit colour of a colour chosen in a dialog.
TColor FromQColor(const QColor &color);
