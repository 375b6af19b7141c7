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
#include <QProgressDialog>
#include <QStackedWidget>

namespace {

// Files above this size load with a progress dialog, in pieces of the second size.
constexpr qint64 LargeFileSize = 4 * 1024 * 1024;
constexpr qsizetype LoadPieceSize = 2 * 1024 * 1024;

} // namespace

TFHTMLFrame::TFHTMLFrame(TDocKind kind, QWidget *parent)
    : QWidget(parent)
    , Doc(kind)
{
    // The timers are members and children at once, so they can be found by name.
    Timer1.setParent(this);
    TimerUndo.setParent(this);
    Timer1.setObjectName("Timer1");
    Timer1.setInterval(50);
    Timer1.setSingleShot(true);
    connect(&Timer1, &QTimer::timeout, this, &TFHTMLFrame::StartupStep);
    TimerUndo.setObjectName("TimerUndo");
    TimerUndo.setInterval(2000);
}

TFHTMLFrame::~TFHTMLFrame() = default;

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

std::unique_ptr<QProgressDialog> TFHTMLFrame::LoadProgress(const QString &path)
{
    if (QFileInfo(path).size() <= LargeFileSize)
        return nullptr;
    auto progress = std::make_unique<QProgressDialog>("Datei wird gelesen ...",
                                                      QString(),
                                                      0,
                                                      100,
                                                      this);
    progress->setObjectName("LoadProgress");
    progress->setWindowTitle("Datei laden");
    progress->setWindowModality(Qt::ApplicationModal);
    progress->setMinimumDuration(0);
    progress->setValue(0);
    return progress;
}

bool TFHTMLFrame::LoadDocumentText(const QString &path,
                                   const std::function<QString(QString)> &prepare)
{
    std::unique_ptr<QProgressDialog> progress = LoadProgress(path);
    QApplication::setOverrideCursor(Qt::WaitCursor);
    TDocumentLoad result = Doc.Load(path);
    QApplication::restoreOverrideCursor();
    if (!result.Ok) {
        progress.reset();
        ShowError("Fehler", result.Error);
        return false;
    }
    if (progress) {
        progress->setLabelText("Datei wird umgewandelt ...");
        progress->setValue(10);
    }
    QString text = prepare(std::move(result.Text));
    if (progress)
        progress->setLabelText("Datei wird angezeigt ...");
    if (WarnAboutLineBreakCharacters(path, text))
        text = LineBreakCharactersAsLineBreaks(std::move(text));
    PutTextIntoEditor(text, progress.get());
    // What the editor made of the text (it may turn odd characters into others) is what a
    // binary file is compared with when it is saved.
    if (Doc.WantsLoadedText())
        Doc.SetLoadedText(ActiveEditor().Text());
    ActiveEditor().SetSelStart(0);
    // The loaded text is the first snapshot of the undo ring, taken now (behind the progress
    // dialog of a big file) rather than with the first key press.
    UndoRing.TakeUndoSnapshot(ActiveEditor(), text);
    progress.reset();
    if (!result.Note.isEmpty())
        ShowNote("Hinweis", result.Note);
    ShowFormatNote();
    return true;
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
    // A document without a file it may replace is saved under a new name.
    if (Doc.NeedsNewName()) {
        ShowWindow();
        return SaveDocumentAs();
    }
    return ShowSaveResult(Doc.Save(EditorText()));
}

TSaveResult TFHTMLFrame::SaveUnderChosenName(const TFileDialogOptions &options)
{
    const TFileDialogResult chosen = Prompter().AskSaveFileName(options);
    if (!chosen.Accepted())
        return TSaveResult::Cancelled();
    const QString path = Doc.SaveAsName(chosen.Files.first());
    if (QFileInfo::exists(path)) {
        const TSplitFileName parts = SplitFileName(path);
        if (!AskYesNo("Bestätigen", ReplaceQuestion(parts.Base, parts.Ext)))
            return TSaveResult::Cancelled();
    }
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

bool TFHTMLFrame::WarnAboutLineBreakCharacters(const QString &path, const QString &text)
{
    // The editor's document cannot hold these characters inside a line: it shows them, and so
    // saves them, as line breaks. The user hears of it before anything is saved.
    const qsizetype count = LineBreakCharacterCount(text);
    if (count > 0)
        ShowNote("Hinweis",
                 "Die Datei\r\n" + path + "\r\nenthält " + QString::number(count)
                     + " Absatztrennzeichen (U+2029 oder U+FDD0/U+FDD1).\r\nDer Editor zeigt sie "
                       "als Zeilenumbruch; beim Speichern werden sie als Zeilenumbruch "
                       "geschrieben.");
    return count > 0;
}

void TFHTMLFrame::PutTextIntoEditor(const QString &text, QProgressDialog *progress)
{
    TEditControl &editor = ActiveEditor();
    if (!progress) {
        editor.SetText(text);
        return;
    }
    // Piece by piece, each ending after a line break, so the dialog can show the progress.
    editor.SetText(QString());
    qsizetype from = 0;
    while (from < text.size()) {
        qsizetype to = std::min(text.size(), from + LoadPieceSize);
        const qsizetype lineEnd = text.indexOf('\n', to);
        to = lineEnd < 0 ? text.size() : lineEnd + 1;
        editor.SetSelStart(editor.TextLength());
        editor.ReplaceSelection(text.mid(from, to - from));
        from = to;
        progress->setValue(20 + int(80 * from / text.size()));
    }
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
}

void TFHTMLFrame::HandleDocCommand(TDocCommand command)
{
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

void TFHTMLFrame::CloseWithoutQuery()
{
    QueryDone = true;
    (parentWidget() ? parentWidget() : this)->close();
    QueryDone = false;
}

void TFHTMLFrame::closeEvent(QCloseEvent *event)
{
    if (QueryDone || CloseQuery())
        event->accept();
    else
        event->ignore();
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
