#pragma once

// What every item of the HTML window's insertion menus writes, run by its object name on a small
// document: the first line it writes and the number of lines. The expected texts are written
// from the menus' descriptions, not taken from the catalogue tables.

#include "ScriptedPrompter.h"
#include "ScriptedToolDialogs.h"

#include <QDir>
#include <QFile>
#include <QImage>
#include <QStringList>

#include <span>
#include <vector>

namespace CatalogueExpectations {

struct TExpected
{
    const char *Name;
    const char *FirstLine;
    int LineCount;
};

// The document "oben", an empty line with the caret, "unten"; no "text/css", no "</head>".
// A table starts one line above the caret's line, so it stands in front of "oben".
inline const QStringList Document{"oben", "", "unten"};
inline constexpr int CaretOffset = 6;

inline const TExpected HtmlInsertItems[] = {
    {"MnBasicXHTML_strict11", R"(<?xml version="1.0" encoding="UTF-8"?>)", 16},
    {"MnBasicXHTML", R"(<?xml version="1.0" ?>)", 15},
    {"MnBasicOld", R"(<!DOCTYPE HTML PUBLIC "-//W3C//DTD HTML 4.01 Transitional//EN")", 14},
    {"MnBasic", "<html>", 10},
    {"MnDocTypeXHTML", R"(<!DOCTYPE HTML PUBLIC "-//W3C//DTD XHTML 1.1 Transitional//EN")", 2},
    {"MnDocTypeOld", "<html>", 1},
    {"MnHtml_Body", "<!-- Ein Kommentar -->", 9},
    {"MnHTML_Header", "<!-- Ein Kommentar -->", 4},
    {"MnInsertAbsatz", "<p>", 3},
    {"MnInsertHeadText", "<h3>", 3},
    {"MnDefinitionList", "<dl>", 6},
    {"MnInsertEingeruecktAbsatz", "<ul>", 3},
    {"MnListePunkte", "<!-- circle, disc, square  -->", 5},
    {"MnListeQuadrat", "<!-- circle, disc, square  -->", 5},
    {"MnListeKreise", "<!-- circle, disc, square  -->", 5},
    {"MnListeNumerisch", "<!-- 1, A, a, I,i  -->", 5},
    {"MnListeAlphabetisch", "<!-- 1, A, a, I,i  -->", 5},
    {"MnListeRoemisch", "<!-- 1, A, a, I,i  -->", 5},
    {"MnTabelleEinfuegen", "<!-- Tabelle -->", 15},
    {"MnInsertTableRow", "<tr>", 5},
    {"MnHtml_Zusatz_HorizontaleLinie", R"(<hr noshade size="1" />)", 1},
    {"MnInsertEMailLink", R"("<a href="mailto:"> Adresse </a>")", 1},
    {"MnHtml_ZusatzVerknuepfung", R"(<a href="bsp.html">   text  </a>)", 1},
    {"MnInsertAnker", R"(<a name=""> </a>)", 1},
    {"MnGrafikBild", R"(<img src="foto.gif" alt="Beschreibender Text" border="0" />)", 1},
    {"MnBildCoords", "<br />", 3},
    {"MnBildCoordsSHW", R"(<map name="shapeareaname">)", 4},
    {"MnKommentar", "<!--  Kommentar -->", 1},
};

inline const TExpected FontItems[] = {
    {"MnFontsize_Plus4", R"(<font size="+4">  </font>)", 1},
    {"MnFontsize_Plus3", R"(<font size="+3">  </font>)", 1},
    {"MnFontsize_Plus2", R"(<font size="+2">  </font>)", 1},
    {"MnFontsize_Plus1", R"(<font size="+1">  </font>)", 1},
    {"MnFontsize_Minus_1", R"(<font size="-1">  </font>)", 1},
    {"MnFontsize_Minus_2", R"(<font size="-2">  </font>)", 1},
    {"MnFonttyp_Verdana", R"(<font face="VERDANA,ARIAL,HELVETICA">)", 3},
    {"MnFonttyp_Courier", R"(<font face="COURIER NEW">)", 3},
    {"MnFonttyp_Monospace", R"(<font face="MONOSPACE">)", 3},
    {"MnSchriftfarbe", R"(<font color="#FF0000"></font>)", 1},
    {"MnFarbeHex", R"("#FF0000")", 1},
    {"MnFarbeTextkonstante", R"("red")", 1},
    {"MnHTML_Schrift", "<!-- Ein Kommentar -->", 4},
    {"MnFont_Bold", "<strong>  </strong>", 1},
    {"MnFont_Italic", "<i>  </i>", 1},
    {"MnFont_Underline", "<u>  </u>", 1},
    {"MnFont_Durchgestrichen", "<s>  </s>", 1},
    {"MnFont_Sup", "<sup>  </sup>", 1},
    {"MnFont_Sub", "<sub>  </sub>", 1},
    {"MnFonttyp_Schreibmaschinenschrift", "<tt>  textim </tt>", 1},
    {"MnFont_Blinked", "<blinked>  </blinked>", 1},
    {"MnFont_Laufschrift", "<marquee> Lauftext </marquee>", 1},
    {"MnInsertSpace", "&#x0020;", 1},
    {"MnInsertTab", "&#x0009;", 1},
    {"MnInsertCarriageReturn", "&#x000D;", 1},
    {"MnInsertLineFeed", "&#x000A;", 1},
    {"MnInsert_Char_Blank", "&#160;", 1},
    {"MnTrennzeichen", "&#173;", 1},
    {"MnInsert_Char_Copyright", "&#169;", 1},
    {"MnInsert_Char_R", "&#174;", 1},
    {"MnInsert_Char_TM", "&#8482;", 1},
    {"MnSchrift_LT", "&#60;", 1},
    {"MnSchrift_GT", "&#62;", 1},
    {"MnInsert_Char_GTGT", "&#187;", 1},
    {"MnInsert_Char_LTLT", "&#171;", 1},
};

inline const TExpected CssBlockItems[] = {
    {"BnInsertReferenz", "<!--  Muss in den Header-Abschnitt -->", 4},
    {"BnInsertLokalRules", "  <!--  Muss in den Header-Abschnitt -->", 10},
    {"MnInsertBasic1", "  body {", 6},
    {"MnInsertCSS1", "  XX {", 6},
    {"BnInsert_BlockH1", "  h2{", 6},
    {"BnInsert_BlockOL1", "  ol{", 3},
    {"BnInsert_BlockUL1", "  ul{", 4},
    {"BnInsert_BlockTH1", "  th {", 6},
    {"BnInsert_BlockTD1", "  td {", 6},
    {"BnInsert_BlockTH2", "th {", 7},
    {"BnInsert_BlockTD2", "  td {", 7},
    {"MnTabellenRand1", "  /* Aussenrand */", 12},
    {"MnNoneVisited1", "  a:link{", 4},
    {"MnLinkVisited1", "  a:visited{", 4},
    {"MnLinkActivate1", "  a:active{", 4},
    {"MnAlledreiLinks1", "  a:link{", 12},
    {"MnAlledreiLinksZusammen1", "  a:link, a:visited, a:active{", 6},
    {"MnInsert_CSS_FieldsetLegend", "     fieldset {", 11},
    {"MnScrollAbschnitt", R"(<div style="overflow: auto; width: 100px; height: 100px; ">)", 3},
};

inline const TExpected CssDeclarationItems[] = {
    {"MnInsert_background_image", R"(background-image=url("bild.jpg");)", 1},
    {"MnInsert_Body_backgroundrepeat",
     "background-repeat:no-repeat;  /* repeat-x  repeat-y repear",
     1},
    {"MnInsert_Bodybackgroundattachment",
     "background-attachment:scroll;  /* scroll  fixed=bleibt beim scrollen fixed */",
     1},
    {"MnInsert_Body_backgroundposition",
     "background-position:left;  /* left center right top bottom,   w% x% y% z%, 0.3em */",
     1},
    {"MnBackgroundfarbe", "    background-color: gray;", 1},
    {"MnInsertFarbe1", "#FF0000;", 1},
    {"MnInsertFarbeKonstante", " red;", 1},
    {"MnCss_SchriftSize", "    font-size: 1.2em;", 1},
    {"MnCss_Schriftfarbe", "color:#FF0000;", 1},
    {"MnCss_FonttypVerdana", "    font-family: VERDANA,ARIAL,HELVETICA;", 1},
    {"MnCss_FonttypCourier", "    font-family: COURIER NEW;", 1},
    {"MnCss_FonttypMonospace", "    font-family: MONOSPACE;", 1},
    {"MnCss_GanzKleineSchrift", "    font-size: xx-small;", 1},
    {"MnCss_Kleiner", "    font-size: -1;", 1},
    {"MnCss_Groesser", "    font-size: +1;", 1},
    {"MnCss_GanzGrosseSchrift", "    font-size: xx-large;", 1},
    {"MnCss_GroessereSchriftEm", "    font-size: 1.5em;", 1},
    {"MnCss_GroessereSchriftProzent", "    font-size: 150%;", 1},
    {"MnCss_Schriftstaerke", "    font-weight: 400;  // 100 bis 900", 1},
    {"MnCss_WordSpacing", "    word-spacing:2pt;", 1},
    {"MnCss_LetterSpacing", "    letter-spacing:3pt;", 1},
    {"MnCss_TextDecorationNone", "    text-decoration: none;", 1},
    {"MnCss_TextDecorationUnderline", "    text-decoration: underline;", 1},
    {"MnCss_TextDecorationOverline", "    text-decoration: overline;", 1},
    {"MnCss_TextDecorationLineThrough", "    text-decoration: line-through;", 1},
    {"MnCss_TextDecorationBlink", "    text-decoration: blink;", 1},
    {"MnCss_Kursiv", "    font-style:italic;", 1},
    {"MnTextTransform_none", "    text-transform: none;", 1},
    {"MnTextTransform_uppercase", "    text-transform: uppercase;", 1},
    {"MnTextTransform_lowercase", "    text-transform: lowercase;", 1},
    {"MnTextTransform_capitalize", "    text-transform: capitalize;", 1},
    {"MnCss_TextIndent", "    text-indent: 1.0in;", 1},
    {"MnlisteNone", "list-style-type: none;", 1},
    {"MnListecircle", "  list-style-type: circle;", 1},
    {"MnListesquare", "  list-style-type: square;", 1},
    {"MnListedisc", "  list-style-type: disc;", 1},
    {"MnListeNone2", "  list-style-type: none;", 1},
    {"MnListedecimal", "  list-style-type: decimal;", 1},
    {"MnListedecimalleadingzero", "  list-style-type: decimal-leading-zero;", 1},
    {"MnListelowerroman", "  list-style-type: lower-roman;", 1},
    {"MnListeupperroman", "  list-style-type: upper-roman;", 1},
    {"MnListelowergreek", "  list-style-type: lower-greek;", 1},
    {"MnListelowerlatin", "  list-style-type: lower-latin;", 1},
    {"MnListeUpperlatin", "  list-style-type: upper-latin;", 1},
    {"MnListStylePosition_inside", "  list-style-position: inside;", 1},
    {"MnListStylePosition_Outside", "  list-style-position: outside;", 1},
    {"MnCss_BorderFarbe", "  border-color: red;", 1},
    {"MnBorderStyleNone", "  border-style: none;", 1},
    {"MnBorderStyleHdden", "  border-style: hidden;", 1},
    {"MnBorderStyleDotted", "  border-style: dotted;", 1},
    {"MnBorderStyleDashed", "  border-style: dashed;", 1},
    {"MnBorderStyleSolid", "  border-style: solid;", 1},
    {"MnBorderStyleDouble", "  border-style: double;", 1},
    {"MnBorderStyleGroove", "  border-style: groove;", 1},
    {"MnBorderStyleRidge", "  border-style: ridge;", 1},
    {"MnBorderStyleInset", "  border-style: inset;", 1},
    {"MnBorderStyleOutset", "  border-style: outset;", 1},
    {"MnCss_BorderWidth", "  border-width:5px;", 1},
    {"MnPaddingOne", "  padding: 10px;", 1},
    {"MnPaddingTwo", "  padding: 10px 10px;  // T/B  und L/R", 1},
    {"MnPaddingView", "  padding: 10px 10px 10px 10px;", 1},
    {"MnPaddingTop", "    padding-top: 10px;", 1},
    {"MnPaddingLeft", "    padding-left: 10px;", 1},
    {"MnPaddingBottom", "    padding-bottom: 10px;", 1},
    {"MnPaddingright", "    padding-right: 10px;", 1},
    {"MnCss_MarginOne", "  margin: 10px;", 1},
    {"MnCss_MarginTwo", "  margin: 10px 10px;  /* T/B  L/R  oder 10px  auto;  */", 1},
    {"MnCss_MarginFour", "  margin: 10px 10px 10px 10px;", 1},
    {"MnCss_MarginTop", "    margin-top: 10px;", 1},
    {"MnCss_MarginLeft", "    margin-left: 10px;", 1},
    {"MnCss_MarginBottom", "    margin-bottom: 10px;", 1},
    {"MnCss_MarginRight", "    margin-right: 10px;", 1},
    {"MnCSS_Textalign_left1", "    text-align: left;", 1},
    {"MnCSS_Textalign_center1", "    text-align: center;", 1},
    {"MnCSS_Textalign_right1", "    text-align: right;", 1},
    {"MnCSS_Textalign_justify1", "    text-align: justify;", 1},
    {"MnValign_Baseline", "    vertical-align: baseline;", 1},
    {"MnValign_Sub", "    vertical-align: sub;", 1},
    {"MnValign_Super", "    vertical-align: super;", 1},
    {"MnValign_texttop", "    vertical-align: text-top;", 1},
    {"MnValign_textbottom", "    vertical-align: text-bottom;", 1},
    {"MnValign_middle", "    vertical-align: middle;", 1},
    {"MnValign_top", "    vertical-align: top;", 1},
    {"MnValign_bottom", "    vertical-align: bottom;", 1},
    {"MnValign_percentage", "    vertical-align: 20%;  /*  -20%  oder +20% */", 1},
};

inline const TExpected FormItems[] = {
    {"MnInsertForm",
     R"(<form name="Anmeldung" method="get" action="http://www.example.com/scripte/php/test.php" >)",
     3},
    {"MnFieldsetLegend", "<fieldset>", 3},
    {"MnInsertLabel", "<label> Username", 5},
    {"MnInsertTextfeld",
     R"~(<input type="text" name="name1" placeholder="Vorgabetext(placeholder)" value="Vorgabetext" size="12"   autofocus="autofocus"  required="required"/>)~",
     1},
    {"MnInsertTextfeldPattern",
     R"(<!--  IP-Adresse  pattern="[0-9]{1,3}.[0-9]{1,3}.[0-9]{1,3}" --> )",
     3},
    {"MnInsertMemo", "<br />", 3},
    {"MnInsertHidden", R"(<input type="hidden" name="geheim" value="passwort" size=12/>)", 1},
    {"MnInsertCheckBox", R"(<input type="checkbox" name="cad1" value="CAD1" /> FreeCAD<br />)", 1},
    {"MnInsertRadioButton", "<br />", 4},
    {"MnInsertComboBox", "<br />", 6},
    {"MnInsertHTML5_number",
     R"(1. Zahl <input type="number" name="zahl1" value="zahl1" /> <br />)",
     1},
    {"MnInsertHTML5_range",
     R"(<input type="range" name="range1" min="10" max="100" step="5" value="55" />)",
     2},
    {"MnInsertHTML5_color",
     R"(Farbdialog: <input type="color" name="color1" value="color1" /> <br />)",
     1},
    {"MnInsertHTML5_date",
     R"( 1. Datum: <input type="date" name="datum1" value="datum1" /><br />)",
     1},
    {"MnInsertSubmitSchalter", R"(<input type="submit" value="senden" />)", 1},
    {"MnInsertButtonSchalter",
     R"~(<input type="button" value= "senden" onclick="calc(this.form)"/>)~",
     1},
    {"BnInsertResetButton", R"(<input type="reset" value="L&#246;schen"/><br />)", 1},
    {"MnInsertFormKomplettBeispiel", "<form>", 13},
};

inline const TExpected ScriptItems[] = {
    {"MnJava_script", "<!--  Muss in den Header-Abschnitt -->", 11},
    {"MnJava_function", "function pruefe() {", 6},
    {"Mnconsolelog", R"(console.log( "hier beim Punkt1" );)", 1},
    {"MnJava_if", "if() {", 3},
    {"MnJava_ifelse", "if() {", 5},
    {"MnJava_do", "do {", 3},
    {"MnJava_while", "while() {", 3},
    {"MnJava_for", "for ( ; ; ) {", 3},
    {"MnJava_for_i", "for (i=; i< ; i++ ) {", 3},
    {"MnJava_switch", "switch () {", 4},
    {"MnparseInt", "var n = parseInt(sn);", 1},
    {"MnparseFloat", "var n = parseInt(sn,10);", 1},
    {"MnisNaN", "if ( isNaN(sn) ) {", 6},
    {"MnKomma2Point", R"(sn = sn.replace( /,/,"." );)", 1},
    {"MntoFixed", "var erg = x.toFixed(3);", 1},
    {"MnSplit", R"(var musik = "Jazz;Blues;Rock";)", 5},
    {"MnEvent_onload", R"(onLoad="")", 1},
    {"MnEvent_onUnload", R"(onUnload="")", 1},
    {"MnEvent_onClick", R"(onClick="")", 1},
    {"MnEvent_onDblclick", R"(onDBLclick="")", 1},
    {"MnEvent_onMouseDown", R"(onMouseDown="")", 1},
    {"MnEvent_onMouseUp", R"(onMouseUp="")", 1},
    {"MnEvent_onMouseOver", R"(onMouseOver="")", 1},
    {"MnEvent_onMouseMove", R"(onMouseMove="")", 1},
    {"MnEvent_onMouseOut", R"(onMouseOut="")", 1},
    {"MnEvent_onFocus", R"(onFocus="")", 1},
    {"MnEvent_onBlur", R"(=onBlur"")", 1},
    {"MnEvent_onKeypress", R"(onKeypress="")", 1},
    {"MnEvent_onKeydown", R"(onKeydown="")", 1},
    {"MnEvent_onKeyup", R"(onKeyup="")", 1},
    {"MnEvent_onSubmit", R"(onSubmit="")", 1},
    {"MnEvent_onReset", R"(onReset="")", 1},
    {"MnEvent_onSelect", R"(onSelect="")", 1},
    {"MnEvent_onChange", R"(onChange="")", 1},
    {"MnPHPAbschnitt", "<?php", 3},
    {"MnIsSet", "if ( isset($_GET['vorname']) ){\t\t //\tIst gesetzt?", 3},
    {"MnIsNumeric", "  if (is_numeric($sZahl)) {", 5},
    {"Mnintval", "  $Zahl = intval ( $sZahl );", 1},
    {"MnEchoText", R"(  echo "<p>Hier kommt ein Text in der HTML-Datei</p>",PHP_EOL;)", 1},
    {"echoText_Variable", "  $Zahl=42;", 2},
    {"echoText_Variable_Trennung", "  $Zahl=42;", 2},
};

// The lines that differ between the document before and after: the longest common run of
// lines at the start and at the end is cut off.
inline QStringList InsertedLines(const QStringList &after)
{
    qsizetype head = 0;
    while (head < Document.size() && head < after.size() && Document[head] == after[head])
        ++head;
    qsizetype tail = 0;
    while (tail < Document.size() - head && tail < after.size() - head
           && Document[Document.size() - 1 - tail] == after[after.size() - 1 - tail])
        ++tail;
    return after.mid(head, after.size() - head - tail);
}

// Answers every dialog an item may open; the image-map files are written into the folder.
inline void Answer(TScriptedPrompter &prompter, TScriptedToolDialogs &tools, const QDir &files)
{
    QImage(100, 50, QImage::Format_RGB32).save(files.filePath("karte.bmp"), "BMP");
    QFile shapes(files.filePath("karte.shw"));
    if (shapes.open(QIODevice::WriteOnly))
        shapes.write("3\r\n1\r\nFeld\r\n2\r\n0\r\n0\r\n200\r\n100\r\n");
    tools.AreaTagAnswers = {
        QString(R"(<area shape="point" alt="alt-text" coords="1, 2" href="ref.html" />)")};
    tools.ShapePictureAnswers = {files.filePath("karte.bmp")};
    tools.ShapeFileAnswers = {files.filePath("karte.shw")};
    prompter.ColorAnswers = {QColor(255, 0, 0)};
    prompter.TextAnswers = {QString("pruefe")};
    prompter.OpenAnswers = {TFileDialogResult{{"/bilder/foto.gif"}}};
    prompter.YesNoAnswers = {false};
    tools.ColorNameAnswers = {QString("red")};
    TTableOptions table;
    table.Rows = 2;
    table.Cols = 2;
    tools.TableAnswers = {table};
}

// Every table above.
inline std::vector<std::span<const TExpected>> AllItems()
{
    return {HtmlInsertItems, FontItems, CssBlockItems, CssDeclarationItems, FormItems, ScriptItems};
}

} // namespace CatalogueExpectations
