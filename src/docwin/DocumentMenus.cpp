#include "DocumentMenus.h"

#include <QString>

namespace {

const TMenuItemSpec FileItems[] = {
    {"MnNeu", "&Neu...", "Ctrl+N", "Neue Datei erzeugen", 101},
    {"MnOeffnen", "&Öffnen...", "Ctrl+O", "Alte Datei öffnen", 102},
    {"MnUpdate", "Up&date"},
    {"", "-"},
    {"MnSpeichern", "&Speichern...", "Ctrl+S"},
    {"MnSpeichernUnter", "Speichern &unter..."},
    {"MnSpeichernAlle", "Speichern &alle"},
    {"MnAlleSchliessen", "A&lle Schließen"},
    {"", "-"},
    {"MnTaschenrechner", "Taschen&rechner"},
    {"MnExplorer", "&Explorer"},
    {"MnDOSEbene", "D&OS-Ebene", "", "Wechseln zur DOS-Ebene (Bitte mit EXIT verlassen)", 113},
    {"MnNotepad", "&Notepad"},
    {"", "-"},
    {"MnDrucken", "&Drucken...", "Ctrl+P"},
    {"MnDruckerSetup", "Drucker-Setup"},
    {"", "-"},
    {"MnExit", "&Beenden"},
};

const TMenuItemSpec HtmlViewItems[] = {
    {"MnZeilenUmbruch", "Zeilenumbruch"},
    {"MnSchrift", "&Schrift"},
    {"", "-"},
    {"MnQuellcode", "Quellcode", "Ctrl+F1"},
    {"MnBrowser", "&Browser", "Ctrl+F2"},
    {"", "-"},
    {"MnSetJump1", "Setze Sprungmarke1"},
    {"MnSetJump2", "Setze Sprungmarke2"},
    {"MnSetJump3", "Setze Sprungmarke3"},
    {"GehezurSprungmarke1", "Gehe zur Sprungmarke1"},
    {"GehezurSprungmarke2", "Gehe zur Sprungmarke2"},
    {"GehezurSprungmarke3", "Gehe zur Sprungmarke3"},
};

const TMenuItemSpec CssViewItems[] = {
    {"MnZeilenUmbruch", "Zeilenumbruch"},
    {"MnSchrift", "&Schrift"},
    {"", "-"},
    {"MnSetJump1", "Setze Sprungmarke1"},
    {"MnSetJump2", "Setze Sprungmarke2"},
    {"MnSetJump3", "Setze Sprungmarke3"},
    {"GehezurSprungmarke1", "Gehe zur Sprungmarke1"},
    {"GehezurSprungmarke2", "Gehe zur Sprungmarke2"},
    {"GehezurSprungmarke3", "Gehe zur Sprungmarke3"},
};

const TMenuItemSpec HtmlEditItems[] = {
    {"MnRueckgaengig", "&Rückgängig", "Ctrl+Z"},
    {"MnWiderrufen", "Widerrufen", "Ctrl+Alt+Z"},
    {"", "-"},
    {"MnBlockAusschneiden", "&Ausschneiden", "Ctrl+X"},
    {"MnBlockKopieren", "&Kopieren", "Ctrl+C"},
    {"MnBlockEinfuegen", "&Einfügen", "Ctrl+V"},
    {"MnBlockLoeschen", "&Löschen"},
    {"MnBlockalsDateiSichern", "&Block als Datei &sichern"},
    {"", "-"},
    {"MnAktuelleZeileloeschen", "Aktuelle &Zeile löschen", "Ctrl+Y"},
    {"MnZeilebisEndeLoeschen", "Zeile bi&s Ende löschen", "Ctrl+K"},
    {"MnBlocknachlinks", "Block nach links", "Ctrl+L"},
    {"MnBlocknachrechts", "Block nach rechts", "Ctrl+R"},
    {"", "-"},
    {"MnGehezu", "&Gehe zu...", "Ctrl+G"},
    {"MnSuchen", "Suchen", "Ctrl+F"},
    {"MnWeitersuchen", "Weitersuchen", "F3"},
    {"", "-"},
    {"MnKonverttextvonDOSnachWindows", "Konverttext von DOS nach &Windows"},
    {"MnKonverttextvonWindowsnachDOS", "Konverttext von Windows nach &DOS"},
    {"MnConvertLowerCase", "Alles in Kleinbuchstaben"},
    {"MnTagsInKleinbuchstaben", "Tags in Kleinbuchstaben"},
    {"", "-"},
    {"MnAllesmarkieren", "Alles &markieren", "Ctrl+A"},
};

// The style sheet window has no letter case commands.
const TMenuItemSpec CssEditItems[] = {
    {"MnRueckgaengig", "&Rückgängig", "Ctrl+Z"},
    {"MnRedo", "Widerrufen", "Ctrl+Alt+Z"},
    {"", "-"},
    {"MnBlockAusschneiden", "&Ausschneiden", "Ctrl+X"},
    {"MnBlockKopieren", "&Kopieren", "Ctrl+C"},
    {"MnBlockEinfuegen", "&Einfügen", "Ctrl+V"},
    {"MnBlockLoeschen", "&Löschen"},
    {"MnBlockalsDateiSichern", "&Block als Datei &sichern"},
    {"", "-"},
    {"MnAktuelleZeileloeschen", "Aktuelle &Zeile löschen", "Ctrl+Y"},
    {"MnZeilebisEndeLoeschen", "Zeile bi&s Ende löschen", "Ctrl+K"},
    {"MnBlocknachlinks", "Block nach links", "Ctrl+L"},
    {"MnBlocknachrechts", "Block nach rechts", "Ctrl+R"},
    {"", "-"},
    {"MnGehezu", "&Gehe zu...", "Ctrl+G"},
    {"MnSuchen", "Suchen", "Ctrl+F"},
    {"MnWeitersuchen", "Weitersuchen", "F3"},
    {"", "-"},
    {"MnKonverttextvonDOSnachWindows", "Konverttext von DOS nach &Windows"},
    {"MnKonverttextvonWindowsnachDOS", "Konverttext von Windows nach &DOS"},
    {"", "-"},
    {"MnAllesmarkieren", "Alles &markieren", "Ctrl+A"},
};

} // namespace

std::span<const TMenuItemSpec> DocumentEditMenuItems(bool withLetterCaseItems)
{
    if (withLetterCaseItems)
        return HtmlEditItems;
    return CssEditItems;
}

std::span<const TMenuItemSpec> DocumentFileMenuItems()
{
    return FileItems;
}

std::span<const TMenuItemSpec> DocumentViewMenuItems(bool withBrowserItems)
{
    if (withBrowserItems)
        return HtmlViewItems;
    return CssViewItems;
}

QString JumpMarkCaption(int mark, bool set)
{
    const QString number = QString::number(mark);
    if (set)
        return "Setze Sprungmarke" + number + "\tSTRG+SHIFT+" + number;
    return "Gehe zur Sprungmarke" + number + "\tSTRG+" + number;
}
