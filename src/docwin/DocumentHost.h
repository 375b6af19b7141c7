#pragma once

#include "SaveResult.h"

#include <QString>

class TEditControl;
class TFHTMLFrame;

// The panels of the frame's status bar: the caret line, "geändert", notes such as the file
// format of a save, and the hints of menu items and controls.
enum class TStatusPanel { Line = 0, Modified = 1, Note = 2, Hint = 3 };

// The outside programs of the "&Datei" menus.
enum class TExternalTool { Calculator, Explorer, CommandPrompt, TextEditor };

// What a document window needs from the main frame. The frame implements it and installs
// itself with SetDocumentHost; the windows reach it through DocumentHost().
class TDocumentHost
{
public:
    virtual ~TDocumentHost() = default;

    // A window was activated: it becomes the target of the relayed commands.
    virtual void NoteActiveDocument(TFHTMLFrame *window, const QString &fileName, bool modified) = 0;
    // A window's close query ended (whatever the user answered).
    virtual void NoteDocumentClosed(TFHTMLFrame *window) = 0;
    // A new XHTML page with style sheet was saved for the first time.
    virtual void OpenCompanionStylesheet(const QString &htmlFileName, const QString &cssFileName) = 0;

    // The frame's commands that the windows' own menu items forward to.
    virtual void NewDocumentCommand() = 0;
    virtual void OpenCommand() = 0;
    virtual void OpenFile(const QString &fileName) = 0;
    virtual void OpenRecentFile(int slot) = 0;
    // Saves every document window once; the first failure (else a cancellation) is the result.
    virtual TSaveResult SaveAllDocuments() = 0;
    virtual void CloseAllDocuments() = 0;
    virtual void ExternalToolCommand(TExternalTool tool) = 0;
    // The editor font command; applies a confirmed font to every window.
    virtual void FontCommand() = 0;
    virtual void ProductInfoCommand() = 0;

    // The frame's hidden plain-text buffer `MainMemo`, the scratch text of printing.
    virtual TEditControl &MainMemo() = 0;
    // A panel of the frame's status bar.
    virtual void SetStatusText(TStatusPanel panel, const QString &text) = 0;
    // The project's main HTML file (the frame's "Main-HTML" field).
    virtual QString MainHtml() const = 0;
    virtual void SetMainHtml(const QString &fileName) = 0;
};

// The host of this program run; null until the frame installs itself.
TDocumentHost *DocumentHost();
void SetDocumentHost(TDocumentHost *host);
