// The insertion menus of the CSS window, every item triggered by its object name in a real
// window. The expected texts are written from the menus' descriptions by hand, not taken from
// the catalogue tables.
#include "AppSettings.h"
#include "MDI_CSS2.h"
#include "MenuBuilder.h"
#include "QStringPrinter.h"
#include "RecordingHost.h"
#include "ScriptedPrompter.h"
#include "ScriptedToolDialogs.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QMenu>
#include <QPlainTextEdit>
#include <QSet>

#include <gtest/gtest.h>

#include <span>

namespace {

// A block appended at the end: its first and last line and its number of lines.
struct TBlock
{
    const char *Name;
    const char *First;
    const char *Last;
    int Count;
};

// A command that writes one line: the line as it stands in the document afterwards.
struct TLine
{
    const char *Name;
    const char *Line;
};

const TBlock Blocks[] = {
    {"MnInsertBasic", "body {", "}", 6},
    {"MnInsertCSS", "xx {", "}", 6},
    {"BnInsert_BlockH2", "h2{", "}", 6},
    {"MnMehrfachdefinition", "h1, h2 {", "}", 2},
    {"MnHintereinanderDefinition", "body > h2 {", "}", 2},
    {"MnUebereinanderDefinition", "h1 + h2 {", "}", 2},
    {"MnBloeckeNebeneinander", R"(/*  <div id="left">  */)", "", 22},
    {"BnInsert_BlockTH", "th {", "}", 6},
    {"BnInsert_BlockTD", "td {", "}", 6},
    {"MnTabellenRand", "/* Aussenrand */", "}", 11},
    {"MnInsert_CSS_FieldsetLegend", "fieldset {", "} ", 11},
    {"MnNoneVisited", "a:link{", "}", 3},
    {"MnLinkVisited", "a:visited{", "}", 3},
    {"MnLinkActivate", "a:active{", "}", 3},
    {"MnAlledreiLinks", "a:link{", "}", 11},
    {"MnAlledreiLinksZusammen", "a:link, a:visited, a:active{", "}", 5},
};

// Declarations stand above the caret's line with two more blanks; the colour line of
// "Schriftfarbe" (red chosen) without any.
const TLine Declarations[] = {
    {"MnBackgroundfarbe", "    background-color: gray;"},
    {"MnHTML_Schrift", "    font-size: 1.2em;"},
    {"MnFonttyp_Verdana", "    font-family: VERDANA,ARIAL,HELVETICA;"},
    {"MnFonttyp_Courier", "    font-family: COURIER NEW;"},
    {"MnFonttyp_Monospace", "    font-family: MONOSPACE;"},
    {"MnganzkleineSchrift", "    font-size: xx-small;"},
    {"MnFontsize_Minus_1", "    font-size: -1;"},
    {"MnFontsize_Plus1", "    font-size: +1;"},
    {"MnganzgrosseSchrift", "    font-size: xx-large;"},
    {"MnGroessereSchriftEm", "    font-size: 1.5em;"},
    {"MnGroesseSchriftProzent", "    font-size: 150%;"},
    {"MnFontweight", "    font-weight: 400;  // 100 bis 900"},
    {"MnSchriftfarbe", "color:#FF0000;"},
    {"MnWordSpacing", "    word-spacing:2pt;"},
    {"MnLetterSpacing", "    letter-spacing:3pt;"},
    {"MnTextdecoration_None", "    text-decoration: none;"},
    {"MnTextdecoration_Underline", "    text-decoration: underline;"},
    {"MnTextdecoration_Overline", "    text-decoration: overline;"},
    {"MnTextdecoration_linethrough", "    text-decoration: line-through;"},
    {"MnTextdecoration_blink", "    text-decoration: blink;"},
    {"MnCSS_Italic", "    font-style:italic;"},
    {"MnTextTransform_none", "    text-transform: none;"},
    {"MnTextTransform_uppercase", "    text-transform: uppercase;"},
    {"MnTextTransform_lowercase", "    text-transform: lowercase;"},
    {"MnTextTransform_capitalize", "    text-transform: capitalize;"},
    {"MnText_Indent", "    text-indent: 1.0in;"},
    {"MnValign_Baseline", "    vertical-align: baseline;"},
    {"MnValign_Sub", "    vertical-align: sub;"},
    {"MnValign_Super", "    vertical-align: super;"},
    {"MnValign_texttop", "    vertical-align: text-top;"},
    {"MnValign_textbottom", "    vertical-align: text-bottom;"},
    {"MnValign_middle", "    vertical-align: middle;"},
    {"MnValign_top", "    vertical-align: top;"},
    {"MnValign_bottom", "    vertical-align: bottom;"},
    {"MnValign_percentage", "    vertical-align: 20%;  /*  -20%  oder +20% */"},
    {"MnCSS_Textalign_left1", "    text-align: left;"},
    {"MnCSS_Textalign_center1", "    text-align: center;"},
    {"MnCSS_Textalign_right1", "    text-align: right;"},
    {"MnCSS_Textalign_justify1", "    text-align: justify;"},
    {"MnPaddingTop", "    padding-top: 10px;"},
    {"MnPaddingLeft", "    padding-left: 10px;"},
    {"MnPaddingBottom", "    padding-bottom: 10px;"},
    {"MnPaddingright", "    padding-right: 10px;"},
    {"MnMargintop", "    margin-top: 10px;"},
    {"MnMarginleft", "    margin-left: 10px;"},
    {"MnMarginBottom", "    margin-bottom: 10px;"},
    {"MnMarginright", "    margin-right: 10px;"},
};

// Values are pasted at the caret as they stand (red chosen in the colour dialogs).
const TLine Values[] = {
    {"MnInsert_background_image", R"(background-image=url("bild.jpg");)"},
    {"MnInsert_Body_backgroundrepeat", "background-repeat:no-repeat;  /* repeat-x  repeat-y repear"},
    {"MnInsert_Bodybackgroundattachment",
     "background-attachment:scroll;  /* scroll  fixed=bleibt beim scrollen fixed */"},
    {"MnInsert_Body_backgroundposition",
     "background-position:left;  /* left center right top bottom,   w% x% y% z%, 0.3em */"},
    {"MnInsertFarbe1", "#FF0000;"},
    {"MnInsertFarbeKonstante", " red;"},
    {"MnlisteNone", "list-style-type: none;"},
    {"MnListecircle", "  list-style-type: circle;"},
    {"MnListesquare", "  list-style-type: square;"},
    {"MnListedisc", "  list-style-type: disc;"},
    {"MnListeNone2", "  list-style-type: none;"},
    {"MnListedecimal", "  list-style-type: decimal;"},
    {"MnListedecimalleadingzero", "  list-style-type: decimal-leading-zero;"},
    {"MnListelowerroman", "  list-style-type: lower-roman;"},
    {"MnListeupperroman", "  list-style-type: upper-roman;"},
    {"MnListelowergreek", "  list-style-type: lower-greek;"},
    {"MnListelowerlatin", "  list-style-type: lower-latin;"},
    {"MnListeUpperlatin", "  list-style-type: upper-latin;"},
    {"MnListStylePosition_inside", "  list-style-position: inside;"},
    {"MnListStylePosition_Outside", "  list-style-position: outside;"},
    {"MnBordercolor", "  border-color: red;"},
    {"MnBorderStyleNone", "  border-style: none;"},
    {"MnBorderStyleHdden", "  border-style: hidden;"},
    {"MnBorderStyleDotted", "  border-style: dotted;"},
    {"MnBorderStyleDashed", "  border-style: dashed;"},
    {"MnBorderStyleSolid", "  border-style: solid;"},
    {"MnBorderStyleDouble", "  border-style: double;"},
    {"MnBorderStyleGroove", "  border-style: groove;"},
    {"MnBorderStyleRidge", "  border-style: ridge;"},
    {"MnBorderStyleInset", "  border-style: inset;"},
    {"MnBorderStyleOutset", "  border-style: outset;"},
    {"MnBorderWidth", "  border-width:5px;"},
    {"MnPaddingOne", "  padding: 10px;"},
    {"MnPaddingTwo", "  padding: 10px 10px;  // T/B  und L/R"},
    {"MnPaddingView", "  padding: 10px 10px 10px 10px;"},
    {"MnMarginOne", "  margin: 10px;"},
    {"MnMarginTwo", "  margin: 10px 10px;  /* oder 10px  auto;  */"},
    {"MnMarginFour", "  margin: 10px 10px 10px 10px;"},
    {"MnPositionabsolute", "  position: absolute;  top: 50;  left: 5;  width: 250px;"},
    {"MnPositionrelativ",
     "  position: relative;  top: 10px; /* oberer Rand=Abstand */    left: 0;  width: 250px;"},
};

const char *const MenuNames[] = {"MnBasisCSS",
                                 "MnBilder",
                                 "MnFarben",
                                 "MnSchriftMenue",
                                 "MnListenTabellenForms",
                                 "MnRaender",
                                 "MnLinks"};

QString Utf8(const char *text)
{
    return QString::fromUtf8(text);
}

class CssInsertMenus : public ::testing::Test
{
protected:
    void SetUp() override { Settings() = TSettings(); }

