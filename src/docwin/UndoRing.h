#pragma once

#include "ChunkedText.h"
#include "EditControl.h"

#include <QString>

#include <optional>
#include <vector>

// The undo ring of a document window: up to 400 snapshots of the whole text, taken before each
// key press (or by the undo timer), and undo and redo that move through them.
//
// The snapshots are numbered 1 to 400. UndoIndex is the snapshot the next undo goes back to,
// UndoTop the highest number ever filled (redo may move up to it, and it is never lowered, so
// after undoing and typing anew redo still reaches the older snapshots above). A snapshot is
// taken only when the text differs from the last one taken; when all 400 are used, the oldest
// is dropped.
//
// Storage: the ring keeps one copy of the text it last stored or restored (the mirror, in
// pieces, packed where loaded or changed in bulk), and every other snapshot as the difference
// to its neighbour on the way to it. Taking a snapshot asks the editor for the span changed
// since the previous one (TEditControl::ChangesSinceMark), so its cost depends on the size of
// the change, not of the document; undo and redo replace only the changed spans in the editor.
// The ring owns the editor's change mark: nothing else may call MarkChanges() on an editor
// handed to it. Handing it another editor (the window switched views) compares that editor's
// text with the mirror once.
class TUndoRing
{
public:
    static constexpr int Capacity = 400;

    // Empties the ring: no snapshots, UndoIndex and UndoTop 0, the last snapshot text empty.
    void Clear();

    // Stores the editor's text as a new snapshot unless it equals the last one. After an undo or
    // redo, a text still unchanged since then is not stored again; once it has been changed, the
    // restored snapshot counts as the last one and the new text goes in above it.
    void TakeUndoSnapshot(TEditControl &editor);
    // The same for a loaded file, whose text is taken from here rather than read back from the
    // editor (much slower for a big document). The editor may hold only a start of it: the rest
    // is kept here and goes in with PutRest. Until it is all in, the ring counts the text as
    // the editor's text followed by the rest; as the user can only change what is in, the rest
    // is always the last RestLength() characters of the ring's copy.
    void TakeLoadedSnapshot(TEditControl &editor, const QString &loadedText);
    // Characters of the loaded text not yet in the editor.
    qsizetype RestLength() const { return Rest; }
    // Appends the next part of the rest to the editor: about `size` characters (at least one),
    // through the next line break when one comes within `size` more (an editor may lay out a
    // line anew with every piece added to it), else cut, so that a long line never needs a
    // copy of its whole length. Not a change of the text, so no snapshot and no change of
    // Modified.
    void PutRest(TEditControl &editor, qsizetype size);

    // Undo and redo work on the whole text: a rest still pending goes into the editor first.
    // "&Rückgängig": first keeps the current text as a snapshot (as the key press of Ctrl+Z
    // would), then shows the snapshot before the one that holds the current text. Returns
    // whether the text was replaced. The document is marked modified in every case.
    bool Undo(TEditControl &editor);
    // "Widerrufen": first keeps the current text as a snapshot, then shows the next higher
    // snapshot, up to UndoTop. Returns whether the text was replaced; marks modified always.
    bool Redo(TEditControl &editor);

    int UndoIndex() const { return Index; }
    int UndoTop() const { return Top; }
    // The text of the last snapshot taken (empty before the first). Builds the whole text.
    QString LastSnapshotText() const;
    // The text of snapshot 1 to UndoTop. Builds the whole text.
    QString Snapshot(int number) const;
    // The editor's whole text (with the rest of a loading text) as pieces that share the
    // mirror's, or nothing when the ring does not follow this editor. Costs the pieces' count and
    // the change since the last snapshot, not the text's length; the pieces may be read on
    // another thread.
    std::optional<TChunkedText> CurrentText(const TEditControl &editor) const;
    // Bytes the ring holds: the mirror and the differences.
    qsizetype MemoryBytes() const;

private:
    // The length of the next slice of the rest, which starts at `from`: through the first line
    // break within `size` characters behind the first `size` (within 64K in a line already
    // cut, or past 64K), else cut at 64K or less (never cutting a surrogate pair).
    qsizetype RestSliceLength(qsizetype from, qsizetype size) const;

    // Text an edit puts in: kept packed from a quarter million characters on, as in the mirror.
    class TKeptText
    {
    public:
        TKeptText() = default;
        explicit TKeptText(QString text);
        QString Text() const { return Long ? Long->ToString() : Short; }
        qsizetype MemoryBytes() const;

    private:
        QString Short;
        std::optional<TChunkedText> Long;
    };

    // One replacement; a difference between two snapshots is a list of them, applied in order.
    struct TEdit
    {
        qsizetype Start = 0;
        qsizetype RemoveLength = 0;
        TKeptText Insert;
    };
    using TDiff = std::vector<TEdit>;

    // The text of [start, start + length) of the editor, from the known text when there is one.
    QString EditorRange(const TEditControl &editor, int start, int length) const;
    // Makes sure the change mark of this editor describes its difference to the mirror.
    void Attach(TEditControl &editor);
    // Stores the text that the change leads to unless it equals the last snapshot.
    void TakeSnapshot(TEditControl &editor, const TTextChange &change);
    // The editor's text against the mirror, as one span.
    TTextChange CurrentChange(const TEditControl &editor) const;
    // Whether the change leaves the text as it was.
    bool IsUnchanged(const TEditControl &editor, const TTextChange &change) const;
    // Brings the mirror up to the editor's text and sets a new mark; returns the replacement that
    // turns the new text back into the old one.
    TEdit TakeOverChange(TEditControl &editor, const TTextChange &change);
    void ResetMark(TEditControl &editor);
    void Store(TEditControl &editor, const TTextChange &change);
    void DropOldest();
    // Moves the mirror to another snapshot, editing the editor alike.
    void MoveMirrorTo(int number, TEditControl &editor);
    static void ApplyTo(QString &text, const TDiff &diff);
    TDiff &Slot(int number) { return Diffs[size_t(number - 1)]; }
    const TDiff &Slot(int number) const { return Diffs[size_t(number - 1)]; }

    // Differences of snapshots 1..Top. The mirror holds snapshot Anchor, whose difference is
    // empty; those below it lead from the next higher snapshot, those above from the next lower.
    std::vector<TDiff> Diffs;
    TChunkedText Mirror;
    int Anchor = 0;
    int Index = 0;
    int Top = 0;
    int LastIndex = 0;
    // The editor shows the snapshot Index + 1, put there by undo or redo.
    bool Restored = false;
    TEditControl *Tracked = nullptr;
    // A difference between the mirror and the tracked editor at its mark, found when the ring was
    // handed that editor.
    TTextChange Pending;
    // The editor's whole text, while a snapshot of a just loaded text is taken.
    const QString *KnownText = nullptr;
    // The part of a loaded text not yet in the tracked editor: the mirror's last Rest characters.
    qsizetype Rest = 0;
};

// The CSS window's caption after an undo step.
QString UndoCaption(int undoIndex, int undoTop);

// Interval of the undo timer in milliseconds, or 0 when snapshots follow the key presses and the
// timer is stopped. Seconds below 1 count as 1.
int UndoTimerInterval(bool undoMitKeyUp, int seconds);
