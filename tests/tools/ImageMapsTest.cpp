#include "ImageMaps.h"

#include "JpegCodec.h"
#include "ProgramPaths.h"
#include "ScriptedPrompter.h"
#include "ScriptedToolDialogs.h"
#include "TestPictures.h"

#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

class ImageMapsTest : public ::testing::Test
{
protected:
    QString Write(const QString &name, const QByteArray &bytes)
    {
        EXPECT_TRUE(WriteBytes(Dir.filePath(name), bytes));
        return Dir.filePath(name);
    }

    // A 100 x 50 picture and the answers that choose it and the shape file with the text.
    void ChooseFiles(const QByteArray &shapeText)
    {
        Dialogs.ShapePictureAnswers = {
            Write("karte.jpg", TJpegCodec::Encode(BlockPicture(100, 50)).Data)};
        Dialogs.ShapeFileAnswers = {Write("karte.shw", shapeText)};
    }

    QTemporaryDir Dir;
    TScriptedPrompter Prompter;
    TPrompterScope PrompterScope{Prompter};
    TScriptedToolDialogs Dialogs;
    TToolDialogsScope DialogsScope{Dialogs};
};

} // namespace

TEST_F(ImageMapsTest, AreaTagComesBetweenTwoBreaks)
{
    const QString tag = R"(<area shape="rect" alt="alt-text" coords="1, 2, 3, 4" href="ref.html" />)";
    Dialogs.AreaTagAnswers = {tag, std::nullopt};
    EXPECT_EQ(AreaTagLines("/srv/www/"), QStringList({"<br />", tag, "<br />"}));
    EXPECT_EQ(AreaTagLines(""), std::nullopt) << "tool closed without saving";
    EXPECT_EQ(Dialogs.InitialDirs, QStringList({"/srv/www/", ProgramDirectory}));
}

TEST_F(ImageMapsTest, ShapeFileBecomesAMapScaledToThePicture)
{
    ChooseFiles("3\r\n1\r\nFeld\r\n2\r\n0\r\n0\r\n200\r\n100\r\n");
    const std::optional<QStringList> lines = ShapeMapLinesFromFiles(Dir.path() + "/");
    const QStringList expected{R"(<map name="shapeareaname">)",
                               R"(  <area shape="poly" alt="Feld" coords=)",
                               R"(       "0,50 ,100,0" href="gem_1.html" />)",
                               "</map>"};
    EXPECT_EQ(lines, expected);
    EXPECT_EQ(Dialogs.Calls, QStringList({"ShapePicture", "ShapeFile"}));
    EXPECT_EQ(Dialogs.InitialDirs, QStringList({Dir.path() + "/", Dir.path() + "/"}));
    EXPECT_TRUE(Prompter.Prompts.empty());
}

TEST_F(ImageMapsTest, UnusableShapeFilesGiveANoteAndNoLines)
{
    const struct
    {
        const char *Text;
        const char *Note;
    } cases[] = {
        {"1\r\n1\r\nP\r\n1\r\n5\r\n5\r\n", "Die SHW-Datei hat ein falsches Format (Punktshape"},
        {"3\r\n1\r\nA\r\n5\r\n1\r\n",
         "Die SHW-Datei hat in Zeile 4 die Anzahl 5 Punkte, die Datei "
         "ist aber vorher zu Ende."},
        {"3\r\n1\r\nA\r\n2\r\n0\r\n7\r\n9\r\n7\r\n",
         "Alle Punkte der SHW-Datei haben dieselbe y-Koordinate; die Formen haben keine Höhe, "
         "daraus lässt sich keine Bildkarte berechnen."},
    };
    for (const auto &c : cases) {
        Prompter.Prompts.clear();
        ChooseFiles(c.Text);
        EXPECT_EQ(ShapeMapLinesFromFiles(Dir.path()), std::nullopt) << c.Text;
        ASSERT_EQ(Prompter.Prompts.size(), 1u) << c.Text;
        EXPECT_EQ(Prompter.Prompts[0].Kind, "Note");
        EXPECT_EQ(Prompter.Prompts[0].Caption, "Hinweis");
        EXPECT_EQ(Prompter.Prompts[0].Text, QString::fromUtf8(c.Note));
    }
}

TEST_F(ImageMapsTest, CancelOrUnreadablePictureStopsBeforeTheShapeFile)
{
    EXPECT_EQ(ShapeMapLinesFromFiles(Dir.path()), std::nullopt);
    EXPECT_EQ(Dialogs.Calls, QStringList({"ShapePicture"}));
    EXPECT_TRUE(Prompter.Prompts.empty());

    Dialogs.ShapePictureAnswers = {Write("kaputt.jpg", "\xFF\xD8\xFF\xE0")};
    EXPECT_EQ(ShapeMapLinesFromFiles(Dir.path()), std::nullopt);
    EXPECT_EQ(Dialogs.Calls, QStringList({"ShapePicture", "ShapePicture"}));
    EXPECT_EQ(Prompter.Count("Error"), 1);

    ChooseFiles("3\r\n0\r\n");
    Dialogs.ShapeFileAnswers = {std::nullopt};
    EXPECT_EQ(ShapeMapLinesFromFiles(Dir.path()), std::nullopt) << "shape file cancelled";
    Dialogs.ShapePictureAnswers = {Dir.filePath("karte.jpg")};
    Dialogs.ShapeFileAnswers = {Dir.filePath("fehlt.shw")};
    EXPECT_EQ(ShapeMapLinesFromFiles(Dir.path()), std::nullopt);
    EXPECT_EQ(Prompter.Count("Error"), 2) << "a missing shape file is reported";
}
