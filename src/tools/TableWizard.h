#pragma once

#include <QString>

class TEditControl;
struct TTableOptions;

// Tables with more cells than this take a noticeable moment to write into an editor, and a
// note says so while they do.
inline constexpr qint64 BigTableCells = 50000;

// The text of that note for a table of the given shape.
QString BigTableNote(const TTableOptions &options);

// The command "&Tabelle einfügen...": asks for the table through the table wizard and, when the
// user confirms it, writes the markup one line above the caret's line as one edit and marks the
// document modified (a big table behind a busy note). Returns whether a table was written;
// "Abbruch" writes nothing and leaves the modified flag alone.
bool InsertTableFromWizard(TEditControl &editor, bool pageHasStylesheet);
