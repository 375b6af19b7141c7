// The rows of the document windows' "&Datei", "&Ansicht" and "&Bearbeiten" menus, each with its
// command. Items whose commands are not built yet have none and show disabled.
#include "DocumentMenus.h"

#include "DocumentHost.h"
#include "EditCommands.h"
#include "FHTMLFrame.h"
#include "HelpTopics.h"
#include "Navigation.h"
#include "PrintDocument.h"
#include "ToolDialogs.h"

#include <QMenu>
#include <QString>

namespace {

// Which document windows carry an item.
enum TWindows { InHtml = 1, InCss = 2, InBoth = InHtml | InCss };

struct TDocumentMenuItem
{
    TWindows Windows;
    TMenuItem Item;
};

std::vector<TMenuItem> ItemsOf(const std::vector<TDocumentMenuItem> &items, bool html)
{
    const TWindows window = html ? InHtml : InCss;
    std::vector<TMenuItem> result;
    for (const TDocumentMenuItem &item : items) {
        if (item.Windows & window)
            result.push_back(item.Item);
    }
    return result;
}

// A frame command, run when the frame is there.
template<typename... Args>
std::function<void()> HostCommand(void (TDocumentHost::*command)(Args...), Args... args)
{
    return [command, args...] {
        if (TDocumentHost *host = DocumentHost())
            (host->*command)(args...);
    };
}

TMenuItem ToolItem(TExternalTool tool)
{
    return ExternalToolItem(tool, HostCommand(&TDocumentHost::ExternalToolCommand, tool));
}

} // namespace

std::vector<TMenuItem> TFHTMLFrame::FileMenuItems()
{
    using H = TDocumentHost;
    return {
        {"MnNeu",
         "&Neu...",
         "Ctrl+N",
         "Neue Datei erzeugen",
         101,
         HostCommand(&H::NewDocumentCommand)},
        {"MnOeffnen", "&Öffnen...", "Ctrl+O", "Alte Datei öffnen", 102, HostCommand(&H::OpenCommand)},
        {"MnUpdate", "Up&date", "", "", 0, [this] { ReloadCommand(); }},
        {"", "-"},
        // The save items wait for nothing: the window has shown what a save did.
        {"MnSpeichern",
         "&Speichern...",
         "Ctrl+S",
         "",
         0,
         [this] { static_cast<void>(SaveDocument()); }},
        {"MnSpeichernUnter",
         "Speichern &unter...",
         "",
         "",
         0,
         [this] { static_cast<void>(SaveDocumentAs()); }},
        {"MnSpeichernAlle",
         "Speichern &alle",
         "",
         "",
         0,
         [] {
             if (TDocumentHost *host = DocumentHost())
                 static_cast<void>(host->SaveAllDocuments());
         }},
        {"MnAlleSchliessen", "A&lle Schließen", "", "", 0, HostCommand(&H::CloseAllDocuments)},
        {"", "-"},
        ToolItem(TExternalTool::Calculator),
        ToolItem(TExternalTool::Explorer),
        ToolItem(TExternalTool::CommandPrompt),
        ToolItem(TExternalTool::TextEditor),
        {"", "-"},
        {"MnDrucken", "&Drucken...", "Ctrl+P", "", 0, [this] { PrintCommand(); }},
        {"MnDruckerSetup", "Drucker-Setup", "", "", 0, [this] { PrinterSetupDialog(this); }},
        {"", "-"},
        // Closes this window, not the program.
        {"MnExit",
         "&Beenden",
         "",
         "",
         0,
         [this] { (parentWidget() ? parentWidget() : this)->close(); }},
    };
}

std::vector<TMenuItem> TFHTMLFrame::ViewMenuItems(const std::vector<TMenuItem> &browserItems)
{
    std::vector<TMenuItem> items{
        {"MnZeilenUmbruch", "Zeilenumbruch", "", "", 0, [this] { ToggleWordWrap(); }, {}, true},
        {"MnSchrift", "&Schrift", "", "", 0, HostCommand(&TDocumentHost::FontCommand)},
    };
    if (!browserItems.empty()) {
        items.push_back({"", "-"});
        items.insert(items.end(), browserItems.begin(), browserItems.end());
    }
    // The key names stand right-aligned behind a tab.
    const std::vector<TMenuItem> jumpItems{
        {"", "-"},
        {"MnSetJump1", "Setze Sprungmarke1\tSTRG+SHIFT+1", "", "", 0, [this] { SetJumpMark(1); }},
        {"MnSetJump2", "Setze Sprungmarke2\tSTRG+SHIFT+2", "", "", 0, [this] { SetJumpMark(2); }},
        {"MnSetJump3", "Setze Sprungmarke3\tSTRG+SHIFT+3", "", "", 0, [this] { SetJumpMark(3); }},
        {"GehezurSprungmarke1",
         "Gehe zur Sprungmarke1\tSTRG+1",
         "",
         "",
         0,
         [this] { GoToJumpMark(1); }},
        {"GehezurSprungmarke2",
         "Gehe zur Sprungmarke2\tSTRG+2",
         "",
         "",
         0,
         [this] { GoToJumpMark(2); }},
        {"GehezurSprungmarke3",
         "Gehe zur Sprungmarke3\tSTRG+3",
         "",
         "",
         0,
         [this] { GoToJumpMark(3); }},
    };
    items.insert(items.end(), jumpItems.begin(), jumpItems.end());
    return items;
}

