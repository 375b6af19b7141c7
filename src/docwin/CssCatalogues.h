#pragma once

// The insertion menus of the CSS window, each a catalogue table (see Catalogue.h), in the order
// in which they stand in the menu bar (all in group 2): "Basis &CSS", "Bilder", "Farben",
// "Schrift", "Listen / Tabellen / Forms", "Ränder" and "Links". Whole rule blocks are appended
// at the end of the style sheet, single declarations go in as a line above the caret's line,
// values are pasted at the caret.

#include "Catalogue.h"

#include <vector>

// "Grundgerüst": the basic rule block, appended at the end; also the text of a new style sheet.
inline constexpr TCatalogueEntry
    CssBasicEntry{"MnInsertBasic",
                  "Grundgerüst",
                  "",
                  TCatalogueAction::AppendToEnd,
                  "body {\n"
                  "  font-size: 1.2em;\n"
                  "  color: rgb(100,100,100);\n"
                  "  font-family: Arial, Helvetica, Verdana, sans-serif;\n"
                  "  font-weight: 400;\n"
                  "}"};

TCatalogueMenu CssBasisMenu();
TCatalogueMenu CssPictureMenu();
TCatalogueMenu CssColourMenu();
TCatalogueMenu CssFontMenu();
TCatalogueMenu CssListTableFormMenu();
TCatalogueMenu CssBorderMenu();
TCatalogueMenu CssLinkMenu();

// All of them, in menu bar order.
std::vector<TCatalogueMenu> CssCatalogueMenus();
