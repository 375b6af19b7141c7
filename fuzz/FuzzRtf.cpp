// Any bytes go through the RTF reader without a crash, a hang or a leak.
#include "RtfReader.h"

#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const TRtfDocument document = ReadRtf(
        QByteArray::fromRawData(reinterpret_cast<const char *>(data), qsizetype(size)));
    (void) document.PlainText();
    return 0;
}
