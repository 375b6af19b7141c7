#include "EditCommandRouter.h"

#include "TextPositions.h"

#include <QAction>
#include <QClipboard>
#include <QContextMenuEvent>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QMenu>
#include <QPlainTextEdit>
#include <QTextCursor>

TEditCommandRouter *TEditCommandRouter::Of(QPlainTextEdit *edit)
{
    Q_ASSERT(edit);
    auto *router = edit->findChild<TEditCommandRouter *>(QString(), Qt::FindDirectChildrenOnly);
    if (!router)
        router = new TEditCommandRouter(edit);
    return router;
}

TEditCommandRouter::TEditCommandRouter(QPlainTextEdit *edit)
    : QObject(edit)
    , Edit(edit)
    , Viewport(edit->viewport())
{
    // Mouse context menus arrive at the viewport, keyboard ones at the edit itself.
    edit->installEventFilter(this);
    Viewport->installEventFilter(this);
}

bool TEditCommandRouter::IsCutCopyAllowed() const
{
    return !CutCopyAllowed || CutCopyAllowed();
}

void TEditCommandRouter::Cut()
{
    if (Edit->isReadOnly() || !CopySelection())
        return;
    QTextCursor cursor = Edit->textCursor();
    cursor.removeSelectedText();
    Edit->setTextCursor(cursor);
}

void TEditCommandRouter::Copy()
{
    CopySelection();
}

bool TEditCommandRouter::CopySelection()
{
    const QTextCursor cursor = Edit->textCursor();
    if (!IsCutCopyAllowed() || !cursor.hasSelection())
        return false;
    // The clipboard gets the text as the document holds it, with CR LF breaks.
    QGuiApplication::clipboard()->setText(FromDocumentBreaks(cursor.selectedText()));
    return true;
}

std::unique_ptr<QMenu> TEditCommandRouter::CreateContextMenu()
{
    std::unique_ptr<QMenu> menu(Edit->createStandardContextMenu());
    const bool editable = !Edit->isReadOnly();
    // Undo and redo go to the window's ring (the document keeps no history); cut and copy go
    // through the gate and put CR LF text on the clipboard.
    const auto reroute = [&](const char *name, void (TEditCommandRouter::*slot)(), bool enabled) {
        auto *action = menu->findChild<QAction *>(QLatin1String(name));
        if (!action)
            return;
        QObject::disconnect(action, &QAction::triggered, nullptr, nullptr);
        action->setEnabled(enabled);
        connect(action, &QAction::triggered, this, slot);
    };
    reroute("edit-undo", &TEditCommandRouter::UndoRequested, editable);
    reroute("edit-redo", &TEditCommandRouter::RedoRequested, editable);
    const bool selected = Edit->textCursor().hasSelection() && IsCutCopyAllowed();
    reroute("edit-cut", &TEditCommandRouter::Cut, selected && editable);
    reroute("edit-copy", &TEditCommandRouter::Copy, selected);
    return menu;
}

bool TEditCommandRouter::eventFilter(QObject *watched, QEvent *event)
{
    // Compared by address only: while the edit is being destroyed its events still come here,
    // and it must not be called then.
    if (watched != Edit && watched != Viewport)
        return false;
    switch (event->type()) {
    case QEvent::ShortcutOverride: {
        auto *key = static_cast<QKeyEvent *>(event);
        if (IsUndoKey(key) || IsRedoKey(key)) {
            // Leave undo and redo to the window's menu shortcuts; without one the key press
            // comes to us and goes out as a signal.
            event->ignore();
            return true;
        }
        return false;
    }
    case QEvent::KeyPress:
        return watched == Edit && HandleKeyPress(static_cast<QKeyEvent *>(event));
    case QEvent::ContextMenu:
        if (Edit->contextMenuPolicy() != Qt::DefaultContextMenu)
            return false;
        ShowContextMenu(static_cast<QContextMenuEvent *>(event));
        return true;
    default:
        return false;
    }
}

bool TEditCommandRouter::HandleKeyPress(QKeyEvent *event)
{
    if (IsUndoKey(event)) {
        if (!Edit->isReadOnly())
            Q_EMIT UndoRequested();
        return true;
    }
    if (IsRedoKey(event)) {
        if (!Edit->isReadOnly())
            Q_EMIT RedoRequested();
        return true;
    }
    if (event->matches(QKeySequence::Cut)) {
        Cut();
        return true;
    }
    if (event->matches(QKeySequence::Copy)) {
        Copy();
        return true;
    }
    return false;
}

void TEditCommandRouter::ShowContextMenu(QContextMenuEvent *event)
{
    if (ContextPopup && ContextPopup(event->globalPos()))
        return;
    const std::unique_ptr<QMenu> menu = CreateContextMenu();
    menu->exec(event->globalPos());
}

bool IsUndoKey(const QKeyEvent *event)
{
    return event->matches(QKeySequence::Undo);
}

bool IsRedoKey(const QKeyEvent *event)
{
    const QKeyCombination ctrlY(Qt::ControlModifier, Qt::Key_Y);
    return event->matches(QKeySequence::Redo) || event->keyCombination() == ctrlY;
}
