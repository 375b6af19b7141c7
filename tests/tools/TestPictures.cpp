#include "TestPictures.h"

#include <QColor>
#include <QFile>

#include <algorithm>
#include <cstdlib>

QImage BlockPicture(int width, int height)
{
    static const QRgb Colours[] = {qRgb(255, 0, 0),
                                   qRgb(0, 255, 0),
                                   qRgb(0, 0, 255),
                                   qRgb(255, 255, 255),
                                   qRgb(0, 0, 0),
                                   qRgb(128, 128, 128)};
    QImage image(width, height, QImage::Format_RGB32);
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x)
            image.setPixel(x, y, Colours[(x / 16 + 2 * (y / 16)) % 6]);
    }
    return image;
}

int LargestBlockCentreDifference(const QImage &a, const QImage &b)
{
    int largest = 0;
    for (int y = 8; y < a.height(); y += 16) {
        for (int x = 8; x < a.width(); x += 16) {
            const QRgb p = a.pixel(x, y);
            const QRgb q = b.pixel(x, y);
            largest = std::max({largest,
                                std::abs(qRed(p) - qRed(q)),
                                std::abs(qGreen(p) - qGreen(q)),
                                std::abs(qBlue(p) - qBlue(q))});
        }
    }
    return largest;
}

bool WriteBytes(const QString &fileName, const QByteArray &bytes)
{
    QFile file(fileName);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}

QByteArray ReadBytes(const QString &fileName)
{
    QFile file(fileName);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}
