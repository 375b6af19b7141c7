#pragma once

#include <QString>
#include <QStringList>

#include <functional>

// A printer page as the printer reports it: the printable area in millimetres and in device
// pixels, and the distance of that area from the sheet's top-left corner in pixels.
struct TPrinterMetrics
{
    int WidthMM = 0;
    int HeightMM = 0;
    int WidthPx = 0;
    int HeightPx = 0;
    int OffsetX = 0;
    int OffsetY = 0;
};

// Margins from the sheet's edges, in millimetres.
struct TPrintMargins
{
    int Left = 0;
    int Right = 0;
    int Top = 0;
    int Bottom = 0;
};

// Where text goes on a page, in device pixels of the printable area.
struct TPageGeometry
{
    int LeftEdge = 0;
    int RightMargin = 0;
    int UsableWidth = 0;
    int Top = 0;
    int BottomLimit = 0;
    // Height of the printable area: no line may reach below it.
    int PrintableHeight = 0;
};

// R(v): the integer part of v + 0.5.
int RoundHalfUp(double value);
// The page geometry from the printer and the margins. The left edge and the top never lie
// outside the printable area, where the printer would cut the text off.
TPageGeometry PageGeometry(const TPrinterMetrics &printer, const TPrintMargins &margins);
// Distance of two printed lines for a line height and the line-spacing choice 1..7
// ("einzeilig" .. "zweizeilig"); other values give single spacing.
int LineStep(int lineHeight, int spacing);
// The line with its tabs replaced by blanks up to the next multiple of eight columns.
QString ExpandTabs(const QString &line);

// What to print: the geometry, the printer font's line height and spacing, and the heading.
struct TPrintJob
{
    TPageGeometry Geometry;
    int LineHeight = 0;
    int Spacing = 1;
    bool WithHeading = false;
    QString FileName;
    // Width of the sheet's printable area, for the page number's place.
    int PageWidth = 0;
};

// Receives the laid-out pages: each page starts with StartPage, then its texts follow with the
// top-left corner of each text.
class TPrintSink
{
public:
    virtual ~TPrintSink() = default;
    virtual void StartPage(int pageNumber) = 0;
    virtual void DrawText(int x, int y, const QString &text) = 0;
};

// Empty when a page holds at least one line of the job, else the German reason.
QString CheckPrintRoom(const TPrintJob &job);

// Width of a text in the printer font, in device pixels.
using TTextWidth = std::function<int(const QString &)>;

// Lays the lines out on pages: one line after the other at the job's line step, long lines cut
// at character positions into as many printed lines as they need, a new page whenever a line
// would pass the bottom limit, and with the heading the file name and "Seite -N-" on top of
// every page. Returns an empty text, or the reason of CheckPrintRoom, with nothing laid out.
QString LayoutPrintedLines(const TPrintJob &job,
                           const QStringList &lines,
                           const TTextWidth &width,
                           TPrintSink &sink);
