#pragma once

#include "DocCommand.h"
#include "DocumentHost.h"
#include "FHTMLFrame.h"
#include "MenuBuilder.h"
#include "RecentFileMenu.h"

#include <QMainWindow>
#include <QPointer>
#include <QTimer>

class QLabel;
class QLineEdit;
class QMdiArea;
class QMdiSubWindow;
class QMenu;
class QPlainTextEdit;
class QToolButton;
class TPlainTextEditControl;
enum class TGlyph;

// How a document window is opened: an existing file, one of the four new-document choices (in
// the order of the choice dialog), or the companion style sheet of a new XHTML+CSS page.
enum class TOpenMode { Existing = 0, XhtmlWithCss = 1, Xhtml = 2, Css = 3, Php = 4, Companion = 5 };

// The main frame: menu bar (into which the active document window merges its menus), toolbar,
// status bar and the MDI area with the document windows.
class TFMain : public QMainWindow, public TDocumentHost
{
    Q_OBJECT

public:
    explicit TFMain(const QStringList &commandLine, QWidget *parent = nullptr);
    ~TFMain() override;

    // TDocumentHost
    void NoteActiveDocument(TFHTMLFrame *window, const QString &fileName, bool modified) override;
    void NoteDocumentClosed(TFHTMLFrame *window) override;
    void OpenCompanionStylesheet(const QString &htmlFileName, const QString &cssFileName) override;
    void NewDocumentCommand() override;
    void OpenCommand() override;
    void OpenFile(const QString &fileName) override;
    void OpenRecentFile(int slot) override;
    TSaveResult SaveAllDocuments() override;
    void CloseAllDocuments() override;
    void ExternalToolCommand(TExternalTool tool) override;
    // "&Schrift": the font dialog; a confirmed font goes to every window.
    void FontCommand() override;
    // "&Einstellungen...": the settings dialog; when confirmed, every window takes the editor
    // font and the undo settings.
    void SettingsCommand();
    void ProductInfoCommand() override;
    void SetStatusText(TStatusPanel panel, const QString &text) override;
    QString MainHtml() const override;
    void SetMainHtml(const QString &fileName) override;

    // Creates a document window for the file (empty for a new document) by the open mode; null
    // when the file cannot be read.
    virtual TFHTMLFrame *OpenDocumentWindow(const QString &fileName, TOpenMode openMode);
    // Offers to restore the unsaved documents of runs that ended without saving them (a crash):
    // one German question each; Yes opens the text as unsaved changes, No deletes the copy.
    void OfferRecoveryCopies();
    // A recovery copy could not be written: the reason goes into the status bar and, the first
    // time in a run, into an error box, so the user knows the unsaved text is not kept.
    void NoteRecoveryWriteFailure(const QString &reason);
    // Rebuilds the frame's recent-file items from the list.
    void RefreshRecentFileMenu();
    // Relays a toolbar command to the window that reported itself active last.
    void SendDocCommand(TDocCommand command);
    // The document windows in the frame's child order.
    QList<TFHTMLFrame *> DocumentWindows() const;
    TFHTMLFrame *ActiveDocumentHandle() const { return ActiveDocument; }
    QMdiArea *MdiArea() const { return Area; }
    // "&Fenster" commands.
    void TileHorizontally();
    void ArrangeColumns();
    void CascadeWindows();
    void ArrangeIcons();

    QString StatusText(TStatusPanel panel) const;
    // The scratch buffer of printing.
    TEditControl &MainMemo() override;

protected:
    bool event(QEvent *event) override;
    void closeEvent(QCloseEvent *event) override;

private:
    void CreateToolbar();
    QToolButton *AddToolButton(const char *name, TGlyph glyph, const QString &hint);
    void AddSeparator(const char *name, bool visible);
    void CreateMenus();
    // The rows of the frame's own menus, each with its command.
    std::vector<TMenuItem> FileMenuItems();
    std::vector<TMenuItem> OptionsMenuItems();
    std::vector<TMenuItem> WindowMenuItems();
    std::vector<TMenuItem> HelpMenuItems();
    void CreateStatusBar();
    void CreateHiddenComponents();
    void FormCreate();
    void Timer1Timer();
    void SetEditorKind(bool colour);
    void MnDateilisteloeschenClick();
    void ComposeMenuBar();
    void DeleteScratchFiles();
    bool ChildrenAllowClosing();
    // Saves the windows in this order, each once.
    TSaveResult SaveDocuments(const QList<TFHTMLFrame *> &windows);
    void BnSaveFileClick();
    TFHTMLFrame *CreateDocumentWindow(bool html);
    bool OpenDocumentInWindow(TFHTMLFrame *window, const QString &fileName, TOpenMode openMode);
    void ApplyEditorFontToAll();
    void ActivateDocument(QMdiSubWindow *sub);
    void OpenWithCompanion(const QString &fileName);
    // The window that takes a restored text: the file's window, else a new one of the kind.
    TFHTMLFrame *WindowForRecovered(const TRecoveryEntry &entry);
    QList<bool> MinimizedChildren() const;

    QStringList CommandLine;
    QPointer<TFHTMLFrame> ActiveDocument;
    QMdiArea *Area = nullptr;
    QLineEdit *MainHtmlEdit = nullptr;
    QLabel *StatusPanels[4] = {}; // by TStatusPanel
    QLabel *LabelEditorFont = nullptr;
    QLabel *LabelErrorFont = nullptr;
    QPlainTextEdit *MainMemoEdit = nullptr;
    TPlainTextEditControl *MainMemoControl = nullptr;
    QList<QMenu *> FrameMenus;
    TRecentFileItems RecentItems;
    QTimer Timer1;
    bool RecoveryFailureShown = false;
};
