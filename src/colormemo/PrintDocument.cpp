#include "PrintDocument.h"

#include "AppSettings.h"
#include "EditControl.h"
#include "FileUtils.h"
#include "MemoDrucken.h"
#include "PrintLayout.h"
#include "PrintSettings.h"
#include "Prompter.h"
#include "Reactivate.h"
#include "TextFile.h"
#include "WaitCursor.h"

#include <QApplication>
#include <QCoreApplication>
#include <QFontMetrics>
#include <QPainter>
#include <QPrintDialog>
#include <QPrinter>

#include <algorithm>
#include <memory>

namespace {

// Draws the laid-out pages on the printer.
class TPrinterSink : public TPrintSink
{
public:
    TPrinterSink(QPrinter &printer, QPainter &painter, int ascent)
        : Printer(printer)
        , Painter(painter)
        , Ascent(ascent)
    {}

    void StartPage(int pageNumber) override
    {
        if (pageNumber > 1)
            Printer.newPage();
    }

    // The layout places a text by its top; the painter by its base line.
    void DrawText(int x, int y, const QString &text) override
    {
        Painter.drawText(x, y + Ascent, text);
    }

private:
    QPrinter &Printer;
    QPainter &Painter;
    int Ascent;
};

void ApplyPdfOutput(QPrinter &printer)
{
    const QString pdf = qEnvironmentVariable("HTML_EDITOR_PRINT_TO_PDF");
    if (pdf.isEmpty())
        return;
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(pdf);
}

TPrinterMetrics MetricsOf(const QPrinter &printer)
{
    const QPageLayout layout = printer.pageLayout();
    const int resolution = printer.resolution();
    const QRect paint = layout.paintRectPixels(resolution);
    const QRect full = layout.fullRectPixels(resolution);
    TPrinterMetrics metrics;
    metrics.WidthMM = printer.widthMM();
    metrics.HeightMM = printer.heightMM();
    metrics.WidthPx = printer.width();
    metrics.HeightPx = printer.height();
    if (!printer.fullPage()) {
        metrics.OffsetX = paint.left() - full.left();
        metrics.OffsetY = paint.top() - full.top();
    }
    return metrics;
}

// The printer font at the printer's resolution, with its height in pixels.
QFont PrinterFont(const QPrinter &printer, int &lineHeight)
{
    const TPrintFont &chosen = PrintSettings().DruckerSchrift;
    const TPrintFont font = EffectivePrinterFont(chosen);
    lineHeight = RoundHalfUp(font.Size * printer.logicalDpiY() / 72.0);
    QFont result(font.Name);
    if (chosen.Name.isEmpty())
        result.setStyleHint(QFont::TypeWriter);
    result.setPixelSize(std::max(1, lineHeight));
    result.setBold(font.Bold);
    return result;
}

std::unique_ptr<QPrinter> TheProgramPrinter;

TPrintResult Failure(const QString &reason)
{
    return {TPrintResult::TOutcome::Failed, reason};
}

} // namespace

QPrinter &ProgramPrinter()
{
    if (!TheProgramPrinter) {
        TheProgramPrinter = std::make_unique<QPrinter>(QPrinter::HighResolution);
        // The printer's platform parts need the application: it goes when the application does.
        qAddPostRoutine([] { TheProgramPrinter.reset(); });
    }
    return *TheProgramPrinter;
}

void PrinterSetupDialog(QWidget *parent)
{
    TReactivate reactivate(parent);
    QPrintDialog dialog(&ProgramPrinter(), parent);
    dialog.setWindowTitle("Drucker-Setup");
    dialog.exec();
}

QStringList PrintableLines(const QString &text)
{
    if (text.isEmpty())
        return {};
    QStringList lines = text.split("\r\n");
    if (lines.last().isEmpty())
        lines.removeLast();
    return lines;
}

TPrintResult PrintLines(QPrinter &printer,
                        const QString &fileName,
                        const QStringList &lines,
                        bool withHeading)
{
    printer.setDocName("VORLAN: ");
    printer.setPageOrientation(QPageLayout::Portrait);
    const TPrintSettings &s = PrintSettings();
    TPrintJob job;
    job.Geometry = PageGeometry(MetricsOf(printer),
                                {s.LinkerRandMM, s.RechterRandMM, s.ObererRandMM, s.UntererRandMM});
    job.PageWidth = printer.width();
    job.Spacing = s.Zeilenabstand;
    job.WithHeading = withHeading;
    job.FileName = fileName;
    const QFont font = PrinterFont(printer, job.LineHeight);
    const QFontMetrics metrics(font, &printer);
    const TTextWidth width = [&metrics](const QString &text) {
        return metrics.horizontalAdvance(text);
    };
    const QString reason = CheckPrintRoom(job);
    if (!reason.isEmpty())
        return Failure(reason);
    TWaitCursor waitCursor;
    QPainter painter;
    if (!painter.begin(&printer))
        return Failure("Der Drucker kann nicht angesprochen werden.");
    painter.setFont(font);
    painter.setPen(BgrToColor(s.DruckerSchrift.Color));
    TPrinterSink sink(printer, painter, metrics.ascent());
    LayoutPrintedLines(job, lines, width, sink);
    if (!painter.end())
        return Failure("Der Druck konnte nicht abgeschlossen werden.");
    return {TPrintResult::TOutcome::Printed, {}};
}

TPrintResult PrintLines(const QString &fileName, const TEditControl &source, bool withHeading)
{
    QPrinter &printer = ProgramPrinter();
    ApplyPdfOutput(printer);
    return PrintLines(printer, fileName, PrintableLines(source.Text()), withHeading);
}

namespace {

TPrintResult PrintConfirmed(const QString &fileName,
                            TEditControl &source,
                            TEditControl &scratch,
                            bool allowBlock,
                            bool printBlock,
                            bool withHeading)
{
    if (allowBlock) {
        if (!printBlock)
            return PrintLines(fileName, source, withHeading);
        source.CopyToClipboard();
        scratch.SetText(QString());
        scratch.PasteFromClipboard();
        return PrintLines(fileName, scratch, withHeading);
    }
    const TTextReadResult file = ReadTextFile(fileName);
    if (!file.Ok)
        return Failure(file.Error);
    scratch.SetText(file.Text);
    return PrintLines(fileName, scratch, withHeading);
}

} // namespace

TPrintResult PrintDocument(const QString &fileName,
                           TEditControl &source,
                           TEditControl &scratch,
                           bool allowBlock,
                           QWidget *parent)
{
    const TSplitFileName parts = SplitFileName(fileName);
    const bool blockPossible = allowBlock && source.SelLength() > 1;
    TFMemoDrucken dialog(parent);
    dialog.ShowPrintDialog(parts.Base + parts.Ext, blockPossible, false, false, false);
    if (dialog.DialogResult() != "Okay")
        return {};
    const TPrintResult result = PrintConfirmed(fileName,
                                               source,
                                               scratch,
                                               allowBlock,
                                               blockPossible && dialog.BlockChecked(),
                                               dialog.HeadingChecked());
    if (result.Outcome == TPrintResult::TOutcome::Failed)
        ShowError("Fehler", result.Error);
    return result;
}
