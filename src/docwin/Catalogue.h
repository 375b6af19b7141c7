#pragma once

// Command catalogues: the insertion menus of the document windows as data.
//
// A catalogue is a table of TCatalogueEntry rows, one per menu item: object name, caption,
// shortcut, action and text. The menu is built from the table (CatalogueMenuItems) and every
// item runs through the one executor, ExecuteCatalogueEntry; no item has a handler of its own,
// so each item is bound exactly once, by its row.
//
// How to add a catalogue (or a menu to one):
//  1. Write the rows into a data file of its own, as constexpr arrays of TCatalogueEntry in
//     menu order. A submenu is a row with the action Submenu whose SubItems name the array of
//     its rows (define that array first); a separator is a row with the caption "-".
//  2. Texts are exact: a snippet of several lines is one string with "\n" between its lines
//     ("<p>\n  Text\n</p>"); a "\n" at the end gives an empty last line. Computed actions take
//     a pattern in which "%1" stands for the computed part (the colour digits, a name).
//  3. Pick the action that says where the text goes (see TCatalogueAction). An item that is
//     not built yet, or does nothing, gets Inactive: its menu item is shown disabled. A new kind of
//     insertion becomes a new action value handled in ExecuteCatalogueEntry, never a handler
//     per item.
//  4. The window builds the menu with CreateMenu and
//     AddMenuItems(menu, CatalogueMenuItems(rows, run)), where run(entry) takes the undo
//     snapshot and calls ExecuteCatalogueEntry on the window's ActiveEditor().
//  5. Tests trigger every item by object name and compare with texts written by hand.

#include "MenuBuilder.h"

#include <QString>
#include <QStringList>

#include <array>
#include <cstddef>
#include <functional>
#include <span>
#include <vector>

class TEditControl;

// Where and how a catalogue item puts its text into the document.
enum class TCatalogueAction {
    // Not built yet, or does nothing: the item is shown disabled.
    Inactive,
    // A submenu made of SubItems.
    Submenu,
    // PasteAtCaret of the text (replaces the selection; the clipboard keeps the text).
    Paste,
    // PasteAtCaret of each line in turn at the advancing caret: the lines form one run of text,
    // and the clipboard keeps the last of them.
    PasteEach,
    // The lines as a block in front of the caret's line (InsertLinesAtCaretLine).
    Lines,
    // The lines as a block behind the caret's line.
    LinesBelow,
    // Each line through InsertDeclarationLine, in order: two blanks in front of each line,
    // the block in front of the caret's line.
    Declarations,
    // The lines appended after the last line; the caret stays where it is.
    Append,
    // The lines appended after the last line; the caret goes to the end of the document.
    AppendToEnd,
    // The lines in front of the document's first line.
    AtTop,
    // The text (its lines, each ending with a line break, and one more break) goes in front of
    // the first "</head>" (exact, lower case); without one, the lines of AltText go below the
    // caret's line.
    IntoHead,
    // A list block of the type in Text: above the caret's line with a comment and the type, or
    // plain and below the caret's line when the page has "text/css".
    UnorderedList,
    OrderedList,
    // The colour dialog; on OK PasteAtCaret of the pattern with the six digits RRGGBB as "%1".
    HexColour,
    // The colour dialog; on OK the pattern with the digits as one line in front of the caret's
    // line.
    HexColourLine,
    // The named-colour picker; on OK PasteAtCaret of the pattern with the name as "%1".
    NamedColour,
    // The table wizard; on OK the table one line above the caret's line.
    Table,
    // Asks for a name (prompt: AltText); a name gives the lines of the pattern with the name as
    // "%1" in front of the caret's line; an empty name or Cancel inserts nothing.
    FunctionName,
    // Picture dialog, then the question whether an image map follows: Yes inserts the lines of
    // the text in front of the caret's line, No pastes AltText; "%1" is the picture's file name
    // without its folder.
    Picture,
    // The image-map tool, opened in the document's folder; when it is ended with "Ende und
    // speichern", "<br />", the area element and "<br />" in front of the caret's line.
    AreaTag,
    // The picture and a shape file (".shw"); the image map made from them in front of the
    // caret's line. A shape file that cannot be used gives a note and inserts nothing.
    ShapeMap,
};

// One menu item of a catalogue.
struct TCatalogueEntry
{
    const char *Name;
    const char *Caption;
    const char *Shortcut;
    TCatalogueAction Action;
    const char *Text = "";
    const char *AltText = "";
    std::span<const TCatalogueEntry> SubItems = {};
    // The caption's "&" is text, not an accelerator ("Leerzeichen (&#x0020;)").
    bool Literal = false;
};

// A top-level menu of a catalogue: object name, caption, the group index by which it merges
// into the frame's menu bar, and its rows.
struct TCatalogueMenu
{
    const char *Name;
    const char *Caption;
    int GroupIndex;
    std::span<const TCatalogueEntry> Items;
};

// Joins catalogue texts at compile time into one text, a "\n" between two parts, so that texts
// which share lines (the page skeletons) write them once.
template<std::size_t... N>
constexpr std::array<char, (N + ...)> JoinLines(const char (&...parts)[N])
{
    std::array<char, (N + ...)> joined{};
    std::size_t at = 0;
    bool first = true;
    const auto put = [&](const char *part, std::size_t size) {
        if (!first)
            joined[at++] = '\n';
        first = false;
        for (std::size_t i = 0; i + 1 < size; ++i)
            joined[at++] = part[i];
    };
    (put(parts, N), ...);
    return joined;
}

// The lines of a catalogue text ("\n" separates them).
QStringList CatalogueLines(const char *text);

// Where a command stands: the editor it changes and the folder of the document (start folder
// of the picture dialog; empty for a document without a file).
struct TInsertionSite
{
    TEditControl &Editor;
    QString FileDir;
};

// Runs one catalogue item on the editor; questions and dialogs go through the prompter and
// the tool dialogs. Returns true when the text was changed, false when nothing happened
// (cancelled dialog, empty name, an item without action).
bool ExecuteCatalogueEntry(const TCatalogueEntry &entry, const TInsertionSite &site);

// The menu items of a catalogue table: each row with an action is bound to run(row), rows
// without one are built disabled, submenus keep their rows.
std::vector<TMenuItem> CatalogueMenuItems(std::span<const TCatalogueEntry> rows,
                                          const std::function<void(const TCatalogueEntry &)> &run);

// The row of the given object name among the rows and their submenus, or nullptr.
const TCatalogueEntry *FindCatalogueEntry(std::span<const TCatalogueEntry> rows, const char *name);
