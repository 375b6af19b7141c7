#include "Skeletons.h"

QStringList StylesheetPageLines(const QString &stylesheetName)
{
    return QString::fromUtf8(StylesheetPage.data()).arg(stylesheetName).split(u'\n');
}

QStringList CssBasicLines()
{
    return {
        "body {",
        "  font-size: 1.2em;",
        "  color: rgb(100,100,100);",
        "  font-family: Arial, Helvetica, Verdana, sans-serif;",
        "  font-weight: 400;",
        "}",
    };
}
