// The frame's document window management: opening and creating documents, saving and closing
// all of them, and arranging the windows.
#include "AppSettings.h"
#include "FHTMLFrame.h"
#include "FMain.h"
#include "FileUtils.h"
#include "ProgramPaths.h"
#include "Prompter.h"
#include "RecentFiles.h"
#include "Registry.h"
#include "SettingsStore.h"
#include "WindowLayout.h"

#include <QDir>
#include <QFileInfo>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenuBar>
#include <QStatusBar>
#include <QToolBar>

namespace {

const char *const OpenFilter
    = "HTML-Dateien (*.xhtml)|*.xhtml|HTML-Dateien (*.html;*.htm)|*.html;*.html;*.htm|"
      "HTML-Dateien (*.xhtml;*.html;*.htm)|*.xhtml;*.html;*.html;*.htm|CSS-Dateien "
      "(*.css)|*.css|XML-Dateien (*.xml;*.xsl)|*.xml;*.xsl|PHP-Dateien (*.php)|*.php|Alle "
      "Dateien (*.*)|*.*";

bool OpensAsHtml(const QString &extension, TOpenMode openMode)
{
    static const QStringList HtmlExtensions
        = {".XHTML", ".HTML", ".HTM", ".PHP", ".PHP3", ".PHP4", ".PHP5"};
    if (HtmlExtensions.contains(extension.toUpper()))
        return true;
    return openMode == TOpenMode::XhtmlWithCss || openMode == TOpenMode::Xhtml
           || openMode == TOpenMode::Php;
}

// Remembers the folder of a file as the editor's folder, in memory and in the registry.
void RememberEditorFolder(const QString &fileName)
{
    Settings().EditorPfad = SplitFileName(fileName).Dir;
    RegWriteString(MainRegistryKey, "EditorPfad", Settings().EditorPfad);
}

} // namespace

void TFMain::NewDocumentCommand()
{
    const int choice
        = Prompter().AskChoice("Auswahl für ein neues Fenster",
                               "Auswahl",
                               {"XHTML und CSS-Datei", "XHTML-Datei", "CSS-Datei", "PHP-Datei"});
    if (choice >= 1 && choice <= 4)
        OpenDocumentWindow(QString(), static_cast<TOpenMode>(choice));
}

void TFMain::OpenCommand()
{
    const QString previousDirectory = QDir::currentPath();
    TFileDialogOptions options;
    options.Title = "Datei Öffnen";
    options.InitialDir = RegReadString(MainRegistryKey, "EditorPfad", ProgramDirectory);
    options.DefaultExt = "XHTML";
    options.MultiSelect = true;
    options.Filter = OpenFilter;
    const TFileDialogResult result = Prompter().AskOpenFileNames(options);
    for (auto it = result.Files.crbegin(); it != result.Files.crend(); ++it)
        OpenWithCompanion(*it);
    QDir::setCurrent(previousDirectory);
}

void TFMain::OpenWithCompanion(const QString &fileName)
{
    OpenFile(fileName);
    // A folder's name is no file's name: the editor's folder stays as it was.
    if (QFileInfo(fileName).isDir())
        return;
    RememberEditorFolder(fileName);
    const TSplitFileName parts = SplitFileName(fileName);
    const QString companion = parts.Dir + parts.Base + ".css";
    if (!QFileInfo::exists(companion))
        return;
    for (TFHTMLFrame *window : DocumentWindows()) {
        if (SameFileName(window->DocFileName(), companion))
            return;
    }
    OpenFile(companion);
}

void TFMain::OpenFile(const QString &name)
{
    // One file is one window, however its name was written.
    const QString fileName = CanonicalFileName(name);
    if (!QFileInfo(fileName).isFile()) {
        ShowNote("Datei Öffnen", "Die Datei\r\n" + fileName + "\r\nexistiert nicht");
        return;
    }
    RemoveRecentFile(fileName);
    for (TFHTMLFrame *window : DocumentWindows()) {
        if (SameFileName(window->DocFileName(), fileName)) {
            ShowNote("Hinweis", "Datei ist schon geladen\r\n" + fileName);
            return;
        }
    }
    OpenDocumentWindow(fileName, TOpenMode::Existing);
}

void TFMain::OpenRecentFile(int slot)
{
    if (slot >= 1 && slot <= RecentFiles().Count())
        OpenFile(RecentFiles().Slot(slot));
}

