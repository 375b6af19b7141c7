// The spare version of the document windows ("&Versionen").
#include "DocumentText.h"
#include "FHTMLFrame.h"
#include "Prompter.h"
#include "Versions.h"

void TFHTMLFrame::SaveVersionCommand()
{
    const QString error = WriteVersionFile(VersionFilePath(LastVersionFileName), EditorText());
    if (!error.isEmpty()) {
        ShowError("Fehler", error);
        return;
    }
    LastVersionNameValue = RememberLastVersionName(FileName());
}

void TFHTMLFrame::LoadVersionCommand()
{
    // The text about to be replaced is kept twice: in Temp.dat and in the undo ring.
    const QString error = WriteVersionFile(VersionFilePath(ReplacedTextFileName), EditorText());
    if (!error.isEmpty()) {
        ShowError("Fehler", error);
        return;
    }
    const TTextReadResult version = ReadVersionFile(VersionFilePath(LastVersionFileName));
    if (!version.Ok) {
        ShowError("Fehler", version.Error);
        return;
    }
    TakeUndoSnapshot();
    ActiveEditor().SetText(TabsToThreeBlanks(version.Text));
    ActiveEditor().SetModified(true);
}
