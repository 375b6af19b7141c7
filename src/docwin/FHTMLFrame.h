#pragma once

#include "Catalogue.h"
#include "DocCommand.h"
#include "Document.h"
#include "EditControl.h"
#include "MenuBuilder.h"
#include "Navigation.h"
#include "RecentFileMenu.h"
#include "RecoveryKeeper.h"
#include "RunCommands.h"
#include "SaveResult.h"
#include "Search.h"
#include "TextBuffer.h"
#include "UndoRing.h"

#include <QList>
#include <QSet>
#include <QStringList>
#include <QTimer>
#include <QWidget>

#include <functional>

class QMenu;
class QPlainTextEdit;
class QStackedWidget;
class TColorMemo;
class TFindDialog;
class TPlainTextEditControl;
struct TFileDialogOptions;

// A menu of a document window with the group index by which it merges into the frame's bar.
struct TMergedMenu
{
    QMenu *Menu = nullptr;
    int GroupIndex = 0;
};

// The base of both document windows: the two editors (colour view and plain view) of which one
// holds the text, the document (file name, format, saving) that the window shows, the close
// query, activation, the status line and the commands the frame relays.
class TFHTMLFrame : public QWidget
{
    Q_OBJECT

public:
    explicit TFHTMLFrame(TDocKind kind = TDocKind::Css, QWidget *parent = nullptr);
    ~TFHTMLFrame() override;

    TDocKind DocKind() const { return Kind; }
    void SetDocKind(TDocKind kind) { Kind = kind; }
    const QString &DocFileName() const { return FileNameOfDoc; }
    void SetDocFileName(const QString &fileName) { FileNameOfDoc = fileName; }

    // The editor that holds the document now, and its widget.
    TEditControl &ActiveEditor() const;
    QPlainTextEdit *ActiveEditorWidget() const;
    TColorMemo *MemoColor() const { return ColorMemo; }
    QPlainTextEdit *MemoSW() const { return PlainMemo; }
    bool IsColourView() const;
    // The document the window shows: file name, format, reading and saving.
    const TDocument &Document() const { return Doc; }
    // Full path of the file, or "noname".
    const QString &FileName() const { return Doc.FileName(); }
    const QString &FileDir() const { return Doc.FileDir(); }
    const QString &FileBase() const { return Doc.FileBase(); }
    const QString &FileExt() const { return Doc.FileExt(); }
    // How the file is stored (code page, line breaks); saving keeps it.
    const TTextFormat &FileFormat() const { return Doc.Format(); }
    // Ten line marks, set and visited with the digit keys and the "&Ansicht" items.
    TJumpMarks JumpMarks;
    // The snapshot ring behind "&Rückgängig" and "Widerrufen".
    TUndoRing UndoRing;

    // Switches between the colour editor (true) and the plain editor.
    virtual void SetColourView(bool colour) = 0;
    // Saves under FileName, or asks for a name when the document has no file it may replace.
    // A failure has been shown to the user when this returns; the document stays modified.
    virtual TSaveResult SaveDocument();
    // Asks for a name (and before replacing an existing file) and saves under it.
    virtual TSaveResult SaveDocumentAs() = 0;
    // Takes over the undo settings for the window's snapshot timer.
    virtual void ApplyUndoTimer();
    // Gives both editors the editor font of the settings.
    virtual void ApplyEditorFont();
    // A command relayed by the frame's toolbar.
    virtual void HandleDocCommand(TDocCommand command);
    // Asks about unsaved changes; false keeps the window open. Reports the closing to the
    // frame in every case.
    virtual bool CloseQuery();
    // True while the document has unsaved changes.
    virtual bool IsModified() const;
    // A big text is still going into the editor: the window shows what is in and takes typing
    // there, the menus are disabled until the rest is in.
    bool IsLoading() const { return LoadLength > 0; }
    // Puts the rest of a text still loading into the editor now: for whatever needs the whole
    // text (a command, saving, undo). Nothing when no load is pending.
    void FinishLoading();
    // The window's menus that merge into the frame's menu bar while it is active.
    virtual QList<TMergedMenu> MergedMenus() const { return Menus; }
    // Rebuilds the window's own recent-file items.
    virtual void RefreshRecentFileMenu();
    // The window became the active one: tells the frame and rebuilds the recent items; then,
    // once the activation is through, looks whether another program changed the file.
    virtual void FormActivate();
    // Asks about a change that another program made to the file since it was read or saved:
    // whether to reload it (a window without changes) or keep the editor's text (a window with
    // changes). A deleted file is told of, and its text counts as changed. Each change is
    // asked about once.
    void CheckFileOnDisk();
    // Reads the file into the window as opening does.
    virtual bool LoadFile(const QString &path);
    // Puts the text of a recovery copy into the window as unsaved changes; the copy becomes the
    // window's own. A window without a file takes the copy's file name.
    void RestoreRecovered(const TOrphanCopy &copy);
    // Closes the window without asking again (the close query already ran).
    void CloseWithoutQuery();
    // Shows the window (inside its MDI frame) and brings it to the front.
    void ShowWindow();

