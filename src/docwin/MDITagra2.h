#pragma once

#include "FHTMLFrame.h"

class QLabel;
class QTabWidget;
class TBrowserView;

// The HTML document window: one HTML, XHTML or PHP page with the colour view, the plain view
// and a browser tab that shows the saved page.
class TFMDITagra2 : public TFHTMLFrame
{
    Q_OBJECT

public:
    explicit TFMDITagra2(QWidget *parent = nullptr);

    // Loads the file when it exists, else starts an empty "noname" document. The flags decide
    // the later "Speichern unter" (extension, filter, linked style sheet). False when the file
    // exists but cannot be read (the reason was shown).
    bool OpenDocument(const QString &fileName, bool isXhtml, bool newWithStylesheet, bool isPhp);
    bool LoadFile(const QString &path) override;
    TSaveResult SaveDocumentAs() override;
    void SetColourView(bool colour) override;
    void RunCommand(TRunCommand command) override;
    // The frame's run button shows the page with the first browser.
    void HandleDocCommand(TDocCommand command) override;
    // "Setze Main-HTML": this page becomes the frame's main page.
    void SetMainHtmlCommand();

    // "&Browser": saves, shows the page in the browser tab. "Quellcode": back to the editor.
    void ShowBrowser();
    void ShowSource();
    // The browser view, created the first time the browser tab is shown; null before, and when
    // the browser module cannot be loaded (the tab then says why).
    TBrowserView *WebBrowser1() const { return Browser; }
    QTabWidget *MainTab() const { return Tabs; }

    bool NewWithStylesheet = false;
    bool IsXhtml = false;
    bool IsPhp = false;
    QString SaveFilter;
    QString SaveMask;

protected:
    void StartupStep() override;
    // Ctrl+Shift+digit sets the jump mark of that digit, Ctrl+digit goes to it.
    void EditorKeyUp(QKeyEvent *event) override;

private:
    void CreateMenus();
    void MainTabChange(int index);
    void NavigateBrowser();
    void CreateBrowser();
    // Links the new page to its style sheet of the same name, saves it again and has the
    // frame open the style sheet.
    TSaveResult AttachStylesheet();

    QTabWidget *Tabs = nullptr;
    QWidget *TabSheet2 = nullptr;
    TBrowserView *Browser = nullptr;
    QLabel *BrowserStatus = nullptr;
};
