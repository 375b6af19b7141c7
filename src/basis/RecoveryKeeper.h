#pragma once

#include "RecoveryJournal.h"

#include <QTimer>

#include <functional>
#include <optional>

// Keeps the recovery copy of one document: a change starts a short delay after which the copy
// is written in the background, so typing never waits for it; losing the focus writes it at
// once; saving or discarding the changes deletes it. Without a journal it does nothing.
class TRecoveryKeeper
{
public:
    // Time from the last change to the copy.
    static constexpr int DefaultDelayMs = 3000;

    // snapshot gives the document's entry at the moment the copy is written, or nothing when
    // the document has no unsaved changes (then its copy goes).
    using TSnapshot = std::function<std::optional<TRecoveryEntry>()>;
    explicit TRecoveryKeeper(TSnapshot snapshot, TRecoveryJournal *journal = RecoveryJournal());
    TRecoveryKeeper(const TRecoveryKeeper &) = delete;
    TRecoveryKeeper &operator=(const TRecoveryKeeper &) = delete;

    void SetDelay(int milliseconds) { Delay.setInterval(milliseconds); }
    // The document changed: the copy follows after the delay.
    void NoteChange();
    // Writes a copy now when a change is waiting for one (the window lost the focus).
    void WriteNow();
    // The document was saved or its changes discarded: its copy goes.
    void Forget();
    // The document was restored from an orphan: that copy becomes this document's.
    void Adopt(const TOrphanCopy &copy);
    bool HasCopy() const { return Slot > 0; }
    bool ChangePending() const { return Pending; }

private:
    TSnapshot Snapshot;
    TRecoveryJournal *Journal;
    QTimer Delay;
    int Slot = 0;
    bool Pending = false;
};
