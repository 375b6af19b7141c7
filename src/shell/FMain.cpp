#include "FMain.h"

#include "AppSettings.h"
#include "DocumentMenus.h"
#include "ExternalTools.h"
#include "FHTMLFrame.h"
#include "FileUtils.h"
#include "PlainTextEditControl.h"
#include "ProgramPaths.h"
#include "Prompter.h"
#include "RecentFiles.h"
#include "RecoveryJournal.h"
#include "Registry.h"
#include "ScratchFiles.h"
#include "SettingsStore.h"
#include "ToolbarGlyphs.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QStatusBar>
#include <QStatusTipEvent>
#include <QTimer>
#include <QToolBar>
#include <QToolButton>

namespace {

constexpr int StatusPanelWidths[4] = {100, 100, 90, 50};

QFont HolderFont()
{
    QFont font("MS Sans Serif");
    font.setPointSize(10);
    return font;
}

} // namespace

TFMain::TFMain(const QStringList &commandLine, QWidget *parent)
    : QMainWindow(parent)
    , CommandLine(commandLine)
{
    setObjectName("FMain");
    setWindowTitle("HTML-Editor");
    resize(1024, 540);
    Area = new QMdiArea(this);
    Area->setObjectName("MDIClient");
    setCentralWidget(Area);
    CreateToolbar();
    CreateMenus();
    CreateStatusBar();
    CreateHiddenComponents();
    connect(Area, &QMdiArea::subWindowActivated, this, &TFMain::ActivateDocument);
    Timer1.setParent(this);
    Timer1.setObjectName("Timer1");
    // Zero: the files of the command line open from the event loop as soon as it runs, after
    // the frame is shown; a longer wait would only delay their first screen.
    Timer1.setInterval(0);
    Timer1.setSingleShot(true);
    connect(&Timer1, &QTimer::timeout, this, &TFMain::Timer1Timer);
    FormCreate();
    Timer1.start();
}

TFMain::~TFMain()
{
    // The area reports its windows going while the frame's children are destroyed; by then the
    // menus that a new menu bar would be composed of may be gone.
    disconnect(Area, nullptr, this, nullptr);
    if (DocumentHost() == this)
        SetDocumentHost(nullptr);
}

void TFMain::CreateToolbar()
{
    auto *bar = new QToolBar(this);
    bar->setObjectName("Panel1");
    bar->setMovable(false);
    bar->setFloatable(false);
    bar->setFixedHeight(33);
    bar->setIconSize(QSize(20, 20));
    addToolBar(Qt::TopToolBarArea, bar);
    const auto relay = [this](const char *name, TGlyph glyph, const char *hint, TDocCommand cmd) {
        connect(AddToolButton(name, glyph, hint), &QToolButton::clicked, this, [this, cmd] {
            SendDocCommand(cmd);
        });
    };
    connect(AddToolButton("BnDateiOeffnen", TGlyph::Open, "Datei Öffnen (^O)"),
            &QToolButton::clicked,
            this,
            &TFMain::OpenCommand);
    connect(AddToolButton("BnNeu", TGlyph::New, "Neue Datei (^N)"),
            &QToolButton::clicked,
            this,
            &TFMain::NewDocumentCommand);
    connect(AddToolButton("BnSaveFile", TGlyph::Save, "Datei speichern (^S)"),
            &QToolButton::clicked,
            this,
            &TFMain::BnSaveFileClick);
    connect(AddToolButton("BnSaveAll", TGlyph::SaveAll, "Alle Fenster speichern"),
            &QToolButton::clicked,
            this,
            &TFMain::BnSaveFileClick);
    relay("BnDrucken", TGlyph::Print, "Aktuelles Fenster drucken (^P)", TDocCommand::DocPrint);
    AddSeparator("PanelExpand", false);
    relay("BnUndo", TGlyph::Undo, "Wiederherstellen (^Z)", TDocCommand::DocUndo);
    relay("BnRedo", TGlyph::Redo, "Rückgängig des Wiederherstellen", TDocCommand::DocRedo);
    AddSeparator("Panel2", true);
    relay("BnCut", TGlyph::Cut, "Auschneiden (^X)", TDocCommand::DocCut);
    relay("BnCopy", TGlyph::Copy, "Kopieren (^C)", TDocCommand::DocCopy);
    relay("BnPaste", TGlyph::Paste, "Einfügen (^V)", TDocCommand::DocPaste);
    AddSeparator("Panel3", true);
    relay("BnRun", TGlyph::Run, "Start des Programms (F9)", TDocCommand::DocRun);
    AddSeparator("Panel4", true);

    auto *field = new QWidget(bar);
    auto *layout = new QHBoxLayout(field);
    layout->setContentsMargins(6, 0, 6, 0);
    auto *label = new QLabel("Main-HTML", field);
    label->setObjectName("Label1");
    MainHtmlEdit = new QLineEdit(field);
    MainHtmlEdit->setObjectName("Main_HTML");
    MainHtmlEdit->setMinimumWidth(261);
    layout->addWidget(label);
    layout->addWidget(MainHtmlEdit, 1);
    field->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Preferred);
    bar->addWidget(field);
    // The help button has no hint and sits at the right edge.
    connect(AddToolButton("BnKXHelp", TGlyph::Help, QString()),
            &QToolButton::clicked,
            this,
            &OpenOnlineHelp);
}

