#include "MDITagra2.h"

#include "AppSettings.h"
#include "BrowserModule.h"
#include "ColorMemo.h"
#include "ColorMemoPresets.h"
#include "DocumentHost.h"
#include "DocumentText.h"
#include "FileUtils.h"
#include "HtmlCatalogues.h"
#include "MenuBuilder.h"
#include "Prompter.h"
#include "Skeletons.h"

#include <QAction>
#include <QFileInfo>
#include <QKeyEvent>
#include <QLabel>
#include <QMenu>
#include <QPlainTextEdit>
#include <QStackedWidget>
#include <QTabWidget>
#include <QVBoxLayout>

namespace {

// The digit of a key of the main keyboard's digit row, or -1. With Shift held the key reports
// the shifted symbol, so the row is also recognised by its scan code (X11: 10 = "1" .. 19 = "0").
int MainKeyboardDigit(const QKeyEvent &event)
{
    if (event.modifiers() & Qt::KeypadModifier)
        return -1;
    if (event.key() >= Qt::Key_0 && event.key() <= Qt::Key_9)
        return event.key() - Qt::Key_0;
    const quint32 scanCode = event.nativeScanCode();
    if (scanCode >= 10 && scanCode <= 19)
        return int(scanCode - 9) % 10;
    return -1;
}

const QString HtmlFilter = QStringLiteral(
    "HTML-Dateien (*.xhtml;*.html;*.htm)|*.xhtml;*.html;*.htm|Alle Dateien (*.*)|*.*");
const QString PhpFilter = QStringLiteral(
    "PHP-Dateien (*.php)|*.php|HTML-Dateien (*.xhtml;*.html;*.htm)|*.xhtml;*.html;*.htm|Alle "
    "Dateien (*.*)|*.*");
const QString HtmlMask = QStringLiteral("*.xhtml;*.html;*.htm");

} // namespace

TFMDITagra2::TFMDITagra2(QWidget *parent)
    : TFHTMLFrame(TDocKind::Html, parent)
{
    setObjectName("FMDITagra2");
    Tabs = new QTabWidget(this);
    Tabs->setObjectName("MainTab");
    Tabs->setTabPosition(QTabWidget::South);
    auto *tabSheet1 = new QWidget(Tabs);
    tabSheet1->setObjectName("TabSheet1");
    auto *editorLayout = new QVBoxLayout(tabSheet1);
    editorLayout->setContentsMargins(0, 0, 0, 0);
    editorLayout->addWidget(CreateEditors(&ApplyHtmlWindowSettings));
    TabSheet2 = new QWidget(Tabs);
    TabSheet2->setObjectName("TabSheet2");
    Tabs->addTab(tabSheet1, "Editor");
    Tabs->addTab(TabSheet2, "Webbrowser");
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(Tabs);
    connect(Tabs, &QTabWidget::currentChanged, this, &TFMDITagra2::MainTabChange);
    SaveFilter = HtmlFilter;
    SaveMask = HtmlMask;
    CreateMenus();
    ConnectEditorCommands();
    ApplyUndoTimer();
}

void TFMDITagra2::CreateMenus()
{
    CreateFileMenu();
    CreateEditMenu(true);
    CreateViewMenu({
        {"MnQuellcode", "Quellcode", "Ctrl+F1", "", 0, [this] { ShowSource(); }},
        {"MnBrowser", "&Browser", "Ctrl+F2", "", 0, [this] { ShowBrowser(); }},
    });
    CreateVersionsMenu();
    CreateCatalogueMenus(HtmlCatalogueMenus());
    CreateRunMenu(
        {
            RunItem("MnRun", "&Run (aktuelle Datei) (Browser1)", "F9", TRunCommand::Browser1),
            RunItem("Mn_StartMainHTML", "Main-HTML", "Ctrl+F9", TRunCommand::MainHtml),
            RunItem("MnRunmitMSExplorer", "Run mit MS Explorer", "F8", TRunCommand::WebBrowser),
            RunItem("MnRunBrowser2", "Run mit Browser2", "", TRunCommand::Browser2),
            RunItem("MnRunBrowser3", "Run mit Browser3", "", TRunCommand::Browser3),
            RunItem("MnRunBrowser4", "Run mit Browser4", "", TRunCommand::Browser4),
            {"", "-"},
            {"MnSetzeMainHTML", "Setze Main-HTML", "", "", 0, [this] { SetMainHtmlCommand(); }},
        },
        3);
    CreateHelpMenu("MnProduktInfo", true);
    CollectMenuShortcuts();
}

void TFMDITagra2::RunCommand(TRunCommand command)
{
    if (SaveForRun())
        StartRunTarget(HtmlRunTarget(command, RunContext()));
}

void TFMDITagra2::SetMainHtmlCommand()
{
    if (DocumentHost())
        DocumentHost()->SetMainHtml(FileName());
}

void TFMDITagra2::HandleDocCommand(TDocCommand command)
{
    if (command == TDocCommand::DocRun)
        RunCommand(TRunCommand::Browser1);
    else
        TFHTMLFrame::HandleDocCommand(command);
}