    // "&Drucken...": the whole text goes into the print buffer `memo2` (and, as a copy, onto the
    // clipboard, which keeps it), then the print dialog and the print.
    void PrintCommand();

    // "Up&date": reads the file again (tabs become three blanks outside scripts), without a
    // question; the text it replaces stays reachable through undo.
    void ReloadCommand();

    // "Aktueller Inhalt &speichern": the text becomes the spare version that all windows share.
    void SaveVersionCommand();
    // "Letzte Version &laden": keeps the text in Temp.dat and in the undo ring, then shows the
    // spare version (tabs as three blanks outside scripts), modified. Without a readable version
    // the reason is shown and the text stays.
    void LoadVersionCommand();
    // The file name (without folder) whose text this window saved as the version last.
    const QString &LastVersionName() const { return LastVersionNameValue; }

    // A command of "&Run": saves first (a failed or cancelled save starts nothing), then shows
    // the page as the window kind decides.
    virtual void RunCommand(TRunCommand command) = 0;

    // Editing commands of "&Bearbeiten" that other parts reach as well.
    void TakeUndoSnapshot();
    virtual void UndoCommand();
    virtual void RedoCommand();
    void SetJumpMark(int digit);
    void GoToJumpMark(int digit);
    void ShowFindDialog();
    void FindNext();
    TFindDialog *FindDialog() const;

protected:
    // Puts the views' page container into the window's layout (the HTML window nests it in a
    // tab); creates both editors with the given control settings.
    QStackedWidget *CreateEditors(void (*applySettings)(TColorMemo &));
    // FileName and its parts from a path; "noname" keeps empty parts.
    void SetFileName(const QString &fileName) { Doc.SetFileName(fileName); }
    // Reads a file into the active editor: the text is first passed through prepare (the
    // window's conversion on loading), the caret goes to the start. A big text shows its first
    // screen at once and the rest follows in slices (see IsLoading); notes on the file follow
    // from the event loop. Shows the reason and returns false when the file cannot be read.
    bool LoadDocumentText(const QString &path, const std::function<QString(QString)> &prepare);
    // LoadDocumentText, then the caption of a loaded file and the saved state.
    bool LoadFileWith(const QString &path, const std::function<QString(QString)> &prepare);
    // An empty document without a file: "noname".
    void StartNoname();
    // The end of opening: recent items, the window shown, the start-up step started.
    void FinishOpening();
    // The common part of "Speichern &unter...": the save dialog with these options, the
    // question before replacing an existing file, the save, and on success the new caption and
    // DocFileName.
    TSaveResult SaveUnderChosenName(const TFileDialogOptions &options);
    // Shows what a save did: a failure in a message box, a success as the saved state and its
    // note in the status bar.
    TSaveResult ShowSaveResult(const TSaveResult &result);
    // The caption after loading: the full path or the name with extension, by the settings.
    void SetLoadedCaption();
    // Not modified, and the frame's "geändert" panel emptied.
    void MarkSaved();
    // Shows the caret's line number in the frame's status bar.
    void ShowCaretLine();
    void SetActiveEditorToColour(bool colour);
    // Text of the active editor.
    QString EditorText() const;

    // Menus: the window's own, and the shared parts of "&Datei" and "&Ansicht".
    void AddMergedMenu(QMenu *menu, int groupIndex);
    QMenu *CreateFileMenu();
    // "&Ansicht"; the HTML window's browser items stand between the font and the jump marks.
    QMenu *CreateViewMenu(const std::vector<TMenuItem> &browserItems);
    QMenu *CreateEditMenu(bool withLetterCaseItems);
    // "&Hilfe": the reference topics (forms only in the HTML window), then the information item
    // of the given object name.
    QMenu *CreateHelpMenu(const char *infoItemName, bool withForms);
    // "&Versionen" with its two items.
    QMenu *CreateVersionsMenu();
    // "&Run" in the merge group, with the given rows; opening it shows the names of the browsers
    // set for "Run mit Browser2" to "Run mit Browser4".
    QMenu *CreateRunMenu(const std::vector<TMenuItem> &items, int groupIndex);
    // The row of a run command.
    TMenuItem RunItem(const char *name,
                      const char *caption,
                      const char *shortcut,
                      TRunCommand command);
    // Saves for a run; true only when the save wrote the document.
    bool SaveForRun();
    // What a run command knows now: the file, the frame's main page, the browser settings.
    TRunContext RunContext() const;
    // Starts the target (a missing page is told instead); a start that fails is reported.
    void StartRunTarget(const std::optional<TRunTarget> &target);
    // The insertion menus of the catalogues (see Catalogue.h), merged by their group indexes;
    // every item runs through the catalogue executor on the active editor.
    void CreateCatalogueMenus(const std::vector<TCatalogueMenu> &catalogues);
    // Routes the editors' undo keys and the undo timer to the ring; takes the first snapshot.
    void ConnectEditorCommands();
    // Takes the snapshot a key press would take, then runs a command on the active editor;
    // Edit also marks the document modified.
    void Change(const std::function<void(TEditControl &)> &command);
    void Edit(const std::function<void(TEditControl &)> &command);
    // Remembers the shortcuts of the window's menus, so the editors leave those keys to them.
    void CollectMenuShortcuts();

