// The insertion items whose texts or placement are easy to get wrong, checked in full on a
// scripted document, and the items that ask first (colours, picture, function name).
#include "Catalogue.h"

#include "HtmlCatalogues.h"
#include "ProgramPaths.h"
#include "QStringPrinter.h"
#include "ScriptedPrompter.h"
#include "ScriptedToolDialogs.h"
#include "Skeletons.h"
#include "TextBuffer.h"

#include <QClipboard>
#include <QFile>
#include <QGuiApplication>
#include <QImage>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

const TCatalogueEntry &Entry(const char *name)
{
    for (const TCatalogueMenu &menu : HtmlCatalogueMenus()) {
        if (const TCatalogueEntry *entry = FindCatalogueEntry(menu.Items, name))
            return *entry;
    }
    ADD_FAILURE() << "no item " << name;
    static const TCatalogueEntry missing{"", "", "", TCatalogueAction::Inactive};
    return missing;
}

// A document given as lines; "|" marks the caret (and is not part of the text).
TTextBuffer Document(const QStringList &lines)
{
    QString text = lines.join("\r\n");
    const int caret = int(text.indexOf('|'));
    text.remove(caret, 1);
    TTextBuffer editor(text);
    editor.SetSelStart(caret);
    editor.SetModified(false);
    return editor;
}

struct TFullCase
{
    const char *Name;
    QStringList Before;
    QStringList After;
};

const QStringList XhtmlStrictPage{
    R"(<?xml version="1.0" encoding="UTF-8"?>)",
    "<!DOCTYPE html",
    R"(     PUBLIC "-//W3C//DTD XHTML 1.0 Strict//EN")",
    R"(    "http://www.w3.org/TR/xhtml1/DTD/xhtml1-strict.dtd">)",
    R"(<html xmlns="http://www.w3.org/1999/xhtml" xml:lang="en" lang="en">)",
    "  <head>",
    "    <title> Beispiel 1 </title>",
    R"(      <meta name="author" content="Administrator"/>)",
    R"(      <meta http-equiv="content-type" content="text/html; charset=ISO-8859-1"/>)",
    "  </head>",
    "  <body>",
    "    <h1>",
    "      Überschrift",
    "    </h1>",
    "  </body>",
    "</html>",
};

const QStringList PureHtmlPage{
    "<html>",
    "  <head>",
    "    <title> Beispiel 1 </title>",
    "  </head>",
    "  <body>",
    "    <p>",
    "      1. Zeile",
    "    </p>",
    "  </body>",
    "</html>",
};

