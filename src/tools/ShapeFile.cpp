#include "ShapeFile.h"

#include "HalfEven.h"

#include <algorithm>
#include <cmath>

namespace {

// Reads the values of a shape file line by line and remembers the first problem.
class TShapeReader
{
public:
    explicit TShapeReader(const QString &text)
        : Lines(text.split("\r\n"))
    {
        if (Lines.last().isEmpty())
            Lines.removeLast(); // after the break that ends the last line, or an empty file
    }

    bool ReadCount(int &count, int linesPerItem, const char *items);
    bool ReadInteger(int &value);
    bool ReadReal(double &value);
    bool ReadName(QString &name);
    QString Error;

private:
    bool NextLine(QString &line);
    bool Fail(const QString &text);

    QStringList Lines;
    int Next = 0;
};

bool TShapeReader::Fail(const QString &text)
{
    Error = text;
    return false;
}

bool TShapeReader::NextLine(QString &line)
{
    if (Next >= Lines.size())
        return Fail("Die SHW-Datei ist unvollständig: Zeile " + QString::number(Next + 1)
                    + " fehlt.");
    line = Lines[Next++];
    return true;
}

bool TShapeReader::ReadName(QString &name)
{
    return NextLine(name);
}

bool TShapeReader::ReadInteger(int &value)
{
    QString line;
    if (!NextLine(line))
        return false;
    bool ok = false;
    value = line.trimmed().toInt(&ok);
    if (!ok)
        return Fail("Die SHW-Datei hat in Zeile " + QString::number(Next)
                    + " keine ganze Zahl, sondern \"" + line + "\".");
    return true;
}

bool TShapeReader::ReadReal(double &value)
{
    QString line;
    if (!NextLine(line))
        return false;
    QString number = line.trimmed();
    if (!number.contains('.'))
        number.replace(',', '.');
    bool ok = false;
    value = number.toDouble(&ok);
    if (!ok || !std::isfinite(value))
        return Fail("Die SHW-Datei hat in Zeile " + QString::number(Next)
                    + " keine gültige Zahl, sondern \"" + line + "\".");
    return true;
}

// A count of items that each take at least linesPerItem lines: it must not be negative and the
// rest of the file must be able to hold it.
bool TShapeReader::ReadCount(int &count, int linesPerItem, const char *items)
{
    if (!ReadInteger(count))
        return false;
    const QString where = "Die SHW-Datei hat in Zeile " + QString::number(Next) + " ";
    if (count < 0)
        return Fail(where + "die ungültige Anzahl " + QString::number(count) + ".");
    const qint64 remaining = Lines.size() - Next;
    if (qint64(count) * linesPerItem > remaining)
        return Fail(where + "die Anzahl " + QString::number(count) + " " + items
                    + ", die Datei ist aber vorher zu Ende.");
    return true;
}

bool ReadShape(TShapeReader &reader, TShape &shape)
{
    int pointCount = 0;
    if (!reader.ReadName(shape.Name) || !reader.ReadCount(pointCount, 2, "Punkte"))
        return false;
    shape.Points.reserve(static_cast<size_t>(pointCount));
    for (int i = 0; i < pointCount; ++i) {
        double x = 0;
        double y = 0;
        if (!reader.ReadReal(x) || !reader.ReadReal(y))
            return false;
        shape.Points.emplace_back(x, y);
    }
    return true;
}

struct TBounds
{
    double MinX = 0;
    double MaxX = 0;
    double MinY = 0;
    double MaxY = 0;
    bool Empty = true;
};

TBounds BoundingBox(const TShapeFile &file)
{
    TBounds box;
    for (const TShape &shape : file.Shapes) {
        for (const QPointF &p : shape.Points) {
            if (box.Empty) {
                box = {p.x(), p.x(), p.y(), p.y(), false};
                continue;
            }
            box.MinX = std::min(box.MinX, p.x());
            box.MaxX = std::max(box.MaxX, p.x());
            box.MinY = std::min(box.MinY, p.y());
            box.MaxY = std::max(box.MaxY, p.y());
        }
    }
    return box;
}

// Maps shape coordinates into the picture: x scaled by the common scale, y stretched over the
// picture's height and turned so that it points down.
struct TShapeScale
{
    TBounds Box;
    double Scale = 0;
    int Height = 0;

