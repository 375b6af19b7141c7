#include "LongLines.h"

#include "TextScan.h"

#include <algorithm>
#include <cstring>

namespace {

bool IsUtf8Continuation(unsigned char byte)
{
    return (byte & 0xC0) == 0x80;
}

// UTF-16 units of the character a UTF-8 lead byte starts: two beyond U+FFFF.
qsizetype Utf8LeadUnits(unsigned char byte)
{
    return byte >= 0xF0 ? 2 : 1;
}

// The UTF-16 units of a line's bytes.
qsizetype LineUnits(QByteArrayView line, bool utf8)
{
    if (!utf8)
        return line.size();
    qsizetype units = 0;
    for (const char c : line) {
        const auto byte = static_cast<unsigned char>(c);
        units += IsUtf8Continuation(byte) ? 0 : Utf8LeadUnits(byte);
    }
    return units;
}

// How many bytes of the line make its first `limit` units, without splitting a character.
qsizetype PrefixBytes(QByteArrayView line, qsizetype limit, bool utf8)
{
    if (!utf8)
        return std::min(line.size(), limit);
    qsizetype units = 0;
    for (qsizetype i = 0; i < line.size(); ++i) {
        const auto byte = static_cast<unsigned char>(line[i]);
        if (IsUtf8Continuation(byte))
            continue;
        units += Utf8LeadUnits(byte);
        if (units > limit)
            return i;
    }
    return line.size();
}

// The end of the line that starts at `from`: its CR or LF, or the end of the bytes.
qsizetype LineEnd(QByteArrayView bytes, qsizetype from)
{
    const char *start = bytes.data() + from;
    const auto rest = size_t(bytes.size() - from);
    const void *lf = std::memchr(start, '\n', rest);
    const size_t beforeLf = lf ? size_t(static_cast<const char *>(lf) - start) : rest;
    const void *cr = std::memchr(start, '\r', beforeLf);
    return from + qsizetype(cr ? static_cast<const char *>(cr) - start : qsizetype(beforeLf));
}

} // namespace

qsizetype LongestLine(QStringView text)
{
    qsizetype longest = 0;
    for (qsizetype start = 0; start <= text.size();) {
        qsizetype end = text.indexOf(u'\n', start);
        const qsizetype next = end < 0 ? text.size() + 1 : end + 1;
        if (end < 0)
            end = text.size();
        if (end > start && text[end - 1] == u'\r')
            --end;
        longest = std::max(longest, end - start);
        start = next;
    }
    return longest;
}

QString CutLongLines(QStringView text, qsizetype limit)
{
    QString cut;
    for (qsizetype start = 0; start < text.size();) {
        qsizetype end = text.indexOf(u'\n', start);
        end = end < 0 ? text.size() : end + 1;
        const QStringView line = text.sliced(start, end - start);
        const qsizetype breakLength = line.endsWith(u"\r\n") ? 2 : line.endsWith(u'\n') ? 1 : 0;
        if (line.size() - breakLength > limit) {
            const qsizetype kept = limit > 0 && line[limit - 1].isHighSurrogate() ? limit - 1
                                                                                  : limit;
            cut += line.first(kept) + line.last(breakLength);
        } else {
            cut += line;
        }
        start = end;
    }
    return cut;
}

QByteArray CutLongByteLines(QByteArrayView bytes, qsizetype limit, bool utf8, qsizetype &longest)
{
    Q_ASSERT(limit >= 2);
    longest = 0;
    // A line of more than `limit` units has more than `limit` bytes.
    if (!MayHaveLineLongerThan(bytes, limit))
        return QByteArray();
    QByteArray cut;
    qsizetype copied = 0;
    for (qsizetype start = 0; start < bytes.size();) {
        const qsizetype end = LineEnd(bytes, start);
        const QByteArrayView line = bytes.sliced(start, end - start);
        const qsizetype units = line.size() > limit ? LineUnits(line, utf8) : line.size();
        if (units > limit) {
            longest = std::max(longest, units);
            cut.append(bytes.sliced(copied, start + PrefixBytes(line, limit, utf8) - copied));
            copied = end;
        }
        const bool crLf = end + 1 < bytes.size() && bytes[end] == '\r' && bytes[end + 1] == '\n';
        start = end + (crLf ? 2 : 1);
    }
    if (copied == 0)
        return QByteArray();
    cut.append(bytes.sliced(copied));
    return cut;
}
