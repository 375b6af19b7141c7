#include "PrintLayout.h"

#include <algorithm>
#include <cmath>

namespace {

constexpr int TabColumns = 8;

// A cut position that does not split a surrogate pair: such a cut moves behind the pair.
int CharBoundary(const QString &text, int position)
{
    if (position > 0 && position < text.size() && text[position].isLowSurrogate()
        && text[position - 1].isHighSurrogate())
        return position + 1;
    return std::min<int>(position, text.size());
}

// Length of the longest beginning of the text that fits the width: the whole text when it
// fits, else at least one character. The lengths are tried in doubling steps and then narrowed
// down, so a very long line costs a few measurements per printed line, not one per character.
int FittingLength(const QString &text, int usable, const TTextWidth &width)
{
    const int length = text.size();
    int fits = 0;
    int tooLong = length + 1;
    for (int n = 1; fits < length; n = fits * 2) {
        const int cut = CharBoundary(text, std::min(n, length));
        if (width(text.left(cut)) > usable) {
            tooLong = cut;
            break;
        }
        fits = cut;
    }
    while (tooLong - fits > 1) {
        const int cut = CharBoundary(text, fits + (tooLong - fits) / 2);
        if (cut >= tooLong)
            break;
        if (width(text.left(cut)) <= usable)
            fits = cut;
        else
            tooLong = cut;
    }
    return fits > 0 ? fits : CharBoundary(text, 1);
}

// The pages of one print job, filled line by line.
class TPageLayout
{
public:
    TPageLayout(const TPrintJob &job, const TTextWidth &width, TPrintSink &sink)
        : Job(job)
        , Width(width)
        , Sink(sink)
        , Step(LineStep(job.LineHeight, job.Spacing))
    {}

    void Begin()
    {
        if (Job.WithHeading) {
            StartPage();
        } else {
            Page = 1;
            Y = Job.Geometry.Top;
            Sink.StartPage(Page);
        }
    }

    void PrintLine(const QString &line)
    {
        Advance();
        QString rest = ExpandTabs(line);
        while (true) {
            const int length = FittingLength(rest, Job.Geometry.UsableWidth, Width);
            if (length > 0)
                Sink.DrawText(Job.Geometry.LeftEdge, Y, rest.left(length));
            if (length >= rest.size())
                return;
            rest.remove(0, length);
            Advance();
        }
    }

private:
    void Advance()
    {
        Y += Step;
        // Besides the bottom margin, a line must not run off the printable area, where the
        // printer would cut it in half.
        const TPageGeometry &g = Job.Geometry;
        if (Y > g.BottomLimit || Y + Job.LineHeight > g.PrintableHeight)
            StartPage();
    }

    void StartPage()
    {
        ++Page;
        Y = Job.Geometry.Top;
        Sink.StartPage(Page);
        if (!Job.WithHeading)
            return;
        Sink.DrawText(Job.Geometry.LeftEdge, Y, Job.FileName);
        // Every page number stands where the first page's does, as wide from the right margin.
        const int x = Job.PageWidth - Width(QStringLiteral("Seite -1-")) - Job.Geometry.RightMargin;
        Sink.DrawText(x, Y, "Seite -" + QString::number(Page) + "-");
        Y += 2 * Job.LineHeight;
    }

    const TPrintJob &Job;
    const TTextWidth &Width;
    TPrintSink &Sink;
    const int Step;
    int Page = 0;
    int Y = 0;
};

} // namespace

QString CheckPrintRoom(const TPrintJob &job)
{
    const TPageGeometry &g = job.Geometry;
    const int firstLine = g.Top + (job.WithHeading ? 2 * job.LineHeight : 0)
                          + LineStep(job.LineHeight, job.Spacing);
    if (job.LineHeight <= 0 || g.UsableWidth <= 0 || firstLine > g.BottomLimit
        || firstLine + job.LineHeight > g.PrintableHeight)
        return QStringLiteral("Die Ränder lassen auf der Seite keinen Platz für den Text.");
    return {};
}

int RoundHalfUp(double value)
{
    return static_cast<int>(std::trunc(value + 0.5));
}

TPageGeometry PageGeometry(const TPrinterMetrics &printer, const TPrintMargins &margins)
{
    TPageGeometry g;
    if (printer.WidthMM <= 0 || printer.HeightMM <= 0)
        return g;
    const double perMMX = double(printer.WidthPx) / printer.WidthMM;
    const double perMMY = double(printer.HeightPx) / printer.HeightMM;
    g.LeftEdge = std::max(0, RoundHalfUp(margins.Left * perMMX) - printer.OffsetX);
    g.RightMargin = RoundHalfUp(margins.Right * perMMX);
    g.UsableWidth = RoundHalfUp((printer.WidthMM - margins.Left - margins.Right) * perMMX);
    g.Top = std::max(0, RoundHalfUp(margins.Top * perMMY) - printer.OffsetY);
    g.BottomLimit = RoundHalfUp((printer.HeightMM - margins.Bottom) * perMMY);
    g.PrintableHeight = printer.HeightPx;
    return g;
}

int LineStep(int lineHeight, int spacing)
{
    switch (spacing) {
    case 2:
        return RoundHalfUp(1.1 * lineHeight);
    case 3:
        return RoundHalfUp(1.2 * lineHeight);
    case 4:
        return RoundHalfUp(1.3 * lineHeight);
    case 5:
        return RoundHalfUp(1.4 * lineHeight);
    case 6:
        return RoundHalfUp(1.5 * lineHeight);
    case 7:
        return 2 * lineHeight;
    default:
        return lineHeight;
    }
}

QString ExpandTabs(const QString &line)
{
    if (!line.contains('\t'))
        return line;
    QString result;
    result.reserve(line.size() + TabColumns);
    for (const QChar c : line) {
        if (c == '\t')
            result.append(QString(TabColumns - result.size() % TabColumns, ' '));
        else
            result.append(c);
    }
    return result;
}

QString LayoutPrintedLines(const TPrintJob &job,
                           const QStringList &lines,
                           const TTextWidth &width,
                           TPrintSink &sink)
{
    const QString reason = CheckPrintRoom(job);
    if (!reason.isEmpty())
        return reason;
    TPageLayout layout(job, width, sink);
    layout.Begin();
    for (const QString &line : lines)
        layout.PrintLine(line);
    return {};
}
