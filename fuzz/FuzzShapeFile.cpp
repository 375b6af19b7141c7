// Any text goes through the shape-file parser, and whatever it accepts makes an image map for a
// picture of any size, without a crash.
#include "ShapeFile.h"

#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    if (size < 2)
        return 0;
    // The first two bytes give the picture's size, zero included.
    const QSize picture(data[0] * 7, data[1] * 5);
    const QString text = QString::fromLatin1(reinterpret_cast<const char *>(data) + 2,
                                             qsizetype(size) - 2);
    const TShapeFileResult parsed = ParseShapeFile(text);
    if (parsed.Ok())
        (void) ShapeMapLines(parsed.File, picture);
    return 0;
}
