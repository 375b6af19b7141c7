// The shared menus of the document windows and the key handling of their editors.
#include "AppSettings.h"
#include "ColorMemo.h"
#include "DocumentHost.h"
#include "DocumentMenus.h"
#include "FHTMLFrame.h"
#include "PrintDocument.h"

#include <QAction>
#include <QClipboard>
#include <QCoreApplication>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QMenu>
#include <QPlainTextEdit>

void TFHTMLFrame::AddMergedMenu(QMenu *menu, int groupIndex)
{
    Menus << TMergedMenu{menu, groupIndex};
}

QMenu *TFHTMLFrame::CreateHelpMenu(const char *infoItemName, bool withForms)
{
    QMenu *menu = ::CreateHelpMenu(this);
    AddMenuItems(menu, HelpMenuItems(infoItemName, withForms));
    AddMergedMenu(menu, 9);
    return menu;
}

void TFHTMLFrame::CreateCatalogueMenus(const std::vector<TCatalogueMenu> &catalogues)
{
    const auto run = [this](const TCatalogueEntry &entry) {
        Change([&](TEditControl &editor) { ExecuteCatalogueEntry(entry, {editor, FileDir()}); });
        ShowCaretLine();
    };
    for (const TCatalogueMenu &catalogue : catalogues) {
        QMenu *menu = CreateMenu(this,
                                 catalogue.Name,
                                 QString::fromUtf8(catalogue.Caption),
                                 QString(),
                                 0,
                                 catalogue.GroupIndex);
        AddMenuItems(menu, CatalogueMenuItems(catalogue.Items, run));
        AddMergedMenu(menu, catalogue.GroupIndex);
    }
}

QMenu *TFHTMLFrame::CreateFileMenu()
{
    QMenu *menu = ::CreateFileMenu(this);
    AddMenuItems(menu, FileMenuItems());
    RecentItems = AddRecentFileItems(menu, [](int slot) {
        if (TDocumentHost *host = DocumentHost())
            host->OpenRecentFile(slot);
    });
    AddMergedMenu(menu, 1);
    return menu;
}

void TFHTMLFrame::PrintCommand()
{
    TEditControl &editor = ActiveEditor();
    const int selStart = editor.SelStart();
    const int selLength = editor.SelLength();
    editor.SelectAll();
    editor.CopyToClipboard();
    // The user's selection comes back; the buffer takes the text itself, so an empty document
    // never prints what the clipboard held before.
    editor.SetSelStart(selStart);
    editor.SetSelLength(selLength);
    memo2.SetText(editor.Text());
    TTextBuffer ownScratch;
    TEditControl &scratch = DocumentHost() ? DocumentHost()->MainMemo() : ownScratch;
    PrintDocument(FileName(), memo2, scratch, true, this);
}

QMenu *TFHTMLFrame::CreateViewMenu(const std::vector<TMenuItem> &browserItems)
{
    QMenu *menu = CreateMenu(this, "MnAnsicht", "&Ansicht", QString(), 0, 2);
    AddMenuItems(menu, ViewMenuItems(browserItems));
    AddMergedMenu(menu, 2);
    return menu;
}

QMenu *TFHTMLFrame::CreateEditMenu(bool withLetterCaseItems)
{
    QMenu *menu = CreateMenu(this, "MnBearbeiten", "&Bearbeiten", QString(), 0, 2);
    AddMenuItems(menu, EditMenuItems(withLetterCaseItems));
    AddMergedMenu(menu, 2);
    return menu;
}

void TFHTMLFrame::ToggleWordWrap()
{
    // The item starts unchecked, like the editors, and flips with every use.
    WordWrap = !WordWrap;
    ActiveEditor().SetWordWrap(WordWrap);
}

void TFHTMLFrame::CollectMenuShortcuts()
{
    MenuShortcuts.clear();
    for (const TMergedMenu &merged : Menus) {
        const QList<QAction *> actions = merged.Menu->findChildren<QAction *>();
        for (QAction *action : actions) {
            for (const QKeySequence &sequence : action->shortcuts()) {
                if (sequence.count() == 1)
                    MenuShortcuts.insert(sequence[0]);
            }
        }
    }
}

bool TFHTMLFrame::IsMenuShortcut(const QKeyEvent &event) const
{
    return MenuShortcuts.contains(event.keyCombination());
}

