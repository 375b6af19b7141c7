#include "ChunkedText.h"

#include "PackedBytes.h"

#include <QtGlobal>

#include <algorithm>
#include <bit>

namespace {

// Pieces are cut to about this size; an edited piece may grow to twice as much before it is
// cut again, and one that shrinks below a quarter is joined with its neighbour.
constexpr qsizetype PreferredPiece = 4096;
constexpr qsizetype LargestPiece = 2 * PreferredPiece;
constexpr qsizetype SmallestPiece = PreferredPiece / 4;
// Characters of room a piece gets when an edit makes it grow.
constexpr qsizetype SpareRoom = 64;
// What a QString's shared data block costs besides its characters.
constexpr qsizetype PieceOverhead = 32;
// The most characters packed together: longer runs pack better, but a read in one inflates all.
constexpr qsizetype PackedRun = 64 * 1024;
// Fewer characters are not packed: they would save less than packing costs (its working memory
// alone is a quarter of a megabyte).
constexpr qsizetype SmallestPackedRun = 16 * 1024;

} // namespace

TChunkedText::TPiece::TPiece(QStringView text)
    : IsWide(!QtPrivate::isLatin1(text))
{
    if (IsWide)
        Wide = text.toString();
    else
        Narrow = text.toLatin1();
}

std::optional<TChunkedText::TPiece> TChunkedText::TPiece::Packed(QStringView text)
{
    TPiece piece;
    piece.IsWide = !QtPrivate::isLatin1(text);
    const qsizetype bytes = piece.IsWide ? text.size() * qsizetype(sizeof(QChar)) : text.size();
    piece.Narrow = piece.IsWide ? PackBytes(
                       QByteArrayView(reinterpret_cast<const char *>(text.data()), bytes))
                                : PackBytes(text.toLatin1());
    if (text.isEmpty() || piece.Narrow.size() * 4 > bytes * 3)
        return std::nullopt;
    piece.PackedLength = text.size();
    return piece;
}

qsizetype TChunkedText::TPiece::size() const
{
    if (IsPacked())
        return PackedLength;
    return IsWide ? Wide.size() : Narrow.size();
}

TChunkedText::TPiece TChunkedText::TPiece::Unpacked() const
{
    TPiece piece;
    piece.IsWide = IsWide;
    if (IsWide) {
        piece.Wide.resize(PackedLength);
        UnpackBytes(Narrow,
                    reinterpret_cast<char *>(piece.Wide.data()),
                    PackedLength * qsizetype(sizeof(QChar)));
    } else {
        piece.Narrow.resize(PackedLength);
        UnpackBytes(Narrow, piece.Narrow.data(), PackedLength);
    }
    return piece;
}

void TChunkedText::TPiece::AppendTo(QString &out, qsizetype from, qsizetype length) const
{
    if (IsPacked())
        Unpacked().AppendTo(out, from, length);
    else if (IsWide)
        out.append(QStringView(Wide).sliced(from, length));
    else
        out.append(QLatin1String(Narrow.constData() + from, length));
}

qsizetype TChunkedText::TPiece::IndexOf(QChar c, qsizetype from, qsizetype length) const
{
    if (IsPacked())
        return Unpacked().IndexOf(c, from, length);
    if (IsWide) {
        const qsizetype found = QStringView(Wide).sliced(from, length).indexOf(c);
        return found < 0 ? -1 : from + found;
    }
    if (c.unicode() > 0xff)
        return -1;
    const qsizetype found = QByteArrayView(Narrow).sliced(from, length).indexOf(char(c.unicode()));
    return found < 0 ? -1 : from + found;
}

void TChunkedText::TPiece::Replace(qsizetype from, qsizetype length, QStringView text)
{
    if (IsPacked())
        *this = Unpacked();
    const qsizetype edited = size() - length + text.size();
    if (!IsWide && QtPrivate::isLatin1(text)) {
        // Room for some more typing, but not the doubling a growing array would take.
        if (Narrow.capacity() < edited)
            Narrow.reserve(edited + SpareRoom);
        Narrow.replace(from, length, text.toLatin1());
        return;
    }
    if (!IsWide) {
        Wide = QString::fromLatin1(Narrow);
        Narrow = QByteArray();
        IsWide = true;
    }
    if (Wide.capacity() < edited)
        Wide.reserve(edited + SpareRoom);
    Wide.replace(from, length, text.data(), text.size());
}

