#include "PackedBytes.h"

#include <QtGlobal>

#include <climits>
#include <new>
#include <vector>
#include <zlib.h>

namespace {

// One deflate stream per thread, reset for each run of bytes: setting one up costs more than
// packing a few kilobytes.
class TDeflater
{
public:
    TDeflater()
    {
        // Raw deflate (no header: the size is known elsewhere), fastest level.
        Ready = deflateInit2(&Stream, 1, Z_DEFLATED, -MAX_WBITS, 8, Z_DEFAULT_STRATEGY) == Z_OK;
    }
    ~TDeflater()
    {
        if (Ready)
            deflateEnd(&Stream);
    }
    TDeflater(const TDeflater &) = delete;
    TDeflater &operator=(const TDeflater &) = delete;

    QByteArray Pack(QByteArrayView raw)
    {
        if (!Ready || raw.size() > UINT_MAX / 2)
            throw std::bad_alloc();
        deflateReset(&Stream);
        Out.resize(deflateBound(&Stream, uLong(raw.size())));
        Stream.next_in = reinterpret_cast<Bytef *>(const_cast<char *>(raw.data()));
        Stream.avail_in = uInt(raw.size());
        Stream.next_out = reinterpret_cast<Bytef *>(Out.data());
        Stream.avail_out = uInt(Out.size());
        if (deflate(&Stream, Z_FINISH) != Z_STREAM_END)
            throw std::bad_alloc();
        // A copy of exactly the packed size: the scratch buffer is sized for the worst case.
        return QByteArray(Out.data(), qsizetype(Stream.total_out));
    }

private:
    z_stream Stream{};
    std::vector<char> Out;
    bool Ready = false;
};

} // namespace

QByteArray PackBytes(QByteArrayView raw)
{
    thread_local TDeflater deflater;
    return deflater.Pack(raw);
}

void UnpackBytes(QByteArrayView packed, char *out, qsizetype size)
{
    z_stream stream{};
    if (inflateInit2(&stream, -MAX_WBITS) != Z_OK)
        throw std::bad_alloc();
    stream.next_in = reinterpret_cast<Bytef *>(const_cast<char *>(packed.data()));
    stream.avail_in = uInt(packed.size());
    stream.next_out = reinterpret_cast<Bytef *>(out);
    stream.avail_out = uInt(size);
    const int result = inflate(&stream, Z_FINISH);
    [[maybe_unused]] const qsizetype unpacked = qsizetype(stream.total_out);
    inflateEnd(&stream);
    if (result == Z_MEM_ERROR)
        throw std::bad_alloc();
    // Anything else would be a fault of this program: the bytes were packed here.
    Q_ASSERT(result == Z_STREAM_END && unpacked == size);
}
