#pragma once

#include "DocCommand.h"

#include <QList>
#include <QWidget>

class QMenu;

// A menu of a document window with the group index by which it merges into the frame's bar.
struct TMergedMenu
{
    QMenu *Menu = nullptr;
    int GroupIndex = 0;
};

// Kinds of document window, as the frame tells them apart.
inline constexpr int HtmlDocKind = 1;
inline constexpr int CssDocKind = 2;

// The base of both document windows: what the frame needs to know of every window.
class TFHTMLFrame : public QWidget
{
    Q_OBJECT

public:
    explicit TFHTMLFrame(QWidget *parent = nullptr);

    int DocKind() const { return Kind; }
    void SetDocKind(int kind) { Kind = kind; }
    const QString &DocFileName() const { return FileNameOfDoc; }
    void SetDocFileName(const QString &fileName) { FileNameOfDoc = fileName; }

    // Switches between the colour editor (true) and the plain editor.
    virtual void SetColourView(bool colour) = 0;
    // Takes over the undo settings for the window's snapshot timer.
    virtual void ApplyUndoTimer() = 0;
    // Gives both editors the editor font of the settings.
    virtual void ApplyEditorFont() = 0;
    // A command relayed by the frame's toolbar.
    virtual void HandleDocCommand(TDocCommand command) = 0;
    // The window's own save command ("&Speichern...").
    virtual void SaveCommand() = 0;
    // Asks about unsaved changes; false keeps the window open. Reports the closing to the
    // frame in every case.
    virtual bool CloseQuery() = 0;
    // True while the document has unsaved changes.
    virtual bool IsModified() const = 0;
    // The window's menus that merge into the frame's menu bar while it is active.
    virtual QList<TMergedMenu> MergedMenus() const = 0;
    // Rebuilds the window's own recent-file items.
    virtual void RefreshRecentFileMenu() = 0;

    // Closes the window without asking again (the close query already ran).
    void CloseWithoutQuery();

protected:
    void closeEvent(QCloseEvent *event) override;

private:
    int Kind = 0;
    QString FileNameOfDoc;
    bool QueryDone = false;
};
