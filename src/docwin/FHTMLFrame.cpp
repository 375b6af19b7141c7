#include "FHTMLFrame.h"

#include "AppSettings.h"
#include "ColorMemo.h"
#include "DocumentHost.h"
#include "DocumentMenus.h"
#include "DocumentText.h"
#include "FileUtils.h"
#include "PlainTextEditControl.h"
#include "Prompter.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QFileInfo>
#include <QKeyEvent>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>
#include <QPlainTextEdit>
#include <QStackedWidget>

TFHTMLFrame::TFHTMLFrame(TDocKind kind, QWidget *parent)
    : QWidget(parent)
    , Doc(kind)
    , Recovery([this] { return RecoveryEntry(); })
{
    // The timers are members and children at once, so they can be found by name.
    Timer1.setParent(this);
    TimerUndo.setParent(this);
    Timer1.setObjectName("Timer1");
    Timer1.setInterval(50);
    Timer1.setSingleShot(true);
    connect(&Timer1, &QTimer::timeout, this, &TFHTMLFrame::StartupStep);
    LoadTimer.setParent(this);
    LoadTimer.setObjectName("LoadTimer");
    connect(&LoadTimer, &QTimer::timeout, this, &TFHTMLFrame::PutNextSlice);
    TimerUndo.setObjectName("TimerUndo");
    TimerUndo.setInterval(2000);
}

TFHTMLFrame::~TFHTMLFrame()
{
    // The editors outlive the members; their last signals must not reach the recovery keeper.
    for (QPlainTextEdit *editor : {static_cast<QPlainTextEdit *>(ColorMemo), PlainMemo}) {
        if (editor)
            disconnect(editor, nullptr, this, nullptr);
    }
}

QStackedWidget *TFHTMLFrame::CreateEditors(void (*applySettings)(TColorMemo &))
{
    Notebook1 = new QStackedWidget(this);
    Notebook1->setObjectName("Notebook1");
    ColorMemo = new TColorMemo(Notebook1);
    ColorMemo->setObjectName("MemoColor");
    applySettings(*ColorMemo);
    PlainMemo = new QPlainTextEdit(Notebook1);
    PlainMemo->setObjectName("MemoSW");
    PlainMemo->setLineWrapMode(QPlainTextEdit::NoWrap);
    PlainMemo->setTabChangesFocus(false);
    Notebook1->addWidget(ColorMemo);
    Notebook1->addWidget(PlainMemo);
    Notebook1->setCurrentIndex(0);
    // Focus given to the window (for example when it is activated) goes to its editor.
    setFocusProxy(ColorMemo);
    ColorControl = new TPlainTextEditControl(ColorMemo);
    PlainControl = new TPlainTextEditControl(PlainMemo);
    for (QPlainTextEdit *editor : {static_cast<QPlainTextEdit *>(ColorMemo), PlainMemo}) {
        editor->installEventFilter(this);
        editor->viewport()->installEventFilter(this);
        // Only a timer starts here: the copy is written a few seconds after the last change.
        connect(editor, &QPlainTextEdit::textChanged, this, [this] { Recovery.NoteChange(); });
    }
    ApplyEditorFont();
    return Notebook1;
}

TEditControl &TFHTMLFrame::ActiveEditor() const
{
    return IsColourView() ? *static_cast<TEditControl *>(ColorControl) : *PlainControl;
}

QPlainTextEdit *TFHTMLFrame::ActiveEditorWidget() const
{
    return IsColourView() ? static_cast<QPlainTextEdit *>(ColorMemo) : PlainMemo;
}

bool TFHTMLFrame::IsColourView() const
{
    return Notebook1->currentIndex() == 0;
}

void TFHTMLFrame::SetActiveEditorToColour(bool colour)
{
    const bool hadFocus = ActiveEditorWidget()->hasFocus();
    Notebook1->setCurrentIndex(colour ? 0 : 1);
    setFocusProxy(ActiveEditorWidget());
    if (hadFocus)
        ActiveEditorWidget()->setFocus();
}

QString TFHTMLFrame::EditorText() const
{
    return ActiveEditor().Text();
}

bool TFHTMLFrame::IsModified() const
{
    return ActiveEditor().Modified();
}

void TFHTMLFrame::ApplyEditorFont()
{
    QFont font = EditorFontOfSettings();
    // Ligatures would join characters that the colour runs paint one by one.
    font.setStyleStrategy(QFont::PreferNoShaping);
    const QColor color = BgrToColor(Settings().EditorSchriftFarbe);
    for (QPlainTextEdit *editor : {static_cast<QPlainTextEdit *>(ColorMemo), PlainMemo}) {
        editor->setFont(font);
        QPalette palette = editor->palette();
        palette.setColor(QPalette::Text, color);
        editor->setPalette(palette);
    }
}