    // Key handling shared by both editors.
    bool eventFilter(QObject *watched, QEvent *event) override;
    virtual void EditorKeyDown(QKeyEvent *event);
    virtual void EditorKeyUp(QKeyEvent *event);
    // The start-up step after opening: caret to the start, focus to the editor.
    virtual void StartupStep();
    void closeEvent(QCloseEvent *event) override;

    QTimer Timer1;
    QTimer TimerUndo;

private:
    // The rows of the shared menus, each with its command.
    std::vector<TMenuItem> FileMenuItems();
    std::vector<TMenuItem> ViewMenuItems(const std::vector<TMenuItem> &browserItems);
    std::vector<TMenuItem> EditMenuItems(bool html);
    std::vector<TMenuItem> HelpMenuItems(const char *infoItemName, bool withForms);
    void RefreshBrowserCaptions(QMenu *runMenu);
    void ToggleWordWrap();
    // Slices of a big text (FHTMLFrameLoad.cpp): one more from the event loop; all the rest at
    // once; what follows the last one; the editor and menus while slices are pending.
    void PutNextSlice();
    void EndLoading();
    // Whether keys may edit the part that is in while the rest is still loading.
    bool MayEditWhileLoading() const;
    void SetLoadingState(bool loading);
    void ShowLoadProgress();
    // The share of the loading text that is in the editor, 0 to 100.
    int LoadPercent() const;
    // The note on characters that the editor keeps only as line breaks; empty when there are
    // none.
    static QString LineBreakCharactersNote(const QString &path, const QString &text);
    // The notes of a load (a binary-looking file, cut lines, such characters) are shown from
    // the event loop after the window and its first screen.
    void QueueLoadNotes(const QStringList &notes);
    void ShowLoadNotes();
    void BeforeCommand();
    TSaveResult SaveBlockAsFile();
    void ShowFormatNote();
    void GoToLine();
    void FocusEditor();
    bool IsMenuShortcut(const QKeyEvent &event) const;
    // Keys while a text loads: whether the key can act on the part that is in; whether it
    // pastes a small text, which then goes in at once.
    bool KeyWorksWhileLoading(const QKeyEvent &key) const;
    bool IsPasteWhileLoading(const QKeyEvent &key) const;
    void PasteWhileLoading(QKeyEvent *key);
    // Reads the file again after a change on disk; the text it replaces stays reachable
    // through undo.
    void ReloadChangedFile();

    // The unsaved text for the recovery copy; nothing when the document is unchanged.
    std::optional<TRecoveryEntry> RecoveryEntry() const;

    TDocKind Kind = TDocKind::None;
    QString FileNameOfDoc;
    bool QueryDone = false;
    bool CheckingDisk = false;
    TDocument Doc;
    // The recovery copy of the unsaved text.
    TRecoveryKeeper Recovery;
    TColorMemo *ColorMemo = nullptr;
    QPlainTextEdit *PlainMemo = nullptr;
    TPlainTextEditControl *ColorControl = nullptr;
    TPlainTextEditControl *PlainControl = nullptr;
    QStackedWidget *Notebook1 = nullptr;
    QList<TMergedMenu> Menus;
    TRecentFileItems RecentItems;
    QSet<QKeyCombination> MenuShortcuts;
    bool WordWrap = false;
    TFindState FindState;
    TFindDialog *FindDialog1 = nullptr;
    // The length of the text still going into the editor slice by slice (the undo ring holds
    // the rest), 0 when none is; the notes still to tell.
    qsizetype LoadLength = 0;
    QStringList LoadNotes;
    QTimer LoadTimer;
    // The print buffer: exactly the document text while a print runs.
    TTextBuffer memo2;
    QString LastVersionNameValue;
};
