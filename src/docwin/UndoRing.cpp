#include "UndoRing.h"

#include "TextSpans.h"

#include <QtGlobal>

#include <algorithm>
#include <climits>

namespace {

// Two changes one after the other (first from A to B, then from B to C) as one span from A to C.
TTextChange Combine(const TTextChange &first, const TTextChange &second)
{
    if (!first.Changed)
        return second;
    if (!second.Changed)
        return first;
    const int start = std::min(first.Start, second.Start);
    const int endInB = std::max(first.Start + first.NewLength, second.Start + second.OldLength);
    const int endInA = endInB - first.NewLength + first.OldLength;
    const int endInC = endInB - second.OldLength + second.NewLength;
    return TTextChange{true, start, endInA - start, endInC - start};
}

// The most characters of a line without breaks that go into the editor at a time.
constexpr qsizetype LongLineSlice = 64 * 1024;
// New text of this many characters or more is packed in the mirror as soon as it is taken over
// (a paste, a replacement throughout the text, the undo of one), as loaded text is.
constexpr qsizetype PackedChange = 256 * 1024;

} // namespace

void TUndoRing::Clear()
{
    Diffs.clear();
    Mirror.Assign(QStringView());
    Anchor = 0;
    Index = 0;
    Top = 0;
    LastIndex = 0;
    Restored = false;
    Tracked = nullptr;
    Pending = TTextChange{};
    Rest = 0;
}

void TUndoRing::TakeUndoSnapshot(TEditControl &editor)
{
    Attach(editor);
    TakeSnapshot(editor, CurrentChange(editor));
}

void TUndoRing::TakeSnapshot(TEditControl &editor, const TTextChange &change)
{
    if (Restored) {
        if (IsUnchanged(editor, change)) {
            if (change.Changed)
                ResetMark(editor);
            return;
        }
        // The restored text is where the new typing began; it stays in the ring as the last
        // snapshot, and the changed text goes in above it.
        Restored = false;
        Index = Anchor;
        LastIndex = Anchor;
    }
    // Before the first snapshot the last snapshot text is the empty text; afterwards the
    // mirror holds it.
    const bool equalsLast = Index == 0 ? editor.TextLength() + Rest == 0
                                       : IsUnchanged(editor, change);
    if (equalsLast) {
        if (Index > 0 && change.Changed)
            ResetMark(editor);
        return;
    }
    Store(editor, change);
}

void TUndoRing::TakeLoadedSnapshot(TEditControl &editor, const QString &loadedText)
{
    Q_ASSERT(editor.TextLength() <= loadedText.size());
    KnownText = &loadedText;
    Attach(editor);
    TTextChange change = CurrentChange(editor);
    const int length = editor.TextLength();
    Rest = loadedText.size() - length;
    if (Rest > 0) {
        // The rest is new behind whatever the editor changed: the change reaches to the end.
        const int start = change.Changed ? std::min(change.Start, length) : length;
        change = TTextChange{true,
                             start,
                             int(Mirror.Length()) - start,
                             int(loadedText.size()) - start};
    }
    TakeSnapshot(editor, change);
    KnownText = nullptr;
}

void TUndoRing::PutRest(TEditControl &editor, qsizetype size)
{
    if (Rest == 0)
        return;
    Q_ASSERT(Tracked == &editor);
    const qsizetype from = Mirror.Length() - Rest;
    const qsizetype length = RestSliceLength(from, std::max<qsizetype>(size, 1));
    editor.AppendAtEnd(Mirror.Mid(from, length));
    Rest -= length;
    // What is in the editor is read back from here only where it is edited or saved.
    Mirror.Pack(from, from + length);
}

qsizetype TUndoRing::RestSliceLength(qsizetype from, qsizetype size) const
{
    // A long line goes in in small slices: each is copied twice on its way into the editor.
    // Once a line is cut, so is the rest of it, however big the slices of the other text.
    const qsizetype longLine = std::min(size, LongLineSlice);
    if (from > 0 && Mirror.Mid(from - 1, 1).front() != u'\n')
        size = longLine;
    if (Rest <= size)
        return Rest;
    const qsizetype lineBreak = Mirror.IndexOf(u'\n', from + size - 1, from + size + longLine);
    if (lineBreak >= 0)
        return lineBreak + 1 - from;
    // A CR before its LF cannot be at the cut: the LF would have been found.
    return Mirror.Mid(from + longLine - 1, 1).front().isHighSurrogate() ? longLine + 1 : longLine;
}