namespace {

// A paste of up to this many characters goes into a loading text at once.
constexpr qsizetype SmallPaste = 64 * 1024;

// A key that moves the caret or scrolls within the text that is there (Ctrl+End is not one: it
// goes to the end of the whole text).
bool IsPlainNavigationKey(const QKeyEvent &key)
{
    return IsNavigationKey(key.key()) && !(key.modifiers() & Qt::ControlModifier);
}

// A key that types at the caret: a character, a line break, a tab, or one that deletes a
// character.
bool IsTypingKey(const QKeyEvent &key)
{
    if (key.modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier))
        return false;
    switch (key.key()) {
    case Qt::Key_Backspace:
    case Qt::Key_Delete:
    case Qt::Key_Return:
    case Qt::Key_Enter:
    case Qt::Key_Tab:
        return true;
    default:
        return !key.text().isEmpty() && key.text().front().isPrint();
    }
}

// A key pressed on its own before another: Shift before a capital, Ctrl before a command.
bool IsModifierKey(const QKeyEvent &key)
{
    switch (key.key()) {
    case Qt::Key_Shift:
    case Qt::Key_Control:
    case Qt::Key_Alt:
    case Qt::Key_AltGr:
    case Qt::Key_Meta:
    case Qt::Key_CapsLock:
    case Qt::Key_NumLock:
        return true;
    default:
        return false;
    }
}

bool IsKeyEvent(const QEvent &event)
{
    return event.type() == QEvent::ShortcutOverride || event.type() == QEvent::KeyPress;
}

} // namespace

bool TFHTMLFrame::KeyWorksWhileLoading(const QKeyEvent &key) const
{
    // A menu key waits for the whole text: the menus are disabled until it is in.
    if (IsMenuShortcut(key))
        return false;
    return IsModifierKey(key) || IsPlainNavigationKey(key)
           || (MayEditWhileLoading() && IsTypingKey(key));
}

bool TFHTMLFrame::IsPasteWhileLoading(const QKeyEvent &key) const
{
    return MayEditWhileLoading() && key.matches(QKeySequence::Paste)
           && QGuiApplication::clipboard()->text().size() <= SmallPaste;
}

void TFHTMLFrame::PasteWhileLoading(QKeyEvent *key)
{
    // The menu item is disabled while loading: the key goes to the editor, and pastes as the
    // item would, without waiting for the rest of the text.
    if (key->type() == QEvent::ShortcutOverride) {
        key->accept();
        return;
    }
    EditorKeyDown(key);
    ActiveEditor().PasteFromClipboard();
    ActiveEditor().SetModified(true);
}

bool TFHTMLFrame::eventFilter(QObject *watched, QEvent *event)
{
    QObject *colour = MemoColor();
    const bool isEditor = watched == colour || watched == MemoSW();
    // While a big text loads, keys that move the caret, type or paste a little work on what is
    // in; any other key (a command) waits until the whole text is in.
    if (isEditor && IsLoading() && IsKeyEvent(*event)) {
        auto *key = static_cast<QKeyEvent *>(event);
        if (IsPasteWhileLoading(*key)) {
            PasteWhileLoading(key);
            return true;
        }
        if (!KeyWorksWhileLoading(*key))
            FinishLoading();
    }
    switch (event->type()) {
    case QEvent::ShortcutOverride:
        // The window's menu keys (Ctrl+Z, Ctrl+Y, ...) belong to its commands, not to the
        // editor's built-in key bindings.
        if (isEditor && IsMenuShortcut(*static_cast<QKeyEvent *>(event))) {
            event->ignore();
            return true;
        }
        break;
    case QEvent::KeyPress:
        if (isEditor) {
            auto *key = static_cast<QKeyEvent *>(event);
            // In the colour view a typed tab arrives as a blank.
            if (watched == colour && IsColourView() && key->key() == Qt::Key_Tab
                && key->modifiers() == Qt::NoModifier) {
                QKeyEvent blank(QEvent::KeyPress, Qt::Key_Space, Qt::NoModifier, " ");
                EditorKeyDown(&blank);
                QCoreApplication::sendEvent(watched, &blank);
                return true;
            }
            EditorKeyDown(key);
        }
        break;
    case QEvent::KeyRelease:
        if (isEditor)
            EditorKeyUp(static_cast<QKeyEvent *>(event));
        break;
    case QEvent::FocusOut:
        // Leaving the editor (another window, another program) writes the recovery copy now.
        if (isEditor)
            Recovery.WriteNow();
        break;
    case QEvent::MouseButtonRelease:
        ShowCaretLine();
        break;
    case QEvent::ContextMenu:
        // Its commands ("select all" among them) work on the whole text.
        FinishLoading();
        break;
    default:
        break;
    }
    return QWidget::eventFilter(watched, event);
}

void TFHTMLFrame::EditorKeyDown(QKeyEvent *)
{
    // Every key press keeps the text as it was before the key, when snapshots follow the keys.
    if (Settings().UndoMitKeyUp)
        TakeUndoSnapshot();
}

void TFHTMLFrame::EditorKeyUp(QKeyEvent *)
{
    ShowCaretLine();
}
