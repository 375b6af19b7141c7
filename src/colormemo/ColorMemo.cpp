#include "ColorMemo.h"

#include "EditCommandRouter.h"
#include "TextPositions.h"

#include <QApplication>
#include <QKeyEvent>
#include <QMimeData>
#include <QMouseEvent>
#include <QPainter>
#include <QScrollBar>
#include <QTextBlock>

#include <algorithm>
#include <cmath>

// The strip left of the text; the editor paints it.
class TColorMemoGutter : public QWidget
{
public:
    explicit TColorMemoGutter(TColorMemo *memo)
        : QWidget(memo)
        , Memo(memo)
    {}

protected:
    void paintEvent(QPaintEvent *) override
    {
        QPainter painter(this);
        Memo->PaintGutter(painter);
    }

private:
    TColorMemo *Memo;
};

namespace {

// Modifiers that count as held keys (the keypad flag is not one).
Qt::KeyboardModifiers HeldModifiers(const QInputEvent *event)
{
    return event->modifiers() & ~Qt::KeypadModifier;
}

// Keys that move the caret to another line, keeping its x.
bool IsVerticalMove(int key)
{
    return key == Qt::Key_Up || key == Qt::Key_Down || key == Qt::Key_PageUp
           || key == Qt::Key_PageDown;
}

} // namespace

bool IsNavigationKey(int key)
{
    switch (key) {
    case Qt::Key_PageUp:
    case Qt::Key_PageDown:
    case Qt::Key_End:
    case Qt::Key_Home:
    case Qt::Key_Left:
    case Qt::Key_Up:
    case Qt::Key_Right:
    case Qt::Key_Down:
        return true;
    default:
        return false;
    }
}

TColorMemo::TColorMemo(QWidget *parent)
    : QPlainTextEdit(parent)
    , GutterArea(new TColorMemoGutter(this))
{
    auto *lines = new QTextDocument(this);
    LongLines = new TLongLineLayout(lines);
    lines->setDocumentLayout(LongLines);
    setDocument(lines);
    // The window's snapshot ring is the only history.
    setUndoRedoEnabled(false);
    viewport()->setMouseTracking(true);
    RestoreCursor = viewport()->cursor();
    ApplyEditorFont();
    ApplyTabStops();
    ApplySelectionPalette();
    UpdateEditRect();

    connect(document(), &QTextDocument::contentsChange, this, &TColorMemo::NoteTextChange);
    connect(this, &QPlainTextEdit::selectionChanged, this, &TColorMemo::TrackSelection);
    connect(this, &QPlainTextEdit::cursorPositionChanged, this, &TColorMemo::TrackSelection);
    connect(this, &QPlainTextEdit::cursorPositionChanged, this, &TColorMemo::ShowLongLineCaret);
    connect(this, &QPlainTextEdit::updateRequest, this, &TColorMemo::UpdateGutter);
    connect(verticalScrollBar(),
            &QAbstractSlider::rangeChanged,
            this,
            &TColorMemo::CountLongLinesInScrollRange);
    connect(verticalScrollBar(), &QAbstractSlider::actionTriggered, this, [this] {
        if (OnVScroll)
            OnVScroll(*this);
    });
    connect(horizontalScrollBar(), &QAbstractSlider::actionTriggered, this, [this] {
        if (OnHScroll)
            OnHScroll(*this);
    });
    // After every scroll the lines that became wholly visible need their colours.
    connect(verticalScrollBar(), &QAbstractSlider::valueChanged, this, [this] {
        RepaintColors(false);
    });
    connect(horizontalScrollBar(), &QAbstractSlider::valueChanged, this, [this] {
        RepaintColors(false);
    });

    TEditCommandRouter *router = TEditCommandRouter::Of(this);
    router->CutCopyAllowed = [this] { return MemoOptions.testFlag(cmoAllowCutCopy); };
    router->ContextPopup = [this](const QPoint &globalPos) {
        bool handled = false;
        if (OnContextPopup)
            OnContextPopup(*this, globalPos.x(), globalPos.y(), handled);
        return handled;
    };
    Pass.SetOnDrawEx([this](TColourPass &pass, QStringView text, int textStart) {
        if (OnDrawEx)
            OnDrawEx(*this, pass, text, textStart);
    });
}

TColorMemo::~TColorMemo() = default;

void TColorMemo::SetColorRules(const TDrawRules &rules)
{
    Rules.Assign(rules);
    viewport()->update();
}

void TColorMemo::SetHotSpot(const THotSpot &hotSpot)
{
    HotSpotSettings = hotSpot;
    viewport()->update();
}

void TColorMemo::SetGutter(const TCMGutterOptions &gutter)
{
    TCMGutterOptions settings = gutter;
    settings.Size = std::max(0, settings.Size);
    const bool resized = settings.Size != GutterSettings.Size;
    GutterSettings = settings;
    if (resized)
        UpdateEditRect();
    GutterArea->update();
    viewport()->update();
}

void TColorMemo::SetOptions(TColorMemoOptions options)
{
    MemoOptions = options;
    viewport()->update();
}

