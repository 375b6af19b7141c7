#include "Skeletons.h"

QStringList StylesheetPageLines(const QString &stylesheetName)
{
    return QString::fromUtf8(StylesheetPage.data()).arg(stylesheetName).split(u'\n');
}
