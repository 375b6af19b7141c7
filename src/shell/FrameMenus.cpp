// The frame's own menus: each item's caption, shortcut, hint, help context and command in one
// row. Items whose commands are not built yet have none and show disabled.
#include "DocumentMenus.h"
#include "FMain.h"
#include "NetworkDriveDialogs.h"
#include "PrintDocument.h"

#include <QMdiArea>

std::vector<TMenuItem> TFMain::FileMenuItems()
{
    const auto tool = [this](TExternalTool chosen) {
        return ExternalToolItem(chosen, [this, chosen] { ExternalToolCommand(chosen); });
    };
    return {
        {"MnNeu", "&Neu...", "Ctrl+N", "Neue Datei erzeugen", 101, [this] { NewDocumentCommand(); }},
        {"MnOeffnen", "&Öffnen...", "Ctrl+O", "Alte Datei öffnen", 102, [this] { OpenCommand(); }},
        {"", "-"},
        tool(TExternalTool::Calculator),
        tool(TExternalTool::CommandPrompt),
        tool(TExternalTool::Explorer),
        tool(TExternalTool::TextEditor),
        {"", "-"},
        {"MnDruckerSetup",
         "Drucker-Setup...",
         "",
         "Aufruf des Druckersetup (Drucker wechseln, Hoch/Querformat)",
         115,
         [this] { PrinterSetupDialog(this); }},
        {"", "-"},
        // Ends the program; the windows' own item of that name closes only the window.
        {"MnExit", "&Beenden", "", "Das Programm beenden", 120, [this] { close(); }},
    };
}

std::vector<TMenuItem> TFMain::OptionsMenuItems()
{
    return {
        {"MnSetMemoColor", "Farbiger Editor", "", "", 0, [this] { SetEditorKind(true); }},
        {"MnSerMemoSW", "Schwarz-Weiß-Editor", "", "", 0, [this] { SetEditorKind(false); }},
        {"", "-"},
        // Whatever the dialogs do, the program's own state stays as it is.
        {"MnNetzwerklaufwerkVerbinden",
         "Netzwerklaufwerk verbinden",
         "",
         "",
         0,
         [this] {
             TFNetzwerkVerbinden dialog(this);
             dialog.exec();
         }},
        {"MnNetzwerklaufwerkTrennen",
         "Netzwerklaufwerk trennen",
         "",
         "",
         0,
         [this] {
             TFNetzwerkTrennen dialog(this);
             dialog.exec();
         }},
        {"", "-"},
        {"MnDateilisteloeschen",
         "&Dateiliste löschen",
         "",
         "Löschen der Dateiliste im Menü Datei",
         722,
         [this] { MnDateilisteloeschenClick(); }},
        {"", "-"},
        {"MnSchrift", "&Schrift", "", "", 0, [this] { FontCommand(); }},
        {"MnEinstellungen",
         "&Einstellungen...",
         "",
         "Dialogfenster für die verschiedenen Einstellungen",
         730,
         [this] { SettingsCommand(); }},
    };
}

std::vector<TMenuItem> TFMain::WindowMenuItems()
{
    return {
        {"MnVorherigesFenster",
         "&Vorheriges Fenster",
         "F6",
         "Schaltet zum vorherigen Fenster um",
         801,
         [this] { Area->activatePreviousSubWindow(); }},
        {"MnNaechstesFenster",
         "&Nächstes  Fenster",
         "F7",
         "Schaltet zum nächsten Fenster um",
         802,
         [this] { Area->activateNextSubWindow(); }},
        {"", "-"},
        {"MnFensterTeilen",
         "Fenster-&Horizontal teilen",
         "F4",
         "Die Fenster werden nebeneinander dargestellt",
         805,
         [this] { TileHorizontally(); }},
        {"MnFensterVertikalteilen",
         "Fenster-Vertikal &teilen",
         "F5",
         "",
         0,
         [this] { ArrangeColumns(); }},
        {"MnFensterKaskade",
         "Fenster kaskadieren",
         "F2",
         "Die Fenster werden übereinander dargestellt",
         804,
         [this] { CascadeWindows(); }},
        {"MnAlleSymboleanordnen",
         "Alle &Symbole anordnen",
         "",
         "Alle Fenster, die zum Symbol verkleinert wurden, werden geordnet",
         803,
         [this] { ArrangeIcons(); }},
    };
}

std::vector<TMenuItem> TFMain::HelpMenuItems()
{
    return {
        {"MnProduktInfo",
         "Produkt &Info...",
         "",
         "Informationen über das Programm",
         0,
         [this] { ProductInfoCommand(); }},
    };
}
