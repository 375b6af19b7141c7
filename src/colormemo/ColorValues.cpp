#include "ColorValues.h"

#include "CodePage.h"

#include <array>
#include <optional>

namespace {

struct TNamedColor
{
    const char16_t *Name;
    TColor Value;
};

const std::array<TNamedColor, 16> NamedColors{{{u"BLACK", clBlack},
                                               {u"MAROON", clMaroon},
                                               {u"GREEN", clGreen},
                                               {u"OLIVE", clOlive},
                                               {u"NAVY", clNavy},
                                               {u"PURPLE", clPurple},
                                               {u"TEAL", clTeal},
                                               {u"GRAY", clGray},
                                               {u"SILVER", clSilver},
                                               {u"RED", clRed},
                                               {u"LIME", clLime},
                                               {u"YELLOW", clYellow},
                                               {u"BLUE", clBlue},
                                               {u"FUCHSIA", clFuchsia},
                                               {u"AQUA", clAqua},
                                               {u"WHITE", clWhite}}};

int HexDigit(QChar c)
{
    const char16_t u = c.unicode();
    if (u >= u'0' && u <= u'9')
        return u - u'0';
    if (u >= u'A' && u <= u'F')
        return u - u'A' + 10;
    if (u >= u'a' && u <= u'f')
        return u - u'a' + 10;
    return -1;
}

// Hexadecimal digits that fit 32 bits; anything else (no digit, a stray character, overflow)
// cannot be read.
std::optional<quint32> ReadHex(QStringView digits)
{
    if (digits.isEmpty())
        return std::nullopt;
    quint64 value = 0;
    for (const QChar c : digits) {
        const int digit = HexDigit(c);
        if (digit < 0)
            return std::nullopt;
        value = value * 16 + quint64(digit);
        if (value > 0xFFFFFFFFull)
            return std::nullopt;
    }
    return quint32(value);
}

// An integer in the notation where "$" marks hexadecimal, with an optional sign.
std::optional<quint32> ReadDollarInteger(QStringView text)
{
    bool negative = false;
    if (!text.isEmpty() && (text.front() == u'+' || text.front() == u'-')) {
        negative = text.front() == u'-';
        text = text.mid(1);
    }
    if (text.isEmpty() || text.front() != u'$')
        return std::nullopt;
    const std::optional<quint32> value = ReadHex(text.mid(1));
    if (!value)
        return std::nullopt;
    return negative ? quint32(0u - *value) : *value;
}

QPalette::ColorRole SystemColorRole(int index)
{
    switch (index) {
    case 4: // menu
        return QPalette::Window;
    case 5: // window
        return QPalette::Base;
    case 7: // menu text
    case 8: // window text
        return QPalette::Text;
    case 13:
        return QPalette::Highlight;
    case 14:
        return QPalette::HighlightedText;
    case 15: // button face
        return QPalette::Button;
    case 16: // button shadow
        return QPalette::Dark;
    case 18:
        return QPalette::ButtonText;
    case 20: // button highlight
        return QPalette::Light;
    case 21: // dark 3-D shadow
        return QPalette::Shadow;
    case 22: // 3-D light
        return QPalette::Midlight;
    case 23:
        return QPalette::ToolTipText;
    case 24:
        return QPalette::ToolTipBase;
    default:
        return QPalette::Window;
    }
}

} // namespace

QStringView TrimControlChars(QStringView text)
{
    qsizetype begin = 0;
    qsizetype end = text.size();
    while (begin < end && text[begin].unicode() <= 32)
        ++begin;
    while (end > begin && text[end - 1].unicode() <= 32)
        --end;
    return text.sliced(begin, end - begin);
}

TColor ParseColor(QStringView text)
{
    QString upper = TrimControlChars(text).left(10).toString();
    for (QChar &c : upper)
        c = AnsiUpper(c);
    if (upper.startsWith(u"CL"))
        upper.remove(0, 2);
    for (const TNamedColor &named : NamedColors) {
        if (upper == QStringView(named.Name))
            return named.Value;
    }
    const qsizetype hash = upper.indexOf(u'#');
    if (hash >= 0)
        upper.remove(hash, 1);
    const std::optional<quint32> value = upper.contains(u'$') ? ReadDollarInteger(upper)
                                                              : ReadHex(upper);
    if (!value)
        return clWhite;
    // Written red-green-blue, stored with red in the low byte; the top byte is dropped.
    return ((*value & 0xFF) << 16) | (*value & 0xFF00) | ((*value >> 16) & 0xFF);
}

QColor ToQColor(TColor color, const QPalette &palette)
{
    if (IsSystemColor(color))
        return palette.color(SystemColorRole(int(color & 0xFF)));
    return QColor(int(color & 0xFF), int((color >> 8) & 0xFF), int((color >> 16) & 0xFF));
}

QString ColorToHexRGB(TColor color)
{
    // Written as a number the digits come blue, green, red.
    const QString bgr = QString::number(color & 0xFFFFFFu, 16).toUpper().rightJustified(6, u'0');
    return bgr.mid(4, 2) + bgr.mid(2, 2) + bgr.mid(0, 2);
}

TColor FromQColor(const QColor &color)
{
    return RgbColor(color.red(), color.green(), color.blue());
}
