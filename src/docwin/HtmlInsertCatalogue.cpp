// The menus "&Einfügen HTML" and "&Schrift" of the HTML window as catalogue data.
#include "HtmlCatalogues.h"
#include "Skeletons.h"

namespace {

using enum TCatalogueAction;

constexpr TCatalogueEntry NumberedListItems[] = {
    {"MnListeNumerisch", "Numerisch", "", OrderedList, "1"},
    {"MnListeAlphabetisch", "Alphabetisch", "", OrderedList, "A"},
    {"MnListeRoemisch", "Römisch", "", OrderedList, "I"},
};

constexpr TCatalogueEntry ListItems[] = {
    {"MnListePunkte", "Punkte", "", UnorderedList, "disc"},
    {"MnListeQuadrat", "Quadrat", "", UnorderedList, "square"},
    {"MnListeKreise", "Kreise", "", UnorderedList, "circle"},
    {"MnNummerischeListe", "Nummerische Liste", "", Submenu, "", "", NumberedListItems},
};

constexpr TCatalogueEntry HtmlInsertItems[] = {
    {"MnGrundgeruest", "Grundgerüst", "", Submenu, "", "", SkeletonItems},
    {"MnDocTypes", "Doc-Types", "", Submenu, "", "", DocTypeItems},
    {"", "-", "", Inactive},
    {"MnHtml_Body",
     "&Body",
     "",
     Append,
     "<!-- Ein Kommentar -->\n<html>\n<head>\n   <title> Titel des Dokuments </title>\n"
     "</head>\n<body>\n  \n</body>\n</html>"},
    {"MnHTML_Header", "&Header", "", Lines, "<!-- Ein Kommentar -->\n<h1>\n   Text\n</h1>"},
    {"MnInsertAbsatz", "&Absatz", "", Lines, "<p>\n  Text\n</p>"},
    {"MnInsertHeadText", "Überschrift (H1..H6)", "", Lines, "<h3>\n  Text\n</h3>"},
    {"MnDefinitionList",
     "Definition Liste",
     "",
     Lines,
     "<dl>\n <dt>Def1</dt>\n  <dd>Text1</dd>\n <dt>Def2</dt>\n  <dd>Text2</dd>\n</dl>"},
    {"MnInsertEingeruecktAbsatz", "Eingerückter Absatz", "", Lines, "<ul>\n  Text\n</ul>"},
    {"MnListe", "&Liste", "", Submenu, "", "", ListItems},
    {"", "-", "", Inactive},
    {"MnTabelleEinfuegen", "&Tabelle einfügen...", "", Table},
    {"MnInsertTableRow",
     "Reihe einfügen",
     "",
     Lines,
     "<tr>\n    <td>\n    Daten\n    </td>\n  </tr>"},
    {"MnHtml_Zusatz_HorizontaleLinie", "Horizontale Linie", "", Lines, R"(<hr noshade size="1" />)"},
    {"", "-", "", Inactive},
    {"MnInsertEMailLink", "&E-Mail Link", "", Paste, R"("<a href="mailto:"> Adresse </a>")"},
    {"MnHtml_ZusatzVerknuepfung", "&Verknüpfung", "", Paste, R"(<a href="bsp.html">   text  </a>)"},
    {"MnInsertAnker", "Anker", "", Paste, R"(<a name=""> </a>)"},
    {"", "-", "", Inactive},
    {"MnGrafikBild",
     "&Grafik / Bild",
     "",
     Picture,
     R"(<img src="%1" alt="Beschreibender Text" border="0" usemap="#shapeareaname" />)"
     "\n"
     R"(<map name="shapeareaname">)"
     "\n</map>",
     R"(<img src="%1" alt="Beschreibender Text" border="0" />)"},
    {"MnBildCoords", "Bild-Coords", "", AreaTag},
    {"MnBildCoordsSHW", "Bild-Coords aus SHW Datei", "", ShapeMap},
    {"", "-", "", Inactive},
    {"MnKommentar", "&Kommentar", "", Lines, "<!--  Kommentar -->"},
};

constexpr TCatalogueEntry SpecialCharacterItems[] = {
    {"MnInsertSpace", "Leerzeichen (&#x0020;)", "", Paste, "&#x0020;", "", {}, true},
    {"MnInsertTab", "Tab (&#x0009;)", "", Paste, "&#x0009;", "", {}, true},
    {"MnInsertCarriageReturn", "Carriage Return (&#x000D;)", "", Paste, "&#x000D;", "", {}, true},
    {"MnInsertLineFeed", "Line Feed (&#x000A;)", "", Paste, "&#x000A;", "", {}, true},
    {"MnInsert_Char_Blank", "Festes Leerzeichen", "", Paste, "&#160;"},
    {"MnTrennzeichen", "Trennzeichen", "", Paste, "&#173;"},
    {"MnInsert_Char_Copyright", "Copyright (c)", "", Paste, "&#169;"},
    {"MnInsert_Char_R", "Copyright (R)", "", Paste, "&#174;"},
    {"MnInsert_Char_TM", "Trademark TM", "", Paste, "&#8482;"},
    {"MnSchrift_LT", "<", "", Paste, "&#60;"},
    {"MnSchrift_GT", ">", "", Paste, "&#62;"},
    {"MnInsert_Char_GTGT", ">>", "", Paste, "&#187;"},
    {"MnInsert_Char_LTLT", "<<", "", Paste, "&#171;"},
};

constexpr TCatalogueEntry FontItems[] = {
    {"MnFontsize_Plus4", "Am Größten (veraltet)", "", Paste, R"(<font size="+4">  </font>)"},
    {"MnFontsize_Plus3", "Sehr groß (veraltet)", "", Paste, R"(<font size="+3">  </font>)"},
    {"MnFontsize_Plus2", "Groß (veraltet)", "", Paste, R"(<font size="+2">  </font>)"},
    {"MnFontsize_Plus1", "Größer (veraltet)", "", Paste, R"(<font size="+1">  </font>)"},
    {"MnFontsize_Minus_1", "Kleiner (veraltet)", "", Paste, R"(<font size="-1">  </font>)"},
    {"MnFontsize_Minus_2", "Am kleinsten (veraltet)", "", Paste, R"(<font size="-2">  </font>)"},
    // Does nothing, so it is shown disabled.
    {"MnDefine_FontSize", "Basisschriftgröße definieren", "", Inactive},
    {"", "-", "", Inactive},
    {"MnFonttyp_Verdana",
     "Verdana, Arial, Helvetica, Swiss",
     "",
     Lines,
     "<font face=\"VERDANA,ARIAL,HELVETICA\">\n  Text\n</font>"},
    {"MnFonttyp_Courier", "Courier New", "", Lines, "<font face=\"COURIER NEW\">\n  Text\n</font>"},
    {"MnFonttyp_Monospace", "Monospace", "", Lines, "<font face=\"MONOSPACE\">\n  Text\n</font>"},
    {"", "-", "", Inactive},
    {"MnSchriftfarbe", "Schriftfarbe (veraltet)", "", HexColourLine, R"(<font color="#%1"></font>)"},
    {"MnFarbeHex", "&Farbe (Hex)", "", HexColour, R"("#%1")"},
    {"MnFarbeTextkonstante", "&Farbe Textkonstante", "", NamedColour, R"("%1")"},
    {"MnHTML_Schrift",
     "&Schrift Size=4 (veraltet)",
     "",
     Lines,
     "<!-- Ein Kommentar -->\n<font size=\"4\" color=\"black\">\n   Text\n</font>"},
    {"", "-", "", Inactive},
    {"MnFont_Bold", "Fett", "Ctrl+B", Paste, "<strong>  </strong>"},
    {"MnFont_Italic", "Kursiv (veraltet)", "Ctrl+I", Paste, "<i>  </i>"},
    {"MnFont_Underline", "Unterstrichen (veraltet)", "Ctrl+U", Paste, "<u>  </u>"},
    {"MnFont_Durchgestrichen", "Durchgestrichen (veraltet)", "", Paste, "<s>  </s>"},
    {"MnFont_Sup", "Hochgestellt", "Ctrl+Alt+H", Paste, "<sup>  </sup>"},
    {"MnFont_Sub", "Tiefgestellt", "Ctrl+Alt+T", Paste, "<sub>  </sub>"},
    {"MnFonttyp_Schreibmaschinenschrift",
     "Schreibmaschinenschrift (veraltet)",
     "",
     Paste,
     "<tt>  textim </tt>"},
    {"MnFont_Blinked", "Blinkend (veraltet)", "", Paste, "<blinked>  </blinked>"},
    {"MnFont_Laufschrift", "Laufschrift (veraltet)", "", Lines, "<marquee> Lauftext </marquee>"},
    {"", "-", "", Inactive},
    {"MnSonderzeichen", "Sonderzeichen", "", Submenu, "", "", SpecialCharacterItems},
};

} // namespace

TCatalogueMenu HtmlInsertMenu()
{
    return {"MnEinfuegenHtml", "&Einfügen HTML", 2, HtmlInsertItems};
}

TCatalogueMenu FontMenu()
{
    return {"MnSchriftMenue", "&Schrift", 2, FontItems};
}
