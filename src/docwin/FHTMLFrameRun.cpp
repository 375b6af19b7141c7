// The "&Run" and "&Versionen" menus of the document windows: pages shown in browsers, and the
// spare version that all windows share.
#include "AppSettings.h"
#include "DocumentHost.h"
#include "DocumentText.h"
#include "FHTMLFrame.h"
#include "Launcher.h"
#include "Prompter.h"
#include "ShellOpen.h"
#include "Versions.h"

#include <QAction>
#include <QFileInfo>
#include <QMenu>

QMenu *TFHTMLFrame::CreateVersionsMenu()
{
    QMenu *menu = CreateMenu(this, "MnVersionen", "&Versionen", QString(), 0, 2);
    AddMenuItems(menu,
                 {{"MnAktuellerInhaltspeichern",
                   "Aktueller Inhalt &speichern",
                   "",
                   "",
                   0,
                   [this] { SaveVersionCommand(); }},
                  {"MnLetzteVersionladen", "Letzte Version &laden", "", "", 0, [this] {
                       LoadVersionCommand();
                   }}});
    AddMergedMenu(menu, 2);
    return menu;
}

QMenu *TFHTMLFrame::CreateRunMenu(const std::vector<TMenuItem> &items, int groupIndex)
{
    QMenu *menu = CreateMenu(this, "MainCompilerRun1", "&Run", QString(), 0, groupIndex);
    AddMenuItems(menu, items);
    connect(menu, &QMenu::aboutToShow, this, [this, menu] { RefreshBrowserCaptions(menu); });
    AddMergedMenu(menu, groupIndex);
    return menu;
}

TMenuItem TFHTMLFrame::RunItem(const char *name,
                               const char *caption,
                               const char *shortcut,
                               TRunCommand command)
{
    return {name, caption, shortcut, "", 0, [this, command] { RunCommand(command); }};
}

void TFHTMLFrame::RefreshBrowserCaptions(QMenu *runMenu)
{
    for (int number = 2; number <= 4; ++number) {
        auto *item = runMenu->findChild<QAction *>("MnRunBrowser" + QString::number(number));
        item->setText(LiteralCaption(BrowserCaption(number, Settings().Browser[number - 1])));
    }
}

bool TFHTMLFrame::SaveForRun()
{
    // A failed save has shown its reason; a cancelled one needs no word.
    return SaveDocument().IsSaved();
}

TRunContext TFHTMLFrame::RunContext() const
{
    TRunContext context;
    context.FileName = FileName();
    if (DocumentHost())
        context.MainHtml = DocumentHost()->MainHtml();
    std::copy(std::begin(Settings().Browser),
              std::end(Settings().Browser),
              context.Browsers.begin());
    return context;
}

void TFHTMLFrame::StartRunTarget(const std::optional<TRunTarget> &target)
{
    using TKind = TRunTarget::TKind;
    if (!target || (target->Kind == TKind::Document && !QFileInfo(target->Page).isFile())) {
        ShowNote("Hinweis", NoPageMessage);
        return;
    }
    int code = ShellSuccess;
    switch (target->Kind) {
    case TKind::Program:
        code = Launcher().StartProgram(target->Program, {target->Page});
        break;
    case TKind::Document:
        code = Launcher().OpenDocument(target->Page);
        break;
    case TKind::WebBrowser:
        code = Launcher().OpenInWebBrowser(target->Page);
        break;
    }
    if (code <= 32)
        ShowError("Fehler",
                  RunFailureText(code,
                                 target->Kind == TKind::Program ? target->Program : target->Page));
}

void TFHTMLFrame::SaveVersionCommand()
{
    const TSaveResult written = WriteVersionFile(VersionFilePath(LastVersionFileName), EditorText());
    if (!written.IsSaved()) {
        ShowError("Fehler", written.Reason());
        return;
    }
    LastVersionNameValue = RememberLastVersionName(FileName());
}

void TFHTMLFrame::LoadVersionCommand()
{
    // The text about to be replaced is kept twice: in Temp.dat and in the undo ring.
    const TSaveResult kept = WriteVersionFile(VersionFilePath(ReplacedTextFileName), EditorText());
    if (!kept.IsSaved()) {
        ShowError("Fehler", kept.Reason());
        return;
    }
    const TTextReadResult version = ReadVersionFile(VersionFilePath(LastVersionFileName));
    if (!version.Ok) {
        ShowError("Fehler", version.Error);
        return;
    }
    TakeUndoSnapshot();
    ActiveEditor().SetText(TabsToThreeBlanks(version.Text));
    ActiveEditor().SetModified(true);
}
