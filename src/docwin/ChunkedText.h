#pragma once

#include <QByteArray>
#include <QString>
#include <QStringView>

#include <utility>
#include <vector>

// A long text kept in pieces of a few thousand characters with an index of their lengths, so
// that replacing a short span costs time in the span, one piece and the logarithm of the number
// of pieces, not in the length of the whole text. (Cutting or joining pieces, once in thousands
// of typed characters, rebuilds the index in the number of pieces.) A piece whose characters
// all lie below U+0100, as ANSI pages have them, is kept in one byte per character. The undo
// ring keeps its copy of the document in one of these.
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
    // Bytes held for the characters, the pieces and their bookkeeping.
    qsizetype MemoryBytes() const;

private:
    // One piece: Latin-1 bytes, or UTF-16 once it holds a character above U+00FF.
    class TPiece
    {
    public:
        explicit TPiece(QStringView text);
        qsizetype size() const { return IsWide ? Wide.size() : Narrow.size(); }
        void AppendTo(QString &out, qsizetype from, qsizetype length) const;
        // The offset of the first c in [from, from + length), or -1.
        qsizetype IndexOf(QChar c, qsizetype from, qsizetype length) const;
        void Replace(qsizetype from, qsizetype length, QStringView text);
        qsizetype MemoryBytes() const;

    private:
        QString Wide;
        QByteArray Narrow;
        bool IsWide = false;
    };

    // Piece index and offset in it of a position; a position at a piece border belongs to the
    // later piece, the end of the text to the last piece. firstOfPiece gets the piece's start.
    std::pair<size_t, qsizetype> Locate(qsizetype pos, qsizetype &firstOfPiece) const;
    // The index of piece lengths (a Fenwick tree), rebuilt when pieces are cut or joined.
    void RebuildIndex();
    void AddToIndex(size_t piece, qsizetype delta);
    // Cuts a text into pieces of the preferred size.
    static std::vector<TPiece> Split(QStringView text);

    std::vector<TPiece> Pieces;
    std::vector<qsizetype> Index{0};
    qsizetype Total = 0;
};