qsizetype TChunkedText::TPiece::MemoryBytes() const
{
    const qsizetype characters = IsWide && !IsPacked() ? Wide.capacity() * qsizetype(sizeof(QChar))
                                                       : Narrow.capacity();
    return characters + PieceOverhead;
}

void TChunkedText::Assign(QStringView text)
{
    Pieces = Split(text);
    Total = text.size();
    RebuildIndex();
}

QString TChunkedText::Mid(qsizetype start, qsizetype length) const
{
    const qsizetype end = std::clamp<qsizetype>(start + length, 0, Total);
    start = std::clamp<qsizetype>(start, 0, Total);
    length = std::max<qsizetype>(end - start, 0);
    QString result;
    if (length == 0)
        return result;
    result.reserve(length);
    qsizetype pieceStart = 0;
    auto [i, offset] = Locate(start, pieceStart);
    while (length > 0) {
        const qsizetype take = std::min(length, Pieces[i].size() - offset);
        Pieces[i].AppendTo(result, offset, take);
        length -= take;
        offset = 0;
        ++i;
    }
    return result;
}

qsizetype TChunkedText::IndexOf(QChar c, qsizetype start, qsizetype end) const
{
    end = std::min(end, Total);
    if (start < 0 || start >= end)
        return -1;
    qsizetype pieceStart = 0;
    auto [i, offset] = Locate(start, pieceStart);
    while (pieceStart + offset < end) {
        const qsizetype length = std::min(Pieces[i].size(), end - pieceStart) - offset;
        const qsizetype found = Pieces[i].IndexOf(c, offset, length);
        if (found >= 0)
            return pieceStart + found;
        pieceStart += Pieces[i].size();
        offset = 0;
        ++i;
    }
    return -1;
}

QString TChunkedText::Replace(qsizetype start, qsizetype length, QStringView text)
{
    Q_ASSERT(start >= 0 && length >= 0 && start + length <= Total);
    if (Pieces.empty()) {
        Assign(text);
        return QString();
    }
    qsizetype firstStart = 0;
    const auto [first, firstOffset] = Locate(start, firstStart);
    size_t last = first;
    qsizetype lastStart = firstStart;
    const qsizetype end = start + length;
    while (last + 1 < Pieces.size() && end > lastStart + Pieces[last].size()) {
        lastStart += Pieces[last].size();
        ++last;
    }
    const qsizetype lastOffset = end - lastStart;

    // The usual case, a key press: the piece is edited where it is.
    const qsizetype editedSize = Pieces[first].size() - length + text.size();
    if (first == last && editedSize >= SmallestPiece && editedSize <= LargestPiece) {
        QString removed;
        Pieces[first].AppendTo(removed, firstOffset, length);
        Pieces[first].Replace(firstOffset, length, text);
        Total += text.size() - length;
        AddToIndex(first, text.size() - length);
        return removed;
    }

    QString removed;
    removed.reserve(length);
    for (size_t i = first; i <= last; ++i) {
        const qsizetype from = i == first ? firstOffset : 0;
        const qsizetype to = i == last ? lastOffset : Pieces[i].size();
        Pieces[i].AppendTo(removed, from, to - from);
    }

    QString combined;
    combined.reserve(firstOffset + text.size() + Pieces[last].size() - lastOffset);
    Pieces[first].AppendTo(combined, 0, firstOffset);
    combined.append(text);
    Pieces[last].AppendTo(combined, lastOffset, Pieces[last].size() - lastOffset);
    // Keep pieces from crumbling into many small ones after deletions.
    size_t eraseFrom = first;
    if (combined.size() < SmallestPiece && last + 1 < Pieces.size()) {
        ++last;
        Pieces[last].AppendTo(combined, 0, Pieces[last].size());
    } else if (combined.size() < SmallestPiece && first > 0) {
        --eraseFrom;
        QString joined;
        Pieces[eraseFrom].AppendTo(joined, 0, Pieces[eraseFrom].size());
        combined = joined + combined;
    }
    std::vector<TPiece> replacement = Split(combined);
    Pieces.erase(Pieces.begin() + qsizetype(eraseFrom), Pieces.begin() + qsizetype(last) + 1);
    Pieces.insert(Pieces.begin() + qsizetype(eraseFrom),
                  std::make_move_iterator(replacement.begin()),
                  std::make_move_iterator(replacement.end()));
    Total += text.size() - length;
    RebuildIndex();
    return removed;
}

