// The CSS window's menus of single declarations and values: "Bilder", "Farben", "Schrift" and
// "Ränder". Declarations go in as a line above the caret's line, values are pasted at the
// caret, colours come from the colour dialog or the named-colour picker.
#include "CssCatalogues.h"
#include "CssValueRows.h"

namespace {

using enum TCatalogueAction;

constexpr TCatalogueEntry FontFamilyItems[] = {
    {"MnFonttyp_Verdana",
     "Verdana, Arial, Helvetica, Swiss",
     "",
     Declarations,
     "  font-family: VERDANA,ARIAL,HELVETICA;"},
    {"MnFonttyp_Courier", "Courier New", "", Declarations, "  font-family: COURIER NEW;"},
    {"MnFonttyp_Monospace", "Monospace", "", Declarations, "  font-family: MONOSPACE;"},
};

constexpr TCatalogueEntry FontSizeItems[] = {
    {"MnganzkleineSchrift", "ganz kleine Schrift", "", Declarations, "  font-size: xx-small;"},
    {"MnFontsize_Minus_1", "Kleiner", "", Declarations, "  font-size: -1;"},
    {"MnFontsize_Plus1", "Größer", "", Declarations, "  font-size: +1;"},
    {"MnganzgrosseSchrift", "ganz große Schrift", "", Declarations, "  font-size: xx-large;"},
    {"MnGroessereSchriftEm", "größere Schrift em", "", Declarations, "  font-size: 1.5em;"},
    {"MnGroesseSchriftProzent", "größere Schrift %", "", Declarations, "  font-size: 150%;"},
};

constexpr TCatalogueEntry TextDecorationItems[] = {
    {"MnTextdecoration_None", "none", "", Declarations, "  text-decoration: none;"},
    {"MnTextdecoration_Underline", "underline", "", Declarations, "  text-decoration: underline;"},
    {"MnTextdecoration_Overline", "overline", "", Declarations, "  text-decoration: overline;"},
    {"MnTextdecoration_linethrough",
     "durchgestrichen",
     "",
     Declarations,
     "  text-decoration: line-through;"},
    {"MnTextdecoration_blink", "blinkend", "", Declarations, "  text-decoration: blink;"},
    {"MnCSS_Italic", "Italic / Kursiv", "", Declarations, "  font-style:italic;"},
};

constexpr TCatalogueEntry FontItems[] = {
    {"MnHTML_Schrift", "&Schrift Size=1.2em", "", Declarations, "  font-size: 1.2em;"},
    {"MnSchriftart", "Schriftart", "", Submenu, "", "", FontFamilyItems},
    {"MnRelSchriftgroesse", "rel. Schriftgröße", "", Submenu, "", "", FontSizeItems},
    {"MnFontweight", "Schriftstärke", "", Declarations, "  font-weight: 400;  // 100 bis 900"},
    // The colour line stands above the caret's line without indentation.
    {"MnSchriftfarbe", "Schriftfarbe", "", HexColourLine, "color:#%1;"},
    {"MnWordSpacing", "Word-Spacing", "", Declarations, "  word-spacing:2pt;"},
    {"MnLetterSpacing", "Letter-Spacing", "", Declarations, "  letter-spacing:3pt;"},
    {"MnTextDecoration", "text-decoration", "", Submenu, "", "", TextDecorationItems},
    {"MnTextTransform", "text-transform", "", Submenu, "", "", CssRows::TextTransforms},
    {"MnText_Indent", "Texteinrücken (text-indent)", "", Declarations, "  text-indent: 1.0in;"},
    {"MnVerticalAlign", "Vertical Align", "", Submenu, "", "", CssRows::VerticalAligns},
    {"MnHorizontalAlignment", "Horizontal Alignment", "", Submenu, "", "", CssRows::HorizontalAligns},
};

constexpr TCatalogueEntry MarginItems[] = {
    {"MnMarginOne", "Ein Wert für alle vier Werte", "", Paste, "  margin: 10px;"},
    {"MnMarginTwo",
     "Zwei Werte: top/bottom  und left/right",
     "",
     Paste,
     "  margin: 10px 10px;  /* oder 10px  auto;  */"},
    {"MnMarginFour", "Vier Werte", "", Paste, "  margin: 10px 10px 10px 10px;"},
    {"MnMargintop", "Margin-top", "", Declarations, "  margin-top: 10px;"},
    {"MnMarginleft", "Margin-left", "", Declarations, "  margin-left: 10px;"},
    {"MnMarginBottom", "Margin-Bottom", "", Declarations, "  margin-bottom: 10px;"},
    {"MnMarginright", "Margin-right", "", Declarations, "  margin-right: 10px;"},
};

constexpr TCatalogueEntry BorderItems[] = {
    {"MnBordercolor", "Border-Farbe", "", Paste, "  border-color: red;"},
    {"MnBorderStyle", "Border-Style", "", Submenu, "", "", CssRows::BorderStyles},
    {"MnBorderWidth", "border-width", "", Paste, "  border-width:5px;"},
    {"MnInnenrand", "Innenrand (Padding)", "", Submenu, "", "", CssRows::Paddings},
    {"MnAussenrand", "Außenrand (Margin)", "", Submenu, "", "", MarginItems},
};

} // namespace

TCatalogueMenu CssPictureMenu()
{
    return {"MnBilder", "Bilder", 2, CssRows::BodyPictures};
}

TCatalogueMenu CssColourMenu()
{
    return {"MnFarben", "Farben", 2, CssRows::Colours};
}

TCatalogueMenu CssFontMenu()
{
    return {"MnSchriftMenue", "Schrift", 2, FontItems};
}

TCatalogueMenu CssBorderMenu()
{
    return {"MnRaender", "Ränder", 2, BorderItems};
}