QString TUndoRing::EditorRange(const TEditControl &editor, int start, int length) const
{
    if (KnownText)
        return KnownText->mid(start, length);
    return editor.TextRange(start, length);
}

bool TUndoRing::Undo(TEditControl &editor)
{
    PutRest(editor, Rest);
    TakeUndoSnapshot(editor);
    const int shown = Restored ? Index + 1 : Index;
    bool replaced = false;
    if (shown > 1) {
        MoveMirrorTo(shown - 1, editor);
        Restored = true;
        Index = shown - 2;
        replaced = true;
    }
    editor.SetModified(true);
    return replaced;
}

bool TUndoRing::Redo(TEditControl &editor)
{
    PutRest(editor, Rest);
    TakeUndoSnapshot(editor);
    const int shown = Restored ? Index + 1 : Index;
    bool replaced = false;
    if (shown >= 1 && shown < Top) {
        MoveMirrorTo(shown + 1, editor);
        Restored = true;
        Index = shown;
        replaced = true;
    }
    editor.SetModified(true);
    return replaced;
}

QString TUndoRing::LastSnapshotText() const
{
    return LastIndex == 0 ? QString() : Snapshot(LastIndex);
}

QString TUndoRing::Snapshot(int number) const
{
    Q_ASSERT(number >= 1 && number <= Top);
    QString text = Mirror.ToString();
    for (int j = Anchor + 1; j <= number; ++j)
        ApplyTo(text, Slot(j));
    for (int j = Anchor - 1; j >= number; --j)
        ApplyTo(text, Slot(j));
    return text;
}

std::optional<TChunkedText> TUndoRing::CurrentText(const TEditControl &editor) const
{
    if (Tracked != &editor)
        return std::nullopt;
    TChunkedText text = Mirror;
    const TTextChange change = CurrentChange(editor);
    if (change.Changed)
        text.Replace(change.Start,
                     change.OldLength,
                     EditorRange(editor, change.Start, change.NewLength));
    return text;
}

qsizetype TUndoRing::MemoryBytes() const
{
    qsizetype bytes = qsizetype(sizeof(*this)) + Mirror.MemoryBytes();
    bytes += qsizetype(Diffs.capacity() * sizeof(TDiff));
    for (const TDiff &diff : Diffs) {
        bytes += qsizetype(diff.capacity() * sizeof(TEdit));
        for (const TEdit &edit : diff)
            bytes += edit.Insert.MemoryBytes();
    }
    return bytes;
}

void TUndoRing::Attach(TEditControl &editor)
{
    if (Tracked == &editor)
        return;
    // Only a loaded text comes with a rest, and a window puts it all in before it switches
    // editors.
    Q_ASSERT(Rest == 0 || KnownText);
    // Another editor (or the first): its mark tells nothing about the mirror, so compare once.
    const QString text = KnownText ? *KnownText : editor.Text();
    const QString mirrored = Mirror.ToString();
    Pending = DifferingSpan(mirrored, text);
    editor.MarkChanges();
    Tracked = &editor;
}

TTextChange TUndoRing::CurrentChange(const TEditControl &editor) const
{
    return Combine(Pending, editor.ChangesSinceMark());
}

bool TUndoRing::IsUnchanged(const TEditControl &editor, const TTextChange &change) const
{
    if (!change.Changed)
        return true;
    return change.OldLength == change.NewLength
           && EditorRange(editor, change.Start, change.NewLength)
                  == Mirror.Mid(change.Start, change.OldLength);
}

TUndoRing::TEdit TUndoRing::TakeOverChange(TEditControl &editor, const TTextChange &change)
{
    TEdit back{change.Start, 0, TKeptText()};
    if (change.Changed) {
        // The reported span may be wider than the real change (a reload replaces the whole
        // text, mostly by the same): keep only the part that differs.
        const QString now = EditorRange(editor, change.Start, change.NewLength);
        const QString before = Mirror.Mid(change.Start, change.OldLength);
        const TTextChange inner = DifferingSpan(before, now);
        if (!inner.Changed) {
            ResetMark(editor);
            return back;
        }
        back.Start = change.Start + inner.Start;
        back.RemoveLength = inner.NewLength;
        back.Insert = TKeptText(before.mid(inner.Start, inner.OldLength));
        Mirror.Replace(back.Start,
                       inner.OldLength,
                       QStringView(now).sliced(inner.Start, inner.NewLength));
        // A rest still to go into the editor is packed as it goes in.
        if (inner.NewLength >= PackedChange)
            Mirror.Pack(back.Start, std::min(back.Start + inner.NewLength, Mirror.Length() - Rest));
    }
    ResetMark(editor);
    return back;
}

