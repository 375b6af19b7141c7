#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QString>

// Windows-1252 ("ANSI") and code page 850 ("OEM") as lossless byte <-> character tables: every
// one of the 256 bytes has its own character (the five undefined ANSI bytes map to the C1
// control characters), so any byte sequence survives a round trip.

QString AnsiToUnicode(QByteArrayView bytes);
// Characters without an ANSI byte become '?'; *lossless (when given) tells whether that happened.
QByteArray UnicodeToAnsi(const QString &text, bool *lossless = nullptr);
// The ANSI byte of a character, or -1 when ANSI cannot hold it.
int AnsiByte(QChar c);
bool AnsiCanEncode(const QString &text);

QString OemToUnicode(const QByteArray &bytes);
// The OEM byte of a character, or -1 when code page 850 cannot hold it.
int OemByte(QChar c);

// Upper case of one character as the ANSI mapping does it, always one character.
inline QChar AnsiUpper(QChar c)
{
    const QChar upper = c.toUpper();
    return upper.isNull() ? c : upper;
}
