#include "BenchText.h"

QString RepeatedLine(const QString &line, qsizetype characters)
{
    QString text;
    text.reserve(characters + line.size());
    while (text.size() < characters)
        text += line;
    return text;
}
