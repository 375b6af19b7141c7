#pragma once

#include "DocCommand.h"
#include "DocumentHost.h"
#include "FHTMLFrame.h"
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
    void SaveAllDocuments() override;
    void CloseAllDocuments() override;
    void ExternalToolCommand(TExternalTool tool) override;
    void FontCommand() override;
    void ProductInfoCommand() override;
    void SetStatusText(int panel, const QString &text) override;
    QString MainHtml() const override;
    void SetMainHtml(const QString &fileName) override;

    // Creates a document window for the file (empty for a new document) by the open mode.
    virtual void OpenDocumentWindow(const QString &fileName, int openMode);
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

    // Text of a status panel (0..3).
    QString StatusText(int panel) const;
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
    void ConnectMenuItems();
    void CreateStatusBar();
    void CreateHiddenComponents();
    void FormCreate();
    void Timer1Timer();
    void SetEditorKind(bool colour);
    void MnDateilisteloeschenClick();
    void ComposeMenuBar();
    void DeleteScratchFiles();
    bool ChildrenAllowClosing();
    void BnSaveFileClick();
    TFHTMLFrame *CreateDocumentWindow(bool html);
    bool OpenDocumentInWindow(TFHTMLFrame *window, const QString &fileName, int openMode);
    void ApplyEditorFontToAll();
    void ActivateDocument(QMdiSubWindow *sub);
    void OpenWithCompanion(const QString &fileName);
    QList<bool> MinimizedChildren() const;

    QStringList CommandLine;
    QPointer<TFHTMLFrame> ActiveDocument;
    QMdiArea *Area = nullptr;
    QLineEdit *MainHtmlEdit = nullptr;
    QLabel *StatusPanels[4] = {};
    QLabel *LabelEditorFont = nullptr;
    QLabel *LabelErrorFont = nullptr;
    QPlainTextEdit *MainMemoEdit = nullptr;
    TPlainTextEditControl *MainMemoControl = nullptr;
    QList<QMenu *> FrameMenus;
    TRecentFileItems RecentItems;
    QTimer Timer1;
};
