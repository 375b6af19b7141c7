#pragma once

#include <QByteArrayView>
#include <QStringView>

// The passes over a whole text that opening a big file makes. They run over fixed blocks of
// units that the compiler turns into vector instructions (this file is built with full
// optimisation), so a pass over 100 MB takes a few milliseconds.

// How many line breaks are a lone LF or a lone CR; 0 when every break is CR LF. Over the bytes
// of ANSI and UTF-8, or over UTF-16 code units.
qsizetype LoneBreakCount(QByteArrayView bytes);
qsizetype LoneBreakCount(QStringView text);

// Whether a line may be longer than `limit` characters: false when surely none is. Looks only
// near every limit-th character, since each LF found there closes lines that cannot be longer.
bool MayHaveLineLongerThan(QStringView text, qsizetype limit);
// The same over bytes: a line of ANSI or UTF-8 is at least as long in bytes as in characters.
bool MayHaveLineLongerThan(QByteArrayView bytes, qsizetype limit);

// How many code units of the text are one of a, b and c.
qsizetype CountUnits(QStringView text, char16_t a, char16_t b, char16_t c);

// Replaces every code unit `from` in units[0, size) by `to`.
void ReplaceUnits(char16_t *units, qsizetype size, char16_t from, char16_t to);

// Widens bytes to UTF-16 code units one for one, as out[i] = bytes[i], except that a byte
// 0x80..0x9F becomes high[byte - 0x80]. `out` holds bytes.size() units.
void WidenBytes(QByteArrayView bytes, const char16_t (&high)[32], char16_t *out);
