#include "MDI_CSS2.h"

#include "AppSettings.h"
#include "ColorMemo.h"
#include "ColorMemoPresets.h"
#include "CssCatalogues.h"
#include "DocumentHost.h"
#include "DocumentText.h"
#include "FileUtils.h"
#include "MenuBuilder.h"
#include "Prompter.h"
#include "ReplaceOutsideScripts.h"

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
    CreateVersionsMenu();
    CreateCatalogueMenus(CssCatalogueMenus());
    CreateRunMenu(
        {
            RunItem("Mn_StartMainHTML", "Main-HTML", "F9", TRunCommand::MainHtml),
            RunItem("MnRunMainHTMLmitMSExplorer1",
                    "Main-HTML mit MS Explorer",
                    "F8",
                    TRunCommand::WebBrowser),
            RunItem("MnRunBrowser2", "Run mit Browser2", "", TRunCommand::Browser2),
            RunItem("MnRunBrowser3", "Run mit Browser3", "", TRunCommand::Browser3),
            RunItem("MnRunBrowser4", "Run mit Browser4", "", TRunCommand::Browser4),
        },
        9);
    CreateHelpMenu("MnProduktInfo1", false);
    CollectMenuShortcuts();
}

void TFMDI_CSS2::RunCommand(TRunCommand command)
{
    if (command == TRunCommand::WebBrowser) {
        // The page is looked for first: without one nothing is saved.
        const std::optional<TRunTarget> target = CssRunTarget(command, RunContext());
        if (!target || SaveForRun())
            StartRunTarget(target);
        return;
    }
    if (SaveForRun())
        StartRunTarget(CssRunTarget(command, RunContext()));
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
            ExecuteCatalogueEntry(CssBasicEntry, {ActiveEditor(), FileDir()});
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
    // The other view gets the whole text.
    FinishLoading();
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
