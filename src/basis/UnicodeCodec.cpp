#include "UnicodeCodec.h"

#include <cstring>

namespace {

// The first byte from p on that is no ASCII, or end; eight bytes at a time, as most of a page
// is ASCII.
const unsigned char *SkipAscii(const unsigned char *p, const unsigned char *end)
{
    while (end - p >= 8) {
        quint64 word;
        std::memcpy(&word, p, 8);
        if ((word & 0x8080808080808080ULL) != 0)
            break;
        p += 8;
    }
    while (p < end && *p < 0x80)
        ++p;
    return p;
}

// Length of the UTF-8 sequence that starts with this byte, 0 when no sequence starts so.
int SequenceLength(unsigned char lead)
{
    if (lead < 0x80)
        return 1;
    if (lead >= 0xC2 && lead <= 0xDF)
        return 2;
    if (lead >= 0xE0 && lead <= 0xEF)
        return 3;
    if (lead >= 0xF0 && lead <= 0xF4)
        return 4;
    return 0;
}

// Length of the well-formed sequence at p (no overlong forms, surrogates or values past
// U+10FFFF) and its code point; 0 when none starts there.
int ValidSequence(const unsigned char *p, const unsigned char *end, char32_t &code)
{
    const int length = SequenceLength(*p);
    if (length == 0 || end - p < length)
        return 0;
    for (int i = 1; i < length; ++i) {
        if ((p[i] & 0xC0) != 0x80)
            return 0;
    }
    if ((p[0] == 0xE0 && p[1] < 0xA0) || (p[0] == 0xED && p[1] > 0x9F)
        || (p[0] == 0xF0 && p[1] < 0x90) || (p[0] == 0xF4 && p[1] > 0x8F))
        return 0;
    static constexpr unsigned char LeadMask[5] = {0, 0x7F, 0x1F, 0x0F, 0x07};
    code = p[0] & LeadMask[length];
    for (int i = 1; i < length; ++i)
        code = (code << 6) | (p[i] & 0x3F);
    return length;
}

bool InCarrierRange(char32_t code)
{
    return code >= FirstByteCarrier && code <= LastByteCarrier;
}

QChar Carrier(unsigned char byte)
{
    return QChar(char16_t(FirstByteCarrier + byte));
}

void Carry(TCarriedText &result, const unsigned char *bytes, int count)
{
    for (int i = 0; i < count; ++i)
        result.Text += Carrier(bytes[i]);
    result.Carried += count;
}

char32_t ReadUnit(const unsigned char *p, int size, bool bigEndian)
{
    char32_t value = 0;
    for (int i = 0; i < size; ++i)
        value |= char32_t(p[bigEndian ? i : size - 1 - i]) << (8 * (size - 1 - i));
    return value;
}

void AppendUnit(QByteArray &out, char32_t value, int size, bool bigEndian)
{
    for (int i = 0; i < size; ++i) {
        const int shift = bigEndian ? 8 * (size - 1 - i) : 8 * i;
        out += char((value >> shift) & 0xFF);
    }
}

const unsigned char *Begin(QByteArrayView bytes)
{
    return reinterpret_cast<const unsigned char *>(bytes.data());
}

} // namespace

TUtf8Scan ScanUtf8(QByteArrayView bytes, qsizetype stopAfter)
{
    TUtf8Scan scan;
    const unsigned char *p = Begin(bytes);
    const unsigned char *end = p + bytes.size();
    while (p < end) {
        if (*p < 0x80) {
            p = SkipAscii(p, end);
            continue;
        }
        char32_t code = 0;
        const int length = ValidSequence(p, end, code);
        if (length > 0) {
            ++scan.MultiByte;
            p += length;
            continue;
        }
        ++scan.Invalid;
        ++p;
        if (scan.Invalid > stopAfter && 2 * scan.Invalid > scan.MultiByte)
            break;
    }
    return scan;
}

QString Utf8ToString(QByteArrayView bytes)
{
    // Qt's decoder drops a byte order mark at the start of what it is given; here it is a
    // character of the text (the file's own mark is gone already).
    const QByteArrayView mark("\xEF\xBB\xBF", 3);
    QString text;
    while (bytes.startsWith(mark)) {
        text += QChar(0xFEFF);
        bytes = bytes.sliced(3);
    }
    return text.isEmpty() ? QString::fromUtf8(bytes) : text + QString::fromUtf8(bytes);
}

