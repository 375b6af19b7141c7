// The "&Bearbeiten" commands of the document windows: undo ring, clipboard, block and line
// commands, conversions, going to a line, jump marks and search.
#include "AppSettings.h"
#include "ColorMemo.h"
#include "DocumentMenus.h"
#include "DocumentText.h"
#include "EditCommandRouter.h"
#include "EditCommands.h"
#include "FHTMLFrame.h"
#include "FileUtils.h"
#include "FindDialog.h"
#include "Navigation.h"
#include "Prompter.h"

#include <QAction>
#include <QKeyEvent>
#include <QPlainTextEdit>

void TFHTMLFrame::ConnectEditorCommands()
{
    // Undo and redo from an editor's context menu and keys go to the snapshot ring.
    for (QPlainTextEdit *editor : {static_cast<QPlainTextEdit *>(MemoColor()), MemoSW()}) {
        TEditCommandRouter *router = TEditCommandRouter::Of(editor);
        connect(router, &TEditCommandRouter::UndoRequested, this, [this] { UndoCommand(); });
        connect(router, &TEditCommandRouter::RedoRequested, this, [this] { RedoCommand(); });
    }
    connect(&TimerUndo, &QTimer::timeout, this, [this] { TakeUndoSnapshot(); });
    UndoRing.Clear();
    TakeUndoSnapshot();
}

void TFHTMLFrame::TakeUndoSnapshot()
{
    // Also while a text loads: the ring counts its rest as part of the text.
    UndoRing.TakeUndoSnapshot(ActiveEditor());
}

void TFHTMLFrame::ApplyUndoTimer()
{
    const int interval = UndoTimerInterval(Settings().UndoMitKeyUp, Settings().UndoTimerIntervall);
    if (interval == 0) {
        TimerUndo.stop();
    } else {
        TimerUndo.setInterval(interval);
        TimerUndo.start();
    }
}

void TFHTMLFrame::UndoCommand()
{
    FinishLoading();
    UndoRing.Undo(ActiveEditor());
}

void TFHTMLFrame::RedoCommand()
{
    FinishLoading();
    UndoRing.Redo(ActiveEditor());
}

void TFHTMLFrame::BeforeCommand()
{
    FinishLoading();
    // A menu key never reaches the editor as a key press, so the snapshot that a key press
    // would take is taken here, before the command changes the text.
    if (Settings().UndoMitKeyUp)
        TakeUndoSnapshot();
}

void TFHTMLFrame::Change(const std::function<void(TEditControl &)> &command)
{
    BeforeCommand();
    command(ActiveEditor());
}

void TFHTMLFrame::Edit(const std::function<void(TEditControl &)> &command)
{
    Change(command);
    ActiveEditor().SetModified(true);
}

TSaveResult TFHTMLFrame::SaveBlockAsFile()
{
    const TFileDialogResult chosen = Prompter().AskSaveFileName(BlockSaveDialogOptions());
    if (!chosen.Accepted())
        return TSaveResult::Cancelled();
    const QString path = chosen.Files.first();
    if (!MayReplaceFile(path))
        return TSaveResult::Cancelled();
    // The clipboard keeps the block afterwards, as the transfer left it.
    ActiveEditor().CopyToClipboard();
    const TSaveResult result = WriteBlockToFile(ActiveEditor(), path, Settings().AutoSave);
    if (result.IsFailed())
        ShowError("Fehler", result.Reason());
    return result;
}

void TFHTMLFrame::GoToLine()
{
    if (GoToLineCommand(ActiveEditor()))
        FocusEditor();
}

void TFHTMLFrame::SetJumpMark(int digit)
{
    JumpMarks.Store(digit, ActiveEditor());
}

void TFHTMLFrame::GoToJumpMark(int digit)
{
    if (JumpMarks.GoTo(digit, ActiveEditor()))
        FocusEditor();
}

void TFHTMLFrame::FocusEditor()
{
    ActiveEditor().ScrollCaret();
    ActiveEditorWidget()->setFocus();
}

void TFHTMLFrame::ShowFindDialog()
{
    if (!FindDialog1) {
        FindDialog1 = new TFindDialog(this);
        connect(FindDialog1, &TFindDialog::FindRequested, this, [this] {
            FindState = FindDialog1->State();
            FindDialog1->hide();
            FindNext();
        });
    }
    PrepareFind(FindState, ActiveEditor(), Settings().SucheAmAktuellenCursor);
    FindDialog1->SetState(FindState);
    FindDialog1->show();
    FindDialog1->raise();
    // The dialog takes the keyboard, ready for the text to find.
    FindDialog1->activateWindow();
    FindDialog1->FocusSearchText();
}

TFindDialog *TFHTMLFrame::FindDialog() const
{
    return FindDialog1;
}

void TFHTMLFrame::FindNext()
{
    if (FindDialog1 && FindDialog1->isVisible()) {
        FindState = FindDialog1->State();
        FindDialog1->hide();
    }
    switch (FindNextInDocument(ActiveEditor(), FindState)) {
    case TFindResult::Found:
        FocusEditor();
        break;
    case TFindResult::NotFound:
        ShowNote(SearchNoteCaption.toString(), SearchNotFoundText(FindState));
        break;
    case TFindResult::NothingToFind:
        break;
    }
}
