#pragma once

#include <QByteArray>
#include <QString>
#include <QStringView>

#include <optional>
#include <utility>
#include <vector>

// A long text kept in pieces of a few thousand characters with an index of their lengths, so
// that replacing a short span costs time in the span, one piece and the logarithm of the number
// of pieces, not in the length of the whole text. (Cutting or joining pieces, once in thousands
// of typed characters, rebuilds the index in the number of pieces.) A piece whose characters
// all lie below U+0100, as ANSI pages have them, is kept in one byte per character; pieces
// that are held but seldom read can be packed. The undo ring keeps its copy of the document in
// one of these.
class TChunkedText
{
public:
    void Assign(QStringView text);
    qsizetype Length() const { return Total; }
    // The characters [start, start + length), clamped to the text.
    QString Mid(qsizetype start, qsizetype length) const;
    // The position of the first c in [start, end), or -1.
    qsizetype IndexOf(QChar c, qsizetype start, qsizetype end) const;
    // Replaces [start, start + length) by text and returns the characters that were there.
    QString Replace(qsizetype start, qsizetype length, QStringView text);
    QString ToString() const;
    // Packs the pieces that overlap [start, end) into deflated runs of 16K to 64K characters,
    // where that saves at least a quarter: a loaded text costs a fraction of a byte per
    // character until it is edited. Reading in a packed run inflates it for the moment (about
    // 70 microseconds); an edit in it turns it back into ordinary pieces.
    void Pack(qsizetype start, qsizetype end);
    // Bytes held for the characters, the pieces and their bookkeeping.
    qsizetype MemoryBytes() const;

private:
    // One piece: Latin-1 bytes, or UTF-16 once it holds a character above U+00FF; either may
    // be packed.
    class TPiece
    {
    public:
        explicit TPiece(QStringView text);
        // The text packed, or nothing when packing would save less than a quarter.
        static std::optional<TPiece> Packed(QStringView text);
        qsizetype size() const;
        bool IsPacked() const { return PackedLength > 0; }
        void AppendTo(QString &out, qsizetype from, qsizetype length) const;
        // The offset of the first c in [from, from + length), or -1.
        qsizetype IndexOf(QChar c, qsizetype from, qsizetype length) const;
        void Replace(qsizetype from, qsizetype length, QStringView text);
        qsizetype MemoryBytes() const;

    private:
        TPiece() = default;
        // A packed piece as an ordinary one, for reading or editing.
        TPiece Unpacked() const;

        QString Wide;
        // Latin-1 characters, or the packed bytes.
        QByteArray Narrow;
        // The characters of a packed piece; 0 when not packed.
        qsizetype PackedLength = 0;
        bool IsWide = false;
    };

    // Piece index and offset in it of a position; a position at a piece border belongs to the
    // later piece, the end of the text to the last piece. firstOfPiece gets the piece's start.
    std::pair<size_t, qsizetype> Locate(qsizetype pos, qsizetype &firstOfPiece) const;
    // The index of piece lengths (a Fenwick tree), rebuilt when pieces are cut or joined.
    void RebuildIndex();
    void AddToIndex(size_t piece, qsizetype delta);
    // The end of the run of ordinary pieces that starts at piece `first` and packs together:
    // up to 64K characters, not starting a piece `reach` characters or more behind its start.
    qsizetype EndOfRun(qsizetype first, qsizetype reach) const;
    // Cuts a text into pieces of the preferred size.
    static std::vector<TPiece> Split(QStringView text);

    std::vector<TPiece> Pieces;
    std::vector<qsizetype> Index{0};
    qsizetype Total = 0;
};