bool TFMDITagra2::OpenDocument(const QString &fileName,
                               bool isXhtml,
                               bool newWithStylesheet,
                               bool isPhp)
{
    IsXhtml = isXhtml;
    NewWithStylesheet = newWithStylesheet;
    IsPhp = isPhp;
    SetFileName(fileName);
    if (QFileInfo::exists(fileName)) {
        if (!LoadFile(fileName))
            return false;
    } else {
        StartNoname();
    }
    FinishOpening();
    return true;
}

bool TFMDITagra2::LoadFile(const QString &path)
{
    // Tabs become blanks in the colour view, except inside the first script blocks.
    return LoadFileWith(path, [](QString text) { return HtmlTextAfterLoading(std::move(text)); });
}

void TFMDITagra2::StartupStep()
{
    TFHTMLFrame::StartupStep();
    // A page that stays unnamed (dialog cancelled, or the reason of a failure shown) is saved
    // later like any new page.
    if (NewWithStylesheet)
        static_cast<void>(SaveDocumentAs());
    NewWithStylesheet = false;
}

void TFMDITagra2::EditorKeyUp(QKeyEvent *event)
{
    const int digit = MainKeyboardDigit(*event);
    if (digit >= 0 && event->modifiers() == (Qt::ControlModifier | Qt::ShiftModifier))
        SetJumpMark(digit);
    else if (digit >= 0 && event->modifiers() == Qt::ControlModifier)
        GoToJumpMark(digit);
    TFHTMLFrame::EditorKeyUp(event);
}

TSaveResult TFMDITagra2::SaveDocumentAs()
{
    TFileDialogOptions options;
    options.Title = "Datei speichern unter";
    options.InitialDir = Settings().EditorPfad;
    options.FileName = FileName();
    if (IsXhtml) {
        options.DefaultExt = "xhtml";
        SaveFilter = HtmlFilter;
        SaveMask = HtmlMask;
    } else if (IsPhp) {
        options.DefaultExt = "php";
        SaveFilter = PhpFilter;
        SaveMask = "*.php";
    } else {
        SaveFilter = HtmlFilter;
        SaveMask = HtmlMask;
    }
    options.Filter = SaveFilter;
    const TSaveResult result = SaveUnderChosenName(options);
    if (result.IsSaved() && NewWithStylesheet)
        return AttachStylesheet();
    return result;
}

TSaveResult TFMDITagra2::AttachStylesheet()
{
    const QString stylesheet = FileDir() + FileBase() + ".css";
    ActiveEditor().AppendLines(StylesheetPageLines(FileBase() + ".css"));
    const TSaveResult result = SaveDocument();
    if (result.IsSaved() && DocumentHost())
        DocumentHost()->OpenCompanionStylesheet(FileName(), stylesheet);
    return result;
}

void TFMDITagra2::SetColourView(bool colour)
{
    if (colour == IsColourView())
        return;
    // The other view gets the whole text.
    FinishLoading();
    const bool modified = IsModified();
    const QString text = EditorText();
    SetActiveEditorToColour(colour);
    // The colour view shows a tab as one blank; the plain view takes the text unchanged.
    ActiveEditor().SetText(colour ? HtmlTextAfterLoading(text) : text);
    ActiveEditor().SetModified(modified);
}

void TFMDITagra2::MainTabChange(int index)
{
    if (index != 1)
        return;
    // The browser shows the file on disk: after a failed or cancelled save the editor stays.
    if (!SaveDocument().IsSaved()) {
        Tabs->setCurrentIndex(0);
        return;
    }
    NavigateBrowser();
}

void TFMDITagra2::ShowBrowser()
{
    if (Tabs->currentIndex() == 1)
        MainTabChange(1);
    else
        Tabs->setCurrentIndex(1);
}

void TFMDITagra2::ShowSource()
{
    Tabs->setCurrentIndex(0);
}

void TFMDITagra2::CreateBrowser()
{
    auto *layout = new QVBoxLayout(TabSheet2);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    // The browser's own status bar: the address under the mouse, else the loading state.
    BrowserStatus = new QLabel(TabSheet2);
    BrowserStatus->setObjectName("WebBrowser1Status");
    const TBrowserModuleLoad load = LoadBrowserModule();
    if (!load.Module) {
        BrowserStatus->setText(load.Error);
        BrowserStatus->setWordWrap(true);
        layout->addWidget(BrowserStatus, 1, Qt::AlignTop);
        return;
    }
    TBrowserEvents events;
    events.LinkHovered = [this](const QString &url) { BrowserStatus->setText(url); };
    events.LoadFinished = [this](bool ok) {
        BrowserStatus->setText(ok ? "Fertig" : "Fehler beim Laden");
        // Starting the browser engine can take the keyboard focus to a window of its own;
        // the frame takes it back so that the menu keys go on working.
        if (isVisible())
            window()->activateWindow();
    };
    Browser = load.Module->CreateView(TabSheet2, std::move(events));
    Browser->Widget()->setObjectName("WebBrowser1");
    layout->addWidget(Browser->Widget(), 1);
    layout->addWidget(BrowserStatus);
}

void TFMDITagra2::NavigateBrowser()
{
    if (!BrowserStatus)
        CreateBrowser();
    if (Browser)
        Browser->ShowPage(QUrl::fromLocalFile(FileName()));
}
