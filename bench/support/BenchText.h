#pragma once

#include <QString>

// The line repeated until the text holds at least `characters` characters: the big pages the
// benchmarks load, type into and copy.
QString RepeatedLine(const QString &line, qsizetype characters);
