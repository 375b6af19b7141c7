#pragma once

#include <QByteArray>
#include <QImage>
#include <QString>

#include <ostream>

// Lets GoogleTest show texts as readable UTF-8 when a comparison fails.
inline void PrintTo(const QString &text, std::ostream *os)
{
    *os << '"' << text.toStdString() << '"';
}

// A picture of coloured 16 × 16 blocks (red, green, blue, white, ...), so that a JPEG round
// trip keeps every block's colour within a few steps.
QImage BlockPicture(int width, int height);
// The largest difference of any colour channel between two pictures of the same size, at the
// centres of the 16 x 16 blocks (a JPEG smears colours across block edges by design).
int LargestBlockCentreDifference(const QImage &a, const QImage &b);
// Writes bytes to a file; false when that fails.
bool WriteBytes(const QString &fileName, const QByteArray &bytes);
QByteArray ReadBytes(const QString &fileName);