bool TFHTMLFrame::LoadFileWith(const QString &path, const std::function<QString(QString)> &prepare)
{
    if (!LoadDocumentText(path, prepare))
        return false;
    SetLoadedCaption();
    MarkSaved();
    return true;
}

void TFHTMLFrame::StartNoname()
{
    ActiveEditor().SetText(QString());
    SetFileName(NoName);
    setWindowTitle(NoName);
}

void TFHTMLFrame::FinishOpening()
{
    RefreshRecentFileMenu();
    ShowWindow();
    Timer1.start();
}

TSaveResult TFHTMLFrame::SaveDocument()
{
    FinishLoading();
    // A document without a file it may replace is saved under a new name.
    if (Doc.NeedsNewName()) {
        ShowWindow();
        return SaveDocumentAs();
    }
    // A file that another program changed since is replaced only after asking.
    const bool newer = Doc.DiskChange() == TDiskChange::Changed;
    if (newer && !AskYesNo("Bestätigen", ReplaceNewerFileQuestion(FileName())))
        return TSaveResult::Cancelled();
    return ShowSaveResult(Doc.Save(EditorText(), newer));
}

TSaveResult TFHTMLFrame::SaveUnderChosenName(const TFileDialogOptions &options)
{
    FinishLoading();
    const TFileDialogResult chosen = Prompter().AskSaveFileName(options);
    if (!chosen.Accepted())
        return TSaveResult::Cancelled();
    const QString path = Doc.SaveAsName(chosen.Files.first());
    if (!MayReplaceFile(path))
        return TSaveResult::Cancelled();
    const TSaveResult result = ShowSaveResult(Doc.SaveAs(path, EditorText()));
    if (result.IsSaved()) {
        setWindowTitle(FileBase() + FileExt());
        SetDocFileName(FileName());
    }
    return result;
}

TSaveResult TFHTMLFrame::ShowSaveResult(const TSaveResult &result)
{
    switch (result.Status()) {
    case TSaveStatus::Saved:
        MarkSaved();
        if (DocumentHost())
            DocumentHost()->SetStatusText(TStatusPanel::Note,
                                          result.Note().isEmpty() ? Doc.StatusNote()
                                                                  : result.Note());
        break;
    case TSaveStatus::Failed:
        ShowError("Fehler", result.Reason());
        break;
    case TSaveStatus::Cancelled:
        break;
    }
    return result;
}

void TFHTMLFrame::ShowFormatNote()
{
    if (DocumentHost())
        DocumentHost()->SetStatusText(TStatusPanel::Note, Doc.StatusNote());
}

QString TFHTMLFrame::LineBreakCharactersNote(const QString &path, const QString &text)
{
    // The editor's document cannot hold these characters inside a line: it shows them, and so
    // saves them, as line breaks. The user hears of it before anything is saved.
    const qsizetype count = LineBreakCharacterCount(text);
    if (count == 0)
        return QString();
    return "Die Datei\r\n" + path + "\r\nenthält " + QString::number(count)
           + " Absatztrennzeichen (U+2029 oder U+FDD0/U+FDD1).\r\nDer Editor zeigt sie als "
             "Zeilenumbruch; beim Speichern werden sie als Zeilenumbruch geschrieben.";
}

void TFHTMLFrame::ReloadCommand()
{
    // The text about to be replaced goes into the undo ring first.
    TakeUndoSnapshot();
    if (!LoadDocumentText(FileName(), [](QString text) { return TabsToThreeBlanks(text); }))
        return;
    MarkSaved();
}

void TFHTMLFrame::SetLoadedCaption()
{
    setWindowTitle(Settings().CaptionMitVollemNamen ? FileName() : FileBase() + FileExt());
}

void TFHTMLFrame::MarkSaved()
{
    ActiveEditor().SetModified(false);
    Recovery.Forget();
    if (DocumentHost())
        DocumentHost()->SetStatusText(TStatusPanel::Modified, QString());
}

void TFHTMLFrame::ShowCaretLine()
{
    if (!DocumentHost())
        return;
    const TEditControl &editor = ActiveEditor();
    DocumentHost()->SetStatusText(TStatusPanel::Line,
                                  "Zeile: "
                                      + QString::number(editor.LineFromChar(editor.SelStart()) + 1));
}

void TFHTMLFrame::RefreshRecentFileMenu()
{
    if (RecentItems.Separator)
        RefreshRecentFileItems(RecentItems);
}

void TFHTMLFrame::FormActivate()
{
    if (DocumentHost())
        DocumentHost()->NoteActiveDocument(this, FileName(), IsModified());
    ShowFormatNote();
    RefreshRecentFileMenu();
    // Asked after the activation is through, not in the middle of the frame's switching.
    QTimer::singleShot(0, this, &TFHTMLFrame::CheckFileOnDisk);
}