    // The document "p {", an empty line with the caret, "}"; not modified. The dialogs answer
    // red and "red".
    void Reset()
    {
        Editor().SetText("p {\r\n\r\n}");
        Editor().SetSelStart(5);
        Prompter.ColorAnswers = {QColor(255, 0, 0)};
        Tools.ColorNameAnswers = {QString("red")};
    }

    void SetDocument(const QString &text, int caret)
    {
        Editor().SetText(text);
        Editor().SetSelStart(caret);
    }

    void Run(const char *name)
    {
        QAction *action = Window.findChild<QAction *>(name);
        ASSERT_NE(action, nullptr) << name;
        action->trigger();
    }

    TEditControl &Editor() const { return Window.ActiveEditor(); }
    QStringList Lines() const { return Editor().Text().split("\r\n"); }

    TScriptedPrompter Prompter;
    TPrompterScope Scope{Prompter};
    TScriptedToolDialogs Tools;
    TToolDialogsScope ToolsScope{Tools};
    TRecordingHost Host;
    TFMDI_CSS2 Window;
};

void CollectItems(const QMenu &menu, QStringList &names)
{
    for (const QAction *action : menu.actions()) {
        if (action->menu())
            CollectItems(*action->menu(), names);
        else if (!action->isSeparator())
            names << action->objectName();
    }
}

} // namespace

