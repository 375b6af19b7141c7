#pragma once

#include "ColorMemoOptions.h"
#include "ColourPass.h"
#include "LongLineLayout.h"

#include <QPlainTextEdit>
#include <QTextBlock>
#include <QTextLayout>

#include <functional>
#include <memory>
#include <vector>

// What the last colour pass scanned; for diagnostics and tests.
struct TColourPassInfo
{
    int Count = 0; // passes run since the control was created
    bool FromCaretLine = false;
    int FirstLine = 0; // line the scan began at
    int Start = 0;     // scanned text [Start, End) in offsets
    int End = 0;
    int Scanned = 0; // characters scanned: [Start, End) less the hidden columns of wide lines
};

// The keys that move the caret: arrows, Home, End, Page Up and Page Down.
bool IsNavigationKey(int key);

// One line number of the gutter as it is painted (gutter coordinates).
struct TGutterLabel
{
    QString Text;
    QRectF Rect;
};

// The multi-line editor of the document windows: a QPlainTextEdit that paints the runs of the
// colour pass over its text after the normal painting, with a gutter of line numbers, tab stops
// in dialog units, hot spots, dragging of selected text, a switch for cut and copy and dropped
// files. Offsets in its interface count a line break as two characters, as TEditControl does.
// The windows reach its text through TPlainTextEditControl like any other edit.
class TColorMemo : public QPlainTextEdit
{
    Q_OBJECT

public:
    explicit TColorMemo(QWidget *parent = nullptr);
    ~TColorMemo() override;

    // The colouring rules; changes show with the next pass.
    TDrawRules &ColorRules() { return Rules; }
    const TDrawRules &ColorRules() const { return Rules; }
    // Replaces the rules by copies of the given ones and repaints.
    void SetColorRules(const TDrawRules &rules);

    // After a text change repaint the whole control instead of running a colour pass.
    bool RedrawAlways() const { return RedrawAlwaysFlag; }
    void SetRedrawAlways(bool redrawAlways) { RedrawAlwaysFlag = redrawAlways; }

    const THotSpot &HotSpot() const { return HotSpotSettings; }
    // Copies the hot-spot settings and repaints.
    void SetHotSpot(const THotSpot &hotSpot);

    const TCMGutterOptions &Gutter() const { return GutterSettings; }
    // Copies the gutter settings (a negative Size becomes 0), moves the text beside the gutter
    // and repaints.
    void SetGutter(const TCMGutterOptions &gutter);

    const TCMPrintOptions &PrintOptions() const { return PrintSettings; }
    void SetPrintOptions(const TCMPrintOptions &options) { PrintSettings = options; }

    TColorMemoOptions Options() const { return MemoOptions; }
    void SetOptions(TColorMemoOptions options);

    // Distance of the tab stops in dialog units (4 per average character width).
    int TabStopWidth() const { return TabWidth; }
    // Sets the tab stops. A width of 0 or less is refused: the old stops stay, the result is
    // false and `error` (when given) receives "Invalid TabStopWidht value (<width>)".
    bool SetTabStopWidth(int width, QString *error = nullptr);

    // Without the focus, the selection is not shown (the default).
    bool HideSelection() const { return HideSelectionFlag; }
    void SetHideSelection(bool hide);

    // Runs the colour pass: over the caret's line and the lines below it, or over all wholly
    // visible lines. The runs are painted with the next paint of that part of the view.
    virtual void RepaintColors(bool fromCaretLine);
    // The text of the hot spot under a point of the viewport, or empty.
    QString HotSpotAt(const QPoint &pos) const;
    // The document position a click at a point of the viewport puts the caret at.
    int PositionAt(const QPoint &pos) const;
    // Where the caret stands at a document position, in viewport coordinates: its left edge,
    // the top and the height of its line (the width is 0).
    QRectF PositionRect(int position) const;
    QVariant inputMethodQuery(Qt::InputMethodQuery query) const override;
    // Scrolls the caret into view, also in a long line (where Qt's ensureCursorVisible would
    // scroll to the line's start).
    void ShowCaret();

    // Cut and copy to the clipboard (CR LF breaks); nothing without cmoAllowCutCopy.
    void CutToClipboard();
    void CopyToClipboard();