// The style sheet window has no letter case commands, and its redo item has another name.
std::vector<TMenuItem> TFHTMLFrame::EditMenuItems(bool html)
{
    const auto change = [this](void (*command)(TEditControl &)) {
        return [this, command] { Change(command); };
    };
    const auto edit = [this](void (TEditControl::*command)()) {
        return [this, command] { Edit([command](TEditControl &e) { (e.*command)(); }); };
    };
    const auto redo = [this] { RedoCommand(); };
    return ItemsOf(
        {
            {InBoth, {"MnRueckgaengig", "&Rückgängig", "Ctrl+Z", "", 0, [this] { UndoCommand(); }}},
            {InHtml, {"MnWiderrufen", "Widerrufen", "Ctrl+Alt+Z", "", 0, redo}},
            {InCss, {"MnRedo", "Widerrufen", "Ctrl+Alt+Z", "", 0, redo}},
            {InBoth, {"", "-"}},
            {InBoth,
             {"MnBlockAusschneiden",
              "&Ausschneiden",
              "Ctrl+X",
              "",
              0,
              edit(&TEditControl::CutToClipboard)}},
            {InBoth,
             {"MnBlockKopieren",
              "&Kopieren",
              "Ctrl+C",
              "",
              0,
              [this] { ActiveEditor().CopyToClipboard(); }}},
            {InBoth,
             {"MnBlockEinfuegen",
              "&Einfügen",
              "Ctrl+V",
              "",
              0,
              edit(&TEditControl::PasteFromClipboard)}},
            {InBoth,
             {"MnBlockLoeschen", "&Löschen", "", "", 0, edit(&TEditControl::ClearSelection)}},
            {InBoth,
             {"MnBlockalsDateiSichern",
              "&Block als Datei &sichern",
              "",
              "",
              0,
              [this] { static_cast<void>(SaveBlockAsFile()); }}},
            {InBoth, {"", "-"}},
            {InBoth,
             {"MnAktuelleZeileloeschen",
              "Aktuelle &Zeile löschen",
              "Ctrl+Y",
              "",
              0,
              change(&DeleteCaretLine)}},
            {InBoth,
             {"MnZeilebisEndeLoeschen",
              "Zeile bi&s Ende löschen",
              "Ctrl+K",
              "",
              0,
              [this] { Change([](TEditControl &e) { DeleteToLineEnd(e); }); }}},
            {InBoth,
             {"MnBlocknachlinks", "Block nach links", "Ctrl+L", "", 0, change(&UnindentBlock)}},
            {InBoth,
             {"MnBlocknachrechts", "Block nach rechts", "Ctrl+R", "", 0, change(&IndentBlock)}},
            {InBoth, {"", "-"}},
            {InBoth, {"MnGehezu", "&Gehe zu...", "Ctrl+G", "", 0, [this] { GoToLine(); }}},
            {InBoth, {"MnSuchen", "Suchen", "Ctrl+F", "", 0, [this] { ShowFindDialog(); }}},
            {InBoth, {"MnWeitersuchen", "Weitersuchen", "F3", "", 0, [this] { FindNext(); }}},
            {InBoth, {"", "-"}},
            {InBoth,
             {"MnKonverttextvonDOSnachWindows",
              "Konverttext von DOS nach &Windows",
              "",
              "",
              0,
              change(&ConvertOemToAnsi)}},
            {InBoth,
             {"MnKonverttextvonWindowsnachDOS",
              "Konverttext von Windows nach &DOS",
              "",
              "",
              0,
              change(&ConvertAnsiToOem)}},
            {InHtml,
             {"MnConvertLowerCase",
              "Alles in Kleinbuchstaben",
              "",
              "",
              0,
              change(&ConvertToLowerCase)}},
            {InHtml,
             {"MnTagsInKleinbuchstaben",
              "Tags in Kleinbuchstaben",
              "",
              "",
              0,
              change(&TagsToLowerCase)}},
            {InBoth, {"", "-"}},
            {InBoth,
             {"MnAllesmarkieren",
              "Alles &markieren",
              "Ctrl+A",
              "",
              0,
              [this] { ActiveEditor().SelectAll(); }}},
        },
        html);
}

std::vector<TMenuItem> TFHTMLFrame::HelpMenuItems(const char *infoItemName, bool withForms)
{
    std::vector<TMenuItem> items;
    for (const THelpTopic &topic : HelpTopics()) {
        const int number = topic.Number;
        if (number == 9 && !withForms)
            continue;
        items.push_back({topic.ItemName, topic.Caption, "", "", 0, [number] {
                             ToolDialogs().ShowHelpTopic(number);
                         }});
    }
    items.push_back({"", "-"});
    items.push_back({infoItemName,
                     "Produkt &Info...",
                     "",
                     "",
                     0,
                     HostCommand(&TDocumentHost::ProductInfoCommand)});
    return items;
}

TMenuItem ExternalToolItem(TExternalTool tool, std::function<void()> command)
{
    switch (tool) {
    case TExternalTool::Calculator:
        return {"MnTaschenrechner", "Taschen&rechner", "", "", 0, std::move(command)};
    case TExternalTool::Explorer:
        return {"MnExplorer", "&Explorer", "", "", 0, std::move(command)};
    case TExternalTool::CommandPrompt:
        return {"MnDOSEbene",
                "D&OS-Ebene",
                "",
                "Wechseln zur DOS-Ebene (Bitte mit EXIT verlassen)",
                113,
                std::move(command)};
    case TExternalTool::TextEditor:
        break;
    }
    return {"MnNotepad", "&Notepad", "", "", 0, std::move(command)};
}

QMenu *CreateFileMenu(QWidget *owner)
{
    return CreateMenu(owner, "MnDatei", "&Datei", "Menü Datei", 100, 1);
}

QMenu *CreateHelpMenu(QWidget *owner)
{
    return CreateMenu(owner,
                      "MnHilfe",
                      "&Hilfe",
                      "Menü dient zum Anzeigen von Hilfeinformationen",
                      900,
                      9);
}
