#pragma once

#include <QString>

// What a save did: the text is on disk, the user cancelled (a dialog or a question), or the
// write failed with a German reason. Every caller has to look at it: a window closes, runs a
// browser or marks itself saved only after Saved.
enum class TSaveStatus { Saved, Cancelled, Failed };

class [[nodiscard]] TSaveResult
{
public:
    // Saved; the note (may be empty) is a short remark for the status bar, for example that the
    // file was written in another encoding or that no backup could be made.
    static TSaveResult Saved(const QString &note = QString())
    {
        return TSaveResult(TSaveStatus::Saved, QString(), note);
    }
    static TSaveResult Cancelled() { return TSaveResult(TSaveStatus::Cancelled, {}, {}); }
    static TSaveResult Failed(const QString &reason)
    {
        return TSaveResult(TSaveStatus::Failed, reason, QString());
    }

    TSaveStatus Status() const { return State; }
    bool IsSaved() const { return State == TSaveStatus::Saved; }
    bool IsFailed() const { return State == TSaveStatus::Failed; }
    // The German message of a failed save, ready to show.
    const QString &Reason() const { return Why; }
    const QString &Note() const { return Remark; }
    // The same result with a further note appended (only a saved result carries notes).
    TSaveResult WithNote(const QString &note) const
    {
        if (note.isEmpty() || State != TSaveStatus::Saved)
            return *this;
        return TSaveResult(State, Why, Remark.isEmpty() ? note : Remark + "; " + note);
    }

private:
    TSaveResult(TSaveStatus status, const QString &reason, const QString &note)
        : State(status)
        , Why(reason)
        , Remark(note)
    {}

    TSaveStatus State;
    QString Why;
    QString Remark;
};