void TFHTMLFrame::HandleDocCommand(TDocCommand command)
{
    // The frame's commands work on the whole text.
    FinishLoading();
    switch (command) {
    // A relayed save has no caller waiting for it: the window has shown a failure itself.
    case TDocCommand::DocSave:
    case TDocCommand::DocSaveQuiet:
        static_cast<void>(SaveDocument());
        break;
    case TDocCommand::DocSaveAs:
        static_cast<void>(SaveDocumentAs());
        break;
    case TDocCommand::DocClose:
    case TDocCommand::DocCloseAlt1:
    case TDocCommand::DocCloseAlt2:
        (parentWidget() ? parentWidget() : this)->close();
        break;
    case TDocCommand::DocUndo:
        UndoCommand();
        break;
    case TDocCommand::DocRedo:
        RedoCommand();
        break;
    case TDocCommand::DocCut:
        Edit([](TEditControl &editor) { editor.CutToClipboard(); });
        break;
    case TDocCommand::DocCopy:
        ActiveEditor().CopyToClipboard();
        break;
    case TDocCommand::DocPaste:
        Edit([](TEditControl &editor) { editor.PasteFromClipboard(); });
        break;
    case TDocCommand::DocPrint:
        PrintCommand();
        break;
    default:
        break;
    }
}

bool TFHTMLFrame::CloseQuery()
{
    bool allowed = true;
    if (IsModified()) {
        const TYesNoCancel answer = Prompter().AskYesNoCancel("Bestätigen",
                                                              SaveChangesQuestion(FileName()));
        // The window closes after Yes only when the text is on disk: a failed write or a
        // cancelled save dialog keeps it open with its changes.
        if (answer == TYesNoCancel::Cancel)
            allowed = false;
        else if (answer == TYesNoCancel::Yes && FileName() != NoName)
            allowed = SaveDocument().IsSaved();
        else if (answer == TYesNoCancel::Yes)
            allowed = SaveDocumentAs().IsSaved();
    }
    // The frame hears of every close query, also of a refused one.
    if (DocumentHost())
        DocumentHost()->NoteDocumentClosed(this);
    return allowed;
}

std::optional<TRecoveryEntry> TFHTMLFrame::RecoveryEntry() const
{
    if (!IsModified())
        return std::nullopt;
    TRecoveryEntry entry{Doc.HasFile() ? FileName() : NoName,
                         Doc.Kind() == TDocKind::Html ? "html" : "css",
                         QString()};
    // The undo ring's copy shares its pieces, so the whole text is put together on the writer
    // thread and a big document does not stall the window; an editor the ring does not follow
    // yet gives its text here.
    if (std::optional<TChunkedText> pieces = UndoRing.CurrentText(ActiveEditor()))
        entry.TextSource = [pieces = std::move(*pieces)] { return pieces.ToString(); };
    else
        entry.Text = EditorText();
    return entry;
}

void TFHTMLFrame::RestoreRecovered(const TOrphanCopy &copy)
{
    // A file still arriving in slices is taken in whole first: a later slice would otherwise be
    // appended to the restored text.
    FinishLoading();
    // The text the window showed before stays reachable through undo.
    TakeUndoSnapshot();
    ActiveEditor().SetText(copy.Entry.Text);
    ActiveEditor().SetModified(true);
    if (!Doc.HasFile() && copy.Entry.FileName != NoName) {
        SetFileName(copy.Entry.FileName);
        SetDocFileName(copy.Entry.FileName);
        SetLoadedCaption();
    }
    TakeUndoSnapshot();
    Recovery.Adopt(copy);
    FormActivate();
}

void TFHTMLFrame::CloseWithoutQuery()
{
    QueryDone = true;
    (parentWidget() ? parentWidget() : this)->close();
    QueryDone = false;
}

void TFHTMLFrame::closeEvent(QCloseEvent *event)
{
    if (QueryDone || CloseQuery()) {
        // Saved or discarded, and the window goes: its recovery copy has served its purpose.
        // (A window whose changes were discarded but stays open, as when quitting is cancelled
        // by another window, keeps its copy.)
        Recovery.Forget();
        event->accept();
    } else {
        event->ignore();
    }
}

void TFHTMLFrame::ShowWindow()
{
    show();
    if (auto *sub = qobject_cast<QMdiSubWindow *>(parentWidget())) {
        sub->show();
        if (sub->mdiArea())
            sub->mdiArea()->setActiveSubWindow(sub);
    }
    raise();
}

void TFHTMLFrame::StartupStep()
{
    Timer1.stop();
    ActiveEditor().SetSelStart(0);
    // The view shows the caret's place, the top, also after a big file filled it piece by piece.
    ActiveEditor().ScrollCaret();
    // A progress dialog may have held the keyboard; the menu keys need it back at the editor.
    if (isVisible())
        window()->activateWindow();
    ActiveEditorWidget()->setFocus();
}
