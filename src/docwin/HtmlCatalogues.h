#pragma once

// The insertion menus of the HTML window, each a catalogue table (see Catalogue.h), in the
// order in which they stand in the menu bar: "&Einfügen HTML" and "&Schrift" (group 2),
// "&CSS", "&Forms", "Java-Skript" and "&PHP" (group 3).

#include "Catalogue.h"

#include <vector>

TCatalogueMenu HtmlInsertMenu();
TCatalogueMenu FontMenu();
TCatalogueMenu CssSnippetMenu();
TCatalogueMenu FormsMenu();
TCatalogueMenu JavaScriptMenu();
TCatalogueMenu PhpMenu();

// All of them, in menu bar order.
std::vector<TCatalogueMenu> HtmlCatalogueMenus();
