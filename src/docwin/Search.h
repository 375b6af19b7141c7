#pragma once

#include "EditControl.h"

#include <QString>
#include <QStringView>

#include <optional>

// What the window's find dialog gathers: the search text and its two options. The dialog starts
// searching downwards without regard to letter case.
struct TFindState
{
    QString SearchText;
    bool MatchCase = false;
    bool Down = true;
};

// The caption of the note that reports a failed search.
inline constexpr QStringView SearchNoteCaption = u"Suchen";

// The word from the caret onwards: characters up to the next tab, line break, or one of
// blank ! " # $ % & ' ( ) * + , - . / (so "color:red" is one word and "font-size" gives
// "font"). Nothing when no character was collected.
std::optional<QString> WordAtCaret(const TEditControl &editor);

// "Suchen": with the setting SucheAmAktuellenCursor on, the word at the caret (if any) becomes
// the search text. The window then shows its find dialog.
void PrepareFind(TFindState &state, const TEditControl &editor, bool sucheAmAktuellenCursor);

enum class TFindResult { NothingToFind, Found, NotFound };

// "Weitersuchen" and the find dialog's search: looks for the search text from the caret on,
// downwards from the next position or upwards from the previous one, so a match at the caret
// itself is never taken. Without match case both sides are compared in ANSI upper case. A match
// is selected; the window then focuses the editor. On NotFound the window shows
// SearchNotFoundText with the caption SearchNoteCaption.
TFindResult FindNextInDocument(TEditControl &editor, const TFindState &state);

// "Der Suchstring", the search text (in upper case without match case), "konnte nicht gefunden
// werden", on three lines.
QString SearchNotFoundText(const TFindState &state);
