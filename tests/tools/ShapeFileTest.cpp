#include "ShapeFile.h"

#include "TestPictures.h"

#include <gtest/gtest.h>

namespace {

// A shape file text from its lines, joined by CR LF with a break at the end.
QString ShapeText(const QStringList &lines)
{
    return lines.join("\r\n") + "\r\n";
}

// Lines of a type-3 file with one shape "Zacke" whose points are (i, i mod 2), i = 0 .. n-1.
QStringList ZigZag(int n)
{
    QStringList lines{"3", "1", "Zacke", QString::number(n)};
    for (int i = 0; i < n; ++i)
        lines << QString::number(i) << QString::number(i % 2);
    return lines;
}

TShapeMapResult MapOf(const QStringList &lines, QSize picture)
{
    const TShapeFileResult parsed = ParseShapeFile(ShapeText(lines));
    EXPECT_TRUE(parsed.Ok()) << parsed.Error.toStdString();
    return ShapeMapLines(parsed.File, picture);
}

} // namespace

TEST(ShapeFile, ShapesBecomePolygonAreasScaledIntoThePicture)
{
    // Box 10..210 x 20..120 into 100 x 50: scale 2, y turned to point down.
    const QStringList file{"3",  "2",   "Feld",    "4", "10",  "20", "210", "20", "210", "120",
                           "10", "120", "Dreieck", "3", "110", "70", "10",  "20", "210", "20"};
    const TShapeMapResult map = MapOf(file, {100, 50});
    ASSERT_TRUE(map.Ok()) << map.Error.toStdString();
    const QStringList expected{
        R"(<map name="shapeareaname">)",
        R"(  <area shape="poly" alt="Feld" coords=)",
        R"(       "0,50 ,100,50 ,100,0 ,0,0" href="gem_1.html" />)",
        R"(  <area shape="poly" alt="Dreieck" coords=)",
        R"(       "50,25 ,0,50 ,100,50" href="gem_2.html" />)",
        R"(</map>)",
    };
    EXPECT_EQ(map.Lines, expected);
}

TEST(ShapeFile, RoundingGoesHalfToEven)
{
    // Box 0..20 x 0..10 into 10 x 10: scale max(20/10, 10/10) = 2; px 2.5 -> 2, 3.5 -> 4;
    // py = 10 - y: 7.5 -> 8, 6.5 -> 6.
    const QStringList file{"2", "1", "Linie", "4", "0", "0", "20", "10", "5", "2.5", "7", "3,5"};
    EXPECT_EQ(MapOf(file, {10, 10}).Lines.at(2),
              R"(       "0,10 ,10,0 ,2,8 ,4,6" href="gem_1.html" />)");
    // The box width 2.5 rounds to 2, so the scale is 2 (not 3): x 1.5 -> 0.75 -> 1.
    const QStringList narrow{"3", "1", "S", "3", "0", "0", "2.5", "1", "1.5", "0.5"};
    EXPECT_EQ(MapOf(narrow, {1, 100}).Lines.at(2),
              R"(       "0,100 ,1,0 ,1,50" href="gem_1.html" />)");
}

