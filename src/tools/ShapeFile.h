#pragma once

#include <QPointF>
#include <QSize>
#include <QString>
#include <QStringList>

#include <vector>

// One named shape of a shape file with its outline.
struct TShape
{
    QString Name;
    std::vector<QPointF> Points;
};

// The content of a shape text file (".shw"): the shape type and the shapes.
struct TShapeFile
{
    int ShapeType = 0;
    std::vector<TShape> Shapes;
};

// A parsed shape file, or the German note that says why it cannot be used.
struct TShapeFileResult
{
    TShapeFile File;
    QString Error;

    bool Ok() const { return Error.isEmpty(); }
};

// Lines of an image map, or the German note that says why none was made.
struct TShapeMapResult
{
    QStringList Lines;
    QString Error;

    bool Ok() const { return Error.isEmpty(); }
};

// Note for a shape file of a type other than lines (2) or polygons (3).
inline constexpr const char *WrongShapeTypeNote
    = "Die SHW-Datei hat ein falsches Format (Punktshape";
// Shape files above this size are not read.
inline constexpr qint64 MaxShapeFileSize = 64LL * 1024 * 1024;

// Parses a shape text file: one value per line, the shape type (an integer), the number of
// shapes, then for each shape its name, its number of points and x and y of every point (real
// numbers, with a decimal point or comma). Only types 2 and 3 are accepted. A missing line, text
// where a number belongs or a count larger than the rest of the file can hold gives a note.
TShapeFileResult ParseShapeFile(const QString &text);
// The image map for a picture of the given size: every shape's outline is moved into the
// bounding box of all points and scaled into the picture, y pointing down; every shape becomes a
// polygon area with the link "gem_I.html" (I its number from 1), ten points per line.
TShapeMapResult ShapeMapLines(const TShapeFile &file, QSize picture);
