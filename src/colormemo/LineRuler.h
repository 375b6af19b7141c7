#pragma once

#include "LineText.h"

#include <QFont>
#include <QStringView>

#include <memory>
#include <unordered_map>
#include <vector>

// Horizontal positions in one long unwrapped line, measured a piece at a time. Qt's text
// layout answers such questions only after shaping the whole line and keeps about 35 bytes per
// character for it, 35 MB for a line of a megabyte; the ruler keeps one position per piece.
// It is built for one text, font and tab distance; the calls take that same text, of which
// they read one piece.
class TLineRuler
{
public:
    // Characters per measured piece, at most.
    static constexpr int PieceLength = 512;

    TLineRuler() = default;
    // Measures the line. Positions count from its first character, as do the tab stops (at
    // multiples of `tabDistance`), like those of an unwrapped line in a text layout.
    TLineRuler(const TLineText &text, const QFont &font, qreal tabDistance);
    // The ruler of a line after its columns [column, column + removed) were replaced by `added`
    // characters; `text` is the changed line. Measures the pieces the change touches (and,
    // when a tab follows, whose width depends on where it starts, the rest of the line): a key
    // typed in a line of a megabyte does not measure all of it again.
    TLineRuler(const TLineRuler &before, const TLineText &text, int column, int removed, int added);

    // The x of the left edge of a column, 0 to the text's length.
    qreal X(const TLineText &text, int column) const;
    // The column whose left edge lies nearest to x.
    int NearestColumn(const TLineText &text, qreal x) const;
    // The column of the character under x: the last one whose left edge is at or before x.
    int ColumnUnder(const TLineText &text, qreal x) const;
    // The x just behind the last character.
    qreal End() const { return PieceStarts.back(); }
    int Length() const { return PieceColumns.back(); }

private:
    // Appends the pieces of the columns [from, to), the first starting at x.
    void MeasurePieces(const TLineText &text, int from, int to, qreal x);
    // The piece a column lies in; the last piece for the text's end.
    size_t PieceOf(int column) const;
    // The x behind text [from, to) when it starts at x; notes whether a tab was among it.
    qreal Advance(const TLineText &text, int from, int to, qreal x, bool *tab = nullptr) const;
    // The width of text without tabs.
    qreal Width(QStringView text) const;
    qreal NextTabStop(qreal x) const;

    QFont Font;
    qreal TabDistance = 0;
    // The advances of the printable Latin-1 characters (from the blank on, less the controls
    // 0x7F to 0x9F) when the font neither shapes nor kerns: then a text of them is as wide as
    // their advances together. Empty otherwise.
    std::vector<qreal> Latin1Advances;
    // Piece i holds the columns [PieceColumns[i], PieceColumns[i + 1]) and starts at
    // PieceStarts[i]; the last entries are the end of the text.
    std::vector<int> PieceColumns{0};
    std::vector<qreal> PieceStarts{0};
    // Whether piece i holds a tab.
    std::vector<bool> PieceTabs;
};

class QTextBlock;
class QTextDocument;

// The rulers of long lines, each kept until a change of the document touches its line.
class TLineRulerCache
{
public:
    // The ruler of a block; measured now unless one is kept. Another font or tab distance than
    // before measures every line anew.
    std::shared_ptr<const TLineRuler> For(const QTextBlock &block,
                                          const QFont &font,
                                          qreal tabDistance);
    // Forgets the rulers of the blocks from `position` to `position + added`, where the
    // document just changed.
    void Forget(const QTextDocument &document, int position, int added);
    // Brings the ruler kept for a block up to date after its columns [column, column +
    // removed) were replaced by `added` characters.
    void Update(const QTextBlock &block, int column, int removed, int added);

private:
    // Lines kept at most before all are measured anew.
    static constexpr size_t MaxKept = 4096;

    QFont Font;
    qreal TabDistance = 0;
    // By the blocks' fragment indexes, which stay while a block lives.
    std::unordered_map<int, std::shared_ptr<const TLineRuler>> Rulers;
};
