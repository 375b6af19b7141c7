#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QString>
#include <QStringView>

// Lines too long for the editor, cut to their start. Lengths are counted in UTF-16 code units,
// as the editor counts them, and a cut never splits a surrogate pair (the line keeps one unit
// less then).

// The length of the longest line of a text whose breaks are CR LF, the break not counted.
qsizetype LongestLine(QStringView text);
// The text (breaks CR LF) with every line longer than `limit` cut to its first `limit` units.
QString CutLongLines(QStringView text, qsizetype limit);

// The same on the bytes of a text before decoding, so that a huge line is never decoded whole:
// ANSI bytes (one character each) or UTF-8 without invalid bytes (`utf8`), whose cut bytes
// decode to the cut text. A line ends at CR LF, LF or a lone CR. `limit` is at least 2, so
// that a cut line keeps a character (an emptied line could join a lone CR before it and a LF
// behind it into one break). Returns the cut bytes, or a null array when no line is longer than
// `limit`; `longest` gets the longest line's length when one is (0 when none is).
QByteArray CutLongByteLines(QByteArrayView bytes, qsizetype limit, bool utf8, qsizetype &longest);