const TFullCase FullCases[] = {
    // Skeletons go behind the last line, whatever the caret.
    {"MnBasicXHTML_strict11", {"|"}, XhtmlStrictPage + QStringList{""}},
    {"MnBasic", {"<p>", "a|lt", "</p>"}, QStringList{"<p>", "alt", "</p>"} + PureHtmlPage},
    {"MnBasicXHTML",
     {"x|"},
     QStringList{"x",
                 R"(<?xml version="1.0" ?>)",
                 R"(<!DOCTYPE HTML PUBLIC "-//W3C//DTD HTML 4.01//EN")",
                 R"(        "http://www.w3.org/TR/html4/strict.dtd">)"}
         + XhtmlStrictPage.mid(4)},
    {"MnBasicOld",
     {"x|"},
     QStringList{"x",
                 R"(<!DOCTYPE HTML PUBLIC "-//W3C//DTD HTML 4.01 Transitional//EN")",
                 R"(          "http://www.w3.org/TR/html4/loose.dtd">)"}
         + XhtmlStrictPage.mid(4)},
    {"MnDocTypeXHTML",
     {"|"},
     {R"(<!DOCTYPE HTML PUBLIC "-//W3C//DTD XHTML 1.1 Transitional//EN")",
      "\t\"http://www.w3.org/TR/xhtml1/DTD/xhtml1-dtd\">",
      ""}},
    {"MnDocTypeOld", {"<head>", "|</head>"}, {"<html>", "<head>", "</head>"}},
    {"MnHtml_Body",
     {"a|"},
     {"a",
      "<!-- Ein Kommentar -->",
      "<html>",
      "<head>",
      "   <title> Titel des Dokuments </title>",
      "</head>",
      "<body>",
      "  ",
      "</body>",
      "</html>"}},
    // Head insertions: in front of the first lower-case "</head>", wherever the caret is.
    {"BnInsertReferenz",
     {"<html>", "<head>", "</head>", "<body>|", "</body>"},
     {"<html>",
      "<head>",
      "   <!--  Muss in den Header-Abschnitt -->",
      R"(   <link rel="stylesheet" type="text/css")",
      R"(     href="style2.css" title="style1"/>)",
      "",
      "",
      "</head>",
      "<body>",
      "</body>"}},
    {"BnInsertReferenz",
     {"<HEAD>", "</HEAD>|", "<BODY>"},
     {"<HEAD>",
      "</HEAD>",
      "<!--  Muss in den Header-Abschnitt -->",
      R"(<link rel="stylesheet" type="text/css")",
      R"(  href="style2.css" title="style1"/>)",
      "",
      "<BODY>"}},
    {"BnInsertLokalRules",
     {"|<head>", "  </head>"},
     {"<head>",
      "     <!--  Muss in den Header-Abschnitt -->",
      R"(   <style type="text/css"  id="internalStyle" >)",
      "     body {",
      "       font-size: 1em;",
      "       color: rgb(255,100,100);",
      "       font-weight:100;",
      "     }",
      "     ",
      "   </style>",
      "",
      "",
      "</head>"}},
    // Without "</head>" and with the caret in the last line, the block stays whole.
    {"BnInsertLokalRules",
     {"<body>", "x|"},
     {"<body>",
      "x",
      "  <!--  Muss in den Header-Abschnitt -->",
      R"(  <style type="text/css"  id="internalStyle" >)",
      "    body {",
      "      font-size: 1em;",
      "      color: rgb(255,100,100);",
      "      font-weight:300;",
      "    }",
      "",
      "",
      "  </style>"}},
    {"MnInsertBasic1",
     {"a {", "|}"},
     {"a {",
      "  body {",
      "    font-size: 1.0em;",
      "    color: rgb(100,100,100);",
      R"(    font-family:Arial,Garamond, Times, "Gill Sans", Serif;)",
      "    font-weight:400;",
      "  }",
      "}"}},
    {"MnAlledreiLinks1",
     {"|"},
     {"  a:link{",
      "    color: #0000FF;",
      "  }",
      "",
      "  a:visited{",
      "    color: #0000FF;",
      "  }",
      "",
      "  a:active{",
      "    color: #FF0000;",
      " }",
      "",
      ""}},
    {"MnInsert_CSS_FieldsetLegend",
     {"<style>", "|"},
     {"<style>",
      "",
      "     fieldset {",
      "      border: 2px solid #C5D8E1;",
      "      border-radius: 10px;",
      "      background: white;",
      "      margin: 0;",
      "      width:350px;",
      "     }",
      "",
      "   legend {",
      "     color:red;",
      "     }"}},
    // Lists: the type in the opening tag; with "text/css" plain and below the caret's line.
    {"MnListePunkte",
     {"<body>", "Te|xt"},
     {"<body>",
      "<!-- circle, disc, square  -->",
      R"(<ul Type="disc" >)",
      "  <li> Text1 </li>",
      "  <li> Text2 </li>",
      "</ul>",
      "Text"}},
    {"MnListeRoemisch",
     {"|Text"},
     {"<!-- 1, A, a, I,i  -->",
      R"(<ol Type="I" >)",
      "  <li> Text1 </li>",
      "  <li> Text2 </li>",
      "</ol>",
      "Text"}},
    {"MnListeNumerisch",
     {R"(<style type="text/css"></style>)", "Te|xt", "Ende"},
     {R"(<style type="text/css"></style>)",
      "Text",
      "<ol>",
      "  <li> Text1 </li>",
      "  <li> Text2 </li>",
      "</ol>",
      "Ende"}},
    {"MnIsSet",
     {"|"},
     {"if ( isset($_GET['vorname']) ){\t\t //\tIst gesetzt?",
      "  $vorname = $_GET['vorname'];",
      "}",
      ""}},
    {"echoText_Variable",
     {"|?>"},
     {"  $Zahl=42;", R"(  echo "<p>Zahl: $Zahl</p>\r\n",PHP_EOL;)", "?>"}},
    {"MnInsertTableRow",
     {"<table>", "</ta|ble>"},
     {"<table>", "<tr>", "    <td>", "    Daten", "    </td>", "  </tr>", "</table>"}},
};

TEST(Catalogue, TrickyItemsWriteExactlyTheirText)
{
    for (const TFullCase &c : FullCases) {
        SCOPED_TRACE(std::string(c.Name) + " in " + c.Before.join('/').toStdString());
        TTextBuffer editor = Document(c.Before);
        EXPECT_TRUE(ExecuteCatalogueEntry(Entry(c.Name), {editor, QString()}));
        EXPECT_EQ(editor.Text(), c.After.join("\r\n"));
        EXPECT_TRUE(editor.Modified());
    }
}

TEST(Catalogue, SkeletonLeavesTheCaretAndSelectionWhereTheyWere)
{
    TTextBuffer editor = Document({"<p>", "a|lt", "</p>"});
    editor.SetSelLength(2);
    ExecuteCatalogueEntry(Entry("MnBasicXHTML_strict11"), {editor, QString()});
    EXPECT_EQ(editor.SelStart(), 6);
    EXPECT_EQ(editor.SelText(), "lt");
}

TEST(Catalogue, StylesheetPageNamesTheStylesheetWithoutFolder)
{
    const QStringList expected{
        R"(<?xml version="1.0" encoding="UTF-8" ?>)",
        "<!DOCTYPE html",
        R"(     PUBLIC "-//W3C//DTD XHTML 1.0 Strict//EN")",
        R"(    "http://www.w3.org/TR/xhtml1/DTD/xhtml1-strict.dtd">)",
        R"(<html xmlns="http://www.w3.org/1999/xhtml" xml:lang="en" lang="en">)",
        "  <head>",
        "    <title> Beispiel 1 </title>",
        R"(      <meta name="author" content="Administrator"/>)",
        R"(      <meta http-equiv="Content-Type" content="text/html; charset=UTF-8" />)",
        R"(    <link rel="stylesheet" type="text/css")",
        R"(        href="seite.css" title="style1"/>)",
        "  </head>",
        "",
        "  <body>",
        "    <h1>",
        "      Überschrift",
        "    </h1>",
        "  </body>",
        "</html>",
    };
    EXPECT_EQ(StylesheetPageLines("seite.css"), expected);
    // Appended to a page, the empty line between head and body stays.
    TTextBuffer editor(QStringLiteral("<!-- alt -->"));
    editor.AppendLines(StylesheetPageLines("seite.css"));
    EXPECT_EQ(editor.Text(), "<!-- alt -->\r\n" + expected.join("\r\n"));
}

class CatalogueDialogs : public ::testing::Test
{
protected:
    bool Run(const char *name, TTextBuffer &editor, const QString &fileDir = QString())
    {
        return ExecuteCatalogueEntry(Entry(name), {editor, fileDir});
    }

    TScriptedPrompter Prompter;
    TPrompterScope Scope{Prompter};
    TScriptedToolDialogs Tools;
    TToolDialogsScope ToolsScope{Tools};
};

TEST_F(CatalogueDialogs, HexColoursAreSixDigitsRedGreenBlue)
{
    struct TCase
    {
        const char *Name;
        QColor Colour;
        const char *Expected;
    };
    const TCase cases[] = {
        {"MnFarbeHex", QColor(0, 0, 0), R"(<p "#000000">)"},
        {"MnFarbeHex", QColor(255, 0, 0), R"(<p "#FF0000">)"},
        {"MnInsertFarbe1", QColor(0, 0, 255), "<p #0000FF;>"},
        {"MnSchriftfarbe", QColor(255, 0, 0), "<font color=\"#FF0000\"></font>\r\n<p >"},
        {"MnCss_Schriftfarbe", QColor(0, 0, 128), "color:#000080;\r\n<p >"},
    };
    for (const TCase &c : cases) {
        SCOPED_TRACE(c.Name);
        TTextBuffer editor = Document({"<p |>"});
        Prompter.ColorAnswers = {c.Colour};
        EXPECT_TRUE(Run(c.Name, editor));
        EXPECT_EQ(editor.Text(), c.Expected);
    }
}

TEST_F(CatalogueDialogs, CancelledDialogsChangeNothing)
{
    // The scripted prompter cancels every dialog it has no answer for; an empty or blank
    // function name counts as none.
    Prompter.TextAnswers = {QString(), QString("   ")};
    for (const char *name : {"MnFarbeHex",
                             "MnSchriftfarbe",
                             "MnFarbeTextkonstante",
                             "MnInsertFarbeKonstante",
                             "MnTabelleEinfuegen",
                             "MnGrafikBild",
                             "MnBildCoords",
                             "MnBildCoordsSHW",
                             "MnJava_function",
                             "MnJava_function",
                             "MnJava_function"}) {
        TTextBuffer editor = Document({"<p |>"});
        EXPECT_FALSE(Run(name, editor)) << name;
        EXPECT_EQ(editor.Text(), "<p >") << name;
        EXPECT_FALSE(editor.Modified()) << name;
    }
}

TEST_F(CatalogueDialogs, FunctionNameGoesIntoTheHead)
{
    TTextBuffer editor = Document({"<script>", "|</script>"});
    Prompter.TextAnswers = {QString("pruefe")};
    EXPECT_TRUE(Run("MnJava_function", editor));
    EXPECT_EQ(editor.Text(),
              "<script>\r\nfunction pruefe() {\r\n  \"use strict\"\r\n\r\nreturn;\r\n}\r\n\r\n"
              "</script>");
    EXPECT_EQ(Prompter.Count("Text"), 1);
}

TEST_F(CatalogueDialogs, PictureWithOrWithoutImageMap)
{
    TTextBuffer editor = Document({"<body>", "<p>|</p>"});
    Prompter.AnswerOpen({"/bilder/urlaub/foto 1.jpg"});
    Prompter.YesNoAnswers = {true};
    EXPECT_TRUE(Run("MnGrafikBild", editor, "/seiten/"));
    EXPECT_EQ(editor.Text(),
              "<body>\r\n"
              R"(<img src="foto 1.jpg" alt="Beschreibender Text" border="0" usemap="#shapeareaname" />)"
              "\r\n<map name=\"shapeareaname\">\r\n</map>\r\n<p></p>");
    ASSERT_EQ(Prompter.FileDialogs.size(), 1u);
    const TFileDialogOptions &dialog = Prompter.FileDialogs.front();
    EXPECT_EQ(dialog.Title, "Bild Öffnen");
    EXPECT_EQ(dialog.InitialDir, "/seiten/");
    EXPECT_EQ(dialog.Filter,
              "GIF-Dateien (*.gif)|*.gif|JPG-Dateien (*.jpg;*.jpeg)|*.jpg;*.jpeg|"
              "BMP-Dateien (*.bmp)|*.bmp|PING-Dateien (*.png)|*.png|Alle Dateien (*.*)|*.*");
    EXPECT_EQ(Prompter.Texts("YesNo"),
              QStringList{"Wollen Sie zusätzliche Koordinatenbereiche als Links einfügen?"});

    // No map: the picture element replaces the selection; a new page starts in the program's
    // folder.
    editor = Document({"<p>|alt</p>"});
    editor.SetSelLength(3);
    Prompter.AnswerOpen({"/bilder/logo.png"});
    Prompter.YesNoAnswers = {false};
    EXPECT_TRUE(Run("MnGrafikBild", editor));
    EXPECT_EQ(editor.Text(),
              R"(<p><img src="logo.png" alt="Beschreibender Text" border="0" /></p>)");
    EXPECT_EQ(Prompter.FileDialogs.back().InitialDir, ProgramDirectory);
}

TEST_F(CatalogueDialogs, ImageMapsGoAboveTheCaretsLine)
{
    const QString area
        = R"(<area shape="circle" alt="alt-text" coords="50, 50, 5" href="ref.html" />)";
    TTextBuffer editor = Document({"<body>", "<img |src=\"karte.jpg\" />", "</body>"});
    Tools.AreaTagAnswers = {area};
    EXPECT_TRUE(Run("MnBildCoords", editor, "/seiten/"));
    EXPECT_EQ(editor.Text(),
              QStringList(
                  {"<body>", "<br />", area, "<br />", R"(<img src="karte.jpg" />)", "</body>"})
                  .join("\r\n"));
    EXPECT_TRUE(editor.Modified());
    EXPECT_EQ(Tools.InitialDirs, QStringList{"/seiten/"});

    // A shape file of points: the note, and the document stays as it was.
    QTemporaryDir dir;
    QImage(40, 20, QImage::Format_RGB32).save(dir.filePath("bild.bmp"), "BMP");
    QFile shapes(dir.filePath("punkte.shw"));
    ASSERT_TRUE(shapes.open(QIODevice::WriteOnly));
    shapes.write("1\r\n1\r\nP\r\n1\r\n5\r\n5\r\n");
    shapes.close();
    editor = Document({"<p>|</p>"});
    Tools.ShapePictureAnswers = {dir.filePath("bild.bmp")};
    Tools.ShapeFileAnswers = {shapes.fileName()};
    EXPECT_FALSE(Run("MnBildCoordsSHW", editor, dir.path()));
    EXPECT_EQ(editor.Text(), "<p></p>");
    EXPECT_FALSE(editor.Modified());
    EXPECT_EQ(Prompter.Prompts.size(), 1u);
    EXPECT_EQ(Prompter.Texts("Note"),
              QStringList{"Die SHW-Datei hat ein falsches Format (Punktshape"});
}

TEST_F(CatalogueDialogs, NamedColourAndTableComeFromTheToolDialogs)
{
    TTextBuffer editor = Document({"<font color=|alt>"});
    editor.SetSelLength(3);
    Tools.ColorNameAnswers = {QString("teal")};
    EXPECT_TRUE(Run("MnFarbeTextkonstante", editor));
    EXPECT_EQ(editor.Text(), R"(<font color="teal">)");

    // A page with a style sheet gets no border attribute; the table starts one line above the
    // caret's line.
    editor = Document({R"(<link type="text/css">)", "<body>", "|</body>"});
    TTableOptions table;
    table.Rows = 1;
    table.Cols = 1;
    table.ColGroup = false;
    Tools.TableAnswers = {table};
    EXPECT_TRUE(Run("MnTabelleEinfuegen", editor));
    EXPECT_EQ(editor.Text(),
              QStringList({R"(<link type="text/css">)",
                           "<!-- Tabelle -->",
                           "  <table >",
                           "  <tr>",
                           "     <td> 1-zelle</td>",
                           "    </tr>",
                           "  </table>",
                           "<body>",
                           "</body>"})
                  .join("\r\n"));
    EXPECT_EQ(Tools.Calls, QStringList({"ColorName", "Table"}));
}

TEST_F(CatalogueDialogs, PasteOverASelectionLeavesTheSnippetOnTheClipboard)
{
    QGuiApplication::clipboard()->setText("vorher");
    TTextBuffer editor = Document({"<p>|wichtig</p>"});
    editor.SetSelLength(7);
    EXPECT_TRUE(Run("MnFont_Bold", editor));
    EXPECT_EQ(editor.Text(), "<p><strong>  </strong></p>");
    EXPECT_EQ(editor.SelStart(), 22);
    EXPECT_EQ(QGuiApplication::clipboard()->text(), "<strong>  </strong>");
}

} // namespace
