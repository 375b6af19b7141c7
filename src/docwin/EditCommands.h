#pragma once

#include "EditControl.h"
#include "Prompter.h"
#include "SaveResult.h"

#include <QString>

#include <span>
#include <string_view>

// The line, block, character set and letter case commands of the "&Bearbeiten" menu, on the
// window's ActiveEditor. Each takes time linear in the text it touches and hands the editor one
// replacement of the span that changed. The edit control raises its modified flag with every
// edit; the commands that mark the document modified whatever happens say so.

// "Aktuelle &Zeile löschen": deletes the line that holds the caret, with its line break.
void DeleteCaretLine(TEditControl &editor);

// "Zeile bi&s Ende löschen": deletes from the caret to the end of its line. Nothing happens with
// the caret at position 0 or in the first line. Returns whether anything was deleted.
bool DeleteToLineEnd(TEditControl &editor);

// "Block nach rechts": every line from the one of the selection start to the one of the
// selection end gets a blank in front; the selection start stays and the selection grows by
// one per line. Marks the document modified.
void IndentBlock(TEditControl &editor);

// "Block nach links": every line strictly between the first and the last line of the selection
// that begins with a blank loses it; the first and last lines are not touched. The selection
// start stays and the selection shrinks by one per line from first to last, whether a blank
// was removed or not (never below nothing selected). Marks the document modified.
void UnindentBlock(TEditControl &editor);

// The characters of a text read as OEM (code page 850) that were decoded as ANSI
// (windows-1252), and the reverse; characters without a byte in the code page they are read
// from stay as they are. Same length.
QString OemToAnsiText(const QString &text);
QString AnsiToOemText(const QString &text);
// "Konverttext von DOS nach &Windows". An empty text is left alone.
void ConvertOemToAnsi(TEditControl &editor);
// "Konverttext von Windows nach &DOS". Marks the document modified unless the text is empty.
void ConvertAnsiToOem(TEditControl &editor);

// Lower case character by character, umlauts included; never changes the length.
QString AnsiLowerText(const QString &text);
// "Alles in Kleinbuchstaben".
void ConvertToLowerCase(TEditControl &editor);

// One entry of the tag table: the text looked for in any letter case, and what replaces it.
struct TTagCasePair
{
    std::u16string_view Search;
    std::u16string_view Replacement;
};
// The tags that "Tags in Kleinbuchstaben" writes in lower case, in the order they are applied.
std::span<const TTagCasePair> TagCasePairs();
// Applies the pairs one after the other; for each pair every occurrence, found without regard to
// letter case from left to right, is replaced, and the search goes on behind the replacement.
QString LowerCaseTags(const QString &text);
// "Tags in Kleinbuchstaben".
void TagsToLowerCase(TEditControl &editor);

// The save dialog of "&Block als Datei &sichern".
TFileDialogOptions BlockSaveDialogOptions();
// Writes the selection to the file as plain text: ANSI, or UTF-8 when ANSI cannot hold every
// character; an existing file is kept as its backup first when backup is set, and a read-only
// one is not replaced. The window copies the selection to the clipboard as well.
TSaveResult WriteBlockToFile(const TEditControl &editor, const QString &fileName, bool backup);