    // Drops the dragged text [selStart, selStart + selLength) at dropOffset: inside the text
    // only the caret moves; otherwise the text is moved there, or copied with `copy`.
    void DropText(int selStart, int selLength, int dropOffset, bool copy);

    // Takes the source's lines, background colour, font, hide-selection flag and rules.
    void Assign(const TColorMemo &source);

    // Paints the gutter: background, line numbers and the raised edge.
    void PaintGutter(QPainter &painter) const;
    // The line numbers the gutter shows now, top to bottom.
    QList<TGutterLabel> GutterLabels() const;
    TColourPassInfo LastColourPass() const { return PassInfo; }
    // The runs of the last pass (offsets), as painted.
    const std::vector<TKeyDescr> &LastRuns() const { return PassRuns; }
    // Whether the document position lies below the lines on screen; found by the lines'
    // heights, without placing a cursor (which would analyse a long line).
    bool IsBelowView(int position) const;

    // Events; each is optional.
    std::function<void(TColorMemo &)> OnVScroll;
    std::function<void(TColorMemo &)> OnHScroll;
    std::function<void(TColorMemo &)> OnSelectionChange;
    std::function<void(TColorMemo &, const QString &src, Qt::MouseButton, Qt::KeyboardModifiers)>
        OnHotSpotClick;
    std::function<void(TColorMemo &, const QString &src)> OnHoverHotSpot;
    std::function<void(TColorMemo &, const QString &src)> OnHotSpotExit;
    // Once per pass after the rules: the scanned text and the offset of its first character.
    std::function<void(TColorMemo &, TColourPass &, QStringView text, int textStart)> OnDrawEx;
    // Draws a keyword run instead of the control.
    std::function<void(QPainter &, const QString &key, const QRectF &rect, const QColor &color)>
        OnDrawKey;
    std::function<void(TColorMemo &, const QString &fileName)> OnDropFile;
    std::function<void(TColorMemo &, QChar c, bool &isKeywordChar)> OnIsKeywordChar;
    // Before the context menu; x and y in screen coordinates. Handled keeps the menu closed.
    std::function<void(TColorMemo &, int x, int y, bool &handled)> OnContextPopup;

protected:
    void paintEvent(QPaintEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;
    void changeEvent(QEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    void keyReleaseEvent(QKeyEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void mouseDoubleClickEvent(QMouseEvent *event) override;
    void inputMethodEvent(QInputMethodEvent *event) override;
    void focusInEvent(QFocusEvent *event) override;
    void focusOutEvent(QFocusEvent *event) override;
    void dragEnterEvent(QDragEnterEvent *event) override;
    void dragMoveEvent(QDragMoveEvent *event) override;
    void dragLeaveEvent(QDragLeaveEvent *event) override;
    void dropEvent(QDropEvent *event) override;
    QMimeData *createMimeDataFromSelection() const override;

private:
    struct TVisibleLine
    {
        QTextBlock Block;
        int Offset = 0; // offset of the line's first character
        qreal Top = 0;  // top of the block in viewport coordinates
        int Length = 0; // characters in the line
        // The line's characters from column TextFrom on: all of them, but for a long line only
        // its shown columns.
        QString Text;
        int TextFrom = 0;
        // The columns [ShownFrom, ShownTo] an unwrapped line shows; all of a shorter one.
        int ShownFrom = 0;
        int ShownTo = 0;
        // A long line's ruler and a layout of its shown columns alone, which it is painted from;
        // Qt's layout leaves such a line out.
        std::shared_ptr<const TLineRuler> Ruler;
        std::shared_ptr<QTextLayout> Shown;
        // Where an input method's unfinished text stands in Shown (which shows it), or -1.
        int ComposedAt = -1;

        QChar At(int column) const { return Text[column - TextFrom]; }
        QString Columns(int from, int to) const { return Text.mid(from - TextFrom, to - from); }
    };
    // A display line runs are painted from, and the column of the line's text where it starts.
    struct TDrawLine
    {
        QTextLine Line;
        int Shift = 0;
    };
    // The character under an x of a display line (layout coordinates), and its edges.
    struct TCharacterCell
    {
        int Column = 0;
        qreal Left = 0;
        qreal Right = 0;
    };
    struct TPaintContext
    {
        QPalette Colours; // in the colour group the edit paints with now
        qreal Left = 0;   // x of the text's left edge in viewport coordinates
        TFontStyles BaseStyle = 0;
    };
    class TGeometry;
    class TView;

    void ApplyEditorFont();
    void ApplyTabStops();
    void ApplySelectionPalette();
    void UpdateEditRect();
    void NoteTextChange(int position);
    // The full width of the view between two heights.
    QRect RowsRect(qreal top, qreal height) const;
    void TrackSelection();
    bool CanColour() const;

    // Colour pass and painting (ColorMemoPaint.cpp).
    void CollectVisibleLines();
    void NoteShownColumns(TVisibleLine &line);
    TDrawLine DrawLineAt(const TVisibleLine &line, int column) const;
    // Narrows a scan range to the part of a line taller than the view that shows in it.
    void ClipToView(TScanRange &range) const;
    // The parts of the range that show (ScanSegments): unwrapped lines wider than the view leave
    // out their columns left and right of it, so a very long line costs a screenful of text,
    // not its whole length, wherever it stands in the view.
    void CollectScanSegments(const TScanRange &range);
    // Runs the colour pass over one segment and adds its runs and hot ranges to the pass's.
    void ScanSegment(const TScanRange &segment, TColourPassInput &input);
    // Notes the painted runs of the last pass by line (LineRuns).
    void NoteLineRuns();
    // After a pass from the caret's line: repaints the lines below it whose runs differ from
    // what the pass before painted there (a typed comment marker recolours the lines after it).
    void RepaintLinesWithNewRuns(int caretLine);
    // Repaints the gutter when the line numbers it shows have changed.
    void UpdateGutter();
    int VisibleLineOf(int offset) const;
    void RunColourPass(bool fromCaretLine);
    // Paints the runs of the lines that reach into the dirty rectangle.
    void DrawRuns(QPainter &painter, const QRect &dirty);
    void DrawRun(QPainter &painter,
                 const TKeyDescr &run,
                 const TVisibleLine &line,
                 const TPaintContext &context);
    // Paints the columns [first, last] of a run in a font style of its own.
    void DrawStyledRun(QPainter &painter,
                       const TKeyDescr &run,
                       const TVisibleLine &line,
                       const TDrawLine &drawLine,
                       int first,
                       int last,
                       qreal left) const;
    // Style of a run as painted (hot-spot text may add underline) and the font for it.
    TFontStyles RunStyle(const TKeyDescr &run) const;
    QFont RunFont(const TKeyDescr &run) const;
    TFontStyles FontStyle() const;

    // Hot spots and dragging (ColorMemoMouse.cpp).
    void UpdateHotSpot(const QPoint &pos);
    bool BeginDragCandidate(QMouseEvent *event);
    void StartTextDrag();
    bool IsOwnTextDrag(const QDropEvent *event) const;
    bool AcceptDrag(QDragMoveEvent *event);
    void MoveDropCaret(int position);
    void DrawDropCaret(QPainter &painter) const;
    QRectF CaretRectAt(int position, qreal height) const;
    // The block at a height of the viewport; the first or last one on screen beyond them.
    QTextBlock BlockAtHeight(qreal y) const;
    TCharacterCell CharacterUnder(const QTextBlock &block,
                                  const QTextLine &displayLine,
                                  qreal x) const;
    void PlaceCaretAt(const QPoint &pos);
    int OffsetAt(const QPointF &pos) const;

    // Long unwrapped lines (ColorMemoLongLines.cpp).
    // The position in a long line nearest to an x in layout coordinates.
    int PositionInLongLine(const QTextBlock &block, qreal x) const;
    // The ruler of a block that is a long unwrapped line, else null.
    std::shared_ptr<const TLineRuler> LongLineRuler(const QTextBlock &block) const;
    // Lays out the shown columns of a long line (Shown) where the whole line would put them,
    // with an input method's unfinished text among them.
    void LayOutShownColumns(TVisibleLine &line, const TLineText &text) const;
    // Paints the long lines that reach into the dirty rectangle: text and selection.
    void PaintLongLines(QPainter &painter, const QRect &dirty);
    // Paints the caret when it stands in a long line, and asks for the paint of its place
    // when the dirty rectangle misses it (Qt asks for the wrong place there).
    void PaintLongLineCaret(QPainter &painter, const QRect &dirty);
    // Scrolls a caret in a long line into view, as Qt does for others, once the event at hand
    // is done.
    void ShowLongLineCaret();
    void ScrollToLongLineCaret();
    // Sets the vertical scroll range again where long lines end the text.
    void CountLongLinesInScrollRange();
    // Drops Qt's data of the long line the caret is in, after a key or click used it.
    void ReleaseLongLine();
    // Moves the caret by a character or word inside a long line, or deletes the character
    // behind it, by Qt's rules applied to the text around the caret: Qt would analyse all of
    // the line for it (about 35 bytes per character). False for other keys and places.
    bool MoveInLongLine(QKeyEvent *event);
    // Around a key that moves the caret up or down: the x of a caret in a long line for Qt to
    // go on from, and the column under the x in a long line Qt moved the caret into.
    void KeepLongLineCaretX();
    void EnterLongLineAtX(bool keepAnchor);
    // Repaints the long lines on screen that the caret or selection [start, end] reaches into,
    // or reached into before; Qt repaints the wrong places there.
    void RepaintLongLines(int start, int end);
    const TVisibleLine *VisibleLongLine(const QTextBlock &block) const;
    // A press, move or double click of the left button over a long line: the position under
    // the mouse and the sideways scroll, taken before Qt handles the event. Qt puts the caret
    // at the line's start, having no layout of it, and scrolls there.
    struct TLongLinePoint
    {
        int Position = -1; // none
        int ScrollX = 0;
    };
    TLongLinePoint LongLinePointAt(const QMouseEvent *event) const;
    // After Qt handled the event: the caret (and the selection) as the point asks for.
    void PlaceCaretInLongLine(const TLongLinePoint &point, QMouseEvent *event, bool selectWord);
    // Drops another program's text where it was let go over a long line; false elsewhere.
    bool DropTextIntoLongLine(QDropEvent *event);

    TDrawRules Rules;
    THotSpot HotSpotSettings;
    TCMGutterOptions GutterSettings;
    TCMPrintOptions PrintSettings;
    TColorMemoOptions MemoOptions = TColorMemoOptions(cmoAllowCutCopy) | cmoDragText;
    int TabWidth = 32;
    bool RedrawAlwaysFlag = false;
    bool HideSelectionFlag = true;
    QWidget *GutterArea = nullptr; // a TColorMemoGutter

    // Colour pass state.
    TColourPass Pass;
    TColourPassInfo PassInfo;
    std::vector<TScanRange> ScanSegments;
    std::vector<TKeyDescr> PassRuns; // the runs of all segments of the last pass, in order
    TcmHotKeywordList PassHotRanges;
    std::vector<TVisibleLine> VisibleLines;
    std::vector<TKeyDescr> KeptRuns; // runs above the scan of a pass from the caret's line
    // The runs painted by the last pass and the one before, each with its line and with
    // offsets from the line's start.
    struct TLineRun
    {
        int Line = 0;
        TKeyDescr Run;
    };
    std::vector<TLineRun> LineRuns;
    std::vector<TLineRun> PreviousLineRuns;
    QList<TGutterLabel> GutterShown; // the line numbers as last painted
    QString ScanText;
    TLongLineLayout *LongLines = nullptr; // the document's layout
    bool PendingCaretPass = false;
    bool PendingFullPass = false;

    // Change and selection tracking.
    int LastLineCount = 1;
    int LastLength = 0;
    int LastSelStart = 0;
    int LastSelLength = 0;
    bool CaretWasInLongLine = false;   // the caret or selection reached into a long line
    bool LongLineCaretPending = false; // ScrollToLongLineCaret is asked for

    // Dragging: the selection at the press, where the press was, the drop caret.
    bool DragPending = false;
    bool Dragging = false;
    bool DropHandled = false;
    int DragSelStart = 0;
    int DragSelLength = 0;
    QPoint DragOrigin;
    int DropCaretPosition = -1; // document position of the drop caret; -1 when none

    // Hot spots: text under the mouse at the last move, the cursor to go back to.
    QString LastHotSpot;
    QCursor RestoreCursor;
};
