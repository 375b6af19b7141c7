// The menu "&CSS" of the HTML window as catalogue data: style sheet links and style blocks for
// the head, rule blocks at the caret and single declarations.
#include "HtmlCatalogues.h"

namespace {

using enum TCatalogueAction;

constexpr TCatalogueEntry BlockItems[] = {
    {"BnInsert_BlockH1",
     "H2 (an Kursor)",
     "",
     Declarations,
     "h2{\n  font-size: 1.2em;\n  color: #0000FF;\n  font-weight : ligther;\n"
     "  background-color:yellow;\n}"},
    {"BnInsert_BlockOL1",
     "OL (an Kursor)",
     "",
     Declarations,
     "ol{\n  list-style-type:upper-alpha;\n}"},
    {"BnInsert_BlockUL1",
     "UL (an Kursor)",
     "",
     Declarations,
     "ul{\n  list-style-type:square;\n  llist-style-position:outside;\n}"},
    {"BnInsert_BlockTH1",
     "TH (an Kursor)",
     "",
     Declarations,
     "th {\n  font-family : Tahoma, Geneva, Arial, Helvetica, sans-serif;\n  font-size: 1.5em;\n"
     "  color1: #0000FF;\n  font-weight : normal;\n}"},
    {"BnInsert_BlockTD1",
     "TD (an Kursor)",
     "",
     Declarations,
     "td {\n  font-family : Tahoma, Geneva, Arial, Helvetica, sans-serif;\n  font-size: 1.2em;\n"
     "  color: #0000FF;\n  font-weight : normal;\n}"},
};

constexpr TCatalogueEntry TableItems[] = {
    {"BnInsert_BlockTH2",
     "th",
     "",
     Lines,
     "th {\n  font-family : Arial, Helvetica, Verdana, sans-serif;\n  font-size: 1.5em;\n"
     "  color1: #0000FF;\n  font-weight : normal;\n}\n"},
    {"BnInsert_BlockTD2",
     "td",
     "",
     Lines,
     "  td {\n    font-family : Arial, Helvetica, Verdana, sans-serif;\n    font-size: 1.1em;\n"
     "    color: #FF00FF;\n    font-weight : normal;\n  }\n"},
    {"MnTabellenRand1",
     "Tabelllen mit Rand",
     "",
     Lines,
     "  /* Aussenrand */\n  table {\n    border: 1px solid; \n"
     "    border-collapse:collapse; /* verhindert doppelte Ränder */ \n  }\n\n"
     "  /* einfacher Rand in der Tabelle */\n  td, th {\n    border: 1px solid; \n"
     "    border-color: black;\n  }\n"},
};

constexpr TCatalogueEntry LinkItems[] = {
    {"MnNoneVisited1", "None Visited", "", Lines, "  a:link{\n    color: #0000FF;\n  }\n"},
    {"MnLinkVisited1", "Visited", "", Lines, "  a:visited{\n    color: #0000FF;\n  }\n"},
    {"MnLinkActivate1", "Activate", "", Lines, "  a:active{\n    color: #FF0000;\n  }\n"},
    {"MnAlledreiLinks1",
     "Alle drei Links (untereinander)",
     "",
     Lines,
     "  a:link{\n    color: #0000FF;\n  }\n\n  a:visited{\n    color: #0000FF;\n  }\n\n"
     "  a:active{\n    color: #FF0000;\n }\n"},
    {"MnAlledreiLinksZusammen1",
     "Alle drei Links (zusammen)",
     "",
     Lines,
     "  a:link, a:visited, a:active{\n    color: #0000FF;\n    /*text-decoration:none;*/\n"
     "    /*color:blue;*/\n  }\n"},
};

constexpr TCatalogueEntry DirectHtmlItems[] = {
    {"MnScrollAbschnitt",
     "Scroll-Abschnitt",
     "",
     Lines,
     "<div style=\"overflow: auto; width: 100px; height: 100px; \">\n    <!-- Inhalt ->\n</div>"},
};

constexpr TCatalogueEntry BodyPictureItems[] = {
    {"MnCss_BackgroundImage",
     "Body: background-image",
     "",
     Paste,
     R"(background-image=url("bild.jpg");)"},
    {"MnCss_BackgroundRepeat",
     "Body: background-repeat",
     "",
     Paste,
     "background-repeat:no-repeat;  /* repeat-x  repeat-y repear"},
    {"MnCss_BackgroundAttachment",
     "Body: background-attachment",
     "",
     Paste,
     "background-attachment:scroll;  /* scroll  fixed=bleibt beim scrollen fixed */"},
    {"MnCss_BackgroundPosition",
     "Body: background-position",
     "",
     Paste,
     "background-position:left;  /* left center right top bottom,   w% x% y% z%, 0.3em */"},
};

constexpr TCatalogueEntry ColourItems[] = {
    {"MnCss_Hintergrundfarbe", "Hintergrundfarbe", "", Declarations, "  background-color: gray;"},
    {"MnCss_FarbeHex", "&Farbe (Hex)", "", HexColour, "#%1;"},
    {"MnCss_FarbeTextkonstante", "&Farbe Textkonstante", "", NamedColour, " %1;"},
};

constexpr TCatalogueEntry FontFamilyItems[] = {
    {"MnCss_FonttypVerdana",
     "Verdana, Arial, Helvetica, Swiss",
     "",
     Declarations,
     "  font-family: VERDANA,ARIAL,HELVETICA;"},
    {"MnCss_FonttypCourier", "Courier New", "", Declarations, "  font-family: COURIER NEW;"},
    {"MnCss_FonttypMonospace", "Monospace", "", Declarations, "  font-family: MONOSPACE;"},
};

constexpr TCatalogueEntry FontSizeItems[] = {
    {"MnCss_GanzKleineSchrift", "ganz kleine Schrift", "", Declarations, "  font-size: xx-small;"},
    {"MnCss_Kleiner", "Kleiner", "", Declarations, "  font-size: -1;"},
    {"MnCss_Groesser", "Größer", "", Declarations, "  font-size: +1;"},
    {"MnCss_GanzGrosseSchrift", "ganz große Schrift", "", Declarations, "  font-size: xx-large;"},
    {"MnCss_GroessereSchriftEm", "größere Schrift em", "", Declarations, "  font-size: 1.5em;"},
    {"MnCss_GroessereSchriftProzent", "größere Schrift %", "", Declarations, "  font-size: 150%;"},
};

constexpr TCatalogueEntry TextDecorationItems[] = {
    {"MnCss_TextDecorationNone", "none", "", Declarations, "  text-decoration: none;"},
    {"MnCss_TextDecorationUnderline", "underline", "", Declarations, "  text-decoration: underline;"},
    {"MnCss_TextDecorationOverline", "overline", "", Declarations, "  text-decoration: overline;"},
    {"MnCss_TextDecorationLineThrough",
     "durchgestrichen",
     "",
     Declarations,
     "  text-decoration: line-through;"},
    {"MnCss_TextDecorationBlink", "blinkend", "", Declarations, "  text-decoration: blink;"},
    {"MnCss_Kursiv", "Kursiv", "", Declarations, "  font-style:italic;"},
};

constexpr TCatalogueEntry TextTransformItems[] = {
    {"MnCss_TextTransformNone", "none", "", Declarations, "  text-transform: none;"},
    {"MnCss_TextTransformUppercase", "uppercase", "", Declarations, "  text-transform: uppercase;"},
    {"MnCss_TextTransformLowercase", "lowercase", "", Declarations, "  text-transform: lowercase;"},
    {"MnCss_TextTransformCapitalize",
     "capitalize",
     "",
     Declarations,
     "  text-transform: capitalize;"},
};

constexpr TCatalogueEntry FontItems[] = {
    {"MnCss_SchriftSize", "&Schrift Size=1,2em", "", Declarations, "  font-size: 1.2em;"},
    {"MnCss_Schriftfarbe", "Schriftfarbe", "", HexColourLine, "color:#%1;"},
    {"MnCss_Schriftart", "Schriftart", "", Submenu, "", "", FontFamilyItems},
    {"MnCss_RelSchriftgroesse", "rel. Schriftgröße", "", Submenu, "", "", FontSizeItems},
    {"MnCss_Schriftstaerke",
     "Schriftstärke",
     "",
     Declarations,
     "  font-weight: 400;  // 100 bis 900"},
    {"MnCss_WordSpacing", "Word-Spacing", "", Declarations, "  word-spacing:2pt;"},
    {"MnCss_LetterSpacing", "Letter-Spacing", "", Declarations, "  letter-spacing:3pt;"},
    {"MnCss_TextDecoration", "text-decoration", "", Submenu, "", "", TextDecorationItems},
    {"MnCss_TextTransform", "text-transform", "", Submenu, "", "", TextTransformItems},
    {"MnCss_TextIndent", "Texteinrücken (text-indent)", "", Declarations, "  text-indent: 1.0in;"},
};

constexpr TCatalogueEntry UnorderedListItems[] = {
    {"MnCss_UlNone", "none", "", Paste, "list-style-type: none;"},
    {"MnCss_UlCircle", "circle", "", Paste, "  list-style-type: circle;"},
    {"MnCss_UlSquare", "square", "", Paste, "  list-style-type: square;"},
    {"MnCss_UlDisc", "disc", "", Paste, "  list-style-type: disc;"},
};

constexpr TCatalogueEntry OrderedListItems[] = {
    {"MnCss_OlNone", "none", "", Paste, "  list-style-type: none;"},
    {"MnCss_OlDecimal", "decimal", "", Paste, "  list-style-type: decimal;"},
    {"MnCss_OlDecimalLeadingZero",
     "decimal-leading-zero",
     "",
     Paste,
     "  list-style-type: decimal-leading-zero;"},
    {"MnCss_OlLowerRoman", "lower-roman", "", Paste, "  list-style-type: lower-roman;"},
    {"MnCss_OlUpperRoman", "upper-roman", "", Paste, "  list-style-type: upper-roman;"},
    {"MnCss_OlLowerGreek", "lower-greek", "", Paste, "  list-style-type: lower-greek;"},
    {"MnCss_OlLowerLatin", "lower-latin", "", Paste, "  list-style-type: lower-latin;"},
    {"MnCss_OlUpperLatin", "upper-latin", "", Paste, "  list-style-type: upper-latin;"},
};

constexpr TCatalogueEntry ListPositionItems[] = {
    {"MnCss_ListPositionInside", "inside", "", Paste, "  list-style-position: inside;"},
    {"MnCss_ListPositionOutside", "outside", "", Paste, "  list-style-position: outside;"},
};

constexpr TCatalogueEntry ListItems[] = {
    {"MnCss_ListenUL", "UL", "", Submenu, "", "", UnorderedListItems},
    {"MnCss_ListenOL", "OL", "", Submenu, "", "", OrderedListItems},
    {"MnCss_ListStylePosition", "list-style-position", "", Submenu, "", "", ListPositionItems},
};

constexpr TCatalogueEntry BorderStyleItems[] = {
    {"MnCss_BorderStyleNone", "none", "", Paste, "  border-style: none;"},
    {"MnCss_BorderStyleHidden", "hidden", "", Paste, "  border-style: hidden;"},
    {"MnCss_BorderStyleDotted", "dotted", "", Paste, "  border-style: dotted;"},
    {"MnCss_BorderStyleDashed", "dashed", "", Paste, "  border-style: dashed;"},
    {"MnCss_BorderStyleSolid", "solid", "", Paste, "  border-style: solid;"},
    {"MnCss_BorderStyleDouble", "double", "", Paste, "  border-style: double;"},
    {"MnCss_BorderStyleGroove", "groove", "", Paste, "  border-style: groove;"},
    {"MnCss_BorderStyleRidge", "ridge", "", Paste, "  border-style: ridge;"},
    {"MnCss_BorderStyleInset", "inset", "", Paste, "  border-style: inset;"},
    {"MnCss_BorderStyleOutset", "outset", "", Paste, "  border-style: outset;"},
};

constexpr TCatalogueEntry PaddingItems[] = {
    {"MnCss_PaddingOne", "Ein Wert für alle vier Werte", "", Paste, "  padding: 10px;"},
    {"MnCss_PaddingTwo",
     "Zwei Werte: top/bottom  und left/right",
     "",
     Paste,
     "  padding: 10px 10px;  // T/B  und L/R"},
    {"MnCss_PaddingFour", "Vier Werte", "", Paste, "  padding: 10px 10px 10px 10px;"},
    {"MnCss_PaddingTop", "Padding-top", "", Declarations, "  padding-top: 10px;"},
    {"MnCss_PaddingLeft", "Padding-left", "", Declarations, "  padding-left: 10px;"},
    {"MnCss_PaddingBottom", "Padding-Bottom", "", Declarations, "  padding-bottom: 10px;"},
    {"MnCss_PaddingRight", "Padding-right", "", Declarations, "  padding-right: 10px;"},
};

constexpr TCatalogueEntry MarginItems[] = {
    {"MnCss_MarginOne", "Ein Wert für alle vier Werte", "", Paste, "  margin: 10px;"},
    {"MnCss_MarginTwo",
     "Zwei Werte: top/bottom  und left/right",
     "",
     Paste,
     "  margin: 10px 10px;  /* T/B  L/R  oder 10px  auto;  */"},
    {"MnCss_MarginFour", "Vier Werte", "", Paste, "  margin: 10px 10px 10px 10px;"},
    {"MnCss_MarginTop", "Margin-top", "", Declarations, "  margin-top: 10px;"},
    {"MnCss_MarginLeft", "Margin-left", "", Declarations, "  margin-left: 10px;"},
    {"MnCss_MarginBottom", "Margin-Bottom", "", Declarations, "  margin-bottom: 10px;"},
    {"MnCss_MarginRight", "Margin-right", "", Declarations, "  margin-right: 10px;"},
};

constexpr TCatalogueEntry BorderItems[] = {
    {"MnCss_BorderFarbe", "Border-Farbe", "", Paste, "  border-color: red;"},
    {"MnCss_BorderStyle", "Border-Style", "", Submenu, "", "", BorderStyleItems},
    {"MnCss_BorderWidth", "border-width", "", Paste, "  border-width:5px;"},
    {"MnCss_Padding", "Innenrand (Padding)", "", Submenu, "", "", PaddingItems},
    {"MnCss_Margin", "Außenrand (Margin)", "", Submenu, "", "", MarginItems},
};

constexpr TCatalogueEntry HorizontalAlignItems[] = {
    {"MnCss_TextAlignLeft", "Links ausgerichtet", "", Declarations, "  text-align: left;"},
    {"MnCss_TextAlignCenter", "Zentriert ausgerichtet", "", Declarations, "  text-align: center;"},
    {"MnCss_TextAlignRight", "Rechts ausgerichtet", "", Declarations, "  text-align: right;"},
    {"MnCss_TextAlignJustify", "Blocksatz", "", Declarations, "  text-align: justify;"},
};

constexpr TCatalogueEntry VerticalAlignItems[] = {
    {"MnCss_ValignBaseline", "baseline", "", Declarations, "  vertical-align: baseline;"},
    {"MnCss_ValignSub", "Sub", "", Declarations, "  vertical-align: sub;"},
    {"MnCss_ValignSuper", "super", "", Declarations, "  vertical-align: super;"},
    {"MnCss_ValignTextTop", "text-top", "", Declarations, "  vertical-align: text-top;"},
    {"MnCss_ValignTextBottom", "text-bottom", "", Declarations, "  vertical-align: text-bottom;"},
    {"MnCss_ValignMiddle", "middle", "", Declarations, "  vertical-align: middle;"},
    {"MnCss_ValignTop", "top", "", Declarations, "  vertical-align: top;"},
    {"MnCss_ValignBottom", "bottom", "", Declarations, "  vertical-align: bottom;"},
    {"MnCss_ValignPercentage",
     "percentage",
     "",
     Declarations,
     "  vertical-align: 20%;  /*  -20%  oder +20% */"},
};

constexpr TCatalogueEntry CssItems[] = {
    {"BnInsertReferenz",
     "Einfügen externe Referenz",
     "",
     IntoHead,
     "   <!--  Muss in den Header-Abschnitt -->\n   <link rel=\"stylesheet\" type=\"text/css\"\n"
     "     href=\"style2.css\" title=\"style1\"/>\n",
     "<!--  Muss in den Header-Abschnitt -->\n<link rel=\"stylesheet\" type=\"text/css\"\n"
     "  href=\"style2.css\" title=\"style1\"/>\n"},
    {"BnInsertLokalRules",
     "Einfügen lokale Styles",
     "",
     IntoHead,
     "   <!--  Muss in den Header-Abschnitt -->\n"
     "   <style type=\"text/css\"  id=\"internalStyle\" >\n     body {\n       font-size: 1em;\n"
     "       color: rgb(255,100,100);\n       font-weight:100;\n     }\n     \n   </style>\n",
     "  <!--  Muss in den Header-Abschnitt -->\n"
     "  <style type=\"text/css\"  id=\"internalStyle\" >\n    body {\n      font-size: 1em;\n"
     "      color: rgb(255,100,100);\n      font-weight:300;\n    }\n\n\n  </style>"},
    {"", "-", "", Inactive},
    {"MnInsertBasic1",
     "Grundgerüst",
     "",
     Declarations,
     "body {\n  font-size: 1.0em;\n  color: rgb(100,100,100);\n"
     "  font-family:Arial,Garamond, Times, \"Gill Sans\", Serif;\n  font-weight:400;\n}"},
    {"MnInsertCSS1",
     "leerer &CSS-Block",
     "",
     Declarations,
     "XX {\n  font-family : Tahoma, Geneva, Arial, Helvetica, sans-serif;\n  font-size: 1.5em;\n"
     "  color: #0000FF;\n  font-weight : normal;\n}"},
    {"MnCss_Bloecke", "Blöcke", "", Submenu, "", "", BlockItems},
    {"MnCss_Tabellen", "&Tabellen", "", Submenu, "", "", TableItems},
    {"MnCss_Links", "Links", "", Submenu, "", "", LinkItems},
    {"MnInsert_CSS_FieldsetLegend",
     "Fieldset/Legend",
     "",
     LinesBelow,
     "     fieldset {\n      border: 2px solid #C5D8E1;\n      border-radius: 10px;\n"
     "      background: white;\n      margin: 0;\n      width:350px;\n     }\n\n   legend {\n"
     "     color:red;\n     }"},
    {"MnDirekterHtmlCode", "Direkter HMTL-Code", "", Submenu, "", "", DirectHtmlItems},
    {"", "-", "", Inactive},
    {"MnCss_BilderImBody", "Bilder im body", "", Submenu, "", "", BodyPictureItems},
    {"MnCss_Farben", "Farben", "", Submenu, "", "", ColourItems},
    {"MnCss_Schrift", "Schrift", "", Submenu, "", "", FontItems},
    {"MnCss_Listen", "Listen", "", Submenu, "", "", ListItems},
    {"MnCss_Raender", "Ränder", "", Submenu, "", "", BorderItems},
    {"MnCss_HorizontalAlignment", "Horizontal Alignment", "", Submenu, "", "", HorizontalAlignItems},
    {"MnCss_VerticalAlign", "Vertical Align", "", Submenu, "", "", VerticalAlignItems},
};

} // namespace

TCatalogueMenu CssSnippetMenu()
{
    return {"MnCSS", "&CSS", 3, CssItems};
}
