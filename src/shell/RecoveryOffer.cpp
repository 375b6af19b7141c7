// Restoring the unsaved documents of a run that ended without saving them.
#include "DocumentText.h"
#include "FMain.h"
#include "FileUtils.h"
#include "Prompter.h"
#include "RecoveryJournal.h"

#include <QFileInfo>

#include <utility>

namespace {

QString RestoreQuestion(const TOrphanCopy &copy)
{
    const QString name = copy.Entry.FileName == NoName
                             ? QString("Ein neues Dokument (noname)")
                             : "Das Dokument\r\n" + copy.Entry.FileName + "\r\n";
    return name + "hatte ungesicherte Änderungen, als HTML-Editor am "
           + copy.Written.toString("dd.MM.yyyy 'um' hh:mm")
           + " unerwartet beendet wurde.\r\nSoll der ungesicherte Text wiederhergestellt "
             "werden?\r\n(Nein löscht die Wiederherstellungskopie.)";
}

} // namespace

TFHTMLFrame *TFMain::WindowForRecovered(const TRecoveryEntry &entry)
{
    const bool named = entry.FileName != NoName;
    for (TFHTMLFrame *window : DocumentWindows()) {
        if (named && SameFileName(window->DocFileName(), entry.FileName))
            return window;
    }
    if (named && QFileInfo(entry.FileName).isFile()) {
        if (TFHTMLFrame *window = OpenDocumentWindow(entry.FileName, TOpenMode::Existing))
            return window;
    }
    // A new document, or a file that is gone: a new window of the kind takes the text.
    return OpenDocumentWindow(QString(), entry.Kind == "html" ? TOpenMode::Xhtml : TOpenMode::Css);
}

void TFMain::OfferRecoveryCopies()
{
    TRecoveryJournal *journal = RecoveryJournal();
    if (!journal)
        return;
    if (!journal->IsUsable()) {
        ShowNote("Hinweis",
                 journal->Error()
                     + "\r\nFür ungesicherte Änderungen werden keine Wiederherstellungskopien "
                       "angelegt.");
        return;
    }
    QStringList damaged;
    for (const TOrphanCopy &copy : journal->TakeOrphans(&damaged)) {
        if (!AskYesNo("Wiederherstellen", RestoreQuestion(copy))) {
            journal->DeleteOrphan(copy);
            continue;
        }
        // Without a window the copy stays for the next start.
        if (TFHTMLFrame *window = WindowForRecovered(copy.Entry))
            window->RestoreRecovered(copy);
    }
    if (!damaged.isEmpty())
        ShowNote("Hinweis",
                 "Diese Wiederherstellungskopien sind beschädigt und wurden beiseitegelegt:\r\n"
                     + damaged.join("\r\n"));
}

void TFMain::NoteRecoveryWriteFailure(const QString &reason)
{
    QString line = reason;
    SetStatusText(TStatusPanel::Note, line.replace("\r\n", " "));
    if (std::exchange(RecoveryFailureShown, true))
        return;
    ShowError("Fehler", reason);
}
