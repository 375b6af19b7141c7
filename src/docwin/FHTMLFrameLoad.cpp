// Loading a file into a document window: a big text shows its first screen at once, the rest
// goes into the editor in slices from the event loop, with its progress in the status bar.

#include "DocumentHost.h"
#include "DocumentText.h"
#include "FHTMLFrame.h"
#include "FreedMemory.h"
#include "Prompter.h"

#include <QApplication>
#include <QMenu>
#include <QPlainTextEdit>

#include <algorithm>
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
    // The undo ring keeps the loaded text as its first snapshot and hands it to the editor
    // slice by slice; the text read from the file is dropped before the first slice goes in,
    // so that a big text is never held three times.
    TEditControl &editor = ActiveEditor();
    editor.SetText(QString());
    UndoRing.TakeLoadedSnapshot(editor, text);
    LoadLength = text.size();
    text = QString();
    UndoRing.PutRest(editor, LoadLength <= WholeTextAtOnce ? LoadLength : FirstSlice);
    editor.SetSelStart(0);
    QueueLoadNotes(notes);
    if (UndoRing.RestLength() == 0) {
        EndLoading();
        return true;
    }
    SetLoadingState(true);
    LoadTimer.start(0);
    return true;
}

void TFHTMLFrame::PutNextSlice()
{
    if (!IsLoading())
        return;
    UndoRing.PutRest(ActiveEditor(), LaterSlice);
    // The slice's copies are freed; without this the C library would keep them among the
    // document's blocks, and a 10 MB page would peak at 124 MiB instead of 100. Costs a
    // tenth of a millisecond.
    ReturnFreedMemory();
    if (UndoRing.RestLength() == 0)
        EndLoading();
    else
        ShowLoadProgress();
}

void TFHTMLFrame::FinishLoading()
{
    if (!IsLoading())
        return;
    QApplication::setOverrideCursor(Qt::WaitCursor);
    // In big slices rather than at once, so that no second copy of the rest is made.
    while (UndoRing.RestLength() > 0)
        UndoRing.PutRest(ActiveEditor(), 8 * LaterSlice);
    QApplication::restoreOverrideCursor();
    EndLoading();
}

void TFHTMLFrame::EndLoading()
{
    LoadTimer.stop();
    const bool big = LoadLength > WholeTextAtOnce;
    LoadLength = 0;
    SetLoadingState(false);
    // What the editor made of the text (it may turn odd characters into others) is what a
    // binary file is compared with when it is saved. Nothing could be typed meanwhile: such a
    // file is read-only while it loads.
    if (Doc.WantsLoadedText())
        Doc.SetLoadedText(ActiveEditor().Text());
    ShowFormatNote();
    // The decoded text and the last slices are freed; the memory goes back, not into a reserve.
    if (big)
        ReturnFreedMemory();
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

bool TFHTMLFrame::MayEditWhileLoading() const
{
    // A file kept byte for byte while unchanged compares the editor's whole text once it is in;
    // it is read-only until then.
    return !Doc.WantsLoadedText();
}

void TFHTMLFrame::SetLoadingState(bool loading)
{
    // Read-only where editing has to wait, but the caret still moves with the keys.
    QPlainTextEdit *editor = ActiveEditorWidget();
    const bool readOnly = loading && !MayEditWhileLoading();
    editor->setReadOnly(readOnly);
    if (readOnly)
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
                                      "Datei wird geladen ... " + QString::number(LoadPercent())
                                          + " %");
}

int TFHTMLFrame::LoadPercent() const
{
    return int(100 * (LoadLength - UndoRing.RestLength()) / std::max<qsizetype>(LoadLength, 1));
}