QToolButton *TFMain::AddToolButton(const char *name, TGlyph glyph, const QString &hint)
{
    auto *bar = findChild<QToolBar *>("Panel1");
    auto *button = new QToolButton(bar);
    button->setObjectName(name);
    button->setAutoRaise(true);
    button->setFixedSize(25, 25);
    button->setIcon(ToolbarGlyph(glyph));
    button->setToolTip(hint);
    button->setStatusTip(hint);
    bar->addWidget(button);
    return button;
}

void TFMain::AddSeparator(const char *name, bool visible)
{
    auto *bar = findChild<QToolBar *>("Panel1");
    auto *separator = new QFrame(bar);
    separator->setObjectName(name);
    separator->setFrameShape(QFrame::VLine);
    separator->setFrameShadow(QFrame::Sunken);
    separator->setFixedWidth(visible ? 8 : 2);
    QAction *action = bar->addWidget(separator);
    action->setVisible(visible);
}

void TFMain::CreateMenus()
{
    QMenu *file = CreateFileMenu(this);
    AddMenuItems(file, FileMenuItems());
    RecentItems = AddRecentFileItems(file, [this](int slot) { OpenRecentFile(slot); });
    QMenu *options
        = CreateMenu(this, "MnOptionen", "&Optionen", "Menü zusätzliche Funktionen", 700, 7);
    AddMenuItems(options, OptionsMenuItems());
    QMenu *window
        = CreateMenu(this, "MnFenster", "&Fenster", "Menü für die Fensterfunktionen", 800, 8);
    AddMenuItems(window, WindowMenuItems());
    QMenu *help = CreateHelpMenu(this);
    AddMenuItems(help, HelpMenuItems());
    FrameMenus = {file, options, window, help};
    menuBar()->setObjectName("MainMenu1");
    ComposeMenuBar();
}

void TFMain::CreateStatusBar()
{
    QStatusBar *bar = statusBar();
    bar->setObjectName("StatusBar1");
    bar->setSizeGripEnabled(true);
    for (int i = 0; i < 4; ++i) {
        StatusPanels[i] = new QLabel(bar);
        StatusPanels[i]->setObjectName("StatusPanel" + QString::number(i));
        StatusPanels[i]->setFrameShape(QFrame::Panel);
        StatusPanels[i]->setFrameShadow(QFrame::Sunken);
        // The note panel grows with its note; the last panel takes the rest of the bar, as the
        // hints need room.
        if (i < 2)
            StatusPanels[i]->setFixedWidth(StatusPanelWidths[i]);
        else
            StatusPanels[i]->setMinimumWidth(StatusPanelWidths[i]);
        bar->addPermanentWidget(StatusPanels[i], i == 3 ? 1 : 0);
    }
}

