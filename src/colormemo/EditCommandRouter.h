#pragma once

#include <QObject>
#include <QPoint>

#include <functional>
#include <memory>

class QContextMenuEvent;
class QKeyEvent;
class QMenu;
class QPlainTextEdit;
class QWidget;

// Routes the editing commands of a QPlainTextEdit that the document window owns rather than the
// edit: undo and redo (Ctrl+Z, Ctrl+Y and the context menu) go out as signals to the window's
// snapshot ring, and cut and copy pass a gate that the colour editor's options close. One router
// per edit, owned by the edit; Of() finds or installs it.
class TEditCommandRouter : public QObject
{
    Q_OBJECT

public:
    // The router of the edit, installed on first use.
    static TEditCommandRouter *Of(QPlainTextEdit *edit);

    // Answers whether cut and copy may act now; unset means always.
    std::function<bool()> CutCopyAllowed;
    // Called before the context menu opens, with the menu's screen position; returning true
    // means the caller handled it and no menu opens.
    std::function<bool(const QPoint &globalPos)> ContextPopup;

    // Whether cut and copy act now.
    bool IsCutCopyAllowed() const;
    // Cuts the selection to the clipboard (CR LF breaks) when the gate is open.
    void Cut();
    // Copies the selection to the clipboard (CR LF breaks) when the gate is open.
    void Copy();
    // The edit's standard context menu with undo and redo routed to the signals and cut and copy
    // disabled while the gate is closed.
    std::unique_ptr<QMenu> CreateContextMenu();

Q_SIGNALS:
    void UndoRequested();
    void RedoRequested();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    explicit TEditCommandRouter(QPlainTextEdit *edit);

    bool CopySelection();
    bool HandleKeyPress(QKeyEvent *event);
    void ShowContextMenu(QContextMenuEvent *event);

    QPlainTextEdit *Edit;
    QWidget *Viewport;
};

// Whether a key press asks for undo.
bool IsUndoKey(const QKeyEvent *event);
// Whether a key press asks for redo (the platform's redo keys and Ctrl+Y).
bool IsRedoKey(const QKeyEvent *event);