bool TColorMemo::SetTabStopWidth(int width, QString *error)
{
    if (width <= 0) {
        if (error)
            *error = QStringLiteral("Invalid TabStopWidht value (%1)").arg(width);
        return false;
    }
    TabWidth = width;
    ApplyTabStops();
    return true;
}

void TColorMemo::SetHideSelection(bool hide)
{
    HideSelectionFlag = hide;
    ApplySelectionPalette();
    viewport()->update();
}

void TColorMemo::RepaintColors(bool fromCaretLine)
{
    if (!CanColour())
        return;
    if (!fromCaretLine) {
        PendingFullPass = true;
        viewport()->update();
        return;
    }
    // Only the caret's line is repainted at once; the pass finds the lines below it whose
    // colours the change reaches (RepaintLinesWithNewRuns).
    PendingCaretPass = true;
    const QRectF caretBlock = blockBoundingGeometry(textCursor().block()).translated(contentOffset());
    viewport()->update(RowsRect(caretBlock.top(), caretBlock.height()));
}

void TColorMemo::CutToClipboard()
{
    TEditCommandRouter::Of(this)->Cut();
}

void TColorMemo::CopyToClipboard()
{
    TEditCommandRouter::Of(this)->Copy();
}

void TColorMemo::Assign(const TColorMemo &source)
{
    setPlainText(ToDocumentBreaks(CrLfText(*source.document())));
    QPalette colours = palette();
    colours.setColor(QPalette::Base, source.palette().color(QPalette::Base));
    setPalette(colours);
    setFont(source.font());
    SetHideSelection(source.HideSelection());
    Rules.Assign(source.Rules);
    viewport()->update();
}

void TColorMemo::resizeEvent(QResizeEvent *event)
{
    QPlainTextEdit::resizeEvent(event);
    UpdateEditRect();
}

void TColorMemo::changeEvent(QEvent *event)
{
    QPlainTextEdit::changeEvent(event);
    if (event->type() == QEvent::FontChange) {
        ApplyEditorFont();
        ApplyTabStops();
        UpdateEditRect();
    } else if (event->type() == QEvent::PaletteChange) {
        ApplySelectionPalette();
    }
}

void TColorMemo::keyPressEvent(QKeyEvent *event)
{
    QTextCursor cursor = textCursor();
    if (HeldModifiers(event) == Qt::NoModifier && IsNavigationKey(event->key())
        && cursor.hasSelection()) {
        // The key moves on from the selection's end, not from where the selection began.
        cursor.setPosition(cursor.selectionEnd());
        setTextCursor(cursor);
        RepaintColors(false);
    }
    const bool vertical = IsVerticalMove(event->key());
    if (vertical)
        KeepLongLineCaretX();
    if (!MoveInLongLine(event))
        QPlainTextEdit::keyPressEvent(event);
    ShowLongLineCaret();
    ReleaseLongLine();
    if (vertical)
        EnterLongLineAtX(event->modifiers() & Qt::ShiftModifier);
}

void TColorMemo::keyReleaseEvent(QKeyEvent *event)
{
    const Qt::KeyboardModifiers others = HeldModifiers(event) & ~Qt::ShiftModifier;
    if (event->key() == Qt::Key_Shift && others == Qt::NoModifier && textCursor().hasSelection()) {
        RepaintColors(false);
    }
    QPlainTextEdit::keyReleaseEvent(event);
}

void TColorMemo::mousePressEvent(QMouseEvent *event)
{
    const bool leftOnly = event->button() == Qt::LeftButton && event->buttons() == Qt::LeftButton;
    if (leftOnly && BeginDragCandidate(event)) {
        RepaintColors(false);
        return;
    }
    QTextCursor cursor = textCursor();
    if (leftOnly && cursor.hasSelection() && !(event->modifiers() & Qt::ShiftModifier)) {
        // Without our own drag a press inside the selection just places the caret; clearing the
        // selection first keeps the edit from starting a drag of its own.
        cursor.clearSelection();
        setTextCursor(cursor);
    }
    const TLongLinePoint point = LongLinePointAt(event);
    QPlainTextEdit::mousePressEvent(event);
    PlaceCaretInLongLine(point, event, false);
    if (HotSpotSettings.Active && OnHotSpotClick
        && viewport()->cursor().shape() == Qt::PointingHandCursor) {
        const QPoint pos = event->position().toPoint();
        OnHotSpotClick(*this, HotSpotAt(pos), event->button(), event->modifiers());
    }
    if (leftOnly)
        RepaintColors(false);
}

void TColorMemo::mouseMoveEvent(QMouseEvent *event)
{
    const QPoint pos = event->position().toPoint();
    UpdateHotSpot(pos);
    if (DragPending) {
        if ((pos - DragOrigin).manhattanLength() >= QApplication::startDragDistance())
            StartTextDrag();
        return;
    }
    const TLongLinePoint point = LongLinePointAt(event);
    QPlainTextEdit::mouseMoveEvent(event);
    PlaceCaretInLongLine(point, event, false);
}

