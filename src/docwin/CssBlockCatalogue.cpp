// The CSS window's menus of whole rule blocks: "Basis &CSS", "Listen / Tabellen / Forms" and
// "Links". Blocks are appended at the end of the style sheet; the caret follows them. Every
// blank is part of the texts, trailing ones included.
#include "CssCatalogues.h"
#include "CssValueRows.h"

namespace {

using enum TCatalogueAction;

constexpr TCatalogueEntry BasisItems[] = {
    CssBasicEntry,
    {"MnInsertCSS",
     "leerer &CSS-Block",
     "",
     AppendToEnd,
     "xx {\n"
     "  font-family : Arial, Helvetica, Verdana, sans-serif;\n"
     "  font-size: 1.4em;\n"
     "  color: #0000FF;\n"
     "  font-weight : normal;\n"
     "}"},
    {"BnInsert_BlockH2",
     "h2",
     "",
     AppendToEnd,
     "h2{\n"
     "  font-size: 1.2em;\n"
     "  color: #0000FF;\n"
     "  font-weight : ligther;\n"
     "  background-color: yellow;\n"
     "}"},
    {"MnMehrfachdefinition", "Mehrfachdefinition h1,h2", "", AppendToEnd, "h1, h2 {\n}"},
    {"MnHintereinanderDefinition",
     "Hintereinander Definition body > h2",
     "",
     AppendToEnd,
     "body > h2 {\n}"},
    {"MnUebereinanderDefinition", "Übereinander Definition, h1+h2", "", AppendToEnd, "h1 + h2 {\n}"},
    {"MnBloeckeNebeneinander",
     "Blöcke nebeneinander",
     "",
     AppendToEnd,
     "/*  <div id=\"left\">  */\n"
     "#left{\n"
     "  float: left;\n"
     "  left: 0;\n"
     "  width: 11em;\n"
     "  margin-left: 5px;  /* Rand wird aufgeteilt */\n"
     "  margin-right: 5px;\n"
     "  padding: 5px; /* Innenrand, sieht besser aus */\n"
     "  border: 1px inset  black;\n"
     "}\n"
     "\n"
     "/*  <div id=\"right\">  */\n"
     "#right{\n"
     "  float: left;\n"
     "  margin-left: 5px;  /* Rand wird aufgeteilt */\n"
     "  margin-right: 5px;\n"
     "  padding: 5px; /* Innenrand, sieht besser aus */\n"
     "  width: 300px;\n"
     "  margin-left: 5px;\n"
     "  border: 1px inset  black;\n"
     "}\n"},
    {"", "-", "", Inactive},
    // Four pastes in a row at the advancing caret: one run of text on the caret's line.
    {"MnPositionabsolute",
     "Position absolute",
     "",
     PasteEach,
     "  position: absolute;\n"
     "  top: 50;\n"
     "  left: 5;\n"
     "  width: 250px;"},
    {"MnPositionrelativ",
     "Position relativ",
     "",
     PasteEach,
     "  position: relative;\n"
     "  top: 10px; /* oberer Rand=Abstand */  \n"
     "  left: 0;\n"
     "  width: 250px;"},
};

constexpr TCatalogueEntry ListTableFormItems[] = {
    {"MnListeUL", "UL", "", Submenu, "", "", CssRows::UnorderedListTypes},
    {"MnListeOL", "OL", "", Submenu, "", "", CssRows::OrderedListTypes},
    {"MnListStylePosition", "list-style-position", "", Submenu, "", "", CssRows::ListPositions},
    {"", "-", "", Inactive},
    {"BnInsert_BlockTH",
     "th",
     "",
     AppendToEnd,
     "th {\n"
     "  font-family : Arial, Helvetica, Verdana, sans-serif;\n"
     "  font-size: 1.5em;\n"
     "  color1: #0000FF;\n"
     "  font-weight : normal;\n"
     "}"},
    {"BnInsert_BlockTD",
     "td",
     "",
     AppendToEnd,
     "td {\n"
     "  font-family : Arial, Helvetica, Verdana, sans-serif;\n"
     "  font-size: 1.1em;\n"
     "  color: #FF00FF;\n"
     "  font-weight : normal;\n"
     "}"},
    {"MnTabellenRand",
     "Tabelllen mit Rand",
     "",
     AppendToEnd,
     "/* Aussenrand */\n"
     "table {\n"
     "  border: 1px solid; \n"
     "  border-collapse:collapse; /* verhindert doppelte Ränder */ \n"
     "}\n"
     "\n"
     "/* einfacher Rand in der Tabelle */\n"
     "td, th {\n"
     "  border: 1px solid; \n"
     "  border-color: black;\n"
     "}"},
    {"MnInsert_CSS_FieldsetLegend",
     "CSS Fieldset Legend / Label",
     "",
     AppendToEnd,
     "fieldset {\n"
     "  border: 2px solid #C5D8E1;\n"
     "  border-radius: 10px;\n"
     "  background: white;\n"
     "  margin: 0;\n"
     "  width:350px;\n"
     "}\n"
     "\n"
     "legend { \n"
     " color:red;\n"
     "} "},
};

constexpr TCatalogueEntry LinkItems[] = {
    {"MnNoneVisited", "None Visited", "", AppendToEnd, "a:link{\n  color: #0000FF;\n}"},
    {"MnLinkVisited", "Visited", "", AppendToEnd, "a:visited{\n  color: #0000FF;\n}"},
    {"MnLinkActivate", "Activate", "", AppendToEnd, "a:active{\n  color: #FF0000;\n}"},
    {"MnAlledreiLinks",
     "Alle drei Links (untereinander)",
     "",
     AppendToEnd,
     "a:link{\n"
     "  color: #0000FF;\n"
     "}\n"
     "\n"
     "a:visited{\n"
     "  color: #0000FF;\n"
     "}\n"
     "\n"
     "a:active{\n"
     "  color: #FF0000;\n"
     "}"},
    {"MnAlledreiLinksZusammen",
     "Alle drei Links (zusammen)",
     "",
     AppendToEnd,
     "a:link, a:visited, a:active{\n"
     "  color: #0000FF;\n"
     "  /*text-decoration:none;*/\n"
     "  /*color:blue;*/\n"
     "}"},
};

} // namespace

TCatalogueMenu CssBasisMenu()
{
    return {"MnBasisCSS", "Basis &CSS", 2, BasisItems};
}

TCatalogueMenu CssListTableFormMenu()
{
    return {"MnListenTabellenForms", "Listen / Tabellen / Forms", 2, ListTableFormItems};
}

TCatalogueMenu CssLinkMenu()
{
    return {"MnLinks", "Links", 2, LinkItems};
}

std::vector<TCatalogueMenu> CssCatalogueMenus()
{
    return {CssBasisMenu(),
            CssPictureMenu(),
            CssColourMenu(),
            CssFontMenu(),
            CssListTableFormMenu(),
            CssBorderMenu(),
            CssLinkMenu()};
}
