#pragma once

#include <QString>
#include <QStringList>

class TEditControl;

// The shape of a table as the table wizard asks for it. Counts below 1 are allowed and give a
// table without rows or without cells.
struct TTableOptions
{
    int Rows = 5;
    int Cols = 5;
    int BorderWidth = 1;
    bool HeaderInFirstCol = false;
    bool HeaderInFirstRow = false;
    bool THead = false;
    bool TFoot = false;
    bool TBody = false;
    bool CellSpacing = false;
    bool ColGroup = true;
    // Index of the chosen "Cell-Frame" item, -1 when none is chosen.
    int FrameItem = -1;

    bool operator==(const TTableOptions &) const = default;
};

// The items of the wizard's "Cell-Frame" list, in their order.
const QStringList &CellFrameItems();

// The frame keyword that an item of "Cell-Frame" puts into the table tag ("hsides" for
// "hsides: Oben und Unten"); empty for "Keinen Eintrag", for "void" (the default frame) and for
// an index outside the list.
QString CellFrameKeyword(int frameItem);

// The table start tag. A page that uses a style sheet ("text/css") gets no border attribute.
QString TableStartTag(const TTableOptions &options, bool pageHasStylesheet);

// The complete table markup, one element per line, every line ending in CR LF: the comment
// "<!-- Tabelle -->", the table tag, column group, head, foot, body rows with numbered cells.
QString TableMarkup(const TTableOptions &options, bool pageHasStylesheet);

// Writes the table one line above the caret's line as a single edit and marks the document
// modified. With the caret in the first line there is no line above it: the comment line is
// left out and the table starts at the top. The caret ends at the start of the line below the
// table.
void InsertTableMarkup(TEditControl &editor, const TTableOptions &options, bool pageHasStylesheet);
