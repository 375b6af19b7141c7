#pragma once

#include <QDateTime>
#include <QMutex>
#include <QString>
#include <QThreadPool>

#include <functional>
#include <map>
#include <memory>
#include <vector>

class QLockFile;

// What a recovery copy keeps of a document with unsaved changes.
struct TRecoveryEntry
{
    QString FileName; // the document's file; a new document's name ("noname")
    QString Kind;     // which kind of window restores it ("html", "css")
    QString Text;     // the editor's text, exactly as it stands
    // When set, gives the text on the writer thread instead: a big document's text is then put
    // together in the background from a cheap copy taken when the copy was asked for.
    std::function<QString()> TextSource = nullptr;
};

// A recovery copy read back from its file, or the German reason it cannot be read.
struct TRecoveryReadResult
{
    TRecoveryEntry Entry;
    QString Error;

    bool Ok() const { return Error.isEmpty(); }
};

// A copy that a run of the program left behind when it ended without saving or discarding the
// document (a crash, a kill, a power cut).
struct TOrphanCopy
{
    QString Path;
    TRecoveryEntry Entry;
    QDateTime Written;
};

// Recovery copies of unsaved documents in one folder. Each running instance owns the copies it
// writes and holds a lock file while it runs; copies whose owner no longer runs are orphans that
// the next instance offers to restore. Two running instances never take each other's copies.
// Copies are written in the background, one at a time, each through a temporary file that
// replaces the copy only when complete, so a crash during a write leaves the previous copy.
class TRecoveryJournal
{
public:
    // Opens the journal in the folder (created when missing) and claims a name for this run.
    explicit TRecoveryJournal(const QString &folder);
    // Finishes the writes in flight and gives up the claim; copies still there stay for the next
    // run to offer.
    ~TRecoveryJournal();
    TRecoveryJournal(const TRecoveryJournal &) = delete;
    TRecoveryJournal &operator=(const TRecoveryJournal &) = delete;

    // False when the folder cannot be used; the journal then keeps nothing. Error says why.
    bool IsUsable() const { return Usable; }
    const QString &Error() const { return OpenError; }
    const QString &Folder() const { return Directory; }

    // A new slot for one document's copy.
    int NewSlot();
    // Writes the entry as the slot's copy in the background; of several pending writes of one
    // slot only the newest is done.
    void Write(int slot, TRecoveryEntry entry);
    // Deletes the slot's copy (the document was saved or its changes discarded).
    void Remove(int slot);
    // Waits until every write and deletion asked for so far is done.
    void WaitForWrites();
    // The German reason of the last background write that failed, cleared by reading it.
    QString TakeWriteError();
    // Called with the German reason whenever a background write fails, on the application's
    // thread, so the user learns that a copy is missing. The reason stays for TakeWriteError.
    void SetWriteFailureHandler(std::function<void(const QString &)> handler);

    // The copies of runs that ended without deleting them, oldest first. They are claimed for
    // this run: another instance never offers them too. Copies that cannot be read are renamed
    // to "*.damaged" and listed with their reason in damaged (when given).
    std::vector<TOrphanCopy> TakeOrphans(QStringList *damaged = nullptr);
    // Turns an orphan into the copy of a new slot of this run (its document was restored).
    int AdoptOrphan(const TOrphanCopy &copy);
    // Deletes an orphan (its restoration was declined).
    void DeleteOrphan(const TOrphanCopy &copy);

    // Reads a copy file.
    static TRecoveryReadResult ReadCopy(const QString &path);
    // The bytes of a copy file: a marker line, a header line and the text.
    static QByteArray EncodeCopy(const TRecoveryEntry &entry);

private:
    QString SlotPath(int slot) const;
    void WriteNow(int slot, quint64 generation, const TRecoveryEntry &entry);
    void ClaimOrphansOf(const QString &owner,
                        std::vector<TOrphanCopy> &orphans,
                        QStringList *damaged);
    void ReleaseIfEmpty(const QString &owner);

    QString Directory;
    QString Instance;
    std::unique_ptr<QLockFile> Lock;
    bool Usable = false;
    QString OpenError;
    int NextSlot = 1;

    // Claimed instances whose orphans are not yet restored or deleted.
    std::map<QString, std::unique_ptr<QLockFile>> Claimed;

    QThreadPool Writer;
    QMutex Guard;                  // guards what follows, shared with the writer thread
    std::map<int, quint64> Newest; // per live slot, the generation of its newest write
    quint64 Generation = 0;
    QString WriteError;
    std::function<void(const QString &)> WriteFailureHandler;
};

// The journal of this run, or null when none is kept (tests, an unusable folder).
TRecoveryJournal *RecoveryJournal();
// Installs the journal of this run (not owned; null for none) and returns the previous one.
TRecoveryJournal *SetRecoveryJournal(TRecoveryJournal *journal);