TFHTMLFrame *TFMain::OpenDocumentWindow(const QString &fileName, TOpenMode openMode)
{
    if (!fileName.isEmpty()) {
        RememberEditorFolder(fileName);
        SaveSettings(geometry());
    }
    const bool html = OpensAsHtml(SplitFileName(fileName).Ext, openMode);
    TFHTMLFrame *window = CreateDocumentWindow(html);
    // A file that cannot be read gets its message and no window.
    if (!OpenDocumentInWindow(window, fileName, openMode)) {
        delete window->parentWidget();
        return nullptr;
    }
    window->SetDocFileName(fileName);
    window->SetDocKind(html ? TDocKind::Html : TDocKind::Css);
    return window;
}

void TFMain::OpenCompanionStylesheet(const QString &, const QString &cssFileName)
{
    OpenDocumentWindow(cssFileName, TOpenMode::Companion);
    ArrangeColumns();
}

TSaveResult TFMain::SaveAllDocuments()
{
    return SaveDocuments(DocumentWindows());
}

TSaveResult TFMain::SaveDocuments(const QList<TFHTMLFrame *> &windows)
{
    // Every window saves once and shows its own failure; the others are saved all the same.
    TSaveResult outcome = TSaveResult::Saved();
    for (TFHTMLFrame *window : windows) {
        if (window->DocKind() == TDocKind::None)
            continue;
        const TSaveResult result = window->SaveDocument();
        if (outcome.IsSaved() || (result.IsFailed() && !outcome.IsFailed()))
            outcome = result.IsSaved() ? outcome : result;
    }
    return outcome;
}

void TFMain::CloseAllDocuments()
{
    for (TFHTMLFrame *window : DocumentWindows())
        window->parentWidget()->close();
}

QList<bool> TFMain::MinimizedChildren() const
{
    QList<bool> minimized;
    const QList<QMdiSubWindow *> children = Area->subWindowList(QMdiArea::CreationOrder);
    for (QMdiSubWindow *child : children)
        minimized << child->isMinimized();
    return minimized;
}

void TFMain::TileHorizontally()
{
    const QList<QMdiSubWindow *> children = Area->subWindowList(QMdiArea::CreationOrder);
    for (QMdiSubWindow *child : children) {
        if (child->isMaximized())
            child->showNormal();
    }
    const QList<QRect> rects = StackedLayout(Area->viewport()->width(),
                                             Area->viewport()->height(),
                                             MinimizedChildren());
    for (int i = 0; i < children.size(); ++i) {
        if (!rects[i].isNull())
            children[i]->setGeometry(rects[i]);
    }
}

void TFMain::ArrangeColumns()
{
    TileHorizontally();
    const QToolBar *toolbar = findChild<QToolBar *>("Panel1");
    TArrangeInput input;
    input.ClientWidth = width();
    input.ClientHeight = height() - (menuBar()->isVisible() ? menuBar()->height() : 0);
    input.ToolbarHeight = toolbar->isVisible() ? toolbar->height() + 1 : 0;
    input.StatusHeight = statusBar()->isVisible() ? statusBar()->height() : 0;
    input.Minimized = MinimizedChildren();
    const QList<QRect> rects = ColumnLayout(input);
    const QList<QMdiSubWindow *> children = Area->subWindowList(QMdiArea::CreationOrder);
    for (int i = 0; i < children.size(); ++i) {
        if (!rects[i].isNull())
            children[i]->setGeometry(rects[i]);
    }
}

void TFMain::CascadeWindows()
{
    // The platform's cascade shrinks the windows to their smallest size; ours keeps the size
    // that new windows get. The active window ends on top.
    const QList<QMdiSubWindow *> children = Area->subWindowList(QMdiArea::CreationOrder);
    QMdiSubWindow *active = Area->activeSubWindow();
    int position = 0;
    for (QMdiSubWindow *child : children) {
        child->showNormal();
        child->setGeometry(
            CascadePlace(position++, Area->viewport()->width(), Area->viewport()->height()));
        child->raise();
    }
    if (active)
        Area->setActiveSubWindow(active);
}

void TFMain::ArrangeIcons()
{
    // Minimised windows line up along the bottom edge, left to right.
    int x = 0;
    const QList<QMdiSubWindow *> children = Area->subWindowList(QMdiArea::CreationOrder);
    for (QMdiSubWindow *child : children) {
        if (!child->isMinimized())
            continue;
        const QSize size = child->size();
        child->move(x, Area->viewport()->height() - size.height());
        x += size.width();
    }
}
