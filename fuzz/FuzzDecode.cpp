// The text decoders lose no byte: any file whose line breaks are all CR LF or all LF decodes to
// a text that encodes back to the very same bytes, in windows-1252, UTF-8 with stray bytes,
// UTF-16 and UTF-32. (Mixed line breaks become one kind on purpose.)
#include "TextFile.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <vector>

namespace {

// Puts every line break of a sequence of code units into one form: CR LF, or LF alone.
std::vector<uint32_t> OneKindOfBreak(const std::vector<uint32_t> &units, bool lf)
{
    std::vector<uint32_t> out;
    for (size_t i = 0; i < units.size(); ++i) {
        const uint32_t u = units[i];
        if (u != '\r' && u != '\n') {
            out.push_back(u);
            continue;
        }
        if (u == '\r' && i + 1 < units.size() && units[i + 1] == '\n')
            ++i;
        if (!lf)
            out.push_back('\r');
        out.push_back('\n');
    }
    return out;
}

// The file: code units of the given width (1, 2 or 4 bytes) in the given byte order, with the
// matching byte order mark for the wider ones, and the odd bytes left over at the end.
QByteArray FileBytes(const uint8_t *data, size_t size, int width, bool bigEndian, bool lf)
{
    std::vector<uint32_t> units;
    for (size_t i = 0; i + width <= size; i += width) {
        uint32_t u = 0;
        for (int b = 0; b < width; ++b)
            u = bigEndian ? (u << 8) | data[i + b] : u | uint32_t(data[i + b]) << (8 * b);
        units.push_back(u);
    }
    QByteArray bytes;
    if (width > 1)
        units.insert(units.begin(), 0xFEFF);
    for (const uint32_t u : OneKindOfBreak(units, lf)) {
        for (int b = 0; b < width; ++b)
            bytes += char(bigEndian ? u >> (8 * (width - 1 - b)) : u >> (8 * b));
    }
    bytes.append(reinterpret_cast<const char *>(data) + size - size % width,
                 qsizetype(size % width));
    return bytes;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    if (size < 1)
        return 0;
    const int mode = data[0] % 5;
    const int width = mode == 0 ? 1 : (mode < 3 ? 2 : 4);
    const QByteArray bytes = FileBytes(data + 1, size - 1, width, mode % 2 == 0, data[0] & 0x80);
    // Eight-bit files that begin like a UTF-16 or UTF-32 file are those files' business.
    if (width == 1
        && (bytes.startsWith("\xFF\xFE") || bytes.startsWith("\xFE\xFF")
            || bytes.startsWith(QByteArray("\0\0\xFE\xFF", 4))))
        return 0;
    const TDecodedText decoded = DecodeText(bytes);
    // Bytes that look like no text are written back as they were read while unchanged (the
    // document keeps them), so only their decoding must not crash.
    if (decoded.LooksBinary)
        return 0;
    if (EncodeText(decoded.Text, decoded.Format) != bytes)
        std::abort();
    return 0;
}
