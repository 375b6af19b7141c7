#pragma once

#include <QString>
#include <QStringList>

#include <optional>

// The two image-map commands of the HTML window, up to the lines they write above the caret's
// line. Both open their dialogs in the document's folder (the program directory for a document
// without a file) and report every problem themselves; nothing means nothing is written.

// "Bild-Coords": the area element of the image-map tool between two "<br />" lines, when the
// tool was ended with "Ende und speichern".
std::optional<QStringList> AreaTagLines(const QString &documentDir);
// "Bild-Coords aus SHW Datei": asks the picture (whose size the map takes) and the shape file
// and makes the image map. A picture or file that cannot be read is reported as an error, a
// shape file that cannot be used with a note.
std::optional<QStringList> ShapeMapLinesFromFiles(const QString &documentDir);