TEST_F(CssInsertMenus, BlocksAreAppendedAndTheCaretFollows)
{
    for (const TBlock &block : Blocks) {
        SCOPED_TRACE(block.Name);
        Reset();
        Run(block.Name);
        const QStringList lines = Lines();
        ASSERT_EQ(lines.mid(0, 3), QStringList({"p {", "", "}"}));
        const QStringList added = lines.mid(3);
        ASSERT_EQ(added.size(), block.Count);
        EXPECT_EQ(added.first(), Utf8(block.First));
        EXPECT_EQ(added.last(), Utf8(block.Last));
        EXPECT_EQ(Editor().SelStart(), Editor().TextLength());
        EXPECT_TRUE(Editor().Modified());
    }
}

TEST_F(CssInsertMenus, DeclarationsGoAboveTheCaretLineAndValuesAtTheCaret)
{
    for (const bool above : {true, false}) {
        for (const TLine &row : above ? std::span<const TLine>(Declarations) : Values) {
            SCOPED_TRACE(row.Name);
            Reset();
            Run(row.Name);
            const QString line = Utf8(row.Line);
            if (above) {
                EXPECT_EQ(Lines(), QStringList({"p {", line, "", "}"}));
                EXPECT_EQ(Editor().SelStart(), Editor().LineIndex(2));
            } else {
                EXPECT_EQ(Lines(), QStringList({"p {", line, "}"}));
                EXPECT_EQ(Editor().SelStart(), 5 + line.size());
            }
            EXPECT_TRUE(Editor().Modified());
        }
    }
}

TEST_F(CssInsertMenus, EveryItemOfTheSevenMenusIsChecked)
{
    QSet<QString> checked;
    for (const TBlock &block : Blocks)
        checked.insert(block.Name);
    for (auto table : {std::span<const TLine>(Declarations), std::span<const TLine>(Values)}) {
        for (const TLine &line : table)
            checked.insert(line.Name);
    }
    QStringList items;
    for (const char *name : MenuNames) {
        const QMenu *menu = Window.findChild<QMenu *>(name);
        ASSERT_NE(menu, nullptr) << name;
        CollectItems(*menu, items);
    }
    EXPECT_EQ(items.size(), 103);
    EXPECT_EQ(QSet<QString>(items.begin(), items.end()).size(), 103) << "object names are unique";
    EXPECT_EQ(checked.size(), 103);
    for (const QString &name : items)
        EXPECT_TRUE(checked.contains(name)) << name.toStdString();
}

TEST_F(CssInsertMenus, MenusMergeInGroupTwoBeforeTheHelp)
{
    QStringList captions;
    for (const TMergedMenu &merged : Window.MergedMenus()) {
        if (merged.GroupIndex == 2)
            captions << merged.Menu->title();
    }
    EXPECT_EQ(captions,
              QStringList({"&Bearbeiten",
                           "&Ansicht",
                           "&Versionen",
                           "Basis &CSS",
                           "Bilder",
                           "Farben",
                           "Schrift",
                           "Listen / Tabellen / Forms",
                           Utf8("Ränder"),
                           "Links"}));
    EXPECT_EQ(Window.MergedMenus().last().GroupIndex, 9);
}

