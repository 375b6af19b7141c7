// Loading a file into a document window: a big text shows its first screen at once, the rest
// goes into the editor in slices from the event loop, with its progress in the status bar.

#include "DocumentHost.h"
#include "DocumentText.h"
#include "FHTMLFrame.h"
#include "LoadSlices.h"
#include "Prompter.h"
#include "TextPositions.h"

#include <QApplication>
#include <QMenu>
#include <QPlainTextEdit>
#include <QTextCursor>

#include <utility>

namespace {

// A text up to this many characters goes into the editor at once; a longer one starts with a
// slice that fills more than a screen, and each further slice takes the event loop a few
// milliseconds.
constexpr qsizetype WholeTextAtOnce = 256 * 1024;
constexpr qsizetype FirstSlice = 64 * 1024;
constexpr qsizetype LaterSlice = 256 * 1024;

} // namespace

bool TFHTMLFrame::LoadDocumentText(const QString &path,
                                   const std::function<QString(QString)> &prepare)
{
    FinishLoading();
    QApplication::setOverrideCursor(Qt::WaitCursor);
    TDocumentLoad result = Doc.Load(path);
    QApplication::restoreOverrideCursor();
    if (!result.Ok) {
        ShowError("Fehler", result.Error);
        return false;
    }
    QString text = prepare(std::move(result.Text));
    QStringList notes;
    const QString breaksNote = LineBreakCharactersNote(path, text);
    if (!breaksNote.isEmpty()) {
        notes << breaksNote;
        text = LineBreakCharactersAsLineBreaks(std::move(text));
    }
    if (!result.Note.isEmpty())
        notes << result.Note;
    PendingLoad = std::make_unique<TLoadSlices>(std::move(text));
    const bool atOnce = PendingLoad->Text().size() <= WholeTextAtOnce;
    ActiveEditor().SetText(PendingLoad->TakeSlice(atOnce ? WholeTextAtOnce : FirstSlice).toString());
    ActiveEditor().SetSelStart(0);
    QueueLoadNotes(notes);
    if (PendingLoad->Done()) {
        EndLoading();
        return true;
    }
    SetLoadingState(true);
    LoadTimer.start(0);
    return true;
}

void TFHTMLFrame::PutNextSlice()
{
    if (!PendingLoad)
        return;
    AppendToEditor(PendingLoad->TakeSlice(LaterSlice));
    if (PendingLoad->Done())
        EndLoading();
    else
        ShowLoadProgress();
}

void TFHTMLFrame::FinishLoading()
{
    if (!PendingLoad)
        return;
    QApplication::setOverrideCursor(Qt::WaitCursor);
    while (!PendingLoad->Done())
        AppendToEditor(PendingLoad->TakeSlice(8 * LaterSlice));
    QApplication::restoreOverrideCursor();
    EndLoading();
}

void TFHTMLFrame::AppendToEditor(QStringView slice)
{
    // At the end of the text, leaving the caret, the selection and the view where they are.
    QTextCursor end(ActiveEditorWidget()->document());
    end.movePosition(QTextCursor::End);
    end.insertText(ToDocumentBreaks(slice.toString()));
    // Nobody can have changed the text meanwhile: the editor is read-only while loading.
    ActiveEditor().SetModified(false);
}

void TFHTMLFrame::EndLoading()
{
    LoadTimer.stop();
    const std::unique_ptr<TLoadSlices> load = std::move(PendingLoad);
    SetLoadingState(false);
    // What the editor made of the text (it may turn odd characters into others) is what a
    // binary file is compared with when it is saved.
    if (Doc.WantsLoadedText())
        Doc.SetLoadedText(ActiveEditor().Text());
    // The loaded text is the first snapshot of the undo ring, taken now rather than with the
    // first key press.
    UndoRing.TakeUndoSnapshot(ActiveEditor(), load->Text());
    MarkSaved();
    ShowFormatNote();
}

void TFHTMLFrame::QueueLoadNotes(const QStringList &notes)
{
    // Told from the event loop, once the window and its first screen are shown, so that the
    // text is seen behind the message; meanwhile the slices keep going in.
    LoadNotes += notes;
    if (!LoadNotes.isEmpty())
        QTimer::singleShot(0, this, &TFHTMLFrame::ShowLoadNotes);
}

void TFHTMLFrame::ShowLoadNotes()
{
    // Taken first: a second load while a note is up queues its own.
    const QStringList notes = std::exchange(LoadNotes, {});
    for (const QString &note : notes)
        ShowNote("Hinweis", note);
}

void TFHTMLFrame::SetLoadingState(bool loading)
{
    // Read-only, but the caret still moves with the keys.
    QPlainTextEdit *editor = ActiveEditorWidget();
    editor->setReadOnly(loading);
    if (loading)
        editor->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    for (const TMergedMenu &menu : std::as_const(Menus))
        menu.Menu->setEnabled(!loading);
    if (loading)
        ShowLoadProgress();
}

void TFHTMLFrame::ShowLoadProgress()
{
    if (DocumentHost())
        DocumentHost()->SetStatusText(TStatusPanel::Note,
                                      "Datei wird geladen ... "
                                          + QString::number(PendingLoad->Percent()) + " %");
}
