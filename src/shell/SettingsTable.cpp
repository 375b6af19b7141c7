#include "SettingsTable.h"

namespace {

using S = TSettings;
using D = TSettingDefault;
constexpr TSettingKey Main = TSettingKey::Main;

const TSettingRow Rows[] = {
    {Main, "InEditMitTabs", &S::InEditMitTabs, false},
    {Main, "CaptionMitVollemNamen", &S::CaptionMitVollemNamen, true},
    {Main,
     "EditorSchriftGroesse",
     &S::EditorSchriftGroesse,
     {},
     D::EditorFontSize,
     "Schrift",
     true,
     MinFontSize,
     MaxFontSize},
    {Main, "EditorSchriftFarbe", &S::EditorSchriftFarbe, 0, D::Fixed, "Schrift"},
    {Main, "EditorSchriftName", &S::EditorSchriftName, {}, D::EditorFontName, "Schrift"},
    {Main, "EditorSchriftBold", &S::EditorSchriftBold, false, D::Fixed, "Schrift"},
    {Main, "Browser1", TBrowserSlot{0}, QString()},
    {Main, "Browser2", TBrowserSlot{1}, QString()},
    {Main, "Browser3", TBrowserSlot{2}, QString()},
    {Main, "Browser4", TBrowserSlot{3}, QString()},
    // Held as a signed 16-bit number.
    {Main,
     "ErrorSchriftGroesse",
     &S::ErrorSchriftGroesse,
     {},
     D::ErrorFontSize,
     nullptr,
     true,
     -32768,
     32767},
    {Main, "ErrorSchriftFarbe", &S::ErrorSchriftFarbe, 0},
    {Main, "ErrorSchriftName", &S::ErrorSchriftName, {}, D::ErrorFontName},
    {Main, "ErrorSchriftBold", &S::ErrorSchriftBold, false},
    {Main, "EditorPfad", &S::EditorPfad, {}, D::ProgramFolder},
    {Main, "COMSPEC", &S::COMSPEC, QString()},
    {Main, "COMSPECINDI", &S::COMSPECINDI, true},
    {Main, "TabBreite", &S::TabBreite, 2},
    {Main, "AutoSave", &S::AutoSave, true, D::Fixed, "Allgemein"},
    {Main, "Multiline", &S::Multiline, true},
    {Main, "SucheAmAktuellenCursor", &S::SucheAmAktuellenCursor, false},
    {Main, "ImmerSicherheitsabfrage", &S::ImmerSicherheitsabfrage, true, D::Fixed, "Allgemein"},
    {TSettingKey::Undo, "UndoMitKeyUp", &S::UndoMitKeyUp, true},
    {TSettingKey::Undo, "UndoTimerIntervall", &S::UndoTimerIntervall, 10},
    // Behind check boxes of the settings dialog: false in every run, written to the mirror only.
    {Main,
     "MainFensterImmerMaximal",
     &S::MainFensterImmerMaximal,
     false,
     D::Fixed,
     "Allgemein",
     false},
    {Main, "FensterImmerMaximal", &S::FensterImmerMaximal, false, D::Fixed, "Allgemein", false},
};

} // namespace

std::span<const TSettingRow> SettingRows()
{
    return Rows;
}
