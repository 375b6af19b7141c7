// The menu "&CSS" of the HTML window as catalogue data: style sheet links and style blocks for
// the head, rule blocks at the caret and single declarations.
#include "CssValueRows.h"
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
    {"MnCss_TextTransform", "text-transform", "", Submenu, "", "", CssRows::TextTransforms},
    {"MnCss_TextIndent", "Texteinrücken (text-indent)", "", Declarations, "  text-indent: 1.0in;"},
};

constexpr TCatalogueEntry ListItems[] = {
    {"MnCss_ListenUL", "UL", "", Submenu, "", "", CssRows::UnorderedListTypes},
    {"MnCss_ListenOL", "OL", "", Submenu, "", "", CssRows::OrderedListTypes},
    {"MnCss_ListStylePosition", "list-style-position", "", Submenu, "", "", CssRows::ListPositions},
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
    {"MnCss_BorderStyle", "Border-Style", "", Submenu, "", "", CssRows::BorderStyles},
    {"MnCss_BorderWidth", "border-width", "", Paste, "  border-width:5px;"},
    {"MnCss_Padding", "Innenrand (Padding)", "", Submenu, "", "", CssRows::Paddings},
    {"MnCss_Margin", "Außenrand (Margin)", "", Submenu, "", "", MarginItems},
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
    {"MnCss_BilderImBody", "Bilder im body", "", Submenu, "", "", CssRows::BodyPictures},
    {"MnCss_Farben", "Farben", "", Submenu, "", "", CssRows::Colours},
    {"MnCss_Schrift", "Schrift", "", Submenu, "", "", FontItems},
    {"MnCss_Listen", "Listen", "", Submenu, "", "", ListItems},
    {"MnCss_Raender", "Ränder", "", Submenu, "", "", BorderItems},
    {"MnCss_HorizontalAlignment",
     "Horizontal Alignment",
     "",
     Submenu,
     "",
     "",
     CssRows::HorizontalAligns},
    {"MnCss_VerticalAlign", "Vertical Align", "", Submenu, "", "", CssRows::VerticalAligns},
};

} // namespace

TCatalogueMenu CssSnippetMenu()
{
    return {"MnCSS", "&CSS", 3, CssItems};
}
