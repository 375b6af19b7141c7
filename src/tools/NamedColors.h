#pragma once

#include <QRgb>
#include <QString>

#include <span>

// A colour name of HTML and CSS with the colour its swatch shows.
struct TNamedColor
{
    QString Name;
    QRgb Swatch;
};

// The sixteen colour names that the named colour picker offers, in its order.
std::span<const TNamedColor> PickerColors();
