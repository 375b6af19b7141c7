// The shared menus of the document windows and the key handling of their editors.
#include "AppSettings.h"
#include "ColorMemo.h"
#include "DocumentHost.h"
#include "DocumentMenus.h"
#include "FHTMLFrame.h"
#include "PrintDocument.h"

#include <QAction>
#include <QCoreApplication>
#include <QKeyEvent>
#include <QMenu>
#include <QPlainTextEdit>

namespace {

// Calls a frame command when the frame is there.
template<typename F>
void WithHost(F &&call)
{
    if (TDocumentHost *host = DocumentHost())
        call(*host);
}

} // namespace

void TFHTMLFrame::AddMergedMenu(QMenu *menu, int groupIndex)
{
    Menus << TMergedMenu{menu, groupIndex};
}

QMenu *TFHTMLFrame::CreateHelpMenu(const char *infoItemName)
{
    QMenu *menu = ::CreateHelpMenu(this);
    QAction *info = menu->addAction("Produkt &Info...");
    info->setObjectName(infoItemName);
    connect(info, &QAction::triggered, this, [] {
        WithHost([](TDocumentHost &h) { h.ProductInfoCommand(); });
    });
    AddMergedMenu(menu, 9);
    return menu;
}

QMenu *TFHTMLFrame::CreateFileMenu()
{
    QMenu *menu = ::CreateFileMenu(this);
    AddMenuItems(menu, DocumentFileMenuItems());
    RecentItems = AddRecentFileItems(menu);
    ConnectFileMenu(menu);
    AddMergedMenu(menu, 1);
    return menu;
}

void TFHTMLFrame::ConnectFileMenu(QMenu *menu)
{
    const auto on = [this, menu](const char *name, auto slot) {
        connect(menu->findChild<QAction *>(name), &QAction::triggered, this, slot);
    };
    on("MnNeu", [] { WithHost([](TDocumentHost &h) { h.NewDocumentCommand(); }); });
    on("MnOeffnen", [] { WithHost([](TDocumentHost &h) { h.OpenCommand(); }); });
    on("MnUpdate", [this] { ReloadCommand(); });
    on("MnSpeichern", [this] { SaveDocument(); });
    on("MnSpeichernUnter", [this] { SaveDocumentAs(); });
    on("MnSpeichernAlle", [] { WithHost([](TDocumentHost &h) { h.SaveAllDocuments(); }); });
    on("MnAlleSchliessen", [] { WithHost([](TDocumentHost &h) { h.CloseAllDocuments(); }); });
    const std::pair<const char *, TExternalTool> tools[] = {
        {"MnTaschenrechner", TExternalTool::Calculator},
        {"MnExplorer", TExternalTool::Explorer},
        {"MnDOSEbene", TExternalTool::CommandPrompt},
        {"MnNotepad", TExternalTool::TextEditor},
    };
    for (const auto &[name, tool] : tools) {
        const TExternalTool chosen = tool;
        on(name, [chosen] { WithHost([&](TDocumentHost &h) { h.ExternalToolCommand(chosen); }); });
    }
    on("MnDrucken", [this] { PrintCommand(); });
    on("MnDruckerSetup", [this] { PrinterSetupDialog(this); });
    on("MnExit", [this] { (parentWidget() ? parentWidget() : this)->close(); });
    for (int i = 0; i < RecentItems.Entries.size(); ++i)
        connect(RecentItems.Entries[i], &QAction::triggered, this, [i] {
            WithHost([&](TDocumentHost &h) { h.OpenRecentFile(i + 1); });
        });
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

QMenu *TFHTMLFrame::CreateViewMenu(bool withBrowserItems)
{
    QMenu *menu = CreateMenu(this, "MnAnsicht", "&Ansicht", QString(), 0, 2);
    AddMenuItems(menu, DocumentViewMenuItems(withBrowserItems));
    for (int mark = 1; mark <= 3; ++mark) {
        const QString number = QString::number(mark);
        menu->findChild<QAction *>("MnSetJump" + number)->setText(JumpMarkCaption(mark, true));
        menu->findChild<QAction *>("GehezurSprungmarke" + number)
            ->setText(JumpMarkCaption(mark, false));
    }
    ConnectViewMenu(menu);
    ConnectJumpMarkItems(menu);
    AddMergedMenu(menu, 2);
    return menu;
}

void TFHTMLFrame::ConnectViewMenu(QMenu *menu)
{
    QAction *wrap = menu->findChild<QAction *>("MnZeilenUmbruch");
    wrap->setCheckable(true);
    wrap->setChecked(false);
    connect(wrap, &QAction::toggled, this, &TFHTMLFrame::ToggleWordWrap);
    connect(menu->findChild<QAction *>("MnSchrift"), &QAction::triggered, this, [] {
        WithHost([](TDocumentHost &h) { h.FontCommand(); });
    });
}

void TFHTMLFrame::ToggleWordWrap(bool wrap)
{
    ActiveEditor().SetWordWrap(wrap);
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

bool TFHTMLFrame::IsMenuShortcut(QKeyEvent *event) const
{
    return MenuShortcuts.contains(event->keyCombination());
}

bool TFHTMLFrame::eventFilter(QObject *watched, QEvent *event)
{
    QObject *colour = MemoColor();
    const bool isEditor = watched == colour || watched == MemoSW();
    switch (event->type()) {
    case QEvent::ShortcutOverride:
        // The window's menu keys (Ctrl+Z, Ctrl+Y, ...) belong to its commands, not to the
        // editor's built-in key bindings.
        if (isEditor && IsMenuShortcut(static_cast<QKeyEvent *>(event))) {
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
    case QEvent::MouseButtonRelease:
        ShowCaretLine();
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