void TFMain::CreateHiddenComponents()
{
    LabelEditorFont = new QLabel(this);
    LabelEditorFont->setObjectName("LabelEditorFont");
    LabelEditorFont->setFont(HolderFont());
    LabelEditorFont->hide();
    LabelErrorFont = new QLabel(this);
    LabelErrorFont->setObjectName("LabelErrorFont");
    LabelErrorFont->setFont(HolderFont());
    LabelErrorFont->hide();
    MainMemoEdit = new QPlainTextEdit(this);
    MainMemoEdit->setObjectName("MainMemo");
    MainMemoEdit->setLineWrapMode(QPlainTextEdit::NoWrap);
    MainMemoEdit->hide();
    MainMemoControl = new TPlainTextEditControl(MainMemoEdit);
}

TEditControl &TFMain::MainMemo()
{
    return *MainMemoControl;
}

void TFMain::FormCreate()
{
    Settings().EditorPfad = ProgramDirectory;
    SetDocumentHost(this);
    const QFont editorHolder = LabelEditorFont->font();
    const QFont errorHolder = LabelErrorFont->font();
    LoadSettings({editorHolder.family(), editorHolder.pointSize()},
                 {errorHolder.family(), errorHolder.pointSize()});
    LabelEditorFont->setFont(EditorFontOfSettings());
    LabelErrorFont->setFont(ErrorFontOfSettings());
    SetStatusText(TStatusPanel::Line, " ");
    SetStatusText(TStatusPanel::Modified, " ");
    SetStatusText(TStatusPanel::Note, QString());
    SetStatusText(TStatusPanel::Hint, QString());
    ActiveDocument = nullptr;
    MainHtmlEdit->clear();
    LoadRecentFiles(MainRegistryKey);
    RefreshRecentFileMenu();
}

void TFMain::Timer1Timer()
{
    Timer1.stop();
    for (const QString &name : CommandLine) {
        if (QFileInfo(name).isFile())
            OpenFile(name);
    }
    const QString warning = Registry().TakeWarning();
    if (!warning.isEmpty())
        ShowNote("Hinweis", warning);
    OfferRecoveryCopies();
    if (TRecoveryJournal *journal = RecoveryJournal())
        journal->SetWriteFailureHandler([frame = QPointer<TFMain>(this)](const QString &reason) {
            if (frame)
                frame->NoteRecoveryWriteFailure(reason);
        });
}

bool TFMain::event(QEvent *event)
{
    // Hints of menu items and controls go to the last status panel.
    if (event->type() == QEvent::StatusTip) {
        SetStatusText(TStatusPanel::Hint, static_cast<QStatusTipEvent *>(event)->tip());
        return true;
    }
    // Back from another program: it may have changed the active window's file meanwhile.
    if (event->type() == QEvent::WindowActivate && ActiveDocument)
        QTimer::singleShot(0, ActiveDocument.data(), &TFHTMLFrame::CheckFileOnDisk);
    return QMainWindow::event(event);
}

void TFMain::SetStatusText(TStatusPanel panel, const QString &text)
{
    StatusPanels[static_cast<int>(panel)]->setText(text);
}

QString TFMain::StatusText(TStatusPanel panel) const
{
    return StatusPanels[static_cast<int>(panel)]->text();
}

QString TFMain::MainHtml() const
{
    return MainHtmlEdit->text();
}

void TFMain::SetMainHtml(const QString &fileName)
{
    MainHtmlEdit->setText(fileName);
}

void TFMain::RefreshRecentFileMenu()
{
    RefreshRecentFileItems(RecentItems);
}

void TFMain::MnDateilisteloeschenClick()
{
    ClearRecentFiles(MainRegistryKey);
    HideRecentFileItems(RecentItems);
}