void TColorMemo::mouseDoubleClickEvent(QMouseEvent *event)
{
    const TLongLinePoint point = LongLinePointAt(event);
    QPlainTextEdit::mouseDoubleClickEvent(event);
    PlaceCaretInLongLine(point, event, true);
}

void TColorMemo::mouseReleaseEvent(QMouseEvent *event)
{
    if (event->button() == Qt::LeftButton)
        RepaintColors(false);
    if (DragPending && event->button() == Qt::LeftButton) {
        // Released without dragging: a click into the selection.
        DragPending = false;
        PlaceCaretAt(DragOrigin);
        return;
    }
    QPlainTextEdit::mouseReleaseEvent(event);
}

void TColorMemo::focusInEvent(QFocusEvent *event)
{
    QPlainTextEdit::focusInEvent(event);
    viewport()->update();
}

void TColorMemo::focusOutEvent(QFocusEvent *event)
{
    QPlainTextEdit::focusOutEvent(event);
    // Selected runs lose or keep their highlight by HideSelection.
    viewport()->update();
}

QMimeData *TColorMemo::createMimeDataFromSelection() const
{
    // Also what the X11 selection and the edit's own copy take: nothing while closed. The
    // caller owns the data.
    if (!MemoOptions.testFlag(cmoAllowCutCopy))
        return new QMimeData;
    return QPlainTextEdit::createMimeDataFromSelection();
}

void TColorMemo::ApplyEditorFont()
{
    QFont editorFont = font();
    const bool noShaping = editorFont.styleStrategy() & QFont::PreferNoShaping;
    if (noShaping && !editorFont.kerning())
        return;
    // Runs are painted as separate strings; without shaping and kerning every character keeps
    // the advance it has in the line, and a ligature never spans a run's edge.
    editorFont.setStyleStrategy(
        QFont::StyleStrategy(editorFont.styleStrategy() | QFont::PreferNoShaping));
    editorFont.setKerning(false);
    setFont(editorFont);
}

void TColorMemo::ApplyTabStops()
{
    setTabStopDistance(TabWidth * QFontMetricsF(font()).averageCharWidth() / 4.0);
}

void TColorMemo::ApplySelectionPalette()
{
    QPalette colours = palette();
    const QPalette standard = QApplication::palette(this);
    if (HideSelectionFlag) {
        colours.setColor(QPalette::Inactive,
                         QPalette::Highlight,
                         colours.color(QPalette::Inactive, QPalette::Base));
        colours.setColor(QPalette::Inactive,
                         QPalette::HighlightedText,
                         colours.color(QPalette::Inactive, QPalette::Text));
    } else {
        for (const QPalette::ColorRole role : {QPalette::Highlight, QPalette::HighlightedText})
            colours.setColor(QPalette::Inactive, role, standard.color(QPalette::Inactive, role));
    }
    if (colours != palette())
        setPalette(colours);
}

void TColorMemo::UpdateEditRect()
{
    setViewportMargins(GutterSettings.Size, 0, 0, 0);
    const QRect area = contentsRect();
    GutterArea->setGeometry(area.left(), area.top(), GutterSettings.Size, area.height());
    GutterArea->setVisible(GutterSettings.Size > 0);
    GutterArea->update();
    viewport()->update();
}

void TColorMemo::NoteTextChange(int position)
{
    const int lines = blockCount();
    const int length = CrLfLength(*document());
    // One character more in as many lines, on the caret's line or below it: the lines above
    // kept their text and their colours.
    const bool typedOneCharacter = lines == LastLineCount && length == LastLength + 1
                                   && position >= textCursor().block().position();
    LastLineCount = lines;
    LastLength = length;
    // A change below the lines on screen (a slice of a loading file) leaves them as they are:
    // the colours run from the top down.
    if (!typedOneCharacter && IsBelowView(position))
        return;
    if (RedrawAlwaysFlag)
        viewport()->update();
    else
        RepaintColors(typedOneCharacter);
}

bool TColorMemo::IsBelowView(int position) const
{
    // By the lines' heights: a hit test in the middle of a change reads display lines laid out
    // for the text before it.
    const QTextBlock bottom = BlockAtHeight(viewport()->height());
    return position >= bottom.position() + bottom.length();
}

void TColorMemo::TrackSelection()
{
    const QTextCursor cursor = textCursor();
    const int start = OffsetFromPosition(*document(), cursor.selectionStart());
    const int length = OffsetFromPosition(*document(), cursor.selectionEnd()) - start;
    if (length != LastSelLength)
        RepaintColors(false);
    const bool changed = start != LastSelStart || length != LastSelLength;
    RepaintLongLines(cursor.selectionStart(), cursor.selectionEnd());
    LastSelStart = start;
    LastSelLength = length;
    if (changed && OnSelectionChange)
        OnSelectionChange(*this);
}

QRect TColorMemo::RowsRect(qreal top, qreal height) const
{
    const int first = int(std::floor(top));
    return QRect(0, first, viewport()->width(), int(std::ceil(top + height)) - first);
}

bool TColorMemo::CanColour() const
{
    return isEnabled() && isVisible() && (Rules.Count() > 0 || OnDrawEx || HotSpotSettings.Active);
}
