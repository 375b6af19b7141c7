#pragma once

#include "TextFile.h"

#include <QString>

// Conversions between a document window's editor text and the file it is stored in.

// The name of a document that has no file yet.
inline const QString NoName = QStringLiteral("noname");

// The HTML window's file text, and whether the page must be stored as UTF-8.
struct THtmlFileText
{
    QString Text;
    bool NeedsUtf8 = false;
};

// The HTML window's file text: umlauts as character references outside the script blocks, and
// a line break at the end unless the text is empty or already ends with one. In an ANSI file,
// characters the code page cannot hold become numeric references; where one of them stands
// inside a script or style element, a PHP or ASP block or a comment (where a reference would
// not mean the character) none is made and the page needs UTF-8 instead.
THtmlFileText HtmlFileText(const QString &text, TTextEncoding encoding);
// Whether a character that ANSI cannot hold stands inside a script or style element, a PHP or
// ASP block or a comment.
bool NonAnsiInsideRawText(const QString &text);
// The CSS window's file text: every line ended by a line break (an empty text stays empty).
QString CssFileText(const QString &text);
// Characters that ANSI cannot hold as numeric character references ("&#8364;" style).
QString NumericReferencesForNonAnsi(const QString &text);

// The HTML window's text after loading: tabs become one blank outside the script blocks, in the
// text itself (a big text handed over with std::move is not copied).
QString HtmlTextAfterLoading(QString text);
// Tabs become three blanks outside the script blocks (CSS colour view, reload, last version).
QString TabsToThreeBlanks(QString text);

// How many characters the text holds that the editor can keep only as line breaks (paragraph
// separators U+2029 and the non-characters U+FDD0, U+FDD1 that the editor uses for its own).
qsizetype LineBreakCharacterCount(const QString &text);
// The text with each of those characters turned into a CR LF line break, as the editor shows
// and saves them, so that every copy of the text has the editor's length.
QString LineBreakCharactersAsLineBreaks(QString text);

// The close question for a modified document.
QString SaveChangesQuestion(const QString &fileName);
// The question when another program changed the file: reload it (a window without changes),
// or keep the editor's text (a window with changes; "Nein" reloads).
QString ChangedOnDiskQuestion(const QString &fileName, bool modified);
// The note when another program deleted or renamed the file.
QString DeletedOnDiskNote(const QString &fileName);
// The question before a save replaces a file that another program changed.
QString ReplaceNewerFileQuestion(const QString &fileName);
