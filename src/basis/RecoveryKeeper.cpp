#include "RecoveryKeeper.h"

TRecoveryKeeper::TRecoveryKeeper(TSnapshot snapshot, TRecoveryJournal *journal)
    : Snapshot(std::move(snapshot))
    , Journal(journal)
{
    Delay.setSingleShot(true);
    Delay.setInterval(DefaultDelayMs);
    QObject::connect(&Delay, &QTimer::timeout, [this] { WriteNow(); });
}

void TRecoveryKeeper::NoteChange()
{
    if (!Journal || !Journal->IsUsable())
        return;
    Pending = true;
    Delay.start();
}

void TRecoveryKeeper::WriteNow()
{
    if (!Pending)
        return;
    Delay.stop();
    Pending = false;
    std::optional<TRecoveryEntry> entry = Snapshot();
    if (!entry) {
        Forget();
        return;
    }
    if (Slot == 0)
        Slot = Journal->NewSlot();
    Journal->Write(Slot, std::move(*entry));
}

void TRecoveryKeeper::Forget()
{
    Delay.stop();
    Pending = false;
    if (Slot != 0)
        Journal->Remove(Slot);
    Slot = 0;
}

void TRecoveryKeeper::Adopt(const TOrphanCopy &copy)
{
    if (!Journal)
        return;
    Forget();
    Slot = Journal->AdoptOrphan(copy);
}