void TUndoRing::ResetMark(TEditControl &editor)
{
    editor.MarkChanges();
    Pending = TTextChange{};
}

void TUndoRing::Store(TEditControl &editor, const TTextChange &change)
{
    if (Index >= Capacity)
        DropOldest();
    Q_ASSERT(Index == 0 ? Top == 0 : Anchor == Index);
    const TEdit back = TakeOverChange(editor, change);
    const int number = Index + 1;
    if (Index >= 1) {
        // The snapshot above the overwritten one led from it; now it leads from the new text:
        // back to the old mirror, on to the overwritten snapshot, on to itself.
        if (number + 1 <= Top) {
            TDiff rebased{back};
            rebased.insert(rebased.end(), Slot(number).begin(), Slot(number).end());
            rebased.insert(rebased.end(), Slot(number + 1).begin(), Slot(number + 1).end());
            Slot(number + 1) = std::move(rebased);
        }
        Slot(Index) = TDiff{back};
    }
    if (number > Top) {
        Diffs.emplace_back();
        Top = number;
    } else {
        Slot(number).clear();
    }
    Anchor = number;
    Index = number;
    LastIndex = number;
}

void TUndoRing::DropOldest()
{
    // Only reached with every place used and the mirror on the newest snapshot.
    Q_ASSERT(Index == Capacity && Top == Capacity && Anchor == Capacity);
    Diffs.erase(Diffs.begin());
    --Top;
    --Anchor;
    --Index;
    --LastIndex;
}

void TUndoRing::MoveMirrorTo(int number, TEditControl &editor)
{
    Q_ASSERT(number >= 1 && number <= Top && Anchor >= 1);
    while (Anchor != number) {
        const int next = number > Anchor ? Anchor + 1 : Anchor - 1;
        TDiff &forward = Slot(next);
        TDiff back;
        back.reserve(forward.size());
        for (const TEdit &edit : forward) {
            const QString insert = edit.Insert.Text();
            QString removed = Mirror.Replace(edit.Start, edit.RemoveLength, insert);
            if (insert.size() >= PackedChange)
                Mirror.Pack(edit.Start, edit.Start + insert.size());
            editor.SetSelStart(int(edit.Start));
            editor.SetSelLength(int(edit.RemoveLength));
            editor.ReplaceSelection(insert);
            back.push_back(TEdit{edit.Start, insert.size(), TKeptText(std::move(removed))});
        }
        std::reverse(back.begin(), back.end());
        Slot(Anchor) = std::move(back);
        forward.clear();
        Anchor = next;
    }
    ResetMark(editor);
}

void TUndoRing::ApplyTo(QString &text, const TDiff &diff)
{
    for (const TEdit &edit : diff)
        text.replace(edit.Start, edit.RemoveLength, edit.Insert.Text());
}

TUndoRing::TKeptText::TKeptText(QString text)
{
    if (text.size() < PackedChange) {
        Short = std::move(text);
        return;
    }
    Long.emplace();
    Long->Assign(text);
    Long->Pack(0, text.size());
}

qsizetype TUndoRing::TKeptText::MemoryBytes() const
{
    const qsizetype shortBytes = Short.capacity() * qsizetype(sizeof(QChar));
    return Long ? shortBytes + Long->MemoryBytes() : shortBytes;
}

QString UndoCaption(int undoIndex, int undoTop)
{
    return QStringLiteral("  Rückg UndoIndex: ") + QString::number(undoIndex)
           + QStringLiteral("  UndoMax: ") + QString::number(undoTop);
}

int UndoTimerInterval(bool undoMitKeyUp, int seconds)
{
    if (undoMitKeyUp)
        return 0;
    return std::clamp(seconds, 1, INT_MAX / 1000) * 1000;
}
