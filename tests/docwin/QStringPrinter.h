#pragma once

#include <QString>

#include <ostream>

// Lets GoogleTest show texts as readable UTF-8 when a comparison fails.
inline void PrintTo(const QString &text, std::ostream *os)
{
    *os << '"' << text.toStdString() << '"';
}
