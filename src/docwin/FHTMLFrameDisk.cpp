#include "DocumentHost.h"
#include "DocumentText.h"
#include "FHTMLFrame.h"
#include "Prompter.h"

// The document window's watch on its file: another program may change or delete the file
// while the window is open. The window asks when it is activated, and before a save (see
// SaveDocument), never overwriting a newer file without the user's word.

bool TFHTMLFrame::LoadFile(const QString &path)
{
    return LoadFileWith(path, [](QString text) { return text; });
}

void TFHTMLFrame::CheckFileOnDisk()
{
    // The question's own box takes the activation and gives it back: that asks nothing again.
    if (CheckingDisk)
        return;
    CheckingDisk = true;
    switch (Doc.NewDiskChange()) {
    case TDiskChange::Deleted:
        ShowNote("Hinweis", DeletedOnDiskNote(FileName()));
        // Closing the window now asks before the text is lost.
        ActiveEditor().SetModified(true);
        if (DocumentHost())
            DocumentHost()->SetStatusText(TStatusPanel::Modified, "geändert");
        break;
    case TDiskChange::Changed: {
        const bool modified = IsModified();
        // Without changes "Ja" reloads; with changes "Ja" keeps the editor's text.
        if (AskYesNo("Bestätigen", ChangedOnDiskQuestion(FileName(), modified)) != modified)
            ReloadChangedFile();
        break;
    }
    case TDiskChange::None:
        break;
    }
    CheckingDisk = false;
}

void TFHTMLFrame::ReloadChangedFile()
{
    // The text about to be replaced goes into the undo ring first.
    TakeUndoSnapshot();
    static_cast<void>(LoadFile(FileName()));
}