TCarriedText DecodeUtf8Carrying(QByteArrayView bytes)
{
    TCarriedText result;
    result.Text.reserve(bytes.size());
    const unsigned char *p = Begin(bytes);
    const unsigned char *end = p + bytes.size();
    const unsigned char *run = p;
    while (p < end) {
        if (*p < 0x80) {
            p = SkipAscii(p, end);
            continue;
        }
        char32_t code = 0;
        if (const int length = ValidSequence(p, end, code)) {
            result.Ambiguous = result.Ambiguous || InCarrierRange(code);
            p += length;
            continue;
        }
        // The well-formed run before the stray byte goes through Qt's fast decoder.
        result.Text += Utf8ToString(QByteArrayView(run, p - run));
        Carry(result, p, 1);
        run = ++p;
    }
    result.Text += Utf8ToString(QByteArrayView(run, end - run));
    return result;
}

TCarriedText DecodeUtf16Carrying(QByteArrayView bytes, bool bigEndian)
{
    TCarriedText result;
    result.Text.reserve(bytes.size() / 2 + 1);
    const unsigned char *p = Begin(bytes);
    const qsizetype units = bytes.size() / 2;
    for (qsizetype i = 0; i < units; ++i) {
        const QChar unit(char16_t(ReadUnit(p + 2 * i, 2, bigEndian)));
        if (unit.isHighSurrogate() && i + 1 < units
            && QChar(char16_t(ReadUnit(p + 2 * i + 2, 2, bigEndian))).isLowSurrogate()) {
            result.Text += unit;
            result.Text += QChar(char16_t(ReadUnit(p + 2 * ++i, 2, bigEndian)));
        } else if (unit.isSurrogate()) {
            Carry(result, p + 2 * i, 2);
        } else {
            result.Ambiguous = result.Ambiguous || IsByteCarrier(unit);
            result.Text += unit;
        }
    }
    if (bytes.size() % 2 != 0)
        Carry(result, p + bytes.size() - 1, 1);
    return result;
}

TCarriedText DecodeUtf32Carrying(QByteArrayView bytes, bool bigEndian)
{
    TCarriedText result;
    result.Text.reserve(bytes.size() / 4 + 4);
    const unsigned char *p = Begin(bytes);
    const qsizetype groups = bytes.size() / 4;
    for (qsizetype i = 0; i < groups; ++i) {
        const char32_t value = ReadUnit(p + 4 * i, 4, bigEndian);
        if (value > 0x10FFFF || (value >= 0xD800 && value <= 0xDFFF)) {
            Carry(result, p + 4 * i, 4);
            continue;
        }
        result.Ambiguous = result.Ambiguous || InCarrierRange(value);
        // Character by character: QString::fromUcs4 would take a U+FEFF for a byte order mark
        // and drop it.
        result.Text += QChar::fromUcs4(value);
    }
    Carry(result, p + 4 * groups, int(bytes.size() % 4));
    return result;
}

QByteArray EncodeUtf8Carrying(QStringView text, bool carries)
{
    if (!carries)
        return text.toUtf8();
    QByteArray out;
    out.reserve(text.size() + text.size() / 8);
    qsizetype run = 0;
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (!IsByteCarrier(text[i]))
            continue;
        out += text.mid(run, i - run).toUtf8();
        out += char(text[i].unicode() - FirstByteCarrier);
        run = i + 1;
    }
    out += text.mid(run).toUtf8();
    return out;
}

QByteArray EncodeUtf16Carrying(QStringView text, bool bigEndian, bool carries)
{
    QByteArray out;
    out.reserve(2 * text.size());
    for (const QChar c : text) {
        if (carries && IsByteCarrier(c))
            out += char(c.unicode() - FirstByteCarrier);
        else
            AppendUnit(out, c.unicode(), 2, bigEndian);
    }
    return out;
}

QByteArray EncodeUtf32Carrying(QStringView text, bool bigEndian, bool carries)
{
    QByteArray out;
    out.reserve(4 * text.size());
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text[i];
        if (carries && IsByteCarrier(c)) {
            out += char(c.unicode() - FirstByteCarrier);
            continue;
        }
        char32_t code = c.unicode();
        if (c.isHighSurrogate() && i + 1 < text.size() && text[i + 1].isLowSurrogate())
            code = QChar::surrogateToUcs4(c, text[++i]);
        AppendUnit(out, code, 4, bigEndian);
    }
    return out;
}