TEST_F(CssInsertMenus, TrickyBlocksInFull)
{
    const struct
    {
        const char *Name;
        QStringList Lines;
    } cases[] = {
        {"MnBloeckeNebeneinander",
         {R"(/*  <div id="left">  */)",
          "#left{",
          "  float: left;",
          "  left: 0;",
          "  width: 11em;",
          "  margin-left: 5px;  /* Rand wird aufgeteilt */",
          "  margin-right: 5px;",
          "  padding: 5px; /* Innenrand, sieht besser aus */",
          "  border: 1px inset  black;",
          "}",
          "",
          R"(/*  <div id="right">  */)",
          "#right{",
          "  float: left;",
          "  margin-left: 5px;  /* Rand wird aufgeteilt */",
          "  margin-right: 5px;",
          "  padding: 5px; /* Innenrand, sieht besser aus */",
          "  width: 300px;",
          "  margin-left: 5px;",
          "  border: 1px inset  black;",
          "}",
          ""}},
        {"MnTabellenRand",
         {"/* Aussenrand */",
          "table {",
          "  border: 1px solid; ",
          Utf8("  border-collapse:collapse; /* verhindert doppelte Ränder */ "),
          "}",
          "",
          "/* einfacher Rand in der Tabelle */",
          "td, th {",
          "  border: 1px solid; ",
          "  border-color: black;",
          "}"}},
        {"MnInsert_CSS_FieldsetLegend",
         {"fieldset {",
          "  border: 2px solid #C5D8E1;",
          "  border-radius: 10px;",
          "  background: white;",
          "  margin: 0;",
          "  width:350px;",
          "}",
          "",
          "legend { ",
          " color:red;",
          "} "}},
        {"MnAlledreiLinks",
         {"a:link{",
          "  color: #0000FF;",
          "}",
          "",
          "a:visited{",
          "  color: #0000FF;",
          "}",
          "",
          "a:active{",
          "  color: #FF0000;",
          "}"}},
        {"BnInsert_BlockH2",
         {"h2{",
          "  font-size: 1.2em;",
          "  color: #0000FF;",
          "  font-weight : ligther;",
          "  background-color: yellow;",
          "}"}},
        {"BnInsert_BlockTH",
         {"th {",
          "  font-family : Arial, Helvetica, Verdana, sans-serif;",
          "  font-size: 1.5em;",
          "  color1: #0000FF;",
          "  font-weight : normal;",
          "}"}},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.Name);
        Reset();
        Run(c.Name);
        EXPECT_EQ(Lines().mid(3), c.Lines);
    }
}

TEST_F(CssInsertMenus, BasicBlockInTheMiddleOfADocumentAndInAnEmptyOne)
{
    const QStringList basic{"body {",
                            "  font-size: 1.2em;",
                            "  color: rgb(100,100,100);",
                            "  font-family: Arial, Helvetica, Verdana, sans-serif;",
                            "  font-weight: 400;",
                            "}"};
    SetDocument("a {\r\n  color: red;\r\n}\r\nb {\r\n}", 10);
    Run("MnInsertBasic");
    EXPECT_EQ(Lines(), QStringList({"a {", "  color: red;", "}", "b {", "}"}) + basic);
    EXPECT_EQ(Editor().SelStart(), Editor().TextLength());

    // An empty document holds exactly the six lines: nothing in front, no line after them but
    // the break that ends the last one.
    SetDocument(QString(), 0);
    Run("MnInsertBasic");
    EXPECT_EQ(Editor().Text(), basic.join("\r\n") + "\r\n");
    EXPECT_EQ(Editor().SelStart(), Editor().TextLength());
}

TEST_F(CssInsertMenus, DeclarationsStackInTheOrderOfTheCommands)
{
    SetDocument("p {\r\n  color: red;\r\n}", 7);
    Run("MnFontsize_Plus1");
    Run("MnFonttyp_Courier");
    EXPECT_EQ(Lines(),
              QStringList({"p {",
                           "    font-size: +1;",
                           "    font-family: COURIER NEW;",
                           "  color: red;",
                           "}"}));
    EXPECT_EQ(Editor().SelStart(), Editor().LineIndex(3));
}

TEST_F(CssInsertMenus, PositionIsFourPastesInARowAtTheCaret)
{
    SetDocument("ab\r\ncd", 1);
    Run("MnPositionrelativ");
    EXPECT_EQ(Lines(),
              QStringList({"a  position: relative;  top: 10px; /* oberer Rand=Abstand */    left: "
                           "0;  width: 250px;b",
                           "cd"}));
    EXPECT_EQ(QGuiApplication::clipboard()->text(), "  width: 250px;");
    Run("MnPositionabsolute");
    EXPECT_EQ(QGuiApplication::clipboard()->text(), "  width: 250px;");
    EXPECT_TRUE(Lines().first().endsWith("width: 250px;  position: absolute;  top: 50;  left: 5;  "
                                         "width: 250px;b"));
}

