#include "FrameMenus.h"

namespace {

const TMenuItemSpec FileItems[] = {
    {"MnNeu", "&Neu...", "Ctrl+N", "Neue Datei erzeugen", 101},
    {"MnOeffnen", "&Öffnen...", "Ctrl+O", "Alte Datei öffnen", 102},
    {"", "-"},
    {"MnTaschenrechner", "Taschen&rechner"},
    {"MnDOSEbene", "D&OS-Ebene", "", "Wechseln zur DOS-Ebene (Bitte mit EXIT verlassen)", 113},
    {"MnExplorer", "&Explorer"},
    {"MnNotepad", "&Notepad"},
    {"", "-"},
    {"MnDruckerSetup",
     "Drucker-Setup...",
     "",
     "Aufruf des Druckersetup (Drucker wechseln, Hoch/Querformat)",
     115},
    {"", "-"},
    {"MnExit", "&Beenden", "", "Das Programm beenden", 120},
};

const TMenuItemSpec OptionsItems[] = {
    {"MnSetMemoColor", "Farbiger Editor"},
    {"MnSerMemoSW", "Schwarz-Weiß-Editor"},
    {"", "-"},
    {"MnNetzwerklaufwerkVerbinden", "Netzwerklaufwerk verbinden"},
    {"MnNetzwerklaufwerkTrennen", "Netzwerklaufwerk trennen"},
    {"", "-"},
    {"MnDateilisteloeschen", "&Dateiliste löschen", "", "Löschen der Dateiliste im Menü Datei", 722},
    {"", "-"},
    {"MnSchrift", "&Schrift"},
    {"MnEinstellungen",
     "&Einstellungen...",
     "",
     "Dialogfenster für die verschiedenen Einstellungen",
     730},
};

const TMenuItemSpec WindowItems[] = {
    {"MnVorherigesFenster", "&Vorheriges Fenster", "F6", "Schaltet zum vorherigen Fenster um", 801},
    {"MnNaechstesFenster", "&Nächstes  Fenster", "F7", "Schaltet zum nächsten Fenster um", 802},
    {"", "-"},
    {"MnFensterTeilen",
     "Fenster-&Horizontal teilen",
     "F4",
     "Die Fenster werden nebeneinander dargestellt",
     805},
    {"MnFensterVertikalteilen", "Fenster-Vertikal &teilen", "F5"},
    {"MnFensterKaskade",
     "Fenster kaskadieren",
     "F2",
     "Die Fenster werden übereinander dargestellt",
     804},
    {"MnAlleSymboleanordnen",
     "Alle &Symbole anordnen",
     "",
     "Alle Fenster, die zum Symbol verkleinert wurden, werden geordnet",
     803},
};

const TMenuItemSpec HelpItems[] = {
    {"MnProduktInfo", "Produkt &Info...", "", "Informationen über das Programm"},
};

} // namespace

std::span<const TMenuItemSpec> FrameFileMenuItems()
{
    return FileItems;
}

std::span<const TMenuItemSpec> FrameOptionsMenuItems()
{
    return OptionsItems;
}

std::span<const TMenuItemSpec> FrameWindowMenuItems()
{
    return WindowItems;
}

std::span<const TMenuItemSpec> FrameHelpMenuItems()
{
    return HelpItems;
}