QList<TFHTMLFrame *> TFMain::DocumentWindows() const
{
    QList<TFHTMLFrame *> windows;
    const QList<QMdiSubWindow *> children = Area->subWindowList(QMdiArea::CreationOrder);
    for (QMdiSubWindow *child : children) {
        if (auto *window = qobject_cast<TFHTMLFrame *>(child->widget()))
            windows << window;
    }
    return windows;
}

void TFMain::SetEditorKind(bool colour)
{
    for (TFHTMLFrame *window : DocumentWindows()) {
        if (window->DocKind() != TDocKind::None)
            window->SetColourView(colour);
    }
}

void TFMain::SendDocCommand(TDocCommand command)
{
    // A command for a window that has gone since it was active is lost silently.
    if (ActiveDocument)
        ActiveDocument->HandleDocCommand(command);
}

void TFMain::BnSaveFileClick()
{
    // The active window first, then every other one; each is written once, so that its
    // backup keeps the version before this save. Each window has shown its own failure.
    QList<TFHTMLFrame *> windows = DocumentWindows();
    if (ActiveDocument && windows.removeOne(ActiveDocument.data()))
        windows.prepend(ActiveDocument.data());
    static_cast<void>(SaveDocuments(windows));
}

void TFMain::NoteActiveDocument(TFHTMLFrame *window, const QString &, bool modified)
{
    // A note belongs to the window that wrote it.
    if (ActiveDocument != window)
        SetStatusText(TStatusPanel::Note, QString());
    ActiveDocument = window;
    SetStatusText(TStatusPanel::Modified, modified ? "geändert" : QString());
}

void TFMain::NoteDocumentClosed(TFHTMLFrame *window)
{
    if (!DocumentWindows().contains(window))
        return;
    AddRecentFile(window->DocFileName());
    RefreshRecentFileMenu();
    SetStatusText(TStatusPanel::Modified, QString());
    SetStatusText(TStatusPanel::Note, QString());
}

void TFMain::ActivateDocument(QMdiSubWindow *sub)
{
    ComposeMenuBar();
    if (sub) {
        if (auto *window = qobject_cast<TFHTMLFrame *>(sub->widget())) {
            window->FormActivate();
            // Keys typed after switching windows go to the window's editor.
            if (!window->isAncestorOf(QApplication::focusWidget()))
                window->setFocus();
        }
    }
}

void TFMain::ComposeMenuBar()
{
    QList<TMergedMenu> childMenus;
    if (QMdiSubWindow *sub = Area->activeSubWindow()) {
        if (auto *window = qobject_cast<TFHTMLFrame *>(sub->widget()))
            childMenus = window->MergedMenus();
    }
    QList<TMergedMenu> all;
    for (QMenu *menu : FrameMenus)
        all << TMergedMenu{menu, menu->property(GroupIndexProperty).toInt()};
    // The active window's menus replace the frame's menus of the same group index.
    for (const TMergedMenu &child : childMenus)
        all.erase(std::remove_if(all.begin(),
                                 all.end(),
                                 [&](const TMergedMenu &m) {
                                     return m.GroupIndex == child.GroupIndex
                                            && FrameMenus.contains(m.Menu);
                                 }),
                  all.end());
    all << childMenus;
    std::stable_sort(all.begin(), all.end(), [](const TMergedMenu &a, const TMergedMenu &b) {
        return a.GroupIndex < b.GroupIndex;
    });
    menuBar()->clear();
    for (const TMergedMenu &entry : all)
        menuBar()->addMenu(entry.Menu);
}

bool TFMain::ChildrenAllowClosing()
{
    for (TFHTMLFrame *window : DocumentWindows()) {
        if (!window->CloseQuery())
            return false;
    }
    return true;
}

void TFMain::closeEvent(QCloseEvent *event)
{
    if (!ChildrenAllowClosing()) {
        event->ignore();
        return;
    }
    for (TFHTMLFrame *window : DocumentWindows())
        window->CloseWithoutQuery();
    DeleteScratchFiles();
    SaveRecentFiles(MainRegistryKey);
    event->accept();
}

void TFMain::DeleteScratchFiles()
{
    DeleteScratchFilesIn(ScratchDirectory());
}
