#include "TextScan.h"

namespace {

// Units looked at together; each block's loop becomes a few vector instructions.
constexpr qsizetype Block = 32;

// Each position i >= 1 where exactly one of "LF at i" and "CR at i - 1" holds marks one lone
// break (a LF without its CR, or a CR without its LF); a LF at the start and a CR at the end
// are lone too.
template<typename Char>
qsizetype LoneBreaks(const Char *p, qsizetype size)
{
    if (size == 0)
        return 0;
    qsizetype lone = qsizetype(p[0] == '\n') + qsizetype(p[size - 1] == '\r');
    qsizetype i = 1;
    for (; i + Block <= size; i += Block) {
        unsigned inBlock = 0;
        for (qsizetype k = i; k < i + Block; ++k)
            inBlock += unsigned(p[k] == '\n') ^ unsigned(p[k - 1] == '\r');
        lone += inBlock;
    }
    for (; i < size; ++i)
        lone += (p[i] == '\n') != (p[i - 1] == '\r');
    return lone;
}

// The bytes whose character differs from Latin-1 in windows-1252.
inline bool IsC1Byte(unsigned char byte)
{
    return (byte & 0xE0) == 0x80;
}

template<typename View, typename Char>
bool MayHaveLongLine(View text, qsizetype limit, Char lineFeed)
{
    for (qsizetype start = 0; text.size() - start > limit;) {
        const qsizetype found = text.lastIndexOf(lineFeed, start + limit);
        if (found < start)
            return true;
        start = found + 1;
    }
    return false;
}

} // namespace

qsizetype LoneBreakCount(QByteArrayView bytes)
{
    return LoneBreaks(bytes.data(), bytes.size());
}

qsizetype LoneBreakCount(QStringView text)
{
    return LoneBreaks(text.utf16(), text.size());
}

bool MayHaveLineLongerThan(QStringView text, qsizetype limit)
{
    return MayHaveLongLine(text, limit, u'\n');
}

bool MayHaveLineLongerThan(QByteArrayView bytes, qsizetype limit)
{
    return MayHaveLongLine(bytes, limit, '\n');
}

qsizetype CountUnits(QStringView text, char16_t a, char16_t b, char16_t c)
{
    const char16_t *p = text.utf16();
    const qsizetype size = text.size();
    qsizetype count = 0;
    qsizetype i = 0;
    for (; i + Block <= size; i += Block) {
        unsigned inBlock = 0;
        for (qsizetype k = i; k < i + Block; ++k)
            inBlock += unsigned(p[k] == a) | unsigned(p[k] == b) | unsigned(p[k] == c);
        count += inBlock;
    }
    for (; i < size; ++i)
        count += p[i] == a || p[i] == b || p[i] == c;
    return count;
}

void ReplaceUnits(char16_t *units, qsizetype size, char16_t from, char16_t to)
{
    for (qsizetype i = 0; i < size; ++i)
        units[i] = units[i] == from ? to : units[i];
}

void WidenBytes(QByteArrayView bytes, const char16_t (&high)[32], char16_t *out)
{
    const auto *in = reinterpret_cast<const unsigned char *>(bytes.data());
    const qsizetype size = bytes.size();
    // The bytes 0x80..0x9F are rare in texts: a block is widened as a whole and looked at again
    // only when it holds one.
    qsizetype i = 0;
    for (; i + Block <= size; i += Block) {
        unsigned c1 = 0;
        for (qsizetype k = i; k < i + Block; ++k) {
            out[k] = in[k];
            c1 |= unsigned(IsC1Byte(in[k]));
        }
        if (c1 == 0)
            continue;
        for (qsizetype k = i; k < i + Block; ++k) {
            if (IsC1Byte(in[k]))
                out[k] = high[in[k] - 0x80];
        }
    }
    for (; i < size; ++i)
        out[i] = IsC1Byte(in[i]) ? high[in[i] - 0x80] : char16_t(in[i]);
}