TEST_F(CssInsertMenus, ValueReplacesTheSelectionAndStaysOnTheClipboard)
{
    SetDocument("p {\r\n  border-style: x;\r\n}", 21);
    Editor().SetSelLength(1);
    Run("MnBorderStyleDotted");
    EXPECT_EQ(Lines(), QStringList({"p {", "  border-style:   border-style: dotted;;", "}"}));
    EXPECT_EQ(QGuiApplication::clipboard()->text(), "  border-style: dotted;");
    Run("MnBlockEinfuegen");
    EXPECT_EQ(Lines()[1], "  border-style:   border-style: dotted;  border-style: dotted;;");
}

TEST_F(CssInsertMenus, HexColoursAreSixDigitsRedGreenBlue)
{
    const struct
    {
        const char *Name;
        QColor Colour;
        QStringList Lines;
    } cases[] = {
        {"MnInsertFarbe1", Qt::black, {"p {", "#000000;", "}"}},
        {"MnInsertFarbe1", QColor(0, 0, 255), {"p {", "#0000FF;", "}"}},
        {"MnInsertFarbe1", QColor(0, 0, 128), {"p {", "#000080;", "}"}},
        {"MnSchriftfarbe", QColor(0, 0, 255), {"p {", "color:#0000FF;", "", "}"}},
        {"MnSchriftfarbe", Qt::black, {"p {", "color:#000000;", "", "}"}},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.Name);
        Reset();
        Prompter.ColorAnswers = {c.Colour};
        Run(c.Name);
        EXPECT_EQ(Lines(), c.Lines);
    }
}

TEST_F(CssInsertMenus, CancelledDialogsChangeNeitherTextNorModifiedFlag)
{
    for (const char *name : {"MnInsertFarbe1", "MnInsertFarbeKonstante", "MnSchriftfarbe"}) {
        SCOPED_TRACE(name);
        Reset();
        Prompter.ColorAnswers = {std::nullopt};
        Tools.ColorNameAnswers = {std::nullopt};
        Run(name);
        EXPECT_EQ(Editor().Text(), "p {\r\n\r\n}");
        EXPECT_FALSE(Editor().Modified());
        EXPECT_FALSE(Window.IsModified());
    }
    // The named colour comes from the one picker that the HTML window uses too.
    EXPECT_EQ(Tools.Calls, QStringList({"ColorName"}));
}

TEST_F(CssInsertMenus, PlainViewCommandsActOnThePlainEditor)
{
    Window.SetColourView(false);
    SetDocument("p {\r\n\r\n}", 5);
    Run("MnTextTransform_uppercase");
    Run("MnListedisc");
    Run("MnNoneVisited");
    EXPECT_EQ(Window.MemoSW()->toPlainText(),
              "p {\n    text-transform: uppercase;\n  list-style-type: disc;\n}\na:link{\n"
              "  color: #0000FF;\n}");
    EXPECT_TRUE(Window.IsModified());
    Window.SetColourView(true);
    EXPECT_EQ(Window.ActiveEditor().Text(),
              "p {\r\n    text-transform: uppercase;\r\n  list-style-type: disc;\r\n}\r\na:link{"
              "\r\n  color: #0000FF;\r\n}");
}

TEST_F(CssInsertMenus, CaptionsKeepTheirBlanksTyposAndAccelerators)
{
    const struct
    {
        const char *Name;
        const char *Caption;
    } cases[] = {
        {"MnHTML_Schrift", "&Schrift Size=1.2em"},
        {"MnInsertCSS", "leerer &CSS-Block"},
        {"MnUebereinanderDefinition", "Übereinander Definition, h1+h2"},
        {"MnTabellenRand", "Tabelllen mit Rand"},
        {"MnInsert_CSS_FieldsetLegend", "CSS Fieldset Legend / Label"},
        {"MnPaddingTwo", "Zwei Werte: top/bottom  und left/right"},
        {"MnCSS_Italic", "Italic / Kursiv"},
        {"MnGroesseSchriftProzent", "größere Schrift %"},
        {"MnInsertFarbe1", "&Farbe (Hex)"},
        {"MnBorderWidth", "border-width"},
    };
    for (const auto &c : cases) {
        const QAction *action = Window.findChild<QAction *>(c.Name);
        ASSERT_NE(action, nullptr) << c.Name;
        EXPECT_EQ(action->text(), Utf8(c.Caption));
    }
}