    QString Point(const QPointF &p) const
    {
        const double px = RoundHalfEven((p.x() - Box.MinX) / Scale);
        const double py = RoundHalfEven(Height * (1 - (p.y() - Box.MinY) / (Box.MaxY - Box.MinY)));
        return QString::number(qint64(px)) + "," + QString::number(qint64(py));
    }
};

// Checks the bounding box and works out the scale; the note when the shapes cannot be mapped.
QString MakeScale(const TShapeFile &file, QSize picture, TShapeScale &scale)
{
    if (picture.width() <= 0 || picture.height() <= 0)
        return "Das Bild hat keine Fläche; daraus lässt sich keine Bildkarte berechnen.";
    scale.Box = BoundingBox(file);
    scale.Height = picture.height();
    if (scale.Box.Empty)
        return "Die SHW-Datei enthält keine Punkte.";
    const double spanX = scale.Box.MaxX - scale.Box.MinX;
    const double spanY = scale.Box.MaxY - scale.Box.MinY;
    if (!std::isfinite(spanX) || !std::isfinite(spanY))
        return "Die Koordinaten der SHW-Datei liegen zu weit auseinander.";
    if (spanY <= 0)
        return "Alle Punkte der SHW-Datei haben dieselbe y-Koordinate; die Formen haben keine "
               "Höhe, daraus lässt sich keine Bildkarte berechnen.";
    scale.Scale = std::max(RoundHalfEven(spanX) / picture.width(),
                           RoundHalfEven(spanY) / picture.height());
    if (scale.Scale <= 0)
        return "Die Formen der SHW-Datei sind kleiner als ein Pixel; daraus lässt sich keine "
               "Bildkarte berechnen.";
    return {};
}

void AddAreaLines(const TShape &shape, int number, const TShapeScale &scale, QStringList &lines)
{
    const QString indent(7, ' ');
    QString name = shape.Name;
    name.replace('"', "&quot;"); // a quote in the name would end the attribute
    lines << "  <area shape=\"poly\" alt=\"" + name + "\" coords=";
    QString line = indent + "\"";
    const size_t count = shape.Points.size();
    for (size_t i = 0; i < count; ++i) {
        line += scale.Point(shape.Points[i]);
        if (i + 1 < count)
            line += " ,";
        if ((i + 1) % 10 == 0) {
            lines << line;
            line = indent;
        }
    }
    lines << line + "\" href=\"gem_" + QString::number(number) + ".html\" />";
}

} // namespace

TShapeFileResult ParseShapeFile(const QString &text)
{
    TShapeFileResult result;
    TShapeReader reader(text);
    int shapeCount = 0;
    if (!reader.ReadInteger(result.File.ShapeType))
        return {{}, reader.Error};
    if (result.File.ShapeType != 2 && result.File.ShapeType != 3)
        return {{}, WrongShapeTypeNote};
    if (!reader.ReadCount(shapeCount, 2, "Formen"))
        return {{}, reader.Error};
    result.File.Shapes.resize(static_cast<size_t>(shapeCount));
    for (TShape &shape : result.File.Shapes) {
        if (!ReadShape(reader, shape))
            return {{}, reader.Error};
    }
    return result;
}

TShapeMapResult ShapeMapLines(const TShapeFile &file, QSize picture)
{
    TShapeScale scale;
    const QString problem = MakeScale(file, picture, scale);
    if (!problem.isEmpty())
        return {{}, problem};
    TShapeMapResult result;
    result.Lines << "<map name=\"shapeareaname\">";
    for (size_t i = 0; i < file.Shapes.size(); ++i)
        AddAreaLines(file.Shapes[i], int(i + 1), scale, result.Lines);
    result.Lines << "</map>";
    return result;
}
