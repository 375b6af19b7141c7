#include "AppSettings.h"

#include <algorithm>

TSettings &Settings()
{
    static TSettings settings;
    return settings;
}

QColor BgrToColor(qint32 bgr)
{
    const auto value = static_cast<quint32>(bgr);
    return QColor(value & 0xFF, (value >> 8) & 0xFF, (value >> 16) & 0xFF);
}

qint32 ColorToBgr(const QColor &color)
{
    return static_cast<qint32>(color.red() | (color.green() << 8) | (color.blue() << 16));
}

namespace {

QFont MakeFont(const QString &name, int size, bool bold)
{
    QFont font(name);
    if (size > 0)
        font.setPointSize(std::clamp(size, MinFontSize, MaxFontSize));
    font.setBold(bold);
    return font;
}

} // namespace

QFont EditorFontOfSettings()
{
    const TSettings &s = Settings();
    return MakeFont(s.EditorSchriftName, s.EditorSchriftGroesse, s.EditorSchriftBold);
}

QFont ErrorFontOfSettings()
{
    const TSettings &s = Settings();
    return MakeFont(s.ErrorSchriftName, s.ErrorSchriftGroesse, s.ErrorSchriftBold);
}
