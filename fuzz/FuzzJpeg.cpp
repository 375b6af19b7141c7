// Any bytes go through the JPEG decoder without a crash; a picture it decodes can be encoded and
// decodes again to a picture of the same size.
#include "JpegCodec.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    // A small pixel limit keeps the fuzzer's memory in bounds; the refusal path is tested too.
    constexpr qint64 maxPixels = 4LL * 1024 * 1024;
    const QByteArray bytes = QByteArray::fromRawData(reinterpret_cast<const char *>(data),
                                                     qsizetype(size));
    const TJpegDecodeResult decoded = TJpegCodec::Decode(bytes, maxPixels);
    if (!decoded.Ok())
        return 0;
    const TJpegEncodeResult encoded = TJpegCodec::Encode(decoded.Image);
    if (!encoded.Ok())
        std::abort(); // a decoded picture must be encodable
    const TJpegDecodeResult again = TJpegCodec::Decode(encoded.Data, maxPixels);
    if (!again.Ok() || again.Image.size() != decoded.Image.size())
        std::abort();
    return 0;
}
