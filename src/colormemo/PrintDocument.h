#pragma once

#include <QString>
#include <QStringList>

class QPrinter;
class QWidget;
class TEditControl;

// How a print command ended; Error holds the German reason of a failure.
struct TPrintResult
{
    enum class TOutcome { Printed, Cancelled, Failed };

    TOutcome Outcome = TOutcome::Cancelled;
    QString Error;

    bool Printed() const { return Outcome == TOutcome::Printed; }
};

// The printer of this program run, as "Drucker-Setup" leaves it. While the environment
// variable HTML_EDITOR_PRINT_TO_PDF names a file, every print goes into that PDF file.
QPrinter &ProgramPrinter();
// The platform's printer set-up dialog for the program's printer.
void PrinterSetupDialog(QWidget *parent);

// The lines of a CR LF text as a line list counts them: a text that ends with a line break has
// no empty line after it, and an empty text has no line.
QStringList PrintableLines(const QString &text);

// Prints the lines as plain text in the printer font of the print settings, with their
// margins and line spacing, long lines cut at character positions, and with the heading the
// file name and the page number on every page. The job is called "VORLAN: ".
TPrintResult PrintLines(QPrinter &printer,
                        const QString &fileName,
                        const QStringList &lines,
                        bool withHeading);
// PrintLines on the program's printer with the lines of the source.
TPrintResult PrintLines(const QString &fileName, const TEditControl &source, bool withHeading);

// The print command: shows the print dialog and, when it is confirmed, prints the source (or
// its selection, when allowBlock, more than one character is selected and the user keeps
// "markierten Block drucken" checked; the selection goes into the scratch control through the
// clipboard). Without allowBlock the file itself is read into the scratch control and printed.
// A failure is shown to the user and returned.
TPrintResult PrintDocument(const QString &fileName,
                           TEditControl &source,
                           TEditControl &scratch,
                           bool allowBlock,
                           QWidget *parent = nullptr);
