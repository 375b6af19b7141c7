#include "DocumentMenus.h"

#include <QMenu>
#include <QString>

namespace {

// Which document windows carry an item.
enum TWindows { InHtml = 1, InCss = 2, InBoth = InHtml | InCss };

struct TDocumentMenuItem
{
    TWindows Windows;
    TMenuItemSpec Item;
};

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

const TDocumentMenuItem ViewItems[] = {
    {InBoth, {"MnZeilenUmbruch", "Zeilenumbruch"}},
    {InBoth, {"MnSchrift", "&Schrift"}},
    {InHtml, {"", "-"}},
    {InHtml, {"MnQuellcode", "Quellcode", "Ctrl+F1"}},
    {InHtml, {"MnBrowser", "&Browser", "Ctrl+F2"}},
    {InBoth, {"", "-"}},
    {InBoth, {"MnSetJump1", "Setze Sprungmarke1"}},
    {InBoth, {"MnSetJump2", "Setze Sprungmarke2"}},
    {InBoth, {"MnSetJump3", "Setze Sprungmarke3"}},
    {InBoth, {"GehezurSprungmarke1", "Gehe zur Sprungmarke1"}},
    {InBoth, {"GehezurSprungmarke2", "Gehe zur Sprungmarke2"}},
    {InBoth, {"GehezurSprungmarke3", "Gehe zur Sprungmarke3"}},
};

// The style sheet window has no letter case commands, and its redo item has another name.
const TDocumentMenuItem EditItems[] = {
    {InBoth, {"MnRueckgaengig", "&Rückgängig", "Ctrl+Z"}},
    {InHtml, {"MnWiderrufen", "Widerrufen", "Ctrl+Alt+Z"}},
    {InCss, {"MnRedo", "Widerrufen", "Ctrl+Alt+Z"}},
    {InBoth, {"", "-"}},
    {InBoth, {"MnBlockAusschneiden", "&Ausschneiden", "Ctrl+X"}},
    {InBoth, {"MnBlockKopieren", "&Kopieren", "Ctrl+C"}},
    {InBoth, {"MnBlockEinfuegen", "&Einfügen", "Ctrl+V"}},
    {InBoth, {"MnBlockLoeschen", "&Löschen"}},
    {InBoth, {"MnBlockalsDateiSichern", "&Block als Datei &sichern"}},
    {InBoth, {"", "-"}},
    {InBoth, {"MnAktuelleZeileloeschen", "Aktuelle &Zeile löschen", "Ctrl+Y"}},
    {InBoth, {"MnZeilebisEndeLoeschen", "Zeile bi&s Ende löschen", "Ctrl+K"}},
    {InBoth, {"MnBlocknachlinks", "Block nach links", "Ctrl+L"}},
    {InBoth, {"MnBlocknachrechts", "Block nach rechts", "Ctrl+R"}},
    {InBoth, {"", "-"}},
    {InBoth, {"MnGehezu", "&Gehe zu...", "Ctrl+G"}},
    {InBoth, {"MnSuchen", "Suchen", "Ctrl+F"}},
    {InBoth, {"MnWeitersuchen", "Weitersuchen", "F3"}},
    {InBoth, {"", "-"}},
    {InBoth, {"MnKonverttextvonDOSnachWindows", "Konverttext von DOS nach &Windows"}},
    {InBoth, {"MnKonverttextvonWindowsnachDOS", "Konverttext von Windows nach &DOS"}},
    {InHtml, {"MnConvertLowerCase", "Alles in Kleinbuchstaben"}},
    {InHtml, {"MnTagsInKleinbuchstaben", "Tags in Kleinbuchstaben"}},
    {InBoth, {"", "-"}},
    {InBoth, {"MnAllesmarkieren", "Alles &markieren", "Ctrl+A"}},
};

std::vector<TMenuItemSpec> ItemsOf(std::span<const TDocumentMenuItem> items, bool html)
{
    const TWindows window = html ? InHtml : InCss;
    std::vector<TMenuItemSpec> result;
    for (const TDocumentMenuItem &item : items) {
        if (item.Windows & window)
            result.push_back(item.Item);
    }
    return result;
}

} // namespace

std::span<const TMenuItemSpec> DocumentFileMenuItems()
{
    return FileItems;
}

std::vector<TMenuItemSpec> DocumentViewMenuItems(bool html)
{
    return ItemsOf(ViewItems, html);
}

std::vector<TMenuItemSpec> DocumentEditMenuItems(bool html)
{
    return ItemsOf(EditItems, html);
}

QString JumpMarkCaption(int mark, bool set)
{
    const QString number = QString::number(mark);
    if (set)
        return "Setze Sprungmarke" + number + "\tSTRG+SHIFT+" + number;
    return "Gehe zur Sprungmarke" + number + "\tSTRG+" + number;
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
