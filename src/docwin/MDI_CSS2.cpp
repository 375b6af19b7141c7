#include "MDI_CSS2.h"

#include "AppSettings.h"
#include "ColorMemo.h"
#include "ColorMemoPresets.h"
#include "DocumentHost.h"
#include "DocumentText.h"
#include "FileUtils.h"
#include "MenuBuilder.h"
#include "Prompter.h"
#include "ReplaceOutsideScripts.h"
#include "Skeletons.h"

#include <QAction>
#include <QFileInfo>
#include <QMenu>
#include <QPlainTextEdit>
#include <QStackedWidget>
#include <QVBoxLayout>

namespace {

const QString CssSaveFilter = QStringLiteral(
    "HTML-Dateien (*.html;*.htm)|*.html;*.htm|Alle Dateien (*.*)|*.*");

} // namespace

TFMDI_CSS2::TFMDI_CSS2(QWidget *parent)
    : TFHTMLFrame(TDocKind::Css, parent)
{
    setObjectName("FMDI_CSS2");
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(CreateEditors(&ApplyCssWindowSettings));
    CreateMenus();
    ConnectEditorCommands();
    ApplyUndoTimer();
}

void TFMDI_CSS2::CreateMenus()
{
    CreateFileMenu();
    CreateEditMenu(false);
    CreateViewMenu({});
    CreateHelpMenu("MnProduktInfo1");
    CollectMenuShortcuts();
}

bool TFMDI_CSS2::OpenDocument(const QString &fileName, bool create)
{
    SetFileName(fileName.isEmpty() ? NoName : fileName);
    setWindowTitle(FileName());
    if (QFileInfo::exists(fileName)) {
        if (!LoadFile(fileName))
            return false;
    } else {
        ActiveEditor().SetText(QString());
        if (create && !fileName.isEmpty()) {
            setWindowTitle(fileName);
            ActiveEditor().AppendLines(CssBasicLines());
            ActiveEditor().SetSelStart(ActiveEditor().TextLength());
            // A failure was shown; the new style sheet stays modified for a later save.
            static_cast<void>(SaveDocument());
        } else {
            StartNoname();
        }
    }
    FinishOpening();
    return true;
}

bool TFMDI_CSS2::LoadFile(const QString &path)
{
    // A file with tabs opens in the plain view, where tabs stay tabs. Its text is shown exactly
    // as stored: turning groups of blanks into tabs is left to an explicit view switch.
    const auto prepare = [this](QString text) {
        if (text.contains('\t'))
            SetActiveEditorToColour(false);
        return text;
    };
    return LoadFileWith(path, prepare);
}

TSaveResult TFMDI_CSS2::SaveDocumentAs()
{
    TFileDialogOptions options;
    options.Title = "Datei speichern unter";
    options.InitialDir = Settings().EditorPfad;
    options.FileName = FileName();
    options.Filter = CssSaveFilter;
    return SaveUnderChosenName(options);
}

void TFMDI_CSS2::SetColourView(bool colour)
{
    if (colour == IsColourView())
        return;
    const bool modified = IsModified();
    const QString text = EditorText();
    SetActiveEditorToColour(colour);
    // Three blanks stand for a tab in the colour view and become a tab again in the plain view.
    ActiveEditor().SetText(colour ? TabsToThreeBlanks(text) : BlanksToTabsOutsideScripts(text));
    ActiveEditor().SetModified(modified);
}

void TFMDI_CSS2::HandleDocCommand(TDocCommand command)
{
    // The style sheet window has nothing to run.
    if (command != TDocCommand::DocRun)
        TFHTMLFrame::HandleDocCommand(command);
}

void TFMDI_CSS2::UndoCommand()
{
    if (UndoRing.Undo(ActiveEditor()))
        setWindowTitle(UndoCaption(UndoRing.UndoIndex(), UndoRing.UndoTop()));
}
