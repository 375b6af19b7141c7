#pragma once

// CSS declarations and values that both document windows offer under the same captions with
// the same texts: the HTML window in submenus of its "&CSS" menu, the CSS window in its own
// menus. Declarations go in as a line above the caret's line (with two more blanks in front),
// values are pasted at the caret. Every blank is part of the texts.

#include "Catalogue.h"

namespace CssRows {

using enum TCatalogueAction;

inline constexpr TCatalogueEntry Colours[] = {
    {"MnBackgroundfarbe", "Hintergrundfarbe", "", Declarations, "  background-color: gray;"},
    {"MnInsertFarbe1", "&Farbe (Hex)", "", HexColour, "#%1;"},
    {"MnInsertFarbeKonstante", "&Farbe Textkonstante", "", NamedColour, " %1;"},
};

// "Body: background-repeat" opens a comment that it does not close.
inline constexpr TCatalogueEntry BodyPictures[] = {
    {"MnInsert_background_image",
     "Body: background-image",
     "",
     Paste,
     R"(background-image=url("bild.jpg");)"},
    {"MnInsert_Body_backgroundrepeat",
     "Body: background-repeat",
     "",
     Paste,
     "background-repeat:no-repeat;  /* repeat-x  repeat-y repear"},
    {"MnInsert_Bodybackgroundattachment",
     "Body: background-attachment",
     "",
     Paste,
     "background-attachment:scroll;  /* scroll  fixed=bleibt beim scrollen fixed */"},
    {"MnInsert_Body_backgroundposition",
     "Body: background-position",
     "",
     Paste,
     "background-position:left;  /* left center right top bottom,   w% x% y% z%, 0.3em */"},
};

inline constexpr TCatalogueEntry TextTransforms[] = {
    {"MnTextTransform_none", "none", "", Declarations, "  text-transform: none;"},
    {"MnTextTransform_uppercase", "uppercase", "", Declarations, "  text-transform: uppercase;"},
    {"MnTextTransform_lowercase", "lowercase", "", Declarations, "  text-transform: lowercase;"},
    {"MnTextTransform_capitalize", "capitalize", "", Declarations, "  text-transform: capitalize;"},
};

inline constexpr TCatalogueEntry VerticalAligns[] = {
    {"MnValign_Baseline", "baseline", "", Declarations, "  vertical-align: baseline;"},
    {"MnValign_Sub", "Sub", "", Declarations, "  vertical-align: sub;"},
    {"MnValign_Super", "super", "", Declarations, "  vertical-align: super;"},
    {"MnValign_texttop", "text-top", "", Declarations, "  vertical-align: text-top;"},
    {"MnValign_textbottom", "text-bottom", "", Declarations, "  vertical-align: text-bottom;"},
    {"MnValign_middle", "middle", "", Declarations, "  vertical-align: middle;"},
    {"MnValign_top", "top", "", Declarations, "  vertical-align: top;"},
    {"MnValign_bottom", "bottom", "", Declarations, "  vertical-align: bottom;"},
    {"MnValign_percentage",
     "percentage",
     "",
     Declarations,
     "  vertical-align: 20%;  /*  -20%  oder +20% */"},
};

inline constexpr TCatalogueEntry HorizontalAligns[] = {
    {"MnCSS_Textalign_left1", "Links ausgerichtet", "", Declarations, "  text-align: left;"},
    {"MnCSS_Textalign_center1", "Zentriert ausgerichtet", "", Declarations, "  text-align: center;"},
    {"MnCSS_Textalign_right1", "Rechts ausgerichtet", "", Declarations, "  text-align: right;"},
    {"MnCSS_Textalign_justify1", "Blocksatz", "", Declarations, "  text-align: justify;"},
};

// "none" of the unordered list has no blanks in front; every other list value has two.
inline constexpr TCatalogueEntry UnorderedListTypes[] = {
    {"MnlisteNone", "none", "", Paste, "list-style-type: none;"},
    {"MnListecircle", "circle", "", Paste, "  list-style-type: circle;"},
    {"MnListesquare", "square", "", Paste, "  list-style-type: square;"},
    {"MnListedisc", "disc", "", Paste, "  list-style-type: disc;"},
};

inline constexpr TCatalogueEntry OrderedListTypes[] = {
    {"MnListeNone2", "none", "", Paste, "  list-style-type: none;"},
    {"MnListedecimal", "decimal", "", Paste, "  list-style-type: decimal;"},
    {"MnListedecimalleadingzero",
     "decimal-leading-zero",
     "",
     Paste,
     "  list-style-type: decimal-leading-zero;"},
    {"MnListelowerroman", "lower-roman", "", Paste, "  list-style-type: lower-roman;"},
    {"MnListeupperroman", "upper-roman", "", Paste, "  list-style-type: upper-roman;"},
    {"MnListelowergreek", "lower-greek", "", Paste, "  list-style-type: lower-greek;"},
    {"MnListelowerlatin", "lower-latin", "", Paste, "  list-style-type: lower-latin;"},
    {"MnListeUpperlatin", "upper-latin", "", Paste, "  list-style-type: upper-latin;"},
};

inline constexpr TCatalogueEntry ListPositions[] = {
    {"MnListStylePosition_inside", "inside", "", Paste, "  list-style-position: inside;"},
    {"MnListStylePosition_Outside", "outside", "", Paste, "  list-style-position: outside;"},
};

inline constexpr TCatalogueEntry BorderStyles[] = {
    {"MnBorderStyleNone", "none", "", Paste, "  border-style: none;"},
    {"MnBorderStyleHdden", "hidden", "", Paste, "  border-style: hidden;"},
    {"MnBorderStyleDotted", "dotted", "", Paste, "  border-style: dotted;"},
    {"MnBorderStyleDashed", "dashed", "", Paste, "  border-style: dashed;"},
    {"MnBorderStyleSolid", "solid", "", Paste, "  border-style: solid;"},
    {"MnBorderStyleDouble", "double", "", Paste, "  border-style: double;"},
    {"MnBorderStyleGroove", "groove", "", Paste, "  border-style: groove;"},
    {"MnBorderStyleRidge", "ridge", "", Paste, "  border-style: ridge;"},
    {"MnBorderStyleInset", "inset", "", Paste, "  border-style: inset;"},
    {"MnBorderStyleOutset", "outset", "", Paste, "  border-style: outset;"},
};

inline constexpr TCatalogueEntry Paddings[] = {
    {"MnPaddingOne", "Ein Wert für alle vier Werte", "", Paste, "  padding: 10px;"},
    {"MnPaddingTwo",
     "Zwei Werte: top/bottom  und left/right",
     "",
     Paste,
     "  padding: 10px 10px;  // T/B  und L/R"},
    {"MnPaddingView", "Vier Werte", "", Paste, "  padding: 10px 10px 10px 10px;"},
    {"MnPaddingTop", "Padding-top", "", Declarations, "  padding-top: 10px;"},
    {"MnPaddingLeft", "Padding-left", "", Declarations, "  padding-left: 10px;"},
    {"MnPaddingBottom", "Padding-Bottom", "", Declarations, "  padding-bottom: 10px;"},
    {"MnPaddingright", "Padding-right", "", Declarations, "  padding-right: 10px;"},
};

} // namespace CssRows