TEST(ShapeFile, TenPointsFillALine)
{
    const QString tenPoints = R"(       "0,1 ,1,0 ,2,1 ,3,0 ,4,1 ,5,0 ,6,1 ,7,0 ,8,1 ,9,0)";
    const TShapeMapResult ten = MapOf(ZigZag(10), {9, 1});
    EXPECT_EQ(ten.Lines.mid(2, 2), QStringList({tenPoints, R"(       " href="gem_1.html" />)"}));
    const TShapeMapResult eleven = MapOf(ZigZag(11), {10, 1});
    EXPECT_EQ(eleven.Lines.mid(2, 2),
              QStringList({tenPoints + " ,", R"(       10,1" href="gem_1.html" />)"}));
    EXPECT_EQ(eleven.Lines.size(), 5);
}

TEST(ShapeFile, OnlyLineAndPolygonFilesAreAccepted)
{
    const char *note = "Die SHW-Datei hat ein falsches Format (Punktshape";
    for (const char *type : {"1", "0", "4", "-3"}) {
        const TShapeFileResult parsed = ParseShapeFile(ShapeText({type, "1", "P", "1", "5", "5"}));
        EXPECT_EQ(parsed.Error, note) << type;
    }
    EXPECT_TRUE(ParseShapeFile(ShapeText({"2", "0"})).Ok());
    EXPECT_TRUE(ParseShapeFile(ShapeText({" 3 ", "0"})).Ok()) << "blanks around a number";
}

TEST(ShapeFile, MalformedFilesGiveANote)
{
    const struct
    {
        const char *Name;
        QString Text;
        const char *Note;
    } cases[] = {
        {"empty file", "", "Die SHW-Datei ist unvollständig: Zeile 1 fehlt."},
        {"no count", ShapeText({"3"}), "Die SHW-Datei ist unvollständig: Zeile 2 fehlt."},
        {"last y missing",
         ShapeText({"3", "1", "A", "2", "1", "2", "3"}),
         "Die SHW-Datei hat in Zeile 4 die Anzahl 2 Punkte, die Datei ist aber vorher zu Ende."},
        {"last y missing, no final break",
         "3\r\n1\r\nA\r\n1\r\n1",
         "Die SHW-Datei hat in Zeile 4 die Anzahl 1 Punkte, die Datei ist aber vorher zu Ende."},
        {"text as type",
         ShapeText({"Polygon", "1"}),
         "Die SHW-Datei hat in Zeile 1 keine ganze Zahl, sondern \"Polygon\"."},
        {"text as x",
         ShapeText({"3", "1", "A", "1", "zehn", "2"}),
         "Die SHW-Datei hat in Zeile 5 keine gültige Zahl, sondern \"zehn\"."},
        {"not a number",
         ShapeText({"3", "1", "A", "1", "1", "nan"}),
         "Die SHW-Datei hat in Zeile 6 keine gültige Zahl, sondern \"nan\"."},
        {"fraction as count",
         ShapeText({"3", "1.5"}),
         "Die SHW-Datei hat in Zeile 2 keine ganze Zahl, sondern \"1.5\"."},
        {"negative count",
         ShapeText({"3", "-1"}),
         "Die SHW-Datei hat in Zeile 2 die ungültige Anzahl -1."},
        {"huge point count",
         ShapeText({"3", "1", "A", "2000000000", "1", "1"}),
         "Die SHW-Datei hat in Zeile 4 die Anzahl 2000000000 Punkte, die Datei ist aber vorher zu "
         "Ende."},
        {"huge shape count",
         ShapeText({"3", "99999", "A", "0"}),
         "Die SHW-Datei hat in Zeile 2 die Anzahl 99999 Formen, die Datei ist aber vorher zu "
         "Ende."},
    };
    for (const auto &c : cases) {
        const TShapeFileResult parsed = ParseShapeFile(c.Text);
        EXPECT_EQ(parsed.Error, QString::fromUtf8(c.Note)) << c.Name;
        EXPECT_TRUE(parsed.File.Shapes.empty()) << c.Name;
    }
}

TEST(ShapeFile, ShapesThatCannotBeMappedGiveANote)
{
    const struct
    {
        const char *Name;
        QStringList Lines;
        QSize Picture;
        const char *Note;
    } cases[] = {
        {"no points", {"3", "1", "A", "0"}, {10, 10}, "Die SHW-Datei enthält keine Punkte."},
        {"zero height",
         {"3", "1", "A", "2", "0", "5", "10", "5"},
         {10, 10},
         "Alle Punkte der SHW-Datei haben dieselbe y-Koordinate; die Formen haben keine Höhe, "
         "daraus lässt sich keine Bildkarte berechnen."},
        {"smaller than a pixel",
         {"3", "1", "A", "2", "0", "0", "0.25", "0.25"},
         {10, 10},
         "Die Formen der SHW-Datei sind kleiner als ein Pixel; daraus lässt sich keine Bildkarte "
         "berechnen."},
        {"too far apart",
         {"3", "1", "A", "2", "-1e308", "0", "1e308", "1"},
         {10, 10},
         "Die Koordinaten der SHW-Datei liegen zu weit auseinander."},
    };
    for (const auto &c : cases) {
        const TShapeMapResult map = MapOf(c.Lines, c.Picture);
        EXPECT_EQ(map.Error, QString::fromUtf8(c.Note)) << c.Name;
        EXPECT_TRUE(map.Lines.isEmpty()) << c.Name;
    }
}

TEST(ShapeFile, AQuoteInANameCannotEndTheAttribute)
{
    const TShapeMapResult map = MapOf({"3", "1", "Der \"Hof\"", "2", "0", "0", "4", "2"}, {4, 2});
    EXPECT_EQ(map.Lines.at(1), R"(  <area shape="poly" alt="Der &quot;Hof&quot;" coords=)");
}
