#pragma once

#include <QStringList>

// The XHTML 1.0 Strict page that links the style sheet of the given file name (no folder),
// appended to a new "XHTML und CSS-Datei" page when it is first saved.
QStringList StylesheetPageLines(const QString &stylesheetName);
// The basic rule block of a style sheet ("Grundgerüst").
QStringList CssBasicLines();

// Adds each line as a new last line of the document, whatever the caret position.
class TEditControl;
void AppendLines(TEditControl &editor, const QStringList &lines);