QString TChunkedText::ToString() const
{
    QString result;
    result.reserve(Total);
    for (const TPiece &piece : Pieces)
        piece.AppendTo(result, 0, piece.size());
    return result;
}

void TChunkedText::Pack(qsizetype start, qsizetype end)
{
    start = std::max<qsizetype>(start, 0);
    end = std::min(end, Total);
    if (start >= end)
        return;
    qsizetype pieceStart = 0;
    auto i = qsizetype(Locate(start, pieceStart).first);
    const auto piece = [this](qsizetype at) { return std::make_move_iterator(Pieces.begin() + at); };
    std::vector<TPiece> result;
    result.reserve(Pieces.size());
    result.insert(result.end(), piece(0), piece(i));
    while (i < qsizetype(Pieces.size()) && pieceStart < end) {
        const qsizetype runEnd = EndOfRun(i, end - pieceStart);
        if (runEnd == i) { // packed already
            pieceStart += Pieces[size_t(i)].size();
            result.push_back(std::move(Pieces[size_t(i++)]));
            continue;
        }
        QString text;
        for (qsizetype j = i; j < runEnd; ++j)
            Pieces[size_t(j)].AppendTo(text, 0, Pieces[size_t(j)].size());
        pieceStart += text.size();
        std::optional<TPiece> packed;
        if (text.size() >= SmallestPackedRun)
            packed = TPiece::Packed(text);
        if (packed)
            result.push_back(std::move(*packed));
        else
            result.insert(result.end(), piece(i), piece(runEnd));
        i = runEnd;
    }
    result.insert(result.end(), piece(i), piece(qsizetype(Pieces.size())));
    Pieces = std::move(result);
    RebuildIndex();
}

qsizetype TChunkedText::EndOfRun(qsizetype first, qsizetype reach) const
{
    qsizetype end = first;
    qsizetype length = 0;
    while (end < qsizetype(Pieces.size()) && !Pieces[size_t(end)].IsPacked() && length < reach
           && (length == 0 || length + Pieces[size_t(end)].size() <= PackedRun))
        length += Pieces[size_t(end++)].size();
    return end;
}

qsizetype TChunkedText::MemoryBytes() const
{
    qsizetype bytes = qsizetype(sizeof(*this) + Pieces.capacity() * sizeof(TPiece)
                                + Index.capacity() * sizeof(qsizetype));
    for (const TPiece &piece : Pieces)
        bytes += piece.MemoryBytes();
    return bytes;
}

std::pair<size_t, qsizetype> TChunkedText::Locate(qsizetype pos, qsizetype &firstOfPiece) const
{
    // Descend the index to the number of pieces that end at or before pos.
    const size_t count = Pieces.size();
    size_t before = 0;
    qsizetype sum = 0;
    for (size_t step = std::bit_floor(count); step > 0; step /= 2) {
        if (before + step <= count && sum + Index[before + step] <= pos) {
            before += step;
            sum += Index[before];
        }
    }
    if (before == count) { // the end of the text
        --before;
        sum -= Pieces[before].size();
    }
    firstOfPiece = sum;
    return {before, pos - sum};
}

void TChunkedText::RebuildIndex()
{
    // Index[i] (1-based) holds the length of the pieces (i - lowbit(i), i].
    Index.assign(Pieces.size() + 1, 0);
    for (size_t i = 1; i <= Pieces.size(); ++i) {
        Index[i] += Pieces[i - 1].size();
        const size_t parent = i + (i & (~i + 1));
        if (parent <= Pieces.size())
            Index[parent] += Index[i];
    }
}

void TChunkedText::AddToIndex(size_t piece, qsizetype delta)
{
    for (size_t i = piece + 1; i <= Pieces.size(); i += i & (~i + 1))
        Index[i] += delta;
}

std::vector<TChunkedText::TPiece> TChunkedText::Split(QStringView text)
{
    std::vector<TPiece> pieces;
    if (text.isEmpty())
        return pieces;
    if (text.size() <= LargestPiece) {
        pieces.emplace_back(text);
        return pieces;
    }
    // Pieces of nearly equal size, so that no small remainder is left at the end.
    const qsizetype count = (text.size() + PreferredPiece - 1) / PreferredPiece;
    pieces.reserve(size_t(count));
    qsizetype from = 0;
    for (qsizetype i = 0; i < count; ++i) {
        const qsizetype to = text.size() * (i + 1) / count;
        pieces.emplace_back(text.sliced(from, to - from));
        from = to;
    }
    return pieces;
}
