#pragma once

#include <QColor>
#include <QFont>
#include <QString>

// The program-wide settings in memory, named after their registry values. Filled once at
// start-up; every part of the program reads them here and never from the registry.
struct TSettings
{
    bool InEditMitTabs = false;
    bool CaptionMitVollemNamen = true;

    qint32 EditorSchriftGroesse = 10;
    qint32 EditorSchriftFarbe = 0; // 0x00BBGGRR
    QString EditorSchriftName = "MS Sans Serif";
    bool EditorSchriftBold = false;

    QString Browser[4];

    qint16 ErrorSchriftGroesse = 10;
    qint32 ErrorSchriftFarbe = 0;
    QString ErrorSchriftName = "MS Sans Serif";
    bool ErrorSchriftBold = false;

    QString EditorPfad;
    QString COMSPEC;
    bool COMSPECINDI = true;
    qint32 TabBreite = 2;
    bool AutoSave = true;
    bool Multiline = true;
    bool SucheAmAktuellenCursor = false;
    bool ImmerSicherheitsabfrage = true;

    bool UndoMitKeyUp = true;
    qint32 UndoTimerIntervall = 10;

    // Behind check boxes of the settings dialog; not loaded, false in every run.
    bool MainFensterImmerMaximal = false;
    bool FensterImmerMaximal = false;
};

// The font sizes the editors can show; stored sizes outside are clamped to them.
inline constexpr int MinFontSize = 4;
inline constexpr int MaxFontSize = 144;

// The settings of this program run.
TSettings &Settings();

// A colour stored as 0x00BBGGRR.
QColor BgrToColor(qint32 bgr);
qint32 ColorToBgr(const QColor &color);
// The editor font of the settings (name, size, bold or regular).
QFont EditorFontOfSettings();
// The error-window font of the settings.
QFont ErrorFontOfSettings();
